// The DXF import command around the read: its undo action, the offered check
// for crossings and duplicates, and the group that gathers what it made.

#include "model/NameLookup.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

namespace {

// An import of this many curves or more is not offered the check, which
// compares every curve with every other.
constexpr int kCheckedCurveLimit = 500;

} // namespace

bool CSectModel::BeginDxfImport()
{
    // The import ends in a new group: without an id for it nothing is read.
    if (!CheckIdLimit(IdKind::Group, 1))
        return false;
    BeginUndoAction();
    SetUndoActionTitle("Import DXF file");
    ClearNewcomerCurves();
    ClearNewcomerPoints();
    return true;
}

void CSectModel::FinishDxfImport(const char* name)
{
    const std::vector<int> importedCurves = m_newcomerCurves;
    const std::vector<int> importedPoints = m_newcomerPoints;
    const int curveCount = static_cast<int>(importedCurves.size());
    if (curveCount >= kCheckedCurveLimit) {
        m_reporter.ShowInfo(FormatText(
            "%d curves are imported from the DXF file.\n\nIt will take a very long time for checking the entire "
            "curves.\n\nCheck the intersection and/or duplication of the curves part-by-part manually.\n\n(Use "
            "[Model]-[Curve]-[Intersect] and [Model]-[Point]-[Equalize])",
            curveCount));
    } else if (m_reporter.AskYesNo("Check the intersection and/or duplication of the imported DXF model data?", 1)
               == 1) {
        // A cancelled check has taken back what it did: the drawing stays as read.
        if (RunIntersectCurves(importedCurves, true, false) != CommandEnd::Canceled) {
            const double unused[2] = {0.0, 0.0};
            EqualizePointsInTolerance(importedPoints, m_tolerance, false, unused, true, false);
        }
    }

    // The check empties the newcomer lists and fills them with what it made.
    AddNewcomerCurves(importedCurves, false);
    AddNewcomerPoints(importedPoints, false);
    if (!CheckIdLimit(IdKind::Group, 1))
        return;
    auto group = std::make_unique<T_GROUP_D>();
    group->id = m_nextGroupId++;
    group->name = UnusedName(m_groups, std::string("DXF:") + (name ? name : ""));
    GetNewcomerCurves(group->curveIds);
    GetNewcomerPoints(group->pointIds);
    const int groupId = group->id;
    m_groups[groupId] = std::move(group);
    RecordCreatedGroup(groupId, false);
}
