// File > Import > KLX Project over the fake frame hooks, with project files
// written by our own writer.

#include "frame/TarvokrtDoc.h"

#include "io/ProjectFileRead.h"
#include "saved_project.h"
#include "support/ScriptedUserPorts.h"
#include "support/SectionCentre.h"
#include "view/support/RecordingDocumentFrame.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <map>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct ChoosingPrompts : IDocumentPrompts {
    SaveAnswer AskSaveChanges(const std::string&) override { return SaveAnswer::Cancel; }
    std::string AskSavePath(const std::string&) override { return {}; }
    std::string AskSaveFile(const std::string&, const std::string&, const std::string&, const std::string&) override
    {
        return {};
    }
    std::vector<std::string> AskOpenFiles(const std::string& title, const std::string& filter) override
    {
        asked.push_back(title + "|" + filter);
        return chosen;
    }
    std::vector<std::string> chosen;
    std::vector<std::string> asked;
};

class ProjectImportCommand : public testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path()
                 / ("klx-import-" + std::to_string(::getpid()) + "-"
                    + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        beam = SaveTwoSectionProject(folder / "Beam-1.klx");
        document.NewProject();
        user.ClearRecords();
        frame.calls.clear();
    }
    void TearDown() override { fs::remove_all(folder); }

    CSectModel& Model() { return *document.GetModel(); }

    std::vector<std::string> GroupNames()
    {
        std::vector<std::string> names;
        for (const auto& [id, group] : Model().m_groups)
            names.push_back(group->name);
        return names;
    }

    // A file the reader refuses for its version word.
    std::string UnknownVersionFile(const std::string& name)
    {
        const std::string path = (folder / name).string();
        std::ofstream(path, std::ios::binary) << std::string("\x01\x02\x03\x04", 4) << std::string(100, '\0');
        return path;
    }

    fs::path folder;
    std::string beam;
    ScriptedUserPorts user;
    RecordingDocumentFrame frame;
    ChoosingPrompts prompts;
    CTarvokrtDoc document{user.Ports(), &frame, &prompts};
};

TEST_F(ProjectImportCommand, ABeamFileArrivesNamedAfterItselfAndBecomesTheNewcomers)
{
    document.ImportProjects({beam});

    EXPECT_EQ(user.lines, (std::vector<std::string>{
                              "Import KLX project",
                              "(1) Imported KLX project [BEAM-1]: Section [2], Curve [8], Point [8]",
                              "- Integrated KLX project: Section [2], Curve [8], Point [8]",
                          }));
    EXPECT_TRUE(user.boxes.empty());
    ASSERT_EQ(Model().m_materials.size(), 1u);
    EXPECT_EQ(Model().m_materials.begin()->second->name, "BEAM-1-Steel");
    ASSERT_EQ(Model().m_ucs.size(), 2u);
    EXPECT_EQ(Model().m_ucs.rbegin()->second->name, "BEAM-1-U1");
    std::vector<std::string> sectionNames;
    for (const auto& [id, section] : Model().m_sections)
        sectionNames.push_back(section->name);
    EXPECT_EQ(sectionNames, (std::vector<std::string>{"Left", "Right"}));
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"KLX:BEAM-1"}));
    const T_GROUP_D& group = *Model().m_groups.begin()->second;
    EXPECT_EQ(group.sectionIds.size(), 2u);
    EXPECT_EQ(group.curveIds.size(), 8u);
    EXPECT_EQ(group.pointIds.size(), 8u);

    std::vector<int> ids;
    Model().GetNewcomerSections(ids);
    EXPECT_EQ(ids, (std::vector<int>{1, 2}));
    Model().GetNewcomerCurves(ids);
    EXPECT_EQ(ids, group.curveIds);
    Model().GetNewcomerPoints(ids);
    EXPECT_EQ(ids, group.pointIds);
    Model().GetNewcomerClosedLoops(ids);
    EXPECT_TRUE(ids.empty());

    EXPECT_EQ(frame.calls, (std::vector<std::string>{"RedrawViews", "RebuildViews", "ZoomFitViews", "RepaintMainWindow"}));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(Model().GetCurrentUndoAction()->title, "Import KLX project");
}

