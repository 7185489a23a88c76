#include "frame/ViewSetDlg.h"

#include "frame/DialogNumbers.h"
#include "frame/TabCtrlBase.h"
#include "view/TarvokrtView.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/clrpicker.h>
#include <wx/panel.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

const char* const LENGTH_UNITS[] = {"m", "cm", "mm", "ft", "in"};
const char* const FORCE_UNITS[] = {"N", "kN", "kgf", "tonf", "lbf", "kips"};

// The Display page's switches: control id, group, label, record field.
struct SwitchRow {
    int id;
    const char* group;
    const char* label;
    bool T_VIEWSET_D::*field;
};
const SwitchRow SWITCHES[] = {
    {1121, " Section ", "Name", &T_VIEWSET_D::sectionName},
    {1129, " Section ", "Material", &T_VIEWSET_D::sectionMaterial},
    {1122, " Curve ", "Width", &T_VIEWSET_D::curveWidth},
    {1123, " Curve ", "ID", &T_VIEWSET_D::curveId},
    {1124, " Point ", "Display", &T_VIEWSET_D::pointDisplay},
    {1125, " Point ", "ID", &T_VIEWSET_D::pointId},
    {1126, " Closed Loop ", "Display", &T_VIEWSET_D::closedLoopDisplay},
    {1127, " Closed Loop ", "ID", &T_VIEWSET_D::closedLoopId},
};
constexpr int AXIS_SWITCH_ID = 1128;

struct ColourRow {
    int id;
    const char* group;
    const char* label;
    ViewSetColour slot;
};
const ColourRow COLOUR_ROWS[] = {
    {1174, " View ", "Selected Entity", VIEWSET_SELECTED},
    {1175, " View ", "Background", VIEWSET_BACKGROUND},
    {1179, " Closed Loop ", "Closed Loop", VIEWSET_CLOSED_LOOP},
    {1177, " Curve ", "Normal", VIEWSET_CURVE_NORMAL},
    {1176, " Curve ", "Width", VIEWSET_CURVE_WIDTH},
    {1178, " Curve ", "Calculated Section", VIEWSET_CALCULATED_SECTION},
    {1173, " Point ", "Normal", VIEWSET_POINT_NORMAL},
    {1181, " Point ", "Unconnected End", VIEWSET_POINT_FREE_END},
    {1180, " Point ", "Centroid", VIEWSET_POINT_CENTROID},
};

wxColour ToWx(ColourRef colour)
{
    return wxColour(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

ColourRef FromWx(const wxColour& colour)
{
    return MakeColourRef(colour.Red(), colour.Green(), colour.Blue());
}

wxStaticBoxSizer* GroupSizer(wxWindow* parent, const char* title, wxStaticBoxSizer*& current, wxSizer* page)
{
    if (!current || current->GetStaticBox()->GetLabel() != title) {
        current = new wxStaticBoxSizer(wxVERTICAL, parent, title);
        page->Add(current, 0, wxEXPAND | wxALL, 4);
    }
    return current;
}

}  // namespace

CViewSetDlg::CViewSetDlg(wxWindow* parent, CTarvokrtView& view, IMessageBoxPort& boxes)
    : CDlgChild(parent, "Setting"), view_(view), boxes_(boxes)
{
    view_.GetViewSettings(record_);
    tabs_ = new CTabCtrlBase(this, ID_VIEWSET_TABS);
    tabs_->AddTab(MakeGeneralPage(), "General");
    tabs_->AddTab(MakeDisplayPage(), "Display");
    tabs_->AddTab(MakeColourPage(), "Color");
    tabs_->SetSelectedTextColor(wxColour(0, 0, 255));
    tabs_->SetHotTextColor(*wxWHITE);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    buttons->AddStretchSpacer();
    buttons->Add(new wxButton(this, wxID_OK, "OK"), 0, wxALL, 4);
    buttons->Add(new wxButton(this, wxID_CANCEL, "Cancel"), 0, wxALL, 4);
    buttons->Add(new wxButton(this, ID_VIEWSET_APPLY, "Apply"), 0, wxALL, 4);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(tabs_, 1, wxEXPAND | wxALL, 6);
    sizer->Add(buttons, 0, wxEXPAND | wxLEFT | wxRIGHT | wxBOTTOM, 6);
    SetSizerAndFit(sizer);
    Bind(wxEVT_BUTTON, &CViewSetDlg::OnApply, this, ID_VIEWSET_APPLY);
    Bind(wxEVT_BUTTON, &CViewSetDlg::OnOk, this, wxID_OK);
    // The dialog has no escape id (Escape must not close it), so the toolkit
    // no longer closes it on Cancel by itself.
    Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { EndDialog(wxID_CANCEL); }, wxID_CANCEL);
    LoadPages();
    CentreOnParent();
}

