#pragma once
// The "Customize Toolbar" dialog: a page listing the toolbars, each shown or
// hidden, with a button that restores the default layout; and a page with
// the buttons of seven bars in groups, each shown or hidden on its bar.

#include <wx/dialog.h>

#include <map>
#include <set>
#include <string>
#include <vector>

class wxCheckListBox;

// What the user chose: which bars show, which buttons are left off their
// bars, and whether the bars go back to their default places first.
struct ToolbarChoice {
    std::map<int, bool> barShown;  // by bar id
    std::set<int> hiddenButtons;   // command ids
    bool restoreDefaultLayout = false;
    bool operator==(const ToolbarChoice&) const = default;
};

// The hidden buttons as the settings store keeps them: command ids joined
// by commas. Reading skips what is not a number.
std::string FormatHiddenButtons(const std::set<int>& hidden);
std::set<int> ParseHiddenButtons(const std::string& stored);

// The bar titles whose buttons the second page offers, in its order.
const std::vector<const char*>& CustomizableButtonGroups();

class CToolbarCustomizeDlg : public wxDialog {
public:
    CToolbarCustomizeDlg(wxWindow* parent, const ToolbarChoice& current);

    ToolbarChoice Choice() const;
    // The page controls, by bar id.
    wxCheckListBox& BarList() { return *bars_; }
    wxCheckListBox& ButtonList(int barId) { return *buttons_.at(barId); }
    void RestoreDefaults();

private:
    wxCheckListBox* bars_ = nullptr;
    std::map<int, wxCheckListBox*> buttons_;  // by bar id
    bool restoreDefaultLayout_ = false;
};