TEST_F(ProjectImportCommand, ARejectedFileGetsTheReadersBoxAndOursAndTheNextIsNumberedOne)
{
    const std::string rejected = UnknownVersionFile("old.klx");
    document.ImportProjects({rejected, beam});
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{
                                   "Cannot read the TARVO/KLX project file.\n\n(Unknown file format)",
                                   "Cannot recognize the file format of " + FullFilePath(rejected),
                               }));
    ASSERT_GE(user.lines.size(), 2u);
    EXPECT_EQ(user.lines[1], "(1) Imported KLX project [BEAM-1]: Section [2], Curve [8], Point [8]");
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"KLX:BEAM-1"}));
}

TEST_F(ProjectImportCommand, AFileThatCannotBeOpenedGetsOnlyTheReadersBox)
{
    const std::string missing = (folder / "missing.klx").string();
    document.ImportProjects({missing, beam});
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Cannot open the file [" + FullFilePath(missing) + "]."}));
    EXPECT_EQ(Model().m_sections.size(), 2u);
}

TEST_F(ProjectImportCommand, WhenEveryFileIsRejectedAnEmptyActionAndTheIntegratedLineRemain)
{
    const double xy[2] = {7.0, 7.0};
    ASSERT_TRUE(Model().CreatePointByCoordinate(xy));
    document.SetModifiedFlag(false);
    user.ClearRecords();

    document.ImportProjects({UnknownVersionFile("a.klx"), UnknownVersionFile("b.klx")});
    EXPECT_EQ(user.boxes.size(), 4u);
    EXPECT_EQ(user.lines, (std::vector<std::string>{
                              "Import KLX project",
                              "- Integrated KLX project: Section [0], Curve [0], Point [1]",
                          }));
    EXPECT_TRUE(Model().m_groups.empty());
    std::vector<int> newcomers;
    Model().GetNewcomerPoints(newcomers);
    EXPECT_EQ(newcomers, (std::vector<int>{1}));
    const T_ACTION_D* action = Model().GetCurrentUndoAction();
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->title, "Import KLX project");
    EXPECT_TRUE(action->points.created.empty());
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(frame.calls.empty());
}

TEST_F(ProjectImportCommand, OneUndoRemovesBothFilesAndTheirGroups)
{
    const std::string points = SaveProjectWithPoints(folder / "points.klx", {{500, 500}, {600, 500}});
    document.ImportProjects({beam, points});
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"KLX:BEAM-1", "KLX:POINTS"}));
    EXPECT_EQ(Model().m_points.size(), 10u);

    document.OnEditUndo();
    EXPECT_EQ(user.LastLine(), "Undo: Import KLX project");
    EXPECT_TRUE(Model().m_sections.empty());
    EXPECT_TRUE(Model().m_curves.empty());
    EXPECT_TRUE(Model().m_points.empty());
    EXPECT_TRUE(Model().m_materials.empty());
    EXPECT_EQ(Model().m_ucs.size(), 1u);
    EXPECT_TRUE(Model().m_groups.empty());
}

TEST_F(ProjectImportCommand, AFileThatWouldPassTheSectionLimitIsSkippedWithTheWarningAlone)
{
    Model().m_nextSectionId = IdUpperBound(IdKind::Section) - 1;
    const std::string points = SaveProjectWithPoints(folder / "points.klx", {{500, 500}});
    document.ImportProjects({beam, points});
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Warning);
    EXPECT_TRUE(Model().m_sections.empty());
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"KLX:POINTS"}));
    EXPECT_EQ(user.lines[1], "(1) Imported KLX project [POINTS]: Section [0], Curve [0], Point [1]");
}

// The open project's own 100 x 50 rectangle section at (1000, 1000), then
// the two of the beam file: three active sections after the import.
class ProjectImportArrangement : public ProjectImportCommand {
protected:
    void SetUp() override
    {
        ProjectImportCommand::SetUp();
        const double corner1[2] = {1000.0, 1000.0};
        const double corner2[2] = {1100.0, 1050.0};
        ASSERT_TRUE(Model().CreateRectangle(corner1, corner2, ALIGN_CENTER, 0.0));
        const int colour[3] = {0, 0, 0};
        ASSERT_EQ(Model().GenerateSection("Own", SECTION_PLANE, {1, 2, 3, 4}, false, 0.0, colour, nullptr, false, 0.0),
                  1);
        ownPoints = PointPositions();
        undoTop = Model().m_undoTopId;
        frame.activeSectionIds = {1, 2, 3};
        user.ClearRecords();
    }

