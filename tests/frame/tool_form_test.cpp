// The tool dialogs' plain forms: pick fields through the pick-target
// interface, the shared form reading, and the reading of the selection.

#include "frame/SelectionReading.h"
#include "frame/ToolPageContext.h"
#include "frame/ToolPageController.h"
#include "support/ScriptedUserPorts.h"
#include "view/MouseModes.h"
#include "view/support/FakeToolView.h"
#include "view/support/TestToolPage.h"

#include <gtest/gtest.h>

namespace {

class PickFields : public testing::Test {
protected:
    TestDialogForm& FormWith(FocusMouseMode mode)
    {
        form = std::make_unique<TestDialogForm>(TestFieldCodes{10049, 10050, mode, mode});
        form->Attach(&context);
        return *form;
    }

    FakeToolView view;
    ScriptedUserPorts user;
    ToolPageContext context{&view, nullptr, &user, nullptr, nullptr, {}};
    std::unique_ptr<TestDialogForm> form;
};

TEST_F(PickFields, FocusWritesTheCodeWithEachOfTheThreeMouseModeBehaviours)
{
    const struct {
        const char* name;
        FocusMouseMode mode;
        int mouseAfter;
        int savedAfter;
    } cases[] = {
        {"leave", FocusMouseMode::Keep, MOUSE_SELECT, MOUSE_DYNAMIC_PAN},
        {"none", FocusMouseMode::SetNone, MOUSE_NONE, MOUSE_DYNAMIC_PAN},
        {"save then none", FocusMouseMode::SaveThenNone, MOUSE_NONE, MOUSE_SELECT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        IPickTarget& target = FormWith(c.mode);
        view.pickFieldCode = 0;
        view.mouseMode = MOUSE_SELECT;
        view.savedMouseMode = MOUSE_DYNAMIC_PAN;
        EXPECT_TRUE(target.FocusPickField(10050));
        EXPECT_EQ(view.pickFieldCode, 10050);
        EXPECT_EQ(view.mouseMode, c.mouseAfter);
        EXPECT_EQ(view.savedMouseMode, c.savedAfter);
        EXPECT_TRUE(form->Field(TEST_SECOND_FIELD)->highlighted);
        EXPECT_FALSE(form->Field(TEST_FIRST_FIELD)->highlighted);
    }
}

TEST_F(PickFields, AFocusMovedByTheFormRunsItsBehaviourOnceWhenTheControlThenTakesIt)
{
    TestDialogForm& target = FormWith(FocusMouseMode::SaveThenNone);
    view.mouseMode = MOUSE_SELECT;
    target.FocusPickField(10049);
    // The window's focus event for the same field follows on screen.
    target.OnControlFocus(TEST_FIRST_FIELD);
    EXPECT_EQ(view.savedMouseMode, MOUSE_SELECT);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
}

TEST_F(PickFields, FocusLossRemovesTheHighlightAndKeepsTheCode)
{
    TestDialogForm& target = FormWith(FocusMouseMode::Keep);
    target.OnControlFocus(TEST_FIRST_FIELD);
    EXPECT_TRUE(target.Field(TEST_FIRST_FIELD)->highlighted);
    target.OnControlFocusLost(TEST_FIRST_FIELD);
    EXPECT_FALSE(target.Field(TEST_FIRST_FIELD)->highlighted);
    EXPECT_EQ(view.pickFieldCode, 10049);
    // Focus on a field that is no pick field: no highlight, no code.
    target.OnControlFocus(TEST_WIDTH_FIELD);
    EXPECT_FALSE(target.Field(TEST_WIDTH_FIELD)->highlighted);
    EXPECT_EQ(view.pickFieldCode, 10049);
}

TEST_F(PickFields, TheSettersWriteByCodeAndTheIdSetterWritesZeroForANegativeId)
{
    IPickTarget& target = FormWith(FocusMouseMode::Keep);
    const struct {
        int id;
        const char* text;
    } ids[] = {{7, "7"}, {-1, "0"}, {0, "0"}, {123456, "123456"}};
    for (const auto& c : ids) {
        EXPECT_TRUE(target.SetPickFieldId(10049, c.id));
        EXPECT_EQ(form->Field(TEST_FIRST_FIELD)->text, c.text) << c.id;
    }
    EXPECT_TRUE(target.SetPickFieldText(10050, "12.500, -3.000"));
    EXPECT_EQ(form->Field(TEST_SECOND_FIELD)->text, "12.500, -3.000");
    EXPECT_FALSE(target.SetPickFieldText(10048, "1, 1"));
    EXPECT_FALSE(target.FocusPickField(10048));
    EXPECT_TRUE(target.FocusNamedField(NamedField::Width));
    EXPECT_FALSE(target.FocusNamedField(NamedField::Radius));
}

TEST_F(PickFields, TheCoordinateGetterKeepsXAndYOrRefusesWithInputError)
{
    TestDialogForm& target = FormWith(FocusMouseMode::Keep);
    PlanePoint point{-9.0, -9.0};
    target.SetText(TEST_FIRST_FIELD, "12.5, -3, 8");
    EXPECT_TRUE(target.GetCoordinate(10049, point));
    EXPECT_EQ(point, (PlanePoint{12.5, -3.0}));
    target.SetText(TEST_FIRST_FIELD, "1a");
    EXPECT_FALSE(target.GetCoordinate(10049, point));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Input error!"});
    EXPECT_EQ(point, (PlanePoint{12.5, -3.0}));
}

TEST_F(PickFields, AnyFieldIsParsedAndFocusedByItsControlId)
{
    TestDialogForm& target = FormWith(FocusMouseMode::SetNone);
    PlanePoint point{};
    target.SetText(TEST_SECOND_FIELD, "-1 2");
    EXPECT_TRUE(target.GetFieldCoordinate(TEST_SECOND_FIELD, point));
    EXPECT_EQ(point, (PlanePoint{-1.0, 2.0}));
    EXPECT_FALSE(target.GetFieldCoordinate(9999, point));
    target.SetText(TEST_FIRST_FIELD, "x");
    EXPECT_FALSE(target.GetFieldCoordinate(TEST_FIRST_FIELD, point));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Input error!"});

    view.mouseMode = MOUSE_SELECT;
    EXPECT_TRUE(target.FocusControl(TEST_SECOND_FIELD));
    EXPECT_EQ(view.pickFieldCode, 10050);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    EXPECT_TRUE(target.Field(TEST_SECOND_FIELD)->highlighted);
    EXPECT_FALSE(target.FocusControl(9999));
}

// The reading of the form by an apply, on the test page's first command.
class FormReading : public testing::Test {
protected:
    void SetUp() override
    {
        page.onApply = [this](int, TestDialogForm& form, ToolPageContext&) {
            if (form.ReadFields())
                documentCalls.push_back(form.Width());
        };
        controller.SelectCommand(1000);
    }
    TestDialogForm& Form() { return page.Form(0); }

    FakeToolView view;
    ScriptedUserPorts user;
    ToolPageContext context{&view, nullptr, &user, nullptr, nullptr, {}};
    TestToolPage page;
    ToolPageTable table = page.StandardTable();
    CToolPageController controller{ShellOf(ToolPageKind::Point), table, context};
    std::vector<double> documentCalls;
};

TEST_F(FormReading, AnUnreadableWidthIsReportedOnceAndTheApplyCallsNothing)
{
    Form().SetText(TEST_WIDTH_FIELD, "2.5");
    controller.OnApply();
    Form().SetText(TEST_WIDTH_FIELD, "1O");
    controller.OnApply();
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Please enter a number."});
    EXPECT_EQ(documentCalls, std::vector<double>{2.5});
    EXPECT_EQ(Form().Width(), 2.5);
}

TEST_F(FormReading, ADisabledFieldIsNeitherReadNorCheckedAndKeepsItsHeldValue)
{
    Form().SetText(TEST_WIDTH_FIELD, "2.5");
    controller.OnApply();
    Form().SetText(TEST_WIDTH_FIELD, "1O");
    Form().SetEnabled(TEST_WIDTH_FIELD, false);
    Form().SetText(TEST_SECOND_FIELD, "not a point");
    Form().SetEnabled(TEST_SECOND_FIELD, false);
    controller.OnApply();
    EXPECT_TRUE(user.BoxTexts().empty());
    EXPECT_EQ(documentCalls, (std::vector<double>{2.5, 2.5}));
    EXPECT_EQ(Form().ReadWidth(), std::optional<double>(2.5));
}

TEST_F(FormReading, TheWidthQueryAnswersNotReadAfterItsBox)
{
    Form().SetText(TEST_WIDTH_FIELD, "1O");
    ILineQueries* queries = Form().LineQueries();
    ASSERT_NE(queries, nullptr);
    EXPECT_EQ(queries->ReadWidth(), std::nullopt);
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Please enter a number."});
    Form().SetText(TEST_WIDTH_FIELD, " 4 ");
    EXPECT_EQ(queries->ReadWidth(), std::optional<double>(4.0));
}

TEST_F(FormReading, TheFirstRefusalEndsTheReadingAndNoHeldValueChanges)
{
    Form().SetText(TEST_FIRST_FIELD, "1, 2");
    Form().SetText(TEST_SECOND_FIELD, "x");
    Form().SetText(TEST_WIDTH_FIELD, "y");
    EXPECT_FALSE(Form().ReadFields());
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Input error!"});
    // Point 1 read before the refusal is not kept either.
    EXPECT_EQ(Form().Field(TEST_FIRST_FIELD)->point, (PlanePoint{0.0, 0.0}));
    Form().SetText(TEST_SECOND_FIELD, "3 4");
    Form().SetText(TEST_WIDTH_FIELD, "0.5");
    EXPECT_TRUE(Form().ReadFields());
    EXPECT_EQ(Form().Field(TEST_FIRST_FIELD)->point, (PlanePoint{1.0, 2.0}));
    EXPECT_EQ(Form().Field(TEST_SECOND_FIELD)->point, (PlanePoint{3.0, 4.0}));
    EXPECT_EQ(Form().Width(), 0.5);
}

TEST(SelectionReading, TheKindsKeysGiveAscendingIdsAndAnEmptySetItsBox)
{
    FakeToolView view;
    ScriptedUserPorts user;
    view.scene.m_selection[KIND_POINT] = {1000012, 1000003, 1000007};
    view.scene.m_selection[KIND_CURVE] = {2000005};
    EXPECT_EQ(ReadSelectedIds(view, KIND_POINT, user), (std::vector<int>{3, 7, 12}));
    EXPECT_EQ(ReadSelectedIds(view, KIND_CURVE, user), std::vector<int>{5});
    EXPECT_TRUE(user.boxes.empty());

    view.scene.m_selection[KIND_POINT].clear();
    view.scene.m_selection[KIND_CURVE].clear();
    const struct {
        SceneKind kind;
        const char* text;
    } empty[] = {{KIND_POINT, "No point is selected."},
                 {KIND_CURVE, "No curve is selected."},
                 {KIND_SECTION, "No section is selected."},
                 {KIND_CLOSED_LOOP, "No closed loop is selected."}};
    for (const auto& c : empty) {
        user.ClearRecords();
        EXPECT_TRUE(ReadSelectedIds(view, c.kind, user).empty());
        ASSERT_EQ(user.boxes.size(), 1u);
        EXPECT_EQ(user.boxes[0].text, c.text);
        EXPECT_EQ(user.boxes[0].kind, BoxKind::Information);
    }
}

}  // namespace
