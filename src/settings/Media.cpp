#include "Media.h"

#include "../package/XMLDb.h"

#include <algorithm>

std::string LowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return text;
}

std::string FileNamePart(const std::string& path)
{
    const auto folder = path.find_last_of("\\:");
    return folder == std::string::npos ? path : path.substr(folder + 1);
}

void CMedia::Open()
{
    mediaTable.SetLoadBinaryFields(false);
    if (database) mediaTable.Open(*database, "media");
}

template <class Matches>
bool CMedia::Find(Matches matches)
{
    if (mediaTable.RecordCount() == 0) return false;
    for (mediaTable.First(); !mediaTable.Eof(); mediaTable.Next())
        if (matches(LowerCase(mediaTable.ReadText("name")))) return true;
    return false;
}

bool CMedia::CopyByExactName(const std::string& name, TStream& stream)
{
    const std::string key = LowerCase(name);
    return Find([&](const std::string& stored) { return stored == key; }) &&
           mediaTable.CopyBinaryToStream("media", stream);
}

bool CMedia::CopyByFileName(const std::string& path, TStream& stream)
{
    const std::string key = LowerCase(FileNamePart(path));
    return Find([&](const std::string& stored) { return stored.find(key) != std::string::npos; }) &&
           mediaTable.CopyBinaryToStream("media", stream);
}

std::string CMedia::FindStoredName(const std::string& path)
{
    const std::string key = LowerCase(FileNamePart(path));
    if (!Find([&](const std::string& stored) { return stored.find(key) != std::string::npos; })) return {};
    return LowerCase(mediaTable.ReadText("name"));
}
