// Chosen sections or a group written as a project of their own, numbered from
// 1, and read back by our own reader.

#include "ProjectFileTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A square section 2 (calculated, on the closed loop 6 that runs curve 13
// backwards) and a triangle section 5 (not calculated) on points 7, 9 and 12.
void BuildExportModel(CSectModel& model)
{
    model.m_angleStep = 7.5;
    const std::pair<int, std::pair<double, double>> places[] = {
        {1, {0, 0}}, {2, {10, 0}}, {3, {10, 10}}, {4, {0, 10}}, {7, {50, 0}},
        {9, {60, 0}}, {12, {50, 10}}, {20, {5, 5}}, {30, {-5, -5}},
    };
    for (const auto& [id, xy] : places)
        model.m_points[id] = MakePoint(id, xy.first, xy.second);

    model.m_curves[10] = MakeCurve(10, {1, 2}, 2, {6});
    model.m_curves[11] = MakeCurve(11, {2, 3}, 2, {6});
    model.m_curves[12] = MakeCurve(12, {3, 4}, 2, {6});
    model.m_curves[13] = MakeCurve(13, {1, 4}, 2, {6});
    model.m_curves[3] = MakeCurve(3, {7, 9}, 5, {});
    model.m_curves[4] = MakeCurve(4, {9, 12}, 5, {});
    model.m_curves[8] = MakeCurve(8, {12, 7}, 5, {});
    model.m_curves[40] = MakeCurve(40, {30, 1}, 0, {});
    auto loop = std::make_unique<T_LOOP_D>();
    loop->id = 6;
    loop->curveIds = {10, 11, 12, -13};
    model.m_closedLoops[6] = std::move(loop);

    auto square = std::make_unique<T_SECTION_D>();
    square->id = 2;
    square->name = "Square";
    square->curveIds = {10, 11, 12, 13};
    square->propertiesCalculated = true;
    square->centroidPointId = 20;
    square->baseMaterialId = 3;
    square->assignedBaseMaterialId = 4;
    for (int i = 0; i < RESULT_COUNT; ++i)
        square->results[i] = 100.0 + i;
    for (int id = 1; id <= 2; ++id) {
        auto domain = std::make_unique<T_DOMAIN_D>();
        domain->id = id;
        domain->materialId = id == 1 ? 3 : 8;  // material 8 was deleted
        square->domains[id] = std::move(domain);
    }
    square->nextDomainId = 3;
    model.m_sections[2] = std::move(square);

    auto triangle = std::make_unique<T_SECTION_D>();
    triangle->id = 5;
    triangle->name = "Triangle";
    triangle->curveIds = {3, 4, 8};
    triangle->centroidPointId = 30;  // stale: the section is not calculated
    model.m_sections[5] = std::move(triangle);

    for (const auto& [id, name] : {std::pair{3, "Steel"}, std::pair{4, "Alu"}, std::pair{6, "Unused"}}) {
        auto material = std::make_unique<T_MATERIAL_D>();
        material->id = id;
        material->name = name;
        material->elasticModulus = 1000.0 * id;
        model.m_materials[id] = std::move(material);
    }
    auto ucs = std::make_unique<T_UCS_D>();
    ucs->id = 2;
    ucs->name = "UCS-2";
    ucs->angle = 45.0;
    model.m_ucs[2] = std::move(ucs);

    model.m_groups[1] = MakeGroup(1, "Mixed Case", {}, {11}, {});
    model.m_groups[2] = MakeGroup(2, "Dead", {99}, {77}, {});
    model.m_groups[3] = MakeGroup(3, "Sections", {5, 2}, {}, {});

    model.m_nextSectionId = 6;
    model.m_nextClosedLoopId = 7;
    model.m_nextCurveId = 41;
    model.m_nextPointId = 31;
    model.m_nextMaterialId = 7;
    model.m_nextUcsId = 3;
    model.m_nextGroupId = 4;
}

class ProjectFileExportTest : public testing::Test {
protected:
    ProjectFileExportTest() { BuildExportModel(exporter.model); }

    // Reads the exported file into `exported`.
    void ReadExport()
    {
        ASSERT_TRUE(exported.model.ReadProjectFile(path, false));
        ASSERT_TRUE(exported.user.boxes.empty());
    }

    std::vector<double> PointXy(int fileId)
    {
        const T_POINT_D* point = exported.model.FindPoint(fileId);
        return point ? std::vector<double>{point->xy[0], point->xy[1]} : std::vector<double>{};
    }

    ScratchFolder folder;
    std::string path = folder.Path("export.klx").string();
    ReportingModel exporter;
    ReportingModel exported;
};

