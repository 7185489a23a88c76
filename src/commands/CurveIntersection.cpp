// Curve > Intersect: a point wherever the listed curves cross or touch one
// another, put into each curve or cutting it there, and afterwards the removal
// of the curves that have become duplicates. It shows its progress and stops
// on Escape, taking back what it changed.

#include "commands/CancellableRun.h"
#include "commands/CreationSupport.h"
#include "commands/IdLists.h"
#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kEpsilon = 1e-6;

constexpr int kIntersectionCancelPollMode = 3;

// One listed curve as the search sees it: its positions, its length and the
// box a crossing or touching point of it can lie in.
struct CurveTrace {
    int id = 0;
    std::vector<XyPosition> positions;
    double length = 0.0;
    double low[2] = {0.0, 0.0};
    double high[2] = {0.0, 0.0};
};

// The box is widened by a hundredth of the longest segment: the tests below
// accept points a little outside a segment (a crossing parameter just past
// its end, a touching point whose angle is within the cosine tolerance).
CurveTrace TraceCurve(const CSectModel& model, const T_CURVE_D& curve)
{
    CurveTrace trace;
    trace.id = curve.id;
    GatherCurvePositions(model, curve, trace.positions);
    trace.length = PolylineLength(trace.positions);
    double longest = 0.0;
    for (size_t i = 0; i < trace.positions.size(); ++i) {
        const XyPosition& p = trace.positions[i];
        for (int axis = 0; axis < 2; ++axis) {
            trace.low[axis] = i == 0 ? p[axis] : std::min(trace.low[axis], p[axis]);
            trace.high[axis] = i == 0 ? p[axis] : std::max(trace.high[axis], p[axis]);
        }
        if (i > 0)
            longest = std::max(longest, Distance(trace.positions[i - 1].data(), p.data()));
    }
    for (int axis = 0; axis < 2; ++axis) {
        trace.low[axis] -= 0.01 * longest;
        trace.high[axis] += 0.01 * longest;
    }
    return trace;
}

bool BoxesOverlap(const CurveTrace& u, const CurveTrace& v)
{
    return u.low[0] <= v.high[0] && v.low[0] <= u.high[0] && u.low[1] <= v.high[1] && v.low[1] <= u.high[1];
}

// The fractions of u's length at which other curves cross or touch it, in
// the order found, repeats kept; none at u's own ends.
std::vector<double> FindCrossingFractions(const CurveTrace& u, const std::vector<CurveTrace>& traces)
{
    std::vector<double> fractions;
    if (u.length < kEpsilon)
        return fractions;
    const auto record = [&](double along) {
        const double fraction = along / u.length;
        if (std::fabs(fraction) > kEpsilon && std::fabs(fraction - 1.0) > kEpsilon)
            fractions.push_back(fraction);
    };
    double before = 0.0;  // length of u's segments before the current one
    for (size_t k = 0; k + 1 < u.positions.size(); ++k) {
        const double* a = u.positions[k].data();
        const double* b = u.positions[k + 1].data();
        const double l = Distance(a, b);
        for (const CurveTrace& v : traces) {
            if (v.id == u.id || !BoxesOverlap(u, v))
                continue;
            for (size_t m = 0; m + 1 < v.positions.size(); ++m) {
                const double* p = v.positions[m].data();
                const double* q = v.positions[m + 1].data();
                double t = 0.0;
                double s = 0.0;
                if (IntersectSegments(a, b, p, q, &t, &s)) {
                    record(before + t * l);
                    continue;
                }
                // Collinear overlaps give no crossing; the ends of the
                // overlap that lie inside this segment count instead.
                for (const double* end : {p, q}) {
                    if (IsPointWithinSegment(a, b, end, kEpsilon))
                        record(before + Distance(a, end));
                }
            }
        }
        before += l;
    }
    return fractions;
}

// The command's progress in hundredths of its steps, and a look at the
// user's input at each hundredth, so that the look costs little however many
// curves there are.
class IntersectionProgress {
public:
    IntersectionProgress(CSectModel& model, int steps)
        : model_(model), steps_(std::max(steps, 1)), scope_(model.m_reporter.StartProgress(kProgressRange))
    {
    }

