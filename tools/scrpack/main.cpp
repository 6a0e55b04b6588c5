// scrpack: makes screensavers from a manifest, takes them apart, and inspects their package.
//
//   scrpack build MANIFEST -o FILE.scr [--player player.scr]
//                                  the show of the manifest packed behind the player (alone without it)
//   scrpack extract FILE DIR       the package's files and DIR/show.json, which builds it again
//   scrpack list FILE              the directory: name, start and size of each table
//   scrpack dump FILE [TABLE...]   the tables with their fields and records, as JSON
#include "PackageReport.h"
#include "ShowBuild.h"
#include "ShowExtract.h"

#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#else
#include <unistd.h>
#endif

namespace {
int Usage()
{
    std::cerr << "usage: scrpack build MANIFEST -o FILE.scr [--player player.scr]\n"
                 "       scrpack extract FILE DIR\n"
                 "       scrpack list FILE\n"
                 "       scrpack dump FILE [TABLE...]\n";
    return 64;
}

int Build(int argc, char** argv)
{
    std::string output, player;
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) return Usage();
        if (option == "-o")
            output = argv[++i];
        else if (option == "--player")
            player = argv[++i];
        else
            return Usage();
    }
    if (output.empty()) return Usage();
    return BuildShow(argv[2], output, player, std::cout, std::cerr, isatty(2) != 0);
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) return Usage();
    const std::string command = argv[1];
    const std::string path = argv[2];
    if (command == "build") return Build(argc, argv);
    if (command == "extract" && argc == 4) return ExtractShow(path, argv[3], std::cout, std::cerr);
    if (command == "list" && argc == 3) return ListPackage(path, std::cout, std::cerr);
    if (command == "dump")
        return DumpPackage(path, std::vector<std::string>(argv + 3, argv + argc), std::cout, std::cerr);
    return Usage();
}
