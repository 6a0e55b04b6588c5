#include "VideoGeometry.h"

#include <algorithm>

namespace {
// A little above 1/sqrt(2): mode 4 keeps this factor exactly.
constexpr double kMode4Factor = 0.7071135624381276125;

int Truncated(double value)
{
    return static_cast<int>(value);
}

int PlaceOnAxis(bool random, int clientSize, int videoSize, std::uint32_t tick)
{
    const int free = clientSize - videoSize;
    if (!random || free < 0) return free / 2;
    if (free == 0) return 0;
    return static_cast<int>(tick % static_cast<std::uint32_t>(free));
}
}  // namespace

int VideoSizeMode(std::int32_t stored)
{
    return stored >= 0 && stored <= 5 ? stored : 0;
}

VideoSize DisplayedVideoSize(int mode, VideoSize natural, VideoSize client)
{
    // Height over width as a 32-bit float, as the displayed heights are computed from it.
    const float aspect = natural.height > 0 && natural.width > 0
                             ? static_cast<float>(natural.height) / static_cast<float>(natural.width)
                             : 1.0f;
    const int width = std::min(natural.width, client.width);
    const int height = std::min(natural.height, client.height);
    VideoSize size;
    switch (mode) {
        case 1:
            return {2 * width, 2 * height};
        case 2:
            size.width = client.width / 4;
            break;
        case 3:
            size.width = client.width / 2;
            break;
        case 4:
            size.width = Truncated(client.width * kMode4Factor);
            break;
        case 5:
            size.width = client.width;
            break;
        default:
            return {width, height};
    }
    size.height = Truncated(static_cast<double>(aspect) * size.width);
    return size;
}

VideoPoint PlaceVideo(bool random, VideoSize client, VideoSize video, std::uint32_t xTick, std::uint32_t yTick)
{
    return {PlaceOnAxis(random, client.width, video.width, xTick),
            PlaceOnAxis(random, client.height, video.height, yTick)};
}
