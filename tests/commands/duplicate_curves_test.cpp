#include "TopologyTestSupport.h"

#include "model/TextFormat.h"

#include <algorithm>
#include <random>
#include <set>

namespace {

class DeleteDuplicateCurvesTest : public TopologyTest {
protected:
    void DeleteDuplicates(const std::vector<int>& curveIds)
    {
        model.BeginUndoAction();
        model.DeleteDuplicateCurves(curveIds);
    }
};

TEST_F(DeleteDuplicateCurvesTest, ReversedTwoPointLineGoesAndTheFirstListedStays)
{
    const int a = AddPoint(0, 0), b = AddPoint(10, 0);
    const int first = AddCurveThrough({a, b});
    const int second = AddCurveThrough({b, a});
    const ModelState before = CaptureState(model);
    DeleteDuplicates({second, first});
    EXPECT_EQ(AllCurveIds(), std::vector<int>{second});
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 duplicate curve is deleted."});
    EXPECT_EQ(AllPointIds(), (std::vector<int>{a, b}));
    ExpectUndoRedoRestores(before);
}

TEST_F(DeleteDuplicateCurvesTest, ThreePointCurvesCompareTheirHalfLengthPoints)
{
    const int a = AddPoint(0, 0), b = AddPoint(10, 0);
    const int up = AddPoint(5, 5), down = AddPoint(5, -5), nearUp = AddPoint(5.3, 5);
    const int arcUp = AddCurveThrough({a, up, b});
    const int arcDown = AddCurveThrough({b, down, a});
    DeleteDuplicates({arcUp, arcDown});
    EXPECT_EQ(model.m_curves.size(), 2u);
    EXPECT_TRUE(user.lines.empty());

    // Same ends and a half-length point within the tolerance of arcUp's.
    const int arcNearUp = AddCurveThrough({a, nearUp, b});
    const int thirdCopy = AddCurveThrough({b, up, a});
    DeleteDuplicates({arcUp, arcDown, arcNearUp, thirdCopy});
    EXPECT_EQ(AllCurveIds(), (std::vector<int>{arcUp, arcDown}));
    EXPECT_EQ(user.LastLine(), "2 duplicate curves are deleted.");
}

TEST_F(DeleteDuplicateCurvesTest, SectionCurvesTakeNoPartAndBrokenOnesGo)
{
    const int a = AddPoint(0, 0), b = AddPoint(10, 0);
    const int sectionLine = AddCurveThrough({a, b});
    const int free = AddCurveThrough({a, b});
    const int broken = AddCurveThrough({a, 77});
    AddSection(SECTION_LINE, {sectionLine});
    DeleteDuplicates({sectionLine, free, broken});
    EXPECT_EQ(AllCurveIds(), (std::vector<int>{sectionLine, free}));
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 duplicate curve is deleted."});
    ExpectNoDanglingIds();
}

TEST_F(DeleteDuplicateCurvesTest, ClosedLoopCurvesSurviveTheirFreeDuplicates)
{
    const int a = AddPoint(0, 0), b = AddPoint(10, 0);
    // The free line is listed first, yet the loop's curve is the one kept.
    const int free = AddCurveThrough({a, b});
    const int loopLine = AddCurveThrough({b, a});
    const int otherLoopLine = AddCurveThrough({a, b});
    AddLoop({loopLine});
    AddLoop({otherLoopLine});
    const ModelState before = CaptureState(model);
    DeleteDuplicates({free, loopLine, otherLoopLine});
    EXPECT_EQ(AllCurveIds(), (std::vector<int>{loopLine, otherLoopLine}));
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 duplicate curve is deleted."});
    ExpectNoDanglingIds();
    ExpectUndoRedoRestores(before);
}

// The rule written out plainly: every kept curve, loop curves first, is
// compared with every other listed curve.
class PairwiseDuplicateReference {
public:
    explicit PairwiseDuplicateReference(const CSectModel& model) : model_(model) {}

    // The ids deleted, in list order.
    std::vector<int> Deleted(const std::vector<int>& list)
    {
        std::vector<int> order;
        for (bool loopCurves : {true, false}) {
            for (int id : list) {
                const T_CURVE_D* c = model_.FindCurve(id);
                if (c && c->sectionId == 0 && !c->closedLoopIds.empty() == loopCurves)
                    order.push_back(id);
            }
        }
        for (int id : order) {
            const T_CURVE_D& c = *model_.FindCurve(id);
            if (dropped_.contains(id))
                continue;
            if (c.pointIds.size() < 2 || !HasEnds(c)) {
                if (c.closedLoopIds.empty())
                    dropped_.insert(id);
                continue;
            }
            for (int otherId : list) {
                const T_CURVE_D* d = model_.FindCurve(otherId);
                if (!d || otherId == id || dropped_.contains(otherId) || d->sectionId != 0
                    || !d->closedLoopIds.empty() || d->pointIds.size() != c.pointIds.size())
                    continue;
                Compare(c, *d);
                if (dropped_.contains(id))
                    break;
            }
        }
        std::vector<int> deleted;
        for (int id : list) {
            const T_CURVE_D* c = model_.FindCurve(id);
            if (c && dropped_.contains(id) && c->sectionId == 0 && c->closedLoopIds.empty()
                && std::find(deleted.begin(), deleted.end(), id) == deleted.end())
                deleted.push_back(id);
        }
        return deleted;
    }

private:
    bool HasEnds(const T_CURVE_D& c) const
    {
        return model_.FindPoint(c.pointIds.front()) && model_.FindPoint(c.pointIds.back());
    }

