// The program started as a user starts it, on the test display.

#include "program_on_screen.h"
#include "screen_capture.h"

#include "frame/MainFrame.h"
#include "frame/OutputWindow.h"
#include "frame/WindowManagerMaximize.h"
#include "view/TarvokrtView.h"

#include <wx/config.h>
#include <wx/display.h>
#include <wx/image.h>
#include <wx/modalhook.h>
#include <wx/textctrl.h>
#include <wx/utils.h>

#include "x_properties.h"

#include <gdk/gdkx.h>
#include <gtk/gtk.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <ostream>

namespace {

const char* const BANNER = "TARVO/KLX V 1.3.0 - Profilor";

TEST_F(ProgramOnScreen, StartsWithAnEmptyProjectAndShowsTheSettingDialogOnce)
{
    ASSERT_TRUE(Start(""));
    EXPECT_EQ(ShownDialogs(), (std::vector<std::string>{"Setting"}));
    EXPECT_TRUE(Frame().IsShown());
    EXPECT_TRUE(Frame().Document().GetModel()->m_points.empty());
    EXPECT_EQ(Frame().Output().ShownText(), std::string("\n") + BANNER);
    EXPECT_FALSE(app->m_startupProject);

    // Every later File New opens the dialog at once.
    app->OnFileNew();
    Settle();
    EXPECT_EQ(ShownDialogs(), (std::vector<std::string>{"Setting", "Setting"}));
    EXPECT_TRUE(user.boxes.empty());
}

// What the start-up "Setting" dialog shows of itself once it is on screen.
class StartUpDialogLook : public wxModalDialogHook {
public:
    int Enter(wxDialog* dialog) override
    {
        if (dialog->GetTitle() == "Setting" && !seen)
            dialog->CallAfter([this, dialog] { Look(*dialog); });
        return wxID_NONE;
    }
    void Exit(wxDialog*) override {}

