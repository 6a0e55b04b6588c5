#include "Shows.h"

#include "../../src/package/Convert.h"

PackageTable ProjectTable(const std::string& projectName, std::int32_t runAsProgram)
{
    std::vector<std::uint8_t> options(80);
    WriteLE32(&options[8], static_cast<std::uint32_t>(runAsProgram));
    PackageTable project("project", {{"data"},
                                     {"appname"},
                                     {"homesite"},
                                     {"projectname"},
                                     {"dialogpicture"},
                                     {"authorname"},
                                     {"authorwebsite"},
                                     {"authoremail"},
                                     {"version"},
                                     {"copyright"},
                                     {"description"},
                                     {"banner", true}});
    auto text = PackageValue::Text;
    project.AddRecord({PackageValue::Bytes(options), text("tests"), text(""), text(projectName), text(""),
                       text("Tester"), text(""), text(""), text("1.0"), text(""), text("A test show"), text("")});
    return project;
}

std::vector<PackageTable> ShowTables(const std::string& projectName, std::int32_t runAsProgram)
{
    return {ProjectTable(projectName, runAsProgram), PackageTable("setting", {{"data"}, {"filename"}}),
            PackageTable("media", {{"name"}, {"media", true}})};
}
