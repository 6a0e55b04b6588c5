// scrpack: inspects the package that a screensaver file carries.
//
//   scrpack list FILE              the directory: name, start and size of each table
//   scrpack dump FILE [TABLE...]   the tables with their fields and records, as JSON
#include "PackageReport.h"

#include <iostream>
#include <string>
#include <vector>

namespace {
int Usage()
{
    std::cerr << "usage: scrpack list FILE\n"
                 "       scrpack dump FILE [TABLE...]\n";
    return 64;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return Usage();
    const std::string command = argv[1];
    const std::string path = argv[2];
    if (command == "list" && argc == 3) return ListPackage(path, std::cout, std::cerr);
    if (command == "dump")
        return DumpPackage(path, std::vector<std::string>(argv + 3, argv + argc), std::cout, std::cerr);
    return Usage();
}
