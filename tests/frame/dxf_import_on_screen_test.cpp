// File > Import > AutoCAD DXF, Activate and Grid Setting on the real frame.
// The dialogs are filled as a user fills them and confirmed through the work
// of their own OK button.

#include "program_on_screen.h"
#include "support/TestDataFolders.h"

#include "frame/MainFrame.h"
#include "frame/OutputWindow.h"
#include "frame/ToolbarTable.h"
#include "tools/DxfImportDlg.h"
#include "tools/GridSettingDlg.h"
#include "view/TarvokrtView.h"

#include <wx/aui/auibar.h>
#include <wx/checkbox.h>
#include <wx/image.h>
#include <wx/menu.h>
#include <wx/modalhook.h>
#include <wx/textctrl.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

std::string Drawing(const char* name)
{
    return (PinnedDxfFolder() / name).string();
}

void SetField(wxDialog& dialog, int id, const std::string& text)
{
    auto* field = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(id));
    ASSERT_NE(field, nullptr) << id;
    field->ChangeValue(wxString::FromUTF8(text));
}

std::string FieldText(wxDialog& dialog, int id)
{
    auto* field = dynamic_cast<wxTextCtrl*>(dialog.FindWindow(id));
    return field ? field->GetValue().utf8_string() : "(no field)";
}

// Answers the import and grid dialogs before the fixture's hook closes them:
// the script fills the dialog and gives the code its modal run returns.
class AnsweringHook : public wxModalDialogHook {
public:
    int Enter(wxDialog* dialog) override
    {
        if (auto* import = dynamic_cast<CImportDXFDlg*>(dialog); import && importDialog)
            return importDialog(*import);
        if (auto* grid = dynamic_cast<CGridToolDlg*>(dialog); grid && gridDialog)
            return gridDialog(*grid);
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

    std::function<int(CImportDXFDlg&)> importDialog;
    std::function<int(CGridToolDlg&)> gridDialog;
};

class DxfImportOnScreen : public ProgramOnScreen {
protected:
    void SetUpOnScreen() override
    {
        AnswerDialogsWith(hook);
    }

    // Imports the drawing through the menu command with the dialog filled.
    void Import(const std::string& path, bool activateImportedOnly)
    {
        hook.importDialog = [path, activateImportedOnly](CImportDXFDlg& dialog) {
            SetField(dialog, ID_DXF_FILE_NAME, path);
            dynamic_cast<wxCheckBox*>(dialog.FindWindow(ID_DXF_ACTIVATE_IMPORTED))->SetValue(activateImportedOnly);
            return dialog.AcceptFields() ? wxID_OK : wxID_CANCEL;
        };
        Command(CMD_IMPORT_DXF);
    }


    const T_GROUP_D* GroupNamed(const std::string& name)
    {
        for (const auto& [id, group] : Model().m_groups) {
            if (group->name == name)
                return group.get();
        }
        return nullptr;
    }

    AnsweringHook hook;
};

TEST_F(DxfImportOnScreen, TheImportAndGridCommandsAreOffered)
{
    ASSERT_TRUE(Start("KLX 1"));
    EXPECT_TRUE(Frame().GetMenuBar()->IsEnabled(WxCommandId(CMD_IMPORT_DXF)));
    for (int command : {CMD_GRID_SETTING, CMD_ACTIVATE}) {
        bool found = false;
        const wxAuiPaneInfoArray& panes = Frame().Bars().GetAllPanes();
        for (size_t i = 0; i < panes.GetCount(); ++i) {
            auto* bar = dynamic_cast<wxAuiToolBar*>(panes.Item(i).window);
            if (bar && bar->FindTool(WxCommandId(command))) {
                found = true;
                EXPECT_TRUE(bar->GetToolEnabled(WxCommandId(command))) << command;
            }
        }
        EXPECT_TRUE(found) << command;
    }
}

TEST_F(DxfImportOnScreen, TheImportedDrawingShowsItsCurvesAndIsOneUndoableAction)
{
    ASSERT_TRUE(Start("KLX 1"));
    Frame().View().m_ucsAxesDisplay = 0;
    const int emptyView = DarkPixels();
    ASSERT_GE(emptyView, 0);
    user.QueueAnswers({false});
    Import(Drawing("issue1106.dxf"), false);

    EXPECT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(Model().m_curves.size(), 10u);
    EXPECT_EQ(Model().m_points.size(), 134u);
    const T_GROUP_D* group = GroupNamed("DXF:issue1106");
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->curveIds.size(), 10u);
    EXPECT_EQ(Scene().m_active[KIND_CURVE].size(), 10u);
    EXPECT_TRUE(Frame().Document().IsModified());
    EXPECT_GT(DarkPixels(), emptyView + 200);

