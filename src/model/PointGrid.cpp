#include "model/PointGrid.h"

#include "model/Geometry.h"

#include <bit>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

std::size_t HashDouble(double v)
{
    // +0.0 and -0.0 are one cell number.
    return std::hash<std::uint64_t>{}(std::bit_cast<std::uint64_t>(v + 0.0));
}

} // namespace

bool IsWithinTolerance(const double p[2], const double q[2], double t)
{
    return std::fabs(p[0] - q[0]) <= t && std::fabs(p[1] - q[1]) <= t && Distance(p, q) < t;
}

std::size_t PointGrid::CellKeyHash::operator()(const CellKey& key) const
{
    std::size_t hash = HashDouble(key.x.value);
    hash = hash * 0x9E3779B97F4A7C15ull ^ HashDouble(key.y.value);
    return hash * 31u + (key.x.isCoordinate ? 2u : 0u) + (key.y.isCoordinate ? 1u : 0u);
}

void PointGrid::Reset(double tolerance, std::size_t expected)
{
    tolerance_ = tolerance;
    const double cellSize = 2.0 * tolerance;
    cellSize_ = tolerance > 0.0 && std::isfinite(cellSize) ? cellSize : 0.0;
    entries_.clear();
    cells_.clear();
    entries_.reserve(expected);
    cells_.reserve(expected);
}

PointGrid::AxisKey PointGrid::AxisKeyOf(double v) const
{
    const double cell = std::floor(v / cellSize_);
    if (std::isfinite(cell))
        return {cell + 0.0, false};
    return {v + 0.0, true};
}

bool PointGrid::AxisKeysAround(double v, AxisKeys& keys) const
{
    keys.count = 0;
    const AxisKey own = AxisKeyOf(v);
    if (own.isCoordinate) {
        // Here the tolerance is far below the spacing of doubles near v, so
        // only a position at exactly v can pass.
        keys.keys[keys.count++] = own;
        return true;
    }
    // A position p passes only if |p - v| <= t (1 + 2^-53) < 2t; the double
    // nearest to v -/+ 2t then lies on v's side of p. Cell numbers only grow
    // with the coordinate, so p's cell lies between those of the two bounds.
    const double lowest = std::fmax(v - 2.0 * tolerance_, -DBL_MAX);
    const double highest = std::fmin(v + 2.0 * tolerance_, DBL_MAX);
    const AxisKey first = AxisKeyOf(lowest);
    const AxisKey last = AxisKeyOf(highest);
    if (first.isCoordinate || last.isCoordinate)
        return false;
    for (double cell = first.value; cell <= last.value;) {
        if (keys.count == kMostAxisKeys)
            return false;
        keys.keys[keys.count++] = {cell, false};
        // Past 2^53 consecutive cell numbers are consecutive doubles.
        const double next = cell + 1.0;
        cell = next != cell ? next : std::nextafter(cell, std::numeric_limits<double>::infinity());
    }
    return true;
}

void PointGrid::Insert(int key, const double xy[2])
{
    entries_.push_back({key, {xy[0], xy[1]}});
    // A position that is not finite never passes the test.
    if (!UsesCells() || !std::isfinite(xy[0]) || !std::isfinite(xy[1]))
        return;
    cells_[{AxisKeyOf(xy[0]), AxisKeyOf(xy[1])}].push_back(entries_.size() - 1);
}

int PointGrid::FindLowest(const double xy[2]) const
{
    int lowest = -1;
    VisitNear(xy, [&lowest, xy, this](int key, const double position[2]) {
        if ((lowest < 0 || key < lowest) && IsWithinTolerance(position, xy, tolerance_))
            lowest = key;
    });
    return lowest;
}

std::size_t PointGrid::CountNear(const double xy[2]) const
{
    if (!CanHoldNear(xy))
        return 0;
    std::size_t count = 0;
    if (!VisitCellsNear(xy, [&count](const std::vector<std::size_t>& cell) { count += cell.size(); }))
        return entries_.size();
    return count;
}
