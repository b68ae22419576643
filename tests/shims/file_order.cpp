// Preloaded into a test's child process: logs, in the order made, the calls that decide what
// reaches the disk and under which name (writes, changes of mode or owner, syncs, renames,
// links, removals), with file handles turned into paths, to the file KX_FILE_LOG. On request it
// also fails or disturbs some:
//   KX_FAIL_SYNC          a file sync of a path whose file name matches this pattern: EIO
//   KX_FOLDER_SYNC_ERROR  "EINVAL" or "EIO": what every sync of a folder answers
//   KX_FOLDER_SYNC_FROM   with the above: only from the first rename onto a name matching
//                         this pattern on
//   KX_APPEAR             the first rename or link onto a free name matching this pattern
//                         finds a file there, made a moment before ("önceden duran dosya")
//   KX_RENAMEAT2_ERROR    "EINVAL": what renameat2 answers, as where it is not supported
//   KX_LINK_ERROR         "EPERM": what link answers, as where there are no second names;
//                         "EEXIST after": link is made, but answered EEXIST, as a share does
//                         whose first answer got lost
// Each line is the call, its path (a handle's through /proc/self/fd), the new name of a rename or
// link, and the file as "device:inode" (for a rename or link, the one named), tab-separated: a
// file written while it had no name yet is still known by its inode. SQLite's own syncs of the
// live "Data.mdb" and its journal are left out of the log.
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include <dlfcn.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <limits.h>
#include <pthread.h>
#include <stdio.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

