// A sheet of labelled effect strips laid out in columns, written as one PNG file.
//
//   StripSheet sheet(strips, 2, frameWidth, frameHeight);
//   sheet.Place(0, "20  Block from center", strip);
//   sheet.Save("build/gallery/Block.png");
#pragma once

#include "../../src/framework/Bitmap.h"
#include "EffectStrip.h"

#include <string>

class StripSheet {
public:
    StripSheet(int strips, int columns, int frameWidth, int frameHeight);
    // Draws the label and the five frames of strip number k.
    void Place(int k, const std::string& label, const EffectStrip& strip);
    // Throws std::runtime_error when the file cannot be encoded or written.
    void Save(const std::string& path) const;

private:
    int columns, frameWidth, frameHeight;
    TBitmap sheet;
};
