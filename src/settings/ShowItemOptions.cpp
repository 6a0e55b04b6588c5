#include "ShowItemOptions.h"

#include "../package/Convert.h"

namespace {

// Every field with its offset in the stored block; one-byte fields are flags, the others are
// little-endian 32-bit values.
template <class Options, class Visit>
void ForEachField(Options& o, Visit&& visit)
{
    visit(4, o.pictureBlendDraw);
    visit(5, o.musicOn);
    visit(6, o.titleShown);
    visit(8, o.titleCharset);
    visit(12, o.titleColor);
    visit(16, o.titleSize);
    visit(20, o.titlePosition);
    visit(24, o.titleX);
    visit(28, o.titleY);
    visit(32, o.descShown);
    visit(36, o.descCharset);
    visit(40, o.descColor);
    visit(44, o.descSize);
    visit(48, o.descPosition);
    visit(52, o.descX);
    visit(56, o.descY);
    visit(60, o.backgroundSolidAllowed);
    visit(61, o.backgroundPictureAllowed);
    visit(62, o.backgroundGradientAllowed);
    visit(64, o.backgroundColor);
    visit(68, o.gradientColor1);
    visit(72, o.gradientColor2);
    visit(76, o.transitionsOn);
    visit(77, o.randomEffect);
    visit(80, o.effectStep);
    visit(84, o.videoSizeMode);
    visit(104, o.mediaType);
    visit(108, o.flashBackColor);
    visit(112, o.flashAlignMode);
    visit(116, o.flashScaleMode);
    visit(124, o.pictureBackgroundDesktop);
    visit(125, o.pictureBackgroundOwn);
    visit(126, o.pictureBackgroundListed);
    visit(127, o.gradientColorsRandom);
    visit(128, o.backgroundColorRandom);
    visit(132, o.pictureBackgroundParam1);
    visit(136, o.pictureBackgroundParam2);
    visit(141, o.pictureBackgroundFlag);
    visit(144, o.flashEndMode);
    visit(148, o.flashEndFrame);
    visit(156, o.flashSeconds);
    visit(160, o.flashAcceptMouseMove);
    visit(161, o.flashAcceptMouseClick);
}

}  // namespace

ShowItemOptions ShowItemOptions::FromBytes(const std::uint8_t* bytes, std::size_t size)
{
    return DecodeBlock<kSize, ShowItemOptions>(bytes, size, [](auto& o, auto visit) { ForEachField(o, visit); });
}

std::vector<std::uint8_t> ShowItemOptions::ToBytes() const
{
    return EncodeBlock<kSize>(*this, [](auto& o, auto visit) { ForEachField(o, visit); });
}
