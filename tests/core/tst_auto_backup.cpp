// The backup on exit: finding the drive, the snapshot in the archive, and keeping the newest fifty.
#include "core/auto_backup.h"
#include "core/messages.h"
#include "platform/adodb.h"
#include "platform/popup.h"
#include "platform/zip.h"
#include "tests/support/child_process.h"
#include "tests/support/files.h"
#include "tests/support/kxtest.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using kxtest::fileHash;
using kxtest::writeFile;

namespace {

const QDateTime ExitTime(QDate(2026, 12, 9), QTime(14, 30, 15));

// Every table's definition and rows as text, to compare two database files.
QStringList databaseDump(const QString &path)
{
    QStringList dump;
    const QString name = QStringLiteral("tst_dump");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery tables(
                QStringLiteral("select name, sql from sqlite_master where type='table' "
                               "order by name"),
                db);
            while (tables.next()) {
                dump << tables.value(1).toString();
                QSqlQuery rows(QStringLiteral("select * from \"%1\" order by rowid")
                                   .arg(tables.value(0).toString()),
                               db);
                while (rows.next()) {
                    QStringList values;
                    for (int i = 0; i < rows.record().count(); ++i)
                        values << rows.value(i).toString();
                    dump << values.join(QLatin1Char('|'));
                }
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return dump;
}

QStringList zipFiles(const QString &folder)
{
    return QDir(folder).entryList({ QStringLiteral("*.zip") }, QDir::Files, QDir::Name);
}

} // namespace

class TestAutoBackup : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_database;
    QString m_drive;
    QString m_folder;

    QList<kx::Volume> volumes() const
    {
        return { { QStringLiteral("/"), QString() },
                 { m_dir.filePath(QStringLiteral("usb")), QStringLiteral("KANTARIX") } };
    }

    int popups() const
    {
        int count = 0;
        for (const kx::MessageRecord &record : kx::messageScript().shown)
            count += record.kind == QLatin1String("popup") ? 1 : 0;
        return count;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_database = m_dir.filePath(QStringLiteral("Data.mdb"));
        m_drive = m_dir.filePath(QStringLiteral("usb"));
        m_folder = m_drive + QStringLiteral("/Yedekler");
        QDir().mkpath(m_drive);
        kx::messageScript().clear();

        kx::Connection conn(QStringLiteral("tst_backup_live"));
        conn.Open(m_database);
        conn.Execute(QStringLiteral(
            "create table \"1Stok\" (id integer primary key autoincrement, a1 text, a2 text, "
            "silindi integer default 0)"));
        conn.Execute(QStringLiteral("create table firmalar (id integer primary key, adi text)"));
        const QStringList names = { QStringLiteral("ÇİĞ ŞEKER"), QStringLiteral("O'NEIL VİDA"),
                                    QStringLiteral("VIDA M8") };
        for (int i = 0; i < names.size(); ++i)
            conn.Execute(QStringLiteral("insert into \"1Stok\" (a1, a2) values (?, ?)"),
                         { QString::number(1000 + i), names.at(i) });
        conn.Execute(QStringLiteral("insert into firmalar (id, adi) values (2, ?)"),
                     { QStringLiteral("Kantar Ltd.") });
        conn.Close();
    }

    void writesSnapshot()
    {
        const QByteArray before = fileHash(m_database);
        QString archive;
        QCOMPARE(kx::RunAutoBackup(m_database, volumes(), ExitTime, &archive),
                 kx::AutoBackupResult::Written);
        QCOMPARE(archive, m_folder + QStringLiteral("/09-12-2026 14-30-15.zip"));
        QCOMPARE(zipFiles(m_folder), QStringList { QStringLiteral("09-12-2026 14-30-15.zip") });
        QVERIFY(kx::checkZipArchive(archive));
        QCOMPARE(kx::zipEntryNames(archive), QStringList { QStringLiteral("Data.mdb") });

        const QString restored = m_dir.filePath(QStringLiteral("restored.mdb"));
        QVERIFY(kx::unzipEntry(archive, QStringLiteral("Data.mdb"), restored));
        const QStringList live = databaseDump(m_database);
        QVERIFY(live.contains(QStringLiteral("2|1001|O'NEIL VİDA|0")));
        QCOMPARE(databaseDump(restored), live);

        QCOMPARE(fileHash(m_database), before);
        QCOMPARE(popups(), 0);
    }

