// The Curve page's translate, rotate and mirror dialogs without a display:
// their opening state, what each Apply hands the document or tells the
// user, and that the selection is empty afterwards.

#include "tools/CurvePageFixture.h"
#include "tools/CurveTransforms.h"

#include <algorithm>
#include <functional>

namespace {

constexpr int TRANSLATE = 2015;
constexpr int ROTATE = 2016;
constexpr int MIRROR = 2017;

using Fill = std::function<void(CTransformForm&)>;

struct TransformCase {
    const char* name;
    bool selectCurves;  // curves 7 and 2
    Fill fill;
    Calls calls;
    std::vector<std::string> boxes;
};

void Type(CTransformForm& form, std::initializer_list<std::pair<int, const char*>> texts)
{
    for (const auto& [id, text] : texts)
        form.SetText(id, text);
}

}  // namespace

class CurveTransformApply : public CurvePageTest {
protected:
    void Run(int toolId, const std::vector<TransformCase>& cases)
    {
        for (const TransformCase& c : cases) {
            SCOPED_TRACE(c.name);
            FreshPage();
            auto& form = Open<CTransformForm>(toolId);
            c.fill(form);
            if (c.selectCurves)
                SelectCurves({7, 2});
            document.calls.clear();
            document.user.boxes.clear();
            Apply();
            EXPECT_EQ(document.calls, c.calls);
            EXPECT_EQ(Boxes(), c.boxes);
            EXPECT_TRUE(NoCurveSelected());
        }
    }
};

TEST_F(CurveTransformApply, Translate)
{
    const Fill delta = [](CTransformForm& f) { Type(f, {{1058, "3"}, {1059, "-4"}}); };
    const Fill copy = [delta](CTransformForm& f) {
        delta(f);
        f.ClickRadio(1052);
        Type(f, {{1054, "3"}, {1219, "5"}});
    };
    const Fill twoPoints = [](CTransformForm& f) {
        f.ClickRadio(1057);
        Type(f, {{1060, "0, 0"}, {1061, "10, 5"}});
    };
    Run(TRANSLATE,
        {
            {"no curve selected", false, delta, {}, {"No curve is selected."}},
            {"move", true, delta, {"TranslateCurves([2, 7], 3, -4)"}, {}},
            {"two points", true, twoPoints, {"TranslateCurves([2, 7], 10, 5)"}, {}},
            {"a letter in Point 2",
             true,
             [twoPoints](CTransformForm& f) {
                 twoPoints(f);
                 Type(f, {{1061, "10, x"}});
             },
             {},
             {"Input error!"}},
            {"copy connected, left",
             true,
             [copy](CTransformForm& f) {
                 copy(f);
                 f.ClickCheck(1215);
                 f.ClickRadio(1217);
             },
             {"CopyCurvesByTranslation([2, 7], 3, -4, 3, true, 2, 5)"},
             {}},
            {"copy unconnected passes no alignment and no width",
             true,
             [copy](CTransformForm& f) {
                 copy(f);
                 f.ClickRadio(1218);
             },
             {"CopyCurvesByTranslation([2, 7], 3, -4, 3, false, 0, 0)"},
             {}},
            {"a refused Dx calls nothing", true, [](CTransformForm& f) { Type(f, {{1058, "abc"}}); }, {},
             {"Please enter a number."}},
        });
}

TEST_F(CurveTransformApply, Rotate)
{
    const Fill typed = [](CTransformForm& f) { Type(f, {{1222, "1, 2"}, {1225, "30"}}); };
    Run(ROTATE,
        {
            {"move", true, typed, {"RotateCurves([2, 7], (1, 2), 30)"}, {}},
            {"copy",
             true,
             [typed](CTransformForm& f) {
                 typed(f);
                 f.ClickRadio(1221);
                 Type(f, {{1223, "4"}, {1219, "0.5"}});
                 f.ClickCheck(1215);
                 f.ClickRadio(1218);
             },
             {"CopyCurvesByRotation([2, 7], (1, 2), 30, 4, true, 3, 0.5)"},
             {}},
            // The model refuses the angle 0 the first opening shows.
            {"first opening", true, [](CTransformForm&) {}, {"RotateCurves([2, 7], (0, 0), 0)"}, {}},
            {"a bad origin", true, [](CTransformForm& f) { Type(f, {{1222, "one, two"}}); }, {}, {"Input error!"}},
        });
}

