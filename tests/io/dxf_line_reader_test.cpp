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
    while (reader.ReadLine(line))
        lines.push_back(line);
    return lines;
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

TEST(DxfLineReader, CutsLongLinesAfter511Characters)
{
    const std::string chars510(510, 'a');
    const std::string chars511(511, 'b');
    const std::string chars600 = std::string(511, 'c') + std::string(89, 'd');
    // The line end right after a line that fills the buffer is still its own
    // line end, not an empty line of its own.
    EXPECT_EQ(ReadAllLines(chars510 + "\r\nnext\r\n"), (std::vector<std::string>{chars510, "next"}));
    EXPECT_EQ(ReadAllLines(chars511 + "\r\nnext\n"), (std::vector<std::string>{chars511, "next"}));
    EXPECT_EQ(ReadAllLines(chars511 + "\rnext"), (std::vector<std::string>{chars511, "next"}));
    EXPECT_EQ(ReadAllLines(chars600 + "\nnext\n"), (std::vector<std::string>{std::string(511, 'c'), "next"}));
}

TEST(DxfLineReader, ReadsGroupsAndTheGroupAfterAnOverlongValue)
{
    std::istringstream in("  1\n" + std::string(600, 'x') + "\r\n 10\n2.5\r\n  0\n");
    DxfLineReader reader(in);
    int code = -1;
    std::string value;
    ASSERT_TRUE(reader.ReadGroup(code, value));
    EXPECT_EQ(code, 1);
    EXPECT_EQ(value, std::string(511, 'x'));
    ASSERT_TRUE(reader.ReadGroup(code, value));
    EXPECT_EQ(code, 10);
    EXPECT_EQ(value, "2.5");
    // A code line without its value line is no group.
    EXPECT_FALSE(reader.ReadGroup(code, value));

    reader.Rewind();
    ASSERT_TRUE(reader.ReadGroup(code, value));
    EXPECT_EQ(code, 1);
}

TEST(DxfLineReader, CodeLineWithoutNumberGivesAGroupNobodyReads)
{
    std::istringstream in("abc\nLINE\n");
    DxfLineReader reader(in);
    int code = 0;
    std::string value;
    ASSERT_TRUE(reader.ReadGroup(code, value));
    EXPECT_EQ(code, kUnreadableDxfGroupCode);
    EXPECT_EQ(value, "LINE");
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
    ASSERT_TRUE(textReader.ReadLine(line));
    EXPECT_EQ(line, "  0");

    std::istringstream shortText("0");
    DxfLineReader shortReader(shortText);
    EXPECT_FALSE(shortReader.StartsAsBinaryDxf());
    ASSERT_TRUE(shortReader.ReadLine(line));
    EXPECT_EQ(line, "0");
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

TEST(DxfNumbers, ReadsIntegersAndGroupCodes)
{
    EXPECT_EQ(ParseDxfInt("     1"), 1);
    EXPECT_EQ(ParseDxfInt(" -7"), -7);
    EXPECT_EQ(ParseDxfInt("1.9"), 1);
    EXPECT_EQ(ParseDxfInt("x"), 0);
    EXPECT_EQ(ParseDxfInt("99999999999"), 0);

    EXPECT_EQ(ParseDxfGroupCode("  0"), 0);
    EXPECT_EQ(ParseDxfGroupCode(" 10"), 10);
    EXPECT_EQ(ParseDxfGroupCode("\t1071"), 1071);
    EXPECT_EQ(ParseDxfGroupCode("-1"), -1);
    EXPECT_EQ(ParseDxfGroupCode(""), kUnreadableDxfGroupCode);
    EXPECT_EQ(ParseDxfGroupCode("EOF"), kUnreadableDxfGroupCode);
    EXPECT_EQ(ParseDxfGroupCode("99999999999"), kUnreadableDxfGroupCode);
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
