// demomedia: the demo's media, computed: its landscape pictures as Windows bitmaps, a video of
// drifting colour bands and two tones for the background music.
//
//   demomedia FOLDER
//       writes sunrise.bmp, lake.bmp, ... bands.avi, low.wav and high.wav into FOLDER, and prints a
//       line per picture: its path and the format the demo stores it in (jpg, png, gif, tif or bmp),
//       separated by a tab
#include "BitmapFile.h"
#include "DemoPictures.h"
#include "MediaFiles.h"

#include <fstream>
#include <iostream>
#include <string>

namespace {
bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    if (out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))) return true;
    std::cerr << "demomedia: cannot write " << path << "\n";
    return false;
}
}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: demomedia FOLDER\n";
        return 64;
    }
    const std::string folder = std::string(argv[1]) + "/";
    for (const DemoPicture& picture : DemoPictures()) {
        const std::string path = folder + picture.stem + ".bmp";
        if (!WriteFile(path, MakeBitmapFile(picture.width, picture.height, [&picture](int x, int y) {
                           return picture.pixel(x, y, picture.width, picture.height);
                       })))
            return 1;
        std::cout << path << "\t" << picture.format << "\n";
    }
    // Six seconds of colour bands drifting across, at 25 frames a second.
    const auto bands = [](int frame, int x, int y) {
        const int band = ((x + 2 * frame) / 20 + y / 40) % 3;
        return band == 0 ? 0x3060C0u : band == 1 ? 0x40A040u : 0xC08030u;
    };
    const bool written = WriteFile(folder + "bands.avi", MakeAviFile(160, 120, 150, 25, bands)) &&
                         WriteFile(folder + "low.wav", MakeWaveFile(4000, 330)) &&
                         WriteFile(folder + "high.wav", MakeWaveFile(3000, 440));
    return written ? 0 : 1;
}
