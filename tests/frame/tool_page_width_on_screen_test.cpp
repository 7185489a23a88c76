// Every tool page of the real program, with each of its dialogs shown, fits
// the project workspace as it first opens, on a large and on a small screen:
// nothing is cut off at its right edge, nothing needs the page to scroll
// sideways, every button, label and field shows its whole text in the room
// the toolkit gives that text, a coordinate field has room for a picked
// coordinate, the command drop-down shows every command's name whole,
// nothing stands under the drop-down, and "Apply" and "Close" show whole
// without scrolling, however long the dialog.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/ModelMenuTab.h"
#include "frame/ProjectWorkspace.h"
#include "frame/ToolDialogPanel.h"
#include "frame/ToolPage.h"
#include "frame/ToolPageTable.h"
#include "frame/ToolRegistry.h"
#include "frame/WindowPlacement.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <gtk/gtk.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <string>

namespace {

// A picked coordinate of the drawing's usual size: a coordinate field shows
// it whole.
const char* const USUAL_PICKED_COORDINATE = "-0000.000, -0000.000";

// The rightmost pixel of the shown windows under the window, in its client
// coordinates.
int RightmostShownEdge(const wxWindow& window)
{
    int right = 0;
    for (const wxWindow* child : window.GetChildren()) {
        if (!child->IsShown() || child->IsTopLevel())
            continue;
        const int left = child->GetPosition().x;
        right = std::max({right, left + child->GetSize().x, left + RightmostShownEdge(*child)});
    }
    return right;
}

// Calls `visit` for every shown window under the window, at any depth.
void ForEachShown(wxWindow& window, const std::function<void(wxWindow&)>& visit)
{
    for (wxWindow* child : window.GetChildren()) {
        if (!child->IsShown() || child->IsTopLevel())
            continue;
        visit(*child);
        ForEachShown(*child, visit);
    }
}

// Whether the toolkit has laid out every shown window under the page at the
// width the program gave it.
bool LaidOut(wxWindow& page)
{
    bool laidOut = true;
    ForEachShown(page, [&laidOut](wxWindow& control) {
        // The toolkit gives a window of no width one pixel.
        const int width = control.GetSize().x;
        laidOut = laidOut && (width == 0 || gtk_widget_get_allocated_width(control.GetHandle()) == width);
    });
    return laidOut;
}

// The width the toolkit gives a control's text on screen: an entry's text
// area; the label of a box; a label; the label of a button, radio button or
// check box and the text of a drop-down (the child they hold). -1 for other
// controls.
int TextRoom(const wxWindow& control)
{
    GtkWidget* widget = control.GetHandle();
    if (GTK_IS_ENTRY(widget)) {
        GdkRectangle area{};
        gtk_entry_get_text_area(GTK_ENTRY(widget), &area);
        return area.width;
    }
    GtkWidget* text = nullptr;
    if (GTK_IS_FRAME(widget))
        text = gtk_frame_get_label_widget(GTK_FRAME(widget));
    else if (GTK_IS_LABEL(widget))
        text = widget;
    else if (GTK_IS_BIN(widget))
        text = gtk_bin_get_child(GTK_BIN(widget));
    return text ? gtk_widget_get_allocated_width(text) : -1;
}

// The text a control shows in full when it fits: a text field's value, the
// label of a button, radio button, check box, box or label; nothing for
// other controls.
wxString ShownText(wxWindow& control)
{
    if (auto* field = dynamic_cast<wxTextCtrl*>(&control))
        return field->GetValue();
    if (dynamic_cast<wxButton*>(&control) || dynamic_cast<wxRadioButton*>(&control)
        || dynamic_cast<wxCheckBox*>(&control) || dynamic_cast<wxStaticText*>(&control)
        || dynamic_cast<wxStaticBox*>(&control))
        return static_cast<wxControl&>(control).GetLabelText();
    return {};
}

// Whether the dialog's form writes picked coordinates into the control.
bool TakesPickedCoordinates(CToolDialogPanel& dialog, const wxWindow& control)
{
    const ToolFormField* field = dialog.Form().Field(control.GetId());
    return field && field->TakesPickedCoordinates();
}

// The part of the window that shows: its rectangle on screen cut by the
// client area of every window it lies in, up to the frame's.
wxRect ShownPart(const wxWindow& window)
{
    wxRect shown = window.GetScreenRect();
    for (const wxWindow* holder = window.GetParent(); holder; holder = holder->GetParent()) {
        shown.Intersect(wxRect(holder->ClientToScreen(wxPoint(0, 0)), holder->GetClientSize()));
        if (holder->IsTopLevel())
            break;
    }
    return shown;
}

// The main window as the program shows it on a screen of a size: maximised,
// that is as large as the screen (the test gives it that size, whatever the
// test display's screen), or at the size it takes before that.
struct FrameOnScreen {
    const char* name;
    wxSize screen;
    bool maximised;
};

void PrintTo(const FrameOnScreen& shown, std::ostream* out)
{
    *out << shown.name;
}

wxSize FrameSize(const FrameOnScreen& shown, const wxSize& leastSize)
{
    if (shown.maximised)
        return shown.screen;
    const WindowRect first = FirstRunWindowRect({0, 0, shown.screen.x, shown.screen.y});
    return wxSize(std::max(first.width, leastSize.x), std::max(first.height, leastSize.y));
}

class ToolPageWidthOnScreen : public ProgramOnScreen, public testing::WithParamInterface<FrameOnScreen> {};

TEST_P(ToolPageWidthOnScreen, EveryPageWithEachDialogFitsTheWorkspaceAsItFirstOpens)
{
    ASSERT_TRUE(Start("KLX 1"));
    const wxSize frameSize = FrameSize(GetParam(), Frame().GetMinSize());
    CProjectWorkspace& workspace = Frame().Workspace();
    ASSERT_TRUE(ShowFrameAt(frameSize, [&workspace] { return SizedAsGiven(workspace); }))
        << "the frame " << frameSize.x << "x" << frameSize.y;
    ASSERT_EQ(Frame().GetSize(), frameSize);
    // A page gets the room of the tab the model tree fills.
    const int pageWidth = workspace.Tree().GetSize().x;
    ASSERT_GT(pageWidth, 100);
    int dotButtons = 0;
    int fieldsWithText = 0;
    int labels = 0;
    int coordinateFields = 0;
    for (const ToolPageShell& shell : ToolPageShells()) {
        const ToolPageTable& table = app->Tools().Page(shell.kind);
        bool namesChecked = false;
        for (size_t index = 0; index < table.rows.size(); ++index) {
            if (!table.rows[index].dialog.makeDialog)
                continue;
            const int toolId = shell.baseId + static_cast<int>(index);
            workspace.ShowTool(shell.kind, toolId);
            Settle();
            CToolPage* page = workspace.OpenPageWindow();
            ASSERT_NE(page, nullptr) << toolId;
            CToolDialogPanel* dialog = page->ShownDialog();
            ASSERT_NE(dialog, nullptr) << toolId;
            const std::string shown = std::string(shell.title) + " / " + table.rows[index].text + " (" +
                                      std::to_string(toolId) + ")";
            ASSERT_TRUE(RunEventsUntil([page] { return SizedAsGiven(*page) && LaidOut(*page); })) << shown;
            EXPECT_LE(RightmostShownEdge(*page), pageWidth) << shown;
            for (const int buttonId : {shell.applyId, shell.closeId}) {
                const wxWindow* button = page->FindWindow(buttonId);
                ASSERT_NE(button, nullptr) << shown;
                EXPECT_EQ(ShownPart(*button), button->GetScreenRect())
                    << shown << ": \"" << wxString(static_cast<const wxControl*>(button)->GetLabelText()).utf8_string()
                    << "\" " << Described(button->GetScreenRect()) << " shows " << Described(ShownPart(*button))
                    << "; the page shows " << Described(ShownPart(*page));
            }

            wxChoice& combo = *page->Combo();
            if (!namesChecked) {
                namesChecked = true;
                for (const ToolPageRow& row : table.rows) {
                    if (row.text != TOOL_SEPARATOR_TEXT) {
                        EXPECT_LE(combo.GetTextExtent(wxString::FromUTF8(row.text)).x, TextRoom(combo))
                            << shell.title << ": the drop-down's \"" << row.text << "\"";
                    }
                }
            }
            const wxRect comboRect = combo.GetScreenRect();
            ForEachShown(*page, [&](wxWindow& control) {
                // The drop-down, its parts and the scrolled area that holds it.
                if (&control == &combo || control.GetParent() == &combo || control.IsDescendant(&combo))
                    return;
                EXPECT_FALSE(control.GetScreenRect().Intersects(comboRect))
                    << shown << ": a " << wxString(control.GetClassInfo()->GetClassName()).utf8_string() << " \""
                    << ShownText(control).utf8_string() << "\" stands under the drop-down";
                const wxString text = ShownText(control);
                const bool field = dynamic_cast<wxTextCtrl*>(&control) != nullptr;
                if (field && TakesPickedCoordinates(*dialog, control)) {
                    ++coordinateFields;
                    EXPECT_LE(control.GetTextExtent(USUAL_PICKED_COORDINATE).x, TextRoom(control))
                        << shown << ": a coordinate field " << control.GetSize().x << " wide";
                }
                if (text.empty())
                    return;
                dotButtons += text == "...";
                fieldsWithText += field;
                labels += dynamic_cast<wxStaticText*>(&control) != nullptr;
                EXPECT_LE(control.GetTextExtent(text).x, TextRoom(control))
                    << shown << ": \"" << text << "\" in a control " << control.GetSize().x << " wide";
            });
        }
        workspace.CloseAllTools();
        Settle();
    }
    // The file choosers of the Properties, Group and Section exports and the
    // Section page's material list; and the fields that start with a value.
    EXPECT_EQ(dotButtons, 4);
    EXPECT_GT(fieldsWithText, 0);
    EXPECT_GT(labels, 0);
    EXPECT_GT(coordinateFields, 0);
}

INSTANTIATE_TEST_SUITE_P(Screens, ToolPageWidthOnScreen,
                         testing::Values(FrameOnScreen{"Large", wxSize(1280, 1024), true},
                                         FrameOnScreen{"Small", wxSize(1024, 768), true},
                                         FrameOnScreen{"SmallBeforeMaximised", wxSize(1024, 768), false}),
                         [](const testing::TestParamInfo<FrameOnScreen>& info) { return std::string(info.param.name); });

}  // namespace
