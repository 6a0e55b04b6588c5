// The image readers: decode an encoded picture (a file, or bytes in memory) into a TBitmap of
// the picture's natural size, through the system's imaging component (WIC). Animated pictures
// give their first frame. A JPEG is turned the right way up for its EXIF orientation, so a photo
// taken with the camera on its side comes out upright (and with its sides swapped). A failure
// raises EInvalidGraphic with the reader's reason.
//
//   TBitmap bitmap;
//   ReadImageFile("C:\\pictures\\dawn.jpg", bitmap);
//   ReadImageBytes(bytes.data(), bytes.size(), bitmap);
#pragma once

#include "Bitmap.h"

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

class EInvalidGraphic : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

void ReadImageFile(const std::string& path, TBitmap& bitmap);
void ReadImageBytes(const std::uint8_t* bytes, std::size_t size, TBitmap& bitmap);

// As above, scaled to width × height (high-quality resampling) of the upright picture; width or
// height ≤ 0 keeps the picture's own size.
void ReadImageFileScaled(const std::string& path, int width, int height, TBitmap& bitmap);
