// The Section page's table and how its commands hand over to one another.

#include "frame/ToolRegistry.h"
#include "tools/SectPageFixture.h"
#include "view/MouseModes.h"

namespace {

TEST(SectPageTable, FifteenRowsWithTheirCommandsAndFilters)
{
    struct Row {
        const char* text;
        int commandId;
        int pickFilter;
        ToolRowRole role;
    };
    const char* const separator = "-------------------------------------------";
    const Row expected[] = {
        {"Generate Section", 32813, 30001, ToolRowRole::Command},
        {"Redefine Section", 32814, 30002, ToolRowRole::Command},
        {separator, 0, PICK_FILTER_UNCHANGED, ToolRowRole::Command},
        {"Translate Section", 32821, 30002, ToolRowRole::Command},
        {"Rotate Section", 32822, 30002, ToolRowRole::Command},
        {"Delete Section", 32816, 30002, ToolRowRole::Command},
        {"Arrange Section", 32824, 0, ToolRowRole::Command},
        {separator, 0, PICK_FILTER_UNCHANGED, ToolRowRole::Command},
        {"Change Domain State", 32815, 30002, ToolRowRole::Command},
        {"Assign Domain Material", 32819, 30003, ToolRowRole::Command},
        {separator, 0, PICK_FILTER_UNCHANGED, ToolRowRole::Command},
        {"Export Section", 32823, 30002, ToolRowRole::Command},
        {separator, 0, PICK_FILTER_UNCHANGED, ToolRowRole::Command},
        {"Pick Section", 32818, 30002, ToolRowRole::Pick},
        {"Query Section", 32817, 30002, ToolRowRole::Query},
    };
    ASSERT_EQ(std::string(separator).size(), 43u);
    auto tool = std::make_shared<CSectTool>();
    const ToolPageTable table = tool->Table(tool);
    ASSERT_EQ(table.rows.size(), std::size(expected));
    for (size_t i = 0; i < table.rows.size(); ++i) {
        SCOPED_TRACE(i);
        const ToolPageRow& row = table.rows[i];
        EXPECT_EQ(row.text, expected[i].text);
        EXPECT_EQ(row.commandId, expected[i].commandId);
        EXPECT_EQ(row.role, expected[i].role);
        EXPECT_EQ(row.HasDialog(), expected[i].commandId != 0);
        if (row.HasDialog()) {
            EXPECT_EQ(row.pickFilter, expected[i].pickFilter);
        }
    }
}

TEST(SectPageTable, RegisteredItsCommandsAreBuiltAndOpenTheirRows)
{
    CToolRegistry registry;
    RegisterSectTool(registry);
    const std::pair<int, int> commands[] = {{32813, 3000}, {32814, 3001}, {32821, 3003}, {32822, 3004},
                                            {32816, 3005}, {32824, 3006}, {32815, 3008}, {32819, 3009},
                                            {32823, 3011}, {32818, 3013}, {32817, 3014}};
    for (const auto& [command, toolId] : commands) {
        SCOPED_TRACE(command);
        EXPECT_TRUE(registry.IsBuilt(command));
        const std::optional<ToolRowCommand> opens = registry.FindRowCommand(command);
        ASSERT_TRUE(opens);
        EXPECT_EQ(opens->page, ToolPageKind::Section);
        EXPECT_EQ(opens->toolId, toolId);
    }
}

TEST_F(SectPage, PickedSectionsSurviveTheSwitchToAnyCommand)
{
    AddSection(1, SECTION_PLANE, 1);
    Activate({1});
    document.idResults["PickSectionsByType"] = {1};
    Show(PICK);
    tool->pick->Check(ID_PICK_TYPE, true);
    tool->pick->SelectRow(ID_PICK_TYPE_COMBO, 0);
    Apply();
    Show(EXPORT);
    EXPECT_EQ(Selected(KIND_SECTION), std::set<int>{SectionKey(1)});
    tool->exporter->Choose(ID_EXPORT_KLX, 0);
    chooser.paths.push_back("/data/picked.klx");
    tool->exporter->Press(ID_EXPORT_BROWSE);
    Apply();
    EXPECT_EQ(document.calls, std::vector<std::string>{"ExportSections([1], \"/data/picked.klx\", 0, false, 1)"});
}

TEST_F(SectPage, EveryOtherSwitchClearsTheSelection)
{
    const int rows[] = {GENERATE, REDEFINE, TRANSLATE, ROTATE, DELETE_SECTION, ARRANGE,
                        DOMAIN_STATE, DOMAIN_MATERIAL, EXPORT, QUERY};
    for (int from : rows) {
        SCOPED_TRACE(from);
        Show(from);
        Select({SectionKey(1), CurveKey(2)});
        Show(from == QUERY ? GENERATE : QUERY);
        EXPECT_TRUE(Selected(KIND_SECTION).empty());
        EXPECT_TRUE(Selected(KIND_CURVE).empty());
    }
}

TEST_F(SectPage, ArrangeSwitchesPickingOffAndASeparatorOnlyRendersAnew)
{
    Show(GENERATE);
    EXPECT_EQ(view.mouseMode, MOUSE_SELECT);
    Show(ARRANGE);
    EXPECT_EQ(view.mouseMode, MOUSE_NONE);
    EXPECT_EQ(view.toolCommandId, ARRANGE);

    page.OnSelChangeCommand(2);
    Apply();
    EXPECT_TRUE(document.calls.empty());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(view.calls, std::vector<std::string>{"InvalidateWithErase"});
    EXPECT_EQ(view.reRender, 1);
}

TEST_F(SectPage, AssignDomainMaterialLetsDomainsBePicked)
{
    Show(DOMAIN_MATERIAL);
    EXPECT_EQ(view.PickFilter(), (std::array<bool, KIND_COUNT>{false, false, false, false, true}));
}

}  // namespace