    // Work another computer has not committed yet stays out of the copy.
    void snapshotIsCommittedState()
    {
        const QStringList committed = databaseDump(m_database);
        kx::Connection other(QStringLiteral("tst_backup_other"));
        other.Open(m_database);
        other.BeginTrans();
        other.Execute(QStringLiteral("insert into \"1Stok\" (a1, a2) values ('2000', 'YARIM')"));
        QString archive;
        QCOMPARE(kx::RunAutoBackup(m_database, volumes(), ExitTime, &archive),
                 kx::AutoBackupResult::Written);
        other.RollbackTrans();
        other.Close();
        const QString restored = m_dir.filePath(QStringLiteral("restored.mdb"));
        QVERIFY(kx::unzipEntry(archive, QStringLiteral("Data.mdb"), restored));
        QCOMPARE(databaseDump(restored), committed);
    }

    // Our archives are kept by the time in their names, oldest deleted first; the name order
    // starts with the day and would delete newer ones.
    void keepsNewest_data()
    {
        QTest::addColumn<int>("existing");
        QTest::addColumn<int>("deleted");
        QTest::newRow("empty folder") << 0 << 0;
        QTest::newRow("49 make 50") << 49 << 0;
        QTest::newRow("50 lose one") << 50 << 1;
        QTest::newRow("60 lose eleven") << 60 << 11;
    }
    void keepsNewest()
    {
        QFETCH(int, existing);
        QFETCH(int, deleted);
        QDir().mkpath(m_folder);
        // Days and months that sort against time: 28-01-2026 comes after 01-12-2026 by name.
        QList<QDateTime> times;
        for (int i = 0; i < existing; ++i)
            times << QDateTime(QDate(2025, 1, 20).addDays(i * 11), QTime(i % 24, 7, 9));
        QStringList byName;
        for (const QDateTime &time : times) {
            writeFile(m_folder + '/' + kx::autoBackupName(time), "eski");
            byName << kx::autoBackupName(time);
        }
        byName.sort();
        // The case only shows the fault when the name order would pick other files.
        if (deleted > 0)
            QVERIFY(byName.first() != kx::autoBackupName(times.first()));
        const QStringList foreign
            = { QStringLiteral("01-01-2020 00-00-00.ZIP"),
                QStringLiteral("31-02-2020 10-00-00.zip"), QStringLiteral("notlar.zip"),
                QStringLiteral("1-1-2020 00-00-00.zip"),
                QStringLiteral("01-01-2020 00-00-00.zip.txt") };
        for (const QString &name : foreign)
            writeFile(m_folder + '/' + name, "başka");

        QCOMPARE(kx::RunAutoBackup(m_database, volumes(), ExitTime), kx::AutoBackupResult::Written);

        QStringList expected;
        for (int i = deleted; i < existing; ++i)
            expected << kx::autoBackupName(times.at(i));
        expected << kx::autoBackupName(ExitTime) << foreign;
        expected.sort();
        QStringList present = QDir(m_folder).entryList(QDir::Files, QDir::Name);
        present.sort();
        QCOMPARE(present, expected);
        QCOMPARE(popups(), 0);
    }

    // A clock set back must not make the new archive the one that goes.
    void keepsNewArchiveWithOlderTime()
    {
        QDir().mkpath(m_folder);
        for (int i = 0; i < kx::AutoBackupKeep; ++i)
            writeFile(m_folder + '/' + kx::autoBackupName(ExitTime.addDays(i + 1)), "ileri");
        QString archive;
        QCOMPARE(kx::RunAutoBackup(m_database, volumes(), ExitTime, &archive),
                 kx::AutoBackupResult::Written);
        QVERIFY(QFile::exists(archive));
        QVERIFY(!QFile::exists(m_folder + '/' + kx::autoBackupName(ExitTime.addDays(1))));
        QCOMPARE(zipFiles(m_folder).size(), kx::AutoBackupKeep);
    }

