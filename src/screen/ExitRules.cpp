#include "ExitRules.h"

#include <algorithm>
#include <cstdlib>

namespace {
constexpr std::int32_t kEsc = 27;
constexpr std::int32_t kEnter = 13;
constexpr std::int32_t kPixelsPerThresholdStep = 4;
constexpr std::uint64_t kMsPerMinute = 60000;
constexpr std::uint64_t kLongestTimerInterval = 0x7FFFFFFF;  // the system's largest timer interval

bool CharacterCloses(const SaverOptions& o, std::int32_t code)
{
    const auto character = static_cast<std::int8_t>(code & 0xFF);
    const auto key = static_cast<std::int8_t>(o.closeKey & 0xFF);
    return (o.closeOnKey && character == key) || (o.closeOnEsc && code == kEsc) || (o.closeOnEnter && code == kEnter);
}
}  // namespace

const char* CloseEventName(ExitInput input, const SaverOptions& o, std::int32_t character)
{
    const bool any = o.closeOnAnyEvent != 0;
    switch (input) {
        case ExitInput::MouseMove:
            return any ? "WM_MOUSEMOVE_A" : o.closeOnMouseMove ? "WM_MOUSEMOVE" : nullptr;
        case ExitInput::LeftButton:
            return any ? "WM_LBUTTONUP_A" : o.closeOnLeftClick ? "WM_LBUTTONUP" : nullptr;
        case ExitInput::RightButton:
            return any ? "WM_RBUTTONUP_A" : o.closeOnRightClick ? "WM_RBUTTONUP" : nullptr;
        case ExitInput::DoubleClick:
            return any ? "WM_RBUTTONDBLCLK_A" : o.closeOnDoubleClick ? "WM_RBUTTONDBLCLK" : nullptr;
        case ExitInput::Character:
            return any ? "WM_CHAR_A" : CharacterCloses(o, character) ? "WM_CHAR" : nullptr;
        case ExitInput::Help:
            return any ? "WM_HELP_A" : nullptr;
    }
    return nullptr;
}

std::int32_t MoveThreshold(const SaverOptions& options)
{
    // A negative stored position would close on the mouse messages the system sends without a move.
    return std::max<std::int32_t>(options.thresholdPosition, 0) * kPixelsPerThresholdStep;
}

bool MovedBeyond(std::int32_t startX, std::int32_t startY, std::int32_t x, std::int32_t y, std::int32_t threshold)
{
    const std::int64_t dx = std::llabs(std::int64_t(x) - startX), dy = std::llabs(std::int64_t(y) - startY);
    return dx > threshold || dy > threshold;
}

std::uint32_t RunTimeLimitMilliseconds(std::uint32_t minutes)
{
    return static_cast<std::uint32_t>(std::min(minutes * kMsPerMinute, kLongestTimerInterval));
}
