#include "frame/TarvokrtDoc.h"

#include "saved_project.h"
#include "support/ScriptedUserPorts.h"
#include "view/support/RecordingDocumentFrame.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct ScriptedPrompts : IDocumentPrompts {
    SaveAnswer AskSaveChanges(const std::string& title) override
    {
        asked.push_back("save changes to " + title);
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected save question";
            return SaveAnswer::Cancel;
        }
        const SaveAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string AskSaveFile(const std::string& title, const std::string&, const std::string&,
                            const std::string&) override
    {
        ADD_FAILURE() << "unexpected save-file chooser " << title;
        return std::string();
    }
    std::string AskSavePath(const std::string& suggested) override
    {
        asked.push_back("save path for " + suggested);
        if (paths.empty()) {
            ADD_FAILURE() << "unexpected save path question";
            return std::string();
        }
        const std::string path = paths.front();
        paths.pop_front();
        return path;
    }
    std::vector<std::string> AskOpenFiles(const std::string& title, const std::string&) override
    {
        ADD_FAILURE() << "unexpected open dialog " << title;
        return {};
    }
    std::deque<SaveAnswer> answers;
    std::deque<std::string> paths;
    std::vector<std::string> asked;
};

class DocumentTest : public testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("klx-doc-" + std::to_string(::getpid()) + "-"
                                              + testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder);
        document.NewProject();
        user.ClearRecords();
        host.calls.clear();
    }
    void TearDown() override { fs::remove_all(folder); }

    // A saved project holding the given points.
    std::string SavedProject(const std::string& name, std::initializer_list<std::pair<double, double>> points)
    {
        return SaveProjectWithPoints(folder / name, points);
    }

    void AddPoint(double x, double y)
    {
        const double xy[2] = {x, y};
        ASSERT_TRUE(document.GetModel()->CreatePointByCoordinate(xy));
        document.OnModelChanged();
    }

    fs::path folder;
    ScriptedUserPorts user;
    RecordingDocumentFrame host;
    ScriptedPrompts prompts;
    CTarvokrtDoc document{user.Ports(), &host, &prompts};
};

TEST_F(DocumentTest, ANewProjectClearsTheOutputAndPrintsTheBannerAlone)
{
    user.AddMessage("left over");
    document.NewProject();
    EXPECT_EQ(user.lines, (std::vector<std::string>{"TARVO/KLX V 1.3.0 - Profilor"}));
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(document.GetPathName().empty());
    EXPECT_EQ(document.GetTitle().rfind("KLX", 0), 0u);
    EXPECT_TRUE(document.GetModel()->m_points.empty());
}

TEST_F(DocumentTest, OpeningClearsTheOutputThenBannerThenTheReadersLines)
{
    const std::string path = SavedProject("beam.klx", {{0, 0}, {100, 0}});
    AddPoint(5, 5);
    ASSERT_TRUE(document.OpenProject(path));
    ASSERT_EQ(user.lines.size(), 3u);
    EXPECT_EQ(user.lines[0], "TARVO/KLX V 1.3.0 - Profilor");
    EXPECT_EQ(user.lines[1].rfind("KLX project is retrieved from [", 0), 0u) << user.lines[1];
    EXPECT_EQ(document.GetModel()->m_points.size(), 2u);
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.GetPathName(), path);
    EXPECT_EQ(document.GetTitle(), "beam.klx");
    EXPECT_TRUE(document.IsDisplayOutOfDate());
}

TEST_F(DocumentTest, AFileThatCannotBeReadLeavesTheOpenProjectAsItWas)
{
    const std::string good = SavedProject("good.klx", {{1, 2}});
    ASSERT_TRUE(document.OpenProject(good));
    AddPoint(7, 7);
    CSectModel* before = document.GetModel();
    const std::vector<std::string> linesBefore = user.lines;

    const std::string damaged = (folder / "damaged.klx").string();
    std::ofstream(damaged, std::ios::binary) << "this is no project";
    EXPECT_FALSE(document.OpenProject(damaged));
    EXPECT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(document.GetModel(), before);
    EXPECT_EQ(document.GetModel()->m_points.size(), 2u);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetPathName(), good);
    EXPECT_EQ(user.lines, linesBefore);

    EXPECT_FALSE(document.OpenProject((folder / "missing.klx").string()));
    EXPECT_EQ(document.GetModel(), before);
}

