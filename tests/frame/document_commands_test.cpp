// The document's command members over the fake frame hooks: what each does
// after its model command, and the members with steps of their own.

#include "frame/TarvokrtDoc.h"
#include "support/ScriptedUserPorts.h"
#include "view/support/RecordingDocumentFrame.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const double kOrigin[2] = {0.0, 0.0};

// A project with a 100 x 50 rectangle of lines (curves 1-4, points 1-4), a
// free line (curve 5, points 5 and 6), material 1 "Steel", UCS 1 "U1" and
// group "G1"; unmodified and with no hook called.
class DocumentCommands : public testing::Test {
protected:
    void SetUp() override
    {
        document.NewProject();
        CSectModel& model = *document.GetModel();
        const double corner[2] = {100.0, 50.0};
        ASSERT_TRUE(model.CreateRectangle(kOrigin, corner, ALIGN_CENTER, 0.0));
        const double start[2] = {200.0, 0.0};
        const double end[2] = {300.0, 0.0};
        ASSERT_TRUE(model.CreateLine(start, end, ALIGN_CENTER, 0.0));
        ASSERT_TRUE(model.CreateMaterial(1, "Steel", 2.0e5, 0.3));
        ASSERT_TRUE(model.CreateUcs(UCS_BY_ORIGIN_AND_ANGLE, "U1", start, 0.0, kOrigin, kOrigin));
        ASSERT_TRUE(model.CreateGroup("G1"));
        ASSERT_EQ(model.m_curves.size(), 5u);
        ASSERT_EQ(model.m_points.size(), 6u);
        Settle();
    }

    // Forget the flags and the records of the preparation.
    void Settle()
    {
        document.SetModifiedFlag(false);
        document.SetDisplayOutOfDate(false);
        frame.calls.clear();
        user.ClearRecords();
    }

    CSectModel& Model() { return *document.GetModel(); }

    ScriptedUserPorts user;
    RecordingDocumentFrame frame;
    CTarvokrtDoc document{user.Ports(), &frame, nullptr};
    IToolDocument& tools = document;
};

enum class Step { Redraw, Modified, MaterialList };

struct CommandCase {
    const char* name;
    Step step;
    std::function<bool(IToolDocument&)> accepted;
    std::function<bool(IToolDocument&)> refused;
    // Run on the model before the refused call, when the command needs more.
    std::function<void(CSectModel&)> prepare = nullptr;
};

void PrintTo(const CommandCase& c, std::ostream* out)
{
    *out << c.name;
}

class DocumentCommandSteps : public DocumentCommands, public testing::WithParamInterface<CommandCase> {};

TEST_P(DocumentCommandSteps, RunTheirAfterStepOnlyWhenTheModelAccepts)
{
    const CommandCase& c = GetParam();
    if (c.prepare) {
        c.prepare(Model());
        Settle();
    }
    EXPECT_FALSE(c.refused(tools));
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(document.IsDisplayOutOfDate());
    EXPECT_TRUE(frame.calls.empty()) << frame.calls.front();
    EXPECT_TRUE(user.questions.empty());

    user.ClearRecords();
    ASSERT_TRUE(c.accepted(tools)) << (user.boxes.empty() ? "" : user.boxes.front().text);
    EXPECT_TRUE(document.IsModified());
    switch (c.step) {
    case Step::Redraw:
        EXPECT_TRUE(document.IsDisplayOutOfDate());
        EXPECT_EQ(frame.calls, (std::vector<std::string>{"RedrawViews"}));
        break;
    case Step::Modified:
        EXPECT_FALSE(document.IsDisplayOutOfDate());
        EXPECT_TRUE(frame.calls.empty());
        break;
    case Step::MaterialList:
        EXPECT_FALSE(document.IsDisplayOutOfDate());
        EXPECT_EQ(frame.calls, (std::vector<std::string>{"UpdateMaterialList"}));
        break;
    }
}

const double kFar[2] = {500.0, 500.0};
const double kFar2[2] = {600.0, 500.0};
const double kFar3[2] = {550.0, 550.0};
const double kFar4[2] = {650.0, 450.0};
const double kMirror1[2] = {0.0, -100.0};
const double kMirror2[2] = {1000.0, -100.0};

void RegisterRectangle(CSectModel& model)
{
    ASSERT_TRUE(model.RegisterClosedLoop({1, 2, 3, 4}));
}

// A vertical line through the rectangle's bottom and top sides: curve 6.
void CrossRectangle(CSectModel& model)
{
    const double bottom[2] = {50.0, -20.0};
    const double top[2] = {50.0, 80.0};
    ASSERT_TRUE(model.CreateLine(bottom, top, ALIGN_CENTER, 0.0));
}

