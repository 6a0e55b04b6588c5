#include "PreviewPictures.h"

#include "../diagnostics/FileLog.h"
#include "../settings/Media.h"
#include "../settings/MediaSetting.h"
#include "../settings/VESKGlobeSettings.h"
#include "../slideshow/ComPicture.h"
#include "../slideshow/MediaPicture.h"
#include "../slideshow/PictureFit.h"

#include <cmath>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace {

std::uint32_t Rgb(int r, int g, int b)
{
    return static_cast<std::uint32_t>(r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF);
}

// Coordinates run from 0 to 1 across the picture, so both pictures look alike at every size.
std::uint32_t DuskPixel(double x, double y)
{
    const double hill = 0.7 + 0.08 * std::sin(x * 9.0) + 0.05 * std::sin(x * 23.0 + 1.0);
    if (y > hill) return Rgb(30 + static_cast<int>(20 * x), 60 + static_cast<int>(40 * (y - hill)), 25);
    return Rgb(40 + static_cast<int>(160 * y), 50 + static_cast<int>(90 * y), 140 - static_cast<int>(60 * y));
}

std::uint32_t CheckerPixel(double x, double y)
{
    const bool checker = (static_cast<int>(x * 8) + static_cast<int>(y * 5)) % 2 == 0;
    const bool ring = std::fmod(std::hypot(x - 0.4, (y - 0.45) * 0.6) * 12.0, 1.0) < 0.25;
    if (ring) return Rgb(250, 235, 120);
    return checker ? Rgb(240, 150, 30) : Rgb(190, 70, 25);
}

// The stored picture `fileName` fitted whole into width × height, centred on black; null when it
// cannot be decoded.
std::unique_ptr<CComPicture> FittedShowPicture(const std::string& fileName, CVESKGlobeSettings& project, CMedia& media,
                                               int width, int height)
{
    CComPicture loaded;
    try {
        if (!LoadMediaPicture(loaded, fileName, project, media) || !loaded.surface) return nullptr;
    } catch (const std::exception& e) {
        FILE_LOG("preview picture %s not shown: %s", fileName.c_str(), e.what());
        return nullptr;
    }
    auto fitted = std::make_unique<CComPicture>();
    if (!fitted->Create(width, height, RGB(0, 0, 0))) return nullptr;
    const FitSize size = FitInside(loaded.Width(), loaded.Height(), width, height);
    if (size.width < 1 || size.height < 1) return fitted;
    const PicturePlace place = PlacePicture(width, height, size.width, size.height, false);
    StretchPicture(*fitted, place.x, place.y, size.width, size.height, loaded, 0, 0, loaded.Width(), loaded.Height());
    return fitted;
}

}  // namespace

std::unique_ptr<CComPicture> ComputedPreviewPicture(int which, int width, int height)
{
    auto picture = std::make_unique<CComPicture>();
    if (!picture->Create(width, height, RGB(0, 0, 0))) return picture;
    std::uint32_t* pixels = picture->surface->Pixels();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double u = (x + 0.5) / width, v = (y + 0.5) / height;
            pixels[y * width + x] = which == 0 ? DuskPixel(u, v) : CheckerPixel(u, v);
        }
    return picture;
}

std::array<std::unique_ptr<CComPicture>, 2> MakePreviewPictures(CVESKGlobeSettings& project, int width, int height)
{
    std::array<std::unique_ptr<CComPicture>, 2> pictures;
    if (const CMyXMLDb* db = project.Database()) {
        CMediaSetting items;
        items.SetDatabase(*db);
        items.Open();
        CMedia media;
        media.SetDatabase(*db);
        media.Open();
        std::size_t next = 0;
        for (const std::int32_t item : items.PictureItemIndices()) {
            if (next == pictures.size()) break;
            pictures[next] = FittedShowPicture(items.FileNameOf(item), project, media, width, height);
            if (pictures[next]) ++next;
        }
    }
    for (std::size_t k = 0; k < pictures.size(); ++k)
        if (!pictures[k]) pictures[k] = ComputedPreviewPicture(static_cast<int>(k), width, height);
    return pictures;
}
