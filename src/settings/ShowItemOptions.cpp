#include "ShowItemOptions.h"

#include "../package/Convert.h"

#include <algorithm>
#include <array>

ShowItemOptions ShowItemOptions::FromBytes(const std::uint8_t* bytes, std::size_t size)
{
    std::array<std::uint8_t, kSize> b{};
    std::copy_n(bytes, std::min(size, kSize), b.begin());
    auto u32 = [&](std::size_t offset) { return ReadLE32(&b[offset]); };
    auto i32 = [&](std::size_t offset) { return static_cast<std::int32_t>(ReadLE32(&b[offset])); };

    ShowItemOptions o;
    o.pictureBlendDraw = b[4];
    o.musicOn = b[5];
    o.titleShown = b[6];
    o.titleCharset = u32(8);
    o.titleColor = u32(12);
    o.titleSize = i32(16);
    o.titlePosition = i32(20);
    o.titleX = i32(24);
    o.titleY = i32(28);
    o.descShown = b[32];
    o.descCharset = u32(36);
    o.descColor = u32(40);
    o.descSize = i32(44);
    o.descPosition = i32(48);
    o.descX = i32(52);
    o.descY = i32(56);
    o.backgroundSolidAllowed = b[60];
    o.backgroundPictureAllowed = b[61];
    o.backgroundGradientAllowed = b[62];
    o.backgroundColor = u32(64);
    o.gradientColor1 = u32(68);
    o.gradientColor2 = u32(72);
    o.transitionsOn = b[76];
    o.randomEffect = b[77];
    o.effectStep = i32(80);
    o.mediaType = i32(104);
    o.flashBackColor = u32(108);
    o.flashAlignMode = i32(112);
    o.flashScaleMode = i32(116);
    o.pictureBackgroundDesktop = b[124];
    o.pictureBackgroundOwn = b[125];
    o.pictureBackgroundListed = b[126];
    o.gradientColorsRandom = b[127];
    o.backgroundColorRandom = b[128];
    o.pictureBackgroundParam1 = i32(132);
    o.pictureBackgroundParam2 = i32(136);
    o.pictureBackgroundFlag = b[141];
    o.flashEndMode = i32(144);
    o.flashEndFrame = i32(148);
    o.flashSeconds = i32(156);
    o.flashAcceptMouseMove = b[160];
    o.flashAcceptMouseClick = b[161];
    return o;
}
