#include "frame/RecentFileList.h"

#include <wx/menu.h>

#include <vector>

RecentFileList::RecentFileList(size_t maxFiles, wxWindowID firstId) : wxFileHistory(maxFiles, firstId) {}

void RecentFileList::AddFileToHistory(const wxString& file)
{
    wxFileHistory::AddFileToHistory(file);
    PlaceItems();
}

void RecentFileList::RemoveFileFromHistory(size_t index)
{
    wxFileHistory::RemoveFileFromHistory(index);
    PlaceItems();
}

void RecentFileList::AddFilesToMenu()
{
    wxFileHistory::AddFilesToMenu();
    RelabelItems();
    PlaceItems();
}

void RecentFileList::AddFilesToMenu(wxMenu* menu)
{
    wxFileHistory::AddFilesToMenu(menu);
    RelabelItems();
    if (menu)
        PlaceItems(*menu);
}

void RecentFileList::RelabelItems()
{
    // A change of the path style relabels every item by it.
    const wxFileHistoryMenuPathStyle style = GetMenuPathStyle();
    SetMenuPathStyle(style == wxFH_PATH_SHOW_NEVER ? wxFH_PATH_SHOW_ALWAYS : wxFH_PATH_SHOW_NEVER);
    SetMenuPathStyle(style);
}

void RecentFileList::PlaceItems()
{
    for (wxList::compatibility_iterator node = GetMenus().GetFirst(); node; node = node->GetNext())
        PlaceItems(*static_cast<wxMenu*>(node->GetData()));
}

void RecentFileList::PlaceItems(wxMenu& menu)
{
    std::vector<wxMenuItem*> files;
    for (size_t i = 0; i < GetCount(); ++i) {
        if (wxMenuItem* item = menu.FindChildItem(GetBaseId() + static_cast<int>(i)))
            files.push_back(menu.Remove(item));
    }
    const auto separatorAt = [&menu](size_t place) { return menu.FindItemByPosition(place)->IsSeparator(); };
    // What the toolkit left at the end, then the separators above the last item.
    while (menu.GetMenuItemCount() > 0 && separatorAt(menu.GetMenuItemCount() - 1))
        menu.Destroy(menu.FindItemByPosition(menu.GetMenuItemCount() - 1));
    size_t place = menu.GetMenuItemCount() > 0 ? menu.GetMenuItemCount() - 1 : 0;
    while (place > 0 && separatorAt(place - 1))
        menu.Destroy(menu.FindItemByPosition(--place));
    if (place > 0)
        menu.InsertSeparator(place++);
    for (wxMenuItem* file : files)
        menu.Insert(place++, file);
    if (!files.empty() && place < menu.GetMenuItemCount())
        menu.InsertSeparator(place);
}
