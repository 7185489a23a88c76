// Properties of a plane section: area, centroid and second moments by exact
// integration over the polygons of the section's used domains (over the mesh
// the mesh driver left in the model when the section has no domain loops), mixed materials as a
// transformed section, extreme fibres from the boundary points, J and the
// shear areas from the solid model of the mesh.

#include <cmath>
#include <cstdlib>
#include <map>
#include <vector>

#include "calc/CalculationCancel.h"
#include "calc/SectPropFem.h"
#include "calc/SectionMoments.h"
#include "model/Geometry.h"
#include "model/TextFormat.h"

namespace {

bool HasUsedDomainOfMaterial(const T_SECTION_D& section, int materialId)
{
    for (const auto& [id, domain] : section.domains) {
        if (domain->used && domain->materialId == materialId)
            return true;
    }
    return false;
}

bool MixesMaterials(const T_SECTION_D& section, int baseMaterialId)
{
    int material = baseMaterialId;
    for (const auto& [id, domain] : section.domains) {
        if (!domain->used)
            continue;
        if (material == 0)
            material = domain->materialId;
        else if (domain->materialId != material)
            return true;
    }
    return false;
}

// The used domains' material with the largest faceted area; the earliest in
// domain order on ties.
int LargestMaterial(const T_SECTION_D& section)
{
    std::vector<int> order;
    std::map<int, double> areaOf;
    for (const auto& [id, domain] : section.domains) {
        if (domain->used && areaOf.emplace(domain->materialId, 0.0).second)
            order.push_back(domain->materialId);
    }
    for (const auto& [id, facet] : section.facets) {
        const T_DOMAIN_D* domain = section.FindDomain(facet->domainId);
        const T_POINT_D* p1 = section.FindPoint(facet->pointIds[0]);
        const T_POINT_D* p2 = section.FindPoint(facet->pointIds[1]);
        const T_POINT_D* p3 = section.FindPoint(facet->pointIds[2]);
        if (domain && domain->used && p1 && p2 && p3)
            areaOf[domain->materialId] += TriangleArea(p1->xy, p2->xy, p3->xy);
    }
    int largest = 0;
    double largestArea = -1.0;
    for (int material : order) {
        if (areaOf[material] > largestArea) {
            largest = material;
            largestArea = areaOf[material];
        }
    }
    return largest;
}

// Chooses the base material and writes the elements' modular ratios; the
// ratio of each material of a mixed section's used domains into ratioOf
// (left empty when the section is not mixed: every ratio is 1).
bool ChooseBaseMaterial(CSectModel& model, T_SECTION_D& section, std::map<int, double>& ratioOf)
{
    int base = section.assignedBaseMaterialId;
    if (base != 0 && (!model.FindMaterial(base) || !HasUsedDomainOfMaterial(section, base)))
        base = 0;
    if (MixesMaterials(section, base)) {
        if (base == 0)
            base = LargestMaterial(section);
        const T_MATERIAL_D* baseMaterial = model.FindMaterial(base);
        if (!baseMaterial)
            return model.m_reporter.ReportMaterialNotFound(base);
        if (!(baseMaterial->elasticModulus > 0.0))
            return ReportSectionNotCalculable(
                model, FormatText("The elastic modulus of the base material [ID:%d] of plane section [%s] is not "
                                  "greater than 0.",
                                  base, section.name.c_str()));
        for (auto& [id, element] : model.m_feElements) {
            if (element->materialId == base)
                continue;
            const T_MATERIAL_D* material = model.FindMaterial(element->materialId);
            if (!material)
                return model.m_reporter.ReportMaterialNotFound(element->materialId);
            element->modularRatio = material->elasticModulus / baseMaterial->elasticModulus;
        }
        for (const auto& [id, domain] : section.domains) {
            if (!domain->used)
                continue;
            const T_MATERIAL_D* material = model.FindMaterial(domain->materialId);
            if (!material)
                return model.m_reporter.ReportMaterialNotFound(domain->materialId);
            ratioOf[domain->materialId] = material->elasticModulus / baseMaterial->elasticModulus;
        }
    }
    section.baseMaterialId = base;
    return true;
}

SectionMomentSums IntegrateMesh(const CSectModel& model)
{
    SectionMomentSums sums;
    for (const auto& [id, element] : model.m_feElements) {
        const double* corner[4] = {};
        const int count = ElementCorners(model, *element, corner);
        if (count == 3)
            sums.AddTriangle(corner[0], corner[1], corner[2], element->modularRatio);
        else if (count == 4)
            sums.AddQuadrilateral(corner[0], corner[1], corner[2], corner[3], element->modularRatio);
    }
    return sums;
}

// Calls visit(from, to) for every segment of the loop in the loop's running
// direction; false when a curve or a point is missing.
template <class Visit>
bool ForEachLoopSegment(const T_SECTION_D& section, const T_LOOP_D& loop, Visit visit)
{
    for (int entry : loop.curveIds) {
        const T_SCURVE_D* curve = section.FindCurve(std::abs(entry));
        if (!curve)
            return false;
        const std::vector<int>& ids = curve->pointIds;
        for (std::size_t k = 0; k + 1 < ids.size(); ++k) {
            const T_POINT_D* from = section.FindPoint(entry > 0 ? ids[k] : ids[ids.size() - 1 - k]);
            const T_POINT_D* to = section.FindPoint(entry > 0 ? ids[k + 1] : ids[ids.size() - 2 - k]);
            if (!from || !to)
                return false;
            visit(from->xy, to->xy);
        }
    }
    return true;
}

// The sums over the used domains' own polygons, the outline less the loops
// inside it, each domain weighted by its material's modular ratio: exact for
// the section's geometry, whatever the mesh makes of its curves. False when
// no used domain has a loop or a loop, curve or point is missing.
bool IntegrateDomains(const T_SECTION_D& section, const std::map<int, double>& ratioOf, SectionMomentSums& sums)
{
    bool any = false;
    for (const auto& [id, domain] : section.domains) {
        if (!domain->used)
            continue;
        const auto found = ratioOf.find(domain->materialId);
        const double ratio = found == ratioOf.end() ? 1.0 : found->second;
        for (std::size_t i = 0; i < domain->loopIds.size(); ++i) {
            const T_LOOP_D* loop = section.FindLoop(domain->loopIds[i]);
            if (!loop)
                return false;
            double twiceArea = 0.0;
            if (!ForEachLoopSegment(section, *loop, [&twiceArea](const double* from, const double* to) {
                    twiceArea += from[0] * to[1] - to[0] * from[1];
                }))
                return false;
            // The outline adds its area and the loops inside it take theirs
            // away, whichever way each runs.
            const double sign = (twiceArea > 0.0) == (i == 0) ? 1.0 : -1.0;
            ForEachLoopSegment(section, *loop,
                               [&](const double* from, const double* to) { sums.AddEdge(from, to, sign * ratio); });
            any = true;
        }
    }
    return any;
}

void ScanBoundaryPoints(const T_SECTION_D& section, ExtremeFibres& fibres)
{
    for (const auto& [domainId, domain] : section.domains) {
        if (!domain->used)
            continue;
        for (int loopId : domain->loopIds) {
            const T_LOOP_D* loop = section.FindLoop(loopId);
            if (!loop)
                continue;
            for (int signedCurveId : loop->curveIds) {
                const T_SCURVE_D* curve = section.FindCurve(std::abs(signedCurveId));
                if (!curve)
                    continue;
                for (int pointId : curve->pointIds) {
                    if (const T_POINT_D* point = section.FindPoint(pointId))
                        fibres.Include(point->xy);
                }
            }
        }
    }
}

// Short lines, so that each stays in view in a narrow output window.
void ReportTorsionMayBeHigh(const CSectModel& model, const std::string& sectionName)
{
    model.m_reporter.PrintOutput(FormatText("* J of plane section [%s] may be high: its thin open walls resist",
                                            sectionName.c_str()));
    model.m_reporter.PrintOutput("  warping too strongly for the longest solid model that rounding allows.");
    model.m_reporter.PrintOutput("  Check J by hand: about the sum of b*t^3/3 over the walls.");
}

}  // namespace

