#include "io/DxfLineReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> ReadAllLines(const std::string& text)
{
    std::istringstream in(text);
    DxfLineReader reader(in);
    std::vector<std::string> lines;
    std::string line;
    bool cut = false;
    while (reader.ReadLine(line, cut))
        lines.push_back(line);
    return lines;
}

// The one group of "code\nvalue\n".
DxfGroup ReadOneGroup(const std::string& code, const std::string& value)
{
    std::istringstream in(code + "\n" + value + "\n");
    DxfLineReader reader(in);
    DxfGroup group;
    EXPECT_TRUE(reader.ReadGroup(group));
    return group;
}

struct LineEndCase {
    const char* name;
    std::string text;
    std::vector<std::string> lines;
};

TEST(DxfLineReader, SplitsOnEveryLineEndStyle)
{
    const std::vector<LineEndCase> cases = {
        {"LF", "0\nLINE\n", {"0", "LINE"}},
        {"CR LF", "0\r\nLINE\r\n", {"0", "LINE"}},
        {"bare CR", "0\rLINE\r", {"0", "LINE"}},
        {"mixed", "0\r\nLINE\n8\rA\r\n", {"0", "LINE", "8", "A"}},
        {"no final line end", "0\nEOF", {"0", "EOF"}},
        {"CR at the very end", "0\nEOF\r", {"0", "EOF"}},
        {"empty lines kept", "\n\r\n\r", {"", "", ""}},
        {"blanks kept", "  0 \n EOF\t\n", {"  0 ", " EOF\t"}},
        {"empty stream", "", {}},
    };
    for (const LineEndCase& c : cases)
        EXPECT_EQ(ReadAllLines(c.text), c.lines) << c.name;
}

TEST(DxfLineReader, KeepsLinesWholeUpToTheKeptLengthAndSaysWhenOneIsCut)
{
    constexpr size_t kKept = DxfLineReader::kKeptLineLength;
    const std::string chars600(600, 'a');
    const std::string kept(kKept, 'b');
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
        std::vector<bool> cut;
    };
    // The line end right after a line that fills what is kept is still its
    // own line end, not an empty line of its own.
    const std::vector<Case> cases = {
        {"600 characters", chars600 + "\r\nnext\r\n", {chars600, "next"}, {false, false}},
        {"exactly kept, CR LF", kept + "\r\nnext\n", {kept, "next"}, {false, false}},
        {"exactly kept, bare CR", kept + "\rnext", {kept, "next"}, {false, false}},
        {"one more", kept + "c\nnext\n", {kept, "next"}, {true, false}},
        {"far longer, no final line end", kept + std::string(100000, 'd'), {kept}, {true}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::istringstream in(c.text);
        DxfLineReader reader(in);
        std::vector<std::string> lines;
        std::vector<bool> cut;
        std::string line;
        bool lineCut = true;
        while (reader.ReadLine(line, lineCut)) {
            lines.push_back(line);
            cut.push_back(lineCut);
        }
        EXPECT_EQ(lines, c.lines);
        EXPECT_EQ(cut, c.cut);
    }
}

TEST(DxfLineReader, ReadsGroupsAndTheGroupAfterAnOverlongValue)
{
    const std::string overlong(DxfLineReader::kKeptLineLength + 600, 'x');
    std::istringstream in("  1\n" + overlong + "\r\n 10\n2.5\r\n  0\n");
    DxfLineReader reader(in);
    DxfGroup group;
    ASSERT_TRUE(reader.ReadGroup(group));
    EXPECT_EQ(group.code, 1);
    EXPECT_EQ(group.value, overlong.substr(0, DxfLineReader::kKeptLineLength));
    EXPECT_TRUE(group.valueCut);
    ASSERT_TRUE(reader.ReadGroup(group));
    EXPECT_EQ(group.code, 10);
    EXPECT_EQ(group.value, "2.5");
    EXPECT_FALSE(group.valueCut);
    // A code line without its value line is no group.
    EXPECT_FALSE(reader.ReadGroup(group));

    reader.Rewind();
    ASSERT_TRUE(reader.ReadGroup(group));
    EXPECT_EQ(group.code, 1);
}