TEST_F(ProjectFileExportTest, OneSectionIsRenumberedFromOne)
{
    ASSERT_TRUE(exporter.model.ExportSectionsToProjectFile({5}, path.c_str()));
    EXPECT_EQ(exporter.user.lines,
              std::vector<std::string>{"1 section is exported to the KLX project file [" + path + "]."});
    ReadExport();

    EXPECT_EQ(exported.model.m_points.size(), 3u);
    EXPECT_EQ(PointXy(1), (std::vector<double>{50, 0}));
    EXPECT_EQ(PointXy(2), (std::vector<double>{60, 0}));
    EXPECT_EQ(PointXy(3), (std::vector<double>{50, 10}));
    ASSERT_EQ(exported.model.m_curves.size(), 3u);
    EXPECT_EQ(exported.model.FindCurve(1)->pointIds, (std::vector<int>{1, 2}));
    EXPECT_EQ(exported.model.FindCurve(3)->pointIds, (std::vector<int>{3, 1}));
    EXPECT_EQ(exported.model.FindCurve(3)->sectionId, 1);
    const T_SECTION_D* section = exported.model.FindSection(1);
    ASSERT_NE(section, nullptr);
    EXPECT_EQ(section->name, "Triangle");
    EXPECT_EQ(section->curveIds, (std::vector<int>{1, 2, 3}));
    // Not calculated: its stale centroid stays behind.
    EXPECT_EQ(section->centroidPointId, 0);

    EXPECT_EQ(exported.model.m_nextPointId, 4);
    EXPECT_EQ(exported.model.m_nextCurveId, 4);
    EXPECT_EQ(exported.model.m_nextSectionId, 2);
    EXPECT_EQ(exported.model.m_nextClosedLoopId, 1);
    EXPECT_EQ(exported.model.m_nextMaterialId, 1);
    EXPECT_EQ(exported.model.m_nextUcsId, 1);
    EXPECT_EQ(exported.model.m_nextGroupId, 1);
    EXPECT_EQ(exported.model.m_angleStep, 7.5);
    ASSERT_EQ(exported.model.m_ucs.size(), 1u);
    EXPECT_EQ(exported.model.FindUcs(0)->name, "GCS");
    EXPECT_TRUE(exported.model.m_groups.empty());
}

TEST_F(ProjectFileExportTest, SectionsKeepTheGivenOrderAndEverythingTheyReferTo)
{
    ASSERT_TRUE(exporter.model.ExportSectionsToProjectFile({5, 2}, path.c_str()));
    EXPECT_EQ(exporter.user.lines,
              std::vector<std::string>{"2 sections are exported to the KLX project file [" + path + "]."});
    ReadExport();

    EXPECT_EQ(exported.model.FindSection(1)->name, "Triangle");
    const T_SECTION_D* square = exported.model.FindSection(2);
    ASSERT_NE(square, nullptr);
    EXPECT_EQ(square->name, "Square");
    EXPECT_EQ(exported.model.m_nextSectionId, 3);

    // Curves 3, 4, 8, 10, 11, 12, 13 and points 1, 2, 3, 4, 7, 9, 12, 20 in
    // ascending order.
    EXPECT_EQ(square->curveIds, (std::vector<int>{4, 5, 6, 7}));
    EXPECT_EQ(exported.model.FindClosedLoop(1)->curveIds, (std::vector<int>{4, 5, 6, -7}));
    EXPECT_EQ(exported.model.FindCurve(7)->pointIds, (std::vector<int>{1, 4}));
    EXPECT_EQ(exported.model.FindCurve(7)->closedLoopIds, (std::vector<int>{1}));
    EXPECT_EQ(exported.model.FindCurve(7)->sectionId, 2);
    EXPECT_EQ(square->centroidPointId, 8);
    EXPECT_EQ(PointXy(8), (std::vector<double>{5, 5}));

    // Materials 3 and 4; the deleted material 8 is written as none.
    ASSERT_EQ(exported.model.m_materials.size(), 2u);
    EXPECT_EQ(exported.model.FindMaterial(1)->name, "Steel");
    EXPECT_EQ(exported.model.FindMaterial(2)->name, "Alu");
    EXPECT_EQ(square->baseMaterialId, 1);
    EXPECT_EQ(square->assignedBaseMaterialId, 2);
    EXPECT_EQ(square->domains.at(1)->materialId, 1);
    EXPECT_EQ(square->domains.at(2)->materialId, 0);
    for (int i = 0; i < RESULT_COUNT; ++i)
        EXPECT_EQ(square->results[i], 100.0 + i);
    EXPECT_TRUE(square->propertiesCalculated);
}

TEST_F(ProjectFileExportTest, AGroupWithOneCurveOfAClosedLoopTakesTheWholeLoop)
{
    ASSERT_TRUE(exporter.model.ExportGroupToProjectFile("mixed CASE", path.c_str()));
    EXPECT_EQ(exporter.user.lines,
              std::vector<std::string>{"Group [Mixed Case] is exported to the KLX project file [" + path + "]."});
    ReadExport();

    // Curve 11 first, then the loop's other curves 10, 12, 13 in loop order;
    // points 2, 3 first, then those the added curves bring.
    ASSERT_EQ(exported.model.m_curves.size(), 4u);
    EXPECT_EQ(exported.model.FindClosedLoop(1)->curveIds, (std::vector<int>{2, 1, 3, -4}));
    EXPECT_EQ(PointXy(1), (std::vector<double>{10, 0}));
    EXPECT_EQ(PointXy(3), (std::vector<double>{0, 0}));
    EXPECT_EQ(PointXy(4), (std::vector<double>{0, 10}));
    EXPECT_EQ(exported.model.FindCurve(4)->pointIds, (std::vector<int>{3, 4}));
    // The owning section is not exported.
    EXPECT_EQ(exported.model.FindCurve(1)->sectionId, 0);
    EXPECT_TRUE(exported.model.m_sections.empty());
}

