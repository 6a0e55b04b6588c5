// The demo show: a package of landscape pictures in the tables that the player reads, each item
// with another background kind, caption places and transition family.
#pragma once

#include "PackageWriter.h"

#include <string>
#include <vector>

struct DemoInputs {
    // Encoded pictures named after the demo pictures (sunrise.jpg, meadow.png, ...); a picture
    // without a file is stored as a bitmap computed here.
    std::vector<std::string> pictureFiles;
    // Files the player writes into its temporary folder before the show (the image library).
    std::vector<std::string> runtimeLibraries;
};

std::vector<PackageTable> DemoShowTables(const DemoInputs& inputs = {});
