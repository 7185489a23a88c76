#pragma once
// The file an export page's Apply writes, from its file-name field and the
// file chosen with "...".

#include <string>

class IMessageBoxPort;

struct ExportFile {
    std::string path;  // empty: no file designated
    bool typed = false;  // not passed through the chooser's overwrite question
};

// The chosen file counts while the field still shows its name. Otherwise a
// name typed into the field counts: the format's extension is added when it
// has none, a bare name goes beside the chosen file (else into the working
// folder), and the path is made absolute so the output line says where the
// file went.
ExportFile ExportFileFromField(const std::string& fieldText, const std::string& chosenPath,
                               const std::string& defaultExtension);

// A typed name of an existing file asks before replacing it, as the chooser
// does for a chosen one; false when the user keeps the file.
bool ConfirmExportFile(const ExportFile& file, IMessageBoxPort& boxes);
