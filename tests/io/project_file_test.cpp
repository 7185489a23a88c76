// Saving and opening whole projects: the layout, the round trip, the older
// versions and what the reader does with what a sound file may hold.

#include "ProjectFileTestSupport.h"

#include <gtest/gtest.h>

namespace {

class ProjectFileTest : public testing::Test {
protected:
    ScratchFolder folder;
    ReportingModel saved;
    ReportingModel opened;

    std::string Save(const std::string& name = "project.klx")
    {
        const std::string path = folder.Path(name).string();
        EXPECT_TRUE(saved.model.WriteProjectFile(path));
        return path;
    }
};

TEST_F(ProjectFileTest, NewProjectIsWrittenAsTheLayoutGives)
{
    LayoutBytes expected = NewProjectHeader();
    ASSERT_EQ(expected.bytes.size(), 76u);
    for (int emptyCollection = 0; emptyCollection < 5; ++emptyCollection)
        expected.UInt(0);
    expected.UInt(1);
    AppendNewGcsRecord(expected);
    expected.UInt(0);
    ASSERT_EQ(expected.bytes.size(), 199u);
    // The builder's own encoding, pinned: 20051227 and the grid size 100.0.
    EXPECT_EQ(expected.bytes.substr(0, 4), std::string("\x1B\xF5\x31\x01", 4));
    EXPECT_EQ(expected.bytes.substr(16, 8), std::string("\0\0\0\0\0\0\x59\x40", 8));

    EXPECT_EQ(ReadWholeFile(Save()), expected.bytes);
}

TEST_F(ProjectFileTest, EveryStoredFieldSurvivesTheRoundTrip)
{
    BuildRichModel(saved.model);
    // Not stored: a mesh, the current UCS, scratch fields.
    saved.model.m_feNodes[1] = std::make_unique<T_FENODE_D>();
    saved.model.m_currentUcsId = 3;
    saved.model.m_points[1]->work = 5;
    saved.model.m_sections[1]->workMark = 1;
    saved.model.m_sections[1]->domains[1]->workFlag = true;
    saved.model.m_sections[1]->facets[1]->highlight = 1;
    saved.model.m_sections[1]->curves[2]->tracingState = TRACE_BOTH_WAYS;
    saved.model.m_sections[1]->curves[2]->twoSided = true;
    saved.model.m_sections[1]->curves[2]->meshNodeWork = {1, 2};
    saved.model.m_materials[1]->spare = 4;
    saved.model.m_closedLoops[1]->kind = 2;

    const std::string path = Save();
    ASSERT_TRUE(opened.model.ReadProjectFile(path, true));

    CSectModel expected;
    BuildRichModel(expected);
    ExpectSameStoredContent(expected, opened.model);
    EXPECT_TRUE(opened.model.m_feNodes.empty());
    EXPECT_EQ(opened.model.m_nextFeNodeId, 1);
    EXPECT_EQ(opened.model.m_currentUcsId, 0);
    EXPECT_EQ(opened.model.m_materials[5]->name.size(), 1500u);
    EXPECT_TRUE(opened.user.boxes.empty());
}

TEST_F(ProjectFileTest, WritingTwiceGivesIdenticalBytes)
{
    BuildRichModel(saved.model);
    const std::string first = ReadWholeFile(Save("first.klx"));
    const std::string second = ReadWholeFile(Save("second.klx"));
    EXPECT_EQ(first, second);

    ASSERT_TRUE(opened.model.ReadProjectFile(folder.Path("first.klx").string(), false));
    ASSERT_TRUE(opened.model.WriteProjectFile(folder.Path("third.klx").string()));
    EXPECT_EQ(first, ReadWholeFile(folder.Path("third.klx")));
}

TEST_F(ProjectFileTest, SaveAndOpenPrintTheirLinesWithTheFullPath)
{
    BuildRichModel(saved.model);
    const std::string path = Save();
    EXPECT_EQ(saved.user.lines,
              (std::vector<std::string>{"KLX project is saved in [" + path + "].", "- Section [2], Curve [6], Point [9]"}));

    ASSERT_TRUE(opened.model.ReadProjectFile(path, true));
    EXPECT_EQ(opened.user.lines, (std::vector<std::string>{"KLX project is retrieved from [" + path + "].",
                                                           "- Section [2], Curve [6], Point [9]"}));

    ReportingModel quiet;
    ASSERT_TRUE(quiet.model.ReadProjectFile(path, false));
    EXPECT_TRUE(quiet.user.lines.empty());
}

TEST_F(ProjectFileTest, GroupsLoseDeadMembersInTheFileAndOnOpen)
{
    BuildRichModel(saved.model);
    saved.model.m_groups[1]->curveIds = {6, 42, 5};
    saved.model.m_groups[1]->sectionIds = {2, 17, 1};
    const std::string path = Save();
    // The open model keeps them, for undo to bring their objects back.
    EXPECT_EQ(saved.model.m_groups[1]->curveIds, (std::vector<int>{6, 42, 5}));
    EXPECT_EQ(saved.model.m_groups[1]->sectionIds, (std::vector<int>{2, 17, 1}));
    ASSERT_TRUE(opened.model.ReadProjectFile(path, false));
    EXPECT_EQ(opened.model.m_groups[1]->curveIds, (std::vector<int>{6, 5}));
    EXPECT_EQ(opened.model.m_groups[1]->sectionIds, (std::vector<int>{2, 1}));

    // A file whose groups name what it does not hold, as an older writer left it.
    LayoutBytes file = NewProjectHeader();
    file.UInt(0).UInt(0).UInt(0);
    file.UInt(1).Int(4).Double(1.0).Double(2.0).Double(0).Double(0).Double(0);
    file.UInt(0).UInt(1);
    AppendNewGcsRecord(file);
    file.UInt(1).Int(1).Name("g").IdList({3}).IdList({8}).IdList({9, 4, 9});
    ASSERT_TRUE(ReadFromBytes(opened.model, file.bytes));
    const T_GROUP_D* group = opened.model.FindGroup(1);
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(group->sectionIds.empty());
    EXPECT_TRUE(group->curveIds.empty());
    EXPECT_EQ(group->pointIds, (std::vector<int>{4}));
}

TEST_F(ProjectFileTest, DuplicateIdKeepsTheRecordReadFirst)
{
    LayoutBytes file = NewProjectHeader();
    file.UInt(0).UInt(0).UInt(0);
    file.UInt(2);
    file.Int(3).Double(1.0).Double(1.0).Double(0).Double(0).Double(0);
    file.Int(3).Double(9.0).Double(9.0).Double(0).Double(0).Double(0);
    file.UInt(2).Int(1).Name("first").Double(1.0).Double(0.1).Int(1).Name("second").Double(2.0).Double(0.2);
    file.UInt(1);
    AppendNewGcsRecord(file);
    file.UInt(0);

    ASSERT_TRUE(ReadFromBytes(opened.model, file.bytes));
    ASSERT_EQ(opened.model.m_points.size(), 1u);
    EXPECT_EQ(opened.model.FindPoint(3)->xy[0], 1.0);
    ASSERT_EQ(opened.model.m_materials.size(), 1u);
    EXPECT_EQ(opened.model.FindMaterial(1)->name, "first");
}

TEST_F(ProjectFileTest, TheFilesGcsReplacesTheConstructorsAndIsRestoredWhenMissing)
{
    LayoutBytes withGcs = NewProjectHeader();
    withGcs.UInt(0).UInt(0).UInt(0).UInt(0).UInt(0).UInt(1);
    withGcs.Int(0).Name("World").Int(0);
    for (int i = 0; i < 10; ++i)
        withGcs.Double(i + 0.5);
    withGcs.UInt(0);
    ASSERT_TRUE(ReadFromBytes(opened.model, withGcs.bytes));
    ASSERT_EQ(opened.model.m_ucs.size(), 1u);
    EXPECT_EQ(opened.model.FindUcs(0)->name, "World");
    EXPECT_EQ(opened.model.FindUcs(0)->angle, 9.5);
    EXPECT_EQ(opened.model.FindUcs(0)->axisPoint2[1], 6.5);

    LayoutBytes withoutGcs = NewProjectHeader();
    withoutGcs.UInt(0).UInt(0).UInt(0).UInt(0).UInt(0).UInt(1);
    withoutGcs.Int(2).Name("UCS-2").Int(0);
    for (int i = 0; i < 10; ++i)
        withoutGcs.Double(1.0);
    withoutGcs.UInt(0);
    ReportingModel other;
    ASSERT_TRUE(ReadFromBytes(other.model, withoutGcs.bytes));
    ASSERT_EQ(other.model.m_ucs.size(), 2u);
    EXPECT_EQ(other.model.FindUcs(0)->name, "GCS");
    EXPECT_EQ(other.model.FindUcs(0)->angle, 0.0);
    EXPECT_EQ(other.model.FindUcs(2)->name, "UCS-2");
    EXPECT_EQ(other.model.m_nextUcsId, 3);
}

TEST_F(ProjectFileTest, EmptyNamesAndEmptySectionsWriteOnlyTheirCounts)
{
    auto section = std::make_unique<T_SECTION_D>();
    section->id = 1;
    saved.model.m_sections[1] = std::move(section);
    ProjectFileWriter file;
    saved.model.WriteSectionRecord(file, saved.model.FindSection(1));
    // Fields 1 to 28 with an empty name, five empty collections, an empty list.
    ASSERT_EQ(file.Bytes().size(), 203u + 6 * 4);
    EXPECT_EQ(file.Bytes().substr(8, 4), std::string(4, '\0'));
    EXPECT_EQ(file.Bytes().substr(203), std::string(24, '\0'));

    ASSERT_TRUE(opened.model.ReadProjectFile(Save(), false));
    EXPECT_EQ(opened.model.FindSection(1)->name, "");
}

TEST_F(ProjectFileTest, CountersLaggingBehindTheIdsAreRaisedOnRead)
{
    BuildRichModel(saved.model);
    saved.model.m_nextMaterialId = 1;
    saved.model.m_nextPointId = 2;
    saved.model.m_nextGroupId = 1;
    saved.model.m_nextUcsId = 1;
    saved.model.m_sections[1]->nextFacetId = 1;
    saved.model.m_sections[1]->nextDomainId = 2;
    ASSERT_TRUE(opened.model.ReadProjectFile(Save(), false));
    EXPECT_EQ(opened.model.m_nextMaterialId, 6);
    EXPECT_EQ(opened.model.m_nextPointId, 10);
    EXPECT_EQ(opened.model.m_nextGroupId, 3);
    EXPECT_EQ(opened.model.m_nextUcsId, 4);
    EXPECT_EQ(opened.model.FindSection(1)->nextFacetId, 3);
    EXPECT_EQ(opened.model.FindSection(1)->nextDomainId, 3);
    // Counters ahead of the ids stay where they are.
    EXPECT_EQ(opened.model.m_nextCurveId, 7);
    EXPECT_EQ(opened.model.FindSection(1)->nextLoopId, 3);
}

// One plane section with a domain, loop, curve, facet and point, a closed loop,
// two curves, three points, a material, the GCS and a group, in the given
// version's layout.
std::string OlderProjectFile(std::int32_t version)
{
    const bool shearAreas = version >= 20041201;
    LayoutBytes file;
    file.Int(version).Int(12).Int(20).Int(30).Double(5.0).Int(2).Int(4);
    for (int next : {2, 2, 3, 4, 2, 1, 2})
        file.Int(next);
    file.Double(0.5);
    if (version == 20051227)
        file.Double(15.0);

    file.UInt(1);
    file.Int(1).Int(1).Name("Old").Int(1).Int(10).Int(20).Int(30);
    for (int i = 0; i < 6; ++i)
        file.Double(0.25 * i);
    file.Flag(true).Double(3.0).Flag(true).Flag(false).Int(3).Int(1);
    file.Double(100.0);  // A
    if (shearAreas)
        file.Double(80.0).Double(70.0);
    for (double value : {1e4, 2e4, 3.0, 4e4, 5.0, 6.0, 7.0, 8.0})
        file.Double(value);
    for (int next : {2, 2, 2, 2, 3})
        file.Int(next);
    file.UInt(1).Int(1).Flag(true).Int(1).IdList({1});
    file.UInt(1).Int(1).Int(1).IdList({1});
    file.UInt(1).Int(1).Int(0).Int(4).IdList({1, 2, 1}).IdList({});
    file.UInt(1).Int(1).Int(1).Int(1).Int(2).Int(2);
    file.UInt(2);
    file.Int(1).Double(0.0).Double(0.0).Double(0).Double(0).Double(0);
    file.Int(2).Double(1.0).Double(0.0).Double(0).Double(0).Double(0);
    file.IdList({1, 2});

    file.UInt(1).Int(1).IdList({1, -2});
    file.UInt(2);
    file.Int(1).Int(1).Double(0.0).Int(1).IdList({1}).IdList({1, 2});
    file.Int(2).Int(3).Double(2.5).Int(1).IdList({1}).IdList({2, 1});
    file.UInt(3);
    file.Int(1).Double(0.0).Double(0.0).Double(0).Double(0).Double(0);
    file.Int(2).Double(4.0).Double(0.0).Double(0).Double(0).Double(0);
    file.Int(3).Double(2.0).Double(0.1).Double(0).Double(0).Double(0);
    file.UInt(1).Int(1).Name("Concrete").Double(3e3).Double(0.2);
    file.UInt(1);
    AppendNewGcsRecord(file);
    file.UInt(1).Int(1).Name("Old group").IdList({1}).IdList({1, 2}).IdList({3});
    return file.bytes;
}

TEST_F(ProjectFileTest, OlderVersionsAreReadAndRewrittenInTheNewestLayout)
{
    const std::int32_t versions[] = {20010901, 20021123, 20041201, 20051227};
    std::string newest;
    for (std::int32_t version : versions) {
        SCOPED_TRACE(version);
        ReportingModel old;
        ASSERT_TRUE(ReadFromBytes(old.model, OlderProjectFile(version)));
        EXPECT_EQ(old.model.m_versionWord, version);
        EXPECT_EQ(old.model.m_angleStep, version == 20051227 ? 15.0 : 10.0);
        EXPECT_EQ(old.model.m_headerValue, 12);
        EXPECT_EQ(old.model.m_gridCountY, 30);
        EXPECT_EQ(old.model.m_tolerance, 0.5);
        const T_SECTION_D* section = old.model.FindSection(1);
        ASSERT_NE(section, nullptr);
        EXPECT_EQ(section->results[RESULT_A], 100.0);
        EXPECT_EQ(section->results[RESULT_ASX], version >= 20041201 ? 80.0 : 0.0);
        EXPECT_EQ(section->results[RESULT_ASY], version >= 20041201 ? 70.0 : 0.0);
        EXPECT_EQ(section->results[RESULT_IXX], 1e4);
        EXPECT_EQ(section->results[RESULT_CY_MINUS], 8.0);
        EXPECT_EQ(section->nextPointId, 3);
        EXPECT_EQ(section->FindCurve(1)->pointIds, (std::vector<int>{1, 2, 1}));
        EXPECT_EQ(old.model.FindClosedLoop(1)->curveIds, (std::vector<int>{1, -2}));
        EXPECT_EQ(old.model.FindMaterial(1)->name, "Concrete");
        EXPECT_EQ(old.model.FindGroup(1)->pointIds, (std::vector<int>{3}));

        const std::string path = folder.Path("rewritten.klx").string();
        ASSERT_TRUE(old.model.WriteProjectFile(path));
        const std::string rewritten = ReadWholeFile(path);
        EXPECT_EQ(rewritten.substr(0, 4), std::string("\x1B\xF5\x31\x01", 4));
        const std::size_t missingBytes = (version < 20051227 ? 8 : 0) + (version < 20041201 ? 16 : 0);
        EXPECT_EQ(rewritten.size(), OlderProjectFile(version).size() + missingBytes);
        if (version == 20051227)
            newest = rewritten;

        ReportingModel again;
        ASSERT_TRUE(ReadFromBytes(again.model, rewritten));
        ExpectSameStoredContent(old.model, again.model);
    }
    EXPECT_EQ(newest, OlderProjectFile(20051227));
}

TEST_F(ProjectFileTest, UnknownVersionWordIsRefusedAndChangesNothing)
{
    const std::int32_t versions[] = {20051228, 20010900, 20030101, 0, -1, 20051227 - 1};
    for (std::int32_t version : versions) {
        SCOPED_TRACE(version);
        ReportingModel reader;
        LayoutBytes file = NewProjectHeader();
        file.bytes.replace(0, 4, LayoutBytes().Int(version).bytes);
        file.UInt(0).UInt(0).UInt(0).UInt(0).UInt(0).UInt(1);
        AppendNewGcsRecord(file).UInt(0);
        EXPECT_FALSE(ReadFromBytes(reader.model, file.bytes, true));
        EXPECT_EQ(reader.user.BoxTexts(),
                  std::vector<std::string>{"Cannot read the TARVO/KLX project file.\n\n(Unknown file format)"});
        EXPECT_TRUE(reader.user.lines.empty());
        ExpectNewModel(reader.model);
    }
}

TEST_F(ProjectFileTest, AFileThatCannotBeOpenedIsReported)
{
    EXPECT_FALSE(opened.model.ReadProjectFile(folder.Path("missing.klx").string(), true));
    EXPECT_EQ(opened.user.BoxTexts(),
              std::vector<std::string>{"Cannot open the file [" + folder.Path("missing.klx").string() + "]."});
    ExpectNewModel(opened.model);
}

} // namespace
