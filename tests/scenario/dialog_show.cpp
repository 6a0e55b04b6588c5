// dialog_show: writes a show for the dialogs' scenarios and screenshots: a project with a stored
// dialog picture, the publisher's page and image items, appended to the player; no show items.
// With "long", the project's name (60 characters), version (30) and web address (80) are long and
// the show has two pictures, which the transition preview plays on.
//   dialog_show OUTPUT PLAYER [long]
#include "../../src/settings/ProjectOptions.h"
#include "../../tools/scrpack/BitmapFile.h"
#include "../../tools/scrpack/PlayerTables.h"
#include "../support/Shows.h"

#include <cmath>
#include <functional>
#include <iostream>
#include <string>
#include <utility>

int main(int argc, char** argv)
{
    const bool longTexts = argc == 4 && std::string(argv[3]) == "long";
    if (argc != 3 && !longTexts) {
        std::cerr << "usage: dialog_show OUTPUT PLAYER [long]\n";
        return 64;
    }
    ProjectRecord record;
    record.projectName = "Dialog Show";
    record.authorName = "The player's developers";
    record.authorWebsite = "http://localhost/";
    record.authorEmail = "player@localhost";
    record.version = "1.0";
    record.copyright = "Computed pictures, no rights reserved";
    record.description = "A show that has no items: it is here for its dialogs.\nSecond line of the description.";
    record.dialogPicture = "banner.bmp";
    // A tall banner: an evening sky over a dark hill.
    record.banner = PackageValue::Bytes(MakeBitmapFile(152, 400, [](int x, int y) {
        const double hill = 300 + 30 * std::sin(x / 24.0);
        if (y > hill) return std::uint32_t(0x1E3A14);
        const auto k = static_cast<std::uint32_t>(y * 200 / 400);
        return (0x60u + k / 3) << 16 | (0x30u + k / 2) << 8 | (0x20u + k);
    }));
    ProjectOptions options;
    options.showDialogPicture = 1;
    options.showPublisher = 1;
    options.hasImageMedia = 1;
    options.mediaEmbedded = 1;
    record.options = options.ToBytes();
    PackageTable items = SettingTable(), media = MediaTable();
    if (longTexts) {
        record.projectName = "Long Named Show of Pictures Taken on a Walk Along the Canal.";
        record.version = "2024.11.30-beta.7+build.123456";
        record.authorWebsite = "http://pictures.example.org/walks/along-the-old-canal/autumn/index-of-all-1.html";
        record.description = "Two computed pictures: a sunrise over water and a field of poppies.";
        // A sunrise over water and a field of poppies, 640 x 400.
        const std::pair<const char*, std::function<std::uint32_t(int, int)>> pictures[] = {
            {"sunrise.bmp",
             [](int x, int y) {
                 if (y > 250) return std::uint32_t(0x803010 + ((y + x / 40) % 12 < 3 ? 0x202020 : 0));
                 const bool sun = (x - 320) * (x - 320) + (y - 240) * (y - 240) < 60 * 60;
                 return sun ? 0x40E0FFu : static_cast<std::uint32_t>(0x3050A0 + (y / 4) * 0x000102);
             }},
            {"poppies.bmp", [](int x, int y) {
                 if (y < 140) return std::uint32_t(0xE0B070);
                 const bool poppy = ((x * 7 + y * 13) % 97) < 9;
                 return poppy ? 0x1010E0u : static_cast<std::uint32_t>(0x208040 + ((x / 5 + y / 3) % 4) * 0x000800);
             }}};
        for (const auto& [name, colour] : pictures) {
            ShowItem item;
            item.filename = name;
            item.title = name == "sunrise.bmp" ? "A sunrise over the water" : "A field of poppies";
            item.desc = "Computed, 640 x 400";
            item.options.titleShown = item.options.descShown = 1;
            item.options.titleColor = item.options.descColor = 0xFFFFFF;
            item.options.titleSize = 28;
            item.options.descSize = 16;
            item.options.descPosition = 3;  // bottom centre
            item.options.backgroundSolidAllowed = 1;
            item.options.transitionsOn = 1;
            item.effectList = "22;";
            AddShowItem(items, item);
            media.AddRecord({PackageValue::Text(name), PackageValue::Bytes(MakeBitmapFile(640, 400, colour))});
        }
    }
    if (AppendPackage(argv[2], {ProjectTable(record), std::move(items), std::move(media)}, argv[1])) return 0;
    std::cerr << "dialog_show: cannot write " << argv[1] << "\n";
    return 1;
}
