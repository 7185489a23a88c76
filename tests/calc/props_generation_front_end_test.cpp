// The document's Section > Generate with its questions and the calculation
// at once, and its Section > Redefine.

#include <gtest/gtest.h>

#include "calc/GenerationFrontEnd.h"
#include "ReferenceSections.h"
#include "calc/PropsTestSupport.h"

namespace {

class GenerationFrontEndTest : public PropsTest {
protected:
    void TearDown() override
    {
        EXPECT_EQ(busy, 0);
        EXPECT_TRUE(model.m_feNodes.empty());
    }

    void Generate(const std::vector<int>& curves, int type, bool calculateNow, const std::string& name = "",
                  bool hasLocation = false, double location = 0.0)
    {
        user.ClearRecords();
        GenerateSection(document, name, type, curves, hasLocation, location, kGrey, "", calculateNow, false, 0.0);
    }

    int LastSectionId() const { return model.m_sections.empty() ? 0 : model.m_sections.rbegin()->first; }

    std::vector<int> Walls(double y, double width)
    {
        const int a = Draw({{0, y}, {100, y}});
        model.FindCurve(a)->width = width;
        return {a};
    }
};

TEST_F(GenerationFrontEndTest, PlaneSectionIsCalculatedAtOnceInsideTheGenerationsUndoAction)
{
    Generate(DrawRectangle(0, 0, 100, 50), SECTION_PLANE, true);
    const int id = LastSectionId();
    ASSERT_NE(id, 0);
    EXPECT_TRUE(Section(id).propertiesCalculated);
    EXPECT_DOUBLE_EQ(Section(id).results[RESULT_A], 5000.0);
    EXPECT_EQ(user.LastLine(), "New plane section [Section-P1] is generated and its properties are calculated.");
    EXPECT_EQ(host.holds, std::vector<int>{1000});
    EXPECT_TRUE(user.questions.empty());  // an empty name asks nothing
    const int centroid = Section(id).centroidPointId;
    ASSERT_NE(model.FindPoint(centroid), nullptr);

    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.FindSection(id), nullptr);
    EXPECT_EQ(model.FindPoint(centroid), nullptr);
}

// Generation picks level 3 for a section of straight lines, and the walls
// of the I still get enough elements through them.
TEST_F(GenerationFrontEndTest, ISectionOfLinesCalculatedAtOnceHasItsTorsionWithinTwoPercent)
{
    const reference_sections::ReferenceSection& reference = reference_sections::Sections()[0];
    std::vector<int> lines;
    for (std::size_t i = 0; i < reference.outline.size(); ++i) {
        const auto& a = reference.outline[i];
        const auto& b = reference.outline[(i + 1) % reference.outline.size()];
        lines.push_back(Draw({{a[0], a[1]}, {b[0], b[1]}}));
    }
    Generate(lines, SECTION_PLANE, true);
    const T_SECTION_D& section = Section(LastSectionId());
    ASSERT_TRUE(section.propertiesCalculated);
    EXPECT_EQ(ImmediateMeshLevel(model, section), 3);
    EXPECT_PRED3(IsNear, section.results[RESULT_J], reference.torsion, 0.02);
}

TEST_F(GenerationFrontEndTest, LineSectionIsCalculatedAtOnce)
{
    Generate(Walls(0, 10), SECTION_LINE, true);
    EXPECT_TRUE(Section(LastSectionId()).propertiesCalculated);
    EXPECT_EQ(user.LastLine(), "New line section [Section-L1] is generated and its properties are calculated.");
}

TEST_F(GenerationFrontEndTest, NameClashInAnotherCaseIsAskedAndNoCreatesNothing)
{
    Generate(DrawRectangle(0, 0, 100, 50), SECTION_PLANE, false, "Beam");
    const int sections = static_cast<int>(model.m_sections.size());
    user.QueueAnswers({false});
    Generate(DrawRectangle(200, 0, 300, 50), SECTION_PLANE, false, "BEAM");
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text,
              "Name \"BEAM\" is already used by the section [Beam].\n\nCreate the new conflicting one anyway?");
    EXPECT_FALSE(user.questions[0].yesIsDefault);
    EXPECT_EQ(static_cast<int>(model.m_sections.size()), sections);
}

