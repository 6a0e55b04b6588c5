// Sizing a picture for a frame.
#pragma once

struct FitSize {
    int width = 0, height = 0;
};

// The largest size with the proportions of a × b that fits into c × d. The ratios inside the
// products are taken in extended precision and every result truncates toward zero.
FitSize FitInside(int a, int b, int c, int d);

// A rectangle with the proportions of the frame c × d, anchored at the picture's top-left
// corner: as wide as the picture when a ≤ b, else as high.
FitSize FrameCut(int a, int b, int c, int d);

// 0 for n ≤ 0 (nothing to choose from), otherwise rand() modulo n.
int RandomBelow(int n);
