// Scratch blocks of the out-of-core factorisation.

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "calc/SolverBlockStore.h"

namespace {

TEST(SolverBlockStore, BlockNamesStayDistinctPastBlock899) {
    EXPECT_EQ(SolverBlockStore::BlockFileName(1), "FORT.101");
    EXPECT_EQ(SolverBlockStore::BlockFileName(899), "FORT.999");
    EXPECT_EQ(SolverBlockStore::BlockFileName(900), "FORT.1000");
    EXPECT_EQ(SolverBlockStore::BlockFileName(1000), "FORT.1100");
}

TEST(SolverBlockStore, BlocksLiveInAPrivateTemporaryFolder) {
    SolverBlockStore store;
    ASSERT_TRUE(store.Create());
    const std::filesystem::path folder = store.Folder();
    EXPECT_EQ(folder.parent_path(), std::filesystem::temp_directory_path());
    EXPECT_NE(folder, std::filesystem::current_path());

    SolverBlockStore other;
    ASSERT_TRUE(other.Create());
    EXPECT_NE(other.Folder(), folder) << "two stores never share a folder";

    const std::vector<double> data = {1.5, -2.25, 3e300};
    ASSERT_TRUE(store.WriteScratchBlock(1, data));
    EXPECT_TRUE(std::filesystem::exists(folder / "FORT.101"));
    std::vector<double> back(3);
    ASSERT_TRUE(store.ReadScratchBlock(1, back));
    EXPECT_EQ(back, data);

    store.Remove();
    EXPECT_FALSE(std::filesystem::exists(folder));
    EXPECT_FALSE(store.IsCreated());
}

TEST(SolverBlockStore, ARewrittenBlockHoldsOnlyTheNewRecord) {
    SolverBlockStore store;
    ASSERT_TRUE(store.Create());
    ASSERT_TRUE(store.WriteScratchBlock(2, std::vector<double>(100, 7.0)));
    ASSERT_TRUE(store.WriteScratchBlock(2, std::vector<double>{4.0, 5.0}));
    std::vector<double> back(2);
    ASSERT_TRUE(store.ReadScratchBlock(2, back));
    EXPECT_EQ(back, (std::vector<double>{4.0, 5.0}));
    std::vector<double> longer(100);
    EXPECT_FALSE(store.ReadScratchBlock(2, longer)) << "a record of another length is not read";
}

TEST(SolverBlockStore, FailuresAreReported) {
    SolverBlockStore store;
    std::vector<double> data(4, 1.0);
    EXPECT_FALSE(store.WriteScratchBlock(1, data)) << "no folder yet";
    ASSERT_TRUE(store.Create());
    EXPECT_FALSE(store.ReadScratchBlock(3, data)) << "block never written";
    EXPECT_FALSE(store.WriteScratchBlock(0, data));
    std::filesystem::remove_all(store.Folder());
    EXPECT_FALSE(store.WriteScratchBlock(1, data)) << "folder gone";

    SolverBlockStore nowhere(std::filesystem::temp_directory_path() / "klx-no-such-folder" / "deeper");
    EXPECT_FALSE(nowhere.Create());
}

TEST(SolverBlockStore, DestructionAndRecreationRemoveTheFolder) {
    std::filesystem::path first;
    {
        SolverBlockStore store;
        ASSERT_TRUE(store.Create());
        first = store.Folder();
        ASSERT_TRUE(store.WriteScratchBlock(1, std::vector<double>{1.0}));
        ASSERT_TRUE(store.Create());
        EXPECT_FALSE(std::filesystem::exists(first));
        first = store.Folder();
    }
    EXPECT_FALSE(std::filesystem::exists(first));
}

}  // namespace
