// The package directory: finding the package through the trailer, and reading its table list.
#include "../../src/package/Convert.h"
#include "../../src/package/XMLDb.h"
#include "../support/PackageFiles.h"

#include <gtest/gtest.h>

namespace {
std::string Directory(const std::string& names, const std::string& starts, const std::string& sizes)
{
    return "<database><tables>" + names + "</tables><tablestartpos>" + starts + "</tablestartpos><tablesize>" + sizes +
           "</tablesize></database>";
}

struct DirectoryTest : ::testing::Test {
    TempDir dir;
    CMyXMLDb db;

    // Opens a file that carries `package` after a 300-byte image.
    bool OpenPackage(const std::string& package)
    {
        const std::string path = WritePackageFile(dir, "show.scr", FakeImage(300), package);
        return db.Open(path, ReadPackageOffset(path));
    }
};
}  // namespace

TEST(PackageOffset, IsTheFilesLastFourBytesLittleEndian)
{
    TempDir dir;
    EXPECT_EQ(300u, ReadPackageOffset(WritePackageFile(dir, "a.scr", FakeImage(300), std::string("x"))));
    EXPECT_EQ(0x04030201u, ReadPackageOffset(dir.Write("b", std::vector<std::uint8_t>{9, 1, 2, 3, 4})));
}

TEST(PackageOffset, IsZeroForMissingAndShortFiles)
{
    TempDir dir;
    EXPECT_EQ(0u, ReadPackageOffset(dir.Path("missing.scr")));
    EXPECT_EQ(0u, ReadPackageOffset(dir.Write("short", std::string("abc"))));
    EXPECT_EQ(0u, ReadPackageOffset(dir.Path("")));
}

TEST_F(DirectoryTest, ReadsNamesStartsAndSizesInOrder)
{
    ASSERT_TRUE(OpenPackage(Directory("project,media", PaddedList({147, 547}), PaddedList({400, 1000}))));
    ASSERT_EQ(2u, db.Directory().size());
    EXPECT_EQ("project", db.Directory()[0].name);
    EXPECT_EQ(147, db.Directory()[0].start);
    EXPECT_EQ(400, db.Directory()[0].size);
    EXPECT_EQ("media", db.Directory()[1].name);
    EXPECT_EQ(547, db.Directory()[1].start);
    EXPECT_EQ(1000, db.Directory()[1].size);
    EXPECT_EQ(300u, db.PackageOffset());
}

TEST_F(DirectoryTest, MatchesNamesExactly)
{
    ASSERT_TRUE(
        OpenPackage(Directory(" media,media,media,Project", PaddedList({1, 2, 3, 4}), PaddedList({5, 6, 7, 8}))));
    ASSERT_NE(nullptr, db.FindTable("media"));
    EXPECT_EQ(2, db.FindTable("media")->start) << "a blank makes another name; a repeated name finds the first";
    EXPECT_EQ(1, db.FindTable(" media")->start);
    EXPECT_EQ(nullptr, db.FindTable("Media"));
    EXPECT_EQ(nullptr, db.FindTable("project"));
}

TEST_F(DirectoryTest, FewerNumbersThanNamesLeaveDefaults)
{
    ASSERT_TRUE(OpenPackage(Directory("a,b,c", PaddedList({10}), PaddedList({20, 30}))));
    EXPECT_EQ(10, db.FindTable("a")->start);
    EXPECT_EQ(-1, db.FindTable("b")->start);
    EXPECT_EQ(30, db.FindTable("b")->size);
    EXPECT_EQ(0, db.FindTable("c")->size);
}

TEST_F(DirectoryTest, BadNumbersFailKeepingWhatWasRead)
{
    EXPECT_FALSE(OpenPackage(Directory("a,b", PaddedList({10}) + ",  x1", PaddedList({1, 2}))));
    EXPECT_EQ(10, db.FindTable("a")->start);
    EXPECT_EQ(-1, db.FindTable("b")->start);
    EXPECT_EQ(0, db.FindTable("a")->size) << "sizes come after the fault and are not read";

    EXPECT_FALSE(OpenPackage(Directory("a", PaddedList({10, 20}), PaddedList({1}))));
    EXPECT_EQ(10, db.FindTable("a")->start);
}

TEST_F(DirectoryTest, LooksOnlyAtTheFirst1024Bytes)
{
    const std::string names(950, 'n');
    ASSERT_TRUE(OpenPackage(Directory(names, PaddedList({1}), PaddedList({2}))));
    ASSERT_EQ(1u, db.Directory().size());
    EXPECT_EQ(1, db.Directory()[0].start);
    EXPECT_EQ(0, db.Directory()[0].size) << "</tablesize> lies beyond the first 1024 bytes";
}

TEST_F(DirectoryTest, StopsAtTheFirstNul)
{
    ASSERT_TRUE(OpenPackage("<database><tables>a,b</tables>" + std::string(1, '\0') + "<tablestartpos>" +
                            PaddedList({1, 2}) + "</tablestartpos>"));
    EXPECT_EQ(2u, db.Directory().size());
    EXPECT_EQ(-1, db.FindTable("a")->start);
}

TEST_F(DirectoryTest, FileWithoutPackageGivesEmptyDirectory)
{
    ASSERT_TRUE(db.Open(dir.Write("plain.exe", FakeImage(5000)), ReadPackageOffset(dir.Path("plain.exe"))));
    EXPECT_TRUE(db.Directory().empty());
    EXPECT_TRUE(db.Open(dir.Write("tiny.exe", std::string("MZ")), 0));
    EXPECT_TRUE(db.Directory().empty());
}

TEST_F(DirectoryTest, OffsetBeyondTheFileGivesEmptyDirectory)
{
    const std::string path = dir.Write("wrong.scr", std::vector<std::uint8_t>{'M', 'Z', 0xFF, 0xFF, 0xFF, 0x7F});
    EXPECT_TRUE(db.Open(path, ReadPackageOffset(path)));
    EXPECT_TRUE(db.Directory().empty());
}

TEST_F(DirectoryTest, PackageInAFileOfItsOwnOpensAtOffsetZero)
{
    const std::string path = dir.Write("show.pkg", Directory("project", PaddedList({90}), PaddedList({10})));
    ASSERT_TRUE(db.Open(path, 0));
    ASSERT_NE(nullptr, db.FindTable("project"));
}

TEST_F(DirectoryTest, MissingFileOpensEmpty)
{
    ASSERT_TRUE(OpenPackage(Directory("a", PaddedList({1}), PaddedList({2}))));
    EXPECT_TRUE(db.Open(dir.Path("missing.scr"), 300));
    EXPECT_EQ(dir.Path("missing.scr"), db.FileName());
    EXPECT_EQ(nullptr, db.FindTable("a"));
}

TEST(Convert, StrToIntTakesSignAndDigitsOnly)
{
    EXPECT_EQ(300, StrToInt(Trim("       300")));
    EXPECT_EQ(-7, StrToInt("-7"));
    EXPECT_EQ(2147483647, StrToInt("2147483647"));
    EXPECT_EQ(-2147483647 - 1, StrToInt("-2147483648"));
    for (const char* bad : {"", "-", "12a", "1 2", " 1", "2147483648", "99999999999999999999", "0x10"})
        EXPECT_THROW(StrToInt(bad), EConvertError) << bad;
}
