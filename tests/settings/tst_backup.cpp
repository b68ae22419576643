// Tests of the manual backup archives and of the checked restore, without a window.
#include "core/auto_backup.h"
#include "core/backup_names.h"
#include "core/database.h"
#include "core/messages.h"
#include "core/state.h"
#include "core/version_check.h"
#include "platform/ftp_client.h"
#include "platform/zip.h"
#include "settings/backup.h"
#include "settings/backup_page.h"
#include "tests/settings/backup_support.h"
#include "tests/support/builders.h"
#include "tests/support/fixture.h"
#include "tests/support/kxtest.h"

#include <QLocale>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <zip.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <memory>
#include <optional>

using namespace kx;
using namespace kxtest;

namespace {

struct Entry
{
    QString name;
    QByteArray data;
};

// An archive as another program or an earlier build might write it, each entry packed by
// method at level (0 for the method's default).
bool writeZip(const QString &path, const QList<Entry> &entries, zip_int32_t method = ZIP_CM_DEFAULT,
              zip_uint32_t level = 0)
{
    int code = 0;
    zip_t *archive
        = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive)
        return false;
    for (const Entry &entry : entries) {
        zip_source_t *source = zip_source_buffer(archive, entry.data.constData(),
                                                 zip_uint64_t(entry.data.size()), 0);
        const zip_int64_t index
            = zip_file_add(archive, entry.name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
        zip_set_file_compression(archive, zip_uint64_t(index), method, level);
    }
    return zip_close(archive) == 0;
}

const QString Marker = QStringLiteral("ARSIVDEKI KART");

// What the central directory records of an archive's first entry, read from the bytes: libzip
// has no reader for the general-purpose flags.
struct CentralRecord
{
    quint16 madeBy = 0; // the system in the high byte
    quint16 flags = 0; // bits 1 and 2: the deflate option
    quint16 method = 0;
    quint32 attributes = 0; // external; on Unix the file's mode in the high half
};

std::optional<CentralRecord> firstCentralRecord(const QString &archivePath)
{
    const QByteArray bytes = readFile(archivePath);
    const auto u16 = [&](qsizetype at) { return qFromLittleEndian<quint16>(bytes.data() + at); };
    const auto u32 = [&](qsizetype at) { return qFromLittleEndian<quint32>(bytes.data() + at); };
    const qsizetype end = bytes.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0 || end + 22 > bytes.size())
        return std::nullopt;
    const qsizetype start = u32(end + 16);
    if (start + 46 > end || bytes.mid(start, 4) != QByteArray("PK\x01\x02", 4))
        return std::nullopt;
    return CentralRecord { u16(start + 4), u16(start + 8), u16(start + 10), u32(start + 38) };
}

} // namespace

class TestBackupArchive : public QObject
{
    Q_OBJECT

private slots:
    // Day and month keep their zeros and the pattern is the program's, whatever the locale;
    // every name part becomes something an upload code can hold.
    void archiveNames_data()
    {
        QTest::addColumn<QString>("company");
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<int>("sequence");
        QTest::addColumn<QString>("name");
        const QDateTime december(QDate(2026, 12, 9), QTime(14, 3, 22));
        QTest::newRow("one-digit day and month")
            << "Birinci Firma" << QDateTime(QDate(2026, 3, 5), QTime(9, 4, 7)) << 1
            << "Birinci_Firma_05-03-2026_09-04-07.zip";
        QTest::newRow("points and a blank")
            << "A.B. Ltd" << december << 1 << "AB_Ltd_09-12-2026_14-03-22.zip";
        QTest::newRow("slashes") << "Ali/Veli\\Ticaret" << december << 1
                                 << "Ali_Veli_Ticaret_09-12-2026_14-03-22.zip";
        QTest::newRow("Turkish letters") << "Çağrı Şeker İğneada Öz Ün" << december << 1
                                         << "Çağrı_Şeker_İğneada_Öz_Ün_09-12-2026_14-03-22.zip";
        QTest::newRow("ampersand") << "Çelik & Oğulları A.Ş." << december << 1
                                   << "Çelik___Oğulları_AŞ_09-12-2026_14-03-22.zip";
        QTest::newRow("path climbing")
            << "../../etc" << december << 1 << "__etc_09-12-2026_14-03-22.zip";
        QTest::newRow("decomposed letter")
            << QStringLiteral("Gu\u0308l") << december << 1 << "Gül_09-12-2026_14-03-22.zip";
        QTest::newRow("second in the same second")
            << "A.B. Ltd" << december << 2 << "AB_Ltd_09-12-2026_14-03-22_2.zip";
    }
    void archiveNames()
    {
        QFETCH(QString, company);
        QFETCH(QDateTime, time);
        QFETCH(int, sequence);
        QFETCH(QString, name);
        const QLocale before;
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        const QString made = backupArchiveName(company, time, sequence);
        QLocale::setDefault(before);
        QCOMPARE(made, name);
        // The code the user is given can be typed back for a restore.
        QCOMPARE(cleanUploadCode(uploadCode(made)), name.chopped(4));
        // The archive routine knows it, to clear what a killed backup left of it.
        QVERIFY(isManualBackupName(made));
    }

