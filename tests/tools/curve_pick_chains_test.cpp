// Clicks in the view while a Curve page creation dialog is shown, through the
// view's pick dispatch: which fields fill, where the focus goes, and what the
// Line, Rectangle and Polyline create at once.

#include "frame/PickDispatch.h"
#include "tools/CurveLineDialogs.h"
#include "tools/CurvePageFixture.h"
#include "tools/CurveShapeDialogs.h"
#include "view/MouseModes.h"

namespace {

struct ShownDialog : IPickTargetSource {
    explicit ShownDialog(CToolPageController& page) : page_(page) {}
    IPickTarget* ShownPickTarget() override { return page_.ShownForm(); }

private:
    CToolPageController& page_;
};

}  // namespace

class CurvePickChains : public CurvePageTest {
protected:
    // A click that snaps to (x, y).
    void Click(double x, double y)
    {
        view.clickSnap.snapped = true;
        view.clickSnap.point[0] = x;
        view.clickSnap.point[1] = y;
        dispatch.DispatchPick(0, 0);
    }
    std::string Text(int id) { return controller.ShownForm()->Field(id)->text; }
    bool Highlighted(int id) { return controller.ShownForm()->Field(id)->highlighted; }

    ShownDialog shown{controller};
    CPickDispatch dispatch{view, document, shown};
};

TEST_F(CurvePickChains, LinePoint1ThenPoint2CreatesAndReturnsToPoint1)
{
    auto& form = Open<CCToolCreateLine>(2000);
    EXPECT_EQ(view.rubberBandKind, 1);
    form.OnControlFocus(LINE_POINT1);
    Click(100, 0);
    EXPECT_EQ(Text(LINE_POINT1), "100.000, 0.000");
    EXPECT_EQ(view.pickFieldCode, 10001);
    EXPECT_TRUE(Highlighted(LINE_POINT2));
    EXPECT_TRUE(document.calls.empty());
    Click(200, 100);
    EXPECT_EQ(Text(LINE_POINT2), "200.000, 100.000");
    EXPECT_EQ(document.calls, Calls{"CreateLine((100, 0), (200, 100), 1, 0)"});
    EXPECT_EQ(view.pickFieldCode, 10000);
    EXPECT_TRUE(Highlighted(LINE_POINT1));
    EXPECT_EQ(view.rubberBandKind, 0);
}

TEST_F(CurvePickChains, ARefusedWidthCreatesNothingFromAPick)
{
    struct Case {
        int toolId;
        int point2;
        int width;
    };
    for (const Case& c : {Case{2000, LINE_POINT2, LINE_WIDTH}, Case{2003, RECTANGLE_POINT2, RECTANGLE_WIDTH}}) {
        SCOPED_TRACE(c.toolId);
        FreshPage();
        auto& form = Open<CTwoPointForm>(c.toolId);
        form.SetText(c.width, "abc");
        form.OnControlFocus(c.point2);
        document.user.ClearRecords();
        Click(5, 5);
        EXPECT_EQ(Boxes(), Calls{"Please enter a number."});
        EXPECT_TRUE(document.calls.empty());
    }
}

TEST_F(CurvePickChains, APoint2PickDoesNothingOutsideXY)
{
    struct Case {
        int toolId;
        int method;
        int methodValue;
        int point2;
    };
    const Case cases[] = {{2000, LINE_METHOD, COORDINATES_DX_DY, LINE_POINT2},
                          {2000, LINE_METHOD, COORDINATES_POLAR, LINE_POINT2},
                          {2003, RECTANGLE_METHOD, COORDINATES_DX_DY, RECTANGLE_POINT2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.toolId) + " " + std::to_string(c.methodValue));
        FreshPage();
        auto& form = Open<CTwoPointForm>(c.toolId);
        form.OnControlFocus(c.point2);
        form.Choose(c.method, c.methodValue);
        view.pickFieldCode = form.Field(c.point2)->pickCode;
        Click(7, 7);
        EXPECT_EQ(Text(c.point2), ZERO_COORDINATE_TEXT);
        EXPECT_TRUE(document.calls.empty());
    }
}

TEST_F(CurvePickChains, RectangleCornersCreateAtOnce)
{
    auto& form = Open<CCToolCreateRectangle>(2003);
    form.Choose(RECTANGLE_ALIGNMENT, 1);
    form.SetText(RECTANGLE_WIDTH, "4");
    form.OnControlFocus(RECTANGLE_POINT1);
    Click(0, 0);
    Click(50, 20);
    EXPECT_EQ(document.calls, Calls{"CreateRectangle((0, 0), (50, 20), 2, 4)"});
    EXPECT_EQ(view.pickFieldCode, 10049);
}

