#include "NumlibTestSupport.h"

#include "numlib/CharRoutines.h"
#include "numlib/ErrorStack.h"
#include "numlib/LuFactor.h"

#include <gmock/gmock.h>

#include <cmath>
#include <functional>
#include <limits>

using ::testing::HasSubstr;
using ::testing::Not;

namespace {

class ErrorStackTest : public NumlibTest {
protected:
    static std::vector<std::string> SinkLines()
    {
        std::vector<std::string> lines;
        for (const NumlibSinkLine& line : NumlibState().sink) {
            lines.push_back(line.text);
        }
        return lines;
    }
};

TEST_F(ErrorStackTest, RoutineThatPostsNothingLeavesZeroTypeAndCode)
{
    ErrPush("OUTER");
    ErrPush("QUIET");
    ErrPop("QUIET");
    EXPECT_EQ(ErrType(1), 0);
    EXPECT_EQ(ErrCode(1), 0);
    EXPECT_EQ(ErrType(0), 0);
    ErrPop("OUTER");
    EXPECT_TRUE(NumlibState().sink.empty());
}

TEST_F(ErrorStackTest, WarningTravelsUpAndIsPrintedOnceWhenTheOutermostRoutinePops)
{
    ErrPush("OUTER");
    ErrPush("MIDDLE");
    ErrPush("INNER");
    ErrPost(3, 7, "Something to watch.");
    ErrPop("INNER");
    EXPECT_EQ(ErrType(1), 3);
    EXPECT_EQ(ErrCode(1), 7);
    ErrPop("MIDDLE");
    EXPECT_TRUE(NumlibState().sink.empty()) << "only the routine called from outside prints";
    ErrPop("OUTER");
    EXPECT_EQ(SinkLines(), std::vector<std::string>{" *** WARNING ERROR 7 from OUTER.  Something to watch."});
    EXPECT_EQ(NumlibState().sink.front().unit, 6);
    EXPECT_EQ(ErrType(0), 3) << "the caller's level receives the type";
    EXPECT_EQ(ErrorStackLevel(), 1);
}

TEST_F(ErrorStackTest, NoteDoesNotTravelUpAndIsNotPrinted)
{
    ErrPush("OUTER");
    ErrPush("INNER");
    ErrPost(1, 4, "Just a note.");
    ErrPop("INNER");
    EXPECT_EQ(ErrType(1), 1);
    EXPECT_EQ(ErrType(0), 0);
    ErrPop("OUTER");
    EXPECT_TRUE(NumlibState().sink.empty());
}

TEST_F(ErrorStackTest, LaterMessageReplacesEarlierOne)
{
    ErrPush("OUTER");
    ErrPush("FIRST");
    ErrPost(3, 1, "The first warning.");
    ErrPop("FIRST");
    ErrPost(3, 2, "The second warning.");
    ErrPop("OUTER");
    EXPECT_EQ(SinkLines(), std::vector<std::string>{" *** WARNING ERROR 2 from OUTER.  The second warning."});
}

TEST_F(ErrorStackTest, FatalErrorIsPrintedAndStopsOnlyAtTheOutermostPop)
{
    ErrPush("OUTER");
    ErrPush("INNER");
    ErrPost(4, 2, "Cannot go on.");
    EXPECT_NO_THROW(ErrPop("INNER"));
    EXPECT_TRUE(NumlibState().sink.empty());
    const StopOutcome stop = StopOf([] { ErrPop("OUTER"); });
    EXPECT_EQ(stop.type, 4) << "a fatal error stops the library";
    EXPECT_EQ(stop.code, 2);
    EXPECT_EQ(SinkLines(), std::vector<std::string>{" *** FATAL ERROR 2 from OUTER.  Cannot go on."});
}

TEST_F(ErrorStackTest, TerminalErrorIsPrintedWhenPostedAndStopsAtItsOwnPop)
{
    ErrPush("OUTER");
    ErrPush("INNER");
    ErrPost(5, 3, "Bad argument.");
    EXPECT_THAT(SinkText(), HasSubstr(" *** TERMINAL ERROR 3 from INNER.  Bad argument.\n"));
    EXPECT_THROW(ErrPop("INNER"), LibraryStop);
}

TEST_F(ErrorStackTest, TracebackListsEveryLevelWithTheFactorisationNamedInLowerCase)
{
    const std::vector<double> a = {1.0, 2.0, 3.0, 4.0};
    std::vector<double> fac(4);
    std::vector<int> ipvt(2);
    std::vector<double> wk(2);
    ErrPush("CALLER");
    EXPECT_THROW(LuFactor(2, a.data(), 2, fac.data(), 1, ipvt.data(), wk.data()), LibraryStop);
    const std::vector<std::string> lines = SinkLines();
    ASSERT_EQ(lines.size(), 9U) << SinkText();
    EXPECT_EQ(lines[0], " *** TERMINAL ERROR 3 from luFactor.  The order of the matrix must be less");
    EXPECT_EQ(lines[1], " ***          than or equal to its leading dimension while N = 2 and LDFAC = 1");
    EXPECT_EQ(lines[2], " ***          are given.");
    EXPECT_EQ(lines[3], "    Here is a traceback of subprogram calls in reverse order:");
    EXPECT_EQ(lines[4], "    Routine name                   Error type  Error code");
    EXPECT_EQ(lines[6], "    luFactor                                5           3    (Called internally)");
    EXPECT_EQ(lines[7], "    CALLER                                  0           0");
    EXPECT_EQ(lines[8], "    USER                                    0           0");
}

TEST_F(ErrorStackTest, NoTracebackAtTheLevelOfTheRoutineCalledFromOutside)
{
    ErrPush("OUTER");
    ErrPost(5, 1, "Bad argument.");
    EXPECT_THAT(SinkText(), Not(HasSubstr("traceback")));
}

struct SubstitutionCase {
    const char* name;
    std::function<void()> setParameters;
    const char* message;
    const char* expected;
};

TEST_F(ErrorStackTest, KeywordsAreReplacedByTheirParameterTexts)
{
    const std::vector<SubstitutionCase> cases = {
        {"lower-case keyword", [] { ErrSetInt(1, 42); }, "N = %(i1) here.", "N = 42 here."},
        {"upper-case keyword", [] { ErrSetInt(1, -7); }, "N = %(I1) here.", "N = -7 here."},
        {"two integers", [] { ErrSetInt(1, 3); ErrSetInt(2, 2); }, "N = %(I1) and LDA = %(I2).", "N = 3 and LDA = 2."},
        {"double", [] { ErrSetDouble(1, 1e-20); }, "RCOND = %(D1).", "RCOND = 1.00000000000000E-20."},
        {"text", [] { ErrSetText(-1, "abc"); }, "PRODNM = %(L1) is invalid.", "PRODNM = abc is invalid."},
        {"keyword without a text", [] { ErrSetInt(1, 5); }, "%(I2) stays.", "%(I2) stays."},
        {"not a keyword letter", [] { ErrSetInt(1, 5); }, "%(X1) and %(I0) stay.", "%(X1) and %(I0) stay."},
        {"out-of-range digit ignored", [] { ErrSetInt(10, 5); ErrSetText(0, "x"); }, "%(I1)", "%(I1)"},
    };
    for (const SubstitutionCase& c : cases) {
        ResetNumlibState();
        ErrPush("R");
        c.setParameters();
        ErrPost(5, 1, c.message);
        EXPECT_EQ(NumlibState().errors.lastPrintedMessage, c.expected) << c.name;
    }
}

TEST_F(ErrorStackTest, ParametersAreDiscardedAfterEveryPost)
{
    ErrPush("R");
    ErrSetInt(1, 9);
    ErrPost(3, 1, "First %(I1).");
    ErrPost(5, 2, "Second %(I1).");
    EXPECT_EQ(NumlibState().errors.lastPrintedMessage, "Second %(I1).");
}

TEST_F(ErrorStackTest, DoubleParameterTexts)
{
    EXPECT_EQ(DoubleToMessageText(1e-20), "1.00000000000000E-20");
    EXPECT_EQ(DoubleToMessageText(-0.25), "-2.50000000000000E-01");
    EXPECT_EQ(DoubleToMessageText(0.0), "0.0");
    EXPECT_EQ(DoubleToMessageText(std::numeric_limits<double>::quiet_NaN()), "NaN");
    EXPECT_LE(DoubleToMessageText(-std::numeric_limits<double>::max()).size(), 24U);
}

TEST_F(ErrorStackTest, LongMessagesBreakAtBlanksAndPercentSlashForcesALine)
{
    ErrPush("R");
    ErrPost(5, 1, "First part.%/Second part that is long enough to need a break somewhere before the seventy-eighth column ends.");
    const std::vector<std::string> lines = SinkLines();
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0], " *** TERMINAL ERROR 1 from R.  First part.");
    EXPECT_EQ(lines[1], " ***          Second part that is long enough to need a break somewhere before");
    EXPECT_EQ(lines[2], " ***          the seventy-eighth column ends.");
}

