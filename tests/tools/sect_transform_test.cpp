// Translate, Rotate, Delete and Arrange of the Section page.

#include "frame/PickDispatch.h"
#include "tools/SectPageFixture.h"
#include "view/MouseModes.h"

namespace {

TEST_F(SectPage, TranslateMovesTheSelectedSectionsByDeltaOrByTwoPoints)
{
    Show(TRANSLATE);
    CSToolTranslate& form = *tool->translate;
    EXPECT_EQ(form.LastFocusMove(), ID_MOVE_DX);
    EXPECT_FALSE(form.IsEnabled(ID_MOVE_POINT1));
    form.SetText(ID_MOVE_DX, "3");
    form.SetText(ID_MOVE_DY, "-4.5");
    Select({SectionKey(9), SectionKey(2)});
    Apply();
    EXPECT_EQ(document.calls, std::vector<std::string>{"TranslateSections([2, 9], 3, -4.5)"});
    EXPECT_TRUE(Selected(KIND_SECTION).empty());

    form.Choose(ID_MOVE_DELTA, 1);
    EXPECT_FALSE(form.IsEnabled(ID_MOVE_DX));
    EXPECT_EQ(form.LastFocusMove(), ID_MOVE_POINT1);
    form.SetText(ID_MOVE_DX, "abc");  // greyed: neither read nor checked
    form.SetText(ID_MOVE_POINT1, "0, 0");
    form.SetText(ID_MOVE_POINT2, "10, 5");
    Select({SectionKey(2)});
    Apply();
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(document.calls, std::vector<std::string>{"TranslateSections([2], 10, 5)"});
}

TEST_F(SectPage, TranslateRefusalsCallNothingAndClearTheSelection)
{
    struct Case {
        int method;
        int field;
        const char* text;
        const char* box;
    };
    for (const Case& c : {Case{1, ID_MOVE_POINT1, "0; x", "Input error!"},
                          Case{1, ID_MOVE_POINT2, "1, b", "Input error!"},
                          Case{0, ID_MOVE_DX, "abc", "Please enter a number."}}) {
        SCOPED_TRACE(c.text);
        Show(ROTATE);
        Show(TRANSLATE);
        CSToolTranslate& form = *tool->translate;
        form.Choose(ID_MOVE_DELTA, c.method);
        form.SetText(c.field, c.text);
        Select({SectionKey(2)});
        Apply();
        EXPECT_EQ(Boxes(), std::vector<std::string>{c.box});
        EXPECT_TRUE(document.calls.empty());
        EXPECT_TRUE(Selected(KIND_SECTION).empty());
        form.SetText(c.field, c.field == ID_MOVE_DX ? "0" : "0, 0");
    }
}

TEST_F(SectPage, RotateStartsAtAngleZeroAndRefusesAnOriginThatDoesNotParse)
{
    Show(ROTATE);
    CSToolRotate& form = *tool->rotate;
    form.SetText(ID_ROTATE_ANGLE, "30");
    form.SetText(ID_ROTATE_ORIGIN, "1, 2");
    Select({SectionKey(4)});
    Apply();
    EXPECT_EQ(document.calls, std::vector<std::string>{"RotateSections([4], (1, 2), 30)"});

    Show(DELETE_SECTION);
    Show(ROTATE);
    EXPECT_EQ(form.Field(ID_ROTATE_ANGLE)->text, "0");
    Select({SectionKey(4)});
    Apply();
    EXPECT_EQ(document.calls, std::vector<std::string>{"RotateSections([4], (1, 2), 0)"});

    form.SetText(ID_ROTATE_ORIGIN, "one, two");
    Select({SectionKey(4)});
    Apply();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Input error!"});
    EXPECT_TRUE(document.calls.empty());
    EXPECT_TRUE(Selected(KIND_SECTION).empty());
}

// The angle's spin is its buddy: each arrow steps the shown angle by a whole
// degree, kept in 0 to 360; a text without a number starts from 0.
TEST_F(SectPage, RotateAngleSpinStepsFromTheShownAngleWithinItsRange)
{
    struct Case {
        const char* typed;
        int direction;
        const char* after;
    };
    Show(ROTATE);
    CSToolRotate& form = *tool->rotate;
    for (const Case& c : {Case{"30", 1, "31"}, Case{"30", -1, "29"}, Case{"360", 1, "360"},
                          Case{"0", -1, "0"}, Case{"abc", 1, "0"}}) {
        SCOPED_TRACE(c.typed);
        form.SetText(ID_ROTATE_ANGLE, c.typed);
        form.StepSpin(ID_ROTATE_SPIN, c.direction);
        EXPECT_EQ(form.Field(ID_ROTATE_ANGLE)->text, c.after);
    }
}

// The view's pick dispatch over the page's shown dialog.
class SectPicks : public SectPage, public IPickTargetSource {
protected:
    IPickTarget* ShownPickTarget() override { return page.ShownForm(); }
    // A click that snaps to (x, y).
    void ClickAt(double x, double y)
    {
        view.clickSnap.snapped = true;
        view.clickSnap.point[0] = x;
        view.clickSnap.point[1] = y;
        dispatch.DispatchPick(10, 10);
    }
    CPickDispatch dispatch{view, document, *this};
};

TEST_F(SectPicks, PointOneThenPointTwoThenBackToSelecting)
{
    Show(TRANSLATE);
    CSToolTranslate& form = *tool->translate;
    EXPECT_EQ(view.mouseMode, MOUSE_SELECT);
    form.Choose(ID_MOVE_DELTA, 1);
    // Point 1 took the focus: the select mode is saved for after the pick.
    EXPECT_EQ(view.pickFieldCode, CODE_MOVE_POINT1);
    EXPECT_EQ(view.savedMouseMode, MOUSE_SELECT);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);

