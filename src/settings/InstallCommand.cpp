#include "InstallCommand.h"

std::string ExpandInstallCommand(std::string_view commandTemplate, std::string_view path)
{
    std::string command;
    for (std::size_t at = 0; at < commandTemplate.size();) {
        if (commandTemplate.compare(at, 2, "%l") == 0) {
            command += path;
            at += 2;
        } else {
            command += commandTemplate[at++];
        }
    }
    return command;
}
