#include "frame/ModelMenuTab.h"

#include "frame/ToolbarTable.h"

#include <wx/dcmemory.h>
#include <wx/imaglist.h>

namespace {

class ItemCommand : public wxTreeItemData {
public:
    explicit ItemCommand(int data) : data(data) {}
    int data;
};

// Images: top-level item, group, command.
enum TreeImage { IMAGE_TOP, IMAGE_GROUP, IMAGE_COMMAND };

wxBitmap DrawImage(TreeImage image)
{
    wxBitmap bitmap(16, 16, 24);
    wxMemoryDC dc(bitmap);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetPen(*wxBLACK_PEN);
    switch (image) {
    case IMAGE_TOP:
        dc.SetBrush(wxBrush(wxColour(0, 0, 160)));
        dc.DrawRectangle(2, 2, 12, 12);
        break;
    case IMAGE_GROUP:
        dc.SetBrush(wxBrush(wxColour(230, 190, 60)));
        dc.DrawRectangle(1, 4, 14, 10);
        dc.DrawRectangle(1, 2, 6, 3);
        break;
    case IMAGE_COMMAND:
        dc.SetBrush(wxBrush(wxColour(0, 128, 0)));
        dc.DrawCircle(8, 8, 4);
        break;
    }
    dc.SelectObject(wxNullBitmap);
    bitmap.SetMask(new wxMask(bitmap, *wxWHITE));
    return bitmap;
}

TreeImage ImageOf(const ModelTreeItem& item)
{
    if (item.itemData == TREE_ITEM_TOP)
        return IMAGE_TOP;
    return item.itemData == TREE_ITEM_GROUP ? IMAGE_GROUP : IMAGE_COMMAND;
}

}  // namespace

const std::vector<ModelTreeItem>& ModelTreeItems()
{
    static const std::vector<ModelTreeItem> items = {
        {"Point", 0, 0},
        {"Create", 1, 1},
        {"Coordinate", 2, 32825},
        {"Ratio on Curve", 2, 32829},
        {"Interpolating on Curve", 2, 32820},
        {"Ratio btwn 2 Pts", 2, 32831},
        {"Interpolating btwn 2 Pts", 2, 32832},
        {"Translate", 1, 32833},
        {"Rotate", 1, 32834},
        {"Mirror", 1, 32835},
        {"Equalize", 1, 32828},
        {"Delete", 1, 32836},
        {"Pick", 1, 32826},
        {"Query", 1, 32827},
        {"Curve", 0, 0},
        {"Create", 1, 1},
        {"Line", 2, 32839},
        {"Polyline", 2, 32840},
        {"Shortest Path Line", 2, 32856},
        {"Rectangle", 2, 32855},
        {"Circle", 2, 32843},
        {"Arc", 2, 32844},
        {"Ellipse", 2, 32852},
        {"Quadratic Curve", 2, 32849},
        {"Cubic Curve", 2, 32850},
        {"Bezier Curve", 2, 32841},
        {"Convert Curve-Width", 2, 32884},
        {"Closed Loop", 1, 1},
        {"Register", 2, 32880},
        {"Unregister", 2, 32881},
        {"Translate", 1, 32853},
        {"Rotate", 1, 32854},
        {"Mirror", 1, 32859},
        {"Intersect", 1, 32846},
        {"Fillet", 1, 32837},
        {"Extend", 1, 32838},
        {"Merge", 1, 32842},
        {"Split", 1, 32848},
        {"Reverse", 1, 32847},
        {"Delete", 1, 32860},
        {"Scale Line", 1, 32886},
        {"Change Width", 1, 32882},
        {"Pick", 1, 32857},
        {"Query", 1, 32858},
        {"Section", 0, 0},
        {"Generate", 1, 32813},
        {"Redefine", 1, 32814},
        {"Translate", 1, 32821},
        {"Rotate", 1, 32822},
        {"Delete", 1, 32816},
        {"Arrange", 1, 32824},
        {"Domain State", 1, 32815},
        {"Domain Material", 1, 32819},
        {"Export", 1, 32823},
        {"Pick", 1, 32818},
        {"Query", 1, 32817},
    };
    return items;
}

CModelMenuTab::CModelMenuTab(wxWindow* parent, wxWindow* commandTarget)
    : wxTreeCtrl(parent, CONTROL_ID, wxDefaultPosition, wxDefaultSize,
                 wxTR_HAS_BUTTONS | wxTR_LINES_AT_ROOT | wxTR_HIDE_ROOT | wxTR_SINGLE),
      commandTarget_(commandTarget)
{
    auto* images = new wxImageList(16, 16, true, 3);
    for (TreeImage image : {IMAGE_TOP, IMAGE_GROUP, IMAGE_COMMAND})
        images->Add(DrawImage(image));
    AssignImageList(images);
    BuildCommandTree();
    Bind(wxEVT_TREE_ITEM_ACTIVATED, &CModelMenuTab::OnItemActivated, this);
}

void CModelMenuTab::BuildCommandTree()
{
    const wxTreeItemId root = AddRoot("Model");
    std::vector<wxTreeItemId> parents{root};
    for (const ModelTreeItem& item : ModelTreeItems()) {
        parents.resize(static_cast<size_t>(item.level) + 1);
        const int image = ImageOf(item);
        const wxTreeItemId added =
            AppendItem(parents.back(), wxString::FromUTF8(item.text), image, image, new ItemCommand(item.itemData));
        parents.push_back(added);
    }
    for (const char* expanded : {"Point", "Curve", "Section"})
        Expand(FindItem(expanded));
}

int CModelMenuTab::ItemData(const wxTreeItemId& item) const
{
    const auto* data = item.IsOk() ? dynamic_cast<ItemCommand*>(GetItemData(item)) : nullptr;
    return data ? data->data : 0;
}

wxTreeItemId CModelMenuTab::FindItem(const wxString& text, const wxTreeItemId& parent) const
{
    const wxTreeItemId under = parent.IsOk() ? parent : GetRootItem();
    wxTreeItemIdValue cookie;
    for (wxTreeItemId child = GetFirstChild(under, cookie); child.IsOk(); child = GetNextChild(under, cookie)) {
        if (GetItemText(child) == text)
            return child;
    }
    return wxTreeItemId();
}

void CModelMenuTab::OnItemActivated(wxTreeEvent& event)
{
    const wxTreeItemId item = event.GetItem();
    // Left to the tree, which expands or collapses an item with children.
    if (!item.IsOk() || ItemHasChildren(item)) {
        event.Skip();
        return;
    }
    const int data = ItemData(item);
    if (data == TREE_ITEM_TOP || !commandTarget_)
        return;
    wxCommandEvent command(wxEVT_MENU, WxCommandId(data & 0xFFFF));
    command.SetEventObject(commandTarget_);
    wxPostEvent(commandTarget_, command);
}
