#pragma once
// Small builders of model records for the model tests.

#include "model/ModelRecords.h"

#include <memory>

inline std::unique_ptr<T_POINT_D> MakePoint(int id, double x, double y)
{
    auto point = std::make_unique<T_POINT_D>();
    point->id = id;
    point->xy[0] = x;
    point->xy[1] = y;
    return point;
}
