// The Curve page's closed-loop and curve edit dialogs without a display:
// what each Apply hands the document or tells the user, the boxes every
// opening checks again, and Change Width's switched groups.

#include "tools/CurveEditDialogs.h"
#include "tools/CurvePageFixture.h"

#include <functional>

namespace {

constexpr int REGISTER = 2012;
constexpr int UNREGISTER = 2013;
constexpr int INTERSECT = 2019;
constexpr int FILLET = 2020;
constexpr int EXTEND = 2021;
constexpr int MERGE = 2022;
constexpr int SPLIT = 2023;
constexpr int REVERSE = 2024;
constexpr int DELETE = 2025;
constexpr int SCALE = 2027;
constexpr int CHANGE_WIDTH = 2028;

using Fill = std::function<void(CDialogForm&)>;

struct EditCase {
    const char* name;
    int toolId;
    std::vector<int> keys;  // selected, in click order
    Fill fill;
    Calls calls;
    std::vector<std::string> boxes;
};

int Curve(int id)
{
    return CURVE_KEY_BASE + id;
}
int Point(int id)
{
    return POINT_KEY_BASE + id;
}
int Loop(int id)
{
    return CLOSED_LOOP_KEY_BASE + id;
}

const Fill NOTHING = [](CDialogForm&) {};

Fill Typed(int fieldId, const char* text)
{
    return [fieldId, text](CDialogForm& form) { form.SetText(fieldId, text); };
}

const EditCase EDIT_CASES[] = {
    {"register, ascending", REGISTER, {Curve(9), Curve(3), Curve(5)}, NOTHING, {"RegisterClosedLoop([3, 5, 9])"}, {}},
    {"register, none", REGISTER, {}, NOTHING, {}, {"No curve is selected."}},
    {"unregister passes loop ids", UNREGISTER, {Loop(4), Loop(1)}, NOTHING, {"UnregisterClosedLoops([1, 4])"}, {}},
    {"unregister, no loop", UNREGISTER, {Curve(4)}, NOTHING, {}, {"No closed loop is selected."}},
    {"intersect, split", INTERSECT, {Curve(2), Curve(1)}, NOTHING, {"IntersectCurves([1, 2], true)"}, {}},
    {"intersect, no split", INTERSECT, {Curve(2)}, [](CDialogForm& f) { f.Check(INTERSECT_SPLIT, false); },
     {"IntersectCurves([2], false)"}, {}},
    {"fillet, none", FILLET, {}, NOTHING, {}, {"No curve is selected."}},
    {"fillet, one", FILLET, {Curve(4)}, NOTHING, {}, {"Select just two target curves."}},
    {"fillet, three", FILLET, {Curve(4), Curve(9), Curve(1)}, NOTHING, {}, {"Select just two target curves."}},
    {"fillet, lower id first, right",
     FILLET,
     {Curve(9), Curve(4)},
     [](CDialogForm& f) {
         f.SetText(FILLET_RADIUS, "2.5");
         f.SetText(FILLET_WIDTH, "0.4");
         f.Choose(FILLET_ALIGNMENT, 2);
     },
     {"FilletCurves(4, 9, 2.5, 3, 0.4)"},
     {}},
    {"extend", EXTEND, {Curve(8), Curve(6)}, Typed(EXTEND_BASE_ID, "11"), {"ExtendCurves(11, [6, 8], true)"}, {}},
    {"extend, no split",
     EXTEND,
     {Curve(6)},
     [](CDialogForm& f) {
         f.SetText(EXTEND_BASE_ID, "11");
         f.Check(EXTEND_SPLIT, false);
     },
     {"ExtendCurves(11, [6], false)"},
     {}},
    {"extend, a letter in the base id", EXTEND, {Curve(6)}, Typed(EXTEND_BASE_ID, "b"), {},
     {"Please enter an integer."}},
    {"merge", MERGE, {Curve(5), Curve(2)}, NOTHING, {"MergeCurves([2, 5])"}, {}},
    {"split at points ascending", SPLIT, {Point(7), Point(3)}, Typed(SPLIT_CURVE_ID, "12"),
     {"SplitCurve(12, [3, 7])"}, {}},
    {"split, no point", SPLIT, {Curve(12)}, Typed(SPLIT_CURVE_ID, "12"), {}, {"No point is selected."}},
    {"split, curve id left empty", SPLIT, {Point(7)}, NOTHING, {}, {"Please enter an integer."}},
    {"reverse", REVERSE, {Curve(3)}, NOTHING, {"ReverseCurves([3], true)"}, {}},
    {"reverse, alignment kept", REVERSE, {Curve(3)}, [](CDialogForm& f) { f.Check(REVERSE_SWAP, false); },
     {"ReverseCurves([3], false)"}, {}},
    {"delete", DELETE, {Curve(3), Curve(1)}, NOTHING, {"DeleteCurves([1, 3], true)"}, {}},
    {"delete, points kept", DELETE, {Curve(3)}, [](CDialogForm& f) { f.Check(DELETE_POINTS, false); },
     {"DeleteCurves([3], false)"}, {}},
    {"scale", SCALE, {Curve(3)}, Typed(SCALE_RATIO, "1.5"), {"ScaleLines([3], 1.5)"}, {}},
    {"scale, ratio left empty", SCALE, {Curve(3)}, NOTHING, {}, {"Please enter a number."}},
    {"change width only",
     CHANGE_WIDTH,
     {Curve(3)},
     [](CDialogForm& f) {
         f.Check(CHGWIDTH_BY_WIDTH, true);
         f.SetText(CHGWIDTH_WIDTH, "0.8");
     },
     {"ChangeCurveWidths([3], false, 0, true, 0.8)"},
     {}},
    {"change alignment to swapped sides",
     CHANGE_WIDTH,
     {Curve(3)},
     [](CDialogForm& f) {
         f.Check(CHGWIDTH_BY_ALIGNMENT, true);
         f.Choose(CHGWIDTH_ALIGNMENT, 3);
     },
     {"ChangeCurveWidths([3], true, 3, false, 0)"},
     {}},
};

}  // namespace

