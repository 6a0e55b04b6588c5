#include "Resampler.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

#if defined(__i386__) || defined(__x86_64__)
#include <emmintrin.h>
#define VESK_HAVE_SSE2_PATH 1
#endif

namespace {

// Weights are fixed point with kWeightBits fraction bits and sum to 1 for each new pixel. The
// first pass keeps 6 bits below the byte (value × 64), so rounding happens once, at the end.
constexpr int kWeightBits = 14;
constexpr int kOne = 1 << kWeightBits;
constexpr int kFirstShift = 8;                                  // 8 + 6 = 14
constexpr int kSecondShift = 2 * kWeightBits - kFirstShift;     // 20

// The source pixels that make one new pixel along one axis: taps from `first[o]` on, with the
// weights `weights[o * span ...]` (unused ones are 0).
struct AxisTaps {
    std::vector<int> first;
    std::vector<int> count;
    std::vector<std::int16_t> weights;
    int span = 1;
};

// Taps for the new pixels [begin, end) of a line of `outLength` made from `sourceLength` source
// pixels starting at `sourceStart`.
AxisTaps ComputeTaps(int sourceStart, int sourceLength, int outLength, int begin, int end)
{
    AxisTaps taps;
    const double scale = static_cast<double>(sourceLength) / outLength;
    taps.span = sourceLength > outLength ? static_cast<int>(std::ceil(scale)) + 1 : 2;
    const std::size_t outputs = static_cast<std::size_t>(end - begin);
    taps.first.resize(outputs);
    taps.count.resize(outputs);
    taps.weights.assign(outputs * static_cast<std::size_t>(taps.span), 0);
    std::vector<double> exact(static_cast<std::size_t>(taps.span));
    for (int o = begin; o < end; ++o) {
        int first = 0, count = 0;
        std::fill(exact.begin(), exact.end(), 0.0);
        if (sourceLength > outLength) {
            // Shrinking: the mean of the source area the new pixel covers.
            const double a = o * scale, b = (o + 1) * scale;
            first = static_cast<int>(a);
            const int last = std::min(static_cast<int>(std::ceil(b)), sourceLength) - 1;
            count = std::min(last - first + 1, taps.span);
            for (int i = 0; i < count; ++i)
                exact[i] = (std::min(b, first + i + 1.0) - std::max(a, static_cast<double>(first + i))) / scale;
        } else {
            // Growing (or the same size): between the two source pixels nearest the centre.
            const double centre = (o + 0.5) * scale - 0.5;
            first = static_cast<int>(std::floor(centre));
            double fraction = centre - first;
            if (first < 0) first = 0, fraction = 0;
            if (first >= sourceLength - 1) first = sourceLength - 1, fraction = 0;
            count = fraction > 0 ? 2 : 1;
            exact[0] = 1 - fraction;
            if (count == 2) exact[1] = fraction;
        }
        // Quantised so that the weights sum to exactly one: the largest takes the remainder.
        std::int16_t* weights = &taps.weights[static_cast<std::size_t>(o - begin) * taps.span];
        int sum = 0, largest = 0;
        for (int i = 0; i < count; ++i) {
            weights[i] = static_cast<std::int16_t>(std::lround(exact[i] * kOne));
            sum += weights[i];
            if (weights[i] > weights[largest]) largest = i;
        }
        weights[largest] = static_cast<std::int16_t>(weights[largest] + kOne - sum);
        // Leading and trailing zero weights are dropped.
        int skip = 0;
        while (skip < count - 1 && weights[skip] == 0) ++skip;
        if (skip > 0) {
            std::copy(weights + skip, weights + count, weights);
            std::fill(weights + count - skip, weights + count, std::int16_t{0});
            count -= skip;
        }
        while (count > 1 && weights[count - 1] == 0) --count;
        taps.first[o - begin] = sourceStart + first + skip;
        taps.count[o - begin] = count;
    }
    return taps;
}

// ---- the two passes, portable ------------------------------------------------------------------

// line[c] (four channels, value × 64) = Σ weights[t] × rows[t][c] for the columns [begin, end).
void VerticalPortable(const std::uint32_t* const* rows, const std::int16_t* weights, int count, int begin, int end,
                      std::uint16_t* line)
{
    for (int c = begin; c < end; ++c) {
        std::int32_t sums[4] = {};
        for (int t = 0; t < count; ++t) {
            const std::uint32_t pixel = rows[t][c];
            for (int k = 0; k < 4; ++k) sums[k] += weights[t] * static_cast<std::int32_t>((pixel >> (8 * k)) & 0xFF);
        }
        for (int k = 0; k < 4; ++k) line[c * 4 + k] = static_cast<std::uint16_t>((sums[k] + (1 << (kFirstShift - 1))) >> kFirstShift);
    }
}

void HorizontalPortable(const std::uint16_t* line, const AxisTaps& taps, int lineStart, std::uint32_t* out)
{
    for (std::size_t o = 0; o < taps.first.size(); ++o) {
        const std::uint16_t* from = line + static_cast<std::size_t>(taps.first[o] - lineStart) * 4;
        const std::int16_t* weights = &taps.weights[o * static_cast<std::size_t>(taps.span)];
        std::int32_t sums[4] = {};
        for (int t = 0; t < taps.count[o]; ++t)
            for (int k = 0; k < 3; ++k) sums[k] += weights[t] * static_cast<std::int32_t>(from[t * 4 + k]);
        std::uint32_t pixel = 0;
        for (int k = 0; k < 3; ++k) {
            const int value = std::min((sums[k] + (1 << (kSecondShift - 1))) >> kSecondShift, 255);
            pixel |= static_cast<std::uint32_t>(value) << (8 * k);
        }
        out[o] = pixel;
    }
}

// ---- the two passes, four pixels at a time -----------------------------------------------------

#ifdef VESK_HAVE_SSE2_PATH
__attribute__((target("sse2"))) void VerticalVector(const std::uint32_t* const* rows, const std::int16_t* weights,
                                                   int count, int columns, std::uint16_t* line)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i round = _mm_set1_epi32(1 << (kFirstShift - 1));
    int c = 0;
    for (; c + 4 <= columns; c += 4) {
        __m128i sum[4] = {zero, zero, zero, zero};
        // Rows in pairs: pmaddwd multiplies interleaved (row a, row b) channels by (wa, wb).
        for (int t = 0; t < count; t += 2) {
            const bool pair = t + 1 < count;
            const std::uint16_t wa = static_cast<std::uint16_t>(weights[t]);
            const std::uint16_t wb = pair ? static_cast<std::uint16_t>(weights[t + 1]) : 0;
            const __m128i w = _mm_set1_epi32(static_cast<int>(static_cast<std::uint32_t>(wb) << 16 | wa));
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[t] + c));
            const __m128i b = pair ? _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[t + 1] + c)) : zero;
            const __m128i aLow = _mm_unpacklo_epi8(a, zero), aHigh = _mm_unpackhi_epi8(a, zero);
            const __m128i bLow = _mm_unpacklo_epi8(b, zero), bHigh = _mm_unpackhi_epi8(b, zero);
            sum[0] = _mm_add_epi32(sum[0], _mm_madd_epi16(_mm_unpacklo_epi16(aLow, bLow), w));
            sum[1] = _mm_add_epi32(sum[1], _mm_madd_epi16(_mm_unpackhi_epi16(aLow, bLow), w));
            sum[2] = _mm_add_epi32(sum[2], _mm_madd_epi16(_mm_unpacklo_epi16(aHigh, bHigh), w));
            sum[3] = _mm_add_epi32(sum[3], _mm_madd_epi16(_mm_unpackhi_epi16(aHigh, bHigh), w));
        }
        for (__m128i& s : sum) s = _mm_srai_epi32(_mm_add_epi32(s, round), kFirstShift);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + c * 4), _mm_packs_epi32(sum[0], sum[1]));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(line + c * 4 + 8), _mm_packs_epi32(sum[2], sum[3]));
    }
    VerticalPortable(rows, weights, count, c, columns, line);
}

