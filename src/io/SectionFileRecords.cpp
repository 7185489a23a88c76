// Records of the section file (.sec): per section its calculated values, its
// extent around the centroid and its geometry, the boundaries of a plane
// section or the numbered points, segments and cells of a line section. Every
// lookup is checked before a line is written, so a record is either whole or
// absent. The writers read the model and change nothing in it.

#include "io/ExportText.h"
#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>
#include <cmath>
#include <map>
#include <set>

namespace {

using Xy = std::array<double, 2>;

// The fields of the section file are separated by ", ".
const char* const kSecNameBreakers = ",";

// The reference points' extent: the least x and y, and the point farthest
// from the centroid in each quadrant. Quadrants are kept in the order the
// file lists them.
class ExtentAroundCentroid {
public:
    enum Quadrant { UpperLeft, UpperRight, LowerRight, LowerLeft, QuadrantCount };

    explicit ExtentAroundCentroid(const Xy& centroid) : centroid_(centroid) {}

    void Visit(const double xy[2])
    {
        leastX_ = std::min(leastX_, xy[0]);
        leastY_ = std::min(leastY_, xy[1]);
        visited_ = true;
        const double dx = xy[0] - centroid_[0];
        const double dy = xy[1] - centroid_[1];
        const double r = std::sqrt(dx * dx + dy * dy);
        const Quadrant quadrant = dy >= 0.0 ? (dx >= 0.0 ? UpperRight : UpperLeft) : (dx >= 0.0 ? LowerRight : LowerLeft);
        if (r > farthest_[quadrant]) {
            farthest_[quadrant] = r;
            far_[quadrant] = {dx, dy};
            own_[quadrant] = true;
        }
    }

    // Centroid minus the least x and y; 0 when nothing was visited.
    double Dx() const { return visited_ ? centroid_[0] - leastX_ : 0.0; }
    double Dy() const { return visited_ ? centroid_[1] - leastY_ : 0.0; }

