#include "model/UnitSystem.h"

#include "ModelCommandFixture.h"

namespace {

TEST(UnitFactorTest, LiteralTableValues)
{
    struct Case {
        double (*factor)(int, int);
        int from, to;
        double expected;
    };
    const Case cases[] = {
        {GetLengthUnitFactor, LENGTH_MM, LENGTH_FT, 0.003280839895},
        {GetLengthUnitFactor, LENGTH_MM, LENGTH_M, 0.001},
        {GetLengthUnitFactor, LENGTH_IN, LENGTH_FT, 0.083333333333},
        {GetLengthUnitFactor, LENGTH_M, LENGTH_IN, 39.370078740158},
        {GetLengthUnitFactor, LENGTH_MM, LENGTH_MM, 1.0},
        {GetLengthUnitFactor, 0, LENGTH_CM, 1.0},
        {GetLengthUnitFactor, LENGTH_CM, 6, 1.0},
        {GetForceUnitFactor, FORCE_LBF, FORCE_KGF, 0.453592511204},
        {GetForceUnitFactor, FORCE_KGF, FORCE_KN, 0.00980665},
        {GetForceUnitFactor, FORCE_KIPS, FORCE_LBF, 1000.0},
        {GetForceUnitFactor, FORCE_TONF, FORCE_LBF, 2204.62193554595},
        {GetForceUnitFactor, FORCE_N, 7, 1.0},
        {GetForceUnitFactor, -1, FORCE_N, 1.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.factor(c.from, c.to), c.expected) << c.from << " -> " << c.to;
}

class UnitChangeTest : public ModelCommandFixture {
protected:
    // Points, a curve with a width, a calculated section with a location, a
    // section that is not calculated, a material, a UCS and an undo history.
    void FillModel()
    {
        AddPoint(1, 1000.0, 500.0);
        AddPoint(2, 2000.0, 500.0);
        AddCurve(1, {1, 2}, 20.0);
        T_SECTION_D& calculated = AddSection(1, SECTION_LINE, {}, 1);
        calculated.hasLocation = true;
        calculated.location = 3000.0;
        calculated.points[1] = MakePoint(1, 4000.0, -2000.0);
        calculated.results[RESULT_A] = 1.0e6;
        calculated.results[RESULT_IXX] = 1.0e12;
        calculated.results[RESULT_J] = 2.0e12;
        calculated.results[RESULT_CY_MINUS] = 250.0;
        T_SECTION_D& fresh = AddSection(2, SECTION_LINE, {});
        fresh.results[RESULT_A] = 7.0;
        AddMaterial(1, "Steel", 2.0e4);

        const double origin[2] = {100.0, 200.0};
        const double zero[2] = {0.0, 0.0};
        ASSERT_TRUE(model.CreateUcs(UCS_BY_ORIGIN_AND_ANGLE, "U", origin, 30.0, zero, zero));
        const double p1[2] = {1000.0, 0.0};
        const double p2[2] = {1000.0, 10.0};
        ASSERT_TRUE(model.CreateUcs(UCS_BY_TWO_AXIS_POINTS, "V", zero, 0.0, p1, p2));
        ASSERT_TRUE(model.Undo(false));
        ASSERT_FALSE(model.IsUndoEmpty());
        ASSERT_FALSE(model.IsRedoEmpty());
        user.ClearRecords();
    }
};

TEST_F(UnitChangeTest, MillimetresToMetresAnsweredYesConvertsEveryLength)
{
    FillModel();
    user.QueueAnswers({true});
    model.ChangeUnitSystem(LENGTH_M, FORCE_KGF, false);

    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_EQ(user.questions[0].text, "Change the magnitudes for the new unit system?");
    EXPECT_TRUE(user.questions[0].yesIsDefault);
    EXPECT_EQ(model.m_lengthUnit, LENGTH_M);
    EXPECT_DOUBLE_EQ(model.FindPoint(1)->xy[0], 1.0);
    EXPECT_DOUBLE_EQ(model.FindPoint(1)->xy[1], 0.5);
    EXPECT_DOUBLE_EQ(model.m_tolerance, 0.001);
    EXPECT_DOUBLE_EQ(model.m_gridSize, 0.1);
    EXPECT_DOUBLE_EQ(model.FindCurve(1)->width, 0.02);
    EXPECT_DOUBLE_EQ(model.FindMaterial(1)->elasticModulus, 2.0e4 / 1.0e-6);
    EXPECT_EQ(model.m_angleStep, 10.0);

    const T_SECTION_D& calculated = *model.FindSection(1);
    EXPECT_DOUBLE_EQ(calculated.location, 3.0);
    EXPECT_DOUBLE_EQ(calculated.points.at(1)->xy[0], 4.0);
    EXPECT_DOUBLE_EQ(calculated.results[RESULT_A], 1.0);
    EXPECT_DOUBLE_EQ(calculated.results[RESULT_IXX], 1.0);
    EXPECT_DOUBLE_EQ(calculated.results[RESULT_J], 2.0);
    EXPECT_DOUBLE_EQ(calculated.results[RESULT_CY_MINUS], 0.25);
    EXPECT_TRUE(calculated.propertiesCalculated);
    EXPECT_EQ(model.FindSection(2)->results[RESULT_A], 7.0) << "results of a section not calculated stay";

    const T_UCS_D& ucs = *model.FindUcs(1);
    EXPECT_DOUBLE_EQ(ucs.origin[0], 0.1);
    EXPECT_DOUBLE_EQ(ucs.origin[1], 0.2);
    EXPECT_DOUBLE_EQ(ucs.enteredOrigin[1], 0.2);
    EXPECT_EQ(ucs.angle, 30.0);
    EXPECT_EQ(model.FindUcs(0)->origin[0], 0.0);

    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_TRUE(model.IsRedoEmpty());
    EXPECT_FALSE(model.Undo(false));
}

TEST_F(UnitChangeTest, TwoPointUcsScalesItsAxisPoints)
{
    FillModel();
    ASSERT_TRUE(model.Redo());
    model.ChangeUnitSystem(LENGTH_CM, FORCE_KGF, true);
    const T_UCS_D& ucs = *model.FindUcs(2);
    EXPECT_DOUBLE_EQ(ucs.axisPoint1[0], 100.0);
    EXPECT_DOUBLE_EQ(ucs.axisPoint2[1], 1.0);
    EXPECT_DOUBLE_EQ(ucs.origin[0], 100.0);
    EXPECT_NEAR(ucs.angle, 90.0, 1e-9);
    EXPECT_TRUE(user.questions.empty()) << "quiet converts without asking";
    EXPECT_TRUE(model.IsUndoEmpty());
}

TEST_F(UnitChangeTest, AnsweredNoKeepsNumbersAndUndoStores)
{
    FillModel();
    user.QueueAnswers({false});
    model.ChangeUnitSystem(LENGTH_M, FORCE_KN, false);

    EXPECT_EQ(model.m_lengthUnit, LENGTH_M);
    EXPECT_EQ(model.m_forceUnit, FORCE_KN);
    EXPECT_EQ(model.FindPoint(1)->xy[0], 1000.0);
    EXPECT_EQ(model.m_tolerance, 1.0);
    EXPECT_EQ(model.FindMaterial(1)->elasticModulus, 2.0e4);
    EXPECT_EQ(model.FindUcs(1)->origin[0], 100.0);
    EXPECT_FALSE(model.IsUndoEmpty());
    EXPECT_FALSE(model.IsRedoEmpty());
}

TEST_F(UnitChangeTest, ForceOnlyChangeConvertsModuliAlone)
{
    FillModel();
    user.QueueAnswers({true});
    model.ChangeUnitSystem(LENGTH_MM, FORCE_KN, false);
    EXPECT_DOUBLE_EQ(model.FindMaterial(1)->elasticModulus, 2.0e4 * 0.00980665);
    EXPECT_EQ(model.FindPoint(1)->xy[0], 1000.0);
    EXPECT_EQ(model.m_tolerance, 1.0);
    EXPECT_EQ(model.FindUcs(1)->origin[0], 100.0);
    EXPECT_TRUE(model.IsUndoEmpty()) << "undo would bring back the old moduli";
}

TEST_F(UnitChangeTest, ForceOnlyChangeWithoutMaterialsStoresTheCode)
{
    AddPoint(1, 1000.0, 500.0);
    model.BeginUndoAction();
    model.ChangeUnitSystem(LENGTH_MM, FORCE_LBF, false);
    EXPECT_EQ(model.m_forceUnit, FORCE_LBF);
    EXPECT_EQ(model.FindPoint(1)->xy[0], 1000.0);
    EXPECT_TRUE(user.questions.empty());
}

// A material that is gone when the force unit changes must not come back
// through Undo or Redo with its modulus in the old unit.
TEST_F(UnitChangeTest, ForceOnlyChangeWithoutMaterialsDropsTheUndoCopies)
{
    ASSERT_TRUE(model.CreateMaterial(1, "Steel", 1000.0, 0.3));
    ASSERT_TRUE(model.DeleteMaterial(1));
    ASSERT_TRUE(model.m_materials.empty());
    ASSERT_FALSE(model.IsUndoEmpty());

    model.ChangeUnitSystem(LENGTH_MM, FORCE_N, false);

    EXPECT_EQ(model.m_forceUnit, FORCE_N);
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_TRUE(model.IsRedoEmpty());
    EXPECT_FALSE(model.Undo(false));
    EXPECT_TRUE(model.m_materials.empty());
}

TEST_F(UnitChangeTest, ForceOnlyChangeWithoutMaterialsDropsTheRedoCopies)
{
    ASSERT_TRUE(model.CreateMaterial(1, "Steel", 1000.0, 0.3));
    ASSERT_TRUE(model.Undo(false));
    ASSERT_FALSE(model.IsRedoEmpty());

    model.ChangeUnitSystem(LENGTH_MM, FORCE_N, false);

    EXPECT_TRUE(model.IsRedoEmpty());
    EXPECT_FALSE(model.Redo());
    EXPECT_TRUE(model.m_materials.empty());
}

TEST_F(UnitChangeTest, ModelWithoutPointsOrMaterialsScalesSettingsWithoutAsking)
{
    const double origin[2] = {500.0, 0.0};
    const double zero[2] = {0.0, 0.0};
    ASSERT_TRUE(model.CreateUcs(UCS_BY_ORIGIN_AND_ANGLE, "", origin, 0.0, zero, zero));
    model.ChangeUnitSystem(LENGTH_M, FORCE_KGF, false);
    EXPECT_TRUE(user.questions.empty());
    EXPECT_DOUBLE_EQ(model.m_tolerance, 0.001);
    EXPECT_DOUBLE_EQ(model.m_gridSize, 0.1);
    EXPECT_DOUBLE_EQ(model.FindUcs(1)->origin[0], 0.5);
    EXPECT_TRUE(model.IsUndoEmpty());
}

TEST_F(UnitChangeTest, SameUnitsChangeNothing)
{
    FillModel();
    model.ChangeUnitSystem(LENGTH_MM, FORCE_KGF, false);
    EXPECT_TRUE(user.questions.empty());
    EXPECT_FALSE(model.IsUndoEmpty());
    EXPECT_EQ(model.m_tolerance, 1.0);
}

} // namespace
