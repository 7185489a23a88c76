// The thinnest wall of a plane section, found among segments filed in a
// grid of square cells.

#include "calc/WallThickness.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <vector>

#include "model/Geometry.h"

namespace {

// Facing segments: inward normals at least 135 degrees apart.
constexpr double kFacingCosine = -0.7071;
// The line across a wall leaves each face within 60 degrees of its normal.
constexpr double kAcrossCosine = 0.5;

struct Vec {
    double x = 0.0;
    double y = 0.0;
};

Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y}; }
Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y}; }
Vec operator*(double s, Vec a) { return {s * a.x, s * a.y}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y; }
double Length(Vec a) { return std::hypot(a.x, a.y); }

struct WallSegment {
    Vec from;
    Vec to;
    Vec inward;  // unit normal pointing into the domain's material
    int domain = 0;
    int loop = 0;        // index over the whole section
    int position = 0;    // along its loop
    int loopLength = 0;  // segments in its loop
    int curveId = 0;
};

struct LoopPoints {
    std::vector<Vec> points;  // closed: the last segment runs back to the first point
    std::vector<int> curveIds;  // of the segment starting at each point
    bool hole = false;
};

// The loop's points in its direction, each curve's last point left out (it
// starts the next curve); empty when a curve or point is missing or the
// curves do not run on from one another round the loop.
LoopPoints PointsOfLoop(const T_SECTION_D& section, const T_LOOP_D& loop)
{
    LoopPoints out;
    out.hole = loop.kind == LOOP_HOLE_OUTLINE;
    const T_SCURVE_D* last = loop.curveIds.empty() ? nullptr : section.FindCurve(loop.curveIds.back());
    for (const int curveId : loop.curveIds) {
        const T_SCURVE_D* curve = section.FindCurve(curveId);
        if (!curve || !last || curve->pointIds.empty() || last->pointIds.empty() ||
            curve->pointIds.front() != last->pointIds.back())
            return {};
        last = curve;
        for (std::size_t i = 0; i + 1 < curve->pointIds.size(); ++i) {
            const T_POINT_D* point = section.FindPoint(curve->pointIds[i]);
            if (!point)
                return {};
            out.points.push_back({point->xy[0], point->xy[1]});
            out.curveIds.push_back(curveId);
        }
    }
    return out;
}

double SignedArea(const std::vector<Vec>& points)
{
    double twice = 0.0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Vec& a = points[i];
        const Vec& b = points[(i + 1) % points.size()];
        twice += a.x * b.y - b.x * a.y;
    }
    return twice / 2.0;
}

// The segments of the outlines and holes of every used domain, with the side
// of their material found from each loop's turning sense.
std::vector<WallSegment> SegmentsOfUsedDomains(const T_SECTION_D& section)
{
    std::vector<WallSegment> segments;
    int loopIndex = 0;
    for (const auto& [domainId, domain] : section.domains) {
        if (!domain->used)
            continue;
        for (const int loopId : domain->loopIds) {
            const T_LOOP_D* loop = section.FindLoop(loopId);
            if (!loop || (loop->kind != LOOP_DOMAIN_OUTLINE && loop->kind != LOOP_HOLE_OUTLINE))
                continue;
            const LoopPoints loopPoints = PointsOfLoop(section, *loop);
            const std::vector<Vec>& points = loopPoints.points;
            if (points.size() < 3)
                continue;
            // The material lies inside an outline and outside a hole.
            const bool materialOnLeft = (SignedArea(points) > 0.0) != loopPoints.hole;
            ++loopIndex;
            for (std::size_t i = 0; i < points.size(); ++i) {
                WallSegment segment;
                segment.from = points[i];
                segment.to = points[(i + 1) % points.size()];
                const Vec along = segment.to - segment.from;
                const double length = Length(along);
                if (!(length > 0.0))
                    continue;
                const Vec left{-along.y / length, along.x / length};
                segment.inward = materialOnLeft ? left : -1.0 * left;
                segment.domain = domainId;
                segment.loop = loopIndex;
                segment.position = static_cast<int>(i);
                segment.loopLength = static_cast<int>(points.size());
                segment.curveId = loopPoints.curveIds[i];
                segments.push_back(segment);
            }
        }
    }
    return segments;
}

Vec ClosestOnSegment(const WallSegment& s, Vec q)
{
    const Vec along = s.to - s.from;
    const double lengthSquared = Dot(along, along);
    const double t = lengthSquared > 0.0 ? std::clamp(Dot(q - s.from, along) / lengthSquared, 0.0, 1.0) : 0.0;
    return s.from + t * along;
}

