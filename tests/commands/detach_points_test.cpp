#include "TopologyTestSupport.h"

namespace {

using Copies = std::vector<std::pair<int, int>>;

Copies AsPairs(const std::vector<PointCopy>& copies)
{
    Copies pairs;
    for (const PointCopy& copy : copies)
        pairs.emplace_back(copy.originalId, copy.copyId);
    return pairs;
}

TEST_F(TopologyTest, MovingCurvesTakeOneCopyOfEachPointLeftBehind)
{
    // Moving: the closed curve a-b-c-a and the line a-d. Staying: the line
    // a-e. Point b is used by the moving curves only.
    const int a = AddPoint(0, 0), b = AddPoint(10, 0), c = AddPoint(5, 8), d = AddPoint(-10, 0),
              e = AddPoint(0, -10);
    const int closed = AddCurveThrough({a, b, c, a});
    const int line = AddCurveThrough({a, d});
    const int staying = AddCurveThrough({a, e});
    model.m_points[a]->further[2] = 3.25;
    const ModelState before = CaptureState(model);

    model.BeginUndoAction();
    const auto copies = model.DetachPointsOfMovingCurves({closed, line, 99}, {}, {d, a, b, a, 77, c});
    const int copy = e + 1;
    EXPECT_EQ(AsPairs(copies), (Copies{{a, copy}}));
    EXPECT_EQ(CurvePoints(closed), (std::vector<int>{copy, b, c, copy}));
    EXPECT_EQ(CurvePoints(line), (std::vector<int>{copy, d}));
    EXPECT_EQ(CurvePoints(staying), (std::vector<int>{a, e}));
    ExpectPointAt(copy, 0, 0);
    EXPECT_EQ(model.FindPoint(copy)->further[2], 3.25);
    ExpectUndoRedoRestores(before);
}

struct CentroidCase {
    const char* name;
    bool calculated;
    bool sectionMoves;
    bool expectCopy;
};

void PrintTo(const CentroidCase& c, std::ostream* out)
{
    *out << c.name;
}

class MovingCurvesAndCentroidPoints : public TopologyTest, public ::testing::WithParamInterface<CentroidCase> {};

TEST_P(MovingCurvesAndCentroidPoints, DetachOnlyTheCentroidPointOfACalculatedSectionThatStays)
{
    const CentroidCase& c = GetParam();
    const int p = AddPoint(0, 0), q = AddPoint(10, 0);
    const int moving = AddCurveThrough({p, q});
    // The section's own line lies elsewhere; its centroid point is p.
    T_SECTION_D& section = AddSection(SECTION_LINE, {AddCurve({{50, 50}, {60, 50}})}, p);
    section.propertiesCalculated = c.calculated;
    const int sectionId = section.id;
    const int firstNewId = model.m_nextPointId;

    model.BeginUndoAction();
    std::vector<int> movingSections;
    if (c.sectionMoves)
        movingSections.push_back(sectionId);
    const auto copies = model.DetachPointsOfMovingCurves({moving}, movingSections, {p, q});
    EXPECT_EQ(model.FindSection(sectionId)->centroidPointId, p);
    if (c.expectCopy) {
        EXPECT_EQ(AsPairs(copies), (Copies{{p, firstNewId}}));
        EXPECT_EQ(CurvePoints(moving), (std::vector<int>{firstNewId, q}));
    } else {
        EXPECT_TRUE(copies.empty());
        EXPECT_EQ(CurvePoints(moving), (std::vector<int>{p, q}));
    }
}

INSTANTIATE_TEST_SUITE_P(Sections, MovingCurvesAndCentroidPoints,
                         ::testing::Values(CentroidCase{"CalculatedAndStaying", true, false, true},
                                           CentroidCase{"CalculatedAndMovingAlong", true, true, false},
                                           CentroidCase{"Uncalculated", false, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TopologyTest, OtherCurvesTakeCopiesOfTheChosenPointsOnly)
{
    // Kept: the line a-b. Others: the closed curve b-c-d-b, the line a-e and
    // the line c-e, which uses neither chosen point.
    const int a = AddPoint(0, 0), b = AddPoint(10, 0), c = AddPoint(20, 0), d = AddPoint(15, 8),
              e = AddPoint(0, 10);
    const int kept = AddCurveThrough({a, b});
    const int closed = AddCurveThrough({b, c, d, b});
    const int other = AddCurveThrough({a, e});
    const int untouched = AddCurveThrough({c, e});
    const int centroid = AddPoint(50, 50);
    const int section = AddSection(SECTION_LINE, {AddCurve({{40, 40}, {60, 40}})}, centroid).id;
    const ModelState before = CaptureState(model);
    model.AddNewcomerPoint(c, true);

    model.BeginUndoAction();
    // b first, so its copy takes the lower id; the section's centroid point
    // is chosen as well.
    const auto copies = model.DetachPointsFromOtherCurves({kept}, {b, a, b, centroid});
    const int copyB = model.m_nextPointId - 3, copyA = copyB + 1, copyCentroid = copyB + 2;
    EXPECT_EQ(AsPairs(copies), (Copies{{b, copyB}, {a, copyA}, {centroid, copyCentroid}}));
    EXPECT_EQ(CurvePoints(kept), (std::vector<int>{a, b}));
    EXPECT_EQ(CurvePoints(closed), (std::vector<int>{copyB, c, d, copyB}));
    EXPECT_EQ(CurvePoints(other), (std::vector<int>{copyA, e}));
    EXPECT_EQ(CurvePoints(untouched), (std::vector<int>{c, e}));
    EXPECT_EQ(model.FindSection(section)->centroidPointId, copyCentroid);
    ExpectPointAt(copyCentroid, 50, 50);
    EXPECT_EQ(NewcomerPoints(), std::vector<int>{c});

    ExpectUndoRedoRestores(before);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.FindSection(section)->centroidPointId, centroid);
}

TEST_F(TopologyTest, UnshareForANewSectionLeavesCentroidPointsShared)
{
    const int a = AddPoint(0, 0), b = AddPoint(10, 0);
    const int listed = AddCurveThrough({a, b});
    const int section = AddSection(SECTION_LINE, {AddCurve({{40, 40}, {60, 40}})}, b).id;
    const ModelState before = CaptureState(model);
    model.BeginUndoAction();
    ASSERT_TRUE(model.UnsharePointsOfCurves({listed}));
    EXPECT_EQ(CaptureState(model), before);
    EXPECT_EQ(model.FindSection(section)->centroidPointId, b);
}

} // namespace
