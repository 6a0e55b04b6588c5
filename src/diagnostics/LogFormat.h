// How the diagnostic log's lines look.
#pragma once

#include "../platform/System.h"

#include <cstdarg>
#include <cstdint>
#include <string>

// Longest message and longest source name that a log line carries; longer ones are cut.
constexpr std::size_t kLogMessageMax = 1023;
constexpr std::size_t kLogSourceNameMax = 39;

// The part of a source file name after its last "\" or "/", cut to kLogSourceNameMax characters.
std::string LogSourceName(const char* sourceFile);

// "(tick)[source,(line)] : " — the prefix that places a message in the code.
std::string FormatLogLocation(std::int32_t tick, const char* sourceFile, int line);

// "yyyy-mm-dd hh:mm:ss"
std::string FormatLogTimestamp(const LocalDateTime& time);

// "[timestamp] : text\n"
std::string FormatLogLine(const LocalDateTime& time, const std::string& text);

// A printf-style message, cut to kLogMessageMax characters.
std::string FormatLogMessage(const char* format, std::va_list arguments);
