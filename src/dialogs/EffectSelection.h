// The user's own choice of transition effects as the configuration dialog edits it: which of the
// effects an own effect list ticks, the list text of the ticked effects, and the effect step
// that is stored with them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One flag per effect index (kEffectNameCount of them), set for each piece of `list` before a
// ";" that is an effect index. Pieces that are not numbers or lie outside the effects are
// skipped; text after the last ";" is ignored.
std::vector<bool> TickedEffects(std::string_view list);

// The indices of the ticked effects in ascending order, each followed by ";"; empty when none is.
std::string EffectListText(const std::vector<bool>& ticked);

// The effect step saved with the user's effects: the current one, or the default 25 when it is
// below 1 (a step of 0 would keep the step-driven effects from advancing).
std::int32_t StoredEffectStep(std::int32_t current);
