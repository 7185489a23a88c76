// The registry through which the tools reach the frame: which commands count
// as built, and what a handler is given.

#include "frame/ToolForm.h"
#include "frame/ToolRegistry.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

namespace {

ToolRowDialog SomeDialog()
{
    ToolRowDialog dialog;
    dialog.form = std::make_shared<CToolForm>();
    dialog.makeDialog = [](wxWindow*, CToolForm&, ToolPageContext&) { return nullptr; };
    dialog.apply = [](CToolForm&, ToolPageContext&) {};
    return dialog;
}

ToolPageTable TableOfCommands(std::initializer_list<int> commandIds)
{
    ToolPageTable table;
    for (int id : commandIds) {
        ToolPageRow row;
        row.text = "row " + std::to_string(id);
        row.commandId = id;
        table.rows.push_back(row);
    }
    return table;
}

}  // namespace

TEST(ToolRegistry, ARegisteredCommandIsBuiltAndRunsWithTheContextItIsGiven)
{
    CToolRegistry registry;
    std::vector<IMessageBoxPort*> seen;
    registry.RegisterCommand(32880, [&seen](const ToolCommandContext& context) { seen.push_back(context.boxes); });
    EXPECT_TRUE(registry.IsBuilt(32880));
    EXPECT_FALSE(registry.IsBuilt(32881));
    EXPECT_FALSE(registry.IsBuilt(0));

    ScriptedUserPorts user;
    ToolCommandContext context;
    context.boxes = &user;
    const ToolCommandHandler* handler = registry.FindCommand(32880);
    ASSERT_NE(handler, nullptr);
    (*handler)(context);
    EXPECT_EQ(seen, std::vector<IMessageBoxPort*>{&user});
    EXPECT_EQ(registry.FindCommand(32881), nullptr);
}

TEST(ToolRegistry, APageRowCountsAsBuiltOnceADialogIsAddedByItsCommandId)
{
    CToolRegistry registry;
    registry.RegisterPage(ToolPageKind::Curve, TableOfCommands({32839, 32840, 0, 32855}));
    EXPECT_FALSE(registry.IsBuilt(32855));
    EXPECT_FALSE(registry.FindRowCommand(32855));

    EXPECT_TRUE(registry.AddRowDialog(32855, SomeDialog()));
    EXPECT_TRUE(registry.IsBuilt(32855));
    const std::optional<ToolRowCommand> opens = registry.FindRowCommand(32855);
    ASSERT_TRUE(opens);
    EXPECT_EQ(opens->page, ToolPageKind::Curve);
    EXPECT_EQ(opens->toolId, 2003);
    // Its neighbours stay unbuilt; a command no row carries gets no dialog.
    EXPECT_FALSE(registry.IsBuilt(32839));
    EXPECT_FALSE(registry.AddRowDialog(32999, SomeDialog()));
    EXPECT_FALSE(registry.AddRowDialog(0, SomeDialog()));
    EXPECT_FALSE(registry.IsBuilt(0));
}

TEST(ToolRegistry, TheListCommandsCountAsBuiltOnceTheirHooksAreFilled)
{
    CToolRegistry registry;
    EXPECT_FALSE(registry.IsBuilt(CMD_RESULT_LIST));
    EXPECT_FALSE(registry.IsBuilt(CMD_MATERIAL_LIST));
    registry.hooks.resultList = [](const ToolCommandContext&) {};
    EXPECT_TRUE(registry.IsBuilt(CMD_RESULT_LIST));
    EXPECT_FALSE(registry.IsBuilt(CMD_MATERIAL_LIST));
    registry.hooks.materialList = [](const ToolCommandContext&) {};
    EXPECT_TRUE(registry.IsBuilt(CMD_MATERIAL_LIST));
}

