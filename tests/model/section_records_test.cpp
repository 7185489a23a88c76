#include "model/SectModel.h"
#include "model/SectionRecords.h"
#include "RecordBuilders.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

namespace {

void AddPoint(T_SECTION_D& section, int id, double x, double y)
{
    section.points[id] = MakePoint(id, x, y);
}

T_SCURVE_D& AddCurve(T_SECTION_D& section, int id, std::initializer_list<int> pointIds, int state = TRACE_BOTH_WAYS)
{
    auto curve = std::make_unique<T_SCURVE_D>();
    curve->id = id;
    curve->pointIds = pointIds;
    curve->tracingState = state;
    T_SCURVE_D& added = *curve;
    section.curves[id] = std::move(curve);
    return added;
}

T_LOOP_D MakeLoop(std::initializer_list<int> curveIds, int kind = LOOP_DOMAIN_OUTLINE)
{
    T_LOOP_D loop;
    loop.id = 1;
    loop.kind = kind;
    loop.curveIds = curveIds;
    return loop;
}

// The square (0,0)-(10,0)-(10,10)-(0,10) as two curves of three points each.
// With reversedSecondCurve the second curve's points are stored the other way
// round, and the loop runs it backwards.
struct SquareSection {
    explicit SquareSection(bool reversedSecondCurve)
    {
        AddPoint(section, 1, 0, 0);
        AddPoint(section, 2, 10, 0);
        AddPoint(section, 3, 10, 10);
        AddPoint(section, 4, 0, 10);
        AddCurve(section, 1, {1, 2, 3});
        if (reversedSecondCurve) {
            AddCurve(section, 2, {1, 4, 3});
            loop = MakeLoop({1, -2});
        } else {
            AddCurve(section, 2, {3, 4, 1});
            loop = MakeLoop({1, 2});
        }
    }
    T_SECTION_D section;
    T_LOOP_D loop;
};

TEST(SectionRecordTest, NewSectionHasItsDefaults)
{
    const T_SECTION_D section;
    EXPECT_EQ(section.id, 0);
    EXPECT_EQ(section.type, SECTION_PLANE);
    EXPECT_TRUE(section.name.empty());
    EXPECT_FALSE(section.propertiesCalculated);
    EXPECT_FALSE(section.hasLocation);
    EXPECT_EQ(section.centroidPointId, 0);
    EXPECT_TRUE(section.domains.empty() && section.loops.empty() && section.curves.empty()
                && section.facets.empty() && section.points.empty() && section.curveIds.empty());
    for (int counter : {section.nextDomainId, section.nextLoopId, section.nextCurveId, section.nextFacetId,
                        section.nextPointId})
        EXPECT_EQ(counter, 1);
}

TEST(SectionRecordTest, LookupsFindOnlyExactIds)
{
    SquareSection square(false);
    EXPECT_EQ(square.section.FindPoint(3)->xy[0], 10.0);
    EXPECT_EQ(square.section.FindCurve(2)->id, 2);
    EXPECT_EQ(square.section.FindCurve(-2), nullptr);
    EXPECT_EQ(square.section.FindPoint(0), nullptr);
    EXPECT_EQ(square.section.FindLoop(1), nullptr);
    EXPECT_EQ(square.section.FindDomain(1), nullptr);
}

TEST(SectionRecordTest, CopySectionIsDeepAndIndependent)
{
    T_SECTION_D source;
    source.id = 4;
    source.workMark = 4;
    source.type = SECTION_PLANE;
    source.name = "Web";
    source.assignedBaseMaterialId = 2;
    source.colour[0] = 10;
    source.colour[2] = 30;
    source.triple2[1] = 2.5;
    source.boxMax[0] = 99.0;
    source.curveIds = {5, 6, 7};
    source.hasLocation = true;
    source.location = 12.5;
    source.propertiesCalculated = true;
    source.propertiesModifiedByHand = true;
    source.centroidPointId = 17;
    source.baseMaterialId = 3;
    for (int i = 0; i < RESULT_COUNT; ++i)
        source.results[i] = i + 0.5;
    for (int id = 1; id <= 10; ++id)
        AddPoint(source, id, id, 2.0 * id);
    for (int id = 1; id <= 4; ++id) {
        T_SCURVE_D& curve = AddCurve(source, id, {id, id + 1});
        curve.meshDivisions = id;
        curve.lastPointJunctions = {{id + 1, true}};
    }
    for (int id = 1; id <= 3; ++id) {
        auto loop = std::make_unique<T_LOOP_D>(MakeLoop({id, -(id + 1)}, id));
        loop->id = id;
        source.loops[id] = std::move(loop);
    }
    for (int id = 1; id <= 2; ++id) {
        auto domain = std::make_unique<T_DOMAIN_D>();
        domain->id = id;
        domain->materialId = 7;
        domain->loopIds = {id, 3};
        source.domains[id] = std::move(domain);
        auto facet = std::make_unique<T_FACET_D>();
        facet->id = id;
        facet->domainId = id;
        facet->pointIds[0] = 1;
        facet->pointIds[1] = 2;
        facet->pointIds[2] = 3;
        source.facets[id] = std::move(facet);
    }
    source.nextDomainId = 3;
    source.nextLoopId = 4;
    source.nextCurveId = 5;
    source.nextFacetId = 3;
    source.nextPointId = 11;
    source.AddTracedLoop({1, 2});

    T_SECTION_D copy;
    CSectModel::CopySection(source, copy);

    EXPECT_EQ(copy.id, 4);
    EXPECT_EQ(copy.name, "Web");
    EXPECT_EQ(copy.assignedBaseMaterialId, 2);
    EXPECT_EQ(copy.colour[2], 30);
    EXPECT_EQ(copy.triple2[1], 2.5);
    EXPECT_EQ(copy.boxMax[0], 99.0);
    EXPECT_EQ(copy.curveIds, source.curveIds);
    EXPECT_TRUE(copy.hasLocation && copy.propertiesCalculated && copy.propertiesModifiedByHand);
    EXPECT_EQ(copy.location, 12.5);
    EXPECT_EQ(copy.centroidPointId, 17);
    EXPECT_EQ(copy.baseMaterialId, 3);
    EXPECT_EQ(copy.results[RESULT_CY_MINUS], 10.5);
    EXPECT_EQ(copy.nextDomainId, 3);
    EXPECT_EQ(copy.nextPointId, 11);
    ASSERT_EQ(copy.points.size(), 10u);
    ASSERT_EQ(copy.curves.size(), 4u);
    ASSERT_EQ(copy.loops.size(), 3u);
    ASSERT_EQ(copy.domains.size(), 2u);
    ASSERT_EQ(copy.facets.size(), 2u);
    EXPECT_TRUE(copy.tracedLoops.empty());

    for (const auto& [id, point] : source.points) {
        EXPECT_NE(copy.points.at(id).get(), point.get());
        EXPECT_EQ(copy.points.at(id)->xy[1], point->xy[1]);
    }
    EXPECT_NE(copy.curves.at(2).get(), source.curves.at(2).get());
    EXPECT_EQ(copy.curves.at(2)->meshDivisions, 2);
    EXPECT_EQ(copy.curves.at(2)->lastPointJunctions[0].curveId, 3);
    EXPECT_EQ(copy.loops.at(3)->curveIds, (std::vector<int>{3, -4}));
    EXPECT_EQ(copy.domains.at(2)->loopIds, (std::vector<int>{2, 3}));
    EXPECT_EQ(copy.facets.at(1)->pointIds[2], 3);

    copy.points.at(5)->xy[0] = -1.0;
    copy.curves.at(1)->pointIds.push_back(9);
    EXPECT_EQ(source.points.at(5)->xy[0], 5.0);
    EXPECT_EQ(source.curves.at(1)->pointIds.size(), 2u);
}

TEST(SectionRecordTest, AProductOfInertiaThatIsOnlyRoundingIsShownAsZero)
{
    // sqrt(Ixx * Iyy) = 1e6: the limit is 1e-6.
    const struct {
        double ixy;
        double shown;
    } cases[] = {
        {1.86265e-9, 0.0}, {-9.9e-7, 0.0}, {0.0, 0.0}, {1.01e-6, 1.01e-6}, {-2.5, -2.5}, {4e5, 4e5},
    };
    T_SECTION_D section;
    section.results[RESULT_IXX] = 4e6;
    section.results[RESULT_IYY] = 2.5e5;
    section.results[RESULT_A] = 1e-9;
    for (const auto& c : cases) {
        section.results[RESULT_IXY] = c.ixy;
        EXPECT_EQ(ShownResult(section, RESULT_IXY), c.shown) << c.ixy;
        EXPECT_FALSE(std::signbit(ShownResult(section, RESULT_IXY)) && c.shown == 0.0) << c.ixy;
    }
    // Only the product of inertia is cleared, and moments too large to
    // multiply still clear only what is small beside them.
    EXPECT_EQ(ShownResult(section, RESULT_A), 1e-9);
    section.results[RESULT_IXX] = section.results[RESULT_IYY] = 1e300;
    section.results[RESULT_IXY] = 1e290;
    EXPECT_EQ(ShownResult(section, RESULT_IXY), 1e290);
    section.results[RESULT_IXY] = 1e280;
    EXPECT_EQ(ShownResult(section, RESULT_IXY), 0.0);
}

TEST(UcsTransformTest, GcsLeavesPointsAloneWhateverItHolds)
{
    T_UCS_D gcs;
    gcs.origin[0] = 5.0;
    gcs.origin[1] = -3.0;
    gcs.angle = 30.0;
    const double in[2] = {1.5, 2.5};
    double out[2];
    gcs.ToGlobal(in, out);
    EXPECT_EQ(out[0], 1.5);
    EXPECT_EQ(out[1], 2.5);
    gcs.ToLocal(in, out);
    EXPECT_EQ(out[0], 1.5);
    EXPECT_EQ(out[1], 2.5);
}

TEST(UcsTransformTest, GlobalRotatesThenShiftsAndLocalUndoesIt)
{
    T_UCS_D ucs;
    ucs.id = 2;
    ucs.origin[0] = 3.0;
    ucs.origin[1] = -2.0;
    ucs.angle = 90.0;
    const double in[2] = {1.0, 0.0};
    double global[2];
    ucs.ToGlobal(in, global);
    EXPECT_NEAR(global[0], 3.0, 1e-12);
    EXPECT_NEAR(global[1], -1.0, 1e-12);

    for (double angle : {0.0, 30.0, -135.0, 270.0}) {
        ucs.angle = angle;
        const double point[2] = {-4.25, 7.5};
        double roundTrip[2];
        ucs.ToGlobal(point, roundTrip);
        ucs.ToLocal(roundTrip, roundTrip);  // in and out may be the same array
        EXPECT_NEAR(roundTrip[0], point[0], 1e-9) << angle;
        EXPECT_NEAR(roundTrip[1], point[1], 1e-9) << angle;
    }
}

TEST(LoopNestingTest, PointInsideCounterClockwiseSquare)
{
    for (bool reversed : {false, true}) {
        SCOPED_TRACE(reversed ? "second curve reversed" : "curves forward");
        SquareSection square(reversed);
        const double inside[2] = {5.0, 5.0};
        const double nearEdge[2] = {9.9, 0.1};
        const double outside[2] = {15.0, 5.0};
        EXPECT_TRUE(square.section.IsPointInsideLoop(inside, &square.loop));
        EXPECT_TRUE(square.section.IsPointInsideLoop(nearEdge, &square.loop));
        EXPECT_FALSE(square.section.IsPointInsideLoop(outside, &square.loop));
    }
}

TEST(LoopNestingTest, MissingCurveOrPointAnswersOutside)
{
    SquareSection square(false);
    const double inside[2] = {5.0, 5.0};
    const T_LOOP_D missingCurve = MakeLoop({1, 2, 9});
    EXPECT_FALSE(square.section.IsPointInsideLoop(inside, &missingCurve));
    square.section.points.erase(4);
    EXPECT_FALSE(square.section.IsPointInsideLoop(inside, &square.loop));
}

TEST(LoopNestingTest, ProbePointLiesLeftOfTheSmallestCurve)
{
    SquareSection square(false);
    double probe[2] = {-1.0, -1.0};
    ASSERT_TRUE(square.section.GetLoopProbePoint(&square.loop, probe));
    EXPECT_NEAR(probe[0], 5.0, 1e-12);
    EXPECT_NEAR(probe[1], 0.001, 1e-12);

    const T_LOOP_D chain = MakeLoop({2, 1}, LOOP_OPEN_CHAIN);
    ASSERT_TRUE(square.section.GetLoopProbePoint(&chain, probe));
    EXPECT_EQ(probe[0], 5.0);
    EXPECT_EQ(probe[1], 0.0);

    const T_LOOP_D missing = MakeLoop({8});
    EXPECT_FALSE(square.section.GetLoopProbePoint(&missing, probe));
    EXPECT_EQ(probe[0], 5.0);
    EXPECT_EQ(probe[1], 0.0);
}

TEST(LoopNestingTest, ProbeOfAReversedCurveStaysOnTheLoopsLeft)
{
    // The bottom edge is stored right to left and run backwards by the loop.
    T_SECTION_D section;
    AddPoint(section, 1, 0, 0);
    AddPoint(section, 2, 10, 0);
    AddPoint(section, 3, 10, 10);
    AddPoint(section, 4, 0, 10);
    AddCurve(section, 1, {2, 1});
    AddCurve(section, 2, {2, 3, 4, 1});
    const T_LOOP_D loop = MakeLoop({-1, 2});
    double probe[2];
    ASSERT_TRUE(section.GetLoopProbePoint(&loop, probe));
    EXPECT_NEAR(probe[0], 5.0, 1e-12);
    EXPECT_NEAR(probe[1], 0.001, 1e-12);
    EXPECT_TRUE(section.IsPointInsideLoop(probe, &loop));
}

TEST(LoopNestingTest, LoopInsideLoopUsesTheInnerProbe)
{
    SquareSection square(false);
    T_SECTION_D& section = square.section;
    AddPoint(section, 11, 2, 2);
    AddPoint(section, 12, 8, 2);
    AddPoint(section, 13, 8, 8);
    AddPoint(section, 14, 2, 8);
    AddCurve(section, 11, {11, 12, 13, 14, 11});
    const T_LOOP_D inner = MakeLoop({11});
    EXPECT_TRUE(section.IsLoopInsideLoop(&inner, &square.loop));
    EXPECT_FALSE(section.IsLoopInsideLoop(&square.loop, &inner));
    const T_LOOP_D missing = MakeLoop({99});
    EXPECT_FALSE(section.IsLoopInsideLoop(&missing, &square.loop));
}

// A run arrives at the joint (0, 0) from (-10, 0) along curve 1; candidates
// leave the joint in the directions below.
class NextLoopCurveTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AddPoint(section, 1, -10, 0);
        AddPoint(section, 2, 0, 0);  // the joint
        AddPoint(section, 3, 0, 10);  // up: 270 degrees
        AddPoint(section, 4, 0, -10);  // down: 90 degrees
        AddPoint(section, 5, 10, 0);  // straight on: 180 degrees
        AddPoint(section, 6, 0, 5);  // up again
        AddPoint(section, 7, -5, 0);  // straight back: 0 degrees
        AddCurve(section, 1, {1, 2});
        AddCurve(section, 2, {2, 3});
        AddCurve(section, 3, {2, 4});
        AddCurve(section, 4, {2, 5});
        AddCurve(section, 5, {2, 6});
        AddCurve(section, 6, {3, 2});  // ends at the joint
        AddCurve(section, 7, {2, 7});
    }

    void SetCandidates(std::vector<CurveJunction> candidates)
    {
        section.FindCurve(1)->lastPointJunctions = std::move(candidates);
    }

    T_SECTION_D section;
};

