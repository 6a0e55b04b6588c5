#include "ShowPictures.h"

#include "../../src/settings/Media.h"
#include "ConversionProgress.h"
#include "PicturePrepare.h"

#include <filesystem>
#include <map>
#include <set>

namespace {

// The embedded pictures of the show, each file once, in show order.
std::vector<std::string> ShowPictureFiles(const ShowManifest& show)
{
    std::vector<std::string> files;
    std::set<std::string> seen;
    const auto add = [&](const std::string& file) {
        if (seen.insert(file).second) files.push_back(file);
    };
    for (const ManifestItem& item : show.items)
        if (item.options.mediaType == 0) add(item.file);
    for (const std::string& picture : show.backgroundPictures)
        add(picture);
    return files;
}

}  // namespace

PictureTotals PrepareShowPictures(ShowManifest& show, const std::string& workFolder, std::ostream* progressLine,
                                  std::vector<std::string>& errors)
{
    PictureTotals totals;
    if (!show.options.mediaEmbedded) return totals;
    const std::vector<std::string> files = ShowPictureFiles(show);
    std::uint64_t bytes = 0;
    for (const std::string& file : files)
        bytes += FileBytes(show.PathOf(file));

    PicturePreparer preparer(workFolder, show.fitPictures);
    ConversionProgress progress(files.size(), bytes, progressLine);
    for (const std::string& file : files) {
        const std::string path = show.PathOf(file);
        try {
            const PreparedPicture prepared = preparer.Prepare(path);
            ++totals.pictures;
            totals.originalBytes += prepared.originalBytes;
            totals.storedBytes += prepared.storedBytes;
            if (prepared.path != path || prepared.storedName != BaseName(file)) {
                ++totals.changed;
                show.storedPictures[file] = {prepared.storedName, prepared.path};
            }
            progress.Done(prepared.originalBytes);
        } catch (const PictureRefused& e) {
            progress.Done(FileBytes(path));
            errors.push_back(path + ": " + e.what());
        } catch (const std::exception& e) {  // a work file that cannot be written, memory
            progress.Done(FileBytes(path));
            errors.push_back(path + ": cannot be prepared: " + e.what());
        }
    }
    progress.Finish();

    // A renamed picture may meet another file of the media table under its new name.
    std::map<std::string, std::string> names;
    const auto stored = [&](const std::string& file) {
        const auto it = show.storedPictures.find(file);
        const std::string name = it != show.storedPictures.end() ? it->second.name : BaseName(file);
        const auto [at, added] = names.emplace(LowerCase(name), file);
        if (!added && at->second != file)
            errors.push_back(show.PathOf(file) + ": would be stored as \"" + name + "\" like " +
                             show.PathOf(at->second) + "; rename one of them");
    };
    for (const ManifestItem& item : show.items)
        stored(item.file);
    for (const std::string& picture : show.backgroundPictures)
        stored(picture);
    return totals;
}
