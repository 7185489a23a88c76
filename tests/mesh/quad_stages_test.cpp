// The quadrilateral stages on small hand-built meshes: the merge windows, the
// split through side midpoints, the clean-up rules at their thresholds and
// the flat-corner split.

#include "mesh/QuadCleanUp.h"
#include "mesh/QuadMerge.h"
#include "mesh/QuadSplit.h"
#include "mesh/QuadTopology.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// A mesh laid out by hand in store coordinates, with the curves its
// boundary queries see.
class HandMesh : public ::testing::Test {
protected:
    HandMesh() { store.SetFrame(0.0, 0.0, 1.0); }

    int Node(double x, double y, bool fixed = false) { return store.AddNode(x, y, 1.0, fixed).id; }
    int NodeAt(double radius, double degrees, bool fixed = false)
    {
        return Node(radius * std::cos(degrees * kDegree), radius * std::sin(degrees * kDegree), fixed);
    }
    int Element(std::vector<int> nodes)
    {
        T_MESHELEM_D& element = store.AddElement();
        element.nodes = std::move(nodes);
        EXPECT_TRUE(IsSoundElement(store, element)) << "element " << element.id << " is laid out badly";
        return element.id;
    }
    // A straight curve of the domain through the given nodes.
    void Curve(std::vector<int> nodes)
    {
        if (domain.loops.empty())
            domain.loops.push_back(MeshLoopInput{1, {}});
        MeshCurveInput curve;
        curve.curveId = static_cast<int>(domain.loops[0].curves.size()) + 1;
        for (const int id : {nodes.front(), nodes.back()}) {
            const T_MESHNODE_D* node = store.FindMeshNode(id);
            curve.pointIds.push_back(id);
            curve.points.push_back({node->x, node->y});
        }
        curve.meshNodeIds = std::move(nodes);
        domain.loops[0].curves.push_back(curve);
    }
    CBoundaryCurves& Curves()
    {
        if (!curves)
            curves = std::make_unique<CBoundaryCurves>(domain);
        return *curves;
    }
    bool HasSide(int a, int b) const
    {
        for (const auto& [id, element] : store.elements) {
            if (Holds(element->nodes, a) && NodeAfter(*element, a, 1) == b)
                return true;
        }
        return false;
    }

    CMeshStore store;
    MeshDomainInput domain;
    std::unique_ptr<CBoundaryCurves> curves;
};

// Merging --------------------------------------------------------------------

class MergeWindowTest : public HandMesh {
protected:
    // Two triangles along the short diagonal of a rhombus with the given acute angle.
    void Rhombus(double acute)
    {
        const int a = Node(0, 0), b = Node(1, 0);
        const int c = Node(1 + std::cos(acute * kDegree), std::sin(acute * kDegree));
        const int d = Node(std::cos(acute * kDegree), std::sin(acute * kDegree));
        Element({a, b, d});
        Element({b, c, d});
    }
    size_t QuadCount() const
    {
        size_t quads = 0;
        for (const auto& entry : store.elements)
            quads += entry.second->nodes.size() == 4 ? 1 : 0;
        return quads;
    }
    bool Merge(int mode) { return MergeTrianglesToQuads(store, Curves(), mode, [] { return false; }).Ok(); }
};

TEST_F(MergeWindowTest, RhombusOfFortyDegreesMergesOnlyInTheWideModeOnePasses)
{
    Rhombus(40.0);
    ASSERT_TRUE(Merge(2));
    EXPECT_EQ(QuadCount(), 0u);
    ASSERT_TRUE(Merge(1));
    EXPECT_EQ(QuadCount(), 1u);
    EXPECT_EQ(store.elements.size(), 1u);
}

TEST_F(MergeWindowTest, RhombusOfSixtyFiveDegreesMergesInModeTwo)
{
    Rhombus(65.0);
    ASSERT_TRUE(Merge(2));
    EXPECT_EQ(QuadCount(), 1u);
}

TEST_F(MergeWindowTest, TrianglesAcrossASideOnOneCurveNeverMerge)
{
    const int a = Node(0, 0, true), b = Node(1, 0, true), c = Node(1, 1, true), d = Node(0, 1, true);
    Element({a, b, c});
    Element({a, c, d});
    Curve({a, c});  // the diagonal lies on a curve
    ASSERT_TRUE(Merge(1));
    EXPECT_EQ(QuadCount(), 0u);
}

