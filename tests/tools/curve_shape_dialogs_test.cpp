// The curved-shape creation dialogs of the Curve page without a display:
// each method's document call, the stop at the first bad field, the focus.

#include "tools/CurvePageFixture.h"
#include "tools/CurveShapeDialogs.h"
#include "view/MouseModes.h"

#include <map>

namespace {

struct ShapeCase {
    const char* name;
    int toolId;
    int method;  // -1: a dialog of one method
    std::map<int, const char*> texts;
    Calls calls;
    Calls boxes;
};

const ShapeCase SHAPE_CASES[] = {
    {"CircleCenterRadius", 2004, 0, {{1101, "1, 2"}, {1102, "3"}, {1264, "0.5"}},
     {"CreateCircle((1, 2), 3, 2, 0.5)"}, {}},
    {"CircleTwoPoints", 2004, 1, {{1103, "0, 0"}, {1104, "2, 0"}},
     {"CreateCircleByTwoPoints((0, 0), (2, 0), 2, 0)"}, {}},
    {"CircleThreePoints", 2004, 2, {{1105, "1 0"}, {1106, "0 1"}, {1107, "-1 0"}},
     {"CreateCircleByThreePoints((1, 0), (0, 1), (-1, 0), 2, 0)"}, {}},
    {"CircleBadPoint1StopsThere", 2004, 1, {{1103, "bad"}, {1104, "bad"}}, {}, {"Input error!"}},
    {"CircleGreyedRadiusNotRead", 2004, 1, {{1102, "zz"}}, {"CreateCircleByTwoPoints((0, 0), (0, 0), 2, 0)"}, {}},
    {"CircleRadiusNotANumber", 2004, 0, {{1102, "zz"}}, {}, {"Please enter a number."}},
    {"ArcCenterRadiusAngle", 2005, 0, {{1074, "1, 1"}, {1075, "2"}, {1076, "90"}},
     {"CreateArc((1, 1), 2, 90, 2, 0)"}, {}},
    {"ArcCenterStartEnd", 2005, 1, {{1077, "0, 0"}, {1078, "1, 0"}, {1079, "0, 1"}},
     {"CreateArcByCenterStartEnd((0, 0), (1, 0), (0, 1), 2, 0)"}, {}},
    {"ArcThreePoints", 2005, 2, {{1080, "1, 0"}, {1081, "0.6, 0.8"}, {1082, "0, 1"}, {1264, "0.25"}},
     {"CreateArcByThreePoints((1, 0), (0.6, 0.8), (0, 1), 2, 0.25)"}, {}},
    {"ArcBadStartStopsThere", 2005, 2, {{1080, "?"}, {1081, "?"}, {1082, "?"}}, {}, {"Input error!"}},
    {"ArcBadEndAfterGoodOnes", 2005, 1, {{1079, "end"}}, {}, {"Input error!"}},
    {"Ellipse", 2006, -1, {{1091, "3, -3"}, {1092, "4"}, {1093, "2"}}, {"CreateEllipse((3, -3), 4, 2, 2, 0)"}, {}},
    {"EllipseWidthNotANumber", 2006, -1, {{1264, "abc"}}, {}, {"Please enter a number."}},
    {"Quadratic", 2007, -1, {{1079, "0, 0"}, {1080, "1, 2"}, {1081, "2, 0"}},
     {"CreateQuadraticCurve((0, 0), (1, 2), (2, 0), 2, 0)"}, {}},
    {"Cubic", 2008, -1, {{1094, "0, 0"}, {1095, "1, 1"}, {1096, "2, -1"}, {1097, "3, 0"}},
     {"CreateCubicCurve((0, 0), (1, 1), (2, -1), (3, 0), 2, 0)"}, {}},
    {"CubicBadPoint1StopsThere", 2008, -1, {{1094, "a"}, {1095, "b"}}, {}, {"Input error!"}},
    {"Bezier", 2009, -1, {{1108, "0, 0"}, {1109, "0, 1"}, {1110, "1, 1"}, {1111, "1, 0"}},
     {"CreateBezierCurve((0, 0), (0, 1), (1, 1), (1, 0), 2, 0)"}, {}},
    // A third number and what follows it are not read; Point 4 is refused.
    {"BezierBadPoint4", 2009, -1, {{1110, "1 1 1 x"}, {1111, "x"}}, {}, {"Input error!"}},
    {"BezierThreeNumberPoint", 2009, -1, {{1110, "1 1 1 x"}},
     {"CreateBezierCurve((0, 0), (0, 0), (1, 1), (0, 0), 2, 0)"}, {}},
};

}  // namespace

