#include "frame/ToolbarOverflow.h"

#include <wx/aui/auibar.h>
#include <wx/aui/framemanager.h>
#include <wx/menu.h>

std::unique_ptr<wxMenu> MenuOfHiddenButtons(const wxAuiToolBar& toolbar)
{
    auto menu = std::make_unique<wxMenu>();
    bool separatorDue = false;
    for (int index = 0; index < static_cast<int>(toolbar.GetToolCount()); ++index) {
        if (toolbar.GetToolFitsByIndex(index))
            continue;
        const wxAuiToolBarItem& button = *toolbar.FindToolByIndex(index);
        const int kind = button.GetKind();
        if (kind == wxITEM_SEPARATOR) {
            separatorDue = menu->GetMenuItemCount() > 0;
            continue;
        }
        if (kind != wxITEM_NORMAL && kind != wxITEM_CHECK)
            continue;
        if (separatorDue)
            menu->AppendSeparator();
        separatorDue = false;
        auto* item = new wxMenuItem(menu.get(), button.GetId(), button.GetShortHelp(), wxEmptyString,
                                    static_cast<wxItemKind>(kind));
        // A check item draws its own mark in place of an image.
        if (kind == wxITEM_NORMAL)
            item->SetBitmap(button.GetBitmapBundle());
        menu->Append(item);
        item->Enable(!(button.GetState() & wxAUI_BUTTON_STATE_DISABLED));
        if (kind == wxITEM_CHECK)
            item->Check(button.GetState() & wxAUI_BUTTON_STATE_CHECKED);
    }
    return menu;
}
