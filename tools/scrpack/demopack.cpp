// demopack: writes the demo show as a package appended to a program image.
//
//   demopack OUTPUT [IMAGE [LIBRARY...]]
//
// Without IMAGE (or with "") the package stands alone at offset 0; each LIBRARY is carried as a
// runtime library that the player writes into its temporary folder.
#include "DemoShow.h"

#include <algorithm>
#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::cerr << "usage: demopack OUTPUT [IMAGE [LIBRARY...]]\n";
        return 64;
    }
    try {
        const std::vector<std::string> libraries(argv + std::min(argc, 3), argv + argc);
        if (AppendPackage(argc >= 3 ? argv[2] : "", DemoShowTables(libraries), argv[1])) return 0;
        std::cerr << "demopack: cannot write " << argv[1] << "\n";
    } catch (const std::exception& e) {
        std::cerr << "demopack: " << e.what() << "\n";
    }
    return 1;
}
