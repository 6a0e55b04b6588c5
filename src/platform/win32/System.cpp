#include "../System.h"

#include <windows.h>

std::string ModuleFileName()
{
    char path[MAX_PATH];
    DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return {};
    return std::string(path, n);
}

std::int32_t TickCount()
{
    return static_cast<std::int32_t>(::GetTickCount());
}

LocalDateTime CurrentLocalTime()
{
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

void SleepMilliseconds(unsigned milliseconds)
{
    ::Sleep(milliseconds);
}
