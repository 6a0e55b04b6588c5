#include "PlayerLog.h"

#include "TempDir.h"

#include <sstream>

const char kLogBegin[] = "----------------------------Begin-----------------------------";
const char kLogEnd[] = "----------------------------End-------------------------------";

std::vector<std::string> LogMessages(const std::string& path)
{
    std::vector<std::string> messages;
    std::istringstream log(ReadFileText(path));
    for (std::string line; std::getline(log, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto stamp = line.find("] : [");
        const auto start = line.find("] : ", stamp == std::string::npos ? 0 : stamp + 4);
        messages.push_back(start == std::string::npos ? line : line.substr(start + 4));
    }
    return messages;
}
