// Point > Query, Curve > Query and Section > Query: a few lines about one
// object in the output window.

#include "commands/IdLists.h"
#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <cstdlib>
#include <set>

namespace {

// "(x, y)" in the GCS; "UCS: (local), GCS: (global)" in any other work UCS.
std::string CoordinateText(const T_UCS_D& ucs, const double global[2])
{
    if (ucs.id == 0)
        return FormatText("(%.3lf, %.3lf)", global[0], global[1]);
    double local[2];
    ucs.ToLocal(global, local);
    return FormatText("UCS: (%.3lf, %.3lf), GCS: (%.3lf, %.3lf)", local[0], local[1], global[0], global[1]);
}

const char* AlignmentWord(int alignment)
{
    switch (alignment) {
    case ALIGN_CENTER: return "CENTER";
    case ALIGN_LEFT: return "LEFT";
    case ALIGN_RIGHT: return "RIGHT";
    default: return "";
    }
}

// "> Closed loop [3]: 4 - '7' - 9": the loop's curves, the queried one quoted.
std::string ClosedLoopLine(const T_LOOP_D& loop, int queriedCurveId)
{
    std::string line = FormatText("> Closed loop [%d]: ", loop.id);
    for (size_t i = 0; i < loop.curveIds.size(); ++i) {
        const int curveId = std::abs(loop.curveIds[i]);
        const bool last = i + 1 == loop.curveIds.size();
        if (curveId == queriedCurveId)
            line += FormatText(last ? "'%d'" : "'%d' - ", curveId);
        else
            line += FormatText(last ? "%d" : "%d - ", curveId);
    }
    return line;
}

std::string MaterialEntry(const CSectModel& model, int materialId)
{
    if (const T_MATERIAL_D* material = model.FindMaterial(materialId))
        return FormatText("[%d:%s]", materialId, material->name.c_str());
    return FormatText("[%d:NOT DEFINED]", materialId);
}

// Distinct closed loops of the model curves a line section was made from.
int CountSectionClosedLoops(const CSectModel& model, const T_SECTION_D& section)
{
    if (section.type != SECTION_LINE)
        return 0;
    std::set<int> loops;
    for (int curveId : section.curveIds) {
        if (const T_CURVE_D* curve = model.FindCurve(curveId))
            loops.insert(curve->closedLoopIds.begin(), curve->closedLoopIds.end());
    }
    return static_cast<int>(loops.size());
}

std::string SectionHeadLine(const T_SECTION_D& section, int closedLoopCount)
{
    const char* typeWord = section.type == SECTION_PLANE ? "PLANE" : "LINE";
    const int curveCount = static_cast<int>(section.curveIds.size());
    const char* name = section.name.c_str();
    if (section.hasLocation && closedLoopCount > 0) {
        return FormatText("Section [%s] - \"%s\", Location: %.3lf, N(Closed loop): %d, N(Curve): %d", name,
                          typeWord, section.location, closedLoopCount, curveCount);
    }
    if (section.hasLocation) {
        return FormatText("Section [%s] - \"%s\", Location: %.3lf, N(Curve): %d", name, typeWord,
                          section.location, curveCount);
    }
    if (closedLoopCount > 0) {
        return FormatText("Section [%s] - \"%s\", N(Closed loop): %d, N(Curve): %d", name, typeWord,
                          closedLoopCount, curveCount);
    }
    return FormatText("Section [%s] - \"%s\", N(Curve): %d", name, typeWord, curveCount);
}

// The materials of the used domains, in order of first appearance; empty
// when none has one.
std::string DomainMaterialLine(const CSectModel& model, const T_SECTION_D& section)
{
    std::vector<int> materialIds;
    for (const auto& [id, domain] : section.domains) {
        if (domain->used && domain->materialId != 0 && !ContainsId(materialIds, domain->materialId))
            materialIds.push_back(domain->materialId);
    }
    if (materialIds.empty())
        return {};
    std::string line = "> Domain material: ";
    for (size_t i = 0; i < materialIds.size(); ++i) {
        line += MaterialEntry(model, materialIds[i]);
        if (i + 1 < materialIds.size())
            line += ", ";
    }
    return line;
}

} // namespace

