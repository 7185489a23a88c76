#include "dxf_test_support.h"

namespace {

const char* const kCheckQuestion = "Check the intersection and/or duplication of the imported DXF model data?";

class DxfImportCommand : public ::testing::Test {
protected:
    DxfImportCommand() { model.m_reporter.SetPorts(user.Ports()); }

    // The command's three steps on the drawing, answering the check's
    // question when it is asked.
    void Import(const std::string& text, const char* name, bool checkAnswer)
    {
        const std::filesystem::path path = folder.Path("drawing.dxf");
        WriteWholeFile(path, text);
        ImportPath(path, name, checkAnswer);
    }

    void ImportPath(const std::filesystem::path& path, const char* name, bool checkAnswer)
    {
        user.QueueAnswers({checkAnswer});
        const double shift[2] = {0.0, 0.0};
        model.BeginDxfImport();
        model.ReadDxfFile(path.string().c_str(), shift, 0.0);
        model.FinishDxfImport(name);
    }

    const T_GROUP_D& LastGroup() const { return *model.m_groups.rbegin()->second; }

    static std::vector<int> Ids(int first, int last)
    {
        std::vector<int> ids;
        for (int id = first; id <= last; ++id)
            ids.push_back(id);
        return ids;
    }

    ScriptedUserPorts user;
    CSectModel model;
    ScratchFolder folder;
};

std::string Lines(int count)
{
    DxfBuilder dxf;
    dxf.Section("ENTITIES");
    for (int i = 0; i < count; ++i)
        dxf.Line(0.0, 10.0 * i, 5.0, 10.0 * i);
    return dxf.EndSection().Eof().text;
}

TEST_F(DxfImportCommand, WithoutTheCheckIsOneActionWithItsGroup)
{
    model.BeginUndoAction();
    model.SetUndoActionTitle("Earlier work");
    DxfBuilder dxf;
    dxf.Section("ENTITIES").Line(0, 0, 100, 0).Line(100, 0, 100, 100).Point(500, 500).EndSection().Eof();
    Import(dxf.text, "plan", false);

    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, kCheckQuestion);
    EXPECT_TRUE(user.questions[0].yesIsDefault);
    EXPECT_EQ(model.GetCurrentUndoAction()->title, "Import DXF file");
    ASSERT_EQ(model.m_groups.size(), 1u);
    EXPECT_EQ(LastGroup().name, "DXF:plan");
    EXPECT_EQ(LastGroup().curveIds, Ids(1, 2));
    EXPECT_EQ(LastGroup().pointIds, Ids(1, 4));
    EXPECT_TRUE(LastGroup().sectionIds.empty());
    EXPECT_EQ(model.m_newcomerCurves, Ids(1, 2));
    EXPECT_EQ(model.m_newcomerPoints, Ids(1, 4));

    ASSERT_TRUE(model.Undo(false));
    EXPECT_TRUE(model.m_curves.empty());
    EXPECT_TRUE(model.m_points.empty());
    EXPECT_TRUE(model.m_groups.empty());
    EXPECT_EQ(model.GetCurrentUndoAction()->title, "Earlier work");
}

TEST_F(DxfImportCommand, TheCheckCutsCrossingsAndGroupsWhatRemains)
{
    // Two crossing lines, and a third on the second half of the first one.
    DxfBuilder dxf;
    dxf.Section("ENTITIES").Line(0, 0, 10, 0).Line(5, -5, 5, 5).Line(5, 0, 10, 0).EndSection().Eof();
    Import(dxf.text, "cross", true);

    // The first line is cut at (5, 0) into (0, 0)-(5, 0) and a piece over
    // the third line, which is deleted as its duplicate; the second line is
    // cut into two.
    EXPECT_EQ(model.m_undoActions.size(), 1u);
    EXPECT_EQ(model.m_curves.size(), 4u);
    EXPECT_EQ(model.m_points.size(), 5u);
    EXPECT_EQ(LastGroup().curveIds, (std::vector<int>{1, 2, 3, 5}));
    EXPECT_EQ(LastGroup().pointIds, Ids(1, 5));
    for (int id : LastGroup().curveIds)
        EXPECT_NE(model.FindCurve(id), nullptr) << id;
    EXPECT_EQ(user.LastLine(), "1 duplicate curve is deleted.");

    ASSERT_TRUE(model.Undo(false));
    EXPECT_TRUE(model.m_curves.empty());
    EXPECT_TRUE(model.m_points.empty());
    EXPECT_TRUE(model.m_groups.empty());
    EXPECT_TRUE(model.IsUndoEmpty());
}

