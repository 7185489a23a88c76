#pragma once
// The File menu's recent-file list. The toolkit's file history appends its
// items, and a separator before the first, at the end of the menu; this list
// keeps them in a section of their own just above the menu's last item
// (Exit), between separators, whenever files come and go: in the session
// that opened them and after a restart.

#include <wx/filehistory.h>

class wxMenu;

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
