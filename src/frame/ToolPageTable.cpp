#include "frame/ToolPageTable.h"

const char* const TOOL_SEPARATOR_TEXT = "-------------------------------------------";

const std::array<ToolPageShell, TOOL_PAGE_COUNT>& ToolPageShells()
{
    static const std::array<ToolPageShell, TOOL_PAGE_COUNT> shells = {{
        {ToolPageKind::Point, "Point", 1000, OPEN_PAGE_POINT, 1002, 1003, 1004},
        {ToolPageKind::Curve, "Curve", 2000, OPEN_PAGE_CURVE, 1048, 1049, 1050},
        {ToolPageKind::Section, "Section", 3000, OPEN_PAGE_SECTION, 1123, 1124, 1125},
        {ToolPageKind::Properties, "Properties", 4000, OPEN_PAGE_PROPERTIES, 1250, 1194, 1251},
        {ToolPageKind::Group, "Group", 5000, OPEN_PAGE_GROUP, 1274, 1275, 1276},
        {ToolPageKind::Ucs, "UCS", 6000, OPEN_PAGE_UCS, 1271, 1272, 1273},
    }};
    return shells;
}

const ToolPageShell& ShellOf(ToolPageKind kind)
{
    return ToolPageShells()[static_cast<size_t>(kind)];
}

ToolPageRow ToolSeparatorRow()
{
    ToolPageRow row;
    row.text = TOOL_SEPARATOR_TEXT;
    return row;
}

int ToolPageTable::IndexOfCommand(int commandId) const
{
    if (commandId == 0)
        return -1;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].commandId == commandId)
            return static_cast<int>(i);
    }
    return -1;
}
