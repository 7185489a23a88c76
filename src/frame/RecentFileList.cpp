#include "frame/RecentFileList.h"

#include "frame/ToolbarTable.h"
#include "model/TextFormat.h"

#include <wx/menu.h>

#include <charconv>
#include <vector>

namespace {

constexpr std::size_t DEFAULT_RECENT_COUNT = 4;

}  // namespace

std::size_t RecentFileCount(const std::optional<std::string>& stored)
{
    if (!stored)
        return DEFAULT_RECENT_COUNT;
    const std::string_view text = TrimmedText(*stored);
    const char* end = text.data() + text.size();
    long long count = 0;
    const auto [at, error] = std::from_chars(text.data(), end, count);
    const bool beyondReach = error == std::errc::result_out_of_range;
    if (text.empty() || at != end || (error != std::errc() && !beyondReach))
        return DEFAULT_RECENT_COUNT;
    if (beyondReach ? text.front() == '-' : count < 0)
        return DEFAULT_RECENT_COUNT;
    return beyondReach || count > MAX_RECENT_FILES ? MAX_RECENT_FILES : static_cast<std::size_t>(count);
}

RecentFileList::RecentFileList(size_t maxFiles, wxWindowID firstId) : wxFileHistory(maxFiles, firstId) {}

void RecentFileList::AddFileToHistory(const wxString& file)
{
    // The toolkit's history cannot take a file without room for one.
    if (GetMaxFiles() == 0)
        return;
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
