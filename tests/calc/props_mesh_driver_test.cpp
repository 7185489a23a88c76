// The plane-section mesh driver: division counts by level and by size, the
// meshing of used domains, the refusal of poor meshes and the renumbering.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <set>

#include "calc/MeshElementLimit.h"
#include "calc/PlaneMeshSizing.h"
#include "calc/PropsTestSupport.h"

namespace {

class MeshDriverTest : public PropsTest {
protected:
    // Divisions of the section's curves in their point order, keyed by the
    // lengths they span, after a mesh of the given level or size.
    std::multiset<std::pair<double, int>> Divisions(int sectionId) const
    {
        std::multiset<std::pair<double, int>> out;
        const T_SECTION_D& section = Section(sectionId);
        for (const auto& [id, curve] : section.curves) {
            double length = 0.0;
            for (std::size_t i = 0; i + 1 < curve->pointIds.size(); ++i)
                length += Distance(section.FindPoint(curve->pointIds[i])->xy,
                                   section.FindPoint(curve->pointIds[i + 1])->xy);
            out.insert({std::round(length * 1000.0) / 1000.0, curve->meshDivisions});
        }
        return out;
    }

    // The section of the curves with its divisions assigned.
    int Size(const std::vector<int>& curves, int level, double size)
    {
        const int id = GeneratePlane(curves);
        EXPECT_NE(id, 0);
        AssignMeshDivisions(*model.FindSection(id), level, size);
        return id;
    }

    int Mesh(const std::vector<int>& curves, int level, double size)
    {
        const int id = GeneratePlane(curves);
        EXPECT_NE(id, 0);
        lastResult = model.MeshPlaneSection(model.FindSection(id), level, size);
        return id;
    }

