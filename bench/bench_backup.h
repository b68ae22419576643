// Figures of the database archive that the exit backup and the backup page make.
#pragma once

#include <functional>

namespace kxbench {

// backup_snapshot: the consistent copy of the database alone (VACUUM INTO).
// backup_archive: the whole archive as the exit backup makes it: the snapshot, the zip of it
// and the read-back check. Both on the program's database with its generated documents.
void runBackupFigures(int runs, const std::function<void(const char *, double)> &print);

} // namespace kxbench
