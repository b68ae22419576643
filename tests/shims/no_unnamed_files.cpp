// Preloaded into a test's child process: every open with O_TMPFILE fails with EOPNOTSUPP, as on
// a network share or a FAT disk, so that Qt falls back to named temporary files.
#include <cerrno>
#include <cstdarg>

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/types.h>

namespace {

bool unnamed(int flags)
{
    return (flags & O_TMPFILE) == O_TMPFILE;
}

// The mode argument is there only when the flags make a file.
mode_t modeOf(int flags, va_list arguments)
{
    return (flags & O_CREAT) || unnamed(flags) ? mode_t(va_arg(arguments, int)) : mode_t(0);
}

template <typename Function> Function next(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

using Open = int (*)(const char *, int, ...);
using OpenAt = int (*)(int, const char *, int, ...);

int refuse()
{
    errno = EOPNOTSUPP;
    return -1;
}

} // namespace

// Each entry point: the mode comes only with flags that make a file; the call goes on to the
// real function unless it asks for an unnamed file.
#define KX_PASS_ON_UNLESS_UNNAMED(function, Real, parameters, ...)                                 \
    extern "C" int function parameters                                                             \
    {                                                                                              \
        static const auto real = next<Real>(#function);                                            \
        va_list arguments;                                                                         \
        va_start(arguments, flags);                                                                \
        const mode_t mode = modeOf(flags, arguments);                                              \
        va_end(arguments);                                                                         \
        return unnamed(flags) ? refuse() : real(__VA_ARGS__, flags, mode);                         \
    }

KX_PASS_ON_UNLESS_UNNAMED(open, Open, (const char *path, int flags, ...), path)
KX_PASS_ON_UNLESS_UNNAMED(open64, Open, (const char *path, int flags, ...), path)
KX_PASS_ON_UNLESS_UNNAMED(openat, OpenAt, (int folder, const char *path, int flags, ...), folder,
                          path)
KX_PASS_ON_UNLESS_UNNAMED(openat64, OpenAt, (int folder, const char *path, int flags, ...), folder,
                          path)
