// The demo show: a package of generated pictures in the tables that the player reads.
#pragma once

#include "PackageWriter.h"

#include <string>
#include <vector>

// `runtimeLibraries`: files the player writes into its temporary folder before the show (the
// image library among them), stored under their file names.
std::vector<PackageTable> DemoShowTables(const std::vector<std::string>& runtimeLibraries = {});
