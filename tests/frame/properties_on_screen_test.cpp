// The Properties page, the pause dialog and the material list in the real
// program, on a project of two 100 x 50 rectangular plane sections. The
// modal dialogs are answered by the test before they would show.

#include "program_on_screen.h"
#include "saved_project.h"

#include "frame/MainFrame.h"
#include "frame/OutputWindow.h"
#include "frame/ProjectWorkspace.h"
#include "frame/ToolPage.h"
#include "frame/ToolPageContext.h"
#include "frame/ToolbarTable.h"
#include "model/TextFormat.h"
#include "tools/CalcPause.h"
#include "tools/CalcToolDialogs.h"
#include "tools/MaterialDlgs.h"
#include "view/TarvokrtView.h"
#include "view/ViewLabels.h"

#include <wx/aui/auibar.h>
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/modalhook.h>
#include <wx/radiobut.h>
#include <wx/slider.h>
#include <wx/textctrl.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <numbers>

namespace {

enum { CALCULATE = 32904, DISPLAY = 32871, EXPORT = 32977, PROPERTIES_APPLY = 1194 };

// Answers the dialogs the test scripts before the fixture's hook would close
// them: the script returns the code the modal run gives.
class AnsweringHook : public wxModalDialogHook {
public:
    int Enter(wxDialog* dialog) override
    {
        int code = wxID_NONE;
        if (Run(dialog, pauseDialog, code) || Run(dialog, listDialog, code) || Run(dialog, itemDialog, code))
            return code;
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

    std::function<int(CCalcPause&)> pauseDialog;
    std::function<int(CMaterialList&)> listDialog;
    std::function<int(CMaterialItem&)> itemDialog;
    // Titles of the answered dialogs, in the order their runs began.
    std::vector<std::string> titles;

private:
    template <class Dialog>
    bool Run(wxDialog* dialog, const std::function<int(Dialog&)>& script, int& code)
    {
        auto* typed = dynamic_cast<Dialog*>(dialog);
        if (!typed || !script)
            return false;
        titles.push_back(dialog->GetTitle().utf8_string());
        code = script(*typed);
        return true;
    }
};

// The torsion constant of an a x b rectangle (a >= b) by its series.
double RectangleTorsion(double a, double b)
{
    double sum = 0.0;
    for (int n = 1; n < 40; n += 2)
        sum += std::tanh(n * std::numbers::pi * a / (2.0 * b)) / std::pow(n, 5);
    return a * b * b * b / 3.0 * (1.0 - 192.0 / std::pow(std::numbers::pi, 5) * b / a * sum);
}

template <class Control>
Control& ControlOf(wxWindow& parent, int id)
{
    auto* control = dynamic_cast<Control*>(parent.FindWindow(id));
    EXPECT_NE(control, nullptr) << id;
    return *control;
}

// Clicks a button as the user does: its event, handled at once.
void Click(wxWindow& parent, int id)
{
    auto& button = ControlOf<wxWindow>(parent, id);
    wxCommandEvent click(wxEVT_BUTTON, id);
    click.SetEventObject(&button);
    button.GetEventHandler()->ProcessEvent(click);
}

// Checks a check box or a radio as a click does.
template <class Control>
void Choose(wxWindow& parent, int id, wxEventType type)
{
    auto& control = ControlOf<Control>(parent, id);
    control.SetValue(true);
    wxCommandEvent changed(type, id);
    changed.SetEventObject(&control);
    changed.SetInt(1);
    control.GetEventHandler()->ProcessEvent(changed);
}

class PropertiesOnScreen : public ProgramOnScreen {
protected:
    void SetUpOnScreen() override
    {
        AnswerDialogsWith(hook);
    }

    void StartWithTwoSections()
    {
        ASSERT_TRUE(Start(SaveTwoSectionProject(folder / "Beam.klx")));
        View().ZoomFit();
        Settle();
        for (const auto& [id, section] : Model().m_sections)
            (section->name == "Left" ? left : right) = id;
        ASSERT_NE(left, 0);
        ASSERT_NE(right, 0);
    }

