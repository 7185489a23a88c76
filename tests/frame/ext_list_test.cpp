// The report list's plain model: columns, rows placed by the callback, and
// the refusals of rows it cannot place.

#include "frame/ExtListCtrl.h"

#include <gtest/gtest.h>

namespace {

std::vector<std::uint32_t> ItemDataInOrder(const CExtListCtrl& list)
{
    std::vector<std::uint32_t> data;
    for (const ExtListRow& row : list.Rows())
        data.push_back(row.itemData);
    return data;
}

CExtListCtrl TwoColumnList(CExtListCtrl::RowOfItem rowOfItem)
{
    CExtListCtrl list;
    list.ResetList(std::move(rowOfItem));
    list.AddColumn("Name", 80, 0);
    list.AddColumn("E", 60, 1);
    return list;
}

}  // namespace

TEST(ExtList, ResetListOnAFilledListLeavesNoRowsAndNoColumns)
{
    CExtListCtrl list = TwoColumnList([](std::uint32_t) { return 0; });
    ASSERT_TRUE(list.AddRow(1, {"Steel", "205000"}));
    list.ResetList([](std::uint32_t) { return 0; });
    EXPECT_TRUE(list.Rows().empty());
    EXPECT_TRUE(list.Columns().empty());
}

TEST(ExtList, TheCallbackPlacesEachRow)
{
    const struct {
        const char* name;
        std::vector<int> positions;  // what the callback answers, in the order of adding
        std::vector<std::uint32_t> expected;
    } cases[] = {
        {"always the top: reverse order", {0, 0, 0}, {3, 2, 1}},
        {"each at the end: order of adding", {0, 1, 2}, {1, 2, 3}},
        {"past the end appends", {5, 9, 9}, {1, 2, 3}},
        {"below zero inserts at the top", {0, -1, -7}, {3, 2, 1}},
        {"into the middle", {0, 1, 1}, {1, 3, 2}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        size_t call = 0;
        CExtListCtrl list = TwoColumnList([&](std::uint32_t) { return c.positions[call++]; });
        for (std::uint32_t data : {1u, 2u, 3u})
            EXPECT_TRUE(list.AddRow(data, {"m" + std::to_string(data), "1"}));
        EXPECT_EQ(ItemDataInOrder(list), c.expected);
    }
}

TEST(ExtList, RowsWithTooFewTextsOrBeforeTheFirstResetAreRefused)
{
    CExtListCtrl unreset;
    EXPECT_FALSE(unreset.AddRow(1, {"a"}));
    EXPECT_TRUE(unreset.Rows().empty());

    CExtListCtrl list = TwoColumnList([](std::uint32_t) { return 0; });
    EXPECT_FALSE(list.AddRow(1, {"only one"}));
    EXPECT_FALSE(list.AddRow(2, {}));
    EXPECT_TRUE(list.Rows().empty());
    // Extra texts beyond the columns are not kept.
    EXPECT_TRUE(list.AddRow(3, {"a", "b", "c"}));
    EXPECT_EQ(list.Rows()[0].texts, (std::vector<std::string>{"a", "b"}));
}