    // The far point of each quadrant relative to the centroid. A quadrant
    // without a point of its own takes that of the next quadrant
    // counter-clockwise that has one; (0, 0) when none has.
    std::array<Xy, QuadrantCount> FarPoints() const
    {
        static const Quadrant fallbacks[QuadrantCount][3] = {
            {LowerLeft, LowerRight, UpperRight},  // upper-left
            {UpperLeft, LowerLeft, LowerRight},   // upper-right
            {UpperRight, UpperLeft, LowerLeft},   // lower-right
            {LowerRight, UpperRight, UpperLeft},  // lower-left
        };
        std::array<Xy, QuadrantCount> points{};
        for (int q = 0; q < QuadrantCount; ++q) {
            if (own_[q]) {
                points[q] = far_[q];
                continue;
            }
            for (Quadrant fallback : fallbacks[q]) {
                if (own_[fallback]) {
                    points[q] = far_[fallback];
                    break;
                }
            }
        }
        return points;
    }

private:
    Xy centroid_;
    double leastX_ = HUGE_VAL;
    double leastY_ = HUGE_VAL;
    bool visited_ = false;
    double farthest_[QuadrantCount] = {};
    Xy far_[QuadrantCount] = {};
    bool own_[QuadrantCount] = {};
};

void WriteRecordHead(const T_SECTION_D& section, int number, double outerPerimeter, double innerPerimeter,
                     const ExtentAroundCentroid& extent, ExportText& out)
{
    const double* r = section.results;
    out.Line(FormatText("SEC=%d, %s, %lg, %lg, %lg, %lg, %lg, %lg, %lg, %lg, %lg, %lg,\\", number,
                        NameForRecord(section.name, kSecNameBreakers).c_str(), r[RESULT_A], r[RESULT_ASX],
                        r[RESULT_ASY], r[RESULT_J], r[RESULT_IXX], r[RESULT_IYY], r[RESULT_CX_PLUS],
                        r[RESULT_CX_MINUS], r[RESULT_CY_PLUS], r[RESULT_CY_MINUS]));
    out.Line(FormatText("0, 0, %lg, %lg, ", outerPerimeter, innerPerimeter) + FormatCoordinate(extent.Dx()) + ", "
             + FormatCoordinate(extent.Dy()) + ",\\");
    std::string farPoints;
    for (const Xy& point : extent.FarPoints())
        farPoints += (farPoints.empty() ? "" : ", ") + FormatCoordinate(point[0]) + ", " + FormatCoordinate(point[1]);
    out.Line(farPoints);
}

// The keyword and the entries: one entry per line, each but the last followed
// by ", \", or all on the keyword's line.
void WriteEntries(const char* keyword, const std::vector<std::string>& entries, bool oneLine, ExportText& out)
{
    if (oneLine) {
        std::string line = keyword;
        for (std::size_t k = 0; k < entries.size(); ++k)
            line += (k == 0 ? "" : ", ") + entries[k];
        out.Line(line);
        return;
    }
    for (std::size_t k = 0; k < entries.size(); ++k)
        out.Line((k == 0 ? keyword : "") + entries[k] + (k + 1 < entries.size() ? ", \\" : ""));
}

std::string RelativePair(const double xy[2], const Xy& centroid)
{
    return FormatCoordinate(xy[0] - centroid[0]) + ", " + FormatCoordinate(xy[1] - centroid[1]);
}

// ---- Plane sections ----

// A loop's closed polygon: each curve's points but its last, whose place the
// next curve's first point takes. Empty when a curve or point is missing.
std::vector<int> BoundaryPointIds(const T_SECTION_D& section, const T_LOOP_D& loop)
{
    std::vector<int> pointIds;
    for (int curveId : loop.curveIds) {
        const T_SCURVE_D* curve = section.FindCurve(curveId);
        if (!curve || curve->pointIds.empty())
            return {};
        pointIds.insert(pointIds.end(), curve->pointIds.begin(), curve->pointIds.end() - 1);
    }
    for (int pointId : pointIds) {
        if (!section.FindPoint(pointId))
            return {};
    }
    return pointIds;
}

double ClosedPerimeter(const T_SECTION_D& section, const std::vector<int>& pointIds)
{
    double perimeter = 0.0;
    for (std::size_t k = 0; k < pointIds.size(); ++k)
        perimeter += Distance(section.FindPoint(pointIds[k])->xy,
                              section.FindPoint(pointIds[(k + 1) % pointIds.size()])->xy);
    return perimeter;
}

struct PlaneBoundary {
    int loopId = 0;
    std::vector<int> pointIds;  // as built, before any rotation
};

// The boundaries of one used domain: its outer loops, then its inner ones,
// each in the domain's order.
struct UsedDomainBoundaries {
    std::vector<PlaneBoundary> outer;
    std::vector<PlaneBoundary> inner;
};

// The boundaries of every used domain in id order; false when a loop of
// either kind lacks a curve or point.
bool GatherPlaneBoundaries(const T_SECTION_D& section, std::vector<UsedDomainBoundaries>& domains)
{
    for (const auto& [domainId, domain] : section.domains) {
        if (!domain->used)
            continue;
        UsedDomainBoundaries& boundaries = domains.emplace_back();
        for (int loopId : domain->loopIds) {
            const T_LOOP_D* loop = section.FindLoop(loopId);
            if (!loop || (loop->kind != LOOP_DOMAIN_OUTLINE && loop->kind != LOOP_HOLE_OUTLINE))
                continue;
            PlaneBoundary boundary{loopId, BoundaryPointIds(section, *loop)};
            if (boundary.pointIds.empty())
                return false;
            (loop->kind == LOOP_DOMAIN_OUTLINE ? boundaries.outer : boundaries.inner).push_back(std::move(boundary));
        }
    }
    return true;
}

std::vector<std::string> RelativePairs(const T_SECTION_D& section, const std::vector<int>& pointIds,
                                       const Xy& centroid)
{
    std::vector<std::string> pairs;
    for (int pointId : pointIds)
        pairs.push_back(RelativePair(section.FindPoint(pointId)->xy, centroid));
    return pairs;
}

// ---- Line sections ----

// A model curve as the record writes it: straight curves that run leftwards,
// or downwards at the same x, are written the other way round, with LEFT and
// RIGHT exchanged, so that the file does not depend on how they were drawn.
struct WrittenCurve {
    const T_CURVE_D* curve = nullptr;
    bool reversed = false;
    std::vector<int> pointIds;
    int alignment = ALIGN_CENTER;
};

bool RunsAgainstAxes(const CSectModel& model, const T_CURVE_D& curve)
{
    if (curve.pointIds.size() >= 3)
        return false;
    const T_POINT_D* first = model.FindPoint(curve.pointIds[0]);
    const T_POINT_D* second = model.FindPoint(curve.pointIds[1]);
    return first && second && !(first->xy[0] <= second->xy[0] && first->xy[1] <= second->xy[1]);
}

WrittenCurve AsWritten(const CSectModel& model, const T_CURVE_D& curve)
{
    WrittenCurve written{&curve, RunsAgainstAxes(model, curve), curve.pointIds, curve.alignment};
    if (written.reversed) {
        std::reverse(written.pointIds.begin(), written.pointIds.end());
        if (curve.alignment == ALIGN_LEFT)
            written.alignment = ALIGN_RIGHT;
        else if (curve.alignment == ALIGN_RIGHT)
            written.alignment = ALIGN_LEFT;
    }
    return written;
}

// An item placed by its position, with its id to break ties.
struct PlacedId {
    double x = 0.0;
    double y = 0.0;
    int id = 0;
    std::size_t index = 0;  // where the item came from
};

// Orders by x, then y, then id; x values within 32 ulp of the first x of
// their run count as one column. Unlike a comparison within 32 ulp, this is
// a strict order, which std::sort requires.
void OrderInColumns(std::vector<PlacedId>& items)
{
    const auto byPosition = [](const PlacedId& a, const PlacedId& b) {
        if (a.x != b.x)
            return a.x < b.x;
        if (a.y != b.y)
            return a.y < b.y;
        return a.id < b.id;
    };
    std::sort(items.begin(), items.end(), byPosition);
    for (std::size_t start = 0; start < items.size();) {
        std::size_t end = start + 1;
        while (end < items.size() && CompareDoubleUlp(items[end].x, items[start].x) == 0)
            ++end;
        std::sort(items.begin() + static_cast<std::ptrdiff_t>(start), items.begin() + static_cast<std::ptrdiff_t>(end),
                  [](const PlacedId& a, const PlacedId& b) { return a.y != b.y ? a.y < b.y : a.id < b.id; });
        start = end;
    }
}

// The leftmost rule: further left by more than the tolerance, or level with
// the best within it and higher.
bool IsFurtherLeft(const double candidate[2], const double best[2], double tolerance)
{
    return candidate[0] < best[0] - tolerance
        || (IsWithinTolerance(candidate[0], best[0], tolerance) && candidate[1] > best[1]);
}

} // namespace

