// The result list's grid and dialog on the display, over a model built in the
// test; the dialog is driven as its controls' events drive it.

#include "model/SectModel.h"
#include "support/ScriptedUserPorts.h"
#include "tools/BaseGridWnd.h"
#include "tools/ResultListDlg.h"
#include "view/support/GuiTestEnvironment.h"

#include <wx/choice.h>
#include <wx/frame.h>
#include <wx/textctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class ResultGrid : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RequireDisplay())
            GTEST_SKIP();
        frame = new wxFrame(nullptr, wxID_ANY, "grid");
        grid = new CBaseGridWnd(frame, wxID_ANY, 11, 1, wxSize(300, 300));
        for (int row = 1; row <= 11; ++row)
            grid->SetCellStyle(row, 1, row, 1, std::to_string(row) + ".5", *wxBLACK, *wxWHITE, GRID_ALIGN_RIGHT, false);
    }
    void TearDown() override
    {
        DestroyNow(frame);
    }

    void Key(int keyCode, bool control = false, bool shift = false)
    {
        wxKeyEvent key(wxEVT_KEY_DOWN);
        key.m_keyCode = keyCode;
        key.SetControlDown(control);
        key.SetShiftDown(shift);
        // As the toolkit does: the grid window gets the key, and a key-down
        // that nobody handles becomes a character.
        wxWindow* target = grid->GetGridWindow();
        key.SetEventObject(target);
        if (!target->GetEventHandler()->ProcessEvent(key)) {
            wxKeyEvent character(key);
            character.SetEventType(wxEVT_CHAR);
            target->GetEventHandler()->ProcessEvent(character);
        }
        ProcessPendingEvents();
    }

    wxColour Interior(int row, int col)
    {
        wxGridCellAttr* attr = grid->GetTable()->GetAttr(row, col, wxGridCellAttr::Any);
        const wxColour colour = attr && attr->HasBackgroundColour() ? attr->GetBackgroundColour() : wxColour();
        if (attr)
            attr->DecRef();
        return colour;
    }

    wxFrame* frame = nullptr;
    CBaseGridWnd* grid = nullptr;
};

TEST_F(ResultGrid, CellsHoldWhatTheirStyleWrote)
{
    const wxColour header(192, 220, 220);
    grid->SetCellStyle(0, 0, 0, 1, "Value [Length-Unit:mm]", *wxBLACK, header, GRID_ALIGN_CENTRE, true);
    for (int col : {0, 1}) {
        EXPECT_EQ(grid->GetCellText(0, col), "Value [Length-Unit:mm]");
        EXPECT_EQ(Interior(0, col), header);
        EXPECT_TRUE(grid->GetCellFont(0, col).GetWeight() == wxFONTWEIGHT_BOLD);
        int horizontal = 0;
        int vertical = 0;
        grid->GetCellAlignment(0, col, &horizontal, &vertical);
        EXPECT_EQ(horizontal, wxALIGN_CENTRE);
    }
    EXPECT_EQ(grid->GetCellText(7, 1), "7.5");
    EXPECT_EQ(Interior(7, 1), *wxWHITE);
    EXPECT_TRUE(grid->IsReadOnly(0, 1));
    EXPECT_TRUE(grid->IsReadOnly(5, 0));
    EXPECT_FALSE(grid->IsReadOnly(5, 1));
}

