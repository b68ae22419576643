// Tests of the version and rate check against an HTTP server started on 127.0.0.1.
#include "core/messages.h"
#include "core/state.h"
#include "core/version_check.h"
#include "platform/ribbon.h"
#include "tests/support/kxtest.h"
#include "tests/support/page_server.h"

#include <QCoreApplication>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>

using namespace kx;
using kxtest::PageServer;

namespace {

const QString versionPath = QStringLiteral("/kx3/kxver.html");
const QString ratePath = QStringLiteral("/kurlar/today.xml");

// The bank's file as it comes: elements on their own lines, indented with tabs.
QByteArray bankFile(const char *usdBuy, const char *usdSell, const char *eurBuy,
                    const char *eurSell)
{
    return QByteArray(
               "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
               "<?xml-stylesheet type=\"text/xsl\" href=\"isokur.xsl\"?>\r\n"
               "<Tarih_Date Tarih=\"10.12.2026\" Date=\"12/10/2026\" Bulten_No=\"2026/231\" >\r\n"
               "\t<Currency CrossOrder=\"0\" Kod=\"USD\" CurrencyCode=\"USD\">\r\n"
               "\t\t\t<Unit>1</Unit>\r\n"
               "\t\t\t<Isim>ABD DOLARI</Isim>\r\n"
               "\t\t\t<CurrencyName>US DOLLAR</CurrencyName>\r\n"
               "\t\t\t<ForexBuying>")
        + usdBuy
        + "</ForexBuying>\r\n"
          "\t\t\t<ForexSelling>"
        + usdSell
        + "</ForexSelling>\r\n"
          "\t\t\t<BanknoteBuying>48.8666</BanknoteBuying>\r\n"
          "\t\t\t<BanknoteSelling>49.0624</BanknoteSelling>\r\n"
          "\t\t\t\t<CrossRateUSD/>\r\n"
          "\t\t\t\t<CrossRateOther/>\r\n"
          "\t</Currency>\r\n"
          "\t<Currency CrossOrder=\"1\" Kod=\"AUD\" CurrencyCode=\"AUD\">\r\n"
          "\t\t\t<Unit>1</Unit>\r\n"
          "\t\t\t<Isim>AVUSTRALYA DOLARI</Isim>\r\n"
          "\t\t\t<CurrencyName>AUSTRALIAN DOLLAR</CurrencyName>\r\n"
          "\t\t\t<ForexBuying>31.1234</ForexBuying>\r\n"
          "\t\t\t<ForexSelling>31.3456</ForexSelling>\r\n"
          "\t</Currency>\r\n"
          "\t<Currency CrossOrder=\"9\" Kod=\"EUR\" CurrencyCode=\"EUR\">\r\n"
          "\t\t\t<Unit>1</Unit>\r\n"
          "\t\t\t<Isim>EURO</Isim>\r\n"
          "\t\t\t<CurrencyName>EURO</CurrencyName>\r\n"
          "\t\t\t<ForexBuying>"
        + eurBuy
        + "</ForexBuying>\r\n"
          "\t\t\t<ForexSelling>"
        + eurSell
        + "</ForexSelling>\r\n"
          "\t</Currency>\r\n"
          "</Tarih_Date>\r\n";
}

QByteArray versionPageFor(int version, const char *tail = "")
{
    return "<html><body>un = yedekci/un pw = s1fre/pw vrs = " + QByteArray::number(version) + tail
        + "!</body></html>";
}

} // namespace

class TestVersionCheck : public QObject
{
    Q_OBJECT

private:
    int revision() const { return programVersion().microVersion(); }