    struct Seen {
        bool parentIsMainWindow;
        wxRect dialog;
        wxRect mainWindow;
        bool boxesGoToTheDialog;
        // The dialog's and the main window's.
        std::vector<int> places;
    };
    std::optional<Seen> seen;
    const std::unique_ptr<CTarvokrtApp>* app = nullptr;

private:
    void Look(wxDialog& dialog)
    {
        CMainFrame* frame = (*app)->Frame();
        XSync(static_cast<Display*>(wxGetDisplay()), False);
        seen = Seen{dialog.GetParent() == frame,
                    dialog.GetScreenRect(),
                    frame->GetScreenRect(),
                    frame->Ports().BoxParent() == &dialog,
                    StackingPlaces({&dialog, frame})};
    }
};

class StartUpDialogOnScreen : public ProgramOnScreen {
protected:
    StartUpDialogLook look;
};

TEST_F(StartUpDialogOnScreen, StandsCentredOverTheMainWindowAboveItWithItsBoxes)
{
    look.app = &app;
    AnswerDialogsWith(look);
    ASSERT_TRUE(Start(""));
    ASSERT_TRUE(look.seen.has_value());
    const StartUpDialogLook::Seen& seen = *look.seen;
    EXPECT_TRUE(seen.parentIsMainWindow);
    const wxPoint dialogCentre = seen.dialog.GetPosition() + seen.dialog.GetSize() / 2;
    const wxPoint frameCentre = seen.mainWindow.GetPosition() + seen.mainWindow.GetSize() / 2;
    EXPECT_NEAR(dialogCentre.x, frameCentre.x, 30) << seen.dialog.x << " in " << seen.mainWindow.x;
    EXPECT_NEAR(dialogCentre.y, frameCentre.y, 30) << seen.dialog.y << " in " << seen.mainWindow.y;
    EXPECT_TRUE(seen.boxesGoToTheDialog);
    ASSERT_GE(seen.places[1], 0);
    EXPECT_GT(seen.places[0], seen.places[1]);
}

TEST_F(ProgramOnScreen, StartedWithAProjectFileOpensItWithoutTheDialog)
{
    const std::string path = SavedProject("beam.klx", {{0, 0}, {200, 100}});
    ASSERT_TRUE(Start(path));
    EXPECT_TRUE(ShownDialogs().empty());
    EXPECT_EQ(Frame().Document().GetModel()->m_points.size(), 2u);
    EXPECT_EQ(Frame().Document().GetPathName(), path);
    EXPECT_EQ(Frame().GetTitle().utf8_string(), "Tarvo/KLX V1.3.0 - beam.klx");
    const std::string shown = Frame().Output().ShownText();
    EXPECT_EQ(shown.rfind(std::string("\n") + BANNER + "\nKLX project is retrieved from [", 0), 0u) << shown;
    EXPECT_FALSE(app->m_startupProject);

    // The first later File New opens the dialog.
    app->OnFileNew();
    Settle();
    EXPECT_EQ(ShownDialogs(), (std::vector<std::string>{"Setting"}));
}

struct CommandLineCase {
    const char* text;
    bool newProject;
};

void PrintTo(const CommandLineCase& c, std::ostream* out) { *out << "'" << c.text << "'"; }

class CommandLine : public ProgramOnScreen, public testing::WithParamInterface<CommandLineCase> {};

TEST_P(CommandLine, ExactlyKlx0OrKlx1IsFileNewAndAnythingElseAFileName)
{
    const CommandLineCase& c = GetParam();
    const bool started = Start(c.text);
    EXPECT_EQ(started, c.newProject);
    if (c.newProject) {
        EXPECT_TRUE(user.boxes.empty());
        EXPECT_EQ(ShownDialogs(), (std::vector<std::string>{"Setting"}));
    } else {
        ASSERT_EQ(user.BoxTexts(), (std::vector<std::string>{std::string("Cannot open the file ") + c.text + "."}));
        EXPECT_EQ(user.boxes[0].kind, BoxKind::Error);
        EXPECT_EQ(app->Frame(), nullptr);
    }
}

TEST_F(ProgramOnScreen, AStartUpFileThatCannotBeReadEndsStartUpWithTheReadersMessage)
{
    const std::string damaged = (folder / "damaged.klx").string();
    std::ofstream(damaged, std::ios::binary) << "no project";
    EXPECT_FALSE(Start(damaged));
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(app->Frame(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Texts, CommandLine,
                         testing::Values(CommandLineCase{"KLX 1", true}, CommandLineCase{"KLX 0", true},
                                         CommandLineCase{"klx 1", false}, CommandLineCase{"KLX 2", false},
                                         CommandLineCase{"KLX 1 ", false}));

TEST_F(ProgramOnScreen, AFailedOpenOfADamagedFileKeepsThePreviousProject)
{
    const std::string path = SavedProject("kept.klx", {{0, 0}, {50, 50}, {100, 0}});
    ASSERT_TRUE(Start(path));
    const std::string outputBefore = Frame().Output().ShownText();
    const CSectModel* modelBefore = Frame().Document().GetModel();

    const std::string damaged = (folder / "damaged.klx").string();
    {
        std::ifstream good(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(good)), std::istreambuf_iterator<char>());
        std::ofstream(damaged, std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    }
    EXPECT_FALSE(app->OpenDocumentFile(damaged));
    Settle();
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(Frame().Document().GetModel(), modelBefore);
    EXPECT_EQ(Frame().Document().GetModel()->m_points.size(), 3u);
    EXPECT_EQ(Frame().Document().GetPathName(), path);
    EXPECT_EQ(Frame().GetTitle().utf8_string(), "Tarvo/KLX V1.3.0 - kept.klx");
    EXPECT_EQ(Frame().Output().ShownText(), outputBefore);
    EXPECT_EQ(Frame().View().GetScene()->m_active[KIND_POINT].size(), 3u);
}

TEST_F(ProgramOnScreen, NewAfterInactiveEntitiesStartsWithACleanScene)
{
    ASSERT_TRUE(Start(SavedProject("inactive.klx", {{0, 0}, {50, 50}, {100, 0}})));
    CScene& scene = *Frame().View().GetScene();
    scene.InactivateAll();
    scene.SelectPoints({1});
    scene.m_colours[COLOUR_POINT] = {0.5f, 0.5f, 0.5f};
    Frame().View().m_mouseMode = MOUSE_SELECT;
    ASSERT_FALSE(scene.m_inactive[KIND_POINT].empty());

    app->OnFileNew();
    Settle();
    EXPECT_TRUE(Frame().Document().GetModel()->m_points.empty());
    for (int kind = 0; kind < KIND_COUNT; ++kind) {
        EXPECT_TRUE(scene.m_inactive[kind].empty()) << kind;
        EXPECT_TRUE(scene.m_selection[kind].empty()) << kind;
        EXPECT_TRUE(scene.m_previousSelection[kind].empty()) << kind;
    }
    EXPECT_TRUE(scene.m_combinedSelection.empty());
    EXPECT_EQ(scene.m_activityMode, ACTIVITY_ALL);
    EXPECT_EQ(scene.m_colours[COLOUR_POINT], (Colour{0.0f, 0.0f, 1.0f}));
    EXPECT_EQ(Frame().View().m_mouseMode, MOUSE_NONE);
    EXPECT_EQ(Frame().Output().ShownText(), std::string("\n") + BANNER);
}

TEST_F(ProgramOnScreen, ACancelledSaveQuestionKeepsTheModifiedProject)
{
    ASSERT_TRUE(Start(SavedProject("modified.klx", {{0, 0}})));
    const double xy[2] = {10, 10};
    ASSERT_TRUE(Frame().Document().GetModel()->CreatePointByCoordinate(xy));
    Frame().Document().OnModelChanged();
    Frame().View().GetScene()->InactivateAll();

    prompts.answers = {SaveAnswer::Cancel};
    EXPECT_FALSE(app->OpenDocumentFile(std::nullopt));
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"modified.klx"}));
    EXPECT_EQ(Frame().Document().GetModel()->m_points.size(), 2u);
    EXPECT_TRUE(Frame().Document().IsModified());
    EXPECT_FALSE(Frame().View().GetScene()->m_inactive[KIND_POINT].empty());
}

