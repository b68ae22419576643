// The version page and exchange-rate check: parsing, fetching, the online test and the offer.
#pragma once

#include <QString>
#include <QVersionNumber>

#include <optional>

namespace kx {

// The running program's version; its third part is the revision compared with the page.
QVersionNumber programVersion();

// What the version page holds between its marks.
struct VersionPage
{
    QString user;
    QString password;
    QString versionText;
};

// Cuts the backup server's user and password out of the page by their first marks, as the
// version check does; nothing when an end mark is missing or stands before its start.
std::optional<VersionPage> parseBackupCredentials(const QString &page);
// Cuts user, password and version text out of the page by their first marks; nothing when an
// end mark is missing or stands before its start.
std::optional<VersionPage> parseVersionPage(const QString &page);

// The leading decimal number of a text after leading blanks, as its digits without leading
// zeros ("240 xyz" "240"), "0" when none. Kept as text: a number of any length compares right.
QString leadingNumber(const QString &text);
// True when the revision is at least the leading number of the version text.
bool isUpToDate(qulonglong revision, const QString &versionText);

struct Rates
{
    QString usdBuy;
    QString usdSell;
    QString eurBuy;
    QString eurSell;
};

// Reads the buying and selling rates of "US DOLLAR" and "EURO" from the bank's file, whole,
// with "." turned into ","; a missing value stays empty.
Rates parseRates(const QString &xml);
// The rate pane's text: "($) : 1,1 / 1,2      (€) : 2,1 / 2,2".
QString rateText(const Rates &rates);

// The address of path on a host given as "host[:port]" (http) or with its scheme.
QString hostUrl(const QString &host, const QString &path);
// KANTARIX_WEB_HOST / KANTARIX_RATE_HOST, or the built-in hosts.
QString webHost();
QString rateHost();
// The help page on the product's web site.
QString helpAddress();

// The backup server: KANTARIX_FTP_HOST ("host[:port]") when set, else the host name of the web
// host (FTP's own port).
QString ftpHost();

// Fetches a page over HTTP; any failure (refused, error status, time-out) gives an empty text.
QString fetchPage(const QString &url, int timeoutMs = 10000);

// True when a network interface other than the loopback is up and running, unless
// onlineOverride() holds an answer (tests set it).
bool IsOnline();
std::optional<bool> &onlineOverride();

// The updater beside the program: "Guncelleme" in the program folder.
QString updaterPath();

// The whole check: nothing when offline, else runVersionCheck.
void CheckVersionAndRates(int showUpToDate);
// The check without the online test: fetches both files, fills the backup credentials and the
// rates, shows the rates, and reports (showUpToDate 1) or offers a newer version. Accepting the
// offer starts the updater and ends the process; a missing updater is reported instead. A
// version page that gives no text or no marks changes nothing (reported when showUpToDate is
// 1); a rate file without all four rates keeps the rates held and is named in the report or
// offer.
void runVersionCheck(int showUpToDate);

} // namespace kx
