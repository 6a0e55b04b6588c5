// Encodes pixels into a picture file format through the system's imaging component (WIC).
// Failures raise std::runtime_error naming the step that failed.
//
//   std::vector<std::uint8_t> png = EncodeImage(GUID_ContainerFormatPng, bitmap);
//   WriteImageFile("sheet.png", GUID_ContainerFormatPng, bitmap);
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