TEST_F(CurvePageTest, ShapeAppliesCallTheMethodsForwarderOrStopAtTheFirstRefusal)
{
    for (const ShapeCase& c : SHAPE_CASES) {
        SCOPED_TRACE(c.name);
        FreshPage();
        auto& form = Open<CCurveShapeForm>(c.toolId);
        if (c.method >= 0)
            form.Choose(c.toolId == 2004 ? CIRCLE_METHOD : ARC_METHOD, c.method);
        form.Choose(1261, 1);
        for (const auto& [id, text] : c.texts)
            form.SetText(id, text);
        document.calls.clear();
        document.user.ClearRecords();
        Apply();
        EXPECT_EQ(document.calls, c.calls);
        EXPECT_EQ(Boxes(), c.boxes);
        // The texts stay for the next Apply.
        for (const auto& [id, text] : c.texts)
            EXPECT_EQ(form.Field(id)->text, text) << id;
        controller.SelectCommand(2031);
    }
}

TEST_F(CurvePageTest, TheArcRefocusesItsMethodsFirstFieldAfterApplyButNotAfterARefusal)
{
    struct Case {
        int method;
        int firstField;
        int code;
    };
    for (const Case& c : {Case{0, 1074, 10013}, Case{1, 1077, 10014}, Case{2, 1080, 10017}}) {
        SCOPED_TRACE(c.method);
        auto& form = Open<CCToolCreateArc>(2005);
        form.Choose(ARC_METHOD, c.method);
        form.OnControlFocus(1264);
        EXPECT_EQ(view.pickFieldCode, 0);
        // Whatever the document answers.
        document.results["CreateArc"] = false;
        Apply();
        EXPECT_EQ(view.pickFieldCode, c.code);
        EXPECT_TRUE(form.Field(c.firstField)->highlighted);
        form.OnControlFocus(1264);
        form.SetText(c.firstField, "bad");
        Apply();
        EXPECT_EQ(view.pickFieldCode, 0);
        EXPECT_FALSE(form.Field(c.firstField)->highlighted);
        form.SetText(c.firstField, ZERO_COORDINATE_TEXT);
        controller.SelectCommand(2031);
    }
}

TEST_F(CurvePageTest, CircleAndArcMethodsSwitchTheirGroupsKeepTheTextsAndFocusTheFirstField)
{
    struct Case {
        int toolId;
        int radio;
        std::vector<std::vector<int>> groups;
        std::vector<int> firstCodes;  // the view's pick field code after each switch
    };
    const Case cases[] = {
        {2004, CIRCLE_METHOD,
         {{1101, 1102, 1112, 1113}, {1103, 1104, 1114, 1115}, {1105, 1106, 1107, 1116, 1117, 1118}},
         {10007, 10008, 10010}},
        {2005, ARC_METHOD, {{1074, 1075, 1076, 1112, 1113, 1114}, {1077, 1078, 1079, 1115, 1116, 1117},
                            {1080, 1081, 1082, 1118, 1119, 1120}},
         {10013, 10014, 10017}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.toolId);
        auto& form = Open<CCurveShapeForm>(c.toolId);
        // Each opening starts with the first method, focused.
        EXPECT_EQ(form.Method(), 0);
        EXPECT_EQ(view.pickFieldCode, c.firstCodes[0]);
        EXPECT_EQ(view.mouseMode, MOUSE_NONE);
        form.SetText(c.groups[0][0], "5, 5");
        for (int method : {2, 1, 0}) {
            form.Choose(c.radio, method);
            EXPECT_EQ(view.pickFieldCode, c.firstCodes[static_cast<size_t>(method)]);
            for (size_t group = 0; group < c.groups.size(); ++group) {
                for (int id : c.groups[group])
                    EXPECT_EQ(form.IsEnabled(id), static_cast<int>(group) == method) << id;
            }
        }
        EXPECT_EQ(form.Field(c.groups[0][0])->text, "5, 5");
        form.Choose(c.radio, 2);
        controller.SelectCommand(2031);
        controller.SelectCommand(c.toolId);
        EXPECT_EQ(form.Method(), 0);
        EXPECT_TRUE(form.IsEnabled(c.groups[0][0]));
        EXPECT_FALSE(form.IsEnabled(c.groups[2][0]));
    }
}

