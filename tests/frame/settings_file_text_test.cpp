// The settings file's text is checked line by line before the toolkit reads
// it: what reads soundly is kept, and the toolkit, given only that, neither
// asserts nor complains, whatever the file held. What the toolkit reads
// whole, and what the program writes, the check lets through as it is.

#include "toolkit_log_heard.h"

#include "frame/SettingsFileText.h"

#include <gtest/gtest.h>
#include <wx/fileconf.h>
#include <wx/mstream.h>

#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using namespace std::string_literals;

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
        {"headers unclosed or with words after", "[A\nx=1\n[B] words\ny=2\n[C]\nz=3\n", "[B]\ny=2\n[C]\nz=3\n",
         true},
        {"headers that step up, stay or name nothing", "[..]\nx=1\n[./A]\ny=2\n[]\nz=3\n", "", true},
        {"a key marked as not to be changed", "!x=1\ny=2\n", "y=2\n", true},
        {"values ending in a lone escape or with a stray quote",
         "a=ends in \\\nb=\"quoted \" inside\"\nc=\"quoted whole\"\nd=a \"quote\" unquoted\n",
         "c=\"quoted whole\"\nd=a \"quote\" unquoted\n", true},
        {"no UTF-8 or a NUL", "a=1\n\xff\xfe=2\nb=\x01\nc=\xc3\xa9\nd=x\0y\n"s,
         "a=1\nb=\x01\nc=\xc3\xa9\n", true},
        {"a byte-order mark", "\xef\xbb\xbf[Toolbars]\nKRT_TBar=x\n", "[Toolbars]\nKRT_TBar=x\n", false},
        {"a byte-order mark, then a group twice", "\xef\xbb\xbf[WINDOWPOS]\nTop=1\n[WINDOWPOS]\nTop=2\n",
         "[WINDOWPOS]\nTop=1\n", true},
        {"a byte-order mark further on", "a=1\n\xef\xbb\xbf[A]\n", "a=1\n", true},
        {"overlong or a surrogate", "a=\xc0\xaf\nb=\xed\xa0\x80\nc=2\n", "c=2\n", true},
        {"a character cut at the end", "a=1\nb=\xe2\x82", "a=1\n", true},
    };
    for (const auto& c : cases) {
        const SettingsFileText text = CheckedSettingsText(c.bytes);
        EXPECT_EQ(text.sound, c.sound) << c.name;
        EXPECT_EQ(text.damaged, c.damaged) << c.name;
    }
}

// The toolkit's own reading of a text: what it asserted and logged while it
// took the text, and every entry it holds afterwards ("/group/key" to value).
struct ToolkitReading {
    std::vector<std::string> complaints;
    std::map<std::string, std::string> entries;
};

void ReadEntries(wxFileConfig& config, std::map<std::string, std::string>& entries)
{
    const wxString path = config.GetPath();
    wxString name;
    long index = 0;
    for (bool more = config.GetFirstEntry(name, index); more; more = config.GetNextEntry(name, index))
        entries[(path + "/" + name).utf8_string()] = config.Read(name, wxString()).utf8_string();
    std::vector<wxString> groups;
    for (bool more = config.GetFirstGroup(name, index); more; more = config.GetNextGroup(name, index))
        groups.push_back(name);
    for (const wxString& group : groups) {
        config.SetPath(path + "/" + group);
        ReadEntries(config, entries);
        config.SetPath(path.empty() ? "/" : path);
    }
}

ToolkitReading ReadByToolkit(const std::string& text)
{
    ToolkitReading reading;
    const ToolkitLogHeard heard;
    {
        wxMemoryInputStream stream(text.data(), text.size());
        wxFileConfig config(stream);
        config.SetExpandEnvVars(false);
        ReadEntries(config, reading.entries);
    }
    reading.complaints = heard.Heard();
    return reading;
}

