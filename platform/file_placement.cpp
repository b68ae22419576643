// Syncs of files and folders, and the rename that does not replace, over POSIX.
#include "platform/file_placement.h"

#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kx {

namespace {

bool failed(QString *error, const QString &path, int code)
{
    if (error)
        *error = path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(code));
    return false;
}

// Two names of one file: the same inode on the same device.
bool sameFile(const QByteArray &first, const QByteArray &second)
{
    struct stat a = {};
    struct stat b = {};
    return ::lstat(first.constData(), &a) == 0 && ::lstat(second.constData(), &b) == 0
        && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

bool syncOpenFile(int handle, const QString &path, QString *error)
{
    if (::fsync(handle) != 0)
        return failed(error, path, errno);
    return true;
}

bool syncFile(const QString &path, QString *error)
{
    const int handle = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CLOEXEC);
    if (handle < 0)
        return failed(error, path, errno);
    const bool synced = syncOpenFile(handle, path, error);
    ::close(handle);
    return synced;
}

bool syncFolder(const QString &folder, QString *error)
{
    const int handle
        = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0)
        return failed(error, folder, errno);
    const int synced = ::fsync(handle);
    const int code = errno;
    ::close(handle);
    if (synced != 0 && code != EINVAL)
        return failed(error, folder, code);
    return true;
}

Placement placeWithoutReplacing(const QString &from, const QString &to, QString *error)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE)
        == 0)
        return Placement::Placed;
    if (errno == EEXIST)
        return Placement::NameTaken;
    if (errno != EINVAL && errno != ENOSYS) {
        failed(error, to, errno);
        return Placement::Failed;
    }
    // No such rename on this file system (a share, an older kernel): a second name is given
    // only where none stands.
    if (::link(source.constData(), target.constData()) == 0) {
        ::unlink(source.constData());
        return Placement::Placed;
    }
    const int linkError = errno;
    if (linkError == EEXIST) {
        // A share may answer a repeated request so when the first one made the link.
        if (!sameFile(source, target))
            return Placement::NameTaken;
        ::unlink(source.constData());
        return Placement::Placed;
    }
    if (linkError != EPERM && linkError != EOPNOTSUPP && linkError != ENOSYS) {
        failed(error, to, linkError);
        return Placement::Failed;
    }
    // Neither (a FAT stick): the name is looked at just before a plain rename.
    struct stat status = {};
    if (::lstat(target.constData(), &status) == 0)
        return Placement::NameTaken;
    if (errno != ENOENT || ::rename(source.constData(), target.constData()) != 0) {
        failed(error, to, errno);
        return Placement::Failed;
    }
    return Placement::Placed;
}

} // namespace kx
