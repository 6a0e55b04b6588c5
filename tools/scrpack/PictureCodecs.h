// Decoding and encoding pictures: with the distribution's libraries (libjpeg-turbo, libpng,
// libheif, libwebp, libavif) in the Linux scrpack, with the system's imaging component in
// scrpack.exe.
//
// Each function raises PictureError with a message that says what went wrong (the caller names
// the file).
#pragma once

#include "Picture.h"
#include "PictureFormat.h"

#include <stdexcept>
#include <string>

class PictureError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The size of a JPEG as stored, from its header alone.
PictureSize JpegSize(const std::string& path);
// Decodes a JPEG at 1/denominator of its size (1, 2, 4 or 8) where the decoder can scale, else at
// its own size, as stored (not turned), into `picture`, whose buffer is reused.
void DecodeJpeg(const std::string& path, int denominator, Picture& picture);
// A picture of any other format that this build decodes, its alpha kept.
Picture DecodePicture(PictureFormat format, const std::string& path);
// What the author can do when a conversion fails, appended to the reason ("" for nothing more).
extern const char* const kConversionWayOut;

// The Linux scrpack's own decoders.
Picture DecodePng(const std::string& path);
// HEIF and AVIF come upright: the turns and mirrors of their containers are applied.
Picture DecodeHeif(const std::string& path);
Picture DecodeAvif(const std::string& path);
// A WebP is turned upright for the orientation of its EXIF chunk.
Picture DecodeWebp(const std::string& path);

// Writes a baseline JPEG (no EXIF data, so no orientation) of an opaque picture.
void EncodeJpeg(const Picture& picture, int quality, const std::string& path);
// Writes a PNG, with its alpha channel when the picture has one.
void EncodePng(const Picture& picture, const std::string& path);
