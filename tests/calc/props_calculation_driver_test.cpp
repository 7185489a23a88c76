// Properties > Calculate: which sections run, the questions and refusals,
// one undo action, the pause dialog and the busy flag.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "calc/CalculationDriver.h"
#include "calc/PropsTestSupport.h"

namespace {

class CalculationDriverTest : public PropsTest {
protected:
    static constexpr int kCoarse = 1;

    void TearDown() override
    {
        EXPECT_EQ(busy, 0);  // every way out clears it
        EXPECT_TRUE(model.m_feNodes.empty());
    }

    int Plane(double x0, const std::string& name = "")
    {
        const int id = GeneratePlane(DrawRectangle(x0, 0, x0 + 100, 50), name);
        EXPECT_NE(id, 0);
        return id;
    }

    int Line(double y, double width = 10.0, const std::string& name = "")
    {
        const int a = Draw({{0, y}, {100, y}}), b = Draw({{100, y}, {100, y + 50}});
        model.FindCurve(a)->width = width;
        model.FindCurve(b)->width = 10.0;
        const int id = GenerateLine({a, b}, name);
        EXPECT_NE(id, 0);
        return id;
    }

    void Run(const std::vector<int>& ids, bool recalculate = false, bool pause = false)
    {
        user.ClearRecords();
        host.events.clear();
        CalculateProperties(document, ids, kCoarse, 0.0, recalculate, pause);
    }

    bool Calculated(int id) const { return Section(id).propertiesCalculated; }
};

TEST_F(CalculationDriverTest, CalculatesPlaneAndLineSectionsInOneUndoAction)
{
    const int plane = Plane(0), line = Line(200);
    const int undoTop = model.m_undoTopId;
    Run({plane, line});
    EXPECT_TRUE(Calculated(plane));
    EXPECT_TRUE(Calculated(line));
    EXPECT_EQ(user.LastLine(), "The properties of 2 sections are calculated.");
    EXPECT_EQ(model.m_undoTopId, undoTop + 1);
    EXPECT_EQ(model.GetCurrentUndoAction()->title, "Calculate sectional properties");
    EXPECT_EQ(host.holds, std::vector<int>{1000});  // the plane mesh stays on screen a second
    const int planeCentroid = Section(plane).centroidPointId, lineCentroid = Section(line).centroidPointId;
    ASSERT_NE(model.FindPoint(planeCentroid), nullptr);
    ASSERT_NE(model.FindPoint(lineCentroid), nullptr);

    ASSERT_TRUE(model.Undo(false));
    EXPECT_FALSE(Calculated(plane));
    EXPECT_FALSE(Calculated(line));
    EXPECT_EQ(model.FindPoint(planeCentroid), nullptr);
    EXPECT_EQ(model.FindPoint(lineCentroid), nullptr);
    EXPECT_EQ(model.m_undoTopId, undoTop);
}

TEST_F(CalculationDriverTest, AlreadyCalculatedSectionsAreSkippedWithoutRecalculate)
{
    const int first = Line(0), second = Line(200);
    Run({first});
    const int undoTop = model.m_undoTopId;
    const double area = Section(first).results[RESULT_A];

    Run({first});
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"The selected section is already calculated.\n\nIf you wish "
                                                         "to re-calculate this section, turn on the [Re-calculate] "
                                                         "option."});
    EXPECT_EQ(model.m_undoTopId, undoTop);

    Run({first, second});
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_EQ(user.LastLine(), "The properties of 1 section are calculated.");
    EXPECT_EQ(Section(first).results[RESULT_A], area);

    Run({first, second});
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"All selected sections are already calculated.\n\nIf you "
                                                         "wish to re-calculate these sections, turn on the "
                                                         "[Re-calculate] option."});
}

