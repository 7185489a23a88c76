#pragma once
// The Curve page in the real program: the fixture of its on-screen tests,
// with typing, Apply, clicks in the view and looks at the drawn picture.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/ProjectWorkspace.h"
#include "frame/ToolDialogPanel.h"
#include "frame/ToolPage.h"
#include "frame/ToolbarTable.h"
#include "tools/DialogForm.h"
#include "view/TarvokrtView.h"

#include <wx/aui/auibar.h>
#include <wx/textctrl.h>

class CurvePageOnScreen : public ProgramOnScreen {
protected:
    CToolPage* Page() { return Frame().Workspace().OpenPageWindow(); }
    wxWindow* Control(int id)
    {
        CToolPage* page = Page();
        return page && page->ShownDialog() ? page->ShownDialog()->FindWindow(id) : nullptr;
    }
    // Types the text into the dialog's edit as the user would.
    void Type(int id, const std::string& text)
    {
        auto* edit = dynamic_cast<wxTextCtrl*>(Control(id));
        ASSERT_NE(edit, nullptr) << id;
        edit->SetValue(wxString::FromUTF8(text));
        Settle();
    }
    void PressApply()
    {
        wxWindow* apply = Page()->FindWindow(ShellOf(ToolPageKind::Curve).applyId);
        ASSERT_NE(apply, nullptr);
        wxCommandEvent click(wxEVT_BUTTON, apply->GetId());
        click.SetEventObject(apply);
        apply->GetEventHandler()->AddPendingEvent(click);
        Settle();
    }
    CDialogForm& ShownForm() { return static_cast<CDialogForm&>(Page()->ShownDialog()->Form()); }

    // A 10 x 10 grid of 100 shown and snapped to, the view fitted to it.
    void SnapToTheGrid()
    {
        Model().m_gridSize = 100.0;
        Model().m_gridCountX = 10;
        Model().m_gridCountY = 10;
        View().RebuildScene();
        View().ZoomFit();
        View().m_gridDisplay = 1;
        View().m_gridSnap = 1;
        View().m_pointSnap = 0;
        Settle();
    }
    // A click a pixel off the grid node at (x, y).
    void ClickNear(double x, double y)
    {
        const wxPoint at = ClientOf(x, y) + wxPoint(1, -1);
        for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
            wxMouseEvent event(type);
            event.SetEventObject(&View());
            event.SetPosition(at);
            event.m_leftDown = type == wxEVT_LEFT_DOWN;
            wxPostEvent(View().GetEventHandler(), event);
            Settle();
        }
    }
    // The model points of a curve.
    std::vector<PlanePoint> CurvePoints(int curveId)
    {
        std::vector<PlanePoint> points;
        for (int id : Model().m_curves.at(curveId)->pointIds)
            points.push_back({Model().m_points.at(id)->xy[0], Model().m_points.at(id)->xy[1]});
        return points;
    }
    // Dark pixels of the view's picture within two pixels of a point.
    int DarkAround(const wxPoint& at)
    {
        const std::string path = (folder / "around.bmp").string();
        wxImage shot;
        if (!View().ExportBitmap(path) || !shot.LoadFile(path, wxBITMAP_TYPE_BMP))
            return -1;
        int dark = 0;
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx) {
                const int x = at.x + dx;
                const int y = at.y + dy;
                if (x >= 0 && y >= 0 && x < shot.GetWidth() && y < shot.GetHeight())
                    dark += shot.GetRed(x, y) < 80 && shot.GetGreen(x, y) < 80 && shot.GetBlue(x, y) < 80;
            }
        }
        return dark;
    }
};