    wxWindow& ShownDialog()
    {
        wxWindow* dialog = Page().ShownDialog();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }
    void Apply()
    {
        Click(Page(), PROPERTIES_APPLY);
        Settle();
    }

    // A click of the left button at a drawing position; with Ctrl it adds
    // to the selection.
    void ClickAt(double x, double y, bool ctrl = false)
    {
        double window[2];
        View().Camera().WorldToWindow(x, y, window);
        const wxPoint at(static_cast<int>(window[0]), static_cast<int>(window[1]));
        for (wxEventType type : {wxEVT_LEFT_DOWN, wxEVT_LEFT_UP}) {
            wxMouseEvent event(type);
            event.SetEventObject(&View());
            event.SetPosition(at);
            event.m_leftDown = type == wxEVT_LEFT_DOWN;
            event.SetControlDown(ctrl);
            wxPostEvent(View().GetEventHandler(), event);
            Settle();
        }
    }
    std::set<int> SelectedSections() { return View().GetScene()->m_selection[KIND_SECTION]; }
    bool Shows(const std::string& line) { return Frame().Output().ShownText().find(line) != std::string::npos; }

    AnsweringHook hook;
    int left = 0;
    int right = 0;
};

TEST_F(PropertiesOnScreen, CalculateDisplayAndExportOneSection)
{
    StartWithTwoSections();
    for (int command : {CALCULATE, DISPLAY, EXPORT})
        EXPECT_EQ(ToolbarEnables(command), std::optional<bool>(true)) << command;

    Command(CALCULATE);
    EXPECT_EQ(View().m_toolCommandId, 4000);
    ClickAt(50.0, 25.0);
    ASSERT_EQ(SelectedSections(), std::set<int>{SectionKey(left)});
    Apply();

    const T_SECTION_D& section = *Model().FindSection(left);
    ASSERT_TRUE(section.propertiesCalculated);
    EXPECT_NEAR(section.results[RESULT_A], 5000.0, 5000.0 * 1e-12);
    EXPECT_FALSE(Model().FindSection(right)->propertiesCalculated);
    EXPECT_TRUE(Shows("The properties of 1 section are calculated."));
    EXPECT_TRUE(SelectedSections().empty());
    // The centroid point, in the scene's centroid colour, at the centre.
    const T_POINT_D* centroid = Model().FindPoint(section.centroidPointId);
    ASSERT_NE(centroid, nullptr);
    EXPECT_NEAR(centroid->xy[0], 50.0, 1e-9);
    EXPECT_NEAR(centroid->xy[1], 25.0, 1e-9);
    View().m_reRender = 1;
    View().OnDraw();
    const RgbImage picture = View().ReadShownPicture();
    double window[2];
    View().Camera().WorldToWindow(50.0, 25.0, window);
    const size_t row = static_cast<size_t>(picture.height - 1 - static_cast<int>(window[1]));
    const size_t at = (row * static_cast<size_t>(picture.width) + static_cast<size_t>(window[0])) * 3;
    const Colour& colour = View().GetScene()->m_colours[COLOUR_CENTROID];
    for (int k = 0; k < 3; ++k)
        EXPECT_NEAR(picture.rgb[at + static_cast<size_t>(k)], colour[static_cast<size_t>(k)] * 255.0, 1.0) << k;

    // One label line: J.
    Command(DISPLAY);
    EXPECT_EQ(View().m_toolCommandId, 4002);
    Choose<wxRadioButton>(ShownDialog(), PropertyRadios().back().controlId, wxEVT_RADIOBUTTON);
    Apply();
    EXPECT_TRUE(View().m_propertyLabelsOn);
    const std::vector<ViewLabel> labels = PropertyLabels(*View().GetScene(), View().m_propertyLabels);
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].text, FormatText("J: %g", section.results[RESULT_J]));
    EXPECT_NEAR(section.results[RESULT_J], RectangleTorsion(100.0, 50.0), 0.02 * RectangleTorsion(100.0, 50.0));

