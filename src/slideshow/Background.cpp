#include "Background.h"

#include "../diagnostics/FileLog.h"
#include "../framework/ImageReader.h"
#include "../package/Payloads.h"
#include "../package/XMLDb.h"
#include "../package/XMLTable.h"
#include "../platform/File.h"
#include "../settings/ListTexts.h"
#include "../settings/Media.h"
#include "../settings/MediaSetting.h"
#include "../settings/VESKGlobeSettings.h"
#include "CaptionLayout.h"
#include "ComPicture.h"
#include "Gradient.h"
#include "MediaPicture.h"
#include "PictureFit.h"

#include <algorithm>

namespace {

constexpr COLORREF kPresetColors[13] = {0x000000, 0x008000, 0x008080, 0x808000, 0x0000FF, 0x00FF00, 0x00FFFF,
                                        0xFF00FF, 0xFFFF00, 0x8000FF, 0xC0DCC0, 0xF0CAA6, 0x000080};
constexpr COLORREF kGradientStarts[13] = {0xFFFFFF, 0x00FFFF, 0x80FFFF, 0x0080FF, 0xFFFF00, 0x00FF00, 0x0080FF,
                                          0xFF8000, 0x40FF00, 0xFF8000, 0x8000FF, 0x008000, 0x0080FF};
constexpr COLORREF kGradientEnds[13] = {0xFFFF00, 0x8000FF, 0xFFFF00, 0xFF80FF, 0xFF0080, 0x000000, 0x00FFFF,
                                        0xFF00FF, 0x00FFFF, 0x80FF80, 0x40FF00, 0xFFFF00, 0x000000};

// A uniformly random entry of a number list; -1 when it is empty.
int PickAtRandom(const std::string& list)
{
    std::int32_t position = -1;
    return ChooseEffect(list, true, position);
}

// The list "0;1;2;" of the choices allowed, or `fallback` when none is.
std::string AllowedList(bool first, bool second, bool third, const char* fallback)
{
    std::string list;
    if (first) list += "0;";
    if (second) list += "1;";
    if (third) list += "2;";
    return list.empty() ? fallback : list;
}

}  // namespace

CBackground::CBackground()
{
    std::copy(std::begin(kPresetColors), std::end(kPresetColors), presetColors);
    std::copy(std::begin(kGradientStarts), std::end(kGradientStarts), presetGradientStarts);
    std::copy(std::begin(kGradientEnds), std::end(kGradientEnds), presetGradientEnds);
}

void CBackground::SetSources(CMediaSetting* item, CVESKGlobeSettings* projectRecord)
{
    showItem = item;
    project = projectRecord;
}

void CBackground::Paint(TScrMode runMode)
{
    PaintBackground();
    if (runMode == smPreview) return;
    DrawTitle();
    DrawDescription();
}

void CBackground::PaintBackground()
{
    if (!target || !showItem) return;
    const ShowItemOptions& options = showItem->options;
    const std::string kinds = AllowedList(options.backgroundSolidAllowed, options.backgroundPictureAllowed,
                                          options.backgroundGradientAllowed, "0;");
    switch (PickAtRandom(kinds)) {
        case 0: {
            const COLORREF colour = options.backgroundColorRandom ? presetColors[RandomBelow(13)]
                                                                  : static_cast<COLORREF>(options.backgroundColor);
            target->FillRect(target->GetBounds(), colour);
            break;
        }
        case 1:
            PaintPicture();
            break;
        case 2:
            PaintGradient();
            break;
        default:
            break;
    }
}

void CBackground::PaintPicture()
{
    pictureName = "veskdsk.bmp";
    try {
        DrawBackgroundPicture();
    } catch (const EInvalidGraphic& e) {
        // A background that cannot be decoded is not the item's fault: the item still shows, on
        // its solid colour.
        FILE_LOG("background picture \"%s\" not shown: %s", pictureName.c_str(), e.what());
        target->FillRect(target->GetBounds(), static_cast<COLORREF>(showItem->options.backgroundColor));
    }
}

