// The demo show: a package of generated pictures in the tables that the player reads.
#pragma once

#include "PackageWriter.h"

#include <vector>

std::vector<PackageTable> DemoShowTables();