TEST_F(CalculationDriverTest, AMaterialOfAnotherPoissonsRatioGivesTheShearAreasOfASectionMadeWithIt)
{
    // One rectangle calculated without a material (a ratio of 0), then given
    // one of ratio 0.3; its twin has the material from its first calculation.
    const int given = Plane(0), twin = Plane(500);
    ASSERT_TRUE(model.CreateMaterial(1, "Steel", 2.0e5, 0.3));
    SetDomainMaterials(twin, 1);
    Run({given});
    const double kept[2] = {Results(given)[RESULT_ASX], Results(given)[RESULT_ASY]};

    const std::vector<std::pair<int, int>> everyDomain = {{given, Section(given).domains.begin()->first}};
    ASSERT_TRUE(model.AssignDomainMaterial(&everyDomain, 1, false));
    EXPECT_FALSE(Calculated(given));
    Run({given, twin});
    EXPECT_EQ(user.LastLine(), "The properties of 2 sections are calculated.");
    for (const auto& [result, keptValue] : {std::pair{RESULT_ASX, kept[0]}, std::pair{RESULT_ASY, kept[1]}}) {
        SCOPED_TRACE(result);
        const double expected = Results(twin)[result];
        EXPECT_NEAR(Results(given)[result], expected, 1e-8 * expected);  // the same up to rounding
        EXPECT_GT(std::fabs(keptValue - expected), 1e-5 * expected) << "the ratio changes the shear area";
    }
}

class HandEditedTest : public CalculationDriverTest {
protected:
    void SetUp() override
    {
        section = Line(0, 10.0, "Edited");
        Run({section});
        model.FindSection(section)->results[RESULT_J] = 123.0;  // typed in the result list
        model.FindSection(section)->propertiesModifiedByHand = true;
        undoTop = model.m_undoTopId;
    }

    int section = 0;
    int undoTop = 0;
};

TEST_F(HandEditedTest, YesSkipsTheSectionAndRecordsNothing)
{
    user.QueueAnswers({true});
    Run({section}, true);
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text,
              "The properties of section [Edited] were modified by the user manually.\n\nSkip this section?");
    EXPECT_TRUE(user.questions[0].yesIsDefault);
    EXPECT_EQ(Section(section).results[RESULT_J], 123.0);
    EXPECT_EQ(model.m_undoTopId, undoTop);
    EXPECT_TRUE(user.lines.empty());
}

TEST_F(HandEditedTest, NoRecalculatesAndOneUndoBringsTheTypedValuesBack)
{
    user.QueueAnswers({false});
    Run({section}, true);
    EXPECT_FALSE(Section(section).propertiesModifiedByHand);
    EXPECT_NEAR(Section(section).results[RESULT_J], 1000.0 * 150.0 / 3.0, 1e-6);
    EXPECT_EQ(model.m_undoTopId, undoTop + 1);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Section(section).results[RESULT_J], 123.0);
    EXPECT_TRUE(Section(section).propertiesModifiedByHand);
    EXPECT_TRUE(Section(section).propertiesCalculated);
}

TEST_F(CalculationDriverTest, SeveralHandEditedSectionsAreNamedInOneQuestion)
{
    const int a = Line(0, 10.0, "P1"), b = Line(200, 10.0, "P2"), c = Line(400, 10.0, "P3");
    Run({a, b, c});
    for (int id : {a, b, c})
        model.FindSection(id)->propertiesModifiedByHand = true;
    user.QueueAnswers({true});
    Run({a, b, c}, true);
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text,
              "The properties of sections [P1:P2:P3] were modified by the user manually.\n\nSkip these sections?");
}

TEST_F(CalculationDriverTest, PlaneSectionsWithoutAllTheirMaterialsAreRefused)
{
    AddSteel(1);
    const int mixed = Plane(0, "Half");
    const int none = Plane(200, "Bare");
    std::vector<int> curves = DrawRectangle(400, 0, 500, 100);
    const std::vector<int> inner = DrawRectangle(425, 25, 475, 75);
    curves.insert(curves.end(), inner.begin(), inner.end());
    const int twoDomains = GeneratePlane(curves, "Two");
    auto& domains = model.FindSection(twoDomains)->domains;
    ASSERT_EQ(domains.size(), 2u);
    for (auto& [id, domain] : domains)
        domain->used = true;  // the inner square too, without a material
    domains.begin()->second->materialId = 1;
    model.FindSection(mixed)->domains.begin()->second->materialId = 9;  // undefined
    Run({mixed, none, twoDomains});
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Plane sections [Half:Two] cannot be calculated because not "
                                                         "all their materials are defined."});
    EXPECT_FALSE(Calculated(mixed));
    EXPECT_TRUE(Calculated(none));
    EXPECT_FALSE(Calculated(twoDomains));
}

