// The straight-line creation dialogs of the Curve page without a display:
// what each Apply hands the document, and what it tells the user.

#include "tools/CurveLineDialogs.h"
#include "tools/CurvePageFixture.h"
#include "view/MouseModes.h"

#include <cmath>

namespace {

// Line and Rectangle share their form; a case names the dialog's ids.
struct TwoPointDialog {
    const char* name;
    int toolId;
    int point1;
    int point2;
    int delta;
    int method;
    int alignment;
    int width;
    const char* forwarder;
};

const TwoPointDialog LINE{"Line", 2000, LINE_POINT1, LINE_POINT2, LINE_DELTA, LINE_METHOD, LINE_ALIGNMENT,
                          LINE_WIDTH, "CreateLine"};
const TwoPointDialog RECTANGLE{"Rectangle", 2003, RECTANGLE_POINT1, RECTANGLE_POINT2, RECTANGLE_DELTA,
                               RECTANGLE_METHOD, RECTANGLE_ALIGNMENT, RECTANGLE_WIDTH, "CreateRectangle"};

struct TwoPointCase {
    const char* name;
    int method;
    const char* point1;
    const char* point2;
    const char* delta;
    int alignment;  // radio value
    const char* width;
    const char* arguments;  // of the one call; null: no call
    std::vector<std::string> boxes;
};

const TwoPointCase TWO_POINT_CASES[] = {
    {"TypedPointsRightWithWidth", COORDINATES_XY, "1, 1", "4, 5", "", 2, "2", "((1, 1), (4, 5), 3, 2)", {}},
    {"LeftAndNoWidth", COORDINATES_XY, "-2.5 0", "3, 0.5", "", 1, "0", "((-2.5, 0), (3, 0.5), 2, 0)", {}},
    {"OffsetFromPoint1", COORDINATES_DX_DY, "1, 1", "99, 99", "10, 5", 0, "0", "((1, 1), (11, 6), 1, 0)", {}},
    // An empty offset reads as no offset; the model refuses the identical points.
    {"EmptyOffsetGivesPoint1Twice", COORDINATES_DX_DY, "1, 1", "4, 5", "", 0, "0", "((1, 1), (1, 1), 1, 0)", {}},
    {"BadPoint1AndBadPoint2EachReported", COORDINATES_XY, "x1", "y1", "", 0, "0", nullptr,
     {"Input error!", "Input error!"}},
    {"BadPoint1AndBadOffsetEachReported", COORDINATES_DX_DY, "a", "4, 5", "b", 0, "0", nullptr,
     {"Input error!", "Input error!"}},
    {"BadPoint2Alone", COORDINATES_XY, "0, 0", "q", "", 0, "0", nullptr, {"Input error!"}},
    {"WidthNotANumber", COORDINATES_XY, "1, 1", "4, 5", "", 0, "abc", nullptr, {"Please enter a number."}},
    // The greyed Point 2 is not read in "Dx, Dy".
    {"GreyedPoint2NotRead", COORDINATES_DX_DY, "0, 0", "garbage", "1, 2", 0, "0", "((0, 0), (1, 2), 1, 0)", {}},
};

}  // namespace

class TwoPointApply : public CurvePageTest, public testing::WithParamInterface<TwoPointDialog> {};

TEST_P(TwoPointApply, FormToTheDocumentCallOrTheBoxes)
{
    const TwoPointDialog& dialog = GetParam();
    for (const TwoPointCase& c : TWO_POINT_CASES) {
        SCOPED_TRACE(c.name);
        auto& form = Open<CTwoPointForm>(dialog.toolId);
        form.Choose(dialog.method, c.method);
        form.Choose(dialog.alignment, c.alignment);
        form.SetText(dialog.point1, c.point1);
        form.SetText(dialog.point2, c.point2);
        form.SetText(dialog.delta, c.delta);
        form.SetText(dialog.width, c.width);
        document.calls.clear();
        document.user.ClearRecords();
        Apply();
        EXPECT_EQ(document.calls, c.arguments ? Calls{std::string(dialog.forwarder) + c.arguments} : Calls{});
        EXPECT_EQ(Boxes(), c.boxes);
        // The texts stay.
        EXPECT_EQ(form.Field(dialog.point1)->text, c.point1);
        EXPECT_EQ(form.Field(dialog.point2)->text, c.point2);
        controller.SelectCommand(2031);
    }
}