    void sameSecondKeepsBoth()
    {
        QDir().mkpath(m_folder);
        const QString first = m_folder + '/' + kx::autoBackupName(ExitTime);
        writeFile(first, "ilk çıkış");
        QString archive;
        QCOMPARE(kx::RunAutoBackup(m_database, volumes(), ExitTime, &archive),
                 kx::AutoBackupResult::Written);
        QCOMPARE(archive, m_folder + QStringLiteral("/09-12-2026 14-30-15 (2).zip"));
        QCOMPARE(fileHash(first),
                 QCryptographicHash::hash("ilk çıkış", QCryptographicHash::Sha256));
        QVERIFY(kx::checkZipArchive(archive));
        QCOMPARE(kx::RunAutoBackup(m_database, volumes(), ExitTime, &archive),
                 kx::AutoBackupResult::Written);
        QCOMPARE(archive, m_folder + QStringLiteral("/09-12-2026 14-30-15 (3).zip"));
    }

    void noDrive_data()
    {
        QTest::addColumn<QString>("label");
        QTest::newRow("no labelled volume") << QStringLiteral("USB");
        QTest::newRow("lower case") << QStringLiteral("kantarix");
        QTest::newRow("longer label") << QStringLiteral("KANTARIX2");
        QTest::newRow("blanks around") << QStringLiteral(" KANTARIX");
    }
    void noDrive()
    {
        QFETCH(QString, label);
        const QList<kx::Volume> volumes = { { m_drive, label } };
        QCOMPARE(kx::RunAutoBackup(m_database, volumes, ExitTime), kx::AutoBackupResult::NoDrive);
        QVERIFY(!QFile::exists(m_folder));
        QCOMPARE(QDir(m_drive).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QCOMPARE(kx::messageScript().shown.size(), 0);
    }

    // Every failure ends with one error notice, no archive, and the database as it was.
    void failure_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::newRow("database missing") << QStringLiteral("missing");
        QTest::newRow("not a database") << QStringLiteral("garbage");
        QTest::newRow("folder cannot be made") << QStringLiteral("folder");
    }
    void failure()
    {
        QFETCH(QString, fault);
        if (fault == QLatin1String("missing"))
            QFile::remove(m_database);
        else if (fault == QLatin1String("garbage"))
            writeFile(m_database, "Bu bir veritabanı değil, eski bir metin dosyası.");
        else
            writeFile(m_folder, "Yedekler bir dosya");
        const QByteArray before = fileHash(m_database);

        QCOMPARE(kx::RunAutoBackup(m_database, volumes(), ExitTime), kx::AutoBackupResult::Failed);
        QCOMPARE(kx::messageScript().shown.size(), 1);
        QCOMPARE(kx::messageScript().shown.first().kind, QStringLiteral("popup"));
        QCOMPARE(kx::messageScript().shown.first().icon, int(kx::IconError));
        if (QFileInfo(m_folder).isDir())
            QCOMPARE(zipFiles(m_folder), QStringList());
        QCOMPARE(fileHash(m_database), before);
        QCOMPARE(QFile::exists(m_database), fault != QLatin1String("missing"));
    }

    // The failure notice at exit must outlast its own short display time: it stays until it
    // is clicked, and the wait ends with that click.
    void exitNoticeWaitsForItsClick()
    {
        kx::messageScript().suppressNotices = false;
        kx::Pop1()->setDisplayTime(50);
        QCOMPARE(kx::RunAutoBackup(m_dir.filePath(QStringLiteral("none.mdb")), volumes(), ExitTime),
                 kx::AutoBackupResult::Failed);
        QVERIFY(kx::Pop1()->isVisible());
        bool visibleAtClick = false;
        bool clicked = false;
        QTimer::singleShot(400, [&] {
            visibleAtClick = kx::Pop1()->isVisible();
            QTest::mouseClick(kx::Pop1(), Qt::LeftButton);
            clicked = true;
        });
        kx::keepNoticeUntilSeen(30000);
        QVERIFY(clicked);
        QVERIFY(visibleAtClick);
        QVERIFY(!kx::Pop1()->isVisible());

        // Nothing on screen: nothing to wait for.
        bool waited = false;
        QTimer::singleShot(0, [&] { waited = true; });
        kx::keepNoticeUntilSeen(30000);
        QVERIFY(!waited);
        kx::messageScript().suppressNotices = true;
    }