    void Compare(const T_CURVE_D& c, const T_CURVE_D& d)
    {
        if (!HasEnds(d)) {
            dropped_.insert(d.id);
            return;
        }
        const int c0 = c.pointIds.front(), c1 = c.pointIds.back();
        const int d0 = d.pointIds.front(), d1 = d.pointIds.back();
        if (!((c0 == d0 && c1 == d1) || (c0 == d1 && c1 == d0)))
            return;
        if (d.pointIds.size() == 2) {
            dropped_.insert(d.id);
            return;
        }
        double halfC[2], halfD[2];
        const bool hasHalfC = HalfLengthPoint(c, halfC);
        const bool hasHalfD = HalfLengthPoint(d, halfD);
        if (!hasHalfC)
            dropped_.insert(c.id);
        if (!hasHalfD)
            dropped_.insert(d.id);
        if (hasHalfC && hasHalfD && std::hypot(halfC[0] - halfD[0], halfC[1] - halfD[1]) < model_.m_tolerance)
            dropped_.insert(d.id);
    }

    bool HalfLengthPoint(const T_CURVE_D& c, double half[2]) const
    {
        std::vector<const T_POINT_D*> points;
        for (int id : c.pointIds) {
            points.push_back(model_.FindPoint(id));
            if (!points.back())
                return false;
        }
        const auto length = [&](size_t k) {
            return std::hypot(points[k + 1]->xy[0] - points[k]->xy[0], points[k + 1]->xy[1] - points[k]->xy[1]);
        };
        double remaining = 0.0;
        for (size_t k = 0; k + 1 < points.size(); ++k)
            remaining += length(k);
        remaining *= 0.5;
        for (size_t k = 0; k + 1 < points.size(); ++k) {
            const double l = length(k);
            if (l > remaining || std::fabs(l - remaining) < model_.m_tolerance) {
                const double share = l > 0.0 ? remaining / l : 0.0;
                for (int axis = 0; axis < 2; ++axis)
                    half[axis] = points[k]->xy[axis] + (points[k + 1]->xy[axis] - points[k]->xy[axis]) * share;
                return true;
            }
            remaining -= l;
        }
        half[0] = points.back()->xy[0];
        half[1] = points.back()->xy[1];
        return true;
    }

    const CSectModel& model_;
    std::set<int> dropped_;
};

// Random small drawings, each over a few points of its own, so that curves
// share their ends often: reversed and closed duplicates, near and far half-length points,
// curves of sections and of loops, missing points and ids, repeated ids.
class RandomDuplicatesTest : public TopologyTest, public ::testing::WithParamInterface<unsigned> {
protected:
    void BuildDrawing(std::mt19937& random)
    {
        // Ends first, then inner points. Between (0, 0) and (10, 0) the inner
        // points (5, 5), (5.6, 5) and (7, 5) give half-length points of which
        // the first and the last lie beyond the tolerance of each other, but
        // within it of the middle one.
        const double spots[][2] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}, {5.6, 5}, {7, 5}, {5, -5}, {20, 0}};
        std::vector<int> points;
        for (const auto& spot : spots)
            points.push_back(AddPoint(spot[0], spot[1]));
        const int missingPoint = 999999;
        const auto pick = [&](int below) { return std::uniform_int_distribution<int>(0, below - 1)(random); };

        // Few end pairs, one of them closed.
        const int endPairs[][2] = {{0, 1}, {0, 1}, {0, 1}, {0, 2}, {0, 0}, {1, 8}};
        std::vector<int> curves;
        for (int i = 0; i < 30; ++i) {
            const auto& ends = endPairs[pick(6)];
            std::vector<int> ids = {points[ends[0]]};
            const int inner = pick(10) == 0 ? -1 : pick(3);  // -1: a curve of a single point
            for (int k = 0; k < inner; ++k)
                ids.push_back(pick(12) == 0 ? missingPoint : points[4 + pick(5)]);
            if (inner >= 0)
                ids.push_back(points[ends[1]]);
            if (pick(2) == 0)
                std::reverse(ids.begin(), ids.end());
            if (pick(16) == 0)
                ids.back() = missingPoint;
            curves.push_back(AddCurveThrough(ids));
        }
        for (int curve : curves) {
            const int role = pick(6);
            if (role == 0)
                AddSection(SECTION_LINE, {curve});
            else if (role <= 2)
                AddLoop({curve});
        }
        for (int curve : curves) {
            if (pick(8) != 0)
                list.push_back(curve);
            if (pick(16) == 0)
                list.push_back(curve);
        }
        list.push_back(999999);  // names no curve
    }

    std::vector<int> list;
};

