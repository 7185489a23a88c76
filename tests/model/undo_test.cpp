#include "model/SectModel.h"
#include "model/UnchangedActionGuard.h"
#include "RecordBuilders.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class UndoTest : public ::testing::Test {
protected:
    void SetUp() override { model.m_reporter.SetPorts(user.Ports()); }

    // Creates a point the way a command does: next id, recorded, inserted.
    int CreatePoint(double x, double y, bool newAction)
    {
        const int id = model.m_nextPointId++;
        model.RecordCreatedPoint(id, newAction);
        model.m_points[id] = MakePoint(id, x, y);
        return id;
    }

    int CreateCurve(std::vector<int> pointIds, bool newAction)
    {
        const int id = model.m_nextCurveId++;
        model.RecordCreatedCurve(id, newAction);
        auto curve = std::make_unique<T_CURVE_D>();
        curve->id = id;
        curve->pointIds = std::move(pointIds);
        model.m_curves[id] = std::move(curve);
        return id;
    }

    // Saves section 1 for undo as a command does before it changes it.
    T_SECTION_D& SaveSection()
    {
        T_SECTION_D* section = model.FindSection(1);
        model.SaveSectionForUndo(section, true);
        return *section;
    }

    void MovePoint(int id, double x)
    {
        T_POINT_D* point = model.FindPoint(id);
        model.SavePointForUndo(point, false);
        point->xy[0] = x;
    }

    // One titled command that creates a point.
    int PointCommand(const std::string& title)
    {
        const int id = CreatePoint(model.m_nextPointId, 0.0, true);
        model.SetUndoActionTitle(title);
        return id;
    }

    ScriptedUserPorts user;
    CSectModel model;
};

TEST_F(UndoTest, CreatedPointAndCurveGoAndComeBack)
{
    model.m_nextPointId = 5;
    model.m_nextCurveId = 3;
    CreatePoint(1.0, 2.0, true);
    CreateCurve({5, 5}, false);
    model.SetUndoActionTitle("Create line");

    ASSERT_TRUE(model.Undo(true));
    EXPECT_EQ(model.FindPoint(5), nullptr);
    EXPECT_EQ(model.FindCurve(3), nullptr);
    EXPECT_TRUE(model.IsUndoEmpty());
    const T_ACTION_D* redo = model.GetCurrentRedoAction();
    ASSERT_NE(redo, nullptr);
    EXPECT_EQ(model.m_redoActions.size(), 1u);
    EXPECT_EQ(redo->title, "Create line");
    EXPECT_EQ(redo->curves.saved.count(3), 1u);
    ASSERT_EQ(redo->points.saved.count(5), 1u);
    EXPECT_EQ(redo->points.saved.at(5)->xy[1], 2.0);
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Undo: Create line"}));

    ASSERT_TRUE(model.Redo());
    ASSERT_NE(model.FindPoint(5), nullptr);
    EXPECT_EQ(model.FindPoint(5)->xy[0], 1.0);
    EXPECT_EQ(model.FindCurve(3)->pointIds, (std::vector<int>{5, 5}));
    const T_ACTION_D* undo = model.GetCurrentUndoAction();
    ASSERT_NE(undo, nullptr);
    EXPECT_EQ(undo->title, "Create line");
    EXPECT_EQ(undo->curves.created, (std::vector<int>{3}));
    EXPECT_EQ(undo->points.created, (std::vector<int>{5}));
    EXPECT_TRUE(model.IsRedoEmpty());
    EXPECT_EQ(user.LastLine(), "Redo: Create line");
}

TEST_F(UndoTest, TwoMovesInOneActionUndoToTheFirstPosition)
{
    const int id = CreatePoint(1.0, 0.0, true);
    model.BeginUndoAction();
    MovePoint(id, 2.0);
    MovePoint(id, 3.0);
    EXPECT_EQ(model.GetCurrentUndoAction()->points.saved.at(id)->xy[0], 1.0);

    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.FindPoint(id)->xy[0], 1.0);
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(model.FindPoint(id)->xy[0], 3.0);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.FindPoint(id)->xy[0], 1.0);
}

TEST_F(UndoTest, DeletedSectionComesBackWithItsGeometry)
{
    auto section = std::make_unique<T_SECTION_D>();
    section->id = 4;
    section->name = "Web";
    section->propertiesCalculated = true;
    section->results[RESULT_A] = 12.0;
    auto point = std::make_unique<T_POINT_D>();
    point->id = 1;
    point->xy[0] = 7.0;
    section->points[1] = std::move(point);
    model.m_sections[4] = std::move(section);

    model.BeginUndoAction();
    model.SaveSectionForUndo(model.FindSection(4), false);
    model.SetUndoActionTitle("Delete 1 section");
    model.m_sections.erase(4);

    ASSERT_TRUE(model.Undo(true));
    const T_SECTION_D* restored = model.FindSection(4);
    ASSERT_NE(restored, nullptr);
    EXPECT_EQ(restored->name, "Web");
    EXPECT_TRUE(restored->propertiesCalculated);
    EXPECT_EQ(restored->results[RESULT_A], 12.0);
    EXPECT_EQ(restored->FindPoint(1)->xy[0], 7.0);
    EXPECT_EQ(model.GetCurrentRedoAction()->sections.created, (std::vector<int>{4}));

    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(model.FindSection(4), nullptr);
    EXPECT_EQ(model.GetCurrentUndoAction()->sections.saved.count(4), 1u);
}

