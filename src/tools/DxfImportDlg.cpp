#include "tools/DxfImportDlg.h"

#include "frame/DialogNumbers.h"
#include "frame/LabelFitButton.h"
#include "model/TextFormat.h"
#include "model/UserPorts.h"
#include "tools/ModalDialogParts.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/filedlg.h>
#include <wx/sizer.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <filesystem>

namespace {

std::string ChooseDxfFile(wxWindow* parent)
{
    wxFileDialog dialog(parent, "Open", wxEmptyString, wxEmptyString, wxString::FromUTF8(DxfFileWildcard()),
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    return dialog.ShowModal() == wxID_OK ? dialog.GetPath().utf8_string() : std::string();
}

// Shows the end of the path, where the file's name is.
void ShowPath(wxTextCtrl& field, const std::string& path)
{
    field.ChangeValue(wxString::FromUTF8(path));
    field.SetInsertionPointEnd();
}

}  // namespace

std::string DxfFileWildcard()
{
    // The toolkit's file dialog matches patterns case by case, and drawings
    // come as .dxf and .DXF alike.
    return "AutoCAD DXF Files (*.dxf)|*.[dD][xX][fF]";
}

void DxfImportForm::Choose(const std::string& path)
{
    chosenPath_ = path;
    fileTitle_ = std::filesystem::path(path).stem().string();
}

bool DxfImportForm::Browse(const std::string& pickedPath)
{
    if (pickedPath.empty())
        return false;
    Choose(pickedPath);
    return true;
}

DxfImportFields DxfImportForm::InitialFields() const
{
    return DxfImportFields{chosenPath_, RealFieldText(tx_), RealFieldText(ty_), RealFieldText(rz_),
                           activateImportedOnly_};
}

std::optional<int> DxfImportForm::Accept(const DxfImportFields& fields, IMessageBoxPort& boxes)
{
    double rz = 0.0;
    double tx = 0.0;
    double ty = 0.0;
    const std::optional<int> refused = ReadNumberFields(
        {{fields.rz, &rz, ID_DXF_RZ}, {fields.tx, &tx, ID_DXF_TX}, {fields.ty, &ty, ID_DXF_TY}}, boxes);
    if (refused)
        return refused;
    // What the field shows is what is imported, whether typed or browsed.
    const std::string path(TrimmedText(fields.path));
    if (path.empty()) {
        boxes.ShowMessage(BoxKind::Information, "File name is not designated.");
        return ID_DXF_FILE_NAME;
    }
    Choose(path);
    rz_ = rz;
    tx_ = tx;
    ty_ = ty;
    activateImportedOnly_ = fields.activateImportedOnly;
    return std::nullopt;
}

CImportDXFDlg::CImportDXFDlg(wxWindow* parent, IMessageBoxPort& boxes)
    : CDlgMove(parent, "Import AutoCAD DXF"), boxes_(boxes), chooseFile_(ChooseDxfFile)
{
    const DxfImportFields initial = form_.InitialFields();

    auto* file = new wxStaticBoxSizer(wxHORIZONTAL, this, " DXF File Name ");
    path_ = new wxTextCtrl(file->GetStaticBox(), ID_DXF_FILE_NAME, wxEmptyString, wxDefaultPosition,
                           wxSize(260, -1), wxTE_RIGHT);
    ShowPath(*path_, initial.path);
    file->Add(path_, 1, wxALIGN_CENTER_VERTICAL | wxALL, 4);
    file->Add(NewLabelFitButton(file->GetStaticBox(), ID_DXF_BROWSE, "..."), 0, wxALIGN_CENTER_VERTICAL | wxALL, 4);

    auto* translation = new wxStaticBoxSizer(wxHORIZONTAL, this, " Translation ");
    tx_ = new wxTextCtrl(translation->GetStaticBox(), ID_DXF_TX, initial.tx, wxDefaultPosition, wxDefaultSize,
                         wxTE_RIGHT);
    ty_ = new wxTextCtrl(translation->GetStaticBox(), ID_DXF_TY, initial.ty, wxDefaultPosition, wxDefaultSize,
                         wxTE_RIGHT);
    translation->Add(new wxStaticText(translation->GetStaticBox(), wxID_ANY, "Tx"), 0,
                     wxALIGN_CENTER_VERTICAL | wxALL, 4);
    translation->Add(tx_, 1, wxALL, 4);
    translation->Add(new wxStaticText(translation->GetStaticBox(), wxID_ANY, "Ty"), 0,
                     wxALIGN_CENTER_VERTICAL | wxALL, 4);
    translation->Add(ty_, 1, wxALL, 4);

    auto* rotation = new wxStaticBoxSizer(wxHORIZONTAL, this, " Rotation ");
    rz_ = new wxTextCtrl(rotation->GetStaticBox(), ID_DXF_RZ, initial.rz, wxDefaultPosition, wxDefaultSize,
                         wxTE_RIGHT);
    rotation->Add(new wxStaticText(rotation->GetStaticBox(), wxID_ANY, "Rz"), 0, wxALIGN_CENTER_VERTICAL | wxALL,
                  4);
    rotation->Add(rz_, 1, wxALL, 4);

    activateImportedOnly_ = new wxCheckBox(this, ID_DXF_ACTIVATE_IMPORTED, "Activate the imported only");
    activateImportedOnly_->SetValue(initial.activateImportedOnly);

    auto* sizer = new wxBoxSizer(wxVERTICAL);
    sizer->Add(file, 0, wxEXPAND | wxALL, 6);
    sizer->Add(translation, 0, wxEXPAND | wxLEFT | wxRIGHT, 6);
    sizer->Add(rotation, 0, wxEXPAND | wxALL, 6);
    sizer->Add(activateImportedOnly_, 0, wxLEFT | wxRIGHT, 10);
    sizer->Add(OkCancelButtons(this), 0, wxEXPAND | wxALL, 6);
    SetSizerAndFit(sizer);
    Bind(wxEVT_BUTTON, &CImportDXFDlg::OnBrowse, this, ID_DXF_BROWSE);
    Bind(wxEVT_BUTTON, &CImportDXFDlg::OnOk, this, wxID_OK);
    CentreOnParent();
}

DxfImportFields CImportDXFDlg::Fields() const
{
    return DxfImportFields{path_->GetValue().utf8_string(), tx_->GetValue().utf8_string(),
                           ty_->GetValue().utf8_string(), rz_->GetValue().utf8_string(),
                           activateImportedOnly_->GetValue()};
}

bool CImportDXFDlg::AcceptFields()
{
    return TakenOrFocused(*this, form_.Accept(Fields(), boxes_));
}

void CImportDXFDlg::OnBrowse(wxCommandEvent&)
{
    if (form_.Browse(chooseFile_(this)))
        ShowPath(*path_, form_.ChosenPath());
}

void CImportDXFDlg::OnOk(wxCommandEvent&)
{
    if (AcceptFields())
        EndModal(wxID_OK);
}
