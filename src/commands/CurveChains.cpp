// Ordering curves into connected chains, and the merge of collinear two-point
// lines that runs along those chains before a plane section is built.

#include "commands/CurveChainWalk.h"
#include "commands/IdLists.h"
#include "model/Geometry.h"
#include "model/SectModel.h"

#include <cmath>
#include <cstdlib>
#include <deque>
#include <map>
#include <set>
#include <unordered_set>

namespace {

int FirstPoint(const T_CURVE_D& curve)
{
    return curve.pointIds.front();
}

int LastPoint(const T_CURVE_D& curve)
{
    return curve.pointIds.back();
}

// The chain's start: the first curve whose first point no other listed curve
// ends at, run forward; else the first whose last point is free, run
// backwards; else (a ring) the first curve forward.
int ChooseChainStart(const std::vector<int>& ids, const std::vector<const T_CURVE_D*>& curves)
{
    std::map<int, std::set<int>> curvesEndingAt;
    for (size_t i = 0; i < ids.size(); ++i) {
        curvesEndingAt[FirstPoint(*curves[i])].insert(ids[i]);
        curvesEndingAt[LastPoint(*curves[i])].insert(ids[i]);
    }
    const auto isFreeEnd = [&curvesEndingAt](int pointId, int curveId) {
        const std::set<int>& owners = curvesEndingAt[pointId];
        return owners.size() == 1 && *owners.begin() == curveId;
    };
    for (size_t i = 0; i < ids.size(); ++i) {
        if (isFreeEnd(FirstPoint(*curves[i]), ids[i]))
            return ids[i];
    }
    for (size_t i = 0; i < ids.size(); ++i) {
        if (isFreeEnd(LastPoint(*curves[i]), ids[i]))
            return -ids[i];
    }
    return ids[0];
}

} // namespace

void CSectModel::ChainCurves(const std::vector<int>& curveIds, std::vector<int>& chain,
                             std::vector<int>& rest) const
{
    chain.clear();
    rest.clear();
    std::vector<const T_CURVE_D*> curves;
    for (int id : curveIds) {
        const T_CURVE_D* curve = FindCurve(id);
        // A curve without points has no ends to chain by.
        if (!curve || curve->pointIds.empty())
            return;
        curves.push_back(curve);
    }
    if (curveIds.empty())
        return;
    if (curveIds.size() == 1) {
        chain = curveIds;
        return;
    }
    if (curveIds.size() == 2) {
        const int c0 = curveIds[0], c1 = curveIds[1];
        const T_CURVE_D& first = *curves[0];
        const T_CURVE_D& second = *curves[1];
        if (LastPoint(first) == FirstPoint(second))
            chain = {c0, c1};
        else if (FirstPoint(first) == LastPoint(second))
            chain = {c1, c0};
        else if (FirstPoint(first) == FirstPoint(second))
            chain = {-c0, c1};
        else if (LastPoint(first) == LastPoint(second))
            chain = {c0, -c1};
        else {
            chain = {c0};
            rest = {c1};
        }
        return;
    }

    const int start = ChooseChainStart(curveIds, curves);
    const T_CURVE_D& startCurve = *FindCurve(std::abs(start));
    std::deque<int> grown{start};
    int startPoint = start > 0 ? FirstPoint(startCurve) : LastPoint(startCurve);
    int endPoint = start > 0 ? LastPoint(startCurve) : FirstPoint(startCurve);
    std::unordered_set<int> inChain{std::abs(start)};

    // Curves join only at the chain's two ends; the first fitting curve in
    // list order wins and the scan restarts.
    bool extended = true;
    while (extended) {
        extended = false;
        for (size_t i = 0; i < curveIds.size() && !extended; ++i) {
            const int id = curveIds[i];
            if (inChain.contains(id))
                continue;
            const T_CURVE_D& curve = *curves[i];
            extended = true;
            if (endPoint == FirstPoint(curve)) {
                grown.push_back(id);
                endPoint = LastPoint(curve);
            } else if (startPoint == LastPoint(curve)) {
                grown.push_front(id);
                startPoint = FirstPoint(curve);
            } else if (startPoint == FirstPoint(curve)) {
                grown.push_front(-id);
                startPoint = LastPoint(curve);
            } else if (endPoint == LastPoint(curve)) {
                grown.push_back(-id);
                endPoint = FirstPoint(curve);
            } else {
                extended = false;
            }
            if (extended)
                inChain.insert(id);
        }
    }
    chain.assign(grown.begin(), grown.end());
    for (int id : curveIds) {
        if (!inChain.contains(id))
            rest.push_back(id);
    }
}

void ForEachCurveChain(const CSectModel& model, std::vector<int> curveIds,
                       const std::function<void(const std::vector<int>& chain)>& visit)
{
    std::vector<int> chain;
    std::vector<int> rest;
    while (!curveIds.empty()) {
        model.ChainCurves(curveIds, chain, rest);
        if (chain.empty())
            return;
        curveIds = rest;
        if (chain.size() >= 2)
            visit(chain);
    }
}

