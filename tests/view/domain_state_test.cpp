// The interactive change of domain states as a state machine fed with
// answers, on a plane section of three domains: the output lines, the
// states each answer sequence leaves, the refusal of all unused, the undo
// action and the invalidation a real change records, and the ends that
// record nothing.

#include "view/DomainStateInteraction.h"
#include "view/MouseModes.h"
#include "view/Scene.h"
#include "view/support/FakeToolView.h"
#include "view/support/FakeViewDocument.h"

#include <gtest/gtest.h>

namespace {

using Lines = std::vector<std::string>;
using A = DomainAnswer;

constexpr int SECTION_ID = 4;
constexpr int CENTROID_ID = 90;
const char* const QUESTION = "- Use this highlighted domain? (Yes:LB / No:RB / All:Enter / Stop:ESC)";
const char* const REFUSED = "Cannot set all domains unused.\n\nIf you desire not to use all domains, delete the "
                            "section using [Section]-[Delete].";
const char* const INVALIDATED =
    "The calculated properties are invalidated.\n\nRe-calculate the properties using [Properties]-[Calculate].";

class DomainStates : public testing::Test {
protected:
    void SetUp() override { MakeSection(3); }

    T_SECTION_D& MakeSection(int domains)
    {
        document.model->m_sections.clear();
        T_SECTION_D& section = document.AddSection(SECTION_ID, SECTION_PLANE, {});
        section.name = "Web";
        for (int id = 1; id <= domains; ++id)
            AddDomain(section, id, true);
        return section;
    }
    T_SECTION_D& Section() { return *document.model->FindSection(SECTION_ID); }
    std::vector<bool> States()
    {
        std::vector<bool> states;
        for (const auto& [id, domain] : Section().domains)
            states.push_back(domain->used);
        return states;
    }
    void MakeCalculated()
    {
        document.AddPoint(CENTROID_ID, 5.0, 6.0);
        Section().propertiesCalculated = true;
        Section().centroidPointId = CENTROID_ID;
        Section().results[0] = 123.0;
    }
    void Run(std::initializer_list<DomainAnswer> answers)
    {
        ASSERT_TRUE(interaction.Start(SECTION_ID));
        for (DomainAnswer answer : answers)
            interaction.Answer(answer);
    }

