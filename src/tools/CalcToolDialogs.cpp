#include "tools/CalcToolDialogs.h"

#include "frame/LabelFitButton.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/sizer.h>
#include <wx/slider.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

namespace {

constexpr int FIELD_WIDTH = 90;

// A radio per label, the first starting the group, each telling `chosen`
// its index when clicked.
template <class Chosen>
std::vector<wxRadioButton*> AddRadioGroup(wxWindow* parent, wxSizer* sizer, const std::vector<RadioChoice>& labels,
                                          Chosen chosen)
{
    std::vector<wxRadioButton*> radios;
    for (size_t index = 0; index < labels.size(); ++index) {
        auto* radio = new wxRadioButton(parent, labels[index].controlId, labels[index].label, wxDefaultPosition,
                                        wxDefaultSize, index == 0 ? wxRB_GROUP : 0);
        radio->Bind(wxEVT_RADIOBUTTON, [chosen, index](wxCommandEvent&) { chosen(static_cast<int>(index)); });
        sizer->Add(radio, 0, wxALL, 3);
        radios.push_back(radio);
    }
    return radios;
}

void ShowChosenRadio(const std::vector<wxRadioButton*>& radios, int chosen)
{
    if (chosen >= 0 && static_cast<size_t>(chosen) < radios.size())
        radios[static_cast<size_t>(chosen)]->SetValue(true);
}

}  // namespace

const std::vector<RadioChoice>& PropertyRadios()
{
    static const std::vector<RadioChoice> radios = {
        {1397, "Effective Area"},          {1402, "Asx (Shear Area)"},         {1403, "Asy (Shear Area)"},
        {1398, "Ixx (Moment of Inertia)"}, {1399, "Iyy (Moment of Inertia)"}, {1400, "Ixy (Product of Inertia)"},
        {1401, "J (Torsion Constant)"},
    };
    return radios;
}

CAToolCalc::CAToolCalc(wxWindow* parent, CalcForm& form, ToolPageContext& context)
    : CToolDialogPanel(parent, form, context), form_(form)
{
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, " Plane Section ");
    wxWindow* box = group->GetStaticBox();
    density_ = new wxRadioButton(box, ID_CALC_MESH_DENSITY, "Mesh Density", wxDefaultPosition, wxDefaultSize,
                                 wxRB_GROUP);
    group->Add(density_, 0, wxALL, 3);
    slider_ = new wxSlider(box, ID_CALC_SLIDER, 3, CalcForm::COARSEST, CalcForm::FINEST, wxDefaultPosition,
                           wxSize(150, -1), wxSL_HORIZONTAL | wxSL_AUTOTICKS | wxSL_TOP);
    group->Add(slider_, 0, wxEXPAND | wxLEFT | wxRIGHT, 12);
    auto* ends = new wxBoxSizer(wxHORIZONTAL);
    ends->Add(new wxStaticText(box, ID_CALC_COARSE, "Coarse"));
    ends->AddStretchSpacer();
    ends->Add(new wxStaticText(box, ID_CALC_FINE, "Fine"));
    group->Add(ends, 0, wxEXPAND | wxLEFT | wxRIGHT, 12);
    auto* sizeRow = new wxBoxSizer(wxHORIZONTAL);
    size_ = new wxRadioButton(box, ID_CALC_MESH_SIZE_MODE, "Mesh Size");
    sizeRow->Add(size_, 0, wxALIGN_CENTER_VERTICAL | wxRIGHT, 6);
    sizeRow->Add(new wxTextCtrl(box, ID_CALC_MESH_SIZE, wxEmptyString, wxDefaultPosition, wxSize(FIELD_WIDTH, -1),
                                wxTE_RIGHT));
    group->Add(sizeRow, 0, wxALL, 3);

    pause_ = new wxCheckBox(this, ID_CALC_PAUSE, "Pause after Each Calc.");
    recalculate_ = new wxCheckBox(this, ID_CALC_RECALCULATE, "Re-calculate");
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(group, 0, wxEXPAND | wxALL, 4);
    sizer->Add(pause_, 0, wxALL, 4);
    sizer->Add(recalculate_, 0, wxALL, 4);
    SetSizerAndFit(sizer);

    density_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { form_.SetMeshMode(MESH_BY_DENSITY); });
    size_->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { form_.SetMeshMode(MESH_BY_SIZE); });
    slider_->Bind(wxEVT_SLIDER, [this](wxCommandEvent&) { form_.densityLevel = slider_->GetValue(); });
    pause_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { form_.pauseAfterEach = pause_->GetValue(); });
    recalculate_->Bind(wxEVT_CHECKBOX, [this](wxCommandEvent&) { form_.recalculate = recalculate_->GetValue(); });
    form_.SetChoicesObserver([this] { ResetControls(); });
}

