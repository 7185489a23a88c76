// Every tool page of the real program, with each of its dialogs shown, fits
// the project workspace as it first opens: nothing is cut off at its right
// edge and nothing needs the page to scroll sideways.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/ModelMenuTab.h"
#include "frame/ProjectWorkspace.h"
#include "frame/ToolPage.h"
#include "frame/ToolPageTable.h"
#include "frame/ToolRegistry.h"

#include <algorithm>

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

class ToolPageWidthOnScreen : public ProgramOnScreen {};

TEST_F(ToolPageWidthOnScreen, EveryPageWithEachDialogFitsTheWorkspaceAsItFirstOpens)
{
    ASSERT_TRUE(Start("KLX 1"));
    CProjectWorkspace& workspace = Frame().Workspace();
    // A page gets the room of the tab the model tree fills.
    const int pageWidth = workspace.Tree().GetSize().x;
    ASSERT_GT(pageWidth, 100);
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
            EXPECT_LE(RightmostShownEdge(*page), pageWidth)
                << shell.title << " / " << table.rows[index].text << " (" << toolId << ")";
        }
        workspace.CloseAllTools();
        Settle();
    }
}

}  // namespace