    Command(CMD_EDIT_UNDO);
    EXPECT_TRUE(Model().m_curves.empty());
    EXPECT_TRUE(Model().m_points.empty());
    EXPECT_TRUE(Model().m_groups.empty());
    EXPECT_EQ(DarkPixels(), emptyView);
}

TEST_F(DxfImportOnScreen, AReadThatFailsLeavesNoQuestionGroupOrUndoStep)
{
    const std::string missing = (folder / "missing.dxf").string();
    const struct {
        const char* name;
        std::string path;
        std::string box;
    } cases[] = {
        {"missing", missing, "Cannot open the file [" + missing + "]."},
        {"binary", Drawing("bin_dxf_r12.dxf"), "Cannot read the DXF file.\n\nCheck the file format."},
    };
    ASSERT_TRUE(Start(SavedProject("earlier.klx", {{0, 0}, {100, 0}})));
    // One step to undo and one to redo, both of which must survive.
    const double first[2] = {50, 50};
    const double second[2] = {60, 60};
    ASSERT_TRUE(Frame().Document().CreatePointByCoordinate(first));
    ASSERT_TRUE(Frame().Document().CreatePointByCoordinate(second));
    Command(CMD_EDIT_UNDO);
    ASSERT_TRUE(Frame().Document().CanUndo());
    ASSERT_TRUE(Frame().Document().CanRedo());
    const int undoTop = Model().m_undoTopId;
    const int redoTop = Model().m_redoTopId;
    const int nextGroup = Model().m_nextGroupId;
    const size_t points = Model().m_points.size();
    const std::string output = Frame().Output().ShownText();
    for (const auto& c : cases) {
        user.ClearRecords();
        Import(c.path, false);
        EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{c.box}) << c.name;
        EXPECT_TRUE(user.questions.empty()) << c.name;
        EXPECT_EQ(Model().m_undoTopId, undoTop) << c.name;
        EXPECT_EQ(Model().m_redoTopId, redoTop) << c.name;
        EXPECT_EQ(Model().m_nextGroupId, nextGroup) << c.name;
        EXPECT_TRUE(Model().m_groups.empty()) << c.name;
        EXPECT_EQ(Model().m_points.size(), points) << c.name;
        EXPECT_TRUE(Model().m_curves.empty()) << c.name;
        EXPECT_EQ(Frame().Output().ShownText(), output) << c.name;
    }
    Command(CMD_EDIT_REDO);
    EXPECT_EQ(Model().m_points.size(), points + 1);
}

