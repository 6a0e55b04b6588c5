// The order of a folder's items: by name, letter case aside, or by the date the photos were taken.
#include "../../tools/scrpack/FolderShow.h"

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
