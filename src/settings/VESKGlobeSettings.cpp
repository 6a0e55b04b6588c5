#include "VESKGlobeSettings.h"

#include "../package/XMLDb.h"

void CVESKGlobeSettings::OpenTable()
{
    projectTable.SetLoadBinaryFields(false);
    if (database) projectTable.Open(*database, "project");
}

void CVESKGlobeSettings::Load()
{
    std::uint8_t block[ProjectOptions::kSize] = {};
    const std::size_t size = projectTable.ReadRaw("data", block, sizeof block);
    options = ProjectOptions::FromBytes(block, size);

    appName = projectTable.ReadText("appname");
    homeSite = projectTable.ReadText("homesite");
    projectName = projectTable.ReadText("projectname");
    authorName = projectTable.ReadText("authorname");
    authorWebsite = projectTable.ReadText("authorwebsite");
    version = projectTable.ReadText("version");
    authorEmail = projectTable.ReadText("authoremail");
    description = projectTable.ReadText("description");
}