TEST_F(ProgramOnScreen, FileNewEndsWhenTheSaveQuestionIsCancelled)
{
    ASSERT_TRUE(Start(SavedProject("kept.klx", {{0, 0}})));
    const double xy[2] = {10, 10};
    ASSERT_TRUE(Frame().Document().GetModel()->CreatePointByCoordinate(xy));
    Frame().Document().OnModelChanged();
    const double tolerance = Frame().Document().GetModel()->m_tolerance;
    const size_t dialogs = ShownDialogs().size();

    prompts.answers = {SaveAnswer::Cancel};
    app->OnFileNew();
    Settle();
    EXPECT_EQ(prompts.asked, (std::vector<std::string>{"kept.klx"}));
    EXPECT_EQ(ShownDialogs().size(), dialogs);  // no "Setting" over the old project
    EXPECT_EQ(Frame().Document().GetModel()->m_points.size(), 2u);
    EXPECT_EQ(Frame().Document().GetModel()->m_tolerance, tolerance);
    EXPECT_TRUE(Frame().Document().IsModified());

    // Answered, File New makes the project and asks for its settings.
    prompts.answers = {SaveAnswer::No};
    app->OnFileNew();
    Settle();
    EXPECT_TRUE(Frame().Document().GetModel()->m_points.empty());
    ASSERT_EQ(ShownDialogs().size(), dialogs + 1);
    EXPECT_EQ(ShownDialogs().back(), "Setting");
}

TEST_F(ProgramOnScreen, AFirstRunGetsAUsableRestoredRectangleAndStoresIt)
{
    ASSERT_TRUE(Start("KLX 1"));
    const wxRect area = wxDisplay(0u).GetClientArea();
    // Three quarters of the work area each way, centred.
    const wxRect expected(area.x + (area.width - area.width * 3 / 4) / 2,
                          area.y + (area.height - area.height * 3 / 4) / 2, area.width * 3 / 4, area.height * 3 / 4);
    EXPECT_EQ(Frame().NormalRect(), expected);
    Quit();

    // Stored relative to the work area, as a restore reads it.
    wxConfigBase* config = wxConfigBase::Get();
    EXPECT_EQ(config->ReadLong("/WINDOWPOS/Left", -1), expected.GetLeft() - area.x);
    EXPECT_EQ(config->ReadLong("/WINDOWPOS/Top", -1), expected.GetTop() - area.y);
    EXPECT_EQ(config->ReadLong("/WINDOWPOS/Right", -1), expected.GetRight() + 1 - area.x);
    EXPECT_EQ(config->ReadLong("/WINDOWPOS/Bottom", -1), expected.GetBottom() + 1 - area.y);
}

