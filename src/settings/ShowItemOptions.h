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
};
