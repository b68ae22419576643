// A backup or restore counts as done only once what it placed is on the disk, and nothing it
// places replaces another file: the calls that decide it, logged in their order in a child
// process, some of them failed or disturbed on purpose.
#include "core/auto_backup.h"
#include "core/backup_names.h"
#include "platform/zip.h"
#include "settings/backup.h"
#include "tests/settings/backup_operations.h"
#include "tests/settings/backup_support.h"
#include "tests/support/kxtest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace kx;
using namespace kxtest;

namespace {

// What the shim makes appear under a name just before a file is placed there.
const QByteArray Appeared = QByteArray("önceden duran dosya");

// One logged call: "write", "chmod", "chown", "fsync", "fdatasync", "rename", "renameat2",
// "link", "unlink", or the child's "end" after the operation; its path, for a rename or link the
// new name, and the file it is about as "device:inode" (for a rename or link, the one named).
struct Call
{
    QString name;
    QString path;
    QString target;
    QByteArray file;

    bool isSync() const
    {
        return name == QLatin1String("fsync") || name == QLatin1String("fdatasync");
    }
    bool changes() const
    {
        return name == QLatin1String("write") || name == QLatin1String("chmod")
            || name == QLatin1String("chown");
    }
    bool givesName() const
    {
        return name == QLatin1String("rename") || name == QLatin1String("renameat2")
            || name == QLatin1String("link");
    }
};

// A path as the kernel names it: the folder's real path and the file's name.
QString realPath(const QString &path)
{
    const QFileInfo file(path);
    if (file.isDir())
        return file.canonicalFilePath();
    const QString folder = QFileInfo(file.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? QDir::cleanPath(path) : folder + u'/' + file.fileName();
}

QList<Call> readLog(const QString &path)
{
    QList<Call> calls;
    const QList<QByteArray> lines = readFile(path).split('\n');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = line.split('\t');
        if (line.isEmpty())
            continue;
        Call call { QString::fromUtf8(fields.at(0)) };
        if (fields.size() > 1)
            call.path = realPath(QFile::decodeName(fields.at(1)));
        if (fields.size() > 2 && !fields.at(2).isEmpty())
            call.target = realPath(QFile::decodeName(fields.at(2)));
        if (fields.size() > 3)
            call.file = fields.at(3);
        calls << call;
    }
    return calls;
}

qsizetype endOf(const QList<Call> &calls)
{
    for (qsizetype i = 0; i < calls.size(); ++i) {
        if (calls.at(i).name == QLatin1String("end"))
            return i;
    }
    return calls.size();
}

// The first sync in calls after from and before to of the file, or of the folder at path; -1
// when there is none.
qsizetype syncOf(const QList<Call> &calls, const QByteArray &file, qsizetype from, qsizetype to)
{
    for (qsizetype i = from + 1; i < to; ++i) {
        if (calls.at(i).isSync() && calls.at(i).file == file)
            return i;
    }
    return -1;
}
qsizetype folderSyncOf(const QList<Call> &calls, const QString &path, qsizetype from, qsizetype to)
{
    for (qsizetype i = from + 1; i < to; ++i) {
        if (calls.at(i).isSync() && calls.at(i).path == path)
            return i;
    }
    return -1;
}

// The names given in folders to files that stay (a rename or link onto a name that exists at
// the end), as file names in order; other programs' files (a font cache) are none of these.
// Each must come after a sync of its file after that file's last write (or its mode or owner)
// and the last name given to it, and be followed by a sync of its folder before the end; the
// first one that is not is told in *fault.
QStringList placedNames(const QList<Call> &calls, const QStringList &folders, QString *fault)
{
    const qsizetype end = endOf(calls);
    QStringList placed;
    for (qsizetype i = 0; i < end; ++i) {
        const Call &placing = calls.at(i);
        if (!placing.givesName() || !QFileInfo::exists(placing.target)
            || !folders.contains(QFileInfo(placing.target).absolutePath()))
            continue;
        // Its last write or change of mode or owner, or the last name it was given before this
        // one (libzip's).
        qsizetype changed = -1;
        for (qsizetype j = 0; j < i; ++j) {
            const Call &call = calls.at(j);
            if (call.file == placing.file
                && (call.changes() || (call.givesName() && call.target != placing.target)))
                changed = j;
        }
        const QString what
            = placing.name + u' ' + placing.path + QStringLiteral(" -> ") + placing.target;
        if (fault->isEmpty() && syncOf(calls, placing.file, changed, i) < 0)
            *fault = QStringLiteral("not synced before: ") + what;
        if (fault->isEmpty()
            && folderSyncOf(calls, QFileInfo(placing.target).absolutePath(), i, end) < 0)
            *fault = QStringLiteral("folder not synced after: ") + what;
        placed << QFileInfo(placing.target).fileName();
    }
    return placed;
}

// True when there are as many names as patterns, each matching its own.
bool matchOneByOne(const QStringList &names, const QStringList &patterns)
{
    if (names.size() != patterns.size())
        return false;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QRegularExpression pattern(QRegularExpression::anchoredPattern(patterns.at(i)));
        if (!pattern.match(names.at(i)).hasMatch())
            return false;
    }
    return true;
}

