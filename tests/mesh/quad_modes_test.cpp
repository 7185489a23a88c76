// Whole meshes of the fixture domains in the quadrilateral modes: all
// quadrilaterals (mode 1) and quadrilateral-dominant (mode 2), checked for the
// invariants every mesh keeps, in millimetre and metre units.

#include "MeshFixtures.h"

#include "mesh/DomainMesher.h"
#include "mesh/QuadTopology.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <sstream>

namespace {

struct QuadCase {
    const char* name;
    std::function<MeshDomainInput(double scale)> build;
};

const QuadCase kCases[] = {
    {"Square", SquareDomain}, {"LShape", LShapeDomain},         {"Annulus", AnnulusDomain},
    {"Circle", CircleDomain}, {"ThinRectangle", ThinRectangleDomain},
};

struct Units {
    const char* name;
    double scale;
};
const Units kUnits[] = {{"mm", 1.0}, {"m", 0.001}};

// The calculation refuses a mesh with an element whose distortion measure is below this.
constexpr double kQualityThreshold = 1.0 / 15.0;

std::string Describe(const MeshCheck& check)
{
    std::ostringstream text;
    for (const std::string& fault : check.faults)
        text << fault << "\n";
    return text.str();
}

void Record(const MeshCheck& check)
{
    const MeshQuality& q = check.quality;
    ::testing::Test::RecordProperty("elements", q.elementCount);
    ::testing::Test::RecordProperty("quads", q.quadCount);
    ::testing::Test::RecordProperty("triangles", q.triangleCount);
    ::testing::Test::RecordProperty("minAngle", std::to_string(q.minAngle));
    ::testing::Test::RecordProperty("maxAngle", std::to_string(q.maxAngle));
    ::testing::Test::RecordProperty("minDistortionMeasure", std::to_string(q.minDistortionMeasure));
}

// A quadrilateral may stay non-convex only where the flat-corner split may not
// cut it: its widest corner and the node across are fixed on one curve.
bool SkippedByFlatCornerRule(const CMeshStore& store, const MeshDomainInput& domain, int elementId)
{
    const T_MESHELEM_D* quad = store.FindMeshElement(elementId);
    for (int i = 0; i < 4; ++i) {
        const int q0 = quad->nodes[i], q1 = quad->nodes[(i + 1) % 4], q2 = quad->nodes[(i + 2) % 4];
        const int q3 = quad->nodes[(i + 3) % 4];
        if (CornerAngle(store, q0, q1, q3) < 179.0)
            continue;
        bool shareCurve = false;
        for (const MeshLoopInput& loop : domain.loops) {
            for (const MeshCurveInput& curve : loop.curves)
                shareCurve = shareCurve || (Holds(curve.meshNodeIds, q0) && Holds(curve.meshNodeIds, q2));
        }
        if (!(IsFixed(store, q0) && IsFixed(store, q2) && shareCurve))
            return false;
    }
    return true;
}

// Mode 1 halves every curve's count once, as the section glue asks.
MeshDomainInput HalvedForAllQuads(MeshDomainInput domain)
{
    for (MeshLoopInput& loop : domain.loops) {
        for (MeshCurveInput& curve : loop.curves)
            curve.halveDivisions = true;
    }
    return domain;
}

class AllQuadsTest : public ::testing::TestWithParam<std::tuple<QuadCase, Units>> {};

TEST_P(AllQuadsTest, MeshIsQuadrilateralsSaveTheFlatCornerCuts)
{
    const auto& [quadCase, units] = GetParam();
    MeshDomainInput domain = HalvedForAllQuads(quadCase.build(units.scale));
    CMeshStore store;
    int cuts = -1;
    MeshRunHooks hooks;
    hooks.flatCornerCuts = [&cuts](int count) { cuts = count; };
    const MeshStageResult result = MeshDomain(store, domain, MESH_ALL_QUADS, hooks);
    ASSERT_TRUE(result.Ok()) << result.failure;

    const MeshCheck check = CheckMesh(store, domain, {true, 2});
    EXPECT_TRUE(check.faults.empty()) << Describe(check);
    EXPECT_EQ(check.quality.triangleCount, 2 * cuts);
    for (const int id : check.nonConvexQuads) {
        EXPECT_TRUE(SkippedByFlatCornerRule(store, domain, id)) << "element " << id << " is not convex";
        ::testing::Test::RecordProperty("nonConvexQuadKeptByFlatCornerRule", id);
    }
    EXPECT_GE(check.quality.minDistortionMeasure, kQualityThreshold);
    Record(check);
}

TEST_P(AllQuadsTest, SameInputGivesSameMesh)
{
    const auto& [quadCase, units] = GetParam();
    const auto snapshot = [&] {
        MeshDomainInput domain = HalvedForAllQuads(quadCase.build(units.scale));
        CMeshStore store;
        EXPECT_TRUE(MeshDomain(store, domain, MESH_ALL_QUADS, {}).Ok());
        std::ostringstream text;
        text.precision(17);
        for (const auto& [id, node] : store.nodes)
            text << id << ' ' << node->x << ' ' << node->y << '\n';
        for (const auto& [id, element] : store.elements) {
            for (const int node : element->nodes)
                text << node << ' ';
            text << '\n';
        }
        return text.str();
    };
    EXPECT_EQ(snapshot(), snapshot());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, AllQuadsTest, ::testing::Combine(::testing::ValuesIn(kCases), ::testing::ValuesIn(kUnits)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

class QuadDominantTest : public ::testing::TestWithParam<std::tuple<QuadCase, Units>> {};

TEST_P(QuadDominantTest, MeshKeepsEveryInvariantWithFewerElementsThanTriangles)
{
    const auto& [quadCase, units] = GetParam();
    MeshDomainInput domain = quadCase.build(units.scale);
    CMeshStore store;
    const MeshStageResult result = MeshDomain(store, domain, MESH_QUAD_DOMINANT, {});
    ASSERT_TRUE(result.Ok()) << result.failure;
    const MeshCheck check = CheckMesh(store, domain, {true, 1});
    EXPECT_TRUE(check.faults.empty()) << Describe(check);
    EXPECT_TRUE(check.nonConvexQuads.empty());
    EXPECT_GE(check.quality.minDistortionMeasure, kQualityThreshold);
    Record(check);

    MeshDomainInput again = quadCase.build(units.scale);
    CMeshStore triangles;
    ASSERT_TRUE(MeshDomain(triangles, again, MESH_TRIANGLES, {}).Ok());
    EXPECT_LT(store.elements.size(), triangles.elements.size());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, QuadDominantTest,
                         ::testing::Combine(::testing::ValuesIn(kCases), ::testing::ValuesIn(kUnits)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

TEST(QuadModes, QuadDominantSquareIsMostlyQuadrilaterals)
{
    MeshDomainInput domain = SquareDomain(1.0);
    CMeshStore store;
    ASSERT_TRUE(MeshDomain(store, domain, MESH_QUAD_DOMINANT, {}).Ok());
    const MeshCheck check = CheckMesh(store, domain, {true, 1});
    EXPECT_GT(check.quality.quadCount, 2 * check.quality.triangleCount);
}

TEST(QuadModes, SquareOfEightDivisionsGetsThirtyTwoBoundaryNodesAtEvenSpacing)
{
    MeshDomainInput domain = HalvedForAllQuads(SquareDomain(1.0));
    CMeshStore store;
    ASSERT_TRUE(MeshDomain(store, domain, MESH_ALL_QUADS, {}).Ok());
    std::set<int> boundary;
    for (const MeshCurveInput& curve : domain.loops[0].curves) {
        EXPECT_EQ(curve.divisions, 4);  // halved once
        ASSERT_EQ(curve.meshNodeIds.size(), 9u);
        for (size_t k = 0; k + 1 < curve.meshNodeIds.size(); ++k) {
            const T_MESHNODE_D* a = store.FindMeshNode(curve.meshNodeIds[k]);
            const T_MESHNODE_D* b = store.FindMeshNode(curve.meshNodeIds[k + 1]);
            EXPECT_NEAR(std::hypot(b->x - a->x, b->y - a->y) * store.Scale(), 12.5, 1e-9);
        }
        boundary.insert(curve.meshNodeIds.begin(), curve.meshNodeIds.end());
    }
    EXPECT_EQ(boundary.size(), 32u);
    int fixedNodes = 0;
    for (const auto& entry : store.nodes)
        fixedNodes += entry.second->fixed ? 1 : 0;
    EXPECT_EQ(fixedNodes, 32);
}

TEST(QuadModes, OnlyTheReentrantNodeOfAnLShapeIsACorner)
{
    MeshDomainInput domain = LShapeDomain(1.0);
    CMeshStore store;
    ASSERT_TRUE(MeshDomain(store, domain, MESH_ALL_QUADS, {}).Ok());
    ASSERT_EQ(store.cornerNodes.size(), 1u);
    double xy[2];
    const T_MESHNODE_D* corner = store.FindMeshNode(store.cornerNodes[0]);
    store.ToModel(corner->x, corner->y, xy);
    EXPECT_NEAR(xy[0], 60.0, 1e-9);
    EXPECT_NEAR(xy[1], 60.0, 1e-9);
}

TEST(QuadModes, ProgressRunsThroughThePositionsOfEachMode)
{
    for (const auto& [mode, expected] : {std::pair{MESH_ALL_QUADS, std::vector<int>{1, 2, 3, 4, 5, 6, 6}},
                                         std::pair{MESH_QUAD_DOMINANT, std::vector<int>{1, 2, 3, 4, 5, 6}}}) {
        MeshDomainInput domain = SquareDomain(1.0);
        CMeshStore store;
        std::vector<int> positions;
        MeshRunHooks hooks;
        hooks.setProgress = [&](int position) { positions.push_back(position); };
        ASSERT_TRUE(MeshDomain(store, domain, mode, hooks).Ok());
        EXPECT_EQ(positions, expected) << "mode " << mode;
    }
}

TEST(QuadModes, CancelAtAnyPollStopsTheRun)
{
    for (const int mode : {MESH_ALL_QUADS, MESH_QUAD_DOMINANT}) {
        int polls = 0;
        {
            MeshDomainInput domain = SquareDomain(1.0);
            CMeshStore store;
            MeshRunHooks hooks;
            hooks.poll = [&] { return ++polls < 0; };
            ASSERT_TRUE(MeshDomain(store, domain, mode, hooks).Ok());
        }
        // Every poll, those of the split, the valence flips and the clean-up too.
        for (int cancelAt = 1; cancelAt <= polls; ++cancelAt) {
            MeshDomainInput domain = SquareDomain(1.0);
            CMeshStore store;
            int seen = 0;
            MeshRunHooks hooks;
            hooks.poll = [&] { return ++seen == cancelAt; };
            EXPECT_EQ(MeshDomain(store, domain, mode, hooks).status, MeshStatus::Canceled) << cancelAt;
            EXPECT_EQ(seen, cancelAt);
        }
    }
}

}  // namespace
