#pragma once
// Adding a point of a section's own, for tests that assemble section records
// by hand.

#include "model/SectModel.h"

#include <memory>

// A new own point of the section at (x, y), with the section's next point id.
inline int AddOwnPoint(T_SECTION_D& section, double x, double y)
{
    auto point = std::make_unique<T_POINT_D>();
    point->id = section.nextPointId++;
    point->xy[0] = x;
    point->xy[1] = y;
    const int id = point->id;
    section.points[id] = std::move(point);
    return id;
}
