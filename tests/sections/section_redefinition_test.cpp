// Section > Redefine in the model: name, location and colour, its own clash
// questions, one undo action.

#include "sections/SectionTestSupport.h"

namespace {

class SectionRedefinitionTest : public SectionTest {
protected:
    void SetUp() override
    {
        a = GeneratePlane(DrawRectangle(0, 0, 100, 50), "A");
        b = GeneratePlane(DrawRectangle(200, 0, 300, 50), "B");
        model.FindSection(a)->hasLocation = true;
        model.FindSection(a)->location = 1.0;
        model.FindSection(b)->location = 5.0;  // no location flag: never a clash
        undoTop = model.m_undoTopId;
        user.ClearRecords();
    }

    int a = 0, b = 0, undoTop = 0;
    static constexpr int kRed[3] = {255, 0, 0};
};

TEST_F(SectionRedefinitionTest, RenameRecordsOneActionUnderTheOldName)
{
    ASSERT_TRUE(model.RedefineSection(a, "C", false, 0.0, false, kRed));
    EXPECT_EQ(Section(a).name, "C");
    EXPECT_EQ(model.m_undoTopId, undoTop + 1);
    EXPECT_EQ(model.GetCurrentUndoAction()->title, "Redefine section [A]");
    EXPECT_EQ(user.LastLine(), "Section [C] is redefined.");
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Section(a).name, "A");
}

TEST_F(SectionRedefinitionTest, NameClashInAnotherCaseIsAskedAndNoStillRecolours)
{
    user.QueueAnswers({false});
    ASSERT_TRUE(model.RedefineSection(b, "a", false, 0.0, true, kRed));
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text,
              "Name \"a\" is already used by the section [A].\n\nRename the section [B] anyway?");
    EXPECT_FALSE(user.questions[0].yesIsDefault);
    EXPECT_EQ(Section(b).name, "B");
    EXPECT_EQ(Section(b).colour[0], 255);
    EXPECT_EQ(user.LastLine(), "Section [B] is redefined.");
}

TEST_F(SectionRedefinitionTest, LocationClashIsAskedOnceAndSectionsWithoutLocationNeverClash)
{
    user.QueueAnswers({true});
    ASSERT_TRUE(model.RedefineSection(b, "", true, 1.0000001, false, kRed));
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, "Location 1.000 is already assigned to the section [A].\n\nRelocate the "
                                      "section [B] to the same location anyway?");
    EXPECT_TRUE(Section(b).hasLocation);

    user.ClearRecords();
    model.FindSection(b)->hasLocation = false;
    ASSERT_TRUE(model.RedefineSection(a, "", true, 5.0, false, kRed));
    EXPECT_TRUE(user.questions.empty());
    EXPECT_EQ(Section(a).location, 5.0);
}

TEST_F(SectionRedefinitionTest, NothingToDoOrEverythingRefusedRecordsNothing)
{
    EXPECT_FALSE(model.RedefineSection(a, "", false, 0.0, false, kRed));
    user.QueueAnswers({false});
    EXPECT_FALSE(model.RedefineSection(b, "A", false, 0.0, false, kRed));
    EXPECT_EQ(model.m_undoTopId, undoTop);
    EXPECT_FALSE(model.RedefineSection(42, "X", false, 0.0, false, kRed));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Cannot find section [ID:42] object."});
}

TEST_F(SectionRedefinitionTest, SettledClashesAreNotAskedAgain)
{
    ASSERT_TRUE(model.RedefineSection(b, "A", true, 1.0, false, kRed, true));
    EXPECT_TRUE(user.questions.empty());
    EXPECT_EQ(Section(b).name, "A");
    EXPECT_EQ(Section(b).location, 1.0);
}

TEST_F(SectionRedefinitionTest, CalculatedPropertiesStayValid)
{
    model.FindSection(a)->propertiesCalculated = true;
    ASSERT_TRUE(model.RedefineSection(a, "Renamed", true, 3.0, true, kRed));
    EXPECT_TRUE(Section(a).propertiesCalculated);
}

}  // namespace