    PageServer *m_server = nullptr;
    QMainWindow *m_window = nullptr;
    RibbonStatusBar *m_status = nullptr;
    QTemporaryDir *m_dir = nullptr;

private slots:
    void init()
    {
        resetState();
        messageScript().clear();
        messageScript().suppressNotices = true;
        m_server = new PageServer;
        m_dir = new QTemporaryDir;
        qputenv("KANTARIX_WEB_HOST", m_server->host().toUtf8());
        qputenv("KANTARIX_RATE_HOST", m_server->host().toUtf8());
        qputenv("KANTARIX_DIR", m_dir->path().toUtf8());
        m_window = new QMainWindow;
        m_status = new RibbonStatusBar(m_window);
        m_window->setStatusBar(m_status);
        for (int id = 1; id <= 3; ++id)
            m_status->AddPane(id);
        m_status->setPaneText(1, QStringLiteral("placeholder"));
        state().FMain = m_window;
        m_server->setPage(ratePath, bankFile("48.9008", "48.9889", "57.0123", "57.1150"));
    }
    void cleanup()
    {
        delete m_window;
        delete m_server;
        delete m_dir;
        qunsetenv("KANTARIX_WEB_HOST");
        qunsetenv("KANTARIX_RATE_HOST");
        qunsetenv("KANTARIX_DIR");
        messageScript().clear();
    }