namespace {

template <typename Function> Function next(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

using Write = ssize_t (*)(int, const void *, size_t);
using PositionedWrite = ssize_t (*)(int, const void *, size_t, off_t);
using Sync = int (*)(int);
using Rename = int (*)(const char *, const char *);
using RenameAt2 = int (*)(int, const char *, int, const char *, unsigned int);
using Unlink = int (*)(const char *);
using UnlinkAt = int (*)(int, const char *, int);

Write realWrite()
{
    static const auto real = next<Write>("write");
    return real;
}

const char *setting(const char *name)
{
    const char *value = std::getenv(name);
    return value && *value ? value : nullptr;
}

pthread_mutex_t logLock = PTHREAD_MUTEX_INITIALIZER;

std::string pathOf(int handle)
{
    char link[64];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", handle);
    char path[PATH_MAX];
    const ssize_t length = ::readlink(link, path, sizeof path - 1);
    return length > 0 ? std::string(path, size_t(length)) : std::string();
}

std::string fileName(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int logHandle()
{
    static const int handle = [] {
        const char *path = setting("KX_FILE_LOG");
        return path ? ::open(path, O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644) : -1;
    }();
    return handle;
}

bool isLog(const std::string &path)
{
    const char *log = setting("KX_FILE_LOG");
    return log && path == log;
}

std::string fileId(const struct stat &status)
{
    return std::to_string(status.st_dev) + ':' + std::to_string(status.st_ino);
}

std::string handleId(int handle)
{
    struct stat status = {};
    return ::fstat(handle, &status) == 0 ? fileId(status) : std::string();
}

std::string pathId(const char *path)
{
    struct stat status = {};
    return ::lstat(path, &status) == 0 ? fileId(status) : std::string();
}

// One line. A run of writes to one file is one line.
void record(const char *call, const std::string &path, const std::string &target,
            const std::string &id)
{
    if (logHandle() < 0)
        return;
    static std::string lastWrite;
    pthread_mutex_lock(&logLock);
    const bool isWrite = std::strcmp(call, "write") == 0;
    if (!isWrite || id != lastWrite) {
        const std::string line = std::string(call) + '\t' + path + '\t' + target + '\t' + id + '\n';
        realWrite()(logHandle(), line.data(), line.size());
    }
    lastWrite = isWrite ? id : std::string();
    pthread_mutex_unlock(&logLock);
}

void recordWrite(int handle)
{
    if (logHandle() < 0 || handle == logHandle())
        return;
    const std::string path = pathOf(handle);
    // Files only: pipes, sockets and terminals read as "pipe:[…]" and the like.
    if (!path.empty() && path.front() == '/' && !isLog(path))
        record("write", path, {}, handleId(handle));
}

int errorNamed(const char *name)
{
    if (!name)
        return 0;
    if (std::strcmp(name, "EINVAL") == 0)
        return EINVAL;
    if (std::strcmp(name, "EIO") == 0)
        return EIO;
    if (std::strcmp(name, "EPERM") == 0)
        return EPERM;
    return 0;
}

int refuse(int code)
{
    errno = code;
    return -1;
}

bool folderSyncsFail = !setting("KX_FOLDER_SYNC_FROM");

// A sync as the request says; -1 with errno for a refused one, 1 to go on to the real call.
int syncAnswer(int handle, const char *call)
{
    struct stat status = {};
    const bool folder = ::fstat(handle, &status) == 0 && S_ISDIR(status.st_mode);
    const std::string path = pathOf(handle);
    const std::string name = fileName(path);
    if (folder || (name != "Data.mdb" && name != "Data.mdb-journal"))
        record(call, path, {}, fileId(status));
    if (folder && errorNamed(setting("KX_FOLDER_SYNC_ERROR")) && folderSyncsFail)
        return refuse(errorNamed(setting("KX_FOLDER_SYNC_ERROR")));
    const char *failing = setting("KX_FAIL_SYNC");
    if (!folder && failing && ::fnmatch(failing, name.c_str(), 0) == 0)
        return refuse(EIO);
    return 1;
}

// Before a rename or link onto target: the file that appears there first, once; and from a
// rename onto the name that KX_FOLDER_SYNC_FROM gives, folder syncs fail.
void appearBefore(const char *target)
{
    const char *failingFrom = setting("KX_FOLDER_SYNC_FROM");
    if (failingFrom && ::fnmatch(failingFrom, fileName(target).c_str(), 0) == 0)
        folderSyncsFail = true;
    static bool appeared = false;
    const char *pattern = setting("KX_APPEAR");
    struct stat status = {};
    if (appeared || !pattern || ::fnmatch(pattern, fileName(target).c_str(), 0) != 0
        || ::lstat(target, &status) == 0)
        return;
    appeared = true;
    const int handle = ::open(target, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (handle < 0)
        return;
    static const char content[] = "önceden duran dosya";
    realWrite()(handle, content, sizeof content - 1);
    ::close(handle);
}

} // namespace

extern "C" ssize_t write(int handle, const void *buffer, size_t count)
{
    recordWrite(handle);
    return realWrite()(handle, buffer, count);
}

extern "C" ssize_t writev(int handle, const struct iovec *vector, int count)
{
    static const auto real = next<ssize_t (*)(int, const struct iovec *, int)>("writev");
    recordWrite(handle);
    return real(handle, vector, count);
}

extern "C" ssize_t pwrite(int handle, const void *buffer, size_t count, off_t at)
{
    static const auto real = next<PositionedWrite>("pwrite");
    recordWrite(handle);
    return real(handle, buffer, count, at);
}

extern "C" ssize_t pwrite64(int handle, const void *buffer, size_t count, off_t at)
{
    static const auto real = next<PositionedWrite>("pwrite64");
    recordWrite(handle);
    return real(handle, buffer, count, at);
}

extern "C" int fsync(int handle)
{
    static const auto real = next<Sync>("fsync");
    const int answer = syncAnswer(handle, "fsync");
    return answer < 0 ? answer : real(handle);
}

extern "C" int fdatasync(int handle)
{
    static const auto real = next<Sync>("fdatasync");
    const int answer = syncAnswer(handle, "fdatasync");
    return answer < 0 ? answer : real(handle);
}

extern "C" int rename(const char *from, const char *to)
{
    static const auto real = next<Rename>("rename");
    appearBefore(to);
    record("rename", from, to, pathId(from));
    return real(from, to);
}

extern "C" int renameat2(int fromFolder, const char *from, int toFolder, const char *to,
                         unsigned int flags)
{
    static const auto real = next<RenameAt2>("renameat2");
    appearBefore(to);
    record("renameat2", from, to, pathId(from));
    if (const int code = errorNamed(setting("KX_RENAMEAT2_ERROR")))
        return refuse(code);
    return real(fromFolder, from, toFolder, to, flags);
}

extern "C" int link(const char *from, const char *to)
{
    static const auto real = next<Rename>("link");
    appearBefore(to);
    record("link", from, to, pathId(from));
    const char *answer = setting("KX_LINK_ERROR");
    if (answer && std::strcmp(answer, "EEXIST after") == 0) {
        const int made = real(from, to);
        return made == 0 ? refuse(EEXIST) : made;
    }
    if (const int code = errorNamed(answer))
        return refuse(code);
    return real(from, to);
}

extern "C" int chmod(const char *path, mode_t mode)
{
    static const auto real = next<int (*)(const char *, mode_t)>("chmod");
    record("chmod", path, {}, pathId(path));
    return real(path, mode);
}

extern "C" int fchmod(int handle, mode_t mode)
{
    static const auto real = next<int (*)(int, mode_t)>("fchmod");
    record("chmod", pathOf(handle), {}, handleId(handle));
    return real(handle, mode);
}

extern "C" int chown(const char *path, uid_t owner, gid_t group)
{
    static const auto real = next<int (*)(const char *, uid_t, gid_t)>("chown");
    record("chown", path, {}, pathId(path));
    return real(path, owner, group);
}

extern "C" int fchown(int handle, uid_t owner, gid_t group)
{
    static const auto real = next<int (*)(int, uid_t, gid_t)>("fchown");
    record("chown", pathOf(handle), {}, handleId(handle));
    return real(handle, owner, group);
}

extern "C" int unlink(const char *path)
{
    static const auto real = next<Unlink>("unlink");
    record("unlink", path, {}, pathId(path));
    return real(path);
}

extern "C" int unlinkat(int folder, const char *path, int flags)
{
    static const auto real = next<UnlinkAt>("unlinkat");
    record("unlink", path, {}, pathId(path));
    return real(folder, path, flags);
}
