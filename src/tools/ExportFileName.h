#pragma once
// The file an export dialog's Apply writes, from its file-name field and the
// file chosen with "...".

#include "tools/DialogForm.h"

#include <string>
#include <vector>

class CToolForm;
class IMessageBoxPort;

struct ExportFile {
    std::string path;  // empty: no file designated
    bool typed = false;  // not passed through the chooser's overwrite question
};

// The chosen file counts while the field still shows its path. Otherwise a
// name typed into the field counts: the default extension is added when it
// has none, a bare name goes beside the chosen file (else into the working
// folder), and the path is made absolute so the output line says where the
// file went.
ExportFile ExportFileFromField(const std::string& fieldText, const std::string& chosenPath,
                               const std::string& defaultExtension);

// A typed name of an existing file asks before replacing it, as the chooser
// does for a chosen one; false when the user keeps the file.
bool ConfirmExportFile(const ExportFile& file, IMessageBoxPort& boxes);

// The width of the File Name field, the same on every export page: room for
// a file's name, which the field shows after "...".
constexpr int EXPORT_FILE_NAME_WIDTH = 150;

// The file-name row of an export dialog's layout: the "File Name" label
// above the field, and "..." beside the field.
std::vector<DialogItem> ExportFileItems(int fieldId, int browseId);

// The file-name field of an export dialog's form with the file chosen for
// it: "..." shows the whole path of the chosen file in the field, and the
// field, typed over or not, names the file Apply writes.
class ExportFileField {
public:
    // The field is the form's text field of that control.
    ExportFileField(CToolForm& form, int fieldId);

    // "...": the save-file chooser of the form's context; a cancel changes nothing.
    void Browse(const std::string& filter, const std::string& defaultExtension, const std::string& offeredName);
    // No file chosen, an empty field.
    void Forget();
    const std::string& ChosenPath() const { return chosenPath_; }
    // The file Apply writes; a typed name without an extension gets the
    // default one.
    ExportFile Target(const std::string& defaultExtension) const;

private:
    CToolForm& form_;
    int fieldId_;
    std::string chosenPath_;
};