// Fifty archives of the backup on exit, of days gone, in folder; their names.
QStringList fillWithArchives(const QString &folder)
{
    QStringList names;
    for (int i = 0; i < AutoBackupKeep; ++i) {
        const QString name
            = autoBackupName(QDateTime(QDate(2025, 1, 1).addDays(i), QTime(18, 0, 0)));
        writeFile(folder + u'/' + name, "eski yedek " + QByteArray::number(i));
        names << name;
    }
    names.sort();
    return names;
}

// The files in folder, but for the live database's journal.
QStringList filesIn(const QString &folder)
{
    QStringList files = filesUnder(folder);
    files.removeAll(QStringLiteral("Data.mdb-journal"));
    return files;
}

} // namespace

class TestBackupOnDisk : public QObject
{
    Q_OBJECT

    // The child's part: the operation, then the end of it marked in the log.
    static void operateInChild()
    {
        runBackupOperation();
        QFile log(qEnvironmentVariable("KX_FILE_LOG"));
        if (log.open(QIODevice::Append))
            log.write("end\n");
        log.close();
        endChild();
    }

    // Runs the prepared operation in a child of function with the file-order shim and its
    // requests ("KX_...=value"); the calls it logged.
    static QList<Call> runLogged(const BackupOperation &scene, const char *function,
                                 const QStringList &requests, ChildResult *child)
    {
        QProcessEnvironment environment = scene.environment();
        const QString log = QFileInfo(scene.drive).absolutePath() + QStringLiteral("/calls.log");
        environment.insert(QStringLiteral("KX_FILE_LOG"), log);
        for (const QString &request : requests)
            environment.insert(request.section(u'=', 0, 0), request.section(u'=', 1));
        *child = runInChild(QStringLiteral("TestBackupOnDisk"), QString::fromLatin1(function),
                            environment, QStringLiteral(KX_FILE_ORDER_SHIM));
        return readLog(log);
    }

private slots:
    void placedOnlyOnceOnTheDisk_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("done");
        // The file names given that stay, in their order.
        QTest::addColumn<QStringList>("placed");