    void archiveNames_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QDateTime>("time");
        QTest::addColumn<int>("sequence");
        QTest::newRow("ours") << QStringLiteral("09-12-2026 14-30-15.zip") << ExitTime << 1;
        QTest::newRow("ours, second in that second")
            << QStringLiteral("09-12-2026 14-30-15 (2).zip") << ExitTime << 2;
        QTest::newRow("no such day")
            << QStringLiteral("30-02-2026 14-30-15.zip") << QDateTime() << 0;
        QTest::newRow("short day") << QStringLiteral("9-12-2026 14-30-15.zip") << QDateTime() << 0;
        QTest::newRow("dotted") << QStringLiteral("09.12.2026 14:30:15.zip") << QDateTime() << 0;
        QTest::newRow("prefixed") << QStringLiteral("yedek 09-12-2026 14-30-15.zip") << QDateTime()
                                  << 0;
        QTest::newRow("sequence zero")
            << QStringLiteral("09-12-2026 14-30-15 (0).zip") << QDateTime() << 0;
    }
    void archiveNames()
    {
        QFETCH(QString, fileName);
        QFETCH(QDateTime, time);
        QFETCH(int, sequence);
        int parsed = 0;
        QCOMPARE(kx::autoBackupTime(fileName, &parsed), time);
        if (time.isValid()) {
            QCOMPARE(parsed, sequence);
            QCOMPARE(kx::autoBackupName(time, sequence), fileName);
        }
    }
};

class TestBackupDrive : public QObject
{
    Q_OBJECT
private slots:
    void find_data()
    {
        QTest::addColumn<QList<kx::Volume>>("volumes");
        QTest::addColumn<QString>("found");
        using V = kx::Volume;
        QTest::newRow("none") << QList<V> {} << QString();
        QTest::newRow("first of two in order")
            << QList<V> { { "C:/", "SYSTEM" }, { "E:/", "KANTARIX" }, { "F:/", "KANTARIX" } }
            << QStringLiteral("E:/");
        QTest::newRow("label case counts")
            << QList<V> { { "D:/", "Kantarix" }, { "E:/", "kantarix" } } << QString();
        QTest::newRow("unlabelled, mounted at the name")
            << QList<V> { { "/media/ali/USB", "" }, { "/media/ali/KANTARIX", "" } }
            << QStringLiteral("/media/ali/KANTARIX");
        QTest::newRow("folder name needs the exact word")
            << QList<V> { { "/mnt/kantarix", "" }, { "/mnt/KANTARIX-2", "" } } << QString();
        QTest::newRow("a label other than ours wins over the folder name")
            << QList<V> { { "/mnt/KANTARIX", "DATA" } } << QString();
    }
    void find()
    {
        QFETCH(QList<kx::Volume>, volumes);
        QFETCH(QString, found);
        QCOMPARE(kx::findLabeledVolume(volumes, QStringLiteral("KANTARIX")), found);
    }
};

// The clean-up of what killed backups left judges each file by the time of its folder's file
// system, in a child whose clock runs two hours ahead of it, as on a computer of a share that
// shows its local time under the wrong time zone.
class TestLeftoverClock : public QObject
{
    Q_OBJECT

    static constexpr int Ahead = 2 * 3600;

    // Every file under root, relative to it, sorted.
    static QStringList filesUnder(const QString &root)
    {
        QStringList files;
        QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(root).relativeFilePath(it.next());
        files.sort();
        return files;
    }

    // The child's part: the clean-up of the folders its parent gave, and its own clock.
    static void cleanUpInChild()
    {
        kx::removeBackupLeftovers(qEnvironmentVariable("KX_DATABASE_FOLDER"),
                                  qEnvironmentVariable("KX_ARCHIVE"));
        std::printf("clock: %lld\n", qlonglong(QDateTime::currentDateTime().toSecsSinceEpoch()));
        kxtest::endChild();
    }

private slots:
    void judgedByTheFolderClock_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("where"); // "database", "drive" or "both" (one folder)
        QTest::addColumn<int>("minutes"); // from the folder's time: earlier below zero
        QTest::addColumn<bool>("removed");

