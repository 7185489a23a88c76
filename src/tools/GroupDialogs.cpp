#include "tools/GroupDialogs.h"

#include "tools/DialogFormPanel.h"
#include "tools/GroupForms.h"
#include "tools/ListedDialogForm.h"

#include <wx/combobox.h>
#include <wx/sizer.h>
#include <wx/textctrl.h>

namespace {

using K = DialogItemKind;

// "Group" over the dialog's one list.
std::vector<DialogItem> GroupListItems(int comboId)
{
    return {{K::Label, 0, "Group"}, {K::Combo, comboId}};
}

// The editable combo: its text is the form's field, its rows the form's
// combo rows.
class CGroupAddPanel : public CDialogFormPanel {
public:
    CGroupAddPanel(wxWindow* parent, CGToolAdd& form, ToolPageContext& context)
        : CDialogFormPanel(parent, form, context, {{K::Label, 0, "Group"}}), form_(form)
    {
        combo_ = new wxComboBox(this, ID_GROUP_ADD_GROUP, wxString::FromUTF8(form.GetGroupName()), wxDefaultPosition,
                                wxSize(150, -1), 0, nullptr, wxCB_DROPDOWN);
        GetSizer()->Add(combo_, 0, wxEXPAND | wxALL, 3);
        combo_->Bind(wxEVT_COMBOBOX, [this, &form](wxCommandEvent&) {
            form.SelectRow(ID_GROUP_ADD_GROUP, combo_->GetSelection());
        });
        combo_->Bind(wxEVT_TEXT, [this, &form](wxCommandEvent& event) {
            form.SetText(ID_GROUP_ADD_GROUP, combo_->GetValue().utf8_string());
            event.Skip();
        });
        GetSizer()->SetSizeHints(this);
    }

private:
    void OnControlsChanged() override
    {
        CDialogFormPanel::OnControlsChanged();
        const ComboRows& rows = form_.Combo(ID_GROUP_ADD_GROUP);
        ShowRows(*combo_, rows.texts);
        const int selection = rows.selection >= 0 ? rows.selection : wxNOT_FOUND;
        if (combo_->GetSelection() != selection)
            combo_->SetSelection(selection);
    }

    void OnFieldText(const ToolFormField& field) override
    {
        if (field.controlId == ID_GROUP_ADD_GROUP)
            combo_->ChangeValue(wxString::FromUTF8(field.text));
    }

    CGToolAdd& form_;
    wxComboBox* combo_;
};

}  // namespace

ToolDialogFactory GroupCreateDialog()
{
    return ItemsDialog({{K::BoxBegin}, {K::Edit, ID_GROUP_CREATE_NAME, "Name"}, {K::BoxEnd}});
}

ToolDialogFactory GroupRenameDialog()
{
    return ItemsDialog({{K::BoxBegin},
                        {K::Label, 0, "Group"},
                        {K::Combo, ID_GROUP_RENAME_GROUP},
                        {K::BoxEnd},
                        {K::BoxBegin, 0, " New Name "},
                        {K::Edit, ID_GROUP_RENAME_NEW_NAME, "Name"},
                        {K::BoxEnd}});
}

ToolDialogFactory GroupDeleteDialog()
{
    return ItemsDialog(GroupListItems(ID_GROUP_DELETE_GROUP));
}

ToolDialogFactory GroupMergeDialog()
{
    return ItemsDialog({{K::Label, 0, "From"},
                        {K::Combo, ID_GROUP_MERGE_FROM},
                        {K::Label, 0, "To"},
                        {K::Combo, ID_GROUP_MERGE_TO},
                        {K::Check, ID_GROUP_MERGE_DELETE_FROM, "Delete \"From\" Group"}});
}

ToolDialogFactory GroupExportDialog()
{
    std::vector<DialogItem> items = GroupListItems(ID_GROUP_EXPORT_GROUP);
    items.push_back({K::BoxBegin, 0, " Export "});
    const std::vector<DialogItem> file = ExportFileItems(ID_GROUP_EXPORT_FILE_NAME, ID_GROUP_EXPORT_BROWSE);
    items.insert(items.end(), file.begin(), file.end());
    for (int format = 0; format < EXPORT_FORMAT_COUNT; ++format)
        items.push_back({K::Radio, GROUP_EXPORT_RADIOS[format], EXPORT_FORMATS[format].label});
    items.push_back({K::BoxEnd});
    return ItemsDialog(std::move(items));
}

ToolDialogFactory GroupQueryDialog()
{
    return ItemsDialog(GroupListItems(ID_GROUP_QUERY_GROUP));
}

ToolDialogFactory GroupAddDialog()
{
    return [](wxWindow* parent, CToolForm& form, ToolPageContext& context) -> CToolDialogPanel* {
        return new CGroupAddPanel(parent, static_cast<CGToolAdd&>(form), context);
    };
}

ToolDialogFactory GroupExpelDialog()
{
    return ItemsDialog(GroupListItems(ID_GROUP_EXPEL_GROUP));
}
