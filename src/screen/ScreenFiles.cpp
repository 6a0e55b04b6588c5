#include "ScreenFiles.h"

#include "../diagnostics/FileLog.h"
#include "../package/Payloads.h"
#include "../platform/File.h"
#include "../platform/System.h"
#include "../settings/Media.h"
#include "../settings/MediaSetting.h"
#include "../settings/VESKGlobeSettings.h"

#include <algorithm>

namespace {
// A fresh copy is given a moment before the media interface opens it.
constexpr unsigned kSettleMilliseconds = 1000;

std::string FolderOf(const std::string& path)
{
    return path.substr(0, path.find_last_of("\\/:") + 1);
}

std::string BaseName(const std::string& path)
{
    return WithoutExtension(FileNamePart(path));
}

std::string Extension(const std::string& path)
{
    const std::string name = FileNamePart(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}
}  // namespace

std::string WithoutExtension(const std::string& path)
{
    const auto dot = path.rfind('.');
    const auto folder = path.find_last_of("\\/:");
    if (dot == std::string::npos || (folder != std::string::npos && dot < folder)) return path;
    return path.substr(0, dot);
}

CScreenFiles::CScreenFiles(std::string tempFolder, const CVESKGlobeSettings& projectRecord, CMedia& mediaFiles)
    : temp(std::move(tempFolder)), project(projectRecord), media(mediaFiles)
{
}

std::string CScreenFiles::SeparateFile(const std::string& filename)
{
    if (project.options.filesBesideProgram) return FolderOf(project.screensaverPath) + FileNamePart(filename);
    return media.FindStoredName(filename);
}

void CScreenFiles::AddToDeletionList(const std::string& path)
{
    if (std::find(deletionList.begin(), deletionList.end(), path) == deletionList.end()) deletionList.push_back(path);
}

std::string CScreenFiles::MaterialiseFlashMovie(CMediaSetting& item)
{
    missingFile.clear();
    if (!project.options.mediaEmbedded) {
        const std::string movie = SeparateFile(item.filename);
        item.ExtractAccFiles(FolderOf(movie), false);
        if (!FileExists(movie)) {
            missingFile = movie;
            return {};
        }
        return movie;
    }
    // A movie still held open is removed at exit instead.
    if (!currentMovieFile.empty() && FileExists(currentMovieFile) && !RemoveFile(currentMovieFile))
        AddToDeletionList(currentMovieFile);
    if (temp.empty()) {
        FILE_LOG("movie \"%s\" not copied: there is no temporary folder", item.filename.c_str());
        return item.filename;
    }
    item.ExtractAccFiles(temp, true);
    // Copied straight into the file, in chunks; a movie without a record leaves no file behind.
    const std::string target = temp + std::to_string(TickCount()) + ".swf";
    TFileStream out;
    if (!out.Create(target)) return item.filename;
    const bool copied = media.CopyByFileName(item.filename, out);
    out.Close();
    if (!copied) {
        RemoveFile(target);
        return item.filename;
    }
    currentMovieFile = target;
    return target;
}

std::string CScreenFiles::MaterialiseVideo(CMediaSetting& item)
{
    missingFile.clear();
    if (!project.options.mediaEmbedded) {
        const std::string video = SeparateFile(item.filename);
        if (FileExists(video)) return video;
        missingFile = video;
        return {};
    }
    if (!currentVideoFile.empty() && FileExists(currentVideoFile))
        RenameFile(currentVideoFile, WithoutExtension(currentVideoFile));
    if (temp.empty()) {
        FILE_LOG("video \"%s\" not copied: there is no temporary folder", item.filename.c_str());
        return {};
    }

    const std::string folder = temp + DigitName(BaseName(project.screensaverPath)) + PathSeparator();
    CreateFolders(folder);
    const std::string target = folder + DigitName(BaseName(item.filename)) + Extension(item.filename);
    const std::string parked = WithoutExtension(target);
    currentVideoFile = target;
    if (!FileExists(target)) {
        if (FileExists(parked)) {
            RenameFile(parked, target);
        } else {
            TFileStream out;
            const bool copied = out.Create(target) && media.CopyByExactName(item.filename, out);
            out.Close();
            if (!copied) {
                // A part of a video is no video: nothing is left for the player to open.
                FILE_LOG("video \"%s\" could not be copied to %s", item.filename.c_str(), target.c_str());
                RemoveFile(target);
                currentVideoFile.clear();
                return {};
            }
            SleepMilliseconds(kSettleMilliseconds);
        }
    }
    AddToDeletionList(parked);
    AddToDeletionList(target);
    return target;
}

void CScreenFiles::RemoveScreenFiles()
{
    if (!currentMovieFile.empty() && FileExists(currentMovieFile)) RemoveFile(currentMovieFile);
    for (const std::string& path : deletionList)
        if (FileExists(path) && !RemoveFile(path)) FILE_LOG("%s could not be removed", path.c_str());
    if (!currentVideoFile.empty() && FileExists(currentVideoFile))
        RenameFile(currentVideoFile, WithoutExtension(currentVideoFile));
}