    ClickAt(1, 2);
    EXPECT_EQ(form.Field(ID_MOVE_POINT1)->text, "1.000, 2.000");
    EXPECT_EQ(view.pickFieldCode, CODE_MOVE_POINT2);
    EXPECT_EQ(view.savedMouseMode, MOUSE_SELECT);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);

    ClickAt(4, 6);
    EXPECT_EQ(form.Field(ID_MOVE_POINT2)->text, "4.000, 6.000");
    EXPECT_EQ(view.pickFieldCode, 0);
    EXPECT_EQ(view.mouseMode, MOUSE_SELECT);
    Select({SectionKey(1)});
    Apply();
    EXPECT_EQ(document.calls, std::vector<std::string>{"TranslateSections([1], 3, 4)"});
}

TEST_F(SectPicks, TheRotationOriginIsPickedAndSelectingGoesOn)
{
    Show(ROTATE);
    CSToolRotate& form = *tool->rotate;
    EXPECT_TRUE(form.FocusPickField(CODE_ROTATE_ORIGIN));
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    ClickAt(5, -5);
    EXPECT_EQ(form.Field(ID_ROTATE_ORIGIN)->text, "5.000, -5.000");
    EXPECT_EQ(view.pickFieldCode, 0);
    EXPECT_EQ(view.mouseMode, MOUSE_SELECT);
}

TEST_F(SectPage, DeleteOffersToDeleteTheCurvesAtEveryShow)
{
    Show(DELETE_SECTION);
    EXPECT_TRUE(tool->erase->Checked(ID_DELETE_CURVES));
    tool->erase->Check(ID_DELETE_CURVES, false);
    Select({SectionKey(3)});
    Apply();
    EXPECT_EQ(document.calls, std::vector<std::string>{"DeleteSections([3], false)"});
    Show(ROTATE);
    Show(DELETE_SECTION);
    EXPECT_TRUE(tool->erase->Checked(ID_DELETE_CURVES));
    Apply();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"No section is selected."});
    EXPECT_TRUE(document.calls.empty());
}

TEST_F(SectPage, ArrangeOrdersTheActiveSectionsAndLeavesTheSelectionAlone)
{
    Show(ARRANGE);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    CSToolArrange& form = *tool->arrange;
    Apply();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"No section is activated."});
    EXPECT_TRUE(document.calls.empty());

    Activate({6, 2, 4});
    Select({SectionKey(9)});
    // The radios' places and the model's order codes.
    const std::pair<int, int> orders[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 6}, {5, 7}, {6, 8}, {7, 9}};
    for (const auto& [choice, code] : orders) {
        SCOPED_TRACE(choice);
        form.Choose(ID_ARRANGE_CREATION, choice);
        form.SetText(ID_ARRANGE_ROWS, "2");
        form.SetText(ID_ARRANGE_COLUMNS, "0");
        Apply();
        const std::string expected = "ArrangeSections([2, 4, 6], " + std::to_string(code) + ", 2, 0)";
        EXPECT_EQ(document.calls, std::vector<std::string>{expected});
        EXPECT_EQ(Selected(KIND_SECTION), std::set<int>{SectionKey(9)});
    }
    form.SetText(ID_ARRANGE_ROWS, "2.5");
    Apply();
    EXPECT_EQ(Boxes(), std::vector<std::string>{"Please enter an integer."});
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(Selected(KIND_SECTION), std::set<int>{SectionKey(9)});

    form.SetText(ID_ARRANGE_ROWS, "3");
    Show(DELETE_SECTION);
    Show(ARRANGE);
    EXPECT_EQ(form.Choice(ID_ARRANGE_CREATION), 0);
    EXPECT_EQ(form.Field(ID_ARRANGE_ROWS)->text, "3");
}

}  // namespace
