#include "XMLDb.h"

#include "../platform/File.h"
#include "Convert.h"
#include "TagText.h"

namespace {
// The directory must lie within the package's first bytes; nothing after them is looked at.
constexpr std::size_t kDirectoryWindow = 1024;

// Stores the numbers of one directory element into the entries, by position.
bool AssignNumbers(std::string_view text, std::string_view open, std::string_view close,
                   std::vector<DB_TABLE_INFO>& directory, std::int32_t DB_TABLE_INFO::*member)
{
    auto element = ElementText(text, open, close);
    if (!element) return true;
    std::size_t k = 0;
    for (std::string_view piece : SplitList(*element, ',')) {
        if (k >= directory.size()) return false;
        try {
            directory[k].*member = StrToInt(Trim(piece));
        } catch (const EConvertError&) {
            return false;
        }
        ++k;
    }
    return true;
}
}  // namespace

std::uint32_t ReadPackageOffset(const std::string& fileName)
{
    SharedReadFile file;
    std::uint8_t trailer[4];
    if (!file.Open(fileName) || file.Size() < 4 || file.ReadAt(file.Size() - 4, trailer, 4) != 4) return 0;
    return ReadLE32(trailer);
}

bool CMyXMLDb::Open(const std::string& name, std::uint32_t offset)
{
    Close();
    fileName = name;
    if (!FileExists(name)) return true;
    packageOffset = offset;

    SharedReadFile file;
    if (!file.Open(name)) return false;
    char window[kDirectoryWindow];
    const std::size_t got = file.ReadAt(offset, window, sizeof window);
    const std::string_view text = TextUpToNul(std::string_view(window, got));

    if (auto names = ElementText(text, "<tables>", "</tables>"))
        for (std::string_view piece : SplitList(*names, ','))
            directory.push_back({std::string(piece), -1, 0});

    return AssignNumbers(text, "<tablestartpos>", "</tablestartpos>", directory, &DB_TABLE_INFO::start) &&
           AssignNumbers(text, "<tablesize>", "</tablesize>", directory, &DB_TABLE_INFO::size);
}

const DB_TABLE_INFO* CMyXMLDb::FindTable(const std::string& name) const
{
    for (const DB_TABLE_INFO& entry : directory)
        if (entry.name == name) return &entry;
    return nullptr;
}