TEST_F(GenerationFrontEndTest, LocationClashIsAsked)
{
    Generate(DrawRectangle(0, 0, 100, 50), SECTION_PLANE, false, "", true, 2.5);
    user.QueueAnswers({true});
    Generate(DrawRectangle(200, 0, 300, 50), SECTION_PLANE, false, "", true, 2.5000001);
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, "Location 2.500 is already assigned to the section [Section-P1].\n\nCreate a "
                                      "new one at the same location anyway?");
    EXPECT_EQ(model.m_sections.size(), 2u);
}

TEST_F(GenerationFrontEndTest, LineSectionWithoutWidthIsGeneratedButNotCalculated)
{
    user.QueueAnswers({true});
    Generate(Walls(0, 0.0), SECTION_LINE, true);
    const int curve = model.FindSection(LastSectionId())->curveIds.front();
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, "Width is not assigned to curve [" + std::to_string(curve) +
                                          "].\n\nThe curve constructing the line section should have a width.\n\n"
                                          "Create the line section anyway?");
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Assign widths to all the curves and then calculate the "
                                                         "properties.\n\n(Use [Model]-[Curve]-[Change Width] and "
                                                         "[Properties]-[Calculate])"});
    EXPECT_FALSE(Section(LastSectionId()).propertiesCalculated);
    EXPECT_EQ(user.LastLine(), "New line section [Section-L1] is generated.");
}

TEST_F(GenerationFrontEndTest, SeveralCurvesWithoutWidthAreCountedAndNoEndsTheCommand)
{
    std::vector<int> walls = Walls(0, 0.0);
    walls.push_back(Draw({{100, 0}, {100, 50}}));
    user.QueueAnswers({false});
    Generate(walls, SECTION_LINE, false);
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, "Widths are not assigned to 2 curves.\n\nThe curve constructing the line "
                                      "section should have a width.\n\nCreate the line section anyway?");
    EXPECT_TRUE(model.m_sections.empty());
}

TEST_F(GenerationFrontEndTest, PlaneSectionWhoseMeshFailsStaysGenerated)
{
    Generate(DrawNeedle(), SECTION_PLANE, true);
    ASSERT_NE(LastSectionId(), 0);
    EXPECT_FALSE(Section(LastSectionId()).propertiesCalculated);
    EXPECT_EQ(user.LastLine(), "New plane section [Section-P1] is generated.");
}

struct LevelCase {
    const char* name;
    int straight;
    int curved;
    int level;
};

class ImmediateLevelTest : public GenerationFrontEndTest, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(ImmediateLevelTest, FollowsTheShareOfStraightCurves)
{
    T_SECTION_D section;
    for (int i = 0; i < GetParam().straight; ++i)
        section.curveIds.push_back(AddCurve({{0.0, i * 1.0}, {10.0, i * 1.0}}));
    for (int i = 0; i < GetParam().curved; ++i)
        section.curveIds.push_back(AddCurve({{0.0, i * 1.0}, {5.0, i + 1.0}, {10.0, i * 1.0}}));
    EXPECT_EQ(ImmediateMeshLevel(model, section), GetParam().level);
}