TEST_P(TwoPointApply, AfterApplyTheFocusStaysWhereItWas)
{
    const TwoPointDialog& dialog = GetParam();
    auto& form = Open<CTwoPointForm>(dialog.toolId);
    form.SetText(dialog.point2, "3, 3");
    form.OnControlFocus(dialog.point2);
    const int code = view.pickFieldCode;
    Apply();
    EXPECT_EQ(document.calls.size(), 1u);
    EXPECT_EQ(view.pickFieldCode, code);
    EXPECT_TRUE(form.Field(dialog.point2)->highlighted);
    EXPECT_FALSE(form.Field(dialog.point1)->highlighted);
}

TEST_P(TwoPointApply, TheQueriesAnswerTheMethodAlignmentWidthAndPoints)
{
    const TwoPointDialog& dialog = GetParam();
    auto& form = Open<CTwoPointForm>(dialog.toolId);
    ILineQueries* queries = form.LineQueries();
    ASSERT_NE(queries, nullptr);
    form.Choose(dialog.alignment, 1);
    form.SetText(dialog.width, "1.25");
    form.SetText(dialog.point1, "7, 8");
    form.SetText(dialog.point2, "-1, 2");
    EXPECT_EQ(queries->CoordinateMode(), COORDINATES_XY);
    EXPECT_EQ(queries->AlignmentCode(), ALIGN_LEFT);
    EXPECT_EQ(queries->ReadWidth(), 1.25);
    PlanePoint point{};
    ASSERT_TRUE(queries->ReadPoint(0, point));
    EXPECT_EQ(point, (PlanePoint{7, 8}));
    ASSERT_TRUE(queries->ReadPoint(1, point));
    EXPECT_EQ(point, (PlanePoint{-1, 2}));
    // In "Dx, Dy" a pick has nowhere to go: the view asks the method first.
    form.Choose(dialog.method, COORDINATES_DX_DY);
    EXPECT_EQ(queries->CoordinateMode(), COORDINATES_DX_DY);
    // A width the reader refuses is reported by the query too.
    form.SetText(dialog.width, "abc");
    EXPECT_EQ(queries->ReadWidth(), std::nullopt);
    EXPECT_EQ(Boxes(), Calls{"Please enter a number."});
}

TEST_P(TwoPointApply, EachOpeningGoesBackToXYAndCenterButKeepsTheTexts)
{
    const TwoPointDialog& dialog = GetParam();
    auto& form = Open<CTwoPointForm>(dialog.toolId);
    form.Choose(dialog.method, COORDINATES_DX_DY);
    form.Choose(dialog.alignment, 2);
    form.SetText(dialog.delta, "1, 1");
    EXPECT_FALSE(form.Field(dialog.point2)->enabled);
    EXPECT_TRUE(form.Field(dialog.delta)->enabled);
    controller.SelectCommand(2030);
    controller.SelectCommand(dialog.toolId);
    EXPECT_EQ(form.Choice(dialog.method), COORDINATES_XY);
    EXPECT_EQ(form.Alignment(), ALIGN_CENTER);
    EXPECT_TRUE(form.Field(dialog.point2)->enabled);
    EXPECT_FALSE(form.Field(dialog.delta)->enabled);
    EXPECT_EQ(form.Field(dialog.delta)->text, "1, 1");
}

INSTANTIATE_TEST_SUITE_P(LineAndRectangle, TwoPointApply, testing::Values(LINE, RECTANGLE),
                         [](const testing::TestParamInfo<TwoPointDialog>& info) { return info.param.name; });

// Point 2 = Point 1 + R (cos A, sin A), A in degrees counter-clockwise.
class PolarLine : public CurvePageTest {
protected:
    class PointCatcher : public RecordingToolDocument {
    public:
        bool CreateLine(const double point1[2], const double point2[2], int alignment, double width) override
        {
            second = {point2[0], point2[1]};
            return RecordingToolDocument::CreateLine(point1, point2, alignment, width);
        }
        PlanePoint second{};
    };
};