CAToolCalc::~CAToolCalc()
{
    form_.SetChoicesObserver(nullptr);
}

// The form's choices, at the start and after the form reset them.
void CAToolCalc::ResetControls()
{
    (form_.MeshMode() == MESH_BY_SIZE ? size_ : density_)->SetValue(true);
    slider_->SetValue(form_.densityLevel);
    pause_->SetValue(form_.pauseAfterEach);
    recalculate_->SetValue(form_.recalculate);
    EnableControls({ID_CALC_SLIDER, ID_CALC_COARSE, ID_CALC_FINE}, form_.DensityEnabled());
}

CAToolDisp::CAToolDisp(wxWindow* parent, DisplayForm& form, ToolPageContext& context)
    : CToolDialogPanel(parent, form, context), form_(form)
{
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, " Result ");
    radios_ = AddRadioGroup(group->GetStaticBox(), group, PropertyRadios(),
                            [this](int index) { form_.Choose(index); });
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(group, 0, wxEXPAND | wxALL, 4);
    SetSizerAndFit(sizer);
    form_.SetChoicesObserver([this] { ResetControls(); });
}

CAToolDisp::~CAToolDisp()
{
    form_.SetChoicesObserver(nullptr);
}

void CAToolDisp::ResetControls()
{
    ShowChosenRadio(radios_, form_.Chosen());
}

CAToolExport::CAToolExport(wxWindow* parent, ExportForm& form, ToolPageContext& context)
    : CToolDialogPanel(parent, form, context), form_(form)
{
    auto* group = new wxStaticBoxSizer(wxVERTICAL, this, " Export ");
    wxWindow* box = group->GetStaticBox();
    group->Add(new wxStaticText(box, wxID_ANY, "File Name"), 0, wxLEFT | wxTOP, 3);
    auto* nameRow = new wxBoxSizer(wxHORIZONTAL);
    nameRow->Add(new wxTextCtrl(box, ID_CALC_EXPORT_FILE_NAME, wxEmptyString, wxDefaultPosition,
                                wxSize(EXPORT_FILE_NAME_WIDTH, -1), wxTE_RIGHT),
                 0, wxALIGN_CENTER_VERTICAL);
    wxButton* browse = NewLabelFitButton(box, ID_CALC_EXPORT_BROWSE, "...");
    nameRow->Add(browse, 0, wxLEFT, 4);
    group->Add(nameRow, 0, wxEXPAND | wxALL, 3);
    std::vector<RadioChoice> labels;
    const int ids[PROPERTY_EXPORT_FORMAT_COUNT] = {ID_EXPORT_PYLOR, ID_EXPORT_ZOL, ID_EXPORT_TEXT};
    for (int format = 0; format < PROPERTY_EXPORT_FORMAT_COUNT; ++format)
        labels.push_back({ids[format], PropertyExportFormatOf(format).label});
    radios_ = AddRadioGroup(box, group, labels, [this](int format) { form_.SetFormat(format); });
    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(group, 0, wxEXPAND | wxALL, 4);
    SetSizerAndFit(sizer);
    browse->Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { form_.Browse(); });
    form_.SetChoicesObserver([this] { ResetControls(); });
}

CAToolExport::~CAToolExport()
{
    form_.SetChoicesObserver(nullptr);
}

void CAToolExport::ResetControls()
{
    ShowChosenRadio(radios_, form_.Format());
}
