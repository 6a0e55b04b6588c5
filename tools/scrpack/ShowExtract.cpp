#include "ShowExtract.h"

#include "../../src/package/Convert.h"
#include "../../src/package/Payloads.h"
#include "../../src/package/XMLDb.h"
#include "../../src/package/XMLTable.h"
#include "../../src/settings/ListTexts.h"
#include "../../src/settings/Media.h"
#include "CodePages.h"
#include "Manifest.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>

using json = nlohmann::ordered_json;

namespace {

// A damaged part of the package that keeps the manifest from being complete.
class EDamaged : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

template <class Options>
json OptionsJson(const Options& options)
{
    json object = json::object();
    Options::ForEachField(options, [&object](std::size_t, const auto& field, const char* name) {
        const std::string key = name;
        if (sizeof field == 1) {
            object[key] = field != 0;
        } else if (IsColourOption(key)) {
            char colour[8];
            const auto c = static_cast<std::uint32_t>(field);
            std::snprintf(colour, sizeof colour, "#%02X%02X%02X", c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF);
            object[key] = colour;
        } else {
            object[key] = field;
        }
    });
    return object;
}

json NumbersJson(const std::string& list)
{
    json numbers = json::array();
    const TIntArray parsed = ParseNumberList(list);
    for (std::int32_t i = 0; i < parsed.Count(); ++i)
        numbers.push_back(parsed.Get(i));
    return numbers;
}

json StyleJson(const std::string& list)
{
    json styles = json::array();
    const TIntArray codes = ParseNumberList(list);
    for (std::int32_t i = 0; i < codes.Count(); ++i)
        if (codes.Get(i) >= 1 && codes.Get(i) <= 4) styles.push_back(kFontStyleNames[codes.Get(i) - 1]);
    return styles;
}

std::string Utf8(const std::string& latin1)
{
    return Latin1ToUtf8(latin1);
}

// A stored text in its code page as UTF-8; bytes that the code page leaves undefined are read as
// Latin-1, so that a package from elsewhere still comes apart.
std::string Unicode(const std::string& bytes, int codePage)
{
    std::string utf8;
    return DecodeText(codePage, bytes, utf8) ? utf8 : Latin1ToUtf8(bytes);
}

// Writes the files of one table into a sub-folder; each file under its stored name.
class FileWriter {
public:
    explicit FileWriter(std::string folder) : folder(std::move(folder)) {}

    // Writes the current record's file of `field` under its stored name (the record's "name"
    // unless given) and returns its path for the manifest ("media/sunrise.jpg"); throws when the
    // name leaves the folder or the file cannot be written.
    std::string Write(CMyXMLTable& table, const std::string& field, const std::string& sub, std::string name = {})
    {
        if (name.empty()) name = table.ReadText("name");
        const auto target = ContainedPath(WithFinalSeparator(folder + sub), name);
        if (!target) throw EDamaged("the stored name \"" + Utf8(name) + "\" leaves its folder or names a device");
        if (!SaveValueToFile(table, field, *target, false)) throw EDamaged("cannot write " + *target);
        ++written;
        std::string relative = Utf8(sub + "/" + name);
        for (char& c : relative)
            if (c == '\\') c = '/';
        return relative;
    }
    int written = 0;

private:
    std::string folder;
};

class Extractor {
public:
    Extractor(const CMyXMLDb& db, const std::string& folder) : db(db), files(WithFinalSeparator(folder)) {}

    json Manifest()
    {
        json manifest;
        manifest["project"] = Project();
        MediaFiles();
        manifest["items"] = Items();
        manifest["music"] = Music();
        manifest["backgroundPictures"] = BackgroundPictures();
        manifest["runtimeLibraries"] = Libraries();
        return manifest;
    }
    int FilesWritten() const { return files.written; }

private:
    bool Open(CMyXMLTable& table, const char* name)
    {
        table.SetLoadBinaryFields(false);
        return table.Open(db, name);
    }

    json Project()
    {
        CMyXMLTable table;
        if (!Open(table, "project") || table.RecordCount() < 1) throw EDamaged("no project record");
        std::uint8_t block[ProjectOptions::kSize] = {};
        const std::size_t size = table.ReadRaw("data", block, sizeof block);
        options = ProjectOptions::FromBytes(block, size);
        json project;
        static const std::pair<const char*, const char*> kTexts[] = {{"projectname", "name"},
                                                                     {"appname", "appName"},
                                                                     {"homesite", "homeSite"},
                                                                     {"authorname", "authorName"},
                                                                     {"authorwebsite", "authorWebsite"},
                                                                     {"authoremail", "authorEmail"},
                                                                     {"version", "version"},
                                                                     {"copyright", "copyright"},
                                                                     {"description", "description"}};
        for (const auto& [field, key] : kTexts)
            project[key] = Unicode(table.ReadText(field), kWesternCodePage);
        const std::string picture = table.ReadText("dialogpicture");
        if (!picture.empty()) {
            if (!options.mediaEmbedded)
                project["dialogPicture"] = Utf8(picture);
            else if (table.ValueSize("banner") > 0)
                project["dialogPicture"] = files.Write(table, "banner", "dialog", FileNamePart(picture));
        }
        project["options"] = OptionsJson(options);
        return project;
    }

    void MediaFiles()
    {
        CMyXMLTable media;
        if (!options.mediaEmbedded || !Open(media, "media")) return;
        for (media.First(); !media.Eof(); media.Next())
            mediaPaths[LowerCase(media.ReadText("name"))] = files.Write(media, "media", "media");
    }

