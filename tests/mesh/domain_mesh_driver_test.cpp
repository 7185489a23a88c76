// Meshing domains of plane sections into the model's finite-element maps:
// joining along shared curves, cancel, progress, refusals and failures.

#include "SectionFixtures.h"

#include "mesh/DomainMeshDriver.h"
#include "mesh/DomainMeshExport.h"
#include "mesh/SectionDomainInput.h"
#include "model/SectModel.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

namespace {

class DomainMeshDriverTest : public ::testing::Test {
protected:
    DomainMeshDriverTest() { model.m_reporter.SetPorts(user.Ports()); }

    T_SECTION_D& AddSection(std::unique_ptr<T_SECTION_D> section)
    {
        section->id = 1;
        T_SECTION_D& added = *section;
        model.m_sections[1] = std::move(section);
        return added;
    }

    bool MeshAllDomains(T_SECTION_D& section, int mode = 3)
    {
        for (auto& entry : section.domains) {
            if (!GenerateDomainMesh(model, &section, entry.second.get(), mode))
                return false;
        }
        return true;
    }

    double FeArea() const
    {
        double area = 0.0;
        for (const auto& [id, element] : model.m_feElements) {
            const std::vector<int>& n = element->nodeIds;
            for (size_t i = 0; i < n.size(); ++i) {
                const double* p = model.FindFeNode(n[i])->xy;
                const double* q = model.FindFeNode(n[(i + 1) % n.size()])->xy;
                area += (p[0] * q[1] - q[0] * p[1]) / 2.0;
            }
        }
        return area;
    }

    // Sides used by one element only; a hanging node shows as such a side
    // inside the section.
    std::vector<std::pair<int, int>> OpenSides() const
    {
        std::map<std::pair<int, int>, int> sides;
        for (const auto& [id, element] : model.m_feElements) {
            const std::vector<int>& n = element->nodeIds;
            for (size_t i = 0; i < n.size(); ++i)
                ++sides[{n[i], n[(i + 1) % n.size()]}];
        }
        std::vector<std::pair<int, int>> open;
        for (const auto& [side, count] : sides) {
            EXPECT_EQ(count, 1) << "side used twice one way";
            if (sides.count({side.second, side.first}) == 0)
                open.push_back(side);
        }
        return open;
    }