bool CSectModel::CalcPlaneSectionProperties(T_SECTION_D* section)
{
    if (!section)
        return false;
    ResetSectionProperties(*section);
    std::map<int, double> ratioOf;
    if (!ChooseBaseMaterial(*this, *section, ratioOf))
        return false;

    SectionMomentSums meshSums = IntegrateMesh(*this);
    SectionMomentSums sums;
    if (!IntegrateDomains(*section, ratioOf, sums))
        sums = meshSums;
    if (!sums.HasCentroid() || !meshSums.HasCentroid())
        return ReportSectionNotCalculable(
            *this, FormatText("The area of plane section [%s] is not greater than 0.", section->name.c_str()));
    double centroid[2], meshCentroid[2];
    sums.MoveToCentroid(centroid);
    meshSums.MoveToCentroid(meshCentroid);

    // The solid model runs before the centroid point is placed, so a failure
    // leaves no point behind and no J of 0 that would read as a result. Its
    // load point is the centroid of the mesh it extrudes. Escape stops it
    // with no result.
    double torsion = 0.0, shearAreaX = 0.0, shearAreaY = 0.0;
    bool torsionMayBeHigh = false;
    const CSectPropFem solidModel;
    const CancelWatch escape([this] { return m_reporter.PollCancel() == PolledMessage::Escape; });
    const bool solved = !CancelWatch::Requested() &&
                        solidModel.Calculate(m_feNodes, m_feElements, m_materials, section->baseMaterialId,
                                             meshCentroid, torsion, shearAreaX, shearAreaY, &torsionMayBeHigh);
    // A cancel inside a longer torsion solve reads as a failed model to the
    // solid model, so it is asked before anything of the result is used.
    if (escape.Cancelled()) {
        m_reporter.PrintOutput("* Calculation is canceled.");
        return false;
    }
    if (!solved)
        return ReportSectionNotCalculable(
            *this, FormatText("The torsion constant and the shear areas of plane section [%s] cannot be found "
                              "from its mesh.",
                              section->name.c_str()));

    section->results[RESULT_A] = sums.area;
    section->results[RESULT_IXX] = sums.ixx;
    section->results[RESULT_IYY] = sums.iyy;
    section->results[RESULT_IXY] = sums.ixy;
    section->results[RESULT_J] = torsion;
    section->results[RESULT_ASX] = shearAreaX;
    section->results[RESULT_ASY] = shearAreaY;
    ExtremeFibres fibres(centroid);
    ScanBoundaryPoints(*section, fibres);
    fibres.Store(*section);
    section->centroidPointId = PlaceCentroidPoint(*this, *section, centroid, fibres.Extent());
    section->propertiesCalculated = true;
    if (torsionMayBeHigh)
        ReportTorsionMayBeHigh(*this, section->name);
    return true;
}