void WidenFreeLine(CSectModel& model)
{
    model.FindCurve(5)->width = 10.0;
}

// Curve 1 then runs through points 1, 2 and 3.
void JoinFirstTwoSides(CSectModel& model)
{
    ASSERT_TRUE(model.MergeCurves({1, 2}));
}

void AddSecondGroup(CSectModel& model)
{
    ASSERT_TRUE(model.CreateGroup("G2"));
}

void FillFirstGroup(CSectModel& model)
{
    ASSERT_TRUE(model.AddToGroup("G1", {}, {5}, {}, true));
}

// Section 1, a plane section of one domain over the rectangle's lines.
void GenerateRectangleSection(CSectModel& model)
{
    const int colour[3] = {0, 0, 0};
    ASSERT_EQ(model.GenerateSection("", SECTION_PLANE, {1, 2, 3, 4}, false, 0.0, colour, "", false, 0.0), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DocumentCommandSteps,
    testing::Values(
        CommandCase{"CreateUcs", Step::Modified,
                    [](IToolDocument& d) { return d.CreateUcs(0, "U2", kFar, 30.0, kOrigin, kOrigin); },
                    [](IToolDocument& d) { return d.CreateUcs(1, "U2", kOrigin, 0.0, kFar, kFar); }},
        CommandCase{"RedefineUcs", Step::Modified,
                    [](IToolDocument& d) { return d.RedefineUcs(1, 0, "U1", kFar, 45.0, kOrigin, kOrigin); },
                    [](IToolDocument& d) { return d.RedefineUcs(99, 0, "U9", kFar, 45.0, kOrigin, kOrigin); }},
        CommandCase{"DeleteUcs", Step::Modified, [](IToolDocument& d) { return d.DeleteUcs(1); },
                    [](IToolDocument& d) { return d.DeleteUcs(99); }},
        CommandCase{"CreatePointByCoordinate", Step::Redraw,
                    [](IToolDocument& d) { return d.CreatePointByCoordinate(kFar); },
                    [](IToolDocument& d) { return d.CreatePointByCoordinate(kOrigin); }},
        CommandCase{"CreatePointsOnCurvesByRatio", Step::Redraw,
                    [](IToolDocument& d) { return d.CreatePointsOnCurvesByRatio({5}, 0.5, false); },
                    [](IToolDocument& d) { return d.CreatePointsOnCurvesByRatio({5}, 2.0, false); }},
        CommandCase{"CreatePointsOnCurvesByInterpolation", Step::Redraw,
                    [](IToolDocument& d) { return d.CreatePointsOnCurvesByInterpolation({5}, 3, 0.0, false); },
                    [](IToolDocument& d) { return d.CreatePointsOnCurvesByInterpolation({5}, 0, 0.0, false); }},
        CommandCase{"CreatePointBetweenPointsByRatio", Step::Redraw,
                    [](IToolDocument& d) { return d.CreatePointBetweenPointsByRatio(5, 6, 0.5); },
                    [](IToolDocument& d) { return d.CreatePointBetweenPointsByRatio(5, 6, 2.0); }},
        CommandCase{"CreatePointsBetweenPointsByInterpolation", Step::Redraw,
                    [](IToolDocument& d) { return d.CreatePointsBetweenPointsByInterpolation(5, 6, 3, 0.0); },
                    [](IToolDocument& d) { return d.CreatePointsBetweenPointsByInterpolation(5, 6, 0, 0.0); }},
        CommandCase{"TranslatePoints", Step::Redraw, [](IToolDocument& d) { return d.TranslatePoints({5}, 10.0, 10.0); },
                    [](IToolDocument& d) { return d.TranslatePoints({}, 10.0, 10.0); }},
        CommandCase{"CopyPointsByTranslation", Step::Redraw,
                    [](IToolDocument& d) { return d.CopyPointsByTranslation({5}, 0.0, 100.0, 1, false, 0, 0.0); },
                    [](IToolDocument& d) { return d.CopyPointsByTranslation({5}, 0.0, 100.0, 0, false, 0, 0.0); }},
        CommandCase{"RotatePoints", Step::Redraw, [](IToolDocument& d) { return d.RotatePoints({5}, kOrigin, 30.0); },
                    [](IToolDocument& d) { return d.RotatePoints({}, kOrigin, 30.0); }},
        CommandCase{"CopyPointsByRotation", Step::Redraw,
                    [](IToolDocument& d) { return d.CopyPointsByRotation({5}, kOrigin, 30.0, 1, false, 0, 0.0); },
                    [](IToolDocument& d) { return d.CopyPointsByRotation({5}, kOrigin, 30.0, 0, false, 0, 0.0); }},
        CommandCase{"MirrorPoints", Step::Redraw,
                    [](IToolDocument& d) { return d.MirrorPoints({5}, kMirror1, kMirror2); },
                    [](IToolDocument& d) { return d.MirrorPoints({5}, kMirror1, kMirror1); }},
        CommandCase{"CopyPointsByMirroring", Step::Redraw,
                    [](IToolDocument& d) { return d.CopyPointsByMirroring({5}, kMirror1, kMirror2, false, 0, 0.0); },
                    [](IToolDocument& d) { return d.CopyPointsByMirroring({5}, kMirror1, kMirror1, false, 0, 0.0); }},
        CommandCase{"EqualizePoints", Step::Redraw,
                    [](IToolDocument& d) { return d.EqualizePoints({5, 6}, false, kOrigin, true); },
                    [](IToolDocument& d) { return d.EqualizePoints({}, false, kOrigin, true); }},
        CommandCase{"EqualizePointsInTolerance", Step::Redraw,
                    [](IToolDocument& d) { return d.EqualizePointsInTolerance({5, 6}, 150.0, false, kOrigin, true); },
                    [](IToolDocument& d) { return d.EqualizePointsInTolerance({}, 150.0, false, kOrigin, true); }},
        CommandCase{"DeletePoints", Step::Redraw, [](IToolDocument& d) { return d.DeletePoints({6}); },
                    [](IToolDocument& d) { return d.DeletePoints({}); }},
        CommandCase{"CreateLine", Step::Redraw, [](IToolDocument& d) { return d.CreateLine(kFar, kFar2, 1, 0.0); },
                    [](IToolDocument& d) { return d.CreateLine(kFar, kFar, 1, 0.0); }},
        CommandCase{"CreateRectangle", Step::Redraw,
                    [](IToolDocument& d) { return d.CreateRectangle(kFar, kFar3, 1, 0.0); },
                    [](IToolDocument& d) { return d.CreateRectangle(kFar, kFar2, 1, 0.0); }},
        CommandCase{"CreateCircle", Step::Redraw, [](IToolDocument& d) { return d.CreateCircle(kFar, 10.0, 1, 0.0); },
                    [](IToolDocument& d) { return d.CreateCircle(kFar, 0.0, 1, 0.0); }},
        CommandCase{"CreateCircleByTwoPoints", Step::Redraw,
                    [](IToolDocument& d) { return d.CreateCircleByTwoPoints(kFar, kFar2, 1, 0.0); },
                    [](IToolDocument& d) { return d.CreateCircleByTwoPoints(kFar, kFar, 1, 0.0); }},
        CommandCase{"CreateCircleByThreePoints", Step::Redraw,
                    [](IToolDocument& d) { return d.CreateCircleByThreePoints(kFar, kFar3, kFar2, 1, 0.0); },
                    [](IToolDocument& d) { return d.CreateCircleByThreePoints(kMirror1, kMirror2, kMirror2, 1, 0.0); }},
        CommandCase{"CreateArc", Step::Redraw, [](IToolDocument& d) { return d.CreateArc(kFar, 10.0, 90.0, 1, 0.0); },
                    [](IToolDocument& d) { return d.CreateArc(kFar, 10.0, 0.0, 1, 0.0); }},
        CommandCase{"CreateArcByCenterStartEnd", Step::Redraw,
                    [](IToolDocument& d) {
                        const double start[2] = {600.0, 500.0}, end[2] = {500.0, 600.0};
                        return d.CreateArcByCenterStartEnd(kFar, start, end, 1, 0.0);
                    },
                    [](IToolDocument& d) { return d.CreateArcByCenterStartEnd(kFar, kFar2, kFar3, 1, 0.0); }},
        CommandCase{"CreateArcByThreePoints", Step::Redraw,
                    [](IToolDocument& d) { return d.CreateArcByThreePoints(kFar, kFar3, kFar2, 1, 0.0); },
                    [](IToolDocument& d) { return d.CreateArcByThreePoints(kMirror1, kMirror2, kMirror2, 1, 0.0); }},
        CommandCase{"CreateEllipse", Step::Redraw,
                    [](IToolDocument& d) { return d.CreateEllipse(kFar, 20.0, 10.0, 1, 0.0); },
                    [](IToolDocument& d) { return d.CreateEllipse(kFar, 0.0, 10.0, 1, 0.0); }},
        CommandCase{"CreateQuadraticCurve", Step::Redraw,
                    [](IToolDocument& d) { return d.CreateQuadraticCurve(kFar, kFar3, kFar2, 1, 0.0); },
                    [](IToolDocument& d) { return d.CreateQuadraticCurve(kFar, kFar, kFar2, 1, 0.0); }},
        CommandCase{"CreateCubicCurve", Step::Redraw,
                    [](IToolDocument& d) { return d.CreateCubicCurve(kFar, kFar3, kFar2, kFar4, 1, 0.0); },
                    [](IToolDocument& d) { return d.CreateCubicCurve(kFar, kFar, kFar2, kFar4, 1, 0.0); }},
        CommandCase{"CreateBezierCurve", Step::Redraw,
                    [](IToolDocument& d) { return d.CreateBezierCurve(kFar, kFar3, kFar4, kFar2, 1, 0.0); },
                    [](IToolDocument& d) { return d.CreateBezierCurve(kFar, kFar, kFar, kFar, 1, 0.0); }},
        CommandCase{"CreateShortestPathLines", Step::Redraw,
                    [](IToolDocument& d) {
                        const double base[2] = {250.0, 50.0};
                        return d.CreateShortestPathLines({5}, base, false, 1, 0.0);
                    },
                    [](IToolDocument& d) { return d.CreateShortestPathLines({99}, kFar, false, 1, 0.0); }},
        CommandCase{"RegisterClosedLoop", Step::Redraw,
                    [](IToolDocument& d) { return d.RegisterClosedLoop({1, 2, 3, 4}); },
                    [](IToolDocument& d) { return d.RegisterClosedLoop({5}); }},
        CommandCase{"UnregisterClosedLoops", Step::Redraw,
                    [](IToolDocument& d) { return d.UnregisterClosedLoops({1}); },
                    [](IToolDocument& d) { return d.UnregisterClosedLoops({99}); }, RegisterRectangle},
        CommandCase{"IntersectCurves", Step::Redraw,
                    [](IToolDocument& d) { return d.IntersectCurves({1, 2, 3, 4, 6}, true); },
                    [](IToolDocument& d) { return d.IntersectCurves({}, true); }, CrossRectangle},
        CommandCase{"DeleteCurves", Step::Redraw, [](IToolDocument& d) { return d.DeleteCurves({5}, true); },
                    [](IToolDocument& d) { return d.DeleteCurves({}, true); }},
        CommandCase{"ConvertCurveWidths", Step::Redraw,
                    [](IToolDocument& d) { return d.ConvertCurveWidths({5}, true, true, false); },
                    [](IToolDocument& d) { return d.ConvertCurveWidths({5}, false, false, false); }, WidenFreeLine},
        CommandCase{"MergeCurves", Step::Redraw, [](IToolDocument& d) { return d.MergeCurves({1, 2}); },
                    [](IToolDocument& d) { return d.MergeCurves({1, 5}); }},
        CommandCase{"SplitCurve", Step::Redraw, [](IToolDocument& d) { return d.SplitCurve(1, {2}); },
                    [](IToolDocument& d) { return d.SplitCurve(1, {1}); }, JoinFirstTwoSides},
        CommandCase{"ReverseCurves", Step::Redraw, [](IToolDocument& d) { return d.ReverseCurves({5}, true); },
                    [](IToolDocument& d) { return d.ReverseCurves({5, 99}, true); }},
        CommandCase{"ChangeCurveWidths", Step::Redraw,
                    [](IToolDocument& d) { return d.ChangeCurveWidths({5}, true, 1, false, 0.0); },
                    [](IToolDocument& d) { return d.ChangeCurveWidths({5}, false, 1, false, 0.0); }},
        CommandCase{"TranslateCurves", Step::Redraw, [](IToolDocument& d) { return d.TranslateCurves({5}, 0.0, 10.0); },
                    [](IToolDocument& d) { return d.TranslateCurves({5}, 0.0, 0.0); }},
        CommandCase{"CopyCurvesByTranslation", Step::Redraw,
                    [](IToolDocument& d) { return d.CopyCurvesByTranslation({5}, 0.0, 100.0, 1, true, 1, 0.0); },
                    [](IToolDocument& d) { return d.CopyCurvesByTranslation({5}, 0.0, 100.0, 0, true, 1, 0.0); }},
        CommandCase{"RotateCurves", Step::Redraw, [](IToolDocument& d) { return d.RotateCurves({5}, kOrigin, 30.0); },
                    [](IToolDocument& d) { return d.RotateCurves({5}, kOrigin, 0.0); }},
        CommandCase{"CopyCurvesByRotation", Step::Redraw,
                    [](IToolDocument& d) { return d.CopyCurvesByRotation({5}, kOrigin, 30.0, 2, false, 1, 0.0); },
                    [](IToolDocument& d) { return d.CopyCurvesByRotation({5}, kOrigin, 90.0, 5, false, 1, 0.0); }},
        CommandCase{"MirrorCurves", Step::Redraw,
                    [](IToolDocument& d) { return d.MirrorCurves({5}, kMirror1, kMirror2); },
                    [](IToolDocument& d) { return d.MirrorCurves({5}, kMirror1, kMirror1); }},
        CommandCase{"CopyCurvesByMirroring", Step::Redraw,
                    [](IToolDocument& d) { return d.CopyCurvesByMirroring({5}, kMirror1, kMirror2, true, 1, 0.0); },
                    [](IToolDocument& d) { return d.CopyCurvesByMirroring({99}, kMirror1, kMirror2, true, 1, 0.0); }},
        CommandCase{"FilletCurves", Step::Redraw, [](IToolDocument& d) { return d.FilletCurves(1, 2, 10.0, 1, 0.0); },
                    [](IToolDocument& d) { return d.FilletCurves(1, 2, -1.0, 1, 0.0); }},
        CommandCase{"ExtendCurves", Step::Redraw, [](IToolDocument& d) { return d.ExtendCurves(3, {5}, false); },
                    [](IToolDocument& d) { return d.ExtendCurves(99, {5}, false); }},
        CommandCase{"ScaleLines", Step::Redraw, [](IToolDocument& d) { return d.ScaleLines({5}, 0.5); },
                    [](IToolDocument& d) { return d.ScaleLines({5}, 1.0); }},
        CommandCase{"CreateMaterial", Step::MaterialList,
                    [](IToolDocument& d) { return d.CreateMaterial(2, "Alu", 7.0e4, 0.33); },
                    [](IToolDocument& d) { return d.CreateMaterial(0, "Alu", 7.0e4, 0.33); }},
        CommandCase{"RedefineMaterial", Step::MaterialList,
                    [](IToolDocument& d) { return d.RedefineMaterial(1, "Steel", 2.1e5, 0.3); },
                    [](IToolDocument& d) { return d.RedefineMaterial(99, "Steel", 2.1e5, 0.3); }},
        CommandCase{"DeleteMaterial", Step::MaterialList, [](IToolDocument& d) { return d.DeleteMaterial(1); },
                    [](IToolDocument& d) { return d.DeleteMaterial(99); }},
        CommandCase{"CreateGroup", Step::Modified, [](IToolDocument& d) { return d.CreateGroup("G2"); },
                    [](IToolDocument& d) { return d.CreateGroup("g1"); }},
        CommandCase{"DeleteGroup", Step::Modified, [](IToolDocument& d) { return d.DeleteGroup("G1"); },
                    [](IToolDocument& d) { return d.DeleteGroup("none"); }},
        CommandCase{"RenameGroup", Step::Modified, [](IToolDocument& d) { return d.RenameGroup("G1", "G3"); },
                    [](IToolDocument& d) { return d.RenameGroup("none", "G3"); }},
        CommandCase{"MergeGroups", Step::Modified, [](IToolDocument& d) { return d.MergeGroups("G2", "G1", true); },
                    [](IToolDocument& d) { return d.MergeGroups("none", "G1", true); }, AddSecondGroup},
        CommandCase{"AddToGroup", Step::Modified, [](IToolDocument& d) { return d.AddToGroup("G1", {}, {5}, {}); },
                    [](IToolDocument& d) { return d.AddToGroup("", {}, {5}, {}); }},
        CommandCase{"ExpelFromGroup", Step::Modified,
                    [](IToolDocument& d) { return d.ExpelFromGroup("G1", {}, {5}, {}); },
                    [](IToolDocument& d) { return d.ExpelFromGroup("none", {}, {5}, {}); }, FillFirstGroup},
        CommandCase{"TranslateSections", Step::Redraw,
                    [](IToolDocument& d) { return d.TranslateSections({1}, 10.0, 10.0); },
                    [](IToolDocument& d) { return d.TranslateSections({1}, 0.0, 0.0); }, GenerateRectangleSection},
        CommandCase{"RotateSections", Step::Redraw,
                    [](IToolDocument& d) { return d.RotateSections({1}, kOrigin, 30.0); },
                    [](IToolDocument& d) { return d.RotateSections({1}, kOrigin, 0.0); }, GenerateRectangleSection},
        CommandCase{"DeleteSections", Step::Redraw, [](IToolDocument& d) { return d.DeleteSections({1}, true); },
                    [](IToolDocument& d) { return d.DeleteSections({99}, false); }, GenerateRectangleSection},
        CommandCase{"AssignDomainMaterial", Step::Redraw,
                    [](IToolDocument& d) { return d.AssignDomainMaterial({{1, 1}}, 1, true); },
                    [](IToolDocument& d) { return d.AssignDomainMaterial({{1, 1}}, 7, false); },
                    GenerateRectangleSection}),
    [](const testing::TestParamInfo<CommandCase>& info) { return info.param.name; });

TEST_F(DocumentCommands, ArrangingFitsEveryViewInsteadOfRedrawing)
{
    GenerateRectangleSection(Model());
    const int colour[3] = {0, 0, 0};
    for (double y : {100.0, 200.0}) {
        const double start[2] = {0.0, y};
        const double end[2] = {40.0, y};
        ASSERT_TRUE(Model().CreateLine(start, end, ALIGN_CENTER, 0.0));
    }
    for (int curve : {5, 6, 7})
        ASSERT_NE(Model().GenerateSection("", SECTION_LINE, {curve}, false, 0.0, colour, "", false, 0.0), 0);
    Settle();

    EXPECT_FALSE(tools.ArrangeSections({2}, 0, 0, 0));
    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(document.IsDisplayOutOfDate());
    EXPECT_TRUE(frame.calls.empty());

    ASSERT_TRUE(tools.ArrangeSections({1, 2, 3, 4}, 0, 0, 0));
    EXPECT_TRUE(document.IsModified());
    EXPECT_TRUE(document.IsDisplayOutOfDate());
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"ZoomFitViews"}));
    EXPECT_EQ(user.LastLine(), "4 sections are arranged in 2 X 2 matrix.");
    EXPECT_EQ(Model().GetCurrentUndoAction()->title, "Arrange all sections");
}

