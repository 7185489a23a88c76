// The frame's toolbar customisation: bars shown or hidden, buttons left off
// their bars, and the way back to the default layout.

#include "frame/MainFrame.h"
#include "frame/ToolbarOverflow.h"
#include "frame/ToolbarTable.h"

#include <wx/aui/auibar.h>
#include <wx/menu.h>

void CMainFrame::OnCustomizeToolbar()
{
    CToolbarCustomizeDlg dialog(this, CurrentToolbarChoice());
    if (dialog.ShowModal() == wxID_OK)
        ApplyToolbarChoice(dialog.Choice());
}

namespace {

void AppendCustomizeItem(wxMenu& menu)
{
    menu.Append(WxCommandId(CMD_CUSTOMIZE_TOOLBAR), "Customize Toolbar...", "Custimize the toolbars");
}

}  // namespace

std::unique_ptr<wxMenu> CMainFrame::MakeToolbarContextMenu()
{
    auto menu = std::make_unique<wxMenu>();
    AppendCustomizeItem(*menu);
    return menu;
}

std::unique_ptr<wxMenu> CMainFrame::MakeToolbarOverflowMenu(const wxAuiToolBar& toolbar)
{
    std::unique_ptr<wxMenu> menu = MenuOfHiddenButtons(toolbar);
    if (menu->GetMenuItemCount() > 0)
        menu->AppendSeparator();
    AppendCustomizeItem(*menu);
    return menu;
}

ToolbarChoice CMainFrame::CurrentToolbarChoice()
{
    ToolbarChoice choice;
    for (const auto& [barId, toolbar] : toolbars_)
        choice.barShown[barId] = bars_.GetPane(toolbar).IsShown();
    choice.hiddenButtons = hiddenButtons_;
    return choice;
}

void CMainFrame::ApplyToolbarChoice(const ToolbarChoice& choice)
{
    if (choice.restoreDefaultLayout)
        bars_.LoadPerspective(defaultBarLayout_, false);
    ApplyHiddenButtons(choice.hiddenButtons);
    for (const auto& [barId, shown] : choice.barShown) {
        if (const auto toolbar = toolbars_.find(barId); toolbar != toolbars_.end())
            bars_.GetPane(toolbar->second).Show(shown);
    }
    bars_.Update();
    Layout();
    Refresh(true);
    SaveBarLayout();
}

void CMainFrame::ApplyHiddenButtons(const std::set<int>& hidden)
{
    hiddenButtons_ = hidden;
    for (const ToolbarDefinition& bar : DefaultToolbars()) {
        wxAuiToolBar& toolbar = *toolbars_.at(bar.barId);
        FillToolbar(toolbar, bar);
        bars_.GetPane(&toolbar).BestSize(toolbar.GetBestSize());
    }
}
