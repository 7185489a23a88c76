#include "ProjectFileTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <bit>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>

#include <unistd.h>

LayoutBytes& LayoutBytes::UInt(std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8)
        bytes.push_back(static_cast<char>((value >> shift) & 0xFF));
    return *this;
}

LayoutBytes& LayoutBytes::Int(std::int32_t value)
{
    return UInt(static_cast<std::uint32_t>(value));
}

LayoutBytes& LayoutBytes::Double(double value)
{
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int shift = 0; shift < 64; shift += 8)
        bytes.push_back(static_cast<char>((bits >> shift) & 0xFF));
    return *this;
}

LayoutBytes& LayoutBytes::Flag(bool value)
{
    bytes.push_back(value ? 1 : 0);
    return *this;
}

LayoutBytes& LayoutBytes::Name(const std::string& name)
{
    Int(static_cast<std::int32_t>(name.size()));
    bytes += name;
    return *this;
}

LayoutBytes& LayoutBytes::IdList(const std::vector<int>& ids)
{
    UInt(static_cast<std::uint32_t>(ids.size()));
    for (int id : ids)
        Int(id);
    return *this;
}

LayoutBytes& LayoutBytes::Raw(const std::string& raw)
{
    bytes += raw;
    return *this;
}

LayoutBytes NewProjectHeader(std::int32_t version)
{
    LayoutBytes file;
    file.Int(version).Int(0).Int(50).Int(50).Double(100.0).Int(3).Int(3);
    for (int counter = 0; counter < 7; ++counter)
        file.Int(1);
    file.Double(1.0);
    if (version == 20051227)
        file.Double(10.0);
    return file;
}

LayoutBytes& AppendNewGcsRecord(LayoutBytes& file)
{
    file.Int(0).Name("GCS").Int(0);
    for (int value = 0; value < 10; ++value)
        file.Double(0.0);
    return file;
}

std::unique_ptr<T_POINT_D> MakePoint(int id, double x, double y)
{
    auto point = std::make_unique<T_POINT_D>();
    point->id = id;
    point->xy[0] = x;
    point->xy[1] = y;
    return point;
}

std::unique_ptr<T_CURVE_D> MakeCurve(int id, std::vector<int> pointIds, int sectionId, std::vector<int> loopIds)
{
    auto curve = std::make_unique<T_CURVE_D>();
    curve->id = id;
    curve->pointIds = std::move(pointIds);
    curve->sectionId = sectionId;
    curve->closedLoopIds = std::move(loopIds);
    return curve;
}

std::unique_ptr<T_GROUP_D> MakeGroup(int id, std::string name, std::vector<int> sectionIds, std::vector<int> curveIds,
                                     std::vector<int> pointIds)
{
    auto group = std::make_unique<T_GROUP_D>();
    group->id = id;
    group->name = std::move(name);
    group->sectionIds = std::move(sectionIds);
    group->curveIds = std::move(curveIds);
    group->pointIds = std::move(pointIds);
    return group;
}