    std::map<int, std::array<double, 2>> PointPositions()
    {
        std::map<int, std::array<double, 2>> positions;
        for (const auto& [id, point] : Model().m_points)
            positions[id] = {point->xy[0], point->xy[1]};
        return positions;
    }

    std::array<double, 2> SectionCentre(int sectionId) { return SectionCurveCentre(Model(), sectionId); }

    std::map<int, std::array<double, 2>> ownPoints;
    int undoTop = 0;
};

TEST_F(ProjectImportArrangement, NoKeepsTheLayoutAsImported)
{
    user.QueueAnswers({false});
    document.ImportProjects({beam});

    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, "Arrange the 3 sections?");
    EXPECT_TRUE(user.questions[0].yesIsDefault);
    const T_ACTION_D& action = *Model().GetCurrentUndoAction();
    EXPECT_TRUE(action.points.saved.empty());
    EXPECT_TRUE(action.sections.saved.empty());
    EXPECT_EQ(SectionCentre(1)[0], 1050.0);
    EXPECT_EQ(SectionCentre(2)[0], 50.0);
    EXPECT_EQ(user.LastLine(), "- Integrated KLX project: Section [3], Curve [12], Point [12]");
}

TEST_F(ProjectImportArrangement, YesArrangesInsideTheImportAndOneUndoTakesAllBack)
{
    user.QueueAnswers({true});
    document.ImportProjects({beam});

    // Cells of 105 by 55 in 2 rows of 2, in creation order.
    const std::vector<std::array<double, 2>> centres = {{-52.5, 27.5}, {52.5, 27.5}, {-52.5, -27.5}};
    for (int id = 1; id <= 3; ++id) {
        SCOPED_TRACE(id);
        EXPECT_NEAR(SectionCentre(id)[0], centres[id - 1][0], 1e-9);
        EXPECT_NEAR(SectionCentre(id)[1], centres[id - 1][1], 1e-9);
    }
    EXPECT_EQ(Model().m_undoTopId, undoTop + 1);
    EXPECT_EQ(Model().GetCurrentUndoAction()->title, "Import KLX project");
    EXPECT_EQ(user.LastLine(), "- Integrated KLX project: Section [3], Curve [12], Point [12]");
    ASSERT_GE(frame.calls.size(), 3u);
    EXPECT_EQ(std::vector<std::string>(frame.calls.end() - 3, frame.calls.end()),
              (std::vector<std::string>{"RedrawViews", "ZoomFitViews", "RepaintMainWindow"}));

    document.OnEditUndo();
    EXPECT_EQ(PointPositions(), ownPoints);
    EXPECT_EQ(Model().m_sections.size(), 1u);
    EXPECT_TRUE(Model().m_groups.empty());
    EXPECT_EQ(Model().m_undoTopId, undoTop);
}

TEST_F(ProjectImportArrangement, FewerThanTwoActiveSectionsAreNotOffered)
{
    frame.activeSectionIds = {2};
    document.ImportProjects({beam});
    EXPECT_TRUE(user.questions.empty());
    EXPECT_TRUE(Model().GetCurrentUndoAction()->points.saved.empty());
}

TEST_F(ProjectImportCommand, TheCommandAsksForExistingProjectFilesAndACancelDoesNothing)
{
    document.OnFileImportProject();
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"Open|KLX Project Files (*.klx)|*.klx"}));
    EXPECT_TRUE(user.lines.empty());
    EXPECT_FALSE(document.CanUndo());

    prompts.chosen = {beam, beam};
    document.OnFileImportProject();
    EXPECT_EQ(GroupNames(), (std::vector<std::string>{"KLX:BEAM-1", "KLX:BEAM-1 (2)"}));
    EXPECT_EQ(user.lines[2], "(2) Imported KLX project [BEAM-1]: Section [2], Curve [8], Point [8]");
}

}  // namespace
