// Manual backup archives and the checked restore of Data.mdb.
#include "settings/backup.h"

#include "core/auto_backup.h"
#include "core/database.h"
#include "core/state.h"
#include "platform/file_placement.h"
#include "platform/zip.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QUuid>

#include <filesystem>

namespace kx {

namespace {

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return {};
    return hash.result();
}

// The names of the safety copy beside the database, of this second: "_2", "_3", ... once taken.
SequencedPath safetyCopyPaths(const QString &databasePath)
{
    const QString stem = QFileInfo(databasePath).absolutePath()
        + QStringLiteral("/Data_yukleme_oncesi_")
        + QDateTime::currentDateTime().toString(BackupTimeFormat).replace(u' ', u'_');
    return [stem](int sequence) {
        return sequence > 1 ? stem + QStringLiteral("_%1.mdb").arg(sequence)
                            : stem + QStringLiteral(".mdb");
    };
}

// Copies into partial, a temporary file beside the target, and checks the copy: the target
// gets it whole or not at all. The copy is open to the same users as from, and on the disk.
bool copyWhole(const QString &from, QTemporaryFile &partial, const QByteArray &expectedHash)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly) || !partial.open())
        return false;
    // Written here and not by QFile::copy, which makes a temporary file of its own: where the
    // folder refuses unnamed files, that one has a name that no clean-up knows.
    char buffer[64 * 1024];
    qint64 read = 0;
    while ((read = source.read(buffer, sizeof buffer)) > 0) {
        if (partial.write(buffer, read) != read)
            return false;
    }
    if (read < 0 || !partial.flush())
        return false;
    // Through its name: a temporary file made without one gets it here.
    takeAccessOf(partial.fileName(), from);
    if (!syncFile(partial.fileName()))
        return false;
    partial.close();
    return fileHash(partial.fileName()) == expectedHash;
}

// The live file copied beside it under a name of its own, on the disk; its path, or empty.
QString makeSafetyCopy(const QString &databasePath, const QByteArray &liveHash)
{
    QTemporaryFile partial(QFileInfo(databasePath).absolutePath() + u'/' + SnapshotFileTemplate);
    if (!copyWhole(databasePath, partial, liveHash))
        return {};
    const QString copy = placeUnderFreeName(partial.fileName(), safetyCopyPaths(databasePath), 1);
    if (!copy.isEmpty())
        partial.setAutoRemove(false);
    return copy;
}

// Puts the safety copy back in place of the live file; true when the live file holds the old
// content again, on the disk.
bool putBack(const QString &safetyCopy, const QString &databasePath, const QByteArray &liveHash)
{
    if (fileHash(databasePath) == liveHash)
        return true;
    const QString folder = QFileInfo(databasePath).absolutePath();
    QTemporaryFile partial(folder + u'/' + SnapshotFileTemplate);
    if (!copyWhole(safetyCopy, partial, liveHash) || !replaceFile(partial.fileName(), databasePath))
        return false;
    partial.setAutoRemove(false);
    return syncFolder(folder);
}

void closeConnections()
{
    ModuleState &s = state();
    if (s.Rs)
        s.Rs->Close();
    if (s.Rs2)
        s.Rs2->Close();
    if (s.Conn)
        s.Conn->Close();
    if (s.Conn2)
        s.Conn2->Close();
}

void reopenConnection()
{
    ModuleState &s = state();
    if (!s.Conn)
        return;
    try {
        openDatabase(*s.Conn);
    } catch (const DatabaseError &) {
        // The file is the one that was open a moment ago; the next statement reports.
    }
}

} // namespace

QString uploadCode(const QString &archiveName)
{
    return archiveName.endsWith(QStringLiteral(".zip")) ? archiveName.chopped(4) : archiveName;
}

QString cleanUploadCode(const QString &typed)
{
    const QString code = typed.trimmed().normalized(QString::NormalizationForm_C);
    for (const QChar character : code) {
        if (!isUploadCodeCharacter(character))
            return {};
    }
    return code;
}

QString CreateBackupArchive(const QString &databasePath, const QString &folder,
                            const QString &companyName, const QDateTime &now, QString *error)
{
    const QDir target(folder);
    int sequence = 1;
    while (target.exists(backupArchiveName(companyName, now, sequence)))
        ++sequence;
    const auto pathFor
        = [&](int number) { return target.filePath(backupArchiveName(companyName, now, number)); };
    removeBackupLeftovers(QFileInfo(databasePath).absolutePath(), pathFor(sequence));
    return writeDatabaseArchive(databasePath, pathFor, sequence, error);
}