// The number of a line is judged on the whole line: read in full, or, where
// what was cut off would decide it, not read at all.
TEST(DxfLineReader, JudgesTheNumberOfALongLineOnTheWholeLine)
{
    constexpr size_t kKept = DxfLineReader::kKeptLineLength;
    const std::string zeros520(520, '0');
    const std::string blanks520(520, ' ');
    const std::string zerosPastKept(kKept + 10, '0');
    const std::string blanksPastKept(kKept + 10, ' ');
    struct Case {
        const char* name;
        std::string code;
        std::string value;
        int groupCode;
        std::optional<double> real;
        std::optional<int> integer;
    };
    const std::vector<Case> cases = {
        {"5 after 520 zeros", "10", "0." + zeros520 + "5e521", 10, 5.0, std::nullopt},
        {"5, 520 blanks and a word", "10", "5" + blanks520 + "junk", 10, std::nullopt, std::nullopt},
        {"5 and 520 blanks", "70", "5" + blanks520, 70, 5.0, 5},
        {"an integer after 520 zeros", "70", zeros520 + "3", 70, 3.0, 3},
        {"a code after 520 blanks", blanks520 + "62", "-7", 62, -7.0, -7},
        // Past what is kept: no number is read from a cut line, whose
        // dropped rest may be anything.
        {"an integer followed by blanks past the cut", "70", "1" + blanksPastKept, 70, std::nullopt, std::nullopt},
        {"digits that run on past the cut", "70", "1" + zerosPastKept, 70, std::nullopt, std::nullopt},
        {"digits of a text group past the cut", "1", zerosPastKept + "1", 1, std::nullopt, std::nullopt},
        // Blanks and zeros that lead a number are not what is kept: however
        // many, the number is read whole.
        {"an integer after zeros past the cut", "70", zerosPastKept + "1", 70, 1.0, 1},
        {"a real after blanks and zeros past the cut", "10", blanksPastKept + "-" + zerosPastKept + "5.25", 10,
         -5.25, std::nullopt},
        {"a code after zeros past the cut", zerosPastKept + "10", "1", 10, 1.0, 1},
        {"a code after blanks past the cut", blanksPastKept + "10", "1", 10, 1.0, 1},
        {"a negative code after zeros past the cut", "-" + zerosPastKept + "1", "1", -1, 1.0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DxfGroup group = ReadOneGroup(c.code, c.value);
        EXPECT_EQ(group.code, c.groupCode);
        EXPECT_EQ(group.Real(), c.real);
        EXPECT_EQ(group.Integer(), c.integer);
    }
}

// The blanks and zeros that lead a number do not change it; the value of a
// group of text, a name among them, is kept as written.
TEST(DxfLineReader, KeepsANumberGroupWithoutTheBlanksAndZerosThatLeadIt)
{
    struct Case {
        const char* code;
        const char* value;
        const char* kept;
    };
    const Case cases[] = {
        {"10", "  007.50", "7.50"}, {"10", "\t-000.5", "-0.5"}, {"20", "000", "0"},   {"30", "+00e5", "+0e5"},
        {"62", " -0", "-0"},        {"70", "0 1", "0 1"},        {"40", "", ""},       {"50", "  x00", "x00"},
        {"1071", "0042", "42"},     {"2", "  007", "  007"},     {"8", "000", "000"},  {"0", " 0LINE", " 0LINE"},
        {"1000", "00", "00"},       {"999", " 01", " 01"},       {"10", "-00", "-0"},  {"10", "00.5", "0.5"},
        {"10", "+0x", "+0x"},       {"10", "- 05", "- 05"},      {"10", " ", ""},      {"10", "\t0 ", "0 "},
        {"10", "5", "5"},           {"10", "-0\t7", "-0\t7"},    {"10", "0", "0"},     {"10", " 1 ", "1 "},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadOneGroup(c.code, c.value).value, c.kept) << c.code << " \"" << c.value << '"';
}

// A group whose code line is not wholly one integer is no group: read as
// the integer it starts with, or passed over, its value would go to the
// wrong group or to none, and the group it was meant for would keep its
// default.
TEST(DxfLineReader, ReadsNoGroupWhoseCodeLineIsNotWhollyAnInteger)
{
    const std::string pastKept(DxfLineReader::kKeptLineLength, ' ');
    for (const std::string& code : std::vector<std::string>{
             "", "  ", "abc", "ten", "1e1", "10.5", "10.", "70abc", "10 x", "1 0", "\xEF\xBB\xBF" "10", "99999999999",
             "2147483648", "-2147483649", "+-5", "- 1", "--1", "0x10", "1_0", "\xC2\xA0" "10", "10" + pastKept + "5",
             "10" + pastKept}) {
        // After a first group: a byte-order mark at the very start is skipped.
        std::istringstream in("  0\nLINE\n" + code + "\n1.5\n 20\n2.5\n");
        DxfLineReader reader(in);
        DxfGroup group;
        ASSERT_TRUE(reader.ReadGroup(group));
        EXPECT_FALSE(reader.ReadGroup(group)) << '"' << code << '"';
    }
}

TEST(DxfLineReader, RecognisesTheBinarySentinelAndRewinds)
{
    std::istringstream binary(std::string("AutoCAD Binary DXF\r\n\x1a\0", 22) + "rest");
    DxfLineReader binaryReader(binary);
    EXPECT_TRUE(binaryReader.StartsAsBinaryDxf());

    std::istringstream text("  0\nSECTION\n");
    DxfLineReader textReader(text);
    EXPECT_FALSE(textReader.StartsAsBinaryDxf());
    std::string line;
    bool cut = false;
    ASSERT_TRUE(textReader.ReadLine(line, cut));
    EXPECT_EQ(line, "  0");

    std::istringstream shortText("0");
    DxfLineReader shortReader(shortText);
    EXPECT_FALSE(shortReader.StartsAsBinaryDxf());
    ASSERT_TRUE(shortReader.ReadLine(line, cut));
    EXPECT_EQ(line, "0");
}

// Some Windows programs write one before the first group; only there is it
// no part of the text.
TEST(DxfLineReader, SkipsAByteOrderMarkAtTheStartOnly)
{
    const std::string mark = "\xEF\xBB\xBF";
    struct Case {
        const char* name;
        std::string text;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {"at the start", mark + "  0\nSECTION\n", {"  0", "SECTION"}},
        {"twice", mark + mark + "0\n", {mark + "0"}},
        {"later in the file", "0\n" + mark + "LINE\n", {"0", mark + "LINE"}},
        {"the start of one only", "\xEF\xBB" "0\n", {"\xEF\xBB" "0"}},
        {"the mark alone", mark, {}},
        {"less than the mark", "\xEF", {"\xEF"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadAllLines(c.text), c.lines);
        // Each pass starts after it again.
        std::istringstream in(c.text);
        DxfLineReader reader(in);
        std::string line;
        bool cut = false;
        while (reader.ReadLine(line, cut)) {
        }
        reader.Rewind();
        if (c.lines.empty()) {
            EXPECT_FALSE(reader.ReadLine(line, cut));
        } else {
            ASSERT_TRUE(reader.ReadLine(line, cut));
            EXPECT_EQ(line, c.lines.front());
        }
    }
}

struct NumberCase {
    const char* text;
    double value;
};

TEST(DxfNumbers, ReadsTextThatIsWhollyOneDecimalNumber)
{
    const std::string tinyAfterZeros = "0." + std::string(30, '0') + "1e-300";  // 1e-331
    const std::string hugeBeforeExponent = "1" + std::string(400, '0') + "e-100";  // 1e300
    const std::vector<NumberCase> cases = {
        {"1.5", 1.5},           {"  \t-2.5e3", -2500.0}, {"+.5", 0.5},       {"1E+2", 100.0},  {"-.25", -0.25},
        {"3.", 3.0},            {"  12  ", 12.0},        {"1e5", 1e5},       {"-0.5", -0.5},   {"1E-3", 1e-3},
        {".5", 0.5},            {"5.", 5.0},             {"7\t\r", 7.0},     {"007", 7.0},     {"0", 0.0},
        {"1e-5", 1e-5},         {"1e-400", 0.0},         {"-1e-400", 0.0}, {"0e999999", 0.0}, {"1e-99999999999", 0.0},
        {tinyAfterZeros.c_str(), 0.0}, {hugeBeforeExponent.c_str(), 1e300}, {"4.9e-324", 4.9e-324},
        {"1.7976931348623157e308", 1.7976931348623157e308},
    };
    for (const NumberCase& c : cases) {
        const std::optional<double> value = ParseDxfReal(c.text);
        ASSERT_TRUE(value.has_value()) << '"' << c.text << '"';
        EXPECT_TRUE(std::isfinite(*value)) << c.text;
        EXPECT_DOUBLE_EQ(*value, c.value) << '"' << c.text << '"';
    }
}

// Text with a number only at its start, or none at all, is no number: a
// reader that took its leading part would move geometry without a word.
TEST(DxfNumbers, ReadsNoNumberFromTextThatIsNotWhollyOne)
{
    for (const char* text : {"--5", "+-5", "0x10", ",5", "", ".", "-", "1e", "1,5", "1.5.3", "12abc", "1 2",
                             "   ", "none", "-n", "i", "abc", ".e5", "- 5", "0x1A", "1e+", "e5", "+", "1.5e3.2",
                             "1e5e5", "information", "nancy", "infx", "  nano", "nan(1)", "infinityy", "in",
                             "\xc2\xa0" "1"}) {
        EXPECT_FALSE(ParseDxfReal(text).has_value()) << '"' << text << '"';
    }
}

// A number that no double holds is no finite value: the reader sets aside
// what it was meant to place.
TEST(DxfNumbers, ReadsNumbersThatNoDoubleHoldsAsNotFinite)
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::string huge = std::string(320, '9');
    const std::string hugeBeforeExponent = "1" + std::string(400, '0') + "e-50";  // 1e350
    const std::string hugeAfterZeros = "0." + std::string(30, '0') + "1e400";  // 1e369
    const std::vector<NumberCase> cases = {
        {"1e400", inf},      {"-1e400", -inf},  {" \t1E+309", inf}, {"2e308", inf},       {"1e99999999999", inf},
        {huge.c_str(), inf}, {hugeBeforeExponent.c_str(), inf},   {hugeAfterZeros.c_str(), inf},
        {"inf", inf},        {"-inf", -inf},    {"+INF", inf},      {"Infinity", inf},    {"-infinity", -inf},
        {" iNf ", inf},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(ParseDxfReal(c.text), c.value) << '"' << c.text << '"';
    for (const char* text : {"nan", "-nan", "+NaN", "NAN", " nan\t"}) {
        const std::optional<double> value = ParseDxfReal(text);
        ASSERT_TRUE(value.has_value()) << '"' << text << '"';
        EXPECT_TRUE(std::isnan(*value)) << '"' << text << '"';
    }
}

// An integer group's value is one integer or none: text around it, a
// fraction or a number beyond an int is not read as some other integer.
TEST(DxfNumbers, ReadsIntegersAndGroupCodes)
{
    const std::vector<std::pair<const char*, std::optional<int>>> integers = {
        {"     1", 1},
        {" -7", -7},
        {"\t+4\t", 4},
        {"3 \v", 3},
        {"-0", 0},
        {"2147483647", std::numeric_limits<int>::max()},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"2147483648", std::nullopt},
        {"-2147483649", std::nullopt},
        {"99999999999", std::nullopt},
        {"1.9", std::nullopt},
        {"1.5x", std::nullopt},
        {"1.0", std::nullopt},
        {"1e2", std::nullopt},
        {"0x10", std::nullopt},
        {"x", std::nullopt},
        {"abc", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"-", std::nullopt},
        {"- 1", std::nullopt},
        {"1 2", std::nullopt},
        {"+12 mm", std::nullopt},
    };
    for (const auto& [text, integer] : integers)
        EXPECT_EQ(ReadOneGroup("70", text).Integer(), integer) << '"' << text << '"';

    const std::vector<std::pair<const char*, int>> codes = {
        {"  0", 0},     {" 10", 10},          {"\t1071", 1071},       {"-1", -1},         {"+10", 10},
        {"10  ", 10},   {" \t 20 \t", 20},    {"000", 0},            {"-0010", -10},     {"0999", 999},
        {"2147483647", std::numeric_limits<int>::max()}, {"-2147483648", std::numeric_limits<int>::min()},
    };
    for (const auto& [text, code] : codes)
        EXPECT_EQ(ReadOneGroup(text, "0").code, code) << '"' << text << '"';
}

TEST(DxfNumbers, TestsSingleBits)
{
    EXPECT_TRUE(IsBitSet(1, 0));
    EXPECT_FALSE(IsBitSet(1, 1));
    EXPECT_TRUE(IsBitSet(2, 1));
    EXPECT_TRUE(IsBitSet(-1, 31));
    EXPECT_FALSE(IsBitSet(4, 0));
    EXPECT_FALSE(IsBitSet(-1, 32));
    EXPECT_FALSE(IsBitSet(-1, -1));
}

} // namespace
