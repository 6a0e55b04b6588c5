// The Linux scrpack decodes what the player cannot read with the distribution's libraries.
#include "PictureCodecs.h"

const char* const kConversionWayOut = "";

Picture DecodePicture(PictureFormat format, const std::string& path)
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