void CSectModel::RotateLoopToLeftmostPoint(const T_SECTION_D* section, std::vector<int>* pointIds) const
{
    const T_POINT_D* best = nullptr;
    std::size_t bestIndex = 0;
    for (std::size_t k = 0; k < pointIds->size(); ++k) {
        const T_POINT_D* candidate = section->FindPoint((*pointIds)[k]);
        if (candidate && (!best || IsFurtherLeft(candidate->xy, best->xy, m_tolerance))) {
            best = candidate;
            bestIndex = k;
        }
    }
    std::rotate(pointIds->begin(), pointIds->begin() + static_cast<std::ptrdiff_t>(bestIndex), pointIds->end());
}

void CSectModel::SortLoopsByProbePoint(const T_SECTION_D* section, std::vector<int>* loopIds) const
{
    std::vector<std::pair<int, Xy>> remaining;
    for (int loopId : *loopIds) {
        double probe[2] = {0.0, 0.0};
        section->GetLoopProbePoint(section->FindLoop(loopId), probe);
        remaining.push_back({loopId, {probe[0], probe[1]}});
    }
    loopIds->clear();
    while (!remaining.empty()) {
        std::size_t best = 0;
        for (std::size_t k = 1; k < remaining.size(); ++k) {
            if (IsFurtherLeft(remaining[k].second.data(), remaining[best].second.data(), m_tolerance))
                best = k;
        }
        loopIds->push_back(remaining[best].first);
        remaining.erase(remaining.begin() + static_cast<std::ptrdiff_t>(best));
    }
}