TEST_F(MergeWindowTest, CancelBeforeAPassKeepsTheMergesOfTheEarlierOnes)
{
    // Polls: after the four-triangle step, then before each pass.
    for (const auto& [cancelAt, quads] : {std::pair{2, 0u}, std::pair{3, 1u}}) {
        store.ResetForNewDomain();
        store.SetFrame(0.0, 0.0, 1.0);
        Rhombus(90.0);
        int polls = 0;
        const MeshStageResult result = MergeTrianglesToQuads(store, Curves(), 1, [&] { return ++polls == cancelAt; });
        EXPECT_EQ(result.status, MeshStatus::Canceled);
        EXPECT_EQ(QuadCount(), quads) << "cancel at poll " << cancelAt;
    }
}

TEST_F(MergeWindowTest, InteriorNodeOfFourTrianglesGoes)
{
    const int a = Node(0, 0), b = Node(2, 0), c = Node(2, 2), d = Node(0, 2), centre = Node(1, 1.1);
    Element({a, b, centre});
    Element({b, c, centre});
    Element({c, d, centre});
    Element({d, a, centre});
    ASSERT_TRUE(Merge(1));
    EXPECT_EQ(store.FindMeshNode(centre), nullptr);
    ASSERT_EQ(store.elements.size(), 1u);
    EXPECT_EQ(store.elements.begin()->second->nodes.size(), 4u);
}

TEST_F(MergeWindowTest, InteriorNodeWhoseOuterQuadrilateralIsReflexStays)
{
    const int a = Node(0, 0), b = Node(2, 0), c = Node(2, 2), d = Node(1, 0.9), centre = Node(1.2, 0.5);
    Element({a, b, centre});
    Element({b, c, centre});
    Element({c, d, centre});
    Element({d, a, centre});
    ASSERT_TRUE(Merge(1));
    EXPECT_NE(store.FindMeshNode(centre), nullptr);
}

// All-quadrilateral split ------------------------------------------------------

TEST_F(HandMesh, SplitMakesFourOfEveryQuadrilateralAndSharesSideMidpoints)
{
    // Two unit squares side by side: 6 nodes, 7 sides, 2 elements.
    const int a = Node(0, 0), b = Node(1, 0), c = Node(2, 0), d = Node(2, 1), e = Node(1, 1), f = Node(0, 1);
    Element({a, b, e, f});
    Element({b, c, d, e});
    ASSERT_TRUE(SplitAllToQuads(store, Curves(), [] { return false; }));
    EXPECT_EQ(store.nodes.size(), 6u + 7u + 2u);
    EXPECT_EQ(store.elements.size(), 8u);
    for (const auto& [id, element] : store.elements)
        EXPECT_TRUE(IsSoundElement(store, *element)) << id;
    EXPECT_TRUE(store.cornerNodes.empty());
}

TEST_F(HandMesh, BoundaryMidpointJoinsItsCurveAndNeighboursOffCurveGetAFreeNode)
{
    const int a = Node(0, 0, true), b = Node(1, 0, true), c = Node(1, 1, true), d = Node(0, 1, true);
    Element({a, b, c, d});
    Curve({a, b});
    Curve({c, d});
    Curve({d, b, c});  // holds b and d, but not side by side as the element's sides go
    ASSERT_TRUE(SplitAllToQuads(store, Curves(), [] { return false; }));
    const MeshCurveInput& bottom = domain.loops[0].curves[0];
    ASSERT_EQ(bottom.meshNodeIds.size(), 3u);
    const T_MESHNODE_D* mid = store.FindMeshNode(bottom.meshNodeIds[1]);
    EXPECT_TRUE(mid->fixed);
    EXPECT_DOUBLE_EQ(mid->x, 0.5);
    EXPECT_DOUBLE_EQ(mid->y, 0.0);
    // Side b-c: both fixed, neighbours on curve 3, so it gets a fixed node there.
    EXPECT_EQ(domain.loops[0].curves[2].meshNodeIds.size(), 4u);
    // Side d-a: both fixed, on no curve together: a free straight midpoint.
    for (const auto& [id, node] : store.nodes) {
        if (node->x == 0.0 && node->y == 0.5) {
            EXPECT_FALSE(node->fixed);
        }
    }
}

