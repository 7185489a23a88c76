#include "tools/MaterialDlgs.h"

#include "frame/TarvokrtDoc.h"
#include "tools/ModalDialogParts.h"
#include "view/TarvokrtView.h"

#include <wx/button.h>
#include <wx/listctrl.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr int FIELD_WIDTH = 110;

}  // namespace

CMaterialItem::CMaterialItem(wxWindow* parent, MaterialItemForm& item, const CSectModel& model,
                             IMessageBoxPort& boxes)
    : CDlgMove(parent, "Add/Modify Material"), item_(item), model_(model), boxes_(boxes)
{
    const MaterialItemFields fields = item_.InitialFields(model_);
    const auto addField = [](wxWindow* owner, wxFlexGridSizer* grid, const char* label, int id,
                             const std::string& text) {
        auto* field = new wxTextCtrl(owner, id, wxString::FromUTF8(text), wxDefaultPosition,
                                     wxSize(FIELD_WIDTH, -1), wxTE_RIGHT);
        grid->Add(new wxStaticText(owner, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(field);
        return field;
    };
    auto* top = new wxFlexGridSizer(2, 4, 8);
    id_ = addField(this, top, "ID", ID_MATERIAL_ID, fields.id);
    name_ = addField(this, top, "Name", ID_MATERIAL_NAME, fields.name);
    id_->Enable(!item_.ModifyMode());

    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, " Property ");
    auto* grid = new wxFlexGridSizer(2, 4, 8);
    modulus_ = addField(group->GetStaticBox(), grid, "Modulus of Elasticity", ID_MATERIAL_MODULUS,
                        fields.elasticModulus);
    ratio_ = addField(group->GetStaticBox(), grid, "Poisson's Ratio", ID_MATERIAL_RATIO, fields.poissonRatio);
    group->Add(grid, 0, wxALL, 6);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(top, 0, wxALL, 10);
    sizer->Add(group, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);
    sizer->Add(OkCancelButtons(this), 0, wxEXPAND | wxALL, 6);
    SetSizerAndFit(sizer);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) {
        if (AcceptFields())
            EndModal(wxID_OK);
    }, wxID_OK);
    CentreOnParent();
}

bool CMaterialItem::AcceptFields()
{
    const MaterialItemFields fields{id_->GetValue().utf8_string(), name_->GetValue().utf8_string(),
                                    modulus_->GetValue().utf8_string(), ratio_->GetValue().utf8_string()};
    return TakenOrFocused(*this, item_.Accept(fields, model_, boxes_));
}

CMaterialList::CMaterialList(wxWindow* parent, IToolDocument& document, IMessageBoxPort& boxes,
                             std::function<void()> redrawViewNow)
    : CDlgMove(parent, "Material List"), document_(document), boxes_(boxes),
      form_(document, boxes, [this](MaterialItemForm& item) { return RunItem(item); }, std::move(redrawViewNow))
{
    listView_ = new wxListView(this, ID_MATERIAL_LIST, wxDefaultPosition, wxSize(280, 200),
                               wxLC_REPORT | wxLC_SINGLE_SEL);
    form_.List().Attach(listView_);
    form_.Fill();

    auto* buttons = new wxBoxSizer(wxVERTICAL);
    for (const auto& [id, label] : {std::pair{int{ID_MATERIAL_ADD}, "Add"},
                                    std::pair{int{ID_MATERIAL_MODIFY}, "Modify"},
                                    std::pair{int{ID_MATERIAL_DELETE}, "Delete"}})
        buttons->Add(new wxButton(this, id, label), 0, wxEXPAND | wxBOTTOM, 4);
    buttons->AddStretchSpacer();
    auto* close = new wxButton(this, wxID_OK, "Close");
    close->SetDefault();
    buttons->Add(close, 0, wxEXPAND);

    auto* sizer = new wxBoxSizer(wxHORIZONTAL);
    sizer->Add(listView_, 1, wxEXPAND | wxALL, 8);
    sizer->Add(buttons, 0, wxEXPAND | wxTOP | wxRIGHT | wxBOTTOM, 8);
    SetSizerAndFit(sizer);

    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RunOnSelection(&MaterialListForm::Add); }, ID_MATERIAL_ADD);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RunOnSelection(&MaterialListForm::Modify); }, ID_MATERIAL_MODIFY);
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { RunOnSelection(&MaterialListForm::Delete); }, ID_MATERIAL_DELETE);
    listView_->Bind(wxEVT_LIST_ITEM_ACTIVATED, [this](wxListEvent&) { RunOnSelection(&MaterialListForm::Modify); });
    CentreOnParent();
}

void CMaterialList::RunOnSelection(void (MaterialListForm::*command)())
{
    form_.SelectRow(static_cast<int>(listView_->GetFirstSelected()));
    (form_.*command)();
    const long row = form_.SelectedRow();
    if (row < 0)
        return;
    listView_->Select(row);
    listView_->Focus(row);
}

bool CMaterialList::RunItem(MaterialItemForm& item)
{
    CMaterialItem dialog(this, item, *document_.GetModel(), boxes_);
    return dialog.ShowModal() == wxID_OK;
}

void RunMaterialListCommand(wxWindow* parent, CTarvokrtDoc& document, CTarvokrtView& view, IMessageBoxPort& boxes)
{
    CMaterialList dialog(parent, document, boxes, [&view] {
        view.Refresh(true);
        view.Update();
    });
    dialog.ShowModal();
}