void CSectModel::GetCurveMeanPoint(int curveId, double xy[2]) const
{
    xy[0] = xy[1] = 0.0;
    const T_CURVE_D* curve = FindCurve(curveId);
    if (!curve || curve->pointIds.empty())
        return;
    for (int pointId : curve->pointIds) {
        if (const T_POINT_D* point = FindPoint(pointId)) {
            xy[0] += point->xy[0];
            xy[1] += point->xy[1];
        }
    }
    xy[0] /= static_cast<double>(curve->pointIds.size());
    xy[1] /= static_cast<double>(curve->pointIds.size());
}

bool CSectModel::WritePlaneSectionRecord(const T_SECTION_D* section, int number, ExportText& out,
                                         SecRecordLayout layout) const
{
    const T_POINT_D* centroidPoint = FindPoint(section->centroidPointId);
    std::vector<UsedDomainBoundaries> domains;
    if (!centroidPoint || !GatherPlaneBoundaries(*section, domains))
        return false;
    const Xy centroid = {centroidPoint->xy[0], centroidPoint->xy[1]};

    double outerPerimeter = 0.0;
    double innerPerimeter = 0.0;
    ExtentAroundCentroid extent(centroid);
    for (const UsedDomainBoundaries& boundaries : domains) {
        for (const PlaneBoundary& boundary : boundaries.outer) {
            outerPerimeter += ClosedPerimeter(*section, boundary.pointIds);
            for (int pointId : boundary.pointIds)
                extent.Visit(section->FindPoint(pointId)->xy);
        }
        for (const PlaneBoundary& boundary : boundaries.inner)
            innerPerimeter += ClosedPerimeter(*section, boundary.pointIds);
    }
    WriteRecordHead(*section, number, outerPerimeter, innerPerimeter, extent, out);

    // The group layout keeps each boundary as built, on one line, and the
    // holes in the domain's order.
    const bool rotated = layout == SecRecordLayout::SectionExport;
    for (const UsedDomainBoundaries& boundaries : domains) {
        for (PlaneBoundary boundary : boundaries.outer) {
            if (rotated)
                RotateLoopToLeftmostPoint(section, &boundary.pointIds);
            WriteEntries("OUT=", RelativePairs(*section, boundary.pointIds, centroid), !rotated, out);
        }
        std::vector<int> innerLoopIds;
        std::map<int, std::vector<int>> innerPointIds;
        for (const PlaneBoundary& boundary : boundaries.inner) {
            innerLoopIds.push_back(boundary.loopId);
            innerPointIds[boundary.loopId] = boundary.pointIds;
        }
        if (rotated)
            SortLoopsByProbePoint(section, &innerLoopIds);
        for (int loopId : innerLoopIds) {
            std::vector<int>& pointIds = innerPointIds[loopId];
            if (rotated)
                RotateLoopToLeftmostPoint(section, &pointIds);
            WriteEntries("IN=", RelativePairs(*section, pointIds, centroid), !rotated, out);
        }
    }
    return true;
}

