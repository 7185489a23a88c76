#pragma once
// The commands that open a tool page: command id, menu path, page and tool
// id, one table that the view's command handler and its context menu read.
// The handler is plain code over the tool view port and the workspace.

#include <string>
#include <vector>

class IToolView;
class IViewWorkspace;

// The workspace page a tool command opens, in the workspace's page order.
enum class ToolCommandPage { Point, Curve, Section, Properties, Group, Ucs };

struct ToolCommandRow {
    int commandId;
    // Menu levels joined by " > "; the first names the context submenu.
    const char* menuPath;
    ToolCommandPage page;
    int toolId;
};

// UCS page tool ids the UCS command opens.
enum UcsToolId { TOOL_SET_WORK_UCS = 6000, TOOL_CREATE_UCS = 6002 };

// Assign Domain Material: its page shows the domains for picking.
constexpr int TOOL_ASSIGN_DOMAIN_MATERIAL = 3009;

const std::vector<ToolCommandRow>& ToolCommandTable();
const ToolCommandRow* FindToolCommand(int commandId);

// Opens the page on the tool id, unless that tool is the current one, and
// sets the tool-active flag. Assign Domain Material then rebuilds the scene
// with domains pickable and gives the domain filter back its earlier value.
void RunToolCommand(int toolId, ToolCommandPage page, IToolView& view, IViewWorkspace& workspace);
void RunToolCommand(const ToolCommandRow& row, IToolView& view, IViewWorkspace& workspace);

// The UCS button: with only the GCS (a UCS count of 1) the UCS page opens on
// Create UCS, otherwise on Set Work UCS.
void RunUcsCommand(int ucsCount, IToolView& view, IViewWorkspace& workspace);

// The menu levels of a path, "Point > Create > Coordinate" -> three.
std::vector<std::string> MenuLevels(const char* menuPath);