// The number edits that take no pick clear the view's pick field code on
// focus; the Ellipse's Width does not. Every point field sets mouse mode 0.
TEST_F(CurvePageTest, ShapeFieldFocusWritesItsCode)
{
    struct Case {
        int toolId;
        int method;
        int controlId;
        int code;
        int mouseMode;
    };
    const Case cases[] = {
        {2004, 0, 1101, 10007, MOUSE_NONE}, {2004, 0, 1102, 0, MOUSE_SELECT}, {2004, 1, 1104, 10009, MOUSE_NONE},
        {2004, 2, 1107, 10012, MOUSE_NONE}, {2004, 0, 1264, 0, MOUSE_SELECT}, {2005, 0, 1075, 0, MOUSE_SELECT},
        {2005, 0, 1076, 0, MOUSE_SELECT},   {2005, 1, 1079, 10016, MOUSE_NONE}, {2005, 2, 1081, 10018, MOUSE_NONE},
        {2005, 0, 1264, 0, MOUSE_SELECT},   {2006, 0, 1091, 10020, MOUSE_NONE}, {2006, 0, 1092, 0, MOUSE_SELECT},
        {2006, 0, 1093, 0, MOUSE_SELECT},   {2006, 0, 1264, 55, MOUSE_SELECT}, {2007, 0, 1081, 10023, MOUSE_NONE},
        {2007, 0, 1264, 0, MOUSE_SELECT},   {2008, 0, 1096, 10026, MOUSE_NONE}, {2008, 0, 1264, 0, MOUSE_SELECT},
        {2009, 0, 1111, 10031, MOUSE_NONE}, {2009, 0, 1264, 0, MOUSE_SELECT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.toolId) + " " + std::to_string(c.controlId));
        auto& form = Open<CCurveShapeForm>(c.toolId);
        if (c.method > 0)
            form.Choose(c.toolId == 2004 ? CIRCLE_METHOD : ARC_METHOD, c.method);
        form.OnControlFocusLost(c.controlId);
        view.pickFieldCode = 55;
        view.mouseMode = MOUSE_SELECT;
        form.OnControlFocus(c.controlId);
        EXPECT_EQ(view.pickFieldCode, c.code);
        EXPECT_EQ(view.mouseMode, c.mouseMode);
        controller.SelectCommand(2031);
    }
}

// The fields the pick dispatch writes into and moves the focus to.
TEST_F(CurvePageTest, ShapePickFieldsAndNamedFieldsAnswerTheDispatch)
{
    struct Case {
        int toolId;
        std::vector<std::pair<int, int>> codes;  // pick field code, control id
        std::vector<std::pair<NamedField, int>> named;
    };
    const Case cases[] = {
        {2004, {{10007, 1101}, {10008, 1103}, {10009, 1104}, {10010, 1105}, {10011, 1106}, {10012, 1107}},
         {{NamedField::Radius, 1102}, {NamedField::Width, 1264}}},
        {2005,
         {{10013, 1074}, {10014, 1077}, {10015, 1078}, {10016, 1079}, {10017, 1080}, {10018, 1081}, {10019, 1082}},
         {{NamedField::Radius, 1075}, {NamedField::Width, 1264}}},
        {2006, {{10020, 1091}}, {{NamedField::XRadius, 1092}, {NamedField::Width, 1264}}},
        {2007, {{10021, 1079}, {10022, 1080}, {10023, 1081}}, {{NamedField::Width, 1264}}},
        {2008, {{10024, 1094}, {10025, 1095}, {10026, 1096}, {10027, 1097}}, {{NamedField::Width, 1264}}},
        {2009, {{10028, 1108}, {10029, 1109}, {10030, 1110}, {10031, 1111}}, {{NamedField::Width, 1264}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.toolId);
        auto& form = Open<CCurveShapeForm>(c.toolId);
        for (const auto& [code, id] : c.codes) {
            ASSERT_TRUE(form.SetPickFieldText(code, "1.000, 2.000"));
            EXPECT_EQ(form.Field(id)->text, "1.000, 2.000");
            ASSERT_TRUE(form.FocusPickField(code));
            EXPECT_EQ(view.pickFieldCode, code);
            EXPECT_TRUE(form.Field(id)->highlighted);
        }
        for (const auto& [name, id] : c.named) {
            ASSERT_TRUE(form.FocusNamedField(name));
            EXPECT_TRUE(form.Field(id)->highlighted || form.Field(id)->pickCode == 0);
            EXPECT_EQ(form.Named(name)->controlId, id);
        }
        EXPECT_EQ(form.LineQueries(), nullptr);
        controller.SelectCommand(2031);
    }
}