TEST_F(HandMesh, CornerNodeOfAnLShapedLoopIsTheReentrantOneOnly)
{
    const std::vector<std::array<double, 2>> outline{{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}};
    std::vector<int> nodes;
    for (const auto& p : outline)
        nodes.push_back(Node(p[0], p[1], true));
    for (size_t i = 0; i < nodes.size(); ++i)
        Curve({nodes[i], nodes[(i + 1) % nodes.size()]});
    EXPECT_EQ(FindCornerNodes(store, domain), std::vector<int>{nodes[3]});
}

struct CornerCase {
    const char* name;
    double angle;       // at the corner node, degrees
    double sideRatio;   // |KR| / |KP|
    bool othersFixed;   // P, Q and R fixed
    size_t elements;    // after the split: 4 untouched, 6 cut, 3 collapsed
};

class CornerTreatmentTest : public HandMesh, public ::testing::WithParamInterface<CornerCase> {};

TEST_P(CornerTreatmentTest, WidestQuadrilateralAtACornerIsCutOrCollapsed)
{
    const CornerCase& param = GetParam();
    const double r = param.sideRatio;
    const double rx = r * std::cos(param.angle * kDegree), ry = r * std::sin(param.angle * kDegree);
    const int k = Node(0, 0, true), p = Node(1, 0, param.othersFixed);
    const int q = Node(1 + rx, ry, param.othersFixed), rr = Node(rx, ry, param.othersFixed);
    Element({k, p, q, rr});
    store.cornerNodes = {k};
    ASSERT_TRUE(SplitAllToQuads(store, Curves(), [] { return false; }));
    EXPECT_EQ(store.elements.size(), param.elements);
}