class CurveEditApply : public CurvePageTest, public testing::WithParamInterface<EditCase> {};

TEST_P(CurveEditApply, CallsTheDocumentOrTellsTheUserAndClearsTheSelection)
{
    const EditCase& c = GetParam();
    auto& form = Open<CDialogForm>(c.toolId);
    c.fill(form);
    for (int key : c.keys)
        view.SelectKeyAsClick(key);
    Apply();
    EXPECT_EQ(document.calls, c.calls);
    EXPECT_EQ(Boxes(), c.boxes);
    for (SceneKind kind : {KIND_POINT, KIND_CURVE, KIND_CLOSED_LOOP})
        EXPECT_TRUE(view.SelectedKeys(kind).empty()) << kind;
}

INSTANTIATE_TEST_SUITE_P(CurveEdits, CurveEditApply, testing::ValuesIn(EDIT_CASES),
                         [](const testing::TestParamInfo<EditCase>& info) {
                             std::string name;
                             for (const char* p = info.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST_F(CurvePageTest, CheckedOptionsAreCheckedAgainAtEveryOpening)
{
    const std::pair<int, int> options[] = {
        {INTERSECT, INTERSECT_SPLIT}, {EXTEND, EXTEND_SPLIT}, {REVERSE, REVERSE_SWAP}, {DELETE, DELETE_POINTS}};
    for (const auto& [toolId, checkId] : options) {
        SCOPED_TRACE(toolId);
        auto& form = Open<CDialogForm>(toolId);
        EXPECT_TRUE(form.Checked(checkId));
        form.Check(checkId, false);
        form.SetText(EXTEND_BASE_ID, "5");
        SelectCurves({1});
        Apply();
        Open<CDialogForm>(MERGE);
        Open<CDialogForm>(toolId);
        EXPECT_TRUE(form.Checked(checkId));
    }
}

TEST_F(CurvePageTest, SplitAndScaleOpenWithTheirFieldEmptyWhileExtendKeepsItsId)
{
    const std::pair<int, int> emptied[] = {{SPLIT, SPLIT_CURVE_ID}, {SCALE, SCALE_RATIO}};
    for (const auto& [toolId, fieldId] : emptied) {
        SCOPED_TRACE(toolId);
        auto& form = Open<CDialogForm>(toolId);
        EXPECT_EQ(form.Field(fieldId)->text, "");
        form.SetText(fieldId, "4");
        Open<CDialogForm>(MERGE);
        Open<CDialogForm>(toolId);
        EXPECT_EQ(form.Field(fieldId)->text, "");
    }
    auto& extend = Open<CDialogForm>(EXTEND);
    EXPECT_EQ(extend.Field(EXTEND_BASE_ID)->text, "0");
    extend.SetText(EXTEND_BASE_ID, "6");
    Open<CDialogForm>(MERGE);
    Open<CDialogForm>(EXTEND);
    EXPECT_EQ(extend.Field(EXTEND_BASE_ID)->text, "6");
}

TEST_F(CurvePageTest, ChangeWidthOpensWithBothGroupsOffAndTheBoxesSwitchThem)
{
    const std::vector<int> radios = {CHGWIDTH_ALIGNMENT, 1170, 1171, 1172};
    auto& form = Open<CDialogForm>(CHANGE_WIDTH);
    const auto expectEnabled = [&form, &radios](bool alignment, bool width) {
        for (int radio : radios)
            EXPECT_EQ(form.IsEnabled(radio), alignment) << radio;
        EXPECT_EQ(form.IsEnabled(CHGWIDTH_WIDTH), width);
    };
    expectEnabled(false, false);
    form.Check(CHGWIDTH_BY_ALIGNMENT, true);
    expectEnabled(true, false);
    form.Check(CHGWIDTH_BY_WIDTH, true);
    expectEnabled(true, true);
    form.Check(CHGWIDTH_BY_ALIGNMENT, false);
    expectEnabled(false, true);
    form.Check(CHGWIDTH_BY_ALIGNMENT, true);
    form.Choose(CHGWIDTH_ALIGNMENT, 2);
    Open<CDialogForm>(MERGE);
    Open<CDialogForm>(CHANGE_WIDTH);
    expectEnabled(false, false);
    EXPECT_FALSE(form.Checked(CHGWIDTH_BY_ALIGNMENT));
    EXPECT_FALSE(form.Checked(CHGWIDTH_BY_WIDTH));
    EXPECT_EQ(form.Choice(CHGWIDTH_ALIGNMENT), 0);
}

TEST_F(CurvePageTest, FilletOpensOnCenterAndKeepsItsNumbers)
{
    auto& form = Open<CDialogForm>(FILLET);
    form.Choose(FILLET_ALIGNMENT, 1);
    form.SetText(FILLET_RADIUS, "3");
    Open<CDialogForm>(MERGE);
    Open<CDialogForm>(FILLET);
    EXPECT_EQ(form.Choice(FILLET_ALIGNMENT), 0);
    EXPECT_EQ(form.Field(FILLET_RADIUS)->text, "3");
}
