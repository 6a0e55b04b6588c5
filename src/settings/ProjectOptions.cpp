#include "ProjectOptions.h"

#include "../package/Convert.h"

namespace {

// Every field with its offset in the stored block.
template <class Options, class Visit>
void ForEachField(Options& o, Visit&& visit)
{
    visit(8, o.runAsProgram);
    visit(20, o.randomPicturePosition);
    visit(21, o.randomMediaOrder);
    visit(24, o.mediaPauseSeconds);
    visit(28, o.musicLoop);
    visit(32, o.musicPauseSeconds);
    visit(36, o.musicRandom);
    visit(37, o.showDialogPicture);
    visit(38, o.showPublisher);
    visit(58, o.mediaEmbedded);
    visit(59, o.musicEmbedded);
    visit(60, o.backgroundPerPicture);
    visit(64, o.pictureFit);
    visit(68, o.filesBesideProgram);
    visit(76, o.hasImageMedia);
}

}  // namespace

ProjectOptions ProjectOptions::FromBytes(const std::uint8_t* bytes, std::size_t size)
{
    return DecodeBlock<kSize, ProjectOptions>(bytes, size, [](auto& o, auto visit) { ForEachField(o, visit); });
}

std::vector<std::uint8_t> ProjectOptions::ToBytes() const
{
    return EncodeBlock<kSize>(*this, [](auto& o, auto visit) { ForEachField(o, visit); });
}
