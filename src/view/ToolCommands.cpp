#include "view/ToolCommands.h"

#include "view/ToolViewPort.h"
#include "view/ViewPorts.h"

#include <cstring>

const std::vector<ToolCommandRow>& ToolCommandTable()
{
    using P = ToolCommandPage;
    static const std::vector<ToolCommandRow> rows = {
        {32825, "Point > Create > Coordinate", P::Point, 1000},
        {32829, "Point > Create > Ratio on Curve", P::Point, 1001},
        {32820, "Point > Create > Interpolating on Curve", P::Point, 1002},
        {32831, "Point > Create > Ratio between 2 Points", P::Point, 1003},
        {32832, "Point > Create > Interpolating between 2 Points", P::Point, 1004},
        {32833, "Point > Translate", P::Point, 1006},
        {32834, "Point > Rotate", P::Point, 1007},
        {32835, "Point > Mirror", P::Point, 1008},
        {32828, "Point > Equalize", P::Point, 1010},
        {32836, "Point > Delete", P::Point, 1011},
        {32826, "Point > Pick", P::Point, 1013},
        {32827, "Point > Query", P::Point, 1014},
        {32839, "Curve > Create > Line", P::Curve, 2000},
        {32840, "Curve > Create > Polyline", P::Curve, 2001},
        {32856, "Curve > Create > Shortest Path Line", P::Curve, 2002},
        {32855, "Curve > Create > Rectangle", P::Curve, 2003},
        {32843, "Curve > Create > Circle", P::Curve, 2004},
        {32844, "Curve > Create > Arc", P::Curve, 2005},
        {32852, "Curve > Create > Ellipse", P::Curve, 2006},
        {32849, "Curve > Create > Quadratic Curve", P::Curve, 2007},
        {32850, "Curve > Create > Cubic Curve", P::Curve, 2008},
        {32841, "Curve > Create > Bezier Curve", P::Curve, 2009},
        {32884, "Curve > Create > Convert Curve-Width", P::Curve, 2010},
        {32880, "Curve > Closed Loop > Register", P::Curve, 2012},
        {32881, "Curve > Closed Loop > Unregister", P::Curve, 2013},
        {32853, "Curve > Translate", P::Curve, 2015},
        {32854, "Curve > Rotate", P::Curve, 2016},
        {32859, "Curve > Mirror", P::Curve, 2017},
        {32846, "Curve > Intersect", P::Curve, 2019},
        {32837, "Curve > Fillet", P::Curve, 2020},
        {32838, "Curve > Extend", P::Curve, 2021},
        {32842, "Curve > Merge", P::Curve, 2022},
        {32848, "Curve > Split", P::Curve, 2023},
        {32847, "Curve > Reverse", P::Curve, 2024},
        {32860, "Curve > Delete", P::Curve, 2025},
        {32886, "Curve > Scale Line", P::Curve, 2027},
        {32882, "Curve > Change Width", P::Curve, 2028},
        {32857, "Curve > Pick", P::Curve, 2030},
        {32858, "Curve > Query", P::Curve, 2031},
        {32813, "Section > Generate", P::Section, 3000},
        {32814, "Section > Redefine", P::Section, 3001},
        {32821, "Section > Translate", P::Section, 3003},
        {32822, "Section > Rotate", P::Section, 3004},
        {32816, "Section > Delete", P::Section, 3005},
        {32824, "Section > Arrange", P::Section, 3006},
        {32815, "Section > Change Domain State", P::Section, 3008},
        {32819, "Section > Assign Domain Material", P::Section, 3009},
        {32823, "Section > Export", P::Section, 3011},
        {32818, "Section > Pick", P::Section, 3013},
        {32817, "Section > Query", P::Section, 3014},
        {32904, "Property > Calculate", P::Properties, 4000},
        {32871, "Property > Display", P::Properties, 4002},
        {32977, "Property > Export", P::Properties, 4003},
        {32861, "Group > Create", P::Group, 5000},
        {32862, "Group > Rename", P::Group, 5001},
        {32863, "Group > Delete", P::Group, 5002},
        {32864, "Group > Merge", P::Group, 5003},
        {32865, "Group > Export", P::Group, 5004},
        {32866, "Group > Query", P::Group, 5005},
        {32867, "Group > Add", P::Group, 5007},
        {32868, "Group > Expel", P::Group, 5008},
        // The view toolbar's UCS buttons; no menu carries them.
        {32783, "Create UCS", P::Ucs, 6002},
        {32784, "Rename UCS", P::Ucs, 6003},
        {32785, "Delete UCS", P::Ucs, 6004},
    };
    return rows;
}

const ToolCommandRow* FindToolCommand(int commandId)
{
    for (const ToolCommandRow& row : ToolCommandTable()) {
        if (row.commandId == commandId)
            return &row;
    }
    return nullptr;
}

namespace {

void ShowPage(ToolCommandPage page, int toolId, IViewWorkspace& workspace)
{
    switch (page) {
    case ToolCommandPage::Point: workspace.ShowPointTool(toolId); break;
    case ToolCommandPage::Curve: workspace.ShowCurveTool(toolId); break;
    case ToolCommandPage::Section: workspace.ShowSectTool(toolId); break;
    case ToolCommandPage::Properties: workspace.ShowCalcTool(toolId); break;
    case ToolCommandPage::Group: workspace.ShowGroupTool(toolId); break;
    case ToolCommandPage::Ucs: workspace.ShowUcsTool(toolId); break;
    }
}

}  // namespace

void RunToolCommand(int toolId, ToolCommandPage page, IToolView& view, IViewWorkspace& workspace)
{
    if (view.ToolCommandId() == toolId)
        return;
    ShowPage(page, toolId, workspace);
    view.SetToolActive(1);
    if (toolId == TOOL_ASSIGN_DOMAIN_MATERIAL) {
        const bool domainsPickable = view.DomainPickFilter();
        view.SetDomainPickFilter(true);
        view.RebuildScene();
        view.SetDomainPickFilter(domainsPickable);
    }
}

void RunToolCommand(const ToolCommandRow& row, IToolView& view, IViewWorkspace& workspace)
{
    RunToolCommand(row.toolId, row.page, view, workspace);
}

void RunUcsCommand(int ucsCount, IToolView& view, IViewWorkspace& workspace)
{
    const int toolId = ucsCount == 1 ? TOOL_CREATE_UCS : TOOL_SET_WORK_UCS;
    RunToolCommand(toolId, ToolCommandPage::Ucs, view, workspace);
}

std::vector<std::string> MenuLevels(const char* menuPath)
{
    std::vector<std::string> levels;
    const char* const separator = " > ";
    const char* start = menuPath;
    while (const char* end = std::strstr(start, separator)) {
        levels.emplace_back(start, end);
        start = end + std::strlen(separator);
    }
    levels.emplace_back(start);
    return levels;
}