bool CSectModel::WriteLineSectionRecord(const T_SECTION_D* section, int number, ExportText& out) const
{
    const T_POINT_D* centroidPoint = FindPoint(section->centroidPointId);
    if (!centroidPoint)
        return false;
    const Xy centroid = {centroidPoint->xy[0], centroidPoint->xy[1]};

    std::vector<WrittenCurve> curves;
    std::vector<int> pointIds;
    std::vector<int> cellLoopIds;
    for (int curveId : section->curveIds) {
        const T_CURVE_D* curve = FindCurve(curveId);
        if (!curve || curve->pointIds.size() < 2)
            return false;
        curves.push_back(AsWritten(*this, *curve));
        pointIds.insert(pointIds.end(), curve->pointIds.begin(), curve->pointIds.end());
        for (int loopId : curve->closedLoopIds) {
            if (std::find(cellLoopIds.begin(), cellLoopIds.end(), loopId) == cellLoopIds.end())
                cellLoopIds.push_back(loopId);
        }
    }
    for (int loopId : cellLoopIds) {
        if (!FindClosedLoop(loopId))
            return false;
    }
    std::sort(pointIds.begin(), pointIds.end());
    pointIds.erase(std::unique(pointIds.begin(), pointIds.end()), pointIds.end());
    ExtentAroundCentroid extent(centroid);
    for (int pointId : pointIds) {
        const T_POINT_D* point = FindPoint(pointId);
        if (!point)
            return false;
        extent.Visit(point->xy);
    }
    WriteRecordHead(*section, number, 0.0, 0.0, extent, out);

    std::vector<PlacedId> placedPoints;
    for (int pointId : pointIds) {
        const T_POINT_D* point = FindPoint(pointId);
        placedPoints.push_back({point->xy[0], point->xy[1], pointId, 0});
    }
    OrderInColumns(placedPoints);
    std::map<int, int> pointNumbers;
    std::vector<std::string> pointEntries;
    for (const PlacedId& placed : placedPoints) {
        pointNumbers.emplace(placed.id, static_cast<int>(pointEntries.size()));
        pointEntries.push_back(RelativePair(FindPoint(placed.id)->xy, centroid));
    }
    WriteEntries("OUT=", pointEntries, false, out);

    std::vector<PlacedId> placedCurves;
    for (std::size_t k = 0; k < curves.size(); ++k) {
        double mean[2];
        GetCurveMeanPoint(curves[k].curve->id, mean);
        placedCurves.push_back({mean[0], mean[1], curves[k].curve->id, k});
    }
    OrderInColumns(placedCurves);
    std::map<int, std::vector<int>> segmentsOfCurve;
    std::vector<std::string> segmentEntries;
    for (const PlacedId& placed : placedCurves) {
        const WrittenCurve& written = curves[placed.index];
        for (std::size_t k = 0; k + 1 < written.pointIds.size(); ++k) {
            segmentsOfCurve[placed.id].push_back(static_cast<int>(segmentEntries.size()));
            segmentEntries.push_back(FormatText("%d, %d, %lg, %d", pointNumbers[written.pointIds[k]],
                                                pointNumbers[written.pointIds[k + 1]], written.curve->width,
                                                written.alignment));
        }
    }
    WriteEntries("LINE=", segmentEntries, false, out);

    if (cellLoopIds.empty())
        return true;
    std::set<int> reversedCurveIds;
    for (const WrittenCurve& written : curves) {
        if (written.reversed)
            reversedCurveIds.insert(written.curve->id);
    }
    std::vector<std::string> cellEntries;
    for (int loopId : cellLoopIds) {
        std::vector<int> segments;
        for (int signedCurveId : FindClosedLoop(loopId)->curveIds) {
            const int curveId = UnsignedCurveId(signedCurveId);
            const auto filed = segmentsOfCurve.find(curveId);
            if (filed == segmentsOfCurve.end())
                continue;
            const bool backwards = (signedCurveId < 0) != (reversedCurveIds.count(curveId) != 0);
            if (backwards) {
                for (auto segment = filed->second.rbegin(); segment != filed->second.rend(); ++segment)
                    segments.push_back(-*segment);
            } else {
                segments.insert(segments.end(), filed->second.begin(), filed->second.end());
            }
        }
        std::string entry = std::to_string(segments.size());
        for (int segment : segments)
            entry += ", " + std::to_string(segment);
        cellEntries.push_back(entry);
    }
    WriteEntries("CELL=", cellEntries, false, out);
    return true;
}
