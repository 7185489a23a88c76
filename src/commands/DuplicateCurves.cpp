// Deleting the duplicate curves among a list: curves with the same end points
// that run through the same half-length point, and curves that are broken.

#include "commands/CreationSupport.h"
#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <cmath>
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

bool SameEndPoints(const T_CURVE_D& c, const T_CURVE_D& d)
{
    const int cFirst = c.pointIds.front(), cLast = c.pointIds.back();
    const int dFirst = d.pointIds.front(), dLast = d.pointIds.back();
    return (cFirst == dFirst && cLast == dLast) || (cFirst == dLast && cLast == dFirst);
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

// Compares c with d (both kept so far, same point count) and marks d, or a
// broken one of them, for deletion.
void MarkIfDuplicate(const CSectModel& model, const T_CURVE_D& c, const T_CURVE_D& d, std::set<int>& dropped)
{
    if (!EndPointsExist(model, d)) {
        dropped.insert(d.id);
        return;
    }
    if (!SameEndPoints(c, d))
        return;
    if (d.pointIds.size() == 2) {
        dropped.insert(d.id);
        return;
    }
    const auto halfC = HalfLengthPoint(model, c);
    const auto halfD = HalfLengthPoint(model, d);
    if (!halfC)
        dropped.insert(c.id);
    if (!halfD)
        dropped.insert(d.id);
    if (halfC && halfD && Distance(halfC->data(), halfD->data()) < model.m_tolerance)
        dropped.insert(d.id);
}

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

    std::set<int> dropped;
    for (int id : survivorOrder) {
        const T_CURVE_D* c = FindCurve(id);
        if (dropped.contains(id))
            continue;
        if (c->pointIds.size() < 2 || !EndPointsExist(*this, *c)) {
            if (!BelongsToClosedLoop(*c))
                dropped.insert(id);
            continue;
        }
        for (int otherId : curveIds) {
            const T_CURVE_D* d = FindCurve(otherId);
            if (!d || d == c || dropped.contains(otherId) || BelongsToSection(*d) || BelongsToClosedLoop(*d)
                || d->pointIds.size() != c->pointIds.size())
                continue;
            MarkIfDuplicate(*this, *c, *d, dropped);
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
