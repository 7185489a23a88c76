// Property > List on the real frame: the result list over a project with a
// calculated section, a hand correction, Escape and Undo.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/ToolRegistry.h"
#include "frame/ToolbarTable.h"
#include "model/SectModel.h"
#include "tools/BaseGridWnd.h"
#include "tools/ResultListDlg.h"
#include "view/CommandIds.h"
#include "view/TarvokrtView.h"
#include "view/ViewLabels.h"
#include "view/support/ShownOnScreen.h"

#include <wx/aui/auibar.h>
#include <wx/choice.h>
#include <wx/modalhook.h>

#include <functional>
#include <string>
#include <vector>

namespace {

constexpr double kStoredJ = 2.86e6;

// A project in millimetres holding the 100 x 50 plane section "Plate" with
// its properties calculated (A = 5000, J as stored above) and its centroid.
std::string SaveCalculatedPlate(const std::filesystem::path& path)
{
    ScriptedUserPorts quiet;
    CSectModel model;
    model.m_reporter.SetPorts(quiet.Ports());
    const double corner1[2] = {0.0, 0.0};
    const double corner2[2] = {100.0, 50.0};
    EXPECT_TRUE(model.CreateRectangle(corner1, corner2, ALIGN_CENTER, 0.0));
    std::vector<int> curves;
    model.GetNewcomerCurves(curves);
    const int colour[3] = {0, 0, 255};
    const int id = model.GenerateSection("Plate", SECTION_PLANE, curves, false, 0.0, colour, nullptr, false, 0.0);
    EXPECT_NE(id, 0);
    const double centroid[2] = {50.0, 25.0};
    EXPECT_TRUE(model.CreatePointByCoordinate(centroid));
    if (T_SECTION_D* section = model.FindSection(id)) {
        section->centroidPointId = model.FindPointAt(centroid);
        section->propertiesCalculated = true;
        section->results[RESULT_A] = 100.0 * 50.0;
        section->results[RESULT_J] = kStoredJ;
    }
    EXPECT_TRUE(model.WriteProjectFile(path.string()));
    return path.string();
}

// Answers the result list with the test's script; the dialog does not show.
class ResultListHook : public wxModalDialogHook {
public:
    int Enter(wxDialog* dialog) override
    {
        if (auto* list = dynamic_cast<CResultListDlg*>(dialog); list && script)
            return script(*list);
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

    std::function<int(CResultListDlg&)> script;
};

class ResultListOnScreen : public ProgramOnScreen {
protected:
    void SetUpOnScreen() override
    {
        AnswerDialogsWith(hook);
    }

    double StoredJ() { return Model().m_sections.begin()->second->results[RESULT_J]; }

    std::vector<std::string> ShownPropertyLabels()
    {
        std::vector<std::string> texts;
        for (const ViewLabel& label : PropertyLabels(*Frame().View().GetScene(), Frame().View().m_propertyLabels))
            texts.push_back(label.text);
        return texts;
    }

    static void Press(wxDialog& dialog, int id)
    {
        wxCommandEvent click(wxEVT_BUTTON, id);
        click.SetEventObject(dialog.FindWindow(id));
        dialog.GetEventHandler()->ProcessEvent(click);
    }

    ResultListHook hook;
};

TEST_F(ResultListOnScreen, AHandCorrectedJIsOneUndoActionAndTheViewShowsItAtOnce)
{
    ASSERT_TRUE(Start(SaveCalculatedPlate(folder / "plate.klx")));
    CTarvokrtView& view = Frame().View();
    view.m_propertyLabelsOn = true;
    view.m_propertyLabels.show[6] = true;  // J
    view.m_reRender = 1;
    Settle();
    EXPECT_EQ(ToolbarEnables(CMD_RESULT_LIST), std::optional<bool>(true));
    ASSERT_FALSE(Model().m_sections.empty());
    const int sectionId = Model().m_sections.begin()->first;

    std::vector<int> listed;
    std::string shownA;
    int picturedId = -1;
    int rendersBefore = 0;
    int rendersAfterModify = 0;
    bool pictureChanged = false;
    std::vector<std::string> labelsAfterModify;
    bool shownAfterEscape = true;
    double jAfterEscape = 0.0;
    hook.script = [&](CResultListDlg& dialog) {
        dialog.Show();
        EXPECT_TRUE(WaitUntilShownAndActive(dialog));
        Settle();
        listed = dialog.SectionIds();
        shownA = dialog.Grid().GetCellText(1, 1);
        picturedId = dialog.Picture().m_nSectionId;
        view.OnDraw();
        const RgbImage before = view.ReadShownPicture();
        rendersBefore = view.RenderCount();
        dialog.Grid().SetCellValue(7, 1, "1234.5");
        Press(dialog, ID_RESULT_MODIFY);
        // The view's next paint, while the dialog is still open.
        view.OnDraw();
        rendersAfterModify = view.RenderCount();
        pictureChanged = view.ReadShownPicture().rgb != before.rgb;
        labelsAfterModify = ShownPropertyLabels();
        // A value typed and left with Escape is not written.
        dialog.Grid().SetCellValue(7, 1, "999");
        wxKeyEvent escape(wxEVT_CHAR_HOOK);
        escape.m_keyCode = WXK_ESCAPE;
        escape.SetEventObject(&dialog);
        dialog.GetEventHandler()->ProcessEvent(escape);
        Settle();
        shownAfterEscape = dialog.IsShown();
        jAfterEscape = StoredJ();
        return wxID_OK;
    };
    const bool undoBefore = !Model().IsUndoEmpty();
    Command(CMD_RESULT_LIST);

    EXPECT_EQ(listed, std::vector<int>{sectionId});
    EXPECT_EQ(shownA, "5000.000000");
    EXPECT_EQ(picturedId, sectionId);
    EXPECT_EQ(rendersAfterModify, rendersBefore + 1) << "the view drew the new value";
    EXPECT_TRUE(pictureChanged);
    EXPECT_EQ(labelsAfterModify, std::vector<std::string>{"J: 1234.5"});
    EXPECT_FALSE(shownAfterEscape) << "Escape ends the dialog as Close does";
    EXPECT_EQ(jAfterEscape, 1234.5);
    EXPECT_EQ(StoredJ(), 1234.5);
    EXPECT_TRUE(Model().m_sections.begin()->second->propertiesModifiedByHand);
    EXPECT_TRUE(Frame().Document().IsModified());
    ASSERT_NE(Model().GetCurrentUndoAction(), nullptr);
    EXPECT_EQ(Model().GetCurrentUndoAction()->title, "Modify sectional properties");

    Command(CMD_EDIT_UNDO);
    EXPECT_EQ(StoredJ(), kStoredJ);
    EXPECT_FALSE(Model().m_sections.begin()->second->propertiesModifiedByHand);
    EXPECT_EQ(!Model().IsUndoEmpty(), undoBefore);
}

}  // namespace
