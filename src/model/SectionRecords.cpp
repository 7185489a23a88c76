#include "model/SectionRecords.h"

#include "model/Geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

// Id of the point k steps after the start of a run along the curve (k = 0 is
// where the run starts); 0 when the curve has no such point.
int PointAfterRunStart(const T_SCURVE_D& curve, bool forward, size_t k)
{
    const size_t n = curve.pointIds.size();
    if (k >= n)
        return 0;
    return forward ? curve.pointIds[k] : curve.pointIds[n - 1 - k];
}

// Id of the point k steps before the end of a run along the curve (k = 0 is
// where the run ends); 0 when the curve has no such point.
int PointBeforeRunEnd(const T_SCURVE_D& curve, bool forward, size_t k)
{
    return PointAfterRunStart(curve, !forward, k);
}

// Files a traced run under the next number of its work map.
void FileTracedRun(IdMap<T_LOOP_D>& runs, const std::vector<int>& signedCurveIds)
{
    auto run = std::make_unique<T_LOOP_D>();
    run->id = static_cast<int>(runs.size()) + 1;
    run->curveIds = signedCurveIds;
    runs[run->id] = std::move(run);
}

int SignedRunId(const CurveJunction& junction)
{
    return junction.startsAtJoint ? junction.curveId : -junction.curveId;
}

} // namespace

T_DOMAIN_D* T_SECTION_D::FindDomain(int id) const
{
    return FindRecord(domains, id);
}

T_LOOP_D* T_SECTION_D::FindLoop(int id) const
{
    return FindRecord(loops, id);
}

T_SCURVE_D* T_SECTION_D::FindCurve(int id) const
{
    return FindRecord(curves, id);
}

T_POINT_D* T_SECTION_D::FindPoint(int id) const
{
    return FindRecord(points, id);
}

int T_SECTION_D::FindAvailableCurve() const
{
    for (int kind = LOOP_DOMAIN_OUTLINE; kind <= LOOP_UNCLASSIFIED; ++kind) {
        for (const auto& [domainId, domain] : domains) {
            for (int loopId : domain->loopIds) {
                const T_LOOP_D* loop = FindLoop(loopId);
                if (!loop || loop->kind != kind)
                    continue;
                for (int curveId : loop->curveIds) {
                    const T_SCURVE_D* curve = FindCurve(curveId);
                    if (curve && curve->tracingState != TRACE_USED_UP)
                        return curveId;
                }
            }
        }
    }
    return 0;
}

int T_SECTION_D::FindNextLoopCurve(int signedCurveId) const
{
    const T_SCURVE_D* run = FindCurve(UnsignedCurveId(signedCurveId));
    if (!run)
        return 0;
    const bool forward = signedCurveId > 0;
    const std::vector<CurveJunction>& candidates =
        forward ? run->lastPointJunctions : run->firstPointJunctions;
    if (candidates.empty())
        return 0;

    if (candidates.size() == 1) {
        const T_SCURVE_D* next = FindCurve(candidates.front().curveId);
        if (!next || next->tracingState == TRACE_USED_UP)
            return 0;
        return SignedRunId(candidates.front());
    }

    const T_POINT_D* joint = FindPoint(PointBeforeRunEnd(*run, forward, 0));
    const T_POINT_D* previous = FindPoint(PointBeforeRunEnd(*run, forward, 1));
    if (!joint || !previous)
        return 0;

    // The sharpest left turn wins; on equal angles the earlier candidate
    // stays, and going straight back (0 degrees) is never taken.
    double bestAngle = 0.0;
    int chosen = 0;
    for (const CurveJunction& candidate : candidates) {
        const T_SCURVE_D* next = FindCurve(candidate.curveId);
        if (!next || next->tracingState == TRACE_USED_UP)
            continue;
        const T_POINT_D* nextPoint =
            FindPoint(PointAfterRunStart(*next, candidate.startsAtJoint, 1));
        if (!nextPoint)
            return 0;
        double angle = AngleAtVertex(joint->xy, previous->xy, nextPoint->xy);
        if (angle < 0.0)
            angle += 360.0;
        if (angle > bestAngle) {
            bestAngle = angle;
            chosen = SignedRunId(candidate);
        }
    }
    return chosen;
}

