#include "model/MessageReporter.h"
#include "model/TextFormat.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class ReporterTest : public ::testing::Test {
protected:
    void SetUp() override { reporter.SetPorts(user.Ports()); }

    ScriptedUserPorts user;
    CMessageReporter reporter;
};

TEST_F(ReporterTest, FixedReportsShowTheirTextAsErrorAndFail)
{
    struct Case {
        std::function<bool(const CMessageReporter&)> report;
        std::string text;
    };
    const Case cases[] = {
        {[](const CMessageReporter& r) { return r.ReportSectionNotFound(3); }, "Cannot find section [ID:3] object."},
        {[](const CMessageReporter& r) { return r.ReportClosedLoopNotFound(4); }, "Cannot find closed loop [ID:4] object."},
        {[](const CMessageReporter& r) { return r.ReportCurveNotFound(5); }, "Cannot find curve [ID:5] object."},
        {[](const CMessageReporter& r) { return r.ReportPointNotFound(12); }, "Cannot find point [ID:12] object."},
        {[](const CMessageReporter& r) { return r.ReportMaterialNotFound(6); }, "Cannot find material [ID:6] data."},
        {[](const CMessageReporter& r) { return r.ReportUcsNotFound(7); }, "Cannot find ucs [ID:7] definition."},
        {[](const CMessageReporter& r) { return r.ReportSectionCorrupted(7, "Web"); },
         "Internal model data of section [7:Web] seem corrupted."},
        {[](const CMessageReporter& r) { return r.ReportFileOpenError("/tmp/a b.klx"); },
         "Cannot open the file [/tmp/a b.klx]."},
    };
    for (const Case& c : cases) {
        user.ClearRecords();
        EXPECT_FALSE(c.report(reporter));
        ASSERT_EQ(user.boxes.size(), 1u);
        EXPECT_EQ(user.boxes[0].kind, BoxKind::Error);
        EXPECT_EQ(user.boxes[0].text, c.text);
    }
}

TEST_F(ReporterTest, BoxKindsAndResults)
{
    EXPECT_FALSE(reporter.ShowError("e"));
    EXPECT_FALSE(reporter.ShowWarning("w"));
    reporter.ShowInfo("i");
    ASSERT_EQ(user.boxes.size(), 3u);
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(user.boxes[1].kind, BoxKind::Warning);
    EXPECT_EQ(user.boxes[2].kind, BoxKind::Information);
}

TEST_F(ReporterTest, YesNoReturnsOneOrTwoAndPassesTheDefaultButton)
{
    user.QueueAnswers({true, false});
    EXPECT_EQ(reporter.AskYesNo("first?", 1), 1);
    EXPECT_EQ(reporter.AskYesNo("second?", 0), 2);
    ASSERT_EQ(user.questions.size(), 2u);
    EXPECT_TRUE(user.questions[0].yesIsDefault);
    EXPECT_FALSE(user.questions[1].yesIsDefault);
}

TEST(ReporterWithoutPorts, QuestionsTakeTheDefaultButtonAndNothingFails)
{
    CMessageReporter reporter;
    EXPECT_EQ(reporter.AskYesNo("q", 1), 1);
    EXPECT_EQ(reporter.AskYesNo("q", 0), 2);
    EXPECT_FALSE(reporter.ReportPointNotFound(1));
    reporter.PrintOutput("dropped");
    EXPECT_EQ(reporter.PollCancel(), PolledMessage::QueueEmpty);
}

TEST_F(ReporterTest, PrintOutputModes)
{
    reporter.PrintOutput("one", 0);
    reporter.PrintOutput("two", 0);
    reporter.PrintOutput("three", 0);
    EXPECT_EQ(user.lines, (std::vector<std::string>{"one", "two", "three"}));

    reporter.PrintOutput("replaced", 1);
    EXPECT_EQ(user.lines, (std::vector<std::string>{"one", "two", "replaced"}));

    reporter.PrintOutput("ignored", 2);
    reporter.PrintOutput("ignored", -1);
    EXPECT_EQ(user.lines.size(), 3u);
}

TEST_F(ReporterTest, ProgressEndsOnEveryPath)
{
    try {
        ProgressScope progress = reporter.StartProgress(10);
        progress.SetPosition(4);
        throw std::runtime_error("stage failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(user.progressCalls, (std::vector<std::string>{"begin 10", "set 4", "end"}));
}

TEST(TextFormat, FormatsLikePrintfWithoutLengthLimit)
{
    EXPECT_EQ(FormatText("Point [%d] - UCS: (%.3lf, %.3lf)", 7, 1.0, -2.5), "Point [7] - UCS: (1.000, -2.500)");
    const std::string longName(3000, 'x');
    EXPECT_EQ(FormatText("[%s]", longName.c_str()).size(), 3002u);
    EXPECT_EQ(FormatText("%s", ""), "");
}

} // namespace
