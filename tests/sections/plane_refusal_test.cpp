// The refusals of plane-section generation: each from its trigger, with the
// model, its undo and its redo store left exactly as they were.

#include "SectionTestSupport.h"

namespace {

const std::string kPlaneLead = "Cannot generate a new plane section.\n\n";
const std::string kNoOuterLoop =
    "Cannot construct a closed outer loop of the plane section.\n\nConnect all curves correctly and then try again.";

struct PlaneRefusal {
    const char* name;
    std::vector<Polyline> curves;
    std::string text;
};

const Polyline kBottom = {{0, 0}, {200, 0}};
const Polyline kRight = {{200, 0}, {200, 100}};
const Polyline kTop = {{200, 100}, {0, 100}};
const Polyline kLeft = {{0, 100}, {0, 0}};

class PlaneRefusalTest : public SectionTest, public ::testing::WithParamInterface<PlaneRefusal> {};

TEST_P(PlaneRefusalTest, RefusesWithItsTextAndChangesNothing)
{
    std::vector<int> ids;
    for (const Polyline& curve : GetParam().curves)
        ids.push_back(Draw(curve));
    const FullState before = Capture();
    const int nextSection = model.m_nextSectionId;

    ExpectRefused(GeneratePlane(ids), before, GetParam().text);
    EXPECT_TRUE(model.m_sections.empty());
    EXPECT_GE(model.m_nextSectionId, nextSection);
    for (int id : ids)
        EXPECT_EQ(model.FindCurve(id)->work, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaneRefusalTest,
    ::testing::Values(
        PlaneRefusal{"Coincide", {kBottom, kRight, kTop, kLeft, {{200, 0}, {0, 0}}},
                     kPlaneLead + "Curves [1] and [5] coincide."},
        PlaneRefusal{"TJunction", {kBottom, kRight, kTop, kLeft, {{100, 0}, {100, 100}}},
                     kPlaneLead + "Curves [1] and [5] overlap or cross each other."},
        PlaneRefusal{"CrossingDiagonals",
                     {kBottom, kRight, kTop, kLeft, {{0, 0}, {200, 100}}, {{200, 0}, {0, 100}}},
                     kPlaneLead + "Curves [5] and [6] overlap or cross each other."},
        PlaneRefusal{"ToleranceAgainstLengthTwo",
                     {{{0, 0}, {10, 0}}, {{10, 0}, {10, 2}}, {{10, 2}, {0, 2}}, {{0, 2}, {0, 0}}},
                     "Tolerance [1.000] is too large.\n\nIt should be less than the half of the length [2.000] of the "
                     "shortest curve [2]."},
        PlaneRefusal{"HangingLine", {kBottom, kRight, kTop, kLeft, {{200, 100}, {300, 150}}},
                     kPlaneLead + "Curve [5] is not connected with other curve(s) at point [5]."},
        PlaneRefusal{"SingleOpenCurve", {{{0, 0}, {100, 0}, {100, 100}}}, kNoOuterLoop},
        PlaneRefusal{"FlatSelection", {{{0, 0}, {100, 0}, {0, 0}}}, kNoOuterLoop},
        // Equalizing folds the thin rectangle into one line.
        PlaneRefusal{"FlatAfterEqualizing",
                     {{{0, 0}, {100, 0}}, {{100, 0}, {100, 0.5}}, {{100, 0.5}, {0, 0.5}}, {{0, 0.5}, {0, 0}}},
                     kNoOuterLoop},
        // Two triangles joined by a bar: the walk around them comes back
        // along nothing.
        PlaneRefusal{"Dumbbell",
                     {{{0, 0}, {20, 0}}, {{20, 0}, {10, 20}}, {{10, 20}, {0, 0}}, {{20, 0}, {60, 0}},
                      {{60, 0}, {80, 0}}, {{80, 0}, {70, 20}}, {{70, 20}, {60, 0}}},
                     "Cannot construct a closed outer loop of the plane section.\n\nConnect all curves or exclude "
                     "the outside curves of the closed loop in selection."},
        // An inner triangle tied to the outer corner by a single line.
        PlaneRefusal{"TiedInnerTriangle",
                     {kBottom, kRight, kTop, kLeft, {{80, 40}, {120, 40}}, {{120, 40}, {100, 60}},
                      {{100, 60}, {80, 40}}, {{0, 0}, {80, 40}}},
                     "Plane section should have a clear simply-connected geometry.\n\n(All its domains should be "
                     "defined by simply-connected curve-loops)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SectionTest, ToleranceRulePassesLengthTwoPointOne)
{
    const std::vector<int> ids = {Draw({{0, 0}, {10, 0}}), Draw({{10, 0}, {10, 2.1}}), Draw({{10, 2.1}, {0, 2.1}}),
                                  Draw({{0, 2.1}, {0, 0}})};
    EXPECT_NE(GeneratePlane(ids), 0);
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(SectionTest, OwnedCurveIsRefusedBeforeAnythingChanges)
{
    const std::vector<int> first = DrawRectangle(0, 0, 100, 100);
    ASSERT_NE(GeneratePlane(first, "Deck"), 0);
    const std::vector<int> second = DrawRectangle(200, 0, 300, 100);
    std::vector<int> given = second;
    given.push_back(first[2]);
    const FullState before = Capture();

    ExpectRefused(GeneratePlane(given), before,
                  "Curve [3] cannot be used to generate a new section.\n\nA curve can belong to only one "
                  "section.\n\nIt already belongs to the section [Deck].");
}

TEST_F(SectionTest, TypeOtherThanPlaneOrLineChangesNothing)
{
    const int circle = DrawCircle(0, 0, 10, 12);
    const FullState before = Capture();
    EXPECT_EQ(model.GenerateSection("", 3, {circle}, false, 0.0, kGrey, "", false, 0.0), 0);
    EXPECT_EQ(Capture(), before);
    EXPECT_TRUE(user.boxes.empty());
}

} // namespace
