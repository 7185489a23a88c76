// The settings file is read and written by the program's own calls: only a
// regular file of a bounded size is read, anything else leaves the settings
// of the run in memory and is said once; a file that cannot be read or
// written is said once and never brings the toolkit's own complaints; a
// damaged file is kept aside without losing an earlier copy.

#include "toolkit_log_heard.h"

#include "frame/SettingsFile.h"
#include "frame/SettingsFileAccess.h"

#include <gtest/gtest.h>
#include <wx/config.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

class SettingsFile : public testing::Test {
protected:
    void SetUp() override
    {
        folder = std::filesystem::temp_directory_path()
                 / ("klx-settings-" + std::to_string(::getpid()) + "-"
                    + testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        settings = folder / "settings.ini";
    }

    void TearDown() override
    {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        std::filesystem::remove_all(folder);
    }

    static std::string FileBytes(const std::filesystem::path& path)
    {
        std::ifstream file(path, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    }

    static void WriteFile(const std::filesystem::path& path, const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    static std::vector<std::string> EntriesOf(const std::filesystem::path& path)
    {
        std::vector<std::string> entries;
        for (const auto& entry : std::filesystem::directory_iterator(path))
            entries.push_back(entry.path().filename().string());
        std::sort(entries.begin(), entries.end());
        return entries;
    }

    std::vector<std::string> FolderEntries() const { return EntriesOf(folder); }

    std::filesystem::path folder;
    std::filesystem::path settings;
};

// The settings opened from the path and used as the program's, written and
// flushed, and closed as at the program's end; what was said on the way: the
// start's note, a value written and read back, the note on writing, and what
// the toolkit logged.
std::vector<std::string> UseSettings(const std::filesystem::path& path)
{
    std::vector<std::string> said;
    const ToolkitLogHeard heard;
    OpenedSettings opened = OpenSettingsFile(path);
    said.push_back("start: " + opened.note);
    wxConfigBase* const previous = wxConfigBase::Set(opened.config.release());
    wxConfigBase* const config = wxConfigBase::Get();
    for (int write = 1; write <= 2; ++write) {
        config->Write("/A/written", write);
        config->Flush();
        said.push_back("flush: " + TakeSettingsWriteNote());
    }
    said.push_back("read: " + std::to_string(config->ReadLong("/A/written", 0)) + " "
                   + std::to_string(config->ReadLong("/A/x", 0)));
    delete wxConfigBase::Set(previous);
    for (const std::string& message : heard.Heard())
        said.push_back("toolkit: " + message);
    return said;
}

// A path that is no regular file is never opened (a FIFO would stop the
// start, a device fill the memory), nor written over: the run's settings
// stay in memory, said once.
TEST_F(SettingsFile, OnlyARegularFileIsReadAndAnythingElseKeepsTheSettingsInMemory)
{
    const std::string notKept = ": the settings of this run are not kept.";
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&)> make;
        std::string said;
    } cases[] = {
        {"a folder", [](const auto& path) { std::filesystem::create_directory(path); }, " is a folder" + notKept},
        {"a FIFO", [](const auto& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
         " is not a regular file" + notKept},
        {"a link to /dev/zero", [](const auto& path) { std::filesystem::create_symlink("/dev/zero", path); },
         " is not a regular file" + notKept},
        {"a file beyond the bound",
         [](const auto& path) {
             WriteFile(path, "[A]\nx=1\n");
             std::filesystem::resize_file(path, MAX_SETTINGS_FILE_BYTES + 1);
         },
         " is larger than " + std::to_string(MAX_SETTINGS_FILE_BYTES) + " bytes" + notKept},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.make(settings);
        const std::filesystem::file_status before = std::filesystem::symlink_status(settings);
        // Settings waiting in the FIFO, which a reader would take: a writer
        // keeps it open, so that a reader would wait for more, never for an
        // end.
        const int writer = ::open(settings.c_str(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        const std::string waiting = "[A]\nx=1\n";
        const bool fifo = std::filesystem::is_fifo(before);
        if (fifo) {
            ASSERT_EQ(::write(writer, waiting.data(), waiting.size()), static_cast<ssize_t>(waiting.size()));
        }
        EXPECT_EQ(UseSettings(settings), (std::vector<std::string>{"start: The settings file " + settings.string()
                                                                       + c.said,
                                                                   "flush: ", "flush: ", "read: 2 0"}));
        if (fifo) {
            char buffer[64];
            EXPECT_EQ(::read(writer, buffer, sizeof buffer), static_cast<ssize_t>(waiting.size()));
        }
        if (writer >= 0)
            ::close(writer);
        EXPECT_EQ(std::filesystem::symlink_status(settings).type(), before.type());
        EXPECT_EQ(FolderEntries(), std::vector<std::string>{"settings.ini"});
        std::filesystem::remove_all(settings);
    }
}

TEST_F(SettingsFile, ALinkToARegularFileIsReadThroughIt)
{
    const std::filesystem::path target = folder / "kept.ini";
    WriteFile(target, "[A]\nx=7\n");
    std::filesystem::create_symlink(target, settings);
    const std::vector<std::string> said = UseSettings(settings);
    EXPECT_EQ(said.front(), "start: ");
    EXPECT_EQ(said.back(), "read: 2 7");
}

// A link (settings kept in a dotfiles folder, say) is written through: the
// file it leads to, at the end of a chain of links or not there yet, takes
// the settings, and the link stays as it was.
TEST_F(SettingsFile, ALinkedSettingsFileIsWrittenThroughTheLinkWhichStays)
{
    const std::filesystem::path dotfiles = folder / "dotfiles";
    const struct {
        const char* name;
        // The links from the settings path on, each with the target it
        // names; the last leads to the file.
        std::vector<std::pair<std::filesystem::path, std::filesystem::path>> links;
        std::optional<std::string> text;
        std::string read;
    } cases[] = {
        {"a link to a file in another folder", {{"settings.ini", dotfiles / "Tarvo"}}, "[A]\nx=7\n", "read: 2 7"},
        {"a relative link", {{"settings.ini", "dotfiles/Tarvo"}}, "[A]\nx=7\n", "read: 2 7"},
        {"a link to a link", {{"settings.ini", "middle"}, {"middle", "dotfiles/Tarvo"}}, "[A]\nx=7\n", "read: 2 7"},
        {"a link to a file not there yet", {{"settings.ini", dotfiles / "Tarvo"}}, std::nullopt, "read: 2 0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::create_directory(dotfiles);
        if (c.text) {
            WriteFile(dotfiles / "Tarvo", *c.text);
            std::filesystem::permissions(dotfiles / "Tarvo", std::filesystem::perms::owner_read
                                                                 | std::filesystem::perms::owner_write);
        }
        for (const auto& [link, target] : c.links)
            std::filesystem::create_symlink(target, folder / link);

        EXPECT_EQ(UseSettings(settings), (std::vector<std::string>{"start: ", "flush: ", "flush: ", c.read}));
        for (const auto& [link, target] : c.links) {
            std::error_code noLink;
            EXPECT_EQ(std::filesystem::read_symlink(folder / link, noLink), target) << link << ": " << noLink.message();
        }
        const OpenedSettings kept = OpenSettingsFile(dotfiles / "Tarvo");
        EXPECT_EQ(kept.note, "");
        EXPECT_EQ(kept.config->ReadLong("/A/written", 0), 2);
        if (c.text) {
            EXPECT_EQ(kept.config->ReadLong("/A/x", 0), 7);
            EXPECT_EQ(std::filesystem::status(dotfiles / "Tarvo").permissions(),
                      std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
        }
        EXPECT_EQ(EntriesOf(dotfiles), std::vector<std::string>{"Tarvo"});
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            std::filesystem::remove_all(entry.path());
    }
}

// A file that starts with more than one byte-order mark is written back as
// it was read: the first line keeps its mark, and the next start finds the
// file sound, with the same keys.
TEST_F(SettingsFile, AFileStartingWithMarksIsWrittenBackAsItWasRead)
{
    const std::string mark = "\xef\xbb\xbf";
    const struct {
        std::string text;
        // The marks it starts with, and its first line's key and value.
        std::string marks;
        std::string key;
        std::string value;
    } cases[] = {
        {mark + mark + "=x\n[A]\nx=3\n", mark + mark, mark, "x"},
        {mark + mark + mark + "k=1\nk=2\n[A]\nx=3\n", mark + mark + mark, mark + mark + "k", "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        WriteFile(settings, c.text);
        EXPECT_EQ(UseSettings(settings), (std::vector<std::string>{"start: ", "flush: ", "flush: ", "read: 2 3"}));
        EXPECT_TRUE(FileBytes(settings).starts_with(c.marks)) << testing::PrintToString(FileBytes(settings));
        const OpenedSettings reopened = OpenSettingsFile(settings);
        EXPECT_EQ(reopened.note, "");
        EXPECT_EQ(reopened.config->Read("/" + wxString::FromUTF8(c.key), wxString()).utf8_string(), c.value);
        EXPECT_EQ(reopened.config->ReadLong("/k", 2), 2);
        EXPECT_EQ(reopened.config->ReadLong("/A/written", 0), 2);
    }
}

// A file name with a dollar sign (a recent file, say) comes back from the
// next run as it was written, not with a variable of the environment put in.
TEST_F(SettingsFile, AValueWithADollarSignReadsBackAsItWasWritten)
{
    const wxString written = "/home/$HOME/$(USER)/${PATH}/a$b.klx";
    {
        OpenedSettings opened = OpenSettingsFile(settings);
        ASSERT_TRUE(opened.config->Write("/Recent File List/File1", written));
    }
    const OpenedSettings reopened = OpenSettingsFile(settings);
    EXPECT_EQ(reopened.config->Read("/Recent File List/File1", wxString()), written);
}

// An earlier copy of a damaged file stays as it was; each later one gets a
// name of its own, which the note gives.
TEST_F(SettingsFile, AnEarlierDamagedCopyIsKeptAndTheNextGetsANameOfItsOwn)
{
    WriteFile(folder / "settings.ini.damaged", "older");
    for (const std::string copy : {"settings.ini.damaged.2", "settings.ini.damaged.3"}) {
        SCOPED_TRACE(copy);
        const std::string damaged = "[A]\nx=1\n=" + copy + "\n";
        WriteFile(settings, damaged);
        const OpenedSettings opened = OpenSettingsFile(settings);
        EXPECT_EQ(opened.note, "The settings file " + settings.string() + " could not be read cleanly: it is kept as "
                                   + (folder / copy).string() + ", and what could be read is used.");
        EXPECT_EQ(FileBytes(folder / copy), damaged);
        EXPECT_EQ(FileBytes(settings), "[A]\nx=1\n");
        EXPECT_EQ(opened.config->ReadLong("/A/x", 0), 1);
    }
    EXPECT_EQ(FileBytes(folder / "settings.ini.damaged"), "older");
}

// The copy aside is as private as the settings file was: a file only its
// owner reads does not become readable by everyone through its copy.
TEST_F(SettingsFile, TheDamagedCopyKeepsThePermissionsOfTheSettingsFile)
{
    for (const mode_t mode : {mode_t{0600}, mode_t{0640}}) {
        SCOPED_TRACE(mode);
        std::filesystem::remove(folder / "settings.ini.damaged");
        WriteFile(settings, "[A]\nx=1\n=\n");
        ::chmod(settings.c_str(), mode);
        const OpenedSettings opened = OpenSettingsFile(settings);
        struct stat copy {};
        ASSERT_EQ(::stat((folder / "settings.ini.damaged").c_str(), &copy), 0) << opened.note;
        EXPECT_EQ(copy.st_mode & 07777, mode);
    }
}

// The steps run in a child process with no more rights than a user's own:
// as nobody when the tests run as root, whom no file mode stops. Gives back
// what they said, one line each.
std::vector<std::string> AsUserWithoutRights(const std::function<std::vector<std::string>()>& steps)
{
    int ends[2];
    if (::pipe(ends) != 0)
        return {"no pipe"};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(ends[0]);
        std::vector<std::string> said;
        const passwd* const nobody = ::getpwnam("nobody");
        if (::geteuid() == 0
            && (!nobody || ::setgroups(0, nullptr) != 0 || ::setgid(nobody->pw_gid) != 0
                || ::setuid(nobody->pw_uid) != 0))
            said = {"rights not dropped"};
        else
            said = steps();
        std::string text;
        for (const std::string& line : said)
            text += line + "\n";
        const bool written = ::write(ends[1], text.data(), text.size()) == static_cast<ssize_t>(text.size());
        ::_exit(written ? 0 : 1);
    }
    ::close(ends[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(got));
    ::close(ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "the child ended with " << status;
    std::vector<std::string> said;
    for (std::size_t start = 0, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        said.push_back(text.substr(start, end - start));
    return said;
}

// A file the user cannot read, or a folder the user cannot write: one line
// at the start or at the first write that fails, never the toolkit's own
// complaints (which the program would show in boxes), the run's settings in
// memory, and the file as it was.
TEST_F(SettingsFile, ASettingsFileThatCannotBeReadOrWrittenIsSaidOnceAndTheSettingsStayInMemory)
{
    const std::string unreadable = "The settings file " + settings.string()
                                   + " cannot be read (Permission denied): the settings of this run are not kept.";
    const std::string unwritable = "The settings file " + settings.string()
                                   + " cannot be written (Permission denied): the settings of this run are not kept.";
    const struct {
        const char* name;
        // The file's text and mode, none for no file, and whether the folder
        // can be written.
        std::optional<std::string> text;
        std::filesystem::perms mode;
        bool writableFolder;
        std::vector<std::string> said;
    } cases[] = {
        {"a file of mode 000", "[A]\nx=5\n", std::filesystem::perms::none, true,
         {"start: " + unreadable, "flush: ", "flush: ", "read: 2 0"}},
        {"no file in a folder that cannot be written", std::nullopt, std::filesystem::perms::none, false,
         {"start: ", "flush: " + unwritable, "flush: ", "read: 2 0"}},
        {"a file in a folder that cannot be written", "[A]\nx=5\n",
         std::filesystem::perms::owner_read | std::filesystem::perms::owner_write | std::filesystem::perms::others_read,
         false,
         {"start: ", "flush: " + unwritable, "flush: ", "read: 2 5"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.text) {
            WriteFile(settings, *c.text);
            std::filesystem::permissions(settings, c.mode);
        }
        using std::filesystem::perms;
        std::filesystem::permissions(folder, c.writableFolder ? perms::all : perms::owner_read | perms::owner_exec
                                                                                  | perms::group_read | perms::group_exec
                                                                                  | perms::others_read
                                                                                  | perms::others_exec);
        EXPECT_EQ(AsUserWithoutRights([this] { return UseSettings(settings); }), c.said);
        std::filesystem::permissions(folder, perms::owner_all);
        if (c.text) {
            EXPECT_EQ(std::filesystem::status(settings).permissions(), c.mode);
            std::filesystem::permissions(settings, perms::owner_read);
            EXPECT_EQ(FileBytes(settings), *c.text);
        }
        EXPECT_EQ(FolderEntries(), c.text ? std::vector<std::string>{"settings.ini"} : std::vector<std::string>{});
        std::filesystem::remove_all(settings);
    }
}

// A link that cannot be written through: to a folder that is not there, into
// a folder the user cannot write, or round in a loop. Said once, the run's
// settings in memory, the links as they were and the file they lead to
// untouched.
TEST_F(SettingsFile, ALinkThatCannotBeWrittenThroughIsSaidOnceAndNothingIsLost)
{
    const std::string notKept = ": the settings of this run are not kept.";
    const std::filesystem::path gone = folder / "gone" / "Tarvo";
    const std::filesystem::path locked = folder / "locked";
    const struct {
        const char* name;
        std::vector<std::pair<std::filesystem::path, std::filesystem::path>> links;
        std::vector<std::string> said;
    } cases[] = {
        {"a link to a folder that is not there",
         {{"settings.ini", gone}},
         {"start: ",
          "flush: The settings file " + settings.string() + ", a link to " + gone.string()
              + ", cannot be written (No such file or directory)" + notKept,
          "flush: ", "read: 2 0"}},
        {"a link into a folder that cannot be written",
         {{"settings.ini", "locked/Tarvo"}},
         {"start: ",
          "flush: The settings file " + settings.string() + ", a link to " + (folder / "locked/Tarvo").string()
              + ", cannot be written (Permission denied)" + notKept,
          "flush: ", "read: 2 5"}},
        {"links in a loop",
         {{"settings.ini", "loop"}, {"loop", "settings.ini"}},
         {"start: The settings file " + settings.string() + " cannot be read (Too many levels of symbolic links)"
              + notKept,
          "flush: ", "flush: ", "read: 2 0"}},
    };
    const std::string lockedText = "[A]\nx=5\n";
    using std::filesystem::perms;
    const perms readOnly = perms::owner_read | perms::owner_exec | perms::group_read | perms::group_exec
                           | perms::others_read | perms::others_exec;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::create_directory(locked);
        WriteFile(locked / "Tarvo", lockedText);
        std::filesystem::permissions(locked, readOnly);
        for (const auto& [link, target] : c.links)
            std::filesystem::create_symlink(target, folder / link);
        // The links' own folder can be written: a new file could take a
        // link's place there.
        std::filesystem::permissions(folder, perms::all);

        EXPECT_EQ(AsUserWithoutRights([this] { return UseSettings(settings); }), c.said);
        std::filesystem::permissions(locked, perms::owner_all);
        for (const auto& [link, target] : c.links) {
            std::error_code noLink;
            EXPECT_EQ(std::filesystem::read_symlink(folder / link, noLink), target) << link << ": " << noLink.message();
        }
        EXPECT_FALSE(std::filesystem::exists(folder / "gone"));
        EXPECT_EQ(FileBytes(locked / "Tarvo"), lockedText);
        EXPECT_EQ(EntriesOf(locked), std::vector<std::string>{"Tarvo"});
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            std::filesystem::remove_all(entry.path());
    }
}

}  // namespace
