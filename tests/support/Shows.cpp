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