TEST_F(CurvePickChains, PolylinePicksAddOneLineEachAfterTheFirst)
{
    auto& form = Open<CCToolCreatePLine>(2001);
    form.OnControlFocus(PLINE_POINT);
    Click(0, 0);
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(form.PreviousVertex(), (PlanePoint{0, 0}));
    EXPECT_EQ(Text(PLINE_POINT), "0.000, 0.000");
    Click(10, 0);
    Click(10, 10);
    EXPECT_EQ(document.calls, (Calls{"CreateLine((0, 0), (10, 0), 1, 0)", "CreateLine((10, 0), (10, 10), 1, 0)"}));
    EXPECT_EQ(Text(PLINE_POINT), "10.000, 10.000");
    // A typed vertex goes on from the picked ones.
    form.SetText(PLINE_POINT, "0, 10");
    Apply();
    EXPECT_EQ(document.calls.back(), "CreateLine((10, 10), (0, 10), 1, 0)");
}

TEST_F(CurvePickChains, CurvedShapesOnlyFillTheirFieldsAndEndAtAFieldWithoutAPick)
{
    struct Case {
        const char* name;
        int toolId;
        int method;  // -1: one method
        std::vector<int> filled;  // in pick order
        int lastFocus;            // the field focused after the last pick
    };
    const Case cases[] = {
        {"ArcStartSecondEnd", 2005, 2, {1080, 1081, 1082}, 1264},
        {"ArcCentre", 2005, 0, {1074}, 1075},
        {"ArcCentreStartEnd", 2005, 1, {1077, 1078, 1079}, 1264},
        {"CircleCentre", 2004, 0, {1101}, 1102},
        {"CircleTwoPoints", 2004, 1, {1103, 1104}, 1264},
        {"CircleThreePoints", 2004, 2, {1105, 1106, 1107}, 1264},
        {"EllipseCentre", 2006, -1, {1091}, 1092},
        {"Quadratic", 2007, -1, {1079, 1080, 1081}, 1264},
        {"Cubic", 2008, -1, {1094, 1095, 1096, 1097}, 1264},
        {"Bezier", 2009, -1, {1108, 1109, 1110, 1111}, 1264},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FreshPage();
        auto& form = Open<CCurveShapeForm>(c.toolId);
        if (c.method >= 0)
            form.Choose(c.toolId == 2004 ? CIRCLE_METHOD : ARC_METHOD, c.method);
        form.OnControlFocus(c.filled.front());
        document.calls.clear();
        for (size_t i = 0; i < c.filled.size(); ++i) {
            EXPECT_EQ(view.pickFieldCode, form.Field(c.filled[i])->pickCode);
            Click(static_cast<double>(i + 1), -2.5);
            EXPECT_EQ(Text(c.filled[i]), std::to_string(i + 1) + ".000, -2.500");
        }
        EXPECT_FALSE(Highlighted(c.filled.back()));
        EXPECT_EQ(view.pickFieldCode, 0);
        // The focus is on the next field, which takes no pick: a click fills nothing.
        Click(9, 9);
        for (int id : c.filled)
            EXPECT_NE(Text(id), "9.000, 9.000");
        EXPECT_TRUE(document.calls.empty());
        EXPECT_EQ(form.Field(c.lastFocus)->pickCode, 0);
    }
}

TEST_F(CurvePickChains, ShortestPathBasePointRestoresTheSavedMouseMode)
{
    auto& form = Open<CCToolCreateShortPath>(2002);
    EXPECT_EQ(view.mouseMode, MOUSE_SELECT);
    form.OnControlFocus(SHORT_PATH_POINT);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    EXPECT_EQ(view.savedMouseMode, MOUSE_SELECT);
    Click(3, 4);
    EXPECT_EQ(Text(SHORT_PATH_POINT), "3.000, 4.000");
    EXPECT_EQ(view.mouseMode, MOUSE_SELECT);
    EXPECT_EQ(view.pickFieldCode, 0);
    EXPECT_TRUE(document.calls.empty());
}

TEST_F(CurvePickChains, WithoutASnapAtTheClickNothingChanges)
{
    auto& form = Open<CCToolCreateLine>(2000);
    form.OnControlFocus(LINE_POINT2);
    view.clickSnap.snapped = false;
    dispatch.DispatchPick(0, 0);
    EXPECT_EQ(Text(LINE_POINT2), ZERO_COORDINATE_TEXT);
    EXPECT_EQ(view.pickFieldCode, 10001);
    EXPECT_TRUE(document.calls.empty());
}
