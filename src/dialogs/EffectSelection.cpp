#include "EffectSelection.h"

#include "../package/Convert.h"
#include "../slideshow/EffectNames.h"

namespace {
constexpr std::int32_t kDefaultEffectStep = 25;
}

std::vector<bool> TickedEffects(std::string_view list)
{
    std::vector<bool> ticked(kEffectNameCount, false);
    for (std::size_t at = 0;;) {
        const auto end = list.find(';', at);
        if (end == std::string_view::npos) return ticked;
        try {
            const std::int32_t index = StrToInt(Trim(list.substr(at, end - at)));
            if (index >= 0 && index < kEffectNameCount) ticked[static_cast<std::size_t>(index)] = true;
        } catch (const EConvertError&) {
            // A hand-edited piece that is no number ticks nothing.
        }
        at = end + 1;
    }
}

std::string EffectListText(const std::vector<bool>& ticked)
{
    std::string list;
    for (std::size_t index = 0; index < ticked.size(); ++index)
        if (ticked[index]) list += std::to_string(index) + ";";
    return list;
}

std::int32_t StoredEffectStep(std::int32_t current)
{
    return current < 1 ? kDefaultEffectStep : current;
}