    void parseVersionPage_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<bool>("parsed");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("version");
        QTest::newRow("plain") << "un = ali/un pw = gizli/pw vrs = 240!" << true << "ali"
                               << "gizli"
                               << "240";
        QTest::newRow("text after the number")
            << "un = a/un pw = b/pw vrs = 240 xyz!" << true << "a"
            << "b"
            << "240";
        QTest::newRow("no digits") << "un = a/un pw = b/pw vrs = yeni!" << true << "a"
                                   << "b"
                                   << "0";
        QTest::newRow("leading zeros") << "un = a/un pw = b/pw vrs = 00240!" << true << "a"
                                       << "b"
                                       << "240";
        QTest::newRow("longer than an int")
            << "un = a/un pw = b/pw vrs = 98765432109876543210!" << true << "a"
            << "b"
            << "98765432109876543210";
        // Without "vrs" the version text runs from the sixth character to the "!".
        QTest::newRow("no vrs") << "un = a/un pw = b/pw 999!" << true << "a"
                                << "b"
                                << "0";
        QTest::newRow("no /un") << "un = a pw = b/pw vrs = 240!" << false << ""
                                << ""
                                << "0";
        QTest::newRow("no /pw") << "un = a/un pw = b vrs = 240!" << false << ""
                                << ""
                                << "0";
        QTest::newRow("no !") << "un = a/un pw = b/pw vrs = 240" << false << ""
                              << ""
                              << "0";
        QTest::newRow("end before start") << "/pw un = a/un pw = b vrs = 240!" << false << ""
                                          << ""
                                          << "0";
    }
    void parseVersionPage()
    {
        QFETCH(QString, page);
        QFETCH(bool, parsed);
        const auto marks = kx::parseVersionPage(page);
        QCOMPARE(marks.has_value(), parsed);
        if (!parsed)
            return;
        QTEST(marks->user, "user");
        QTEST(marks->password, "password");
        QTEST(leadingNumber(marks->versionText), "version");
    }

    // A number too long for an int (one that would wrap to a small one included) is still the
    // larger number.
    void revisionAgainstThePage_data()
    {
        QTest::addColumn<qulonglong>("revision");
        QTest::addColumn<QString>("versionText");
        QTest::addColumn<bool>("upToDate");
        QTest::newRow("same") << 239ULL << "239" << true;
        QTest::newRow("page newer") << 239ULL << "240" << false;
        QTest::newRow("page older, shorter") << 239ULL << "99" << true;
        QTest::newRow("leading zeros") << 239ULL << "000240" << false;
        QTest::newRow("no number") << 239ULL << "yeni" << true;
        QTest::newRow("wraps to 240 as 32 bits") << 239ULL << "4294967536" << false;
        QTest::newRow("above 64 bits") << 239ULL << "18446744073709551857" << false;
        QTest::newRow("large revision, page smaller") << 4294967536ULL << "4294967535" << true;
    }
    void revisionAgainstThePage()
    {
        QFETCH(qulonglong, revision);
        QFETCH(QString, versionText);
        QTEST(isUpToDate(revision, versionText), "upToDate");
    }

    void ratesOfTheBankLayout()
    {
        const Rates rates
            = parseRates(QString::fromUtf8(bankFile("48.9008", "48.9889", "5.8256", "57.115")));
        QCOMPARE(rates.usdBuy, QStringLiteral("48,9008"));
        QCOMPARE(rates.usdSell, QStringLiteral("48,9889"));
        QCOMPARE(rates.eurBuy, QStringLiteral("5,8256"));
        QCOMPARE(rates.eurSell, QStringLiteral("57,115"));
        QCOMPARE(rateText(rates),
                 QStringLiteral("($) : 48,9008 / 48,9889      (€) : 5,8256 / 57,115"));
        const Rates none = parseRates(QString());
        QVERIFY(none.usdBuy.isEmpty() && none.eurSell.isEmpty());
    }

    void hostAddresses_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("url");
        QTest::newRow("host") << "www.example.com"
                              << "http://www.example.com/kx3/kxver.html";
        QTest::newRow("port") << "127.0.0.1:8080"
                              << "http://127.0.0.1:8080/kx3/kxver.html";
        QTest::newRow("scheme") << "https://example.com/"
                                << "https://example.com/kx3/kxver.html";
    }
    void hostAddresses()
    {
        QFETCH(QString, host);
        QTEST(hostUrl(host, versionPath), "url");
    }

    void upToDate_data()
    {
        QTest::addColumn<int>("showUpToDate");
        QTest::newRow("on request") << 1;
        QTest::newRow("at start-up") << 0;
    }
    void upToDate()
    {
        QFETCH(int, showUpToDate);
        m_server->setPage(versionPath, versionPageFor(revision()));
        runVersionCheck(showUpToDate);
        QCOMPARE(state().BackupUser, QStringLiteral("yedekci"));
        QCOMPARE(state().BackupPassword, QStringLiteral("s1fre"));
        QCOMPARE(state().RateUsdBuy, QStringLiteral("48,9008"));
        QCOMPARE(state().RateEurSell, QStringLiteral("57,1150"));
        QCOMPARE(m_status->PaneText(1),
                 QStringLiteral("($) : 48,9008 / 48,9889      (€) : 57,0123 / 57,1150"));
        const auto &shown = messageScript().shown;
        if (showUpToDate == 1) {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.at(0).kind, QStringLiteral("notice"));
            QCOMPARE(shown.at(0).text,
                     QStringLiteral("Döviz bilgileri ve Kantarix sürüm kontrol dosyası alındı.\r\n"
                                    "En güncel sürüm kullanımda..."));
        } else {
            QVERIFY(shown.isEmpty());
        }
    }

    void newerVersionOffered_data()
    {
        QTest::addColumn<int>("showUpToDate");
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("at start-up") << 0 << QByteArray();
        QTest::newRow("on request, text after the number") << 1 << QByteArray(" xyz");
    }
    void newerVersionOffered()
    {
        QFETCH(int, showUpToDate);
        QFETCH(QByteArray, tail);
        m_server->setPage(versionPath, versionPageFor(revision() + 1, tail.constData()));
        messageScript().answers = { AnswerNo };
        runVersionCheck(showUpToDate);
        const auto &shown = messageScript().shown;
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown.at(0).kind, QStringLiteral("question"));
        QCOMPARE(shown.at(0).text,
                 QStringLiteral("Döviz bilgileri ve Kantarix sürüm kontrol dosyası alındı.\r\n"
                                "Daha güncel bir sürüm tespit edildi, şimdi yüklemek istiyor "
                                "musunuz?"));
        QCOMPARE(state().MsgResult, int(AnswerNo));
        QCOMPARE(state().RateUsdSell, QStringLiteral("48,9889"));
    }

    void acceptedOfferWithoutUpdaterGoesOn()
    {
        m_server->setPage(versionPath, versionPageFor(revision() + 5));
        messageScript().answers = { AnswerYes };
        runVersionCheck(0);
        // Still running: the missing updater was reported.
        const MessageRecord last = messageScript().shown.last();
        QCOMPARE(last.kind, QStringLiteral("popup"));
        QCOMPARE(last.icon, int(IconError));
        QVERIFY(last.text.contains(QStringLiteral("Guncelleme")));
    }

    // A version page that gives no text or no marks changes nothing and fetches no rates; asked
    // for, the check says it got no page, at start-up it stays silent.
    void failedVersionPage_data()
    {
        QTest::addColumn<QByteArray>("page"); // "404": not served, "refused": nobody listens
        QTest::addColumn<int>("showUpToDate");
        const QList<QPair<const char *, QByteArray>> pages
            = { { "empty page", QByteArray() },
                { "missing marks", QByteArray("<html>bakimdayiz</html>") },
                { "404", QByteArray("404") },
                { "refused connection", QByteArray("refused") } };
        for (const auto &[name, page] : pages) {
            QTest::addRow("%s at start-up", name) << page << 0;
            QTest::addRow("%s on the command", name) << page << 1;
        }
    }
    void failedVersionPage()
    {
        QFETCH(QByteArray, page);
        QFETCH(int, showUpToDate);
        QTcpServer closed;
        if (page == "refused") {
            closed.listen(QHostAddress::LocalHost);
            const QByteArray host = "127.0.0.1:" + QByteArray::number(closed.serverPort());
            closed.close();
            qputenv("KANTARIX_WEB_HOST", host);
        } else if (page != "404") {
            m_server->setPage(versionPath, page);
        }
        state().BackupUser = QStringLiteral("eski");
        state().RateUsdBuy = QStringLiteral("1,1111");
        runVersionCheck(showUpToDate);
        const auto &shown = messageScript().shown;
        if (showUpToDate == 1) {
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown.at(0).kind, QStringLiteral("popup"));
            QCOMPARE(shown.at(0).text, QStringLiteral("Sürüm kontrol dosyası alınamadı!"));
            QCOMPARE(shown.at(0).icon, int(IconError));
        } else {
            QVERIFY(shown.isEmpty());
        }
        QCOMPARE(state().BackupUser, QStringLiteral("eski"));
        QCOMPARE(state().RateUsdBuy, QStringLiteral("1,1111"));
        QCOMPARE(m_status->PaneText(1), QStringLiteral("placeholder"));
        QCOMPARE(m_server->requests(ratePath), 0);
    }

    // A rate file that gives no text or lacks one of the four rates keeps the rates held, in
    // the state and in the pane; the report or the offer names it in its first line. The
    // backup credentials of the good version page are taken all the same.
    void failedRateFile_data()
    {
        QTest::addColumn<QByteArray>("rates"); // "404": not served
        QTest::addColumn<int>("showUpToDate");
        QTest::addColumn<bool>("newer");
        const QByteArray noEuro = QByteArray(bankFile("48.9008", "48.9889", "57.0123", "57.1150"))
                                      .replace("CurrencyName>EURO", "CurrencyName>YEN");
        const QByteArray noEuroSelling = bankFile("48.9008", "48.9889", "57.0123", "");
        QTest::newRow("404 on the command") << QByteArray("404") << 1 << false;
        QTest::newRow("404 at start-up") << QByteArray("404") << 0 << false;
        QTest::newRow("empty file on the command") << QByteArray() << 1 << false;
        QTest::newRow("dollar, no euro, on the command") << noEuro << 1 << false;
        QTest::newRow("dollar, no euro, at start-up") << noEuro << 0 << false;
        QTest::newRow("no euro selling rate, on the command") << noEuroSelling << 1 << false;
        QTest::newRow("newer version, 404 at start-up") << QByteArray("404") << 0 << true;
        QTest::newRow("newer version, no euro, on the command") << noEuro << 1 << true;
    }
    void failedRateFile()
    {
        QFETCH(QByteArray, rates);
        QFETCH(int, showUpToDate);
        QFETCH(bool, newer);
        PageServer rateServer;
        if (rates != "404")
            rateServer.setPage(ratePath, rates);
        qputenv("KANTARIX_RATE_HOST", rateServer.host().toUtf8());
        m_server->setPage(versionPath, versionPageFor(revision() + (newer ? 1 : 0)));
        ModuleState &s = state();
        s.RateUsdBuy = QStringLiteral("1,1111");
        s.RateUsdSell = QStringLiteral("1,2222");
        s.RateEurBuy = QStringLiteral("2,1111");
        s.RateEurSell = QStringLiteral("2,2222");
        messageScript().answers = { AnswerNo };

        runVersionCheck(showUpToDate);

        QCOMPARE(rateServer.requests(ratePath), 1);
        QCOMPARE(s.BackupUser, QStringLiteral("yedekci"));
        QCOMPARE(QStringList({ s.RateUsdBuy, s.RateUsdSell, s.RateEurBuy, s.RateEurSell }),
                 QStringList({ "1,1111", "1,2222", "2,1111", "2,2222" }));
        QCOMPARE(m_status->PaneText(1), QStringLiteral("placeholder"));
        QStringList expected;
        if (newer)
            expected << QStringLiteral("question: Döviz bilgileri alınamadı!\r\n"
                                       "Daha güncel bir sürüm tespit edildi, şimdi yüklemek "
                                       "istiyor musunuz?");
        else if (showUpToDate == 1)
            expected << QStringLiteral("notice: Döviz bilgileri alınamadı!\r\n"
                                       "En güncel sürüm kullanımda...");
        QStringList shown;
        for (const MessageRecord &record : messageScript().shown)
            shown << record.kind + QStringLiteral(": ") + record.text;
        QCOMPARE(shown, expected);
    }

    // Offline the command fetches nothing and says nothing, whatever the hosts would answer.
    void offlineDoesNothing()
    {
        onlineOverride() = false;
        CheckVersionAndRates(1);
        onlineOverride().reset();
        QVERIFY(messageScript().shown.isEmpty());
        QCOMPARE(m_server->requests(versionPath), 0);
        QCOMPARE(m_status->PaneText(1), QStringLiteral("placeholder"));
    }

    void refusedConnectionIsAnEmptyPage()
    {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        const quint16 port = closed.serverPort();
        closed.close();
        QVERIFY(fetchPage(QStringLiteral("http://127.0.0.1:%1/x").arg(port), 3000).isEmpty());
    }
};

