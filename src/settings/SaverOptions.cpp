#include "SaverOptions.h"

#include "../package/Convert.h"

#include <algorithm>

namespace {
constexpr int kEffectCount = 161;
const char kKeyRoot[] = "Software\\quillmere\\";

// The options in their stored order.
template <class Options, class Visit>
void ForEachOption(Options& o, Visit visit)
{
    for (auto* member : {&o.thresholdPosition, &o.closeOnAnyEvent, &o.closeOnMouseMove, &o.closeOnLeftClick,
                         &o.closeOnRightClick, &o.closeOnDoubleClick, &o.closeOnEsc, &o.closeOnEnter, &o.closeOnKey,
                         &o.closeKey, &o.playMusic, &o.maxRuntimeOn, &o.maxRuntimeMinutes, &o.moveThreshold,
                         &o.ownEffects, &o.effectsRandom, &o.ownEffectStep, &o.screenIndex})
        visit(*member);
}
}  // namespace

SaverOptions::Bytes SaverOptions::ToBytes() const
{
    Bytes bytes{};
    std::size_t offset = 0;
    ForEachOption(*this, [&](const std::int32_t& value) {
        WriteLE32(&bytes[offset], static_cast<std::uint32_t>(value));
        offset += 4;
    });
    return bytes;
}

void SaverOptions::Overlay(const std::uint8_t* stored, std::size_t size)
{
    Bytes bytes = ToBytes();
    std::copy_n(stored, std::min(size, kSize), bytes.begin());
    std::size_t offset = 0;
    ForEachOption(*this, [&](std::int32_t& value) {
        value = static_cast<std::int32_t>(ReadLE32(&bytes[offset]));
        offset += 4;
    });
}

std::string DefaultOwnEffectList()
{
    std::string list;
    for (int i = 0; i < kEffectCount; ++i)
        list += std::to_string(i) + ";";
    return list;
}

std::string SettingsKeyName(std::string_view projectName)
{
    const auto dot = projectName.rfind('.');
    const auto folder = projectName.find_last_of("\\:");
    if (dot != std::string_view::npos && (folder == std::string_view::npos || dot > folder))
        projectName = projectName.substr(0, dot);
    return kKeyRoot + std::string(projectName);
}

std::string SettingsKeyToRemove(std::string_view projectName)
{
    return kKeyRoot + std::string(projectName);
}