void CBackground::DrawBackgroundPicture()
{
    const ShowItemOptions& options = showItem->options;
    const std::string sources = AllowedList(options.pictureBackgroundDesktop, options.pictureBackgroundOwn,
                                            options.pictureBackgroundListed, "1;");

    CComPicture picture;
    const int source = PickAtRandom(sources);
    if (source == 0) {
        const std::string temp = TempFolder();
        if (!temp.empty() && FileExists(temp + pictureName) && picture.LoadFromFile(temp + pictureName))
            picture.Draw(0, 0, *target, SRCCOPY);
        else
            target->FillRect(target->GetBounds(), 0);
        return;
    }
    const int loaded = source == 1 ? LoadShowPicture(picture) : LoadListedPicture(picture);
    if (loaded)
        DrawPictureBackground(*target, options.pictureBackgroundParam1, options.pictureBackgroundParam2, picture,
                              options.pictureBackgroundFlag != 0);
    else
        target->FillRect(target->GetBounds(), 0);
}

void CBackground::PaintGradient()
{
    const ShowItemOptions& options = showItem->options;
    const int type = PickAtRandom(showItem->gradientString);
    COLORREF first = options.gradientColor1, second = options.gradientColor2;
    if (options.gradientColorsRandom) {
        const int i = RandomBelow(13);
        FILE_LOG("draw gradient backgroup %d", i);
        first = presetGradientStarts[i];
        second = presetGradientEnds[i];
    }
    DrawGradient(first, second, type, *target);
}

int CBackground::LoadShowPicture(CComPicture& picture)
{
    if (!showItem || !project || !media) return 0;
    const std::vector<std::int32_t> pictures = showItem->PictureItemIndices();
    if (pictures.empty()) return 0;
    const std::int32_t chosen = pictures[static_cast<std::size_t>(RandomBelow(static_cast<int>(pictures.size())))];
    pictureName = showItem->FileNameOf(chosen);
    return LoadMediaPicture(picture, pictureName, *project, *media);
}

int CBackground::LoadListedPicture(CComPicture& picture)
{
    if (!showItem || !project || !media || !showItem->Database() || showItem->backgroundList.empty()) return 0;
    const int index = PickAtRandom(showItem->backgroundList);
    CMyXMLTable backImages;
    backImages.SetLoadBinaryFields(false);
    if (!backImages.Open(*showItem->Database(), "backimage")) return 0;
    if (index < 0 || index >= backImages.RecordCount()) return 0;
    backImages.GoTo(index);
    pictureName = LowerCase(FileNamePart(backImages.ReadText("name")));
    return LoadMediaPicture(picture, pictureName, *project, *media);
}

// ---- captions ---------------------------------------------------------------------------------

void CBackground::DrawTitle()
{
    if (!target || !target->dc || !showItem || !showItem->options.titleShown) return;
    const ShowItemOptions& o = showItem->options;
    DrawCaption(showItem->title, showItem->titleFontStyle, o.titleCharset, o.titleColor, o.titleSize, o.titlePosition,
                o.titleX, o.titleY, false);
}

void CBackground::DrawDescription()
{
    if (!target || !target->dc || !showItem || !showItem->options.descShown) return;
    const ShowItemOptions& o = showItem->options;
    DrawCaption(showItem->desc, showItem->descFontStyle, o.descCharset, o.descColor, o.descSize, o.descPosition,
                o.descX, o.descY, true);
}

// A title is one line measured as a whole; a description is a block of lines drawn 8 pixels
// above its place, each line as high as the highest.
void CBackground::DrawCaption(const std::string& text, const std::string& fontStyle, std::uint32_t charset,
                              std::uint32_t colour, int size, int position, int freeX, int freeY, bool block)
{
    CDC& dc = *target->dc;
    LOGFONTA font{};
    font.lfHeight = -::MulDiv(size, ::GetDeviceCaps(dc.Handle(), LOGPIXELSY), 72);
    font.lfWeight = HasStyle(fontStyle, 1) ? FW_BOLD : FW_NORMAL;
    font.lfItalic = HasStyle(fontStyle, 2);
    font.lfUnderline = HasStyle(fontStyle, 3);
    font.lfStrikeOut = HasStyle(fontStyle, 4);
    font.lfCharSet = static_cast<BYTE>(charset & 0xFF);
    lstrcpynA(font.lfFaceName, TCanvas::DefaultFontFace().c_str(), LF_FACESIZE);
    dc.canvas->SetFont(font);

    std::vector<std::string> lines;
    int width = -1, lineHeight = -1;
    if (block) {
        lines = CaptionLines(text);
    } else {
        lines.push_back(text);
    }
    for (const std::string& line : lines) {
        const SIZE extent = dc.TextExtent(line);
        width = std::max<int>(width, extent.cx);
        lineHeight = std::max<int>(lineHeight, extent.cy);
    }
    const int height = static_cast<int>(lines.size()) * lineHeight;
    CaptionOrigin origin = PlaceCaption(position, target->Width(), target->Height(), width, height, freeX, freeY);
    if (block) origin.y -= 8;

    dc.SetTextColor(colour);
    const int previousMode = dc.SetBkMode(TRANSPARENT);
    for (std::size_t k = 0; k < lines.size(); ++k)
        dc.TextOut(origin.x, origin.y + static_cast<int>(k) * lineHeight, lines[k]);
    dc.SetBkMode(previousMode);
}