TEST_F(CurveTransformApply, Mirror)
{
    Run(MIRROR,
        {
            {"opens as a copy about the y-axis", true, [](CTransformForm& f) { Type(f, {{1068, "0"}}); },
             {"CopyCurvesByMirroring([2, 7], (0, 0), (0, 1), false, 1, 0)"},
             {}},
            {"about the x-axis at 2",
             true,
             [](CTransformForm& f) {
                 f.ClickRadio(1064);
                 Type(f, {{1067, "2"}});
             },
             {"CopyCurvesByMirroring([2, 7], (0, 2), (1, 2), false, 1, 0)"},
             {}},
            {"move over two points",
             true,
             [](CTransformForm& f) {
                 f.ClickRadio(1061);
                 f.ClickRadio(1066);
                 Type(f, {{1069, "1, 1"}, {1070, "3, 4"}});
             },
             {"MirrorCurves([2, 7], (1, 1), (3, 4))"},
             {}},
            {"no curve selected", false, [](CTransformForm&) {}, {}, {"No curve is selected."}},
        });
}

TEST_F(CurveTransformApply, EveryOpeningResetsModeMethodAndConnectButKeepsTexts)
{
    struct Opening {
        int toolId;
        int copyRadio;
        int methodRadio;  // 0: none
        int connectCheck;
        int focus;  // the control the opening focuses; 0: none
        bool opensInCopy;
    };
    const Opening openings[] = {
        {TRANSLATE, 1052, 1057, 1215, 1058, false},
        {ROTATE, 1221, 0, 1215, 0, false},
        {MIRROR, 1062, 1066, 1228, 1068, true},
    };
    for (const Opening& o : openings) {
        SCOPED_TRACE(o.toolId);
        auto& form = Open<CTransformForm>(o.toolId);
        EXPECT_EQ(form.IsCopy(), o.opensInCopy);
        EXPECT_EQ(form.LastFocusMove(), o.focus);
        form.ClickRadio(o.copyRadio);
        form.ClickCheck(o.connectCheck);
        if (o.methodRadio != 0)
            form.ClickRadio(o.methodRadio);
        form.SetText(form.Controls().widthEdit, "7");
        Open<CTransformForm>(2000 + (o.toolId == TRANSLATE ? 16 : 15));
        Open<CTransformForm>(o.toolId);
        EXPECT_EQ(form.IsCopy(), o.opensInCopy);
        EXPECT_FALSE(form.Checked(o.connectCheck));
        if (o.methodRadio != 0) {
            EXPECT_EQ(form.Method(), o.toolId == MIRROR ? 1 : 0);
        }
        EXPECT_EQ(form.LastFocusMove(), o.focus);
        EXPECT_EQ(form.Field(form.Controls().widthEdit)->text, "7");
    }
}

TEST_F(CurveTransformApply, SpinRanges)
{
    const struct {
        int toolId;
        SpinButton spin;
    } cases[] = {
        {TRANSLATE, {1055, 1054, 1, 10000}},
        {ROTATE, {1224, 1223, 1, 10000}},
        {ROTATE, {1226, 1225, 0, 360}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.spin.spinId);
        const auto& spins = Open<CTransformForm>(c.toolId).Spins();
        const auto found = std::find_if(spins.begin(), spins.end(),
                                        [&c](const SpinButton& s) { return s.spinId == c.spin.spinId; });
        ASSERT_NE(found, spins.end());
        EXPECT_EQ(found->buddyId, c.spin.buddyId);
        EXPECT_EQ(found->low, c.spin.low);
        EXPECT_EQ(found->high, c.spin.high);
    }
    EXPECT_TRUE(Open<CTransformForm>(MIRROR).Spins().empty());
}
