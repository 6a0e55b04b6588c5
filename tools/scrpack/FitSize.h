// The sizes of fitting a picture into the box an author names ("3840x2160"): pictures larger than
// the box shrink to fit inside it, keeping their proportions; smaller ones stay as they are.
#pragma once

#include <string>

struct PictureSize {
    int width = 0, height = 0;
    bool operator==(const PictureSize& other) const { return width == other.width && height == other.height; }
};

// "3840x2160" → {3840, 2160}; false for anything else (sides from 1 to 65535).
bool ParseFitBox(const std::string& text, PictureSize& box);

// The size of `picture` fitted inside `box`: the same size when it fits already, otherwise the
// largest size of its proportions (rounded, at least 1 × 1) that fits.
PictureSize FitInside(PictureSize picture, PictureSize box);

// The denominator (1, 2, 4 or 8) of the largest reduced JPEG decode that still holds at least
// `target` pixels each way; at 1/2, 1/4 and 1/8 the decoder averages whole blocks, so the area
// averaging that follows only ever shrinks.
int JpegScaleDenominator(PictureSize picture, PictureSize target);