// ---- gradients and picture layouts ------------------------------------------------------------

void DrawGradient(COLORREF startColour, COLORREF endColour, int type, CComPicture& target)
{
    if (!target.dc) return;
    const int width = target.Width(), height = target.Height();
    const GradientPlan plan = PlanGradient(type, width, height);
    if (!plan.valid) return;
    if (plan.swapColours) std::swap(startColour, endColour);
    const GradientRamp ramp(startColour, endColour, plan.divisor);
    CDC& dc = *target.dc;

    if (type == 10 || type == 11) {
        dc.SetBrushColor(type == 10 ? endColour : startColour);
        dc.FillRect(target.GetBounds());
    }
    for (int i = 0; i < plan.count; ++i) {
        const COLORREF colour = ramp.At(GradientParameter(type, plan.count, i));
        switch (type) {
            case 0:
            case 1:
                dc.SetPen(0, 1, colour);
                dc.MoveTo(0, i);
                dc.LineTo(width, i);
                break;
            case 2:
            case 3:
                dc.SetPen(0, 1, colour);
                dc.MoveTo(i, 0);
                dc.LineTo(i, height);
                break;
            case 4:
            case 5:
                dc.SetBrushColor(colour);
                dc.FillRect({i, 0, width - i, height});
                break;
            case 6:
            case 7:
                dc.SetBrushColor(colour);
                dc.FillRect({0, i, width, height - i});
                break;
            default: {  // rings, 8 to 11
                const GradientInsets inset = RingInsets(width, height, i);
                const RECT ring{inset.a, inset.b, width - inset.a, height - inset.b};
                dc.SetBrushColor(colour);
                if (type <= 9) {
                    dc.FillRect(ring);
                } else {
                    dc.SetPen(0, 2, colour);
                    dc.Ellipse(ring);
                }
                break;
            }
        }
    }
}

void DrawPictureBackground(CComPicture& target, int layout, int tileCount, CComPicture& picture, bool randomTiles)
{
    if (!target.dc || !picture.dc) return;
    const int width = target.Width(), height = target.Height();
    const int pictureWidth = picture.Width(), pictureHeight = picture.Height();
    if (layout == 3) layout = RandomBelow(3);

    if (layout == 0) {
        StretchPicture(target, 0, 0, width, height, picture, 0, 0, pictureWidth, pictureHeight);
    } else if (layout == 1) {
        target.FillRect(target.GetBounds(), 0);
        FitSize drawn{pictureWidth, pictureHeight};
        if (pictureWidth > width || pictureHeight > height)
            drawn = FitInside(pictureWidth, pictureHeight, width, height);
        StretchPicture(target, (width - drawn.width) / 2, (height - drawn.height) / 2, drawn.width, drawn.height,
                       picture, 0, 0, pictureWidth, pictureHeight);
    } else if (layout == 2) {
        // A count of 0 counts as 1 and a tile at least one pixel high, so nothing divides by 0.
        const int count = std::max(tileCount, 1);
        const int tileWidth = std::max(width / (randomTiles ? RandomBelow(count) + 1 : count), 16);
        const int tileHeight = std::max(
            static_cast<int>(static_cast<double>(static_cast<std::int32_t>(pictureHeight * tileWidth)) / pictureWidth),
            1);
        CComPicture tile;
        if (!tile.Create(tileWidth, tileHeight, 0)) return;
        StretchPicture(tile, 0, 0, tileWidth, tileHeight, picture, 0, 0, pictureWidth, pictureHeight);
        for (int c = 0; c <= width / tileWidth; ++c)
            for (int r = 0; r <= height / tileHeight; ++r)
                tile.Draw(c * tileWidth, r * tileHeight, target, SRCCOPY);
    }
}
