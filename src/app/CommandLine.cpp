#include "CommandLine.h"

#include <cctype>

namespace {
bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Reads leading decimal digits at `at`; none gives 0. Larger numbers wrap like a 32-bit handle.
std::uint32_t ReadNumber(std::string_view text, std::size_t at)
{
    std::uint32_t value = 0;
    for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at)
        value = value * 10u + std::uint32_t(text[at] - '0');
    return value;
}

std::size_t SkipBlanksAndColons(std::string_view text, std::size_t at)
{
    while (at < text.size() && (IsBlank(text[at]) || text[at] == ':'))
        ++at;
    return at;
}
}  // namespace

const char* StartModeText(TScrMode mode)
{
    switch (mode) {
        case smConfigure:
            return "start mode : Configure";
        case smChangePassword:
            return "start mode : change password";
        case smPreview:
            return "start mode : Preview in small screen";
        case smSaver:
            return "start mode : Normal or Press Preview button!";
        case smProgram:
            return "start mode : run as an exe file";
        default:
            return nullptr;
    }
}

std::vector<std::string> CommandLineArguments(std::string_view line)
{
    std::vector<std::string> arguments;
    std::size_t at = 0;
    for (;;) {
        while (at < line.size() && static_cast<unsigned char>(line[at]) <= ' ')
            ++at;
        if (at >= line.size()) return arguments;
        std::string argument;
        bool quoted = false;
        for (; at < line.size() && (quoted || static_cast<unsigned char>(line[at]) > ' '); ++at) {
            if (line[at] == '"')
                quoted = !quoted;
            else
                argument += line[at];
        }
        arguments.push_back(std::move(argument));
    }
}

ModeArgument ParseModeArgument(std::string_view line, TScrMode current)
{
    // Step over the program name: quoted up to its closing quote, otherwise up to the first blank.
    std::size_t at = 0;
    if (!line.empty() && line[0] == '"') {
        at = line.find('"', 1);
    } else {
        at = 0;
        while (at < line.size() && !IsBlank(line[at]))
            ++at;
    }
    if (at == std::string_view::npos) at = line.size();
    if (at < line.size()) ++at;

    while (at < line.size() && IsBlank(line[at]))
        ++at;
    if (at >= line.size()) return {smConfigure, 0, false};
    if (line[at] == '-' || line[at] == '/') ++at;
    if (at >= line.size()) return {current, 0, false};

    switch (std::tolower(static_cast<unsigned char>(line[at]))) {
        case 'p':
        case 'l':
            return {smPreview, ReadNumber(line, SkipBlanksAndColons(line, at + 1)), false};
        case 's':
            return {smSaver, 0, false};
        case 'c': {
            const std::size_t number = SkipBlanksAndColons(line, at + 1);
            if (number >= line.size()) return {smConfigure, 0, true};
            return {smConfigure, ReadNumber(line, number), false};
        }
        case 'a':
            return {smChangePassword, ReadNumber(line, SkipBlanksAndColons(line, at + 1)), false};
        default:
            return {current, 0, false};
    }
}

bool IsProgramFileName(std::string_view path)
{
    std::string lower(path);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower.find(".exe") != std::string::npos;
}
