// List texts and the picks made from them, and the show item's options block.
#include "../../src/package/Convert.h"
#include "../../src/settings/ListTexts.h"
#include "../../src/settings/ShowItemOptions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

namespace {
std::vector<std::int32_t> Numbers(const TIntArray& list)
{
    std::vector<std::int32_t> numbers;
    for (std::int32_t i = 0; i < list.Count(); ++i)
        numbers.push_back(list.Get(i));
    return numbers;
}

std::vector<std::int32_t> Picks(const char* list, std::int32_t position, int count)
{
    std::vector<std::int32_t> picks;
    for (int i = 0; i < count; ++i)
        picks.push_back(ChooseEffect(list, false, position));
    return picks;
}

using Ints = std::vector<std::int32_t>;
}  // namespace

TEST(NumberList, ParsesNumbersEachFollowedBySemicolon)
{
    EXPECT_EQ((Ints{0, 1, 2}), Numbers(ParseNumberList("0;1;2;")));
    EXPECT_EQ((Ints{0, 5, 17}), Numbers(ParseNumberList(" 0; 5;\t17;")));
    EXPECT_EQ((Ints{3, 4}), Numbers(ParseNumberList("3;;4;99"))) << "empty pieces and text after the last ; ignored";
    EXPECT_EQ((Ints{-2}), Numbers(ParseNumberList("-2;")));
    EXPECT_TRUE(Numbers(ParseNumberList("")).empty());
    EXPECT_TRUE(Numbers(ParseNumberList("12")).empty());
    EXPECT_THROW(ParseNumberList("1;x;"), EConvertError);
    EXPECT_THROW(ParseNumberList("1 ;"), EConvertError);
}

TEST(NumberList, TIntArrayAddsGetsAndDeletes)
{
    TIntArray list;
    list.Add(4);
    list.Add(8);
    list.Add(15);
    list.Delete(1);
    EXPECT_EQ((Ints{4, 15}), Numbers(list));
    list.Clear();
    EXPECT_EQ(0, list.Count());
}

TEST(StyleAndNameLists, ReadTheirCodesAndNames)
{
    EXPECT_TRUE(HasStyle("1;2;", 1));
    EXPECT_TRUE(HasStyle("1;2;", 2));
    EXPECT_FALSE(HasStyle("1;2;", 3));
    EXPECT_FALSE(HasStyle("", 1));
    EXPECT_FALSE(HasStyle("4", 4)) << "a code counts only with its ;";
    EXPECT_EQ((std::vector<std::string>{"intro.xml", "sound1.mp3"}), ParseNameList("intro.xml#sound1.mp3#"));
    EXPECT_EQ((std::vector<std::string>{"a.xml"}), ParseNameList("a.xml#b.xml"));
    EXPECT_TRUE(ParseNameList("").empty());
}

TEST(ChooseEffect, WalksTheListInOrder)
{
    EXPECT_EQ((Ints{3, 7, 3}), Picks("3;7;", -1, 3));
    EXPECT_EQ((Ints{7, 3, 7}), Picks("3;7;", 0, 3)) << "the position is incremented before use";
    EXPECT_EQ((Ints{5, 9, 5, 9}), Picks("5;9;", -1, 4));
    EXPECT_EQ((Ints{3, 7}), Picks("3;7;", 40, 2)) << "a position beyond the list starts again";
    EXPECT_EQ((Ints{3, 7}), Picks("3;7;", -9, 2));

    std::int32_t position = 5;
    EXPECT_EQ(-1, ChooseEffect("", false, position));
    EXPECT_EQ(-1, ChooseEffect("", true, position));
    EXPECT_EQ(5, position) << "an empty list leaves the position";
}

TEST(ChooseEffect, PicksAtRandomFromTheList)
{
    std::srand(7);
    std::set<std::int32_t> seen;
    std::int32_t position = -1;
    for (int i = 0; i < 200; ++i) {
        const std::int32_t effect = ChooseEffect("10;20;30;", true, position);
        EXPECT_TRUE(effect == 10 || effect == 20 || effect == 30);
        EXPECT_EQ(effect, 10 * (position + 1));
        seen.insert(effect);
    }
    EXPECT_EQ(3u, seen.size());
}