TEST_P(RandomDuplicatesTest, DeletesWhatThePairwiseRuleDeletes)
{
    std::mt19937 random(GetParam());
    // Drawings of their own points share no key, so many fit in one list.
    for (int drawing = 0; drawing < 50; ++drawing)
        BuildDrawing(random);
    std::shuffle(list.begin(), list.end(), random);
    const std::vector<int> expected = PairwiseDuplicateReference(model).Deleted(list);
    std::vector<int> survivors = AllCurveIds();
    std::erase_if(survivors, [&](int id) { return std::find(expected.begin(), expected.end(), id) != expected.end(); });
    const ModelState before = CaptureState(model);

    model.BeginUndoAction();
    model.DeleteDuplicateCurves(list);
    EXPECT_EQ(AllCurveIds(), survivors);
    const std::vector<std::string> line = expected.empty() ? std::vector<std::string>{}
        : expected.size() == 1 ? std::vector<std::string>{"1 duplicate curve is deleted."}
                                : std::vector<std::string>{FormatText("%d duplicate curves are deleted.",
                                                                      static_cast<int>(expected.size()))};
    EXPECT_EQ(user.lines, line);
    // Only curves go; loops and sections keep every curve they name.
    EXPECT_EQ(CaptureState(model).points, before.points);
    for (const auto& [id, loop] : model.m_closedLoops)
        EXPECT_NE(model.FindCurve(std::abs(loop->curveIds[0])), nullptr);
    ExpectUndoRedoRestores(before);
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomDuplicatesTest, ::testing::Range(1u, 21u));

TEST_F(TopologyTest, UnshareGivesEachSharedPointOneCopyUsedByEveryOtherCurve)
{
    // The section's line a-b; two other curves through b.
    const int a = AddPoint(0, 0), b = AddPoint(10, 0), c = AddPoint(20, 0), d = AddPoint(10, 10);
    const int sectionLine = AddCurveThrough({a, b});
    const int other1 = AddCurveThrough({b, c});
    const int other2 = AddCurveThrough({d, b});
    model.m_points[b]->further[1] = 7.5;
    const ModelState before = CaptureState(model);
    model.BeginUndoAction();
    ASSERT_TRUE(model.UnsharePointsOfCurves({sectionLine}));
    const int copy = d + 1;
    EXPECT_EQ(CurvePoints(sectionLine), (std::vector<int>{a, b}));
    EXPECT_EQ(CurvePoints(other1), (std::vector<int>{copy, c}));
    EXPECT_EQ(CurvePoints(other2), (std::vector<int>{d, copy}));
    ExpectPointAt(copy, 10, 0);
    EXPECT_EQ(model.FindPoint(copy)->further[1], 7.5);
    EXPECT_EQ(NewcomerPoints(), std::vector<int>{copy});
    ExpectUndoRedoRestores(before);
}

TEST_F(TopologyTest, UnshareKeepsAnOutsideClosedCurveClosed)
{
    // Outside curve 5-6-7-5 shares its closing point 5 with the listed line.
    const int p4 = AddPoint(-10, 0), p5 = AddPoint(0, 0), p6 = AddPoint(10, 0), p7 = AddPoint(5, 8);
    const int listed = AddCurveThrough({p4, p5});
    const int closed = AddCurveThrough({p5, p6, p7, p5});
    model.BeginUndoAction();
    ASSERT_TRUE(model.UnsharePointsOfCurves({listed}));
    const int copy = p7 + 1;
    EXPECT_EQ(CurvePoints(closed), (std::vector<int>{copy, p6, p7, copy}));
    EXPECT_EQ(CurvePoints(listed), (std::vector<int>{p4, p5}));
    EXPECT_EQ(model.m_points.size(), 5u);
}

TEST_F(TopologyTest, UnshareWithNothingSharedChangesNothing)
{
    const int listed = AddCurve({{0, 0}, {10, 0}});
    AddCurve({{20, 0}, {30, 0}});
    model.AddNewcomerPoint(1, true);
    const ModelState before = CaptureState(model);
    ASSERT_TRUE(model.UnsharePointsOfCurves({listed, 99}));
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_EQ(NewcomerPoints(), std::vector<int>{1});
}

} // namespace
