// A checked archive of the database, and the backup archive written on the drive labelled
// "KANTARIX" when the main window closes.
#pragma once

#include "platform/drive_label.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace kx {

enum class AutoBackupResult { NoDrive, Written, Failed };

// At most this many of our archives stay in the backup folder.
constexpr int AutoBackupKeep = 50;

// Copies the database through SQLite itself (VACUUM INTO) on a short-lived read-only connection
// of its own, so that the copy is consistent while other connections read or write, and the
// file itself is never changed. snapshotPath must not exist or be empty.
bool snapshotDatabase(const QString &databasePath, const QString &snapshotPath,
                      QString *error = nullptr);

// Gives path the mode and, where the process may set it, the group of model, so that a file
// put in model's place is open to the same users. A refusal leaves path as it is.
void takeAccessOf(const QString &path, const QString &model);

// The files that the backups and restores write under a passing name, as QTemporaryFile
// templates: beside the database the snapshot and a restore's extracted database, in the
// program folder a download.
inline const QString SnapshotFileTemplate = QStringLiteral("Data.mdb.kopya-XXXXXX");
inline const QString ExtractedFileTemplate = QStringLiteral("Data.mdb.yukleme-XXXXXX");
inline const QString DownloadFileTemplate = QStringLiteral("KXIndirme-XXXXXX.zip");

// Writes a new archive at archivePath holding a snapshot of the database as its one entry
// "Data.mdb", and reads it back whole. An existing archivePath is a failure, never replaced; a
// failed archive is removed. The snapshot's temporary file lives beside the database.
// First it removes what a backup or restore killed halfway left for good: the files of the
// templates above beside the database, and our archives that libzip was still writing
// ("<archive name>.ab12cd") in archivePath's folder, each only when more than an hour old.
bool writeDatabaseArchive(const QString &databasePath, const QString &archivePath,
                          QString *error = nullptr);

// "09-12-2026 14-30-15.zip"; a name already taken gets " (2)", " (3)", ... before ".zip".
QString autoBackupName(const QDateTime &time, int sequence = 1);
// The time and sequence an archive's file name carries; an invalid time for any other file.
QDateTime autoBackupTime(const QString &fileName, int *sequence = nullptr);
// True for the name of an archive of the settings window's backup: the company part, then
// "_09-12-2026_14-03-22", a sequence "_2", "_3", ... and ".zip", as backupArchiveName makes it.
bool isManualBackupName(const QString &fileName);

// Finds the drive labelled "KANTARIX" among the volumes and writes a consistent snapshot of the
// database at databasePath as the entry "Data.mdb" of a new archive in its "Yedekler" folder,
// then deletes our oldest archives beyond AutoBackupKeep. Without such a drive nothing is
// written or shown. A failure shows one error notice; the database file is only read. When
// written, *archivePath holds the new archive.
AutoBackupResult RunAutoBackup(const QString &databasePath,
                               const QList<Volume> &volumes = mountedVolumes(),
                               const QDateTime &now = QDateTime::currentDateTime(),
                               QString *archivePath = nullptr);

// How long a backup notice at exit waits for its click.
constexpr int ExitNoticeTime = 60000;

// Keeps the pop-up notice on screen, without closing by itself, until it is clicked or
// limitMs have passed; returns at once when no notice is shown. For the notices that come
// just before the process ends.
void keepNoticeUntilSeen(int limitMs);

} // namespace kx
