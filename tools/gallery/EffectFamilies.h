// The transition effects grouped by family, in index order: a family is the run of indices
// whose names share a stem ("Band …", "Checkerboard …").
#pragma once

#include <string>
#include <vector>

struct EffectFamily {
    std::string name;
    int first, last;
};

const std::vector<EffectFamily>& EffectFamilies();