TEST_F(ProgramOnScreen, WindowPositionAndBarLayoutSurviveARestart)
{
    wxConfigBase* config = wxConfigBase::Get();
    config->Write("/WINDOWPOS/Status", 1);
    config->Write("/WINDOWPOS/Top", 40);
    config->Write("/WINDOWPOS/Left", 60);
    config->Write("/WINDOWPOS/Bottom", 740);
    config->Write("/WINDOWPOS/Right", 1060);
    ASSERT_TRUE(Start("KLX 1"));
    EXPECT_EQ(Frame().NormalRect().GetSize(), wxSize(1000, 700));
    EXPECT_EQ(Frame().NormalRect().GetLeft(), 60);

    wxAuiPaneInfo& view = Frame().Bars().GetPane("View");
    ASSERT_TRUE(view.IsOk());
    EXPECT_EQ(view.dock_direction, wxAUI_DOCK_LEFT);
    view.Right();
    Frame().Bars().GetPane("Output Window").BestSize(-1, 250);
    Frame().Bars().Update();
    Settle();
    Quit();

    EXPECT_EQ(config->ReadLong("/WINDOWPOS/Left", -1), 60);
    EXPECT_EQ(config->ReadLong("/WINDOWPOS/Right", -1), 1060);
    EXPECT_EQ(config->ReadLong("/WINDOWPOS/Bottom", -1) - config->ReadLong("/WINDOWPOS/Top", -1), 700);
    const wxString layout = config->Read("/Toolbars/KRT_TBar", "");
    EXPECT_NE(layout.Find("name=View;"), wxNOT_FOUND);

    ASSERT_TRUE(Start("KLX 1"));
    EXPECT_EQ(Frame().Bars().GetPane("View").dock_direction, wxAUI_DOCK_RIGHT);
    EXPECT_EQ(Frame().Bars().GetPane("File").dock_direction, wxAUI_DOCK_TOP);
    EXPECT_EQ(Frame().NormalRect().GetSize(), wxSize(1000, 700));
    EXPECT_EQ(Frame().NormalRect().GetLeft(), 60);
}

// A settings note wider than the window, printed before the frame takes its
// size, shows from its start once it has, as every line does: the window does
// not open scrolled to the right, past the banner.
TEST_F(ProgramOnScreen, TheOutputWindowShowsItsLinesFromTheirStartOnceTheFrameHasItsSize)
{
    UseSettingsText("[WINDOWPOS]\nStatus=1\n=x\n");
    ASSERT_TRUE(Start("KLX 1"));
    const std::string shown = Frame().Output().ShownText();
    ASSERT_NE(shown.find("could not be read cleanly"), std::string::npos) << shown;
    auto* text = dynamic_cast<wxTextCtrl*>(Frame().Output().GetChildren().GetFirst()->GetData());
    ASSERT_NE(text, nullptr);
    GtkAdjustment* across = gtk_scrolled_window_get_hadjustment(GTK_SCROLLED_WINDOW(text->GetHandle()));
    // Laid out at the window's width, which the note passes.
    const auto laidOut = [&] {
        return SizedAsGiven(*text) && gtk_adjustment_get_page_size(across) >= text->GetClientSize().x / 2
               && gtk_adjustment_get_upper(across) > gtk_adjustment_get_page_size(across);
    };
    ASSERT_TRUE(RunEventsUntil(laidOut)) << "the output window " << Described(text->GetRect()) << " shows "
                                         << gtk_adjustment_get_page_size(across) << " of "
                                         << gtk_adjustment_get_upper(across) << " pixels across";
    Settle();
    EXPECT_EQ(gtk_adjustment_get_value(across), 0.0);

    // Lines enough to pass its height: the newest stays in view, from its start.
    for (int line = 1; line <= 60; ++line)
        Frame().Output().AddMessage("line " + std::to_string(line));
    GtkAdjustment* down = gtk_scrolled_window_get_vadjustment(GTK_SCROLLED_WINDOW(text->GetHandle()));
    EXPECT_TRUE(RunEventsUntil([&] {
        return gtk_adjustment_get_upper(down) > gtk_adjustment_get_page_size(down)
               && gtk_adjustment_get_value(down) + gtk_adjustment_get_page_size(down) >= gtk_adjustment_get_upper(down);
    })) << "shown from " << gtk_adjustment_get_value(down) << " of " << gtk_adjustment_get_upper(down);
    EXPECT_EQ(gtk_adjustment_get_value(across), 0.0);
}