INSTANTIATE_TEST_SUITE_P(Thresholds, CornerTreatmentTest,
                         ::testing::Values(CornerCase{"CutAt130", 130.0, 1.0, false, 6},
                                           CornerCase{"UntouchedBelow130", 129.9, 1.0, false, 4},
                                           CornerCase{"FixedNeighboursNeed150", 130.0, 1.0, true, 4},
                                           CornerCase{"FixedNeighboursCutAt150", 150.0, 1.2, true, 6},
                                           CornerCase{"UnequalSidesCollapseTheShorter", 140.0, 2.0, false, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CornerMerge, OnlyTheSecondSmallestAngleIsHeldAgainstTheUpperLimit)
{
    EXPECT_TRUE(IsWellShapedCornerMerge({62, 70, 110, 118}));
    EXPECT_FALSE(IsWellShapedCornerMerge({55, 90, 100, 115}));
    EXPECT_TRUE(IsWellShapedCornerMerge({65, 125, 80, 90}));  // 125 is the largest: not tested
    EXPECT_FALSE(IsWellShapedCornerMerge({65, 125, 130, 40}));
}

// Clean-up -------------------------------------------------------------------

class CleanUpTest : public HandMesh {
protected:
    void CleanUp() { ASSERT_TRUE(CleanUpQuads(store, Curves(), [] { return false; }).Ok()); }
};

TEST_F(CleanUpTest, InteriorDoubletIsRemovedAndABoundaryOneStays)
{
    for (const bool fixedMiddle : {false, true}) {
        store.ResetForNewDomain();
        store.SetFrame(0.0, 0.0, 1.0);
        const int p0 = Node(0, 0, true), p1 = Node(2, 0, true), p2 = Node(2, 2, true), p3 = Node(0, 2, true);
        const int middle = Node(1.2, 0.8, fixedMiddle);
        store.AddElement().nodes = {p0, p1, p2, middle};  // reflex at the middle node
        Element({p0, middle, p2, p3});
        CleanUp();
        EXPECT_EQ(store.FindMeshNode(middle) == nullptr, !fixedMiddle);
        EXPECT_EQ(store.elements.size(), fixedMiddle ? 2u : 1u);
    }
}

// The clean-up looks for Escape between its passes over the elements: at
// whichever look finds it, it stops, canceled.
TEST_F(CleanUpTest, StopsCanceledAtWhicheverLookBetweenPassesFindsEscape)
{
    // An interior doublet, made afresh for every clean-up.
    const auto doublet = [this] {
        store.ResetForNewDomain();
        store.SetFrame(0.0, 0.0, 1.0);
        const int p0 = Node(0, 0, true), p1 = Node(2, 0, true), p2 = Node(2, 2, true), p3 = Node(0, 2, true);
        const int middle = Node(1.2, 0.8);
        store.AddElement().nodes = {p0, p1, p2, middle};
        Element({p0, middle, p2, p3});
    };
    doublet();
    int looks = 0;
    ASSERT_TRUE(CleanUpQuads(store, Curves(), [&looks] { return ++looks < 0; }).Ok());
    // Four passes a sweep, one sweep at least, and a look after the last.
    ASSERT_GE(looks, 5);
    for (const int escapeAt : {1, looks / 2, looks}) {
        doublet();
        int seen = 0;
        EXPECT_EQ(CleanUpQuads(store, Curves(), [&] { return ++seen == escapeAt; }).status, MeshStatus::Canceled)
            << escapeAt;
    }
}

// A star of quadrilaterals around a free centre, one of whose spokes ends in a
// free node with two more quadrilaterals outside it.
class SideSwapTest : public CleanUpTest {
protected:
    void Star(int arms)
    {
        const double step = 360.0 / arms;
        centre = Node(0, 0);
        for (int k = 0; k < arms; ++k) {
            // The spoke of the side to swap reaches out far enough for the
            // swapped quadrilaterals to stay convex.
            spokes.push_back(NodeAt(k == 0 ? 1.5 : 1.0, 90.0 + k * step, k != 0));
            rims.push_back(NodeAt(1.6, 90.0 + (k + 0.5) * step));
        }
        for (int k = 0; k < arms; ++k)
            Element({centre, spokes[k], rims[k], spokes[(k + 1) % arms]});
        const int o1 = NodeAt(2.3, 90.0 - step / 2 + 6, true), o2 = NodeAt(2.3, 90.0, true);
        const int o3 = NodeAt(2.3, 90.0 + step / 2 - 6, true);
        Element({spokes[0], rims[arms - 1], o1, o2});
        Element({spokes[0], o2, o3, rims[0]});
    }

    int centre = 0;
    std::vector<int> spokes, rims;
};

TEST_F(SideSwapTest, SideWithNineElementsAtItsEndsTurnsAway)
{
    Star(5);  // 5 + 4 elements at the ends of the side centre-spoke 0
    CleanUp();
    EXPECT_FALSE(HasSide(centre, spokes[0]) || HasSide(spokes[0], centre));
    EXPECT_TRUE(HasSide(spokes[4], rims[0]) || HasSide(rims[0], spokes[4]));
}

TEST_F(SideSwapTest, SideWithEightElementsAtItsEndsStays)
{
    Star(4);  // 4 + 4
    CleanUp();
    EXPECT_TRUE(HasSide(centre, spokes[0]));
    EXPECT_EQ(store.elements.size(), 6u);
}

TEST_F(SideSwapTest, NoSwapNextToACornerNode)
{
    Star(5);
    store.cornerNodes = {rims[2]};
    CleanUp();
    EXPECT_TRUE(HasSide(centre, spokes[0]));
}

TEST_F(CleanUpTest, PairOfInnerNodesGoesAndEqualSumsTakeTheDiagonalFromQ1)
{
    // Four quadrilaterals fill a hexagon around two free nodes of three elements each.
    const int q0 = Node(-1, -1, true), q1 = Node(1, -1), h = Node(2, 0), f1 = Node(1, 1, true);
    const int f2 = Node(-1, 1), g = Node(-2, 0), q2 = Node(0.5, 0), q3 = Node(-0.5, 0);
    const int e = Element({q0, q1, q2, q3});
    const int f = Element({q2, f1, f2, q3});
    Element({q0, q3, f2, g});
    Element({q2, q1, h, f1});
    CleanUp();
    ASSERT_EQ(store.elements.size(), 2u);
    EXPECT_EQ(store.FindMeshNode(q2), nullptr);
    EXPECT_EQ(store.FindMeshNode(q3), nullptr);
    EXPECT_EQ(store.FindMeshElement(e)->nodes, (std::vector<int>{q0, q1, f2, g}));
    EXPECT_EQ(store.FindMeshElement(f)->nodes, (std::vector<int>{q1, h, f1, f2}));
}

// A quadrilateral with a wide angle at a boundary node q0 whose opposite free
// node q2 carries three quadrilaterals.
class WideAngleTest : public CleanUpTest, public ::testing::WithParamInterface<std::pair<double, bool>> {};

TEST_P(WideAngleTest, CollapsesFromOneHundredFortyFiveDegrees)
{
    const auto [angle, collapses] = GetParam();
    const int q0 = Node(0, 0, true), q1 = Node(1, 0), q2 = Node(0.1, 0.9);
    const int q3 = NodeAt(1.0, angle);
    const int x = Node(2, 0.3, true), w = Node(1.0, 1.8, true), y = Node(-1.0, 1.8, true);
    Element({q0, q1, q2, q3});
    Element({q2, q1, x, w});
    Element({q3, q2, w, y});
    CleanUp();
    EXPECT_EQ(store.FindMeshNode(q2) == nullptr, collapses);
    EXPECT_EQ(store.elements.size(), collapses ? 2u : 3u);
}

INSTANTIATE_TEST_SUITE_P(Threshold, WideAngleTest,
                         ::testing::Values(std::pair{145.0, true}, std::pair{144.9, false}, std::pair{150.0, true}),
                         [](const auto& info) {
                             return "At" + std::to_string(static_cast<int>(info.param.first * 10));
                         });

// A diamond whose bottom and top nodes each carry three quadrilaterals.
class DiagonalCollapseTest : public CleanUpTest {
protected:
    void Diamond(bool bottomFixed, bool sideFixed)
    {
        bottom = Node(0, -1, bottomFixed);
        right = Node(1, 0, sideFixed);
        top = Node(0, 1);
        left = Node(-1, 0);
        const int below = Node(0, -2.5, true), above = Node(0, 2.5, true);
        const int lowLeft = Node(-2, -1.5, true), lowRight = Node(2, -1.5, true);
        const int highLeft = Node(-2, 1.5, true), highRight = Node(2, 1.5, true);
        Element({bottom, right, top, left});
        Element({bottom, left, lowLeft, below});
        Element({bottom, below, lowRight, right});
        Element({top, right, highRight, above});
        Element({top, above, highLeft, left});
    }

    int bottom = 0, right = 0, top = 0, left = 0;
};

TEST_F(DiagonalCollapseTest, FreeNodeMovesToTheMiddleOfTheDiagonal)
{
    Diamond(false, false);
    CleanUp();
    EXPECT_EQ(store.FindMeshNode(top), nullptr);
    EXPECT_DOUBLE_EQ(store.FindMeshNode(bottom)->y, 0.0);
    EXPECT_EQ(store.elements.size(), 4u);
}

TEST_F(DiagonalCollapseTest, FixedNodeKeepsItsPlace)
{
    Diamond(true, false);
    CleanUp();
    EXPECT_EQ(store.FindMeshNode(top), nullptr);
    EXPECT_DOUBLE_EQ(store.FindMeshNode(bottom)->y, -1.0);
}

TEST_F(DiagonalCollapseTest, FixedNodeNextToAFixedNodeOfItsCurveIsLeftAlone)
{
    Diamond(true, true);
    Curve({bottom, right});
    CleanUp();
    EXPECT_NE(store.FindMeshNode(top), nullptr);
    EXPECT_EQ(store.elements.size(), 5u);
}

// Flat-corner split ------------------------------------------------------------

TEST_F(HandMesh, FlatCornerOfOneHundredSeventyNineDegreesIsCutThere)
{
    const int q0 = Node(0, 0), q1 = Node(1, 0), q2 = Node(0, 1), q3 = NodeAt(1.0, 179.5);
    const int flat = Element({q0, q1, q2, q3});
    const int r0 = Node(10, 0), r1 = Node(11, 0), r2 = Node(10, 1), r3 = NodeAt(1.0, 178.9);
    store.FindMeshNode(r3)->x += 10.0;
    Element({r0, r1, r2, r3});
    RebuildNodeElementLists(store);
    EXPECT_EQ(SplitFlatCornerQuads(store, Curves()), 1);
    EXPECT_EQ(store.FindMeshElement(flat)->nodes, (std::vector<int>{q0, q1, q2}));
    EXPECT_EQ(store.elements.rbegin()->second->nodes, (std::vector<int>{q0, q2, q3}));
    EXPECT_EQ(SplitFlatCornerQuads(store, Curves()), 0);
}

TEST_F(HandMesh, FlatCornerWithItsOppositeNodeOnTheSameCurveIsNotCut)
{
    const int q0 = Node(0, 0, true), q1 = Node(1, 0), q2 = Node(0, 1, true), q3 = NodeAt(1.0, 179.5);
    Element({q0, q1, q2, q3});
    Curve({q0, q2});
    RebuildNodeElementLists(store);
    EXPECT_EQ(SplitFlatCornerQuads(store, Curves()), 0);
}

}  // namespace