namespace {

void SetResults(T_SECTION_D& section, double first)
{
    for (int i = 0; i < RESULT_COUNT; ++i)
        section.results[i] = first + i * 1.5;
}

std::unique_ptr<T_SECTION_D> PlaneSection()
{
    auto section = std::make_unique<T_SECTION_D>();
    section->id = 1;
    section->type = SECTION_PLANE;
    section->name = "Section-P1";
    section->assignedBaseMaterialId = 2;
    section->colour[0] = 255;
    section->colour[1] = 128;
    section->colour[2] = 7;
    section->triple1[0] = 1.25;
    section->triple2[2] = -3.5;
    section->hasLocation = true;
    section->location = 12.5;
    section->propertiesCalculated = true;
    section->centroidPointId = 7;
    section->baseMaterialId = 1;
    SetResults(*section, 5000.0);
    section->curveIds = {1, 2, 3, 4};

    const double corners[4][2] = {{0, 0}, {100, 0}, {100, 50}, {0, 50}};
    for (int id = 1; id <= 4; ++id) {
        section->points[id] = MakePoint(id, corners[id - 1][0], corners[id - 1][1]);
        auto curve = std::make_unique<T_SCURVE_D>();
        curve->id = id;
        curve->pointIds = {id, id % 4 + 1};
        curve->meshDivisions = 2 + id;
        curve->meshNodeIds = {10 * id, 10 * id + 1};
        curve->twinCurveId = id == 3 ? 4 : 0;
        curve->tracingState = TRACE_USED_UP;
        section->curves[id] = std::move(curve);
    }
    auto outline = std::make_unique<T_LOOP_D>();
    outline->id = 1;
    outline->kind = LOOP_DOMAIN_OUTLINE;
    outline->curveIds = {1, 2, 3, 4};
    section->loops[1] = std::move(outline);
    auto hole = std::make_unique<T_LOOP_D>();
    hole->id = 2;
    hole->kind = LOOP_HOLE_OUTLINE;
    hole->curveIds = {3};
    section->loops[2] = std::move(hole);

    auto used = std::make_unique<T_DOMAIN_D>();
    used->id = 1;
    used->used = true;
    used->materialId = 1;
    used->loopIds = {1, 2};
    section->domains[1] = std::move(used);
    // A domain may keep the id of a material that was deleted.
    auto unused = std::make_unique<T_DOMAIN_D>();
    unused->id = 2;
    unused->used = false;
    unused->materialId = 99;
    unused->loopIds = {2};
    section->domains[2] = std::move(unused);

    for (int id = 1; id <= 2; ++id) {
        auto facet = std::make_unique<T_FACET_D>();
        facet->id = id;
        facet->domainId = 1;
        facet->pointIds[0] = 1;
        facet->pointIds[1] = id + 1;
        facet->pointIds[2] = id + 2;
        section->facets[id] = std::move(facet);
    }
    section->nextDomainId = 3;
    section->nextLoopId = 3;
    section->nextCurveId = 5;
    section->nextFacetId = 3;
    section->nextPointId = 5;
    return section;
}

std::unique_ptr<T_SECTION_D> LineSection()
{
    auto section = std::make_unique<T_SECTION_D>();
    section->id = 2;
    section->type = SECTION_LINE;
    section->name = "Section-L2";
    section->colour[1] = 200;
    section->propertiesCalculated = true;
    section->propertiesModifiedByHand = true;
    section->centroidPointId = 8;
    SetResults(*section, 70.0);
    section->curveIds = {5};
    return section;
}

std::unique_ptr<T_MATERIAL_D> Material(int id, std::string name, double modulus, double poisson)
{
    auto material = std::make_unique<T_MATERIAL_D>();
    material->id = id;
    material->name = std::move(name);
    material->elasticModulus = modulus;
    material->poissonRatio = poisson;
    return material;
}

// Bit for bit, so that a NaN or a negative zero read back counts as the same.
void ExpectSameDouble(double expected, double actual, const char* what = "")
{
    EXPECT_EQ(std::bit_cast<std::uint64_t>(expected), std::bit_cast<std::uint64_t>(actual))
        << what << ": " << expected << " vs " << actual;
}

template <class T, class Compare>
void ExpectSameMap(const IdMap<T>& expected, const IdMap<T>& actual, const char* what, Compare compare)
{
    ASSERT_EQ(expected.size(), actual.size()) << what;
    for (auto e = expected.begin(), a = actual.begin(); e != expected.end(); ++e, ++a) {
        SCOPED_TRACE(testing::Message() << what << " " << e->first);
        ASSERT_EQ(e->first, a->first);
        EXPECT_EQ(a->first, a->second->id);
        compare(*e->second, *a->second);
    }
}

void ExpectSamePoint(const T_POINT_D& e, const T_POINT_D& a)
{
    EXPECT_EQ(e.id, a.id);
    ExpectSameDouble(e.xy[0], a.xy[0]);
    ExpectSameDouble(e.xy[1], a.xy[1]);
    for (int i = 0; i < 3; ++i)
        ExpectSameDouble(e.further[i], a.further[i]);
    EXPECT_EQ(a.work, 0);
}

void ExpectSameSection(const T_SECTION_D& e, const T_SECTION_D& a)
{
    EXPECT_EQ(e.id, a.id);
    EXPECT_EQ(e.type, a.type);
    EXPECT_EQ(e.name, a.name);
    EXPECT_EQ(e.assignedBaseMaterialId, a.assignedBaseMaterialId);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(e.colour[i], a.colour[i]);
        ExpectSameDouble(e.triple1[i], a.triple1[i]);
        ExpectSameDouble(e.triple2[i], a.triple2[i]);
    }
    EXPECT_EQ(e.hasLocation, a.hasLocation);
    ExpectSameDouble(e.location, a.location);
    EXPECT_EQ(e.propertiesCalculated, a.propertiesCalculated);
    EXPECT_EQ(e.propertiesModifiedByHand, a.propertiesModifiedByHand);
    EXPECT_EQ(e.centroidPointId, a.centroidPointId);
    EXPECT_EQ(e.baseMaterialId, a.baseMaterialId);
    for (int i = 0; i < RESULT_COUNT; ++i)
        ExpectSameDouble(e.results[i], a.results[i], "result");
    EXPECT_EQ(e.nextDomainId, a.nextDomainId);
    EXPECT_EQ(e.nextLoopId, a.nextLoopId);
    EXPECT_EQ(e.nextCurveId, a.nextCurveId);
    EXPECT_EQ(e.nextFacetId, a.nextFacetId);
    EXPECT_EQ(e.nextPointId, a.nextPointId);
    EXPECT_EQ(e.curveIds, a.curveIds);
    // Not stored: they come back at their defaults.
    EXPECT_EQ(a.workMark, 0);
    EXPECT_TRUE(a.tracedLoops.empty() && a.tracedChains.empty());

