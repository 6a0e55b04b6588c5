#include "ShowItemOptions.h"

#include "../package/Convert.h"

ShowItemOptions ShowItemOptions::FromBytes(const std::uint8_t* bytes, std::size_t size)
{
    const FixedBlock<kSize> b(bytes, size);

    ShowItemOptions o;
    o.pictureBlendDraw = b.U8(4);
    o.musicOn = b.U8(5);
    o.titleShown = b.U8(6);
    o.titleCharset = b.U32(8);
    o.titleColor = b.U32(12);
    o.titleSize = b.I32(16);
    o.titlePosition = b.I32(20);
    o.titleX = b.I32(24);
    o.titleY = b.I32(28);
    o.descShown = b.U8(32);
    o.descCharset = b.U32(36);
    o.descColor = b.U32(40);
    o.descSize = b.I32(44);
    o.descPosition = b.I32(48);
    o.descX = b.I32(52);
    o.descY = b.I32(56);
    o.backgroundSolidAllowed = b.U8(60);
    o.backgroundPictureAllowed = b.U8(61);
    o.backgroundGradientAllowed = b.U8(62);
    o.backgroundColor = b.U32(64);
    o.gradientColor1 = b.U32(68);
    o.gradientColor2 = b.U32(72);
    o.transitionsOn = b.U8(76);
    o.randomEffect = b.U8(77);
    o.effectStep = b.I32(80);
    o.mediaType = b.I32(104);
    o.flashBackColor = b.U32(108);
    o.flashAlignMode = b.I32(112);
    o.flashScaleMode = b.I32(116);
    o.pictureBackgroundDesktop = b.U8(124);
    o.pictureBackgroundOwn = b.U8(125);
    o.pictureBackgroundListed = b.U8(126);
    o.gradientColorsRandom = b.U8(127);
    o.backgroundColorRandom = b.U8(128);
    o.pictureBackgroundParam1 = b.I32(132);
    o.pictureBackgroundParam2 = b.I32(136);
    o.pictureBackgroundFlag = b.U8(141);
    o.flashEndMode = b.I32(144);
    o.flashEndFrame = b.I32(148);
    o.flashSeconds = b.I32(156);
    o.flashAcceptMouseMove = b.U8(160);
    o.flashAcceptMouseClick = b.U8(161);
    return o;
}