    bool lastResult = false;
};

using Counts = std::multiset<std::pair<double, int>>;

TEST_F(MeshDriverTest, LevelThreeRectangleTakesAnEighthOfTheMeanStraightLength)
{
    // h = 75 / 8 (the tolerance is not subtracted): 100 / h → 11 → 12, 50 / h → 5 → 6.
    const int id = Size(DrawRectangle(0, 0, 100, 50), 3, 0.0);
    EXPECT_EQ(Divisions(id), (Counts{{50, 6}, {50, 6}, {100, 12}, {100, 12}}));
}

TEST_F(MeshDriverTest, MeshSizeIsIndependentOfTheTolerance)
{
    model.SetTolerance(5.0);  // with h = m / n − tolerance the size would shrink to 4.375
    const int id = Size(DrawRectangle(0, 0, 100, 50), 3, 0.0);
    EXPECT_EQ(Divisions(id), (Counts{{50, 6}, {50, 6}, {100, 12}, {100, 12}}));
}

TEST_F(MeshDriverTest, GivenMeshSizeRoundsAndEvensTheCounts)
{
    const int id = Size(DrawRectangle(0, 0, 100, 50), 0, 30.0);
    EXPECT_EQ(Divisions(id), (Counts{{50, 2}, {50, 2}, {100, 4}, {100, 4}}));
}

TEST_F(MeshDriverTest, PolylineOfSegmentsFarShorterThanTheSizeHalvesItsSegmentCount)
{
    Polyline bottom;
    for (int i = 0; i <= 40; ++i)
        bottom.push_back({2.5 * i, 0.0});
    const int id = Size({Draw(bottom), Draw({{100, 0}, {100, 50}}), Draw({{100, 50}, {0, 50}}),
                         Draw({{0, 50}, {0, 0}})},
                        0, 30.0);
    EXPECT_EQ(Divisions(id), (Counts{{50, 2}, {50, 2}, {100, 4}, {100, 20}}));
}

TEST_F(MeshDriverTest, LevelOneLeavesAShortStraightCurveUndivided)
{
    // A square with one side drawn as 95 and 5: m = 80, h = 20; the piece of
    // 5 is below 0.67 h: 1 × 0.67 truncated is 0.
    const int id = Size({Draw({{0, 0}, {100, 0}}), Draw({{100, 0}, {100, 95}}), Draw({{100, 95}, {100, 100}}),
                         Draw({{100, 100}, {0, 100}}), Draw({{0, 100}, {0, 0}})},
                        1, 0.0);
    EXPECT_EQ(Divisions(id), (Counts{{5, 0}, {95, 6}, {100, 6}, {100, 6}, {100, 6}}));
}

TEST_F(MeshDriverTest, LevelsPutTheirElementsThroughAThinWall)
{
    // A strip 100 × 5 at level 1: h = 52.5 / 4 = 13.125 would leave its ends
    // undivided and one element through it; two through it make the size 2.5.
    const int id = Size(DrawRectangle(0, 0, 100, 5), 1, 0.0);
    EXPECT_EQ(Divisions(id), (Counts{{5, 2}, {5, 2}, {100, 40}, {100, 40}}));
    // A given size is the user's own: 100 / 30 → 4, and a side of 5 takes 2.
    const int sized = Size(DrawRectangle(0, 200, 100, 205), 0, 30.0);
    EXPECT_EQ(Divisions(sized), (Counts{{5, 2}, {5, 2}, {100, 4}, {100, 4}}));
}

// Shapes whose walls are thick for every level keep the plain level rule, so
// their meshes stay as they were: lines take RoundToInt(L / (m / n)) with n =
// 4, 6, 8, 10, 14 by level; one closed curve of s segments takes 0.67 s, s,
// s, 1.5 s, 2 s; odd counts go up by one.
struct CompactCase {
    const char* name;
    Polyline corners;
    std::array<int, 5> oneCurveCounts;  // by level, when drawn as one closed curve; all 0 for lines
};

class CompactShapeTest : public MeshDriverTest, public ::testing::WithParamInterface<CompactCase> {};

Polyline Ellipse(double a, double b, int n)
{
    Polyline points;
    for (int k = 0; k < n; ++k)
        points.push_back({a * std::cos(2.0 * std::numbers::pi * k / n), b * std::sin(2.0 * std::numbers::pi * k / n)});
    return points;
}

TEST_P(CompactShapeTest, KeepsThePlainLevelRuleAtEveryLevel)
{
    const CompactCase& c = GetParam();
    const bool oneCurve = c.oneCurveCounts[0] != 0;
    std::vector<int> curves;
    for (std::size_t i = 0; i < c.corners.size() && !oneCurve; ++i)
        curves.push_back(Draw({c.corners[i], c.corners[(i + 1) % c.corners.size()]}));
    if (oneCurve) {
        Polyline closed = c.corners;
        closed.push_back(c.corners.front());
        curves.push_back(Draw(closed));
    }
    const int id = GeneratePlane(curves);
    ASSERT_NE(id, 0);
    const int levelDivisor[5] = {4, 6, 8, 10, 14};
    for (int level = 1; level <= 5; ++level) {
        AssignMeshDivisions(*model.FindSection(id), level, 0.0);
        const Counts counts = Divisions(id);
        double mean = 0.0;
        for (const auto& [length, count] : counts)
            mean += length / static_cast<double>(counts.size());
        for (const auto& [length, count] : counts) {
            const int expected =
                oneCurve ? c.oneCurveCounts[level - 1] : RoundToInt(length * levelDivisor[level - 1] / mean);
            EXPECT_EQ(count, expected + expected % 2) << "level " << level << ", curve of " << length;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CompactShapeTest,
    ::testing::Values(CompactCase{"Rectangle2To1", {{0, 0}, {100, 0}, {100, 50}, {0, 50}}, {}},
                      CompactCase{"Square", {{0, 0}, {100, 0}, {100, 100}, {0, 100}}, {}},
                      CompactCase{"EquilateralTriangle", {{0, 0}, {100, 0}, {50, 50 * std::sqrt(3.0)}}, {}},
                      CompactCase{"EllipseOfLines", Ellipse(50, 25, 48), {}},
                      CompactCase{"DiscOfLines", Ellipse(50, 50, 36), {}},
                      CompactCase{"EllipseCurve", Ellipse(50, 25, 48), {32, 48, 48, 72, 96}},
                      CompactCase{"DiscCurve", Ellipse(50, 50, 36), {24, 36, 36, 54, 72}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MeshDriverTest, RenumberedMeshNamesItsNodesByTheirNewIdsAndMarksTheBoundary)
{
    Mesh(DrawRectangle(0, 0, 100, 50), 3, 0.0);
    ASSERT_TRUE(lastResult);
    const int nodeCount = static_cast<int>(model.m_feNodes.size());
    EXPECT_EQ(model.m_feNodes.begin()->first, 1);
    EXPECT_EQ(model.m_feNodes.rbegin()->first, nodeCount);
    std::map<int, int> uses;
    for (const auto& [elementId, element] : model.m_feElements) {
        for (int node : element->nodeIds) {
            ASSERT_NE(model.FindFeNode(node), nullptr);
            ++uses[node];
            const auto& list = model.FindFeNode(node)->elementIds;
            EXPECT_NE(std::find(list.begin(), list.end(), elementId), list.end());
        }
    }
    int boundary = 0;
    for (const auto& [nodeId, node] : model.m_feNodes) {
        EXPECT_EQ(node->id, nodeId);
        EXPECT_EQ(node->renumberedIndex, nodeId);
        EXPECT_EQ(static_cast<int>(node->elementIds.size()), uses[nodeId]);
        const bool onOutline = IsZero(node->xy[0]) || IsZero(node->xy[0] - 100) || IsZero(node->xy[1]) ||
                               IsZero(node->xy[1] - 50);
        EXPECT_EQ(node->boundary, onOutline) << node->xy[0] << ", " << node->xy[1];
        boundary += node->boundary;
    }
    EXPECT_EQ(boundary, 2 * (12 + 6));
}

TEST_F(MeshDriverTest, UnusedDomainGetsNoElements)
{
    std::vector<int> curves = DrawRectangle(0, 0, 100, 100);
    const std::vector<int> inner = DrawRectangle(25, 25, 75, 75);
    curves.insert(curves.end(), inner.begin(), inner.end());
    const int id = GeneratePlane(curves);
    ASSERT_NE(id, 0);
    T_SECTION_D* section = model.FindSection(id);
    ASSERT_EQ(section->domains.size(), 2u);
    for (auto& [domainId, domain] : section->domains)
        domain->used = domain->loopIds.size() != 1;  // the ring has two loops, the inner square one
    ASSERT_TRUE(model.MeshPlaneSection(section, 2, 0.0));
    for (const auto& [elementId, element] : model.m_feElements) {
        double centre[2] = {0.0, 0.0};
        for (int node : element->nodeIds) {
            centre[0] += model.FindFeNode(node)->xy[0] / element->nodeIds.size();
            centre[1] += model.FindFeNode(node)->xy[1] / element->nodeIds.size();
        }
        EXPECT_FALSE(centre[0] > 25 && centre[0] < 75 && centre[1] > 25 && centre[1] < 75);
    }
}

struct PoorMeshCase {
    const char* name;
    int level;
    double size;
    const char* warning;
};

class PoorMeshTest : public MeshDriverTest, public ::testing::WithParamInterface<PoorMeshCase> {};

TEST_P(PoorMeshTest, IsClearedWithTheWarningOfItsSizing)
{
    const int id = GeneratePlane(DrawNeedle());
    ASSERT_NE(id, 0);
    user.ClearRecords();
    EXPECT_FALSE(model.MeshPlaneSection(model.FindSection(id), GetParam().level, GetParam().size));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{GetParam().warning}) << ::testing::PrintToString(user.lines);
    EXPECT_TRUE(model.m_feNodes.empty());
    EXPECT_TRUE(model.m_feElements.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Warnings, PoorMeshTest,
    ::testing::Values(PoorMeshCase{"GivenSize", 0, 30.0,
                                   "Very poor mesh is generated and the mesh size seems unsuitable.\n\n"
                                   "Change the mesh density level (up) or mesh size (down)."},
                      PoorMeshCase{"LevelFive", 5, 0.0,
                                   "Very poor mesh is generated and the mesh level seems unsuitable.\n\n"
                                   "Use [Mesh Size] option with a smaller size."},
                      PoorMeshCase{"OtherLevel", 1, 0.0,
                                   "Very poor mesh is generated and the mesh level seems unsuitable.\n\n"
                                   "Change the mesh density level (up) or mesh size (down)."}),
    [](const auto& info) { return std::string(info.param.name); });

// A wall of 1/500 of the section's extent takes the level's elements through
// it all along; a sliver of 1/1000000 would take billions, so its walls are
// held near the element limit, and the note says so. No mesh size resolves
// that wall within the limit, so the note's advice is to redraw.
TEST_F(MeshDriverTest, SliverPastTheElementLimitIsSizedAtTheLimitWithANote)
{
    model.SetTolerance(1e-4);
    const int strip = Size(DrawRectangle(0, 0, 500, 1), 5, 0.0);
    // 10.5 elements through the wall: 500 / (1 / 10.5) = 5250.
    EXPECT_EQ(Divisions(strip), (Counts{{1, 12}, {1, 12}, {500, 5250}, {500, 5250}}));
    ASSERT_NE(model.FindSection(strip), nullptr);
    const MeshSizingNote none = AssignMeshDivisions(*model.FindSection(strip), 5, 0.0);
    EXPECT_EQ(none.kind, MeshSizingNote::None);
    EXPECT_TRUE(MeshSizingNoteLines(none, "S").empty());

    const int sliver = GeneratePlane(DrawRectangle(0, 10, 1000, 10.001));
    ASSERT_NE(sliver, 0);
    const MeshSizingNote note = AssignMeshDivisions(*model.FindSection(sliver), 5, 0.0);
    EXPECT_EQ(note.kind, MeshSizingNote::HeldAtElementLimit);
    EXPECT_EQ(note.elementLimit, MeshElementLimit());
    EXPECT_NEAR(note.thinnestWall, 0.001, 1e-9);
    int faceDivisions = 0;
    for (const auto& [length, count] : Divisions(sliver))
        faceDivisions += length > 1.0 ? count : 0;
    // The level asks 2 × 1000 / (0.001 / 10.5) = 21 million along the faces.
    EXPECT_GT(faceDivisions, 100'000);
    EXPECT_LT(faceDivisions, 1'000'000);
    EXPECT_EQ(MeshSizingNoteLines(note, "Sliver"),
              (std::vector<std::string>{
                  "* The mesh of section [Sliver] is held at about " + std::to_string(MeshElementLimit()) +
                      " elements: its thinnest wall (0.001 thick)",
                  "  gets fewer elements through it than the level asks, so J and the shear areas may be high.",
                  "  Redraw the section without that sliver, or model thin walls as a line section with widths."}));
}

// A given size stays as given, however coarse for a wall; the output says
// when it puts fewer than two elements through one.
TEST_F(MeshDriverTest, GivenSizeOfOneElementThroughAWallIsKeptWithANote)
{
    model.SetTolerance(0.1);
    const int id = Mesh(DrawRectangle(0, 0, 100, 1), 0, 1.0);
    ASSERT_TRUE(lastResult) << ::testing::PrintToString(user.BoxTexts());
    // As sized, 100 and 2; the mesher triangulates at half those counts.
    EXPECT_EQ(Divisions(id), (Counts{{1, 1}, {1, 1}, {100, 50}, {100, 50}}));
    EXPECT_EQ(user.lines, (std::vector<std::string>{
                              "* Mesh size 1 puts fewer than two elements through the thinnest wall (1 thick)",
                              "  of section [" + Section(id).name + "], so J and the shear areas may be high.",
                              "  The [Mesh Size] option with 0.1818 would resolve that wall."}));

    user.ClearRecords();
    Mesh(DrawRectangle(0, 10, 100, 11), 0, 0.25);
    ASSERT_TRUE(lastResult) << ::testing::PrintToString(user.BoxTexts());
    EXPECT_TRUE(user.lines.empty()) << ::testing::PrintToString(user.lines);

    // The advised size is one the mesher takes: the wall 1 thick gets
    // 1 / 0.1818 = 5.5 elements through it, and the mesh is made.
    user.ClearRecords();
    Mesh(DrawRectangle(0, 20, 100, 21), 0, 1.0 / 5.5);
    ASSERT_TRUE(lastResult) << ::testing::PrintToString(user.BoxTexts());
    EXPECT_TRUE(user.lines.empty()) << ::testing::PrintToString(user.lines);
}

// A quarter of the memory at 5500 bytes an element, between 100,000 and a
// million: 8 GB holds 2 GiB / 5500 = 390,451 elements.
TEST(MeshElementLimit, IsAQuarterOfTheMemoryBetweenAFloorAndACeiling)
{
    constexpr std::uint64_t kGiB = 1ull << 30;
    EXPECT_EQ(MeshElementLimitFor(8 * kGiB), 390'451);
    EXPECT_EQ(MeshElementLimitFor(16 * kGiB), 780'903);
    EXPECT_EQ(MeshElementLimitFor(64 * kGiB), 1'000'000);
    EXPECT_EQ(MeshElementLimitFor(2 * kGiB), 100'000);
    EXPECT_EQ(MeshElementLimitFor(0), 100'000);
    EXPECT_GE(MeshElementLimit(), 100'000);
    EXPECT_LE(MeshElementLimit(), 1'000'000);
}

// A wall thinner than 1/50,000 of the section's extent is refused before
// anything is meshed: the mesher never starts (no progress, no poll), and
// the box names the section, the wall and what to do.
struct SliverCase {
    const char* name;
    Polyline outline;
    double wall;
};

class OutlineTest : public MeshDriverTest {
protected:
    std::vector<int> DrawOutline(const Polyline& corners)
    {
        std::vector<int> ids;
        for (std::size_t i = 0; i < corners.size(); ++i)
            ids.push_back(Draw({corners[i], corners[(i + 1) % corners.size()]}));
        return ids;
    }
};

class UnsolvableWallTest : public OutlineTest, public ::testing::WithParamInterface<SliverCase> {};

TEST_P(UnsolvableWallTest, IsRefusedBeforeMeshingWithWhatToDo)
{
    model.SetTolerance(1e-5);
    const int id = GeneratePlane(DrawOutline(GetParam().outline), "Sliver");
    ASSERT_NE(id, 0);
    user.ClearRecords();
    user.QueuePendingMessages({PolledMessage::Escape});
    EXPECT_FALSE(model.MeshPlaneSection(model.FindSection(id), 1, 0.0));
    char thickness[32];
    std::snprintf(thickness, sizeof thickness, "%.4g", GetParam().wall);
    EXPECT_EQ(user.BoxTexts(),
              std::vector<std::string>{"Plane section [Sliver] has a wall " + std::string(thickness) +
                                       " thick, too thin beside its extent for the calculation to solve.\n\n"
                                       "Redraw the section without that sliver, or model thin walls as a line "
                                       "section with widths.\n\nThis section cannot be calculated."});
    EXPECT_TRUE(user.progressCalls.empty());
    EXPECT_EQ(user.TakePendingMessage(), PolledMessage::Escape);  // never polled
    EXPECT_TRUE(model.m_feNodes.empty());
    EXPECT_TRUE(model.m_feElements.empty());
}

INSTANTIATE_TEST_SUITE_P(
    SliversFinsAndStrips, UnsolvableWallTest,
    ::testing::Values(SliverCase{"Strip1000By001", {{0, 0}, {1000, 0}, {1000, 0.01}, {0, 0.01}}, 0.01},
                      SliverCase{"UprightStrip", {{0, 0}, {0.005, 0}, {0.005, 500}, {0, 500}}, 0.005},
                      SliverCase{"BlockWithAFin",
                                 {{0, 0}, {100, 0}, {100, 100}, {50.001, 100}, {50.001, 150}, {49.999, 150},
                                  {49.999, 100}, {0, 100}},
                                 0.002}),
    [](const auto& info) { return std::string(info.param.name); });

// The same shapes a little thicker, 1/10,000 of their extent, are no slivers.
TEST_F(OutlineTest, WallsOfATenThousandthOfTheExtentAreSolvable)
{
    model.SetTolerance(1e-5);
    const int strip = GeneratePlane(DrawOutline({{0, 0}, {1000, 0}, {1000, 0.1}, {0, 0.1}}));
    const int fin = GeneratePlane(DrawOutline(
        {{0, 300}, {100, 300}, {100, 400}, {50.005, 400}, {50.005, 450}, {49.995, 450}, {49.995, 400}, {0, 400}}));
    EXPECT_EQ(UnsolvableWallOf(Section(strip)), 0.0);
    EXPECT_EQ(UnsolvableWallOf(Section(fin)), 0.0);
}

// A note advises a size only when the mesh at that size is one the mesher
// takes (no curve past 1,000,000 divisions) and within the element limit,
// reckoned here from the section's own area and longest curve; otherwise it
// advises to redraw. The size puts the elements of the level through the
// wall (5.5 for a given size).
struct AdviceCase {
    const char* name;
    Polyline outline;
    int level;
    double size;
    double wall;         // the thinnest wall
    double through;      // elements through it that the advice asks
    double area;         // of the section
    double longestCurve;
};

class NoteAdviceTest : public OutlineTest, public ::testing::WithParamInterface<AdviceCase> {};

TEST_P(NoteAdviceTest, AdvisesOnlyASizeTheMesherTakesWithinTheLimit)
{
    const AdviceCase& c = GetParam();
    model.SetTolerance(1e-5);
    const int id = GeneratePlane(DrawOutline(c.outline), "S");
    ASSERT_NE(id, 0);
    T_SECTION_D& section = *model.FindSection(id);
    const MeshSizingNote note = AssignMeshDivisions(section, c.level, c.size);
    ASSERT_NE(note.kind, MeshSizingNote::None);
    EXPECT_NEAR(note.thinnestWall, c.wall, 1e-9 * c.wall);
    const double resolving = c.wall / c.through;
    const bool fits = 2.0 * c.area / (resolving * resolving) <= MeshElementLimit() &&
                      c.longestCurve / resolving <= 1'000'000;
    const std::vector<std::string> lines = MeshSizingNoteLines(note, "S");
    ASSERT_EQ(lines.size(), 3u);
    if (!fits) {
        EXPECT_EQ(note.resolvingSize, 0.0);
        EXPECT_EQ(lines[2], "  Redraw the section without that sliver, or model thin walls as a line section with "
                            "widths.");
        return;
    }
    EXPECT_NEAR(note.resolvingSize, resolving, 1e-9 * resolving);
    AssignMeshDivisions(section, 0, note.resolvingSize);
    for (const auto& [curveId, curve] : section.curves)
        EXPECT_LE(curve->meshDivisions, 1'000'000) << curveId;
}

INSTANTIATE_TEST_SUITE_P(
    SliversFinsAndStrips, NoteAdviceTest,
    ::testing::Values(
        AdviceCase{"StripAtACoarseSize", {{0, 0}, {100, 0}, {100, 1}, {0, 1}}, 0, 1.0, 1.0, 5.5, 100, 100},
        AdviceCase{"LongStripAtACoarseSize", {{0, 0}, {1000, 0}, {1000, 1}, {0, 1}}, 0, 5.0, 1.0, 5.5, 1000, 1000},
        AdviceCase{"ChannelAtACoarseSize",
                   {{0, 0}, {50, 0}, {50, 6}, {6, 6}, {6, 94}, {50, 94}, {50, 100}, {0, 100}},
                   0, 20.0, 6.0, 5.5, 50 * 100 - 44 * 88, 100},
        AdviceCase{"ThinStripAtACoarseSize", {{0, 0}, {1000, 0}, {1000, 0.05}, {0, 0.05}}, 0, 1.0, 0.05, 5.5, 50,
                   1000},
        AdviceCase{"BlockWithAFinAtACoarseSize",
                   {{0, 0}, {100, 0}, {100, 100}, {50.05, 100}, {50.05, 150}, {49.95, 150}, {49.95, 100}, {0, 100}},
                   0, 1.0, 0.1, 5.5, 10000 + 5, 100},
        AdviceCase{"BlockWithAFinAtLevelFive",
                   {{0, 0}, {100, 0}, {100, 100}, {50.005, 100}, {50.005, 150}, {49.995, 150}, {49.995, 100},
                    {0, 100}},
                   5, 0.0, 0.01, 10.5, 10000 + 0.5, 100},
        AdviceCase{"StripOfAThousandthAtLevelFive", {{0, 0}, {1000, 0}, {1000, 0.01}, {0, 0.01}}, 5, 0.0, 0.01, 10.5,
                   10, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MeshDriverTest, CancelledMeshLeavesTheMapsEmptyWithoutABox)
{
    const int id = GeneratePlane(DrawRectangle(0, 0, 100, 50));
    user.ClearRecords();
    user.QueuePendingMessages({PolledMessage::Escape});
    EXPECT_FALSE(model.MeshPlaneSection(model.FindSection(id), 3, 0.0));
    EXPECT_TRUE(model.m_feNodes.empty());
    EXPECT_TRUE(model.m_feElements.empty());
    EXPECT_TRUE(user.boxes.empty());
}

}  // namespace
