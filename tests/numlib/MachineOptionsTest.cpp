#include "NumlibTestSupport.h"

#include "numlib/CharRoutines.h"
#include "numlib/MachineConstants.h"
#include "numlib/OptionStore.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

class MachineOptionsTest : public NumlibTest {};

TEST_F(MachineOptionsTest, FloatingPointConstants)
{
    EXPECT_EQ(MachDouble(1), 2.2250738585072014e-308);
    EXPECT_EQ(MachDouble(2), std::numeric_limits<double>::max());
    EXPECT_EQ(MachDouble(3), std::ldexp(1.0, -53));
    EXPECT_EQ(MachDouble(4), 2.220446049250313e-16);
    EXPECT_EQ(MachDouble(5), 0.3010299956639812);
    const double nan = MachDouble(6);
    std::uint64_t bits = 0;
    std::memcpy(&bits, &nan, sizeof bits);
    EXPECT_EQ(bits, 0x7FF8000000000000ULL);
    EXPECT_EQ(MachDouble(7), std::numeric_limits<double>::infinity());
    EXPECT_EQ(MachDouble(8), -std::numeric_limits<double>::infinity());
}

TEST_F(MachineOptionsTest, FloatingPointConstantOutOfRangeStops)
{
    EXPECT_THROW(MachDouble(9), LibraryStop);
    EXPECT_EQ(SinkText(), " *** TERMINAL ERROR 5 from MachDouble.  The argument must be between 1 and 8\n"
                          " ***          inclusive. N = 9\n");
}

TEST_F(MachineOptionsTest, IntegerConstants)
{
    const std::vector<int> expected = {32, 4, 2, 31, 2147483647, 2, 24, -125, 128, 53, -1021, 1024};
    for (int n = 1; n <= 12; ++n) {
        EXPECT_EQ(MachInt(n), expected[static_cast<std::size_t>(n - 1)]) << n;
    }
    EXPECT_THROW(MachInt(13), LibraryStop);
    EXPECT_EQ(SinkText(), " *** TERMINAL ERROR 5 from MachInt.  The argument\n"
                          " ***          must be between 1 and 12 inclusive.\n"
                          " ***          N = 13\n");
    EXPECT_EQ(NumlibState().sink.front().unit, 6);
}

TEST_F(MachineOptionsTest, UnitsCanBeReadAndSet)
{
    int unit = 0;
    IoUnits(1, unit);
    EXPECT_EQ(unit, 5);
    int nine = 9;
    IoUnits(-2, nine);
    IoUnits(2, unit);
    EXPECT_EQ(unit, 9);
    IoUnits(3, unit);
    EXPECT_EQ(unit, 6);
    EXPECT_THROW(IoUnits(4, unit), LibraryStop);
    EXPECT_EQ(NumlibState().sink.back().text, " ***          1, 2, or 3.  IABS(N) = 4");
}

TEST_F(MachineOptionsTest, MessagesGoToTheMessageUnit)
{
    int seven = 7;
    IoUnits(-3, seven);
    EXPECT_THROW(MachDouble(0), LibraryStop);
    ASSERT_FALSE(NumlibState().sink.empty());
    EXPECT_EQ(NumlibState().sink.front().unit, 7);
}

TEST_F(MachineOptionsTest, ConditionOptionDefaultsReadInAnyCase)
{
    const int option = 17;
    int values[2] = {0, 0};
    OptionStore("math", 1, 1, 1, &option, values);
    EXPECT_EQ(values[0], 1);
    EXPECT_EQ(values[1], 2);
}

TEST_F(MachineOptionsTest, PutChangesCurrentValuesAndANegativeNumberRestoresDefaults)
{
    const int option = 17;
    int changed[2] = {1, 1};
    OptionStore("MATH", 1, 2, 1, &option, changed);
    int values[2] = {0, 0};
    OptionStore("MATH", 1, 1, 1, &option, values);
    EXPECT_EQ(values[1], 1);
    const int defaultsOption = -17;
    OptionStore("MATH", 1, 1, 1, &defaultsOption, values);
    EXPECT_EQ(values[1], 2) << "a negative number gets the defaults";
    OptionStore("MATH", 1, 2, 1, &defaultsOption, changed);
    OptionStore("MATH", 1, 1, 1, &option, values);
    EXPECT_EQ(values[1], 2) << "and puts them back";
}

struct BadOptionCase {
    const char* product;
    int chapter;
    int action;
    std::vector<int> options;
    int code;
    const char* lastMessage;
};

