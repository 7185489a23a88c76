#include "frame/OutputLog.h"

#include <gtest/gtest.h>

#include <string>

TEST(OutputLog, EveryMessageStartsWithALineBreakSoTheFirstLineStaysEmpty)
{
    OutputLog log;
    EXPECT_EQ(log.LineCount(), 1);
    log.AddMessage("first");
    log.AddMessage("second");
    EXPECT_EQ(log.Text(), "\nfirst\nsecond");
    EXPECT_EQ(log.LineCount(), 3);
}

TEST(OutputLog, ReplacementTakesTheWholeLastMessageAndLeavesNoResidue)
{
    OutputLog log;
    log.AddMessage("kept");
    log.AddMessage("Meshing 100 %  of a long line");
    const OutputEdit edit = log.ReplaceLastMessage("done");
    EXPECT_EQ(log.Text(), "\nkept\ndone");
    EXPECT_EQ(edit.removedTail, "\nMeshing 100 %  of a long line");
    EXPECT_EQ(edit.inserted, "\ndone");
    log.ReplaceLastMessage("x");
    EXPECT_EQ(log.Text(), "\nkept\nx");
}

TEST(OutputLog, ReplaceRightAfterClearAddsANewLastLine)
{
    OutputLog log;
    log.AddMessage("old");
    log.Clear();
    EXPECT_EQ(log.Text(), "");
    log.ReplaceLastMessage("progress");
    EXPECT_EQ(log.Text(), "\nprogress");
    log.Clear();
    log.AddMessage("after clear");
    EXPECT_EQ(log.Text(), "\nafter clear");
}

TEST(OutputLog, JustAppendedLastsUntilTheFirstReplacement)
{
    OutputLog log;
    log.AddMessage("a");
    EXPECT_TRUE(log.JustAppended());
    log.ReplaceLastMessage("b");
    EXPECT_FALSE(log.JustAppended());
    log.ReplaceLastMessage("c");
    EXPECT_FALSE(log.JustAppended());
    log.AddMessage("d");
    EXPECT_TRUE(log.JustAppended());
}

TEST(OutputLog, PastTheLineLimitTheOldestHundredLinesGoAtOnce)
{
    OutputLog log;
    for (int i = 1; i <= OutputLog::MAX_LINES - 1; ++i)
        log.AddMessage("m" + std::to_string(i));
    // 4000 lines: the empty first one and 3999 messages; no trimming yet.
    log.AddMessage("m4000");
    EXPECT_EQ(log.LineCount(), 4001);
    EXPECT_EQ(log.Text().substr(0, 4), "\nm1\n");

    // 4001 lines shown: the next message drops the oldest 100 lines.
    const OutputEdit edit = log.AddMessage("m4001");
    EXPECT_EQ(log.LineCount(), 4002 - OutputLog::DROPPED_LINES);
    EXPECT_EQ(edit.removedHead.substr(0, 4), "\nm1\n");
    EXPECT_EQ(log.Text().substr(0, 6), "m100\nm");
    EXPECT_EQ(log.Text().substr(log.Text().size() - 6), "\nm4001");

    // The log stays below the limit plus one block until it passes again.
    log.AddMessage("m4002");
    EXPECT_EQ(log.LineCount(), 4003 - OutputLog::DROPPED_LINES);
    log.ReplaceLastMessage("last");
    EXPECT_EQ(log.Text().substr(log.Text().size() - 11), "\nm4001\nlast");
}
