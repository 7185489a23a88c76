// Point > Equalize: merging chosen points into one, and merging every group of
// points that lie close together (the snowball tolerance merge).

#include "commands/CreationSupport.h"
#include "commands/IdLists.h"
#include "model/Geometry.h"
#include "model/HeldOutput.h"
#include "model/PointGrid.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"

#include <algorithm>
#include <numeric>
#include <set>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

constexpr const char* kSkipInformation =
    "Point belonging to the section or the closed loop will be skipped in this operation.";

// Drops the protected points; true when any was dropped.
bool RemoveProtectedPoints(const CSectModel& model, std::vector<int>& pointIds)
{
    const bool skippedSection = model.RemoveSectionPoints(pointIds);
    const bool skippedLoop = model.RemoveClosedLoopPoints(pointIds);
    return skippedSection || skippedLoop;
}

// The id of the first curve (other than a plain two-point line) on which the
// points do not form one contiguous run; 0 when there is none.
int FindOverlappingCurve(const CSectModel& model, const std::vector<int>& pointIds)
{
    const std::set<int> merging(pointIds.begin(), pointIds.end());
    for (const auto& [id, curve] : model.m_curves) {
        if (curve->pointIds.size() == 2)
            continue;
        long previous = -1;
        for (size_t position = 0; position < curve->pointIds.size(); ++position) {
            if (!merging.contains(curve->pointIds[position]))
                continue;
            if (previous >= 0 && static_cast<long>(position) - previous > 1)
                return id;
            previous = static_cast<long>(position);
        }
    }
    return 0;
}

// Points the curve at the merged point in place of the merged-away one, at
// every position, and tidies what the merge folded together. False when the
// curve is left without a shape.
bool RepointCurve(T_CURVE_D& curve, int mergedAwayId, int mergedId)
{
    std::vector<int>& ids = curve.pointIds;
    std::replace(ids.begin(), ids.end(), mergedAwayId, mergedId);
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    // A closed curve of two segments runs there and back: one line.
    if (ids.size() == 3 && ids.front() == ids.back())
        ids.pop_back();
    return ids.size() >= 2;
}

// The point the others merge into: the one found at the merged position
// (taken out of the list), else a new point there, else (deleting
// redundancies) the smallest id moved there. Returns its id.
int TakeMergedPoint(CSectModel& model, std::vector<int>& pointIds, const double merged[2], int foundId,
                    bool deleteRedundancies)
{
    if (foundId != 0) {
        std::erase(pointIds, foundId);
        return foundId;
    }
    if (!deleteRedundancies) {
        const int id = AddNewPoint(model, merged);
        model.AddNewcomerPoint(id, true);
        model.RecordCreatedPoint(id, false);
        return id;
    }
    std::sort(pointIds.begin(), pointIds.end());
    const int id = pointIds.front();
    T_POINT_D* kept = model.FindPoint(id);
    model.SavePointForUndo(kept, false);
    CopyPoint2(merged, kept->xy);
    model.NotePointsMoved();
    pointIds.erase(pointIds.begin());
    return id;
}

// The curves, in ascending id order and once each, that hold one of the
// points still in the model.
std::vector<int> CurvesThroughExistingPoints(const CSectModel& model, const std::vector<int>& pointIds)
{
    std::vector<int> curveIds;
    std::set<int> taken;
    for (int pointId : pointIds) {
        if (!model.FindPoint(pointId))
            continue;
        for (const auto& [curveId, curve] : model.m_curves) {
            if (ContainsId(curve->pointIds, pointId) && taken.insert(curveId).second)
                curveIds.push_back(curveId);
        }
    }
    return curveIds;
}

// Holds back what the groups' merges tell the user: their message boxes, so
// that the refusals of many groups reach the user as one message, and their
// output lines, kept only for a merge that changed something.
class GroupReports : private IMessageBoxPort {
public:
    explicit GroupReports(CMessageReporter& reporter) : reporter_(reporter), ports_(reporter.Ports())
    {
        UserPorts holding = ports_;
        holding.boxes = this;
        holding.output = &held_;
        reporter_.SetPorts(holding);
    }
    ~GroupReports() override { reporter_.SetPorts(ports_); }
    GroupReports(const GroupReports&) = delete;
    GroupReports& operator=(const GroupReports&) = delete;

    // After each group's merge: a refused group is counted and its box kept
    // for the report; a merge that went through shows its boxes as they came.
    // The merge's lines stay for the report only when it changed something.
    void SettleGroup(bool refused, bool changed)
    {
        if (changed)
            lines_.insert(lines_.end(), held_.lines.begin(), held_.lines.end());
        held_.lines.clear();
        if (refused) {
            ++refusedGroups_;
            if (firstText_.empty()) {
                firstKind_ = groupKind_;
                firstText_ = groupText_;
            }
        } else if (!groupText_.empty() && ports_.boxes) {
            ports_.boxes->ShowMessage(groupKind_, groupText_);
        }
        groupText_.clear();
    }

