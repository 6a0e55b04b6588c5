// Encodes pixels into a picture file format through the system's imaging component (WIC).
// Failures raise std::runtime_error naming the step that failed.
//
//   std::vector<std::uint8_t> png = EncodeImage(GUID_ContainerFormatPng, bitmap);
//   WriteImageFile("sheet.png", GUID_ContainerFormatPng, bitmap);
//   auto jpeg = EncodePixels(GUID_ContainerFormatJpeg, w, h, argb, {false, 0.9f});
#pragma once

#include "Bitmap.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// The encoded bytes of width × height pixels given as rows of blue, green and red bytes,
// width × 3 bytes per row, top row first, in the container format (GUID_ContainerFormatPng, …).
std::vector<std::uint8_t> EncodeImage(const GUID& container, int width, int height,
                                      const std::vector<std::uint8_t>& bgrRows);
// The encoded bytes of a surface.
std::vector<std::uint8_t> EncodeImage(const GUID& container, const TBitmap& bitmap);
// Writes a surface to a file in the container format.
void WriteImageFile(const std::string& path, const GUID& container, const TBitmap& bitmap);

struct EncodeOptions {
    bool alpha = false;    // keep the alpha bytes (PNG); otherwise they are ignored
    float quality = 0.0f;  // a JPEG's quality from 0 to 1; 0 leaves the encoder's own
};
// The encoded bytes of width × height pixels 0xAARRGGBB, rows top first with no gaps.
std::vector<std::uint8_t> EncodePixels(const GUID& container, int width, int height, const std::uint32_t* pixels,
                                       EncodeOptions options);