// The shortest line from segment a to segment b (they do not cross): its
// start on a and end on b.
void ShortestLine(const WallSegment& a, const WallSegment& b, Vec& onA, Vec& onB)
{
    double best = -1.0;
    const auto consider = [&](Vec p, Vec q) {
        const double d = Length(q - p);
        if (best < 0.0 || d < best) {
            best = d;
            onA = p;
            onB = q;
        }
    };
    consider(a.from, ClosestOnSegment(b, a.from));
    consider(a.to, ClosestOnSegment(b, a.to));
    consider(ClosestOnSegment(a, b.from), b.from);
    consider(ClosestOnSegment(a, b.to), b.to);
}

bool AreNeighbours(const WallSegment& a, const WallSegment& b)
{
    if (a.loop != b.loop)
        return false;
    const int gap = std::abs(a.position - b.position);
    return gap == 1 || gap == a.loopLength - 1;
}

// The thickness of the wall between two segments; a negative value when they
// form none.
double WallBetween(const WallSegment& a, const WallSegment& b)
{
    if (a.domain != b.domain || AreNeighbours(a, b) || Dot(a.inward, b.inward) > kFacingCosine)
        return -1.0;
    Vec onA, onB;
    ShortestLine(a, b, onA, onB);
    const Vec across = onB - onA;
    const double thickness = Length(across);
    if (!IsNonZero(thickness) || Dot(across, a.inward) < kAcrossCosine * thickness ||
        -Dot(across, b.inward) < kAcrossCosine * thickness)
        return -1.0;
    return thickness;
}

// Segments filed in every cell that a point along them falls in. There are
// no more cells than four per segment, and a search within the reach that
// sized the grid looks at no more than some thousand of them.
class SegmentGrid {
public:
    SegmentGrid(const std::vector<WallSegment>& segments, double reach) : segments_(segments)
    {
        Vec low{segments.front().from}, high{low};
        for (const WallSegment& s : segments) {
            for (const Vec& p : {s.from, s.to}) {
                low = {std::min(low.x, p.x), std::min(low.y, p.y)};
                high = {std::max(high.x, p.x), std::max(high.y, p.y)};
            }
        }
        origin_ = low;
        const double extent = std::max(high.x - low.x, high.y - low.y);
        const double cellsAcross = std::ceil(std::sqrt(4.0 * static_cast<double>(segments.size())));
        cell_ = std::max(reach / 16.0, extent / cellsAcross);
        if (!(cell_ > 0.0) || !std::isfinite(cell_))
            cell_ = 1.0;  // coordinates beyond any use: one cell holds them all
        const int most = static_cast<int>(cellsAcross) + 1;
        columns_ = CellAlong(high.x - low.x, most) + 1;
        rows_ = CellAlong(high.y - low.y, most) + 1;
        cells_.resize(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_));
        for (std::size_t i = 0; i < segments.size(); ++i)
            File(static_cast<int>(i));
    }

    // Hands visit(index) every segment with a point within `reach` of the
    // segment on both axes, each once, and perhaps others.
    template <class Visit>
    void VisitNear(const WallSegment& s, double reach, Visit visit)
    {
        ++stamp_;
        visited_.resize(segments_.size(), 0);
        const int x0 = CellAlong(std::min(s.from.x, s.to.x) - reach - origin_.x, columns_);
        const int x1 = CellAlong(std::max(s.from.x, s.to.x) + reach - origin_.x, columns_);
        const int y0 = CellAlong(std::min(s.from.y, s.to.y) - reach - origin_.y, rows_);
        const int y1 = CellAlong(std::max(s.from.y, s.to.y) + reach - origin_.y, rows_);
        for (int y = y0; y <= y1; ++y) {
            for (int x = x0; x <= x1; ++x) {
                for (const int index : cells_[Cell(x, y)]) {
                    if (visited_[static_cast<std::size_t>(index)] == stamp_)
                        continue;
                    visited_[static_cast<std::size_t>(index)] = stamp_;
                    visit(index);
                }
            }
        }
    }

    double CellSize() const { return cell_; }

