// Payloads written out of the package: folder rule, digit names, contained paths, runtime libraries.
#include "../../src/package/Payloads.h"
#include "../../src/package/XMLDb.h"
#include "../../src/package/XMLTable.h"
#include "../../tools/scrpack/PlayerTables.h"
#include "../support/PackageFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {
// Points the system's temporary folder at a test folder, given without a final separator.
class TempFolderOverride {
public:
    explicit TempFolderOverride(const std::string& folder) : saved(std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "")
    {
        ::setenv("TMPDIR", folder.c_str(), 1);
    }
    ~TempFolderOverride() { saved.empty() ? ::unsetenv("TMPDIR") : ::setenv("TMPDIR", saved.c_str(), 1); }

private:
    std::string saved;
};
}  // namespace

TEST(Payloads, DigitNamesAndTheFolderRule)
{
    EXPECT_EQ("9798", DigitName("ab"));
    EXPECT_EQ("-23", DigitName("\xE9"));
    EXPECT_EQ("", DigitName(""));
    EXPECT_EQ("/tmp/x/", WithFinalSeparator("/tmp/x"));
    EXPECT_EQ("/tmp/x/", WithFinalSeparator("/tmp/x/"));
    EXPECT_EQ("C:\\T\\", WithFinalSeparator("C:\\T\\"));
}

TEST(Payloads, StoredNamesStayInsideTheirFolder)
{
    EXPECT_EQ("/t/Expic.dll", ContainedPath("/t/", "Expic.dll"));
    EXPECT_EQ("/t/sub/deeper/a.xml", ContainedPath("/t/", "sub\\deeper/a.xml"));
    EXPECT_EQ("/t/sub/../a.xml", ContainedPath("/t/", "sub\\..\\a.xml")) << "climbs back, never out";
    for (const char* file : {"console.txt", "COM0", "LPT10", "xnul", "con_1.bmp"})
        EXPECT_EQ(std::string("/t/") + file, ContainedPath("/t/", file)) << "not a device";
    for (const char* refused : {"\\windows\\x.dll", "/etc/passwd", "C:\\x.dll", "C:x.dll", "..\\x.dll",
                                "sub\\..\\..\\x.dll", "", "sub\\", "\\\\server\\share\\x", "CON", "nul.txt",
                                "sub\\Com1 .log", "lpt9", "aux.tar.gz", "PRN\\x.dll"})
        EXPECT_FALSE(ContainedPath("/t/", refused).has_value()) << refused;
}

TEST(Payloads, RuntimeLibrariesAreWrittenIntoTheTemporaryFolder)
{
    TempDir dir;
    const std::string temp = dir.Path("temp");
    std::filesystem::create_directories(temp);
    TempFolderOverride override(temp);  // reported without a final separator

    PackageTable libs = RuntimeLibTable();
    libs.AddRecord({PackageValue::Text("Expic.dll"), PackageValue::Text("MZ library")});
    libs.AddRecord({PackageValue::Text("plugins\\codec.dll"), PackageValue::Text("MZ codec")});
    libs.AddRecord({PackageValue::Text("..\\escaped.dll"), PackageValue::Text("MZ bad")});
    libs.AddRecord({PackageValue::Text("C:\\Windows\\evil.dll"), PackageValue::Text("MZ bad")});
    const std::string path = WritePackageFile(dir, "show.scr", FakeImage(10), BuildPackage({libs}));
    CMyXMLDb db;
    db.Open(path, ReadPackageOffset(path));

    ExtractRuntimeLibraries(db);
    EXPECT_EQ("MZ library", ReadFileText(temp + "/Expic.dll"));
    EXPECT_EQ("MZ codec", ReadFileText(temp + "/plugins/codec.dll"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path("escaped.dll")));
    EXPECT_EQ(3, std::distance(std::filesystem::recursive_directory_iterator(temp), {}))
        << "Expic.dll, plugins and plugins/codec.dll, nothing else";

    // The same bytes are not written again; other bytes are.
    const auto written = std::filesystem::last_write_time(temp + "/Expic.dll");
    std::filesystem::last_write_time(temp + "/Expic.dll", written - std::chrono::hours(1));
    WriteFileText(temp + "/plugins/codec.dll", "old codec");
    ExtractRuntimeLibraries(db);
    EXPECT_EQ(written - std::chrono::hours(1), std::filesystem::last_write_time(temp + "/Expic.dll"));
    EXPECT_EQ("MZ codec", ReadFileText(temp + "/plugins/codec.dll"));
}

TEST(Payloads, NoRuntimeLibraryTableWritesNothing)
{
    TempDir dir;
    TempFolderOverride override(dir.Path(""));
    const std::string path = WritePackageFile(dir, "show.scr", FakeImage(10), BuildPackage({MediaTable()}));
    CMyXMLDb db;
    db.Open(path, ReadPackageOffset(path));
    ExtractRuntimeLibraries(db);
    EXPECT_EQ(1, std::distance(std::filesystem::directory_iterator(dir.Path("")), {}));
}

TEST(Payloads, AValueThatCannotBeReadWholeLeavesNoFile)
{
    TempDir dir;
    PackageTable libs = RuntimeLibTable();
    libs.AddRecord({PackageValue::Text("empty.dll"), PackageValue::Text("")});
    libs.AddRecord({PackageValue::Text("codec.dll"), PackageValue::Text(std::string(100000, 'c'))});
    const auto bytes = BuildPackage({libs});
    const std::string whole(bytes.begin(), bytes.end());
    const std::size_t codecEnd = whole.rfind(std::string(100, 'c')) + 100;

    // The package cut in the middle of the codec: its value runs past the table.
    const std::string cut = WritePackageFile(dir, "cut.scr", FakeImage(10), whole.substr(0, codecEnd - 5000));
    // A whole package whose file shrinks while the codec is copied out of it.
    const std::string shrinking = WritePackageFile(dir, "shrinking.scr", FakeImage(10), bytes);

    for (const std::string& path : {cut, shrinking}) {
        CMyXMLDb db;
        db.Open(path, ReadPackageOffset(path));
        CMyXMLTable table;
        table.SetLoadBinaryFields(false);
        ASSERT_TRUE(table.Open(db, "runtimelib"));
        EXPECT_TRUE(SaveValueToFile(table, "libs", dir.Path("empty.dll"), false)) << "an empty value is a file";
        EXPECT_TRUE(std::filesystem::exists(dir.Path("empty.dll")));
        table.Next();
        if (path == shrinking) std::filesystem::resize_file(path, 10 + codecEnd - 5000);
        EXPECT_FALSE(SaveValueToFile(table, "libs", dir.Path("codec.dll"), false)) << path;
        EXPECT_FALSE(std::filesystem::exists(dir.Path("codec.dll"))) << path;
    }
}