TEST_F(PolarLine, RadiusAlongAngleFromPoint1)
{
    PointCatcher catcher;
    context.document = &catcher;
    context.boxes = &catcher.user;
    struct Case {
        const char* point1;
        const char* radius;
        const char* angle;
        PlanePoint expected;
    };
    const double half = std::sqrt(0.5);
    for (const Case& c : {Case{"0, 0", "10", "90", {0, 10}}, Case{"1, 2", "4", "180", {-3, 2}},
                          Case{"0, 0", "2", "-45", {2 * half, -2 * half}}, Case{"5, 5", "3", "0", {8, 5}}}) {
        SCOPED_TRACE(std::string(c.radius) + " at " + c.angle);
        auto& form = Open<CCToolCreateLine>(2000);
        form.Choose(LINE_METHOD, COORDINATES_POLAR);
        form.SetText(LINE_POINT1, c.point1);
        form.SetText(LINE_RADIUS, c.radius);
        form.SetText(LINE_ANGLE, c.angle);
        catcher.calls.clear();
        Apply();
        ASSERT_EQ(catcher.calls.size(), 1u);
        EXPECT_NEAR(catcher.second[0], c.expected[0], 1e-12);
        EXPECT_NEAR(catcher.second[1], c.expected[1], 1e-12);
    }
    EXPECT_TRUE(catcher.user.boxes.empty());
}

TEST_F(PolarLine, ARadiusNotANumberIsRefusedAndGarbageThereIsIgnoredInXY)
{
    auto& form = Open<CCToolCreateLine>(2000);
    form.SetText(LINE_RADIUS, "zz");
    form.SetText(LINE_POINT2, "1, 0");
    Apply();
    EXPECT_EQ(document.calls, Calls{"CreateLine((0, 0), (1, 0), 1, 0)"});
    EXPECT_TRUE(Boxes().empty());
    form.Choose(LINE_METHOD, COORDINATES_POLAR);
    Apply();
    EXPECT_EQ(document.calls.size(), 1u);
    EXPECT_EQ(Boxes(), Calls{"Please enter a number."});
}

TEST_F(CurvePageTest, LineMethodsSwitchTheirGroupsAndFocus)
{
    auto& form = Open<CCToolCreateLine>(2000);
    struct Case {
        int method;
        std::vector<int> enabled;
        int focusCode;  // the view's pick field code after the switch
    };
    for (const Case& c : {Case{COORDINATES_DX_DY, {LINE_DELTA}, 0},
                          Case{COORDINATES_POLAR, {LINE_RADIUS, LINE_ANGLE}, 77},
                          Case{COORDINATES_XY, {LINE_POINT2}, 10001}}) {
        SCOPED_TRACE(c.method);
        view.pickFieldCode = 77;
        form.Choose(LINE_METHOD, c.method);
        for (int id : {LINE_POINT2, LINE_DELTA, LINE_RADIUS, LINE_ANGLE}) {
            const bool expected = std::find(c.enabled.begin(), c.enabled.end(), id) != c.enabled.end();
            EXPECT_EQ(form.IsEnabled(id), expected) << id;
        }
        EXPECT_EQ(form.IsEnabled(1113), c.method == COORDINATES_POLAR);
        EXPECT_EQ(view.pickFieldCode, c.focusCode);
    }
}

// ---- Polyline ----

class PolylineTest : public CurvePageTest {
protected:
    void SetUp() override
    {
        CurvePageTest::SetUp();
        form = &Open<CCToolCreatePLine>(2001);
    }
    void Type(const char* text, int method = COORDINATES_XY)
    {
        form->Choose(PLINE_METHOD, method);
        form->SetText(method == COORDINATES_XY ? PLINE_POINT : PLINE_DELTA, text);
        Apply();
    }
    CCToolCreatePLine* form = nullptr;
};

TEST_F(PolylineTest, TypedVerticesAddOneLineEachAfterTheFirst)
{
    Type("0, 0");
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(form->PreviousVertex(), (PlanePoint{0, 0}));
    Type("10, 0");
    Type("10, 0");  // the same point again: nothing
    Type("10, 5");
    EXPECT_EQ(document.calls, (Calls{"CreateLine((0, 0), (10, 0), 1, 0)", "CreateLine((10, 0), (10, 5), 1, 0)"}));
    EXPECT_EQ(form->PreviousVertex(), (PlanePoint{10, 5}));
}

TEST_F(PolylineTest, OffsetsFollowThePreviousVertexAndTheFirstIsAbsolute)
{
    form->Choose(CURVE_ALIGNMENT, 2);
    form->SetText(CURVE_WIDTH, "0.5");
    Type("5, 5", COORDINATES_DX_DY);
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(form->PreviousVertex(), (PlanePoint{5, 5}));
    Type("1, 0", COORDINATES_DX_DY);
    Type("0, 0", COORDINATES_DX_DY);  // no move: nothing
    EXPECT_EQ(document.calls, Calls{"CreateLine((5, 5), (6, 5), 3, 0.5)"});
}

