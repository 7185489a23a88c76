// The Point page's command table as registered: rows, command ids, pick
// filters and roles, and what the registration makes the frame enable.

#include "frame/ToolRegistry.h"
#include "tools/PointTool.h"
#include "tools/ToolRegistration.h"

#include <gtest/gtest.h>

namespace {

TEST(PointPageTable, FifteenRowsWithTheirCommandsFiltersAndRoles)
{
    const char* const separator = "-------------------------------------------";
    ASSERT_EQ(std::string(TOOL_SEPARATOR_TEXT), separator);
    const struct {
        const char* text;
        int command;
        int filter;
        ToolRowRole role;
    } expected[] = {
        {"Coordinate", 32825, PICK_FILTER_UNCHANGED, ToolRowRole::Command},
        {"Ratio on Curve", 32829, 30001, ToolRowRole::Command},
        {"Interpolating on Curve", 32820, 30001, ToolRowRole::Command},
        {"Ratio btwn 2 Pts", 32831, PICK_FILTER_UNCHANGED, ToolRowRole::Command},
        {"Interpolating btwn 2 Pts", 32832, 30000, ToolRowRole::Command},
        {separator, 0, PICK_FILTER_UNCHANGED, ToolRowRole::Command},
        {"Translate Point", 32833, 30000, ToolRowRole::Command},
        {"Rotate Point", 32834, 30000, ToolRowRole::Command},
        {"Mirror Point", 32835, 30000, ToolRowRole::Command},
        {separator, 0, PICK_FILTER_UNCHANGED, ToolRowRole::Command},
        {"Equalize Point", 32828, 30000, ToolRowRole::Command},
        {"Delete Point", 32836, 30000, ToolRowRole::Command},
        {separator, 0, PICK_FILTER_UNCHANGED, ToolRowRole::Command},
        {"Pick Point", 32826, PICK_FILTER_UNCHANGED, ToolRowRole::Pick},
        {"Query Point", 32827, 30000, ToolRowRole::Query},
    };
    CToolRegistry registry;
    RegisterTools(registry);
    const ToolPageTable& table = registry.Page(ToolPageKind::Point);
    ASSERT_EQ(table.rows.size(), std::size(expected));
    for (size_t i = 0; i < table.rows.size(); ++i) {
        SCOPED_TRACE(i);
        const ToolPageRow& row = table.rows[i];
        EXPECT_EQ(row.text, expected[i].text);
        EXPECT_EQ(row.commandId, expected[i].command);
        EXPECT_EQ(row.pickFilter, expected[i].filter);
        EXPECT_EQ(row.role, expected[i].role);
        EXPECT_EQ(row.HasDialog(), !row.IsSeparator());
        if (row.IsSeparator())
            continue;
        // The frame enables the command and opens the row on tool id 1000 + index.
        EXPECT_TRUE(registry.IsBuilt(row.commandId));
        const std::optional<ToolRowCommand> opens = registry.FindRowCommand(row.commandId);
        ASSERT_TRUE(opens.has_value());
        EXPECT_EQ(opens->page, ToolPageKind::Point);
        EXPECT_EQ(opens->toolId, 1000 + static_cast<int>(i));
    }
}

}  // namespace
