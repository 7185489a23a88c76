#pragma once
// The Curve page: its 32 command rows in combo order (tool ids 2000-2031),
// each with the command that opens it and the pick filter its show sets, and
// the dialogs of its rows. Every dialog
// built on CDialogForm runs its resets as the row's extra show step,
// also those added later to a row by command id.

#include "frame/ToolPageTable.h"

class CToolRegistry;

class CCurveTool {
public:
    static ToolPageTable MakeTable();
    static void Register(CToolRegistry& registry);
};

// Tool ids of the rows the page treats apart.
enum CurveToolId { CURVE_TOOL_LINE = 2000, CURVE_TOOL_PICK = 2030, CURVE_TOOL_QUERY = 2031 };