    ExpectSameMap(e.domains, a.domains, "domain", [](const T_DOMAIN_D& ed, const T_DOMAIN_D& ad) {
        EXPECT_EQ(ed.used, ad.used);
        EXPECT_EQ(ed.materialId, ad.materialId);
        EXPECT_EQ(ed.loopIds, ad.loopIds);
        EXPECT_FALSE(ad.workFlag);
    });
    ExpectSameMap(e.loops, a.loops, "section loop", [](const T_LOOP_D& el, const T_LOOP_D& al) {
        EXPECT_EQ(el.kind, al.kind);
        EXPECT_EQ(el.curveIds, al.curveIds);
    });
    ExpectSameMap(e.curves, a.curves, "section curve", [](const T_SCURVE_D& ec, const T_SCURVE_D& ac) {
        EXPECT_EQ(ec.twinCurveId, ac.twinCurveId);
        EXPECT_EQ(ec.meshDivisions, ac.meshDivisions);
        EXPECT_EQ(ec.pointIds, ac.pointIds);
        EXPECT_EQ(ec.meshNodeIds, ac.meshNodeIds);
        EXPECT_TRUE(ac.meshNodeWork.empty() && ac.firstPointJunctions.empty() && ac.lastPointJunctions.empty());
        EXPECT_FALSE(ac.twoSided);
        EXPECT_EQ(ac.tracingState, 0);
    });
    ExpectSameMap(e.facets, a.facets, "facet", [](const T_FACET_D& ef, const T_FACET_D& af) {
        EXPECT_EQ(ef.domainId, af.domainId);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(ef.pointIds[i], af.pointIds[i]);
        EXPECT_EQ(af.highlight, 0);
    });
    ExpectSameMap(e.points, a.points, "section point", ExpectSamePoint);
}

} // namespace

