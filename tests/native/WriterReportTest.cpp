// The package writer's canonical layout, and what scrpack prints about packages.
#include "../../src/package/XMLDb.h"
#include "../../tools/scrpack/Crc32.h"
#include "../../tools/scrpack/PackageReport.h"
#include "../../tools/scrpack/PackageWriter.h"
#include "../support/PackageFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace {
std::vector<PackageTable> SmallShow()
{
    PackageTable project("project", {{"projectname"}, {"data"}});
    project.AddRecord(
        {PackageValue::Text("My \"Show\" \\ 2"), PackageValue::Bytes(std::vector<std::uint8_t>{0, 1, 0xAB})});
    PackageTable media("media", {{"name"}, {"media", true}});
    media.AddRecord({PackageValue::Text("a.bmp"), PackageValue::Text("123456789")});
    media.AddRecord({PackageValue::Text("b.bmp"), PackageValue::Text("")});
    return {project, media, PackageTable("music", {{"name"}})};
}

struct Output {
    std::ostringstream out, err;
};
}  // namespace

TEST(PackageWriter, LaysTablesOutWithoutGaps)
{
    const auto tables = SmallShow();
    const std::string directory = PackageDirectory(tables);
    const auto bytes = BuildPackage(tables);
    EXPECT_EQ(0, std::string(bytes.begin(), bytes.end()).find(directory));

    TempDir dir;
    CMyXMLDb db;
    const std::string path = WritePackageFile(dir, "show.scr", FakeImage(64), bytes);
    ASSERT_TRUE(db.Open(path, ReadPackageOffset(path)));
    ASSERT_EQ(3u, db.Directory().size());
    std::int64_t expectedStart = static_cast<std::int64_t>(directory.size());
    for (std::size_t i = 0; i < tables.size(); ++i) {
        EXPECT_EQ(tables[i].Name(), db.Directory()[i].name);
        EXPECT_EQ(expectedStart, db.Directory()[i].start);
        EXPECT_EQ(static_cast<std::int64_t>(tables[i].Size()), db.Directory()[i].size);
        expectedStart += db.Directory()[i].size;
    }
    EXPECT_EQ(static_cast<std::int64_t>(bytes.size()), expectedStart) << "the last table ends the package";
}

TEST(PackageWriter, DirectoryOfTwoTablesHasTheKnownLength)
{
    // Two tables named project and media: 147 bytes whatever their sizes, numbers 10 wide.
    std::vector<PackageTable> tables = {PackageTable("project", {{"a"}}), PackageTable("media", {{"b"}})};
    const std::string directory = PackageDirectory(tables);
    EXPECT_EQ(147u, directory.size());
    EXPECT_NE(std::string::npos, directory.find("<tablestartpos>       147,"));
}

TEST(PackageWriter, RefusesLayoutsTheReaderCannotSee)
{
    PackageTable wide("t", {{std::string(1100, 'f')}});
    EXPECT_THROW(wide.Size(), std::length_error);
    std::vector<PackageTable> many;
    for (int i = 0; i < 40; ++i)
        many.push_back(PackageTable("table" + std::to_string(i), {{"a"}}));
    EXPECT_THROW(PackageDirectory(many), std::length_error);
    PackageTable t("t", {{"a"}, {"b"}});
    EXPECT_THROW(t.AddRecord({PackageValue::Text("only one")}), std::invalid_argument);
}

TEST(PackageWriter, AppendsToAProgramImageWithTheTrailer)
{
    TempDir dir;
    const std::string image = dir.Write("player.scr", FakeImage(777));
    const std::string show = dir.Path("show.scr");
    ASSERT_TRUE(AppendPackage(image, SmallShow(), show));
    const auto bytes = ReadFileBytes(show);
    EXPECT_EQ(FakeImage(777), std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 777));
    EXPECT_EQ(777u, ReadPackageOffset(show));
    EXPECT_EQ(777 + BuildPackage(SmallShow()).size() + 4, bytes.size());

    const std::string copied = dir.Path("copied.scr");
    PackageTable media("media", {{"media", true}});
    media.AddRecord({PackageValue::File(image)});
    ASSERT_TRUE(AppendPackage("", {media}, copied));
    EXPECT_EQ(0u, ReadPackageOffset(copied));
    EXPECT_THROW(PackageValue::File(dir.Path("missing")), std::runtime_error);
}

