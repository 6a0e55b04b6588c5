#include "DemoShow.h"

#include "../../src/settings/ProjectOptions.h"
#include "../../src/settings/ShowItemOptions.h"
#include "BitmapFile.h"
#include "DemoPictures.h"
#include "MediaFiles.h"
#include "PlayerTables.h"

#include <string>

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF, kCream = 0xC8F0FF;

// How each item dresses its picture, in the order of the demo pictures.
struct DemoItem {
    const char* title;
    const char* description;
    int background;     // 0 solid, 1 picture, 2 gradient
    int pictureSource;  // for picture backgrounds: 0 desktop, 1 the show's pictures, 2 listed
    int layout;         // picture layout: 0 stretch, 1 centre, 2 tiles
    int titlePosition, descPosition;
    const char* effects;
};

const DemoItem kItems[] = {
    {"Sunrise", "First light over the ridges\r\nA computed landscape", 0, 0, 0, 0, 3, "0;2;4;6;8;10;12;14;16;18;"},
    {"Lake", "Still water, a mirror of the hills", 2, 0, 0, 1, 4, "22;23;"},
    {"Meadow", "Flowers in the grass", 1, 1, 2, 2, 5, "32;33;34;35;36;37;"},
    {"Dunes", "Wind-shaped sand", 1, 0, 0, 6, 3, "120;121;122;123;124;125;126;127;128;"},
    {"Forest", "Trunks in the morning mist", 1, 2, 1, 0, 4, "1;3;5;7;9;11;13;15;17;19;"},
    {"Night", "A city under the moon", 2, 0, 0, 8, 3, "0;22;32;36;120;123;"},
};

ShowItemOptions ItemOptions(const DemoItem& item)
{
    ShowItemOptions o;
    o.titleShown = o.descShown = 1;
    o.titleColor = kWhite;
    o.titleSize = 30;
    o.titlePosition = item.titlePosition;
    o.descColor = kCream;
    o.descSize = 16;
    o.descPosition = item.descPosition;
    o.backgroundSolidAllowed = item.background == 0;
    o.backgroundPictureAllowed = item.background == 1;
    o.backgroundGradientAllowed = item.background == 2;
    o.backgroundColorRandom = 1;
    o.gradientColorsRandom = 1;
    o.pictureBackgroundDesktop = item.pictureSource == 0;
    o.pictureBackgroundOwn = item.pictureSource == 1;
    o.pictureBackgroundListed = item.pictureSource == 2;
    o.pictureBackgroundParam1 = item.layout;
    o.pictureBackgroundParam2 = 6;
    o.transitionsOn = 1;
    o.randomEffect = 1;
    o.effectStep = 12;
    o.mediaType = 0;
    o.musicOn = 1;
    return o;
}

std::string FileName(const std::string& path)
{
    const std::size_t slash = path.find_last_of("/\\");
    return path.substr(slash == std::string::npos ? 0 : slash + 1);
}

// The encoded file given for a picture, or its bitmap computed here, with its stored name.
std::pair<std::string, PackageValue> PictureValue(const DemoPicture& picture, const DemoInputs& inputs)
{
    for (const std::string& path : inputs.pictureFiles) {
        const std::string name = FileName(path);
        if (name.rfind(picture.stem + ".", 0) == 0) return {name, PackageValue::File(path)};
    }
    const auto colour = [&picture](int x, int y) { return picture.pixel(x, y, picture.width, picture.height); };
    return {picture.stem + ".bmp", PackageValue::Bytes(MakeBitmapFile(picture.width, picture.height, colour))};
}

}  // namespace

std::vector<PackageTable> DemoShowTables(const DemoInputs& inputs)
{
    ProjectRecord record;
    record.projectName = "Demo Show";
    record.authorName = "The player's developers";
    record.copyright = "Pictures computed for the demo";
    record.description = "Six computed landscapes";
    ProjectOptions project;
    project.mediaEmbedded = 1;
    project.mediaPauseSeconds = 3;
    project.backgroundPerPicture = 1;  // background, picture and captions change together
    project.pictureFit = 0;            // large pictures shrink, small ones keep their size
    project.hasImageMedia = 1;
    project.musicEmbedded = 1;
    project.musicLoop = 1;
    record.options = project.ToBytes();

    PackageTable setting = SettingTable();
    PackageTable media = MediaTable();
    PackageTable backImages = BackImageTable();
    const std::vector<DemoPicture>& pictures = DemoPictures();
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        const DemoItem& item = kItems[i % std::size(kItems)];
        auto [name, value] = PictureValue(pictures[i], inputs);
        const auto text = [](const std::string& t) { return PackageValue::Text(t); };
        setting.AddRecord({PackageValue::Bytes(ItemOptions(item).ToBytes()), text(name), text(item.title),
                           text("Arial"), text("1;"), text(item.description), text("Arial"), text("2;"),
                           text("0;1;2;3;4;5;6;7;8;9;10;11;"), text(item.effects), text("0;1;"), text(""), text("")});
        media.AddRecord({text(name), std::move(value)});
        // The listed background pictures are stored under another folder; only the name counts.
        if (i < 2) backImages.AddRecord({text("C:\\Demo\\Backgrounds\\" + name)});
    }

    // A video after the pictures: 6 seconds of colour bands drifting across, at twice its size.
    ShowItemOptions video = ItemOptions(kItems[1]);
    video.mediaType = 2;
    video.videoSizeMode = 1;
    video.musicOn = 0;
    const auto text = [](const std::string& t) { return PackageValue::Text(t); };
    setting.AddRecord({PackageValue::Bytes(video.ToBytes()), text("bands.avi"), text("Bands"), text("Arial"),
                       text("1;"), text("A computed video"), text("Arial"), text("2;"), text("0;1;2;3;"), text("0;"),
                       text("0;1;"), text(""), text("")});
    media.AddRecord({text("bands.avi"), PackageValue::Bytes(MakeAviFile(160, 120, 150, 25, [](int f, int x, int y) {
                         const int band = ((x + 2 * f) / 20 + y / 40) % 3;
                         return band == 0 ? 0x3060C0u : band == 1 ? 0x40A040u : 0xC08030u;
                     }))});

    // Background music: two computed tones, round and round; each picture item lets it play.
    PackageTable music = MusicTable();
    music.AddRecord({text("music\\low.wav"), PackageValue::Int(1), PackageValue::Bytes(MakeWaveFile(4000, 330))});
    music.AddRecord({text("music\\high.wav"), PackageValue::Int(1), PackageValue::Bytes(MakeWaveFile(3000, 440))});

    PackageTable libraries = RuntimeLibTable();
    for (const std::string& path : inputs.runtimeLibraries)
        libraries.AddRecord({PackageValue::Text(FileName(path)), PackageValue::File(path)});
    return {ProjectTable(record), std::move(setting),    std::move(music), std::move(media),
            std::move(libraries), std::move(backImages), AccFileTable()};
}
