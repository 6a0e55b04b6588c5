// scrpack: makes screensavers from a manifest or a folder, takes them apart, and inspects their
// package.
//
//   scrpack build MANIFEST|FOLDER -o FILE.scr [--player player.scr] [--fit WxH]
//                 [--order name|taken] [--manifest-out show.json]
//                                  the show packed behind the player (alone without it)
//   scrpack extract FILE DIR       the package's files and DIR/show.json, which builds it again
//   scrpack list FILE              the directory: name, start and size of each table
//   scrpack dump FILE [TABLE...]   the tables with their fields and records, as JSON
#include "PackageReport.h"
#include "ShowBuild.h"
#include "ShowExtract.h"

#include <filesystem>
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
int Usage(const std::string& problem = {})
{
    if (!problem.empty()) std::cerr << "scrpack: " << problem << "\n";
    std::cerr << "usage: scrpack build MANIFEST|FOLDER -o FILE.scr [--player player.scr] [--fit WIDTHxHEIGHT]\n"
                 "                     [--order name|taken] [--manifest-out show.json]\n"
                 "       scrpack extract FILE DIR\n"
                 "       scrpack list FILE\n"
                 "       scrpack dump FILE [TABLE...]\n";
    return 64;
}

int Build(int argc, char** argv)
{
    BuildRequest request;
    request.source = argv[2];
    bool ordered = false;
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        if (i + 1 >= argc) return Usage();
        const std::string value = argv[++i];
        if (option == "-o") {
            request.output = value;
        } else if (option == "--player") {
            request.player = value;
        } else if (option == "--fit") {
            PictureSize box;
            if (!ParseFitBox(value, box)) return Usage("--fit: must be a box WIDTHxHEIGHT such as 3840x2160");
            request.fit = box;
        } else if (option == "--order" && (value == "name" || value == "taken")) {
            request.order = value == "taken" ? FolderOrder::Taken : FolderOrder::Name;
            ordered = true;
        } else if (option == "--manifest-out") {
            request.manifestOut = value;
        } else {
            return Usage();
        }
    }
    if (request.output.empty()) return Usage();
    const bool folder = std::filesystem::is_directory(request.source);
    if (!folder && (ordered || !request.manifestOut.empty()))
        return Usage("--order and --manifest-out go with a folder; a manifest gives its own order");
    request.progress = isatty(2) != 0;
    return BuildShow(request, std::cout, std::cerr);
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
