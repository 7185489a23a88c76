#include "tools/GridSettingDlg.h"

#include "frame/DialogNumbers.h"
#include "frame/TarvokrtDoc.h"
#include "tools/ModalDialogParts.h"
#include "view/TarvokrtView.h"

#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

GridSettingFields GridSettingForm::Fields() const
{
    return GridSettingFields{IntegerFieldText(m_horizontalCount), RealFieldText(m_gridSize),
                             IntegerFieldText(m_verticalCount)};
}

std::optional<int> GridSettingForm::Accept(const GridSettingFields& fields, IMessageBoxPort& boxes)
{
    int horizontal = 0;
    double size = 0.0;
    int vertical = 0;
    const std::optional<int> refused = ReadNumberFields({{fields.horizontal, &horizontal, ID_GRID_HORIZONTAL},
                                                         {fields.size, &size, ID_GRID_SIZE},
                                                         {fields.vertical, &vertical, ID_GRID_VERTICAL}},
                                                        boxes);
    if (refused)
        return refused;
    m_horizontalCount = horizontal;
    m_gridSize = size;
    m_verticalCount = vertical;
    return std::nullopt;
}

CGridToolDlg::CGridToolDlg(wxWindow* parent, IMessageBoxPort& boxes, const GridSettingForm& values)
    : CDlgMove(parent, "Grid Setting"), boxes_(boxes), form_(values)
{
    const GridSettingFields fields = form_.Fields();
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, wxEmptyString);
    wxWindow* box = group->GetStaticBox();
    auto* grid = new wxFlexGridSizer(2, 4, 8);
    const auto addField = [&](const char* label, int id, const std::string& text) {
        auto* field = new wxTextCtrl(box, id, text, wxDefaultPosition, wxDefaultSize, wxTE_RIGHT);
        grid->Add(new wxStaticText(box, wxID_ANY, label), 0, wxALIGN_CENTER_VERTICAL);
        grid->Add(field);
        return field;
    };
    size_ = addField("Grid Size", ID_GRID_SIZE, fields.size);
    horizontal_ = addField("N(Horizontal)", ID_GRID_HORIZONTAL, fields.horizontal);
    vertical_ = addField("N(Vertical)", ID_GRID_VERTICAL, fields.vertical);
    group->Add(grid, 0, wxALL, 6);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(group, 0, wxEXPAND | wxALL, 6);
    sizer->Add(OkCancelButtons(this), 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 6);
    SetSizerAndFit(sizer);
    Bind(wxEVT_BUTTON, &CGridToolDlg::OnOk, this, wxID_OK);
    CentreOnParent();
}

bool CGridToolDlg::AcceptFields()
{
    const GridSettingFields fields{horizontal_->GetValue().utf8_string(), size_->GetValue().utf8_string(),
                                   vertical_->GetValue().utf8_string()};
    return TakenOrFocused(*this, form_.Accept(fields, boxes_));
}

void CGridToolDlg::OnOk(wxCommandEvent&)
{
    if (AcceptFields())
        EndModal(wxID_OK);
}

void RunGridSettingCommand(wxWindow* parent, CTarvokrtDoc& document, CTarvokrtView& view, IMessageBoxPort& boxes)
{
    const CSectModel& model = *document.GetModel();
    GridSettingForm values;
    values.m_horizontalCount = model.m_gridCountX;
    values.m_verticalCount = model.m_gridCountY;
    values.m_gridSize = model.m_gridSize;
    CGridToolDlg dialog(parent, boxes, values);
    if (dialog.ShowModal() != wxID_OK)
        return;
    document.SetGrid(dialog.Form().m_horizontalCount, dialog.Form().m_verticalCount, dialog.Form().m_gridSize);
    view.m_reRender = 1;
    view.Refresh(true);
}
