#include "ShowBuild.h"

#include "ManifestTables.h"
#include "PicturePrepare.h"
#include "ShowPictures.h"

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

// Passes bytes on and shows how far the writing is, a few times a second.
class ProgressStream : public TStream {
public:
    ProgressStream(TStream& inner, std::uint64_t total, std::size_t files, std::ostream* line)
        : inner(inner), total(total), files(files), line(line)
    {
    }
    bool Write(const void* data, std::size_t size) override
    {
        if (!inner.Write(data, size)) return false;
        written += size;
        const auto now = std::chrono::steady_clock::now();
        if (now - shown > std::chrono::milliseconds(200)) {
            shown = now;
            Show();
        }
        return true;
    }
    void Finish()
    {
        Show();
        if (line) *line << "\n";
    }

private:
    void Show()
    {
        if (!line) return;
        char text[96];
        std::snprintf(text, sizeof text, "\rscrpack: %zu files, %.1f of %.1f MiB written", files, written / kMiB,
                      total / kMiB);
        *line << text << std::flush;
    }

    TStream& inner;
    std::uint64_t total, written = 0;
    std::size_t files;
    std::ostream* line;
    std::chrono::steady_clock::time_point shown{};
};

std::uint64_t FileSize(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

// The show of the request's manifest or folder; for a folder, `manifestText` is its manifest.
ShowManifest ReadShow(const BuildRequest& request, std::string& manifestText, std::vector<std::string>& errors)
{
    if (!std::filesystem::is_directory(request.source)) return ReadManifest(request.source, errors);
    std::string manifestFolder = request.source;
    if (!request.manifestOut.empty())
        manifestFolder = std::filesystem::absolute(request.manifestOut).parent_path().string();
    manifestText = FolderManifest(request.source, request.order, request.fit, manifestFolder, errors);
    if (!errors.empty()) return {};
    std::string name;
    const std::filesystem::path normal = std::filesystem::absolute(request.source).lexically_normal();
    Utf8ToLatin1((normal.has_filename() ? normal : normal.parent_path()).filename().string(), name);
    return ParseManifest(manifestText, (std::filesystem::path(manifestFolder) / "").string(), name, errors);
}

// Removes the work folder of converted pictures when the build ends, whichever way.
struct WorkFolder {
    std::string path;
    ~WorkFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

std::string Megabytes(std::uint64_t bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", bytes / 1e6);
    return text;
}

}  // namespace

int BuildShow(const std::string& manifestPath, const std::string& outputPath, const std::string& playerPath,
              std::ostream& out, std::ostream& err, bool progress)
{
    BuildRequest request;
    request.source = manifestPath;
    request.output = outputPath;
    request.player = playerPath;
    request.progress = progress;
    return BuildShow(request, out, err);
}

int BuildShow(const BuildRequest& request, std::ostream& out, std::ostream& err)
{
    const std::string& outputPath = request.output;
    const std::string& playerPath = request.player;
    std::vector<std::string> errors;
    std::string manifestText;
    ShowManifest show = ReadShow(request, manifestText, errors);
    if (request.fit) show.fitPictures = request.fit;
    if (!playerPath.empty() && !std::filesystem::is_regular_file(playerPath))
        errors.push_back("--player: no such file: " + playerPath);
    // A manifest's problems name a value of it; a folder's name their file.
    const std::string source = std::filesystem::is_directory(request.source) ? "" : request.source + ": ";
    for (const std::string& error : errors)
        err << "scrpack: " << source << error << "\n";
    if (!errors.empty()) return 1;

    const WorkFolder work{outputPath + ".pictures"};
    const PictureTotals pictures = PrepareShowPictures(show, work.path, request.progress ? &err : nullptr, errors);
    for (const std::string& error : errors)
        err << "scrpack: " << error << "\n";
    if (!errors.empty()) return 1;
    if (pictures.changed > 0) {
        const std::uint64_t saved =
            pictures.originalBytes > pictures.storedBytes ? pictures.originalBytes - pictures.storedBytes : 0;
        out << "pictures\t" << pictures.pictures << " (" << pictures.changed << " converted or fitted), "
            << Megabytes(pictures.originalBytes) << " -> " << Megabytes(pictures.storedBytes) << ", "
            << Megabytes(saved) << " saved\n";
    }

    std::string imageLibrary;
    if (!playerPath.empty()) {
        const std::string beside =
            std::filesystem::absolute(std::filesystem::path(playerPath).parent_path() / "Expic.dll").string();
        if (std::filesystem::is_regular_file(beside)) imageLibrary = beside;
    }
    const std::string partial = outputPath + ".part";
    try {
        const std::vector<PackageTable> tables = ManifestTables(show, imageLibrary);
        std::uint64_t total = FileSize(playerPath);
        for (const PackageTable& table : tables)
            total += table.Size();
        bool written = false;
        {
            TFileStream file;
            if (file.Create(partial)) {
                ProgressStream stream(file, total, EmbeddedFileCount(show, imageLibrary),
                                      request.progress ? &err : nullptr);
                written = AppendPackage(playerPath, tables, stream);
                stream.Finish();
            }
        }
        std::error_code renamed;
        if (written) std::filesystem::rename(partial, outputPath, renamed);
        if (written && !renamed && !request.manifestOut.empty()) {
            std::ofstream manifest(request.manifestOut, std::ios::binary);
            if (!(manifest << manifestText) || !manifest.flush()) {
                err << "scrpack: cannot write " << request.manifestOut << "\n";
                std::filesystem::remove(outputPath, renamed);
                return 1;
            }
        }
        if (written && !renamed) {
            out << outputPath << "\t" << show.items.size() << " items\n";
            return 0;
        }
        err << "scrpack: cannot write " << outputPath << "\n";
    } catch (const std::exception& e) {
        err << "scrpack: " << e.what() << "\n";
    }
    std::error_code ignored;
    std::filesystem::remove(partial, ignored);
    return 1;
}
