// What src/tools registers with the frame.

#include "frame/ToolRegistry.h"
#include "frame/ToolbarTable.h"
#include "tools/ToolRegistration.h"

#include <gtest/gtest.h>

TEST(ToolRegistration, ImportDxfAndGridSettingAreRegisteredAndNeedTheWholeFrame)
{
    CToolRegistry registry;
    RegisterTools(registry);
    for (int command : {CMD_IMPORT_DXF, CMD_GRID_SETTING}) {
        SCOPED_TRACE(command);
        EXPECT_TRUE(registry.IsBuilt(command));
        const ToolCommandHandler* handler = registry.FindCommand(command);
        ASSERT_NE(handler, nullptr);
        // Without a frame the command does nothing (and opens no dialog).
        (*handler)(ToolCommandContext{});
    }
}
