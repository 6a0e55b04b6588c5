#include "FileLog.h"

#include "../platform/File.h"
#include "../platform/System.h"
#include "LogFormat.h"

#include <cstdarg>

CFileLog* g_fileLog = nullptr;

namespace {
const char kLogFileName[] = "vesk.log";
const char kBeginBanner[] = "----------------------------Begin-----------------------------";
const char kEndBanner[] = "----------------------------End-------------------------------";
}  // namespace

CFileLog::CFileLog() : CFileLog(ModuleFileName()) {}

CFileLog::CFileLog(const std::string& modulePath)
{
    const auto folderEnd = modulePath.find_last_of("\\/");
    if (folderEnd == std::string::npos) return;
    const std::string path = modulePath.substr(0, folderEnd + 1) + kLogFileName;
    // The log is never created: its presence is the switch that turns logging on.
    if (!FileExists(path)) return;
    stream.reset(std::fopen(path.c_str(), "a"));
    if (!stream) return;
    std::fseek(stream.get(), 0, SEEK_END);
    WriteLine(kBeginBanner);
}

CFileLog::~CFileLog()
{
    if (stream) WriteLine(kEndBanner);
}

void CFileLog::Location(const char* sourceFile, int line)
{
    if (!stream) return;
    if (capture) {
        pending = {sourceFile, line, {}};
        return;
    }
    std::fputs(FormatLogLocation(TickCount(), sourceFile, line).c_str(), stream.get());
}

void CFileLog::Printf(const char* format, ...)
{
    if (!stream) return;
    std::va_list arguments;
    va_start(arguments, format);
    const std::string message = FormatLogMessage(format, arguments);
    va_end(arguments);
    if (message.empty()) return;
    if (capture)
        capture->push_back({pending.sourceFile, pending.line, message});
    else
        WriteLine(message);
}

void CFileLog::Replay(const std::vector<HeldLine>& lines)
{
    for (const HeldLine& held : lines) {
        Location(held.sourceFile, held.line);
        WriteLine(held.message);
    }
}

LogCapture::LogCapture(std::vector<CFileLog::HeldLine>& lines)
{
    if (g_fileLog) g_fileLog->Capture(&lines);
}

LogCapture::~LogCapture()
{
    if (g_fileLog) g_fileLog->Capture(nullptr);
}

void CFileLog::WriteLine(const std::string& text)
{
    if (!stream) return;
    std::fputs(FormatLogLine(CurrentLocalTime(), text).c_str(), stream.get());
    std::fflush(stream.get());
}
