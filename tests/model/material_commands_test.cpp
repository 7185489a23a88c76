#include "ModelCommandFixture.h"

#include <cmath>
#include <limits>

namespace {

const std::string kRedefineOneInvalidated =
    "The properties of 1 plane section are invalidated.\n\nRe-calculate the properties using [Properties]-[Calculate].";

class MaterialCommandsTest : public ModelCommandFixture {
protected:
    std::string UndoTitle() const
    {
        const T_ACTION_D* action = model.GetCurrentUndoAction();
        return action ? action->title : std::string();
    }
};

TEST_F(MaterialCommandsTest, ValidationRunsInOrderAndRefusesWithoutRecording)
{
    AddMaterial(4, "Used");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        int id;
        double modulus, ratio;
        const char* warning;  // null: accepted
    };
    const Case cases[] = {
        {0, 0.0, 0.0, "Material ID is invalid."},
        {-3, 1.0, 0.3, "Material ID is invalid."},
        {4, 0.0, 0.0, "Material ID [4] is already used."},
        {5, 0.0, 0.3, "Elastic modulus should be greater than 0."},
        {5, nan, 0.3, "Elastic modulus should be greater than 0."},
        {5, 1.0, 0.0, "Poisson's ratio should be in the range of 0~0.5."},
        {5, 1.0, 0.5, "Poisson's ratio should be in the range of 0~0.5."},
        {5, 1.0, 0.4999995, "Poisson's ratio should be in the range of 0~0.5."},
        {5, 1.0, nan, "Poisson's ratio should be in the range of 0~0.5."},
        {5, 1e-6, 0.499999, nullptr},
        {6, 1.0, 0.000001, nullptr},
        {7, 1.0, 0.3, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "id " << c.id << " E " << c.modulus << " ratio " << c.ratio);
        user.ClearRecords();
        const size_t actions = model.m_undoActions.size();
        EXPECT_EQ(model.CreateMaterial(c.id, "", c.modulus, c.ratio), c.warning == nullptr);
        if (c.warning) {
            ASSERT_EQ(user.boxes.size(), 1u);
            EXPECT_EQ(user.boxes[0].kind, BoxKind::Warning);
            EXPECT_EQ(user.boxes[0].text, c.warning);
            EXPECT_EQ(model.m_undoActions.size(), actions);
        } else {
            EXPECT_TRUE(user.boxes.empty());
            EXPECT_NE(model.FindMaterial(c.id), nullptr);
        }
    }
    // Redefinition checks the same values, before the lookup.
    user.ClearRecords();
    EXPECT_FALSE(model.RedefineMaterial(99, "", 1.0, 0.5));
    EXPECT_FALSE(model.RedefineMaterial(99, "", 1.0, 0.3));
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Poisson's ratio should be in the range of 0~0.5.",
                                                         "Cannot find material [ID:99] data."}));
    EXPECT_EQ(user.boxes[1].kind, BoxKind::Error);
}

TEST_F(MaterialCommandsTest, CreateRecordsItsActionAndMovesTheIdCounter)
{
    ASSERT_TRUE(model.CreateMaterial(12, "Steel", 2.1e5, 0.3));
    EXPECT_EQ(UndoTitle(), "Create new material [12:Steel]");
    EXPECT_EQ(model.m_nextMaterialId, 13);
    EXPECT_TRUE(user.lines.empty());
    ASSERT_TRUE(model.CreateMaterial(3, "Wood", 1.0e4, 0.2));
    EXPECT_EQ(model.m_nextMaterialId, 13) << "a lower id leaves the counter";

    ASSERT_TRUE(model.Undo(false));
    ASSERT_TRUE(model.Undo(false));
    EXPECT_TRUE(model.m_materials.empty());
    EXPECT_EQ(model.m_nextMaterialId, 13);
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(model.FindMaterial(12)->name, "Steel");

    // The counter could not pass the largest id.
    EXPECT_FALSE(model.CreateMaterial(std::numeric_limits<int>::max(), "", 1.0, 0.3));
    EXPECT_EQ(user.BoxTexts().back(), "Material ID is invalid.");
}

TEST_F(MaterialCommandsTest, NameClashAsksWithNoAsDefault)
{
    AddMaterial(2, "Concrete");
    user.QueueAnswers({false});
    EXPECT_FALSE(model.CreateMaterial(3, "CONCRETE", 3.0e4, 0.2));
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text,
              "Name \"CONCRETE\" is already used by material [2:Concrete].\n\nCreate the new conflicted material anyway?");
    EXPECT_FALSE(user.questions[0].yesIsDefault);
    EXPECT_EQ(model.FindMaterial(3), nullptr);
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_TRUE(user.boxes.empty());

    user.QueueAnswers({true});
    ASSERT_TRUE(model.CreateMaterial(3, "CONCRETE", 3.0e4, 0.2));

    user.ClearRecords();
    user.QueueAnswers({false});
    EXPECT_FALSE(model.RedefineMaterial(3, "concrete", 3.0e4, 0.2));
    EXPECT_EQ(user.questions.at(0).text,
              "Name \"concrete\" is already used by material [2:Concrete].\n\nRename material [3:CONCRETE] anyway?");

    // Its own name in another case, and an empty name, ask nothing.
    user.ClearRecords();
    AddMaterial(5, "Timber");
    ASSERT_TRUE(model.RedefineMaterial(5, "TIMBER", 3.0e4, 0.2));
    EXPECT_TRUE(model.RedefineMaterial(5, "", 3.0e4, 0.2));
    EXPECT_EQ(model.FindMaterial(5)->name, "");
    EXPECT_TRUE(user.questions.empty());
}

