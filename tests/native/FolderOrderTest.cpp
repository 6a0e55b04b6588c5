// The order of a folder's items: by name, letter case aside, or by the date the photos were taken,
// and that date read from EXIF data.
#include "../../tools/scrpack/DateTaken.h"
#include "../../tools/scrpack/FolderShow.h"
#include "../support/ExifBytes.h"

#include <gtest/gtest.h>

namespace {

struct OrderCase {
    FolderOrder order;
    const char* expected;  // names joined by spaces
};

class FolderOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(FolderOrderTest, SortsTheEntries)
{
    std::vector<FolderEntry> entries = {{"b.jpg", "2024:07:14 18:03:22"},
                                        {"A.jpg", ""},
                                        {"c.heic", "2023:01:02 08:00:00"},
                                        {"a2.jpg", "2024:07:14 09:10:11"}};
    SortFolderEntries(entries, GetParam().order);
    std::string names;
    for (const FolderEntry& entry : entries)
        names += (names.empty() ? "" : " ") + entry.name;
    EXPECT_EQ(GetParam().expected, names);
}

INSTANTIATE_TEST_SUITE_P(Folder, FolderOrderTest,
                         ::testing::Values(OrderCase{FolderOrder::Name, "A.jpg a2.jpg b.jpg c.heic"},
                                           OrderCase{FolderOrder::Taken, "c.heic a2.jpg b.jpg A.jpg"}));

}  // namespace

namespace {

// A TIFF structure with one IFD of the entries, and the texts they point at after it.
std::vector<std::uint8_t> TiffWithDates(const std::vector<std::pair<std::uint16_t, const char*>>& dates)
{
    const std::uint32_t textsAt = 8 + 2 + 12 * static_cast<std::uint32_t>(dates.size()) + 4;
    std::vector<IfdEntry> entries;
    for (std::size_t i = 0; i < dates.size(); ++i)
        entries.push_back({dates[i].first, 2, 20, textsAt + 20 * static_cast<std::uint32_t>(i)});
    std::vector<std::uint8_t> tiff = TiffBytes(false, entries);
    for (const auto& date : dates)
        tiff.insert(tiff.end(), date.second, date.second + 20);
    return tiff;
}

TEST(DateTaken, ReadsTheDateAndIgnoresBlankOrCutDates)
{
    const std::vector<std::uint8_t> dated = TiffWithDates({{0x0132, "2024:07:14 18:03:22"}});
    EXPECT_EQ("2024:07:14 18:03:22", ExifDateTaken(dated.data(), dated.size()));
    EXPECT_EQ("", ExifDateTaken(dated.data(), dated.size() - 10)) << "cut short";
    const std::vector<std::uint8_t> blank = TiffWithDates({{0x0132, "    :  :     :  :  "}});
    EXPECT_EQ("", ExifDateTaken(blank.data(), blank.size()));
}

}  // namespace
