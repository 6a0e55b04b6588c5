// demopictures: the demo's landscape pictures, computed, as Windows bitmaps.
//
//   demopictures FOLDER
//       writes sunrise.bmp, lake.bmp, ... into FOLDER and prints one line per picture: its path and
//       the format the demo stores it in (jpg, png, gif, tif or bmp), separated by a tab
#include "DemoPictures.h"
#include "BitmapFile.h"

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: demopictures FOLDER\n";
        return 64;
    }
    for (const DemoPicture& picture : DemoPictures()) {
        const auto bytes = MakeBitmapFile(picture.width, picture.height, [&picture](int x, int y) {
            return picture.pixel(x, y, picture.width, picture.height);
        });
        const std::string path = std::string(argv[1]) + "/" + picture.stem + ".bmp";
        std::ofstream out(path, std::ios::binary);
        if (!out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) {
            std::cerr << "demopictures: cannot write " << path << "\n";
            return 1;
        }
        std::cout << path << "\t" << picture.format << "\n";
    }
    return 0;
}
