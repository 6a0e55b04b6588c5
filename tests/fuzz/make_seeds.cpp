// Writes small, valid packages as the fuzzer's first inputs.
#include "../../tools/scrpack/PackageWriter.h"

#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_seeds FOLDER\n";
        return 64;
    }
    const std::string folder = argv[1];

    PackageTable project("project", {{"data"}, {"projectname"}, {"banner", true}});
    project.AddRecord({PackageValue::Bytes(std::vector<std::uint8_t>(80, 1)), PackageValue::Text("Seed"),
                       PackageValue::Text("BANNER")});
    PackageTable media("media", {{"name"}, {"media", true}});
    media.AddRecord({PackageValue::Text("a.bmp"), PackageValue::Text("BM0123456789")});
    media.AddRecord({PackageValue::Text(""), PackageValue::Text("")});
    PackageTable music("music", {{"name"}, {"type"}, {"music", true}});
    music.AddRecord({PackageValue::Text("theme.mp3"), PackageValue::Int(1), PackageValue::Text("ID3")});

    const bool ok = AppendPackage("", {project, media, music}, folder + "/show.pkg") &&
                    AppendPackage("", {PackageTable("empty", {{"a"}, {"b", true}})}, folder + "/empty.pkg") &&
                    AppendPackage("", {media}, folder + "/media.pkg");
    return ok ? 0 : 1;
}
