// The colour arithmetic of painted gradients. A ramp runs from a start colour towards an end
// colour over a divisor D: each channel advances by (end - start) / D per unit of the parameter,
// the step kept in single precision and multiplied in extended precision, truncated, and the
// channel wrapped modulo 256.
//
//   GradientRamp ramp(0x000000, 0xFFFFFF, 255.0f);
//   std::uint32_t grey = ramp.At(17);      // 0x111111
#pragma once

#include <cstdint>

class GradientRamp {
public:
    // Colours are 0x00BBGGRR; their high bytes are ignored.
    GradientRamp(std::uint32_t startColour, std::uint32_t endColour, float divisor);
    std::uint32_t At(long double t) const;

private:
    int start[3];
    float step[3];
};

// The drawing plan of a gradient type on a W × H target.
struct GradientPlan {
    float divisor = 0;  // D
    int count = 0;      // lines, bands or rings drawn
    bool swapColours = false;
    bool valid = false;  // false: the type draws nothing
};
GradientPlan PlanGradient(int type, int width, int height);

// The colour parameter t of primitive i (0-based) for a type.
long double GradientParameter(int type, int count, int i);

// The insets (a, b) of ring i of types 8 to 11.
struct GradientInsets {
    int a = 0, b = 0;
};
GradientInsets RingInsets(int width, int height, int i);
