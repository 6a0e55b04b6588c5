// Tables: the header, the record cursor, field reads, and values left in the file.
#include "../../src/package/Convert.h"
#include "../../src/package/XMLDb.h"
#include "../../src/package/XMLTable.h"
#include "../../tools/scrpack/PackageWriter.h"
#include "../support/PackageFiles.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {
std::vector<std::uint8_t> Pattern(std::size_t size, unsigned seed)
{
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 131 + seed) >> 3);
    return bytes;
}

// Little-endian 32-bit numbers as bytes of a text.
std::string LE32s(std::initializer_list<std::int64_t> numbers)
{
    std::string bytes;
    for (std::int64_t n : numbers) {
        std::uint8_t b[4];
        WriteLE32(b, static_cast<std::uint32_t>(n));
        bytes.append(reinterpret_cast<const char*>(b), 4);
    }
    return bytes;
}

// A table laid out by hand: the header with these texts, then `index` and `data` as given.
std::string HandTable(const std::string& fields, const std::string& flags, const std::string& count,
                      const std::string& index, const std::string& data)
{
    return "<t><head><fields>" + fields + "</fields><binfields>" + flags + "</binfields><recordcount>" + count +
           "</recordcount></head><recordinfo>" + index + "</recordinfo><data>" + data + "</data></t>";
}

// Where the data of a hand-laid table starts, for an index of `records` entries.
std::int64_t HandDataStart(const std::string& fields, const std::string& flags, const std::string& count, int records)
{
    return static_cast<std::int64_t>(
               HandTable(fields, flags, count, std::string(8 * records, 'i'), "").find("<data>")) +
           6;
}

// A package of the one table "t"; its size in the directory may be set apart from its length.
std::string OneTablePackage(const std::string& table, int size = -1)
{
    auto directory = [&](int start) {
        return "<database><tables>t</tables><tablestartpos>" + PaddedList({start}) + "</tablestartpos><tablesize>" +
               PaddedList({size < 0 ? static_cast<int>(table.size()) : size}) + "</tablesize></database>";
    };
    return directory(static_cast<int>(directory(0).size())) + table;
}

// The media table of a show: names, an integer, a fixed block, and a large value.
PackageTable MediaTable()
{
    PackageTable media("media", {{"name"}, {"count"}, {"block"}, {"media", true}});
    media.AddRecord({PackageValue::Text("intro.swf"), PackageValue::Int(-5), PackageValue::Bytes(Pattern(80, 1)),
                     PackageValue::Bytes(Pattern(5000, 2))});
    media.AddRecord({PackageValue::Text(""), PackageValue::Int(7), PackageValue::Text(std::string("ab\0cd", 5)),
                     PackageValue::Bytes(Pattern(3, 3))});
    media.AddRecord({PackageValue::Text("last.avi"), PackageValue::Int(70000), PackageValue::Bytes(nullptr, 0),
                     PackageValue::Bytes(nullptr, 0)});
    return media;
}

struct TableTest : ::testing::Test {
    TempDir dir;
    CMyXMLDb db;
    CMyXMLTable table;

    void OpenFile(const std::string& package)
    {
        const std::string path = WritePackageFile(dir, "show.scr", FakeImage(1000), package);
        ASSERT_TRUE(db.Open(path, ReadPackageOffset(path)));
    }
    void OpenTables(const std::vector<PackageTable>& tables)
    {
        const auto bytes = BuildPackage(tables);
        OpenFile(std::string(bytes.begin(), bytes.end()));
    }
};

// A stream that remembers how it was written to.
struct RecordingStream : TStream {
    std::vector<std::uint8_t> bytes;
    std::size_t largestWrite = 0;
    bool Write(const void* data, std::size_t size) override
    {
        largestWrite = std::max(largestWrite, size);
        const auto* p = static_cast<const std::uint8_t*>(data);
        bytes.insert(bytes.end(), p, p + size);
        return true;
    }
};
}  // namespace

