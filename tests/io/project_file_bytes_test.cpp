// The byte layer: little-endian fields, bounded reads, and files that are
// replaced only once their successor is complete.

#include "ProjectFileTestSupport.h"

#include <gtest/gtest.h>

#include <climits>

#include <sys/stat.h>

namespace {

TEST(ProjectFileBytesTest, FieldsAreWrittenLittleEndianWithoutPadding)
{
    ProjectFileWriter file;
    file.WriteInt32(-2);
    file.WriteUInt32(0x01020304u);
    file.WriteDouble(1.5);
    file.WriteFlag(true);
    file.WriteFlag(false);
    file.WriteName(std::string("ab\0cd", 5));
    file.WriteIdList({7, -1});
    const std::string expected("\xFE\xFF\xFF\xFF"
                               "\x04\x03\x02\x01"
                               "\0\0\0\0\0\0\xF8\x3F"
                               "\x01\x00"
                               "\x02\0\0\0ab"
                               "\x02\0\0\0\x07\0\0\0\xFF\xFF\xFF\xFF",
                               36);
    EXPECT_EQ(file.Bytes(), expected);

    ProjectFileReader reader(expected, "x");
    EXPECT_EQ(reader.ReadInt32(), -2);
    EXPECT_EQ(reader.ReadUInt32(), 0x01020304u);
    EXPECT_EQ(reader.ReadDouble(), 1.5);
    EXPECT_TRUE(reader.ReadFlag());
    EXPECT_FALSE(reader.ReadFlag());
    EXPECT_EQ(reader.ReadName(), "ab");
    EXPECT_EQ(reader.ReadIdList(), (std::vector<int>{7, -1}));
    EXPECT_EQ(reader.BytesLeft(), 0u);
    EXPECT_THROW(reader.ReadFlag(), ProjectFileDamaged);
}

TEST(ProjectFileBytesTest, ReadsNeverPassTheEnd)
{
    ProjectFileReader flag(std::string("\x7F", 1), "x");
    EXPECT_TRUE(flag.ReadFlag());

    ProjectFileReader shortDouble(std::string(7, '\0'), "x");
    EXPECT_THROW(shortDouble.ReadDouble(), ProjectFileDamaged);

    // Eight bytes left hold two ids, not three.
    ProjectFileReader counts(LayoutBytes().UInt(3).Int(1).Int(2).bytes, "x");
    EXPECT_THROW(counts.ReadIdList(), ProjectFileDamaged);
    ProjectFileReader records(LayoutBytes().UInt(2).Raw(std::string(43, '\0')).bytes, "x");
    EXPECT_THROW(records.ReadCount(44), ProjectFileDamaged);
    ProjectFileReader allOnes(LayoutBytes().UInt(0xFFFFFFFFu).bytes, "x");
    EXPECT_THROW(allOnes.ReadCount(1), ProjectFileDamaged);

    for (std::int32_t length : {-1, INT_MIN, INT_MAX, 4}) {
        ProjectFileReader name(LayoutBytes().Int(length).Raw("abc").bytes, "x");
        EXPECT_THROW(name.ReadName(), ProjectFileDamaged) << length;
    }
}

class StoreFileTest : public testing::Test {
protected:
    ScratchFolder folder;
    std::string target = folder.Path("project.klx").string();
};

TEST_F(StoreFileTest, ReplacesTheOldFileAndLeavesNothingElse)
{
    WriteWholeFile(target, "old contents");
    ::chmod(target.c_str(), 0640);
    ASSERT_EQ(StoreFileReplacing(target, "new"), FileStoreResult::Stored);
    EXPECT_EQ(ReadWholeFile(target), "new");
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"project.klx"});
    struct stat status {};
    ASSERT_EQ(::stat(target.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
}

TEST_F(StoreFileTest, ASaveThroughALinkReplacesTheLinkedFile)
{
    WriteWholeFile(target, "old");
    const std::filesystem::path link = folder.Path("link.klx");
    std::filesystem::create_symlink(target, link);
    ASSERT_EQ(StoreFileReplacing(link.string(), "new"), FileStoreResult::Stored);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(ReadWholeFile(target), "new");
}

TEST_F(StoreFileTest, FailuresLeaveTheOldStateBehind)
{
    EXPECT_EQ(StoreFileReplacing(folder.Path("missing/project.klx").string(), "new"), FileStoreResult::CannotCreate);
    EXPECT_TRUE(folder.FileNames().empty());

    // A folder in the way cannot be replaced; the temporary file goes again.
    std::filesystem::create_directory(target);
    EXPECT_EQ(StoreFileReplacing(target, "new"), FileStoreResult::CannotWrite);
    EXPECT_EQ(folder.FileNames(), std::vector<std::string>{"project.klx"});
    EXPECT_TRUE(std::filesystem::is_directory(target));
}

TEST_F(StoreFileTest, AFailedSaveIsReportedAndPrintsNothing)
{
    ReportingModel project;
    std::filesystem::create_directory(target);
    EXPECT_FALSE(project.model.WriteProjectFile(target));
    EXPECT_EQ(project.user.BoxTexts(), std::vector<std::string>{"Cannot write the file [" + target + "]."});

    const std::string unreachable = folder.Path("missing/project.klx").string();
    EXPECT_FALSE(project.model.WriteProjectFile(unreachable));
    EXPECT_EQ(project.user.BoxTexts().back(), "Cannot create a KLX project file!");
    EXPECT_TRUE(project.user.lines.empty());
}

TEST_F(StoreFileTest, OnlyRegularFilesAreLoaded)
{
    std::string bytes;
    EXPECT_EQ(LoadWholeFile(folder.Path("missing.klx").string(), bytes), FileLoadResult::CannotOpen);
    EXPECT_EQ(LoadWholeFile(folder.Path("").string(), bytes), FileLoadResult::CannotOpen);
    // A pipe without a writer would block a plain open.
    const std::string fifo = folder.Path("pipe.klx").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(LoadWholeFile(fifo, bytes), FileLoadResult::CannotOpen);
    WriteWholeFile(target, "abc");
    ASSERT_EQ(LoadWholeFile(target, bytes), FileLoadResult::Loaded);
    EXPECT_EQ(bytes, "abc");
}

} // namespace
