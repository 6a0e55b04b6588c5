#include "LogFormat.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

std::string LogSourceName(const char* sourceFile)
{
    const char* base = sourceFile;
    for (const char* p = sourceFile; *p; ++p)
        if (*p == '\\' || *p == '/') base = p + 1;
    return std::string(base, strnlen(base, kLogSourceNameMax));
}

std::string FormatLogLocation(std::int32_t tick, const char* sourceFile, int line)
{
    char prefix[96];
    std::snprintf(prefix, sizeof prefix, "(%d)[%s,(%d)] : ", static_cast<int>(tick), LogSourceName(sourceFile).c_str(),
                  line);
    return prefix;
}

std::string FormatLogTimestamp(const LocalDateTime& time)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", time.year, time.month, time.day, time.hour,
                  time.minute, time.second);
    return text;
}

std::string FormatLogLine(const LocalDateTime& time, const std::string& text)
{
    return "[" + FormatLogTimestamp(time) + "] : " + text + "\n";
}

std::string FormatLogMessage(const char* format, std::va_list arguments)
{
    char buffer[kLogMessageMax + 1];
    const int n = std::vsnprintf(buffer, sizeof buffer, format, arguments);
    if (n < 0) return {};
    return std::string(buffer, std::min<std::size_t>(static_cast<std::size_t>(n), kLogMessageMax));
}
