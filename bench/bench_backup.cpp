// Figures of the database archive.
#include "bench/bench_backup.h"
#include "bench/bench_support.h"

#include "core/auto_backup.h"
#include "core/database.h"

#include <QFile>
#include <QTemporaryDir>

namespace kxbench {

void runBackupFigures(int runs, const std::function<void(const char *, double)> &print)
{
    // Beside the database, where the backup page writes its archives.
    QTemporaryDir folder(kx::programFolder() + QStringLiteral("/bench-XXXXXX"));
    if (!folder.isValid())
        qFatal("kxbench: no folder for the archives");
    const QString database = kx::databasePath();
    const QString snapshot = folder.filePath(QStringLiteral("snapshot.mdb"));
    const QString archive = folder.filePath(QStringLiteral("Data.zip"));

    print("backup_snapshot",
          medianMs(
              runs,
              [&] {
                  if (!kx::snapshotDatabase(database, snapshot))
                      qFatal("kxbench: the snapshot failed");
              },
              [&] { QFile::remove(snapshot); }));
    QFile::remove(snapshot);

    print("backup_archive",
          medianMs(
              runs,
              [&] {
                  QString error;
                  if (kx::writeDatabaseArchive(
                          database, [&](int) { return archive; }, 1, &error)
                          .isEmpty())
                      qFatal("kxbench: the archive failed: %s", qPrintable(error));
              },
              [&] { QFile::remove(archive); }));
}

} // namespace kxbench
