#include "ModelCommandFixture.h"

namespace {

const double kZero[2] = {0.0, 0.0};

class UcsCommandsTest : public ModelCommandFixture {
protected:
    // Mode 0: origin and angle are global values.
    bool CreateByOrigin(const std::string& name, double x, double y, double angle)
    {
        const double origin[2] = {x, y};
        return model.CreateUcs(UCS_BY_ORIGIN_AND_ANGLE, name, origin, angle, kZero, kZero);
    }

    bool CreateByAxis(const std::string& name, double x1, double y1, double x2, double y2)
    {
        const double p1[2] = {x1, y1};
        const double p2[2] = {x2, y2};
        return model.CreateUcs(UCS_BY_TWO_AXIS_POINTS, name, kZero, 0.0, p1, p2);
    }

    bool RedefineByOrigin(int id, const std::string& name, double x, double y, double angle)
    {
        const double origin[2] = {x, y};
        return model.RedefineUcs(id, UCS_BY_ORIGIN_AND_ANGLE, name, origin, angle, kZero, kZero);
    }

    const T_UCS_D& Ucs(int id)
    {
        const T_UCS_D* ucs = model.FindUcs(id);
        EXPECT_NE(ucs, nullptr) << "UCS " << id;
        static const T_UCS_D missing;
        return ucs ? *ucs : missing;
    }

    std::string UndoTitle() const
    {
        const T_ACTION_D* action = model.GetCurrentUndoAction();
        return action ? action->title : std::string();
    }
};

TEST_F(UcsCommandsTest, WorkUcsFallsBackToGcsForUnknownIds)
{
    ASSERT_TRUE(CreateByOrigin("A", 5.0, 5.0, 30.0));
    EXPECT_EQ(model.SetCurrentUcs(1)->name, "A");
    EXPECT_EQ(model.GetCurrentUcs()->id, 1);
    EXPECT_EQ(model.SetGcsCurrent()->id, 0);
    EXPECT_EQ(model.m_currentUcsId, 0);

    EXPECT_EQ(model.SetCurrentUcs(7)->name, "GCS");
    EXPECT_EQ(model.m_currentUcsId, 0);

    // Undoing the creation of the work UCS leaves a dangling id that the next
    // read repairs.
    model.SetCurrentUcs(1);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.GetCurrentUcs()->id, 0);
    EXPECT_EQ(model.m_currentUcsId, 0);
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(UcsCommandsTest, CreateWithEmptyNameTakesDefaultNameAndUndoes)
{
    ASSERT_TRUE(CreateByOrigin("", 10.0, 20.0, 45.0));
    const T_UCS_D& ucs = Ucs(1);
    EXPECT_EQ(ucs.name, "UCS-1");
    EXPECT_EQ(ucs.definitionMode, UCS_BY_ORIGIN_AND_ANGLE);
    EXPECT_EQ(ucs.origin[0], 10.0);
    EXPECT_EQ(ucs.origin[1], 20.0);
    EXPECT_EQ(ucs.enteredOrigin[1], 20.0);
    EXPECT_EQ(ucs.angle, 45.0);
    EXPECT_EQ(ucs.enteredAngle, 45.0);
    EXPECT_EQ(model.m_nextUcsId, 2);
    EXPECT_EQ(model.m_currentUcsId, 0) << "a new UCS does not become the work UCS";
    EXPECT_EQ(user.lines, (std::vector<std::string>{"New UCS [UCS-1] is created."}));
    EXPECT_EQ(UndoTitle(), "Create new UCS [UCS-1]");

    ASSERT_TRUE(model.Undo(true));
    EXPECT_EQ(model.FindUcs(1), nullptr);
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(Ucs(1).angle, 45.0);
    EXPECT_EQ(model.m_nextUcsId, 2) << "ids are never given back";
}

TEST_F(UcsCommandsTest, DefaultNameIsNotComparedWithExistingNames)
{
    ASSERT_TRUE(CreateByOrigin("UCS-2", 1.0, 0.0, 0.0));
    ASSERT_TRUE(CreateByOrigin("", 2.0, 0.0, 0.0));
    EXPECT_EQ(Ucs(2).name, "UCS-2");
    EXPECT_TRUE(user.questions.empty());
}

TEST_F(UcsCommandsTest, CoincidentAxisPointsWarnBeforeAnyQuestion)
{
    ASSERT_TRUE(CreateByOrigin("A", 1.0, 1.0, 0.0));
    model.ClearUndoStorage();
    // Closer than 1e-6 as typed; the name clash is never reached.
    EXPECT_FALSE(CreateByAxis("a", 3.0, 4.0, 3.0 + 5e-7, 4.0));
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Two points defining the x-axis are indentical."}));
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Warning);
    EXPECT_TRUE(user.questions.empty());
    EXPECT_EQ(model.m_nextUcsId, 2);
    EXPECT_TRUE(model.IsUndoEmpty());
}

