// The File menu's recent files on the real frame: above Exit, between
// separators, in the session that opened them and after a restart that reads
// them back from the saved settings.

#include "program_on_screen.h"

#include "frame/MainFrame.h"

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

}  // namespace
