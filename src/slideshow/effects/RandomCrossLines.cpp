// Random crossLines: every 2-pixel column once, in random order, and with each a 2-pixel row at
// random. The columns alone cover the picture; the rows cross them for the look.
#include "../TransitionEffects.h"

#include <vector>

void CTransitionEffects::RandomCrossLines()
{
    std::vector<int> columns;
    for (int x = 0; x <= 2 * (targetWidth / 2); x += 2)
        columns.push_back(x);
    while (!columns.empty()) {
        const auto taken = columns.begin() + Random(static_cast<int>(columns.size()));
        const int x = *taken;
        columns.erase(taken);
        Reveal(x, 0, 2, targetHeight);
        FlushFrame();  // the column and the row reach the window apart, not as their whole bounding box
        Reveal(0, Random(targetHeight), targetWidth, 2);
        if (!EndFrame(5)) break;
    }
}
