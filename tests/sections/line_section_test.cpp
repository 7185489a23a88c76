// Section > Generate for line sections.

#include "SectionTestSupport.h"

namespace {

class LineSectionTest : public SectionTest {};

TEST_F(LineSectionTest, GeneratesFromTheCurvesAndUndoFreesThem)
{
    model.m_nextSectionId = 7;
    const int web = Draw({{0, 0}, {0, 100}});
    const int flange = Draw({{-50, 100}, {0, 100}, {50, 100}});
    model.FindCurve(web)->width = 5.0;
    model.AddNewcomerSection(99, true);
    const FullState before = Capture();

    const int id = model.GenerateSection("", SECTION_LINE, {flange, web}, false, 12.5, kGrey, "", false, 0.0);

    ASSERT_EQ(id, 7);
    const T_SECTION_D& section = Section(id);
    EXPECT_EQ(section.name, "Section-L7");
    EXPECT_EQ(section.type, SECTION_LINE);
    EXPECT_EQ(section.curveIds, (std::vector<int>{flange, web}));
    EXPECT_FALSE(section.hasLocation);
    EXPECT_EQ(section.location, 12.5);  // stored without the flag
    EXPECT_TRUE(section.points.empty() && section.curves.empty() && section.loops.empty());
    EXPECT_EQ(section.nextPointId + section.nextCurveId + section.nextLoopId + section.nextDomainId +
                  section.nextFacetId,
              5);
    EXPECT_EQ(model.m_nextSectionId, 8);
    EXPECT_EQ(model.FindCurve(web)->sectionId, id);
    EXPECT_EQ(model.FindCurve(flange)->sectionId, id);
    std::vector<int> newcomers;
    model.GetNewcomerSections(newcomers);
    EXPECT_EQ(newcomers, std::vector<int>{id});
    EXPECT_EQ(UndoTitle(), "Generate new line section [Section-L7]");
    EXPECT_EQ(model.m_undoTopId, 1);
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_TRUE(user.lines.empty());

    const FullState after = Capture();
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Capture().records, before.records);
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(Capture().records, after.records);
}

struct LineRefusal {
    const char* name;
    std::vector<Polyline> curves;
    std::vector<std::vector<int>> loops;  // registered closed loops over curve numbers 1, 2, ...
    int ownedCurve;                        // curve number given to an existing section; 0 = none
    std::vector<int> given;                // curve numbers selected; empty = all
    std::string text;
};

class LineRefusalTest : public SectionTest, public ::testing::WithParamInterface<LineRefusal> {};

