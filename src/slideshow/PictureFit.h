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

// How a picture of image size goes into a frame: it is drawn outWidth × outHeight, from the
// source rectangle (0, 0, sourceWidth, sourceHeight) of the picture.
struct PictureFrame {
    int outWidth = 0, outHeight = 0;
    int sourceWidth = 0, sourceHeight = 0;
};
// Fit modes: 0 shrink to fit, 1 scale to fit, 2 fill the frame (cutting the picture), 3 stretch
// to the frame; any other keeps the picture's size.
PictureFrame FitPicture(int fit, int imageWidth, int imageHeight, int frameWidth, int frameHeight);

struct PicturePlace {
    int x = 0, y = 0;
};
// Centred in the frame, or at a random place where the picture still lies inside it.
PicturePlace PlacePicture(int frameWidth, int frameHeight, int outWidth, int outHeight, bool random);
