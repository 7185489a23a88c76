// The view's pick dispatch driving the Point dialogs' forms: a click in the
// view fills the focused pick field, moves the focus on and, for the
// Coordinate field, creates the point at once.

#include "PointPageFixture.h"

#include "frame/PickDispatch.h"
#include "view/MouseModes.h"

namespace {

class PointPickChains : public PointPage {
protected:
    struct ShownForm : IPickTargetSource {
        explicit ShownForm(CToolPageController& page) : page_(page) {}
        IPickTarget* ShownPickTarget() override { return page_.ShownForm(); }

    private:
        CToolPageController& page_;
    };

    // A click whose snap lands on (x, y) and on the point id (-1: a grid node).
    void ClickAt(double x, double y, int pointId = -1)
    {
        view.clickSnap.snapped = true;
        view.clickSnap.point[0] = x;
        view.clickSnap.point[1] = y;
        view.clickSnap.pointId = pointId;
        dispatch.DispatchPick(40, 50);
    }

    ShownForm shown{controller};
    CPickDispatch dispatch{view, document, shown};
};

TEST_F(PointPickChains, TheCoordinateFieldCreatesAPointAtEveryClickAndStaysArmed)
{
    Show(POINT_ROW_COORDINATE);
    view.mouseMode = MOUSE_SELECT;
    tool.Coordinate().OnControlFocus(ID_POINT_COORDINATE);
    EXPECT_EQ(view.pickFieldCode, 10048);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    ClickAt(100, 200);
    ClickAt(-50, 0.25);
    EXPECT_EQ(tool.Coordinate().Field(ID_POINT_COORDINATE)->text, "-50.000, 0.250");
    EXPECT_EQ(document.calls,
              (Calls{"CreatePointByCoordinate((100, 200))", "CreatePointByCoordinate((-50, 0.25))"}));
    EXPECT_EQ(view.pickFieldCode, 10048);
}

TEST_F(PointPickChains, RatioBetweenPointsTakesTheStartThenTheEndThenLeavesTheFocusOnTheRatio)
{
    Show(POINT_ROW_RATIO_BETWEEN_POINTS);
    view.mouseMode = MOUSE_SELECT;
    CPToolRatioPoint& form = tool.RatioBetweenPoints();
    form.OnControlFocus(ID_START_POINT);
    EXPECT_EQ(view.pickFieldCode, 10002);
    EXPECT_EQ(view.mouseMode, MOUSE_SELECT);
    ClickAt(10, 10, 4);
    EXPECT_EQ(form.Field(ID_START_POINT)->text, "4");
    EXPECT_EQ(view.pickFieldCode, 10003);
    EXPECT_TRUE(form.Field(ID_END_POINT)->highlighted);
    ClickAt(30, 10, 9);
    EXPECT_EQ(form.Field(ID_END_POINT)->text, "9");
    EXPECT_EQ(view.pickFieldCode, 0);
    EXPECT_FALSE(form.Field(ID_END_POINT)->highlighted);
    EXPECT_EQ(view.mouseMode, MOUSE_SELECT);

    // A click that snapped to no point writes "0".
    form.OnControlFocus(ID_START_POINT);
    ClickAt(20, 20);
    EXPECT_EQ(form.Field(ID_START_POINT)->text, "0");
    Type(form, {{ID_POINTS_RATIO, "0.5"}});
    Apply();
    EXPECT_EQ(Boxes(), Texts{"No point is selected."});
}

TEST_F(PointPickChains, TranslateTakesBothPointsAndGivesTheSelectModeBackAfterEach)
{
    Show(POINT_ROW_TRANSLATE);
    ASSERT_EQ(view.mouseMode, MOUSE_SELECT);
    CTransformForm& form = tool.Translate();
    form.ClickRadio(1009);
    EXPECT_EQ(view.pickFieldCode, 10037);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    EXPECT_EQ(view.savedMouseMode, MOUSE_SELECT);
    ClickAt(1, 2);
    EXPECT_EQ(form.Field(1018)->text, "1.000, 2.000");
    EXPECT_EQ(view.pickFieldCode, 10038);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    EXPECT_EQ(view.savedMouseMode, MOUSE_SELECT);
    ClickAt(4, 6);
    EXPECT_EQ(form.Field(1020)->text, "4.000, 6.000");
    EXPECT_EQ(view.pickFieldCode, 0);
    EXPECT_EQ(view.mouseMode, MOUSE_SELECT);

    Select(KIND_POINT, {3});
    Apply();
    EXPECT_EQ(document.calls, Calls{"TranslatePoints([3], 3, 4)"});
}

TEST_F(PointPickChains, TheOtherPickFieldsEndInSelectModeWithoutACode)
{
    const struct {
        int row;
        CDialogForm& form;
        int control;
        int code;
    } cases[] = {
        {POINT_ROW_ROTATE, tool.Rotate(), 1141, 10042},
        {POINT_ROW_MIRROR, tool.Mirror(), 1017, 10045},
        {POINT_ROW_EQUALIZE, tool.Equalize(), ID_EQUALIZE_COORDINATE, 10033},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        ShowAgain(c.row);
        ASSERT_EQ(view.mouseMode, MOUSE_SELECT);
        c.form.OnControlFocus(c.control);
        EXPECT_EQ(view.pickFieldCode, c.code);
        ClickAt(7, 8);
        EXPECT_EQ(c.form.Field(c.control)->text, "7.000, 8.000");
        EXPECT_EQ(view.pickFieldCode, 0);
        EXPECT_EQ(view.mouseMode, MOUSE_SELECT);
    }
}

TEST_F(PointPickChains, WithBothSnapsOffAClickChangesNothing)
{
    Show(POINT_ROW_COORDINATE);
    tool.Coordinate().OnControlFocus(ID_POINT_COORDINATE);
    view.clickSnap.snapped = false;
    dispatch.DispatchPick(40, 50);
    EXPECT_EQ(tool.Coordinate().Field(ID_POINT_COORDINATE)->text, "0.000, 0.000");
    EXPECT_TRUE(document.calls.empty());

    Show(POINT_ROW_TRANSLATE);
    tool.Translate().ClickRadio(1009);
    dispatch.DispatchPick(40, 50);
    EXPECT_EQ(tool.Translate().Field(1018)->text, "0.000, 0.000");
    EXPECT_EQ(view.pickFieldCode, 10037);
}

}  // namespace
