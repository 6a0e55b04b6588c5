#include "PlayerTables.h"

PackageTable ProjectTable(const ProjectRecord& r)
{
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
                                     {"banner", true},
                                     {"projectpath"},
                                     {"aboutpicture"},
                                     {"projectdesc"}});
    auto text = PackageValue::Text;
    project.AddRecord({PackageValue::Bytes(r.options), text(r.appName), text(r.homeSite), text(r.projectName),
                       text(r.dialogPicture), text(r.authorName), text(r.authorWebsite), text(r.authorEmail),
                       text(r.version), text(r.copyright), text(r.description), r.banner, text(""), text(""),
                       text("")});
    return project;
}

PackageTable SettingTable()
{
    return PackageTable("setting", {{"data"},
                                    {"filename"},
                                    {"title"},
                                    {"titlefontname"},
                                    {"titlefontstyle"},
                                    {"desc"},
                                    {"descfontname"},
                                    {"descfontstyle"},
                                    {"gradientstring"},
                                    {"effect"},
                                    {"selectedimagebackgroundstring"},
                                    {"bindsound"},
                                    {"accfile"}});
}

PackageTable MediaTable()
{
    return PackageTable("media", {{"name"}, {"media", true}});
}
PackageTable MusicTable()
{
    return PackageTable("music", {{"name"}, {"type"}, {"music", true}});
}
PackageTable RuntimeLibTable()
{
    return PackageTable("runtimelib", {{"name"}, {"libs", true}});
}
PackageTable BackImageTable()
{
    return PackageTable("backimage", {{"name"}});
}
PackageTable AccFileTable()
{
    return PackageTable("accfile", {{"name"}, {"accfile", true}});
}