    FakeViewDocument document;
    CScene scene{&document};
    FakeToolView view;
    CDomainStateInteraction interaction{scene, view, &document.user, &document};
};

TEST_F(DomainStates, EachAnswerSequenceLeavesItsStatesAndPrintsItsLines)
{
    const std::string use = "  > Use";
    const std::string notUse = "  > Not Use";
    const std::string all = "  > Use All";
    const std::string stop = "  > Stop (The rest domains will remain unchanged)";
    const struct {
        const char* name;
        std::vector<bool> before;
        std::vector<DomainAnswer> answers;
        std::vector<bool> after;
        Lines lines;
    } cases[] = {
        {"use, not use, use", {true, true, true}, {A::Use, A::NotUse, A::Use}, {true, false, true},
         {QUESTION, use, QUESTION, notUse, QUESTION, use}},
        {"enter at the first", {false, true, false}, {A::All}, {true, true, true}, {QUESTION, all}},
        {"enter after a not use", {true, true, true}, {A::NotUse, A::All}, {true, true, true},
         {QUESTION, notUse, QUESTION, all}},
        {"escape at the first", {true, false, true}, {A::Stop}, {true, false, true}, {QUESTION, stop}},
        {"escape keeps the earlier answers", {true, true, true}, {A::NotUse, A::Stop}, {false, true, true},
         {QUESTION, notUse, QUESTION, stop}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        MakeSection(3);
        int index = 0;
        for (auto& [id, domain] : Section().domains)
            domain->used = c.before[static_cast<size_t>(index++)];
        document.user.ClearRecords();
        ASSERT_TRUE(interaction.Start(SECTION_ID));
        for (DomainAnswer answer : c.answers) {
            EXPECT_TRUE(interaction.IsRunning());
            interaction.Answer(answer);
        }
        EXPECT_FALSE(interaction.IsRunning());
        EXPECT_EQ(States(), c.after);
        EXPECT_EQ(document.user.lines, c.lines);
        EXPECT_TRUE(document.user.boxes.empty());
    }
}

TEST_F(DomainStates, TheQuestionHighlightsEachDomainInTurnAndEndsAsItFound)
{
    view.mouseMode = MOUSE_DYNAMIC_ZOOM;
    scene.m_highlightOnlyUsed = true;
    ASSERT_TRUE(interaction.Start(SECTION_ID));
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    EXPECT_FALSE(scene.m_highlightOnlyUsed);
    EXPECT_EQ(scene.m_highlightSectionId, SECTION_ID);
    EXPECT_EQ(scene.m_highlightDomainId, 1);
    interaction.Answer(A::NotUse);
    EXPECT_EQ(scene.m_highlightDomainId, 2);
    // The highlighted domain is drawn anew after each answer.
    EXPECT_EQ(std::count(view.calls.begin(), view.calls.end(), "RebuildScene domains 0"), 1);
    interaction.Answer(A::Use);
    interaction.Answer(A::Use);
    EXPECT_EQ(scene.m_highlightSectionId, 0);
    EXPECT_EQ(scene.m_highlightDomainId, 0);
    EXPECT_TRUE(scene.m_highlightOnlyUsed);
    EXPECT_EQ(view.mouseMode, MOUSE_DYNAMIC_ZOOM);
    // An answer after the end changes nothing.
    interaction.Answer(A::NotUse);
    EXPECT_EQ(States(), (std::vector<bool>{false, true, true}));
}

TEST_F(DomainStates, AllUnusedIsRefusedAndRestoresTheStatesRecordingNothing)
{
    for (int domains : {3, 1}) {
        SCOPED_TRACE(domains);
        MakeSection(domains);
        document.user.ClearRecords();
        document.modified = false;
        ASSERT_TRUE(interaction.Start(SECTION_ID));
        for (int i = 0; i < domains; ++i)
            interaction.Answer(A::NotUse);
        EXPECT_EQ(document.user.BoxTexts(), Lines{REFUSED});
        EXPECT_EQ(States(), std::vector<bool>(static_cast<size_t>(domains), true));
        EXPECT_TRUE(document.model->IsUndoEmpty());
        EXPECT_FALSE(document.modified);
    }
}

TEST_F(DomainStates, EndsWithoutAChangeLeaveUndoRedoAndTheModifiedFlagAlone)
{
    // A step in the redo store that a recording would clear.
    T_POINT_D& point = document.AddPoint(1, 0.0, 0.0);
    document.model->SavePointForUndo(&point, true);
    point.xy[0] = 5.0;
    ASSERT_TRUE(document.model->Undo(false));
    ASSERT_FALSE(document.model->IsRedoEmpty());
    MakeCalculated();
    const std::vector<std::vector<DomainAnswer>> sequences = {
        {A::Stop}, {A::Use, A::Use, A::Use}, {A::Use, A::Stop}, {A::All}};
    for (const auto& answers : sequences) {
        ASSERT_TRUE(interaction.Start(SECTION_ID));
        for (DomainAnswer answer : answers)
            interaction.Answer(answer);
        EXPECT_FALSE(interaction.IsRunning());
        EXPECT_TRUE(document.model->IsUndoEmpty());
        EXPECT_FALSE(document.model->IsRedoEmpty());
        EXPECT_FALSE(document.modified);
        EXPECT_TRUE(Section().propertiesCalculated);
        EXPECT_NE(document.model->FindPoint(CENTROID_ID), nullptr);
        EXPECT_TRUE(document.user.boxes.empty());
    }
}

TEST_F(DomainStates, AChangeOnACalculatedSectionIsOneUndoableActionWithTheInvalidation)
{
    MakeCalculated();
    Run({A::Use, A::NotUse, A::Use});
    EXPECT_EQ(document.user.BoxTexts(), Lines{INVALIDATED});
    EXPECT_TRUE(document.modified);
    EXPECT_FALSE(Section().propertiesCalculated);
    EXPECT_EQ(Section().centroidPointId, 0);
    EXPECT_EQ(document.model->FindPoint(CENTROID_ID), nullptr);
    ASSERT_EQ(document.model->m_undoActions.size(), 1u);
    EXPECT_EQ(document.model->m_undoActions.begin()->second->title, "Change the domain state of the section [Web]");

    ASSERT_TRUE(document.model->Undo(false));
    EXPECT_TRUE(document.model->IsUndoEmpty());
    EXPECT_EQ(States(), (std::vector<bool>{true, true, true}));
    EXPECT_TRUE(Section().propertiesCalculated);
    EXPECT_EQ(Section().results[0], 123.0);
    EXPECT_EQ(Section().centroidPointId, CENTROID_ID);
    EXPECT_NE(document.model->FindPoint(CENTROID_ID), nullptr);

    ASSERT_TRUE(document.model->Redo());
    EXPECT_EQ(States(), (std::vector<bool>{true, false, true}));
    EXPECT_FALSE(Section().propertiesCalculated);
    EXPECT_EQ(document.model->FindPoint(CENTROID_ID), nullptr);
}

TEST_F(DomainStates, AChangeOnAnUncalculatedSectionIsRecordedWithoutABox)
{
    Run({A::NotUse, A::Stop});
    EXPECT_TRUE(document.user.boxes.empty());
    EXPECT_TRUE(document.modified);
    EXPECT_FALSE(document.model->IsUndoEmpty());
    ASSERT_TRUE(document.model->Undo(false));
    EXPECT_EQ(States(), (std::vector<bool>{true, true, true}));
}

TEST_F(DomainStates, ASectionGoneBeforeAnAnswerEndsTheQuestionWithNoChange)
{
    view.mouseMode = MOUSE_DYNAMIC_PAN;
    ASSERT_TRUE(interaction.Start(SECTION_ID));
    interaction.Answer(A::NotUse);
    document.model->m_sections.clear();
    interaction.Answer(A::NotUse);
    EXPECT_FALSE(interaction.IsRunning());
    EXPECT_EQ(view.mouseMode, MOUSE_DYNAMIC_PAN);
    EXPECT_EQ(scene.m_highlightSectionId, 0);
    EXPECT_TRUE(document.model->IsUndoEmpty());
    EXPECT_FALSE(document.modified);
    // A section that does not exist starts nothing.
    EXPECT_FALSE(interaction.Start(77));
    EXPECT_FALSE(interaction.IsRunning());
}

}  // namespace
