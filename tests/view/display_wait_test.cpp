// The wait for the display before the window's tests start the toolkit,
// on a scripted display and clock: no server and no real time.

#include "view/support/DisplayWait.h"

#include <gtest/gtest.h>

#include <deque>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A display that answers each try from a script ("" accepts), then refuses
// for good; the clock moves only by the pauses and by each try's cost.
class ScriptedDisplay {
public:
    ScriptedDisplay(std::deque<std::string> answers, Milliseconds tryCost)
        : answers_(std::move(answers)), tryCost_(tryCost)
    {
    }

    DisplayWait Wait()
    {
        DisplayWait wait;
        wait.tryConnection = [this] {
            ++tries;
            now_ += tryCost_;
            if (answers_.empty())
                return std::string("Connection refused");
            std::string answer = answers_.front();
            answers_.pop_front();
            return answer;
        };
        wait.elapsed = [this] { return now_; };
        wait.pause = [this](Milliseconds pause) {
            pauses.push_back(pause.count());
            now_ += pause;
        };
        return wait;
    }

    int tries = 0;
    std::vector<long> pauses;

private:
    std::deque<std::string> answers_;
    Milliseconds tryCost_;
    Milliseconds now_{0};
};

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(DisplayWait, AStartThatFailsTwiceIsTriedAgainAndEachFailureSaysWhyAndWhen)
{
    ScriptedDisplay display({"Connection refused", "Maximum number of clients reached", ""}, Milliseconds(0));
    std::ostringstream log;
    EXPECT_EQ(WaitForDisplay(display.Wait(), log), "");
    EXPECT_EQ(display.tries, 3);
    EXPECT_EQ(display.pauses, (std::vector<long>{50, 100}));
    EXPECT_EQ(Lines(log.str()),
              (std::vector<std::string>{
                  "display connection try 1 failed 0 ms after the first: Connection refused",
                  "display connection try 2 failed 50 ms after the first: Maximum number of clients reached"}));
}

TEST(DisplayWait, AnAcceptedFirstTryNeitherWaitsNorWrites)
{
    ScriptedDisplay display({""}, Milliseconds(0));
    std::ostringstream log;
    EXPECT_EQ(WaitForDisplay(display.Wait(), log), "");
    EXPECT_EQ(display.tries, 1);
    EXPECT_TRUE(display.pauses.empty());
    EXPECT_EQ(log.str(), "");
}

// Pauses of 50, 100, 200, 400, 800 ms, then 1 s each: the wait gives up
// before a pause would take it past the limit, and reports the last reason.
TEST(DisplayWait, ADisplayThatNeverAnswersIsGivenUpWithinTheLimit)
{
    for (const Milliseconds tryCost : {Milliseconds(0), Milliseconds(30), Milliseconds(700)}) {
        SCOPED_TRACE(tryCost.count());
        ScriptedDisplay display({}, tryCost);
        std::ostringstream log;
        DisplayWait wait = display.Wait();
        EXPECT_EQ(WaitForDisplay(wait, log), "Connection refused");
        EXPECT_LE(wait.elapsed(), wait.limit);
        EXPECT_GT(wait.elapsed() + Milliseconds(1000), wait.limit);
        EXPECT_EQ(static_cast<int>(Lines(log.str()).size()), display.tries);
        ASSERT_GE(display.pauses.size(), 2u);
        for (size_t i = 1; i < display.pauses.size(); ++i)
            EXPECT_EQ(display.pauses[i], std::min(2 * display.pauses[i - 1], 1000L)) << i;
    }
}

}  // namespace
