// libFuzzer target: any command line through the argument splitter and the mode parser, and any
// project name through the settings key rule.
#include "../../src/app/CommandLine.h"
#include "../../src/settings/InstallCommand.h"
#include "../../src/settings/SaverOptions.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string line(reinterpret_cast<const char*>(data), size);
    for (const std::string& argument : CommandLineArguments(line))
        if (argument.size() > line.size()) __builtin_trap();
    const ModeArgument parsed = ParseModeArgument(line, smNone);
    if (parsed.mode < smNone || parsed.mode > smProgram) __builtin_trap();
    if (parsed.foregroundOwner && parsed.mode != smConfigure) __builtin_trap();
    if (SettingsKeyName(line).size() > SettingsKeyToRemove(line).size()) __builtin_trap();
    ExpandInstallCommand(line, "C:\\SHOW~1.SCR");
    IsProgramFileName(line);
    return 0;
}
