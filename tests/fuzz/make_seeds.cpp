// Writes the fuzzers' first inputs, one folder per target: whole show packages written by the
// package writer (a show built from a manifest with pictures, music and several tables, and a few
// small hand-made ones), the manifests, JPEG heads with EXIF data, command lines and list texts.
#include "../../tools/scrpack/BitmapFile.h"
#include "../../tools/scrpack/Manifest.h"
#include "../../tools/scrpack/ManifestTables.h"
#include "../../tools/scrpack/PackageWriter.h"
#include "../support/ExifBytes.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

bool WriteFile(const std::string& path, const void* data, std::size_t size)
{
    std::ofstream out(path, std::ios::binary);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    return static_cast<bool>(out);
}

bool WriteFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    return WriteFile(path, bytes.data(), bytes.size());
}

bool WriteFile(const std::string& path, const std::string& text)
{
    return WriteFile(path, text.data(), text.size());
}

// A show with two pictures, a photo, music, background pictures and effects, small enough for
// the package fuzzer's input length.
const char kShowManifest[] = R"json({
  "project": {
    "name": "Seed show", "authorName": "Fuzz", "description": "Pictures and music",
    "options": { "mediaPauseSeconds": 3, "backgroundPerPicture": 1, "pictureFit": 2 }
  },
  "backgroundPictures": ["media/stripes.bmp"],
  "music": ["media/tone.wav"],
  "items": [
    {
      "file": "media/stripes.bmp", "title": "Stripes", "titleStyle": ["bold"],
      "description": "Red and blue\r\nTwo lines", "descriptionStyle": ["italic", "underline"],
      "effects": ["Band down large", "Center(Diffuse)", 36],
      "options": { "titleColor": "#FFFFFF", "titleSize": 30, "titlePosition": 2, "effectStep": 12,
                   "backgroundSolidAllowed": false, "backgroundGradientAllowed": true }
    },
    { "file": "media/photo.jpg", "title": "Photo", "effects": [0, 22] },
    "media/checks.bmp"
  ]
})json";

const char kShortManifest[] = R"({ "items": ["a.bmp", "b.jpg"], "music": ["m.wav"] })";

bool WriteShowPackage(const std::string& folder)
{
    const std::string media = folder + "/show-media/";
    std::filesystem::create_directories(media + "media");
    const auto stripes = [](int x, int) -> std::uint32_t { return x % 4 < 2 ? 0x0000FF : 0xFF0000; };
    const auto checks = [](int x, int y) -> std::uint32_t { return (x + y) % 2 ? 0x00FF00 : 0xFFFFFF; };
    const std::vector<std::uint8_t> wav{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A', 'V', 'E'};
    if (!WriteFile(media + "media/stripes.bmp", MakeBitmapFile(8, 6, stripes)) ||
        !WriteFile(media + "media/checks.bmp", MakeBitmapFile(5, 5, checks)) ||
        !WriteFile(media + "media/photo.jpg", JpegHead(OrientationTiff(false, 6))) ||
        !WriteFile(media + "media/tone.wav", wav))
        return false;
    std::vector<std::string> errors;
    const ShowManifest show = ParseManifest(kShowManifest, media, "Seed show", errors);
    for (const std::string& error : errors)
        std::cerr << error << "\n";
    if (!errors.empty()) return false;
    const bool ok = AppendPackage("", ManifestTables(show), folder + "/package/show.scr");
    std::filesystem::remove_all(media);
    return ok;
}

bool WriteSmallPackages(const std::string& folder)
{
    PackageTable project("project", {{"data"}, {"projectname"}, {"banner", true}});
    project.AddRecord({PackageValue::Bytes(std::vector<std::uint8_t>(80, 1)), PackageValue::Text("Seed"),
                       PackageValue::Bytes(MakeBitmapFile(3, 2, [](int x, int) { return x * 0x404040u; }))});
    PackageTable media("media", {{"name"}, {"media", true}});
    media.AddRecord({PackageValue::Text("a.bmp"), PackageValue::Text("BM0123456789")});
    media.AddRecord({PackageValue::Text(""), PackageValue::Text("")});
    PackageTable music("music", {{"name"}, {"type"}, {"music", true}});
    music.AddRecord({PackageValue::Text("theme.mp3"), PackageValue::Int(1), PackageValue::Text("ID3")});
    return AppendPackage("", {project, media, music}, folder + "/package/small.pkg") &&
           AppendPackage("", {PackageTable("empty", {{"a"}, {"b", true}})}, folder + "/package/empty.pkg") &&
           AppendPackage("", {media}, folder + "/package/media.pkg");
}

bool WriteExifHeads(const std::string& folder)
{
    bool ok = true;
    for (bool bigEndian : {false, true})
        for (std::uint16_t orientation : {1, 3, 6, 8})
            ok = ok && WriteFile(folder + "/exif/" + (bigEndian ? "mm-" : "ii-") + std::to_string(orientation) + ".jpg",
                                 JpegHead(OrientationTiff(bigEndian, orientation)));
    return ok && WriteFile(folder + "/exif/tags.jpg",
                           JpegHead(TiffBytes(true, {{271, 2, 4, 0}, {282, 5, 1, 40}, {274, 3, 1, 5}}, 8)));
}

bool WriteTexts(const std::string& folder)
{
    const std::vector<std::pair<std::string, std::string>> texts = {
        {"manifest/show.json", kShowManifest}, {"manifest/short.json", kShortManifest},
        {"command_line/saver", "/s"},           {"command_line/configure", "/c:1234"},
        {"command_line/preview", "/p 5678"},    {"command_line/install", "\"C:\\Show.scr\" /a 99"},
        {"list_text/numbers", "0;5;12;"},       {"list_text/styles", "1;2;"},
        {"list_text/names", "a.jpg;b.png;c;"},
    };
    for (const auto& [name, text] : texts)
        if (!WriteFile(folder + "/" + name, text)) return false;
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: make_seeds FOLDER\n";
        return 64;
    }
    const std::string folder = argv[1];
    for (const char* target : {"package", "exif", "manifest", "command_line", "list_text"})
        std::filesystem::create_directories(folder + "/" + target);
    const bool ok = WriteShowPackage(folder) && WriteSmallPackages(folder) && WriteExifHeads(folder) &&
                    WriteTexts(folder);
    return ok ? 0 : 1;
}
