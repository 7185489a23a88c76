#include "ModelCommandFixture.h"

namespace {

using Ids = std::vector<int>;

class GroupCommandsTest : public ModelCommandFixture {
protected:
    // Section 1 made from curves 1 (points 1, 2, 3) and 2 (points 3, 4, 5);
    // curve 3 is closed (points 6, 7, 6) and runs through closed loops 2 and 5.
    void BuildGeometry()
    {
        for (int id = 1; id <= 7; ++id)
            AddPoint(id, id, 0.0);
        AddCurve(1, {1, 2, 3}).closedLoopIds = {5};
        AddCurve(2, {3, 4, 5}).closedLoopIds = {2, 5};
        AddCurve(3, {6, 7, 6}).closedLoopIds = {2};
        AddSection(1, SECTION_LINE, {}).curveIds = {1, 2};
        AddSection(3, SECTION_LINE, {});
        AddSection(4, SECTION_LINE, {});
    }

    const T_GROUP_D& Group(int id)
    {
        const T_GROUP_D* group = model.FindGroup(id);
        EXPECT_NE(group, nullptr) << "group " << id;
        static const T_GROUP_D missing;
        return group ? *group : missing;
    }

    std::string UndoTitle() const
    {
        const T_ACTION_D* action = model.GetCurrentUndoAction();
        return action ? action->title : std::string();
    }
};

TEST_F(GroupCommandsTest, CreateRefusesNamesInUseWithoutRegardToCase)
{
    ASSERT_TRUE(model.CreateGroup("Beams"));
    EXPECT_EQ(UndoTitle(), "Create new group [Beams]");
    EXPECT_EQ(Group(1).name, "Beams");

    EXPECT_FALSE(model.CreateGroup("BEAMS"));
    EXPECT_FALSE(model.CreateGroup(""));
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Group \"Beams\" already exists."}));
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Information);
    EXPECT_EQ(model.m_undoActions.size(), 1u);
    EXPECT_EQ(model.m_nextGroupId, 2);
    EXPECT_TRUE(user.lines.empty());

    ASSERT_TRUE(model.Undo(false));
    EXPECT_TRUE(model.m_groups.empty());
}

TEST_F(GroupCommandsTest, UnknownOrEmptyNamesFailSilently)
{
    ASSERT_TRUE(model.CreateGroup("G"));
    model.ClearUndoStorage();
    Ids out;
    EXPECT_FALSE(model.DeleteGroup("H"));
    EXPECT_FALSE(model.RenameGroup("H", "K"));
    EXPECT_FALSE(model.RenameGroup("G", ""));
    EXPECT_FALSE(model.RenameGroup("", "K"));
    EXPECT_FALSE(model.QueryGroup("H"));
    EXPECT_FALSE(model.ExpelFromGroup("H", {1}, {}, {}));
    EXPECT_FALSE(model.MergeGroups("G", "H", true));
    EXPECT_FALSE(model.MergeGroups("", "G", false));
    EXPECT_FALSE(model.AddToGroup("", {}, {}, {1}, true));
    model.GetGroupSections("H", out);
    model.GetGroupClosedLoops("", out);
    EXPECT_TRUE(out.empty());
    EXPECT_TRUE(user.boxes.empty() && user.lines.empty());
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_EQ(model.m_groups.size(), 1u);
}

TEST_F(GroupCommandsTest, AddBringsCurvesAndPointsOfSectionsAndCurves)
{
    BuildGeometry();
    ASSERT_TRUE(model.AddToGroup("Web", {1, 99}, {}, {42}, true));
    EXPECT_EQ(UndoTitle(), "Add to group [Web]");
    const T_GROUP_D& group = Group(1);
    EXPECT_EQ(group.sectionIds, (Ids{1}));
    EXPECT_EQ(group.curveIds, (Ids{1, 2}));
    EXPECT_EQ(group.pointIds, (Ids{1, 2, 3, 4, 5})) << "ids that no object has are dropped";

    ASSERT_TRUE(model.AddToGroup("WEB", {4}, {3, 77}, {2, 904}, true));
    EXPECT_EQ(UndoTitle(), "Add to group [Web]");
    EXPECT_EQ(group.sectionIds, (Ids{1, 4}));
    EXPECT_EQ(group.curveIds, (Ids{1, 2, 3}));
    EXPECT_EQ(group.pointIds, (Ids{1, 2, 3, 4, 5, 6, 7}));

    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Group(1).curveIds, (Ids{1, 2}));
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.FindGroup(1), nullptr);
}

TEST_F(GroupCommandsTest, NewSectionJoinsTheCallersAction)
{
    BuildGeometry();
    model.BeginUndoAction();
    model.SetUndoActionTitle("Generate line section");
    model.AddNewSectionToGroup("Generated", 3);
    model.AddNewSectionToGroup("", 4);
    EXPECT_EQ(model.m_undoActions.size(), 1u);
    EXPECT_EQ(UndoTitle(), "Generate line section");
    EXPECT_EQ(Group(1).sectionIds, (Ids{3}));

    model.AddNewSectionToGroup("generated", 4);
    EXPECT_EQ(Group(1).sectionIds, (Ids{3, 4}));
    ASSERT_TRUE(model.Undo(false));
    EXPECT_TRUE(model.m_groups.empty());
}

