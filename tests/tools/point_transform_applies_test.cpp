// Translate, Rotate and Mirror on the Point page: the document call each
// apply makes for a form and a selection, or the box that stops it.

#include "PointPageFixture.h"

namespace {

using FormSetup = std::function<void(CTransformForm&)>;

struct TransformCase {
    const char* name;
    FormSetup setup;
    Calls calls;
    Texts boxes;
};

class PointTransformCases : public PointPage {
protected:
    // Shows the row anew for each case, selects points 2 and 1 (unless the
    // case's name says no point is selected), runs the setup and applies.
    void Run(int row, CTransformForm& form, const std::vector<TransformCase>& cases)
    {
        for (const TransformCase& c : cases) {
            SCOPED_TRACE(c.name);
            ShowAgain(row);
            if (std::string(c.name).find("no point") == std::string::npos)
                Select(KIND_POINT, {2, 1});
            c.setup(form);
            Apply();
            EXPECT_EQ(document.calls, c.calls);
            EXPECT_EQ(Boxes(), c.boxes);
            EXPECT_TRUE(NothingSelected());
        }
    }
};

TEST_F(PointTransformCases, Translate)
{
    const auto delta = [](CTransformForm& f) { Type(f, {{1019, "3"}, {1014, "-4"}}); };
    const auto copy = [delta](CTransformForm& f) {
        delta(f);
        f.ClickRadio(1044);
        Type(f, {{1046, "3"}, {1132, "5"}});
    };
    const auto twoPoints = [](CTransformForm& f) {
        f.ClickRadio(1009);
        Type(f, {{1018, "0, 0"}, {1020, "10, 5"}});
    };
    Run(POINT_ROW_TRANSLATE, tool.Translate(),
        {
            {"no point selected", delta, {}, {"No point is selected."}},
            {"move", delta, {"TranslatePoints([1, 2], 3, -4)"}, {}},
            {"copy connected, left",
             [copy](CTransformForm& f) {
                 copy(f);
                 f.ClickCheck(1045);
                 f.ClickRadio(1130);
             },
             {"CopyPointsByTranslation([1, 2], 3, -4, 3, true, 2, 5)"},
             {}},
            {"copy unconnected passes no alignment and no width",
             [copy](CTransformForm& f) {
                 copy(f);
                 f.ClickCheck(1045);
                 f.ClickRadio(1130);
                 f.ClickCheck(1045);
             },
             {"CopyPointsByTranslation([1, 2], 3, -4, 3, false, 0, 0)"},
             {}},
            {"two points", twoPoints, {"TranslatePoints([1, 2], 10, 5)"}, {}},
            {"two points, garbage in the greyed Dx is not read",
             [twoPoints](CTransformForm& f) {
                 Type(f, {{1019, "abc"}});
                 twoPoints(f);
             },
             {"TranslatePoints([1, 2], 10, 5)"},
             {}},
            {"a letter in Point 1",
             [twoPoints](CTransformForm& f) {
                 twoPoints(f);
                 Type(f, {{1018, "a, 0"}});
             },
             {},
             {"Input error!"}},
            {"Dx not a number", [](CTransformForm& f) { Type(f, {{1019, "abc"}}); }, {}, {"Please enter a number."}},
            {"times not an integer",
             [copy](CTransformForm& f) {
                 copy(f);
                 Type(f, {{1046, "2.5"}});
             },
             {},
             {"Please enter an integer."}},
        });
}

TEST_F(PointTransformCases, Rotate)
{
    const auto typed = [](CTransformForm& f) { Type(f, {{1141, "1, 2"}, {1011, "30"}, {1009, "2"}, {1132, "1.5"}}); };
    Run(POINT_ROW_ROTATE, tool.Rotate(),
        {
            {"no point selected", typed, {}, {"No point is selected."}},
            {"move", typed, {"RotatePoints([1, 2], (1, 2), 30)"}, {}},
            {"copy connected",
             [typed](CTransformForm& f) {
                 typed(f);
                 f.ClickRadio(1007);
                 f.ClickCheck(1045);
                 f.ClickRadio(1131);
             },
             {"CopyPointsByRotation([1, 2], (1, 2), 30, 2, true, 3, 1.5)"},
             {}},
            {"copy unconnected still passes the alignment and the width last read",
             [typed](CTransformForm& f) {
                 typed(f);
                 f.ClickRadio(1007);
                 f.ClickCheck(1045);
                 f.ClickRadio(1131);
                 f.ClickCheck(1045);
             },
             {"CopyPointsByRotation([1, 2], (1, 2), 30, 2, false, 3, 1.5)"},
             {}},
            {"origin does not parse",
             [typed](CTransformForm& f) {
                 typed(f);
                 Type(f, {{1141, "x"}});
             },
             {},
             {"Input error!"}},
        });
}

TEST_F(PointTransformCases, Mirror)
{
    Run(POINT_ROW_MIRROR, tool.Mirror(),
        {
            {"no point selected", [](CTransformForm&) {}, {}, {"No point is selected."}},
            {"opens in Copy about the y-axis; the greyed width is not read",
             [](CTransformForm& f) { Type(f, {{1015, "3"}, {1214, "2"}}); },
             {"CopyPointsByMirroring([1, 2], (3, 0), (3, 1), false, 1, 0)"},
             {}},
            {"about the x-axis, moving",
             [](CTransformForm& f) {
                 f.ClickRadio(1037);
                 f.ClickRadio(1040);
                 Type(f, {{1042, "2"}, {1015, "not read"}});
             },
             {"MirrorPoints([1, 2], (0, 2), (1, 2))"},
             {}},
            {"by two points, connected, right",
             [](CTransformForm& f) {
                 f.ClickRadio(1011);
                 Type(f, {{1016, "1, 1"}, {1017, "4, 5"}, {1214, "0.5"}});
                 f.ClickCheck(1210);
                 f.ClickRadio(1213);
             },
             {"CopyPointsByMirroring([1, 2], (1, 1), (4, 5), true, 3, 0.5)"},
             {}},
            {"Point 2 does not parse",
             [](CTransformForm& f) {
                 f.ClickRadio(1011);
                 Type(f, {{1016, "1, 1"}, {1017, "4; 5"}});
             },
             {},
             {"Input error!"}},
        });
}

}  // namespace
