#include "StripSheet.h"

#include "../../src/framework/ImageWriter.h"

#include <wincodec.h>

namespace {

constexpr int kMargin = 10, kGap = 6, kLabelHeight = 18;
constexpr COLORREF kBackground = RGB(40, 40, 44), kLabel = RGB(235, 235, 235);

}  // namespace

StripSheet::StripSheet(int strips, int columns, int frameWidth, int frameHeight)
    : columns(columns), frameWidth(frameWidth), frameHeight(frameHeight)
{
    const int rows = (strips + columns - 1) / columns;
    const int stripWidth = EffectStrip::kMoments * (frameWidth + kGap) - kGap;
    const int stripHeight = kLabelHeight + frameHeight;
    sheet.SetSize(kMargin + columns * (stripWidth + 2 * kMargin), kMargin + rows * (stripHeight + kMargin),
                  kBackground);
}

void StripSheet::Place(int k, const std::string& label, const EffectStrip& strip)
{
    const int stripWidth = EffectStrip::kMoments * (frameWidth + kGap) - kGap;
    const int x = kMargin + (k % columns) * (stripWidth + 2 * kMargin);
    const int y = kMargin + (k / columns) * (kLabelHeight + frameHeight + kMargin);
    HDC dc = sheet.Handle();
    ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));  // a stock object: never deleted
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kLabel);
    ::TextOutA(dc, x, y + 2, label.c_str(), static_cast<int>(label.size()));
    ::GdiFlush();
    for (int m = 0; m < EffectStrip::kMoments; ++m)
        CopyPixels(strip.frames[m], 0, 0, sheet, x + m * (frameWidth + kGap), y + kLabelHeight, frameWidth,
                   frameHeight);
}

void StripSheet::Save(const std::string& path) const
{
    WriteImageFile(path, GUID_ContainerFormatPng, sheet);
}