TEST_F(GroupCommandsTest, ExpelRemovesOnlyTheGivenIds)
{
    BuildGeometry();
    ASSERT_TRUE(model.AddToGroup("G", {1}, {}, {}, true));
    ASSERT_TRUE(model.ExpelFromGroup("g", {1, 3}, {}, {5}));
    EXPECT_EQ(UndoTitle(), "Expel from group [G]");
    EXPECT_TRUE(Group(1).sectionIds.empty());
    EXPECT_EQ(Group(1).curveIds, (Ids{1, 2}));
    EXPECT_EQ(Group(1).pointIds, (Ids{1, 2, 3, 4}));

    // An expel that changes nothing is no step to undo.
    const size_t actions = model.m_undoActions.size();
    ASSERT_TRUE(model.ExpelFromGroup("G", {8}, {}, {}));
    EXPECT_EQ(model.m_undoActions.size(), actions);
}

TEST_F(GroupCommandsTest, RenameRefusesAnotherGroupsNameButNotItsOwn)
{
    ASSERT_TRUE(model.CreateGroup("Flanges"));
    ASSERT_TRUE(model.CreateGroup("Webs"));
    const size_t actions = model.m_undoActions.size();

    EXPECT_FALSE(model.RenameGroup("Webs", "FLANGES"));
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Group \"Flanges\" already exists."}));
    EXPECT_EQ(Group(2).name, "Webs");
    EXPECT_EQ(model.m_undoActions.size(), actions);

    ASSERT_TRUE(model.RenameGroup("webs", "WEBS"));
    EXPECT_EQ(UndoTitle(), "Rename group [Webs]");
    EXPECT_EQ(Group(2).name, "WEBS");
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Group(2).name, "Webs");
}

TEST_F(GroupCommandsTest, MergeWithDeleteSourceUndoesInOneStep)
{
    BuildGeometry();
    AddSection(2, SECTION_LINE, {});
    model.AddToGroup("From", {1, 3}, {}, {}, true);
    model.AddToGroup("To", {2, 3}, {}, {}, true);
    model.m_sections.erase(4);
    model.m_groups.at(2)->sectionIds.push_back(4);  // dead: carried along, out of sight

    ASSERT_TRUE(model.MergeGroups("from", "TO", true));
    EXPECT_EQ(UndoTitle(), "Merge group [From] into group [To]");
    EXPECT_EQ(model.FindGroup(1), nullptr);
    EXPECT_EQ(Group(2).sectionIds, (Ids{1, 2, 3, 4}));
    Ids live;
    model.GetGroupSections("To", live);
    EXPECT_EQ(live, (Ids{1, 2, 3}));
    EXPECT_EQ(Group(2).curveIds, (Ids{1, 2}));
    EXPECT_EQ(Group(2).pointIds, (Ids{1, 2, 3, 4, 5}));

    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Group(1).sectionIds, (Ids{1, 3}));
    EXPECT_EQ(Group(2).sectionIds, (Ids{2, 3, 4}));
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(model.FindGroup(1), nullptr);
}

TEST_F(GroupCommandsTest, MergingAGroupIntoItselfIsRefused)
{
    BuildGeometry();
    ASSERT_TRUE(model.AddToGroup("Only", {}, {}, {1, 2}, true));
    const size_t actions = model.m_undoActions.size();
    EXPECT_FALSE(model.MergeGroups("Only", "ONLY", true));
    EXPECT_EQ(Group(1).pointIds, (Ids{1, 2}));
    EXPECT_EQ(model.m_undoActions.size(), actions);
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(GroupCommandsTest, GettersAndQueryShowLiveIdsAndKeepDeadOnes)
{
    BuildGeometry();
    ASSERT_TRUE(model.AddToGroup("All", {1, 3, 4}, {3}, {42}, true));
    model.m_sections.erase(3);
    model.m_curves.erase(1);
    model.m_points.erase(2);

    Ids sections{100};
    model.GetGroupSections("all", sections);
    EXPECT_EQ(sections, (Ids{100, 1, 4})) << "out is appended to";
    EXPECT_EQ(Group(1).sectionIds, (Ids{1, 3, 4}));

    Ids loops{9};
    model.GetGroupClosedLoops("All", loops);
    EXPECT_EQ(loops, (Ids{2, 5, 9}));
    EXPECT_EQ(Group(1).curveIds, (Ids{1, 2, 3}));

    user.ClearRecords();
    const size_t actions = model.m_undoActions.size();
    ASSERT_TRUE(model.QueryGroup("ALL"));
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Group [All] - Section: 2, Curve: 2, Point: 6"}));
    EXPECT_EQ(model.m_undoActions.size(), actions);

    Ids points;
    model.GetGroupPoints("All", points);
    EXPECT_EQ(points, (Ids{1, 3, 4, 5, 6, 7}));
    Ids curves;
    model.GetGroupCurves("All", curves);
    EXPECT_EQ(curves, (Ids{2, 3}));
}

TEST_F(GroupCommandsTest, DeleteKeepsMembersAndUndoes)
{
    BuildGeometry();
    ASSERT_TRUE(model.AddToGroup("G", {1}, {}, {}, true));
    ASSERT_TRUE(model.DeleteGroup("g"));
    EXPECT_EQ(UndoTitle(), "Delete group [G]");
    EXPECT_TRUE(model.m_groups.empty());
    EXPECT_NE(model.FindSection(1), nullptr);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Group(1).curveIds, (Ids{1, 2}));
}

} // namespace
