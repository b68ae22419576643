// The version page and exchange-rate check over HTTP.
#include "core/version_check.h"

#include "core/database.h"
#include "core/messages.h"
#include "core/state.h"
#include "platform/ribbon.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <cstdlib>

namespace kx {

namespace {

const QString defaultWebHost = QStringLiteral("www.kantarix.com");
const QString defaultRateHost = QStringLiteral("www.tcmb.gov.tr");

// The text between the first start mark (skipping skip characters from its first character)
// and the first end mark; nothing when the length would be negative.
std::optional<QString> cut(const QString &page, const QString &startMark, int skip,
                           const QString &endMark)
{
    // A missing start mark counts from just before the page, as a search result of 0 would.
    const qsizetype start = page.indexOf(startMark) + skip;
    const qsizetype end = page.indexOf(endMark);
    if (end < 0 || end < start)
        return std::nullopt;
    return page.mid(start, end - start);
}

// The text of the first <tag>…</tag> after from, before the currency's end.
QString elementText(const QString &xml, qsizetype from, const QString &tag)
{
    const qsizetype currencyEnd = xml.indexOf(QStringLiteral("</Currency>"), from);
    const QString open = QLatin1Char('<') + tag + QLatin1Char('>');
    const qsizetype start = xml.indexOf(open, from);
    if (start < 0 || (currencyEnd >= 0 && start > currencyEnd))
        return {};
    const qsizetype valueStart = start + open.size();
    const qsizetype end = xml.indexOf(QStringLiteral("</") + tag + QLatin1Char('>'), valueStart);
    if (end < 0)
        return {};
    return xml.mid(valueStart, end - valueStart)
        .trimmed()
        .replace(QLatin1Char('.'), QLatin1Char(','));
}

void currencyRates(const QString &xml, const QString &name, QString &buy, QString &sell)
{
    const qsizetype at = xml.indexOf(QStringLiteral("CurrencyName>") + name);
    if (at < 0) {
        buy.clear();
        sell.clear();
        return;
    }
    buy = elementText(xml, at, QStringLiteral("ForexBuying"));
    sell = elementText(xml, at, QStringLiteral("ForexSelling"));
}

void showRates(const QString &text)
{
    QWidget *window = state().FMain;
    if (!window)
        return;
    if (auto *status = window->findChild<RibbonStatusBar *>())
        status->setPaneText(1, text);
}

} // namespace

QVersionNumber programVersion()
{
    return QVersionNumber::fromString(QStringLiteral(KANTARIX_VERSION));
}

std::optional<VersionPage> parseBackupCredentials(const QString &page)
{
    const auto user = cut(page, QStringLiteral("un"), 5, QStringLiteral("/un"));
    const auto password = cut(page, QStringLiteral("pw"), 5, QStringLiteral("/pw"));
    if (!user || !password)
        return std::nullopt;
    return VersionPage { *user, *password, QString() };
}

std::optional<VersionPage> parseVersionPage(const QString &page)
{
    std::optional<VersionPage> marks = parseBackupCredentials(page);
    const auto version = cut(page, QStringLiteral("vrs"), 6, QStringLiteral("!"));
    if (!marks || !version)
        return std::nullopt;
    marks->versionText = *version;
    return marks;
}

QString leadingNumber(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;
    qsizetype end = i;
    while (end < text.size() && text.at(end) >= QLatin1Char('0')
           && text.at(end) <= QLatin1Char('9'))
        ++end;
    while (i < end - 1 && text.at(i) == QLatin1Char('0'))
        ++i;
    return end > i ? text.mid(i, end - i) : QStringLiteral("0");
}

bool isUpToDate(qulonglong revision, const QString &versionText)
{
    const QString ours = QString::number(revision);
    const QString page = leadingNumber(versionText);
    // Digits without leading zeros: the longer number is the larger, else the first digit
    // that differs decides.
    if (ours.size() != page.size())
        return ours.size() > page.size();
    return ours >= page;
}

Rates parseRates(const QString &xml)
{
    Rates rates;
    currencyRates(xml, QStringLiteral("US DOLLAR"), rates.usdBuy, rates.usdSell);
    currencyRates(xml, QStringLiteral("EURO"), rates.eurBuy, rates.eurSell);
    return rates;
}

QString rateText(const Rates &rates)
{
    return QStringLiteral("($) : ") + rates.usdBuy + QStringLiteral(" / ") + rates.usdSell
        + QStringLiteral("      (€) : ") + rates.eurBuy + QStringLiteral(" / ") + rates.eurSell;
}

QString hostUrl(const QString &host, const QString &path)
{
    QString base = host.trimmed();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    if (!base.contains(QStringLiteral("://")))
        base.prepend(QStringLiteral("http://"));
    return base + path;
}

QString webHost()
{
    const QString host = qEnvironmentVariable("KANTARIX_WEB_HOST");
    return host.isEmpty() ? defaultWebHost : host;
}

QString rateHost()
{
    const QString host = qEnvironmentVariable("KANTARIX_RATE_HOST");
    return host.isEmpty() ? defaultRateHost : host;
}

QString helpAddress()
{
    return hostUrl(webHost(), QStringLiteral("/yardim.asp"));
}

QString ftpHost()
{
    const QString host = qEnvironmentVariable("KANTARIX_FTP_HOST").trimmed();
    if (!host.isEmpty())
        return host;
    // The web host's name alone: its scheme and HTTP port say nothing about FTP.
    return QUrl(hostUrl(webHost(), QStringLiteral("/"))).host();
}

QString fetchPage(const QString &url, int timeoutMs)
{
    QNetworkAccessManager manager;
    QNetworkRequest request { QUrl(url) };
    request.setTransferTimeout(timeoutMs);
    QNetworkReply *reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    // The window answers no input while the page is read, as a synchronous read would.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    QString page;
    if (reply->isFinished() && reply->error() == QNetworkReply::NoError)
        page = QString::fromUtf8(reply->readAll());
    reply->abort();
    delete reply;
    return page;
}

std::optional<bool> &onlineOverride()
{
    static std::optional<bool> value;
    return value;
}

bool IsOnline()
{
    if (onlineOverride())
        return *onlineOverride();
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &interface : interfaces) {
        const auto flags = interface.flags();
        if ((flags & QNetworkInterface::IsUp) && (flags & QNetworkInterface::IsRunning)
            && !(flags & QNetworkInterface::IsLoopBack))
            return true;
    }
    return false;
}