// Accepting the offer ends the process, so it runs in a child: this same test program, started
// with KX_UPDATER_CHILD set, runs the check and must end at once after starting the updater.
class TestUpdaterStart : public QObject
{
    Q_OBJECT

private slots:
    void acceptedOfferStartsTheUpdaterAndEnds()
    {
        if (qEnvironmentVariableIsSet("KX_UPDATER_CHILD")) {
            PageServer server;
            server.setPage(versionPath, versionPageFor(programVersion().microVersion() + 1));
            qputenv("KANTARIX_WEB_HOST", server.host().toUtf8());
            qputenv("KANTARIX_RATE_HOST", server.host().toUtf8());
            messageScript().clear();
            messageScript().suppressNotices = true;
            messageScript().answers = { AnswerYes };
            runVersionCheck(0);
            std::fputs("check returned\n", stdout);
            std::fflush(stdout);
            std::_Exit(3);
        }
        QTemporaryDir folder;
        const QString marker = folder.filePath(QStringLiteral("updater-ran"));
        QFile updater(folder.filePath(QStringLiteral("Guncelleme")));
        QVERIFY(updater.open(QIODevice::WriteOnly));
        updater.write("#!/bin/sh\necho started > \"$(dirname \"$0\")/updater-ran\"\n");
        updater.close();
        updater.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KX_UPDATER_CHILD"), QStringLiteral("1"));
        environment.insert(QStringLiteral("KANTARIX_DIR"), folder.path());
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    { QStringLiteral("TestUpdaterStart"), QStringLiteral("-silent") });
        QVERIFY(child.waitForFinished(30000));
        const QByteArray output = child.readAllStandardOutput();
        QCOMPARE(child.exitStatus(), QProcess::NormalExit);
        QVERIFY2(child.exitCode() == 0, output.constData());
        QVERIFY(!output.contains("check returned"));
        QVERIFY(!output.contains("Totals")); // ended inside the check, before the test's end
        QTRY_VERIFY(QFile::exists(marker));
    }
};

KX_TEST(TestVersionCheck)
KX_TEST(TestUpdaterStart)

#include "tst_version_check.moc"