namespace {

// The merge of one chain's straight joints.
class StraightLineMerge {
public:
    StraightLineMerge(CSectModel& model, const std::vector<int>& listed, double angleTolerance)
        : model_(model), angleTolerance_(angleTolerance)
    {
        for (int id : listed) {
            const T_CURVE_D& curve = *model.FindCurve(id);
            if (curve.pointIds.empty())
                continue;
            ++listedEndCount_[FirstPoint(curve)];
            ++listedEndCount_[LastPoint(curve)];
        }
        for (const auto& [id, curve] : model.m_curves) {
            std::set<int> distinct(curve->pointIds.begin(), curve->pointIds.end());
            for (int pointId : distinct)
                ++curvesUsing_[pointId];
        }
    }

    // Merges along the chain; the absorbed curves and the joints are
    // gathered for the caller to delete.
    void MergeChain(std::vector<int> chain, std::vector<int>& absorbed, std::vector<int>& joints)
    {
        size_t k = 0;
        while (k < chain.size() && chain.size() > 1) {
            const size_t next = (k + 1) % chain.size();
            if (!TryMerge(chain[k], chain[next], absorbed, joints)) {
                ++k;
                continue;
            }
            chain.erase(chain.begin() + static_cast<std::ptrdiff_t>(next));
            // The surviving curve now runs forward; when its partner was the
            // first entry the chain has shifted under k and the pass ends.
            const size_t survivor = next == 0 ? k - 1 : k;
            chain[survivor] = std::abs(chain[survivor]);
        }
    }

private:
    bool TryMerge(int s1, int s2, std::vector<int>& absorbed, std::vector<int>& joints)
    {
        T_CURVE_D* c1 = model_.FindCurve(std::abs(s1));
        T_CURVE_D* c2 = model_.FindCurve(std::abs(s2));
        if (!c1 || !c2 || c1 == c2 || c1->pointIds.size() != 2 || c2->pointIds.size() != 2)
            return false;
        const int joint = s1 > 0 ? c1->pointIds[1] : c1->pointIds[0];
        const int farA = s1 > 0 ? c1->pointIds[0] : c1->pointIds[1];
        const int c2Start = s2 > 0 ? c2->pointIds[0] : c2->pointIds[1];
        const int farB = s2 > 0 ? c2->pointIds[1] : c2->pointIds[0];
        // The closing pair of an open chain does not meet; and a joint that
        // any curve besides these two uses must stay where it is.
        if (c2Start != joint || listedEndCount_[joint] != 2 || curvesUsing_[joint] != 2)
            return false;
        const T_POINT_D* j = model_.FindPoint(joint);
        const T_POINT_D* a = model_.FindPoint(farA);
        const T_POINT_D* b = model_.FindPoint(farB);
        if (!j || !a || !b)
            return false;
        const double angle = AngleAtVertex(j->xy, a->xy, b->xy);
        if (std::fabs(std::fabs(angle) - 180.0) > angleTolerance_)
            return false;

        if (!actionOpen_) {
            model_.BeginUndoAction();
            model_.SetUndoActionTitle("Merge straigt lines to generate plane sections.");
            actionOpen_ = true;
        }
        model_.SaveCurveForUndo(c1, false);
        model_.SaveCurveForUndo(c2, false);
        c1->pointIds = {farA, farB};
        c2->pointIds.clear();
        curvesUsing_[joint] -= 2;
        absorbed.push_back(c2->id);
        joints.push_back(joint);
        return true;
    }

    CSectModel& model_;
    double angleTolerance_;
    std::map<int, int> listedEndCount_;  // ends of listed curves at each point
    std::map<int, int> curvesUsing_;     // curves of the whole model holding each point
    bool actionOpen_ = false;
};

} // namespace

void CSectModel::MergeStraightLines(std::vector<int>& curveIds, double angleTolerance)
{
    if (curveIds.size() < 2)
        return;
    DropRepeatedIds(curveIds);
    // Curves of sections and closed loops are never merged, but they stay in
    // the caller's list: the plane section built from it still needs them.
    std::vector<int> mergeable = curveIds;
    RemoveSectionCurves(mergeable);
    RemoveClosedLoopCurves(mergeable);
    if (mergeable.size() < 2)
        return;

    std::vector<int> remaining;
    for (int id : mergeable) {
        const T_CURVE_D* curve = FindCurve(id);
        if (curve && !curve->pointIds.empty())
            remaining.push_back(id);
    }
    StraightLineMerge merge(*this, remaining, angleTolerance);
    ForEachCurveChain(*this, std::move(remaining), [&](const std::vector<int>& chain) {
        std::vector<int> absorbed;
        std::vector<int> joints;
        merge.MergeChain(chain, absorbed, joints);
        if (absorbed.empty())
            return;
        for (int id : absorbed)
            std::erase(curveIds, id);
        DeleteCurves(absorbed, false, false);
        DeletePoints(joints, false);
    });
}
