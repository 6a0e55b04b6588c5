#include "CaptionLayout.h"

CaptionOrigin PlaceCaption(int position, int width, int height, int blockWidth, int blockHeight, int freeX, int freeY)
{
    const int centreX = (width - blockWidth) / 2, rightX = width - blockWidth - 20;
    const int bottomY = height - blockHeight, middleY = (height - blockHeight) / 2;
    switch (position) {
        case 0:
            return {centreX, 0};
        case 1:
            return {0, 0};
        case 2:
            return {rightX, 0};
        case 3:
            return {centreX, bottomY};
        case 4:
            return {0, bottomY};
        case 5:
            return {rightX, bottomY};
        case 6:
            return {centreX, middleY};
        case 7:
            return {0, middleY};
        case 8:
            return {rightX, middleY};
        case 9:
            return {freeX, freeY};
        default:
            return {0, 0};
    }
}

std::vector<std::string> CaptionLines(const std::string& text)
{
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            line += c;
        }
    }
    // A break ends a line; text after the last break is one more line. Then an empty last line
    // (a text ending in two breaks) is dropped.
    if (!line.empty()) lines.push_back(line);
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}