    // The labels go with the Display row; the file comes from "...".
    const std::string path = (folder / "props.pyf").string();
    prompts.savedFiles.push_back(path);
    Command(EXPORT);
    EXPECT_FALSE(View().m_propertyLabelsOn);
    Click(ShownDialog(), ID_CALC_EXPORT_BROWSE);
    EXPECT_EQ(prompts.fileRequests, std::vector<std::string>{"Save As|TARVO/PYLOR PYF Files (*.pyf)|*.pyf|pyf|"});
    EXPECT_EQ(ControlOf<wxTextCtrl>(ShownDialog(), ID_CALC_EXPORT_FILE_NAME).GetValue(), path);
    Apply();
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_GT(std::filesystem::file_size(path), 0u);
}

TEST_F(PropertiesOnScreen, StopAtTheFirstPauseCalculatesOneSectionInOneUndoAction)
{
    StartWithTwoSections();
    std::vector<std::string> pauseButtons;
    hook.pauseDialog = [&pauseButtons](CCalcPause& pause) {
        for (int id : {ID_PAUSE_CONTINUE, ID_PAUSE_NO_MORE, ID_PAUSE_STOP}) {
            wxWindow* button = pause.FindWindow(id);
            pauseButtons.push_back(button->GetLabel().utf8_string() + (button->IsEnabled() ? "" : " (disabled)"));
        }
        return int{PAUSE_STOP};
    };
    Command(CALCULATE);
    ClickAt(50.0, 25.0);
    ClickAt(250.0, 25.0, true);
    ASSERT_EQ(SelectedSections(), (std::set<int>{SectionKey(left), SectionKey(right)}));
    Choose<wxCheckBox>(ShownDialog(), ID_CALC_RECALCULATE, wxEVT_CHECKBOX);
    Choose<wxCheckBox>(ShownDialog(), ID_CALC_PAUSE, wxEVT_CHECKBOX);
    ASSERT_TRUE(Model().IsUndoEmpty());
    Apply();

    EXPECT_EQ(pauseButtons, (std::vector<std::string>{"Continue", "Pause No More", "Stop"}));
    EXPECT_EQ(std::count(hook.titles.begin(), hook.titles.end(), "Pause Mode"), 1);
    EXPECT_TRUE(Model().FindSection(left)->propertiesCalculated);
    EXPECT_FALSE(Model().FindSection(right)->propertiesCalculated);
    EXPECT_TRUE(Shows("The properties of 1 section are calculated."));
    Command(CMD_EDIT_UNDO);
    EXPECT_FALSE(Model().FindSection(left)->propertiesCalculated);
    EXPECT_TRUE(Model().IsUndoEmpty());
}

TEST_F(PropertiesOnScreen, TheCalculateDialogFollowsItsModeAndStartsAfreshAtEachShowing)
{
    StartWithTwoSections();
    const auto shown = [this] {
        wxWindow& dialog = ShownDialog();
        std::vector<std::string> state;
        state.push_back(ControlOf<wxRadioButton>(dialog, ID_CALC_MESH_DENSITY).GetValue() ? "density" : "size");
        state.push_back("level " + std::to_string(ControlOf<wxSlider>(dialog, ID_CALC_SLIDER).GetValue()));
        for (int id : {ID_CALC_SLIDER, ID_CALC_COARSE, ID_CALC_FINE, ID_CALC_MESH_SIZE})
            state.push_back(std::to_string(id) + (dialog.FindWindow(id)->IsEnabled() ? " on" : " off"));
        state.push_back("size " + ControlOf<wxTextCtrl>(dialog, ID_CALC_MESH_SIZE).GetValue().utf8_string());
        for (int id : {ID_CALC_PAUSE, ID_CALC_RECALCULATE})
            state.push_back(std::to_string(id) + (ControlOf<wxCheckBox>(dialog, id).GetValue() ? " checked" : ""));
        return state;
    };
    const std::vector<std::string> fresh{"density", "level 3",    "1252 on", "1112 on", "1113 on",
                                         "1343 off", "size 0", "1253",   "1254"};
    Command(CALCULATE);
    EXPECT_EQ(shown(), fresh);

    Choose<wxRadioButton>(ShownDialog(), ID_CALC_MESH_SIZE_MODE, wxEVT_RADIOBUTTON);
    ControlOf<wxTextCtrl>(ShownDialog(), ID_CALC_MESH_SIZE).SetValue("7.5");
    Choose<wxCheckBox>(ShownDialog(), ID_CALC_PAUSE, wxEVT_CHECKBOX);
    EXPECT_EQ(shown(), (std::vector<std::string>{"size", "level 3", "1252 off", "1112 off", "1113 off", "1343 on",
                                                  "size 7.5", "1253 checked", "1254"}));

    // The typed size was never read: the next showing starts afresh.
    Command(DISPLAY);
    Command(CALCULATE);
    EXPECT_EQ(shown(), fresh);
}