    // The merges' lines, or the one line that says they changed nothing;
    // then one box (verbose) or one output line (quiet) for all refused
    // groups, a single refusal keeping its own box.
    void Report(bool verbose, bool mergesChangedNothing)
    {
        reporter_.SetPorts(ports_);
        if (mergesChangedNothing) {
            reporter_.PrintOutput(
                NothingChangedLine("each merged point already exists and no curve uses the points merged into it"));
        } else {
            for (const std::string& line : lines_)
                reporter_.PrintOutput(line);
        }
        if (refusedGroups_ == 0)
            return;
        const std::string summary = refusedGroups_ == 1
            ? std::string("1 group of points within the snowball tolerance is not equalized.")
            : FormatText("%d groups of points within the snowball tolerance are not equalized.", refusedGroups_);
        if (!verbose)
            reporter_.PrintOutput(summary);
        else if (firstText_.empty())
            reporter_.ShowWarning(summary);
        else if (refusedGroups_ == 1 && ports_.boxes)
            ports_.boxes->ShowMessage(firstKind_, firstText_);
        else
            reporter_.ShowWarning(summary + "\n\n" + firstText_);
    }

private:
    // A refusing merge shows one box; it waits here until the merge returns.
    void ShowMessage(BoxKind kind, const std::string& text) override
    {
        groupKind_ = kind;
        groupText_ = text;
    }
    bool AskYesNo(const std::string& text, bool yesIsDefault) override
    {
        return ports_.boxes ? ports_.boxes->AskYesNo(text, yesIsDefault) : yesIsDefault;
    }

    CMessageReporter& reporter_;
    UserPorts ports_;  // as they were before
    int refusedGroups_ = 0;
    BoxKind groupKind_ = BoxKind::Warning;  // the box of the group being merged
    std::string groupText_;
    BoxKind firstKind_ = BoxKind::Warning;  // the box of the first refused group
    std::string firstText_;
    HeldOutput held_;  // the output lines of the group being merged
    std::vector<std::string> lines_;  // those of the merges that changed something
};

} // namespace

bool CSectModel::EqualizePoints(std::vector<int> pointIds, bool atCoordinate, const double xy[2],
                                bool deleteRedundancies, bool newUndoAction)
{
    DropRepeatedIds(pointIds);
    if (pointIds.size() < 2 || !AllPointsExist(*this, pointIds))
        return false;
    if (RemoveProtectedPoints(*this, pointIds))
        m_reporter.ShowInfo(kSkipInformation);
    if (pointIds.size() < 2)
        return false;
    if (const int curveId = FindOverlappingCurve(*this, pointIds)) {
        return m_reporter.ShowWarning(FormatText(
            "This equivalence will make the curve [%d] be overlaped in itself.\n\nSplit this curve or select all "
            "interior points between selected points.",
            curveId));
    }

    const T_UCS_D* ucs = GetCurrentUcs();
    double merged[2] = {0.0, 0.0};
    if (atCoordinate) {
        ucs->ToGlobal(xy, merged);
    } else {
        for (int id : pointIds) {
            merged[0] += FindPoint(id)->xy[0];
            merged[1] += FindPoint(id)->xy[1];
        }
        merged[0] /= static_cast<double>(pointIds.size());
        merged[1] /= static_cast<double>(pointIds.size());
    }
    const int foundId = FindPointAt(merged);
    if (foundId == 0 && !deleteRedundancies && !CheckIdLimit(IdKind::Point, 1))
        return false;

    const std::vector<int> equalized = pointIds;
    const int equalizedCount = static_cast<int>(equalized.size());
    const UnchangedActionGuard noEmptyStep(*this, newUndoAction);
    if (newUndoAction) {
        BeginUndoAction();
        SetUndoActionTitle(FormatText("Equalize %d points", equalizedCount));
    }
    const int mergedId = TakeMergedPoint(*this, pointIds, merged, foundId, deleteRedundancies);

    std::set<int> shapelessCurves;
    for (int mergedAwayId : pointIds) {
        for (auto& [curveId, curve] : m_curves) {
            if (!ContainsId(curve->pointIds, mergedAwayId))
                continue;
            SaveCurveForUndo(curve.get(), false);
            if (!RepointCurve(*curve, mergedAwayId, mergedId))
                shapelessCurves.insert(curveId);
        }
        if (deleteRedundancies) {
            const auto point = m_points.find(mergedAwayId);
            SavePointForUndo(point->second.get(), false);
            m_points.erase(point);
        }
    }
    for (int curveId : shapelessCurves)
        m_curves.erase(curveId);

    // Curves that still run through one of the given points may now
    // duplicate each other.
    DeleteDuplicateCurves(CurvesThroughExistingPoints(*this, equalized));

    if (noEmptyStep.ReportIfNothingChanged("the merged point already exists and no curve uses the points merged "
                                           "into it"))
        return true;
    double local[2];
    ucs->ToLocal(merged, local);
    m_reporter.PrintOutput(FormatText("%d points are equalized as point [%d] (%.3lf, %.3lf).", equalizedCount,
                                      mergedId, local[0], local[1]));
    return true;
}

