#pragma once
// File > Import > AutoCAD DXF: the import dialog, then the import through the
// document in its three steps, with the imported entities made the only
// active ones between the read and the finish when the dialog asks for it.

#include <string>

class CTarvokrtDoc;
class CTarvokrtView;
class IMessageBoxPort;
class wxWindow;

struct DxfImportRequest {
    std::string path;
    std::string name;  // the import's group is "DXF:" followed by it
    double offset[2] = {0.0, 0.0};
    double rotation = 0.0;  // degrees
    bool activateImportedOnly = false;
};

void RunDxfImportCommand(wxWindow* parent, CTarvokrtDoc& document, CTarvokrtView& view, IMessageBoxPort& boxes);

// The import once the dialog is confirmed. A read that fails is taken back
// whole; the finish step runs only after a read that succeeded.
void ImportDxfIntoProject(CTarvokrtDoc& document, CTarvokrtView& view, const DxfImportRequest& request);
