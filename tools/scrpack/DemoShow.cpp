#include "DemoShow.h"

#include "BitmapFile.h"
#include "PlayerTables.h"

#include <string>

namespace {
constexpr std::size_t kShowItemOptionsSize = 164;

std::uint32_t Rgb(int r, int g, int b)
{
    return std::uint32_t(r) | std::uint32_t(g) << 8 | std::uint32_t(b) << 16;
}

struct DemoPicture {
    const char* name;
    const char* title;
    const char* description;
    int width, height;
    std::uint32_t (*colour)(int x, int y, int w, int h);
};

const DemoPicture kPictures[] = {
    {"dawn.bmp", "Dawn", "A sky before sunrise", 640, 480,
     [](int, int y, int, int h) { return Rgb(40 + 200 * y / h, 60 + 100 * y / h, 140 - 80 * y / h); }},
    {"meadow.bmp", "Meadow", "Green hills under a blue sky", 800, 600,
     [](int x, int y, int w, int h) {
         return y < h / 2 ? Rgb(90, 150, 230) : Rgb(40 + 60 * x / w, 140 + 80 * (y - h / 2) / h, 50);
     }},
    {"tiles.bmp", "Tiles", "A checkerboard in warm colours", 400, 300,
     [](int x, int y, int, int) { return ((x / 50 + y / 50) % 2) ? Rgb(200, 90, 40) : Rgb(250, 220, 160); }},
};

PackageValue Zeros(std::size_t size)
{
    return PackageValue::Bytes(std::vector<std::uint8_t>(size));
}
PackageValue Text(const char* text)
{
    return PackageValue::Text(text);
}
}  // namespace

std::vector<PackageTable> DemoShowTables(const std::vector<std::string>& runtimeLibraries)
{
    ProjectRecord record;
    record.projectName = "Demo Show";
    record.authorName = "The player's developers";
    record.copyright = "Pictures generated for the demo";
    record.description = "Three generated pictures";

    PackageTable setting = SettingTable();
    PackageTable media = MediaTable();
    for (const DemoPicture& picture : kPictures) {
        setting.AddRecord({Zeros(kShowItemOptionsSize), Text(picture.name), Text(picture.title), Text("Arial"),
                           Text("1;"), Text(picture.description), Text("Arial"), Text("2;"), Text("0;1;2;"),
                           Text("0;1;2;3;"), Text(""), Text(""), Text("")});
        auto colour = [&picture](int x, int y) { return picture.colour(x, y, picture.width, picture.height); };
        media.AddRecord(
            {Text(picture.name), PackageValue::Bytes(MakeBitmapFile(picture.width, picture.height, colour))});
    }
    PackageTable libraries = RuntimeLibTable();
    for (const std::string& path : runtimeLibraries) {
        const std::size_t slash = path.find_last_of("/\\");
        libraries.AddRecord(
            {Text(path.substr(slash == std::string::npos ? 0 : slash + 1).c_str()), PackageValue::File(path)});
    }
    return {ProjectTable(record), std::move(setting), MusicTable(),  std::move(media),
            std::move(libraries), BackImageTable(),   AccFileTable()};
}
