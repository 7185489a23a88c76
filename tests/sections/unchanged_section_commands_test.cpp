// Section commands given the values a section already has: they report as
// usual, but file no undo step and keep the redo history; a value that
// differs, down to the case of a name, is still a step.

#include "SectionCommandSupport.h"

#include <functional>

namespace {

using Pairs = std::vector<std::pair<int, int>>;

struct SectionCommandCase {
    const char* name;
    std::function<bool(CSectModel&, int a, int b)> run;
    bool filesStep;
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
    EXPECT_FALSE(user.lines.empty()) << "the command reports what it did";

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
}

INSTANTIATE_TEST_SUITE_P(
    Commands, UnchangedSectionCommands,
    testing::Values(
        SectionCommandCase{"AssignEveryDomainItsOwnMaterial",
                           [](CSectModel& m, int a, int) {
                               const Pairs pairs{{a, 1}, {a, 2}};
                               return m.AssignDomainMaterial(&pairs, 1, false);
                           },
                           false},
        SectionCommandCase{"RemoveTheMaterialOfADomainWithoutOne",
                           [](CSectModel& m, int, int b) {
                               const Pairs pairs{{b, 1}};
                               return m.AssignDomainMaterial(&pairs, 0, true);
                           },
                           false},
        SectionCommandCase{"AssignAMaterialToNoDomain",
                           [](CSectModel& m, int, int) {
                               const Pairs none;
                               return m.AssignDomainMaterial(&none, 1, true);
                           },
                           false},
        SectionCommandCase{"AssignTheOwnMaterialAsANewBaseMaterial",
                           [](CSectModel& m, int a, int) {
                               const Pairs pairs{{a, 1}, {a, 2}};
                               return m.AssignDomainMaterial(&pairs, 1, true);
                           },
                           true},
        SectionCommandCase{"AssignTheOwnMaterialLeavingADomainOut",  // the results no longer hold
                           [](CSectModel& m, int a, int) {
                               const Pairs pairs{{a, 1}};
                               return m.AssignDomainMaterial(&pairs, 1, false);
                           },
                           true},
        SectionCommandCase{"RedefineASectionAsItIs",
                           [](CSectModel& m, int, int b) {
                               return m.RedefineSection(b, "B", true, 2.0, true, kColourOfB);
                           },
                           false},
        SectionCommandCase{"RenameASectionToItsOwnName",
                           [](CSectModel& m, int, int b) {
                               return m.RedefineSection(b, "B", false, 0.0, false, kColourOfB);
                           },
                           false},
        SectionCommandCase{"RelocateASectionWhereItIs",
                           [](CSectModel& m, int, int b) {
                               return m.RedefineSection(b, "", true, 2.0, false, kColourOfB);
                           },
                           false},
        SectionCommandCase{"RecolourASectionInItsOwnColour",
                           [](CSectModel& m, int, int b) {
                               return m.RedefineSection(b, "", false, 0.0, true, kColourOfB);
                           },
                           false},
        SectionCommandCase{"RenameASectionToItsOwnNameInAnotherCase",
                           [](CSectModel& m, int, int b) {
                               return m.RedefineSection(b, "b", false, 0.0, false, kColourOfB);
                           },
                           true},
        SectionCommandCase{"RecolourASectionOneStepBluer",
                           [](CSectModel& m, int, int b) {
                               const int bluer[3] = {10, 20, 31};
                               return m.RedefineSection(b, "", false, 0.0, true, bluer);
                           },
                           true}),
    [](const testing::TestParamInfo<SectionCommandCase>& info) { return std::string(info.param.name); });

}  // namespace