TEST(ShuffleBag, ShowsEveryItemOncePerPass)
{
    CShuffleBag bag;
    for (int pass = 0; pass < 5; ++pass) {
        std::set<std::int32_t> shown;
        for (int i = 0; i < 7; ++i)
            shown.insert(bag.Next(7));
        EXPECT_EQ(7u, shown.size()) << pass;
        EXPECT_EQ(6, *shown.rbegin());
    }
    EXPECT_EQ(0, bag.Next(0));
    EXPECT_EQ(0, bag.Next(1));
}

TEST(ShowItemOptions, DecodesEachOptionAtItsOffset)
{
    std::uint8_t block[ShowItemOptions::kSize] = {};
    auto put = [&](std::size_t offset, std::int32_t value) {
        WriteLE32(&block[offset], static_cast<std::uint32_t>(value));
    };
    block[4] = 1;
    block[5] = 1;
    block[6] = 1;
    put(12, 0x01ABCDEF);
    put(16, -12);
    put(20, 3);
    block[32] = 1;
    put(48, 7);
    block[61] = 1;
    put(64, 0x00112233);
    block[76] = 1;
    block[77] = 1;
    put(80, 25);
    put(104, 2);
    put(116, 4);
    block[125] = 1;
    block[128] = 1;
    put(136, -5);
    block[141] = 1;
    put(148, 300);
    put(156, 12);
    block[161] = 1;
    const ShowItemOptions o = ShowItemOptions::FromBytes(block, sizeof block);
    EXPECT_EQ(1, o.pictureBlendDraw);
    EXPECT_EQ(1, o.musicOn);
    EXPECT_EQ(1, o.titleShown);
    EXPECT_EQ(0x01ABCDEFu, o.titleColor);
    EXPECT_EQ(-12, o.titleSize);
    EXPECT_EQ(3, o.titlePosition);
    EXPECT_EQ(1, o.descShown);
    EXPECT_EQ(7, o.descPosition);
    EXPECT_EQ(0, o.backgroundSolidAllowed);
    EXPECT_EQ(1, o.backgroundPictureAllowed);
    EXPECT_EQ(0x00112233u, o.backgroundColor);
    EXPECT_EQ(1, o.transitionsOn);
    EXPECT_EQ(1, o.randomEffect);
    EXPECT_EQ(25, o.effectStep);
    EXPECT_EQ(2, o.mediaType);
    EXPECT_EQ(4, o.flashScaleMode);
    EXPECT_EQ(1, o.pictureBackgroundOwn);
    EXPECT_EQ(1, o.backgroundColorRandom);
    EXPECT_EQ(-5, o.pictureBackgroundParam2);
    EXPECT_EQ(1, o.pictureBackgroundFlag);
    EXPECT_EQ(300, o.flashEndFrame);
    EXPECT_EQ(12, o.flashSeconds);
    EXPECT_EQ(1, o.flashAcceptMouseClick);
    EXPECT_EQ(0, o.flashAcceptMouseMove);

    const ShowItemOptions cut = ShowItemOptions::FromBytes(block, 105);
    EXPECT_EQ(2, cut.mediaType & 0xFF);
    EXPECT_EQ(0, cut.flashSeconds);
}

TEST(ShowItemOptions, StoredBlockReadsBackAsWritten)
{
    ShowItemOptions o;
    o.titleShown = 1;
    o.titleColor = 0x00C0FFEE;
    o.descY = -7;
    o.mediaType = 2;
    o.pictureBackgroundFlag = 1;
    o.flashAcceptMouseClick = 1;
    const std::vector<std::uint8_t> bytes = o.ToBytes();
    ASSERT_EQ(ShowItemOptions::kSize, bytes.size());
    EXPECT_EQ(2, bytes[104]);
    EXPECT_EQ(1, bytes[141]);
    const ShowItemOptions back = ShowItemOptions::FromBytes(bytes.data(), bytes.size());
    EXPECT_EQ(0x00C0FFEEu, back.titleColor);
    EXPECT_EQ(-7, back.descY);
    EXPECT_EQ(2, back.mediaType);
    EXPECT_EQ(1, back.titleShown);
    EXPECT_EQ(1, back.flashAcceptMouseClick);
    EXPECT_EQ(bytes, back.ToBytes());
}
