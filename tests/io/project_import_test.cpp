// Merging a read project into the open one: fresh ids, translated
// references, names after the file, and one undo action for all of it.

#include "io/ProjectImport.h"

#include "ProjectFileTestSupport.h"
#include "model/SectModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

template <class T>
std::vector<int> IdsOf(const IdMap<T>& records)
{
    std::vector<int> ids;
    for (const auto& [id, record] : records)
        ids.push_back(id);
    return ids;
}

std::unique_ptr<T_MATERIAL_D> MakeMaterial(int id, const std::string& name, double modulus)
{
    auto material = std::make_unique<T_MATERIAL_D>();
    material->id = id;
    material->name = name;
    material->elasticModulus = modulus;
    material->poissonRatio = 0.3;
    return material;
}

// The imported project: a 10 x 10 plane section 1 of curves 1-4 (points 1-4,
// centroid point 5, domain 1 on material 1 "Steel" and domain 2 on material 2
// "Alu"), a line section 2 of curve 5 (points 6, 7), closed loop 1 running
// curve 4 backwards, a free curve 6 (points 8, 9), UCS 1 "U1" and a group of
// its own. The open project: five sections' worth of ids used, material 1.
class ProjectImport : public testing::Test {
protected:
    void SetUp() override
    {
        const double xy[9][2] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}, {20, 0}, {30, 0}, {40, 0}, {50, 0}};
        for (int id = 1; id <= 9; ++id)
            file.m_points[id] = MakePoint(id, xy[id - 1][0], xy[id - 1][1]);
        for (int id = 1; id <= 4; ++id)
            file.m_curves[id] = MakeCurve(id, {id, id % 4 + 1}, 1, {1});
        file.m_curves[5] = MakeCurve(5, {6, 7}, 2, {});
        file.m_curves[6] = MakeCurve(6, {8, 9}, 0, {});
        auto loop = std::make_unique<T_LOOP_D>();
        loop->id = 1;
        loop->curveIds = {1, 2, 3, -4};
        file.m_closedLoops[1] = std::move(loop);

        auto plane = std::make_unique<T_SECTION_D>();
        plane->id = 1;
        plane->name = "Plate";
        plane->curveIds = {1, 2, 3, 4};
        plane->centroidPointId = 5;
        plane->assignedBaseMaterialId = 1;
        plane->baseMaterialId = 2;
        AddDomain(*plane, 1, 1);
        AddDomain(*plane, 2, 2);
        file.m_sections[1] = std::move(plane);
        auto line = std::make_unique<T_SECTION_D>();
        line->id = 2;
        line->type = SECTION_LINE;
        line->name = "Rod";
        line->curveIds = {5};
        file.m_sections[2] = std::move(line);

        file.m_materials[1] = MakeMaterial(1, "Steel", 2.0e5);
        file.m_materials[2] = MakeMaterial(2, "Alu", 7.0e4);
        auto ucs = std::make_unique<T_UCS_D>();
        ucs->id = 1;
        ucs->name = "U1";
        ucs->origin[0] = 3.0;
        ucs->angle = 30.0;
        file.m_ucs[1] = std::move(ucs);
        file.m_groups[1] = MakeGroup(1, "Own", {1}, {}, {});
        file.m_currentUcsId = 1;
        file.m_tolerance = 0.25;

        open.model.m_materials[1] = MakeMaterial(1, "Concrete", 3.0e4);
        open.model.m_nextMaterialId = 2;
        open.model.m_nextSectionId = 6;
        open.model.m_nextClosedLoopId = 3;
        open.model.m_nextCurveId = 11;
        open.model.m_nextPointId = 21;
        open.model.BeginUndoAction();
        open.model.SetUndoActionTitle("Import KLX project");
    }

    static void AddDomain(T_SECTION_D& section, int id, int materialId)
    {
        auto domain = std::make_unique<T_DOMAIN_D>();
        domain->id = id;
        domain->materialId = materialId;
        section.domains[id] = std::move(domain);
    }

    CSectModel& Open() { return open.model; }

    CSectModel file;
    ReportingModel open;
};

