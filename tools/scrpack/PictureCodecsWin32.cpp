// scrpack.exe: stores the formats the player reads as they are, converts to JPEG what the system's
// imaging component (WIC) decodes, and refuses the rest with the way out.
#include "../../src/framework/ImageReader.h"
#include "../../src/framework/ImageWriter.h"
#include "PictureFormat.h"
#include "PicturePrepare.h"

#include <wincodec.h>

#include <filesystem>

bool PicturePreparer::CanFit()
{
    return false;
}

PreparedPicture PicturePreparer::Prepare(const std::string& path)
{
    PictureFormat format;
    PreparedPicture prepared = Recognise(path, format);
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
