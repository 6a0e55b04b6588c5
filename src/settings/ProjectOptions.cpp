#include "ProjectOptions.h"

#include "../package/Convert.h"

ProjectOptions ProjectOptions::FromBytes(const std::uint8_t* bytes, std::size_t size)
{
    const FixedBlock<kSize> block(bytes, size);

    ProjectOptions o;
    o.runAsProgram = block.I32(8);
    o.randomPicturePosition = block.U8(20);
    o.randomMediaOrder = block.U8(21);
    o.mediaPauseSeconds = block.I32(24);
    o.musicLoop = block.U8(28);
    o.musicPauseSeconds = block.I32(32);
    o.musicRandom = block.U8(36);
    o.showDialogPicture = block.U8(37);
    o.showPublisher = block.U8(38);
    o.mediaEmbedded = block.U8(58);
    o.musicEmbedded = block.U8(59);
    o.backgroundPerPicture = block.I32(60);
    o.pictureFit = block.I32(64);
    o.filesBesideProgram = block.U8(68);
    o.hasImageMedia = block.U8(76);
    return o;
}