TEST_F(DocumentCommands, PicksQueriesAndGettersFillTheirResultsAndTouchNothing)
{
    RegisterRectangle(Model());
    FillFirstGroup(Model());
    Settle();

    std::vector<int> ids;
    tools.PickPointsOfCurve(5, &ids);
    EXPECT_EQ(ids, (std::vector<int>{5, 6}));
    tools.PickPointsOfClosedLoop(1, &ids);
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 4}));
    tools.PickCurvesOfClosedLoop(1, &ids);
    EXPECT_EQ(ids, (std::vector<int>{1, 2, 3, 4}));
    tools.PickSectionsWithoutLocation(&ids);
    EXPECT_TRUE(ids.empty());
    ids.clear();
    tools.GetGroupCurves("g1", ids);
    EXPECT_EQ(ids, (std::vector<int>{5}));
    ids.clear();
    tools.GetGroupPoints("G1", ids);
    EXPECT_EQ(ids, (std::vector<int>{5, 6}));
    ids.clear();
    tools.GetNewcomerClosedLoops(ids);
    EXPECT_EQ(ids, (std::vector<int>{1}));
    EXPECT_TRUE(tools.QueryPoint(1));
    EXPECT_TRUE(tools.QueryCurve(5));
    EXPECT_TRUE(tools.QueryGroup("G1"));
    EXPECT_FALSE(tools.QuerySection(1));
    EXPECT_FALSE(user.lines.empty());

    EXPECT_FALSE(document.IsModified());
    EXPECT_FALSE(document.IsDisplayOutOfDate());
    EXPECT_TRUE(frame.calls.empty());
}

