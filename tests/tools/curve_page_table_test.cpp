// The Curve page's table as registered, and what showing its rows does to the view.

#include "frame/ToolRegistry.h"
#include "tools/CurveLineDialogs.h"
#include "tools/CurvePageFixture.h"
#include "tools/ToolRegistration.h"
#include "view/MouseModes.h"

namespace {

struct ExpectedRow {
    const char* text;  // null: a separator
    int commandId;
    int pickFilter;
    bool hasDialog;
};

constexpr int NONE = PICK_FILTER_UNCHANGED;

const ExpectedRow EXPECTED_ROWS[] = {
    {"Line", 32839, 0, true},
    {"Polyline", 32840, NONE, true},
    {"Shortest Path Line", 32856, 30001, true},
    {"Rectangle", 32855, NONE, true},
    {"Circle", 32843, NONE, true},
    {"Arc", 32844, NONE, true},
    {"Ellipse", 32852, NONE, true},
    {"Quardatic Curve", 32849, NONE, true},
    {"Cubic Curve", 32850, NONE, true},
    {"Bezier Curve", 32841, NONE, true},
    {"Convert Curve-Width", 32884, 30001, true},
    {nullptr, 0, 0, false},
    {"Register Closed Loop", 32880, 30001, true},
    {"Unregister Closed Loop", 32881, 30004, true},
    {nullptr, 0, 0, false},
    {"Translate Curve", 32853, 30001, true},
    {"Rotate Curve", 32854, 30001, true},
    {"Mirror Curve", 32859, 30001, true},
    {nullptr, 0, 0, false},
    {"Intersect Curve", 32846, 30001, true},
    {"Fillet Curve", 32837, 30001, true},
    {"Extend Curve", 32838, 30001, true},
    {"Merge Curve", 32842, 30001, true},
    {"Split Curve", 32848, 30000, true},
    {"Reverse Curve", 32847, 30001, true},
    {"Delete Curve", 32860, 30001, true},
    {nullptr, 0, 0, false},
    {"Scale Line", 32886, 30001, true},
    {"Change Width", 32882, 30001, true},
    {nullptr, 0, 0, false},
    {"Pick Curve", 32857, 30001, true},
    {"Query Curve", 32858, 30001, true},
};

}  // namespace

TEST(CurvePageTable, RowsInComboOrderWithTheirCommandsFiltersAndRoles)
{
    CToolRegistry registry;
    RegisterTools(registry);
    const ToolPageTable& table = registry.Page(ToolPageKind::Curve);
    ASSERT_EQ(table.rows.size(), std::size(EXPECTED_ROWS));
    for (size_t index = 0; index < table.rows.size(); ++index) {
        const ToolPageRow& row = table.rows[index];
        const ExpectedRow& expected = EXPECTED_ROWS[index];
        SCOPED_TRACE(index);
        if (!expected.text) {
            EXPECT_TRUE(row.IsSeparator());
            EXPECT_EQ(row.text, std::string(43, '-'));
            continue;
        }
        EXPECT_EQ(row.text, expected.text);
        EXPECT_EQ(row.commandId, expected.commandId);
        EXPECT_EQ(row.pickFilter, expected.pickFilter);
        EXPECT_EQ(row.HasDialog(), expected.hasDialog);
        EXPECT_EQ(row.role, index == 30 ? ToolRowRole::Pick : index == 31 ? ToolRowRole::Query : ToolRowRole::Command);
        // The command opens its row, and is built once the row has a dialog.
        EXPECT_EQ(table.IndexOfCommand(expected.commandId), static_cast<int>(index));
        EXPECT_EQ(registry.IsBuilt(expected.commandId), expected.hasDialog);
        const std::optional<ToolRowCommand> opens = registry.FindRowCommand(expected.commandId);
        EXPECT_EQ(opens.has_value(), expected.hasDialog);
        if (opens) {
            EXPECT_EQ(opens->page, ToolPageKind::Curve);
            EXPECT_EQ(opens->toolId, 2000 + static_cast<int>(index));
        }
    }
}

TEST_F(CurvePageTest, ShowingARowSetsItsFilterAndOpensItsDialog)
{
    struct Case {
        int toolId;
        const char* filterCall;  // null: the filter is left alone
    };
    const Case cases[] = {{2000, "SetPickFilter 0"},    {2001, nullptr},       {2002, "SetPickFilter 30001"},
                          {2003, nullptr},               {2004, nullptr},       {2009, nullptr},
                          {2010, "SetPickFilter 30001"}, {2030, "SetPickFilter 30001"}, {2031, "SetPickFilter 30001"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.toolId);
        view.ClearCalls();
        log.clear();
        controller.SelectCommand(c.toolId);
        EXPECT_EQ(view.toolCommandId, c.toolId);
        EXPECT_EQ(view.toolActive, 1);
        const bool filtered = std::find_if(view.calls.begin(), view.calls.end(), [](const std::string& call) {
                                  return call.rfind("SetPickFilter", 0) == 0;
                              }) != view.calls.end();
        EXPECT_EQ(filtered, c.filterCall != nullptr);
        if (c.filterCall) {
            EXPECT_NE(std::find(view.calls.begin(), view.calls.end(), c.filterCall), view.calls.end());
        }
        EXPECT_EQ(log.back(), "make dialog " + table.rows[static_cast<size_t>(c.toolId - 2000)].text);
    }
    // Line switches picking off.
    controller.SelectCommand(2000);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    EXPECT_EQ(view.PickFilter(), (std::array<bool, KIND_COUNT>{}));
}

TEST_F(CurvePageTest, SeparatorsShowNothing)
{
    for (int toolId : {2011, 2014, 2018, 2026, 2029}) {
        SCOPED_TRACE(toolId);
        controller.SelectCommand(2000);
        log.clear();
        controller.SelectCommand(toolId);
        EXPECT_EQ(controller.ShownForm(), nullptr);
        EXPECT_EQ(log, (Calls{"combo " + std::to_string(toolId - 2000), "destroy dialog"}));
        EXPECT_EQ(view.toolCommandId, 0);
        // Apply only renders anew.
        document.calls.clear();
        Apply();
        EXPECT_TRUE(document.calls.empty());
        EXPECT_EQ(view.reRender, 1);
    }
}

TEST_F(CurvePageTest, OpeningThePolylineStartsANewPolyline)
{
    auto& form = Open<CCToolCreatePLine>(2001);
    form.SetText(PLINE_POINT, "1, 1");
    Apply();
    ASSERT_TRUE(form.PreviousVertex());
    controller.SelectCommand(2003);
    controller.SelectCommand(2001);
    EXPECT_EQ(form.PreviousVertex(), std::nullopt);
    EXPECT_EQ(form.Field(PLINE_POINT)->text, ZERO_COORDINATE_TEXT);
}
