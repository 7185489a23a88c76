// A deleted object stays listed in its groups, out of sight, so that undoing
// the delete brings it back into them whatever was done in between.

#include "ProjectFileTestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class GroupMembersUndoTest : public testing::Test {
protected:
    GroupMembersUndoTest()
    {
        const double a[2] = {0.0, 0.0};
        const double b[2] = {100.0, 0.0};
        const double c[2] = {100.0, 50.0};
        EXPECT_TRUE(reporting.model.CreateLine(a, b, 0, 0.0));
        EXPECT_TRUE(reporting.model.CreateLine(b, c, 0, 0.0));
        EXPECT_TRUE(reporting.model.AddToGroup("Frame", {}, {1, 2}, {}, true));
    }

    std::vector<int> LiveCurves(const std::string& group)
    {
        std::vector<int> curves;
        reporting.model.GetGroupCurves(group, curves);
        return curves;
    }

    ScratchFolder folder;
    ReportingModel reporting;
};

TEST_F(GroupMembersUndoTest, UndoingADeleteBringsTheCurveBackIntoItsGroup)
{
    const std::string path = folder.Path("saved.klx").string();
    const std::vector<std::pair<const char*, std::function<void(CSectModel&)>>> betweens = {
        {"save", [&path](CSectModel& m) { EXPECT_TRUE(m.WriteProjectFile(path)); }},
        {"combo getters",
         [](CSectModel& m) {
             std::vector<int> ids;
             m.GetGroupSections("Frame", ids);
             m.GetGroupCurves("Frame", ids);
             m.GetGroupPoints("Frame", ids);
             m.GetGroupClosedLoops("Frame", ids);
         }},
        {"query", [](CSectModel& m) { EXPECT_TRUE(m.QueryGroup("Frame")); }},
        {"group export",
         [this](CSectModel& m) {
             EXPECT_TRUE(m.ExportGroupToProjectFile("Frame", folder.Path("group.klx").string().c_str()));
         }},
        {"merge into another group",
         [](CSectModel& m) {
             EXPECT_TRUE(m.CreateGroup("Other"));
             EXPECT_TRUE(m.MergeGroups("Other", "Frame", true));
             EXPECT_TRUE(m.Undo(false));
             EXPECT_TRUE(m.Undo(false));
         }},
    };
    for (const auto& [name, between] : betweens) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(reporting.model.DeleteCurves({1}, false, true));
        EXPECT_EQ(LiveCurves("Frame"), std::vector<int>{2});
        between(reporting.model);
        ASSERT_TRUE(reporting.model.Undo(false));
        ASSERT_NE(reporting.model.FindCurve(1), nullptr);
        EXPECT_EQ(LiveCurves("Frame"), (std::vector<int>{1, 2}));
        reporting.user.ClearRecords();
        ASSERT_TRUE(reporting.model.QueryGroup("Frame"));
        EXPECT_EQ(reporting.user.lines, std::vector<std::string>{"Group [Frame] - Section: 0, Curve: 2, Point: 3"});
    }

    // The file written while the curve was deleted lists only the live one.
    ReportingModel opened;
    ASSERT_TRUE(opened.model.ReadProjectFile(path, false));
    EXPECT_EQ(opened.model.FindGroup(1)->curveIds, std::vector<int>{2});
    EXPECT_EQ(opened.model.FindCurve(1), nullptr);
}

TEST_F(GroupMembersUndoTest, TheQueryCountsOnlyLiveMembers)
{
    ASSERT_TRUE(reporting.model.DeleteCurves({2}, true, true));
    reporting.user.ClearRecords();
    ASSERT_TRUE(reporting.model.QueryGroup("frame"));
    EXPECT_EQ(reporting.user.lines, std::vector<std::string>{"Group [Frame] - Section: 0, Curve: 1, Point: 2"});
    EXPECT_EQ(reporting.model.FindGroup(1)->curveIds, (std::vector<int>{1, 2}));
}

} // namespace
