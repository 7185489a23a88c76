// The view's tool commands, its UCS and GCS buttons and its context menu.

#include "view/TarvokrtView.h"

#include "model/SectModel.h"
#include "view/ToolCommands.h"
#include "view/ViewContextMenu.h"

#include <wx/menu.h>

void CTarvokrtView::OnToolCommand(int commandId)
{
    const ToolCommandRow* row = FindToolCommand(commandId);
    if (row && services_.workspace)
        RunToolCommand(*row, *selfPort_, *services_.workspace);
}

void CTarvokrtView::OnUcs()
{
    const CSectModel* model = scene_->Model();
    if (model && services_.workspace)
        RunUcsCommand(static_cast<int>(model->m_ucs.size()), *selfPort_, *services_.workspace);
}

void CTarvokrtView::OnGcs()
{
    if (services_.document)
        services_.document->ChangeToGcs();
}

void CTarvokrtView::OnContextMenu(wxContextMenuEvent& event)
{
    if (IsModal())
        return;
    // From the keyboard the menu opens near the client area's top-left corner.
    const wxPoint at = event.GetPosition() == wxDefaultPosition ? wxPoint(5, 5) : ScreenToClient(event.GetPosition());
    const std::unique_ptr<wxMenu> menu = MakeViewContextMenu();
    PopupMenu(menu.get(), at);
}
