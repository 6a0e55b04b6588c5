#include "Shows.h"

#include "../../src/package/Convert.h"

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
