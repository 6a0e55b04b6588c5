// Which input ends the show under the user's exit settings.
#pragma once

#include "../settings/SaverOptions.h"

#include <cstdint>

enum class ExitInput {
    MouseMove,    // a move beyond the threshold
    LeftButton,   // left or middle button, pressed or released
    RightButton,  // right button, pressed or released
    DoubleClick,  // left or right double click
    Character,    // a typed character
    Help,         // the help key
};

// The name of the close event that `input` raises, or null when it raises none. The any-event
// rule goes first; the input's own rule only applies when it is off. For a character, its code's
// low byte is taken as a signed character and compared with closeKey's low byte; Esc (27) and Enter (13)
// close when their options are on.
const char* CloseEventName(ExitInput input, const SaverOptions& options, std::int32_t character = 0);

// The mouse-move threshold in pixels: the "Mouse threshold" slider's position times 4; a negative
// position counts as 0.
std::int32_t MoveThreshold(const SaverOptions& options);

// True when the cursor moved strictly more than `threshold` pixels on either axis.
bool MovedBeyond(std::int32_t startX, std::int32_t startY, std::int32_t x, std::int32_t y, std::int32_t threshold);

// The maximum run time as a timer interval: minutes × 60000, at most the longest interval a timer
// accepts (about 24.8 days), so a large value never wraps into a short one.
std::uint32_t RunTimeLimitMilliseconds(std::uint32_t minutes);
