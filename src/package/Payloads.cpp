#include "Payloads.h"

#include "../diagnostics/FileLog.h"
#include "../platform/File.h"
#include "XMLDb.h"
#include "XMLTable.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {
bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// Whether a path part names a device rather than a file: Windows opens the device for "CON",
// "nul.txt" or "Com1 .log" in any folder, whatever the extension.
bool IsDeviceName(std::string_view part)
{
    std::string stem(part.substr(0, part.find('.')));
    while (!stem.empty() && stem.back() == ' ')
        stem.pop_back();
    for (char& c : stem)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL") return true;
    return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) && stem[3] >= '1' &&
           stem[3] <= '9';
}

// A stream that compares what is written to it with a file's bytes.
class TCompareStream : public TStream {
public:
    explicit TCompareStream(const std::string& path) { file.Open(path); }
    bool Write(const void* data, std::size_t size) override
    {
        buffer.resize(size);
        same = same && file.ReadAt(at, buffer.data(), size) == size && std::memcmp(buffer.data(), data, size) == 0;
        at += static_cast<std::int64_t>(size);
        return same;
    }
    bool Same() const { return same && file.IsOpen() && at == file.Size(); }

private:
    SharedReadFile file;
    std::vector<char> buffer;
    std::int64_t at = 0;
    bool same = true;
};
}  // namespace

std::string WithFinalSeparator(std::string folder)
{
    if (folder.empty() || !IsSeparator(folder.back())) folder += PathSeparator();
    return folder;
}

std::string TempFolder()
{
    const std::string folder = SystemTempFolder();
    return folder.empty() ? folder : WithFinalSeparator(folder);
}

std::string DigitName(std::string_view name)
{
    std::string digits;
    for (char c : name)
        digits += std::to_string(static_cast<int>(static_cast<signed char>(c)));
    return digits;
}

std::optional<std::string> ContainedPath(const std::string& folder, std::string_view name)
{
    if (name.empty() || IsSeparator(name.front()) || name.find(':') != std::string_view::npos ||
        IsSeparator(name.back()))
        return std::nullopt;
    int depth = 0;
    std::string relative;
    std::size_t start = 0;
    for (std::size_t at = 0; at <= name.size(); ++at) {
        if (at < name.size() && !IsSeparator(name[at])) continue;
        const std::string_view part = name.substr(start, at - start);
        if (IsDeviceName(part)) return std::nullopt;
        if (part == "..")
            --depth;
        else if (!part.empty() && part != ".")
            ++depth;
        if (depth < 0) return std::nullopt;
        start = at + 1;
    }
    for (char c : name)
        relative += IsSeparator(c) ? PathSeparator() : c;
    return folder + relative;
}

bool SaveValueToFile(CMyXMLTable& table, const std::string& field, const std::string& path, bool skipWhenSame)
{
    if (table.ValueOutsideTable(field)) {
        FILE_LOG("%s not written: its stored value lies outside its table", path.c_str());
        return false;
    }
    if (skipWhenSame && FileExists(path)) {
        TCompareStream existing(path);
        if (table.CopyBinaryToStream(field, existing) && existing.Same()) return true;
    }
    const auto folderEnd = path.find_last_of("\\/");
    if (folderEnd != std::string::npos) CreateFolders(path.substr(0, folderEnd));
    TFileStream out;
    if (!out.Create(path)) return false;
    // An empty value leaves an empty file, as the stored file was empty; a copy that fails part-way
    // leaves nothing, so no truncated library or file is taken for a whole one.
    const bool copied = table.CopyBinaryToStream(field, out) || table.ValueSize(field) == 0;
    out.Close();
    if (copied) return true;
    FILE_LOG("%s not written: its stored value could not be read whole", path.c_str());
    RemoveFile(path);
    return false;
}

void ExtractRuntimeLibraries(const CMyXMLDb& db)
{
    CMyXMLTable libraries;
    libraries.SetLoadBinaryFields(false);
    if (!libraries.Open(db, "runtimelib")) return;
    const std::string temp = TempFolder();
    if (temp.empty()) {
        FILE_LOG("runtime libraries not written: there is no temporary folder");
        return;
    }
    for (libraries.First(); !libraries.Eof(); libraries.Next()) {
        const std::string name = libraries.ReadText("name");
        const auto target = ContainedPath(temp, name);
        if (!target) {
            FILE_LOG("runtime library \"%s\" refused: its name leaves the temporary folder or names a device", name.c_str());
            continue;
        }
        if (!SaveValueToFile(libraries, "libs", *target, true))
            FILE_LOG("runtime library \"%s\" could not be written to %s", name.c_str(), target->c_str());
    }
}