private:
    // The cell along one axis that holds an offset from the origin, kept
    // within the count of cells (a NaN falls in the first).
    int CellAlong(double offset, int count) const
    {
        const double index = std::floor(offset / cell_);
        if (!(index > 0.0))
            return 0;
        return index >= count - 1 ? count - 1 : static_cast<int>(index);
    }
    std::size_t Cell(int x, int y) const
    {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(x);
    }

    // Steps of half a cell along the segment meet every cell it crosses but
    // perhaps a corner clipped by less than a quarter cell, which the search
    // reaches from the neighbouring cells.
    void File(int index)
    {
        const WallSegment& s = segments_[static_cast<std::size_t>(index)];
        // No segment crosses more cells than the grid has across and down.
        const double halfCells = std::ceil(2.0 * Length(s.to - s.from) / cell_);
        const int most = 2 * (columns_ + rows_);
        const int steps = halfCells < most ? static_cast<int>(halfCells) : most;
        std::size_t last = static_cast<std::size_t>(-1);
        for (int k = 0; k <= steps; ++k) {
            const Vec p = s.from + (steps == 0 ? 0.0 : static_cast<double>(k) / steps) * (s.to - s.from);
            const std::size_t cell = Cell(CellAlong(p.x - origin_.x, columns_), CellAlong(p.y - origin_.y, rows_));
            if (cell != last && (cells_[cell].empty() || cells_[cell].back() != index))
                cells_[cell].push_back(index);
            last = cell;
        }
    }

    const std::vector<WallSegment>& segments_;
    Vec origin_;
    double cell_ = 1.0;
    int columns_ = 1;
    int rows_ = 1;
    std::vector<std::vector<int>> cells_;
    std::vector<unsigned> visited_;
    unsigned stamp_ = 0;
};

// A curve at most twice as long as the thickness of a wall whose face it
// meets at an end closes that wall (the end of a flange, say): it takes that
// thickness when thinner than its own.
void AddWallEnds(const T_SECTION_D& section, const std::vector<WallSegment>& segments,
                 std::map<int, double>& walls)
{
    const auto endsOf = [&](int curveId) {
        const std::vector<int>& ids = section.FindCurve(curveId)->pointIds;
        return std::array<int, 2>{ids.front(), ids.back()};
    };
    std::map<int, double> thinnestAtPoint;
    for (const auto& [curveId, thickness] : walls) {
        for (const int pointId : endsOf(curveId)) {
            const auto [at, added] = thinnestAtPoint.emplace(pointId, thickness);
            at->second = std::min(at->second, thickness);
        }
    }
    std::map<int, double> lengths;
    for (const WallSegment& s : segments)
        lengths[s.curveId] += Length(s.to - s.from);
    for (const auto& [curveId, length] : lengths) {
        for (const int pointId : endsOf(curveId)) {
            const auto wall = thinnestAtPoint.find(pointId);
            if (wall != thinnestAtPoint.end() && length <= 2.0 * wall->second) {
                const auto [at, added] = walls.emplace(curveId, wall->second);
                at->second = std::min(at->second, wall->second);
            }
        }
    }
}

}  // namespace

std::map<int, double> WallsOfCurves(const T_SECTION_D& section, double limit)
{
    std::map<int, double> walls;
    const std::vector<WallSegment> segments = SegmentsOfUsedDomains(section);
    if (segments.empty() || !(limit > 0.0))
        return walls;
    // The thinnest wall found so far of each curve, by a slot per curve.
    std::map<int, std::size_t> slotOfCurve;
    std::vector<std::size_t> slot(segments.size());
    for (std::size_t i = 0; i < segments.size(); ++i)
        slot[i] = slotOfCurve.emplace(segments[i].curveId, slotOfCurve.size()).first->second;
    std::vector<double> thinnest(slotOfCurve.size(), limit);

    SegmentGrid grid(segments, limit);
    for (std::size_t i = 0; i < segments.size(); ++i) {
        // Only a thinner wall than its curve has yet can matter; a quarter
        // cell more, as the filing may miss a corner that small.
        const double reach = thinnest[slot[i]] + grid.CellSize() / 4.0;
        grid.VisitNear(segments[i], reach, [&](int index) {
            const std::size_t j = static_cast<std::size_t>(index);
            const double thickness = j == i ? -1.0 : WallBetween(segments[i], segments[j]);
            if (thickness > 0.0) {
                thinnest[slot[i]] = std::min(thinnest[slot[i]], thickness);
                thinnest[slot[j]] = std::min(thinnest[slot[j]], thickness);
            }
        });
    }
    for (const auto& [curveId, curveSlot] : slotOfCurve) {
        if (thinnest[curveSlot] < limit)
            walls[curveId] = thinnest[curveSlot];
    }
    AddWallEnds(section, segments, walls);
    return walls;
}