TEST_F(NextLoopCurveTest, LargestAngleWins)
{
    SetCandidates({{3, true}, {4, true}, {2, true}});
    EXPECT_EQ(section.FindNextLoopCurve(1), 2);
    SetCandidates({{3, true}, {4, true}});
    EXPECT_EQ(section.FindNextLoopCurve(1), 4);
}

TEST_F(NextLoopCurveTest, EqualAnglesKeepTheEarlierCandidate)
{
    SetCandidates({{5, true}, {2, true}});
    EXPECT_EQ(section.FindNextLoopCurve(1), 5);
    SetCandidates({{2, true}, {5, true}});
    EXPECT_EQ(section.FindNextLoopCurve(1), 2);
}

TEST_F(NextLoopCurveTest, StraightBackIsNeverTakenUnlessItIsTheOnlyCandidate)
{
    SetCandidates({{7, true}, {3, true}});
    EXPECT_EQ(section.FindNextLoopCurve(1), 3);
    section.FindCurve(3)->tracingState = TRACE_USED_UP;
    EXPECT_EQ(section.FindNextLoopCurve(1), 0);
    SetCandidates({{7, true}});
    EXPECT_EQ(section.FindNextLoopCurve(1), 7);
}

TEST_F(NextLoopCurveTest, CandidateEndingAtTheJointRunsBackwards)
{
    SetCandidates({{3, true}, {6, false}});
    EXPECT_EQ(section.FindNextLoopCurve(1), -6);
    SetCandidates({{6, false}});
    EXPECT_EQ(section.FindNextLoopCurve(1), -6);
}

