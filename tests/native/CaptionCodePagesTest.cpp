// Captions in the code page of their font's character set: the one chosen for a text, the bytes
// stored, and extract → build giving the same bytes.
#include "../../src/package/Convert.h"
#include "../../src/package/XMLDb.h"
#include "../../src/package/XMLTable.h"
#include "../../src/settings/ShowItemOptions.h"
#include "../../tools/scrpack/ShowBuild.h"
#include "../../tools/scrpack/ShowExtract.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct CaptionCase {
    int charset;
    bool named;         // given as titleCharset and descCharset; else scrpack chooses it
    const char* text;   // UTF-8
    const char* bytes;  // as stored
};

class CaptionCodePages : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(CaptionCodePages, StoreTheCharsetsCodePageAndComeBackByteForByte)
{
    const CaptionCase& c = GetParam();
    TempDir dir;
    dir.Write("a.bmp", "BM picture bytes");
    const std::string charsets = c.named ? R"(, "options": {"titleCharset": )" + std::to_string(c.charset) +
                                               R"(, "descCharset": )" + std::to_string(c.charset) + "}"
                                         : "";
    dir.Write("show.json", std::string(R"({"items": [{"file": "a.bmp", "title": ")") + c.text +
                               R"(", "description": ")" + c.text + "\"" + charsets + "}]}");
    std::ostringstream out, err;
    ASSERT_EQ(0, BuildShow(dir.Path("show.json"), dir.Path("first.scr"), "", out, err, false)) << err.str();

    CMyXMLDb db;
    db.Open(dir.Path("first.scr"), ReadPackageOffset(dir.Path("first.scr")));
    CMyXMLTable setting;
    setting.SetLoadBinaryFields(true);
    ASSERT_TRUE(setting.Open(db, "setting"));
    EXPECT_EQ(c.bytes, setting.ReadText("title"));
    EXPECT_EQ(c.bytes, setting.ReadText("desc"));
    std::uint8_t block[ShowItemOptions::kSize];
    const ShowItemOptions o = ShowItemOptions::FromBytes(block, setting.ReadRaw("data", block, sizeof block));
    EXPECT_EQ(static_cast<std::uint32_t>(c.charset), o.titleCharset);
    EXPECT_EQ(static_cast<std::uint32_t>(c.charset), o.descCharset);
    db.Close();

    ASSERT_EQ(kReportOk, ExtractShow(dir.Path("first.scr"), dir.Path("files"), out, err)) << err.str();
    EXPECT_NE(std::string::npos, ReadFileText(dir.Path("files/show.json")).find(c.text)) << "written back as Unicode";
    ASSERT_EQ(0, BuildShow(dir.Path("files/show.json"), dir.Path("second.scr"), "", out, err, false)) << err.str();
    EXPECT_EQ(ReadFileBytes(dir.Path("first.scr")), ReadFileBytes(dir.Path("second.scr")));
}

INSTANTIATE_TEST_SUITE_P(
    Charsets, CaptionCodePages,
    ::testing::Values(
        CaptionCase{0, false, "Café €", "Caf\xE9 \x80"}, CaptionCase{238, false, "Łódź", "\xA3\xF3\x64\x9F"},
        CaptionCase{204, false, "Зима", "\xC7\xE8\xEC\xE0"},
        CaptionCase{161, false, "Θάλασσα", "\xC8\xDC\xEB\xE1\xF3\xF3\xE1"},
        CaptionCase{162, false, "İğne", "\xDD\xF0ne"}, CaptionCase{177, false, "שלום", "\xF9\xEC\xE5\xED"},
        CaptionCase{178, false, "سلام", "\xD3\xE1\xC7\xE3"}, CaptionCase{186, false, "Rīga", "R\xEEga"},
        CaptionCase{163, false, "Việt", "Vi\xEA\xF2t"}, CaptionCase{222, false, "สวัสดี", "\xCA\xC7\xD1\xCA\xB4\xD5"},
        CaptionCase{128, false, "東京", "\x93\x8C\x8B\x9E"}, CaptionCase{134, false, "简体", "\xBC\xF2\xCC\xE5"},
        CaptionCase{129, false, "서울", "\xBC\xAD\xBF\xEF"}, CaptionCase{136, true, "說話", "\xBB\xA1\xB8\xDC"},
        CaptionCase{204, true, "Hello", "Hello"}));

}  // namespace