        const QString snapshot = QStringLiteral("Data.mdb.kopya-a1B2c3");
        const QString onExit = QStringLiteral("09-12-2026 14-30-15.zip.k3m9x0");
        const QString manual = QStringLiteral("Birinci_Firma_09-12-2026_14-03-22.zip.ouy7v6");
        QTest::newRow("snapshot written a moment ago") << snapshot << "database" << 0 << false;
        QTest::newRow("snapshot three hours older") << snapshot << "database" << -180 << true;
        QTest::newRow("snapshot dated three hours ahead") << snapshot << "database" << 180 << true;
        QTest::newRow("snapshot dated fifty minutes ahead")
            << snapshot << "database" << 50 << false;
        QTest::newRow("unfinished archive written a moment ago") << onExit << "drive" << 0 << false;
        QTest::newRow("unfinished archive three hours older") << onExit << "drive" << -180 << true;
        QTest::newRow("unfinished archive dated three hours ahead")
            << onExit << "drive" << 180 << true;
        QTest::newRow("unfinished archive beside the database, a moment ago")
            << manual << "both" << 0 << false;
        QTest::newRow("unfinished archive beside the database, three hours older")
            << manual << "both" << -180 << true;
        QTest::newRow("the live database's journal, three hours older")
            << QStringLiteral("Data.mdb-journal") << "database" << -180 << false;
    }
    void judgedByTheFolderClock()
    {
        if (kxtest::inChild())
            cleanUpInChild();
        QFETCH(QString, name);
        QFETCH(QString, where);
        QFETCH(int, minutes);
        QFETCH(bool, removed);
        QTemporaryDir dir;
        const QString program = dir.filePath(QStringLiteral("program"));
        const QString drive = dir.filePath(QStringLiteral("usb/Yedekler"));
        QVERIFY(QDir().mkpath(program) && QDir().mkpath(drive));
        writeFile(program + QStringLiteral("/Data.mdb"), "canlı");
        const QString leftover = (where == QLatin1String("drive") ? drive : program) + u'/' + name;
        writeFile(leftover, "yarım");
        QFile file(leftover);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60 * minutes),
                                 QFileDevice::FileModificationTime));
        file.close();
        QStringList expected = filesUnder(dir.path());

        QProcessEnvironment environment;
        environment.insert(QStringLiteral("KX_CLOCK_AHEAD"), QString::number(Ahead));
        environment.insert(QStringLiteral("KX_DATABASE_FOLDER"), program);
        environment.insert(QStringLiteral("KX_ARCHIVE"),
                           where == QLatin1String("both")
                               ? program + QStringLiteral("/Birinci_Firma_09-12-2026_15-00-00.zip")
                               : drive + QStringLiteral("/09-12-2026 15-00-00.zip"));
        const kxtest::ChildResult child = kxtest::runInChild(
            QStringLiteral("TestLeftoverClock"), QStringLiteral("judgedByTheFolderClock"),
            environment, QStringLiteral(KX_CLOCK_AHEAD_SHIM));
        QVERIFY2(child.ended, child.output.constData());
        // The child's clock was indeed ahead of the one that dates the files.
        const qsizetype at = child.output.indexOf("clock: ");
        QVERIFY2(at >= 0, child.output.constData());
        const qint64 clock = child.output.mid(at + 7).split('\n').first().toLongLong();
        QVERIFY(qAbs(clock - QDateTime::currentSecsSinceEpoch() - Ahead) < 120);

        QCOMPARE(QFileInfo::exists(leftover), !removed);
        // Nothing else went, and the files the clean-up made to read the time went again.
        if (removed)
            expected.removeOne(QDir(dir.path()).relativeFilePath(leftover));
        QCOMPARE(filesUnder(dir.path()), expected);
    }
};

KX_TEST(TestAutoBackup)
KX_TEST(TestBackupDrive)
KX_TEST(TestLeftoverClock)
#include "tst_auto_backup.moc"