TEST_F(NextLoopCurveTest, UsedUpOrMissingCandidatesAreSkipped)
{
    section.FindCurve(2)->tracingState = TRACE_USED_UP;
    SetCandidates({{2, true}, {4, true}});
    EXPECT_EQ(section.FindNextLoopCurve(1), 4);
    SetCandidates({{2, true}});
    EXPECT_EQ(section.FindNextLoopCurve(1), 0);
    SetCandidates({{42, true}});
    EXPECT_EQ(section.FindNextLoopCurve(1), 0);
    SetCandidates({});
    EXPECT_EQ(section.FindNextLoopCurve(1), 0);
    EXPECT_EQ(section.FindNextLoopCurve(42), 0);
}

TEST_F(NextLoopCurveTest, MissingPointOfAQualifiedCandidateGivesNothing)
{
    section.points.erase(5);
    SetCandidates({{2, true}, {4, true}});
    EXPECT_EQ(section.FindNextLoopCurve(1), 0);
}

TEST_F(NextLoopCurveTest, BackwardRunEndsAtTheCurvesFirstPoint)
{
    // Curve 8 stored from the joint to (-10, 0), run backwards it arrives at
    // the joint like curve 1 does.
    AddCurve(section, 8, {2, 1}).firstPointJunctions = {{3, true}, {2, true}};
    section.FindCurve(8)->lastPointJunctions = {{4, true}, {5, true}};
    EXPECT_EQ(section.FindNextLoopCurve(-8), 2);
}

