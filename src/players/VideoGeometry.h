// Where a video is shown in the player's window: the displayed size for each size mode, and
// the placement (centred, or at a random spot within the free space).
//
//   VideoSize size = DisplayedVideoSize(VideoSizeMode(item.options.videoSizeMode), natural, client);
//   VideoPoint at = PlaceVideo(project.options.randomPicturePosition != 0, client, size, tick1, tick2);
#pragma once

#include <cstdint>

struct VideoSize {
    int width = 0, height = 0;
};
struct VideoPoint {
    int x = 0, y = 0;
};

// The stored size mode, 0..5; any other value counts as 0 (natural size).
int VideoSizeMode(std::int32_t stored);

// 0 natural size (at most the window's), 1 twice that, 2 a quarter of the window's width, 3 half,
// 4 about 71 %, 5 the whole width; modes 2..5 keep the video's aspect.
VideoSize DisplayedVideoSize(int mode, VideoSize natural, VideoSize client);

// Centred, or with `random` at tick modulo the free space on each axis (`xTick` and `yTick` are
// two readings of the tick count). A video larger than the window on an axis is centred on it.
VideoPoint PlaceVideo(bool random, VideoSize client, VideoSize video, std::uint32_t xTick, std::uint32_t yTick);