void BuildRichModel(CSectModel& model)
{
    model.m_headerValue = 77;
    model.SetGrid(40, 60, 25.0);
    model.m_lengthUnit = 1;
    model.m_forceUnit = 2;
    model.m_tolerance = 0.01;
    model.m_angleStep = 5.0;

    const double places[9][2] = {{0, 0}, {100, 0}, {100, 50}, {0, 50}, {200, 0}, {300, 0}, {50, 25}, {250, 0}, {7, 7}};
    for (int id = 1; id <= 9; ++id)
        model.m_points[id] = MakePoint(id, places[id - 1][0], places[id - 1][1]);
    model.m_points[9]->further[0] = 0.5;
    model.m_points[9]->further[2] = -8.0;

    model.m_curves[1] = MakeCurve(1, {1, 2}, 1, {1});
    model.m_curves[2] = MakeCurve(2, {2, 3}, 1, {1});
    model.m_curves[3] = MakeCurve(3, {3, 4}, 1, {1});
    model.m_curves[4] = MakeCurve(4, {1, 4}, 1, {1});
    model.m_curves[5] = MakeCurve(5, {5, 6}, 2, {});
    model.m_curves[5]->alignment = ALIGN_LEFT;
    model.m_curves[5]->width = 10.0;
    model.m_curves[6] = MakeCurve(6, {1, 3}, 0, {});

    auto loop = std::make_unique<T_LOOP_D>();
    loop->id = 1;
    loop->curveIds = {1, 2, 3, -4};
    model.m_closedLoops[1] = std::move(loop);

    model.m_sections[1] = PlaneSection();
    model.m_sections[2] = LineSection();

    model.m_materials[1] = Material(1, "Steel", 2.1e4, 0.3);
    model.m_materials[2] = Material(2, "", 1000.0, 0.2);
    model.m_materials[5] = Material(5, std::string(1500, 'm'), 3.0e3, 0.5);

    auto ucs = std::make_unique<T_UCS_D>();
    ucs->id = 3;
    ucs->name = "UCS-3";
    ucs->definitionMode = UCS_BY_TWO_AXIS_POINTS;
    ucs->enteredOrigin[0] = 1.0;
    ucs->enteredOrigin[1] = 2.0;
    ucs->enteredAngle = 30.0;
    ucs->axisPoint1[0] = 1.0;
    ucs->axisPoint2[1] = 4.0;
    ucs->origin[0] = 1.0;
    ucs->origin[1] = 2.0;
    ucs->angle = 33.5;
    model.m_ucs[3] = std::move(ucs);

    model.m_groups[1] = MakeGroup(1, "Frame", {1, 2}, {6}, {9});
    model.m_groups[2] = MakeGroup(2, "Empty", {}, {}, {});

    model.m_nextSectionId = 3;
    model.m_nextClosedLoopId = 2;
    model.m_nextCurveId = 7;
    model.m_nextPointId = 10;
    model.m_nextMaterialId = 6;
    model.m_nextUcsId = 4;
    model.m_nextGroupId = 3;
}