TEST_F(DocumentTest, AFailedSaveKeepsTheModifiedFlagAndThePath)
{
    const std::string good = SavedProject("kept.klx", {{1, 2}});
    ASSERT_TRUE(document.OpenProject(good));
    AddPoint(3, 3);
    EXPECT_FALSE(document.SaveProject((folder / "no-such-folder" / "x.klx").string()));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetPathName(), good);
    EXPECT_EQ(document.GetTitle(), "kept.klx");
    EXPECT_FALSE(user.boxes.empty());

    ASSERT_TRUE(document.OnFileSave());
    EXPECT_FALSE(document.IsModified());
    CSectModel reread;
    ScriptedUserPorts quiet;
    reread.m_reporter.SetPorts(quiet.Ports());
    ASSERT_TRUE(reread.ReadProjectFile(good, false));
    EXPECT_EQ(reread.m_points.size(), 2u);
}

TEST_F(DocumentTest, TheSaveQuestionDecidesWhetherTheProjectMayClose)
{
    EXPECT_TRUE(document.SaveModified());  // nothing changed: no question
    EXPECT_TRUE(prompts.asked.empty());

    AddPoint(1, 1);
    prompts.answers = {SaveAnswer::Cancel, SaveAnswer::No};
    EXPECT_FALSE(document.SaveModified());
    EXPECT_TRUE(document.SaveModified());
    EXPECT_TRUE(document.IsModified());

    // Yes on an untitled project asks for a path; cancelling it keeps the project.
    prompts.answers = {SaveAnswer::Yes};
    prompts.paths = {""};
    EXPECT_FALSE(document.SaveModified());

    // A write that fails keeps the project open and modified.
    prompts.answers = {SaveAnswer::Yes};
    prompts.paths = {(folder / "missing" / "a.klx").string()};
    EXPECT_FALSE(document.SaveModified());
    EXPECT_TRUE(document.IsModified());

    const std::string path = (folder / "saved.klx").string();
    prompts.answers = {SaveAnswer::Yes};
    prompts.paths = {path};
    EXPECT_TRUE(document.SaveModified());
    EXPECT_FALSE(document.IsModified());
    EXPECT_EQ(document.GetTitle(), "saved.klx");
    EXPECT_TRUE(fs::exists(path));
}

TEST_F(DocumentTest, UndoAndRedoRefreshTheViewsAndMarkTheProject)
{
    AddPoint(1, 1);
    document.SetModifiedFlag(false);
    host.calls.clear();
    ASSERT_TRUE(document.CanUndo());
    document.OnEditUndo();
    EXPECT_TRUE(document.GetModel()->m_points.empty());
    EXPECT_EQ(user.LastLine().rfind("Undo: ", 0), 0u) << user.LastLine();
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"RedrawViews"}));
    EXPECT_TRUE(document.CanRedo());
    document.OnEditRedo();
    EXPECT_EQ(document.GetModel()->m_points.size(), 1u);
    EXPECT_EQ(user.LastLine().rfind("Redo: ", 0), 0u) << user.LastLine();

    // Nothing to redo: nothing happens.
    host.calls.clear();
    document.OnEditRedo();
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(DocumentTest, UndoOfTheOnlyGroupRefreshesTheGroupPanelsAndLeavesSelectGroup)
{
    ASSERT_TRUE(document.GetModel()->CreateGroup("G1"));
    document.OnModelChanged();
    host.calls.clear();
    document.OnEditUndo();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"RedrawViews", "RefreshGroupCombos", "LeaveSelectGroupMode",
                                                    "RefreshGroupToolDialogs"}));
    host.calls.clear();
    document.OnEditRedo();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"RedrawViews", "RefreshGroupCombos", "RefreshGroupToolDialogs"}));
}

TEST_F(DocumentTest, UndoOfTheCurrentUcsShowsGlobalCoordinates)
{
    const double origin[2] = {10, 0};
    const double axis[2] = {0, 0};
    ASSERT_TRUE(document.GetModel()->CreateUcs(0, "U1", origin, 0.0, axis, axis));
    const int ucsId = document.GetModel()->m_ucs.rbegin()->first;
    document.GetModel()->SetCurrentUcs(ucsId);
    host.calls.clear();
    document.OnEditUndo();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"RedrawViews", "ShowGlobalCoordinates", "RefreshUcsToolDialogs"}));
}

TEST_F(DocumentTest, ClearingTheStoresSaysSo)
{
    AddPoint(1, 1);
    document.OnClearUndoStorage();
    EXPECT_FALSE(document.CanUndo());
    EXPECT_EQ(user.LastLine(), "Undo storage is cleared.");
    document.OnClearRedoStorage();
    EXPECT_EQ(user.LastLine(), "Redo storage is cleared.");
}

constexpr double INF = std::numeric_limits<double>::infinity();
constexpr double NAN_VALUE = std::numeric_limits<double>::quiet_NaN();