void T_SECTION_D::AddTracedLoop(const std::vector<int>& signedCurveIds)
{
    FileTracedRun(tracedLoops, signedCurveIds);

    for (int signedId : signedCurveIds) {
        T_SCURVE_D* curve = FindCurve(UnsignedCurveId(signedId));
        if (!curve)
            continue;
        if (curve->tracingState == TRACE_BOTH_WAYS)
            curve->tracingState = signedId > 0 ? TRACE_BACKWARD_ONLY : TRACE_FORWARD_ONLY;
        else
            curve->tracingState = TRACE_USED_UP;
    }
}

void T_SECTION_D::AddTracedChain(const std::vector<int>& signedCurveIds)
{
    FileTracedRun(tracedChains, signedCurveIds);

    for (int signedId : signedCurveIds) {
        if (T_SCURVE_D* curve = FindCurve(UnsignedCurveId(signedId)))
            curve->tracingState = TRACE_USED_UP;
    }
}

void T_SECTION_D::ClearTracedLoops()
{
    tracedLoops.clear();
    tracedChains.clear();
}

bool T_SECTION_D::GetLoopProbePoint(const T_LOOP_D* loop, double out[2]) const
{
    if (!loop || loop->curveIds.empty())
        return false;
    // The entry of the smallest curve id; a reversed entry is walked backwards
    // so that "left" stays the loop's left.
    const int entry = *std::min_element(loop->curveIds.begin(), loop->curveIds.end(),
                                        [](int a, int b) { return UnsignedCurveId(a) < UnsignedCurveId(b); });
    const T_SCURVE_D* curve = FindCurve(UnsignedCurveId(entry));
    if (!curve || curve->pointIds.size() < 2)
        return false;
    const bool forward = entry > 0;
    const size_t half = curve->pointIds.size() / 2;
    const T_POINT_D* p = FindPoint(PointAfterRunStart(*curve, forward, half - 1));
    const T_POINT_D* q = FindPoint(PointAfterRunStart(*curve, forward, half));
    if (!p || !q)
        return false;
    const double length = Distance(p->xy, q->xy);
    if (length == 0.0)
        return false;  // a segment without direction has no left side

    const double mid[2] = {0.5 * (p->xy[0] + q->xy[0]), 0.5 * (p->xy[1] + q->xy[1])};
    CopyPoint2(mid, out);
    if (loop->kind != LOOP_OPEN_CHAIN) {
        const double scale = 0.001 / length;
        out[0] += scale * (p->xy[1] - q->xy[1]);
        out[1] += scale * (q->xy[0] - p->xy[0]);
    }
    return true;
}

bool T_SECTION_D::IsLoopInsideLoop(const T_LOOP_D* inner, const T_LOOP_D* outer) const
{
    double probe[2];
    return GetLoopProbePoint(inner, probe) && IsPointInsideLoop(probe, outer);
}

bool T_SECTION_D::IsPointInsideLoop(const double pt[2], const T_LOOP_D* loop) const
{
    if (!loop)
        return false;
    double angleSum = 0.0;
    for (int entry : loop->curveIds) {
        const T_SCURVE_D* curve = FindCurve(UnsignedCurveId(entry));
        if (!curve)
            return false;
        const bool forward = entry > 0;
        for (size_t k = 0; k + 1 < curve->pointIds.size(); ++k) {
            const T_POINT_D* from = FindPoint(PointAfterRunStart(*curve, forward, k));
            const T_POINT_D* to = FindPoint(PointAfterRunStart(*curve, forward, k + 1));
            if (!from || !to)
                return false;
            angleSum += AngleAtVertex(pt, from->xy, to->xy);
        }
    }
    return std::fabs(angleSum) > 350.0;
}

double ShownResult(const T_SECTION_D& section, SectionResult result)
{
    const double* r = section.results;
    if (result == RESULT_IXY && std::fabs(r[RESULT_IXY]) < 1e-12 * std::sqrt(std::fabs(r[RESULT_IXX])) * std::sqrt(std::fabs(r[RESULT_IYY])))
        return 0.0;
    return r[result];
}
