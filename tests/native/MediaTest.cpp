// Finding stored media files by name.
#include "../../src/package/XMLDb.h"
#include "../../src/settings/Media.h"
#include "../../tools/scrpack/PlayerTables.h"
#include "../support/PackageFiles.h"

#include <gtest/gtest.h>

namespace {
struct MediaTest : ::testing::Test {
    TempDir dir;
    CMyXMLDb db;
    CMedia media;

    void Open(const std::vector<std::pair<std::string, std::string>>& files)
    {
        PackageTable table = MediaTable();
        for (const auto& [name, bytes] : files)
            table.AddRecord({PackageValue::Text(name), PackageValue::Text(bytes)});
        const std::string path = WritePackageFile(dir, "show.scr", FakeImage(10), BuildPackage({table}));
        db.Open(path, ReadPackageOffset(path));
        media.SetDatabase(db);
        media.Open();
    }
    std::string ByFileName(const std::string& path)
    {
        TMemoryStream stream;
        return media.CopyByFileName(path, stream) ? stream.Text() : "<none>";
    }
    std::string ByExactName(const std::string& name)
    {
        TMemoryStream stream;
        return media.CopyByExactName(name, stream) ? stream.Text() : "<none>";
    }
};
}  // namespace

TEST_F(MediaTest, FileNameMatchesByContainmentAndTheFirstWins)
{
    Open({{"a\\intro.swf", "first"}, {"b\\intro.swf", "second"}, {"C:\\Pics\\Sunset.JPG", "sun"}});
    EXPECT_EQ("first", ByFileName("c:\\x\\INTRO.SWF"));
    EXPECT_EQ("first", ByFileName("tro.swf"));
    EXPECT_EQ("sun", ByFileName("d:sunset.jpg"));
    EXPECT_EQ("<none>", ByFileName("c:\\x\\outro.swf"));
    EXPECT_EQ("a\\intro.swf", media.FindStoredName("D:\\INTRO.swf"));
    EXPECT_EQ("c:\\pics\\sunset.jpg", media.FindStoredName("sunset.jpg"));
    EXPECT_EQ("", media.FindStoredName("none.swf"));
}

TEST_F(MediaTest, ExactNameMatchesTheWholeStoredName)
{
    Open({{"intro.swf", "movie"}, {"Clips\\Surf.AVI", "video"}});
    EXPECT_EQ("<none>", ByExactName("tro.swf"));
    EXPECT_EQ("movie", ByExactName("INTRO.SWF"));
    EXPECT_EQ("video", ByExactName("clips\\surf.avi"));
    EXPECT_EQ("<none>", ByExactName("surf.avi"));
}

TEST_F(MediaTest, EmptyOrMissingTableFindsNothing)
{
    Open({});
    EXPECT_EQ("<none>", ByFileName("a.jpg"));
    EXPECT_EQ("<none>", ByExactName("a.jpg"));
    CMedia unopened;
    TMemoryStream stream;
    EXPECT_FALSE(unopened.CopyByFileName("a.jpg", stream));
    EXPECT_TRUE(stream.Bytes().empty());
}

TEST(MediaNames, FileNamePartAndLowerCase)
{
    EXPECT_EQ("b.swf", FileNamePart("c:\\a\\b.swf"));
    EXPECT_EQ("b.swf", FileNamePart("c:b.swf"));
    EXPECT_EQ("b.swf", FileNamePart("b.swf"));
    EXPECT_EQ("", FileNamePart("c:\\a\\"));
    EXPECT_EQ("abc\xC9", LowerCase("ABC\xC9")) << "only A to Z change";
}
