// A command that runs to the end but changes nothing files no undo step. It
// must then say so, and claim no change: the user's next Undo takes back the
// step before it, as its output lets them expect.

#include "CommandTestSupport.h"

#include <functional>

namespace {

class NothingChangedReports;

struct NothingChangedCase {
    const char* name;
    // Builds, with fresh ids from 1, the records the command needs.
    std::function<void(NothingChangedReports&)> build;
    std::function<bool(CSectModel&)> run;
    const char* line;
};

void PrintTo(const NothingChangedCase& c, std::ostream* out)
{
    *out << c.name;
}

class NothingChangedReports : public CommandTest, public testing::WithParamInterface<NothingChangedCase> {
public:
    using CommandTest::AddCurve;
    using CommandTest::AddCurveThrough;
    using CommandTest::AddPoint;
    using CommandTest::model;

    // A curve through new points, with that alignment and width.
    int AddWall(const std::vector<std::vector<double>>& positions, int alignment, double width)
    {
        const int id = AddCurve(positions);
        model.FindCurve(id)->alignment = alignment;
        model.FindCurve(id)->width = width;
        return id;
    }
};

TEST_P(NothingChangedReports, SayNothingChangedAndLeaveTheStepBeforeToUndo)
{
    const NothingChangedCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(c.build(*this));
    const ModelState beforeStepBefore = CaptureState(model);
    const int stepBeforePoint = model.m_nextPointId;
    ASSERT_TRUE(model.CreatePointByCoordinate(P(-5000, -5000).data()));
    const ModelState beforeCommand = CaptureState(model);
    user.ClearRecords();

    EXPECT_TRUE(c.run(model));

    EXPECT_EQ(user.lines, std::vector<std::string>{c.line});
    EXPECT_TRUE(user.boxes.empty()) << user.boxes.front().text;
    EXPECT_EQ(CaptureState(model), beforeCommand);

    user.ClearRecords();
    ASSERT_TRUE(model.Undo(true));
    EXPECT_EQ(user.lines, std::vector<std::string>{"Undo: Create new point [" + std::to_string(stepBeforePoint)
                                                   + "] by coordinate"});
    EXPECT_EQ(CaptureState(model), beforeStepBefore);
}

// The average (0.1, 0) lies within the tolerance of point 1; point 2 is held
// by no curve and is kept.
void TwoFreePointsCloseTogether(NothingChangedReports& t)
{
    t.AddPoint(0, 0);
    t.AddPoint(0.2, 0);
}

// Default tolerance 1.0 throughout.
INSTANTIATE_TEST_SUITE_P(
    Commands, NothingChangedReports,
    testing::Values(
        NothingChangedCase{"RectangleDrawnAgain",
                           [](NothingChangedReports& t) {
                               ASSERT_TRUE(t.model.CreateRectangle(P(0, 0).data(), P(200, 100).data(), ALIGN_CENTER,
                                                                   0.0));
                           },
                           [](CSectModel& m) {
                               return m.CreateRectangle(P(0, 0).data(), P(200, 100).data(), ALIGN_CENTER, 0.0);
                           },
                           "Nothing is changed: the rectangle's four sides already exist."},
        // 0.005 of 100 lies within the tolerance of the start point.
        NothingChangedCase{"SplitByRatioAtAnEnd", [](NothingChangedReports& t) { t.AddCurve({{0, 0}, {100, 0}}); },
                           [](CSectModel& m) { return m.CreatePointsOnCurvesByRatio({1}, 0.005, true); },
                           "Nothing is changed: every point falls on an end of its curve."},
        NothingChangedCase{"InterpolateOnAVertex",
                           [](NothingChangedReports& t) { t.AddCurve({{0, 0}, {50, 0}, {100, 0}}); },
                           [](CSectModel& m) { return m.CreatePointsOnCurvesByInterpolation({1}, 1, 0.0, false); },
                           "Nothing is changed: every point falls on a point its curve already has."},
        NothingChangedCase{"InterpolateBetweenPointsOntoAPoint",
                           [](NothingChangedReports& t) {
                               t.AddPoint(0, 0);
                               t.AddPoint(100, 0);
                               t.AddPoint(50, 0.5);
                           },
                           [](CSectModel& m) { return m.CreatePointsBetweenPointsByInterpolation(1, 2, 1, 0.0); },
                           "Nothing is changed: every point falls on an existing point."},
        // A spacing of 200 on a length of 100 asks for no point at all.
        NothingChangedCase{"InterpolateWithASpacingLongerThanTheCurve",
                           [](NothingChangedReports& t) { t.AddCurve({{0, 0}, {100, 0}}); },
                           [](CSectModel& m) { return m.CreatePointsOnCurvesByInterpolation({1}, 0, 200.0, false); },
                           "Nothing is changed: the spacing places no point on the curve."},
        NothingChangedCase{"SplitWithASpacingLongerThanTheCurve",
                           [](NothingChangedReports& t) { t.AddCurve({{0, 0}, {100, 0}}); },
                           [](CSectModel& m) { return m.CreatePointsOnCurvesByInterpolation({1}, 0, 200.0, true); },
                           "Nothing is changed: the spacing places no point on the curve."},
        NothingChangedCase{"InterpolateWithASpacingLongerThanEveryCurve",
                           [](NothingChangedReports& t) {
                               t.AddCurve({{0, 0}, {100, 0}});
                               t.AddCurve({{0, 50}, {120, 50}});
                           },
                           [](CSectModel& m) {
                               return m.CreatePointsOnCurvesByInterpolation({1, 2}, 0, 200.0, false);
                           },
                           "Nothing is changed: the spacing places no point on any curve."},
        NothingChangedCase{"InterpolateOnNoCurve", [](NothingChangedReports&) {},
                           [](CSectModel& m) { return m.CreatePointsOnCurvesByInterpolation({}, 2, 0.0, false); },
                           "Nothing is changed: no curve is given."},
        NothingChangedCase{"InterpolateBetweenPointsWithASpacingLongerThanTheirDistance",
                           [](NothingChangedReports& t) {
                               t.AddPoint(0, 0);
                               t.AddPoint(100, 0);
                           },
                           [](CSectModel& m) { return m.CreatePointsBetweenPointsByInterpolation(1, 2, 0, 500.0); },
                           "Nothing is changed: the spacing places no point between the two points."},
        NothingChangedCase{"RotateThePointAtTheCentre", [](NothingChangedReports& t) { t.AddPoint(10, 10); },
                           [](CSectModel& m) { return m.RotatePoints({1}, P(10, 10).data(), 90.0); },
                           "Nothing is changed: the rotation leaves every point where it is."},
        NothingChangedCase{"MirrorAPointOnTheLine", [](NothingChangedReports& t) { t.AddPoint(5, 0); },
                           [](CSectModel& m) { return m.MirrorPoints({1}, P(0, 0).data(), P(10, 0).data()); },
                           "Nothing is changed: the mirroring leaves every point where it is."},
        NothingChangedCase{"CopyAPointOntoAPointUnjoined",
                           [](NothingChangedReports& t) {
                               t.AddPoint(0, 0);
                               t.AddPoint(10, 0);
                           },
                           [](CSectModel& m) {
                               return m.CopyPointsByTranslation({1}, 10.0, 0.0, 1, false, ALIGN_CENTER, 0.0);
                           },
                           "Nothing is changed: every copy falls on an existing point."},
        NothingChangedCase{"CopyThePointAtTheCentreJoined", [](NothingChangedReports& t) { t.AddPoint(0, 0); },
                           [](CSectModel& m) {
                               return m.CopyPointsByRotation({1}, P(0, 0).data(), 90.0, 4, true, ALIGN_CENTER, 0.0);
                           },
                           "Nothing is changed: every copy falls on an existing point."},
        NothingChangedCase{"CopyAPointOnTheMirrorLine", [](NothingChangedReports& t) { t.AddPoint(5, 0); },
                           [](CSectModel& m) {
                               return m.CopyPointsByMirroring({1}, P(0, 0).data(), P(10, 0).data(), true,
                                                              ALIGN_CENTER, 0.0);
                           },
                           "Nothing is changed: every copy falls on an existing point."},
        NothingChangedCase{"RotateALineOfNoLengthAtTheCentre",
                           [](NothingChangedReports& t) { t.AddCurve({{0, 0}, {0, 0}}); },
                           [](CSectModel& m) { return m.RotateCurves({1}, P(0, 0).data(), 45.0); },
                           "Nothing is changed: the rotation leaves every curve where it is."},
        NothingChangedCase{"MirrorACentredLineOnTheLine",
                           [](NothingChangedReports& t) { t.AddCurve({{0, 0}, {100, 0}}); },
                           [](CSectModel& m) { return m.MirrorCurves({1}, P(-10, 0).data(), P(10, 0).data()); },
                           "Nothing is changed: the mirroring leaves every curve where it is."},
        NothingChangedCase{"CopyNoCurveByTranslation", [](NothingChangedReports&) {},
                           [](CSectModel& m) {
                               return m.CopyCurvesByTranslation({}, 0.0, 5.0, 3, true, ALIGN_CENTER, 0.0);
                           },
                           "Nothing is changed: no curve is given."},
        NothingChangedCase{"CopyNoCurveByRotation", [](NothingChangedReports&) {},
                           [](CSectModel& m) {
                               return m.CopyCurvesByRotation({}, P(0, 0).data(), 90.0, 1, false, ALIGN_CENTER, 0.0);
                           },
                           "Nothing is changed: no curve is given."},
        NothingChangedCase{"CopyNoCurveByMirroring", [](NothingChangedReports&) {},
                           [](CSectModel& m) {
                               return m.CopyCurvesByMirroring({}, P(0, 0).data(), P(1, 0).data(), false,
                                                              ALIGN_CENTER, 0.0);
                           },
                           "Nothing is changed: no curve is given."},
        NothingChangedCase{"ReverseACurveThatRunsThereAndBack",
                           [](NothingChangedReports& t) {
                               const int a = t.AddPoint(0, 0);
                               const int b = t.AddPoint(100, 0);
                               t.AddCurveThrough({a, b, a});
                           },
                           [](CSectModel& m) {
                               const std::vector<int> ids{1};
                               return m.ReverseCurves(&ids, false);
                           },
                           "Nothing is changed: every curve runs through the same points either way."},
        NothingChangedCase{"ChangeAWidthToItsOwn",
                           [](NothingChangedReports& t) { t.AddWall({{0, 0}, {100, 0}}, ALIGN_LEFT, 5.0); },
                           [](CSectModel& m) {
                               const std::vector<int> ids{1};
                               return m.ChangeCurveWidths(&ids, false, 0, true, 5.0);
                           },
                           "Nothing is changed: every curve already has the width asked for."},
        NothingChangedCase{"ConvertAWidthWhoseOutlineIsDrawn",
                           [](NothingChangedReports& t) {
                               t.AddWall({{0, 0}, {100, 0}}, ALIGN_CENTER, 10.0);
                               ASSERT_TRUE(t.model.ConvertCurveWidths({1}, true, true, false));
                           },
                           [](CSectModel& m) { return m.ConvertCurveWidths({1}, true, true, false); },
                           "Nothing is changed: every side of the widths' outlines is already drawn or has no "
                           "length."},
        NothingChangedCase{"EqualizeFreePointsIntoOneOfThem", TwoFreePointsCloseTogether,
                           [](CSectModel& m) { return m.EqualizePoints({1, 2}, false, P(0, 0).data(), false, true); },
                           "Nothing is changed: the merged point already exists and no curve uses the points merged "
                           "into it."},
        NothingChangedCase{"EqualizeFreePointsInToleranceIntoOneOfThem", TwoFreePointsCloseTogether,
                           [](CSectModel& m) {
                               return m.EqualizePointsInTolerance({1, 2}, 0.5, false, P(0, 0).data(), false, true);
                           },
                           "Nothing is changed: each merged point already exists and no curve uses the points merged "
                           "into it."},
        NothingChangedCase{"ExtendACurveThatEndsOnTheBase",
                           [](NothingChangedReports& t) {
                               t.AddCurve({{0, 0}, {0, 100}});
                               t.AddCurve({{0, 50}, {50, 50}});
                           },
                           [](CSectModel& m) { return m.ExtendCurves(1, {2}, false); },
                           "Nothing is changed: no curve end can be lengthened to meet the base curve."},
        NothingChangedCase{"IntersectLinesThatDoNotMeet",
                           [](NothingChangedReports& t) {
                               t.AddCurve({{0, 0}, {100, 0}});
                               t.AddCurve({{0, 50}, {100, 50}});
                           },
                           [](CSectModel& m) { return m.IntersectCurves({1, 2}, true, true); },
                           "Nothing is changed: the curves meet nowhere but at points they already have."},
        NothingChangedCase{"ScaleALineOfNoLength", [](NothingChangedReports& t) { t.AddCurve({{5, 5}, {5, 5}}); },
                           [](CSectModel& m) { return m.ScaleLines({1}, 2.0); },
                           "Nothing is changed: every line has no length to scale."},
        NothingChangedCase{"ShortestPathFromAVertexUnsplit",
                           [](NothingChangedReports& t) { t.AddCurve({{0, 0}, {50, 0}, {100, 0}}); },
                           [](CSectModel& m) {
                               return m.CreateShortestPathLines({1}, P(50, 0).data(), false, ALIGN_CENTER, 0.0);
                           },
                           "Nothing is changed: the base point already lies on each curve at one of its points."},
        // A curve of no length has no foot to draw a path to.
        NothingChangedCase{"ShortestPathToACurveOfNoLength",
                           [](NothingChangedReports& t) {
                               t.AddCurve({{5, 5}, {5, 5}});
                               t.AddPoint(50, 0);
                           },
                           [](CSectModel& m) {
                               return m.CreateShortestPathLines({1}, P(50, 0).data(), false, ALIGN_CENTER, 0.0);
                           },
                           "Nothing is changed: the curve has no length."},
        NothingChangedCase{"ShortestPathFromAVertexAndToACurveOfNoLength",
                           [](NothingChangedReports& t) {
                               t.AddCurve({{0, 0}, {50, 0}, {100, 0}});
                               t.AddCurve({{5, 5}, {5, 5}});
                           },
                           [](CSectModel& m) {
                               return m.CreateShortestPathLines({1, 2}, P(50, 0).data(), false, ALIGN_CENTER, 0.0);
                           },
                           "Nothing is changed: each curve has no length or has the base point at one of its "
                           "points."},
        NothingChangedCase{"ShortestPathToNoCurve", [](NothingChangedReports& t) { t.AddPoint(50, 0); },
                           [](CSectModel& m) {
                               return m.CreateShortestPathLines({}, P(50, 0).data(), false, ALIGN_CENTER, 0.0);
                           },
                           "Nothing is changed: no curve is given."}),
    [](const testing::TestParamInfo<NothingChangedCase>& info) { return std::string(info.param.name); });

} // namespace
