// The settings file's text is checked line by line before the toolkit reads
// it: what reads soundly is kept, and the toolkit, given only that, neither
// asserts nor complains, whatever the file held.

#include "frame/SettingsFileText.h"

#include <gtest/gtest.h>
#include <wx/debug.h>
#include <wx/fileconf.h>
#include <wx/log.h>
#include <wx/sstream.h>

#include <random>
#include <string>
#include <vector>

namespace {

TEST(SettingsFileText, TheSoundLinesAreKeptAndTheOthersMarkTheFileDamaged)
{
    const struct {
        const char* name;
        std::string bytes;
        std::string sound;
        bool damaged;
    } cases[] = {
        {"as the program writes it",
         "[ENV_GENERAL]\nRecentUsed=4\n[Recent\\ File\\ List]\nfile1=/home/a/b c.klx\n[WINDOWPOS]\nStatus=3\n",
         "[ENV_GENERAL]\nRecentUsed=4\n[Recent\\ File\\ List]\nfile1=/home/a/b c.klx\n[WINDOWPOS]\nStatus=3\n", false},
        {"comments, blank lines and blanks around", "; note\n# other\n\n  [A]  ; why\n  key = value \n",
         "; note\n# other\n\n  [A]  ; why\n  key = value \n", false},
        {"lines ended otherwise", "a=1\r\nb=2\rc=3", "a=1\n\nb=2\nc=3\n", false},
        {"a key without a name", "[WINDOWPOS]\nStatus=1\n=x\nTop=5\n", "[WINDOWPOS]\nStatus=1\nTop=5\n", true},
        {"names of blanks, or an escaped blank", "  =x\n\\ =y\nk=1\n", "k=1\n", true},
        {"a group twice, its lines with it", "[WINDOWPOS]\nTop=1\n[WINDOWPOS]\nTop=2\nLeft=3\n[B]\nc=4\n",
         "[WINDOWPOS]\nTop=1\n[B]\nc=4\n", true},
        {"a group twice, spelt otherwise", "[A/B]\nx=1\n[a//b]\ny=2\n", "[A/B]\nx=1\n", true},
        {"a key twice in a group", "[A]\nTop=1\ntop=2\n[B]\nTop=3\n", "[A]\nTop=1\n[B]\nTop=3\n", true},
        {"no '='", "[A]\njust words\nx=1\n", "[A]\nx=1\n", true},
        {"headers unclosed or with words after", "[A\nx=1\n[B] words\ny=2\n[C]\nz=3\n", "[C]\nz=3\n", true},
        {"headers that step up, stay or name nothing", "[..]\nx=1\n[./A]\ny=2\n[]\nz=3\n", "", true},
        {"a key marked as not to be changed", "!x=1\ny=2\n", "y=2\n", true},
        {"values ending in a lone escape or with a stray quote",
         "a=ends in \\\nb=\"quoted \" inside\"\nc=\"quoted whole\"\nd=a \"quote\" unquoted\n",
         "c=\"quoted whole\"\nd=a \"quote\" unquoted\n", true},
        {"no UTF-8 or a control character", "a=1\n\xff\xfe=2\nb=\x01\nc=\xc3\xa9\n", "a=1\nc=\xc3\xa9\n", true},
        {"overlong or a surrogate", "a=\xc0\xaf\nb=\xed\xa0\x80\nc=2\n", "c=2\n", true},
        {"a character cut at the end", "a=1\nb=\xe2\x82", "a=1\n", true},
    };
    for (const auto& c : cases) {
        const SettingsFileText text = CheckedSettingsText(c.bytes);
        EXPECT_EQ(text.sound, c.sound) << c.name;
        EXPECT_EQ(text.damaged, c.damaged) << c.name;
    }
}

// What the toolkit asserted and logged while it took the text.
std::vector<std::string> ComplaintsReading(const std::string& text)
{
    class HeardLog : public wxLog {
    public:
        std::vector<std::string> heard;

    protected:
        void DoLogTextAtLevel(wxLogLevel, const wxString& message) override { heard.push_back(message.utf8_string()); }
    };
    static HeardLog* s_log = nullptr;
    HeardLog log;
    s_log = &log;
    wxLog* const previousLog = wxLog::SetActiveTarget(&log);
    const wxAssertHandler_t previousAssert =
        wxSetAssertHandler([](const wxString&, int, const wxString&, const wxString& condition, const wxString&) {
            s_log->heard.push_back("assert " + condition.utf8_string());
        });
    {
        wxStringInputStream stream(wxString::FromUTF8(text));
        const wxFileConfig config(stream);
    }
    wxSetAssertHandler(previousAssert);
    wxLog::SetActiveTarget(previousLog);
    s_log = nullptr;
    return log.heard;
}

TEST(SettingsFileText, TheToolkitTakesTheSoundLinesWithoutAComplaint)
{
    std::vector<std::string> texts = {
        "[WINDOWPOS]\nStatus=1\n=x\n",
        "[WINDOWPOS]\nTop=1\n[WINDOWPOS]\nTop=2\n[windowpos]\nLeft=1\n[WINDOWPOS/..]\n",
        "[A]\nx=1\nX=2\n!y=3\nz=\"a\"b\"\nw=c\\\n[B] words\n[C\n",
    };
    // As they are, the toolkit asserts on them or complains.
    for (const std::string& text : texts)
        EXPECT_NE(ComplaintsReading(text), std::vector<std::string>{}) << text;
    std::mt19937 bytes(20261211);
    for (int file = 0; file < 8; ++file) {
        std::string noise(65536, '\0');
        for (char& byte : noise)
            byte = static_cast<char>(bytes() & 0xFF);
        // Noise that is made mostly of the format's own characters too.
        if (file % 2 == 1) {
            const char format[] = "[]=\\\"/!;# \nab";
            for (char& byte : noise)
                byte = format[static_cast<unsigned char>(byte) % (sizeof format - 1)];
        }
        texts.push_back(noise);
    }
    for (const std::string& bytesRead : texts) {
        const SettingsFileText text = CheckedSettingsText(bytesRead);
        EXPECT_TRUE(text.damaged);
        EXPECT_EQ(ComplaintsReading(text.sound), std::vector<std::string>{}) << text.sound.substr(0, 200);
        EXPECT_FALSE(CheckedSettingsText(text.sound).damaged) << "the sound lines are not read again as sound";
    }
}

}  // namespace
