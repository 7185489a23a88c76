#include "view/Scene.h"
#include "view/ViewLabels.h"
#include "view/support/DrawingModel.h"
#include "view/support/FakeViewDocument.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class ViewLabels : public testing::Test {
protected:
    ViewLabels()
    {
        BuildDrawingModel(document);
        scene.ResetDefaults();
        Rebuild();
    }

    void Rebuild()
    {
        DisplayListPlan lists;
        scene.BuildDisplayLists(lists);
    }

    static const ViewLabel* Find(const std::vector<ViewLabel>& labels, const std::string& text)
    {
        for (const ViewLabel& label : labels) {
            if (label.text == text)
                return &label;
        }
        return nullptr;
    }

    static void ExpectAt(const ViewLabel* label, double x, double y)
    {
        ASSERT_NE(label, nullptr);
        EXPECT_NEAR(label->x, x, 1e-9) << label->text;
        EXPECT_NEAR(label->y, y, 1e-9) << label->text;
    }

    FakeViewDocument document;
    CScene scene{&document};
};

TEST_F(ViewLabels, IdLabelsStandAtTheirEntities)
{
    const auto points = PointLabels(scene);
    EXPECT_EQ(points.size(), 12u);
    ExpectAt(Find(points, "P:3"), 100, 100);

    const auto curves = CurveLabels(scene);
    ExpectAt(Find(curves, "C:1"), 50, 0);  // between its first and second point
    ExpectAt(Find(curves, "C:5"), 500, 550);

    // The closed curve repeats its first point; it counts once.
    const auto loops = ClosedLoopLabels(scene);
    ASSERT_EQ(loops.size(), 1u);
    ExpectAt(Find(loops, "CL:1"), 50, 50);
    for (const auto* list : {&points, &curves, &loops}) {
        for (const ViewLabel& label : *list) {
            EXPECT_EQ(label.font, LABEL_FONT_NORMAL);
            EXPECT_FALSE(label.bold || label.stacked);
        }
    }
}

TEST_F(ViewLabels, HiddenEntitiesGetNoLabel)
{
    scene.m_active[KIND_POINT].erase(PointKey(3));
    scene.m_active[KIND_CURVE].erase(CurveKey(1));
    EXPECT_EQ(Find(PointLabels(scene), "P:3"), nullptr);
    EXPECT_EQ(Find(CurveLabels(scene), "C:1"), nullptr);
}

TEST_F(ViewLabels, SectionNamesStandAtTheMeanOfTheirCurvesPoints)
{
    const auto names = SectionNameLabels(scene);
    ASSERT_EQ(names.size(), 2u);
    ExpectAt(Find(names, "Section-P1"), 50, 50);
    ExpectAt(Find(names, "Section-L2"), 50, 200);
    EXPECT_TRUE(names[0].bold);
}

TEST_F(ViewLabels, MaterialLabelsNameTheMaterialOfUsedDomains)
{
    T_SECTION_D& plane = *document.model->m_sections[1];
    auto materials = MaterialLabels(scene);
    ASSERT_EQ(materials.size(), 1u);  // domain 2 is not used
    EXPECT_EQ(materials[0].text, "M:(1)NOT-DEFINED");
    ExpectAt(&materials[0], 200.0 / 3.0, 100.0 / 3.0);
    EXPECT_EQ(materials[0].font, LABEL_FONT_MATERIAL);

    document.AddMaterial(1, "Steel");
    plane.assignedBaseMaterialId = 1;
    EXPECT_EQ(MaterialLabels(scene)[0].text, "M:(1)Steel-\"Base Material\"");

    // A calculated section's base material is the one the calculation used.
    plane.propertiesCalculated = true;
    plane.baseMaterialId = 2;
    EXPECT_EQ(MaterialLabels(scene)[0].text, "M:(1)Steel");

    plane.domains[1]->materialId = 0;
    EXPECT_TRUE(MaterialLabels(scene).empty());
}

TEST_F(ViewLabels, PropertyLinesStackAtTheCentroidInOrder)
{
    document.AddPoint(13, 50, 210);
    T_SECTION_D& line = *document.model->m_sections[2];
    line.propertiesCalculated = true;
    line.centroidPointId = 13;
    line.results[RESULT_A] = 12.5;
    line.results[RESULT_IXX] = 1234567.0;
    line.results[RESULT_J] = 3e-7;
    PropertyLabelSwitches switches;
    for (bool& on : switches.show)
        on = true;
    switches.show[1] = switches.show[2] = switches.show[4] = switches.show[5] = false;

    const auto labels = PropertyLabels(scene, switches);
    std::vector<std::string> texts;
    for (const ViewLabel& label : labels) {
        texts.push_back(label.text);
        ExpectAt(&label, 50, 210);
        EXPECT_TRUE(label.stacked);
    }
    EXPECT_EQ(texts, (std::vector<std::string>{"Area: 12.5", "Ixx: 1.23457e+06", "J: 3e-07"}));

    // A product of inertia that is only rounding of zero reads 0.
    line.results[RESULT_IYY] = 2e5;
    line.results[RESULT_IXY] = 1.86265e-9;
    switches.show[5] = true;
    EXPECT_EQ(PropertyLabels(scene, switches)[2].text, "Ixy: 0");

    line.centroidPointId = 99;
    EXPECT_TRUE(PropertyLabels(scene, switches).empty());
}

TEST_F(ViewLabels, FailedLookUpsArePrintedOnceAndLeaveTheLabelOut)
{
    document.AddCurve(7, {1, 98});
    document.AddCurve(8, {97});
    document.AddClosedLoop(2, {8});
    Rebuild();

    for (int pass = 0; pass < 2; ++pass) {
        const auto curves = CurveLabels(scene);
        EXPECT_EQ(Find(curves, "C:7"), nullptr);
        EXPECT_EQ(Find(curves, "C:8"), nullptr);
        const auto loops = ClosedLoopLabels(scene);
        EXPECT_EQ(Find(loops, "CL:2"), nullptr);  // no point of it exists: no position
        for (const ViewLabel& label : loops)
            EXPECT_FALSE(std::isnan(label.x) || std::isnan(label.y));
    }
    EXPECT_TRUE(document.user.boxes.empty());
    // Printed by the rebuild; the label passes until the next rebuild add nothing.
    EXPECT_EQ(document.user.lines,
              (std::vector<std::string>{"Cannot find point [ID:98] object.", "Cannot find point [ID:97] object."}));

    Rebuild();
    CurveLabels(scene);
    EXPECT_EQ(document.user.lines.size(), 4u);
}

}  // namespace
