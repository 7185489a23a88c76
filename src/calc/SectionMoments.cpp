#include "calc/SectionMoments.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "model/Geometry.h"
#include "model/TextFormat.h"

double TriangleSecondMoment(double area, double g, double a, double b, double c)
{
    return area * (a * a + b * b + c * c + 9.0 * g * g) / 12.0;
}

double TriangleProductMoment(double area, const double g[2], const double a[2], const double b[2],
                             const double c[2])
{
    return area * (a[0] * a[1] + b[0] * b[1] + c[0] * c[1] + 9.0 * g[0] * g[1]) / 12.0;
}

void SectionMomentSums::SetOriginOnce(const double p[2])
{
    if (!hasOrigin) {
        origin[0] = p[0];
        origin[1] = p[1];
        hasOrigin = true;
    }
}

void SectionMomentSums::AddLocalTriangle(const double q1[2], const double q2[2], const double q3[2],
                                         double scaledArea)
{
    const double a = scaledArea;
    const double g[2] = {(q1[0] + q2[0] + q3[0]) / 3.0, (q1[1] + q2[1] + q3[1]) / 3.0};
    area += a;
    first[0] += a * g[0];
    first[1] += a * g[1];
    ixx += TriangleSecondMoment(a, g[1], q1[1], q2[1], q3[1]);
    iyy += TriangleSecondMoment(a, g[0], q1[0], q2[0], q3[0]);
    ixy += TriangleProductMoment(a, g, q1, q2, q3);
}

void SectionMomentSums::AddTriangle(const double p1[2], const double p2[2], const double p3[2], double factor)
{
    SetOriginOnce(p1);
    const double q1[2] = {p1[0] - origin[0], p1[1] - origin[1]};
    const double q2[2] = {p2[0] - origin[0], p2[1] - origin[1]};
    const double q3[2] = {p3[0] - origin[0], p3[1] - origin[1]};
    AddLocalTriangle(q1, q2, q3, TriangleArea(q1, q2, q3) * factor);
}

void SectionMomentSums::AddEdge(const double from[2], const double to[2], double factor)
{
    SetOriginOnce(from);
    const double o[2] = {0.0, 0.0};
    const double q1[2] = {from[0] - origin[0], from[1] - origin[1]};
    const double q2[2] = {to[0] - origin[0], to[1] - origin[1]};
    AddLocalTriangle(o, q1, q2, (q1[0] * q2[1] - q2[0] * q1[1]) / 2.0 * factor);
}

void SectionMomentSums::AddQuadrilateral(const double p1[2], const double p2[2], const double p3[2],
                                         const double p4[2], double factor)
{
    AddTriangle(p1, p2, p3, factor);
    AddTriangle(p1, p3, p4, factor);
}

bool SectionMomentSums::HasCentroid() const
{
    return std::isfinite(area) && area > 0.0 && std::isfinite(first[0]) && std::isfinite(first[1]);
}

void SectionMomentSums::MoveToCentroid(double centroid[2])
{
    const double local[2] = {first[0] / area, first[1] / area};
    ixx -= area * local[1] * local[1];
    iyy -= area * local[0] * local[0];
    ixy -= area * local[0] * local[1];
    centroid[0] = origin[0] + local[0];
    centroid[1] = origin[1] + local[1];
}

void ExtremeFibres::Include(const double xy[2])
{
    m_cxPlus = std::max(m_cxPlus, xy[0] - m_centroid[0]);
    m_cxMinus = std::max(m_cxMinus, m_centroid[0] - xy[0]);
    m_cyPlus = std::max(m_cyPlus, xy[1] - m_centroid[1]);
    m_cyMinus = std::max(m_cyMinus, m_centroid[1] - xy[1]);
}

double ExtremeFibres::Extent() const
{
    return std::max(m_cxPlus + m_cxMinus, m_cyPlus + m_cyMinus);
}

void ExtremeFibres::Store(T_SECTION_D& section) const
{
    section.results[RESULT_CX_PLUS] = m_cxPlus;
    section.results[RESULT_CX_MINUS] = m_cxMinus;
    section.results[RESULT_CY_PLUS] = m_cyPlus;
    section.results[RESULT_CY_MINUS] = m_cyMinus;
}

int ElementCorners(const CSectModel& model, const T_FEELEM_D& element, const double* corners[4])
{
    const std::vector<int>& nodes = element.nodeIds;
    if (nodes.size() != 3 && nodes.size() != 4)
        return 0;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const T_FENODE_D* node = model.FindFeNode(nodes[i]);
        if (!node)
            return 0;
        corners[i] = node->xy;
    }
    return static_cast<int>(nodes.size());
}

void ResetSectionProperties(T_SECTION_D& section)
{
    section.propertiesCalculated = false;
    section.centroidPointId = 0;
    for (double& value : section.results)
        value = 0.0;
}

namespace {

bool IsCentroidPointOfAnotherSection(const CSectModel& model, const T_SECTION_D& section, int pointId)
{
    for (const auto& [id, other] : model.m_sections) {
        if (id != section.id && other->propertiesCalculated && other->centroidPointId == pointId)
            return true;
    }
    return false;
}

}  // namespace

int PlaceCentroidPoint(CSectModel& model, const T_SECTION_D& section, const double centroid[2], double sectionSize)
{
    constexpr double kRoundingOfSize = 1e-9;
    const double reach = kRoundingOfSize * sectionSize;
    for (const auto& [id, point] : model.m_points) {
        if (std::fabs(point->xy[0] - centroid[0]) <= reach && std::fabs(point->xy[1] - centroid[1]) <= reach
            && !IsCentroidPointOfAnotherSection(model, section, id))
            return id;
    }
    auto point = std::make_unique<T_POINT_D>();
    point->id = model.m_nextPointId++;
    point->xy[0] = centroid[0];
    point->xy[1] = centroid[1];
    const int id = point->id;
    model.m_points[id] = std::move(point);
    model.AddNewcomerPoint(id, true);
    model.RecordCreatedPoint(id, false);
    return id;
}

bool ReportSectionNotCalculable(const CSectModel& model, const std::string& reason)
{
    return model.m_reporter.ShowError(
        FormatText("%s\n\nThis section cannot be calculated.", reason.c_str()));
}
