// colour_show: writes a show of three solid pictures (red, green, blue), each filling the screen
// and standing a second after its transition, appended to the player.
//   colour_show OUTPUT PLAYER
#include "../../src/settings/ProjectOptions.h"
#include "../../tools/scrpack/BitmapFile.h"
#include "../support/Shows.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: colour_show OUTPUT PLAYER\n";
        return 64;
    }
    ProjectRecord record;
    record.projectName = "Colour Show";
    ProjectOptions project;
    project.mediaEmbedded = 1;
    project.mediaPauseSeconds = 1;
    project.pictureFit = 3;  // each picture covers the screen
    project.backgroundPerPicture = 1;
    record.options = project.ToBytes();
    std::vector<PackageTable> tables{ProjectTable(record), SettingTable(), MediaTable()};

    const struct {
        const char* name;
        std::uint32_t colour;  // 0x00BBGGRR
    } pictures[] = {{"red.bmp", 0x1E1EDC}, {"green.bmp", 0x3CC81E}, {"blue.bmp", 0xE63C28}};
    for (const auto& picture : pictures) {
        ShowItem item;
        item.filename = picture.name;
        item.options.transitionsOn = 1;
        item.options.backgroundSolidAllowed = 1;
        item.effectList = "120;123;";  // quick stretches
        AddShowItem(tables[1], item);
        const std::uint32_t colour = picture.colour;
        tables[2].AddRecord({PackageValue::Text(picture.name),
                             PackageValue::Bytes(MakeBitmapFile(64, 64, [colour](int, int) { return colour; }))});
    }
    if (AppendPackage(argv[2], tables, argv[1])) return 0;
    std::cerr << "colour_show: cannot write " << argv[1] << "\n";
    return 1;
}
