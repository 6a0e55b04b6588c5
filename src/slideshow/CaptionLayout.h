// Where caption blocks go and how a description splits into lines.
#pragma once

#include <string>
#include <vector>

struct CaptionOrigin {
    int x = 0, y = 0;
};

// The top-left corner of a bw × bh block on a W × H target for a position code (0 top centre,
// 1 top left, 2 top right, 3..5 bottom, 6..8 middle, 9 free at (freeX, freeY), others 0, 0).
// Right-hand positions keep a 20-pixel margin.
CaptionOrigin PlaceCaption(int position, int width, int height, int blockWidth, int blockHeight, int freeX, int freeY);

// The lines of a text split at CR LF, CR or LF (a break ends a line, so "a\r\nb\r\n" is two
// lines); then a final empty line is dropped ("a\r\nb\r\n\r\n" is two lines too).
std::vector<std::string> CaptionLines(const std::string& text);
