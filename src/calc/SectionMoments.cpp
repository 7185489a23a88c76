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

void SectionMomentSums::AddTriangle(const double p1[2], const double p2[2], const double p3[2], double factor)
{
    const double a = TriangleArea(p1, p2, p3) * factor;
    const double g[2] = {(p1[0] + p2[0] + p3[0]) / 3.0, (p1[1] + p2[1] + p3[1]) / 3.0};
    area += a;
    first[0] += a * g[0];
    first[1] += a * g[1];
    ixx += TriangleSecondMoment(a, g[1], p1[1], p2[1], p3[1]);
    iyy += TriangleSecondMoment(a, g[0], p1[0], p2[0], p3[0]);
    ixy += TriangleProductMoment(a, g, p1, p2, p3);
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
    centroid[0] = first[0] / area;
    centroid[1] = first[1] / area;
    ixx -= area * centroid[1] * centroid[1];
    iyy -= area * centroid[0] * centroid[0];
    ixy -= area * centroid[0] * centroid[1];
}

void ExtremeFibres::Include(const double xy[2])
{
    m_cxPlus = std::max(m_cxPlus, xy[0] - m_centroid[0]);
    m_cxMinus = std::max(m_cxMinus, m_centroid[0] - xy[0]);
    m_cyPlus = std::max(m_cyPlus, xy[1] - m_centroid[1]);
    m_cyMinus = std::max(m_cyMinus, m_centroid[1] - xy[1]);
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

int PlaceCentroidPoint(CSectModel& model, const T_SECTION_D& section, const double centroid[2])
{
    const int found = model.FindPointAt(centroid);
    if (found != 0) {
        bool taken = false;
        for (const auto& [id, other] : model.m_sections)
            taken = taken || (id != section.id && other->propertiesCalculated && other->centroidPointId == found);
        if (!taken)
            return found;
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
