// Equalize, Delete, Pick and Query on the Point page: the document calls
// and the selection each apply leaves, for a form, a selection and the
// shown points.

#include "PointPageFixture.h"

#include "model/SectModel.h"

namespace {

using PointEdits = PointPage;
using EqualizeSetup = std::function<void(CPToolEqualize&)>;

TEST_F(PointEdits, EqualizeWorksOnTheShownPointsForAllAndOnTheSelectionOtherwise)
{
    document.model.m_tolerance = 0.5;
    const struct {
        const char* name;
        EqualizeSetup setup;
        Calls calls;
        Texts boxes;
    } cases[] = {
        {"all shown points with the tolerance of 1036",
         [](CPToolEqualize& f) {
             f.ClickRadio(ID_EQUALIZE_ALL_RADIO);
             Type(f, {{ID_EQUALIZE_ALL_TOLERANCE, "0.75"}, {ID_EQUALIZE_GROUP_TOLERANCE, "not read"}});
         },
         {"EqualizePointsInTolerance([1, 2, 3], 0.75, false, (0, 0), true)"},
         {}},
        {"selected group, all together, to the average", [](CPToolEqualize&) {},
         {"EqualizePoints([3, 7], false, (0, 0), true)"}, {}},
        {"selected group by snowball at a coordinate, keeping redundancies",
         [](CPToolEqualize& f) {
             f.ClickRadio(ID_EQUALIZE_SNOWBALL_RADIO);
             f.ClickRadio(ID_EQUALIZE_AT_COORDINATE_RADIO);
             f.ClickCheck(ID_EQUALIZE_DELETE_REDUNDANT);
             Type(f, {{ID_EQUALIZE_GROUP_TOLERANCE, "0.2"}, {ID_EQUALIZE_COORDINATE, "4, 5"}});
         },
         {"EqualizePointsInTolerance([3, 7], 0.2, true, (4, 5), false)"},
         {}},
        {"selected group with the project tolerance", [](CPToolEqualize& f) { f.ClickRadio(ID_EQUALIZE_SNOWBALL_RADIO); },
         {"EqualizePointsInTolerance([3, 7], 0.5, false, (0, 0), true)"}, {}},
        {"all together at a coordinate",
         [](CPToolEqualize& f) {
             f.ClickRadio(ID_EQUALIZE_AT_COORDINATE_RADIO);
             Type(f, {{ID_EQUALIZE_COORDINATE, "-1, 2"}});
         },
         {"EqualizePoints([3, 7], true, (-1, 2), true)"},
         {}},
        {"a coordinate that does not parse",
         [](CPToolEqualize& f) {
             f.ClickRadio(ID_EQUALIZE_AT_COORDINATE_RADIO);
             Type(f, {{ID_EQUALIZE_COORDINATE, "four, 5"}});
         },
         {},
         {"Input error!"}},
        {"a tolerance that is no number",
         [](CPToolEqualize& f) {
             f.ClickRadio(ID_EQUALIZE_SNOWBALL_RADIO);
             Type(f, {{ID_EQUALIZE_GROUP_TOLERANCE, "0.2mm"}});
         },
         {},
         {"Please enter a number."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShowAgain(POINT_ROW_EQUALIZE);
        // Point 7 is selected but hidden; 1 and 2 are shown but not selected.
        ShowPoints({1, 2, 3});
        Select(KIND_POINT, {3, 7});
        c.setup(tool.Equalize());
        Apply();
        EXPECT_EQ(document.calls, c.calls);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_TRUE(NothingSelected());
    }
}

TEST_F(PointEdits, EqualizeWithoutObjectPointsSaysSo)
{
    for (const bool all : {false, true}) {
        SCOPED_TRACE(all);
        ShowAgain(POINT_ROW_EQUALIZE);
        if (all)
            tool.Equalize().ClickRadio(ID_EQUALIZE_ALL_RADIO);
        Apply();
        EXPECT_EQ(document.calls, Calls{});
        EXPECT_EQ(Boxes(), Texts{"No point is selected."});
    }
}

TEST_F(PointEdits, EqualizeToleranceFieldsShowTheProjectToleranceAfterEveryShow)
{
    document.model.m_tolerance = 0.125;
    Show(POINT_ROW_EQUALIZE);
    Type(tool.Equalize(), {{ID_EQUALIZE_GROUP_TOLERANCE, "9"}, {ID_EQUALIZE_ALL_TOLERANCE, "8"}});
    document.model.m_tolerance = 0.25;
    ShowAgain(POINT_ROW_EQUALIZE);
    EXPECT_EQ(tool.Equalize().Field(ID_EQUALIZE_GROUP_TOLERANCE)->text, "0.25");
    EXPECT_EQ(tool.Equalize().Field(ID_EQUALIZE_ALL_TOLERANCE)->text, "0.25");
    EXPECT_TRUE(tool.Equalize().DeleteRedundancies());
}

TEST_F(PointEdits, DeleteAndQueryClearTheSelectionWhateverTheyDo)
{
    const struct {
        int row;
        std::vector<int> points;
        Calls calls;
        Texts boxes;
    } cases[] = {
        {POINT_ROW_DELETE, {}, {}, {"No point is selected."}},
        {POINT_ROW_DELETE, {8, 2}, {"DeletePoints([2, 8])"}, {}},
        {POINT_ROW_QUERY, {}, {}, {"Select one object point."}},
        {POINT_ROW_QUERY, {6}, {"QueryPoint(6)"}, {}},
        {POINT_ROW_QUERY, {6, 2}, {}, {"Select one object point."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.points));
        ShowAgain(c.row);
        for (int point : c.points)
            Select(KIND_POINT, {point});
        Select(KIND_CURVE, {1});
        Apply();
        EXPECT_EQ(document.calls, c.calls);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_TRUE(NothingSelected());
    }
}

TEST_F(PointEdits, TheQueryHookReportsAClickedPointOnlyWhileQueryIsShown)
{
    Show(POINT_ROW_QUERY);
    Select(KIND_POINT, {4});
    EXPECT_TRUE(controller.RunQuery(1014));
    EXPECT_EQ(document.calls, Calls{"QueryPoint(4)"});
    Show(POINT_ROW_DELETE);
    Select(KIND_POINT, {4});
    EXPECT_FALSE(controller.RunQuery(1014));
}

// A model with points 1-6, curves 2 and 5, closed loop 3 and sections 1
// (calculated, "web") and 4 ("flange").
class PointPick : public PointPage {
protected:
    PointPick()
    {
        for (int id = 1; id <= 6; ++id)
            document.model.m_points[id] = std::make_unique<T_POINT_D>();
        for (int id : {2, 5})
            document.model.m_curves[id] = std::make_unique<T_CURVE_D>();
        document.model.m_closedLoops[3] = std::make_unique<T_LOOP_D>();
        for (const auto& [id, name, calculated] : {std::tuple{1, "web", true}, std::tuple{4, "flange", false}}) {
            auto section = std::make_unique<T_SECTION_D>();
            section->name = name;
            section->propertiesCalculated = calculated;
            document.model.m_sections[id] = std::move(section);
        }
        ShowPoints({1, 2, 3, 4, 5});  // 6 is hidden
    }

public:
    CPToolPick& Form() { return tool.Pick(); }
    // Checks the criterion and chooses the combo row showing the text.
    void Choose(int checkId, int comboId, const std::string& rowText)
    {
        Form().ClickCheck(checkId);
        const ComboRows& rows = Form().Combo(comboId);
        const auto row = std::find(rows.texts.begin(), rows.texts.end(), rowText);
        ASSERT_NE(row, rows.texts.end()) << rowText;
        Form().SelectRow(comboId, static_cast<int>(row - rows.texts.begin()));
    }
};

TEST_F(PointPick, CriteriaCombineInUnionOrIntersectionAndOnlyShownPointsEndSelected)
{
    document.idResults["PickPointsOfCurve"] = {5, 3, 6, 4};
    document.idResults["PickPointsOfClosedLoop"] = {1, 5};
    document.idResults["PickCentroidPointsOfSections"] = {2};
    document.idResults["PickPointsOfSection"] = {4, 4, 5};
    const struct {
        const char* name;
        std::function<void(PointPick&)> setup;
        std::vector<int> selected;
        Calls calls;
        Texts boxes;
    } cases[] = {
        {"nothing checked", [](PointPick&) {}, {}, {}, {}},
        {"union of ids and a curve, each once",
         [](PointPick& p) {
             p.Form().ClickCheck(ID_PICK_BY_ID);
             Type(p.Form(), {{ID_PICK_ID_LIST, "3..5"}});
             p.Choose(ID_PICK_BY_CURVE, ID_PICK_CURVE_LIST, "2");
         },
         {3, 4, 5},
         {"PickPointsOfCurve(2)"},
         {}},
        {"intersection of ids and a curve",
         [](PointPick& p) {
             p.Form().ClickCheck(ID_PICK_BY_ID);
             Type(p.Form(), {{ID_PICK_ID_LIST, "1 2 3 4"}});
             p.Choose(ID_PICK_BY_CURVE, ID_PICK_CURVE_LIST, "5");
             p.Form().ClickRadio(ID_PICK_INTERSECTION);
         },
         {3, 4},
         {"PickPointsOfCurve(5)"},
         {}},
        {"an id typed twice in intersection stays selected",
         [](PointPick& p) {
             p.Form().ClickCheck(ID_PICK_BY_ID);
             Type(p.Form(), {{ID_PICK_ID_LIST, "3 3"}});
             p.Form().ClickRadio(ID_PICK_INTERSECTION);
         },
         {3},
         {},
         {}},
        {"hidden typed ids are never selected",
         [](PointPick& p) {
             p.Form().ClickCheck(ID_PICK_BY_ID);
             Type(p.Form(), {{ID_PICK_ID_LIST, "6, 1, 40"}});
         },
         {1},
         {},
         {}},
        {"hidden points of a curve are never selected",
         [](PointPick& p) { p.Choose(ID_PICK_BY_CURVE, ID_PICK_CURVE_LIST, "2"); },
         {3, 4, 5},
         {"PickPointsOfCurve(2)"},
         {}},
        {"centroid All asks for every calculated section",
         [](PointPick& p) { p.Choose(ID_PICK_BY_CENTROID, ID_PICK_CENTROID_LIST, "All"); },
         {2},
         {"PickCentroidPointsOfSections([1])"},
         {}},
        {"closed loop and section in intersection",
         [](PointPick& p) {
             p.Choose(ID_PICK_BY_LOOP, ID_PICK_LOOP_LIST, "3");
             p.Choose(ID_PICK_BY_SECTION, ID_PICK_SECTION_LIST, "flange");
             p.Form().ClickRadio(ID_PICK_INTERSECTION);
         },
         {5},
         {"PickPointsOfClosedLoop(3)", "PickPointsOfSection(4)"},
         {}},
        {"an id text the parser refuses gives no ids",
         [](PointPick& p) {
             p.Form().ClickCheck(ID_PICK_BY_ID);
             Type(p.Form(), {{ID_PICK_ID_LIST, "3..x"}});
             p.Choose(ID_PICK_BY_LOOP, ID_PICK_LOOP_LIST, "3");
         },
         {1, 5},
         {"PickPointsOfClosedLoop(3)"},
         {"Input error!"}},
        {"a range the parser refuses gives no ids, also in intersection",
         [](PointPick& p) {
             p.Form().ClickCheck(ID_PICK_BY_ID);
             Type(p.Form(), {{ID_PICK_ID_LIST, "1..2147483647"}});
             p.Choose(ID_PICK_BY_LOOP, ID_PICK_LOOP_LIST, "3");
             p.Form().ClickRadio(ID_PICK_INTERSECTION);
         },
         {},
         {"PickPointsOfClosedLoop(3)"},
         {"Input error!"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ShowAgain(POINT_ROW_PICK);
        Select(KIND_POINT, {2});
        Select(KIND_CURVE, {5});
        c.setup(*this);
        Apply();
        EXPECT_EQ(document.calls, c.calls);
        EXPECT_EQ(Boxes(), c.boxes);
        EXPECT_EQ(SelectedPoints(), c.selected);
        EXPECT_TRUE(view.scene.m_selection[KIND_CURVE].empty());
    }
}

TEST_F(PointPick, HidingPickKeepsItsSelectionAndHidingAnyOtherCommandClearsIt)
{
    for (int row : {POINT_ROW_COORDINATE, POINT_ROW_RATIO_ON_CURVE, POINT_ROW_INTERP_ON_CURVE,
                    POINT_ROW_RATIO_BETWEEN_POINTS, POINT_ROW_INTERP_BETWEEN_POINTS, POINT_ROW_TRANSLATE,
                    POINT_ROW_ROTATE, POINT_ROW_MIRROR, POINT_ROW_EQUALIZE, POINT_ROW_DELETE, POINT_ROW_PICK,
                    POINT_ROW_QUERY}) {
        SCOPED_TRACE(row);
        Show(row);
        Select(KIND_POINT, {2});
        Show(row == POINT_ROW_COORDINATE ? POINT_ROW_DELETE : POINT_ROW_COORDINATE);
        EXPECT_EQ(SelectedPoints(), row == POINT_ROW_PICK ? std::vector<int>{2} : std::vector<int>{});
        view.scene.ClearSelection();
    }
}

}  // namespace