TEST_F(PolylineTest, ThePreviousVertexMovesAlsoWhenTheDocumentRefuses)
{
    document.results["CreateLine"] = false;
    Type("0, 0");
    Type("0, 0.001");
    Type("3, 3");
    EXPECT_EQ(document.calls, (Calls{"CreateLine((0, 0), (0, 0.001), 1, 0)", "CreateLine((0, 0.001), (3, 3), 1, 0)"}));
}

TEST_F(PolylineTest, ARefusedWidthOrPointCreatesNothingAndKeepsThePreviousVertex)
{
    Type("1, 1");
    form->SetText(CURVE_WIDTH, "abc");
    Type("2, 2");
    EXPECT_EQ(Boxes(), Calls{"Please enter a number."});
    form->SetText(CURVE_WIDTH, "0");
    Type("2;2");
    EXPECT_EQ(Boxes(), (Calls{"Please enter a number.", "Input error!"}));
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(form->PreviousVertex(), (PlanePoint{1, 1}));
}

TEST_F(PolylineTest, NewPolylineForgetsTheVertexOnlyInXY)
{
    Type("4, 4");
    form->Choose(PLINE_METHOD, COORDINATES_DX_DY);
    form->Press(PLINE_NEW);
    EXPECT_EQ(form->PreviousVertex(), (PlanePoint{4, 4}));
    EXPECT_EQ(form->Field(PLINE_POINT)->text, "4, 4");
    form->Choose(PLINE_METHOD, COORDINATES_XY);
    form->Press(PLINE_NEW);
    EXPECT_EQ(form->PreviousVertex(), std::nullopt);
    EXPECT_EQ(form->Field(PLINE_POINT)->text, ZERO_COORDINATE_TEXT);
    // Every opening starts a new polyline too.
    Type("7, 7");
    controller.SelectCommand(2000);
    controller.SelectCommand(2001);
    EXPECT_EQ(form->PreviousVertex(), std::nullopt);
}

TEST_F(PolylineTest, SwitchingToOffsetsClearsThePickFieldCode)
{
    form->OnControlFocus(PLINE_POINT);
    EXPECT_EQ(view.pickFieldCode, 10006);
    form->Choose(PLINE_METHOD, COORDINATES_DX_DY);
    EXPECT_EQ(view.pickFieldCode, 0);
    EXPECT_FALSE(form->IsEnabled(PLINE_POINT));
    EXPECT_TRUE(form->IsEnabled(PLINE_DELTA));
    EXPECT_EQ(form->LineQueries()->CoordinateMode(), COORDINATES_DX_DY);
}

TEST_F(PolylineTest, TheQueriesKeepThePreviousVertex)
{
    ILineQueries* queries = form->LineQueries();
    ASSERT_NE(queries, nullptr);
    EXPECT_EQ(queries->PreviousVertex(), std::nullopt);
    queries->SetPreviousVertex(PlanePoint{2, 3});
    Type("2, 4");
    EXPECT_EQ(document.calls, Calls{"CreateLine((2, 3), (2, 4), 1, 0)"});
    queries->SetPreviousVertex(std::nullopt);
    EXPECT_EQ(queries->PreviousVertex(), std::nullopt);
}

// ---- Shortest Path Line and Convert Curve-Width ----

