// The toolkit complains of nothing while the program's frame opens, a page
// of each kind opens and closes in the workspace and the window is made small
// and large again: no critical (a box given less room than its parts need), no
// warning (a control drawn at a negative size, such as a tab drawn before the
// notebook has laid it out); nor while the main window quits.

#include "program_on_screen.h"
#include "view/support/ToolkitComplaints.h"

#include "frame/MainFrame.h"
#include "frame/OutputWindow.h"
#include "frame/ProjectWorkspace.h"
#include "frame/TabCtrlBase.h"
#include "frame/ToolPage.h"
#include "frame/ToolPageTable.h"
#include "frame/ToolRegistry.h"
#include "frame/ToolbarTable.h"

#include <gmock/gmock.h>
#include <wx/app.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <string>

namespace {

class ToolkitLogOnScreen : public ProgramOnScreen {
protected:
    // The Output window given a line wider than it, then asked to scroll to
    // the line's other end, however it shows the line now; returns as soon
    // as the scroll has begun, which the toolkit runs over a while.
    void BeginScrollingTheOutputWindow()
    {
        COutputControlWnd& output = Frame().Output();
        ASSERT_TRUE(RunEventsUntil([&] { return SizedAsGiven(output); }));
        output.AddMessage(std::string(500, 'x'));
        // The text control is a text view in a scrolled window.
        ASSERT_EQ(output.GetChildren().size(), 1u);
        GtkWidget* scrolled = output.GetChildren()[0]->GetHandle();
        GtkTextView* text = GTK_TEXT_VIEW(gtk_bin_get_child(GTK_BIN(scrolled)));
        GtkAdjustment* across = gtk_scrolled_window_get_hadjustment(GTK_SCROLLED_WINDOW(scrolled));
        const auto farthest = [across] {
            return gtk_adjustment_get_upper(across) - gtk_adjustment_get_page_size(across);
        };
        ASSERT_TRUE(RunEventsUntil([&] { return farthest() > 0; })) << "the line is not wider than the window";
        const double from = gtk_adjustment_get_value(across);
        GtkTextBuffer* buffer = gtk_text_view_get_buffer(text);
        GtkTextIter place;
        if (from < farthest() / 2)
            gtk_text_buffer_get_end_iter(buffer, &place);
        else
            gtk_text_buffer_get_start_iter(buffer, &place);
        gtk_text_view_scroll_to_mark(text, gtk_text_buffer_create_mark(buffer, nullptr, &place, FALSE), 0, FALSE, 0, 0);
        ASSERT_TRUE(RunEventsUntil([&] { return gtk_adjustment_get_value(across) != from; }));
    }
};

TEST_F(ToolkitLogOnScreen, TheFramePagesOfEachKindAndResizingRaiseNoToolkitComplaint)
{
    const ToolkitComplaints complaints;
    ASSERT_TRUE(Start("KLX 1"));
    CProjectWorkspace& workspace = Frame().Workspace();
    ASSERT_TRUE(RunEventsUntil([&] { return SizedAsGiven(Frame()) && SizedAsGiven(workspace.Tabs()); }));
    for (const ToolPageShell& shell : ToolPageShells()) {
        const std::vector<ToolPageRow>& rows = app->Tools().Page(shell.kind).rows;
        const auto row = std::find_if(rows.begin(), rows.end(),
                                      [](const ToolPageRow& candidate) { return candidate.dialog.makeDialog != nullptr; });
        ASSERT_NE(row, rows.end()) << shell.title;
        // The tab opens (the last one closing) and, before the event loop
        // has laid anything out, the status bar takes the pointer's
        // coordinates, which it paints at once.
        workspace.ShowTool(shell.kind, shell.baseId + static_cast<int>(row - rows.begin()));
        Frame().SetPaneText(STATUS_PANE_GCS, " GCS: (0.000,0.000)");
        Settle();
        ASSERT_NE(workspace.OpenPageWindow(), nullptr) << shell.title;
        ASSERT_TRUE(RunEventsUntil([&] { return SizedAsGiven(*workspace.OpenPageWindow()); })) << shell.title;
    }
    // Smaller than the window may be made, then large again; the last page
    // stays open.
    for (const wxSize size : {wxSize(200, 150), wxSize(1100, 800)}) {
        ASSERT_TRUE(ShowFrameAt(size)) << size.x << "x" << size.y;
        // A control given less than it needs is laid out larger than asked:
        // then the complaints tell why.
        EXPECT_TRUE(RunEventsUntil([&] {
            return SizedAsGiven(workspace.Tabs()) && SizedAsGiven(*workspace.OpenPageWindow());
        })) << size.x << "x" << size.y;
    }
    // A new project closes the page's tab.
    Command(CMD_FILE_NEW);
    EXPECT_EQ(workspace.OpenPageWindow(), nullptr);
    EXPECT_THAT(complaints.Heard(), testing::IsEmpty());
}

// The main window quits under the window manager while the Output window
// still scrolls: the text control goes without a complaint.
TEST_F(ToolkitLogOnScreen, QuittingWhileTheOutputWindowScrollsRaisesNoToolkitComplaint)
{
    ASSERT_TRUE(Start("KLX 1"));
    const ToolkitComplaints complaints;
    ASSERT_NO_FATAL_FAILURE(BeginScrollingTheOutputWindow());
    Frame().Close(true);
    wxTheApp->ProcessIdle();
    ASSERT_EQ(app->Frame(), nullptr);
    EXPECT_THAT(complaints.Heard(), testing::IsEmpty());
}

}  // namespace
