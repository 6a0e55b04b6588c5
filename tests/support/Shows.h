// Small shows for tests: the project record and an empty show, appended to a program image.
#pragma once

#include "../../tools/scrpack/PackageWriter.h"

#include <cstdint>
#include <string>
#include <vector>

// The tables of a show named `projectName`; `runAsProgram` goes into the project's options.
std::vector<PackageTable> ShowTables(const std::string& projectName, std::int32_t runAsProgram = 0);

// The project table alone, with every field the player reads.
PackageTable ProjectTable(const std::string& projectName, std::int32_t runAsProgram = 0);
