#include "model/SectModel.h"
#include "RecordBuilders.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

void AddPoint(CSectModel& model, int id, double x, double y)
{
    model.m_points[id] = MakePoint(id, x, y);
}

TEST(SectModelTest, NewModelHoldsOnlyTheGcsAndTheDefaults)
{
    CSectModel model;
    ASSERT_EQ(model.m_ucs.size(), 1u);
    const T_UCS_D* gcs = model.FindUcs(0);
    ASSERT_NE(gcs, nullptr);
    EXPECT_EQ(gcs->name, "GCS");
    EXPECT_EQ(gcs->definitionMode, UCS_BY_ORIGIN_AND_ANGLE);
    EXPECT_EQ(gcs->origin[0], 0.0);
    EXPECT_EQ(gcs->angle, 0.0);
    EXPECT_EQ(model.m_currentUcsId, 0);

    EXPECT_TRUE(model.m_sections.empty() && model.m_closedLoops.empty() && model.m_curves.empty()
                && model.m_points.empty() && model.m_materials.empty() && model.m_groups.empty()
                && model.m_feNodes.empty() && model.m_feElements.empty());
    EXPECT_TRUE(model.IsUndoEmpty() && model.IsRedoEmpty());
    EXPECT_EQ(model.m_lengthUnit, 3);
    EXPECT_EQ(model.m_forceUnit, 3);
    EXPECT_EQ(model.m_tolerance, 1.0);
    EXPECT_EQ(model.m_angleStep, 10.0);
    EXPECT_EQ(model.m_gridCountX, 50);
    EXPECT_EQ(model.m_gridCountY, 50);
    EXPECT_EQ(model.m_gridSize, 100.0);
    EXPECT_EQ(model.m_versionWord, 20051227);
    EXPECT_EQ(model.m_headerValue, 0);
    EXPECT_EQ(model.m_lastQueriedPointId, 0);
    for (int counter : {model.m_nextSectionId, model.m_nextClosedLoopId, model.m_nextCurveId, model.m_nextPointId,
                        model.m_nextFeNodeId, model.m_nextFeElementId, model.m_nextMaterialId, model.m_nextUcsId,
                        model.m_nextGroupId})
        EXPECT_EQ(counter, 1);
}

TEST(SectModelTest, SetGridMakesOddCountsEven)
{
    struct Case {
        int countX, countY;
        int expectedX, expectedY;
    };
    const Case cases[] = {
        {7, 10, 8, 10},
        {-3, 4, -2, 4},
        {1, 0, 2, 0},
        {INT_MAX, 2, INT_MAX - 1, 2},
    };
    for (const Case& c : cases) {
        CSectModel model;
        model.SetGrid(c.countX, c.countY, 20.0);
        EXPECT_EQ(model.m_gridCountX, c.expectedX) << c.countX;
        EXPECT_EQ(model.m_gridCountY, c.expectedY) << c.countY;
        EXPECT_EQ(model.m_gridSize, 20.0);
    }
}

TEST(SectModelTest, SettersStoreWhatTheyAreGiven)
{
    CSectModel model;
    model.SetTolerance(-0.5);
    model.SetAngleStep(0.0);
    EXPECT_EQ(model.m_tolerance, -0.5);
    EXPECT_EQ(model.m_angleStep, 0.0);
}

TEST(SectModelTest, LookupsFindExactIdsOnly)
{
    CSectModel model;
    AddPoint(model, 3, 1.0, 2.0);
    EXPECT_EQ(model.FindPoint(3)->xy[1], 2.0);
    EXPECT_EQ(model.FindPoint(0), nullptr);
    EXPECT_EQ(model.FindPoint(-3), nullptr);
    EXPECT_EQ(model.FindCurve(3), nullptr);
    EXPECT_EQ(model.FindSection(1), nullptr);
    EXPECT_EQ(model.FindMaterial(1), nullptr);
    EXPECT_EQ(model.FindGroup(1), nullptr);
    EXPECT_EQ(model.FindFeNode(1), nullptr);
    EXPECT_EQ(model.GetCurrentUndoAction(), nullptr);
    EXPECT_EQ(model.GetCurrentRedoAction(), nullptr);
}

TEST(SectModelTest, FindPointAtIsStrictAtTheToleranceAndTakesTheLowestId)
{
    CSectModel model;
    const double origin[2] = {0.0, 0.0};
    AddPoint(model, 1, 1.0, 0.0);  // exactly at the tolerance
    EXPECT_EQ(model.FindPointAt(origin), 0);
    AddPoint(model, 7, 0.1, 0.0);
    AddPoint(model, 4, 0.5, 0.5);  // about 0.707 away, farther than point 7
    EXPECT_EQ(model.FindPointAt(origin), 4);
    model.SetTolerance(0.2);
    EXPECT_EQ(model.FindPointAt(origin), 7);
    model.SetTolerance(0.05);
    EXPECT_EQ(model.FindPointAt(origin), 0);
}

TEST(SectModelTest, CurrentUcsFallsBackToGcs)
{
    CSectModel model;
    auto ucs = std::make_unique<T_UCS_D>();
    ucs->id = 2;
    ucs->name = "UCS-2";
    model.m_ucs[2] = std::move(ucs);
    model.m_currentUcsId = 2;
    EXPECT_EQ(model.GetCurrentUcs()->name, "UCS-2");
    model.m_ucs.erase(2);
    EXPECT_EQ(model.GetCurrentUcs()->name, "GCS");
    EXPECT_EQ(model.m_currentUcsId, 0);
}

TEST(SectModelTest, ToLowerCaseChangesOnlyAsciiLetters)
{
    const std::pair<std::string, std::string> cases[] = {
        {"Section-P12", "section-p12"},
        {"WEB flange_2 (A+B)", "web flange_2 (a+b)"},
        {"\xC3\x84pfel", "\xC3\x84pfel"},  // non-ASCII bytes stay as they are
        {"", ""},
    };
    for (const auto& [name, expected] : cases) {
        std::string out = "stale";
        CSectModel::ToLowerCase(name, out);
        EXPECT_EQ(out, expected);
    }
}

TEST(SectModelTest, ClearFeMeshEmptiesBothMapsAndRestartsIds)
{
    CSectModel model;
    auto element = std::make_unique<T_FEELEM_D>();
    element->id = 1;
    model.m_feElements[1] = std::move(element);
    model.m_nextFeElementId = 2;
    model.ClearFeMesh();  // no nodes: nothing happens
    EXPECT_EQ(model.m_feElements.size(), 1u);
    EXPECT_EQ(model.m_nextFeElementId, 2);

    auto node = std::make_unique<T_FENODE_D>();
    node->id = 1;
    model.m_feNodes[1] = std::move(node);
    model.m_nextFeNodeId = 2;
    model.ClearFeMesh();
    EXPECT_TRUE(model.m_feNodes.empty());
    EXPECT_TRUE(model.m_feElements.empty());
    EXPECT_EQ(model.m_nextFeNodeId, 1);
    EXPECT_EQ(model.m_nextFeElementId, 1);
}

} // namespace
