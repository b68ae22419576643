// The database archive (snapshot, zip, read back) and the automatic backup on exit, which keeps
// the newest archives.
#include "core/auto_backup.h"

#include "core/messages.h"
#include "platform/file_placement.h"
#include "platform/popup.h"
#include "platform/zip.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QTimer>
#include <QUuid>

#include <algorithm>

#include <sys/stat.h>
#include <unistd.h>

namespace kx {

namespace {

const QString BackupLabel = QStringLiteral("KANTARIX");
const QString BackupFolder = QStringLiteral("Yedekler");

struct Archive
{
    QString fileName;
    QDateTime time;
    int sequence = 1;
};

// Our archives in the folder, oldest first; other files are not listed.
QList<Archive> listArchives(const QDir &folder)
{
    QList<Archive> archives;
    const QStringList files = folder.entryList({ QStringLiteral("*.zip") }, QDir::Files);
    for (const QString &file : files) {
        int sequence = 1;
        const QDateTime time = autoBackupTime(file, &sequence);
        if (time.isValid())
            archives.append({ file, time, sequence });
    }
    std::sort(archives.begin(), archives.end(), [](const Archive &a, const Archive &b) {
        return a.time != b.time ? a.time < b.time : a.sequence < b.sequence;
    });
    return archives;
}

AutoBackupResult fail(const QString &text)
{
    ShowSystemMessage(text, IconError);
    return AutoBackupResult::Failed;
}

// Six lower-case letters or digits: the tail of an archive's temporary name, as libzip names
// its own working files.
QString randomTail()
{
    static const char characters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    QString tail;
    for (int i = 0; i < 6; ++i)
        tail += QLatin1Char(characters[QRandomGenerator::global()->bounded(36)]);
    return tail;
}

// A temporary file whose time is nearer than this to the folder's may be another computer's
// backup at work in a shared folder; one further away was left by a backup or restore that was
// cut short, or dated by a clock set back since.
constexpr qint64 LeftoverAge = 3600;

// Makes, exclusively, an empty file in folder named after fileTemplate with its "XXXXXX" in
// lower-case letters and digits, and returns the modification time that the folder's file
// system gave it: on a share the file server's clock, which also dated every other file there.
// The file is removed again. Invalid when no such file can be made.
QDateTime folderTime(const QString &folder, const QString &fileTemplate)
{
    // The last "XXXXXX": an archive's name before it may hold those letters too.
    const qsizetype at = fileTemplate.lastIndexOf(QStringLiteral("XXXXXX"));
    for (int attempt = 0; attempt < 8; ++attempt) {
        QFile probe(
            QDir(folder).filePath(fileTemplate.left(at) + randomTail() + fileTemplate.mid(at + 6)));
        if (!probe.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            // Taken by a file of the same name: another name. Any other refusal ends it.
            if (QFileInfo::exists(probe.fileName()))
                continue;
            return {};
        }
        const QDateTime time = probe.fileTime(QFileDevice::FileModificationTime);
        probe.close();
        probe.remove();
        return time;
    }
    return {};
}

void removeLeftovers(const QDir &folder, const QDateTime &now, bool (*isLeftover)(const QString &))
{
    if (!now.isValid())
        return;
    const QFileInfoList files = folder.entryInfoList(QDir::Files | QDir::NoSymLinks);
    for (const QFileInfo &file : files) {
        // A file that will not go stops no backup: the next one tries again.
        if (isLeftover(file.fileName()) && file.lastModified().isValid()
            && qAbs(file.lastModified().secsTo(now)) > LeftoverAge)
            QFile::remove(file.filePath());
    }
}

} // namespace

bool snapshotDatabase(const QString &databasePath, const QString &snapshotPath, QString *error)
{
    QString ignored;
    if (!error)
        error = &ignored;
    if (!QFileInfo(databasePath).isFile()) {
        *error = databasePath + QStringLiteral(": no such file");
        return false;
    }
    // Unique: the settings window's backup and another computer's may run at the same time.
    const QString name
        = QStringLiteral("kx_snapshot_") + QUuid::createUuid().toString(QUuid::Id128);
    bool done = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databasePath);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=5000"));
        if (!db.open()) {
            *error = db.lastError().text();
        } else {
            QSqlQuery vacuum(db);
            done = vacuum.prepare(QStringLiteral("VACUUM INTO ?"));
            if (done) {
                vacuum.addBindValue(snapshotPath);
                done = vacuum.exec();
            }
            if (!done)
                *error = vacuum.lastError().text();
            vacuum.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return done;
}

void takeAccessOf(const QString &path, const QString &model)
{
    struct stat modelStatus = {};
    if (::stat(QFile::encodeName(model).constData(), &modelStatus) != 0)
        return;
    const QByteArray name = QFile::encodeName(path);
    // The group first: a change of group may clear bits that the mode then sets again. Where
    // the group is not one of this user's, the folder's group stays.
    [[maybe_unused]] const int grouped = ::chown(name.constData(), uid_t(-1), modelStatus.st_gid);
    ::chmod(name.constData(), modelStatus.st_mode & 07777);
}

void removeBackupLeftovers(const QString &databaseFolder, const QString &archivePath)
{
    // Killed halfway, a backup leaves a snapshot as large as the database and part of an
    // archive; at each evening's switch-off these would fill the disk.
    const QFileInfo archive(archivePath);
    const QString archiveFolder = archive.absolutePath();
    const QString canonical = QFileInfo(databaseFolder).canonicalFilePath();
    if (!canonical.isEmpty() && canonical == QFileInfo(archiveFolder).canonicalFilePath()) {
        // The settings window's archives go into the program folder: one time for both.
        removeLeftovers(QDir(databaseFolder), folderTime(databaseFolder, SnapshotFileTemplate),
                        [](const QString &name) {
                            return isBackupTemporaryName(name) || isUnfinishedArchiveName(name);
                        });
        return;
    }
    removeLeftovers(QDir(databaseFolder), folderTime(databaseFolder, SnapshotFileTemplate),
                    isBackupTemporaryName);
    removeLeftovers(QDir(archiveFolder),
                    folderTime(archiveFolder, archive.fileName() + QStringLiteral(".XXXXXX")),
                    isUnfinishedArchiveName);
}

QString placeUnderFreeName(const QString &temporary, const SequencedPath &pathFor, int sequence,
                           QString *error)
{
    for (; sequence <= LastNameSequence; ++sequence) {
        const QString path = pathFor(sequence);
        switch (placeWithoutReplacing(temporary, path, error)) {
        case Placement::NameTaken:
            continue;
        case Placement::Failed:
            return {};
        case Placement::Placed:
            break;
        }
        // Told done only once the name is on the disk too; a name that may not be is taken back.
        if (syncFolder(QFileInfo(path).absolutePath(), error))
            return path;
        QFile::remove(path);
        return {};
    }
    if (error)
        *error = pathFor(LastNameSequence) + QStringLiteral(": every name of that second taken");
    return {};
}

QString writeDatabaseArchive(const QString &databasePath, const SequencedPath &pathFor,
                             int sequence, QString *error)
{
    const QString databaseFolder = QFileInfo(databasePath).absolutePath();
    // The snapshot waits beside the database, not in a system folder that may be small.
    QTemporaryFile snapshot(databaseFolder + u'/' + SnapshotFileTemplate);
    if (!snapshot.open()) {
        if (error)
            *error = snapshot.errorString();
        return {};
    }
    // VACUUM INTO takes an empty file; it writes through a handle of its own.
    snapshot.close();
    if (!snapshotDatabase(databasePath, snapshot.fileName(), error))
        return {};
    // The entry records the mode of the file zipped: the live file's, not the temporary file's
    // owner-only one, so that a copy unzipped by hand is open to the same users.
    takeAccessOf(snapshot.fileName(), databasePath);
    // libzip's last step renames its working file over the path it was given, whatever stands
    // there by then: it is given a name of our own, and the archive is placed from there. The
    // name is not reserved: libzip would give the archive a reserved file's owner-only mode.
    QString temporary;
    do
        temporary = pathFor(sequence) + u'.' + randomTail();
    while (QFileInfo::exists(temporary));
    // A failed zip leaves nothing there: libzip removes its working file.
    if (!zipFileAs(temporary, snapshot.fileName(), ArchiveEntryName, error))
        return {};
    QString placed;
    if (checkZipArchive(temporary, error) && syncFile(temporary, error))
        placed = placeUnderFreeName(temporary, pathFor, sequence, error);
    if (placed.isEmpty())
        QFile::remove(temporary);
    return placed;
}

AutoBackupResult RunAutoBackup(const QString &databasePath, const QList<Volume> &volumes,
                               const QDateTime &now, QString *archivePath)
{
    const QString root = findLabeledVolume(volumes, BackupLabel);
    if (root.isEmpty())
        return AutoBackupResult::NoDrive;

    const QString failed = QStringLiteral("Otomatik yedek alınamadı!");
    QDir folder(root);
    if (!folder.mkpath(BackupFolder) || !folder.cd(BackupFolder))
        return fail(failed);

    // Two exits within one second must not replace the earlier archive.
    int sequence = 1;
    while (folder.exists(autoBackupName(now, sequence)))
        ++sequence;
    const auto pathFor = [&](int number) { return folder.filePath(autoBackupName(now, number)); };
    removeBackupLeftovers(QFileInfo(databasePath).absolutePath(), pathFor(sequence));
    const QString written = writeDatabaseArchive(databasePath, pathFor, sequence);
    if (written.isEmpty())
        return fail(failed);
    if (archivePath)
        *archivePath = written;

    // Old archives go only after the new one is known to be sound, oldest by the time in the
    // name; the new one stays even when a wrong clock made it look older.
    QList<Archive> archives = listArchives(folder);
    archives.removeIf([&](const Archive &a) { return folder.filePath(a.fileName) == written; });
    bool removedAll = true;
    for (qsizetype i = 0; i < archives.size() - (AutoBackupKeep - 1); ++i)
        removedAll = folder.remove(archives.at(i).fileName) && removedAll;
    if (!removedAll)
        ShowSystemMessage(QStringLiteral("Eski yedekler silinemedi!"), IconError);
    return AutoBackupResult::Written;
}

void keepNoticeUntilSeen(int limitMs)
{
    PopupControl *pop = Pop1();
    if (pop->PopupDisplayState() == 0)
        return;
    // Its own timer would take it away after a few seconds, unread by someone looking away.
    pop->setDisplayTime(limitMs);
    QEventLoop loop;
    QObject::connect(pop, &PopupControl::closedByClick, &loop, &QEventLoop::quit);
    QTimer watch;
    watch.setInterval(100);
    QObject::connect(&watch, &QTimer::timeout, &loop, [&] {
        if (pop->PopupDisplayState() == 0)
            loop.quit();
    });
    QTimer::singleShot(limitMs, &loop, &QEventLoop::quit);
    watch.start();
    loop.exec();
    pop->PopupClose();
}

} // namespace kx
