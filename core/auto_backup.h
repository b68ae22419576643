// A checked archive of the database, the clean-up of what killed backups left, and the backup
// archive written on the drive labelled "KANTARIX" when the main window closes.
#pragma once

#include "core/backup_names.h"
#include "platform/drive_label.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

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

// Removes what a backup or restore killed halfway left for good: beside the database, in
// databaseFolder, the files of the temporary templates and their SQLite files; in the folder
// of the archive about to be written at archivePath, our archives still under a temporary
// name, and libzip's working files of those. A file goes only when its modification time is
// more than an hour away, earlier or later, from the time its folder's file system stamps on a
// file made there now: a younger one may be another computer's backup at work in a shared
// folder, whose clock is not this one. The archive's path, not only its folder: the file made
// there to read that time bears the new archive's name, so that a clean-up killed in its turn
// leaves only what the next one removes.
void removeBackupLeftovers(const QString &databaseFolder, const QString &archivePath);

// The path of a file's name for a sequence: 1 for the name itself, 2, 3, ... for the names of
// the same second when it is taken.
using SequencedPath = std::function<QString(int sequence)>;

// The highest sequence a name of the same second may get.
constexpr int LastNameSequence = 100;

// Gives the finished file at temporary, already on the disk, the first name of pathFor from
// sequence up to LastNameSequence that is free when it is given, never replacing a file, and
// then syncs the folder. Returns the path it got; empty on failure, with nothing under its name
// then (the temporary is the caller's).
QString placeUnderFreeName(const QString &temporary, const SequencedPath &pathFor, int sequence,
                           QString *error = nullptr);

// Writes a new archive holding a snapshot of the database as its one entry "Data.mdb" under a
// temporary name beside pathFor(sequence), reads it back whole, syncs it and places it with
// placeUnderFreeName. Returns the path it got; on failure empty, and nothing of it is left. The
// snapshot's temporary file lives beside the database.
QString writeDatabaseArchive(const QString &databasePath, const SequencedPath &pathFor,
                             int sequence, QString *error = nullptr);

// Finds the drive labelled "KANTARIX" among the volumes and, after removeBackupLeftovers, writes
// a consistent snapshot of the database at databasePath as the entry "Data.mdb" of a new archive
// in its "Yedekler" folder, then deletes our oldest archives beyond AutoBackupKeep. Without such
// a drive nothing is written or shown. A failure shows one error notice; the database file is
// only read. When written, *archivePath holds the new archive.
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