TEST_F(UcsCommandsTest, NameClashesAskWithNoAsDefault)
{
    ASSERT_TRUE(CreateByOrigin("Left", 1.0, 0.0, 0.0));

    struct Case {
        std::string name;
        bool answer;
        std::string question;
    };
    const Case cases[] = {
        {"gcs", false, "Name \"gcs\" is already used by GCS.\n\nCreate tne new conflicting UCS anyway?"},
        {"LEFT", false, "Name \"LEFT\" is already used by UCS [Left].\n\nCreate the new conflicting UCS anyway?"},
        {"gcs", true, "Name \"gcs\" is already used by GCS.\n\nCreate tne new conflicting UCS anyway?"},
    };
    double x = 10.0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        user.ClearRecords();
        const int nextId = model.m_nextUcsId;
        user.QueueAnswers({c.answer});
        EXPECT_EQ(CreateByOrigin(c.name, x, 0.0, 0.0), c.answer);
        x += 10.0;
        ASSERT_EQ(user.questions.size(), 1u);
        EXPECT_EQ(user.questions[0].text, c.question);
        EXPECT_FALSE(user.questions[0].yesIsDefault);
        EXPECT_EQ(model.m_nextUcsId, nextId + (c.answer ? 1 : 0));
    }
    EXPECT_EQ(Ucs(2).name, "gcs");
    EXPECT_EQ(model.m_undoActions.size(), 2u) << "refusals record nothing";

    // Yes ends the scan: the later clash with "gcs" is not asked about.
    user.ClearRecords();
    user.QueueAnswers({true});
    EXPECT_TRUE(CreateByOrigin("GCS", 50.0, 0.0, 0.0));
    EXPECT_EQ(user.questions.size(), 1u);
}

TEST_F(UcsCommandsTest, IdentityWithAnExistingUcsAsks)
{
    // Angles compare as stored, so 360 is not the GCS.
    ASSERT_TRUE(CreateByOrigin("Turned", 0.0, 0.0, 360.0));
    EXPECT_TRUE(user.questions.empty());

    user.QueueAnswers({false});
    EXPECT_FALSE(CreateByOrigin("Flat", 0.0, 0.0, 0.0));
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, "New UCS will be identical with GCS.\n\nCreate the new conflicting UCS anyway?");
    EXPECT_FALSE(user.questions[0].yesIsDefault);

    user.QueueAnswers({true});
    EXPECT_TRUE(CreateByOrigin("Again", 5e-7, 0.0, 360.0 + 5e-7));
    EXPECT_EQ(user.questions.back().text,
              "New UCS will be identical with UCS [Turned].\n\nCreate the new conflicting UCS anyway?");
    EXPECT_EQ(model.m_ucs.size(), 3u);
}

TEST_F(UcsCommandsTest, TwoPointDefinitionReadsPointsInTheWorkUcs)
{
    ASSERT_TRUE(CreateByOrigin("Work", 5.0, 7.0, 90.0));
    model.SetCurrentUcs(1);

    // The work UCS's own x-axis: the result is that UCS again.
    user.QueueAnswers({true});
    ASSERT_TRUE(CreateByAxis("Axis", 0.0, 0.0, 1.0, 0.0));
    EXPECT_EQ(user.questions.at(0).text,
              "New UCS will be identical with UCS [Work].\n\nCreate the new conflicting UCS anyway?");
    const T_UCS_D& axis = Ucs(2);
    EXPECT_EQ(axis.definitionMode, UCS_BY_TWO_AXIS_POINTS);
    EXPECT_NEAR(axis.angle, 90.0, 1e-9);
    EXPECT_NEAR(axis.origin[0], 5.0, 1e-9);
    EXPECT_NEAR(axis.origin[1], 7.0, 1e-9);
    EXPECT_NEAR(axis.axisPoint2[0], 5.0, 1e-9);
    EXPECT_NEAR(axis.axisPoint2[1], 8.0, 1e-9);
    EXPECT_EQ(axis.enteredOrigin[0], 0.0);

    // Origin and rotation are global whatever the work UCS.
    ASSERT_TRUE(CreateByOrigin("Plain", 3.0, 4.0, 10.0));
    EXPECT_EQ(Ucs(3).origin[0], 3.0);
    EXPECT_EQ(Ucs(3).origin[1], 4.0);
    EXPECT_EQ(Ucs(3).axisPoint1[0], 0.0);
}

TEST_F(UcsCommandsTest, RedefineRefusesGcsMissingIdsAndCoincidentPoints)
{
    const double p[2] = {1.0, 1.0};
    EXPECT_FALSE(RedefineByOrigin(0, "X", 1.0, 1.0, 1.0));
    EXPECT_FALSE(model.DeleteUcs(0));
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_TRUE(user.lines.empty());

    // The point check runs before the lookup.
    EXPECT_FALSE(model.RedefineUcs(4, UCS_BY_TWO_AXIS_POINTS, "", kZero, 0.0, p, p));
    EXPECT_FALSE(RedefineByOrigin(4, "", 1.0, 1.0, 1.0));
    EXPECT_FALSE(model.DeleteUcs(4));
    EXPECT_EQ(user.BoxTexts(),
              (std::vector<std::string>{"Two points defining the x-axis are indentical.",
                                        "Cannot find ucs [ID:4] definition.", "Cannot find ucs [ID:4] definition."}));
    EXPECT_TRUE(model.IsUndoEmpty());
}