    ScriptedUserPorts user;
    CSectModel model;
};

struct SplitRectangleCase {
    const char* name;
    double scale;
    int mode;
    int innerDivisions;
    int sharedNodes;  // along the inner line
};

class SplitRectangleTest : public DomainMeshDriverTest, public ::testing::WithParamInterface<SplitRectangleCase> {};

TEST_P(SplitRectangleTest, DomainsShareTheNodesOfTheirCommonCurve)
{
    const SplitRectangleCase& param = GetParam();
    const double scale = param.scale;
    T_SECTION_D& section = AddSection(SplitRectangleSection(scale, 6, param.innerDivisions));
    ASSERT_TRUE(MeshAllDomains(section, param.mode));

    EXPECT_NEAR(FeArea(), 200.0 * 50.0 * scale * scale, 1e-9 * 200.0 * 50.0 * scale * scale);
    // Every open side lies on the rectangle's outline: none along x = 100.
    for (const auto& [a, b] : OpenSides()) {
        const double* p = model.FindFeNode(a)->xy;
        const double* q = model.FindFeNode(b)->xy;
        const bool onOutline = (std::fabs(p[1] - q[1]) < 1e-9 * scale && (std::fabs(p[1]) < 1e-9 * scale ||
                                                                           std::fabs(p[1] - 50 * scale) < 1e-9 * scale)) ||
                               (std::fabs(p[0] - q[0]) < 1e-9 * scale && (std::fabs(p[0]) < 1e-9 * scale ||
                                                                           std::fabs(p[0] - 200 * scale) < 1e-9 * scale));
        EXPECT_TRUE(onOutline) << "open side " << a << "-" << b;
    }
    // The inner line's nodes are each used by both materials.
    std::map<int, std::set<int>> materialsAtNode;
    for (const auto& [id, element] : model.m_feElements) {
        for (const int node : element->nodeIds)
            materialsAtNode[node].insert(element->materialId);
    }
    int shared = 0;
    for (const auto& [node, materials] : materialsAtNode) {
        if (materials.size() == 2) {
            ++shared;
            EXPECT_NEAR(model.FindFeNode(node)->xy[0], 100.0 * scale, 1e-9 * scale);
        }
    }
    EXPECT_EQ(shared, param.sharedNodes);
    // Export leaves the curves' node lists empty for the next domain.
    for (const auto& [id, curve] : section.curves)
        EXPECT_TRUE(curve->meshNodeIds.empty());
    EXPECT_TRUE(user.lines.empty());
}

// Mode 1 halves the inner line's count once for the section (5 -> 2, or 6 ->
// 3), and the split doubles its segments back.
const SplitRectangleCase kSplitRectangleCases[] = {
    {"Triangles_mm", 1.0, 3, 5, 6},      {"Triangles_m", 0.001, 3, 5, 6},
    {"AllQuads_mm", 1.0, 1, 6, 7},       {"AllQuads_m", 0.001, 1, 6, 7},
    {"AllQuadsOdd_mm", 1.0, 1, 5, 5},    {"QuadDominant_mm", 1.0, 2, 5, 6},
    {"QuadDominant_m", 0.001, 2, 5, 6},
};

INSTANTIATE_TEST_SUITE_P(Modes, SplitRectangleTest, ::testing::ValuesIn(kSplitRectangleCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DomainMeshDriverTest, ElementsRunCounterClockwiseWithTheDomainMaterial)
{
    T_SECTION_D& section = AddSection(SplitRectangleSection(1.0, 4, 4));
    ASSERT_TRUE(GenerateDomainMesh(model, &section, section.FindDomain(1), 3));
    ASSERT_FALSE(model.m_feElements.empty());
    for (const auto& [id, element] : model.m_feElements) {
        ASSERT_EQ(element->nodeIds.size(), 3u);
        EXPECT_EQ(element->materialId, 1);
        EXPECT_EQ(element->modularRatio, 1.0);
        const double* a = model.FindFeNode(element->nodeIds[0])->xy;
        const double* b = model.FindFeNode(element->nodeIds[1])->xy;
        const double* c = model.FindFeNode(element->nodeIds[2])->xy;
        EXPECT_GT((b[0] - a[0]) * (c[1] - a[1]) - (b[1] - a[1]) * (c[0] - a[0]), 0.0);
    }
}

TEST_F(DomainMeshDriverTest, ProgressRunsOneToSixAndEnds)
{
    T_SECTION_D& section = AddSection(SplitRectangleSection(1.0, 4, 4));
    ASSERT_TRUE(GenerateDomainMesh(model, &section, section.FindDomain(1), 3));
    EXPECT_EQ(user.progressCalls, (std::vector<std::string>{"begin 6", "set 1", "set 2", "set 3", "set 4", "set 5",
                                                            "set 6", "end"}));
}

TEST_F(DomainMeshDriverTest, EscapeAtAnyPollCancelsWithOneLineAndNoMesh)
{
    for (const int escapeAt : {1, 4, 40}) {
        CSectModel fresh;
        ScriptedUserPorts freshUser;
        fresh.m_reporter.SetPorts(freshUser.Ports());
        auto owned = SplitRectangleSection(1.0, 6, 6);
        T_SECTION_D& section = *owned;
        fresh.m_sections[1] = std::move(owned);
        for (int i = 1; i < escapeAt; ++i)
            freshUser.QueuePendingMessages({PolledMessage::OtherMessage});
        freshUser.QueuePendingMessages({PolledMessage::Escape});

        EXPECT_FALSE(GenerateDomainMesh(fresh, &section, section.FindDomain(1), 3)) << escapeAt;
        EXPECT_EQ(freshUser.lines, (std::vector<std::string>{"* Mesh generation is canceled."})) << escapeAt;
        EXPECT_TRUE(fresh.m_feNodes.empty());
        EXPECT_TRUE(fresh.m_feElements.empty());
        EXPECT_EQ(freshUser.progressCalls.back(), "end");
    }
}

// A cancel port that tries to start a second run from inside the first one.
class ReenteringPort : public ICancelPort {
public:
    PolledMessage TakePendingMessage() override
    {
        if (!tried) {
            tried = true;
            secondRunResult = GenerateDomainMesh(*model, section, section->FindDomain(2), 3);
        }
        return PolledMessage::QueueEmpty;
    }
    CSectModel* model = nullptr;
    T_SECTION_D* section = nullptr;
    bool tried = false;
    bool secondRunResult = true;
};

TEST_F(DomainMeshDriverTest, ASecondRunWhileOneIsGoingIsRefused)
{
    T_SECTION_D& section = AddSection(SplitRectangleSection(1.0, 4, 4));
    ReenteringPort port;
    port.model = &model;
    port.section = &section;
    UserPorts ports = user.Ports();
    ports.cancel = &port;
    model.m_reporter.SetPorts(ports);

    EXPECT_TRUE(GenerateDomainMesh(model, &section, section.FindDomain(1), 3));
    EXPECT_TRUE(port.tried);
    EXPECT_FALSE(port.secondRunResult);
    // Only the first domain's material is in the mesh.
    for (const auto& [id, element] : model.m_feElements)
        EXPECT_EQ(element->materialId, 1);
}

TEST_F(DomainMeshDriverTest, BoundariesThatTouchFailWithAMessage)
{
    // A hole whose corner lies on the outline's side.
    SectionBuilder build;
    const int a = build.Point(0, 0), b = build.Point(100, 0), c = build.Point(100, 100), d = build.Point(0, 100);
    const int outline = build.Loop(1, {build.Curve({a, b}, 1), build.Curve({b, c}, 4), build.Curve({c, d}, 4),
                                       build.Curve({d, a}, 4)});
    const int h1 = build.Point(50, 0), h2 = build.Point(40, 30), h3 = build.Point(60, 30);
    const int hole = build.Loop(2, {build.Curve({h1, h2}, 2), build.Curve({h2, h3}, 2), build.Curve({h3, h1}, 2)});
    build.Domain({outline, hole}, 1);
    T_SECTION_D& section = AddSection(build.Take());

    EXPECT_FALSE(GenerateDomainMesh(model, &section, section.FindDomain(1), 3));
    ASSERT_EQ(user.lines.size(), 1u);
    EXPECT_EQ(user.lines[0],
              "* Mesh generation failed in domain [1] of section [Section-P1]: a boundary node cannot be placed.");
    EXPECT_TRUE(model.m_feElements.empty());
}

class ExportTest : public DomainMeshDriverTest {
protected:
    ExportTest()
    {
        store.SetFrame(0.0, 0.0, 1.0);
        section = &AddSection(SplitRectangleSection(1.0, 4, 4));
    }

    void AddFeNode(double x, double y)
    {
        auto node = std::make_unique<T_FENODE_D>();
        node->id = model.m_nextFeNodeId++;
        node->xy[0] = x;
        node->xy[1] = y;
        model.m_feNodes[node->id] = std::move(node);
    }

    bool Export()
    {
        const MeshStageResult result =
            ExportDomainMesh(model, section, section->FindDomain(1), store, [] { return false; });
        failure = result.failure;
        return result.Ok();
    }

    CMeshStore store;
    T_SECTION_D* section = nullptr;
    std::string failure;
};

TEST_F(ExportTest, BoundaryNodesJoinTheLowestEarlierNodeAndFreeNodesNever)
{
    AddFeNode(1.0, 0.0);
    AddFeNode(0.0, 0.0);
    AddFeNode(0.0, 0.0);
    const int fixedCorner = store.AddNode(0.0, 0.0, 1.0, true).id;
    const int freeCorner = store.AddNode(1.0, 0.0, 1.0, false).id;
    const int fixedFar = store.AddNode(0.0, 1.0, 1.0, true).id;
    store.AddElement().nodes = {fixedCorner, freeCorner, fixedFar};

    ASSERT_TRUE(Export()) << failure;
    EXPECT_EQ(store.FindMeshNode(fixedCorner)->feNodeId, 2);
    EXPECT_EQ(store.FindMeshNode(freeCorner)->feNodeId, 4);
    EXPECT_EQ(store.FindMeshNode(fixedFar)->feNodeId, 5);
    ASSERT_EQ(model.m_feElements.size(), 1u);
    EXPECT_EQ(model.m_feElements.begin()->second->nodeIds, (std::vector<int>{2, 4, 5}));
    EXPECT_EQ(model.m_feElements.begin()->second->materialId, 1);
}

TEST_F(ExportTest, AnElementThatLostACornerIsAnErrorNotADrop)
{
    const int a = store.AddNode(0.0, 0.0, 1.0, true).id;
    const int b = store.AddNode(1.0, 0.0, 1.0, true).id;
    store.AddElement().nodes = {a, b, 99};
    EXPECT_FALSE(Export());
    EXPECT_EQ(failure, "element 1 of the mesh has lost its corners");
    EXPECT_TRUE(model.m_feElements.empty());
}

// A large mesh is exported with polls between its elements and nodes;
// whichever poll finds Escape ends the export Canceled, with no failure to
// report and no poll after it.
TEST_F(ExportTest, EscapeAtAnyPollCancelsTheExport)
{
    constexpr int kSide = 60;  // triangles of a kSide x kSide grid of squares
    std::vector<int> ids;
    for (int j = 0; j <= kSide; ++j) {
        for (int i = 0; i <= kSide; ++i)
            ids.push_back(store.AddNode(i, j, 1.0, false).id);
    }
    for (int j = 0; j < kSide; ++j) {
        for (int i = 0; i < kSide; ++i) {
            const int a = ids[j * (kSide + 1) + i];
            const int b = ids[j * (kSide + 1) + i + 1];
            const int c = ids[(j + 1) * (kSide + 1) + i + 1];
            const int d = ids[(j + 1) * (kSide + 1) + i];
            store.AddElement().nodes = {a, b, c};
            store.AddElement().nodes = {a, c, d};
        }
    }
    int polls = 0;
    ASSERT_TRUE(ExportDomainMesh(model, section, section->FindDomain(1), store, [&polls] { return ++polls < 0; })
                    .Ok());
    // Twice the elements and once the nodes, a poll every few thousand.
    ASSERT_GE(polls, 4);
    for (int escapeAt = 1; escapeAt <= polls; ++escapeAt) {
        SCOPED_TRACE(escapeAt);
        int seen = 0;
        const MeshStageResult result = ExportDomainMesh(model, section, section->FindDomain(1), store,
                                                        [&] { return ++seen == escapeAt; });
        EXPECT_EQ(result.status, MeshStatus::Canceled);
        EXPECT_TRUE(result.failure.empty());
        EXPECT_EQ(seen, escapeAt);
    }
}

TEST(SectionDomainInput, ModeOneHalvesOnlyCurvesNotPlacedEarlierInTheRun)
{
    auto section = SplitRectangleSection(1.0, 8, 8);
    section->FindCurve(1)->meshNodeWork = {11, 12, 13};  // placed by an earlier domain
    MeshDomainInput input;
    std::string failure;
    ASSERT_TRUE(ReadDomainBoundary(*section, *section->FindDomain(1), 1, input, failure));
    ASSERT_EQ(input.loops.size(), 1u);
    EXPECT_FALSE(input.loops[0].curves[0].halveDivisions);
    EXPECT_TRUE(input.loops[0].curves[1].halveDivisions);
    ASSERT_TRUE(ReadDomainBoundary(*section, *section->FindDomain(1), 3, input, failure));
    EXPECT_FALSE(input.loops[0].curves[1].halveDivisions);
}

TEST(SectionDomainInput, AMissingCurveIsReported)
{
    auto section = SplitRectangleSection(1.0, 4, 4);
    section->curves.erase(7);
    MeshDomainInput input;
    std::string failure;
    EXPECT_FALSE(ReadDomainBoundary(*section, *section->FindDomain(1), 3, input, failure));
    EXPECT_EQ(failure, "curve [7] is missing");
}

}  // namespace
