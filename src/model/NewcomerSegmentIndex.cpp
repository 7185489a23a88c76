#include "model/NewcomerSegmentIndex.h"

#include "model/Geometry.h"
#include "model/SectModel.h"

#include <algorithm>

namespace {

// Distances shorter than the tolerance lie within it on each axis, save where
// squares underflow: cells never reach less far than this.
constexpr double kSmallestReach = 1e-150;

} // namespace

void NewcomerSegmentIndex::Sync(const CSectModel& model)
{
    const std::vector<int>& curves = model.m_newcomerCurves;
    const bool appendedOnly = tolerance_ == model.m_tolerance && pointMoves_ == model.PointMoves()
        && curveCount_ <= curves.size()
        && (curveCount_ == 0 || (curves.front() == firstCurveId_ && curves[curveCount_ - 1] == lastCurveId_));
    if (!appendedOnly)
        Reset(model);
    for (; curveCount_ < curves.size(); ++curveCount_)
        File(model, curves[curveCount_]);
    if (!curves.empty()) {
        firstCurveId_ = curves.front();
        lastCurveId_ = curves.back();
    }
}

void NewcomerSegmentIndex::Reset(const CSectModel& model)
{
    tolerance_ = model.m_tolerance;
    pointMoves_ = model.PointMoves();
    curveCount_ = 0;
    segments_.clear();
    ends_.Reset(std::max(tolerance_, kSmallestReach));
    shortCurveEdges_.clear();
}

std::uint64_t NewcomerSegmentIndex::EdgeKey(int i, int j)
{
    const auto low = static_cast<std::uint32_t>(std::min(i, j));
    const auto high = static_cast<std::uint32_t>(std::max(i, j));
    return std::uint64_t{low} << 32 | high;
}

void NewcomerSegmentIndex::File(const CSectModel& model, int curveId)
{
    const T_CURVE_D* curve = model.FindCurve(curveId);
    if (!curve)
        return;
    const std::vector<int>& ids = curve->pointIds;
    if (!ids.empty() && ids.size() < 3)
        shortCurveEdges_.insert(EdgeKey(ids.front(), ids.back()));
    for (size_t i = 1; i < ids.size(); ++i) {
        const T_POINT_D* p = model.FindPoint(ids[i - 1]);
        const T_POINT_D* q = model.FindPoint(ids[i]);
        if (!p || !q)
            continue;
        const int key = static_cast<int>(segments_.size()) * 2;
        segments_.push_back({{p->xy[0], p->xy[1]}, {q->xy[0], q->xy[1]}});
        ends_.Insert(key, p->xy);
        ends_.Insert(key + 1, q->xy);
    }
}

bool NewcomerSegmentIndex::HasSegmentNear(const double a[2], const double b[2]) const
{
    const double t = tolerance_;
    bool found = false;
    // A matching segment has an end near a and one near b, so the ends near
    // either will do: those near the less crowded one, lest every line of a
    // star visit every other at the shared centre.
    const double* near = ends_.CountNear(b) < ends_.CountNear(a) ? b : a;
    ends_.VisitNear(near, [&](int key, const double*) {
        const Segment& s = segments_[static_cast<size_t>(key / 2)];
        found = found || (Distance(s.start, a) < t && Distance(s.end, b) < t)
            || (Distance(s.start, b) < t && Distance(s.end, a) < t);
    });
    return found;
}

bool NewcomerSegmentIndex::HasShortCurveJoining(int i, int j) const
{
    return shortCurveEdges_.contains(EdgeKey(i, j));
}
