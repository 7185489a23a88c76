#include "view/Scene.h"
#include "view/support/FakeViewDocument.h"

#include <gtest/gtest.h>

namespace {

class SceneSelection : public testing::Test {
protected:
    SceneSelection()
    {
        for (int id = 1; id <= 4; ++id)
            document.AddPoint(id, id * 10.0, 0.0);
        document.AddCurve(1, {1, 2});
        document.AddCurve(2, {2, 3});
        scene.ResetDefaults();
        DisplayListPlan lists;
        scene.BuildDisplayLists(lists);
    }

    void Pick(int key)
    {
        scene.ToggleKindSelection(key);
        scene.ToggleSelection(key);
    }

    FakeViewDocument document;
    CScene scene{&document};
};

TEST_F(SceneSelection, BandBaseKeysAreNeverSelected)
{
    for (int key : {1000000, 2000000, 3000000, 4000000, 5000000, 0}) {
        Pick(key);
        scene.SelectPoints({0});
    }
    EXPECT_TRUE(scene.IsSelectionEmpty());
    EXPECT_TRUE(scene.m_combinedSelection.empty());
}

TEST_F(SceneSelection, PickTogglesBothSetsTogether)
{
    Pick(PointKey(1));
    Pick(CurveKey(2));
    EXPECT_EQ(scene.m_selection[KIND_POINT], KeySet({PointKey(1)}));
    EXPECT_EQ(scene.m_selection[KIND_CURVE], KeySet({CurveKey(2)}));
    EXPECT_EQ(scene.m_combinedSelection, KeySet({PointKey(1), CurveKey(2)}));

    Pick(PointKey(1));
    EXPECT_TRUE(scene.m_selection[KIND_POINT].empty());
    EXPECT_EQ(scene.m_combinedSelection, KeySet({CurveKey(2)}));
}

TEST_F(SceneSelection, CombinedSetOutlivesClearSelectionUntilTheNextSelect)
{
    Pick(CurveKey(1));
    Pick(PointKey(3));
    scene.ClearSelection();
    EXPECT_TRUE(scene.IsSelectionEmpty());
    // The activity commands read it right after ClearSelection.
    EXPECT_EQ(scene.m_combinedSelection, KeySet({PointKey(3), CurveKey(1)}));

    // Picking an entity still in the stale combined set selects it; the stale
    // keys go.
    Pick(CurveKey(1));
    EXPECT_EQ(scene.m_selection[KIND_CURVE], KeySet({CurveKey(1)}));
    EXPECT_EQ(scene.m_combinedSelection, KeySet({CurveKey(1)}));
}

TEST_F(SceneSelection, SelectingWhatIsSelectedKeepsItInBothSets)
{
    scene.SelectCurves({1, 2});
    scene.SelectCurves({1});
    EXPECT_EQ(scene.m_selection[KIND_CURVE], KeySet({CurveKey(1), CurveKey(2)}));
    EXPECT_EQ(scene.m_combinedSelection, KeySet({CurveKey(1), CurveKey(2)}));

    scene.SelectPoints({4});
    scene.SelectSections({9});
    scene.SelectClosedLoops({3});
    EXPECT_EQ(scene.m_combinedSelection,
              KeySet({PointKey(4), CurveKey(1), CurveKey(2), SectionKey(9), ClosedLoopKey(3)}));
}

TEST_F(SceneSelection, ClearCombinedSelectionEmptiesOnlyTheCombinedSet)
{
    scene.SelectPoints({1});
    scene.ClearCombinedSelection();
    EXPECT_TRUE(scene.m_combinedSelection.empty());
    EXPECT_FALSE(scene.IsSelectionEmpty());
}

TEST_F(SceneSelection, ClearSelectionKeepsThePreviousSelection)
{
    scene.SelectPoints({1, 2});
    scene.ClearSelection();
    EXPECT_EQ(scene.m_previousSelection[KIND_POINT], KeySet({PointKey(1), PointKey(2)}));

    // An empty selection never overwrites the previous one.
    scene.ClearSelection();
    EXPECT_EQ(scene.m_previousSelection[KIND_POINT], KeySet({PointKey(1), PointKey(2)}));
}

TEST_F(SceneSelection, ClearSelectionEmptiesEveryKindWhateverTheFilter)
{
    scene.SelectPoints({1});
    scene.SelectCurves({1});
    for (SceneKind kind : {KIND_POINT, KIND_CURVE, KIND_SECTION, KIND_CLOSED_LOOP})
        scene.m_pickFilter[kind] = false;
    scene.m_pickFilter[KIND_DOMAIN] = true;
    scene.ClearSelection();
    EXPECT_TRUE(scene.IsSelectionEmpty());
}

TEST_F(SceneSelection, SelectPreviousTakesOnlyShownEntitiesOfFilteredKinds)
{
    scene.SelectPoints({1, 2});
    scene.SelectCurves({1});
    scene.ClearSelection();
    scene.m_active[KIND_POINT].erase(PointKey(2));
    scene.m_pickFilter[KIND_CURVE] = false;

    scene.SelectPrevious();
    EXPECT_EQ(scene.m_selection[KIND_POINT], KeySet({PointKey(1)}));
    EXPECT_TRUE(scene.m_selection[KIND_CURVE].empty());
    EXPECT_EQ(scene.m_combinedSelection, KeySet({PointKey(1)}));
}

TEST_F(SceneSelection, ActiveQueriesAndCounts)
{
    EXPECT_TRUE(scene.IsPointActive(3));
    EXPECT_TRUE(scene.IsCurveActive(2));
    EXPECT_FALSE(scene.IsCurveActive(3));
    EXPECT_FALSE(scene.IsSectionActive(1));
    EXPECT_EQ(scene.CountModelEntities(), 6);
    EXPECT_FALSE(scene.HasFewerThanTwoPoints());
}

TEST(SceneDefaults, ResetDefaultsSetsTheStartValues)
{
    FakeViewDocument document;
    CScene scene(&document);
    scene.m_gridCountHorizontal = 3;
    scene.m_colours[COLOUR_HIGHLIGHT] = {0.1f, 0.2f, 0.3f};
    scene.m_pickFilter[KIND_DOMAIN] = true;
    scene.m_showPoints = false;
    scene.m_showCurveWidths = false;
    scene.m_activityMode = ACTIVITY_NONE;
    scene.m_highlightSectionId = 4;
    scene.m_highlightOnlyUsed = false;

    scene.ResetDefaults();
    EXPECT_EQ(scene.m_gridCountHorizontal, 30);
    EXPECT_EQ(scene.m_gridCountVertical, 30);
    EXPECT_EQ(scene.m_gridSpacing, 100.0);
    EXPECT_EQ(scene.m_gridColour, (Colour{0.0f, 0.0f, 0.0f}));
    EXPECT_EQ(scene.m_labelColour, (Colour{0.0f, 0.0f, 0.0f}));
    const bool filter[KIND_COUNT] = {true, true, true, true, false};
    for (int kind = 0; kind < KIND_COUNT; ++kind)
        EXPECT_EQ(scene.m_pickFilter[kind], filter[kind]) << kind;
    EXPECT_TRUE(scene.m_allKindsFilter);
    EXPECT_TRUE(scene.m_showPoints && scene.m_showCurves && scene.m_showClosedLoops);
    EXPECT_EQ(scene.m_activityMode, ACTIVITY_ALL);
    EXPECT_EQ(scene.m_activityModeAtLastDraw, ACTIVITY_SELECTED_ONLY);
    EXPECT_TRUE(scene.m_showCurveWidths);
    EXPECT_EQ(scene.m_highlightSectionId, 0);
    EXPECT_EQ(scene.m_highlightDomainId, 0);
    EXPECT_TRUE(scene.m_highlightOnlyUsed);
    const Colour expected[COLOUR_COUNT] = {{0, 0, 1},   {0, 1, 1},   {1, 1, 0},    {1, 0.5f, 0},         {0, 0, 0},
                                           {1, 0, 0},   {0, 0.5f, 0}, {0.7f, 0.7f, 0.7f}, {1, 0, 1}};
    for (int i = 0; i < COLOUR_COUNT; ++i)
        EXPECT_EQ(scene.m_colours[i], expected[i]) << "colour " << i + 1;
}

}  // namespace
