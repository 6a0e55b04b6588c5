#include "Growth.h"

#include <algorithm>

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

Growth JudgeGrowth(const std::vector<double>& samples, double bound)
{
    Growth result;
    const std::size_t quarter = samples.size() / 4;
    if (quarter == 0) return result;
    result.first = Median({samples.begin(), samples.begin() + quarter});
    result.last = Median({samples.end() - quarter, samples.end()});
    result.grew = result.last - result.first > bound;
    return result;
}
