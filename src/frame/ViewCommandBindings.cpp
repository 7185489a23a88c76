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

}  // namespace

const std::vector<ViewCommand>& ViewCommands()
{
    static const std::vector<ViewCommand> commands = {
        {32793, &CTarvokrtView::OnDynamicPan, &InMode<MOUSE_DYNAMIC_PAN>, true},
        {32794, &CTarvokrtView::OnDynamicZoom, &InMode<MOUSE_DYNAMIC_ZOOM>, true},
        {32797, &CTarvokrtView::OnZoomWindow, &InMode<MOUSE_ZOOM_WINDOW>, true},
        {32801, &CTarvokrtView::OnPanRight, nullptr, false},
        {32800, &CTarvokrtView::OnPanLeft, nullptr, false},
        {32802, &CTarvokrtView::OnPanUp, nullptr, false},
        {32803, &CTarvokrtView::OnPanDown, nullptr, false},
        {32798, &CTarvokrtView::OnZoomIn, nullptr, false},
        {32799, &CTarvokrtView::OnZoomOut, nullptr, false},
        {32795, &CTarvokrtView::OnZoomAutoFit, &AutoFitOn, false},
        {32796, &CTarvokrtView::OnZoomFit, nullptr, false},
        {32790, &CTarvokrtView::OnPointGrid, &GridShown, false},
        {32776, &CTarvokrtView::OnGridSnap, &GridSnapOn, false},
        {32777, &CTarvokrtView::OnPointSnap, &PointSnapOn, false},
        {32901, &CTarvokrtView::OnSelect, &InMode<MOUSE_SELECT>, false},
        {32899, &CTarvokrtView::OnSelectPrevious, nullptr, false},
        {32900, &CTarvokrtView::OnSelectNewcomer, nullptr, false},
        {32905, &CTarvokrtView::OnSelectGroup, &InMode<MOUSE_SELECT_GROUP>, false},
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
