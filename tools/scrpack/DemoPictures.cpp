#include "DemoPictures.h"

#include <algorithm>
#include <cmath>

namespace {

struct Colour {
    double r, g, b;
};

Colour Mix(Colour a, Colour b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

std::uint32_t Hash(int x, int y, int seed)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u + static_cast<std::uint32_t>(y) * 668265263u +
                      static_cast<std::uint32_t>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return h ^ (h >> 16);
}

double Random01(int x, int y, int seed)
{
    return (Hash(x, y, seed) & 0xFFFFFF) / 16777216.0;
}

// Smooth value noise in 0..1 with features about `scale` pixels apart.
double Noise(double x, double y, double scale, int seed)
{
    x /= scale, y /= scale;
    const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0, fy = y - y0;
    const double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
    const double top = Random01(x0, y0, seed) + (Random01(x0 + 1, y0, seed) - Random01(x0, y0, seed)) * sx;
    const double bottom =
        Random01(x0, y0 + 1, seed) + (Random01(x0 + 1, y0 + 1, seed) - Random01(x0, y0 + 1, seed)) * sx;
    return top + (bottom - top) * sy;
}

// Four octaves of noise: clouds, ridges, grass.
double Fractal(double x, double y, double scale, int seed)
{
    double sum = 0, weight = 0.5;
    for (int octave = 0; octave < 4; ++octave, scale /= 2, weight /= 2)
        sum += weight * Noise(x, y, scale, seed + octave);
    return sum / 0.9375;
}

// Film grain, so flat areas do not look drawn.
std::uint32_t Pixel(Colour c, int x, int y)
{
    const double grain = (Random01(x, y, 99) - 0.5) * 6;
    const auto channel = [grain](double v) { return static_cast<std::uint32_t>(std::clamp(v + grain, 0.0, 255.0)); };
    return channel(c.r) | channel(c.g) << 8 | channel(c.b) << 16;
}

std::uint32_t Sunrise(int x, int y, int w, int h)
{
    const double u = static_cast<double>(x) / w, v = static_cast<double>(y) / h;
    Colour c = Mix({250, 170, 95}, {45, 75, 150}, (0.62 - v) / 0.62);
    const double sun = std::hypot(u - 0.68, (v - 0.5) * h / w);
    c = Mix(c, {255, 236, 190}, std::exp(-sun * 18));
    if (sun < 0.035) c = {255, 248, 225};
    const double far = 0.58 + 0.07 * Fractal(x, 0, 420, 1);
    const double near = 0.7 + 0.1 * Fractal(x, 0, 260, 2);
    if (v > far) c = Mix({120, 80, 110}, {70, 50, 80}, (v - far) * 6);
    if (v > near) c = Mix({40, 32, 45}, {20, 16, 25}, (v - near) * 3);
    return Pixel(c, x, y);
}

std::uint32_t Lake(int x, int y, int /*w*/, int h)
{
    const double horizon = 0.56 * h;
    double yy = y, dim = 1.0;
    if (y > horizon) {  // the water mirrors what is above, rippled and darker
        yy = 2 * horizon - y + 3 * std::sin(y * 0.35) * (y - horizon) / (h - horizon);
        dim = 0.72;
    }
    const double v = yy / h;
    Colour c = Mix({170, 205, 235}, {60, 110, 190}, (0.56 - v) / 0.56);
    c = Mix(c, {250, 250, 250}, (Fractal(x, yy * 2.2, 240, 3) - 0.55) * 3);
    const double hills = 0.42 + 0.1 * Fractal(x, 0, 350, 4);
    if (v > hills) c = Mix({70, 110, 60}, {40, 70, 40}, (v - hills) * 8 + 0.3 * Fractal(x, yy, 40, 5));
    if (y > horizon) c = Mix(c, {30, 60, 90}, 1 - dim + 0.1 * Noise(x, y, 6, 6));
    return Pixel(c, x, y);
}

std::uint32_t Meadow(int x, int y, int w, int h)
{
    const double v = static_cast<double>(y) / h;
    const double edge = 0.42 + 0.03 * std::sin(x * 6.0 / w);
    if (v < edge) {
        Colour sky = Mix({150, 195, 240}, {70, 130, 210}, (edge - v) / edge);
        return Pixel(Mix(sky, {255, 255, 255}, (Fractal(x, y * 1.8, 200, 7) - 0.5) * 3), x, y);
    }
    Colour grass = Mix({110, 170, 60}, {50, 110, 35}, Fractal(x, y, 90, 8) + (v - edge));
    // Flowers, denser and larger toward the front.
    const int cell = 4 + static_cast<int>(10 * (v - edge));
    const int cx = x / cell, cy = y / cell;
    if (Random01(cx, cy, 9) < 0.12 + 0.3 * (v - edge)) {
        const double dx = x % cell - cell / 2.0, dy = y % cell - cell / 2.0;
        if (dx * dx + dy * dy < cell * cell / 9.0) {
            static const Colour petals[] = {{230, 50, 60}, {250, 220, 60}, {245, 245, 240}, {180, 90, 200}};
            grass = petals[Hash(cx, cy, 10) % 4];
        }
    }
    return Pixel(grass, x, y);
}

std::uint32_t Dunes(int x, int y, int w, int h)
{
    const double v = static_cast<double>(y) / h;
    const double crest = 0.45 + 0.08 * std::sin(x * 5.0 / w + 1) + 0.04 * std::sin(x * 13.0 / w);
    if (v < crest) return Pixel(Mix({235, 225, 210}, {120, 170, 220}, (crest - v) * 2.5), x, y);
    const double slope = std::cos(x * 5.0 / w + 1) + 0.6 * std::cos(x * 13.0 / w) + 2 * std::sin(v * 18 + x * 0.004);
    Colour sand = slope > 0 ? Colour{232, 180, 110} : Colour{170, 115, 70};
    return Pixel(Mix(sand, {250, 205, 140}, 0.3 * Fractal(x, y, 30, 11)), x, y);
}

std::uint32_t Forest(int x, int y, int /*w*/, int h)
{
    const double v = static_cast<double>(y) / h;
    Colour c = Mix({200, 215, 205}, {120, 150, 130}, v);
    // Rows of trunks, the nearer ones darker and wider.
    for (int row = 0; row < 3; ++row) {
        const double width = 6 + 10 * row, spacing = 60 + 50 * row;
        const int column = static_cast<int>(x / spacing);
        const double centre = (column + 0.5) * spacing + (Random01(column, row, 12) - 0.5) * spacing * 0.6;
        if (std::abs(x - centre) < width / 2 && v < 0.8 + 0.05 * row) c = Mix(c, {45, 40, 35}, 0.4 + 0.3 * row);
    }
    if (v > 0.78) c = Mix(c, {60, 80, 40}, (v - 0.78) * 4 * Fractal(x, y, 25, 13) + 0.3);
    return Pixel(c, x, y);
}

std::uint32_t Night(int x, int y, int w, int h)
{
    const double v = static_cast<double>(y) / h;
    Colour c = Mix({40, 50, 95}, {5, 8, 25}, (0.8 - v) / 0.8);
    if (Random01(x, y, 14) > 0.9985) c = Mix(c, {255, 255, 240}, Random01(x, y, 15) + 0.3);
    const double moon = std::hypot(x - 0.25 * w, y - 0.25 * h) / (0.06 * h);
    if (moon < 1)
        c = Mix({240, 235, 215}, {190, 185, 170}, Fractal(x, y, 20, 16));
    else
        c = Mix(c, {120, 125, 150}, std::exp(-(moon - 1) * 3) * 0.5);
    const double skyline = 0.78 - 0.12 * (Hash(x / 40, 0, 17) % 5) / 5.0;
    if (v > skyline) {
        c = {15, 15, 22};
        if ((x / 6 + y / 9) % 3 == 0 && Random01(x / 6, y / 9, 18) > 0.6) c = {250, 210, 120};
    }
    return Pixel(c, x, y);
}

}  // namespace

const std::vector<DemoPicture>& DemoPictures()
{
    static const std::vector<DemoPicture> pictures = {
        {"sunrise", "jpg", 1600, 1000, Sunrise}, {"lake", "jpg", 1280, 853, Lake},
        {"meadow", "png", 1024, 768, Meadow},    {"dunes", "gif", 800, 600, Dunes},
        {"forest", "bmp", 720, 960, Forest},     {"night", "tif", 1920, 1080, Night},
    };
    return pictures;
}
