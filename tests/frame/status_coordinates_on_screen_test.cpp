// The status bar of the real program shows the view's coordinates of the
// cursor whole in their two panes, for a coordinate of the drawing's usual
// size, in a window as wide as a large screen and in the narrowest one.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "view/TarvokrtView.h"

#include <wx/statusbr.h>

#include <gtk/gtk.h>

#include <utility>

namespace {

class StatusCoordinatesOnScreen : public ProgramOnScreen {
protected:
    int paints = 0;
};

TEST_F(StatusCoordinatesOnScreen, TheCoordinatePanesShowTheCursorsCoordinatesWhole)
{
    ASSERT_TRUE(Start("KLX 1"));
    wxStatusBar& status = *Frame().GetStatusBar();
    status.Bind(wxEVT_PAINT, [this](wxPaintEvent& event) {
        ++paints;
        event.Skip();
    });
    for (const int width : {1280, Frame().GetMinSize().x}) {
        ASSERT_TRUE(ShowFrameAt(wxSize(width, 700), [&status] {
            return gtk_widget_get_allocated_width(status.GetHandle()) == status.GetSize().x;
        })) << width;
        ASSERT_EQ(Frame().GetSize().x, width);
        View().m_snappedPoint[0] = -1234.5;
        View().m_snappedPoint[1] = -1234.5;
        View().ShowCursorCoordinates();
        // The bar tells, as it paints a pane, whether it had to cut the text.
        paints = 0;
        status.Refresh();
        ASSERT_TRUE(RunEventsUntil([this] { return paints > 0; })) << width;
        for (const auto& [pane, text] : {std::pair{1, " UCS: (-1234.500,-1234.500)"}, std::pair{2, " GCS: (-1234.500,-1234.500)"}}) {
            ASSERT_EQ(status.GetStatusText(pane), text);
            wxRect room;
            status.GetFieldRect(pane, room);
            EXPECT_FALSE(status.GetField(pane).IsEllipsized())
                << "in a window " << width << " wide the pane " << room.width << " wide cuts \""
                << status.GetStatusText(pane).utf8_string() << "\"";
        }
    }
}

}  // namespace
