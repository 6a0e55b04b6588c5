#include "ShowBuild.h"

#include "ManifestTables.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

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

}  // namespace

int BuildShow(const std::string& manifestPath, const std::string& outputPath, const std::string& playerPath,
              std::ostream& out, std::ostream& err, bool progress)
{
    std::vector<std::string> errors;
    const ShowManifest show = ReadManifest(manifestPath, errors);
    if (!playerPath.empty() && !std::filesystem::is_regular_file(playerPath))
        errors.push_back("--player: no such file: " + playerPath);
    for (const std::string& error : errors)
        err << "scrpack: " << manifestPath << ": " << error << "\n";
    if (!errors.empty()) return 1;

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
                ProgressStream stream(file, total, EmbeddedFileCount(show, imageLibrary), progress ? &err : nullptr);
                written = AppendPackage(playerPath, tables, stream);
                stream.Finish();
            }
        }
        std::error_code renamed;
        if (written) std::filesystem::rename(partial, outputPath, renamed);
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