bool CSectModel::QueryPoint(int pointId)
{
    const T_POINT_D* point = FindPoint(pointId);
    if (!point)
        return m_reporter.ReportPointNotFound(pointId);
    const T_UCS_D& ucs = *GetCurrentUcs();
    m_reporter.PrintOutput(FormatText("Point [%d] - ", pointId) + CoordinateText(ucs, point->xy));

    for (const auto& [id, section] : m_sections) {
        if (section->propertiesCalculated && section->centroidPointId == pointId) {
            const char* format = section->type == SECTION_PLANE ? "* Centroid of plane section [%s]"
                                                                 : "* Centroid of line section [%s]";
            m_reporter.PrintOutput(FormatText(format, section->name.c_str()));
            break;
        }
    }

    if (const T_POINT_D* earlier = FindPoint(m_lastQueriedPointId)) {
        double here[2];
        double there[2];
        ucs.ToLocal(point->xy, here);
        ucs.ToLocal(earlier->xy, there);
        m_reporter.PrintOutput(FormatText("> Distance from point [%d]: %.3lf (Dx: %.3lf, Dy: %.3lf)", earlier->id,
                                          Distance(point->xy, earlier->xy), here[0] - there[0],
                                          here[1] - there[1]));
    }
    m_lastQueriedPointId = pointId;
    return true;
}

bool CSectModel::QueryCurve(int curveId)
{
    const T_CURVE_D* curve = FindCurve(curveId);
    if (!curve)
        return m_reporter.ReportCurveNotFound(curveId);
    if (!AllPointsExist(*this, curve->pointIds))
        return false;

    const std::vector<int>& ids = curve->pointIds;
    double length = 0.0;
    for (size_t i = 1; i < ids.size(); ++i)
        length += Distance(FindPoint(ids[i - 1])->xy, FindPoint(ids[i])->xy);
    if (curve->width > 0.0) {
        m_reporter.PrintOutput(FormatText("Curve [%d] - Approx. length: %.3lf, Width: %.3lf (%s)", curveId, length,
                                          curve->width, AlignmentWord(curve->alignment)));
    } else {
        m_reporter.PrintOutput(FormatText("Curve [%d] - Approx. length: %.3lf", curveId, length));
    }
    // A curve without points has no ends to name.
    if (ids.size() == 2)
        m_reporter.PrintOutput(FormatText("> N(Point): 2 (%d, %d)", ids.front(), ids.back()));
    else if (!ids.empty())
        m_reporter.PrintOutput(FormatText("> N(Point): %d (%d, ..., %d)", static_cast<int>(ids.size()),
                                          ids.front(), ids.back()));
    for (int loopId : curve->closedLoopIds) {
        if (const T_LOOP_D* loop = FindClosedLoop(loopId))
            m_reporter.PrintOutput(ClosedLoopLine(*loop, curveId));
    }
    return true;
}

bool CSectModel::QuerySection(int sectionId)
{
    const T_SECTION_D* section = FindSection(sectionId);
    if (!section)
        return m_reporter.ReportSectionNotFound(sectionId);
    m_reporter.PrintOutput(SectionHeadLine(*section, CountSectionClosedLoops(*this, *section)));
    const std::string domainMaterials = DomainMaterialLine(*this, *section);
    if (!domainMaterials.empty())
        m_reporter.PrintOutput(domainMaterials);

    const int baseMaterialId = section->propertiesCalculated && section->baseMaterialId != 0
        ? section->baseMaterialId
        : section->assignedBaseMaterialId;
    if (baseMaterialId != 0)
        m_reporter.PrintOutput("* Base material: " + MaterialEntry(*this, baseMaterialId));
    if (!section->propertiesCalculated)
        return true;

    const double* r = section->results;
    m_reporter.PrintOutput(FormatText("> A: %g, Asx: %g, Asy: %g, Ixx: %g, Iyy: %g, Ixy: %g, J: %g", r[RESULT_A],
                                      r[RESULT_ASX], r[RESULT_ASY], r[RESULT_IXX], r[RESULT_IYY], ShownResult(*section, RESULT_IXY),
                                      r[RESULT_J]));
    if (const T_POINT_D* centroid = FindPoint(section->centroidPointId)) {
        m_reporter.PrintOutput(FormatText("> Centroid point [%d] - ", centroid->id)
                               + CoordinateText(*GetCurrentUcs(), centroid->xy));
    }
    return true;
}