TEST_F(ErrorStackTest, HeaderOmitsItsFullStopWhenTheMessageBeginsWithOne)
{
    ErrPush("R");
    EXPECT_THROW(ErrType(2), LibraryStop);
    EXPECT_EQ(SinkText(), " *** TERMINAL ERROR 1 from R.  The argument passed to ErrType must be 0 or 1.\n");
}

struct MisuseCase {
    const char* name;
    std::function<void()> misuse;
    int code;
    const char* message;
};

TEST_F(ErrorStackTest, MisuseOfTheStackStopsWithItsMessage)
{
    const std::vector<MisuseCase> cases = {
        {"pop of an empty stack", [] { ErrPop("NOBODY"); }, 1,
         "Error condition in ErrPop.  Cannot pop from NOBODY because stack is empty."},
        {"pop with the wrong name", [] { ErrPush("RIGHT"); ErrPop("WRONG"); }, 2,
         "Error condition in ErrPop.  WRONG does not match the name RIGHT in the stack."},
        {"push beyond fifty levels", [] { for (int i = 0; i < 50; ++i) { ErrPush("DEEP"); } }, 1,
         "Error condition in ErrPush.  Push would cause stack level to exceed 50. "},
        {"illegal error type", [] { ErrPush("R"); ErrPost(8, 1, "x"); }, -1,
         ".  Error from ErrPost.  Illegal error type specified."},
        {"bad ErrCode argument", [] { ErrPush("R"); ErrCode(-1); }, 1,
         ".  The argument passed to ErrCode must be 0 or 1. "},
    };
    for (const MisuseCase& c : cases) {
        ResetNumlibState();
        const StopOutcome stop = StopOf(c.misuse);
        EXPECT_EQ(stop.type, 5) << c.name;
        if (c.code >= 0) {
            EXPECT_EQ(stop.code, c.code) << c.name;
        }
        EXPECT_EQ(NumlibState().errors.lastPrintedMessage, c.message) << c.name;
    }
}

TEST_F(ErrorStackTest, NamesLongerThanThirtyTwoCharactersAreCut)
{
    const std::string longName(40, 'N');
    ErrPush(longName);
    EXPECT_NO_THROW(ErrPop(longName.substr(0, 32)));
}

}  // namespace