TEST_F(UcsCommandsTest, RedefineKeepsNameWhenEmptyAndUndoes)
{
    ASSERT_TRUE(CreateByOrigin("Frame", 1.0, 2.0, 30.0));
    user.ClearRecords();

    ASSERT_TRUE(RedefineByOrigin(1, "", 4.0, 5.0, 60.0));
    EXPECT_EQ(Ucs(1).name, "Frame");
    EXPECT_EQ(Ucs(1).origin[0], 4.0);
    EXPECT_EQ(Ucs(1).angle, 60.0);
    EXPECT_EQ(UndoTitle(), "Redefine UCS [Frame]");
    EXPECT_EQ(user.lines, (std::vector<std::string>{"UCS [Frame] is redefined."}));

    // Renaming to its own name in another case asks nothing.
    ASSERT_TRUE(RedefineByOrigin(1, "FRAME", 4.0, 5.0, 60.0));
    EXPECT_TRUE(user.questions.empty());
    EXPECT_EQ(UndoTitle(), "Redefine UCS [Frame]");
    EXPECT_EQ(user.LastLine(), "UCS [FRAME] is redefined.");

    ASSERT_TRUE(model.Undo(false));
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Ucs(1).name, "Frame");
    EXPECT_EQ(Ucs(1).origin[0], 1.0);
    EXPECT_EQ(Ucs(1).angle, 30.0);
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(Ucs(1).angle, 60.0);
}

TEST_F(UcsCommandsTest, RedefineQuestionsNameBothUcs)
{
    ASSERT_TRUE(CreateByOrigin("A", 1.0, 0.0, 0.0));
    ASSERT_TRUE(CreateByOrigin("B", 2.0, 0.0, 0.0));
    user.ClearRecords();

    struct Case {
        std::string name;
        double x;
        std::string question;
    };
    const Case cases[] = {
        {"gcs", 3.0, "Name \"gcs\" is already used by GCS.\n\nRename UCS [B] anyway?"},
        {"a", 3.0, "Name \"a\" is already used by UCS [A].\n\nRename UCS [B] anyway?"},
        {"", 0.0, "This redefinition will make UCS [B] be identical with GCS.\n\nRedefine UCS [B] anyway?"},
        {"", 1.0, "This redefinition will make UCS [B] be identical with UCS [A].\n\nRedefine UCS [B] anyway?"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.question);
        user.ClearRecords();
        user.QueueAnswers({false});
        EXPECT_FALSE(RedefineByOrigin(2, c.name, c.x, 0.0, 0.0));
        ASSERT_EQ(user.questions.size(), 1u);
        EXPECT_EQ(user.questions[0].text, c.question);
        EXPECT_FALSE(user.questions[0].yesIsDefault);
    }
    EXPECT_EQ(Ucs(2).name, "B");
    EXPECT_EQ(Ucs(2).origin[0], 2.0);
    EXPECT_EQ(model.m_undoActions.size(), 2u);
}

TEST_F(UcsCommandsTest, RedefiningTheWorkUcsByPointsUsesItsOldDefinition)
{
    ASSERT_TRUE(CreateByOrigin("W", 10.0, 0.0, 0.0));
    model.SetCurrentUcs(1);
    const double p1[2] = {1.0, 0.0};
    const double p2[2] = {1.0, 1.0};
    ASSERT_TRUE(model.RedefineUcs(1, UCS_BY_TWO_AXIS_POINTS, "", kZero, 0.0, p1, p2));
    EXPECT_NEAR(Ucs(1).origin[0], 11.0, 1e-9);
    EXPECT_NEAR(Ucs(1).angle, 90.0, 1e-9);
}

TEST_F(UcsCommandsTest, DeletingTheWorkUcsMakesGcsCurrent)
{
    ASSERT_TRUE(CreateByOrigin("Gone", 1.0, 1.0, 0.0));
    model.SetCurrentUcs(1);
    user.ClearRecords();

    ASSERT_TRUE(model.DeleteUcs(1));
    EXPECT_EQ(model.FindUcs(1), nullptr);
    EXPECT_EQ(model.m_currentUcsId, 0);
    EXPECT_EQ(user.lines, (std::vector<std::string>{"UCS [Gone] is deleted."}));
    EXPECT_EQ(UndoTitle(), "Delete UCS [Gone]");
    EXPECT_TRUE(user.questions.empty());

    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Ucs(1).name, "Gone");
    EXPECT_EQ(model.m_currentUcsId, 0) << "the work UCS is not part of undo";
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(model.FindUcs(1), nullptr);
}

} // namespace
