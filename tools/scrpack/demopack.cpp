// demopack: writes the demo show as a package appended to a program image.
//
//   demopack OUTPUT [IMAGE]     without IMAGE the package stands alone at offset 0
#include "DemoShow.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: demopack OUTPUT [IMAGE]\n";
        return 64;
    }
    try {
        if (AppendPackage(argc == 3 ? argv[2] : "", DemoShowTables(), argv[1])) return 0;
        std::cerr << "demopack: cannot write " << argv[1] << "\n";
    } catch (const std::exception& e) {
        std::cerr << "demopack: " << e.what() << "\n";
    }
    return 1;
}
