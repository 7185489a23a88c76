// Every value the program reads from its settings file is checked before
// use: a recent-file count, the window placement and the bar layout that no
// run of the program wrote (edited by hand, damaged) give no list, the
// default, or the nearest usable value, and never stop the program. Nor does
// a settings file that cannot be read cleanly, or a folder in its place.

#include "program_on_screen.h"
#include "toolkit_log_heard.h"
#include "view/support/ToolkitComplaints.h"

#include "frame/MainFrame.h"
#include "frame/OutputWindow.h"
#include "frame/RecentFileList.h"
#include "frame/SettingsFile.h"
#include "frame/StoredBarLayout.h"
#include "frame/ToolbarTable.h"

#include <gmock/gmock.h>
#include <wx/config.h>
#include <wx/display.h>
#include <wx/menu.h>
#include <wx/settings.h>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>

namespace {

TEST(RecentFileCount, NoneGivesNoListABadCountTheDefaultAndTooManyTheMost)
{
    const struct {
        std::optional<std::string> stored;
        std::size_t count;
    } cases[] = {
        {std::nullopt, 4}, {"0", 0}, {"1", 1}, {" 7 ", 7}, {"9", 9}, {"10", 9}, {"99999999999999999999", 9},
        {"-1", 4}, {"-99999999999999999999", 4}, {"", 4}, {"four", 4}, {"4.5", 4}, {"0x4", 4}, {"+3", 4},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RecentFileCount(c.stored), c.count) << (c.stored ? "\"" + *c.stored + "\"" : "nothing stored");
}

// A pane part as the bar manager writes it, with some fields given otherwise
// (an empty value leaves the field out).
std::string Pane(const std::string& name, const std::map<std::string, std::string>& changed = {})
{
    const std::vector<std::pair<std::string, std::string>> fields = {
        {"name", name},  {"caption", name}, {"state", "2106064"}, {"dir", "1"},    {"layer", "10"},
        {"row", "0"},    {"pos", "0"},      {"prop", "100000"},   {"bestw", "205"}, {"besth", "26"},
        {"minw", "-1"},  {"minh", "-1"},    {"maxw", "-1"},       {"maxh", "-1"},   {"floatx", "-1"},
        {"floaty", "-1"}, {"floatw", "-1"}, {"floath", "-1"},
    };
    std::string part;
    for (const auto& [key, value] : fields) {
        const auto other = changed.find(key);
        if (other != changed.end() && other->second.empty())
            continue;
        part += (part.empty() ? "" : ";") + key + "=" + (other == changed.end() ? value : other->second);
    }
    for (const auto& [key, value] : changed) {
        if (std::none_of(fields.begin(), fields.end(), [&](const auto& field) { return field.first == key; }))
            part += ";" + key + "=" + value;
    }
    return part;
}

TEST(StoredBarLayout, OnlyALayoutOfTheManagersOwnShapeNamingEveryPaneIsUsed)
{
    const std::set<std::string> panes = {"File", "View"};
    const std::string docks = "dock_size(1,10,0)=40|dock_size(4,10,0)=28|";
    const struct {
        const char* name;
        std::string layout;
        bool usable;
    } cases[] = {
        {"as written", "layout2|" + Pane("File") + "|" + Pane("View", {{"dir", "4"}}) + "|" + docks, true},
        {"a pane the frame lacks", "layout2|" + Pane("File") + "|" + Pane("View") + "|" + Pane("Old") + "|", true},
        {"read up to an empty part", "layout2|" + Pane("File") + "|" + Pane("View") + "||garbage", true},
        {"a pane left out", "layout2|" + Pane("File") + "|" + docks, false},
        {"no panes", "layout2|", false},
        {"another version", "layout1|" + Pane("File") + "|" + Pane("View") + "|", false},
        {"no layout at all", "garbage", false},
        {"an unknown field", "layout2|" + Pane("File", {{"colour", "red"}}) + "|" + Pane("View") + "|", false},
        {"a field left out", "layout2|" + Pane("File", {{"floath", ""}}) + "|" + Pane("View") + "|", false},
        {"a field twice", "layout2|" + Pane("File") + ";dir=1|" + Pane("View") + "|", false},
        {"a layer beyond reach", "layout2|" + Pane("File", {{"layer", "2000000000"}}) + "|" + Pane("View") + "|", false},
        {"a negative row", "layout2|" + Pane("File", {{"row", "-1"}}) + "|" + Pane("View") + "|", false},
        {"no side", "layout2|" + Pane("File", {{"dir", "0"}}) + "|" + Pane("View") + "|", false},
        {"a size beyond reach", "layout2|" + Pane("File", {{"bestw", "40000"}}) + "|" + Pane("View") + "|", false},
        {"a number with a blank", "layout2|" + Pane("File", {{"pos", " 5"}}) + "|" + Pane("View") + "|", false},
        {"a maximised pane", "layout2|" + Pane("File", {{"state", "2171600"}}) + "|" + Pane("View") + "|", false},
        {"the manager's own mark", "layout2|" + Pane("File", {{"state", "2149589712"}}) + "|" + Pane("View") + "|",
         false},
        {"a dock beyond reach", "layout2|" + Pane("File") + "|" + Pane("View") + "|dock_size(1,2000000000,0)=40|",
         false},
        {"a dock without a row", "layout2|" + Pane("File") + "|" + Pane("View") + "|dock_size(1,10)=40|", false},
        {"an escaped separator", "layout2|" + Pane("File", {{"caption", "a\\;b"}}) + "|" + Pane("View") + "|", false},
        {"a control character", "layout2|" + Pane("File", {{"caption", "a\bb"}}) + "|" + Pane("View") + "|", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsUsableBarLayout(c.layout, panes), c.usable) << c.name;
}

class BadSettingsOnScreen : public ProgramOnScreen {
protected:
    // The File menu's recent-file items.
    std::size_t RecentFileItems()
    {
        const wxMenu& file = *Frame().GetMenuBar()->GetMenu(0);
        std::size_t items = 0;
        for (int i = 0; i < MAX_RECENT_FILES; ++i)
            items += file.FindItem(WxCommandId(CMD_FILE_MRU_FIRST + i)) != nullptr;
        return items;
    }

    // The output window's lines that speak of the settings file.
    std::vector<std::string> SettingsLines() { return SettingsLines(Frame()); }
    static std::vector<std::string> SettingsLines(CMainFrame& frame)
    {
        std::vector<std::string> lines;
        std::istringstream shown(frame.Output().ShownText());
        for (std::string line; std::getline(shown, line);) {
            if (line.find("settings file") != std::string::npos)
                lines.push_back(line);
        }
        return lines;
    }

    static std::string FileBytes(const std::filesystem::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    }
};

TEST_F(BadSettingsOnScreen, ARecentFileCountOfNoneGivesNoListAndABadOneTheDefaultOrTheMost)
{
    std::vector<std::string> files;
    for (int i = 0; i <= MAX_RECENT_FILES; ++i)
        files.push_back(SavedProject("p" + std::to_string(i) + ".klx", {{i, 0.0}}));
    const struct {
        const char* stored;
        std::size_t listed;
    } cases[] = {
        {"0", 0}, {"2", 2}, {"-2", 4}, {"many", 4}, {"4.5", 4}, {"12", MAX_RECENT_FILES},
        {"99999999999999999999", MAX_RECENT_FILES},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("RecentUsed=") + c.stored);
        UseSettingsText(std::string("[ENV_GENERAL]\nRecentUsed=") + c.stored + "\n");
        ASSERT_TRUE(Start("KLX 1"));
        for (const std::string& file : files)
            ASSERT_TRUE(app->OpenDocumentFile(file));
        EXPECT_EQ(app->RecentFiles().GetCount(), c.listed);
        EXPECT_EQ(RecentFileItems(), c.listed);
        Quit();
    }
}

TEST_F(BadSettingsOnScreen, AWindowPlacementBeyondTheScreenIsPulledBackAndGarbageIsNone)
{
    const wxRect area = wxDisplay(0u).GetClientArea();
    const wxSize screen(wxSystemSettings::GetMetric(wxSYS_SCREEN_X), wxSystemSettings::GetMetric(wxSYS_SCREEN_Y));
    const int iconWidth = wxSystemSettings::GetMetric(wxSYS_ICON_X) > 0 ? wxSystemSettings::GetMetric(wxSYS_ICON_X) : 32;
    const int iconHeight = wxSystemSettings::GetMetric(wxSYS_ICON_Y) > 0 ? wxSystemSettings::GetMetric(wxSYS_ICON_Y) : 32;
    // A grip of the window's width stays on the screen; its title bar in the
    // work area, taken as 32 pixels high while the window manager has not
    // framed the window yet, as at start-up.
    const int grip = std::max(100, iconWidth);
    const int lowestTop = area.y + area.height - std::max(32, iconHeight);
    // A first run's placement: three quarters of the work area, centred.
    const wxRect none(area.x + (area.width - area.width * 3 / 4) / 2, area.y + (area.height - area.height * 3 / 4) / 2,
                      area.width * 3 / 4, area.height * 3 / 4);
    const struct {
        const char* name;
        const char* leftTopRightBottom;
        wxRect placed;
    } cases[] = {
        {"larger than any screen", "0 0 60000 60000", wxRect(area.GetPosition(), screen)},
        {"far off the screen's top left", "-50000 -40000 -49000 -39300", wxRect(grip - 1000, area.y, 1000, 700)},
        {"far off the screen's bottom right", "50000 40000 51000 40700",
         wxRect(screen.x - grip, lowestTop, 1000, 700)},
        {"beyond what a number holds", "-2147483648 0 2147483647 500", none},
        {"beyond a long", "0 0 99999999999999999999 500", none},
        {"edges swapped", "900 100 100 700", none},
        {"no width", "100 100 100 700", none},
        {"no number", "100 abc 900 700", none},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream edges(c.leftTopRightBottom);
        std::string left, top, right, bottom;
        edges >> left >> top >> right >> bottom;
        UseSettingsText("[WINDOWPOS]\nStatus=1\nLeft=" + left + "\nTop=" + top + "\nRight=" + right
                        + "\nBottom=" + bottom + "\n");
        const ToolkitComplaints complaints;
        ASSERT_TRUE(Start("KLX 1"));
        EXPECT_EQ(Frame().NormalRect(), c.placed);
        // Leaving the maximised state shows the window where it was placed;
        // a window manager does it in its own time.
        EXPECT_TRUE(LeaveMaximised());
        Quit();
        EXPECT_THAT(complaints.Heard(), testing::IsEmpty());
    }
}

TEST_F(BadSettingsOnScreen, ABarLayoutTheBarManagerCouldNotTakeLeavesTheDefaultLayout)
{
    // The layout that a start without settings stores: the default one.
    ASSERT_TRUE(Start("KLX 1"));
    const std::string defaultLayout = wxConfigBase::Get()->Read("/Toolbars/KRT_TBar", "").utf8_string();
    Quit();
    ASSERT_NE(defaultLayout.find("name=File;"), std::string::npos);
    const auto changed = [&defaultLayout](const std::string& from, const std::string& to) {
        std::string layout = defaultLayout;
        const std::size_t at = layout.find(from);
        EXPECT_NE(at, std::string::npos) << from;
        return at == std::string::npos ? layout : layout.replace(at, from.size(), to);
    };
    const struct {
        const char* name;
        std::string layout;
    } cases[] = {
        {"no layout at all", "garbage"},
        {"no panes", "layout2|"},
        {"an unknown field", changed(";caption=File;", ";caption=File;colour=red;")},
        {"a layer beyond reach", changed("layer=10;", "layer=2000000000;")},
        {"a dock beyond reach", changed("dock_size(1,10,0)", "dock_size(1,2000000000,0)")},
        {"the manager's own mark", changed("state=2106064;", "state=4253547712;")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        UseSettingsText("[Toolbars]\nKRT_TBar=" + c.layout + "\n");
        ASSERT_TRUE(Start("KLX 1"));
        EXPECT_EQ(wxConfigBase::Get()->Read("/Toolbars/KRT_TBar", "").utf8_string(), defaultLayout);
        Quit();
    }
}

// A settings file that the toolkit would assert on: the start goes on
// without a box, with what reads soundly; the file is kept aside, said once,
// and the next start finds it clean and says nothing.
TEST_F(BadSettingsOnScreen, ADamagedSettingsFileIsKeptAsideAndSaidOnceAndTheNextStartIsClean)
{
    const std::filesystem::path settings = folder / "settings.ini";
    const std::filesystem::path damaged = folder / "settings.ini.damaged";
    const std::string said = "The settings file " + settings.string() + " could not be read cleanly: it is kept as "
                             + damaged.string() + ", and what could be read is used.";
    const std::string placement = "[WINDOWPOS]\nStatus=1\nLeft=50\nTop=60\nRight=850\nBottom=660\n";
    std::mt19937 random(20261211);
    std::string noise(65536, '\0');
    for (char& byte : noise)
        byte = static_cast<char>(random() & 0xFF);
    const wxRect area = wxDisplay(0u).GetClientArea();
    const struct {
        const char* name;
        std::string bytes;
        // The placement's sound lines are used.
        bool placed;
    } cases[] = {
        {"a key without a name", placement + "=x\n", true},
        {"a group twice", placement + "[WINDOWPOS]\nTop=5\n", true},
        {"64 KB of random bytes", noise, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(damaged);
        UseSettingsText(c.bytes);
        ASSERT_TRUE(Start("KLX 1"));
        EXPECT_EQ(SettingsLines(), std::vector<std::string>{said});
        if (c.placed) {
            EXPECT_EQ(Frame().NormalRect(), wxRect(area.x + 50, area.y + 60, 800, 600));
        }
        EXPECT_EQ(FileBytes(damaged), c.bytes);
        Quit();

        ReadSettingsFile();
        ASSERT_TRUE(Start("KLX 1"));
        EXPECT_EQ(SettingsLines(), std::vector<std::string>{});
        Quit();
        const std::string kept = FileBytes(settings);
        EXPECT_EQ(kept.find("\n=x"), std::string::npos);
        EXPECT_EQ(kept.find("[WINDOWPOS]"), kept.rfind("[WINDOWPOS]"));
    }
}

// A folder where the settings file should be: each start says so once, and
// nothing is written beside it.
TEST_F(BadSettingsOnScreen, ASettingsPathThatIsAFolderIsSaidAtEachStartAndLeavesNothingBehind)
{
    const std::filesystem::path settings = folder / "settings.ini";
    UseSettingsText("");
    std::filesystem::remove(settings);
    std::filesystem::create_directory(settings);
    const std::string said =
        "The settings file " + settings.string() + " is a folder: the settings of this run are not kept.";
    for (int start = 1; start <= 2; ++start) {
        SCOPED_TRACE("start " + std::to_string(start));
        ReadSettingsFile();
        ASSERT_TRUE(Start("KLX 1"));
        EXPECT_EQ(SettingsLines(), std::vector<std::string>{said});
        Quit();
        std::vector<std::string> entries;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            entries.push_back(entry.path().filename().string());
        EXPECT_EQ(entries, std::vector<std::string>{"settings.ini"});
        EXPECT_TRUE(std::filesystem::is_empty(settings));
    }
}

// What the steps write to the error output, the program's own and the
// toolkit's.
std::string ErrorOutputOf(const std::function<void()>& steps)
{
    std::cerr.flush();
    std::fflush(stderr);
    FILE* const caught = std::tmpfile();
    if (!caught) {
        ADD_FAILURE() << "no file for the error output";
        steps();
        return {};
    }
    const int kept = ::dup(STDERR_FILENO);
    ::dup2(::fileno(caught), STDERR_FILENO);
    steps();
    std::cerr.flush();
    std::fflush(stderr);
    ::dup2(kept, STDERR_FILENO);
    ::close(kept);
    std::string text;
    std::rewind(caught);
    for (int byte; (byte = std::fgetc(caught)) != EOF;)
        text.push_back(static_cast<char>(byte));
    std::fclose(caught);
    return text;
}

// How often the line stands in the text, whole.
std::size_t LineCount(const std::string& text, const std::string& line)
{
    std::size_t count = 0;
    std::istringstream lines(text);
    for (std::string read; std::getline(lines, read);)
        count += read == line;
    return count;
}

// A settings file that cannot be written: one line in the output window, at
// the start or, when the writing fails only then, at the end, and never the
// toolkit's own complaints, which would come in boxes; the run goes on with
// its settings in memory. A line at the end, when the window that says it
// closes, goes to the error output as well, for a terminal or a log.
TEST_F(BadSettingsOnScreen, ASettingsFileThatCannotBeWrittenIsSaidOnceAtTheStartOrAtTheEnd)
{
    const std::filesystem::path inner = folder / "inner";
    const std::filesystem::path settings = inner / "settings.ini";
    const std::string said = "The settings file " + settings.string()
                             + " cannot be written (No such file or directory): the settings of this run are not kept.";
    const auto useSettingsAt = [](const std::filesystem::path& path) {
        delete wxConfigBase::Set(nullptr);
        OpenedSettings opened = OpenSettingsFile(path);
        EXPECT_EQ(opened.note, "");
        wxConfigBase::Set(opened.config.release());
    };
    {
        SCOPED_TRACE("a folder that is not there");
        useSettingsAt(settings);
        const ToolkitLogHeard heard;
        ASSERT_TRUE(Start("KLX 1"));
        EXPECT_EQ(SettingsLines(), std::vector<std::string>{said});
        EXPECT_NE(wxConfigBase::Get()->Read("/Toolbars/KRT_TBar", ""), "");
        CMainFrame& frame = Frame();
        EXPECT_EQ(LineCount(ErrorOutputOf([&] { frame.Close(true); }), said), 0u) << "said at the start";
        EXPECT_EQ(SettingsLines(frame), std::vector<std::string>{said});
        Quit();
        EXPECT_EQ(heard.Heard(), std::vector<std::string>{});
    }
    {
        SCOPED_TRACE("a folder that goes");
        std::filesystem::create_directory(inner);
        useSettingsAt(settings);
        const ToolkitLogHeard heard;
        ASSERT_TRUE(Start("KLX 1"));
        EXPECT_EQ(SettingsLines(), std::vector<std::string>{});
        std::filesystem::remove_all(inner);
        CMainFrame& frame = Frame();
        EXPECT_EQ(LineCount(ErrorOutputOf([&] { frame.Close(true); }), said), 1u);
        EXPECT_EQ(SettingsLines(frame), std::vector<std::string>{said});
        Quit();
        EXPECT_EQ(heard.Heard(), std::vector<std::string>{});
    }
}

}  // namespace