TEST_F(TableTest, ReadsEveryKindOfValue)
{
    OpenTables({PackageTable("project", {{"x"}}), MediaTable()});
    table.SetLoadBinaryFields(true);
    ASSERT_TRUE(table.Open(db, "media"));
    EXPECT_EQ(3, table.RecordCount());
    EXPECT_EQ(0, table.RecNo());

    EXPECT_EQ("intro.swf", table.ReadText("name"));
    EXPECT_EQ(-5, table.ReadInt("count"));
    std::uint8_t block[80] = {};
    EXPECT_EQ(80u, table.ReadRaw("block", block, sizeof block));
    EXPECT_TRUE(std::equal(block, block + 80, Pattern(80, 1).begin()));
    std::vector<std::uint8_t> media(5000);
    EXPECT_EQ(5000u, table.ReadRaw("media", media.data(), media.size()));
    EXPECT_EQ(Pattern(5000, 2), media);

    TMemoryStream stream;
    EXPECT_FALSE(table.CopyBinaryToStream("media", stream)) << "nothing is left in the file";
    EXPECT_TRUE(stream.Bytes().empty());

    table.Next();
    EXPECT_EQ("", table.ReadText("name"));
    EXPECT_EQ(7, table.ReadInt("count")) << "an empty value does not shift the next one";
    EXPECT_EQ("ab", table.ReadText("block"));
    char raw[8] = {};
    EXPECT_EQ(5u, table.ReadRaw("block", raw, sizeof raw));
    EXPECT_EQ(std::string("ab\0cd", 5), std::string(raw, 5));
}

TEST_F(TableTest, DefersLargeValuesAndCopiesThemExactly)
{
    OpenTables({MediaTable()});
    table.SetLoadBinaryFields(false);
    ASSERT_TRUE(table.Open(db, "media"));

    EXPECT_EQ("", table.ReadText("media"));
    std::uint8_t probe = 0xAA;
    EXPECT_EQ(0u, table.ReadRaw("media", &probe, 1));
    EXPECT_EQ(0xAA, probe);

    TMemoryStream memory;
    ASSERT_TRUE(table.CopyBinaryToStream("media", memory));
    EXPECT_EQ(Pattern(5000, 2), memory.Bytes());
    EXPECT_FALSE(table.CopyBinaryToStream("name", memory)) << "only flagged fields are copied";

    table.GoTo(2);
    EXPECT_FALSE(table.CopyBinaryToStream("media", memory)) << "an empty value has nothing to copy";
    EXPECT_EQ(70000, table.ReadInt("count"));

    table.GoTo(1);
    const std::string path = dir.Path("copy.bin");
    TFileStream file;
    ASSERT_TRUE(file.Create(path));
    ASSERT_TRUE(table.CopyBinaryToStream("media", file));
    file.Close();
    EXPECT_EQ(Pattern(3, 3), ReadFileBytes(path));
}

TEST_F(TableTest, CopiesLargeValuesInChunks)
{
    const std::size_t size = (9u << 20) + 17;
    PackageTable media("media", {{"name"}, {"media", true}});
    media.AddRecord({PackageValue::Text("big.avi"), PackageValue::Bytes(Pattern(size, 9))});
    OpenTables({media});
    table.SetLoadBinaryFields(false);
    ASSERT_TRUE(table.Open(db, "media"));

    RecordingStream stream;
    ASSERT_TRUE(table.CopyBinaryToStream("media", stream));
    EXPECT_TRUE(stream.bytes == Pattern(size, 9));
    EXPECT_LE(stream.largestWrite, 8u << 20) << "the value is never held whole";
    EXPECT_LT(table.BytesRead(), 2 * size);
}

TEST_F(TableTest, CursorFlagsFollowTheMoves)
{
    OpenTables({MediaTable()});
    ASSERT_TRUE(table.Open(db, "media"));
    EXPECT_FALSE(table.Eof());
    EXPECT_FALSE(table.Bof());

    EXPECT_EQ(0, table.First());
    EXPECT_TRUE(table.Bof());
    EXPECT_FALSE(table.Eof());
    EXPECT_EQ(0, table.GoTo(0));
    EXPECT_TRUE(table.Bof()) << "going to the current record changes nothing";

    EXPECT_EQ(2, table.GoTo(2));
    EXPECT_FALSE(table.Bof());
    EXPECT_EQ(2, table.Next());
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ("last.avi", table.ReadText("name")) << "the last record stays loaded";
    EXPECT_EQ(2, table.GoTo(2));
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ(1, table.Prior());
    EXPECT_FALSE(table.Eof());
    EXPECT_EQ(1, table.GoTo(-4));
    EXPECT_TRUE(table.Bof());
    EXPECT_EQ(1, table.RecNo());

    std::vector<std::string> names;
    for (table.First(); !table.Eof(); table.Next())
        names.push_back(table.ReadText("name"));
    EXPECT_EQ((std::vector<std::string>{"intro.swf", "", "last.avi"}), names);
}