TEST_F(CurvePageTest, ShortestPathReadsTheSelectedCurvesAndAlwaysClearsThem)
{
    struct Case {
        const char* name;
        std::vector<int> selected;
        const char* base;
        bool split;
        Calls calls;
        Calls boxes;
    };
    const Case cases[] = {
        {"NoCurve", {}, "3, 4", true, {}, {"No curve is selected."}},
        {"CurvesInIdOrder", {8, 2}, "3, 4", true, {"CreateShortestPathLines([2, 8], (3, 4), true, 2, 1.5)"}, {}},
        {"InsertTheFootPoint", {5}, "0 0", false, {"CreateShortestPathLines([5], (0, 0), false, 2, 1.5)"}, {}},
        {"BadBasePoint", {8, 2}, "3;4", true, {}, {"Input error!"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& form = Open<CCToolCreateShortPath>(2002);
        EXPECT_TRUE(form.Checked(SHORT_PATH_SPLIT));
        form.Check(SHORT_PATH_SPLIT, c.split);
        form.Choose(CURVE_ALIGNMENT, 1);
        form.SetText(CURVE_WIDTH, "1.5");
        form.SetText(SHORT_PATH_POINT, c.base);
        for (int id : c.selected)
            view.SelectKeyAsClick(CURVE_KEY_BASE + id);
        document.calls.clear();
        document.user.ClearRecords();
        Apply();
        EXPECT_EQ(document.calls, c.calls);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_TRUE(NoCurveSelected());
        controller.SelectCommand(2031);
    }
}

TEST_F(CurvePageTest, ConvertWidthPassesItsThreeBoxesInOrder)
{
    struct Case {
        const char* name;
        bool startEnd;
        bool leftRight;
        bool deleteSource;
        const char* call;
    };
    const Case cases[] = {
        {"AsOpened", false, true, true, "ConvertCurveWidths([3, 6], false, true, true)"},
        {"StartEndOnly", true, false, false, "ConvertCurveWidths([3, 6], true, false, false)"},
        {"NoSideStillCalls", false, false, true, "ConvertCurveWidths([3, 6], false, false, true)"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& form = Open<CCToolCreateConvertWidth>(2010);
        EXPECT_FALSE(form.Checked(CONVERT_START_END));
        EXPECT_TRUE(form.Checked(CONVERT_LEFT_RIGHT));
        EXPECT_TRUE(form.Checked(CONVERT_DELETE_SOURCE));
        form.Check(CONVERT_START_END, c.startEnd);
        form.Check(CONVERT_LEFT_RIGHT, c.leftRight);
        form.Check(CONVERT_DELETE_SOURCE, c.deleteSource);
        SelectCurves({6, 3});
        document.calls.clear();
        Apply();
        EXPECT_EQ(document.calls, Calls{c.call});
        EXPECT_TRUE(NoCurveSelected());
        controller.SelectCommand(2031);
    }
    Open<CCToolCreateConvertWidth>(2010);
    document.calls.clear();
    Apply();
    EXPECT_TRUE(document.calls.empty());
    EXPECT_EQ(Boxes(), Calls{"No curve is selected."});
}

// What the focus of each field of these dialogs does to the view.
TEST_F(CurvePageTest, FieldFocusWritesTheCodeAndSetsTheMouseMode)
{
    struct Case {
        int toolId;
        int controlId;
        int code;
        int mouseMode;  // after the focus, from MOUSE_SELECT
        int savedMode;  // from MOUSE_DYNAMIC_PAN
    };
    const Case cases[] = {
        {2000, LINE_POINT1, 10000, MOUSE_SELECT, MOUSE_DYNAMIC_PAN},
        {2000, LINE_POINT2, 10001, MOUSE_SELECT, MOUSE_DYNAMIC_PAN},
        {2000, LINE_DELTA, 0, MOUSE_SELECT, MOUSE_DYNAMIC_PAN},
        {2000, LINE_RADIUS, 55, MOUSE_SELECT, MOUSE_DYNAMIC_PAN},  // no pick, no code
        {2001, PLINE_POINT, 10006, MOUSE_NONE, MOUSE_DYNAMIC_PAN},
        {2002, SHORT_PATH_POINT, 10032, MOUSE_NONE, MOUSE_SELECT},
        {2003, RECTANGLE_POINT1, 10049, MOUSE_SELECT, MOUSE_DYNAMIC_PAN},
        {2003, RECTANGLE_POINT2, 10050, MOUSE_SELECT, MOUSE_DYNAMIC_PAN},
        {2003, RECTANGLE_DELTA, 55, MOUSE_SELECT, MOUSE_DYNAMIC_PAN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.controlId);
        auto& form = Open<CDialogForm>(c.toolId);
        view.pickFieldCode = 55;
        view.mouseMode = MOUSE_SELECT;
        view.savedMouseMode = MOUSE_DYNAMIC_PAN;
        form.OnControlFocus(c.controlId);
        EXPECT_EQ(view.pickFieldCode, c.code);
        EXPECT_EQ(view.mouseMode, c.mouseMode);
        EXPECT_EQ(view.savedMouseMode, c.savedMode);
        form.OnControlFocusLost(c.controlId);
        controller.SelectCommand(2031);
    }
}