TEST_F(DxfImportOnScreen, EntitiesBelowTheToleranceAreReportedAndTheImportFinishes)
{
    const auto tooSmall = [](int count) {
        return std::to_string(count)
               + " entities are smaller than the tolerance (1) and were not imported. Set a smaller tolerance in the "
                 "Setting dialog to import them.";
    };
    const struct {
        const char* name;
        std::string text;
        int made;
        int small;
    } cases[] = {
        {"all", "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  8\n0\n 10\n0\n 20\n0\n 11\n0.5\n 21\n0\n"
                "  0\nLINE\n  8\n0\n 10\n5\n 20\n5\n 11\n5\n 21\n5.5\n  0\nENDSEC\n  0\nEOF\n",
         0, 2},
        {"half", "  0\nSECTION\n  2\nENTITIES\n  0\nLINE\n  8\n0\n 10\n0\n 20\n0\n 11\n300\n 21\n0\n"
                 "  0\nLINE\n  8\n0\n 10\n5\n 20\n5\n 11\n5\n 21\n5.5\n  0\nENDSEC\n  0\nEOF\n",
         1, 1},
    };
    ASSERT_TRUE(Start("KLX 1"));
    for (const auto& c : cases) {
        const std::filesystem::path path = folder / (std::string(c.name) + ".dxf");
        std::ofstream(path) << c.text;
        user.ClearRecords();
        user.QueueAnswers({false});
        Import(path.string(), false);
        const std::string notImported = "Not imported: Smaller than the tolerance [" + std::to_string(c.small) + "]";
        std::vector<std::string> boxes = {tooSmall(c.small)};
        if (c.made == 0)
            boxes.push_back("Nothing was imported from the DXF file.\n\n" + notImported);
        EXPECT_EQ(user.BoxTexts(), boxes) << c.name;
        ASSERT_EQ(user.questions.size(), 1u) << c.name;
        const std::string shown = Frame().Output().ShownText();
        const std::string summary = "Imported AutoCAD DXF model data\n- Model: Curve [" + std::to_string(c.made)
                                    + "], Point [" + std::to_string(2 * c.made) + "]\n- " + notImported + "\n"
                                    + tooSmall(c.small);
        EXPECT_NE(shown.find(summary), std::string::npos) << c.name << ": " << shown;
        const T_GROUP_D* group = GroupNamed(std::string("DXF:") + c.name);
        ASSERT_NE(group, nullptr) << c.name;
        EXPECT_EQ(group->curveIds.size(), static_cast<size_t>(c.made)) << c.name;
        EXPECT_EQ(Model().GetCurrentUndoAction()->title, "Import DXF file") << c.name;
    }
}

TEST_F(DxfImportOnScreen, ASmallDrawingShowsOverTheAxisGlyph)
{
    ASSERT_TRUE(Start("KLX 1"));
    ASSERT_EQ(Model().m_gridSize, 100.0);
    user.QueueAnswers({false});
    Import(Drawing("AC1003_LINE_Example.dxf"), false);
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_NE(user.boxes[0].text.find("smaller than the tolerance (1)"), std::string::npos);
    Frame().View().RedrawScene();
    Settle();
    const int dark = DarkPixels();
    const wxSize size = Frame().View().GetClientSize();
    ASSERT_GE(dark, 0);
    EXPECT_LT(dark, size.x * size.y / 10);  // the glyph's sphere is black
    EXPECT_GT(dark, 0);
}

TEST_F(DxfImportOnScreen, WithActivateTheImportedOnlyTheEarlierEntitiesAreHidden)
{
    ASSERT_TRUE(Start(SavedProject("earlier.klx", {{-9000, -9000}, {-8000, -9000}})));
    const KeySet earlier = Scene().m_active[KIND_POINT];
    ASSERT_EQ(earlier.size(), 2u);
    // Yes: the check splits and merges; what it makes is shown as well.
    user.QueueAnswers({true});
    Import(Drawing("issue1106.dxf"), true);
    // The view draws what the check left.
    EXPECT_GT(DarkPixels(), 200);

    ASSERT_FALSE(Model().m_curves.empty());
    EXPECT_EQ(Scene().m_activityMode, ACTIVITY_SELECTED_ONLY);
    for (int key : earlier) {
        EXPECT_FALSE(Scene().m_active[KIND_POINT].count(key)) << key;
        EXPECT_TRUE(Scene().m_inactive[KIND_POINT].count(key)) << key;
    }
    for (const auto& [id, curve] : Model().m_curves)
        EXPECT_TRUE(Scene().IsCurveActive(id)) << id;
    EXPECT_EQ(Scene().m_active[KIND_POINT].size(), Model().m_points.size() - earlier.size());
    EXPECT_TRUE(Scene().IsSelectionEmpty());

    // Undoing the import, and the check's own action when it made one,
    // leaves the earlier project.
    while (Frame().Document().CanUndo())
        Command(CMD_EDIT_UNDO);
    EXPECT_TRUE(Model().m_curves.empty());
    EXPECT_EQ(Model().m_points.size(), 2u);
}

