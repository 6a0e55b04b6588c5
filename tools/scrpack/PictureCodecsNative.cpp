// The Linux scrpack: converts and fits with the distribution's picture libraries.
#include "../../src/framework/ExifOrientation.h"
#include "../../src/framework/PixelOrientation.h"
#include "Manifest.h"
#include "PictureCodecs.h"
#include "PictureFormat.h"
#include "PicturePrepare.h"

#include <filesystem>

namespace {

constexpr int kJpegQuality = 90;

int FileOrientation(const std::string& path)
{
    SharedReadFile file;
    return file.Open(path) ? JpegOrientation(file) : kOrientationAsStored;
}

Picture Decode(PictureFormat format, const std::string& path)
{
    switch (format) {
        case PictureFormat::Png:
            return DecodePng(path);
        case PictureFormat::Heif:
            return DecodeHeif(path);
        case PictureFormat::Avif:
            return DecodeAvif(path);
        case PictureFormat::Webp:
            return DecodeWebp(path);
        default:
            throw PictureError("scrpack has no decoder of its own for it");
    }
}

}  // namespace

bool PicturePreparer::CanFit()
{
    return true;
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
            decoded = Decode(format, path);
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
                             " picture: " + e.what());
    }
}
