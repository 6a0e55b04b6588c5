// The gallery: every built transition effect, run on two computed pictures, as a strip of five
// moments (first frame, 25 %, 50 %, 75 %, end) labelled with its index and name. Writes one PNG
// per family and one contact sheet of the whole catalogue, so a person can see that each effect
// does what its name says.
//
//   gallery FOLDER      (make gallery: build/gallery)
#include "../../src/framework/Handles.h"
#include "../../src/slideshow/ComPicture.h"
#include "../../src/slideshow/EffectNames.h"
#include "../../src/slideshow/TransitionEffects.h"
#include "EffectFamilies.h"
#include "EffectStrip.h"
#include "StripSheet.h"

#include <cmath>
#include <cstdio>
#include <exception>
#include <map>
#include <string>
#include <vector>

namespace {

// The window, and the target picture inside it with a margin where the start picture stays.
constexpr int kFrameWidth = 144, kFrameHeight = 90, kInset = 4;
constexpr int kStep = 4;  // small pictures: a step in proportion to the default on a full screen

// 0x00RRGGBB.
std::uint32_t Rgb(int r, int g, int b)
{
    return static_cast<std::uint32_t>(r & 0xFF) << 16 | (g & 0xFF) << 8 | (b & 0xFF);
}

// Cool blue, with soft horizontal waves.
std::uint32_t StartPixel(int x, int y)
{
    const double wave = 0.5 + 0.5 * std::sin(y * 0.35 + std::sin(x * 0.05) * 2.0);
    return Rgb(20 + static_cast<int>(30 * wave), 50 + static_cast<int>(60 * wave), 120 + static_cast<int>(100 * wave));
}

// Warm orange and yellow, in a checker of diagonal squares crossed by rings.
std::uint32_t TargetPixel(int x, int y)
{
    const bool checker = (((x + y) / 12) + ((x - y + 1000) / 12)) % 2 == 0;
    const double ring = std::fmod(std::hypot(x - 50.0, y - 30.0), 16.0) < 3.0 ? 1.0 : 0.0;
    return checker ? Rgb(250, 170 - static_cast<int>(60 * ring), 30) : Rgb(200 + static_cast<int>(50 * ring), 90, 20);
}

void Paint(CComPicture& picture, int width, int height, std::uint32_t (*pixel)(int, int))
{
    picture.Create(width, height, 0);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.surface->Pixels()[y * width + x] = pixel(x, y);
}

std::string FileName(const std::string& family)
{
    std::string name = family;
    for (char& c : name)
        if (c == ' ') c = '-';
    return name + ".png";
}

std::string Label(int index)
{
    return std::to_string(index) + "  " + EffectName(index);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string folder = argc > 1 ? argv[1] : ".";
    try {
        UniqueWindow window(::CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, kFrameWidth, kFrameHeight,
                                              nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
        if (!window) {
            std::fprintf(stderr, "gallery: no window to draw into\n");
            return 1;
        }
        CComPicture start, target;
        Paint(start, kFrameWidth, kFrameHeight, StartPixel);
        Paint(target, kFrameWidth - 2 * kInset, kFrameHeight - 2 * kInset, TargetPixel);

        std::vector<int> built;
        for (int index = 0; index < CTransitionEffects::kEffectCount; ++index)
            if (CTransitionEffects::IsBuilt(index)) built.push_back(index);

        std::map<int, EffectStrip> strips;
        for (int index : built) {
            strips[index] = RecordEffect(index, window.get(), start, target, kInset, kInset, kStep);
            std::printf("%3d %-36s %5d frames\n", index, EffectName(index), strips[index].frameCount);
        }

        for (const EffectFamily& family : EffectFamilies()) {
            std::vector<int> members;
            for (int index = family.first; index <= family.last; ++index)
                if (strips.count(index)) members.push_back(index);
            if (members.empty()) continue;
            StripSheet sheet(static_cast<int>(members.size()), 1, kFrameWidth, kFrameHeight);
            for (std::size_t k = 0; k < members.size(); ++k)
                sheet.Place(static_cast<int>(k), Label(members[k]), strips[members[k]]);
            sheet.Save(folder + "/" + FileName(family.name));
        }

        StripSheet catalogue(static_cast<int>(built.size()), 4, kFrameWidth, kFrameHeight);
        for (std::size_t k = 0; k < built.size(); ++k)
            catalogue.Place(static_cast<int>(k), Label(built[k]), strips[built[k]]);
        catalogue.Save(folder + "/catalogue.png");
        std::printf("%zu effects; one PNG per family and catalogue.png in %s\n", built.size(), folder.c_str());
        return 0;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "gallery: %s\n", error.what());
        return 1;
    }
}
