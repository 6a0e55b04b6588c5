// The painted background behind a picture and the caption blocks over it. Every paint draws
// fresh random choices among the kinds, colours, gradients and pictures the show item allows.
//
//   CBackground painter;
//   painter.SetSources(&showSetting, &project);
//   painter.target = &surface;
//   painter.media = &media;
//   painter.Paint(runMode);          // background, then captions unless previewing
#pragma once

#include "../diagnostics/ScrMode.h"

#include <windows.h>

#include <cstdint>
#include <string>

class CComPicture;
class CMedia;
class CMediaSetting;
class CVESKGlobeSettings;

class CBackground {
public:
    CBackground();
    virtual ~CBackground() = default;

    void SetSources(CMediaSetting* showItem, CVESKGlobeSettings* project);
    void Paint(TScrMode runMode);
    void PaintBackground();
    void DrawTitle();
    void DrawDescription();
    int LoadShowPicture(CComPicture& picture);
    int LoadListedPicture(CComPicture& picture);

    COLORREF presetColors[13];
    COLORREF presetGradientStarts[13];
    COLORREF presetGradientEnds[13];
    CComPicture* target = nullptr;
    CMediaSetting* showItem = nullptr;
    CVESKGlobeSettings* project = nullptr;
    CMedia* media = nullptr;
    std::string pictureName;  // the background picture chosen last, for the log

private:
    void PaintPicture();
    void DrawBackgroundPicture();
    void PaintGradient();
    void DrawCaption(const std::string& text, const std::string& fontStyle, std::uint32_t charset, std::uint32_t colour,
                     int size, int position, int freeX, int freeY, bool block);
};

// Paints a gradient of type 0..11 over the whole target; other types paint nothing.
void DrawGradient(COLORREF startColour, COLORREF endColour, int type, CComPicture& target);

// Lays a picture out over the target: 0 stretched, 1 centred (shrunk to fit), 2 tiled, 3 one of
// those at random.
void DrawPictureBackground(CComPicture& target, int layout, int tileCount, CComPicture& picture, bool randomTiles);
