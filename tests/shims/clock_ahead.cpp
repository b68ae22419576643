// Preloaded into a test's child process: its wall clock runs KX_CLOCK_AHEAD seconds ahead of
// the kernel's, which still dates the files, as on a computer whose clock is wrong.
#include <cstdlib>
#include <ctime>

#include <dlfcn.h>
#include <sys/time.h>

namespace {

time_t ahead()
{
    static const time_t seconds = [] {
        const char *value = std::getenv("KX_CLOCK_AHEAD");
        return value ? time_t(std::atoll(value)) : time_t(0);
    }();
    return seconds;
}

template <typename Function> Function next(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int clock_gettime(clockid_t clock, struct timespec *time)
{
    static const auto real = next<int (*)(clockid_t, struct timespec *)>("clock_gettime");
    const int result = real(clock, time);
    if (result == 0 && time && (clock == CLOCK_REALTIME || clock == CLOCK_REALTIME_COARSE))
        time->tv_sec += ahead();
    return result;
}

extern "C" int gettimeofday(struct timeval *__restrict time, void *__restrict zone)
{
    static const auto real = next<int (*)(struct timeval *, void *)>("gettimeofday");
    const int result = real(time, zone);
    if (result == 0 && time)
        time->tv_sec += ahead();
    return result;
}

extern "C" time_t time(time_t *stored)
{
    static const auto real = next<time_t (*)(time_t *)>("time");
    const time_t now = real(nullptr) + ahead();
    if (stored)
        *stored = now;
    return now;
}
