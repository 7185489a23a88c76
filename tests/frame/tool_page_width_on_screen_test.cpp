// Every tool page of the real program, with each of its dialogs shown, fits
// the project workspace as it first opens: nothing is cut off at its right
// edge, nothing needs the page to scroll sideways, every button shows its
// whole label and every field its whole first text.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/ModelMenuTab.h"
#include "frame/ProjectWorkspace.h"
#include "frame/ThemeTextInset.h"
#include "frame/ToolPage.h"
#include "frame/ToolPageTable.h"
#include "frame/ToolRegistry.h"

#include <wx/button.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <functional>

namespace {

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

// The width the toolkit leaves for a control's text: its client width less
// the theme's padding and border on both sides.
int TextRoom(const wxWindow& control)
{
    return control.GetClientSize().x - ThemeTextInset(control);
}

// The text a control shows in full when it fits: a button's label, a text
// field's value; nothing for other controls.
wxString ShownText(wxWindow& control)
{
    if (auto* button = dynamic_cast<wxButton*>(&control))
        return button->GetLabel();
    if (auto* field = dynamic_cast<wxTextCtrl*>(&control))
        return field->GetValue();
    return {};
}

class ToolPageWidthOnScreen : public ProgramOnScreen {};

TEST_F(ToolPageWidthOnScreen, EveryPageWithEachDialogFitsTheWorkspaceAsItFirstOpens)
{
    ASSERT_TRUE(Start("KLX 1"));
    CProjectWorkspace& workspace = Frame().Workspace();
    // A page gets the room of the tab the model tree fills.
    const int pageWidth = workspace.Tree().GetSize().x;
    ASSERT_GT(pageWidth, 100);
    int dotButtons = 0;
    int fieldsWithText = 0;
    for (const ToolPageShell& shell : ToolPageShells()) {
        const ToolPageTable& table = app->Tools().Page(shell.kind);
        for (size_t index = 0; index < table.rows.size(); ++index) {
            if (!table.rows[index].dialog.makeDialog)
                continue;
            const int toolId = shell.baseId + static_cast<int>(index);
            workspace.ShowTool(shell.kind, toolId);
            Settle();
            CToolPage* page = workspace.OpenPageWindow();
            ASSERT_NE(page, nullptr) << toolId;
            ASSERT_NE(page->ShownDialog(), nullptr) << toolId;
            const std::string dialog = std::string(shell.title) + " / " + table.rows[index].text + " (" +
                                       std::to_string(toolId) + ")";
            EXPECT_LE(RightmostShownEdge(*page), pageWidth) << dialog;
            ForEachShown(*page, [&](wxWindow& control) {
                const wxString text = ShownText(control);
                if (text.empty())
                    return;
                dotButtons += text == "...";
                fieldsWithText += dynamic_cast<wxTextCtrl*>(&control) != nullptr;
                EXPECT_LE(control.GetTextExtent(text).x, TextRoom(control))
                    << dialog << ": \"" << text << "\" in a control " << control.GetClientSize().x << " wide";
            });
        }
        workspace.CloseAllTools();
        Settle();
    }
    // The file choosers of the Properties, Group and Section exports and the
    // Section page's material list; and the fields that start with a value.
    EXPECT_EQ(dotButtons, 4);
    EXPECT_GT(fieldsWithText, 0);
}

}  // namespace
