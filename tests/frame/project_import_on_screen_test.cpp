// File > Import > KLX Project on the real frame, with the file chooser
// answered by the test.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/OutputWindow.h"
#include "frame/ToolbarTable.h"
#include "saved_project.h"
#include "support/SectionCentre.h"
#include "view/TarvokrtView.h"

#include <wx/menu.h>

#include <array>
#include <vector>

namespace {

class ProjectImportOnScreen : public ProgramOnScreen {
protected:
};

TEST_F(ProjectImportOnScreen, TwoImportedProjectsAreShownArrangedAndOneUndoTakesThemAway)
{
    ASSERT_TRUE(Start("KLX 1"));
    EXPECT_TRUE(Frame().GetMenuBar()->IsEnabled(WxCommandId(CMD_IMPORT_PROJECT)));
    const std::string first = SaveTwoSectionProject(folder / "Beam-1.klx");
    const std::string second = SaveTwoSectionProject(folder / "Beam-2.klx");
    prompts.openChoices.push_back({first, second});
    user.QueueAnswers({true});

    Command(CMD_IMPORT_PROJECT);
    EXPECT_EQ(prompts.openDialogs, (std::vector<std::string>{"Open|KLX Project Files (*.klx)|*.klx"}));
    ASSERT_EQ(Model().m_sections.size(), 4u);
    for (const auto& [id, section] : Model().m_sections)
        EXPECT_TRUE(Scene().IsSectionActive(id)) << id;
    const std::string shown = Frame().Output().ShownText();
    for (const char* line : {"Import KLX project",
                             "(1) Imported KLX project [BEAM-1]: Section [2], Curve [8], Point [8]",
                             "(2) Imported KLX project [BEAM-2]: Section [2], Curve [8], Point [8]",
                             "- Integrated KLX project: Section [4], Curve [16], Point [16]"})
        EXPECT_NE(shown.find(line), std::string::npos) << line << " not in\n" << shown;
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, "Arrange the 4 sections?");
    // Four 100 by 50 rectangles in cells of 105 by 55, two rows of two.
    const std::vector<std::array<double, 2>> centres = {{-52.5, 27.5}, {52.5, 27.5}, {-52.5, -27.5}, {52.5, -27.5}};
    for (int id = 1; id <= 4; ++id) {
        EXPECT_NEAR(SectionCurveCentre(Model(), id)[0], centres[id - 1][0], 1e-9) << id;
        EXPECT_NEAR(SectionCurveCentre(Model(), id)[1], centres[id - 1][1], 1e-9) << id;
    }

    Command(CMD_EDIT_UNDO);
    EXPECT_TRUE(Model().m_sections.empty());
    EXPECT_TRUE(Model().m_curves.empty());
    EXPECT_TRUE(Model().m_groups.empty());
    EXPECT_TRUE(Scene().m_active[KIND_SECTION].empty());
    EXPECT_TRUE(Scene().m_active[KIND_CURVE].empty());
}

}  // namespace