// Each text as the toolkit reads it: what it reads whole, and so as the
// text says, passes the check as it is; what it asserts or complains on is
// damaged. Where the check is stricter, the toolkit would read the text
// otherwise than it says, or refuse the program's later writes.
TEST(SettingsFileText, TheCheckReadsEachLineAsTheToolkitReadsIt)
{
    enum class Toolkit { ReadsWhole, Complains, ReadsOtherwise };
    const struct {
        const char* name;
        std::string bytes;
        Toolkit toolkit;
        // The sound lines read as the whole text does.
        bool sameEntries;
    } cases[] = {
        {"as the program writes it",
         "[ENV_GENERAL]\nRecentUsed=4\n[Recent\\ File\\ List]\nfile1=/home/a/b c.klx\n[WINDOWPOS]\nStatus=3\n",
         Toolkit::ReadsWhole, true},
        {"a byte-order mark", "\xef\xbb\xbf[Toolbars]\nKRT_TBar=layout2|x\n[WINDOWPOS]\nTop=1\n", Toolkit::ReadsWhole,
         true},
        {"control characters in values and names", "a=b\x01" "c\x7f\nb\x1f=\x1bv\n[G\x02]\nk=\x7f\n",
         Toolkit::ReadsWhole, true},
        {"other blanks before a line and a value", "\x0b[G]\n\x0ck=\x0bv\n\x0b\n", Toolkit::ReadsWhole, true},
        {"comments, blank lines and every end of line", "; c\r\n# d\r\n\r\n[A]\rx=1\n  y = 2  \n", Toolkit::ReadsWhole,
         true},
        {"escapes in names and values", "[Recent\\ File\\ List]\nfile\\=1=a\\tb\\\\c\\\"d\\q\nv=\" a \\\"q\\\" \"\n",
         Toolkit::ReadsWhole, true},
        {"a group named again inside another's path", "[A/B]\nx=1\n[A]\ny=2\n", Toolkit::ReadsWhole, true},
        {"a byte-order mark, then a group twice", "\xef\xbb\xbf[WINDOWPOS]\nTop=1\n[WINDOWPOS]\nTop=2\n",
         Toolkit::Complains, false},
        {"words after a header, read as the toolkit reads them", "[B] words\ny=2\n[C]\t\x0b\nz=3\n", Toolkit::Complains,
         true},
        {"a key without a name", "[A]\n=x\ny=1\n", Toolkit::Complains, false},
        {"a group twice, spelt otherwise", "[A/B]\nx=1\n[a//b]\ny=2\n", Toolkit::Complains, false},
        {"a key twice, spelt otherwise", "[A]\nTop=1\ntop=2\n", Toolkit::Complains, false},
        {"no '='", "[A]\njust words\nx=1\n", Toolkit::Complains, true},
        {"an unclosed header", "[A]\nx=1\n[B\ny=2\n", Toolkit::Complains, false},
        {"a lone escape at a value's end", "a=ends in \\\nb=1\n", Toolkit::Complains, false},
        {"a stray quote", "b=\"quoted \" inside\"\nc=1\n", Toolkit::Complains, false},
        {"a header above the root", "[..]\nx=1\n", Toolkit::Complains, false},
        {"bytes that are no UTF-8, which make every line Latin-1", "a=\xe9\nb=\xc3\xa9\n", Toolkit::ReadsOtherwise,
         false},
        {"a NUL, where the toolkit stops", "a=x\0y\nb=2\n"s, Toolkit::ReadsOtherwise, false},
        {"a key marked as not to be changed", "!x=1\ny=2\n", Toolkit::ReadsOtherwise, false},
        {"a header part that stays", "[./A]\nx=1\n", Toolkit::ReadsOtherwise, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SettingsFileText text = CheckedSettingsText(c.bytes);
        const ToolkitReading whole = ReadByToolkit(c.bytes);
        const ToolkitReading sound = ReadByToolkit(text.sound);
        EXPECT_EQ(sound.complaints, std::vector<std::string>{});
        EXPECT_EQ(text.damaged, c.toolkit != Toolkit::ReadsWhole);
        EXPECT_EQ(whole.complaints.empty(), c.toolkit != Toolkit::Complains) << testing::PrintToString(whole.complaints);
        if (c.sameEntries)
            EXPECT_EQ(sound.entries, whole.entries);
        else
            EXPECT_NE(sound.entries, whole.entries);
    }
}

// The toolkit passes over one leading byte-order mark; a mark after it is
// part of the first line (a key's name), as is one that starts a line after
// the first. The check reads marks so, whatever their number or the lines
// dropped before them, and the sound lines, read by the toolkit or checked
// again, keep the first line's mark: no key loses it, none is met twice, and
// none is left without a name, which the toolkit asserts on.
TEST(SettingsFileText, LeadingMarksAreReadAsTheToolkitReadsThem)
{
    const std::string mark = "\xef\xbb\xbf";
    enum class Toolkit { ReadsWhole, Complains, ReadsOtherwise };
    const struct {
        const char* name;
        std::string bytes;
        Toolkit toolkit;
        // The entries the sound lines hold ("/group/key" to value).
        std::map<std::string, std::string> entries;
    } cases[] = {
        {"one mark, a key", mark + "k=1\n", Toolkit::ReadsWhole, {{"/k", "1"}}},
        {"one mark, a key without a name", mark + "=x\nk=1\n", Toolkit::Complains, {{"/k", "1"}}},
        {"two marks, then '=x'", mark + mark + "=x\n", Toolkit::ReadsWhole, {{"/" + mark, "x"}}},
        {"two marks, then a key written twice", mark + mark + "k=1\nk=2\n", Toolkit::ReadsWhole,
         {{"/" + mark + "k", "1"}, {"/k", "2"}}},
        {"two marks, then a header", mark + mark + "[A]\nx=1\n", Toolkit::Complains, {{"/x", "1"}}},
        {"three marks, then '=x'", mark + mark + mark + "=x\n", Toolkit::ReadsWhole, {{"/" + mark + mark, "x"}}},
        {"three marks, then a key written twice", mark + mark + mark + "k=1\nk=2\n", Toolkit::ReadsWhole,
         {{"/" + mark + mark + "k", "1"}, {"/k", "2"}}},
        {"marks starting later lines too", mark + mark + "k=1\n[A]\n" + mark + "k=2\n", Toolkit::ReadsWhole,
         {{"/" + mark + "k", "1"}, {"/A/" + mark + "k", "2"}}},
        {"a mark after a damaged first line", "=y\n" + mark + "=x\n", Toolkit::Complains, {{"/" + mark, "x"}}},
        {"a mark after a mark and a damaged line", mark + "=y\n" + mark + "k=1\nk=2\n", Toolkit::Complains,
         {{"/" + mark + "k", "1"}, {"/k", "2"}}},
        {"a mark after an unclosed header and its lines", "[A\nx=1\n" + mark + "[B]\n" + mark + "=y\n",
         Toolkit::Complains, {}},
        {"a mark after a line that is no UTF-8", "\xff\n" + mark + "=x\n", Toolkit::Complains, {{"/" + mark, "x"}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const SettingsFileText text = CheckedSettingsText(c.bytes);
        const ToolkitReading whole = ReadByToolkit(c.bytes);
        const ToolkitReading sound = ReadByToolkit(text.sound);
        EXPECT_EQ(whole.complaints.empty(), c.toolkit != Toolkit::Complains) << testing::PrintToString(whole.complaints);
        EXPECT_EQ(text.damaged, c.toolkit != Toolkit::ReadsWhole);
        EXPECT_EQ(sound.complaints, std::vector<std::string>{});
        EXPECT_EQ(sound.entries, c.entries);
        if (c.toolkit == Toolkit::ReadsWhole)
            EXPECT_EQ(whole.entries, c.entries);
        const SettingsFileText again = CheckedSettingsText(text.sound);
        EXPECT_FALSE(again.damaged);
        EXPECT_EQ(again.sound, text.sound);
    }
}

// What the program writes through the toolkit reads back whole: a recent
// file's name holds any character but a NUL.
TEST(SettingsFileText, WhatTheToolkitWritesPassesTheCheckAndReadsBack)
{
    const std::string values[] = {
        "/home/a/b\x01" "c.klx", "/tmp/\x1b[31mred\x7f.klx", "tab\there", "new\nline", "carriage\rreturn",
        "back\\slash\\", " leading blank", "trailing blank ", "\"quoted\"", "a \"quote\" inside", "\x0b" "first",
        "[no group]", "= ; #", "\xc3\xa9t\xc3\xa9 \xe2\x80\xa8",
    };
    for (const std::string& value : values) {
        SCOPED_TRACE(testing::PrintToString(value));
        std::string written;
        {
            wxMemoryInputStream nothing("", 0);
            wxFileConfig config(nothing);
            config.Write("/Recent File List/file1", wxString::FromUTF8(value));
            wxMemoryOutputStream stream;
            config.Save(stream);
            written.resize(stream.GetLength());
            stream.CopyTo(written.data(), written.size());
        }
        const SettingsFileText text = CheckedSettingsText(written);
        EXPECT_FALSE(text.damaged) << written;
        const ToolkitReading reading = ReadByToolkit(text.sound);
        EXPECT_EQ(reading.complaints, std::vector<std::string>{});
        EXPECT_EQ(reading.entries, (std::map<std::string, std::string>{{"/Recent File List/file1", value}}));
    }
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
        EXPECT_NE(ReadByToolkit(text).complaints, std::vector<std::string>{}) << text;
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
        EXPECT_EQ(ReadByToolkit(text.sound).complaints, std::vector<std::string>{}) << text.sound.substr(0, 200);
        EXPECT_FALSE(CheckedSettingsText(text.sound).damaged) << "the sound lines are not read again as sound";
    }
}

}  // namespace
