// The Section page in the real program, through its own controls: a plane
// section generated from four lines drawn as a rectangle, its domain given a
// material, the section picked, exported and queried; the domain states of a
// rectangle in two parts answered with the mouse.

#include "program_on_screen.h"
#include "screen_capture.h"

#include "frame/MainFrame.h"
#include "frame/OutputWindow.h"
#include "frame/ProjectWorkspace.h"
#include "frame/ToolDialogPanel.h"
#include "frame/ToolPage.h"
#include "frame/ToolbarTable.h"
#include "io/ProjectFileRead.h"
#include "model/SectModel.h"
#include "view/TarvokrtView.h"

#include <wx/aui/auibar.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/textctrl.h>

#include <set>

namespace {

// The page's commands: Generate, Pick, Export, Query, Change Domain State.
constexpr int CMD_GENERATE = 32813;
constexpr int CMD_PICK = 32818;
constexpr int CMD_EXPORT = 32823;
constexpr int CMD_QUERY = 32817;
constexpr int CMD_DOMAIN_STATE = 32815;
const int SECTION_COMMANDS[] = {32813, 32814, 32821, 32822, 32816, 32824, 32815, 32819, 32823, 32818, 32817};

class SectionPageOnScreen : public ProgramOnScreen {
protected:
    // Four lines around (0, 0) - (100, 50).
    void SetUpOnScreen() override
    {
        ASSERT_TRUE(Start(""));
        Frame().SetSize(1000, 760);
        AddLines({{0, 0, 100, 0}, {100, 0, 100, 50}, {100, 50, 0, 50}, {0, 50, 0, 0}});
        ShowModelFitted();
    }

    std::string Output() { return Frame().Output().ShownText(); }
    wxWindow& DialogControl(int id)
    {
        wxWindow* control = Page().ShownDialog() ? Page().ShownDialog()->FindWindow(id) : nullptr;
        EXPECT_NE(control, nullptr) << id;
        return *control;
    }

    void Command(int commandId)
    {
        wxCommandEvent command(wxEVT_MENU, WxCommandId(commandId));
        wxPostEvent(&Frame(), command);
        Settle();
    }
    void Apply() { Press(*Page().FindWindow(ShellOf(ToolPageKind::Section).applyId)); }
    void Tick(int checkId)
    {
        auto& box = static_cast<wxCheckBox&>(DialogControl(checkId));
        box.SetValue(true);
        wxCommandEvent event(wxEVT_CHECKBOX, checkId);
        event.SetEventObject(&box);
        event.SetInt(1);
        box.GetEventHandler()->ProcessEvent(event);
    }
    void ChooseRow(int comboId, int row)
    {
        auto& combo = static_cast<wxChoice&>(DialogControl(comboId));
        combo.SetSelection(row);
        wxCommandEvent event(wxEVT_CHOICE, comboId);
        event.SetEventObject(&combo);
        event.SetInt(row);
        combo.GetEventHandler()->ProcessEvent(event);
    }