    std::string MediaPath(const std::string& stored) const
    {
        if (!options.mediaEmbedded) return Utf8(stored);
        const auto it = mediaPaths.find(LowerCase(stored));
        if (it == mediaPaths.end()) throw EDamaged("no stored file named \"" + Utf8(stored) + "\"");
        return it->second;
    }

    json Items()
    {
        CMyXMLTable setting;
        if (!Open(setting, "setting")) throw EDamaged("no show items");
        CMyXMLTable auxTable;
        const bool hasAux = Open(auxTable, "accfile");
        json items = json::array();
        for (setting.First(); !setting.Eof(); setting.Next()) {
            std::uint8_t block[ShowItemOptions::kSize] = {};
            const ShowItemOptions o = ShowItemOptions::FromBytes(block, setting.ReadRaw("data", block, sizeof block));
            json item;
            item["file"] = MediaPath(setting.ReadText("filename"));
            const auto codePage = [](std::uint32_t charset) { return CodePageOfCharset(static_cast<int>(charset)); };
            item["title"] = Unicode(setting.ReadText("title"), codePage(o.titleCharset));
            item["titleFont"] = Unicode(setting.ReadText("titlefontname"), kWesternCodePage);
            item["titleStyle"] = StyleJson(setting.ReadText("titlefontstyle"));
            item["description"] = Unicode(setting.ReadText("desc"), codePage(o.descCharset));
            item["descriptionFont"] = Unicode(setting.ReadText("descfontname"), kWesternCodePage);
            item["descriptionStyle"] = StyleJson(setting.ReadText("descfontstyle"));
            item["gradients"] = NumbersJson(setting.ReadText("gradientstring"));
            item["effects"] = NumbersJson(setting.ReadText("effect"));
            item["backgrounds"] = NumbersJson(setting.ReadText("selectedimagebackgroundstring"));
            const std::string bound = setting.ReadText("bindsound");
            if (!bound.empty()) item["boundSound"] = BoundSound(bound);
            json aux = json::array();
            for (const std::string& name : ParseNameList(setting.ReadText("accfile")))
                aux.push_back(AuxFile(hasAux ? &auxTable : nullptr, name));
            item["auxFiles"] = aux;
            item["options"] = OptionsJson(o);
            items.push_back(item);
        }
        return items;
    }

    std::string AuxFile(CMyXMLTable* table, const std::string& name)
    {
        const std::string key = LowerCase(name);
        if (const auto it = auxPaths.find(key); it != auxPaths.end()) return it->second;
        for (table ? table->First() : 0; table && !table->Eof(); table->Next())
            if (LowerCase(table->ReadText("name")) == key)
                return auxPaths[key] = files.Write(*table, "accfile", "auxfiles");
        throw EDamaged("no auxiliary file named \"" + Utf8(name) + "\"");
    }

    std::string BoundSound(const std::string& name)
    {
        if (!options.mediaEmbedded) return Utf8(name);
        ReadMusic();
        const auto it = musicPaths.find(LowerCase(name));
        if (it == musicPaths.end()) throw EDamaged("no stored sound named \"" + Utf8(name) + "\"");
        return it->second;
    }

    // Every track of the music table, written where its bytes are stored.
    void ReadMusic()
    {
        if (musicRead) return;
        musicRead = true;
        CMyXMLTable music;
        if (!Open(music, "music")) return;
        for (music.First(); !music.Eof(); music.Next()) {
            const bool background = music.ReadInt("type") == 1;
            const bool stored = background ? options.musicEmbedded : options.mediaEmbedded;
            const std::string name = music.ReadText("name");
            const std::string path = stored ? files.Write(music, "music", "music") : Utf8(name);
            musicPaths.emplace(LowerCase(name), path);
            if (background) tracks.push_back(path);
        }
    }

    json Music()
    {
        ReadMusic();
        json music = json::array();
        for (const std::string& track : tracks)
            music.push_back(track);
        return music;
    }

    json BackgroundPictures()
    {
        json pictures = json::array();
        CMyXMLTable backImages;
        if (!Open(backImages, "backimage")) return pictures;
        for (backImages.First(); !backImages.Eof(); backImages.Next())
            pictures.push_back(MediaPath(backImages.ReadText("name")));
        return pictures;
    }

    json Libraries()
    {
        json libraries = json::array();
        CMyXMLTable table;
        if (!Open(table, "runtimelib")) return libraries;
        for (table.First(); !table.Eof(); table.Next())
            libraries.push_back(files.Write(table, "libs", "libraries"));
        return libraries;
    }

    const CMyXMLDb& db;
    FileWriter files;
    ProjectOptions options;
    std::map<std::string, std::string> mediaPaths, auxPaths, musicPaths;
    std::vector<std::string> tracks;
    bool musicRead = false;
};

}  // namespace

ReportResult ExtractShow(const std::string& path, const std::string& folder, std::ostream& out, std::ostream& err)
{
    CMyXMLDb db;
    if (const ReportResult opened = OpenPackage(path, db, err); opened != kReportOk) return opened;
    try {
        std::filesystem::create_directories(folder);
        Extractor extractor(db, folder);
        const json manifest = extractor.Manifest();
        const std::string manifestPath = WithFinalSeparator(folder) + "show.json";
        std::ofstream file(manifestPath, std::ios::binary);
        if (!(file << manifest.dump(2) << "\n")) throw EDamaged("cannot write " + manifestPath);
        out << manifestPath << "\t" << extractor.FilesWritten() << " files\n";
        return kReportOk;
    } catch (const EDamaged& e) {
        err << "scrpack: " << path << ": " << e.what() << "\n";
    } catch (const std::exception& e) {
        err << "scrpack: " << path << " is damaged: " << e.what() << "\n";
    }
    return kReportDamaged;
}
