// The options of one show item: the 164-byte "data" block of a "setting" record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct ShowItemOptions {
    static constexpr std::size_t kSize = 164;

    std::uint8_t pictureBlendDraw = 0;  // draw leaving transparent parts out, instead of halftone
    std::uint8_t musicOn = 0;           // background music plays during this item
    std::uint8_t titleShown = 0;
    std::uint32_t titleCharset = 0;
    std::uint32_t titleColor = 0;    // 0x00BBGGRR; the high byte is ignored
    std::int32_t titleSize = 0;      // points
    std::int32_t titlePosition = 0;  // placement code
    std::int32_t titleX = 0;
    std::int32_t titleY = 0;
    std::uint8_t descShown = 0;
    std::uint32_t descCharset = 0;
    std::uint32_t descColor = 0;
    std::int32_t descSize = 0;
    std::int32_t descPosition = 0;
    std::int32_t descX = 0;
    std::int32_t descY = 0;
    std::uint8_t backgroundSolidAllowed = 0;
    std::uint8_t backgroundPictureAllowed = 0;
    std::uint8_t backgroundGradientAllowed = 0;
    std::uint32_t backgroundColor = 0;
    std::uint32_t gradientColor1 = 0;
    std::uint32_t gradientColor2 = 0;
    std::uint8_t transitionsOn = 0;  // 0: plain copy
    std::uint8_t randomEffect = 0;   // pick effects at random instead of in list order
    std::int32_t effectStep = 0;     // pixels per frame of the step-driven effects
    std::int32_t videoSizeMode = 0;  // 0 natural size ... 5 the window's width; others count as 0
    std::int32_t mediaType = 0;      // 0 picture, 1 Flash movie, 2 video
    std::uint32_t flashBackColor = 0;
    std::int32_t flashAlignMode = 0;
    std::int32_t flashScaleMode = 0;
    std::uint8_t pictureBackgroundDesktop = 0;
    std::uint8_t pictureBackgroundOwn = 0;
    std::uint8_t pictureBackgroundListed = 0;
    std::uint8_t gradientColorsRandom = 0;
    std::uint8_t backgroundColorRandom = 0;
    std::int32_t pictureBackgroundParam1 = 0;
    std::int32_t pictureBackgroundParam2 = 0;
    std::uint8_t pictureBackgroundFlag = 0;
    std::int32_t flashEndMode = 0;
    std::int32_t flashEndFrame = 0;
    std::int32_t flashSeconds = 0;
    std::uint8_t flashAcceptMouseMove = 0;
    std::uint8_t flashAcceptMouseClick = 0;

    // Decodes a stored block by offset, little-endian; a shorter block leaves the rest zero and
    // bytes beyond kSize are ignored.
    static ShowItemOptions FromBytes(const std::uint8_t* bytes, std::size_t size);
    // The stored block of these options (kSize bytes; unused bytes zero).
    std::vector<std::uint8_t> ToBytes() const;

    // Calls visit(offset, field, name) for every field, in block order: one-byte fields are
    // flags, the others little-endian 32-bit values. The names are the members' own.
    template <class Options, class Visit>
    static void ForEachField(Options& o, Visit&& visit);
};

template <class Options, class Visit>
void ShowItemOptions::ForEachField(Options& o, Visit&& visit)
{
    visit(4, o.pictureBlendDraw, "pictureBlendDraw");
    visit(5, o.musicOn, "musicOn");
    visit(6, o.titleShown, "titleShown");
    visit(8, o.titleCharset, "titleCharset");
    visit(12, o.titleColor, "titleColor");
    visit(16, o.titleSize, "titleSize");
    visit(20, o.titlePosition, "titlePosition");
    visit(24, o.titleX, "titleX");
    visit(28, o.titleY, "titleY");
    visit(32, o.descShown, "descShown");
    visit(36, o.descCharset, "descCharset");
    visit(40, o.descColor, "descColor");
    visit(44, o.descSize, "descSize");
    visit(48, o.descPosition, "descPosition");
    visit(52, o.descX, "descX");
    visit(56, o.descY, "descY");
    visit(60, o.backgroundSolidAllowed, "backgroundSolidAllowed");
    visit(61, o.backgroundPictureAllowed, "backgroundPictureAllowed");
    visit(62, o.backgroundGradientAllowed, "backgroundGradientAllowed");
    visit(64, o.backgroundColor, "backgroundColor");
    visit(68, o.gradientColor1, "gradientColor1");
    visit(72, o.gradientColor2, "gradientColor2");
    visit(76, o.transitionsOn, "transitionsOn");
    visit(77, o.randomEffect, "randomEffect");
    visit(80, o.effectStep, "effectStep");
    visit(84, o.videoSizeMode, "videoSizeMode");
    visit(104, o.mediaType, "mediaType");
    visit(108, o.flashBackColor, "flashBackColor");
    visit(112, o.flashAlignMode, "flashAlignMode");
    visit(116, o.flashScaleMode, "flashScaleMode");
    visit(124, o.pictureBackgroundDesktop, "pictureBackgroundDesktop");
    visit(125, o.pictureBackgroundOwn, "pictureBackgroundOwn");
    visit(126, o.pictureBackgroundListed, "pictureBackgroundListed");
    visit(127, o.gradientColorsRandom, "gradientColorsRandom");
    visit(128, o.backgroundColorRandom, "backgroundColorRandom");
    visit(132, o.pictureBackgroundParam1, "pictureBackgroundParam1");
    visit(136, o.pictureBackgroundParam2, "pictureBackgroundParam2");
    visit(141, o.pictureBackgroundFlag, "pictureBackgroundFlag");
    visit(144, o.flashEndMode, "flashEndMode");
    visit(148, o.flashEndFrame, "flashEndFrame");
    visit(156, o.flashSeconds, "flashSeconds");
    visit(160, o.flashAcceptMouseMove, "flashAcceptMouseMove");
    visit(161, o.flashAcceptMouseClick, "flashAcceptMouseClick");
}
