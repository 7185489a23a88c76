#include "ModelCommandFixture.h"

#include <functional>

namespace {

class SectionInvalidationTest : public ModelCommandFixture {
protected:
    void SetUp() override
    {
        AddPoint(1, 0.0, 0.0);
        AddPoint(2, 10.0, 0.0);
        AddPoint(9, 5.0, 2.0);  // the centroid
        AddCurve(1, {1, 2});
        section = &AddSection(1, SECTION_LINE, {}, 9);
        section->propertiesModifiedByHand = true;
        model.BeginUndoAction();
        model.SetUndoActionTitle("Edit");
    }

    T_SECTION_D* section = nullptr;
};

TEST_F(SectionInvalidationTest, ClearsFlagKeepsValuesAndDropsCentroidInOneUndoStep)
{
    model.InvalidateSectionProperties(section);
    EXPECT_FALSE(section->propertiesCalculated);
    EXPECT_TRUE(section->propertiesModifiedByHand);
    EXPECT_EQ(section->results[RESULT_A], 10.0);
    EXPECT_EQ(section->results[RESULT_CY_MINUS], 10.0 + static_cast<int>(RESULT_CY_MINUS));
    EXPECT_EQ(section->centroidPointId, 0);
    EXPECT_EQ(model.FindPoint(9), nullptr);
    EXPECT_TRUE(user.lines.empty() && user.boxes.empty());
    EXPECT_EQ(model.m_undoActions.size(), 1u) << "recorded into the open action";

    ASSERT_TRUE(model.Undo(false));
    const T_SECTION_D* restored = model.FindSection(1);
    EXPECT_TRUE(restored->propertiesCalculated);
    EXPECT_EQ(restored->centroidPointId, 9);
    ASSERT_NE(model.FindPoint(9), nullptr);
    EXPECT_EQ(model.FindPoint(9)->xy[0], 5.0);
}

TEST_F(SectionInvalidationTest, CentroidPointStillInUseSurvives)
{
    struct Case {
        const char* user;
        std::function<void()> useCentroid;
    };
    const Case cases[] = {
        {"end of a curve", [this] { AddCurve(2, {2, 9}); }},
        {"centroid of another section", [this] { AddSection(2, SECTION_LINE, {}, 9); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.user);
        model.m_curves.erase(2);
        model.m_sections.erase(2);
        section->propertiesCalculated = true;
        section->centroidPointId = 9;
        c.useCentroid();
        model.InvalidateSectionProperties(section);
        EXPECT_NE(model.FindPoint(9), nullptr);
        EXPECT_EQ(section->centroidPointId, 0);
        EXPECT_FALSE(section->propertiesCalculated);
    }
}

TEST_F(SectionInvalidationTest, SectionWithoutResultsOrWithMissingCentroidOnlyGetsCopied)
{
    T_SECTION_D& fresh = AddSection(2, SECTION_PLANE, {});
    model.InvalidateSectionProperties(&fresh);
    section->centroidPointId = 77;
    model.InvalidateSectionProperties(section);
    model.InvalidateSectionProperties(nullptr);

    EXPECT_FALSE(fresh.propertiesCalculated);
    EXPECT_EQ(section->centroidPointId, 0);
    EXPECT_EQ(model.m_points.size(), 3u);
    const T_ACTION_D* action = model.GetCurrentUndoAction();
    EXPECT_EQ(action->sections.saved.size(), 2u);
    EXPECT_TRUE(action->points.saved.empty());
}

} // namespace
