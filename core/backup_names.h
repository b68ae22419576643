// The file names of the backups: the archive's entry, the names of both kinds of archive, and
// the temporary files that backups and restores write beside their targets.
#pragma once

#include <QDateTime>
#include <QString>

namespace kx {

// The one entry of every archive.
inline const QString ArchiveEntryName = QStringLiteral("Data.mdb");

// The time in the archive names, day first with leading zeros, whatever the locale.
inline const QString BackupTimeFormat = QStringLiteral("dd-MM-yyyy HH-mm-ss");

// The files that the backups and restores write under a passing name, as QTemporaryFile
// templates: beside the database the snapshot and a restore's extracted database (the copies
// of a restore use the snapshot's), in the program folder a download.
inline const QString SnapshotFileTemplate = QStringLiteral("Data.mdb.kopya-XXXXXX");
inline const QString ExtractedFileTemplate = QStringLiteral("Data.mdb.yukleme-XXXXXX");
inline const QString DownloadFileTemplate = QStringLiteral("KXIndirme-XXXXXX.zip");

// "09-12-2026 14-30-15.zip"; a name already taken gets " (2)", " (3)", ... before ".zip".
QString autoBackupName(const QDateTime &time, int sequence = 1);
// The time and sequence an archive's file name carries; an invalid time for any other file.
QDateTime autoBackupTime(const QString &fileName, int *sequence = nullptr);

// A letter (Turkish ones included), a digit, "_" or "-": what names and upload codes hold.
bool isUploadCodeCharacter(QChar character);

// "AB_Ltd_09-12-2026_14-03-22.zip" for "A.B. Ltd" at that time: the company name without its
// points, a blank and the date and time (day first, leading zeros, whatever the locale), then
// blanks turned into "_" and every other character that an upload code may not hold too. A
// sequence above 1 (a name already taken in that second) adds "_2", "_3", ... before ".zip".
QString backupArchiveName(const QString &companyName, const QDateTime &time, int sequence = 1);
// True for the names that backupArchiveName makes.
bool isManualBackupName(const QString &fileName);

// The names of the temporary files beside the database: those of the templates above, and the
// SQLite files of a snapshot or of a restore's extracted database (its name and "-journal",
// "-wal" or "-shm"). Case-sensitive.
bool isBackupTemporaryName(const QString &fileName);
// An archive of either kind not yet placed under its name: its name, "." and six lower-case
// letters or digits (its temporary name), once more for libzip's working file of that.
bool isUnfinishedArchiveName(const QString &fileName);

} // namespace kx