QString extractCheckedDatabase(const QString &archivePath, const QString &folder)
{
    if (!checkZipArchive(archivePath)
        || zipEntryNames(archivePath) != QStringList { ArchiveEntryName })
        return {};
    QTemporaryFile reserved(QDir(folder).filePath(ExtractedFileTemplate));
    if (!reserved.open())
        return {};
    reserved.setAutoRemove(false);
    reserved.close();
    const QString extracted = reserved.fileName();
    const bool sound
        = unzipEntry(archivePath, ArchiveEntryName, extracted) && isSoundProgramDatabase(extracted);
    // The check of a database in WAL mode (a hand-made archive's) leaves these beside it.
    for (const char *companion : { "-wal", "-shm" })
        QFile::remove(extracted + QLatin1String(companion));
    if (!sound) {
        QFile::remove(extracted);
        return {};
    }
    return extracted;
}

bool databaseFileInUse(const QString &databasePath)
{
    // A journal left by a save cut short would be played back into the new file.
    for (const char *suffix : { "-journal", "-wal" }) {
        if (QFileInfo::exists(databasePath + QLatin1String(suffix)))
            return true;
    }
    const QString name = QStringLiteral("kx_lock_") + QUuid::createUuid().toString(QUuid::Id128);
    bool inUse = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(databasePath);
        // A moment for another computer's save to end; a reader or writer past that is refused.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=1500"));
        if (db.open()) {
            QSqlQuery lock(db);
            inUse = !lock.exec(QStringLiteral("BEGIN EXCLUSIVE"));
            if (!inUse)
                lock.exec(QStringLiteral("ROLLBACK"));
            lock.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return inUse;
}

bool replaceFile(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(from).toStdString()),
                            std::filesystem::path(QFile::encodeName(to).toStdString()), error);
    return !error;
}

RestoreResult swapInDatabase(const QString &checkedPath, const QString &databasePath,
                             QString *safetyCopy, const ReplaceFile &replace)
{
    const QByteArray liveHash = fileHash(databasePath);
    const QByteArray checkedHash = fileHash(checkedPath);
    if (liveHash.isEmpty() || checkedHash.isEmpty())
        return RestoreResult::SwapFailed;
    const QString copy = makeSafetyCopy(databasePath, liveHash);
    if (copy.isEmpty())
        return RestoreResult::SwapFailed;
    if (safetyCopy)
        *safetyCopy = copy;
    // One rename puts the new file in place: there is no moment without a Data.mdb, nor one
    // with other permissions than the live file's. The file and then the rename are on the
    // disk before the restore counts as done.
    takeAccessOf(checkedPath, databasePath);
    if (!syncFile(checkedPath)) {
        QFile::remove(copy);
        if (safetyCopy)
            safetyCopy->clear();
        return RestoreResult::SwapFailed;
    }
    if (replace(checkedPath, databasePath) && syncFolder(QFileInfo(databasePath).absolutePath())
        && fileHash(databasePath) == checkedHash)
        return RestoreResult::Restored;
    // The old content is back in place: the copy would only be a second one of it. Should even
    // that fail, the copy is all that is left of the data and stays.
    if (putBack(copy, databasePath, liveHash)) {
        QFile::remove(copy);
        if (safetyCopy)
            safetyCopy->clear();
    }
    return RestoreResult::SwapFailed;
}

RestoreResult RestoreDatabase(const QString &archivePath, QString *safetyCopy,
                              const ReplaceFile &replace)
{
    const QString live = databasePath();
    const QString checked = extractCheckedDatabase(archivePath, programFolder());
    if (checked.isEmpty())
        return RestoreResult::InvalidArchive;
    closeConnections();
    RestoreResult result = RestoreResult::DatabaseInUse;
    if (!databaseFileInUse(live))
        result = swapInDatabase(checked, live, safetyCopy, replace);
    if (result != RestoreResult::Restored) {
        QFile::remove(checked);
        reopenConnection();
    }
    return result;
}

QString restoreRefusedMessage(RestoreResult result)
{
    switch (result) {
    case RestoreResult::InvalidArchive:
        return QStringLiteral("Seçilen dosya geçerli bir Kantarix yedeği değil!\r\n"
                              "Mevcut verileriniz korundu...");
    case RestoreResult::DatabaseInUse:
        return QStringLiteral("Veritabanı şu anda başka bir bilgisayarda kullanılıyor, yedek "
                              "yüklenemedi!\r\nMevcut verileriniz korundu...");
    case RestoreResult::SwapFailed:
        return QStringLiteral("Yedek dosyası yüklenemedi!\r\nMevcut verileriniz korundu...");
    case RestoreResult::Restored:
        break;
    }
    return {};
}

void EndAfterRestore()
{
    closeConnections();
    QCoreApplication::exit(0);
}

} // namespace kx
