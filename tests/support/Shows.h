// Small shows for tests: the project record and an empty show.
#pragma once

#include "../../tools/scrpack/PlayerTables.h"

#include <cstdint>
#include <string>
#include <vector>

// The tables of a show named `projectName`; `runAsProgram` goes into the project's options.
std::vector<PackageTable> ShowTables(const std::string& projectName, std::int32_t runAsProgram = 0);
