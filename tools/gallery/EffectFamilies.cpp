#include "EffectFamilies.h"

const std::vector<EffectFamily>& EffectFamilies()
{
    static const std::vector<EffectFamily> families = {
        {"Band", 0, 19},          {"Block", 20, 21},
        {"Center", 22, 23},       {"Checkerboard", 24, 31},
        {"Circle", 32, 37},       {"Cross wipe", 38, 39},
        {"Diamond", 40, 41},      {"Ellipse", 42, 44},
        {"Fan wipe", 45, 46},     {"Increase show", 47, 47},
        {"Line", 48, 55},         {"Lines", 56, 57},
        {"Mosaic", 58, 58},       {"Move", 59, 88},
        {"Multi-Box", 89, 90},    {"Multi-Wipe", 91, 94},
        {"Rain", 95, 98},         {"Random crossLines", 99, 99},
        {"Roll", 100, 103},       {"Scan", 104, 111},
        {"Show", 112, 117},       {"Shutter", 118, 119},
        {"Stretch", 120, 128},    {"Sweep", 129, 132},
        {"Tow bar", 133, 136},    {"Two bar", 137, 140},
        {"Wedge wipe", 141, 144}, {"Window blind", 145, 148},
        {"Wipe", 149, 156},       {"Zig-zag", 157, 160},
    };
    return families;
}