TEST_F(MaterialCommandsTest, RedefineInvalidatesCalculatedPlaneSectionsItsNewValuesReach)
{
    AddMaterial(1, "Steel");
    AddMaterial(2, "Concrete");
    for (int id = 1; id <= 5; ++id)
        AddPoint(100 + id, id, id);
    AddSection(1, SECTION_PLANE, {{1, true}, {2, true}}, 101);  // mixed: invalidated
    AddSection(2, SECTION_PLANE, {{1, true}, {1, true}}, 102);  // steel only
    AddSection(3, SECTION_PLANE, {{1, true}, {2, false}}, 103);  // the other domain is not used
    AddSection(4, SECTION_PLANE, {{1, true}, {2, true}});  // not calculated
    AddSection(5, SECTION_LINE, {{1, true}, {2, true}}, 105);

    // A new name alone invalidates nothing.
    ASSERT_TRUE(model.RedefineMaterial(1, "Steel S355", 2.0e5, 0.3));
    EXPECT_EQ(UndoTitle(), "Redefine material [1:Steel]");
    EXPECT_TRUE(model.FindSection(1)->propertiesCalculated);
    EXPECT_TRUE(user.boxes.empty());

    ASSERT_TRUE(model.RedefineMaterial(1, "Steel S355", 2.1e5, 0.3));
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{kRedefineOneInvalidated}));
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Information);
    EXPECT_FALSE(model.FindSection(1)->propertiesCalculated);
    EXPECT_EQ(model.FindSection(1)->centroidPointId, 0);
    EXPECT_EQ(model.FindPoint(101), nullptr);
    for (int id : {2, 3, 5})
        EXPECT_TRUE(model.FindSection(id)->propertiesCalculated) << "section " << id;
    EXPECT_EQ(model.FindMaterial(1)->elasticModulus, 2.1e5);

    // One undo brings back the material, the section and its centroid point.
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.FindMaterial(1)->elasticModulus, 2.0e5);
    EXPECT_TRUE(model.FindSection(1)->propertiesCalculated);
    EXPECT_EQ(model.FindSection(1)->centroidPointId, 101);
    EXPECT_NE(model.FindPoint(101), nullptr);
    ASSERT_TRUE(model.Redo());
    EXPECT_FALSE(model.FindSection(1)->propertiesCalculated);

    // A new Poisson's ratio moves the shear areas of every section that uses
    // the material, of this material only or not.
    user.ClearRecords();
    ASSERT_TRUE(model.RedefineMaterial(1, "Steel S355", 2.1e5, 0.25));
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"The properties of 2 plane sections are invalidated.\n\n"
                                                         "Re-calculate the properties using [Properties]-[Calculate]."}));
    for (int id : {2, 3})
        EXPECT_FALSE(model.FindSection(id)->propertiesCalculated) << "section " << id;
    EXPECT_TRUE(model.FindSection(5)->propertiesCalculated);
}

TEST_F(MaterialCommandsTest, DeleteInvalidatesMixedSectionsAndKeepsDomainIds)
{
    AddMaterial(1, "Steel");
    AddMaterial(2, "Concrete");
    AddPoint(10, 0.0, 0.0);
    AddPoint(11, 5.0, 0.0);
    AddSection(1, SECTION_PLANE, {{1, true}, {2, true}}, 10);
    AddSection(2, SECTION_PLANE, {{2, true}, {1, true}}, 11);

    ASSERT_TRUE(model.DeleteMaterial(2));
    EXPECT_EQ(UndoTitle(), "Delete material [2:Concrete]");
    EXPECT_EQ(model.FindMaterial(2), nullptr);
    EXPECT_EQ(user.BoxTexts(),
              (std::vector<std::string>{
                  "The properties of 2 plane sections are invalidated.\n\nChange the domain material and re-calculate "
                  "the properties.\n\n(Use [Model]-[Section]-[Assign Domain Material] and [Properties]-[Calculate])"}));
    EXPECT_EQ(model.FindSection(1)->domains.at(2)->materialId, 2);

    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.FindMaterial(2)->name, "Concrete");
    EXPECT_TRUE(model.FindSection(2)->propertiesCalculated);
    EXPECT_NE(model.FindPoint(11), nullptr);

    user.ClearRecords();
    model.ClearUndoStorage();
    EXPECT_FALSE(model.DeleteMaterial(8));
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Cannot find material [ID:8] data."}));
    EXPECT_TRUE(model.IsUndoEmpty());
}

} // namespace
