// The user's settings as stored in the registry: the 72-byte "data" block, the own effect list,
// and the name of the settings key.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// 18 little-endian 32-bit integers, in this order; flags are 0 or 1.
struct SaverOptions {
    static constexpr std::size_t kSize = 72;
    using Bytes = std::array<std::uint8_t, kSize>;

    std::int32_t thresholdPosition = 5;  // the "Mouse threshold" slider, 1 to 100
    std::int32_t closeOnAnyEvent = 1;
    std::int32_t closeOnMouseMove = 1;
    std::int32_t closeOnLeftClick = 0;  // the middle button counts as the left one
    std::int32_t closeOnRightClick = 1;
    std::int32_t closeOnDoubleClick = 1;
    std::int32_t closeOnEsc = 1;
    std::int32_t closeOnEnter = 1;
    std::int32_t closeOnKey = 0;
    std::int32_t closeKey = 65;  // character code; its low byte is the character
    std::int32_t playMusic = 1;
    std::int32_t maxRuntimeOn = 0;
    std::int32_t maxRuntimeMinutes = 60;
    std::int32_t moveThreshold = 20;  // pixels on either axis
    std::int32_t ownEffects = 0;      // the user's effects replace the show items' own
    std::int32_t effectsRandom = 1;
    std::int32_t ownEffectStep = 25;
    std::int32_t screenIndex = 0;  // 0: the whole virtual screen; n: monitor n

    Bytes ToBytes() const;
    // Overwrites the first `size` bytes of this block (at most kSize) with `bytes`; a shorter
    // stored block leaves the later options as they are.
    void Overlay(const std::uint8_t* bytes, std::size_t size);
};

// The default own effect list: every effect, "0;1;…;160;".
std::string DefaultOwnEffectList();

// The settings key below HKEY_CURRENT_USER: "Software\quillmere\" and the project name without its
// extension (the text from the last "." after the last "\" or ":").
std::string SettingsKeyName(std::string_view projectName);

// The key that "/delreg" removes: the project name taken whole.
std::string SettingsKeyToRemove(std::string_view projectName);
