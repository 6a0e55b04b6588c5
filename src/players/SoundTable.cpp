#include "SoundTable.h"

#include "../diagnostics/FileLog.h"
#include "../package/Payloads.h"
#include "../platform/File.h"
#include "../platform/Stream.h"
#include "../settings/Media.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

namespace {
constexpr std::int32_t kBackgroundTrack = 1;
// The sub-folders of the temporary folder for the copies of each kind.
constexpr char kMusicFolder[] = "veskmusic";
constexpr char kBoundFolder[] = "vesksound";

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.find_last_of("\\/:") + 1);
}
}  // namespace

CSoundTable::CSoundTable(const CMyXMLDb& db, std::string tempFolder) : database(db), temp(std::move(tempFolder))
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}

CSoundTable::~CSoundTable()
{
    Close();
}

void CSoundTable::Open()
{
    list.clear();
    position = -1;
    musicTable.SetLoadBinaryFields(false);
    if (!musicTable.Open(database, "music")) return;
    for (musicTable.First(); !musicTable.Eof(); musicTable.Next())
        if (musicTable.ReadInt("type") == kBackgroundTrack) list.push_back(musicTable.RecNo());
}

void CSoundTable::Close()
{
    musicTable.Close();
}

std::string CSoundTable::NextTrack(const std::string& path, bool random, bool loop, bool embedded, bool beside)
{
    if (list.empty() || musicTable.IsClosed()) return {};
    const auto n = static_cast<std::int32_t>(list.size());
    if (random && loop) {
        position = shuffleBag.Next(n);
    } else if (random) {
        position = std::rand() % n;
    } else if (position + 1 >= n) {
        if (!loop) return {};  // the music is over
        position = 0;
    } else {
        ++position;
    }
    musicTable.GoTo(list[static_cast<std::size_t>(position)]);
    // Each track plays once in a random order without loop: the list shrinks to nothing.
    if (random && !loop) list.erase(list.begin() + position);

    const std::string name = musicTable.ReadText("name");
    if (!embedded) return SeparateFile(name, path, beside);
    return CopyToTemp(name, kMusicFolder, currentMusicFile);
}

std::string CSoundTable::TrackByName(const std::string& name, const std::string& path, bool embedded, bool beside)
{
    const std::string key = LowerCase(FileNamePart(name));
    if (key.empty() || musicTable.IsClosed()) return {};
    bool found = false;
    for (musicTable.First(); !musicTable.Eof(); musicTable.Next()) {
        found = LowerCase(musicTable.ReadText("name")).find(key) != std::string::npos;
        if (found) break;
    }
    if (!found) return {};

    const std::string stored = musicTable.ReadText("name");
    if (!embedded) return SeparateFile(LowerCase(stored), path, beside);
    return CopyToTemp(stored, kBoundFolder, currentBoundFile);
}

std::string CSoundTable::SeparateFile(const std::string& storedName, const std::string& path, bool beside) const
{
    const std::string file = beside ? FolderOf(path) + FileNamePart(storedName) : storedName;
    if (!FileExists(file)) throw ETrackNotFound(file);
    return file;
}

std::string CSoundTable::CopyToTemp(const std::string& storedName, const char* kindFolder, std::string& current)
{
    RemoveCopy(current);
    if (temp.empty()) {
        FILE_LOG("track \"%s\" not copied: there is no temporary folder", storedName.c_str());
        return {};
    }
    const auto target = ContainedPath(temp + kindFolder + PathSeparator(), storedName);
    if (!target) {
        FILE_LOG("track \"%s\" refused: its name leaves the temporary folder or names a device", storedName.c_str());
        return {};
    }
    const auto folderEnd = target->find_last_of("\\/");
    if (folderEnd != std::string::npos) CreateFolders(target->substr(0, folderEnd));
    TFileStream out;
    const bool written = out.Create(*target) && musicTable.CopyBinaryToStream("music", out);
    out.Close();
    if (!written) {
        FILE_LOG("track \"%s\" could not be written to %s", storedName.c_str(), target->c_str());
        RemoveFile(*target);
        return {};
    }
    current = *target;
    return current;
}

void CSoundTable::RemoveCopy(std::string& file)
{
    if (file.empty()) return;
    const bool gone = !FileExists(file) || RemoveFile(file);
    if (!gone && std::find(undeleted.begin(), undeleted.end(), file) == undeleted.end()) undeleted.push_back(file);
    file.clear();
}

void CSoundTable::RemoveCopies()
{
    RemoveCopy(currentMusicFile);
    RemoveCopy(currentBoundFile);
    for (const std::string& file : undeleted)
        if (FileExists(file) && !RemoveFile(file)) FILE_LOG("track copy %s could not be removed", file.c_str());
    undeleted.clear();
}