INSTANTIATE_TEST_SUITE_P(Shares, ImmediateLevelTest,
                         ::testing::Values(LevelCase{"FourLinesOneArc", 4, 1, 3}, LevelCase{"OneLineFourArcs", 1, 4, 1},
                                           LevelCase{"TwoLinesFourArcs", 2, 4, 2}, LevelCase{"ArcsOnly", 0, 4, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

class RedefineFrontEndTest : public GenerationFrontEndTest {
protected:
    void SetUp() override
    {
        Generate(DrawRectangle(0, 0, 100, 50), SECTION_PLANE, false, "A", true, 1.0);
        Generate(DrawRectangle(200, 0, 300, 50), SECTION_PLANE, false, "B", true, 2.0);
        a = LastSectionId() - 1;
        b = LastSectionId();
        user.ClearRecords();
    }

    int a = 0, b = 0;
    static constexpr int kRed[3] = {255, 0, 0};
};

// A No to either clash question ends the whole command: the colour asked
// for with it is not applied either, and nothing is filed or reported.
TEST_F(RedefineFrontEndTest, NoToAClashEndsTheCommandWithNothingChanged)
{
    const struct {
        const char* name;
        std::string newName;
        bool redefineLocation;
        const char* question;
    } cases[] = {
        {"name", "a", false,
         "Name \"a\" is already used by the section [A].\n\nRename the selected section [B] identically anyway?"},
        {"location", "", true,
         "Location 1.000 is already assigned to the section [A].\n\nAssign the same location to the selected "
         "section [B] anyway?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        user.ClearRecords();
        host.events.clear();
        const T_ACTION_D* undoTop = model.GetCurrentUndoAction();
        const int undoTopId = model.m_undoTopId;
        user.QueueAnswers({false});
        RedefineSection(document, b, c.newName, c.redefineLocation, 1.0, true, kRed);
        ASSERT_EQ(user.questions.size(), 1u);
        EXPECT_EQ(user.questions[0].text, c.question);
        EXPECT_EQ(Section(b).name, "B");
        EXPECT_EQ(Section(b).location, 2.0);
        EXPECT_EQ(Section(b).colour[0], kGrey[0]);
        EXPECT_EQ(Section(b).colour[1], kGrey[1]);
        EXPECT_EQ(Section(b).colour[2], kGrey[2]);
        EXPECT_EQ(model.m_undoTopId, undoTopId);
        EXPECT_EQ(model.GetCurrentUndoAction(), undoTop);
        EXPECT_TRUE(user.lines.empty()) << user.lines.front();
        EXPECT_TRUE(host.events.empty()) << host.events.front();
    }
}

TEST_F(RedefineFrontEndTest, YesToTheNameRenamesAndRecoloursAskingOnce)
{
    user.QueueAnswers({true});
    RedefineSection(document, b, "a", false, 0.0, true, kRed);
    EXPECT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(Section(b).name, "a");
    EXPECT_EQ(Section(b).colour[0], 255);
    EXPECT_EQ(model.GetCurrentUndoAction()->title, "Redefine section [B]");
    EXPECT_EQ(user.LastLine(), "Section [a] is redefined.");
    EXPECT_EQ(host.events.back(), "changed");
}

TEST_F(RedefineFrontEndTest, YesToTheLocationRelocatesWithoutASecondQuestion)
{
    user.QueueAnswers({true});
    RedefineSection(document, b, "", true, 1.0, false, kRed);
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, "Location 1.000 is already assigned to the section [A].\n\nAssign the same "
                                      "location to the selected section [B] anyway?");
    EXPECT_EQ(Section(b).location, 1.0);
    EXPECT_EQ(model.GetCurrentUndoAction()->title, "Redefine section [B]");
}

TEST_F(RedefineFrontEndTest, OwnNameInAnotherCaseAsksNothingAndEveryNoChangesNothing)
{
    RedefineSection(document, a, "a", false, 0.0, false, kRed);
    EXPECT_TRUE(user.questions.empty());
    EXPECT_EQ(Section(a).name, "a");

    const int undoTop = model.m_undoTopId;
    user.QueueAnswers({false});
    RedefineSection(document, a, "", true, 2.0, false, kRed);
    EXPECT_EQ(Section(a).location, 1.0);
    EXPECT_EQ(model.m_undoTopId, undoTop);

    RedefineSection(document, 99, "x", false, 0.0, false, kRed);
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Cannot find section [ID:99] object."});
}

TEST_F(RedefineFrontEndTest, ItsOwnValuesFileNoStepAndLeaveTheProjectAsItWas)
{
    const int undoTop = model.m_undoTopId;
    host.events.clear();
    RedefineSection(document, a, "A", true, 1.0, false, kRed);
    EXPECT_EQ(user.lines, std::vector<std::string>{"Nothing is changed: the section already has these values."});
    EXPECT_EQ(model.m_undoTopId, undoTop);
    EXPECT_TRUE(host.events.empty()) << host.events.front();

    RedefineSection(document, a, "A", true, 3.0, false, kRed);
    EXPECT_EQ(model.m_undoTopId, undoTop + 1);
    ASSERT_FALSE(host.events.empty());
    EXPECT_EQ(host.events.back(), "changed");
}

}  // namespace
