// The File menu's recent files on the real frame: above Exit, between
// separators, in the session that opened or saved them and after a restart
// that reads them back from the saved settings.

#include "program_on_screen.h"

#include "frame/MainFrame.h"
#include "frame/ToolbarTable.h"

#include <wx/menu.h>

#include <algorithm>

namespace {

using Labels = std::vector<std::string>;

class RecentFilesOnScreen : public ProgramOnScreen {
protected:
    // The File menu after its print items.
    Labels FileMenuEnd()
    {
        const Labels labels = MenuLabels(*Frame().GetMenuBar()->GetMenu(0));
        const auto print = std::find(labels.begin(), labels.end(), "&Print...\tCtrl+P");
        EXPECT_NE(print, labels.end());
        return print == labels.end() ? labels : Labels(print + 1, labels.end());
    }
};

TEST_F(RecentFilesOnScreen, StandAboveExitBetweenSeparatorsInTheFirstSessionAndAfterARestart)
{
    const std::string first = SavedProject("first.klx", {{0, 0}});
    const std::string second = SavedProject("second.klx", {{1, 1}});
    const std::string third = SavedProject("third.klx", {{2, 2}});
    ASSERT_TRUE(Start(""));
    EXPECT_EQ(FileMenuEnd(), (Labels{"-", "E&xit"}));
    ASSERT_TRUE(app->OpenDocumentFile(first));
    ASSERT_TRUE(app->OpenDocumentFile(second));
    EXPECT_EQ(FileMenuEnd(), (Labels{"-", "&1 second.klx", "&2 first.klx", "-", "E&xit"}));
    Quit();

    // Read back at the next start; a file opened then joins at the top.
    ASSERT_TRUE(Start(""));
    EXPECT_EQ(FileMenuEnd(), (Labels{"-", "&1 second.klx", "&2 first.klx", "-", "E&xit"}));
    ASSERT_TRUE(app->OpenDocumentFile(third));
    EXPECT_EQ(FileMenuEnd(), (Labels{"-", "&1 third.klx", "&2 second.klx", "&3 first.klx", "-", "E&xit"}));
    // Opened again, a listed file moves to the top.
    ASSERT_TRUE(app->OpenDocumentFile(first));
    EXPECT_EQ(FileMenuEnd(), (Labels{"-", "&1 first.klx", "&2 third.klx", "&3 second.klx", "-", "E&xit"}));
}

// A save that the "Save changes to …?" question of New, Open or Exit asked
// for puts the file at the top of the list, as File > Save does.
TEST_F(RecentFilesOnScreen, AFileSavedFromTheSaveQuestionOfNewOpenOrExitJoinsTheList)
{
    enum class Asking { New, Open, Exit };
    const std::string other = SavedProject("other.klx", {{1, 1}});
    const struct {
        const char* name;
        Asking asking;
    } cases[] = {{"New", Asking::New}, {"Open", Asking::Open}, {"Exit", Asking::Exit}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UseSettingsText("");
        ASSERT_TRUE(Start("KLX 1"));
        AddLines({{0, 0, 10, 0}});
        Frame().Document().OnModelChanged();
        prompts.answers = {SaveAnswer::Yes};
        prompts.savePaths = {(folder / "saved.klx").string()};
        switch (c.asking) {
        case Asking::New:
            Command(CMD_FILE_NEW);
            EXPECT_EQ(FileMenuEnd(), (Labels{"-", "&1 saved.klx", "-", "E&xit"}));
            break;
        case Asking::Open:
            ASSERT_TRUE(app->OpenDocumentFile(other));
            EXPECT_EQ(FileMenuEnd(), (Labels{"-", "&1 other.klx", "&2 saved.klx", "-", "E&xit"}));
            break;
        case Asking::Exit:
            // Read back at the next start.
            Command(CMD_APP_EXIT);
            ASSERT_EQ(app->Frame(), nullptr) << "the program did not end";
            Quit();
            ASSERT_TRUE(Start("KLX 1"));
            EXPECT_EQ(FileMenuEnd(), (Labels{"-", "&1 saved.klx", "-", "E&xit"}));
            break;
        }
        EXPECT_TRUE(prompts.answers.empty());
        EXPECT_TRUE(prompts.savePaths.empty());
        Quit();
        std::filesystem::remove(folder / "saved.klx");
    }
}

}  // namespace
