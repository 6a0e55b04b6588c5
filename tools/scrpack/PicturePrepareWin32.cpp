// scrpack.exe: stores the formats the player reads as they are, converts to JPEG what the system's
// imaging component (WIC) decodes, and refuses the rest with the way out.
#include "../../src/framework/ImageReader.h"
#include "../../src/framework/ImageWriter.h"
#include "PictureFormat.h"
#include "PicturePrepare.h"

#include <wincodec.h>

#include <filesystem>

namespace {

std::uint64_t FileBytes(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

}  // namespace

bool PicturePreparer::CanFit()
{
    return false;
}

PreparedPicture PicturePreparer::Prepare(const std::string& path)
{
    const PictureFormat format = SniffPictureFile(path);
    if (format == PictureFormat::Unknown)
        throw PictureRefused("not a picture that scrpack knows (JPEG, PNG, GIF, BMP, TIFF, HEIF, AVIF, WebP)");
    PreparedPicture prepared;
    prepared.path = path;
    prepared.originalBytes = prepared.storedBytes = FileBytes(path);
    prepared.storedName = StoredPictureName(path, StoredExtension(format));
    if (PlayerReads(format)) return prepared;

    TBitmap bitmap;
    try {
        ReadImageFile(path, bitmap);
    } catch (const EInvalidGraphic& e) {
        throw PictureRefused(std::string("the player cannot show ") + FormatName(format) +
                             " pictures, and this system cannot convert this one (" + e.what() +
                             "): build the show with the Linux scrpack, or convert the picture to JPEG first");
    }
    const std::string file = NewFile(".jpg");
    try {
        WriteImageFile(file, GUID_ContainerFormatJpeg, bitmap);
    } catch (const std::runtime_error& e) {
        throw PictureRefused(std::string("cannot convert this ") + FormatName(format) +
                             " picture to JPEG: " + e.what());
    }
    prepared.path = file;
    prepared.storedBytes = FileBytes(file);
    prepared.storedName = StoredPictureName(path, ".jpg");
    return prepared;
}
