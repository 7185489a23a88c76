#pragma once
// Small builders of model records for the model tests.

#include "model/ModelRecords.h"
#include "model/SectionRecords.h"

#include <memory>

inline std::unique_ptr<T_POINT_D> MakePoint(int id, double x, double y)
{
    auto point = std::make_unique<T_POINT_D>();
    point->id = id;
    point->xy[0] = x;
    point->xy[1] = y;
    return point;
}

// A plane section with one of each of its own records: a domain of material 1
// bounded by a loop of one curve through three points, and one facet.
inline std::unique_ptr<T_SECTION_D> MakeSection(int id)
{
    auto section = std::make_unique<T_SECTION_D>();
    section->id = id;
    section->name = "S";
    for (int pointId = 1; pointId <= 3; ++pointId)
        section->points[pointId] = MakePoint(pointId, pointId == 2 ? 1.0 : 0.0, pointId == 3 ? 1.0 : 0.0);
    auto curve = std::make_unique<T_SCURVE_D>();
    curve->id = 1;
    curve->pointIds = {1, 2, 3, 1};
    section->curves[1] = std::move(curve);
    auto loop = std::make_unique<T_LOOP_D>();
    loop->id = 1;
    loop->kind = LOOP_DOMAIN_OUTLINE;
    loop->curveIds = {1};
    section->loops[1] = std::move(loop);
    auto domain = std::make_unique<T_DOMAIN_D>();
    domain->id = 1;
    domain->materialId = 1;
    domain->loopIds = {1};
    section->domains[1] = std::move(domain);
    auto facet = std::make_unique<T_FACET_D>();
    facet->id = 1;
    facet->domainId = 1;
    facet->pointIds[0] = 1;
    facet->pointIds[1] = 2;
    facet->pointIds[2] = 3;
    section->facets[1] = std::move(facet);
    return section;
}
