#pragma once
// The "Model" tab: the tree of the modelling commands. Activating a command
// item sends its command to the main window as the toolbars do; the items
// with children only expand or collapse.

#include <wx/treectrl.h>

#include <vector>

struct ModelTreeItem {
    const char* text;
    int level;     // 0: top level
    int itemData;  // 0 top-level items, 1 groups, else the command id
};

// The items in tree order.
const std::vector<ModelTreeItem>& ModelTreeItems();

enum ModelTreeItemData { TREE_ITEM_TOP = 0, TREE_ITEM_GROUP = 1 };

class CModelMenuTab : public wxTreeCtrl {
public:
    static constexpr int CONTROL_ID = 1001;

    CModelMenuTab(wxWindow* parent, wxWindow* commandTarget);

    // The item data of an item (0 for none).
    int ItemData(const wxTreeItemId& item) const;
    // The item with this text under the parent (the root's children when
    // the parent is not given); invalid when there is none.
    wxTreeItemId FindItem(const wxString& text, const wxTreeItemId& parent = wxTreeItemId()) const;

private:
    void BuildCommandTree();
    void OnItemActivated(wxTreeEvent& event);

    wxWindow* commandTarget_;
};