TEST_F(CalculationDriverTest, LineSectionsWithoutAllWidthsAreRefusedBothWordings)
{
    const int one = Line(0, 0.0, "L1");
    Run({one});
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Line section [L1] cannot be calculated because the "
                                                         "corresponding widths are not assigned to all the curves."});
    const int two = Line(200, 0.0, "L2");
    const int good = Line(400);
    Run({one, two, good});
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Line sections [L1:L2] cannot be calculated because the "
                                                         "corresponding widths are not assigned to all the curves"});
    EXPECT_TRUE(Calculated(good));
    EXPECT_EQ(user.LastLine(), "The properties of 1 section are calculated.");
}

TEST_F(CalculationDriverTest, RefusedSectionKeepsItsValidResultsUnderRecalculate)
{
    const int line = Line(0, 10.0, "Kept");
    Run({line});
    const int centroid = Section(line).centroidPointId;
    const int undoTop = model.m_undoTopId;
    model.FindCurve(model.FindSection(line)->curveIds.front())->width = 0.0;
    Run({line}, true);
    EXPECT_EQ(user.boxes.size(), 1u);
    EXPECT_TRUE(Calculated(line));
    EXPECT_EQ(Section(line).centroidPointId, centroid);
    EXPECT_NE(model.FindPoint(centroid), nullptr);
    EXPECT_EQ(model.m_undoTopId, undoTop);
}

TEST_F(CalculationDriverTest, MissingSectionEndsTheRun)
{
    const int line = Line(0);
    Run({line, 77});
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Cannot find section [ID:77] object."});
    EXPECT_FALSE(Calculated(line));
}

struct PauseCase {
    const char* name;
    std::vector<int> choices;
    std::vector<bool> lastFlags;  // of the dialogs shown
    int calculated;
};

class PauseTest : public CalculationDriverTest, public ::testing::WithParamInterface<PauseCase> {};

TEST_P(PauseTest, ChoicesSteerTheRun)
{
    const int a = Plane(0, "A"), b = Plane(200, "B"), c = Plane(400, "C");
    host.pauseChoices = GetParam().choices;
    Run({a, b, c}, false, true);
    std::vector<bool> lastFlags;
    for (const auto& pause : host.pauses)
        lastFlags.push_back(pause.last);
    EXPECT_EQ(lastFlags, GetParam().lastFlags);
    ASSERT_FALSE(host.pauses.empty());
    EXPECT_THAT(host.pauses[0].text, ::testing::MatchesRegex("Plane section \\[A\\] is calculated using [1-9][0-9]* elements\\."));
    EXPECT_EQ(host.busyAtPause, std::vector<int>(host.pauses.size(), 1));
    const int count = GetParam().calculated;
    EXPECT_EQ(user.LastLine(), count == 1 ? std::string("The properties of 1 section are calculated.")
                                          : "The properties of " + std::to_string(count) + " sections are calculated.");
    EXPECT_TRUE(host.holds.empty() || GetParam().choices.front() == PAUSE_NO_MORE);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, PauseTest,
    ::testing::Values(PauseCase{"ContinueToFinish", {PAUSE_CONTINUE, PAUSE_CONTINUE, PAUSE_CONTINUE}, {false, false, true}, 3},
                      PauseCase{"PauseNoMore", {PAUSE_NO_MORE}, {false}, 3},
                      PauseCase{"Stop", {PAUSE_STOP}, {false}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(CalculationDriverTest, FailedMeshIsSkippedAndTheNextPlaneSectionFinishes)
{
    const int sliver = GeneratePlane(DrawNeedle(), "Sliver");
    const int good = Plane(200, "Good");
    Run({sliver, good}, false, true);
    ASSERT_EQ(host.pauses.size(), 1u);
    EXPECT_TRUE(host.pauses[0].last);
    EXPECT_FALSE(Calculated(sliver));
    EXPECT_TRUE(Calculated(good));
    EXPECT_EQ(user.LastLine(), "The properties of 1 section are calculated.");
}

}  // namespace