TEST_F(TableTest, EmptyAndMissingTables)
{
    OpenTables({PackageTable("music", {{"name"}, {"music", true}})});
    ASSERT_TRUE(table.Open(db, "music"));
    EXPECT_EQ(0, table.RecordCount());
    EXPECT_EQ(-1, table.RecNo());
    EXPECT_EQ(-1, table.First());
    EXPECT_TRUE(table.Eof());
    EXPECT_EQ("", table.ReadText("name"));

    EXPECT_FALSE(table.Open(db, "Music"));
    EXPECT_TRUE(table.IsClosed());
    EXPECT_EQ(0, table.RecordCount());
    table.First();
    EXPECT_TRUE(table.Eof());
}

TEST_F(TableTest, FieldNamesMatchExactly)
{
    OpenTables({MediaTable()});
    ASSERT_TRUE(table.Open(db, "media"));
    EXPECT_THROW(table.ReadText("Name"), std::out_of_range);
    TMemoryStream stream;
    EXPECT_THROW(table.CopyBinaryToStream("Media", stream), std::out_of_range);
    EXPECT_EQ(0, table.ReadInt("COUNT"));
    char untouched[4] = {'k', 'e', 'e', 'p'};
    EXPECT_EQ(0u, table.ReadRaw("Block", untouched, sizeof untouched));
    EXPECT_EQ('k', untouched[0]);
}

TEST_F(TableTest, IntegersAndRawCopiesRespectTheirSizes)
{
    PackageTable t("t", {{"v"}});
    t.AddRecord({PackageValue::Bytes(std::vector<std::uint8_t>{1, 2, 3, 4, 5, 6})});
    t.AddRecord({PackageValue::Bytes(std::vector<std::uint8_t>{0xFF, 0x01})});
    OpenTables({t});
    ASSERT_TRUE(table.Open(db, "t"));
    EXPECT_EQ(0x04030201, table.ReadInt("v")) << "a longer value gives its first four bytes";
    std::uint8_t small[3] = {};
    EXPECT_EQ(3u, table.ReadRaw("v", small, sizeof small));
    EXPECT_EQ(3, small[2]);
    table.Next();
    EXPECT_EQ(0x01FF, table.ReadInt("v"));
}

TEST_F(TableTest, ReopensAndServesSeveralCursorsAtOnce)
{
    OpenTables({MediaTable(), PackageTable("music", {{"name"}})});
    CMyXMLTable other;
    ASSERT_TRUE(table.Open(db, "media"));
    ASSERT_TRUE(other.Open(db, "media"));
    other.GoTo(2);
    EXPECT_EQ("intro.swf", table.ReadText("name"));
    EXPECT_EQ("last.avi", other.ReadText("name"));
    ASSERT_TRUE(table.Open(db, "music"));
    EXPECT_EQ(0, table.RecordCount());
    table.Close();
    EXPECT_TRUE(table.IsClosed());
}

TEST_F(TableTest, ReliesOnlyOnIndexPositions)
{
    const std::int64_t data = HandDataStart("a,b", "00", "2", 2);
    const std::string second = LE32s({3, 1}) + "two2", first = LE32s({3, 2}) + "one11";
    // Record 0 lies after record 1 and a gap; the lengths in the index are wrong on purpose.
    const std::string index = LE32s({data + std::int64_t(second.size()) + 5, 999, data, 1});
    OpenFile(OneTablePackage(HandTable("a,b", "00", "2", index, second + "gap!!" + first)));

    ASSERT_TRUE(table.Open(db, "t"));
    EXPECT_EQ("one", table.ReadText("a"));
    EXPECT_EQ("11", table.ReadText("b"));
    table.Next();
    EXPECT_EQ("two", table.ReadText("a"));
    EXPECT_EQ("2", table.ReadText("b"));
}

TEST_F(TableTest, ShortFlagTextLeavesTheRestUnflagged)
{
    const std::int64_t data = HandDataStart("a,b,c", "1", "1", 1);
    OpenFile(OneTablePackage(HandTable("a,b,c", "1", "1", LE32s({data, 0}), LE32s({1, 1, 1}) + "xyz")));
    table.SetLoadBinaryFields(false);
    ASSERT_TRUE(table.Open(db, "t"));
    EXPECT_TRUE(table.Fields()[0].binary);
    EXPECT_FALSE(table.Fields()[1].binary);
    EXPECT_FALSE(table.Fields()[2].binary);
    EXPECT_EQ("", table.ReadText("a"));
    EXPECT_EQ("y", table.ReadText("b"));
    EXPECT_EQ("z", table.ReadText("c"));
}