    // True when the user cancelled.
    bool StepDone()
    {
        ++done_;
        const int position = static_cast<int>(static_cast<long long>(done_) * kProgressRange / steps_);
        if (position == shown_)
            return false;
        shown_ = position;
        scope_.SetPosition(position);
        return model_.PollUserCancel(kIntersectionCancelPollMode);
    }

private:
    static constexpr int kProgressRange = 100;
    CSectModel& model_;
    int steps_;
    ProgressScope scope_;
    int done_ = 0;
    int shown_ = 0;
};

int CountFractions(const std::vector<std::vector<double>>& fractions)
{
    size_t count = 0;
    for (const std::vector<double>& list : fractions)
        count += list.size();
    return CountForIdCheck(static_cast<double>(count));
}

} // namespace

bool CSectModel::IntersectCurves(std::vector<int> curveIds, bool splitCurves, bool newUndoAction)
{
    return RunIntersectCurves(std::move(curveIds), splitCurves, newUndoAction) == CommandEnd::Done;
}

CommandEnd CSectModel::RunIntersectCurves(std::vector<int> curveIds, bool splitCurves, bool newUndoAction)
{
    // Acting twice on one curve would cut it at fractions of its old length.
    DropRepeatedIds(curveIds);
    if (curveIds.size() < 2)
        return CommandEnd::Refused;
    if (RemoveSectionCurves(curveIds)) {
        m_reporter.ShowInfo("Curve belonging to the section will be skipped in this operation.");
        if (curveIds.size() < 2)
            return CommandEnd::Refused;
    }
    if (!CurvesAndTheirPointsExist(*this, curveIds))
        return CommandEnd::Refused;

    // The search and then the change each take one step per curve.
    const int curveCount = static_cast<int>(curveIds.size());
    IntersectionProgress progress(*this, 2 * curveCount);

    // Every crossing is found on the geometry as it was before the command.
    std::vector<CurveTrace> traces;
    for (int id : curveIds)
        traces.push_back(TraceCurve(*this, *FindCurve(id)));
    std::vector<std::vector<double>> fractions;
    for (const CurveTrace& trace : traces) {
        fractions.push_back(FindCrossingFractions(trace, traces));
        if (progress.StepDone())
            return CommandEnd::Canceled;
    }
    // Each fraction makes at most one point and, cutting, one curve.
    const int placeCount = CountFractions(fractions);
    if (!CheckIdLimit(IdKind::Point, placeCount) || (splitCurves && !CheckIdLimit(IdKind::Curve, placeCount)))
        return CommandEnd::Refused;

    // The guard outlives the run: a run kept with nothing cut leaves no step.
    const UnchangedActionGuard noEmptyStep(*this, newUndoAction);
    CancellableRun run(*this, newUndoAction);
    if (newUndoAction)
        SetUndoActionTitle(FormatText("Intersect %d curves", curveCount));
    if (splitCurves)
        ClearNewcomerCurves();
    ClearNewcomerPoints();
    for (int id : curveIds)
        SaveCurveForUndo(FindCurve(id), false);

    for (size_t i = 0; i < curveIds.size(); ++i) {
        if (!fractions[i].empty()) {
            T_CURVE_D* curve = FindCurve(curveIds[i]);
            if (!curve) {
                m_reporter.ReportCurveNotFound(curveIds[i]);
                return CommandEnd::Refused;
            }
            if (splitCurves)
                SplitCurveAtPoints(curve, fractions[i]);
            else
                InsertPointsIntoCurve(curve, fractions[i]);
        }
        if (progress.StepDone()) {
            run.TakeBack();
            return CommandEnd::Canceled;
        }
    }

    if (splitCurves)
        curveIds.insert(curveIds.end(), m_newcomerCurves.begin(), m_newcomerCurves.end());
    SortUniqueIds(curveIds);
    DeleteDuplicateCurves(curveIds);
    noEmptyStep.ReportIfNothingChanged("the curves meet nowhere but at points they already have");
    return CommandEnd::Done;
}
