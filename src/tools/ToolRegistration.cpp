#include "tools/ToolRegistration.h"

#include "frame/ToolRegistry.h"
#include "frame/ToolbarTable.h"
#include "tools/CalcPause.h"
#include "tools/CalcTool.h"
#include "tools/CurveTool.h"
#include "tools/DxfImportCommand.h"
#include "tools/GridSettingDlg.h"
#include "tools/GroupTool.h"
#include "tools/MaterialDlgs.h"
#include "tools/PointTool.h"
#include "tools/ResultListDlg.h"
#include "tools/SectTool.h"
#include "tools/UcsTool.h"

namespace {

// The modal commands need the whole frame; without it they do nothing.
bool HasFrame(const ToolCommandContext& context)
{
    return context.mainWindow && context.document && context.view && context.boxes;
}

}  // namespace

void RegisterTools(CToolRegistry& registry)
{
    registry.RegisterCommand(CMD_IMPORT_DXF, [](const ToolCommandContext& context) {
        if (HasFrame(context))
            RunDxfImportCommand(context.mainWindow, *context.document, *context.view, *context.boxes);
    });
    registry.RegisterCommand(CMD_GRID_SETTING, [](const ToolCommandContext& context) {
        if (HasFrame(context))
            RunGridSettingCommand(context.mainWindow, *context.document, *context.view, *context.boxes);
    });
    RegisterPointTool(registry);
    CCurveTool::Register(registry);
    RegisterSectTool(registry);
    RegisterCalcTool(registry);
    registry.hooks.askCalcPause = AskCalcPauseDialog;
    registry.hooks.resultList = [](const ToolCommandContext& context) {
        if (HasFrame(context))
            RunResultListCommand(context.mainWindow, *context.document, *context.view, *context.boxes);
    };
    registry.hooks.materialList = [](const ToolCommandContext& context) {
        if (HasFrame(context))
            RunMaterialListCommand(context.mainWindow, *context.document, *context.view, *context.boxes);
    };
    RegisterGroupTool(registry);
    RegisterUcsTool(registry);
}
