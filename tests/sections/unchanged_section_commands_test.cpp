// Section commands given the values a section already has: they file no undo
// step, keep the redo history and say that nothing changed, so that the next
// Undo takes back the command before, as the output lets the user expect; a
// value that differs, down to the case of a name, is still a step and is
// reported as usual.

#include "SectionCommandSupport.h"

#include <functional>

namespace {

using Pairs = std::vector<std::pair<int, int>>;

struct SectionCommandCase {
    const char* name;
    std::function<bool(CSectModel&, int a, int b)> run;
    bool filesStep;
    const char* line;  // the output, all of it
};

void PrintTo(const SectionCommandCase& c, std::ostream* out)
{
    *out << c.name;
}

constexpr int kColourOfB[3] = {10, 20, 30};

// Section a: a 200 x 100 rectangle cut by an inner line into two domains of
// material 1, calculated, base material none. Section b: a square of one
// domain without material, named "B", at location 2, in kColourOfB. And one
// undone step, so that there is a redo history to keep.
class UnchangedSectionCommands : public SectionCommandTest,
                                 public testing::WithParamInterface<SectionCommandCase> {
protected:
    void SetUp() override
    {
        AddMaterial(1, "Steel");
        a = GeneratePlane({Draw({{0, 0}, {100, 0}}), Draw({{100, 0}, {200, 0}}), Draw({{200, 0}, {200, 100}}),
                           Draw({{200, 100}, {100, 100}}), Draw({{100, 100}, {0, 100}}), Draw({{0, 100}, {0, 0}}),
                           Draw({{100, 0}, {100, 100}})},
                          "A");
        ASSERT_EQ(Section(a).domains.size(), 2u);
        for (auto& [id, domain] : model.FindSection(a)->domains)
            domain->materialId = 1;
        MarkCalculated(a, 100, 50);
        b = SquareSection(500, 0, 100);
        ASSERT_TRUE(model.RedefineSection(b, "B", true, 2.0, true, kColourOfB));
        ASSERT_TRUE(model.RedefineSection(b, "Undone", false, 0.0, false, kColourOfB));
        ASSERT_TRUE(model.Undo(false));
        ASSERT_FALSE(model.IsRedoEmpty());
        user.ClearRecords();
    }

    int a = 0, b = 0;
};

TEST_P(UnchangedSectionCommands, FileAStepOnlyForAChange)
{
    const SectionCommandCase& c = GetParam();
    const SectionCommandState before = CaptureSections();
    const T_ACTION_D* undoTop = model.GetCurrentUndoAction();
    const T_ACTION_D* redoTop = model.GetCurrentRedoAction();
    const int undoTopId = model.m_undoTopId;
    const int redoTopId = model.m_redoTopId;
    model.TakeUndoStepFiled();

    EXPECT_TRUE(c.run(model, a, b));
    EXPECT_EQ(user.lines, std::vector<std::string>{c.line});

    EXPECT_EQ(model.TakeUndoStepFiled(), c.filesStep);
    if (c.filesStep) {
        EXPECT_EQ(model.m_undoTopId, undoTopId + 1);
        EXPECT_TRUE(model.IsRedoEmpty());
        ExpectUndoRedoRestoresSections(before);
        return;
    }
    EXPECT_EQ(CaptureSections(), before);
    EXPECT_EQ(model.m_undoTopId, undoTopId);
    EXPECT_EQ(model.GetCurrentUndoAction(), undoTop);
    EXPECT_EQ(model.m_redoTopId, redoTopId);
    EXPECT_EQ(model.GetCurrentRedoAction(), redoTop);
    EXPECT_TRUE(user.boxes.empty()) << user.boxes.front().text;

    const std::string titleBefore = undoTop->title;
    ASSERT_TRUE(model.Undo(true));
    EXPECT_EQ(user.LastLine(), "Undo: " + titleBefore);
    EXPECT_FALSE(Section(b).hasLocation) << "the command before gave b its location";
}

INSTANTIATE_TEST_SUITE_P(
    Commands, UnchangedSectionCommands,
    testing::Values(
        SectionCommandCase{"AssignEveryDomainItsOwnMaterial",
                           [](CSectModel& m, int a, int) {
                               const Pairs pairs{{a, 1}, {a, 2}};
                               return m.AssignDomainMaterial(&pairs, 1, false);
                           },
                           false,
                           "Nothing is changed: the domains already have this material."},
        SectionCommandCase{"RemoveTheMaterialOfADomainWithoutOne",
                           [](CSectModel& m, int, int b) {
                               const Pairs pairs{{b, 1}};
                               return m.AssignDomainMaterial(&pairs, 0, true);
                           },
                           false,
                           "Nothing is changed: the domain already has no material."},
        SectionCommandCase{"AssignAMaterialToNoDomain",
                           [](CSectModel& m, int, int) {
                               const Pairs none;
                               return m.AssignDomainMaterial(&none, 1, true);
                           },
                           false,
                           "Nothing is changed: no domain is chosen."},
        SectionCommandCase{"AssignTheOwnMaterialAsANewBaseMaterial",
                           [](CSectModel& m, int a, int) {
                               const Pairs pairs{{a, 1}, {a, 2}};
                               return m.AssignDomainMaterial(&pairs, 1, true);
                           },
                           true,
                           "Material [1:Steel] is assigned to 2 domains."},
        SectionCommandCase{"AssignTheOwnMaterialLeavingADomainOut",  // the results no longer hold
                           [](CSectModel& m, int a, int) {
                               const Pairs pairs{{a, 1}};
                               return m.AssignDomainMaterial(&pairs, 1, false);
                           },
                           true,
                           "Material [1:Steel] is assigned to 1 domain."},
        SectionCommandCase{"RedefineASectionAsItIs",
                           [](CSectModel& m, int, int b) {
                               return m.RedefineSection(b, "B", true, 2.0, true, kColourOfB);
                           },
                           false,
                           "Nothing is changed: the section already has these values."},
        SectionCommandCase{"RenameASectionToItsOwnName",
                           [](CSectModel& m, int, int b) {
                               return m.RedefineSection(b, "B", false, 0.0, false, kColourOfB);
                           },
                           false,
                           "Nothing is changed: the section already has these values."},
        SectionCommandCase{"RelocateASectionWhereItIs",
                           [](CSectModel& m, int, int b) {
                               return m.RedefineSection(b, "", true, 2.0, false, kColourOfB);
                           },
                           false,
                           "Nothing is changed: the section already has these values."},
        SectionCommandCase{"RecolourASectionInItsOwnColour",
                           [](CSectModel& m, int, int b) {
                               return m.RedefineSection(b, "", false, 0.0, true, kColourOfB);
                           },
                           false,
                           "Nothing is changed: the section already has these values."},
        SectionCommandCase{"RenameASectionToItsOwnNameInAnotherCase",
                           [](CSectModel& m, int, int b) {
                               return m.RedefineSection(b, "b", false, 0.0, false, kColourOfB);
                           },
                           true,
                           "Section [b] is redefined."},
        SectionCommandCase{"RecolourASectionOneStepBluer",
                           [](CSectModel& m, int, int b) {
                               const int bluer[3] = {10, 20, 31};
                               return m.RedefineSection(b, "", false, 0.0, true, bluer);
                           },
                           true,
                           "Section [B] is redefined."}),
    [](const testing::TestParamInfo<SectionCommandCase>& info) { return std::string(info.param.name); });

}  // namespace
