// Manual backups: upload codes, writing an archive, and the restore of Data.mdb from an archive
// that has been checked first.
#pragma once

#include "core/backup_names.h"

#include <QDateTime>
#include <QString>

#include <functional>

namespace kx {

// The server folder that holds the uploaded archives.
inline const QString BackupServerFolder = QStringLiteral("KXUserFiles");

// The archive's file name without ".zip": the code that restores it from the server.
QString uploadCode(const QString &archiveName);
// A typed upload code with the blanks around it dropped; empty when it is empty or holds
// anything but the characters of isUploadCodeCharacter.
QString cleanUploadCode(const QString &typed);

// Writes a new archive of the database into folder under backupArchiveName, never over an
// existing file (a name taken meanwhile goes on to "_2", "_3", ...), after
// removeBackupLeftovers. Returns its path once it is on the disk, empty on failure. The
// database is only read.
QString CreateBackupArchive(const QString &databasePath, const QString &folder,
                            const QString &companyName,
                            const QDateTime &now = QDateTime::currentDateTime(),
                            QString *error = nullptr);

// Checks an archive without touching anything else: a consistent zip whose one entry is
// "Data.mdb", read back whole with its checksum, and whose content is a sound database of the
// program. The entry is extracted into a new temporary file in folder; returns its path, or an
// empty text when the archive is refused (nothing is left behind then).
QString extractCheckedDatabase(const QString &archivePath, const QString &folder);

// True when the database file cannot be replaced safely: a journal beside it (a save cut short
// or under way) or a lock that another connection holds. An idle connection of another
// program holds no lock and leaves no trace; it cannot be seen here.
bool databaseFileInUse(const QString &databasePath);

enum class RestoreResult { Restored, InvalidArchive, DatabaseInUse, SwapFailed };

// Replaces `to` by `from` in one step; true when done.
using ReplaceFile = std::function<bool(const QString &from, const QString &to)>;
bool replaceFile(const QString &from, const QString &to);

// Puts the checked file in place of the database, whose connections are all closed. The live
// file is first copied beside it as a safety copy (its path in *safetyCopy), on the disk under
// a name of its own, then the checked file replaces it, and the folder is synced. When the
// checked file cannot be synced first, the copy is removed and nothing else changes. When the
// replacement or the folder's sync fails or leaves anything but the checked file in place,
// the safety copy is put back; the result is then SwapFailed and the database holds what it
// held before.
RestoreResult swapInDatabase(const QString &checkedPath, const QString &databasePath,
                             QString *safetyCopy = nullptr,
                             const ReplaceFile &replace = replaceFile);

// The whole restore of the program's database from an archive: the check, then Conn and Conn2
// closed, then the swap. On success the connections stay closed for the end of the program;
// on any refusal the database is as it was and Conn is open again.
RestoreResult RestoreDatabase(const QString &archivePath, QString *safetyCopy = nullptr,
                              const ReplaceFile &replace = replaceFile);

// What the user is told about a refused restore.
QString restoreRefusedMessage(RestoreResult result);

// The end after a restore: the connections closed and the event loops left, so that the
// program returns from its main loop. No window's closing code runs, hence no exit backup.
void EndAfterRestore();

} // namespace kx
