// The player's vesk.log as tests read it: its messages without tick counts, sources and times.
#pragma once

#include <string>
#include <vector>

extern const char kLogBegin[];
extern const char kLogEnd[];

// The messages of the log at `path`, one per line, in order; none when it is missing.
std::vector<std::string> LogMessages(const std::string& path);
