// File > Print Setup, Print and Print Preview of the drawing view.

#include "view/TarvokrtView.h"
#include "view/ViewPrintout.h"

#include <wx/printdlg.h>
#include <wx/toplevel.h>

std::unique_ptr<CViewPrintout> CTarvokrtView::MakePrintout()
{
    CDibCapture picture;
    TakePicture(picture);
    return std::make_unique<CViewPrintout>(picture);
}

void CTarvokrtView::OnFilePrintSetup()
{
    wxPageSetupDialogData setup(printData_);
    wxPageSetupDialog dialog(this, &setup);
    if (dialog.ShowModal() == wxID_OK)
        printData_ = dialog.GetPageSetupDialogData().GetPrintData();
}

void CTarvokrtView::OnFilePrint()
{
    const std::unique_ptr<CViewPrintout> printout = MakePrintout();
    wxPrintDialogData dialogData(printData_);
    dialogData.SetMinPage(1);
    dialogData.SetMaxPage(1);
    wxPrinter printer(&dialogData);
    if (printer.Print(this, printout.get(), true))
        printData_ = printer.GetPrintDialogData().GetPrintData();
}

void CTarvokrtView::OnFilePrintPreview()
{
    std::unique_ptr<CViewPrintout> shown = MakePrintout();
    // The second printout serves the preview's own Print button.
    auto* printed = new CViewPrintout(shown->Picture());
    auto* preview = new wxPrintPreview(shown.release(), printed, &printData_);
    if (!preview->IsOk()) {
        delete preview;
        return;
    }
    auto* frame = new wxPreviewFrame(preview, wxGetTopLevelParent(this), "Print Preview");
    frame->Initialize();
    frame->Show();
}