    void typedCodes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::newRow("blanks around") << "  AB_Ltd_09-12-2026_14-03-22 \t"
                                       << "AB_Ltd_09-12-2026_14-03-22";
        QTest::newRow("Turkish letters") << "Çelik___Oğulları_AŞ"
                                         << "Çelik___Oğulları_AŞ";
        QTest::newRow("climbing") << "../Data"
                                  << "";
        QTest::newRow("folder") << "KXUserFiles/kod"
                                << "";
        QTest::newRow("blank inside") << "AB Ltd"
                                      << "";
        QTest::newRow("extension") << "kod.zip"
                                   << "";
        QTest::newRow("percent") << "%2e%2e"
                                 << "";
        QTest::newRow("a second command") << "kod\r\nDELE x"
                                          << "";
        QTest::newRow("empty") << "   "
                               << "";
    }
    void typedCodes()
    {
        QFETCH(QString, typed);
        QTEST(cleanUploadCode(typed), "code");
    }

    void statusText_data()
    {
        QTest::addColumn<qint64>("done");
        QTest::addColumn<qint64>("total");
        QTest::addColumn<QString>("text");
        const QString base = QStringLiteral("Yedek dosyanız yükleniyor, bekleyiniz...");
        QTest::newRow("a third") << qint64(1) << qint64(3) << base + " (%33,3)";
        QTest::newRow("half") << qint64(512) << qint64(1024) << base + " (%50,0)";
        QTest::newRow("all of a large file")
            << qint64(5000000000) << qint64(5000000000) << base + " (%100,0)";
        QTest::newRow("total unknown") << qint64(200) << qint64(0) << base;
    }
    void statusText()
    {
        QFETCH(qint64, done);
        QFETCH(qint64, total);
        QTEST(transferStatusText(QStringLiteral("Yedek dosyanız yükleniyor, bekleyiniz..."), done,
                                 total),
              "text");
    }

    // The backup server: the web host's name on FTP's port unless KANTARIX_FTP_HOST names one;
    // the code goes into the address percent-encoded.
    void serverAddresses_data()
    {
        QTest::addColumn<QString>("webHost");
        QTest::addColumn<QString>("ftpHost");
        QTest::addColumn<QString>("url");
        const QString file
            = QStringLiteral("/KXUserFiles/%C3%87elik___O%C4%9Fullar%C4%B1_A%C5%9E.zip");
        QTest::newRow("web host name") << "www.example.com"
                                       << ""
                                       << "ftp://www.example.com:21" + file;
        QTest::newRow("web host with an HTTP port") << "127.0.0.1:8080"
                                                    << ""
                                                    << "ftp://127.0.0.1:21" + file;
        QTest::newRow("web host with a scheme") << "https://example.com/"
                                                << ""
                                                << "ftp://example.com:21" + file;
        QTest::newRow("FTP host of its own") << "www.example.com"
                                             << "127.0.0.1:2121"
                                             << "ftp://127.0.0.1:2121" + file;
    }
    void serverAddresses()
    {
        QFETCH(QString, webHost);
        QFETCH(QString, ftpHost);
        qputenv("KANTARIX_WEB_HOST", webHost.toUtf8());
        if (!ftpHost.isEmpty())
            qputenv("KANTARIX_FTP_HOST", ftpHost.toUtf8());
        FtpClient client;
        client.setServer(kx::ftpHost());
        qunsetenv("KANTARIX_WEB_HOST");
        qunsetenv("KANTARIX_FTP_HOST");
        QTEST(client.fileUrl(BackupServerFolder, QStringLiteral("Çelik___Oğulları_AŞ.zip")), "url");
    }

    // The program's connection stays open and in use while the archive is made; the archive
    // is a whole copy and nothing else is left in the folder.
    void backupBesideAnOpenQuery()
    {
        Fixture fixture;
        fixture.login(1);
        addStock(QStringLiteral("1001"), QStringLiteral("ÇİVİ"));
        addStock(QStringLiteral("1002"), QStringLiteral("VİDA"));
        QSqlQuery open(state().Conn->database());
        open.setForwardOnly(true);
        QVERIFY(open.exec(QStringLiteral("select a2 from \"1Stok\" order by id")));
        QVERIFY(open.next());

        const QDateTime time(QDate(2026, 12, 9), QTime(14, 3, 22));
        QString error;
        const QString archive = CreateBackupArchive(fixture.databasePath(), fixture.folder(),
                                                    state().FirmaAdi, time, &error);
        QVERIFY2(!archive.isEmpty(), qPrintable(error));
        QCOMPARE(archive, fixture.folder() + "/Birinci_Firma_09-12-2026_14-03-22.zip");
        QCOMPARE(zipEntryNames(archive), QStringList { "Data.mdb" });

        QVERIFY(open.next());
        QCOMPARE(open.value(0).toString(), QStringLiteral("VİDA"));
        open.finish();
        addStock(QStringLiteral("1003"), QStringLiteral("SONRA"));

        QTemporaryDir outside;
        const QString copy = outside.filePath(QStringLiteral("Data.mdb"));
        QVERIFY(unzipEntry(archive, QStringLiteral("Data.mdb"), copy));
        QCOMPARE(stockNames(copy), (QStringList { "ÇİVİ", "VİDA" }));
        QVERIFY(isSoundProgramDatabase(copy));
        QCOMPARE(filesUnder(fixture.folder()),
                 (QStringList { "Birinci_Firma_09-12-2026_14-03-22.zip", "Data.mdb" }));
    }

    // Deflated at the fastest level: on a large database the higher ones wait minutes for a few
    // percent. The backup page and the backup on exit write through the same routine.
    void archiveIsDeflatedFast()
    {
        Fixture fixture;
        fixture.login(1);
        addStock(QStringLiteral("1001"), QStringLiteral("ÇİVİ"));
        QString error;
        const QString archive
            = CreateBackupArchive(fixture.databasePath(), fixture.folder(), state().FirmaAdi,
                                  QDateTime::currentDateTime(), &error);
        QVERIFY2(!archive.isEmpty(), qPrintable(error));
        const std::optional<CentralRecord> entry = firstCentralRecord(archive);
        QVERIFY(entry);
        QCOMPARE(entry->method, quint16(ZIP_CM_DEFLATE));
        // 0 normal, 1 maximum, 2 fast, 3 super fast.
        QCOMPARE((entry->flags >> 1) & 3, 2);
    }

    // The entry records the live file's mode, so that a Data.mdb unzipped by hand is open to
    // the same users, not only to the owner of the snapshot it was made from.
    void entryKeepsTheDatabaseMode_data()
    {
        QTest::addColumn<int>("mode");
        QTest::newRow("shared with the group") << 0664;
        QTest::newRow("readable by all") << 0644;
    }
    void entryKeepsTheDatabaseMode()
    {
        QFETCH(int, mode);
        Fixture fixture;
        fixture.login(1);
        QCOMPARE(::chmod(QFile::encodeName(fixture.databasePath()).constData(), mode_t(mode)), 0);
        const QString archive
            = CreateBackupArchive(fixture.databasePath(), fixture.folder(), state().FirmaAdi);
        QVERIFY(!archive.isEmpty());
        const std::optional<CentralRecord> entry = firstCentralRecord(archive);
        QVERIFY(entry);
        QCOMPARE(entry->madeBy >> 8, int(ZIP_OPSYS_UNIX));
        QCOMPARE(entry->attributes >> 16, quint32(S_IFREG | mode));
    }

    // A backup killed halfway leaves its temporary files for good; the next backup, from the
    // settings window or on exit, removes those more than an hour old. A younger one may be
    // another computer's backup at work; any other file is left alone.
    void leftoversOfAKilledBackup_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("onExit"); // else the settings window's, into the program folder
        QTest::addColumn<bool>("onTheDrive"); // else beside the database
        QTest::addColumn<int>("minutesOld");
        QTest::addColumn<bool>("removed");
        QTest::addColumn<bool>("link"); // a symbolic link to an old "Data.mdb.eski" beside it

        const QString snapshot = QStringLiteral("Data.mdb.kopya-a1B2c3");
        const QString extracted = QStringLiteral("Data.mdb.yukleme-Q9w8E7");
        const QString download = QStringLiteral("KXIndirme-Zx81Kp.zip");
        const QString unfinished = QStringLiteral("AB_Ltd_09-12-2026_14-03-22.zip.ouy7v6");
        const QString unfinishedOnExit = QStringLiteral("09-12-2026 14-30-15.zip.k3m9x0");

        QTest::newRow("old snapshot") << snapshot << false << false << 120 << true << false;
        QTest::newRow("old snapshot, exit backup")
            << snapshot << true << false << 120 << true << false;
        QTest::newRow("old extracted restore")
            << extracted << false << false << 120 << true << false;
        QTest::newRow("old download") << download << false << false << 120 << true << false;
        QTest::newRow("old unfinished archive")
            << unfinished << false << false << 120 << true << false;
        QTest::newRow("old unfinished second archive of a second")
            << "Çelik_AŞ_09-12-2026_14-03-22_2.zip.0a9z8y" << false << false << 120 << true
            << false;
        QTest::newRow("old unfinished exit archive")
            << unfinishedOnExit << true << true << 120 << true << false;
        QTest::newRow("old unfinished second exit archive")
            << "09-12-2026 14-30-15 (2).zip.k3m9x0" << true << true << 120 << true << false;
        QTest::newRow("old unfinished exit archive in the program folder")
            << unfinishedOnExit << false << false << 120 << true << false;

        QTest::newRow("fresh snapshot") << snapshot << false << false << 50 << false << false;
        QTest::newRow("fresh extracted restore")
            << extracted << false << false << 50 << false << false;
        QTest::newRow("fresh download") << download << false << false << 50 << false << false;
        QTest::newRow("fresh unfinished archive")
            << unfinished << false << false << 50 << false << false;
        QTest::newRow("old snapshot journal")
            << snapshot + "-journal" << false << false << 120 << true << false;
        QTest::newRow("fresh snapshot journal")
            << snapshot + "-journal" << false << false << 50 << false << false;
        QTest::newRow("fresh unfinished exit archive")
            << unfinishedOnExit << true << true << 50 << false << false;
        // SQLite's files beside a snapshot or beside a restore's extracted database (checked
        // in WAL mode).
        for (const QString &temporary : { snapshot, extracted }) {
            for (const char *companion : { "-wal", "-shm" }) {
                const QString name = temporary + QLatin1String(companion);
                QTest::addRow("old %s", qPrintable(name))
                    << name << false << false << 120 << true << false;
                QTest::addRow("fresh %s", qPrintable(name))
                    << name << false << false << 50 << false << false;
            }
        }
        // libzip's working file of an archive's temporary name.
        QTest::newRow("old working file of an unfinished archive")
            << unfinished + ".ef34gh" << false << false << 120 << true << false;
        QTest::newRow("fresh working file of an unfinished archive")
            << unfinished + ".ef34gh" << false << false << 50 << false << false;
        QTest::newRow("old working file of an unfinished exit archive")
            << unfinishedOnExit + ".ef34gh" << true << true << 120 << true << false;

        QTest::newRow("user's own copy")
            << "Data.mdb.eski" << false << false << 120 << false << false;
        QTest::newRow("seven characters")
            << "Data.mdb.kopya-a1B2c3d" << false << false << 120 << false << false;
        QTest::newRow("five characters")
            << "Data.mdb.yukleme-Q9w8E" << false << false << 120 << false << false;
        QTest::newRow("other case")
            << "data.mdb.kopya-a1B2c3" << false << false << 120 << false << false;
        QTest::newRow("download without .zip")
            << "KXIndirme-Zx81Kp" << false << false << 120 << false << false;
        QTest::newRow("safety copy") << "Data_yukleme_oncesi_09-12-2026_14-03-22.mdb" << false
                                     << false << 120 << false << false;
        QTest::newRow("another name") << "notlar.txt" << false << false << 120 << false << false;
        QTest::newRow("finished archive")
            << "AB_Ltd_09-12-2026_14-03-22.zip" << false << false << 120 << false << false;
        QTest::newRow("finished exit archive")
            << "08-12-2026 18-00-00.zip" << true << true << 120 << false << false;
        QTest::newRow("upper-case tail")
            << "AB_Ltd_09-12-2026_14-03-22.zip.OUY7V6" << false << false << 120 << false << false;
        QTest::newRow("another archive's tail")
            << "Fiyatlar.zip.ouy7v6" << false << false << 120 << false << false;
        QTest::newRow("upper-case second tail")
            << unfinished + ".EF34GH" << false << false << 120 << false << false;
        QTest::newRow("seven characters in the second tail")
            << unfinished + ".ef34ghi" << false << false << 120 << false << false;
        QTest::newRow("three tails")
            << unfinished + ".ef34gh.ij56kl" << false << false << 120 << false << false;
        QTest::newRow("another archive's two tails")
            << "Fiyatlar.zip.ab12cd.ef34gh" << false << false << 120 << false << false;
        QTest::newRow("our archive's name and tail after another name")
            << "Eski yedek Birinci_Firma_01-12-2026_10-00-00.zip.abc123" << false << false << 120
            << false << false;
        QTest::newRow("symbolic link named like an old snapshot")
            << snapshot << false << false << 120 << false << true;
        QTest::newRow("snapshot name on the drive")
            << snapshot << true << true << 120 << false << false;
    }
    void leftoversOfAKilledBackup()
    {
        QFETCH(QString, name);
        QFETCH(bool, onExit);
        QFETCH(bool, onTheDrive);
        QFETCH(int, minutesOld);
        QFETCH(bool, removed);
        QFETCH(bool, link);
        Fixture fixture;
        fixture.login(1);
        addStock(QStringLiteral("1001"), QStringLiteral("ÇİVİ"));
        QTemporaryDir drive;
        const QString backupFolder = drive.filePath(QStringLiteral("Yedekler"));
        QVERIFY(QDir().mkpath(backupFolder));

        const QDir folder(onTheDrive ? backupFolder : fixture.folder());
        const QString leftover = folder.filePath(name);
        // A link and its target both dated as the row says.
        const QString written = link ? folder.filePath(QStringLiteral("Data.mdb.eski")) : leftover;
        const QDateTime time = QDateTime::currentDateTime().addSecs(-60 * minutesOld);
        writeFile(written, "yarım");
        QFile file(written);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
        file.close();
        if (link) {
            QVERIFY(QFile::link(written, leftover));
            const timespec times[2]
                = { { time.toSecsSinceEpoch(), 0 }, { time.toSecsSinceEpoch(), 0 } };
            QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(leftover).constData(), times,
                                 AT_SYMLINK_NOFOLLOW),
                     0);
        }
        // The files of the program folder and of the drive, by path.
        const auto everything = [&] {
            QStringList files;
            for (const QString &root : { fixture.folder(), drive.path() })
                for (const QString &file : filesUnder(root))
                    files << QDir(root).filePath(file);
            files.sort();
            return files;
        };
        QStringList expected = everything();

        QString archive;
        if (!onExit) {
            QString error;
            archive = CreateBackupArchive(fixture.databasePath(), fixture.folder(),
                                          state().FirmaAdi, QDateTime::currentDateTime(), &error);
            QVERIFY2(!archive.isEmpty(), qPrintable(error));
        } else {
            const QList<Volume> volumes { { drive.path(), QStringLiteral("KANTARIX") } };
            QCOMPARE(RunAutoBackup(fixture.databasePath(), volumes, QDateTime::currentDateTime(),
                                   &archive),
                     AutoBackupResult::Written);
            QVERIFY(messageScript().shown.isEmpty());
        }
        QCOMPARE(QFileInfo::exists(leftover), !removed);
        QCOMPARE(QFileInfo(leftover).isSymLink(), link);

        // Nothing else went, nothing came but the new archive, which is sound.
        if (removed)
            expected.removeOne(leftover);
        expected << archive;
        expected.sort();
        QCOMPARE(everything(), expected);
        QVERIFY(checkZipArchive(archive));
        QTemporaryDir outside;
        const QString copy = outside.filePath(QStringLiteral("Data.mdb"));
        QVERIFY(unzipEntry(archive, QStringLiteral("Data.mdb"), copy));
        QCOMPARE(stockNames(copy), QStringList { "ÇİVİ" });
    }

    void sameSecondKeepsBoth()
    {
        Fixture fixture;
        fixture.login(1);
        const QDateTime time(QDate(2026, 12, 9), QTime(14, 3, 22));
        const QString first = CreateBackupArchive(fixture.databasePath(), fixture.folder(),
                                                  QStringLiteral("A.B. Ltd"), time);
        const QByteArray firstHash = fileHash(first);
        const QString second = CreateBackupArchive(fixture.databasePath(), fixture.folder(),
                                                   QStringLiteral("A.B. Ltd"), time);
        QCOMPARE(second, fixture.folder() + "/AB_Ltd_09-12-2026_14-03-22_2.zip");
        QCOMPARE(fileHash(first), firstHash);
        QVERIFY(checkZipArchive(second));
    }
};