void ExpectSameStoredContent(const CSectModel& expected, const CSectModel& actual)
{
    EXPECT_EQ(expected.m_headerValue, actual.m_headerValue);
    EXPECT_EQ(expected.m_gridCountX, actual.m_gridCountX);
    EXPECT_EQ(expected.m_gridCountY, actual.m_gridCountY);
    ExpectSameDouble(expected.m_gridSize, actual.m_gridSize);
    EXPECT_EQ(expected.m_lengthUnit, actual.m_lengthUnit);
    EXPECT_EQ(expected.m_forceUnit, actual.m_forceUnit);
    EXPECT_EQ(expected.m_nextSectionId, actual.m_nextSectionId);
    EXPECT_EQ(expected.m_nextClosedLoopId, actual.m_nextClosedLoopId);
    EXPECT_EQ(expected.m_nextCurveId, actual.m_nextCurveId);
    EXPECT_EQ(expected.m_nextPointId, actual.m_nextPointId);
    EXPECT_EQ(expected.m_nextMaterialId, actual.m_nextMaterialId);
    EXPECT_EQ(expected.m_nextUcsId, actual.m_nextUcsId);
    EXPECT_EQ(expected.m_nextGroupId, actual.m_nextGroupId);
    ExpectSameDouble(expected.m_tolerance, actual.m_tolerance);
    ExpectSameDouble(expected.m_angleStep, actual.m_angleStep);

    ExpectSameMap(expected.m_sections, actual.m_sections, "section", ExpectSameSection);
    ExpectSameMap(expected.m_closedLoops, actual.m_closedLoops, "closed loop", [](const T_LOOP_D& e, const T_LOOP_D& a) {
        EXPECT_EQ(e.curveIds, a.curveIds);
        EXPECT_EQ(a.kind, 0);
    });
    ExpectSameMap(expected.m_curves, actual.m_curves, "curve", [](const T_CURVE_D& e, const T_CURVE_D& a) {
        EXPECT_EQ(e.alignment, a.alignment);
        ExpectSameDouble(e.width, a.width);
        EXPECT_EQ(e.sectionId, a.sectionId);
        EXPECT_EQ(e.closedLoopIds, a.closedLoopIds);
        EXPECT_EQ(e.pointIds, a.pointIds);
        EXPECT_EQ(a.work, 0);
    });
    ExpectSameMap(expected.m_points, actual.m_points, "point", ExpectSamePoint);
    ExpectSameMap(expected.m_materials, actual.m_materials, "material", [](const T_MATERIAL_D& e, const T_MATERIAL_D& a) {
        EXPECT_EQ(e.name, a.name);
        ExpectSameDouble(e.elasticModulus, a.elasticModulus);
        ExpectSameDouble(e.poissonRatio, a.poissonRatio);
        EXPECT_EQ(a.spare, 0);
    });
    ExpectSameMap(expected.m_ucs, actual.m_ucs, "UCS", [](const T_UCS_D& e, const T_UCS_D& a) {
        EXPECT_EQ(e.name, a.name);
        EXPECT_EQ(e.definitionMode, a.definitionMode);
        const double* expectedValues[] = {e.enteredOrigin, &e.enteredAngle, e.axisPoint1, e.axisPoint2, e.origin,
                                          &e.angle};
        const double* actualValues[] = {a.enteredOrigin, &a.enteredAngle, a.axisPoint1, a.axisPoint2, a.origin,
                                        &a.angle};
        const int widths[] = {2, 1, 2, 2, 2, 1};
        for (int field = 0; field < 6; ++field) {
            for (int i = 0; i < widths[field]; ++i)
                ExpectSameDouble(expectedValues[field][i], actualValues[field][i], "UCS value");
        }
    });
    ExpectSameMap(expected.m_groups, actual.m_groups, "group", [](const T_GROUP_D& e, const T_GROUP_D& a) {
        EXPECT_EQ(e.name, a.name);
        EXPECT_EQ(e.sectionIds, a.sectionIds);
        EXPECT_EQ(e.curveIds, a.curveIds);
        EXPECT_EQ(e.pointIds, a.pointIds);
    });
}

void ExpectNewModel(const CSectModel& model)
{
    const CSectModel fresh;
    ExpectSameStoredContent(fresh, model);
    EXPECT_EQ(model.m_versionWord, fresh.m_versionWord);
}

std::string ProjectBytes(CSectModel& model)
{
    ProjectFileWriter file;
    model.WriteProjectContents(file);
    return file.Bytes();
}

bool ReadFromBytes(CSectModel& model, const std::string& bytes, bool report)
{
    ProjectFileReader file(bytes, "memory.klx");
    return model.ReadProjectFile(file, report);
}

std::string ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

ScratchFolder::ScratchFolder()
{
    static std::atomic<int> serial{0};
    folder_ = std::filesystem::temp_directory_path()
        / ("klx-io-test-" + std::to_string(::getpid()) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(folder_);
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::vector<std::string> ScratchFolder::FileNames() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
