// Shows made from manifests: the checks, where options land, defaults, and build → extract → build.
#include "../../src/package/Convert.h"
#include "../../src/package/XMLDb.h"
#include "../../src/package/XMLTable.h"
#include "../../src/settings/ShowItemOptions.h"
#include "../../tools/scrpack/Manifest.h"
#include "../../tools/scrpack/ShowBuild.h"
#include "../../tools/scrpack/ShowExtract.h"
#include "../support/TempDir.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct ManifestTest : ::testing::Test {
    TempDir dir;

    void SetUp() override
    {
        std::filesystem::create_directories(dir.Path("sub"));
        std::filesystem::create_directories(dir.Path("other"));
        for (const char* name : {"theme.wav", "ping.wav", "intro.xml", "Expic.dll", "banner.bmp"})
            dir.Write(name, std::string("bytes of ") + name);
        // Pictures are recognised by their first bytes; the rest is never decoded without a box.
        for (const auto& [name, magic] : {std::pair{"a.bmp", "BM"},
                                          {"other/a.bmp", "BM"},
                                          {"b.jpg", "\xFF\xD8\xFF"},
                                          {"bg.jpg", "\xFF\xD8\xFF"},
                                          {"sub/c.png", "\x89PNG\r\n\x1A\n"}})
            dir.Write(name, std::string(magic) + "bytes of " + name);
    }
    // Builds `manifest` (written as show.json); the errors, one per line.
    std::string Build(const std::string& manifest, const std::string& output = "show.scr")
    {
        dir.Write("show.json", manifest);
        std::ostringstream out, err;
        BuildShow(dir.Path("show.json"), dir.Path(output), "", out, err, false);
        return err.str();
    }
    // Opens the table `name` of the package that `file` carries.
    bool OpenTable(CMyXMLDb& db, CMyXMLTable& table, const std::string& file, const char* name)
    {
        db.Open(dir.Path(file), ReadPackageOffset(dir.Path(file)));
        table.SetLoadBinaryFields(true);
        return table.Open(db, name);
    }
};

struct ErrorCase {
    const char* manifest;
    const char* message;
};

class ManifestErrors : public ManifestTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(ManifestErrors, EachProblemIsNamedByItsPathAndNothingIsWritten)
{
    const std::string errors = Build(GetParam().manifest);
    EXPECT_NE(std::string::npos, errors.find(std::string("show.json: ") + GetParam().message)) << errors;
    EXPECT_EQ(1, std::count(errors.begin(), errors.end(), '\n')) << errors;
    EXPECT_FALSE(std::filesystem::exists(dir.Path("show.scr")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("show.scr.part")));
}

INSTANTIATE_TEST_SUITE_P(
    Manifest, ManifestErrors,
    ::testing::Values(ErrorCase{R"({"items": ["a.bmp"], "colours": 1})", "colours: unknown key"},
                      ErrorCase{R"({"items": [{"file": "a.bmp", "titel": "x"}]})", "items[0].titel: unknown key"},
                      ErrorCase{R"({"items": ["missing.bmp"]})", "items[0]: no such file"},
                      ErrorCase{R"({"items": [{"file": "a.bmp", "effects": [3, "Band sideways"]}]})",
                                "items[0].effects[1]: no effect named \"Band sideways\""},
                      ErrorCase{R"({"items": [{"file": "a.bmp", "effects": [161]}]})",
                                "items[0].effects[0]: must be an effect"},
                      ErrorCase{R"({"items": [{"file": "a.bmp", "options": {"mediaType": 3}}]})",
                                "items[0].options.mediaType: must be between 0 and 2"},
                      ErrorCase{R"({"items": [{"file": "a.bmp", "options": {"titleColor": "red"}}]})",
                                "items[0].options.titleColor: must be a colour"},
                      ErrorCase{R"({"items": [{"file": "a.bmp", "options": {"musicOn": 2}}]})",
                                "items[0].options.musicOn: must be true or false"},
                      ErrorCase{R"({"items": [{"file": "a.bmp", "options": {"speed": 2}}]})",
                                "items[0].options.speed: unknown option"},
                      ErrorCase{R"({"items": [{"file": "a.bmp", "backgrounds": [0]}]})",
                                "items[0].backgrounds[0]: the show has no background pictures"},
                      ErrorCase{R"({"items": ["a.bmp", "other/a.bmp"]})",
                                "items[1]: another file of the show is stored as \"a.bmp\""},
                      ErrorCase{R"({"items": [{"file": "a.bmp", "title": "x 😀"}]})",
                                "items[0].title: no code page of a character set holds \"😀\""},
                      ErrorCase{R"({"items": [{"file": "a.bmp", "title": "Зима", "options": {"titleCharset": 0}}]})",
                                "items[0].title: the code page 1252 of character set 0 cannot hold \"З\""},
                      ErrorCase{R"({"project": {"name": "Зима"}, "items": ["a.bmp"]})",
                                "project.name: holds a character that code page 1252 cannot store"},
                      ErrorCase{R"({"items": []})", "items: must be a list of at least one show item"},
                      ErrorCase{R"({"items": ["a.bmp"],)", "(manifest): not JSON"},
                      ErrorCase{R"({"items": ["a.bmp"], "project": {"options": {"pictureFit": 1E400}}})",
                                "(manifest): not JSON: number overflow"}));

