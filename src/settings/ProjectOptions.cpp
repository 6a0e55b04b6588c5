#include "ProjectOptions.h"

#include "../package/Convert.h"

#include <algorithm>
#include <array>

ProjectOptions ProjectOptions::FromBytes(const std::uint8_t* bytes, std::size_t size)
{
    std::array<std::uint8_t, kSize> block{};
    std::copy_n(bytes, std::min(size, kSize), block.begin());
    auto i32 = [&](std::size_t offset) { return static_cast<std::int32_t>(ReadLE32(&block[offset])); };

    ProjectOptions o;
    o.runAsProgram = i32(8);
    o.randomPicturePosition = block[20];
    o.randomMediaOrder = block[21];
    o.mediaPauseSeconds = i32(24);
    o.musicLoop = block[28];
    o.musicPauseSeconds = i32(32);
    o.musicRandom = block[36];
    o.showDialogPicture = block[37];
    o.showPublisher = block[38];
    o.mediaEmbedded = block[58];
    o.musicEmbedded = block[59];
    o.backgroundPerPicture = i32(60);
    o.pictureFit = i32(64);
    o.filesBesideProgram = block[68];
    o.hasImageMedia = block[76];
    return o;
}
