// Every toolbar of the real program in a frame of 1024x768 and of 800x600:
// each button shows whole within the frame's client area, or its bar shows
// the overflow button and the button is in that button's menu, exactly the
// buttons beyond the room the bar leaves before its overflow button.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/ToolbarTable.h"
#include "frame/ViewCommandBindings.h"
#include "view/CommandIds.h"

#include <wx/app.h>
#include <wx/aui/auibar.h>
#include <wx/config.h>
#include <wx/menu.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace {

// The items of the menu by id: their label, whether enabled and checked.
struct MenuEntry {
    std::string label;
    bool enabled;
    bool checked;
};

std::map<int, MenuEntry> MenuEntries(const wxMenu& menu)
{
    std::map<int, MenuEntry> entries;
    for (const wxMenuItem* item : menu.GetMenuItems()) {
        if (!item->IsSeparator())
            entries[item->GetId()] = {item->GetItemLabelText().utf8_string(), item->IsEnabled(),
                                      item->IsCheckable() && item->IsChecked()};
    }
    return entries;
}

class ToolbarOverflowOnScreen : public ProgramOnScreen, public testing::WithParamInterface<wxSize> {
protected:
    // The bar of the definition; null when the frame has none of its title.
    wxAuiToolBar* Bar(const ToolbarDefinition& bar)
    {
        return dynamic_cast<wxAuiToolBar*>(Frame().Bars().GetPane(bar.title).window);
    }

    // Whether the toolkit has given every bar the size the bar manager laid out.
    bool BarsSizedAsGiven()
    {
        bool sized = true;
        for (const ToolbarDefinition& bar : DefaultToolbars()) {
            const wxAuiToolBar* shown = Bar(bar);
            sized = sized && shown && SizedAsGiven(*shown);
        }
        return sized;
    }
};

TEST_P(ToolbarOverflowOnScreen, EveryButtonShowsWholeOrIsInItsBarsOverflowMenu)
{
    ASSERT_TRUE(Start("KLX 1"));
    ASSERT_TRUE(ShowFrameAt(GetParam(), [this] { return BarsSizedAsGiven(); }))
        << "the frame " << GetParam().x << "x" << GetParam().y;
    ASSERT_EQ(Frame().GetSize(), GetParam());
    const wxRect client(Frame().ClientToScreen(wxPoint(0, 0)), Frame().GetClientSize());
    int offeredByOverflow = 0;
    std::vector<wxRect> barsSoFar;
    for (const ToolbarDefinition& definition : DefaultToolbars()) {
        SCOPED_TRACE(definition.title);
        wxAuiToolBar* found = Bar(definition);
        ASSERT_NE(found, nullptr);
        wxAuiToolBar& bar = *found;
        ASSERT_TRUE(Frame().Bars().GetPane(&bar).IsShown());
        // The whole bar, its overflow button at its end with it, lies in the
        // frame's client area, and no other bar covers any of it.
        const wxRect barRect = bar.GetScreenRect();
        EXPECT_TRUE(client.Contains(barRect)) << Described(barRect) << " in " << Described(client);
        for (const wxRect& other : barsSoFar)
            EXPECT_FALSE(other.Intersects(barRect)) << Described(barRect) << " under " << Described(other);
        barsSoFar.push_back(barRect);
        const bool vertical = bar.HasFlag(wxAUI_TB_VERTICAL);
        const int overflowButton =
            bar.GetOverflowVisible() ? bar.GetArtProvider()->GetElementSize(wxAUI_TBART_OVERFLOW_SIZE) : 0;
        const int room = (vertical ? bar.GetClientSize().y : bar.GetClientSize().x) - overflowButton;

        const std::unique_ptr<wxMenu> menu = CMainFrame::MakeToolbarOverflowMenu(bar);
        std::map<int, MenuEntry> offered = MenuEntries(*menu);
        // The customisation comes last, below the buttons.
        ASSERT_GT(menu->GetMenuItemCount(), 0u);
        EXPECT_EQ(menu->FindItemByPosition(menu->GetMenuItemCount() - 1)->GetId(), WxCommandId(CMD_CUSTOMIZE_TOOLBAR));
        offered.erase(WxCommandId(CMD_CUSTOMIZE_TOOLBAR));

        for (int index = 0; index < static_cast<int>(bar.GetToolCount()); ++index) {
            wxAuiToolBarItem& button = *bar.FindToolByIndex(index);
            if (button.GetKind() == wxITEM_SEPARATOR)
                continue;
            const std::string name = button.GetWindow() ? "the group combo" : button.GetShortHelp().utf8_string();
            SCOPED_TRACE(name);
            const wxRect rect = bar.GetToolRect(button.GetId());
            // The bar paints a button only when it ends short of its
            // overflow button.
            const bool whole = (vertical ? rect.y + rect.height : rect.x + rect.width) < room;
            const wxRect onScreen(bar.ClientToScreen(rect.GetPosition()), rect.GetSize());
            if (whole) {
                EXPECT_TRUE(client.Contains(onScreen)) << Described(onScreen) << " in " << Described(client);
                EXPECT_EQ(offered.count(button.GetId()), 0u);
                continue;
            }
            // A control has no menu form: it must show.
            ASSERT_EQ(button.GetWindow(), nullptr) << "cut off at " << Described(onScreen);
            ASSERT_TRUE(bar.GetOverflowVisible()) << "cut off at " << Described(onScreen) << " with no way to it";
            const auto entry = offered.find(button.GetId());
            ASSERT_NE(entry, offered.end()) << "neither shown whole nor offered, at " << Described(onScreen);
            EXPECT_EQ(entry->second.label, name);
            EXPECT_EQ(entry->second.enabled, !(button.GetState() & wxAUI_BUTTON_STATE_DISABLED));
            EXPECT_EQ(entry->second.checked, (button.GetState() & wxAUI_BUTTON_STATE_CHECKED) != 0);
            offered.erase(entry);
            ++offeredByOverflow;
        }
        EXPECT_TRUE(offered.empty()) << "the menu offers a button the bar shows, or none of its own";
    }
    // The frame is too small for its bars: some button is offered only by an
    // overflow button (else this test would show nothing).
    EXPECT_GT(offeredByOverflow, 0);
}