TEST_F(DocumentCommands, ANewWorkUcsShowsItsCoordinatesAndRebuildsAndFitsEveryView)
{
    // The work UCS asked for again: only its record.
    EXPECT_EQ(tools.SetGcsCurrent(), Model().FindUcs(0));
    EXPECT_TRUE(frame.calls.empty());

    EXPECT_EQ(tools.SetCurrentUcs(1), Model().FindUcs(1));
    EXPECT_EQ(Model().m_currentUcsId, 1);
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"ShowUcsCoordinates", "RebuildViews", "ZoomFitViews"}));
    frame.calls.clear();
    EXPECT_EQ(tools.SetCurrentUcs(1), Model().FindUcs(1));
    EXPECT_TRUE(frame.calls.empty());

    EXPECT_EQ(tools.SetGcsCurrent(), Model().FindUcs(0));
    EXPECT_EQ(Model().m_currentUcsId, 0);
    EXPECT_EQ(frame.calls, (std::vector<std::string>{"ShowGlobalCoordinates", "RebuildViews", "ZoomFitViews"}));
    // Changing the work UCS is no change of the project.
    EXPECT_FALSE(document.IsModified());
}

TEST_F(DocumentCommands, GenerationAndCalculationRunBusyAndAHundredByFiftyRectangleHasAnAreaOf5000)
{
    std::vector<std::string> busyHooks;
    frame.onCall = [&](const std::string& call) {
        if (tools.IsBusy())
            busyHooks.push_back(call);
    };
    const int colour[3] = {255, 0, 0};
    tools.GenerateSection("", SECTION_PLANE, {1, 2, 3, 4}, false, 0.0, colour, "", false, false, 0.0);
    ASSERT_EQ(Model().m_sections.size(), 1u);
    T_SECTION_D& section = *Model().m_sections.begin()->second;
    EXPECT_EQ(section.type, SECTION_PLANE);
    EXPECT_FALSE(busyHooks.empty());
    EXPECT_FALSE(tools.IsBusy());
    EXPECT_TRUE(document.IsModified());

    for (auto& [id, domain] : section.domains)
        domain->materialId = 1;
    busyHooks.clear();
    tools.CalculateProperties({section.id}, 1, 0.0, false, false);
    ASSERT_TRUE(section.propertiesCalculated) << (user.boxes.empty() ? "" : user.boxes.front().text);
    EXPECT_NEAR(section.results[RESULT_A], 100.0 * 50.0, 1e-6);
    EXPECT_FALSE(busyHooks.empty());
    EXPECT_FALSE(tools.IsBusy());
    // The second of padding is asked of the hold; nothing waited.
    EXPECT_EQ(frame.Count("HoldMilliseconds 1000"), 1);

    // Refused runs leave the flag clear as well.
    busyHooks.clear();
    user.ClearRecords();
    tools.GenerateSection("", SECTION_PLANE, {5}, false, 0.0, colour, "", false, false, 0.0);
    EXPECT_FALSE(user.boxes.empty());
    EXPECT_EQ(Model().m_sections.size(), 1u);
    EXPECT_FALSE(tools.IsBusy());
    tools.CalculateProperties({section.id}, 1, 0.0, false, false);
    EXPECT_FALSE(tools.IsBusy());
}

