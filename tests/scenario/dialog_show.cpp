// dialog_show: writes a show for the dialogs' scenario and screenshots: a project with a stored
// dialog picture, the publisher's page and image items, appended to the player; no show items.
//   dialog_show OUTPUT PLAYER
#include "../../src/settings/ProjectOptions.h"
#include "../../tools/scrpack/BitmapFile.h"
#include "../../tools/scrpack/PlayerTables.h"

#include <cmath>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: dialog_show OUTPUT PLAYER\n";
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
    if (AppendPackage(argv[2], {ProjectTable(record), SettingTable(), MediaTable()}, argv[1])) return 0;
    std::cerr << "dialog_show: cannot write " << argv[1] << "\n";
    return 1;
}
