// demopack: the demo show.
//
//   demopack OUTPUT [IMAGE] [--library FILE]... [--picture FILE]...
//       writes the demo show as a package appended to IMAGE (alone at offset 0 without it); each
//       --library is carried as a runtime library, each --picture replaces the computed bitmap of
//       the demo picture of its name (sunrise.jpg, meadow.png, ...)
//   demopack --bitmaps FOLDER
//       writes the demo pictures as bitmaps into FOLDER (to be converted into other formats)
#include "BitmapFile.h"
#include "DemoPictures.h"
#include "DemoShow.h"

#include <exception>
#include <fstream>
#include <iostream>
#include <string>

namespace {

int Usage()
{
    std::cerr << "usage: demopack OUTPUT [IMAGE] [--library FILE]... [--picture FILE]...\n"
                 "       demopack --bitmaps FOLDER\n";
    return 64;
}

int WriteBitmaps(const std::string& folder)
{
    for (const DemoPicture& picture : DemoPictures()) {
        const auto bytes = MakeBitmapFile(picture.width, picture.height, [&picture](int x, int y) {
            return picture.pixel(x, y, picture.width, picture.height);
        });
        const std::string path = folder + "/" + picture.stem + ".bmp";
        std::ofstream out(path, std::ios::binary);
        if (!out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
            std::cerr << "demopack: cannot write " << path << "\n";
            return 1;
        }
        std::cout << path << "\t" << picture.format << "\n";
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::string(argv[1]) == "--bitmaps") return WriteBitmaps(argv[2]);
    if (argc < 2 || argv[1][0] == '-') return Usage();
    std::string image;
    DemoInputs inputs;
    for (int i = 2; i < argc; ++i) {
        const std::string argument = argv[i];
        if ((argument == "--library" || argument == "--picture") && i + 1 < argc)
            (argument == "--library" ? inputs.runtimeLibraries : inputs.pictureFiles).push_back(argv[++i]);
        else if (argument[0] != '-' && image.empty() && i == 2)
            image = argument;
        else
            return Usage();
    }
    try {
        if (AppendPackage(image, DemoShowTables(inputs), argv[1])) return 0;
        std::cerr << "demopack: cannot write " << argv[1] << "\n";
    } catch (const std::exception& e) {
        std::cerr << "demopack: " << e.what() << "\n";
    }
    return 1;
}