TEST_F(MachineOptionsTest, BadOptionRequestsStopWithTheirMessages)
{
    const std::vector<BadOptionCase> cases = {
        {"MATH", 1, 3, {17}, 1, "IACT must be 1 to get option values or 2 to put option values.  IACT = 3 is invalid."},
        {"MATX", 1, 0, {17}, 2, "The product name must be either MATH or STAT.  PRODNM = MATX is invalid."},
        {"MATH", 11, 1, {17}, 3, "ICHP = 11 is an invalid MATH chapter number.  To get or put MATH options, ICHP must be between 1 and 10."},
        {"stat", 21, 1, {1}, 3, "ICHP = 21 is an invalid STAT chapter number.  To get or put STAT options, ICHP must be between 1 and 20."},
        {"MATH", 2, 1, {}, 5, "NUMOPT = 0 is an invalid number of options.  NUMOPT must be greater than zero."},
        {"STAT", 4, 1, {1}, 4, "No options exist for STAT chapter 4.  Only existing options may have values retrieved from or placed into them."},
        {"MATH", 1, 1, {17, 0, 22}, 6, "IOPTS(3) = 22 is an invalid MATH chapter 1 option number."},
    };
    for (const BadOptionCase& c : cases) {
        ResetNumlibState();
        int values[8] = {};
        const StopOutcome stop =
            StopOf([&] { OptionStore(c.product, c.chapter, c.action, static_cast<int>(c.options.size()), c.options.data(), values); });
        EXPECT_EQ(stop.type, 5) << c.lastMessage;
        EXPECT_EQ(stop.code, c.code) << c.lastMessage;
        EXPECT_EQ(NumlibState().errors.lastPrintedMessage, c.lastMessage);
        EXPECT_EQ(values[0], 0) << "nothing is read after an error";
    }
}

TEST_F(MachineOptionsTest, EveryBadOptionNumberIsReported)
{
    const std::vector<int> options = {0, 17, 99};
    int values[4] = {};
    EXPECT_THROW(OptionStore("MATH", 1, 1, 3, options.data(), values), LibraryStop);
    const std::string text = SinkText();
    EXPECT_NE(text.find("ERROR 6 from OptionStore.  IOPTS(1) = 0 is an invalid"), std::string::npos) << text;
    EXPECT_NE(text.find("ERROR 6 from OptionStore.  IOPTS(3) = 99 is an invalid"), std::string::npos) << text;
    EXPECT_EQ(text.find("IOPTS(2)"), std::string::npos) << text;
}

TEST_F(MachineOptionsTest, CharacterRoutines)
{
    EXPECT_EQ(CompareFolded("abc", "ABC  "), 0);
    EXPECT_EQ(CompareFolded("abc", "abd"), -1);
    EXPECT_EQ(CompareFolded("b", "A"), 1);
    EXPECT_EQ(CodeOf('a'), 97);
    EXPECT_EQ(CodeOfFolded('a'), 65);
    EXPECT_EQ(CharOf(-3), '\0');
    EXPECT_EQ(ACHAR(66), 'B');
    EXPECT_TRUE(LSAME('u', 'U'));
    EXPECT_FALSE(LSAME('v', 'U'));
    EXPECT_EQ(IndexOf("hello world", "o"), 5);
    EXPECT_EQ(IndexOf("hello", ""), 0);
    EXPECT_EQ(IndexOf("hi", "hiya"), 0);
    EXPECT_EQ(IndexOfFolded("Hello World", "WORLD"), 7);
    EXPECT_EQ(VerifyChars("12a4", "0123456789"), 3);
    EXPECT_EQ(VerifyChars("1234", "0123456789"), 0);
    EXPECT_EQ(VerifyChars("", "0123456789"), 1);
    std::string text;
    int length = 0;
    IntToText(-120, text, length);
    EXPECT_EQ(text, "-120");
    EXPECT_EQ(length, 4);
    int value = 0;
    int status = 0;
    TextToInt("   42  ", value, status);
    EXPECT_EQ(value, 42);
    EXPECT_EQ(status, 0);
    TextToInt("   ", value, status);
    EXPECT_EQ(status, -1);
    TextToInt("4x", value, status);
    EXPECT_EQ(status, 1);
    std::string field(6, '*');
    CopyBlankFill("abc", field);
    EXPECT_EQ(field, "abc   ");
    CopyBlankFill("abcdefgh", field);
    EXPECT_EQ(field, "abcdef");
}

TEST_F(MachineOptionsTest, AcharOfANegativeCodeStops)
{
    EXPECT_THROW(ACHAR(-1), LibraryStop);
    EXPECT_EQ(NumlibState().errors.lastPrintedMessage, "The ASCII value must be non-negative while I = -1 is given.");
}

}  // namespace
