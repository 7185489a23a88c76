// The tab strip of the Setting dialog: pages shown by the selected tab,
// disabled tabs that cannot be chosen, and the text colours set for tabs, as
// the toolkit works them out and as the tabs show them under the pointer.

#include "tabs_on_screen.h"

#include "frame/ColourContrast.h"
#include "frame/FirstShowAllocation.h"
#include "frame/TabCtrlBase.h"
#include "view/support/GuiTestEnvironment.h"

#include <wx/frame.h>
#include <wx/panel.h>
#include <wx/settings.h>

namespace {

class TabCtrlOnScreen : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RequireDisplay())
            GTEST_SKIP();
        frame = new wxFrame(nullptr, wxID_ANY, "tabs");
        tabs = new CTabCtrlBase(frame, wxID_ANY);
        for (const char* title : {"General", "Display", "Color"}) {
            pages.push_back(new wxPanel(tabs));
            tabs->AddTab(pages.back(), title);
        }
        // As the program shows its windows: a window manager's late show
        // would first lay the tabs out in a placeholder size.
        AllocateBeforeFirstShow(*frame);
        frame->Show();
        ProcessPendingEvents();
    }
    void TearDown() override
    {
        DestroyNow(frame);
    }

    void ExpectShown(int tab)
    {
        EXPECT_EQ(tabs->GetSelection(), tab);
        EXPECT_EQ(tabs->GetCurrentPage(), pages[static_cast<size_t>(tab)]);
    }

    wxFrame* frame = nullptr;
    CTabCtrlBase* tabs = nullptr;
    std::vector<wxWindow*> pages;
};

TEST_F(TabCtrlOnScreen, ThreeTabsShowTheFirstPageAndAreEnabled)
{
    ASSERT_EQ(tabs->GetPageCount(), 3u);
    ExpectShown(0);
    for (int tab = 0; tab < 3; ++tab)
        EXPECT_TRUE(tabs->IsTabEnabled(tab)) << tab;
    EXPECT_FALSE(tabs->IsTabEnabled(3));
}

TEST_F(TabCtrlOnScreen, ChoosingADisabledTabKeepsTheTabThatWasSelectedAndItsPage)
{
    tabs->EnableTab(1, false);
    EXPECT_FALSE(tabs->IsTabEnabled(1));
    tabs->SetSelection(1);
    ExpectShown(0);

    tabs->SetSelection(2);
    ExpectShown(2);
    tabs->SetSelection(1);
    ExpectShown(2);

    tabs->EnableTab(1, true);
    tabs->SetSelection(1);
    ExpectShown(1);
}

TEST_F(TabCtrlOnScreen, TheSelectedTabTakesItsColourAndADisabledTabIsGreyed)
{
    const wxColour themeText = tabs->TabTextColour(1);
    const wxColour blue(0, 0, 255);
    ASSERT_NE(themeText, blue);

    tabs->SetSelectedTextColor(blue);
    tabs->SetHotTextColor(*wxWHITE);
    EXPECT_EQ(tabs->TabTextColour(0), blue);
    // Not under the mouse, not selected: the theme's colour.
    EXPECT_EQ(tabs->TabTextColour(1), themeText);
    EXPECT_EQ(tabs->TabTextColour(2), themeText);

    tabs->SetSelection(2);
    EXPECT_EQ(tabs->TabTextColour(2), blue);
    EXPECT_EQ(tabs->TabTextColour(0), themeText);

    tabs->EnableTab(1, false);
    EXPECT_EQ(tabs->TabTextColour(1), wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT));
    tabs->EnableTab(1, true);
    EXPECT_EQ(tabs->TabTextColour(1), themeText);
}

class TabCtrlUnderThePointer : public TabCtrlOnScreen {};

TEST_F(TabCtrlUnderThePointer, TheTabUnderThePointerShowsTextThatStandsOutFromItsFill)
{
    // White was chosen for tabs the program filled itself; the theme's tab
    // under the pointer may be as light. Dark red stands out from a light fill.
    const wxColour themeText = tabs->TabTextColour(2);
    TabsOnScreen screen(*tabs);
    for (const wxColour& hot : {*wxWHITE, wxColour(128, 0, 0)}) {
        tabs->SetHotTextColor(hot);
        const wxImage picture = screen.PointAt(2, [&](const wxImage& shown) {
            return tabs->TabTextColour(2) != themeText && DrawnIn(screen.Look(shown, 2), tabs->TabTextColour(2));
        });
        const TabLook look = screen.Look(picture, 2);
        ASSERT_TRUE(DrawnIn(look, tabs->TabTextColour(2))) << hot.GetAsString();
        EXPECT_GE(ContrastRatio(look.text, look.background), 3.0) << hot.GetAsString();
        // The colour set is kept exactly where it stands out from the fill drawn.
        EXPECT_EQ(DrawnIn(look, hot), ContrastRatio(hot, look.background) >= 3.0) << hot.GetAsString();
    }
}

TEST_F(TabCtrlUnderThePointer, ADisabledTabUnderThePointerStaysGreyAndUnlit)
{
    const wxColour themeText = tabs->TabTextColour(2);
    const wxColour hot(128, 0, 0);
    const wxColour grey = wxSystemSettings::GetColour(wxSYS_COLOUR_GRAYTEXT);
    tabs->SetHotTextColor(hot);
    tabs->EnableTab(1, false);
    TabsOnScreen screen(*tabs);
    const TabLook away =
        screen.Look(screen.Picture([&](const wxImage& shown) { return DrawnIn(screen.Look(shown, 1), grey); }), 1);
    ASSERT_TRUE(DrawnIn(away, grey));

    // The pointer goes to the disabled tab from a live one, which is lit
    // first and unlit once the strip has taken the move.
    screen.PointAt(2, [&](const wxImage& shown) {
        return tabs->TabTextColour(2) == hot && DrawnIn(screen.Look(shown, 2), hot);
    });
    const wxImage picture = screen.PointAt(1, [&](const wxImage& shown) {
        return tabs->TabTextColour(2) == themeText && DrawnIn(screen.Look(shown, 2), themeText);
    });
    ASSERT_TRUE(DrawnIn(screen.Look(picture, 2), themeText));
    const TabLook under = screen.Look(picture, 1);
    EXPECT_EQ(tabs->TabTextColour(1), grey);
    EXPECT_TRUE(DrawnIn(under, grey));
    EXPECT_EQ(under.background, away.background);
}

}  // namespace