TEST_F(PropertiesOnScreen, TheMaterialListAddsModifiesAndDeletesAsTheSectionPageOpensIt)
{
    ASSERT_TRUE(Start("KLX 1"));
    const auto rows = [](CMaterialList& list) {
        std::vector<std::string> shown;
        wxListView& view = list.ListView();
        for (long row = 0; row < view.GetItemCount(); ++row)
            shown.push_back(view.GetItemText(row, 0).utf8_string() + " " + view.GetItemText(row, 1).utf8_string());
        return shown;
    };
    std::vector<std::string> proposedIds;
    std::vector<bool> idEnabled;
    std::string name;
    hook.itemDialog = [&](CMaterialItem& item) {
        auto& id = ControlOf<wxTextCtrl>(item, ID_MATERIAL_ID);
        proposedIds.push_back(id.GetValue().utf8_string());
        idEnabled.push_back(id.IsEnabled());
        ControlOf<wxTextCtrl>(item, ID_MATERIAL_NAME).SetValue(wxString::FromUTF8(name));
        ControlOf<wxTextCtrl>(item, ID_MATERIAL_MODULUS).SetValue("210000");
        ControlOf<wxTextCtrl>(item, ID_MATERIAL_RATIO).SetValue("0.3");
        return item.AcceptFields() ? wxID_OK : wxID_CANCEL;
    };
    std::vector<std::vector<std::string>> shown;
    hook.listDialog = [&](CMaterialList& list) {
        shown.push_back(rows(list));
        name = "Steel";
        Click(list, ID_MATERIAL_ADD);
        shown.push_back(rows(list));
        list.ListView().Select(0);
        name = "Mild Steel";
        Click(list, ID_MATERIAL_MODIFY);
        shown.push_back(rows(list));
        list.ListView().Select(0);
        Click(list, ID_MATERIAL_DELETE);
        shown.push_back(rows(list));
        return int{wxID_OK};
    };
    // As the Section page's "..." sends it.
    ToolPageContext& pages = Frame().Workspace().Pages()->Controller(ToolPageKind::Section).Context();
    ASSERT_TRUE(pages.sendCommand);
    pages.sendCommand(CMD_MATERIAL_LIST);
    Settle();

    EXPECT_EQ(hook.titles, (std::vector<std::string>{"Material List", "Add/Modify Material", "Add/Modify Material"}));
    EXPECT_EQ(proposedIds, (std::vector<std::string>{"1", "1"}));
    EXPECT_EQ(idEnabled, (std::vector<bool>{true, false}));
    EXPECT_EQ(shown, (std::vector<std::vector<std::string>>{{}, {"1 Steel"}, {"1 Mild Steel"}, {}}));
    EXPECT_TRUE(Model().m_materials.empty());
    EXPECT_TRUE(user.boxes.empty());
}

}  // namespace
