// Deleting the duplicate curves among a list: curves with the same end points
// that run through the same half-length point, and curves that are broken.

#include "commands/CreationSupport.h"
#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <set>

namespace {

// A curve of a section takes no part: it is never deleted, and no curve is
// deleted as its duplicate.
bool BelongsToSection(const T_CURVE_D& curve)
{
    return curve.sectionId != 0;
}

// A curve of a registered closed loop is never deleted (its loop would name a
// curve that is gone), but a free duplicate of it is.
bool BelongsToClosedLoop(const T_CURVE_D& curve)
{
    return !curve.closedLoopIds.empty();
}

bool EndPointsExist(const CSectModel& model, const T_CURVE_D& curve)
{
    return model.FindPoint(curve.pointIds.front()) && model.FindPoint(curve.pointIds.back());
}

// The point halfway along the curve's polyline; none when one of its points is missing.
std::optional<XyPosition> HalfLengthPoint(const CSectModel& model, const T_CURVE_D& curve)
{
    std::vector<XyPosition> positions;
    if (!GatherCurvePositions(model, curve, positions))
        return std::nullopt;
    // A half length within the tolerance of a segment's end stops on that segment.
    double remaining = PolylineLength(positions) * 0.5;
    for (size_t k = 0; k + 1 < positions.size(); ++k) {
        const double* from = positions[k].data();
        const double* to = positions[k + 1].data();
        const double length = Distance(from, to);
        if (length > remaining || std::fabs(length - remaining) < model.m_tolerance) {
            // A zero-length segment has no direction to walk along.
            const double share = length > 0.0 ? remaining / length : 0.0;
            return XyPosition{from[0] + (to[0] - from[0]) * share, from[1] + (to[1] - from[1]) * share};
        }
        remaining -= length;
    }
    return positions.back();
}

bool IsBroken(const CSectModel& model, const T_CURVE_D& curve)
{
    return curve.pointIds.size() < 2 || !EndPointsExist(model, curve);
}

// Only curves with the same two end points, in either order, and the same
// number of points can be duplicates of one another.
using DuplicateKey = std::array<std::size_t, 3>;

DuplicateKey KeyOf(const T_CURVE_D& curve)
{
    const auto first = static_cast<std::size_t>(static_cast<unsigned>(curve.pointIds.front()));
    const auto last = static_cast<std::size_t>(static_cast<unsigned>(curve.pointIds.back()));
    return {std::min(first, last), std::max(first, last), curve.pointIds.size()};
}

// The comparisons of the curves that share a key. A half-length point is
// worked out once per curve; a curve whose half-length point cannot be worked
// out (a point of it is missing) goes at its first comparison.
class DuplicateMarker {
public:
    DuplicateMarker(const CSectModel& model, std::set<int>& dropped) : model_(model), dropped_(dropped) {}

    // Compares c with d (both kept so far) and marks d, or a broken one of
    // them, for deletion.
    void Compare(const T_CURVE_D& c, const T_CURVE_D& d)
    {
        if (d.pointIds.size() == 2) {
            dropped_.insert(d.id);
            return;
        }
        const std::optional<XyPosition>& halfC = HalfLengthPointOf(c);
        const std::optional<XyPosition>& halfD = HalfLengthPointOf(d);
        if (!halfC)
            dropped_.insert(c.id);
        if (!halfD)
            dropped_.insert(d.id);
        if (halfC && halfD && Distance(halfC->data(), halfD->data()) < model_.m_tolerance)
            dropped_.insert(d.id);
    }

private:
    const std::optional<XyPosition>& HalfLengthPointOf(const T_CURVE_D& curve)
    {
        auto found = halfPoints_.find(curve.id);
        if (found == halfPoints_.end())
            found = halfPoints_.emplace(curve.id, HalfLengthPoint(model_, curve)).first;
        return found->second;
    }

    const CSectModel& model_;
    std::set<int>& dropped_;
    std::map<int, std::optional<XyPosition>> halfPoints_;
};

} // namespace

void CSectModel::DeleteDuplicateCurves(const std::vector<int>& curveIds)
{
    // Curves of closed loops get the first turn, so that each survives its
    // free duplicates; of a set of free duplicates the one listed first survives.
    std::vector<int> survivorOrder;
    for (bool loopCurves : {true, false}) {
        for (int id : curveIds) {
            const T_CURVE_D* c = FindCurve(id);
            if (c && !BelongsToSection(*c) && BelongsToClosedLoop(*c) == loopCurves)
                survivorOrder.push_back(id);
        }
    }

    // A broken free curve goes and is nobody's duplicate. Every other free
    // curve is a candidate for deletion among those of its key, in list order.
    std::set<int> dropped;
    std::map<DuplicateKey, std::vector<int>> candidates;
    for (int id : curveIds) {
        const T_CURVE_D* d = FindCurve(id);
        if (!d || BelongsToSection(*d) || BelongsToClosedLoop(*d))
            continue;
        if (IsBroken(*this, *d))
            dropped.insert(id);
        else
            candidates[KeyOf(*d)].push_back(id);
    }

    DuplicateMarker marker(*this, dropped);
    for (int id : survivorOrder) {
        const T_CURVE_D* c = FindCurve(id);
        if (dropped.contains(id) || IsBroken(*this, *c))
            continue;
        const auto sameKey = candidates.find(KeyOf(*c));
        if (sameKey == candidates.end())
            continue;
        for (int otherId : sameKey->second) {
            const T_CURVE_D* d = FindCurve(otherId);
            if (d == c || dropped.contains(otherId))
                continue;
            marker.Compare(*c, *d);
            if (dropped.contains(id))
                break;
        }
    }

    int deleted = 0;
    for (int id : curveIds) {
        const auto found = m_curves.find(id);
        if (found == m_curves.end() || !dropped.contains(id) || BelongsToSection(*found->second)
            || BelongsToClosedLoop(*found->second))
            continue;
        SaveCurveForUndo(found->second.get(), false);
        m_curves.erase(found);
        ++deleted;
    }
    if (deleted == 1)
        m_reporter.PrintOutput("1 duplicate curve is deleted.");
    else if (deleted > 1)
        m_reporter.PrintOutput(FormatText("%d duplicate curves are deleted.", deleted));
}
