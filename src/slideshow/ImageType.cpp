#include "ImageType.h"

#include "../settings/Media.h"

#include <string>

namespace {

struct ImageGroup {
    int code;
    const char* texts[5];
};

// In code order; the first group with a matching text wins.
constexpr ImageGroup kGroups[] = {
    {1, {".bmp", ".dib"}},         {2, {".jpg", ".jpeg"}}, {3, {".bw", ".rgb", ".rgba", ".sgi"}},
    {4, {".cel", ".pic"}},         {5, {".tif", ".tiff"}}, {6, {".tga", ".vst", ".icb", ".vda", ".win"}},
    {7, {".pcx", ".pcc", ".scr"}}, {8, {".pcd"}},          {9, {".ppm", ".pgm", ".pbm"}},
    {10, {".cut", ".pal"}},        {11, {".gif"}},         {12, {".rla", ".rpf"}},
    {13, {".psd", ".pdd"}},        {14, {".psp"}},         {15, {".png"}},
};

}  // namespace

int GetImageType(std::string_view name)
{
    const std::string lower = LowerCase(std::string(name));
    for (const ImageGroup& group : kGroups)
        for (const char* text : group.texts)
            if (text && lower.find(text) != std::string::npos) return group.code;
    return -1;
}