TEST_F(UndoTest, NothingIsSavedForAnObjectTheActionCreated)
{
    const int id = CreatePoint(1.0, 0.0, true);
    MovePoint(id, 5.0);
    EXPECT_TRUE(model.GetCurrentUndoAction()->points.saved.empty());
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.FindPoint(id), nullptr);
}

TEST_F(UndoTest, ThreeCommandsAndTwoUndos)
{
    PointCommand("Create 1 point");
    PointCommand("Create 1 point");
    PointCommand("Create 1 point");
    ASSERT_TRUE(model.Undo(true));
    ASSERT_TRUE(model.Undo(true));
    EXPECT_EQ(model.m_undoTopId, 1);
    EXPECT_EQ(model.m_redoTopId, 2);
    EXPECT_EQ(model.m_points.size(), 1u);
}

TEST_F(UndoTest, EmptyStoresStepNowhereAndSayNothing)
{
    EXPECT_FALSE(model.Undo(true));
    EXPECT_FALSE(model.Redo());
    EXPECT_TRUE(user.lines.empty());

    PointCommand("Create 1 point");
    ASSERT_TRUE(model.Undo(false));
    EXPECT_TRUE(user.lines.empty());
}

TEST_F(UndoTest, EmptyActionUndoesWithAnEmptyTitle)
{
    model.BeginUndoAction();
    EXPECT_FALSE(model.IsUndoEmpty());
    ASSERT_TRUE(model.Undo(true));
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Undo: "}));
    const T_ACTION_D* inverse = model.GetCurrentRedoAction();
    ASSERT_NE(inverse, nullptr);
    EXPECT_TRUE(inverse->points.created.empty() && inverse->points.saved.empty());
    EXPECT_TRUE(inverse->title.empty());
}

TEST_F(UndoTest, UndoNeitherLowersCountersNorTouchesNewcomersOrTheCurrentUcs)
{
    const int first = PointCommand("Create 1 point");
    model.AddNewcomerPoint(first, true);
    model.m_currentUcsId = 0;
    ASSERT_TRUE(model.Undo(true));
    EXPECT_EQ(model.m_nextPointId, first + 1);
    EXPECT_EQ(model.m_newcomerPoints, (std::vector<int>{first}));
    EXPECT_EQ(PointCommand("Create 1 point"), first + 1);  // ids are never reused
}

TEST_F(UndoTest, CreatedObjectsAlreadyGoneAreSkipped)
{
    const int id = PointCommand("Create 1 point");
    model.m_points.erase(id);
    ASSERT_TRUE(model.Undo(true));
    EXPECT_TRUE(model.GetCurrentRedoAction()->points.saved.empty());
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(model.FindPoint(id), nullptr);
}

TEST_F(UndoTest, OnlyRecordingsOfCreatedIdsAndCopiesClearTheRedoStore)
{
    auto section = std::make_unique<T_SECTION_D>();
    section->id = 1;
    model.m_sections[1] = std::move(section);
    auto loop = std::make_unique<T_LOOP_D>();
    loop->id = 1;
    model.m_closedLoops[1] = std::move(loop);
    auto curve = std::make_unique<T_CURVE_D>();
    curve->id = 1;
    model.m_curves[1] = std::move(curve);
    T_UCS_D* gcs = model.FindUcs(0);
    const T_GROUP_D group;
    const T_MATERIAL_D material;
    const int pointId = CreatePoint(0.0, 0.0, false);

    const std::pair<const char*, std::function<void()>> clearing[] = {
        {"RecordCreatedSection", [&] { model.RecordCreatedSection(9, false); }},
        {"RecordCreatedClosedLoop", [&] { model.RecordCreatedClosedLoop(9, false); }},
        {"RecordCreatedCurve", [&] { model.RecordCreatedCurve(9, false); }},
        {"RecordCreatedPoint", [&] { model.RecordCreatedPoint(9, false); }},
        {"RecordCreatedUcs", [&] { model.RecordCreatedUcs(9, false); }},
        {"RecordCreatedGroup", [&] { model.RecordCreatedGroup(9, false); }},
        {"RecordCreatedMaterial", [&] { model.RecordCreatedMaterial(9, false); }},
        {"SaveSectionForUndo", [&] { model.SaveSectionForUndo(model.FindSection(1), false); }},
        {"SaveClosedLoopForUndo", [&] { model.SaveClosedLoopForUndo(model.FindClosedLoop(1), false); }},
        {"SaveCurveForUndo", [&] { model.SaveCurveForUndo(model.FindCurve(1), false); }},
        {"SavePointForUndo", [&] { model.SavePointForUndo(model.FindPoint(pointId), false); }},
        {"SaveUcsForUndo", [&] { model.SaveUcsForUndo(gcs, false); }},
        {"SaveGroupForUndo", [&] { model.SaveGroupForUndo(&group, false); }},
        {"SaveMaterialForUndo", [&] { model.SaveMaterialForUndo(&material, false); }},
    };
    for (const auto& [name, record] : clearing) {
        PointCommand("Create 1 point");
        ASSERT_TRUE(model.Undo(false));
        ASSERT_FALSE(model.IsRedoEmpty());

        model.BeginUndoAction();
        model.SetUndoActionTitle("Retitled");
        EXPECT_FALSE(model.IsRedoEmpty()) << "opening or titling an action keeps the redo store";

        record();
        EXPECT_TRUE(model.IsRedoEmpty()) << name;
        EXPECT_EQ(model.m_redoTopId, 0) << name;
        EXPECT_TRUE(model.m_redoActions.empty()) << name;
    }
}