bool CSectModel::EqualizePointsInTolerance(std::vector<int> pointIds, double tolerance, bool atCoordinate,
                                           const double xy[2], bool deleteRedundancies, bool verbose)
{
    DropRepeatedIds(pointIds);
    if (pointIds.size() < 2 || !AllPointsExist(*this, pointIds))
        return false;
    if (RemoveProtectedPoints(*this, pointIds) && verbose)
        m_reporter.ShowInfo(kSkipInformation);
    if (pointIds.size() < 2)
        return false;

    // The points by their place in the list (their rank), filed by position so
    // that only those near a point are compared with it. A point moved by a
    // merge is filed again; entries left at old positions fail the distance
    // test, which always reads the current position. Distances shorter than
    // the tolerance lie within it on each axis, save where squares underflow,
    // hence the grid's smallest reach.
    const std::vector<int> ranked = pointIds;
    PointGrid grid;
    grid.Reset(std::max(tolerance, 1e-150));
    for (size_t rank = 0; rank < ranked.size(); ++rank)
        grid.Insert(static_cast<int>(rank), FindPoint(ranked[rank])->xy);
    std::vector<char> dead(ranked.size(), 0);
    std::vector<int> alive(ranked.size());  // ranks, ascending, as the list shrinks
    std::iota(alive.begin(), alive.end(), 0);

    // The live ranks close to the point that pass the filter, ascending.
    const auto closeRanks = [&](const T_POINT_D& point, const auto& filter) {
        std::vector<int> ranks;
        if (!(tolerance > 0.0))
            return ranks;
        grid.VisitNear(point.xy, [&](int rank, const double*) {
            if (!dead[static_cast<size_t>(rank)] && filter(rank)
                && Distance(FindPoint(ranked[static_cast<size_t>(rank)])->xy, point.xy) < tolerance)
                ranks.push_back(rank);
        });
        std::sort(ranks.begin(), ranks.end());
        ranks.erase(std::unique(ranks.begin(), ranks.end()), ranks.end());
        return ranks;
    };

    // A group that a merge refuses stays as it was, and so does every group
    // found again from one of its members until some other merge changes the
    // points: trying it again would be refused again.
    bool grouped = false;
    int merges = 0;
    std::vector<int> refusedAfterMerges(ranked.size(), -1);
    const UnchangedActionGuard noEmptyStep(*this);
    GroupReports reports(m_reporter);
    for (size_t i = 0; i + 1 < alive.size(); ++i) {
        const int seedRank = alive[i];
        if (refusedAfterMerges[static_cast<size_t>(seedRank)] == merges)
            continue;
        const T_POINT_D& seed = *FindPoint(ranked[static_cast<size_t>(seedRank)]);
        std::vector<int> groupRanks{seedRank};
        for (int rank : closeRanks(seed, [seedRank](int rank) { return rank > seedRank; }))
            groupRanks.push_back(rank);
        if (groupRanks.size() < 2)
            continue;
        // The snowball: whatever lies close to a member joins, and is
        // itself walked in turn.
        std::unordered_set<int> inGroup(groupRanks.begin(), groupRanks.end());
        for (size_t g = 0; g < groupRanks.size(); ++g) {
            const T_POINT_D& member = *FindPoint(ranked[static_cast<size_t>(groupRanks[g])]);
            for (int rank : closeRanks(member, [&inGroup](int rank) { return !inGroup.contains(rank); })) {
                groupRanks.push_back(rank);
                inGroup.insert(rank);
            }
        }
        if (!grouped) {
            BeginUndoAction();
            SetUndoActionTitle(
                FormatText("Equalize %d points in tolerance", static_cast<int>(alive.size())));
            grouped = true;
        }
        std::vector<int> group;
        for (int rank : groupRanks)
            group.push_back(ranked[static_cast<size_t>(rank)]);
        // The merge records into an action of its own, folded into the
        // command's once it shows whether this group changed anything.
        BeginUndoAction();
        const bool merged = EqualizePoints(group, atCoordinate, xy, deleteRedundancies, false);
        const bool changed = !UndoActionsAboveChangeNothing(m_undoTopId - 1);
        FoldTopUndoActionIntoPrevious();
        reports.SettleGroup(!merged, changed);
        if (!merged) {
            for (int rank : groupRanks)
                refusedAfterMerges[static_cast<size_t>(rank)] = merges;
            continue;
        }
        ++merges;
        for (int rank : groupRanks) {
            if (const T_POINT_D* point = FindPoint(ranked[static_cast<size_t>(rank)]))
                grid.Insert(rank, point->xy);
            else
                dead[static_cast<size_t>(rank)] = 1;
        }
        std::erase_if(alive, [&dead](int rank) { return dead[static_cast<size_t>(rank)] != 0; });
    }
    reports.Report(verbose, merges > 0 && noEmptyStep.ChangedNothing());
    if (!grouped && verbose)
        m_reporter.PrintOutput("No point exists within the snowball tolerance with other points in the selected group.");
    return merges > 0;
}
