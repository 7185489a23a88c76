// The Point page's dialogs without a display: the enabling rules per radio
// and check box, the resets of every show, the spins, the Pick dialog's
// filling from the model, and the pick fields' focus behaviour.

#include "PointPageFixture.h"

#include "model/SectModel.h"
#include "view/MouseModes.h"

namespace {

using Clicks = std::function<void(CDialogForm&)>;

struct RuleCase {
    const char* name;
    Clicks clicks;
    std::vector<int> enabled;
    std::vector<int> disabled;
    int focus;  // the control the form last moved the focus to; 0: not checked
};

class PointDialogRules : public PointPage {
protected:
    void Run(int row, CDialogForm& form, const std::vector<RuleCase>& cases)
    {
        for (const RuleCase& c : cases) {
            SCOPED_TRACE(c.name);
            ShowAgain(row);
            c.clicks(form);
            for (int id : c.enabled)
                EXPECT_TRUE(form.IsEnabled(id)) << id;
            for (int id : c.disabled)
                EXPECT_FALSE(form.IsEnabled(id)) << id;
            if (c.focus) {
                EXPECT_EQ(form.LastFocusMove(), c.focus);
            }
        }
    }
    static Clicks Radios(std::initializer_list<int> ids, std::initializer_list<int> checks = {})
    {
        std::vector<int> radios(ids);
        std::vector<int> boxes(checks);
        return [radios, boxes](CDialogForm& form) {
            for (int id : radios)
                form.ClickRadio(id);
            for (int id : boxes)
                form.ClickCheck(id);
        };
    }
};

TEST_F(PointDialogRules, TranslateModeMethodAndConnect)
{
    const std::vector<int> copyOptions = {1046, 1047, 1112, 1045};
    const std::vector<int> alignment = {1129, 1130, 1131, 1116, 1132};
    const std::vector<int> delta = {1019, 1014, 1113, 1114};
    const std::vector<int> twoPoints = {1018, 1020, 1115, 1117};
    const auto join = [](std::vector<int> a, const std::vector<int>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    Run(POINT_ROW_TRANSLATE, tool.Translate(),
        {
            {"opening: Move, Delta X, Y", Radios({}), delta, join(join(copyOptions, alignment), twoPoints), 1019},
            {"Copy", Radios({1044}), join(copyOptions, delta), alignment, 0},
            {"Copy, connected", Radios({1044}, {1045}), join(copyOptions, alignment), {}, 0},
            {"connected, then Move", Radios({1044}, {1045}), {}, {}, 0},
            {"Defined by 2 Points", Radios({1009}), twoPoints, delta, 1018},
            {"and back to Delta X, Y", Radios({1009, 1008}), delta, twoPoints, 1019},
        });
    tool.Translate().ClickRadio(1044);
    tool.Translate().ClickCheck(1045);
    tool.Translate().ClickRadio(1043);
    for (int id : join(copyOptions, alignment))
        EXPECT_FALSE(tool.Translate().IsEnabled(id)) << id;
}

TEST_F(PointDialogRules, RotateMode)
{
    const std::vector<int> copyOptions = {1009, 1017, 1045, 1112};
    const std::vector<int> alignment = {1129, 1130, 1131, 1113, 1132};
    std::vector<int> all = copyOptions;
    all.insert(all.end(), alignment.begin(), alignment.end());
    Run(POINT_ROW_ROTATE, tool.Rotate(),
        {
            {"opening: Move", Radios({}), {1141, 1011}, all, 0},
            {"Copy", Radios({1007}), copyOptions, alignment, 0},
            {"Copy, connected", Radios({1007}, {1045}), all, {}, 0},
        });
    // Move greys the alignment as well, connected or not.
    tool.Rotate().ClickRadio(1006);
    for (int id : all)
        EXPECT_FALSE(tool.Rotate().IsEnabled(id)) << id;
    EXPECT_EQ(tool.Rotate().LastFocusMove(), 0);
}

TEST_F(PointDialogRules, MirrorModeAndAxisWithTheFocusOnTheAxisInput)
{
    const std::vector<int> alignment = {1211, 1212, 1213, 1114, 1214};
    const std::vector<int> twoPoints = {1016, 1017, 1112, 1113};
    Run(POINT_ROW_MIRROR, tool.Mirror(),
        {
            {"opening: Copy, About Y-axis", Radios({}), {1210, 1015}, {1042, 1016, 1017, 1112, 1113, 1211, 1214}, 1015},
            {"About X-axis", Radios({1040}), {1042}, {1015, 1016, 1017}, 1042},
            {"Defined by 2 Points", Radios({1011}), twoPoints, {1042, 1015}, 1016},
            {"connected", Radios({}, {1210}), alignment, {}, 0},
            {"Move", Radios({1037}), {1015}, {1210, 1211, 1212, 1213, 1114, 1214}, 0},
        });
    EXPECT_EQ(tool.Mirror().Choice(1037), 0);
    ShowAgain(POINT_ROW_MIRROR);
    EXPECT_TRUE(tool.Mirror().IsCopy());
    EXPECT_EQ(tool.Mirror().Method(), 1);
    EXPECT_EQ(tool.Translate().Choice(1043), -1);  // never shown yet
    Show(POINT_ROW_TRANSLATE);
    EXPECT_FALSE(tool.Translate().IsCopy());
}

TEST_F(PointDialogRules, EqualizeObjectSnowballAndConvergence)
{
    const std::vector<int> group = {1033, 1034, 1035, 1012};
    Run(POINT_ROW_EQUALIZE, tool.Equalize(),
        {
            {"opening: Selected Group, All, Average", Radios({}), group, {1007, 1010, 1112, 1036}, 0},
            {"Snowball Tolerance", Radios({1034}), {1007}, {1010}, 0},
            {"Coordinate", Radios({1012}), {1010}, {1007}, 0},
            {"All", Radios({1034, 1012, 1013}), {1112, 1036}, {1033, 1034, 1007, 1035, 1012, 1010}, 0},
            {"All, then Selected Group", Radios({1034, 1012, 1013, 1032}), {1007, 1010, 1033}, {1112, 1036}, 0},
        });
}

TEST_F(PointDialogRules, InterpolationRadiosEnableAndFocusTheirField)
{
    const struct {
        int row;
        CInterpolationForm& form;
        int spacingRadio, countRadio, spacing, count;
    } dialogs[] = {
        {POINT_ROW_INTERP_ON_CURVE, tool.InterpOnCurve(), 1020, 1019, 1021, 1022},
        {POINT_ROW_INTERP_BETWEEN_POINTS, tool.InterpBetweenPoints(), 1026, 1024, 1027, 1025},
    };
    for (const auto& d : dialogs) {
        SCOPED_TRACE(d.row);
        Run(d.row, d.form,
            {
                {"opening: Point Spacing", Radios({}), {d.spacing}, {d.count}, d.spacing},
                {"Nomber of Points", Radios({d.countRadio}), {d.count}, {d.spacing}, d.count},
                {"and back", Radios({d.countRadio, d.spacingRadio}), {d.spacing}, {d.count}, d.spacing},
            });
    }
}

TEST_F(PointDialogRules, EachPickCheckBoxEnablesItsInput)
{
    document.model.m_points[1] = std::make_unique<T_POINT_D>();
    document.model.m_curves[1] = std::make_unique<T_CURVE_D>();
    document.model.m_closedLoops[1] = std::make_unique<T_LOOP_D>();
    auto section = std::make_unique<T_SECTION_D>();
    section->propertiesCalculated = true;
    document.model.m_sections[1] = std::move(section);
    for (const PickCriterion& criterion : PickCriteria()) {
        SCOPED_TRACE(criterion.checkId);
        ShowAgain(POINT_ROW_PICK);
        CPToolPick& form = tool.Pick();
        EXPECT_TRUE(form.IsEnabled(criterion.checkId));
        EXPECT_FALSE(form.IsEnabled(criterion.inputId));
        form.ClickCheck(criterion.checkId);
        for (const PickCriterion& other : PickCriteria())
            EXPECT_EQ(form.IsEnabled(other.inputId), other.checkId == criterion.checkId) << other.inputId;
        form.ClickCheck(criterion.checkId);
        EXPECT_FALSE(form.IsEnabled(criterion.inputId));
        // Checked boxes start unchecked at the next show.
        form.ClickCheck(criterion.checkId);
        ShowAgain(POINT_ROW_PICK);
        EXPECT_FALSE(form.Checked(criterion.checkId));
        EXPECT_EQ(form.Choice(ID_PICK_UNION), 0);
    }
}

TEST_F(PointDialogRules, PickDisablesEachCriterionTheModelHasNothingFor)
{
    CSectModel& model = document.model;
    const auto addSection = [&model](int id, const char* name, bool calculated) {
        auto section = std::make_unique<T_SECTION_D>();
        section->name = name;
        section->propertiesCalculated = calculated;
        model.m_sections[id] = std::move(section);
    };
    const struct {
        const char* name;
        std::function<void()> add;
        std::vector<int> enabledChecks;
    } cases[] = {
        {"empty model", [] {}, {}},
        {"a point", [&model] { model.m_points[3] = std::make_unique<T_POINT_D>(); }, {ID_PICK_BY_ID}},
        {"a curve", [&model] { model.m_curves[3] = std::make_unique<T_CURVE_D>(); }, {ID_PICK_BY_ID, ID_PICK_BY_CURVE}},
        {"a closed loop", [&model] { model.m_closedLoops[2] = std::make_unique<T_LOOP_D>(); },
         {ID_PICK_BY_ID, ID_PICK_BY_CURVE, ID_PICK_BY_LOOP}},
        {"a section not calculated", [&addSection] { addSection(4, "flange", false); },
         {ID_PICK_BY_ID, ID_PICK_BY_CURVE, ID_PICK_BY_LOOP, ID_PICK_BY_SECTION}},
        {"a calculated section", [&addSection] { addSection(2, "", true); },
         {ID_PICK_BY_ID, ID_PICK_BY_CURVE, ID_PICK_BY_LOOP, ID_PICK_BY_SECTION, ID_PICK_BY_CENTROID}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.add();
        ShowAgain(POINT_ROW_PICK);
        for (const PickCriterion& criterion : PickCriteria()) {
            const bool expected = std::count(c.enabledChecks.begin(), c.enabledChecks.end(), criterion.checkId) > 0;
            EXPECT_EQ(tool.Pick().IsEnabled(criterion.checkId), expected) << criterion.checkId;
        }
    }
    // The rows as the last model fills them, each with its id.
    const CPToolPick& form = tool.Pick();
    EXPECT_EQ(form.Combo(ID_PICK_CENTROID_LIST).texts, (Texts{"All", ""}));
    EXPECT_EQ(form.Combo(ID_PICK_CENTROID_LIST).ids, (std::vector<int>{0, 2}));
    EXPECT_EQ(form.Combo(ID_PICK_CURVE_LIST).texts, Texts{"3"});
    EXPECT_EQ(form.Combo(ID_PICK_LOOP_LIST).ids, std::vector<int>{2});
    EXPECT_EQ(form.Combo(ID_PICK_SECTION_LIST).texts, (Texts{"", "flange"}));
    EXPECT_EQ(form.Combo(ID_PICK_SECTION_LIST).ids, (std::vector<int>{2, 4}));
    // No row chosen yet.
    EXPECT_EQ(form.GetCurveId(), -1);
}

TEST_F(PointDialogRules, SpinsStepInWholeUnitsWithinTheirRangesAndTypedValuesSurviveTheShow)
{
    const struct {
        CTransformForm& form;
        int row;
        int spin;
        int buddy;
        const char* typed;
        int direction;
        const char* after;
    } cases[] = {
        {tool.Translate(), POINT_ROW_TRANSLATE, 1047, 1046, "1", -1, "1"},
        {tool.Translate(), POINT_ROW_TRANSLATE, 1047, 1046, "9999", 1, "10000"},
        {tool.Translate(), POINT_ROW_TRANSLATE, 1047, 1046, "10000", 1, "10000"},
        {tool.Rotate(), POINT_ROW_ROTATE, 1017, 1009, "4", 1, "5"},
        {tool.Rotate(), POINT_ROW_ROTATE, 1018, 1011, "359", 1, "360"},
        {tool.Rotate(), POINT_ROW_ROTATE, 1018, 1011, "360", 1, "360"},
        {tool.Rotate(), POINT_ROW_ROTATE, 1018, 1011, "0", -1, "0"},
        {tool.Rotate(), POINT_ROW_ROTATE, 1018, 1011, "45", -1, "44"},
        {tool.Rotate(), POINT_ROW_ROTATE, 1018, 1011, "abc", 1, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.spin) + " " + c.typed);
        Show(c.row);
        c.form.ClickRadio(c.form.Controls().copyRadio);
        Type(c.form, {{c.buddy, c.typed}});
        ShowAgain(c.row);
        EXPECT_EQ(c.form.Field(c.buddy)->text, c.typed);
        c.form.StepSpin(c.spin, c.direction);
        EXPECT_EQ(c.form.Field(c.buddy)->text, c.after);
    }
    const auto rangeOf = [](const CTransformForm& form, int spin) {
        for (const SpinButton& button : form.Spins()) {
            if (button.spinId == spin)
                return std::pair{button.low, button.high};
        }
        return std::pair{-1, -1};
    };
    EXPECT_EQ(rangeOf(tool.Translate(), 1047), (std::pair{1, 10000}));
    EXPECT_EQ(rangeOf(tool.Rotate(), 1017), (std::pair{1, 10000}));
    EXPECT_EQ(rangeOf(tool.Rotate(), 1018), (std::pair{0, 360}));
    EXPECT_TRUE(tool.Mirror().Spins().empty());
}

TEST_F(PointDialogRules, PickFieldsSetTheViewsMouseModeAsTheirCodeSays)
{
    const struct {
        int row;
        CToolForm& form;
        int code;
        int mouseAfter;
        int savedAfter;
    } cases[] = {
        {POINT_ROW_COORDINATE, tool.Coordinate(), 10048, MOUSE_NONE, MOUSE_DYNAMIC_PAN},
        {POINT_ROW_RATIO_BETWEEN_POINTS, tool.RatioBetweenPoints(), 10002, MOUSE_SELECT, MOUSE_DYNAMIC_PAN},
        {POINT_ROW_RATIO_BETWEEN_POINTS, tool.RatioBetweenPoints(), 10003, MOUSE_SELECT, MOUSE_DYNAMIC_PAN},
        {POINT_ROW_TRANSLATE, tool.Translate(), 10037, MOUSE_NONE, MOUSE_SELECT},
        {POINT_ROW_TRANSLATE, tool.Translate(), 10038, MOUSE_NONE, MOUSE_SELECT},
        {POINT_ROW_ROTATE, tool.Rotate(), 10042, MOUSE_NONE, MOUSE_SELECT},
        {POINT_ROW_MIRROR, tool.Mirror(), 10044, MOUSE_NONE, MOUSE_SELECT},
        {POINT_ROW_MIRROR, tool.Mirror(), 10045, MOUSE_NONE, MOUSE_SELECT},
        {POINT_ROW_EQUALIZE, tool.Equalize(), 10033, MOUSE_NONE, MOUSE_SELECT},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        ShowAgain(c.row);
        view.mouseMode = MOUSE_SELECT;
        view.savedMouseMode = MOUSE_DYNAMIC_PAN;
        EXPECT_TRUE(c.form.FocusPickField(c.code));
        EXPECT_EQ(view.pickFieldCode, c.code);
        EXPECT_EQ(view.mouseMode, c.mouseAfter);
        EXPECT_EQ(view.savedMouseMode, c.savedAfter);
        EXPECT_TRUE(c.form.PickField(c.code)->highlighted);
    }
}

TEST_F(PointDialogRules, PickedTextsAndIdsGoIntoTheirFieldsAndOnlyRatioBetweenPointsAnswersTheRatioFocus)
{
    CPToolRatioPoint& ratio = tool.RatioBetweenPoints();
    Show(POINT_ROW_RATIO_BETWEEN_POINTS);
    EXPECT_TRUE(ratio.SetPickFieldId(CODE_START_POINT, 12));
    EXPECT_TRUE(ratio.SetPickFieldId(CODE_END_POINT, -1));
    EXPECT_EQ(ratio.Field(ID_START_POINT)->text, "12");
    EXPECT_EQ(ratio.Field(ID_END_POINT)->text, "0");
    EXPECT_TRUE(ratio.FocusNamedField(NamedField::Ratio));
    EXPECT_FALSE(tool.RatioOnCurve().FocusNamedField(NamedField::Ratio));

    EXPECT_TRUE(tool.Translate().SetPickFieldText(10038, "1.000, 2.000"));
    EXPECT_EQ(tool.Translate().Field(1020)->text, "1.000, 2.000");
    EXPECT_FALSE(tool.Translate().SetPickFieldText(10044, "1.000, 2.000"));
    EXPECT_TRUE(tool.Equalize().SetPickFieldText(10033, "3.000, 4.000"));
    EXPECT_EQ(tool.Equalize().Field(ID_EQUALIZE_COORDINATE)->text, "3.000, 4.000");
}

TEST_F(PointDialogRules, ShowsClearTheHighlightsOfTheEditingDialogsFields)
{
    const struct {
        int row;
        CToolForm& form;
        int code;
    } cases[] = {
        {POINT_ROW_RATIO_BETWEEN_POINTS, tool.RatioBetweenPoints(), 10003},
        {POINT_ROW_TRANSLATE, tool.Translate(), 10038},
        {POINT_ROW_ROTATE, tool.Rotate(), 10042},
        {POINT_ROW_MIRROR, tool.Mirror(), 10045},
        {POINT_ROW_EQUALIZE, tool.Equalize(), 10033},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        Show(c.row);
        c.form.SetHighlighted(c.form.PickField(c.code)->controlId, true);
        ShowAgain(c.row);
        EXPECT_FALSE(c.form.PickField(c.code)->highlighted);
    }
}

}  // namespace
