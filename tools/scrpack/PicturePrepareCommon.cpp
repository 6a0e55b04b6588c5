#include "PicturePrepare.h"

#include "../../src/slideshow/ImageType.h"
#include "Manifest.h"

#include <filesystem>

std::string StoredPictureName(const std::string& name, const char* extension)
{
    const std::string base = BaseName(name);
    if (GetImageType(base) == GetImageType(extension)) return base;
    std::string stem = std::filesystem::path(base).stem().string();
    for (char& c : stem)
        if (c == '.') c = '_';  // a dot in the stem could name another reader
    return stem + extension;
}

PicturePreparer::PicturePreparer(std::string workFolder, std::optional<PictureSize> box)
    : workFolder(std::move(workFolder)), box(box)
{
}

std::string PicturePreparer::NewFile(const std::string& extension)
{
    std::filesystem::create_directories(workFolder);
    return (std::filesystem::path(workFolder) / ("picture-" + std::to_string(++made) + extension)).string();
}
