#include "tools/DxfImportCommand.h"

#include "commands/CommandRollback.h"
#include "frame/TarvokrtDoc.h"
#include "tools/DxfImportDlg.h"
#include "view/TarvokrtView.h"

#include <wx/utils.h>

#include <vector>

namespace {

// Selects what the read made and activates only that. Without anything made
// the view stays as it is: activating an empty choice would hide everything.
void ActivateImportedOnly(CTarvokrtDoc& document, CTarvokrtView& view)
{
    std::vector<int> points;
    std::vector<int> curves;
    document.GetModel()->GetNewcomerPoints(points);
    document.GetModel()->GetNewcomerCurves(curves);
    if (points.empty() && curves.empty())
        return;
    CScene& scene = *view.GetScene();
    scene.ClearActiveSets();
    scene.ClearCombinedSelection();
    scene.SelectPoints(points);
    scene.SelectCurves(curves);
    view.OnActivate();
}

}  // namespace

void ImportDxfIntoProject(CTarvokrtDoc& document, CTarvokrtView& view, const DxfImportRequest& request)
{
    if (request.path.empty())
        return;
    // A file the reader refused (after its own message) leaves no trace: no
    // question, no empty group, no undo step, and the redo store as it was.
    CommandRollback rollback(*document.GetModel());
    if (!document.BeginDxfImport())
        return;
    bool read = false;
    {
        wxBusyCursor wait;
        read = document.ImportDxf(request.path, request.offset, request.rotation);
    }
    if (!read)
        return;
    rollback.Commit();
    if (request.activateImportedOnly)
        ActivateImportedOnly(document, view);
    document.FinishDxfImport(request.name);
}

void RunDxfImportCommand(wxWindow* parent, CTarvokrtDoc& document, CTarvokrtView& view, IMessageBoxPort& boxes)
{
    DxfImportRequest request;
    {
        CImportDXFDlg dialog(parent, boxes);
        if (dialog.ShowModal() != wxID_OK)
            return;
        const DxfImportForm& form = dialog.Form();
        request = DxfImportRequest{form.ChosenPath(), form.FileTitle(), {form.Tx(), form.Ty()}, form.Rz(),
                                   form.ActivateImportedOnly()};
    }
    ImportDxfIntoProject(document, view, request);
}
