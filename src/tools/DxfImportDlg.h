#pragma once
// The "Import AutoCAD DXF" dialog: the drawing to import, a translation and a
// rotation to place it with, and whether only the imported entities stay
// active. DxfImportForm holds what the dialog decides; the window is a thin
// layer over it.

#include "frame/DlgBases.h"

#include <functional>
#include <optional>
#include <string>

class IMessageBoxPort;
class wxCheckBox;
class wxTextCtrl;

enum DxfImportControl {
    ID_DXF_BROWSE = 1153,
    ID_DXF_TX = 1154,
    ID_DXF_TY = 1155,
    ID_DXF_RZ = 1156,
    ID_DXF_FILE_NAME = 1157,
    ID_DXF_ACTIVATE_IMPORTED = 1158,
};

// The texts of the dialog's fields and the state of its check box.
struct DxfImportFields {
    std::string path;
    std::string tx;
    std::string ty;
    std::string rz;
    bool activateImportedOnly = false;
};

class DxfImportForm {
public:
    // A file picked with the browse button. An empty path (the file dialog
    // cancelled) changes nothing and gives false; else the name field is to
    // show the chosen path.
    bool Browse(const std::string& pickedPath);

    // The fields as the dialog opens.
    DxfImportFields InitialFields() const;

    // OK: reads the fields, the path field as typed or as browsed alike. On a
    // text that is not a number, or without a file name, the user is told and
    // the control to correct is returned; the dialog then stays open.
    std::optional<int> Accept(const DxfImportFields& fields, IMessageBoxPort& boxes);

    const std::string& ChosenPath() const { return chosenPath_; }
    // The chosen file's name without folder and extension: the name of the
    // import's group.
    const std::string& FileTitle() const { return fileTitle_; }
    double Tx() const { return tx_; }
    double Ty() const { return ty_; }
    double Rz() const { return rz_; }
    bool ActivateImportedOnly() const { return activateImportedOnly_; }

private:
    void Choose(const std::string& path);

    std::string chosenPath_;
    std::string fileTitle_;
    double rz_ = 0.0;
    double tx_ = 0.0;
    double ty_ = 0.0;
    bool activateImportedOnly_ = false;
};

// The file dialog's wildcard: DXF files whatever the case of the extension.
std::string DxfFileWildcard();

class CImportDXFDlg : public CDlgMove {
public:
    // Asks for a file to open; empty when the user cancels.
    using FileChooser = std::function<std::string(wxWindow* parent)>;

    CImportDXFDlg(wxWindow* parent, IMessageBoxPort& boxes);

    // OK's work: false, with the dialog left open, when the form refuses the
    // fields.
    bool AcceptFields();

    DxfImportForm& Form() { return form_; }
    // Tests pick files without a file dialog.
    void SetFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

private:
    DxfImportFields Fields() const;
    void OnBrowse(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    IMessageBoxPort& boxes_;
    DxfImportForm form_;
    FileChooser chooseFile_;
    wxTextCtrl* path_ = nullptr;
    wxTextCtrl* tx_ = nullptr;
    wxTextCtrl* ty_ = nullptr;
    wxTextCtrl* rz_ = nullptr;
    wxCheckBox* activateImportedOnly_ = nullptr;
};
