// Whether a figure sampled over a long run kept growing: the median of the first quarter of the
// samples after the warm-up against the median of the last quarter. Medians, so that a sample
// taken in the middle of a transition (two pictures in memory) does not decide alone.
//
//   const Growth g = JudgeGrowth(handleSamples, 16);   // g.grew when the last quarter is 16 higher
#pragma once

#include <vector>

struct Growth {
    double first = 0;   // median of the first quarter
    double last = 0;    // median of the last quarter
    bool grew = false;  // last - first is above the bound
};

// The median of a non-empty list; of an even count, the mean of the middle two.
double Median(std::vector<double> values);

// Needs at least 4 samples; with fewer, nothing is judged (grew stays false, both medians 0).
Growth JudgeGrowth(const std::vector<double>& samples, double bound);