struct SettingCase {
    const char* name;
    void (*apply)(CTarvokrtDoc&);
    std::vector<std::string> boxes;
    bool modified;
};

void PrintTo(const SettingCase& c, std::ostream* out) { *out << c.name; }

class DocumentSettings : public DocumentTest, public testing::WithParamInterface<SettingCase> {};

TEST_P(DocumentSettings, RefuseBadValuesWithTheirMessagesAndChangeNothing)
{
    const SettingCase& c = GetParam();
    const double tolerance = document.GetModel()->m_tolerance;
    const double angleStep = document.GetModel()->m_angleStep;
    const double gridSize = document.GetModel()->m_gridSize;
    c.apply(document);
    EXPECT_EQ(user.BoxTexts(), c.boxes);
    EXPECT_EQ(document.IsModified(), c.modified);
    if (!c.boxes.empty()) {
        EXPECT_EQ(document.GetModel()->m_tolerance, tolerance);
        EXPECT_EQ(document.GetModel()->m_angleStep, angleStep);
        EXPECT_EQ(document.GetModel()->m_gridSize, gridSize);
    }
    EXPECT_TRUE(user.questions.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, DocumentSettings,
    testing::Values(
        SettingCase{"ZeroTolerance", [](CTarvokrtDoc& d) { d.SetTolerance(0.0); },
                    {"Tolerance should be greater than 0."}, false},
        SettingCase{"NegativeTolerance", [](CTarvokrtDoc& d) { d.SetTolerance(-0.5); },
                    {"Tolerance should be greater than 0."}, false},
        SettingCase{"InfiniteTolerance", [](CTarvokrtDoc& d) { d.SetTolerance(INF); },
                    {"Tolerance should be greater than 0."}, false},
        SettingCase{"NanTolerance", [](CTarvokrtDoc& d) { d.SetTolerance(NAN_VALUE); },
                    {"Tolerance should be greater than 0."}, false},
        SettingCase{"ToleranceWithinAMillionth", [](CTarvokrtDoc& d) { d.SetTolerance(1.0 + 5e-7); }, {}, false},
        SettingCase{"NewTolerance", [](CTarvokrtDoc& d) { d.SetTolerance(0.01); }, {}, true},
        SettingCase{"ZeroAngleStep", [](CTarvokrtDoc& d) { d.SetAngleStep(0.0); },
                    {"Angle step should be greater than 0."}, false},
        SettingCase{"InfiniteAngleStep", [](CTarvokrtDoc& d) { d.SetAngleStep(INF); },
                    {"Angle step should be greater than 0."}, false},
        SettingCase{"NanAngleStep", [](CTarvokrtDoc& d) { d.SetAngleStep(NAN_VALUE); },
                    {"Angle step should be greater than 0."}, false},
        SettingCase{"NewAngleStep", [](CTarvokrtDoc& d) { d.SetAngleStep(5.0); }, {}, true},
        SettingCase{"NoGrids", [](CTarvokrtDoc& d) { d.SetGrid(0, 10, 0.5); },
                    {"The number of grids should be greater than 0."}, false},
        SettingCase{"GridBelowTolerance", [](CTarvokrtDoc& d) { d.SetGrid(10, 10, 0.999); },
                    {"Grid size should be greater than the tolerance."}, false},
        SettingCase{"InfiniteGridSize", [](CTarvokrtDoc& d) { d.SetGrid(10, 10, INF); },
                    {"Grid size should be greater than the tolerance."}, false},
        SettingCase{"NanGridSize", [](CTarvokrtDoc& d) { d.SetGrid(10, 10, NAN_VALUE); },
                    {"Grid size should be greater than the tolerance."}, false},
        SettingCase{"GridAtTolerance", [](CTarvokrtDoc& d) { d.SetGrid(10, 10, 1.0); }, {}, true},
        SettingCase{"SameUnits", [](CTarvokrtDoc& d) { d.SetUnits(3, 3); }, {}, false}),
    [](const testing::TestParamInfo<SettingCase>& info) { return info.param.name; });

TEST_F(DocumentTest, ANewUnitSystemRefreshesAndFitsTheViews)
{
    document.SetUnits(2, 2);
    EXPECT_EQ(document.GetModel()->m_lengthUnit, 2);
    EXPECT_EQ(document.GetModel()->m_forceUnit, 2);
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(host.calls, (std::vector<std::string>{"RedrawViews", "ZoomFitViews"}));
}

TEST_F(DocumentTest, PrintMessageAppendsReplacesOrIgnores)
{
    document.PrintMessage("a", 0);
    document.PrintMessage("b", 1);
    document.PrintMessage("c", 2);
    EXPECT_EQ(user.lines, (std::vector<std::string>{"b"}));
}

}  // namespace
