// scrpack.exe: stores the formats the player reads as they are, and refuses the others with the
// way out.
#include "PictureFormat.h"
#include "PicturePrepare.h"

#include <filesystem>

bool PicturePreparer::CanFit()
{
    return false;
}

PreparedPicture PicturePreparer::Prepare(const std::string& path)
{
    const PictureFormat format = SniffPictureFile(path);
    if (format == PictureFormat::Unknown)
        throw PictureRefused("not a picture that scrpack knows (JPEG, PNG, GIF, BMP, TIFF, HEIF, AVIF, WebP)");
    if (!PlayerReads(format))
        throw PictureRefused(std::string("the player cannot show ") + FormatName(format) +
                             " pictures and scrpack.exe cannot convert them: build the show with the Linux "
                             "scrpack, or convert the picture to JPEG first");
    PreparedPicture prepared;
    prepared.path = path;
    std::error_code error;
    prepared.originalBytes = prepared.storedBytes = std::filesystem::file_size(path, error);
    prepared.storedName = StoredPictureName(path, StoredExtension(format));
    return prepared;
}
