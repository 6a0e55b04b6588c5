// The system's install command for screensaver files, made for one file.
#pragma once

#include <string>
#include <string_view>

// `commandTemplate` with every "%l" (lower case only) replaced by `path`.
std::string ExpandInstallCommand(std::string_view commandTemplate, std::string_view path);
