// Files on the disk before they count: the sync of a file and of its folder, and a rename that
// never replaces what stands under the new name.
#pragma once

#include <QString>

namespace kx {

// Writes what the file holds, and its mode, to the disk, through a handle open for writing.
// False with the reason in *error.
bool syncFile(const QString &path, QString *error = nullptr);
// The same through the handle of a file open for writing; path only names it in *error.
bool syncOpenFile(int handle, const QString &path, QString *error = nullptr);

// Writes the folder's entries to the disk, so that a name just given there stays after a power
// cut. A file system that cannot sync a folder (EINVAL) counts as done.
bool syncFolder(const QString &folder, QString *error = nullptr);

enum class Placement { Placed, NameTaken, Failed };

// Gives the file at from the name to in one step, never replacing a file that stands there,
// even one that appeared a moment ago: NameTaken then, and from is left as it was. Where the
// file system has no such rename, a second name and the removal of the first; where it has no
// second names either, a look that to is free just before a plain rename. A first name that
// cannot be removed after its second was given stays, and the file counts as placed.
Placement placeWithoutReplacing(const QString &from, const QString &to, QString *error = nullptr);

} // namespace kx