class TestRestore : public QObject
{
    Q_OBJECT

    std::unique_ptr<Fixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_outside;
    QString m_good; // a sound archive holding the marker card
    QString m_disk; // where the archives under test lie, outside the program folder

    QString live() const { return m_fixture->databasePath(); }

    // The program still works on its data: the connection is open and answers.
    void verifyWorking(const QStringList &names)
    {
        QVERIFY(state().Conn->IsOpen());
        addStock(QStringLiteral("9999"), QStringLiteral("YENİ"));
        QCOMPARE(stockNames(live()), names + QStringList { "YENİ" });
    }

private slots:
    void init()
    {
        m_fixture = std::make_unique<Fixture>();
        m_fixture->login(1);
        m_outside = std::make_unique<QTemporaryDir>();
        m_disk = m_outside->filePath(QStringLiteral("usb/a/b"));
        QDir().mkpath(m_disk);
        addStock(QStringLiteral("1001"), Marker);
        m_good = CreateBackupArchive(live(), m_disk, state().FirmaAdi);
        QVERIFY(!m_good.isEmpty());
        // The data of the moment, which a restore replaces.
        addStock(QStringLiteral("1002"), QStringLiteral("CANLI KART"));
    }
    void cleanup()
    {
        m_fixture.reset();
        m_outside.reset();
    }