QString updaterPath()
{
    const QString folder = programFolder();
#ifdef Q_OS_WIN
    return QDir(folder).filePath(QStringLiteral("Guncelleme.exe"));
#else
    return QDir(folder).filePath(QStringLiteral("Guncelleme"));
#endif
}

void CheckVersionAndRates(int showUpToDate)
{
    if (!IsOnline())
        return;
    runVersionCheck(showUpToDate);
}

void runVersionCheck(int showUpToDate)
{
    const QString page = fetchPage(hostUrl(webHost(), QStringLiteral("/kx3/kxver.html")));
    const std::optional<VersionPage> marks = page.isEmpty() ? std::nullopt : parseVersionPage(page);
    if (!marks) {
        // Asked for, a check that got nothing must not look like one that found nothing new.
        if (showUpToDate == 1)
            ShowSystemMessage(QStringLiteral("Sürüm kontrol dosyası alınamadı!"), IconError);
        return;
    }
    ModuleState &s = state();
    s.BackupUser = marks->user;
    s.BackupPassword = marks->password;

    const Rates rates
        = parseRates(fetchPage(hostUrl(rateHost(), QStringLiteral("/kurlar/today.xml"))));
    const bool ratesReceived = !rates.usdBuy.isEmpty() && !rates.usdSell.isEmpty()
        && !rates.eurBuy.isEmpty() && !rates.eurSell.isEmpty();
    // A failed rate file leaves the last good rates, stored and shown.
    if (ratesReceived) {
        s.RateUsdBuy = rates.usdBuy;
        s.RateUsdSell = rates.usdSell;
        s.RateEurBuy = rates.eurBuy;
        s.RateEurSell = rates.eurSell;
        showRates(rateText(rates));
    }

    const QString received = ratesReceived
        ? QStringLiteral("Döviz bilgileri ve Kantarix sürüm kontrol dosyası alındı.\r\n")
        : QStringLiteral("Döviz bilgileri alınamadı!\r\n");
    if (isUpToDate(qulonglong(programVersion().microVersion()), marks->versionText)) {
        if (showUpToDate == 1) {
            ShowNotice(received + QStringLiteral("En güncel sürüm kullanımda..."));
            s.MsgResult = 1;
        }
        return;
    }
    if (!AskYesNo(received
                  + QStringLiteral(
                      "Daha güncel bir sürüm tespit edildi, şimdi yüklemek istiyor musunuz?")))
        return;
    const QString updater = updaterPath();
    if (!QFileInfo(updater).isExecutable() || !QProcess::startDetached(updater, {})) {
        ShowSystemMessage(QStringLiteral("Güncelleme programı bulunamadı:\r\n")
                              + QDir::toNativeSeparators(updater),
                          IconError);
        return;
    }
    // The update replaces the program's files: end at once, with no close or backup.
    std::_Exit(0);
}

} // namespace kx