wxWindow* CViewSetDlg::MakeGeneralPage()
{
    auto* page = new wxPanel(tabs_);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    auto* units = new wxStaticBoxSizer(wxVERTICAL, page, " Unit System ");
    auto* unitGrid = new wxFlexGridSizer(2, 4, 8);
    force_ = new wxChoice(units->GetStaticBox(), ID_FORCE_COMBO);
    for (const char* unit : FORCE_UNITS)
        force_->Append(unit);
    length_ = new wxChoice(units->GetStaticBox(), ID_LENGTH_COMBO);
    for (const char* unit : LENGTH_UNITS)
        length_->Append(unit);
    unitGrid->Add(new wxStaticText(units->GetStaticBox(), wxID_ANY, "Force"), 0, wxALIGN_CENTER_VERTICAL);
    unitGrid->Add(force_);
    unitGrid->Add(new wxStaticText(units->GetStaticBox(), wxID_ANY, "Length"), 0, wxALIGN_CENTER_VERTICAL);
    unitGrid->Add(length_);
    units->Add(unitGrid, 0, wxALL, 4);
    sizer->Add(units, 0, wxEXPAND | wxALL, 4);

    auto* fields = new wxFlexGridSizer(3, 4, 8);
    tolerance_ = new wxTextCtrl(page, ID_TOLERANCE_FIELD);
    angleStep_ = new wxTextCtrl(page, ID_ANGLE_STEP_FIELD);
    fields->Add(new wxStaticText(page, wxID_ANY, "Tolerance"), 0, wxALIGN_CENTER_VERTICAL);
    fields->Add(tolerance_);
    fields->AddSpacer(0);
    fields->Add(new wxStaticText(page, wxID_ANY, "Angle Step"), 0, wxALIGN_CENTER_VERTICAL);
    fields->Add(angleStep_);
    fields->Add(new wxStaticText(page, wxID_ANY, "[Deg]"), 0, wxALIGN_CENTER_VERTICAL);
    sizer->Add(fields, 0, wxALL, 8);
    page->SetSizer(sizer);
    return page;
}

wxWindow* CViewSetDlg::MakeDisplayPage()
{
    auto* page = new wxPanel(tabs_);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    wxStaticBoxSizer* group = nullptr;
    std::size_t index = 0;
    for (const SwitchRow& row : SWITCHES) {
        wxStaticBoxSizer* box = GroupSizer(page, row.group, group, sizer);
        switches_[index] = new wxCheckBox(box->GetStaticBox(), row.id, row.label);
        box->Add(switches_[index++], 0, wxALL, 2);
    }
    wxStaticBoxSizer* axis = GroupSizer(page, " Coordinate Axis ", group, sizer);
    switches_[index] = new wxCheckBox(axis->GetStaticBox(), AXIS_SWITCH_ID, "Diaplay");
    axis->Add(switches_[index], 0, wxALL, 2);
    page->SetSizer(sizer);
    return page;
}

wxWindow* CViewSetDlg::MakeColourPage()
{
    auto* page = new wxPanel(tabs_);
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    wxStaticBoxSizer* group = nullptr;
    for (const ColourRow& row : COLOUR_ROWS) {
        wxStaticBoxSizer* box = GroupSizer(page, row.group, group, sizer);
        auto* line = new wxBoxSizer(wxHORIZONTAL);
        auto* well = new wxColourPickerCtrl(box->GetStaticBox(), row.id);
        line->Add(well, 0, wxRIGHT, 6);
        line->Add(new wxStaticText(box->GetStaticBox(), wxID_ANY, row.label), 0, wxALIGN_CENTER_VERTICAL);
        box->Add(line, 0, wxALL, 2);
        colours_[row.slot] = well;
        const ViewSetColour slot = row.slot;
        // A picked colour goes into the record at once, as the well reports it.
        well->Bind(wxEVT_COLOURPICKER_CHANGED,
                   [this, slot](wxColourPickerEvent& event) { record_.colours[slot] = FromWx(event.GetColour()); });
    }
    page->SetSizer(sizer);
    return page;
}

void CViewSetDlg::LoadPages()
{
    tolerance_->ChangeValue(RealFieldText(record_.tolerance));
    angleStep_->ChangeValue(RealFieldText(record_.angleStep));
    force_->SetSelection(record_.forceUnit);
    length_->SetSelection(record_.lengthUnit);
    for (std::size_t i = 0; i < std::size(SWITCHES); ++i)
        switches_[i]->SetValue(record_.*SWITCHES[i].field);
    switches_.back()->SetValue(record_.coordinateAxis != 0);
    for (int slot = 0; slot < VIEWSET_COLOUR_COUNT; ++slot)
        colours_[slot]->SetColour(ToWx(record_.colours[slot]));
}

bool CViewSetDlg::SavePages()
{
    double tolerance = 0.0;
    double angleStep = 0.0;
    for (auto [field, value] : {std::pair{tolerance_, &tolerance}, std::pair{angleStep_, &angleStep}}) {
        if (!ReadRealField(field->GetValue().utf8_string(), *value, boxes_)) {
            field->SetFocus();
            return false;
        }
    }
    record_.tolerance = tolerance;
    record_.angleStep = angleStep;
    record_.forceUnit = force_->GetSelection();
    record_.lengthUnit = length_->GetSelection();
    for (std::size_t i = 0; i < std::size(SWITCHES); ++i)
        record_.*SWITCHES[i].field = switches_[i]->GetValue();
    record_.coordinateAxis = switches_.back()->GetValue() ? 1 : 0;
    return true;
}

bool CViewSetDlg::ApplySettings()
{
    if (!SavePages())
        return false;
    view_.ApplyViewSettings(record_);
    T_VIEWSET_D current;
    view_.GetViewSettings(current);
    record_.tolerance = current.tolerance;
    LoadPages();
    return true;
}

void CViewSetDlg::OnApply(wxCommandEvent&)
{
    ApplySettings();
}

void CViewSetDlg::OnOk(wxCommandEvent&)
{
    if (ApplySettings())
        EndDialog(wxID_OK);
}
