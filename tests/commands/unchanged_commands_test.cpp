// Commands that run to the end but in the end change nothing: they file no
// undo step, keep the redo history and leave the model as it was, whatever
// their result.

#include "CommandTestSupport.h"

#include <functional>

namespace {

struct UnchangedCase {
    const char* name;
    std::function<bool(CSectModel&)> run;
    bool result;
};

void PrintTo(const UnchangedCase& c, std::ostream* out)
{
    *out << c.name;
}

// A 100 x 50 rectangle of lines (curves 1-4: left, top, right, bottom side;
// points 1-4 from the origin clockwise), a free line from (200, 0) to
// (300, 0) (curve 5, points 5 and 6), two free points 0.2 apart (7 and 8),
// material 1, UCS 1 and group "G" holding curve 5; and one undone step, so
// that there is a redo history to keep.
class UnchangedCommands : public CommandTest, public testing::WithParamInterface<UnchangedCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(model.CreateRectangle(P(0, 0).data(), P(100, 50).data(), ALIGN_CENTER, 0.0));
        ASSERT_TRUE(model.CreateLine(P(200, 0).data(), P(300, 0).data(), ALIGN_CENTER, 0.0));
        AddPoint(400, 400);
        AddPoint(400.2, 400);
        ASSERT_TRUE(model.CreateMaterial(1, "Steel", 1000.0, 0.3));
        ASSERT_TRUE(model.CreateUcs(UCS_BY_ORIGIN_AND_ANGLE, "U", P(10, 20).data(), 30.0, P(0, 0).data(),
                                    P(0, 0).data()));
        ASSERT_TRUE(model.AddToGroup("G", {}, {5}, {}, true));
        ASSERT_TRUE(model.CreatePointByCoordinate(P(-50, -50).data()));
        ASSERT_TRUE(model.Undo(false));
        ASSERT_FALSE(model.IsRedoEmpty());
        user.ClearRecords();
    }
};

TEST_P(UnchangedCommands, FileNoStepAndKeepTheRedoHistory)
{
    const UnchangedCase& c = GetParam();
    const ModelState before = CaptureState(model);
    const T_ACTION_D* undoTop = model.GetCurrentUndoAction();
    const T_ACTION_D* redoTop = model.GetCurrentRedoAction();
    const int undoTopId = model.m_undoTopId;
    const int redoTopId = model.m_redoTopId;
    model.TakeUndoStepFiled();

    EXPECT_EQ(c.run(model), c.result);

    EXPECT_EQ(CaptureState(model), before);
    EXPECT_EQ(model.m_undoTopId, undoTopId);
    EXPECT_EQ(model.GetCurrentUndoAction(), undoTop);
    EXPECT_EQ(model.m_redoTopId, redoTopId);
    EXPECT_EQ(model.GetCurrentRedoAction(), redoTop);
    EXPECT_FALSE(model.TakeUndoStepFiled()) << "the project would be marked modified";
    EXPECT_TRUE(user.boxes.empty()) << user.boxes.front().text;
}

INSTANTIATE_TEST_SUITE_P(
    Commands, UnchangedCommands,
    testing::Values(
        UnchangedCase{"IntersectLinesThatDoNotMeet",
                      [](CSectModel& m) { return m.IntersectCurves({2, 5}, false, true); }, true},
        UnchangedCase{"IntersectAndSplitLinesThatDoNotMeet",
                      [](CSectModel& m) { return m.IntersectCurves({2, 5}, true, true); }, true},
        UnchangedCase{"ExtendACurveThatEndsOnTheBaseCurve",
                      [](CSectModel& m) { return m.ExtendCurves(4, {1}, false); }, true},
        UnchangedCase{"MirrorAPointOnTheMirrorLine",
                      [](CSectModel& m) { return m.MirrorPoints({5}, P(0, 0).data(), P(1000, 0).data()); },
                      true},
        UnchangedCase{"CopyAPointOnTheMirrorLine",
                      [](CSectModel& m) {
                          return m.CopyPointsByMirroring({5}, P(0, 0).data(), P(1000, 0).data(), true,
                                                         ALIGN_CENTER, 0.0);
                      },
                      true},
        UnchangedCase{"RectangleOverAnExistingOne",
                      [](CSectModel& m) {
                          return m.CreateRectangle(P(100, 50).data(), P(0, 0).data(), ALIGN_CENTER, 0.0);
                      },
                      true},
        UnchangedCase{"EqualizeFreePointsIntoTheOneAtTheirAverage",
                      [](CSectModel& m) { return m.EqualizePoints({7, 8}, false, P(0, 0).data(), false, true); },
                      true},
        UnchangedCase{"ChangeWidthsToTheirOwn",
                      [](CSectModel& m) {
                          const std::vector<int> ids{1, 5};
                          const int center = 0;  // the argument's code, not the stored one
                          return m.ChangeCurveWidths(&ids, true, center, false, 0.0);
                      },
                      true},
        UnchangedCase{"RenameAGroupToItsOwnName", [](CSectModel& m) { return m.RenameGroup("G", "G"); }, true},
        UnchangedCase{"AddMembersAGroupHolds",
                      [](CSectModel& m) { return m.AddToGroup("G", {}, {5}, {5, 6}, true); }, true},
        UnchangedCase{"AddIdsThatNoObjectHas",
                      [](CSectModel& m) { return m.AddToGroup("G", {99}, {77}, {904}, true); }, true},
        UnchangedCase{"ExpelWhatAGroupDoesNotHold",
                      [](CSectModel& m) { return m.ExpelFromGroup("G", {}, {1}, {7}); }, true},
        UnchangedCase{"RedefineAMaterialAsItIs",
                      [](CSectModel& m) { return m.RedefineMaterial(1, "Steel", 1000.0, 0.3); }, true},
        UnchangedCase{"RedefineAUcsAsItIs",
                      [](CSectModel& m) {
                          return m.RedefineUcs(1, UCS_BY_ORIGIN_AND_ANGLE, "", P(10, 20).data(), 30.0,
                                               P(0, 0).data(), P(0, 0).data());
                      },
                      true}),
    [](const testing::TestParamInfo<UnchangedCase>& info) { return std::string(info.param.name); });

} // namespace
