#include "FolderShow.h"

#include "../../src/settings/Media.h"
#include "DateTaken.h"
#include "PictureFormat.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;
using json = nlohmann::ordered_json;

namespace {

enum class Kind { Other, Picture, Movie, Sound };

bool HasExtension(const std::string& name, std::initializer_list<const char*> extensions)
{
    const std::string extension = LowerCase(fs::path(name).extension().string());
    return std::any_of(extensions.begin(), extensions.end(), [&](const char* e) { return extension == e; });
}

bool NamedAsPicture(const std::string& name)
{
    return HasExtension(name, {".jpg", ".jpeg", ".jpe", ".png", ".gif", ".bmp", ".dib", ".tif", ".tiff", ".heic",
                               ".heif", ".hif", ".avif", ".webp"});
}

Kind KindOf(const fs::path& path)
{
    const std::string name = path.filename().string();
    if (SniffPictureFile(path.string()) != PictureFormat::Unknown) return Kind::Picture;
    if (HasExtension(name, {".swf", ".avi", ".mpg", ".mpeg", ".wmv", ".asf", ".mp4", ".mov"})) return Kind::Movie;
    if (HasExtension(name, {".wav", ".mp3", ".mid", ".midi", ".rmi", ".wma"})) return Kind::Sound;
    return Kind::Other;
}

std::string Relative(const fs::path& file, const std::string& manifestFolder)
{
    return file.lexically_proximate(fs::absolute(manifestFolder)).generic_string();
}

}  // namespace

void SortFolderEntries(std::vector<FolderEntry>& entries, FolderOrder order)
{
    std::stable_sort(entries.begin(), entries.end(), [order](const FolderEntry& a, const FolderEntry& b) {
        if (order == FolderOrder::Taken && a.taken.empty() != b.taken.empty()) return b.taken.empty();
        if (order == FolderOrder::Taken && a.taken != b.taken) return a.taken < b.taken;
        const std::string lowerA = LowerCase(a.name), lowerB = LowerCase(b.name);
        return lowerA != lowerB ? lowerA < lowerB : a.name < b.name;
    });
}

std::string FolderManifest(const std::string& folder, FolderOrder order, std::optional<PictureSize> fit,
                           const std::string& manifestFolder, std::vector<std::string>& errors)
{
    std::vector<FolderEntry> items, sounds;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || name[0] == '.' || !entry.is_regular_file()) continue;
        switch (KindOf(entry.path())) {
            case Kind::Picture:
                items.push_back({name, order == FolderOrder::Taken ? FileDateTaken(entry.path().string()) : ""});
                break;
            case Kind::Movie:
                items.push_back({name, {}});
                break;
            case Kind::Sound:
                sounds.push_back({name, {}});
                break;
            case Kind::Other:
                if (NamedAsPicture(name))
                    errors.push_back(
                        entry.path().string() +
                        ": not a picture that scrpack knows (JPEG, PNG, GIF, BMP, TIFF, HEIF, AVIF, WebP)");
                break;
        }
    }
    if (error) errors.push_back(folder + ": cannot be read: " + error.message());
    SortFolderEntries(items, order);
    SortFolderEntries(sounds, FolderOrder::Name);

    const fs::path base = fs::absolute(folder);
    json manifest;
    // "photos/" names its folder like "photos".
    const fs::path normal = base.lexically_normal();
    manifest["project"]["name"] = (normal.has_filename() ? normal : normal.parent_path()).filename().string();
    if (fit) manifest["fitPictures"] = std::to_string(fit->width) + "x" + std::to_string(fit->height);
    manifest["items"] = json::array();
    for (const FolderEntry& item : items)
        manifest["items"].push_back(Relative(base / item.name, manifestFolder));
    manifest["music"] = json::array();
    for (const FolderEntry& sound : sounds)
        manifest["music"].push_back(Relative(base / sound.name, manifestFolder));
    if (items.empty()) errors.push_back(folder + ": holds no picture, video or Flash movie");
    return manifest.dump(2) + "\n";
}