        const QString safetyCopy = QStringLiteral("Data_yukleme_oncesi_[-_0-9]+\\.mdb");
        const QString archive = QStringLiteral("Birinci_Firma_[-_0-9]+\\.zip");
        const QString restored
            = QStringLiteral("Yedek dosyanız yüklendi... Kantarix'yi tekrar başlatınız...");
        QTest::newRow("restore from a file")
            << "restore from a file" << restored << QStringList { safetyCopy, "Data\\.mdb" };
        QTest::newRow("restore by code")
            << "restore by code" << restored << QStringList { archive, safetyCopy, "Data\\.mdb" };
        QTest::newRow("backup on the page")
            << "backup on the page"
            << "Yedek dosyanız oluşturuldu..." << QStringList { archive };
        // With fifty archives there: the oldest goes only once the new one is on the disk.
        QTest::newRow("backup on exit") << "backup on exit"
                                        << "written" << QStringList { "[-0-9]+ [-0-9]+\\.zip" };
    }
    void placedOnlyOnceOnTheDisk()
    {
        if (inChild())
            operateInChild();
        QFETCH(QString, operation);
        QFETCH(QString, done);
        QFETCH(QStringList, placed);
        BackupScene prepared;
        if (!prepared.prepare(operation))
            return;
        BackupOperation &scene = prepared.operation;
        const bool onExit = operation == QLatin1String("backup on exit");
        if (onExit)
            fillWithArchives(scene.backupFolder);

        ChildResult child;
        const QList<Call> calls = runLogged(scene, "placedOnlyOnceOnTheDisk", {}, &child);
        QVERIFY2(child.ended, child.output.constData());
        QVERIFY2(child.output.contains("done: " + done.toUtf8()), child.output.constData());
        QVERIFY(endOf(calls) < calls.size());

        QString fault;
        const QStringList names = placedNames(
            calls, { realPath(scene.program), realPath(scene.drive), realPath(scene.backupFolder) },
            &fault);
        QVERIFY2(fault.isEmpty(), qPrintable(fault));
        QVERIFY2(matchOneByOne(names, placed), qPrintable(names.join(u'|')));

        if (onExit) {
            // The folder's sync after the new archive, then the removal of the oldest.
            const QString folder = realPath(scene.backupFolder);
            qsizetype placing = 0;
            while (!calls.at(placing).givesName()
                   || calls.at(placing).target != folder + u'/' + names.constFirst())
                ++placing;
            const qsizetype synced = folderSyncOf(calls, folder, placing, calls.size());
            qsizetype removed = 0;
            for (qsizetype i = 0; i < calls.size(); ++i) {
                const Call &call = calls.at(i);
                if (call.name == QLatin1String("unlink")
                    && QFileInfo(call.path).absolutePath() == folder
                    && autoBackupTime(QFileInfo(call.path).fileName()).isValid()) {
                    QVERIFY2(i > synced, qPrintable(call.path));
                    ++removed;
                }
            }
            QCOMPARE(removed, 1);
        }
    }

    // A sync that fails fails the operation, which leaves nothing but what stood before; a
    // file system that cannot sync a folder at all makes no failure.
    void failedSync_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<bool>("fifty"); // fifty archives of the backup on exit on the drive
        QTest::addColumn<QString>("done");
        QTest::addColumn<QString>("message");
        // The files left in the program folder, by pattern.
        QTest::addColumn<QStringList>("left");

        const QString refused = QStringLiteral("Yedek dosyası yüklenemedi!");
        const QString notMade = QStringLiteral("Yedek dosyası oluşturulamadı!");
        const QStringList live { QStringLiteral("Data\\.mdb") };
        QTest::newRow("the safety copy's sync fails")
            << "restore from a file" << QStringList { "KX_FAIL_SYNC=Data.mdb.kopya-*" } << false
            << refused << refused << live;
        QTest::newRow("the safety copy's folder sync fails")
            << "restore from a file" << QStringList { "KX_FOLDER_SYNC_ERROR=EIO" } << false
            << refused << refused << live;
        // The copy is put back, but that rename may not be on the disk either: the safety
        // copy stays, the one sure copy of the data.
        QTest::newRow("the folder sync after the swap fails")
            << "restore from a file"
            << QStringList { "KX_FOLDER_SYNC_ERROR=EIO", "KX_FOLDER_SYNC_FROM=Data.mdb" } << false
            << refused << refused
            << QStringList { "Data\\.mdb", "Data_yukleme_oncesi_[-_0-9]+\\.mdb" };
        QTest::newRow("the download's sync fails")
            << "restore by code" << QStringList { "KX_FAIL_SYNC=KXIndirme-*.zip" } << false
            << "Hata oluştu!"
            << "Hata oluştu!" << live;
        QTest::newRow("the page archive's sync fails")
            << "backup on the page" << QStringList { "KX_FAIL_SYNC=Birinci_Firma_*.zip.??????" }
            << false << notMade << notMade << live;
        QTest::newRow("the page archive's folder sync fails")
            << "backup on the page" << QStringList { "KX_FOLDER_SYNC_ERROR=EIO" } << false
            << notMade << notMade << live;
        QTest::newRow("the exit archive's sync fails, fifty archives there")
            << "backup on exit" << QStringList { "KX_FAIL_SYNC=*.zip.??????" } << true << "failed"
            << "Otomatik yedek alınamadı!" << live;
        QTest::newRow("a folder that cannot be synced")
            << "backup on the page" << QStringList { "KX_FOLDER_SYNC_ERROR=EINVAL" } << false
            << "Yedek dosyanız oluşturuldu..."
            << "Yedek dosyanız oluşturuldu..."
            << QStringList { "Birinci_Firma_[-_0-9]+\\.zip", "Data\\.mdb" };
    }
    void failedSync()
    {
        if (inChild())
            operateInChild();
        QFETCH(QString, operation);
        QFETCH(QStringList, requests);
        QFETCH(bool, fifty);
        QFETCH(QString, done);
        QFETCH(QString, message);
        QFETCH(QStringList, left);
        BackupScene prepared;
        if (!prepared.prepare(operation))
            return;
        BackupOperation &scene = prepared.operation;
        const QStringList archives = fifty ? fillWithArchives(scene.backupFolder) : QStringList();

        ChildResult child;
        runLogged(scene, "failedSync", requests, &child);
        QVERIFY2(child.ended, child.output.constData());
        QVERIFY2(child.output.contains("done: " + done.toUtf8()), child.output.constData());
        QVERIFY2(child.output.contains("message: " + message.toUtf8()), child.output.constData());

        // The live data as it was: the card made after the archive is still there.
        QCOMPARE(stockNames(prepared.fixture.databasePath()),
                 (QStringList { "YEDEKTEKİ KART", "SONRAKİ KART" }));
        const QStringList files = filesIn(scene.program);
        QVERIFY2(matchOneByOne(files, left), qPrintable(files.join(u'|')));
        if (fifty)
            QCOMPARE(filesUnder(scene.backupFolder), archives);
    }

    // A file that appears under the chosen name just before the new one is placed stays as it
    // was; the new one takes the next name of that second. So on each file system: one with
    // renameat2, one without it (a second name, then the first removed), one without second
    // names either (a look just before a plain rename).
    void nameTakenMeanwhile_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("requests");
        QTest::addColumn<QString>("done");

        const QString restored
            = QStringLiteral("Yedek dosyanız yüklendi... Kantarix'yi tekrar başlatınız...");
        const QStringList fileSystems[]
            = { {},
                { "KX_RENAMEAT2_ERROR=EINVAL" },
                { "KX_RENAMEAT2_ERROR=EINVAL", "KX_LINK_ERROR=EPERM" } };
        const char *fileSystemNames[] = { "renameat2", "link", "a look, then rename" };
        for (int i = 0; i < 3; ++i) {
            QTest::addRow("backup on the page, %s", fileSystemNames[i])
                << "backup on the page"
                << fileSystems[i] + QStringList { "KX_APPEAR=Birinci_Firma_*.zip" }
                << "Yedek dosyanız oluşturuldu...";
            QTest::addRow("backup on exit, %s", fileSystemNames[i])
                << "backup on exit" << fileSystems[i] + QStringList { "KX_APPEAR=[0-9][0-9]-*.zip" }
                << "written";
            QTest::addRow("kept download, %s", fileSystemNames[i])
                << "restore by code"
                << fileSystems[i] + QStringList { "KX_APPEAR=Birinci_Firma_*.zip" } << restored;
        }
    }
    void nameTakenMeanwhile()
    {
        if (inChild())
            operateInChild();
        QFETCH(QString, operation);
        QFETCH(QStringList, requests);
        QFETCH(QString, done);
        BackupScene prepared;
        if (!prepared.prepare(operation))
            return;
        BackupOperation &scene = prepared.operation;
        const bool onExit = operation == QLatin1String("backup on exit");
        const QString folder = onExit ? scene.backupFolder : scene.program;

        ChildResult child;
        runLogged(scene, "nameTakenMeanwhile", requests, &child);
        QVERIFY2(child.ended, child.output.constData());
        QVERIFY2(child.output.contains("done: " + done.toUtf8()), child.output.constData());

        // The file that appeared stays as it was; the new archive has the next name.
        QString taken;
        QString placed;
        for (const QString &name : QDir(folder).entryList({ QStringLiteral("*.zip") }, QDir::Files))
            (readFile(folder + u'/' + name) == Appeared ? taken : placed) = name;
        QVERIFY(!taken.isEmpty());
        QCOMPARE(placed, taken.chopped(4) + (onExit ? " (2).zip" : "_2.zip"));
        QVERIFY(checkZipArchive(folder + u'/' + placed));
        if (operation == QLatin1String("backup on the page"))
            QVERIFY2(child.output.contains(
                         "message: Yedek dosyanız oluşturuldu... Dosya adresi : "
                         + QDir::toNativeSeparators(folder + u'/' + placed).toUtf8() + '\n'),
                     child.output.constData());
        // Nothing else came but the safety copy of a restore: no temporary stays.
        QStringList others = filesIn(folder);
        others.removeOne(taken);
        others.removeOne(placed);
        if (!onExit)
            others.removeOne(QStringLiteral("Data.mdb"));
        if (operation == QLatin1String("restore by code"))
            others.removeIf([](const QString &name) {
                return name.startsWith(QLatin1String("Data_yukleme_oncesi_"));
            });
        QCOMPARE(others, QStringList());
    }

    // A share whose answer to a link got lost answers the repeated request "exists": the name
    // is the archive's own, and it counts as placed there.
    void linkAnsweredExistsForItsOwnName()
    {
        if (inChild())
            operateInChild();
        BackupScene prepared;
        if (!prepared.prepare(QStringLiteral("backup on the page")))
            return;
        BackupOperation &scene = prepared.operation;
        ChildResult child;
        runLogged(scene, "linkAnsweredExistsForItsOwnName",
                  { "KX_RENAMEAT2_ERROR=EINVAL", "KX_LINK_ERROR=EEXIST after" }, &child);
        QVERIFY2(child.ended, child.output.constData());
        QVERIFY2(child.output.contains("done: Yedek dosyanız oluşturuldu..."),
                 child.output.constData());
        const QStringList files = filesIn(scene.program);
        QCOMPARE(files.size(), 2);
        QVERIFY2(QRegularExpression(QStringLiteral("^Birinci_Firma_[-_0-9]+-\\d\\d\\.zip$"))
                     .match(files.constFirst())
                     .hasMatch(),
                 qPrintable(files.join(u' ')));
        QVERIFY(checkZipArchive(scene.program + u'/' + files.constFirst()));
    }

    // With a umask that shares with the group, both kinds of archive are open to the group as
    // any new file there.
    void archivesKeepTheFolderMode()
    {
        Fixture fixture;
        fixture.login(1);
        QTemporaryDir drive;
        const mode_t before = ::umask(0002);
        const QString page
            = CreateBackupArchive(fixture.databasePath(), fixture.folder(), state().FirmaAdi);
        QString onExit;
        const AutoBackupResult exit = RunAutoBackup(
            fixture.databasePath(), { { drive.path(), QStringLiteral("KANTARIX") } },
            QDateTime::currentDateTime(), &onExit);
        ::umask(before);
        QVERIFY(!page.isEmpty());
        QCOMPARE(exit, AutoBackupResult::Written);
        QCOMPARE(fileMode(page), 0664);
        QCOMPARE(fileMode(onExit), 0664);
    }
};

KX_TEST(TestBackupOnDisk)
#include "tst_backup_on_disk.moc"
