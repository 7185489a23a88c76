// The view's pick dispatch driving the Curve page's transform and id pick
// fields: which field fills, where the focus goes, and the mouse mode and
// pick code the view is left with.

#include "frame/PickDispatch.h"
#include "tools/CurveEditDialogs.h"
#include "tools/CurvePageFixture.h"
#include "tools/TransformForm.h"
#include "view/MouseModes.h"

namespace {

struct ShownDialog : IPickTargetSource {
    explicit ShownDialog(CToolPageController& page) : page_(page) {}
    IPickTarget* ShownPickTarget() override { return page_.ShownForm(); }

private:
    CToolPageController& page_;
};

// The focus moves the form makes, by control id.
struct FocusMoves : IToolFormObserver {
    void OnFieldText(const ToolFormField&) override {}
    void OnFieldState(const ToolFormField&) override {}
    void OnFieldFocusMoved(const ToolFormField& field) override { moves.push_back(field.controlId); }
    std::vector<int> moves;
};

}  // namespace

class CurveEditPickChains : public CurvePageTest {
protected:
    // A click that snaps to (x, y), or, with both snaps off, to nothing.
    void Click(double x, double y, bool snapped = true)
    {
        view.clickSnap.snapped = snapped;
        view.clickSnap.point[0] = x;
        view.clickSnap.point[1] = y;
        dispatch.DispatchPick(0, 0);
    }
    std::string Text(int id) { return controller.ShownForm()->Field(id)->text; }

    ShownDialog shown{controller};
    CPickDispatch dispatch{view, document, shown};
};

TEST_F(CurveEditPickChains, TranslateAndMirrorTakeTwoPointsThenGiveTheSelectModeBack)
{
    const struct {
        int toolId;
        int twoPointsRadio;
        int point1;
        int point2;
        int width;
        int code1;
        int code2;
    } cases[] = {
        {2015, 1057, 1060, 1061, 1219, 10035, 10036},
        {2017, 1066, 1069, 1070, 1232, 10046, 10047},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.toolId);
        auto& form = Open<CTransformForm>(c.toolId);
        ASSERT_EQ(view.mouseMode, MOUSE_SELECT);
        form.ClickRadio(c.twoPointsRadio);
        FocusMoves focus;
        form.SetObserver(&focus);
        EXPECT_EQ(view.pickFieldCode, c.code1);
        EXPECT_EQ(view.mouseMode, MOUSE_NONE);
        Click(1, 2);
        EXPECT_EQ(Text(c.point1), "1.000, 2.000");
        EXPECT_EQ(view.pickFieldCode, c.code2);
        EXPECT_TRUE(form.Field(c.point2)->highlighted);
        Click(-4, 6.5);
        EXPECT_EQ(Text(c.point2), "-4.000, 6.500");
        EXPECT_EQ(focus.moves, (std::vector<int>{c.point2, c.width}));
        EXPECT_EQ(view.pickFieldCode, 0);
        EXPECT_EQ(view.mouseMode, MOUSE_SELECT);
        EXPECT_TRUE(document.calls.empty());
        form.SetObserver(nullptr);
    }
}

TEST_F(CurveEditPickChains, RotateTakesOnePickIntoTheOrigin)
{
    auto& form = Open<CTransformForm>(2016);
    form.OnControlFocus(1222);
    EXPECT_EQ(view.pickFieldCode, 10041);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    Click(3, -1);
    EXPECT_EQ(Text(1222), "3.000, -1.000");
    EXPECT_EQ(view.pickFieldCode, 0);
    EXPECT_EQ(view.mouseMode, MOUSE_SELECT);
}

TEST_F(CurveEditPickChains, WithBothSnapsOffTheCoordinateFieldsStayUnchanged)
{
    const std::pair<int, int> fields[] = {{2015, 1060}, {2016, 1222}, {2017, 1069}};
    for (const auto& [toolId, fieldId] : fields) {
        SCOPED_TRACE(toolId);
        auto& form = Open<CTransformForm>(toolId);
        form.SetText(fieldId, "5, 5");
        form.OnControlFocus(fieldId);
        Click(1, 2, false);
        EXPECT_EQ(Text(fieldId), "5, 5");
    }
}

TEST_F(CurveEditPickChains, IdFieldsTakeTheCurveUnderTheClickWithoutASnap)
{
    const struct {
        int toolId;
        int fieldId;
        int code;
    } cases[] = {{2021, EXTEND_BASE_ID, 10004}, {2023, SPLIT_CURVE_ID, 10005}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.toolId);
        auto& form = Open<CDialogForm>(c.toolId);
        ASSERT_EQ(view.mouseMode, MOUSE_SELECT);
        form.OnControlFocus(c.fieldId);
        EXPECT_EQ(view.pickFieldCode, c.code);
        EXPECT_EQ(view.mouseMode, MOUSE_NONE);
        EXPECT_TRUE(form.Field(c.fieldId)->highlighted);
        view.nearestCurve = CURVE_KEY_BASE + 42;
        Click(0, 0, false);
        EXPECT_EQ(Text(c.fieldId), "42");
        EXPECT_EQ(view.pickFieldCode, 0);
        EXPECT_EQ(view.mouseMode, MOUSE_SELECT);
        // Clicked into again: no curve under the cursor writes "0".
        form.OnControlFocusLost(c.fieldId);
        form.OnControlFocus(c.fieldId);
        view.nearestCurve = 0;
        Click(0, 0, false);
        EXPECT_EQ(Text(c.fieldId), "0");
        EXPECT_EQ(view.mouseMode, MOUSE_SELECT);
    }
}

TEST_F(CurveEditPickChains, APickedCurveIdSplitsAtTheSelectedPoints)
{
    auto& form = Open<CDialogForm>(2023);
    form.OnControlFocus(SPLIT_CURVE_ID);
    view.nearestCurve = CURVE_KEY_BASE + 8;
    Click(0, 0, false);
    view.SelectKeyAsClick(POINT_KEY_BASE + 5);
    Apply();
    EXPECT_EQ(document.calls, Calls{"SplitCurve(8, [5])"});
}
