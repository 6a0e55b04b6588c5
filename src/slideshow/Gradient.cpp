#include "Gradient.h"

namespace {

int Channel(std::uint32_t colour, int c)
{
    return static_cast<int>((colour >> (8 * c)) & 0xFF);
}

}  // namespace

GradientRamp::GradientRamp(std::uint32_t startColour, std::uint32_t endColour, float divisor)
{
    for (int c = 0; c < 3; ++c) {
        start[c] = Channel(startColour, c);
        step[c] = static_cast<float>(Channel(endColour, c) - start[c]) / divisor;
    }
}

std::uint32_t GradientRamp::At(long double t) const
{
    std::uint32_t colour = 0;
    for (int c = 0; c < 3; ++c) {
        const long long offset = static_cast<long long>(t * static_cast<long double>(step[c]));
        colour |= static_cast<std::uint32_t>((start[c] + offset) & 0xFF) << (8 * c);
    }
    return colour;
}

GradientPlan PlanGradient(int type, int width, int height)
{
    GradientPlan plan;
    plan.valid = type >= 0 && type <= 11;
    switch (type) {
        case 0:
        case 1:
            plan = {static_cast<float>(height), height, type == 1, true};
            break;
        case 2:
        case 3:
            plan = {static_cast<float>(width), width, type == 3, true};
            break;
        case 4:
        case 5:
            plan = {static_cast<float>(width) * 0.5f, (width + 1) / 2, false, true};
            break;
        case 6:
        case 7:
            plan = {static_cast<float>(height) * 0.5f, (height + 1) / 2, false, true};
            break;
        case 8:
        case 9:
        case 10:
        case 11:
            if (height < width)
                plan = {static_cast<float>(width) * 0.5f, (width + 1) / 2, false, true};
            else
                plan = {static_cast<float>(height) * 0.5f, height / 2, false, true};
            break;
        default:
            break;
    }
    return plan;
}

long double GradientParameter(int type, int count, int i)
{
    switch (type) {
        case 5:
        case 7:
        case 8:
        case 10:
            return count - i;
        default:
            return i;
    }
}

GradientInsets RingInsets(int width, int height, int i)
{
    if (height < width) {
        const float ratio = static_cast<float>(height) / static_cast<float>(width);
        return {i, static_cast<int>(static_cast<long double>(i) * ratio)};
    }
    const float ratio = static_cast<float>(width) / static_cast<float>(height);
    return {static_cast<int>(static_cast<long double>(i) * ratio), i};
}