TEST(LoopTracingTest, AvailableCurveSearchesLoopKindsInOrder)
{
    T_SECTION_D section;
    AddCurve(section, 1, {}, TRACE_USED_UP);
    AddCurve(section, 2, {}, TRACE_FORWARD_ONLY);
    AddCurve(section, 3, {}, TRACE_BOTH_WAYS);
    auto hole = std::make_unique<T_LOOP_D>(MakeLoop({2}, LOOP_HOLE_OUTLINE));
    hole->id = 1;
    auto outline = std::make_unique<T_LOOP_D>(MakeLoop({1, 9, 3}, LOOP_DOMAIN_OUTLINE));
    outline->id = 2;
    section.loops[1] = std::move(hole);
    section.loops[2] = std::move(outline);
    auto domain = std::make_unique<T_DOMAIN_D>();
    domain->id = 1;
    domain->loopIds = {1, 5, 2};
    section.domains[1] = std::move(domain);

    EXPECT_EQ(section.FindAvailableCurve(), 3);
    section.FindCurve(3)->tracingState = TRACE_USED_UP;
    EXPECT_EQ(section.FindAvailableCurve(), 2);
    section.FindCurve(2)->tracingState = TRACE_USED_UP;
    EXPECT_EQ(section.FindAvailableCurve(), 0);
}