    // Pixels of the colour inside the view's picture of the rectangle, once
    // the window has painted them (none when it never does).
    int PixelsInside(const wxColour& colour)
    {
        int found = 0;
        PaintedPicture([&](const wxImage& picture) {
            const wxPoint offset = View().GetScreenPosition() - PictureOrigin(Frame());
            const wxPoint low = ClientOf(20, 40) + offset;
            const wxPoint high = ClientOf(80, 10) + offset;
            found = 0;
            for (int y = low.y; y <= high.y && y < picture.GetHeight(); ++y) {
                for (int x = low.x; x <= high.x && x < picture.GetWidth(); ++x) {
                    found += std::abs(picture.GetRed(x, y) - colour.Red()) < 8
                             && std::abs(picture.GetGreen(x, y) - colour.Green()) < 8
                             && std::abs(picture.GetBlue(x, y) - colour.Blue()) < 8;
                }
            }
            return found > 0;
        });
        return found;
    }
};

TEST_F(SectionPageOnScreen, GeneratePickExportAndQueryARectangle)
{
    for (int command : SECTION_COMMANDS)
        EXPECT_EQ(ToolbarEnables(command), std::optional<bool>(true)) << command;

    Command(CMD_GENERATE);
    EXPECT_EQ(Frame().Workspace().OpenPageCode(), 20003);
    EXPECT_EQ(View().m_toolCommandId, 3000);
    Drag(ClientOf(-20, -20), ClientOf(120, 70));
    ASSERT_EQ(Scene().m_selection[KIND_CURVE].size(), 4u);
    Apply();
    ASSERT_EQ(Model().m_sections.size(), 1u);
    const T_SECTION_D& section = *Model().m_sections.begin()->second;
    EXPECT_EQ(section.id, 1);
    EXPECT_EQ(section.name, "Section-P1");
    EXPECT_EQ(section.type, SECTION_PLANE);
    EXPECT_EQ(std::set<int>(section.curveIds.begin(), section.curveIds.end()), (std::set<int>{1, 2, 3, 4}));
    EXPECT_NE(Output().find("\nNew plane section [Section-P1] is generated."), std::string::npos) << Output();
    EXPECT_TRUE(Scene().m_selection[KIND_CURVE].empty());
    EXPECT_GT(PixelsInside(wxColour(255, 255, 128)), 100);

    // Chosen from the page's own list, Assign Domain Material finds the
    // section's domain to pick and gives it the chosen material.
    ASSERT_TRUE(Frame().Document().CreateMaterial(7, "Steel", 2.1e5, 0.3));
    wxChoice& commands = *Page().Combo();
    commands.SetSelection(9);
    wxCommandEvent choose(wxEVT_CHOICE, commands.GetId());
    choose.SetEventObject(&commands);
    choose.SetInt(9);
    commands.GetEventHandler()->ProcessEvent(choose);
    Settle();
    EXPECT_EQ(Scene().m_active[KIND_DOMAIN], std::set<int>{DomainKey(1, 1)});
    ChooseRow(1270, 1);
    Drag(ClientOf(50, 25), ClientOf(50, 25));
    EXPECT_EQ(Scene().m_selection[KIND_DOMAIN], std::set<int>{DomainKey(1, 1)});
    Apply();
    EXPECT_EQ(section.domains.at(1)->materialId, 7);
    EXPECT_TRUE(Scene().m_selection[KIND_DOMAIN].empty());

    // Pick by type "Plane"; Export keeps the picked section.
    Command(CMD_PICK);
    Tick(1298);
    ChooseRow(1311, 0);
    Apply();
    EXPECT_EQ(Scene().m_selection[KIND_SECTION], std::set<int>{SectionKey(1)});
    Command(CMD_EXPORT);
    EXPECT_EQ(Scene().m_selection[KIND_SECTION], std::set<int>{SectionKey(1)});
    const std::string path = (folder / "picked.klx").string();
    prompts.savedFiles.push_back(path);
    Press(DialogControl(1350));
    EXPECT_EQ(static_cast<wxTextCtrl&>(DialogControl(1349)).GetValue(), path);
    Apply();
    // A typed name is the file, in the format's type.
    Command(CMD_PICK);
    Tick(1298);
    ChooseRow(1311, 0);
    Apply();
    Command(CMD_EXPORT);
    static_cast<wxTextCtrl&>(DialogControl(1349)).SetValue((folder / "typed").string());
    Apply();
    for (const std::filesystem::path& written : {folder / "picked.klx", folder / "typed.klx"}) {
        CSectModel exported;
        ASSERT_EQ(ReadProjectFileFrom(exported, written.string(), false), ProjectReadResult::Read) << written;
        ASSERT_EQ(exported.m_sections.size(), 1u);
        EXPECT_EQ(exported.m_sections.begin()->second->name, "Section-P1");
    }

    // Query: a click on the section reports it and leaves nothing selected.
    Command(CMD_QUERY);
    const size_t before = Output().size();
    Drag(ClientOf(50, 25), ClientOf(50, 25));
    EXPECT_NE(Output().find("Section-P1", before), std::string::npos) << Output().substr(before);
    EXPECT_TRUE(Scene().m_selection[KIND_SECTION].empty());
}

TEST_F(SectionPageOnScreen, EveryCommandShowsItsDialogAndANewMaterialReachesItsCombo)
{
    // A control of each command's dialog.
    const std::pair<int, int> commandControls[] = {
        {32813, 1170}, {32814, 1388}, {32821, 1186}, {32822, 1190}, {32816, 1204}, {32824, 1175},
        {32819, 1270}, {32823, 1398}, {32818, 1296}};
    for (const auto& [command, control] : commandControls) {
        SCOPED_TRACE(command);
        Command(command);
        ASSERT_NE(Page().ShownDialog(), nullptr);
        EXPECT_NE(Page().ShownDialog()->FindWindow(control), nullptr);
    }
    for (int command : {32815, 32817}) {
        Command(command);
        EXPECT_NE(Page().ShownDialog(), nullptr);
    }

    Command(32819);
    auto& combo = static_cast<wxChoice&>(DialogControl(1270));
    EXPECT_FALSE(combo.IsEnabled());
    ASSERT_TRUE(Frame().Document().CreateMaterial(7, "Steel", 2.1e5, 0.3));
    Settle();
    EXPECT_TRUE(combo.IsEnabled());
    ASSERT_EQ(combo.GetCount(), 2u);
    EXPECT_EQ(combo.GetString(0), "None");
    EXPECT_EQ(combo.GetString(1), "7:Steel");
    EXPECT_EQ(combo.GetSelection(), wxNOT_FOUND);
}

TEST_F(SectionPageOnScreen, ChangeDomainStateAsksAboutEachDomainOfARectangleInTwoParts)
{
    const double top[2] = {50, 50};
    const double bottom[2] = {50, 0};
    ASSERT_TRUE(Model().CreateLine(bottom, top, 1, 0.0));
    // The long sides cut where the middle line meets them.
    ASSERT_TRUE(Model().IntersectCurves({1, 2, 3, 4, 5}, true, true));
    Frame().Document().OnModelChanged();
    Settle();
    Command(CMD_GENERATE);
    Drag(ClientOf(-20, -20), ClientOf(120, 70));
    Apply();
    ASSERT_EQ(Model().m_sections.size(), 1u);
    const T_SECTION_D& section = *Model().m_sections.begin()->second;
    ASSERT_EQ(section.domains.size(), 2u);

    Command(CMD_DOMAIN_STATE);
    Drag(ClientOf(25, 25), ClientOf(25, 25));
    ASSERT_EQ(Scene().m_selection[KIND_SECTION], std::set<int>{SectionKey(1)});
    Apply();
    // The view asks about each domain in turn; a left click uses the
    // highlighted domain, a right click leaves it out.
    EXPECT_TRUE(View().IsModal());
    EXPECT_TRUE(Scene().m_selection[KIND_SECTION].empty());
    const std::string question = "- Use this highlighted domain? (Yes:LB / No:RB / All:Enter / Stop:ESC)";
    EXPECT_TRUE(Output().ends_with(question)) << Output();
    Post(wxEVT_LEFT_DOWN, ClientOf(25, 25), true);
    Post(wxEVT_LEFT_UP, ClientOf(25, 25), false);
    Settle();
    Post(wxEVT_RIGHT_UP, ClientOf(25, 25), false);
    Settle();
    EXPECT_FALSE(View().IsModal());
    EXPECT_TRUE(section.domains.at(1)->used);
    EXPECT_FALSE(section.domains.at(2)->used);
}

}  // namespace