TEST(Crc32, MatchesTheStandardCheckValue)
{
    TCrc32Stream crc;
    crc.Write("1234", 4);
    crc.Write("56789", 5);
    EXPECT_EQ(0xCBF43926u, crc.Crc());
    EXPECT_EQ(0u, TCrc32Stream().Crc());
}

TEST(PackageReport, ListsTheDirectory)
{
    TempDir dir;
    const std::string path = WritePackageFile(dir, "show.scr", FakeImage(10), BuildPackage(SmallShow()));
    Output o;
    EXPECT_EQ(kReportOk, ListPackage(path, o.out, o.err));
    const std::string start = std::to_string(PackageDirectory(SmallShow()).size());
    EXPECT_EQ(0u, o.out.str().find("project\t" + start + "\t" + std::to_string(SmallShow()[0].Size()) + "\n"));
    EXPECT_NE(std::string::npos, o.out.str().find("\nmusic\t"));
    EXPECT_EQ("", o.err.str());
}

TEST(PackageReport, DumpsTextsHexAndLargeValues)
{
    TempDir dir;
    const std::string path = WritePackageFile(dir, "show.scr", FakeImage(10), BuildPackage(SmallShow()));
    Output o;
    EXPECT_EQ(kReportOk, DumpPackage(path, {"media", "project"}, o.out, o.err));
    EXPECT_EQ(
        "{\"tables\":["
        "{\"name\":\"project\",\"fields\":[{\"name\":\"projectname\",\"binary\":false},"
        "{\"name\":\"data\",\"binary\":false}],"
        "\"records\":[{\"projectname\":\"My \\\"Show\\\" \\\\ 2\",\"data\":{\"hex\":\"0001ab\"}}]},"
        "{\"name\":\"media\",\"fields\":[{\"name\":\"name\",\"binary\":false},{\"name\":\"media\",\"binary\":true}],"
        "\"records\":[{\"name\":\"a.bmp\",\"media\":{\"size\":9,\"crc32\":\"cbf43926\"}},"
        "{\"name\":\"b.bmp\",\"media\":{\"size\":0,\"crc32\":\"00000000\"}}]}"
        "]}\n",
        o.out.str());
}

TEST(PackageReport, ReportsFilesWithoutAPackage)
{
    TempDir dir;
    for (const std::string& path : {dir.Write("plain.exe", FakeImage(100)), dir.Path("missing.scr")}) {
        Output o;
        EXPECT_EQ(kReportNoPackage, ListPackage(path, o.out, o.err));
        EXPECT_EQ("", o.out.str());
        const std::string err = o.err.str();
        EXPECT_EQ(1, std::count(err.begin(), err.end(), '\n')) << err;
        Output d;
        EXPECT_EQ(kReportNoPackage, DumpPackage(path, {}, d.out, d.err));
    }
}

TEST(PackageReport, ReportsDamagedTablesAndGoesOn)
{
    TempDir dir;
    const std::string t = "<t><head><fields>a</fields><recordcount>many</recordcount></head>";
    const std::string directory =
        "<database><tables>t,music</tables><tablestartpos>" + PaddedList({0, 0}) + "</tablestartpos></database>";
    const std::string path = WritePackageFile(dir, "bad.scr", {}, directory + t);
    Output o;
    EXPECT_EQ(kReportDamaged, DumpPackage(path, {"t", "nothere"}, o.out, o.err));
    EXPECT_EQ("{\"tables\":[{\"name\":\"t\",\"fields\":[],\"records\":[]}]}\n", o.out.str());
    EXPECT_NE(std::string::npos, o.err.str().find("nothere"));
}