// Once the window manager has framed the main window, the placement knows the
// height of the manager's own title bar, not a guess of it: the window that
// leaves its maximised state keeps that bar within the work area.
TEST_F(ProgramOnScreen, ThePlacementTakesTheTitleBarOfTheManagersFrame)
{
    ASSERT_TRUE(Start("KLX 1"));
    if (!WindowManagerMaximizes())
        GTEST_SKIP() << "no window manager frames the window";
    GdkWindow* window = gtk_widget_get_window(Frame().GetHandle());
    ASSERT_TRUE(window && GDK_IS_X11_WINDOW(window));
    const std::vector<unsigned long> extents = WindowProperty(
        static_cast<Display*>(wxGetDisplay()), gdk_x11_window_get_xid(window), "_NET_FRAME_EXTENTS", XA_CARDINAL);
    ASSERT_EQ(extents.size(), 4u);
    EXPECT_EQ(Frame().CurrentScreenLimits().titleBarHeight, static_cast<int>(extents[2]));
}

TEST_F(ProgramOnScreen, TheScreenShowsTheFrameItsBarsTheBannerAndTheDrawnModel)
{
    ASSERT_TRUE(Start(SavedProject("shown.klx", {{0, 0}, {400, 0}, {400, 300}, {0, 300}, {200, 150}})));
    CTarvokrtView& view = Frame().View();

    // The view's area in the window: a white background, and in its upper
    // part (away from the axis glyph at the origin) the blue points. The bars
    // are drawn by the frame: not the view's white.
    wxRect area;
    int white = 0;
    int blue = 0;
    bool whiteBar = true;
    const wxImage shot = PaintedPicture([&](const wxImage& picture) {
        const wxPoint origin = PictureOrigin(Frame());
        area = wxRect(view.GetScreenPosition() - origin, view.GetClientSize());
        const wxPoint toolbar = Frame().Bars().GetPane("File").window->GetScreenPosition() - origin;
        if (area.width <= 100 || area.GetRight() >= picture.GetWidth() || area.GetBottom() >= picture.GetHeight())
            return false;
        white = 0;
        blue = 0;
        for (int y = area.GetTop(); y <= area.GetBottom(); ++y) {
            for (int x = area.GetLeft(); x <= area.GetRight(); ++x) {
                const int r = picture.GetRed(x, y), g = picture.GetGreen(x, y), b = picture.GetBlue(x, y);
                white += r > 250 && g > 250 && b > 250;
                blue += y < area.GetTop() + area.height / 4 && r < 60 && g < 60 && b > 200;
            }
        }
        whiteBar = picture.GetRed(toolbar.x + 1, toolbar.y + 1) > 250
                   && picture.GetGreen(toolbar.x + 1, toolbar.y + 1) > 250
                   && picture.GetBlue(toolbar.x + 1, toolbar.y + 1) > 250;
        return white > area.width * area.height / 2 && blue >= 2 && !whiteBar;
    });
    ASSERT_GT(area.width, 100);
    ASSERT_TRUE(shot.IsOk());
    ASSERT_LE(area.GetRight(), shot.GetWidth() - 1);
    ASSERT_LE(area.GetBottom(), shot.GetHeight() - 1);
    if (const char* dir = std::getenv("KLX_SCREENSHOT_DIR")) {
        wxInitAllImageHandlers();
        shot.SaveFile(wxString(dir) + "/klx-frame.png", wxBITMAP_TYPE_PNG);
    }

    for (const char* pane : {"File", "View", "Grid/Snap", "Property", "Active", "Point", "Curve", "Section",
                             "Project Workspace", "Output Window"})
        EXPECT_TRUE(Frame().Bars().GetPane(pane).IsShown()) << pane;
    EXPECT_NE(Frame().Output().ShownText().find(BANNER), std::string::npos);
    EXPECT_GT(white, area.width * area.height / 2);
    EXPECT_GE(blue, 2);
    EXPECT_FALSE(whiteBar);
}

}  // namespace