TEST_F(TableTest, BadRecordCountRaisesAndLeavesTheTableClosed)
{
    OpenFile(OneTablePackage(HandTable("a", "0", " 2x ", "", "")));
    EXPECT_THROW(table.Open(db, "t"), EConvertError);
    EXPECT_TRUE(table.IsClosed());
    EXPECT_EQ(0u, table.Fields().size());
}

TEST_F(TableTest, RecordCountBeyondTheTableKeepsTheEntriesThatFit)
{
    const std::int64_t data = HandDataStart("a", "0", "2000000000", 1);
    const std::string table1 = HandTable("a", "0", "2000000000", LE32s({data, 5}), LE32s({1}) + "q");
    OpenFile(OneTablePackage(table1));
    ASSERT_TRUE(table.Open(db, "t"));
    // 43 bytes follow the index's start up to the table's end: room for 5 entries, not 2 billion.
    EXPECT_EQ(5, table.RecordCount());
    EXPECT_EQ("q", table.ReadText("a"));
    for (table.First(); !table.Eof(); table.Next())
        table.ReadText("a");
}

TEST_F(TableTest, DataOutsideTheTableReadsAsEmpty)
{
    const std::int64_t data = HandDataStart("a,b,c", "000", "4", 4);
    const std::string good = LE32s({2, 2, 2}) + "a1b1c1";
    const std::string longB = LE32s({2, 9999, 2}) + "a2b2c2";
    const std::string negativeA = LE32s({-1, 2, 2}) + "a3b3c3";
    const std::string index = LE32s({data, 0, data + 18, 0, data + 36, 0, 1 << 30, 0});
    OpenFile(OneTablePackage(HandTable("a,b,c", "000", "4", index, good + longB + negativeA)));
    ASSERT_TRUE(table.Open(db, "t"));
    EXPECT_EQ("c1", table.ReadText("c"));

    table.Next();
    EXPECT_EQ("a2", table.ReadText("a")) << "values before the damage are kept";
    EXPECT_EQ("", table.ReadText("b"));
    EXPECT_EQ("", table.ReadText("c")) << "values after a length that runs out of the table are empty";

    table.Next();
    EXPECT_EQ("", table.ReadText("a"));
    EXPECT_EQ("", table.ReadText("c"));

    table.GoTo(0);
    table.GoTo(3);
    EXPECT_EQ(3, table.RecNo()) << "the cursor moves to a record beyond the table";
    EXPECT_EQ("", table.ReadText("a")) << "and reads it as empty, not as the record before";
    EXPECT_EQ(0, table.ReadInt("b"));
}

TEST_F(TableTest, TheDirectorysSizeBoundsTheTable)
{
    const std::int64_t data = HandDataStart("a,b", "01", "1", 1);
    const std::string t = HandTable("a,b", "01", "1", LE32s({data, 0}), LE32s({2, 6}) + "okBINARY");
    // The table's declared size ends in the middle of the large value.
    OpenFile(OneTablePackage(t, static_cast<int>(data + 8 + 2 + 3)));
    table.SetLoadBinaryFields(false);
    ASSERT_TRUE(table.Open(db, "t"));
    EXPECT_EQ("ok", table.ReadText("a"));
    TMemoryStream stream;
    EXPECT_FALSE(table.CopyBinaryToStream("b", stream));
    EXPECT_TRUE(stream.Bytes().empty());
}

TEST_F(TableTest, TruncatedFileReadsWhatIsThere)
{
    const auto bytes = BuildPackage({MediaTable()});
    // Cut the package inside the first record's large value, and give it a trailer again.
    const std::string whole(bytes.begin(), bytes.end());
    const std::string cut = whole.substr(0, whole.find("intro.swf") + 9 + 4 + 80 + 100);
    OpenFile(cut);
    table.SetLoadBinaryFields(true);
    ASSERT_TRUE(table.Open(db, "media"));
    EXPECT_EQ("intro.swf", table.ReadText("name"));
    std::uint8_t first = 0x55;
    EXPECT_EQ(0u, table.ReadRaw("media", &first, 1));
    EXPECT_EQ(0x55, first);
}

TEST_F(TableTest, EntryWithoutStartIsNotFound)
{
    OpenFile("<database><tables>t,u</tables><tablestartpos>" + PaddedList({60}) + "</tablestartpos></database>");
    EXPECT_FALSE(table.Open(db, "u"));
    EXPECT_TRUE(table.IsClosed());
}