TEST_F(ProjectImport, EverythingArrivesUnderFreshIdsWithItsReferencesTranslated)
{
    const MergedRecordIds merged = MergeImportedModel(Open(), file, "BEAM-1");
    EXPECT_EQ(merged.sections, (std::vector<int>{6, 7}));
    EXPECT_EQ(merged.closedLoops, (std::vector<int>{3}));
    EXPECT_EQ(merged.curves, (std::vector<int>{11, 12, 13, 14, 15, 16}));
    EXPECT_EQ(merged.points, (std::vector<int>{21, 22, 23, 24, 25, 26, 27, 28, 29}));

    // Materials after the open project's, named after the file; each reference
    // follows its own material.
    ASSERT_EQ(IdsOf(Open().m_materials), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Open().FindMaterial(1)->name, "Concrete");
    EXPECT_EQ(Open().FindMaterial(2)->name, "BEAM-1-Steel");
    EXPECT_EQ(Open().FindMaterial(3)->name, "BEAM-1-Alu");
    EXPECT_EQ(Open().FindMaterial(3)->elasticModulus, 7.0e4);
    const T_SECTION_D* plane = Open().FindSection(6);
    ASSERT_NE(plane, nullptr);
    EXPECT_EQ(plane->name, "Plate");
    EXPECT_EQ(plane->FindDomain(1)->materialId, 2);
    EXPECT_EQ(plane->FindDomain(2)->materialId, 3);
    EXPECT_EQ(plane->assignedBaseMaterialId, 2);
    EXPECT_EQ(plane->baseMaterialId, 3);
    EXPECT_EQ(plane->curveIds, (std::vector<int>{11, 12, 13, 14}));
    EXPECT_EQ(plane->centroidPointId, 25);
    EXPECT_EQ(Open().FindSection(7)->name, "Rod");
    EXPECT_EQ(Open().FindSection(7)->curveIds, (std::vector<int>{15}));

    // The sections' curves name them as owners; the loop keeps its reversed
    // curve and the model loops' kind.
    EXPECT_EQ(Open().FindCurve(11)->sectionId, 6);
    EXPECT_EQ(Open().FindCurve(15)->sectionId, 7);
    EXPECT_EQ(Open().FindCurve(16)->sectionId, 0);
    EXPECT_EQ(Open().FindCurve(14)->pointIds, (std::vector<int>{24, 21}));
    EXPECT_EQ(Open().FindCurve(14)->closedLoopIds, (std::vector<int>{3}));
    EXPECT_EQ(Open().FindClosedLoop(3)->curveIds, (std::vector<int>{11, 12, 13, -14}));
    EXPECT_EQ(Open().FindClosedLoop(3)->kind, 0);
    EXPECT_EQ(Open().FindPoint(29)->xy[0], 50.0);

    ASSERT_EQ(Open().m_ucs.size(), 2u);
    const T_UCS_D& ucs = *Open().m_ucs.rbegin()->second;
    EXPECT_EQ(ucs.name, "BEAM-1-U1");
    EXPECT_EQ(ucs.angle, 30.0);
    EXPECT_EQ(ucs.origin[0], 3.0);

    // One group of the sections, curves and points; the file's own group,
    // work UCS and settings stay behind.
    ASSERT_EQ(Open().m_groups.size(), 1u);
    const T_GROUP_D& group = *Open().m_groups.begin()->second;
    EXPECT_EQ(group.name, "KLX:BEAM-1");
    EXPECT_EQ(group.sectionIds, merged.sections);
    EXPECT_EQ(group.curveIds, merged.curves);
    EXPECT_EQ(group.pointIds, merged.points);
    EXPECT_EQ(Open().m_currentUcsId, 0);
    EXPECT_EQ(Open().m_tolerance, 1.0);
    EXPECT_EQ(Open().m_nextSectionId, 8);
    EXPECT_EQ(Open().m_nextMaterialId, 4);
    EXPECT_TRUE(Open().m_newcomerSections.empty());
    EXPECT_TRUE(open.user.boxes.empty());
    EXPECT_TRUE(open.user.questions.empty());
}