// While the view runs a modal interaction most commands are off, and their
// buttons with them: a button the bar cannot show is offered by its
// overflow menu as the bar has it, disabled or not.
TEST_P(ToolbarOverflowOnScreen, AHiddenButtonIsOfferedDisabledWhenTheBarHasItDisabled)
{
    ASSERT_TRUE(Start("KLX 1"));
    ASSERT_TRUE(ShowFrameAt(GetParam(), [this] { return BarsSizedAsGiven(); }))
        << "the frame " << GetParam().x << "x" << GetParam().y;
    Command(CMD_BEGIN_MODAL_INTERACTION);
    wxTheApp->ProcessIdle();
    int offeredDisabled = 0;
    for (const ToolbarDefinition& definition : DefaultToolbars()) {
        SCOPED_TRACE(definition.title);
        wxAuiToolBar* bar = Bar(definition);
        ASSERT_NE(bar, nullptr);
        std::map<int, MenuEntry> offered = MenuEntries(*CMainFrame::MakeToolbarOverflowMenu(*bar));
        offered.erase(WxCommandId(CMD_CUSTOMIZE_TOOLBAR));
        for (const auto& [id, entry] : offered) {
            const bool enabled = bar->GetToolEnabled(id);
            EXPECT_EQ(entry.enabled, enabled) << entry.label;
            offeredDisabled += !enabled;
        }
    }
    Command(CMD_END_MODAL_INTERACTION);
    // Else this test would show nothing.
    EXPECT_GT(offeredDisabled, 0);
}

class StoredBarLayoutOnScreen : public ProgramOnScreen {};

TEST_F(StoredBarLayoutOnScreen, ABarKeepsTheLengthOfItsButtonsWhateverLengthTheStoredLayoutGivesIt)
{
    // A layout stored when the Curve bar was shorter (before it had its
    // overflow button, or with fewer buttons) would push its last buttons
    // into the overflow menu with room to spare.
    ASSERT_TRUE(Start("KLX 1"));
    const int length = Frame().Bars().GetPane("Curve").best_size.x;
    std::string layout = wxConfigBase::Get()->Read("/Toolbars/KRT_TBar", "").utf8_string();
    Quit();
    const std::size_t curve = layout.find("name=Curve;");
    ASSERT_NE(curve, std::string::npos);
    const std::size_t bestWidthKey = layout.find("bestw=", curve);
    ASSERT_NE(bestWidthKey, std::string::npos);
    const std::size_t bestWidth = bestWidthKey + 6;
    layout.replace(bestWidth, layout.find(';', bestWidth) - bestWidth, "100");
    UseSettingsText("[Toolbars]\nKRT_TBar=" + layout + "\n");

    ASSERT_TRUE(Start("KLX 1"));
    const wxAuiPaneInfo& pane = Frame().Bars().GetPane("Curve");
    ASSERT_NE(pane.window, nullptr);
    EXPECT_EQ(pane.best_size.x, length);
    EXPECT_EQ(pane.best_size, pane.window->GetBestSize());
}

INSTANTIATE_TEST_SUITE_P(SmallFrames, ToolbarOverflowOnScreen, testing::Values(wxSize(1024, 768), wxSize(800, 600)));

}  // namespace
