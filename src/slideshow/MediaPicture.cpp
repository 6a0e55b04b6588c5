#include "MediaPicture.h"

#include "../platform/Stream.h"
#include "../settings/Media.h"
#include "../settings/VESKGlobeSettings.h"
#include "ComPicture.h"

namespace {

// The folder part of a path, with its final backslash.
std::string FolderOf(const std::string& path)
{
    const std::size_t end = path.find_last_of("\\:");
    return end == std::string::npos ? std::string() : path.substr(0, end + 1);
}

}  // namespace

int LoadMediaPicture(CComPicture& picture, const std::string& fileName, const CVESKGlobeSettings& project,
                     CMedia& media)
{
    if (project.options.mediaEmbedded) {
        TMemoryStream stream;
        media.CopyByFileName(fileName, stream);
        return picture.LoadFromStream(stream, fileName);
    }
    std::string path = media.FindStoredName(fileName);
    if (project.options.filesBesideProgram) path = FolderOf(project.screensaverPath) + FileNamePart(path);
    return picture.LoadFromFile(path);
}