    // Each archive is refused before anything is closed or written: the live file stays as it
    // was, the program keeps working, and no file appears anywhere.
    void refused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("truncated") << "truncated";
        QTest::newRow("a byte flipped in the stored data") << "flipped";
        QTest::newRow("not a zip") << "text";
        QTest::newRow("no database entry") << "other entry";
        QTest::newRow("an extra climbing entry") << "climbing";
        QTest::newRow("entry in a folder") << "in a folder";
        QTest::newRow("entry is not SQLite") << "not sqlite";
        QTest::newRow("SQLite without the program's tables") << "foreign sqlite";
    }
    void refused()
    {
        QFETCH(QString, kind);
        const QString archive = m_disk + QStringLiteral("/yedek.zip");
        const QString database = m_outside->filePath(QStringLiteral("snapshot.mdb"));
        QVERIFY(snapshotDatabase(live(), database));
        const QByteArray sound = readFile(database);
        if (kind == QLatin1String("truncated")) {
            const QByteArray whole = readFile(m_good);
            writeFile(archive, whole.left(whole.size() / 2));
        } else if (kind == QLatin1String("flipped")) {
            QVERIFY(writeZip(archive, { { "Data.mdb", sound } }, ZIP_CM_STORE));
            QByteArray bytes = readFile(archive);
            const qsizetype at = bytes.indexOf(Marker.toUtf8());
            QVERIFY(at > 0);
            bytes[at] = 'B';
            writeFile(archive, bytes);
            // The same flip in the database alone passes SQLite's own check: only the
            // archive's checksum can tell.
            QByteArray flipped = sound;
            flipped[flipped.indexOf(Marker.toUtf8())] = 'B';
            const QString flippedFile = m_outside->filePath(QStringLiteral("flipped.mdb"));
            writeFile(flippedFile, flipped);
            QVERIFY(isSoundProgramDatabase(flippedFile));
            QFile::remove(flippedFile);
        } else if (kind == QLatin1String("text")) {
            writeFile(archive, "Bu bir arşiv değil, yalnızca bir not.");
        } else if (kind == QLatin1String("other entry")) {
            QVERIFY(writeZip(archive, { { "notlar.txt", "merhaba" } }));
        } else if (kind == QLatin1String("climbing")) {
            QVERIFY(writeZip(archive, { { "Data.mdb", sound }, { "../../x", "dışarı" } }));
        } else if (kind == QLatin1String("in a folder")) {
            QVERIFY(writeZip(archive, { { "eski/Data.mdb", sound } }));
        } else if (kind == QLatin1String("not sqlite")) {
            QVERIFY(writeZip(archive, { { "Data.mdb", QByteArray(50000, 'k') } }));
        } else {
            const QString foreign = m_outside->filePath(QStringLiteral("foreign.mdb"));
            {
                Connection other(QStringLiteral("tst_foreign"));
                other.Open(foreign);
                other.Execute(QStringLiteral("create table notlar (id integer, metin text)"));
                other.Execute(QStringLiteral("insert into notlar values (1, 'eski')"));
                other.Close();
            }
            QVERIFY(writeZip(archive, { { "Data.mdb", readFile(foreign) } }));
            QFile::remove(foreign);
        }
        QFile::remove(database);

        const QByteArray before = fileHash(live());
        const QStringList programFiles = filesUnder(m_fixture->folder());
        const QStringList outsideFiles = filesUnder(m_outside->path());

        QCOMPARE(RestoreDatabase(archive), RestoreResult::InvalidArchive);

        QCOMPARE(fileHash(live()), before);
        QCOMPARE(filesUnder(m_fixture->folder()), programFiles);
        QCOMPARE(filesUnder(m_outside->path()), outsideFiles);
        QVERIFY(!QFileInfo::exists(m_fixture->folder() + QStringLiteral("/../../x")));
        verifyWorking({ Marker, QStringLiteral("CANLI KART") });
    }

    void goodArchiveSwapsAndKeepsTheLiveFile()
    {
        const QByteArray before = fileHash(live());
        QString safetyCopy;
        QCOMPARE(RestoreDatabase(m_good, &safetyCopy), RestoreResult::Restored);
        QVERIFY(!state().Conn->IsOpen());
        QCOMPARE(stockNames(live()), QStringList { Marker });
        QVERIFY(isSoundProgramDatabase(live()));
        QCOMPARE(QFileInfo(safetyCopy).absolutePath(), m_fixture->folder());
        QCOMPARE(fileHash(safetyCopy), before);
        // The archive and the program folder hold nothing else: no temporary file stays.
        QCOMPARE(filesUnder(m_fixture->folder()),
                 (QStringList { "Data.mdb", QFileInfo(safetyCopy).fileName() }));
        QVERIFY(QFileInfo::exists(m_good));
    }

    // The archives of earlier builds were deflated at the highest level; they restore too.
    void archiveOfTheHighestLevelRestores()
    {
        const QString database = m_outside->filePath(QStringLiteral("snapshot.mdb"));
        QVERIFY(unzipEntry(m_good, QStringLiteral("Data.mdb"), database));
        const QString archive = m_disk + QStringLiteral("/eski_yedek.zip");
        QVERIFY(writeZip(archive, { { "Data.mdb", readFile(database) } }, ZIP_CM_DEFLATE, 9));
        QCOMPARE(RestoreDatabase(archive), RestoreResult::Restored);
        QCOMPARE(stockNames(live()), QStringList { Marker });
    }

    // A hand-made archive of a database in WAL mode: its check makes SQLite's "-wal" and "-shm"
    // beside the extracted file, which go with it.
    void archiveInWalModeLeavesNothingBeside()
    {
        const QString database = m_outside->filePath(QStringLiteral("snapshot.mdb"));
        QVERIFY(unzipEntry(m_good, QStringLiteral("Data.mdb"), database));
        {
            Connection wal(QStringLiteral("tst_wal"));
            wal.Open(database);
            wal.Execute(QStringLiteral("PRAGMA journal_mode=WAL"));
            wal.Close();
        }
        const QString archive = m_disk + QStringLiteral("/elle_yapilmis.zip");
        QVERIFY(writeZip(archive, { { "Data.mdb", readFile(database) } }));
        QString safetyCopy;
        QCOMPARE(RestoreDatabase(archive, &safetyCopy), RestoreResult::Restored);
        QCOMPARE(filesUnder(m_fixture->folder()),
                 (QStringList { "Data.mdb", QFileInfo(safetyCopy).fileName() }));
        QCOMPARE(stockNames(live()), QStringList { Marker });
    }

    // The safety copy is open to the same users as the live file: its mode and, where the
    // process may give it, its group.
    void safetyCopyKeepsTheLiveGroup()
    {
        const std::optional<gid_t> group = otherFileGroup(fileGroup(live()));
        if (!group)
            QSKIP("No group other than the file's own that this process may give it.");
        const QByteArray path = QFile::encodeName(live());
        QCOMPARE(::chown(path.constData(), uid_t(-1), *group), 0);
        QCOMPARE(::chmod(path.constData(), 0640), 0);
        QString safetyCopy;
        QCOMPARE(RestoreDatabase(m_good, &safetyCopy), RestoreResult::Restored);
        QCOMPARE(fileGroup(safetyCopy), *group);
        QCOMPARE(fileMode(safetyCopy), 0640);
    }

    // A replacement that leaves a damaged file and reports failure: the old file is put back
    // and opened again.
    void swapFailingHalfwayPutsTheOldFileBack()
    {
        const QByteArray before = fileHash(live());
        const QStringList programFiles = filesUnder(m_fixture->folder());
        const ReplaceFile halfway = [](const QString &from, const QString &to) {
            QFile target(to);
            if (target.open(QIODevice::ReadWrite)) {
                target.seek(100);
                target.write(QByteArray(4096, '\0'));
            }
            QFile::remove(from);
            return false;
        };
        QString safetyCopy;
        QCOMPARE(RestoreDatabase(m_good, &safetyCopy, halfway), RestoreResult::SwapFailed);
        QCOMPARE(fileHash(live()), before);
        QCOMPARE(filesUnder(m_fixture->folder()), programFiles);
        verifyWorking({ Marker, QStringLiteral("CANLI KART") });
    }

    // Someone else at work on the file refuses the restore after the check; the program's
    // connection comes back and nothing changed.
    void fileInUse_data()
    {
        QTest::addColumn<QString>("user");
        QTest::newRow("a writer in another process") << "BEGIN IMMEDIATE";
        QTest::newRow("a reader in another process") << "BEGIN; SELECT count(*) FROM firmalar";
        QTest::newRow("a journal beside the file") << "";
    }
    void fileInUse()
    {
        QFETCH(QString, user);
        QProcess other;
        if (user.isEmpty()) {
            writeFile(live() + QStringLiteral("-journal"), QByteArray());
        } else {
            const QString script
                = QStringLiteral("import sqlite3, sys\n"
                                 "c = sqlite3.connect(sys.argv[1], isolation_level=None)\n"
                                 "for s in sys.argv[2].split(';'):\n"
                                 "    c.execute(s).fetchall()\n"
                                 "print('ready', flush=True)\n"
                                 "sys.stdin.read()\n");
            other.start(QStringLiteral("/usr/bin/python3"),
                        { QStringLiteral("-c"), script, live(), user });
            QVERIFY(other.waitForReadyRead(15000));
            QCOMPARE(other.readLine().trimmed(), QByteArray("ready"));
        }
        const QByteArray before = fileHash(live());

        QCOMPARE(RestoreDatabase(m_good), RestoreResult::DatabaseInUse);

        if (!user.isEmpty()) {
            other.closeWriteChannel();
            QVERIFY(other.waitForFinished(15000));
        } else {
            QFile::remove(live() + QStringLiteral("-journal"));
        }
        QCOMPARE(fileHash(live()), before);
        QCOMPARE(filesUnder(m_fixture->folder()), QStringList { "Data.mdb" });
        verifyWorking({ Marker, QStringLiteral("CANLI KART") });
    }
};

KX_TEST(TestBackupArchive)
KX_TEST(TestRestore)
#include "tst_backup.moc"