// `line` has 4 spare values at its end, so that two neighbouring pixels can always be loaded.
__attribute__((target("sse2"))) void HorizontalVector(const std::uint16_t* line, const AxisTaps& taps, int lineStart,
                                                     std::uint32_t* out)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i round = _mm_set1_epi32(1 << (kSecondShift - 1));
    for (std::size_t o = 0; o < taps.first.size(); ++o) {
        const std::uint16_t* from = line + static_cast<std::size_t>(taps.first[o] - lineStart) * 4;
        const std::int16_t* weights = &taps.weights[o * static_cast<std::size_t>(taps.span)];
        const int count = taps.count[o];
        __m128i sum = zero;
        for (int t = 0; t < count; t += 2) {
            const std::uint16_t wa = static_cast<std::uint16_t>(weights[t]);
            const std::uint16_t wb = t + 1 < count ? static_cast<std::uint16_t>(weights[t + 1]) : 0;
            const __m128i w = _mm_set1_epi32(static_cast<int>(static_cast<std::uint32_t>(wb) << 16 | wa));
            const __m128i two = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + t * 4));
            sum = _mm_add_epi32(sum, _mm_madd_epi16(_mm_unpacklo_epi16(two, _mm_srli_si128(two, 8)), w));
        }
        sum = _mm_srai_epi32(_mm_add_epi32(sum, round), kSecondShift);
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(sum, zero), zero);
        out[o] = static_cast<std::uint32_t>(_mm_cvtsi128_si32(bytes)) & 0x00FFFFFF;
    }
}

