#include "../System.h"

#include <time.h>
#include <unistd.h>

#include <climits>

std::string ModuleFileName()
{
    char path[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", path, sizeof path);
    if (n <= 0 || static_cast<size_t>(n) >= sizeof path) return {};
    return std::string(path, static_cast<size_t>(n));
}

std::int32_t TickCount()
{
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ms));
}

LocalDateTime CurrentLocalTime()
{
    time_t now = ::time(nullptr);
    tm local{};
    ::localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

void SleepMilliseconds(unsigned milliseconds)
{
    ::usleep(static_cast<useconds_t>(milliseconds) * 1000u);
}
