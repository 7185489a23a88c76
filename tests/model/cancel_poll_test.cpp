#include "model/SectModel.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

const char* const kFacetingQuestion =
    "You've interrupted the plane faceting.\n\n"
    "If the facets are not constructed, you cannot readily manipulate the domains.\n\n"
    "(However, you can calculate and see the results normally)\n\n"
    "Really cancel the plane faceting?";

class CancelPollTest : public ::testing::Test {
protected:
    void SetUp() override { model.m_reporter.SetPorts(user.Ports()); }

    ScriptedUserPorts user;
    CSectModel model;
};

TEST_F(CancelPollTest, NoInputOrOtherInputGoesOn)
{
    for (int mode : {0, 1, 5}) {
        EXPECT_FALSE(model.PollUserCancel(mode));
        user.QueuePendingMessages({PolledMessage::OtherMessage});
        EXPECT_FALSE(model.PollUserCancel(mode));
    }
    EXPECT_TRUE(user.questions.empty());
    EXPECT_TRUE(user.lines.empty());
}

TEST_F(CancelPollTest, EscapeDuringFacetingAsksWithNoAsDefault)
{
    user.QueuePendingMessages({PolledMessage::Escape, PolledMessage::Escape});
    user.QueueAnswers({false, true});

    EXPECT_FALSE(model.PollUserCancel(0));
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, kFacetingQuestion);
    EXPECT_FALSE(user.questions[0].yesIsDefault);
    EXPECT_TRUE(user.lines.empty());

    EXPECT_TRUE(model.PollUserCancel(0));
    EXPECT_EQ(user.lines, (std::vector<std::string>{"* Plane faceting is canceled."}));
}

TEST_F(CancelPollTest, EscapeDuringMeshingCancelsAtOnce)
{
    user.QueuePendingMessages({PolledMessage::Escape});
    EXPECT_TRUE(model.PollUserCancel(1));
    EXPECT_TRUE(user.questions.empty());
    EXPECT_EQ(user.lines, (std::vector<std::string>{"* Mesh generation is canceled."}));
}

TEST_F(CancelPollTest, EscapeDuringDxfImportOrCurveIntersectionCancelsAtOnce)
{
    const std::pair<int, const char*> modes[] = {{2, "* DXF import is canceled."},
                                                 {3, "* Curve intersection is canceled."}};
    for (const auto& [mode, line] : modes) {
        user.ClearRecords();
        user.QueuePendingMessages({PolledMessage::Escape});
        EXPECT_TRUE(model.PollUserCancel(mode));
        EXPECT_TRUE(user.questions.empty());
        EXPECT_EQ(user.lines, (std::vector<std::string>{line}));
    }
}

TEST_F(CancelPollTest, EscapeInAnyOtherModeCancelsSilently)
{
    user.QueuePendingMessages({PolledMessage::Escape});
    EXPECT_TRUE(model.PollUserCancel(4));
    EXPECT_TRUE(user.questions.empty());
    EXPECT_TRUE(user.lines.empty());
}

TEST_F(CancelPollTest, EachCallLooksAtOneMessageOnly)
{
    user.QueuePendingMessages({PolledMessage::OtherMessage, PolledMessage::Escape});
    EXPECT_FALSE(model.PollUserCancel(1));
    EXPECT_TRUE(model.PollUserCancel(1));
    EXPECT_FALSE(model.PollUserCancel(1));
}

} // namespace
