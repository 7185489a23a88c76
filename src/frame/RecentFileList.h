#pragma once
// The File menu's recent-file list. The toolkit's file history appends its
// items, and a separator before the first, at the end of the menu; this list
// keeps them in a section of their own just above the menu's last item
// (Exit), between separators, whenever files come and go: in the session
// that opened them and after a restart. A list of no files takes none.

#include <wx/filehistory.h>

#include <cstddef>
#include <optional>
#include <string>

class wxMenu;

// How many files the list holds, from the stored count ("RecentUsed"; nothing
// when none is stored): 0 gives no list, a negative or non-numeric count the
// default 4, one above the most the menu holds that most.
std::size_t RecentFileCount(const std::optional<std::string>& stored);

class RecentFileList : public wxFileHistory {
public:
    RecentFileList(size_t maxFiles, wxWindowID firstId);

    void AddFileToHistory(const wxString& file) override;
    void RemoveFileFromHistory(size_t index) override;
    void AddFilesToMenu() override;
    void AddFilesToMenu(wxMenu* menu) override;

private:
    // The toolkit labels the items it adds to a menu with whole paths, and
    // those of a file added later by its path style (the name alone for files
    // in the folder of the latest): all of them by the style, as at the file's
    // opening.
    void RelabelItems();
    // The menus' items moved into place.
    void PlaceItems();
    void PlaceItems(wxMenu& menu);
};
