// Whole triangle meshes of fixture domains, checked for the invariants every
// mesh must keep, in millimetre and in metre units.

#include "MeshFixtures.h"

#include "mesh/DomainMesher.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>

namespace {

struct DomainCase {
    const char* name;
    std::function<MeshDomainInput(double scale)> build;
    double minAngleBound;  // loose: the fixtures have no sharp input corners
};

const DomainCase kCases[] = {
    {"Square", SquareDomain, 25.0},
    {"LShape", LShapeDomain, 20.0},
    {"Annulus", AnnulusDomain, 20.0},
    {"Circle", CircleDomain, 20.0},
    {"ThinRectangle", ThinRectangleDomain, 20.0},
};

struct Units {
    const char* name;
    double scale;
};
const Units kUnits[] = {{"mm", 1.0}, {"m", 0.001}};

class DomainMesherTest : public ::testing::TestWithParam<std::tuple<DomainCase, Units>> {};

std::string Describe(const MeshCheck& check)
{
    std::ostringstream text;
    for (const std::string& fault : check.faults)
        text << fault << "\n";
    return text.str();
}

TEST_P(DomainMesherTest, TriangleMeshKeepsEveryInvariant)
{
    const auto& [domainCase, units] = GetParam();
    MeshDomainInput domain = domainCase.build(units.scale);
    CMeshStore store;
    const MeshStageResult result = MeshDomain(store, domain, MESH_TRIANGLES, {});
    ASSERT_TRUE(result.Ok()) << result.failure;

    const MeshCheck check = CheckTriangleMesh(store, domain);
    EXPECT_TRUE(check.faults.empty()) << Describe(check);
    EXPECT_GT(check.quality.minAngle, domainCase.minAngleBound);
    EXPECT_LT(check.quality.maxAngle, 150.0);
    RecordProperty("elements", check.quality.elementCount);
    RecordProperty("minAngle", std::to_string(check.quality.minAngle));
    RecordProperty("maxAngle", std::to_string(check.quality.maxAngle));
    RecordProperty("maxEdgeRatio", std::to_string(check.quality.maxEdgeRatio));
}

TEST_P(DomainMesherTest, SameInputGivesSameMesh)
{
    const auto& [domainCase, units] = GetParam();
    const auto snapshot = [&] {
        MeshDomainInput domain = domainCase.build(units.scale);
        CMeshStore store;
        EXPECT_TRUE(MeshDomain(store, domain, MESH_TRIANGLES, {}).Ok());
        std::ostringstream text;
        text.precision(17);
        for (const auto& [id, node] : store.nodes)
            text << id << ' ' << node->x << ' ' << node->y << '\n';
        for (const auto& [id, element] : store.elements)
            text << id << ' ' << element->nodes[0] << ' ' << element->nodes[1] << ' ' << element->nodes[2] << '\n';
        return text.str();
    };
    EXPECT_EQ(snapshot(), snapshot());
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DomainMesherTest, ::testing::Combine(::testing::ValuesIn(kCases), ::testing::ValuesIn(kUnits)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

TEST(DomainMesherRun, MetreAndMillimetreMeshesMatchUpToScale)
{
    MeshDomainInput inMillimetres = AnnulusDomain(1.0);
    MeshDomainInput inMetres = AnnulusDomain(0.001);
    CMeshStore millimetres, metres;
    ASSERT_TRUE(MeshDomain(millimetres, inMillimetres, MESH_TRIANGLES, {}).Ok());
    ASSERT_TRUE(MeshDomain(metres, inMetres, MESH_TRIANGLES, {}).Ok());
    EXPECT_EQ(millimetres.elements.size(), metres.elements.size());
    EXPECT_EQ(millimetres.nodes.size(), metres.nodes.size());
}

TEST(DomainMesherRun, CancelAtAnyPollStopsTheRun)
{
    // Count the polls of a whole run, then cancel at the first, a middle and the last one.
    int polls = 0;
    {
        MeshDomainInput domain = SquareDomain(1.0);
        CMeshStore store;
        MeshRunHooks hooks;
        hooks.poll = [&] { return ++polls < 0; };
        ASSERT_TRUE(MeshDomain(store, domain, MESH_TRIANGLES, hooks).Ok());
    }
    ASSERT_GT(polls, 3);
    for (const int cancelAt : {1, polls / 2, polls}) {
        MeshDomainInput domain = SquareDomain(1.0);
        CMeshStore store;
        int seen = 0;
        MeshRunHooks hooks;
        hooks.poll = [&] { return ++seen == cancelAt; };
        EXPECT_EQ(MeshDomain(store, domain, MESH_TRIANGLES, hooks).status, MeshStatus::Canceled) << cancelAt;
        EXPECT_EQ(seen, cancelAt);
    }
}

TEST(DomainMesherRun, ProgressRunsThroughTheTrianglePositions)
{
    MeshDomainInput domain = SquareDomain(1.0);
    CMeshStore store;
    std::vector<int> positions;
    MeshRunHooks hooks;
    hooks.setProgress = [&](int position) { positions.push_back(position); };
    ASSERT_TRUE(MeshDomain(store, domain, MESH_TRIANGLES, hooks).Ok());
    EXPECT_EQ(positions, (std::vector<int>{1, 2, 3, 4, 5}));
}

}  // namespace
