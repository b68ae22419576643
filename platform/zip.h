// Zip archives over libzip: write one file under an entry name, check an archive, read an entry.
#pragma once

#include <QString>
#include <QStringList>

namespace kx {

// Writes a new archive at archivePath holding sourcePath as entryName, deflated at the fastest
// level: on a database the higher levels save a few percent for many times the wait. An
// archivePath that exists at the start is a failure; but libzip writes a working file
// "<archivePath>.xxxxxx" and renames it over archivePath at the end, replacing whatever stands
// there by then, so archivePath should be a name of the caller's own. Returns false with the
// reason in *error; nothing is left at archivePath then.
bool zipFileAs(const QString &archivePath, const QString &sourcePath, const QString &entryName,
               QString *error = nullptr);

// Opens the archive with libzip's consistency checks and reads every entry to its end, so that
// a damaged directory, a short file or a wrong checksum all show as false.
bool checkZipArchive(const QString &archivePath, QString *error = nullptr);

// The entry names of an archive in their stored order; empty when it cannot be opened.
QStringList zipEntryNames(const QString &archivePath);

// Writes the entry entryName of the archive into targetPath itself, replacing what it holds,
// and makes no other file: a whole target comes from the caller's temporary file there, renamed
// into place afterwards. Returns false with the reason in *error; then targetPath is removed.
bool unzipEntry(const QString &archivePath, const QString &entryName, const QString &targetPath,
                QString *error = nullptr);

} // namespace kx