TEST_F(ResultGrid, TheHighlightFollowsTheArrowKeysAndDeleteLeavesTheText)
{
    grid->SetGridCursor(1, 1);
    ProcessPendingEvents();
    EXPECT_EQ(Interior(1, 1), kGridCurrentCellColour);
    Key(WXK_DOWN);
    Key(WXK_DOWN);
    EXPECT_EQ(grid->GetGridCursorRow(), 3);
    EXPECT_EQ(Interior(3, 1), kGridCurrentCellColour);
    EXPECT_EQ(Interior(1, 1), *wxWHITE);
    EXPECT_EQ(Interior(2, 1), *wxWHITE);
    // The highlight changes the colours only.
    int horizontal = 0;
    int vertical = 0;
    grid->GetCellAlignment(3, 1, &horizontal, &vertical);
    EXPECT_EQ(horizontal, wxALIGN_RIGHT);
    EXPECT_EQ(grid->GetCellTextColour(3, 1), *wxBLACK);
    // A cell styled while it is current shows that style once left.
    const wxColour yellow(255, 255, 0);
    grid->SetCellStyle(3, 1, 3, 1, "new", *wxRED, yellow, GRID_ALIGN_CENTRE, false);
    EXPECT_EQ(Interior(3, 1), kGridCurrentCellColour);
    Key(WXK_LEFT);
    EXPECT_EQ(Interior(3, 0), kGridCurrentCellColour);
    EXPECT_EQ(Interior(3, 1), yellow);
    EXPECT_EQ(grid->GetCellTextColour(3, 1), *wxRED);
    grid->SetCellStyle(3, 1, 3, 1, "3.5", *wxBLACK, *wxWHITE, GRID_ALIGN_RIGHT, false);
    Key(WXK_RIGHT);

    Key(WXK_DELETE);
    EXPECT_FALSE(grid->IsCellEditControlEnabled());
    grid->DisableCellEditControl();
    EXPECT_EQ(grid->GetCellText(3, 1), "3.5");
}

// Calculated sections in millimetres: 1 "Beam" (material 4), 2 "Slab".
class ResultListDialog : public testing::Test {
protected:
    void SetUp() override
    {
        if (!RequireDisplay())
            GTEST_SKIP();
        model.m_reporter.SetPorts(user.Ports());
        ASSERT_TRUE(model.CreateMaterial(4, "Steel", 2.0e5, 0.3));
        model.m_lengthUnit = 3;
        for (const auto& [id, name] : {std::pair<int, const char*>{1, "Beam"}, {2, "Slab"}}) {
            auto section = std::make_unique<T_SECTION_D>();
            section->id = id;
            section->name = name;
            section->propertiesCalculated = true;
            section->results[RESULT_A] = 5000.0 * id;
            section->results[RESULT_J] = 3e-8;
            model.m_sections[id] = std::move(section);
        }
        model.FindSection(1)->baseMaterialId = 4;
        dialog = std::make_unique<CResultListDlg>(nullptr, model, user, PictureColours{}, [this] { ++writes; });
    }
    void TearDown() override
    {
        dialog.reset();
        ProcessPendingEvents();
    }

    wxChoice& Choice(int id) { return *dynamic_cast<wxChoice*>(dialog->FindWindow(id)); }
    std::string BaseMaterial()
    {
        return dynamic_cast<wxTextCtrl*>(dialog->FindWindow(ID_RESULT_BASE_MATERIAL))->GetValue().utf8_string();
    }
    void Choose(int id, int index)
    {
        Choice(id).SetSelection(index);
        wxCommandEvent change(wxEVT_CHOICE, id);
        change.SetEventObject(&Choice(id));
        change.SetInt(index);
        Choice(id).GetEventHandler()->ProcessEvent(change);
    }
    void PressModify()
    {
        wxCommandEvent click(wxEVT_BUTTON, ID_RESULT_MODIFY);
        click.SetEventObject(dialog->FindWindow(ID_RESULT_MODIFY));
        dialog->GetEventHandler()->ProcessEvent(click);
    }

    ScriptedUserPorts user;
    CSectModel model;
    std::unique_ptr<CResultListDlg> dialog;
    int writes = 0;
};

