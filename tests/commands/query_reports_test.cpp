#include "TopologyTestSupport.h"

namespace {

TEST_F(TopologyTest, QueryPointPrintsTheDistanceFromTheLastOne)
{
    AddPoint(1, 2), AddPoint(3, 3), AddPoint(4, 6);
    ASSERT_TRUE(model.QueryPoint(1));
    ASSERT_TRUE(model.QueryPoint(3));
    ASSERT_TRUE(model.QueryPoint(3));
    EXPECT_EQ(user.lines, (std::vector<std::string>{
                              "Point [1] - (1.000, 2.000)",
                              "Point [3] - (4.000, 6.000)",
                              "> Distance from point [1]: 5.000 (Dx: 3.000, Dy: 4.000)",
                              "Point [3] - (4.000, 6.000)",
                              "> Distance from point [3]: 0.000 (Dx: 0.000, Dy: 0.000)",
                          }));

    // A missing point changes nothing; a deleted remembered one is forgotten.
    user.ClearRecords();
    EXPECT_FALSE(model.QueryPoint(9));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Cannot find point [ID:9] object."});
    model.m_points.erase(3);
    ASSERT_TRUE(model.QueryPoint(2));
    ASSERT_TRUE(model.QueryPoint(1));
    EXPECT_EQ(user.lines, (std::vector<std::string>{
                              "Point [2] - (3.000, 3.000)",
                              "Point [1] - (1.000, 2.000)",
                              "> Distance from point [2]: 2.236 (Dx: -2.000, Dy: -1.000)",
                          }));
}

TEST_F(TopologyTest, QueryPointInARotatedUcsAndItsCentroidLine)
{
    AddPoint(10, 0);
    const int centroid = AddPoint(10, 5);
    AddSection(SECTION_PLANE, {AddCurve({{0, 0}, {1, 0}})}, centroid, "Web");
    AddSection(SECTION_LINE, {AddCurve({{0, 9}, {1, 9}})}, centroid, "Flange");
    UseUcs(10, 0, 90);
    ASSERT_TRUE(model.QueryPoint(1));
    ASSERT_TRUE(model.QueryPoint(centroid));
    EXPECT_EQ(user.lines, (std::vector<std::string>{
                              "Point [1] - UCS: (0.000, 0.000), GCS: (10.000, 0.000)",
                              "Point [2] - UCS: (5.000, 0.000), GCS: (10.000, 5.000)",
                              "* Centroid of plane section [Web]",
                              "> Distance from point [1]: 5.000 (Dx: 5.000, Dy: 0.000)",
                          }));
    model.FindSection(1)->propertiesCalculated = false;
    model.FindSection(2)->propertiesCalculated = false;
    user.ClearRecords();
    ASSERT_TRUE(model.QueryPoint(centroid));
    EXPECT_EQ(user.lines.size(), 2u);
}

TEST_F(TopologyTest, QueryCurveHeadPointAndLoopLines)
{
    const int line = AddCurve({{0, 0}, {3, 4}});
    AddPoint(3, 0);
    const int closed = AddCurveThrough({1, 3, 2, 1});
    AddLoop({line, -closed});
    model.FindCurve(line)->alignment = ALIGN_LEFT;
    model.FindCurve(closed)->width = 2.5;
    model.FindCurve(closed)->alignment = ALIGN_LEFT;
    ASSERT_TRUE(model.QueryCurve(line));
    ASSERT_TRUE(model.QueryCurve(closed));
    EXPECT_EQ(user.lines, (std::vector<std::string>{
                              "Curve [1] - Approx. length: 5.000",
                              "> N(Point): 2 (1, 2)",
                              "> Closed loop [1]: '1' - 2",
                              "Curve [2] - Approx. length: 12.000, Width: 2.500 (LEFT)",
                              "> N(Point): 4 (1, ..., 1)",
                              "> Closed loop [1]: 1 - '2'",
                          }));

    user.ClearRecords();
    EXPECT_FALSE(model.QueryCurve(7));
    model.FindCurve(line)->pointIds.push_back(8);
    EXPECT_FALSE(model.QueryCurve(line));
    EXPECT_EQ(user.BoxTexts(), (std::vector<std::string>{"Cannot find curve [ID:7] object.",
                                                         "Cannot find point [ID:8] object."}));
    EXPECT_TRUE(user.lines.empty());
}

TEST_F(TopologyTest, QuerySectionOfALineSectionWithLoopsAndLocation)
{
    auto material = std::make_unique<T_MATERIAL_D>();
    material->id = 2;
    material->name = "Steel";
    model.m_materials[2] = std::move(material);
    const int a = AddCurve({{0, 0}, {10, 0}});
    const int b = AddCurve({{0, 10}, {10, 10}});
    AddLoop({a, b});
    AddLoop({a});
    T_SECTION_D& section = AddSection(SECTION_LINE, {a, b, 77}, AddPoint(5, 5), "Section-L1");
    section.hasLocation = true;
    section.location = 1200.0;
    section.assignedBaseMaterialId = 5;
    section.baseMaterialId = 2;
    const double values[] = {12.5, 1, 2, 1234567.0, 0.000125, -3, 40};
    for (int i = 0; i < 7; ++i)
        section.results[i] = values[i];
    UseUcs(0, 0, 90);
    ASSERT_TRUE(model.QuerySection(section.id));
    EXPECT_EQ(user.lines, (std::vector<std::string>{
                              "Section [Section-L1] - \"LINE\", Location: 1200.000, N(Closed loop): 2, N(Curve): 3",
                              "* Base material: [2:Steel]",
                              "> A: 12.5, Asx: 1, Asy: 2, Ixx: 1.23457e+06, Iyy: 0.000125, Ixy: -3, J: 40",
                              "> Centroid point [5] - UCS: (5.000, -5.000), GCS: (5.000, 5.000)",
                          }));
}

TEST_F(TopologyTest, QuerySectionOfAPlaneSectionWithDomainMaterials)
{
    auto material = std::make_unique<T_MATERIAL_D>();
    material->id = 2;
    material->name = "Concrete";
    model.m_materials[2] = std::move(material);
    const int a = AddCurve({{0, 0}, {10, 0}});
    AddLoop({a});
    T_SECTION_D& section = AddSection(SECTION_PLANE, {a}, 0, "Section-P1");
    for (auto [materialId, used] : {std::pair{2, true}, std::pair{5, true}, std::pair{2, true},
                                    std::pair{7, false}, std::pair{0, true}}) {
        auto domain = std::make_unique<T_DOMAIN_D>();
        domain->id = section.nextDomainId++;
        domain->materialId = materialId;
        domain->used = used;
        section.domains[domain->id] = std::move(domain);
    }
    section.assignedBaseMaterialId = 5;
    section.baseMaterialId = 2;  // from an earlier calculation, now out of date
    ASSERT_TRUE(model.QuerySection(section.id));
    EXPECT_EQ(user.lines, (std::vector<std::string>{
                              "Section [Section-P1] - \"PLANE\", N(Curve): 1",
                              "> Domain material: [2:Concrete], [5:NOT DEFINED]",
                              "* Base material: [5:NOT DEFINED]",
                          }));
    user.ClearRecords();
    EXPECT_FALSE(model.QuerySection(4));
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Cannot find section [ID:4] object."});
}

} // namespace