TEST_F(DxfImportCommand, EqualizingOpensASecondActionThatUndoesFirst)
{
    // Read with a fine tolerance, checked with a coarse one: the two ends
    // 0.8 apart are merged.
    DxfBuilder dxf;
    dxf.Section("ENTITIES").Line(0, 0, 10, 0).Line(10.8, 0, 20, 0).EndSection().Eof();
    const std::filesystem::path path = folder.Path("gap.dxf");
    WriteWholeFile(path, dxf.text);
    user.QueueAnswers({true});
    const double shift[2] = {0.0, 0.0};
    model.SetTolerance(0.5);
    model.BeginDxfImport();
    ASSERT_TRUE(model.ReadDxfFile(path.string().c_str(), shift, 0.0));
    model.SetTolerance(1.0);
    model.FinishDxfImport("gap");

    ASSERT_EQ(model.m_undoActions.size(), 2u);
    EXPECT_EQ(model.GetCurrentUndoAction()->title, "Equalize 4 points in tolerance");
    EXPECT_EQ(model.m_points.size(), 3u);
    EXPECT_EQ(LastGroup().curveIds, Ids(1, 2));
    EXPECT_EQ(LastGroup().pointIds.size(), 3u);

    ASSERT_TRUE(model.Undo(false));
    EXPECT_TRUE(model.m_groups.empty());
    EXPECT_EQ(model.m_points.size(), 4u);
    EXPECT_EQ(model.m_curves.size(), 2u);
    EXPECT_EQ(model.GetCurrentUndoAction()->title, "Import DXF file");
    ASSERT_TRUE(model.Undo(false));
    EXPECT_TRUE(model.m_points.empty());
    EXPECT_TRUE(model.m_curves.empty());
}

TEST_F(DxfImportCommand, OffersTheCheckOnlyBelow500Curves)
{
    Import(Lines(499), "below", false);
    EXPECT_EQ(user.questions.size(), 1u);
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_EQ(LastGroup().curveIds.size(), 499u);

    user.ClearRecords();
    const std::filesystem::path path = folder.Path("many.dxf");
    WriteWholeFile(path, Lines(500));
    const double shift[2] = {1000.0, 0.0};
    model.BeginDxfImport();
    model.ReadDxfFile(path.string().c_str(), shift, 0.0);
    model.FinishDxfImport("many");
    EXPECT_TRUE(user.questions.empty());
    EXPECT_EQ(user.BoxTexts(),
              std::vector<std::string>{
                  "500 curves are imported from the DXF file.\n\nIt will take a very long time for checking the "
                  "entire curves.\n\nCheck the intersection and/or duplication of the curves part-by-part "
                  "manually.\n\n(Use [Model]-[Curve]-[Intersect] and [Model]-[Point]-[Equalize])"});
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Information);
    EXPECT_EQ(LastGroup().name, "DXF:many");
    EXPECT_EQ(LastGroup().curveIds, Ids(500, 999));
}

TEST_F(DxfImportCommand, AFailedReadStillMakesItsEmptyGroup)
{
    ImportPath(folder.Path("missing.dxf"), "none", true);
    EXPECT_EQ(user.questions.size(), 1u);
    ASSERT_EQ(model.m_groups.size(), 1u);
    EXPECT_EQ(LastGroup().name, "DXF:none");
    EXPECT_TRUE(LastGroup().curveIds.empty());
    EXPECT_TRUE(LastGroup().pointIds.empty());
    const T_ACTION_D* action = model.GetCurrentUndoAction();
    EXPECT_EQ(action->title, "Import DXF file");
    EXPECT_EQ(action->groups.created, std::vector<int>{1});
    EXPECT_TRUE(action->curves.created.empty());
}

TEST_F(DxfImportCommand, ASecondImportReusesPointsAndMakesASecondGroup)
{
    DxfBuilder dxf;
    dxf.Section("ENTITIES").Line(0, 0, 100, 0).Line(100, 0, 100, 100).Line(0, 0, 100, 0).EndSection().Eof();
    Import(dxf.text, "twice", false);
    Import(dxf.text, "twice", false);
    ASSERT_EQ(model.m_groups.size(), 2u);
    EXPECT_EQ(model.m_groups.begin()->second->name, "DXF:twice");
    // Group names are looked up without case: the second needs a name of its own.
    EXPECT_EQ(LastGroup().name, "DXF:twice (2)");
    EXPECT_EQ(model.m_points.size(), 3u);
    EXPECT_EQ(model.m_curves.size(), 4u);
    EXPECT_EQ(LastGroup().curveIds, Ids(3, 4));
    EXPECT_TRUE(LastGroup().pointIds.empty());
}

} // namespace
