#include "Shows.h"

#include "../../src/package/Convert.h"
#include "../../src/settings/ProjectOptions.h"
#include "../../tools/scrpack/BitmapFile.h"

std::vector<PackageTable> ShowTables(const std::string& projectName, std::int32_t runAsProgram)
{
    ProjectRecord record;
    record.projectName = projectName;
    record.description = "A test show";
    WriteLE32(&record.options[8], static_cast<std::uint32_t>(runAsProgram));
    return {ProjectTable(record), SettingTable(), MediaTable()};
}

void AddShowItem(PackageTable& settingTable, const ShowItem& item)
{
    const auto text = [](const std::string& value) { return PackageValue::Text(value); };
    settingTable.AddRecord({PackageValue::Bytes(item.options.ToBytes()), text(item.filename), text(item.title),
                            text(""), text(item.titleFontStyle), text(item.desc), text(""), text(item.descFontStyle),
                            text(item.gradientString), text(item.effectList), text(item.backgroundList),
                            text(item.bindSound), text("")});
}

std::vector<PackageTable> ColourShowTables()
{
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
    return tables;
}