TEST_F(ManifestTest, FivePictureNamesMakeAWorkingShow)
{
    ASSERT_EQ("", Build(R"({"items": ["a.bmp", "b.jpg", "sub/c.png", "a.bmp", "bg.jpg"]})"));
    CMyXMLDb db;
    CMyXMLTable setting;
    ASSERT_TRUE(OpenTable(db, setting, "show.scr", "setting"));
    EXPECT_EQ(5, setting.RecordCount());
    EXPECT_EQ("c.png", (setting.GoTo(2), setting.ReadText("filename"))) << "stored under its file name";
    std::uint8_t block[ShowItemOptions::kSize];
    const ShowItemOptions o = ShowItemOptions::FromBytes(block, setting.ReadRaw("data", block, sizeof block));
    EXPECT_EQ(1, o.transitionsOn);
    EXPECT_EQ(25, o.effectStep);
    EXPECT_EQ(1, o.backgroundSolidAllowed);
    EXPECT_EQ(0, o.titleShown) << "no title, none shown";
    EXPECT_EQ(0, o.mediaType);
    std::string all;
    for (int i = 0; i < 161; ++i)
        all += std::to_string(i) + ";";
    EXPECT_EQ(all, setting.ReadText("effect"));
    CMyXMLTable media;
    ASSERT_TRUE(media.Open(db, "media"));
    EXPECT_EQ(4, media.RecordCount()) << "a picture shown twice is stored once";
}

struct OptionCase {
    const char* json;  // inside "options"
    std::size_t offset;
    std::uint32_t stored;
    int width;
};