TEST_F(DocumentCommands, InputQueuedWhileACalculationRunsIsTakenBeforeItReturns)
{
    const int colour[3] = {255, 0, 0};
    tools.GenerateSection("", SECTION_PLANE, {1, 2, 3, 4}, false, 0.0, colour, "", false, false, 0.0);
    ASSERT_EQ(Model().m_sections.size(), 1u);
    T_SECTION_D& section = *Model().m_sections.begin()->second;
    for (auto& [id, domain] : section.domains)
        domain->materialId = 1;
    // A click arrives while the work holds its picture, after its last look
    // at the queue: the end of the work takes it, so it cannot run later.
    frame.onCall = [this](const std::string& call) {
        if (call.rfind("HoldMilliseconds", 0) == 0)
            user.QueuePendingMessages({PolledMessage::OtherMessage});
    };
    tools.CalculateProperties({section.id}, 1, 0.0, false, false);
    ASSERT_TRUE(section.propertiesCalculated);
    EXPECT_EQ(frame.Count("HoldMilliseconds 1000"), 1);
    EXPECT_EQ(user.TakePendingMessage(), PolledMessage::QueueEmpty);
}

TEST_F(DocumentCommands, FormatZeroExportsWriteProjectFilesAndOtherCodesWriteNothing)
{
    const int colour[3] = {0, 0, 255};
    tools.GenerateSection("S1", SECTION_PLANE, {1, 2, 3, 4}, false, 0.0, colour, "", false, false, 0.0);
    ASSERT_TRUE(tools.AddToGroup("G1", {}, {5}, {}));
    Settle();
    const fs::path folder = fs::temp_directory_path() / ("klx-exports-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string sections = (folder / "sections.klx").string();
    const std::string group = (folder / "group.klx").string();

    EXPECT_TRUE(tools.ExportSections({1}, sections, 0, true, 5.0));
    EXPECT_TRUE(tools.ExportGroup("G1", group, 0));
    for (int format : {6, -1}) {
        const std::string unwritten = (folder / ("format" + std::to_string(format))).string();
        EXPECT_FALSE(tools.ExportSections({1}, unwritten, format, false, 0.0));
        EXPECT_FALSE(tools.ExportGroup("G1", unwritten, format));
        EXPECT_FALSE(fs::exists(unwritten));
    }
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(frame.calls.empty());

    CSectModel reread;
    reread.m_reporter.SetPorts(user.Ports());
    ASSERT_TRUE(reread.ReadProjectFile(sections, false));
    ASSERT_EQ(reread.m_sections.size(), 1u);
    EXPECT_EQ(reread.m_sections.begin()->second->name, "S1");
    EXPECT_EQ(reread.m_curves.size(), 4u);
    ASSERT_TRUE(reread.ReadProjectFile(group, false));
    EXPECT_TRUE(reread.m_sections.empty());
    EXPECT_EQ(reread.m_curves.size(), 1u);
    EXPECT_EQ(reread.m_points.size(), 2u);
    fs::remove_all(folder);
}

// The Redefine page's one call: a No to the clash question ends it whole,
// the colour ticked with the name included.
TEST_F(DocumentCommands, RedefineSectionWithANoToTheNameClashChangesNothing)
{
    const int blue[3] = {0, 0, 255};
    const int red[3] = {255, 0, 0};
    tools.GenerateSection("A", SECTION_PLANE, {1, 2, 3, 4}, false, 0.0, blue, "", false, false, 0.0);
    WidenFreeLine(Model());
    tools.GenerateSection("B", SECTION_LINE, {5}, false, 0.0, blue, "", false, false, 0.0);
    ASSERT_EQ(Model().m_sections.size(), 2u);
    const int b = Model().m_sections.rbegin()->first;
    Settle();
    const int undoTop = Model().m_undoTopId;

    user.QueueAnswers({false});
    tools.RedefineSection(b, "a", false, 0.0, true, red);
    EXPECT_EQ(user.questions.size(), 1u);
    const T_SECTION_D& section = *Model().FindSection(b);
    EXPECT_EQ(section.name, "B");
    EXPECT_EQ(std::vector<int>(section.colour, section.colour + 3), std::vector<int>(blue, blue + 3));
    EXPECT_EQ(Model().m_undoTopId, undoTop);
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(frame.calls.empty()) << frame.calls.front();
    EXPECT_TRUE(user.lines.empty()) << user.lines.front();
}

TEST_F(DocumentCommands, SectionLocationsAreSortedWithoutNeighboursCloserThanAMillionth)
{
    const int colour[3] = {0, 0, 0};
    for (double location : {0.0, 5.0, 5.0000000004, 2.0}) {
        auto section = std::make_unique<T_SECTION_D>();
        section->id = Model().m_nextSectionId++;
        section->hasLocation = true;
        section->location = location;
        std::copy(colour, colour + 3, section->colour);
        Model().m_sections[section->id] = std::move(section);
    }
    auto unplaced = std::make_unique<T_SECTION_D>();
    unplaced->id = Model().m_nextSectionId++;
    unplaced->location = 7.0;
    Model().m_sections[unplaced->id] = std::move(unplaced);

    std::vector<double> locations{99.0};
    tools.GetSectionLocations(locations);
    EXPECT_EQ(locations, (std::vector<double>{0.0, 2.0, 5.0000000004}));
    EXPECT_FALSE(document.IsModified());
    EXPECT_TRUE(frame.calls.empty());
}

// Commands that run to the end but change nothing: the project stays
// unmodified and the next Undo takes back the step before.
TEST_F(DocumentCommands, ACommandThatChangesNothingLeavesTheProjectUnmodified)
{
    const double onTheLine1[2] = {0.0, 0.0};
    const double onTheLine2[2] = {1000.0, 0.0};
    const double corner[2] = {100.0, 50.0};
    const struct {
        const char* name;
        std::function<bool(IToolDocument&)> run;
    } cases[] = {
        {"intersect lines that do not meet", [](IToolDocument& d) { return d.IntersectCurves({2, 5}, false); }},
        {"extend a curve that ends on the base", [](IToolDocument& d) { return d.ExtendCurves(4, {1}, false); }},
        {"mirror a point on the mirror line",
         [&](IToolDocument& d) { return d.MirrorPoints({5}, onTheLine1, onTheLine2); }},
        {"rename a group to its own name", [](IToolDocument& d) { return d.RenameGroup("G1", "G1"); }},
        {"draw a rectangle over the one there",
         [&](IToolDocument& d) { return d.CreateRectangle(kOrigin, corner, ALIGN_CENTER, 0.0); }},
    };
    const std::string title = Model().GetCurrentUndoAction()->title;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Settle();
        const int undoTop = Model().m_undoTopId;
        EXPECT_TRUE(c.run(tools));
        EXPECT_FALSE(document.IsModified());
        EXPECT_EQ(Model().m_undoTopId, undoTop);
        EXPECT_EQ(Model().GetCurrentUndoAction()->title, title);
    }
}

TEST_F(DocumentCommands, UndoTakesBackExactlyTheEqualizationUnderItsOwnTitle)
{
    const double before5[2] = {Model().FindPoint(5)->xy[0], Model().FindPoint(5)->xy[1]};
    const double middle[2] = {250.0, 0.0};
    ASSERT_TRUE(tools.EqualizePoints({5, 6}, true, middle, true));
    const std::string title = Model().GetCurrentUndoAction()->title;
    EXPECT_FALSE(title.empty());
    EXPECT_EQ(Model().m_points.size(), 5u);

    document.OnEditUndo();
    EXPECT_EQ(user.LastLine(), "Undo: " + title);
    ASSERT_EQ(Model().m_points.size(), 6u);
    EXPECT_EQ(Model().FindPoint(5)->xy[0], before5[0]);
    EXPECT_EQ(Model().FindPoint(5)->xy[1], before5[1]);
    EXPECT_EQ(Model().FindCurve(5)->pointIds, (std::vector<int>{5, 6}));
    // The line made before is still there: only the equalization went back.
    EXPECT_EQ(Model().m_curves.size(), 5u);
    EXPECT_EQ(Model().GetCurrentUndoAction()->title.rfind("Create new group", 0), 0u);
}

}  // namespace
