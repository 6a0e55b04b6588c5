#include "PicturePrepare.h"

#include "../../src/framework/ExifOrientation.h"
#include "../../src/framework/PixelOrientation.h"
#include "../../src/slideshow/ImageType.h"
#include "Manifest.h"
#include "PictureCodecs.h"

#include <filesystem>

namespace {

constexpr int kJpegQuality = 90;

int FileOrientation(const std::string& path)
{
    SharedReadFile file;
    return file.Open(path) ? JpegOrientation(file) : kOrientationAsStored;
}

}  // namespace

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

PreparedPicture PicturePreparer::Prepare(const std::string& path)
{
    PictureFormat format;
    PreparedPicture prepared = Recognise(path, format);
    const bool convert = !PlayerReads(format);
    const bool fittable = format == PictureFormat::Jpeg || format == PictureFormat::Png || convert;
    if (!convert && (!box || !fittable)) return prepared;

    try {
        const Picture* picture = &fitted;
        if (format == PictureFormat::Jpeg) {
            // Decoded at a reduced scale where that still leaves at least the fitted size, fitted as
            // stored, then turned: the turn moves the fewest pixels.
            const PictureSize stored = JpegSize(path);
            const int orientation = FileOrientation(path);
            const OrientedSize upright = OrientSize(stored.width, stored.height, orientation);
            const PictureSize target = FitInside({upright.width, upright.height}, *box);
            if (target == PictureSize{upright.width, upright.height}) return prepared;
            const OrientedSize storedTarget = OrientSize(target.width, target.height, orientation);
            const PictureSize storedSize{storedTarget.width, storedTarget.height};
            DecodeJpeg(path, JpegScaleDenominator(stored, storedSize), decoded);
            ResizePicture(decoded, storedSize, fitted);
            OrientPicture(fitted, orientation, scratch);
        } else {
            decoded = DecodePicture(format, path);
            const PictureSize target = box ? FitInside(decoded.Size(), *box) : decoded.Size();
            if (!convert && target == decoded.Size()) return prepared;
            if (target == decoded.Size())
                picture = &decoded;
            else
                ResizePicture(decoded, target, fitted);
        }
        const char* extension = picture->hasAlpha ? ".png" : ".jpg";
        const std::string file = NewFile(extension);
        if (picture->hasAlpha)
            EncodePng(*picture, file);
        else
            EncodeJpeg(*picture, kJpegQuality, file);
        const std::uint64_t bytes = FileBytes(file);
        if (!convert && bytes >= prepared.originalBytes) {
            std::filesystem::remove(file);  // the original is smaller: it stays as it is
            return prepared;
        }
        prepared.path = file;
        prepared.storedBytes = bytes;
        prepared.storedName = StoredPictureName(path, extension);
        return prepared;
    } catch (const PictureError& e) {
        throw PictureRefused(std::string("cannot ") + (convert ? "convert" : "fit") + " this " + FormatName(format) +
                             " picture: " + e.what() + (convert ? kConversionWayOut : ""));
    }
}
