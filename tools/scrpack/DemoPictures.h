// The demo show's pictures: landscapes computed from noise and light, so the show has something
// that looks like photographs without carrying anyone's pictures.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DemoPicture {
    std::string stem;    // file name without extension
    std::string format;  // the extension the demo stores it as: bmp, jpg, png, gif or tif
    int width, height;
    // 0x00BBGGRR of pixel (x, y), y = 0 at the top.
    std::uint32_t (*pixel)(int x, int y, int width, int height);
};

const std::vector<DemoPicture>& DemoPictures();
