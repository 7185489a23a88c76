// The report list mirrored onto its window.

#include "frame/ExtListCtrl.h"
#include "view/support/GuiTestEnvironment.h"

#include <wx/frame.h>
#include <wx/listctrl.h>

#include <gtest/gtest.h>

namespace {

std::vector<std::string> ColumnTexts(wxListView& view, int column)
{
    std::vector<std::string> texts;
    for (long item = 0; item < view.GetItemCount(); ++item)
        texts.push_back(view.GetItemText(item, column).utf8_string());
    return texts;
}

}  // namespace

TEST(ExtListView, TheWindowShowsTheListsColumnsAndRowsInTheListsOrder)
{
    if (!RequireDisplay())
        return;
    auto* frame = new wxFrame(nullptr, wxID_ANY, "list test");
    auto* view = new wxListView(frame, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxLC_REPORT);
    CExtListCtrl list;
    list.Attach(view);
    list.ResetList([](std::uint32_t itemData) { return itemData == 2 ? 0 : 9; });
    list.AddColumn("Name", 80, 0);
    list.AddColumn("E", 60, 1);
    list.AddRow(1, {"Steel", "205000"});
    list.AddRow(2, {"Concrete", "30000"});
    list.AddRow(3, {"Timber", "11000"});
    EXPECT_EQ(view->GetColumnCount(), 2);
    EXPECT_EQ(ColumnTexts(*view, 0), (std::vector<std::string>{"Concrete", "Steel", "Timber"}));
    EXPECT_EQ(ColumnTexts(*view, 1), (std::vector<std::string>{"30000", "205000", "11000"}));
    EXPECT_EQ(view->GetItemData(0), 2);
    wxListItem heading;
    heading.SetMask(wxLIST_MASK_TEXT | wxLIST_MASK_FORMAT);
    ASSERT_TRUE(view->GetColumn(1, heading));
    EXPECT_EQ(heading.GetText(), "E");
    EXPECT_EQ(heading.GetAlign(), wxLIST_FORMAT_RIGHT);

    list.ResetList([](std::uint32_t) { return 0; });
    EXPECT_EQ(view->GetItemCount(), 0);
    EXPECT_EQ(view->GetColumnCount(), 0);
    DestroyNow(frame);
}
