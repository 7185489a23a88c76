#include "frame/ViewCommandBindings.h"

#include "view/TarvokrtView.h"

namespace {

template <int Mode>
bool InMode(const CTarvokrtView& view)
{
    return view.m_mouseMode == Mode;
}

bool AutoFitOn(const CTarvokrtView& view) { return view.m_autoFit != 0; }
bool GridShown(const CTarvokrtView& view) { return view.m_gridDisplay != 0; }
bool GridSnapOn(const CTarvokrtView& view) { return view.m_gridSnap != 0; }
bool PointSnapOn(const CTarvokrtView& view) { return view.m_pointSnap != 0; }
bool ShowsUcs(const CTarvokrtView& view) { return view.m_coordinateDisplay == COORDINATES_UCS; }
bool ShowsGcs(const CTarvokrtView& view) { return view.m_coordinateDisplay == COORDINATES_GCS; }

}  // namespace

const std::vector<ViewCommand>& ViewCommands()
{
    static const std::vector<ViewCommand> commands = {
        {32793, &CTarvokrtView::OnDynamicPan, &InMode<MOUSE_DYNAMIC_PAN>},
        {32794, &CTarvokrtView::OnDynamicZoom, &InMode<MOUSE_DYNAMIC_ZOOM>},
        {32797, &CTarvokrtView::OnZoomWindow, &InMode<MOUSE_ZOOM_WINDOW>},
        {32801, &CTarvokrtView::OnPanRight, nullptr},
        {32800, &CTarvokrtView::OnPanLeft, nullptr},
        {32802, &CTarvokrtView::OnPanUp, nullptr},
        {32803, &CTarvokrtView::OnPanDown, nullptr},
        {32798, &CTarvokrtView::OnZoomIn, nullptr},
        {32799, &CTarvokrtView::OnZoomOut, nullptr},
        {32795, &CTarvokrtView::OnZoomAutoFit, &AutoFitOn},
        {32796, &CTarvokrtView::OnZoomFit, nullptr},
        {32790, &CTarvokrtView::OnPointGrid, &GridShown},
        {32776, &CTarvokrtView::OnGridSnap, &GridSnapOn},
        {32777, &CTarvokrtView::OnPointSnap, &PointSnapOn},
        {32901, &CTarvokrtView::OnSelect, &InMode<MOUSE_SELECT>},
        {32899, &CTarvokrtView::OnSelectPrevious, nullptr},
        {32900, &CTarvokrtView::OnSelectNewcomer, nullptr},
        {32905, &CTarvokrtView::OnSelectGroup, &InMode<MOUSE_SELECT_GROUP>},
        {32787, &CTarvokrtView::OnActivate, nullptr},
        {32786, &CTarvokrtView::OnInactivate, nullptr},
        {32788, &CTarvokrtView::OnReverseActivity, nullptr},
        {32789, &CTarvokrtView::OnActivateAll, nullptr},
        {32965, &CTarvokrtView::OnInactivateAll, nullptr},
        {32960, &CTarvokrtView::OnUcs, &ShowsUcs},
        {32961, &CTarvokrtView::OnGcs, &ShowsGcs},
    };
    return commands;
}

const ViewCommand* FindViewCommand(int commandId)
{
    for (const ViewCommand& command : ViewCommands()) {
        if (command.commandId == commandId)
            return &command;
    }
    return nullptr;
}

void RunViewCommand(CTarvokrtView& view, const ViewCommand& command)
{
    (view.*command.run)();
}

bool RunsWhileModal(int commandId)
{
    switch (commandId) {
    case 32795:  // Zoom Auto-Fit
    case 32796:  // Zoom Fit
    case 32798:  // Zoom In
    case 32799:  // Zoom Out
    case 32800:  // Pan Left
    case 32801:  // Pan Right
    case 32802:  // Pan Up
    case 32803:  // Pan Down
    case CMD_BEGIN_MODAL_INTERACTION:
    case CMD_END_MODAL_INTERACTION:
        return true;
    default:
        return false;
    }
}