TEST_F(ProjectFileExportTest, ASectionExportTakesTheOtherCurvesOfItsClosedLoops)
{
    // Closed loop 9 runs the triangle's curve 3 and, backwards, curve 40 of no
    // section.
    auto loop = std::make_unique<T_LOOP_D>();
    loop->id = 9;
    loop->curveIds = {3, -40};
    exporter.model.m_closedLoops[9] = std::move(loop);
    exporter.model.m_curves[3]->closedLoopIds = {9};
    exporter.model.m_curves[40]->closedLoopIds = {9};

    ASSERT_TRUE(exporter.model.ExportSectionsToProjectFile({5}, path.c_str()));
    ReadExport();
    // Curves 3, 4, 8, then 40; points 7, 9, 12, then 30 and 1 of curve 40.
    EXPECT_EQ(exported.model.FindClosedLoop(1)->curveIds, (std::vector<int>{1, -4}));
    const T_CURVE_D* added = exported.model.FindCurve(4);
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(added->pointIds, (std::vector<int>{4, 5}));
    EXPECT_EQ(added->closedLoopIds, (std::vector<int>{1}));
    EXPECT_EQ(added->sectionId, 0);
    EXPECT_EQ(PointXy(4), (std::vector<double>{-5, -5}));
    EXPECT_EQ(PointXy(5), (std::vector<double>{0, 0}));
    EXPECT_EQ(exported.model.m_nextCurveId, 5);
    EXPECT_EQ(exported.model.m_nextPointId, 6);
}

TEST_F(ProjectFileExportTest, AGroupOfSectionsExportsLikeTheSections)
{
    ASSERT_TRUE(exporter.model.ExportGroupToProjectFile("Sections", path.c_str()));
    const std::string groupFile = ReadWholeFile(path);
    ASSERT_TRUE(exporter.model.ExportSectionsToProjectFile({5, 2}, path.c_str()));
    EXPECT_EQ(groupFile, ReadWholeFile(path));
}

TEST_F(ProjectFileExportTest, RefusalsWriteNoFile)
{
    EXPECT_FALSE(exporter.model.ExportGroupToProjectFile("", path.c_str()));
    EXPECT_FALSE(exporter.model.ExportGroupToProjectFile("nothing", path.c_str()));
    EXPECT_TRUE(exporter.user.boxes.empty());

    EXPECT_FALSE(exporter.model.ExportGroupToProjectFile("DEAD", path.c_str()));
    EXPECT_FALSE(exporter.model.ExportSectionsToProjectFile({5, 77}, path.c_str()));
    exporter.model.m_sections[5]->curveIds.push_back(55);
    EXPECT_FALSE(exporter.model.ExportSectionsToProjectFile({5}, path.c_str()));
    EXPECT_EQ(exporter.user.BoxTexts(),
              (std::vector<std::string>{"Group [Dead] has no model entity.", "Cannot find section [ID:77] object.",
                                        "Cannot find curve [ID:55] object."}));
    EXPECT_EQ(exporter.user.boxes[0].kind, BoxKind::Warning);
    // The dead members are skipped, not dropped: an undo of their deletion
    // must find them still in the group.
    EXPECT_EQ(exporter.model.FindGroup(2)->sectionIds, std::vector<int>{99});
    EXPECT_EQ(exporter.model.FindGroup(2)->curveIds, std::vector<int>{77});

    const std::string unreachable = folder.Path("missing/export.klx").string();
    exporter.model.m_sections[5]->curveIds.pop_back();
    EXPECT_FALSE(exporter.model.ExportSectionsToProjectFile({5}, unreachable.c_str()));
    EXPECT_EQ(exporter.user.BoxTexts().back(), "Cannot create a KLX project file!");
    EXPECT_TRUE(exporter.user.lines.empty());
    EXPECT_TRUE(folder.FileNames().empty());
}

TEST_F(ProjectFileExportTest, ExportsLeaveTheModelAsItWas)
{
    ASSERT_TRUE(exporter.model.ExportSectionsToProjectFile({2, 5}, path.c_str()));
    ASSERT_TRUE(exporter.model.ExportGroupToProjectFile("Mixed Case", path.c_str()));
    EXPECT_FALSE(exporter.model.ExportSectionsToProjectFile({77}, path.c_str()));

    CSectModel expected;
    BuildExportModel(expected);
    ExpectSameStoredContent(expected, exporter.model);
}

} // namespace