TEST_P(LineRefusalTest, RefusesWithItsTextAndChangesNothing)
{
    const LineRefusal& c = GetParam();
    std::vector<int> ids;
    for (const Polyline& curve : c.curves)
        ids.push_back(Draw(curve));
    for (const auto& loopCurves : c.loops) {
        auto loop = std::make_unique<T_LOOP_D>();
        loop->id = model.m_nextClosedLoopId++;
        loop->curveIds = loopCurves;
        for (int id : loopCurves)
            model.FindCurve(std::abs(id))->closedLoopIds.push_back(loop->id);
        model.m_closedLoops[loop->id] = std::move(loop);
    }
    const std::vector<int> given = c.given.empty() ? ids : c.given;
    if (c.ownedCurve != 0) {
        auto owner = std::make_unique<T_SECTION_D>();
        owner->id = model.m_nextSectionId++;
        owner->name = "Web";
        owner->type = SECTION_LINE;
        owner->curveIds = {c.ownedCurve};
        model.FindCurve(c.ownedCurve)->sectionId = owner->id;
        model.m_sections[owner->id] = std::move(owner);
    }
    const FullState before = Capture();

    ExpectRefused(GenerateLine(given), before, c.text);
    EXPECT_EQ(model.m_sections.size(), c.ownedCurve != 0 ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LineRefusalTest,
    ::testing::Values(
        // The ends are equalized first; the shorter curve then runs back
        // along the first segment of the longer one.
        LineRefusal{"Coincide", {{{0, 0}, {10, 0}, {20, 0}}, {{10, 0.5}, {0, 0.5}}}, {}, 0, {},
                    "Cannot generate a new line section.\n\nCurves [1] and [2] coincide."},
        LineRefusal{"Overlap", {{{0, 0}, {10, 0}}, {{5, 0}, {15, 0}}}, {}, 0, {},
                    "Cannot generate a new line section.\n\nCurves [1] and [2] overlap."},
        LineRefusal{"Owned", {{{0, 0}, {10, 0}}, {{0, 10}, {10, 10}}}, {}, 2, {},
                    "Curve [2] cannot be used to generate a new section.\n\nA curve can belong to only one "
                    "section.\n\nIt already belongs to the section [Web]."},
        LineRefusal{"LoopMissingOne",
                    {{{0, 0}, {10, 0}}, {{10, 0}, {10, 10}}, {{10, 10}, {0, 0}}},
                    {{1, 2, 3}},
                    0,
                    {1, 2},
                    "Not all curves belonging to the closed loop [1] are selected.\n\nCurve [3] is not selected."},
        LineRefusal{"LoopMissingTwo",
                    {{{0, 0}, {10, 0}}, {{10, 0}, {10, 10}}, {{10, 10}, {0, 10}}, {{0, 10}, {0, 0}}},
                    {{1, 2, 3, 4}},
                    0,
                    {2, 1},
                    "Not all curves belonging to the closed loop [1] are selected.\n\nCurves [3:4] are not "
                    "selected."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LineSectionTest, RefusalAfterEqualizingTakesTheMergeBack)
{
    // The near ends are merged first; the segments then coincide.
    const int a = Draw({{0, 0}, {10, 0}, {20, 0}});
    const int b = Draw({{10, 0.25}, {0.25, 0}});
    const FullState before = Capture();

    ExpectRefused(GenerateLine({a, b}), before,
                  "Cannot generate a new line section.\n\nCurves [1] and [2] coincide.");
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_TRUE(model.IsRedoEmpty());
}

TEST_F(LineSectionTest, RefusalKeepsTheRedoHistory)
{
    ASSERT_TRUE(model.CreateLine(P(0, 50).data(), P(10, 50).data(), ALIGN_CENTER, 0.0));
    ASSERT_TRUE(model.Undo(false));
    const int a = Draw({{0, 0}, {10, 0}, {20, 0}});
    const int b = Draw({{10, 0.25}, {0.25, 0}});
    const FullState before = Capture();
    ASSERT_EQ(before.redoTop, 1);
    user.ClearRecords();

    ExpectRefused(GenerateLine({a, b}), before,
                  "Cannot generate a new line section.\n\nCurves [2] and [3] coincide.");
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(model.m_curves.size(), 3u);
}

TEST_F(LineSectionTest, AcceptsACrossingAndASharedEnd)
{
    const int a = Draw({{0, 0}, {10, 10}});
    const int b = Draw({{0, 10}, {10, 0}});
    const int c = Draw({{10, 10}, {20, 10}});
    EXPECT_NE(GenerateLine({a, b, c}), 0);
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(LineSectionTest, PointSharedWithAnOutsideCurveGetsACopy)
{
    const int inside = Draw({{0, 0}, {10, 0}});
    const int outside = Draw({{10, 0}, {10, 10}});
    const int shared = CurvePoints(inside)[1];

    ASSERT_NE(GenerateLine({inside}), 0);
    EXPECT_EQ(CurvePoints(inside)[1], shared);
    const int copy = CurvePoints(outside)[0];
    EXPECT_NE(copy, shared);
    ExpectPointAt(copy, 10, 0);
    const ModelState after = CaptureState(model);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(CurvePoints(outside)[0], shared);
    EXPECT_EQ(model.FindPoint(copy), nullptr);
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(CaptureState(model), after);
}

TEST_F(LineSectionTest, CentroidCopiesBelongToTheGenerationAction)
{
    const int curve = Draw({{0, 0}, {10, 0}, {20, 0}});
    const int centroid = CurvePoints(curve)[1];
    auto calculated = std::make_unique<T_SECTION_D>();
    calculated->id = model.m_nextSectionId++;
    calculated->propertiesCalculated = true;
    calculated->centroidPointId = centroid;
    model.m_sections[calculated->id] = std::move(calculated);
    const FullState before = Capture();

    const int id = GenerateLine({curve});

    ASSERT_NE(id, 0);
    const int copy = CurvePoints(curve)[1];
    EXPECT_NE(copy, centroid);
    ExpectPointAt(copy, 10, 0);
    ExpectPointAt(centroid, 10, 0);
    EXPECT_EQ(model.m_undoTopId, 1);
    EXPECT_EQ(UndoTitle(), "Generate new line section [Section-L2]");
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Capture().records, before.records);
}

TEST_F(LineSectionTest, JoinsTheNamedGroup)
{
    ASSERT_TRUE(model.CreateGroup("Frames"));
    const int curve = Draw({{0, 0}, {10, 0}});
    const int id = GenerateLine({curve}, "Beam", "Frames");
    ASSERT_NE(id, 0);
    std::vector<int> members;
    model.GetGroupSections("Frames", members);
    EXPECT_EQ(members, std::vector<int>{id});
    EXPECT_EQ(Section(id).name, "Beam");
}

} // namespace