bool VectorPathAvailable()
{
#ifdef __x86_64__
    return true;
#else
    return __builtin_cpu_supports("sse2");
#endif
}
#endif

bool Overlaps(const TargetPlane& plane, const PixelRect& rect)
{
    return rect.width > 0 && rect.height > 0 && rect.x < plane.width && rect.y < plane.height &&
           rect.x + rect.width > 0 && rect.y + rect.height > 0;
}

}  // namespace

namespace resampler_detail {

// The rows [firstRow, lastRow) of the target rectangle.
void ResampleRows(const SourcePlane& source, PixelRect from, const TargetPlane& target, PixelRect to, bool vector,
                  int firstRow, int lastRow)
{
    // The source rectangle must lie in the source; the target rectangle may reach past the plane.
    if (!source.pixels || !target.pixels || from.width <= 0 || from.height <= 0 || from.x < 0 || from.y < 0 ||
        from.x + from.width > source.width || from.y + from.height > source.height || !Overlaps(target, to))
        return;
    const int columnBegin = std::max(0, -to.x), columnEnd = std::min(to.width, target.width - to.x);
    const int rowBegin = std::max({0, -to.y, firstRow}), rowEnd = std::min({to.height, target.height - to.y, lastRow});
    if (rowEnd <= rowBegin || columnEnd <= columnBegin) return;
    const AxisTaps columns = ComputeTaps(from.x, from.width, to.width, columnBegin, columnEnd);
    const AxisTaps rows = ComputeTaps(from.y, from.height, to.height, rowBegin, rowEnd);

    // Only the source columns that the written part needs go through the first pass.
    const int lineStart = columns.first.front();
    const int lineEnd = columns.first.back() + columns.count.back();
    std::vector<std::uint16_t> line(static_cast<std::size_t>(lineEnd - lineStart + 1) * 4);
    std::vector<const std::uint32_t*> sourceRows(static_cast<std::size_t>(rows.span));
#ifndef VESK_HAVE_SSE2_PATH
    vector = false;
#endif
    for (int r = rowBegin; r < rowEnd; ++r) {
        const std::size_t o = static_cast<std::size_t>(r - rowBegin);
        const int count = rows.count[o];
        for (int t = 0; t < count; ++t)
            sourceRows[t] = source.pixels + static_cast<std::size_t>(rows.first[o] + t) * source.stride + lineStart;
        const std::int16_t* weights = &rows.weights[o * static_cast<std::size_t>(rows.span)];
        std::uint32_t* out = target.pixels + static_cast<std::size_t>(to.y + r) * target.stride + to.x + columnBegin;
#ifdef VESK_HAVE_SSE2_PATH
        if (vector) {
            VerticalVector(sourceRows.data(), weights, count, lineEnd - lineStart, line.data());
            HorizontalVector(line.data(), columns, lineStart, out);
            continue;
        }
#endif
        VerticalPortable(sourceRows.data(), weights, count, 0, lineEnd - lineStart, line.data());
        HorizontalPortable(line.data(), columns, lineStart, out);
    }
}

void Resample(const SourcePlane& source, PixelRect from, const TargetPlane& target, PixelRect to, bool vector)
{
    ResampleRows(source, from, target, to, vector, 0, to.height);
}

}  // namespace resampler_detail

void ResamplePixels(const SourcePlane& source, PixelRect from, const TargetPlane& target, PixelRect to)
{
#ifdef VESK_HAVE_SSE2_PATH
    const bool vector = VectorPathAvailable();
#else
    const bool vector = false;
#endif
    // A large picture is shared between two cores: the lower half of the rows on a second thread.
    const bool large = static_cast<long long>(from.width) * from.height >= (1 << 20) && to.height >= 2;
    std::thread lower;
    std::exception_ptr lowerFailure;
    const int split = to.height / 2;
    if (large && std::thread::hardware_concurrency() > 1) {
        try {
            lower = std::thread([&] {
                try {
                    resampler_detail::ResampleRows(source, from, target, to, vector, split, to.height);
                } catch (...) {
                    lowerFailure = std::current_exception();
                }
            });
        } catch (const std::system_error&) {
            // No second thread to be had: all rows on this one.
        }
    }
    if (!lower.joinable()) {
        resampler_detail::Resample(source, from, target, to, vector);
        return;
    }
    try {
        resampler_detail::ResampleRows(source, from, target, to, vector, 0, split);
    } catch (...) {
        lower.join();
        throw;
    }
    lower.join();
    if (lowerFailure) std::rethrow_exception(lowerFailure);
}