TEST_F(ResultListDialog, OpensInCreationOrderWithTheFirstSectionShown)
{
    EXPECT_EQ(dialog->GetTitle(), "Result List");
    EXPECT_FALSE(dialog->HasFlag(wxRESIZE_BORDER));
    EXPECT_FALSE(dialog->HasFlag(wxCLOSE_BOX));
    EXPECT_EQ(Choice(ID_RESULT_LIST_ORDER).GetCount(), 10u);
    EXPECT_EQ(Choice(ID_RESULT_LIST_ORDER).GetString(9), "J (Torsion Constant)");
    EXPECT_EQ(Choice(ID_RESULT_LIST_ORDER).GetSelection(), 0);
    EXPECT_EQ(dialog->SectionIds(), (std::vector<int>{1, 2}));
    EXPECT_EQ(Choice(ID_RESULT_SECTION).GetStringSelection(), "Beam");
    EXPECT_EQ(dialog->Grid().GetCellText(0, 1), "Value [Length-Unit:mm]");
    EXPECT_EQ(dialog->Grid().GetCellText(1, 0), "Area");
    EXPECT_EQ(dialog->Grid().GetCellText(11, 0), "(-)Cy");
    EXPECT_EQ(dialog->Grid().GetCellText(1, 1), "5000.000000");
    EXPECT_EQ(dialog->Grid().GetCellText(7, 1), "3e-08");
    EXPECT_EQ(BaseMaterial(), "(4) Steel");
    EXPECT_EQ(dialog->Picture().m_nSectionId, 1);
    const int width = dialog->Grid().GetClientSize().x;
    EXPECT_EQ(dialog->Grid().GetColSize(0), static_cast<int>(width * 0.2));

    Choose(ID_RESULT_SECTION, 1);
    EXPECT_EQ(dialog->Grid().GetCellText(1, 1), "10000.000000");
    EXPECT_EQ(BaseMaterial(), "");
    EXPECT_EQ(dialog->Picture().m_nSectionId, 2);
}

TEST_F(ResultListDialog, ChangingTheOrderListsAgainAndShowsTheFirstEntry)
{
    Choose(ID_RESULT_LIST_ORDER, ORDER_AREA);
    EXPECT_EQ(dialog->SectionIds(), (std::vector<int>{2, 1}));
    EXPECT_EQ(dialog->Grid().GetCellText(1, 1), "10000.000000");
    EXPECT_TRUE(user.boxes.empty());

    model.FindSection(2)->hasLocation = true;
    for (int time = 1; time <= 2; ++time) {
        Choose(ID_RESULT_LIST_ORDER, ORDER_LOCATION);
        EXPECT_EQ(Choice(ID_RESULT_SECTION).GetString(1), "Beam (*)");
        EXPECT_EQ(user.BoxTexts(), std::vector<std::string>(
                                       time, "Section for which the location is not specified has the tag \"(*)\"."));
    }
}

TEST_F(ResultListDialog, ModifyWritesTheTypedValueAndRefusesText)
{
    const int actionsBefore = model.m_undoTopId;
    dialog->Grid().SetCellValue(1, 1, "6000");
    PressModify();
    EXPECT_EQ(model.FindSection(1)->results[RESULT_A], 6000.0);
    EXPECT_EQ(model.FindSection(1)->results[RESULT_J], 3e-8);
    EXPECT_EQ(writes, 1);
    EXPECT_TRUE(dialog->UndoOpened());
    PressModify();  // nothing changed since
    EXPECT_EQ(writes, 1);

    // A value still in the cell's editor is taken as entered.
    dialog->Grid().SetGridCursor(4, 1);
    dialog->Grid().EnableCellEditControl();
    ASSERT_TRUE(dialog->Grid().IsCellEditControlShown());
    wxGridCellEditor* editor = dialog->Grid().GetCellEditor(4, 1);
    dynamic_cast<wxTextCtrl*>(editor->GetControl())->SetValue("77");
    editor->DecRef();
    PressModify();
    EXPECT_EQ(model.FindSection(1)->results[RESULT_IXX], 77.0);
    EXPECT_EQ(writes, 2);

    dialog->Grid().SetCellValue(2, 1, "1");
    dialog->Grid().SetCellValue(6, 1, "abc");
    PressModify();
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Please enter a number."});
    EXPECT_EQ(dialog->Grid().GetGridCursorRow(), 6);
    EXPECT_EQ(model.FindSection(1)->results[RESULT_ASX], 0.0);
    EXPECT_EQ(writes, 2);
    EXPECT_EQ(model.m_undoTopId, actionsBefore + 1);
}

}  // namespace