TEST_F(ManifestTest, OptionsLandAtTheirOffsets)
{
    const OptionCase itemCases[] = {
        {R"("pictureBlendDraw": true)", 4, 1, 1},
        {R"("titleColor": "#102030")", 12, 0x302010, 4},
        {R"("descY": -7)", 56, 0xFFFFFFF9, 4},
        {R"("randomEffect": false)", 77, 0, 1},
        {R"("effectStep": 12)", 80, 12, 4},
        {R"("flashBackColor": "#0000FF")", 108, 0xFF0000, 4},
        {R"("pictureBackgroundFlag": true)", 141, 1, 1},
        {R"("flashSeconds": 77)", 156, 77, 4},
        {R"("flashAcceptMouseClick": true)", 161, 1, 1},
    };
    const OptionCase projectCases[] = {
        {R"("runAsProgram": 1)", 8, 1, 4},       {R"("randomMediaOrder": true)", 21, 1, 1},
        {R"("musicPauseSeconds": 9)", 32, 9, 4}, {R"("mediaEmbedded": true)", 58, 1, 1},
        {R"("pictureFit": 3)", 64, 3, 4},        {R"("hasImageMedia": false)", 76, 0, 1},
    };
    std::string item, project;
    for (const OptionCase& c : itemCases)
        item += std::string(item.empty() ? "" : ", ") + c.json;
    for (const OptionCase& c : projectCases)
        project += std::string(project.empty() ? "" : ", ") + c.json;
    ASSERT_EQ("", Build(R"({"project": {"options": {)" + project + R"(}}, "items": [{"file": "a.bmp", "options": {)" +
                        item + "}}]}"));

    const auto check = [&](const char* table, const auto& cases, std::size_t size) {
        CMyXMLDb db;
        CMyXMLTable t;
        ASSERT_TRUE(OpenTable(db, t, "show.scr", table));
        std::vector<std::uint8_t> block(size);
        ASSERT_EQ(size, t.ReadRaw("data", block.data(), size)) << table;
        for (const OptionCase& c : cases) {
            const std::uint32_t value = c.width == 1 ? block[c.offset] : ReadLE32(&block[c.offset]);
            EXPECT_EQ(c.stored, value) << table << " " << c.json;
        }
    };
    check("setting", itemCases, ShowItemOptions::kSize);
    check("project", projectCases, ProjectOptions::kSize);
}

TEST_F(ManifestTest, ExtractingAndBuildingAgainGivesTheSameBytes)
{
    const std::string manifest = R"json({
        "project": {"name": "Round trip", "authorName": "Ann", "version": "2.5", "copyright": "(c) Ann",
                    "dialogPicture": "banner.bmp", "options": {"mediaPauseSeconds": 7, "musicRandom": true}},
        "backgroundPictures": ["bg.jpg", "a.bmp"],
        "music": ["theme.wav"],
        "runtimeLibraries": ["Expic.dll"],
        "items": [
            {"file": "a.bmp", "title": "Clair de lune é", "titleStyle": ["bold", "strikeout"], "description": "two\r\nlines",
             "effects": ["Scan to center(Vertical)", 0, 160], "gradients": [11, 2], "backgrounds": [1],
             "boundSound": "ping.wav", "options": {"backgroundGradientAllowed": true, "gradientColor2": "#ABCDEF"}},
            {"file": "sub/c.png", "type": "flash", "auxFiles": ["intro.xml"], "boundSound": "theme.wav"},
            "b.jpg"
        ]})json";
    ASSERT_EQ("", Build(manifest, "first.scr"));
    std::ostringstream out, err;
    ASSERT_EQ(kReportOk, ExtractShow(dir.Path("first.scr"), dir.Path("files"), out, err)) << err.str();
    std::ostringstream out2, err2;
    ASSERT_EQ(0, BuildShow(dir.Path("files/show.json"), dir.Path("second.scr"), "", out2, err2, false)) << err2.str();
    EXPECT_EQ(ReadFileBytes(dir.Path("first.scr")), ReadFileBytes(dir.Path("second.scr")));
    EXPECT_EQ("bytes of intro.xml", ReadFileText(dir.Path("files/auxfiles/intro.xml")));
    EXPECT_EQ("bytes of ping.wav", ReadFileText(dir.Path("files/music/ping.wav")));
}

TEST_F(ManifestTest, ShowsWithSeparateFilesKeepTheirNamesAndNeedNoFiles)
{
    const std::string manifest = R"({"project": {"options": {"mediaEmbedded": false, "musicEmbedded": false}},
        "music": ["C:\\Music\\Theme.mp3"], "items": ["D:\\Show\\far away.jpg"]})";
    ASSERT_EQ("", Build(manifest, "first.scr"));
    CMyXMLDb db;
    CMyXMLTable setting;
    ASSERT_TRUE(OpenTable(db, setting, "first.scr", "setting"));
    EXPECT_EQ("D:\\Show\\far away.jpg", setting.ReadText("filename"));
    std::ostringstream out, err, out2, err2;
    ASSERT_EQ(kReportOk, ExtractShow(dir.Path("first.scr"), dir.Path("files"), out, err)) << err.str();
    ASSERT_EQ(0, BuildShow(dir.Path("files/show.json"), dir.Path("second.scr"), "", out2, err2, false)) << err2.str();
    EXPECT_EQ(ReadFileBytes(dir.Path("first.scr")), ReadFileBytes(dir.Path("second.scr")));
}

}  // namespace

TEST_F(ManifestTest, ExtractRefusesAStoredNameThatIsADevice)
{
#ifdef _WIN32
    GTEST_SKIP() << "Windows cannot hold the file aux.xml that the show is built from";
#endif
    dir.Write("aux.xml", "bytes of aux.xml");
    ASSERT_EQ("", Build(R"({"items": [{"file": "a.bmp", "type": "flash", "auxFiles": ["aux.xml"]}]})"));
    std::ostringstream out, err;
    EXPECT_EQ(kReportDamaged, ExtractShow(dir.Path("show.scr"), dir.Path("files"), out, err));
    EXPECT_NE(std::string::npos, err.str().find("\"aux.xml\" leaves its folder or names a device")) << err.str();
}