TEST(ToolRegistry, TheShellsCarryEachPagesTitleIdsAndCode)
{
    struct Expected {
        ToolPageKind kind;
        const char* title;
        int base, code, combo, apply, close;
    };
    const Expected expected[] = {
        {ToolPageKind::Point, "Point", 1000, 20001, 1002, 1003, 1004},
        {ToolPageKind::Curve, "Curve", 2000, 20002, 1048, 1049, 1050},
        {ToolPageKind::Section, "Section", 3000, 20003, 1123, 1124, 1125},
        {ToolPageKind::Properties, "Properties", 4000, 20004, 1250, 1194, 1251},
        {ToolPageKind::Group, "Group", 5000, 20005, 1274, 1275, 1276},
        {ToolPageKind::Ucs, "UCS", 6000, 20006, 1271, 1272, 1273},
    };
    for (const Expected& page : expected) {
        const ToolPageShell& shell = ShellOf(page.kind);
        SCOPED_TRACE(page.title);
        EXPECT_STREQ(shell.title, page.title);
        EXPECT_EQ(shell.baseId, page.base);
        EXPECT_EQ(shell.openCode, page.code);
        EXPECT_EQ(shell.comboId, page.combo);
        EXPECT_EQ(shell.applyId, page.apply);
        EXPECT_EQ(shell.closeId, page.close);
    }
}

TEST(ToolRegistry, APageRowWhoseCommandTheViewOpensElsewhereIsRefusedAndKeepsNoCommand)
{
    struct Case {
        const char* name;
        ToolPageKind page;
        size_t row;
        int commandId;
        bool accepted;
    };
    const Case cases[] = {
        {"Point row 0, Coordinate", ToolPageKind::Point, 0, 32825, true},
        {"Section row 3, Translate", ToolPageKind::Section, 3, 32821, true},
        {"UCS row 2, the view toolbar's Create UCS", ToolPageKind::Ucs, 2, 32783, true},
        {"UCS row 4, Delete UCS", ToolPageKind::Ucs, 4, 32785, true},
        {"Point row 0, Point Translate (1006)", ToolPageKind::Point, 0, 32833, false},
        {"Curve row 3, Line (2000)", ToolPageKind::Curve, 3, 32839, false},
        {"Group row 0, Section Generate (3000)", ToolPageKind::Group, 0, 32813, false},
        {"Point row 1, a command no tool opens", ToolPageKind::Point, 1, 32990, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CToolRegistry registry;
        ToolPageTable table;
        table.rows.resize(c.row + 2);
        for (ToolPageRow& row : table.rows)
            row.text = "row";
        table.rows[c.row].commandId = c.commandId;
        table.rows[c.row].dialog = SomeDialog();
        const int baseId = ShellOf(c.page).baseId;
        EXPECT_EQ(registry.RegisterPage(c.page, table), c.accepted);
        EXPECT_EQ(registry.IsBuilt(c.commandId), c.accepted);
        const std::optional<ToolRowCommand> opens = registry.FindRowCommand(c.commandId);
        EXPECT_EQ(opens.has_value(), c.accepted);
        if (opens) {
            EXPECT_EQ(opens->toolId, baseId + static_cast<int>(c.row));
        }
        // The table is registered either way; a refused row stays reachable
        // from the page's own list only.
        EXPECT_EQ(registry.Page(c.page).rows.size(), c.row + 2);
        EXPECT_EQ(registry.Page(c.page).rows[c.row].commandId, c.accepted ? c.commandId : 0);
    }
}

TEST(ToolRegistry, TheUcsButtonIsBuiltOnceSetWorkUcsAndCreateUcsHaveDialogs)
{
    const struct {
        bool setWork;
        bool create;
    } cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.setWork) + std::to_string(c.create));
        CToolRegistry registry;
        ToolPageTable table;
        table.rows.resize(5);
        if (c.setWork)
            table.rows[0].dialog = SomeDialog();
        if (c.create)
            table.rows[2].dialog = SomeDialog();
        registry.RegisterPage(ToolPageKind::Ucs, table);
        EXPECT_EQ(registry.IsBuilt(CMD_CHANGE_TO_UCS), c.setWork && c.create);
    }
}