TEST_F(ProjectImport, OneUndoTakesBackEveryMergedRecord)
{
    const std::vector<int> openMaterials = IdsOf(Open().m_materials);
    MergeImportedModel(Open(), file, "BEAM-1");
    ASSERT_TRUE(Open().Undo(true));
    EXPECT_EQ(open.user.LastLine(), "Undo: Import KLX project");
    EXPECT_TRUE(Open().m_sections.empty());
    EXPECT_TRUE(Open().m_closedLoops.empty());
    EXPECT_TRUE(Open().m_curves.empty());
    EXPECT_TRUE(Open().m_points.empty());
    EXPECT_TRUE(Open().m_groups.empty());
    EXPECT_EQ(Open().m_ucs.size(), 1u);
    EXPECT_EQ(IdsOf(Open().m_materials), openMaterials);
}

TEST_F(ProjectImport, AFileInMetresArrivesInTheOpenMillimetres)
{
    file.m_lengthUnit = 1;
    MergeImportedModel(Open(), file, "M");
    EXPECT_EQ(Open().FindPoint(22)->xy[0], 10000.0);
    EXPECT_EQ(Open().FindPoint(29)->xy[0], 50000.0);
    EXPECT_TRUE(open.user.questions.empty());
}

TEST_F(ProjectImport, ReferencesToRecordsTheFileDoesNotHoldArriveEmpty)
{
    file.FindSection(1)->FindDomain(2)->materialId = 9;
    file.FindSection(1)->baseMaterialId = 9;
    file.FindSection(1)->centroidPointId = 99;
    file.FindCurve(1)->closedLoopIds = {7, 1};
    file.FindCurve(6)->sectionId = 1;  // claimed, but section 1 does not list it
    file.FindCurve(5)->sectionId = 0;  // listed by section 2, but not claiming it

    MergeImportedModel(Open(), file, "BEAM-1");
    const T_SECTION_D* plane = Open().FindSection(6);
    EXPECT_EQ(plane->FindDomain(1)->materialId, 2);
    EXPECT_EQ(plane->FindDomain(2)->materialId, 0);
    EXPECT_EQ(plane->baseMaterialId, 0);
    EXPECT_EQ(plane->centroidPointId, 0);
    EXPECT_EQ(Open().FindCurve(11)->closedLoopIds, (std::vector<int>{3}));
    EXPECT_EQ(Open().FindCurve(16)->sectionId, 0);
    EXPECT_EQ(Open().FindCurve(15)->sectionId, 7);
}

TEST_F(ProjectImport, ASecondGroupOfTheSameNameIsNumbered)
{
    Open().m_groups[1] = MakeGroup(1, "klx:beam-1", {}, {}, {});
    Open().m_nextGroupId = 2;
    MergeImportedModel(Open(), file, "BEAM-1");
    CSectModel again;
    again.m_points[1] = MakePoint(1, 1.0, 2.0);
    MergeImportedModel(Open(), again, "BEAM-1");
    std::vector<std::string> names;
    for (const auto& [id, group] : Open().m_groups)
        names.push_back(group->name);
    EXPECT_EQ(names, (std::vector<std::string>{"klx:beam-1", "KLX:BEAM-1 (2)", "KLX:BEAM-1 (3)"}));
}

TEST_F(ProjectImport, AFileWhoseIdsWouldPassALimitDoesNotFit)
{
    EXPECT_TRUE(ImportFitsIdLimits(Open(), file));
    EXPECT_TRUE(open.user.boxes.empty());
    Open().m_nextSectionId = IdUpperBound(IdKind::Section) - 1;
    EXPECT_FALSE(ImportFitsIdLimits(Open(), file));
    ASSERT_EQ(open.user.boxes.size(), 1u);
    EXPECT_EQ(open.user.boxes[0].kind, BoxKind::Warning);
    Open().m_nextSectionId = 6;
    Open().m_nextPointId = IdUpperBound(IdKind::Point) - 8;
    EXPECT_FALSE(ImportFitsIdLimits(Open(), file));
    EXPECT_EQ(open.user.boxes.size(), 2u);
}

TEST(ProjectImportName, IsTheUpperCasedFileNameWithoutFolderAndExtension)
{
    const std::pair<const char*, const char*> cases[] = {
        {"projects/Beam-1.klx", "BEAM-1"}, {"work/a.b/beam", "BEAM"}, {"data/x.y.klx", "X.Y"},
        {"plain.klx", "PLAIN"},           {"/abs/Ünï.klx", "ÜNï"},   {"dir/.klx", ""},
    };
    for (const auto& [path, name] : cases)
        EXPECT_EQ(ImportNameFromPath(path), name) << path;
}

}  // namespace
