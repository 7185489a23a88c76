// Group, material and UCS commands that in the end change nothing file no
// undo step, so they say so rather than stay silent or claim a change: the
// user's next Undo then takes back the command before, as the output lets
// them expect. A twin of each call that does change something says nothing
// of the kind and is the step the next Undo takes back.

#include "ModelCommandFixture.h"

#include <algorithm>
#include <functional>

namespace {

const double kZero[2] = {0.0, 0.0};
const double kUcsOrigin[2] = {10.0, 20.0};
const double kOtherOrigin[2] = {10.0, 25.0};

struct UnchangedCommandCase {
    const char* name;
    std::function<bool(CSectModel&)> changeNothing;
    const char* nothingChangedLine;
    std::function<bool(CSectModel&)> changeSomething;
};

void PrintTo(const UnchangedCommandCase& c, std::ostream* out)
{
    *out << c.name;
}

// Points 1 to 3 on one curve 1; group "G" of curve 1 and its points, group
// "H" of point 1; material 1 "Steel"; UCS 1 "U" at (10, 20) turned by 30
// degrees. The last step filed creates group "Last".
class UnchangedModelCommands : public ModelCommandFixture,
                               public testing::WithParamInterface<UnchangedCommandCase> {
protected:
    void SetUp() override
    {
        for (int id = 1; id <= 3; ++id)
            AddPoint(id, id * 10.0, 0.0);
        AddCurve(1, {1, 2, 3});
        AddMaterial(1, "Steel", 2.0e5, 0.3);
        ASSERT_TRUE(model.AddToGroup("G", {}, {1}, {}, true));
        ASSERT_TRUE(model.AddToGroup("H", {}, {}, {1}, true));
        ASSERT_TRUE(model.CreateUcs(UCS_BY_ORIGIN_AND_ANGLE, "U", kUcsOrigin, 30.0, kZero, kZero));
        ASSERT_TRUE(model.CreateGroup("Last"));
        user.ClearRecords();
    }

    bool LastGroupIsThere() const
    {
        return std::any_of(model.m_groups.begin(), model.m_groups.end(),
                           [](const auto& entry) { return entry.second->name == "Last"; });
    }
};

TEST_P(UnchangedModelCommands, SayNothingChangedAndLeaveTheNextUndoToTheCommandBefore)
{
    const UnchangedCommandCase& c = GetParam();
    const int undoTopId = model.m_undoTopId;

    EXPECT_TRUE(c.changeNothing(model));
    EXPECT_EQ(user.lines, std::vector<std::string>{c.nothingChangedLine});
    EXPECT_TRUE(user.boxes.empty()) << user.boxes.front().text;
    EXPECT_EQ(model.m_undoTopId, undoTopId);

    user.ClearRecords();
    ASSERT_TRUE(model.Undo(true));
    EXPECT_EQ(user.LastLine(), "Undo: Create new group [Last]");
    EXPECT_FALSE(LastGroupIsThere());
}

TEST_P(UnchangedModelCommands, ATwinThatChangesSomethingIsTheNextUndosStep)
{
    const UnchangedCommandCase& c = GetParam();
    const int undoTopId = model.m_undoTopId;

    EXPECT_TRUE(c.changeSomething(model));
    for (const std::string& line : user.lines)
        EXPECT_EQ(line.rfind("Nothing is changed", 0), std::string::npos) << line;
    EXPECT_EQ(model.m_undoTopId, undoTopId + 1);

    ASSERT_TRUE(model.Undo(false));
    EXPECT_TRUE(LastGroupIsThere());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, UnchangedModelCommands,
    testing::Values(
        UnchangedCommandCase{"RenameGroup", [](CSectModel& m) { return m.RenameGroup("g", "G"); },
                             "Nothing is changed: the group already has this name.",
                             [](CSectModel& m) { return m.RenameGroup("G", "g"); }},
        UnchangedCommandCase{"MergeGroups", [](CSectModel& m) { return m.MergeGroups("H", "G", false); },
                             "Nothing is changed: the group [G] already has every member of the group [H].",
                             [](CSectModel& m) { return m.MergeGroups("G", "H", false); }},
        UnchangedCommandCase{"AddToGroup", [](CSectModel& m) { return m.AddToGroup("G", {}, {1}, {3}, true); },
                             "Nothing is changed: the group already has these members.",
                             [](CSectModel& m) { return m.AddToGroup("H", {}, {}, {2}, true); }},
        UnchangedCommandCase{"AddIdsOfNoObjectToGroup",
                             [](CSectModel& m) { return m.AddToGroup("G", {7}, {8}, {9}, true); },
                             "Nothing is changed: no object has any of these ids.",
                             [](CSectModel& m) { return m.AddToGroup("H", {7}, {8}, {9, 2}, true); }},
        UnchangedCommandCase{"ExpelFromGroup", [](CSectModel& m) { return m.ExpelFromGroup("H", {}, {1}, {2, 3}); },
                             "Nothing is changed: the group has none of these members.",
                             [](CSectModel& m) { return m.ExpelFromGroup("H", {}, {}, {1}); }},
        UnchangedCommandCase{
            "RedefineMaterial", [](CSectModel& m) { return m.RedefineMaterial(1, "Steel", 2.0e5, 0.3); },
            "Nothing is changed: the material already has this name, elastic modulus and Poisson's ratio.",
            [](CSectModel& m) { return m.RedefineMaterial(1, "Steel", 2.1e5, 0.3); }},
        UnchangedCommandCase{"RedefineUcs",
                             [](CSectModel& m) {
                                 return m.RedefineUcs(1, UCS_BY_ORIGIN_AND_ANGLE, "", kUcsOrigin, 30.0, kZero, kZero);
                             },
                             "Nothing is changed: the UCS already has this definition.",
                             [](CSectModel& m) {
                                 return m.RedefineUcs(1, UCS_BY_ORIGIN_AND_ANGLE, "", kOtherOrigin, 30.0, kZero,
                                                      kZero);
                             }}),
    [](const testing::TestParamInfo<UnchangedCommandCase>& info) { return std::string(info.param.name); });

}  // namespace
