// Cutting a skyline profile into blocks of whole columns.

#include <gtest/gtest.h>

#include <vector>

#include "calc/ProfileBlocks.h"

namespace {

SkylineProfile FromHeights(const std::vector<int>& heights) {
    SkylineProfile profile;
    profile.columnTop = {0};
    for (int height : heights) {
        profile.columnTop.push_back(profile.columnTop.back() + height);
        profile.maxColumnHeight = std::max(profile.maxColumnHeight, height);
    }
    profile.profileSize = profile.columnTop.back();
    return profile;
}

// Memory size that leaves `available` words after the per-equation reserve.
std::int64_t MemoryLeaving(const SkylineProfile& profile, std::int64_t available) {
    return kReservedWordsPerEquation * profile.EquationCount() + available;
}

TEST(PartitionProfileBlocks, ProfileBelowTheAvailableWordsStaysInMemory) {
    const SkylineProfile profile = FromHeights({1, 2, 3, 3, 3, 3, 3, 3, 3, 3});
    ProfileBlocks blocks;
    ASSERT_TRUE(PartitionProfileBlocks(MemoryLeaving(profile, 28), profile, blocks));
    EXPECT_EQ(blocks.blockCount, 1);
    EXPECT_EQ(blocks.blockStart, (std::vector<std::int64_t>{1, 28}));
    EXPECT_EQ(blocks.blockFirstEq, (std::vector<std::int64_t>{1, 11}));
    EXPECT_EQ(blocks.coefficientBufferSize, 27);
}

TEST(PartitionProfileBlocks, ProfileOfExactlyTheAvailableWordsIsCut) {
    // Half budget 13: equation 6 (address 15) and 10 (address 27) pass it.
    const SkylineProfile profile = FromHeights({1, 2, 3, 3, 3, 3, 3, 3, 3, 3});
    ProfileBlocks blocks;
    ASSERT_TRUE(PartitionProfileBlocks(MemoryLeaving(profile, 27), profile, blocks));
    EXPECT_EQ(blocks.blockCount, 3);
    EXPECT_EQ(blocks.blockStart, (std::vector<std::int64_t>{1, 13, 25, 28}));
    EXPECT_EQ(blocks.blockFirstEq, (std::vector<std::int64_t>{1, 6, 10, 11}));
    EXPECT_EQ(blocks.firstCoupledBlock, (std::vector<int>{0, 0, 1}));
    EXPECT_EQ(blocks.coefficientBufferSize, 27);
}

TEST(PartitionProfileBlocks, LastBlockMayBeShorterThanTheTallestColumn) {
    const SkylineProfile profile = FromHeights({1, 2, 3, 3, 3, 3, 3, 3, 3, 1});
    ProfileBlocks blocks;
    ASSERT_TRUE(PartitionProfileBlocks(MemoryLeaving(profile, 25), profile, blocks));
    EXPECT_EQ(blocks.blockFirstEq, (std::vector<std::int64_t>{1, 6, 10, 11}));
    EXPECT_EQ(blocks.Length(2), 1);
    EXPECT_EQ(blocks.firstCoupledBlock[2], 2) << "a one-column block of height 1 reaches no other block";
}

TEST(PartitionProfileBlocks, ABlockReachingExactlyTheLastEquationOfAnEarlierOneIsNotCoupledToIt) {
    // Blocks 1-3, 4-5, 6: column 4 reaches row 3, column 6 row 5.
    const SkylineProfile profile = FromHeights({1, 2, 2, 2, 2, 2});
    ProfileBlocks blocks;
    ASSERT_TRUE(PartitionProfileBlocks(MemoryLeaving(profile, 11), profile, blocks));
    EXPECT_EQ(blocks.blockFirstEq, (std::vector<std::int64_t>{1, 4, 6, 7}));
    EXPECT_EQ(blocks.firstCoupledBlock, (std::vector<int>{0, 1, 2}));
}

struct FailureCase {
    const char* name;
    std::vector<int> heights;
    std::int64_t available;
};

const FailureCase kFailures[] = {
    {"NoWordAfterTheReserve", {1, 2, 2}, 0},
    {"ColumnTallerThanHalfTheBudget", {1, 2, 3, 4, 5}, 8},
    {"BlockShorterThanTheTallestColumn", {1, 1, 1, 4, 5}, 10},
    {"MoreThanAThousandBlocks", std::vector<int>(1001, 1), 2},
};

class PartitionFailure : public ::testing::TestWithParam<FailureCase> {};

INSTANTIATE_TEST_SUITE_P(Cases, PartitionFailure, ::testing::ValuesIn(kFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_P(PartitionFailure, ReportsFailureWithNoBlocks) {
    const SkylineProfile profile = FromHeights(GetParam().heights);
    ProfileBlocks blocks;
    EXPECT_FALSE(PartitionProfileBlocks(MemoryLeaving(profile, GetParam().available), profile, blocks));
    EXPECT_EQ(blocks.blockCount, 0);
    EXPECT_TRUE(blocks.blockStart.empty());
}

TEST(PartitionProfileBlocks, AThousandBlocksAreAllowed) {
    const SkylineProfile profile = FromHeights(std::vector<int>(1000, 1));
    ProfileBlocks blocks;
    ASSERT_TRUE(PartitionProfileBlocks(MemoryLeaving(profile, 2), profile, blocks));
    EXPECT_EQ(blocks.blockCount, 1000);
}

TEST(PartitionProfileBlocks, TheBudgetIsCappedForLargeMemorySizes) {
    const SkylineProfile profile = FromHeights(std::vector<int>(10, 1));
    SkylineProfile large = profile;
    large.profileSize = 2 * kMaxBlockBudgetWords;  // only the size matters for the budget
    ProfileBlocks blocks;
    ASSERT_TRUE(PartitionProfileBlocks(MemoryLeaving(profile, 2 * kMaxBlockBudgetWords), large, blocks));
    EXPECT_EQ(blocks.coefficientBufferSize, kMaxBlockBudgetWords);
}

}  // namespace
