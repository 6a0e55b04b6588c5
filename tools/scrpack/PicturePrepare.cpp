#include "PicturePrepare.h"

#include "../../src/slideshow/ImageType.h"
#include "Manifest.h"

#include <filesystem>

std::uint64_t FileBytes(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

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

PreparedPicture PicturePreparer::Recognise(const std::string& path, PictureFormat& format)
{
    format = SniffPictureFile(path);
    if (format == PictureFormat::Unknown)
        throw PictureRefused("not a picture that scrpack knows (JPEG, PNG, GIF, BMP, TIFF, HEIF, AVIF, WebP)");
    PreparedPicture prepared;
    prepared.path = path;
    prepared.originalBytes = prepared.storedBytes = FileBytes(path);
    prepared.storedName = StoredPictureName(path, StoredExtension(format));
    return prepared;
}

std::string PicturePreparer::NewFile(const std::string& extension)
{
    std::filesystem::create_directories(workFolder);
    return (std::filesystem::path(workFolder) / ("picture-" + std::to_string(++made) + extension)).string();
}
