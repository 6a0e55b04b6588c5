// Pictures for tests, encoded by the system's imaging component from pixels we compute.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

enum class ImageFormat { Bmp, Png, Jpeg, Gif, Tiff };

// A colour per pixel, as 0x00BBGGRR.
using PixelFunction = std::function<COLORREF(int x, int y)>;

// The encoded bytes of a width × height picture.
std::vector<std::uint8_t> EncodeImage(ImageFormat format, int width, int height, const PixelFunction& pixel);
// Writes the encoded picture to a file and returns its path.
std::string WriteImage(const std::string& path, ImageFormat format, int width, int height, const PixelFunction& pixel);

// A picture in which every pixel differs from its neighbours, so misplaced copies show.
COLORREF PatternPixel(int x, int y);