TEST_F(DxfImportOnScreen, ActivateKeepsOnlyTheSelectionShownAndWithoutOneDoesNothing)
{
    ASSERT_TRUE(Start(SavedProject("three.klx", {{0, 0}, {100, 0}, {0, 100}})));
    Command(CMD_ACTIVATE);
    EXPECT_EQ(Scene().m_activityMode, ACTIVITY_ALL);
    EXPECT_EQ(Scene().m_active[KIND_POINT].size(), 3u);

    Scene().SelectPoints({2});
    Command(CMD_ACTIVATE);
    EXPECT_EQ(Scene().m_activityMode, ACTIVITY_SELECTED_ONLY);
    EXPECT_EQ(Scene().m_active[KIND_POINT], (KeySet{PointKey(2)}));
    EXPECT_EQ(Scene().m_inactive[KIND_POINT], (KeySet{PointKey(1), PointKey(3)}));
    EXPECT_TRUE(Scene().IsSelectionEmpty());
    EXPECT_TRUE(Scene().m_combinedSelection.empty());
}

TEST_F(DxfImportOnScreen, AFileThatCannotBeReadIsReportedAndHidesNothing)
{
    ASSERT_TRUE(Start(SavedProject("earlier.klx", {{0, 0}, {100, 0}})));
    // A selection made before: activating an empty choice of imports would
    // hide everything.
    Scene().SelectPoints({1, 2});
    const std::string missing = (folder / "missing.dxf").string();
    user.ClearRecords();
    Import(missing, true);
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Cannot open the file [" + missing + "]."}));
    Frame().View().RebuildScene();
    EXPECT_EQ(Scene().m_active[KIND_POINT].size(), 2u);
    EXPECT_NE(Scene().m_activityMode, ACTIVITY_SELECTED_ONLY);
    // A failed read ends the import: no question and no empty group.
    EXPECT_TRUE(user.questions.empty());
    EXPECT_EQ(GroupNamed("DXF:missing"), nullptr);
}

TEST_F(DxfImportOnScreen, WithoutAFileNameTheDialogSaysSoAndNothingIsImported)
{
    ASSERT_TRUE(Start("KLX 1"));
    std::vector<std::string> refusals;
    hook.importDialog = [this, &refusals](CImportDXFDlg& dialog) {
        SetField(dialog, ID_DXF_FILE_NAME, "  ");
        EXPECT_FALSE(dialog.AcceptFields());
        refusals = user.BoxTexts();
        return wxID_CANCEL;
    };
    Command(CMD_IMPORT_DXF);
    EXPECT_EQ(refusals, (std::vector<std::string>{"File name is not designated."}));
    EXPECT_FALSE(Frame().Document().CanUndo());
    EXPECT_TRUE(Model().m_groups.empty());
}

TEST_F(DxfImportOnScreen, GridSettingOpensWithTheProjectGridAndHandsTheValuesToTheDocument)
{
    struct Case {
        const char* horizontal;
        const char* size;
        const char* vertical;
        std::vector<std::string> boxes;
        int gridX, gridY;
        double gridSize;
    };
    const Case cases[] = {
        {"20", "25.5", "10", {}, 20, 10, 25.5},
        {"0", "25", "10", {"The number of grids should be greater than 0."}, 50, 50, 100.0},
        {"20", "0.5", "10", {"Grid size should be greater than the tolerance."}, 50, 50, 100.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.horizontal) + " " + c.size + " " + c.vertical);
        ASSERT_TRUE(Start("KLX 1"));
        user.ClearRecords();
        std::vector<std::string> opened;
        hook.gridDialog = [&](CGridToolDlg& dialog) {
            opened = {FieldText(dialog, ID_GRID_HORIZONTAL), FieldText(dialog, ID_GRID_SIZE),
                      FieldText(dialog, ID_GRID_VERTICAL)};
            SetField(dialog, ID_GRID_HORIZONTAL, c.horizontal);
            SetField(dialog, ID_GRID_SIZE, c.size);
            SetField(dialog, ID_GRID_VERTICAL, c.vertical);
            return dialog.AcceptFields() ? wxID_OK : wxID_CANCEL;
        };
        Command(CMD_GRID_SETTING);
        EXPECT_EQ(opened, (std::vector<std::string>{"50", "100", "50"}));
        EXPECT_EQ(user.BoxTexts(), c.boxes);
        EXPECT_EQ(Model().m_gridCountX, c.gridX);
        EXPECT_EQ(Model().m_gridCountY, c.gridY);
        EXPECT_EQ(Model().m_gridSize, c.gridSize);
        Quit();
    }
}

}  // namespace