TEST(LoopTracingTest, TracedLoopsAndChainsUseUpTheirCurves)
{
    T_SECTION_D section;
    AddCurve(section, 1, {}, TRACE_BOTH_WAYS);
    AddCurve(section, 2, {}, TRACE_BOTH_WAYS);
    AddCurve(section, 3, {}, TRACE_FORWARD_ONLY);
    AddCurve(section, 4, {}, TRACE_BOTH_WAYS);

    section.AddTracedLoop({1, -2, 3, 9});
    EXPECT_EQ(section.FindCurve(1)->tracingState, TRACE_BACKWARD_ONLY);
    EXPECT_EQ(section.FindCurve(2)->tracingState, TRACE_FORWARD_ONLY);
    EXPECT_EQ(section.FindCurve(3)->tracingState, TRACE_USED_UP);
    section.AddTracedLoop({-1, 2});
    EXPECT_EQ(section.FindCurve(1)->tracingState, TRACE_USED_UP);
    EXPECT_EQ(section.FindCurve(2)->tracingState, TRACE_USED_UP);
    ASSERT_EQ(section.tracedLoops.size(), 2u);
    EXPECT_EQ(section.tracedLoops.at(2)->curveIds, (std::vector<int>{-1, 2}));

    section.AddTracedChain({-4});
    EXPECT_EQ(section.FindCurve(4)->tracingState, TRACE_USED_UP);
    ASSERT_EQ(section.tracedChains.count(1), 1u);

    section.ClearTracedLoops();
    EXPECT_TRUE(section.tracedLoops.empty() && section.tracedChains.empty());
    section.AddTracedChain({1});
    EXPECT_EQ(section.tracedChains.begin()->first, 1);
}

} // namespace
