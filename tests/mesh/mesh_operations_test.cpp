// The store's lookups, node insertion, flips, boundary recovery, the
// refinement front and smoothing, on small hand-made triangulations.

#include "MeshCurveBuilders.h"
#include "mesh/DelaunayInsertion.h"
#include "mesh/InitialTriangulation.h"
#include "mesh/MeshImprovement.h"
#include "mesh/RefinementFront.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

namespace {

int Insert(CMeshStore& store, double x, double y, double size = 0.1, bool fixed = false)
{
    const double xy[2] = {x, y};
    return InsertMeshNode(store, xy, size, fixed);
}

// Four nodes round the origin; Delaunay joins the left and right ones.
struct Diamond {
    int left;
    int right;
};

Diamond InsertDiamond(CMeshStore& store)
{
    const Diamond diamond{Insert(store, -1, 0), Insert(store, 1, 0)};
    Insert(store, 0, 1);
    Insert(store, 0, -1);
    return diamond;
}

void ExpectSoundTriangulation(const CMeshStore& store)
{
    for (const auto& [id, element] : store.elements) {
        const MeshPoint a = store.NodePoint(element->nodes[0]);
        const MeshPoint b = store.NodePoint(element->nodes[1]);
        const MeshPoint c = store.NodePoint(element->nodes[2]);
        EXPECT_TRUE(IsProperTriangle(a, b, c)) << "element " << id;
        for (int i = 0; i < 3; ++i) {
            const T_MESHEDGE_D* edge = store.FindMeshEdge(element->edges[i]);
            ASSERT_NE(edge, nullptr);
            const bool runsForward = edge->node1 == element->nodes[i];
            EXPECT_EQ(runsForward ? edge->leftElement : edge->rightElement, id) << "edge " << edge->id;
            const int other = runsForward ? edge->rightElement : edge->leftElement;
            EXPECT_EQ(element->neighbours[i], other) << "element " << id << " side " << i;
        }
    }
}

int EdgeBetween(const CMeshStore& store, int a, int b)
{
    for (const auto& [id, edge] : store.edges) {
        if ((edge->node1 == a && edge->node2 == b) || (edge->node1 == b && edge->node2 == a))
            return id;
    }
    return 0;
}

TEST(MeshStore, LookupsFollowAscendingIdsAndStrictTolerance)
{
    CMeshStore store;
    store.AddNode(0.0, 0.0, 1.0, false);
    store.AddNode(0.125, 0.0, 1.0, false);
    const double near[2] = {0.0625, 0.0};
    EXPECT_EQ(store.FindMeshNodeAt(near, 0.25), 1);
    const double exactlyAtTolerance[2] = {0.375, 0.0};
    EXPECT_EQ(store.FindMeshNodeAt(exactlyAtTolerance, 0.25), 0);

    T_MESHELEM_D triangle;
    triangle.nodes = {1, 2, 3};
    triangle.edges = {7, 8, 9};
    EXPECT_EQ(OppositeNode(&triangle, 7), 3);
    EXPECT_EQ(OppositeNode(&triangle, 8), 1);
    EXPECT_EQ(OppositeNode(&triangle, 10), 0);

    store.ClearMeshStore();
    EXPECT_TRUE(store.nodes.empty());
    EXPECT_EQ(store.AddNode(0, 0, 1, false).id, 3);  // ids go on until the run resets them
    store.ResetForNewDomain();
    EXPECT_EQ(store.AddNode(0, 0, 1, false).id, 1);
}

TEST(NodeInsertion, PointOnAnInteriorEdgeSplitsBothNeighbours)
{
    CMeshStore store;
    MakeSuperTriangle(store);
    const auto [a, b] = InsertDiamond(store);
    ASSERT_NE(EdgeBetween(store, a, b), 0) << "the diagonal a-b is expected";
    const size_t before = store.elements.size();

    const int middle = Insert(store, 0, 0);
    ASSERT_NE(middle, 0);
    EXPECT_EQ(store.elements.size(), before + 2);
    EXPECT_EQ(EdgeBetween(store, a, b), 0);
    ExpectSoundTriangulation(store);
}

TEST(NodeInsertion, PointOnABoundarySegmentIsNotInserted)
{
    CMeshStore store;
    MakeSuperTriangle(store);
    const auto [a, b] = InsertDiamond(store);
    store.FindMeshEdge(EdgeBetween(store, a, b))->constrained = true;
    const size_t nodes = store.nodes.size();
    EXPECT_EQ(Insert(store, 0.25, 0), 0);
    EXPECT_EQ(store.nodes.size(), nodes);
    ExpectSoundTriangulation(store);
}

TEST(NodeInsertion, PointNextToANodeReusesIt)
{
    CMeshStore store;
    MakeSuperTriangle(store);
    const int node = Insert(store, 0.5, 0.5, 0.2, false);
    EXPECT_EQ(Insert(store, 0.5 + 1e-6, 0.5, 0.1, true), node);
    EXPECT_TRUE(store.FindMeshNode(node)->fixed);
    EXPECT_EQ(store.FindMeshNode(node)->size, 0.1);
    EXPECT_EQ(Insert(store, 0.5, 0.5, 0.3, false), node);
    EXPECT_TRUE(store.FindMeshNode(node)->fixed) << "a false flag never clears it";
    EXPECT_EQ(store.FindMeshNode(node)->size, 0.1);
    EXPECT_EQ(Insert(store, 50, 50), 0) << "outside every element";
}

TEST(NodeInsertion, NewNodesKeepTheTriangulationDelaunay)
{
    CMeshStore store;
    MakeSuperTriangle(store);
    for (int i = 0; i < 40; ++i)
        ASSERT_NE(Insert(store, std::cos(i * 0.7) * (0.2 + 0.02 * i), std::sin(i * 0.7) * (0.2 + 0.02 * i)), 0);
    ExpectSoundTriangulation(store);
    for (const auto& [id, element] : store.elements) {
        for (const auto& [nodeId, node] : store.nodes) {
            const bool corner = std::find(element->nodes.begin(), element->nodes.end(), nodeId) != element->nodes.end();
            if (!corner) {
                EXPECT_GE(std::hypot(node->x - element->centreX, node->y - element->centreY),
                          element->radius * (1 - 1e-9));
            }
        }
    }
}

TEST(FlipEdge, RefusesAQuadrilateralThatIsNotConvex)
{
    CMeshStore store;
    MakeSuperTriangle(store);
    const int a = Insert(store, -1, 0);
    const int b = Insert(store, 1, 0);
    Insert(store, 0, 0.1);
    Insert(store, 0, -1.2);
    const int diagonal = EdgeBetween(store, a, b);
    ASSERT_EQ(diagonal, 0) << "a-b is not expected as an edge here";

    // The edge from (0, 0.1) to (0, -1.2) has the dart (a, bottom, b, top) around it;
    // flipping it is fine, flipping the neighbouring non-convex pairs is not.
    int refused = 0, made = 0;
    for (int id = 1; id < store.nextEdgeId; ++id) {
        const T_MESHEDGE_D* edge = store.FindMeshEdge(id);
        if (edge == nullptr || edge->leftElement == 0 || edge->rightElement == 0)
            continue;
        const T_MESHELEM_D* left = store.FindMeshElement(edge->leftElement);
        const T_MESHELEM_D* right = store.FindMeshElement(edge->rightElement);
        const MeshPoint pL = store.NodePoint(OppositeNode(left, id));
        const MeshPoint pR = store.NodePoint(OppositeNode(right, id));
        const bool convex = IsProperTriangle(pL, pR, store.NodePoint(edge->node2)) &&
                            IsProperTriangle(pL, store.NodePoint(edge->node1), pR);
        const int node1 = edge->node1;
        if (FlipEdge(store, id)) {
            ++made;
            EXPECT_TRUE(convex);
            ASSERT_TRUE(FlipEdge(store, id));  // and back
            EXPECT_TRUE(store.FindMeshEdge(id)->node1 == node1 || store.FindMeshEdge(id)->node2 == node1);
        } else {
            ++refused;
            EXPECT_FALSE(convex);
        }
        ExpectSoundTriangulation(store);
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(made, 0);
}

TEST(BoundaryRecovery, ASegmentCrossingManyEdgesIsRecoveredByFlips)
{
    CMeshStore store;
    MakeSuperTriangle(store);
    const int a = Insert(store, -1, 0);
    const int b = Insert(store, 1, 0);
    for (int i = 0; i < 9; ++i)
        Insert(store, -0.8 + 0.2 * i, (i % 2 == 0 ? 0.02 : -0.02));
    ASSERT_EQ(EdgeBetween(store, a, b), 0);

    ASSERT_TRUE(RecoverBoundarySegment(store, a, b));
    const int edge = EdgeBetween(store, a, b);
    ASSERT_NE(edge, 0);
    EXPECT_TRUE(store.FindMeshEdge(edge)->constrained);
    ExpectSoundTriangulation(store);
}

TEST(BoundaryRecovery, ASegmentThroughANodeCannotBeRecovered)
{
    CMeshStore store;
    MakeSuperTriangle(store);
    const int a = Insert(store, -1, 0);
    const int b = Insert(store, 1, 0);
    Insert(store, 0, 0);
    Insert(store, 0, 1);
    Insert(store, 0, -1);
    EXPECT_FALSE(RecoverBoundarySegment(store, a, b));
    ExpectSoundTriangulation(store);
}

MeshDomainInput SquareDomain(int divisions, bool halve)
{
    MeshLoopInput loop;
    loop.kind = 1;
    const std::array<double, 2> corners[4] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    for (int i = 0; i < 4; ++i) {
        loop.curves.push_back(LineCurve(i + 1, i + 1, (i + 1) % 4 + 1, corners[i], corners[(i + 1) % 4], divisions));
        loop.curves.back().halveDivisions = halve;
    }
    return {{loop}};
}

struct DivisionCase {
    int mode;
    int stored;
    bool halve;
    int used;
};

class BoundaryDivisionTest : public ::testing::TestWithParam<DivisionCase> {};

TEST_P(BoundaryDivisionTest, CurvesGetTheirCountPlusOneNodesAndShareCorners)
{
    const DivisionCase& c = GetParam();
    MeshDomainInput domain = SquareDomain(c.stored, c.halve);
    CMeshStore store;
    ASSERT_TRUE(TriangulateDomain(store, domain, c.mode, [] { return false; }).Ok());
    for (int i = 0; i < 4; ++i) {
        const MeshCurveInput& curve = domain.loops[0].curves[i];
        EXPECT_EQ(curve.divisions, c.used);
        ASSERT_EQ(curve.meshNodeIds.size(), static_cast<size_t>(c.used + 1));
        EXPECT_EQ(curve.meshNodeIds.back(), domain.loops[0].curves[(i + 1) % 4].meshNodeIds.front());
    }
    EXPECT_EQ(store.nodes.size(), static_cast<size_t>(4 * c.used));
    for (const auto& [id, node] : store.nodes) {
        EXPECT_GT(id, 3) << "super-triangle nodes are gone";
        EXPECT_TRUE(node->fixed);
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, BoundaryDivisionTest,
                         ::testing::Values(DivisionCase{1, 8, true, 4}, DivisionCase{1, 8, false, 8},
                                           DivisionCase{1, 1, true, 1}, DivisionCase{3, 0, false, 1},
                                           DivisionCase{3, 7, false, 7}, DivisionCase{3, 200, false, 200}));

MeshDomainInput CircleDomain(int segments, int divisions)
{
    MeshCurveInput curve;
    curve.curveId = 1;
    curve.divisions = divisions;
    for (int i = 0; i < segments; ++i) {
        curve.pointIds.push_back(i + 1);
        curve.points.push_back({5 * std::cos(2 * std::numbers::pi * i / segments), 5 * std::sin(2 * std::numbers::pi * i / segments)});
    }
    curve.pointIds.push_back(1);
    curve.points.push_back(curve.points.front());
    MeshLoopInput loop;
    loop.kind = 1;
    loop.curves.push_back(curve);
    return {{loop}};
}

TEST(InitialTriangulation, OnlyClosedCurvesOfMoreThanTwentyEntriesGetAFreeCentreNode)
{
    for (const int segments : {19, 20, 36}) {
        MeshDomainInput domain = CircleDomain(segments, 12);
        CMeshStore store;
        ASSERT_TRUE(TriangulateDomain(store, domain, 3, [] { return false; }).Ok());
        int freeNodes = 0;
        for (const auto& [id, node] : store.nodes) {
            if (!node->fixed) {
                ++freeNodes;
                EXPECT_EQ(node->size, kMeshSizeUnlimited);
                // The mean of the entries, the repeated first point counted twice.
                double xy[2];
                store.ToModel(node->x, node->y, xy);
                EXPECT_NEAR(xy[0], 5.0 / (segments + 1), 1e-9);
            }
        }
        EXPECT_EQ(freeNodes, segments + 1 > 20 ? 1 : 0) << segments;
        EXPECT_EQ(domain.loops[0].curves[0].meshNodeIds.front(), domain.loops[0].curves[0].meshNodeIds.back());
    }
}

TEST(InitialTriangulation, AClosedCurveGetsAtLeastThreeDivisions)
{
    MeshDomainInput domain = CircleDomain(12, 1);
    CMeshStore store;
    ASSERT_TRUE(TriangulateDomain(store, domain, 3, [] { return false; }).Ok());
    EXPECT_EQ(domain.loops[0].curves[0].divisions, 3);
    EXPECT_EQ(domain.loops[0].curves[0].meshNodeIds.size(), 4u);
    EXPECT_FALSE(store.elements.empty());
}

TEST(InitialTriangulation, ACurveWithoutLengthFails)
{
    MeshDomainInput domain = SquareDomain(4, false);
    domain.loops[0].curves[1].points[1] = domain.loops[0].curves[1].points[0];
    CMeshStore store;
    const MeshStageResult result = TriangulateDomain(store, domain, 3, [] { return false; });
    EXPECT_EQ(result.status, MeshStatus::Failed);
    EXPECT_EQ(result.failure, "curve [2] has no length");
}

TEST(RefinementFront, ATriangleClosedOnEverySideIsAcceptedWhateverItsSize)
{
    CMeshStore store;
    MakeSuperTriangle(store);
    for (auto& [id, edge] : store.edges)
        edge->constrained = true;
    for (auto& [id, node] : store.nodes)
        node->size = 1e-3;
    CRefinementFront front(store);
    EXPECT_EQ(front.PickElementToRefine(), 0);
    EXPECT_EQ(store.FindMeshElement(1)->state, ELEM_ACCEPTED);
}

TEST(RefinementFront, EqualRatiosGoToTheLowestIdAndAGivenUpNeighbourClosesASide)
{
    // A square split by a constrained diagonal into two equal triangles.
    CMeshStore store;
    MakeSuperTriangle(store);
    const int a = Insert(store, -0.25, -0.25, 0.02), b = Insert(store, 0.25, -0.25, 0.02);
    const int c = Insert(store, 0.25, 0.25, 0.02), d = Insert(store, -0.25, 0.25, 0.02);
    for (const auto& [x, y] : {std::pair{a, b}, std::pair{b, c}, std::pair{c, d}, std::pair{d, a}})
        ASSERT_TRUE(RecoverBoundarySegment(store, x, y));
    // Keep only the two triangles inside the square.
    std::vector<int> outside;
    for (const auto& [id, element] : store.elements) {
        if (*std::min_element(element->nodes.begin(), element->nodes.end()) <= 3)
            outside.push_back(id);
    }
    for (auto& [id, element] : store.elements) {
        for (int& neighbour : element->neighbours) {
            if (std::find(outside.begin(), outside.end(), neighbour) != outside.end())
                neighbour = 0;
        }
    }
    for (const int id : outside)
        store.RemoveElement(id);
    ASSERT_EQ(store.elements.size(), 2u);

    const T_MESHELEM_D& low = *store.elements.begin()->second;
    const T_MESHELEM_D& high = *std::next(store.elements.begin())->second;
    ASSERT_EQ(low.radius, high.radius);
    CRefinementFront front(store);
    EXPECT_EQ(front.PickElementToRefine(), low.id);
    EXPECT_EQ(high.state, ELEM_FRONT);
    front.GiveUp(low.id);
    EXPECT_EQ(front.PickElementToRefine(), 0);
    EXPECT_EQ(high.state, ELEM_ACCEPTED);
}

TEST(Smoothing, AMoveThatWouldFlattenAnElementIsNotMade)
{
    CMeshStore store;
    const int p = store.AddNode(0, 0, 1, false).id;
    const int a = store.AddNode(1, 0, 1, true).id;
    const int b = store.AddNode(0, 1, 1, true).id;
    store.AddNode(5, 5, 1, false);  // used by no element
    T_MESHELEM_D& element = store.AddElement();
    element.nodes = {p, a, b};
    ASSERT_TRUE(SmoothMesh(store, 1, [] { return false; }));
    EXPECT_EQ(store.FindMeshNode(p)->x, 0.0);
    EXPECT_EQ(store.FindMeshNode(p)->y, 0.0);
    EXPECT_EQ(store.FindMeshNode(4)->x, 5.0);
    EXPECT_EQ(store.FindMeshNode(p)->elements, std::vector<int>{element.id});
}

TEST(Smoothing, AFreeNodeMovesToTheMeanOfItsNeighbours)
{
    CMeshStore store;
    MakeSuperTriangle(store);
    const int centre = Insert(store, 0.3, 0.2, 0.5);
    for (const auto& [x, y] : {std::pair{1.0, 0.0}, {0.0, 1.0}, {-1.0, 0.0}, {0.0, -1.0}})
        Insert(store, x, y, 0.5, true);
    for (auto& [id, node] : store.nodes) {
        if (id != centre)
            node->fixed = true;
    }
    ASSERT_TRUE(SmoothMesh(store, 0, [] { return false; }));
    EXPECT_EQ(store.FindMeshNode(centre)->x, 0.3) << "no pass: element lists only";
    ASSERT_TRUE(SmoothMesh(store, 1, [] { return false; }));
    EXPECT_NEAR(store.FindMeshNode(centre)->x, 0.0, 1e-12);
    EXPECT_NEAR(store.FindMeshNode(centre)->y, 0.0, 1e-12);
}

TEST(ValenceSwaps, EdgesWithAFixedEndAreNeverFlipped)
{
    CMeshStore store;
    MakeSuperTriangle(store);
    for (int i = 0; i < 30; ++i)
        Insert(store, std::cos(i * 1.3) * 0.04 * i, std::sin(i * 1.3) * 0.04 * i, 0.1, i % 3 == 0);
    CountValences(store);
    std::map<int, std::pair<int, int>> before;
    for (const auto& [id, edge] : store.edges)
        before[id] = {edge->node1, edge->node2};
    ASSERT_TRUE(ImproveValences(store, [] { return false; }));
    for (const auto& [id, edge] : store.edges) {
        if (before[id] != std::pair{edge->node1, edge->node2}) {
            EXPECT_FALSE(store.FindMeshNode(before[id].first)->fixed);
            EXPECT_FALSE(store.FindMeshNode(before[id].second)->fixed);
        }
    }
    ExpectSoundTriangulation(store);
    // Valences still count the edges at each node.
    std::map<int, int> counted;
    for (const auto& [id, edge] : store.edges) {
        ++counted[edge->node1];
        ++counted[edge->node2];
    }
    for (const auto& [id, node] : store.nodes)
        EXPECT_EQ(node->valence, counted[id]) << id;
}

}  // namespace

namespace {

TEST(SizeInterpolation, CornersWithoutALimitDoNotPullTheSizeUp)
{
    CMeshStore store;
    const int a = store.AddNode(0, 0, kMeshSizeUnlimited, false).id;
    const int b = store.AddNode(1, 0, 0.2, true).id;
    const int c = store.AddNode(0, 1, 0.4, true).id;
    T_MESHELEM_D& element = store.AddElement();
    element.nodes = {a, b, c};
    EXPECT_NEAR(InterpolateMeshSize(store, element.id, 0.25, 0.25), 0.3, 1e-12);
    EXPECT_NEAR(InterpolateMeshSize(store, element.id, 0.5, 0.0), 0.2, 1e-12);
    store.FindMeshNode(b)->size = kMeshSizeUnlimited;
    store.FindMeshNode(c)->size = kMeshSizeUnlimited;
    EXPECT_EQ(InterpolateMeshSize(store, element.id, 0.25, 0.25), kMeshSizeUnlimited);
    store.FindMeshNode(a)->size = 0.1;
    store.FindMeshNode(b)->size = 0.2;
    store.FindMeshNode(c)->size = 0.3;
    EXPECT_NEAR(InterpolateMeshSize(store, element.id, 0.0, 0.0), 0.1, 1e-12);
    EXPECT_NEAR(InterpolateMeshSize(store, element.id, 0.25, 0.25), 0.5 * 0.1 + 0.25 * 0.2 + 0.25 * 0.3, 1e-12);
}

}  // namespace