TEST_F(UndoTest, RecordingWithoutAnOpenActionOpensOne)
{
    const int id = CreatePoint(1.0, 0.0, false);
    EXPECT_EQ(model.m_undoTopId, 1);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.FindPoint(id), nullptr);
}

TEST_F(UndoTest, ClearingEmptiesTheStores)
{
    PointCommand("Create 1 point");
    PointCommand("Create 1 point");
    ASSERT_TRUE(model.Undo(false));
    model.ClearUndoStorage();
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_TRUE(model.m_undoActions.empty());
    EXPECT_FALSE(model.IsRedoEmpty());
    model.ClearRedoStorage();
    EXPECT_TRUE(model.IsRedoEmpty());
    EXPECT_TRUE(model.m_redoActions.empty());
}

// What the guard of a command leaves: actions that change nothing go, from
// the newest down to the first that changes something; the redo history
// stays when nothing is left.
TEST_F(UndoTest, ActionsThatChangeNothingAreDiscardedFromTheTop)
{
    const int free = 100;
    const struct {
        const char* name;
        std::function<void()> command;
        bool staysFiled;
    } cases[] = {
        {"opened and nothing recorded", [&] { model.BeginUndoAction(); }, false},
        {"a point moved and put back",
         [&] {
             model.BeginUndoAction();
             MovePoint(free, 7.0);
             MovePoint(free, 5.0);
         },
         false},
        {"a point made and deleted again", [&] { model.m_points.erase(CreatePoint(3.0, 3.0, true)); }, false},
        {"a moved point",
         [&] {
             model.BeginUndoAction();
             MovePoint(free, 6.0);
         },
         true},
        {"a moved point under an action that changes nothing",
         [&] {
             model.BeginUndoAction();
             MovePoint(free, 6.0);
             model.BeginUndoAction();
         },
         true},
        {"a copy of a section no longer in the model",
         [&] {
             T_SECTION_D section;
             section.id = 1;
             model.SaveSectionForUndo(&section, true);
         },
         true},
        {"a section saved and left as it was", [&] { SaveSection(); }, false},
        {"a section whose scratch marks alone changed",
         [&] {
             T_SECTION_D& section = SaveSection();
             section.workMark = 1;
             section.domains.at(1)->workFlag = true;
             section.facets.at(1)->highlight = 1;
         },
         false},
        {"a section whose domain has another material",
         [&] { SaveSection().domains.at(1)->materialId = 2; }, true},
        {"a section whose domain is set unused", [&] { SaveSection().domains.at(1)->used = false; }, true},
        {"a section whose own point moved", [&] { SaveSection().points.at(1)->xy[1] = 0.5; }, true},
        {"a section whose facet has another corner", [&] { SaveSection().facets.at(1)->pointIds[2] = 1; }, true},
        {"a section whose curve has another division", [&] { SaveSection().curves.at(1)->meshDivisions = 3; },
         true},
        {"a section with a loop more",
         [&] {
             T_SECTION_D& section = SaveSection();
             section.loops[2] = std::make_unique<T_LOOP_D>(*section.loops.at(1));
         },
         true},
        {"a section with another colour", [&] { SaveSection().colour[2] = 9; }, true},
        {"a section with another result", [&] { SaveSection().results[RESULT_COUNT - 1] = 1e-30; }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        model.ClearUndoStorage();
        model.m_points.clear();
        model.m_points[free] = MakePoint(free, 5.0, 0.0);
        model.m_sections.clear();
        model.m_sections[1] = MakeSection(1);
        PointCommand("Create 1 point");
        ASSERT_TRUE(model.Undo(false));  // a redo history to keep or lose
        model.TakeUndoStepFiled();
        {
            const UnchangedActionGuard guard(model);
            c.command();
        }
        EXPECT_EQ(model.m_undoTopId, c.staysFiled ? 1 : 0);
        EXPECT_EQ(model.m_undoActions.size(), c.staysFiled ? 1u : 0u);
        EXPECT_EQ(model.m_redoTopId, c.staysFiled ? 0 : 1);
        EXPECT_EQ(model.TakeUndoStepFiled(), c.staysFiled);
    }
}

} // namespace
