#include "ManifestTables.h"

#include "../../src/settings/Media.h"
#include "PlayerTables.h"

#include <set>

namespace {

std::string Latin1(const std::string& utf8)
{
    std::string text;
    Utf8ToLatin1(utf8, text);  // the manifest was checked: every text converts
    return text;
}

// The name a file is stored under: its file name when it is in the package, the whole path as
// given when it stays a separate file.
std::string StoredName(const std::string& file, bool embedded)
{
    return Latin1(embedded ? BaseName(file) : file);
}

// Adds a record per file whose stored name is not yet in the table.
class StoredFiles {
public:
    explicit StoredFiles(PackageTable table) : table(std::move(table)) {}

    // `values` are the fields after the name; false when the name was there already.
    bool Add(const std::string& name, std::vector<PackageValue> values)
    {
        if (!names.insert(LowerCase(name)).second) return false;
        values.insert(values.begin(), PackageValue::Text(name));
        table.AddRecord(std::move(values));
        return true;
    }
    bool Has(const std::string& name) const { return names.count(LowerCase(name)) != 0; }
    PackageTable Take() { return std::move(table); }

private:
    PackageTable table;
    std::set<std::string> names;
};

// A picture's stored name and the file its bytes come from, after preparation.
std::string MediaName(const ShowManifest& show, const std::string& file, bool embedded)
{
    const auto it = show.storedPictures.find(file);
    return embedded && it != show.storedPictures.end() ? Latin1(it->second.name) : StoredName(file, embedded);
}

PackageValue MediaFile(const ShowManifest& show, const std::string& file)
{
    const auto it = show.storedPictures.find(file);
    return PackageValue::File(it != show.storedPictures.end() ? it->second.path : show.PathOf(file));
}

PackageValue FileOrEmpty(const ShowManifest& show, const std::string& file, bool embedded)
{
    return embedded ? PackageValue::File(show.PathOf(file)) : PackageValue::Text("");
}

std::string NameList(const std::vector<std::string>& files)
{
    std::string list;
    for (const std::string& file : files)
        list += StoredName(file, true) + "#";
    return list;
}

ProjectRecord Project(const ShowManifest& show)
{
    ProjectRecord record;
    record.options = show.options.ToBytes();
    record.appName = show.appName;
    record.homeSite = show.homeSite;
    record.projectName = show.name;
    record.authorName = show.authorName;
    record.authorWebsite = show.authorWebsite;
    record.authorEmail = show.authorEmail;
    record.version = show.version;
    record.copyright = show.copyright;
    record.description = show.description;
    const bool embedded = show.options.mediaEmbedded != 0;
    if (!show.dialogPicture.empty()) {
        record.dialogPicture = StoredName(show.dialogPicture, embedded);
        if (embedded) record.banner = PackageValue::File(show.PathOf(show.dialogPicture));
    }
    return record;
}

std::vector<std::string> Libraries(const ShowManifest& show, const std::string& imageLibrary)
{
    if (show.runtimeLibrariesGiven) return show.runtimeLibraries;
    if (imageLibrary.empty()) return {};
    return {imageLibrary};
}

}  // namespace

std::vector<PackageTable> ManifestTables(const ShowManifest& show, const std::string& imageLibrary)
{
    const bool mediaEmbedded = show.options.mediaEmbedded != 0, musicEmbedded = show.options.musicEmbedded != 0;
    PackageTable setting = SettingTable();
    StoredFiles media(MediaTable()), music(MusicTable()), accfiles(AccFileTable()), libraries(RuntimeLibTable());
    PackageTable backImages = BackImageTable();

    // Background tracks first, in their order; then the sounds bound to items alone.
    for (const std::string& track : show.music)
        music.Add(StoredName(track, musicEmbedded), {PackageValue::Int(1), FileOrEmpty(show, track, musicEmbedded)});
    for (const ManifestItem& item : show.items) {
        const auto text = [](const std::string& t) { return PackageValue::Text(t); };
        const std::string file = MediaName(show, item.file, mediaEmbedded);
        if (mediaEmbedded) media.Add(file, {MediaFile(show, item.file)});
        std::string bound;
        if (!item.boundSound.empty()) {
            bound = StoredName(item.boundSound, mediaEmbedded);
            music.Add(bound, {PackageValue::Int(0), FileOrEmpty(show, item.boundSound, mediaEmbedded)});
        }
        for (const std::string& aux : item.auxFiles)
            accfiles.Add(StoredName(aux, true), {PackageValue::File(show.PathOf(aux))});
        setting.AddRecord({PackageValue::Bytes(item.options.ToBytes()), text(file), text(item.title),
                           text(item.titleFont), text(item.titleStyle), text(item.description),
                           text(item.descriptionFont), text(item.descriptionStyle), text(item.gradients),
                           text(item.effects), text(item.backgrounds), text(bound), text(NameList(item.auxFiles))});
    }
    for (const std::string& picture : show.backgroundPictures) {
        const std::string name = MediaName(show, picture, mediaEmbedded);
        backImages.AddRecord({PackageValue::Text(name)});
        if (mediaEmbedded) media.Add(name, {MediaFile(show, picture)});
    }
    for (const std::string& library : Libraries(show, imageLibrary))
        libraries.Add(StoredName(library, true), {PackageValue::File(show.PathOf(library))});

    std::vector<PackageTable> tables;
    tables.push_back(ProjectTable(Project(show)));
    tables.push_back(std::move(setting));
    tables.push_back(music.Take());
    tables.push_back(media.Take());
    tables.push_back(libraries.Take());
    tables.push_back(std::move(backImages));
    tables.push_back(accfiles.Take());
    return tables;
}

std::size_t EmbeddedFileCount(const ShowManifest& show, const std::string& imageLibrary)
{
    const bool mediaEmbedded = show.options.mediaEmbedded != 0;
    std::size_t count = Libraries(show, imageLibrary).size();
    count += show.options.musicEmbedded ? show.music.size() : 0;
    count += mediaEmbedded ? show.backgroundPictures.size() + (show.dialogPicture.empty() ? 0 : 1) : 0;
    for (const ManifestItem& item : show.items)
        count += (mediaEmbedded ? 1 + !item.boundSound.empty() : 0) + item.auxFiles.size();
    return count;
}
