// Curve > Reverse and Curve > Change Width: the running direction, the
// alignment and the width of curves, which decide where a curve's wall lies
// in a line section.

#include "commands/CreationSupport.h"
#include "commands/IdLists.h"
#include "commands/LineSectionInvalidation.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

namespace {

int SwapLeftAndRight(int alignment)
{
    if (alignment == ALIGN_LEFT)
        return ALIGN_RIGHT;
    if (alignment == ALIGN_RIGHT)
        return ALIGN_LEFT;
    return alignment;
}

// The alignment argument of ChangeCurveWidths: its printed name, and the
// stored alignment it sets (the swap has none).
constexpr int kSwapSidesArgument = 3;
constexpr std::array<const char*, 4> kAlignmentArgumentNames = {"Center", "Left", "Right", "Left<->Right"};

int AlignmentAfterChange(int current, int argument)
{
    return argument == kSwapSidesArgument ? SwapLeftAndRight(current) : argument + 1;
}

// A closed loop that runs through a reversed curve keeps its direction by
// running the curve the other way.
void FlipLoopEntries(CSectModel& model, int curveId, const std::vector<int>& closedLoopIds)
{
    for (int loopId : DistinctIds(&closedLoopIds)) {
        T_LOOP_D* loop = model.FindClosedLoop(loopId);
        if (!loop)
            continue;
        model.SaveClosedLoopForUndo(loop, false);
        const auto entry = std::find_if(loop->curveIds.begin(), loop->curveIds.end(),
                                        [curveId](int signedId) { return std::abs(signedId) == curveId; });
        if (entry != loop->curveIds.end())
            *entry = -*entry;
    }
}

std::string ChangedWidthsLine(int count, bool changeAlignment, const char* name, bool changeWidth, double width)
{
    if (changeAlignment && changeWidth) {
        return count == 1
            ? FormatText("The alignment and width of 1 curve is changed to \"%s\" and %.3lf, respectively.", name,
                         width)
            : FormatText("The alignments and widths of %d curves are changed to \"%s\" and %.3lf, respectively.",
                         count, name, width);
    }
    if (changeAlignment) {
        return count == 1 ? FormatText("The alignment of 1 curve is changed to \"%s\".", name)
                          : FormatText("The alignments of %d curves are changed to \"%s\".", count, name);
    }
    return count == 1 ? FormatText("The width of 1 curve is changed to %.3lf.", width)
                      : FormatText("The widths of %d curves are changed to %.3lf.", count, width);
}

// Why a change of widths left every curve as it was.
std::string UnchangedWidthsReason(bool noCurve, bool changeAlignment, bool changeWidth)
{
    if (noCurve)
        return "no curve is given";
    const char* what = !changeWidth ? "alignment" : !changeAlignment ? "width" : "alignment and width";
    return FormatText("every curve already has the %s asked for", what);
}

} // namespace

bool CSectModel::ReverseCurves(const std::vector<int>* curveIds, bool swapLeftRight)
{
    const std::vector<int> ids = DistinctIds(curveIds);
    for (int id : ids) {
        if (!FindCurve(id))
            return m_reporter.ReportCurveNotFound(id);
    }

    const int count = static_cast<int>(ids.size());
    const UnchangedActionGuard noEmptyStep(*this);
    BeginUndoAction();
    SetUndoActionTitle(count == 1 ? std::string("Reverse 1 curve") : FormatText("Reverse %d curves", count));
    std::vector<int> sectionsToInvalidate;
    for (int id : ids) {
        T_CURVE_D& curve = *FindCurve(id);
        SaveCurveForUndo(&curve, false);
        std::reverse(curve.pointIds.begin(), curve.pointIds.end());
        // Without the swap a LEFT or RIGHT wall moves to the other side.
        if (swapLeftRight)
            curve.alignment = SwapLeftAndRight(curve.alignment);
        else if (curve.alignment != ALIGN_CENTER)
            NoteLineSectionToInvalidate(*this, curve, sectionsToInvalidate);
        FlipLoopEntries(*this, id, curve.closedLoopIds);
    }
    InvalidateLineSections(*this, sectionsToInvalidate);
    if (noEmptyStep.ReportIfNothingChanged(ids.empty() ? "no curve is given"
                                                       : "every curve runs through the same points either way"))
        return true;
    m_reporter.PrintOutput(count == 1 ? std::string("1 curve is reversed.")
                                      : FormatText("%d curves are reversed.", count));
    return true;
}

bool CSectModel::ChangeCurveWidths(const std::vector<int>* curveIds, bool changeAlignment, int alignment,
                                   bool changeWidth, double width)
{
    if (!changeAlignment && !changeWidth)
        return false;
    // An argument outside the table would store an alignment no curve can have.
    if (changeAlignment && (alignment < 0 || alignment >= static_cast<int>(kAlignmentArgumentNames.size())))
        return false;

    const std::vector<int> ids = DistinctIds(curveIds);
    int shorterThanWidth = 0;
    std::vector<int> sectionsToInvalidate;
    std::vector<XyPosition> positions;
    for (int id : ids) {
        const T_CURVE_D* curve = FindCurve(id);
        if (!curve)
            return m_reporter.ReportCurveNotFound(id);
        if (changeWidth) {
            if (!AllPointsExist(*this, curve->pointIds))
                return false;
            GatherCurvePositions(*this, *curve, positions);
            if (PolylineLength(positions) < width)
                ++shorterThanWidth;
        }
        // Even an unchanged value takes the results away.
        NoteLineSectionToInvalidate(*this, *curve, sectionsToInvalidate);
    }
    if (shorterThanWidth > 0) {
        const std::string question = shorterThanWidth == 1
            ? FormatText("Width (%.3lf) is greater than the length of 1 curve.\n\nIs it right?", width)
            : FormatText("Width (%.3lf) is greater than the length of %d curves.\n\nIs it right?", width,
                         shorterThanWidth);
        if (m_reporter.AskYesNo(question, 2) != 1)
            return false;
    }

    const int count = static_cast<int>(ids.size());
    const UnchangedActionGuard noEmptyStep(*this);
    BeginUndoAction();
    SetUndoActionTitle(count == 1 ? std::string("Change width of 1 curve")
                                  : FormatText("Change widths of %d curves", count));
    for (int id : ids) {
        T_CURVE_D& curve = *FindCurve(id);
        SaveCurveForUndo(&curve, false);
        if (changeAlignment)
            curve.alignment = AlignmentAfterChange(curve.alignment, alignment);
        if (changeWidth)
            curve.width = width;
    }
    InvalidateLineSections(*this, sectionsToInvalidate);
    if (noEmptyStep.ReportIfNothingChanged(UnchangedWidthsReason(ids.empty(), changeAlignment, changeWidth)))
        return true;
    const char* name = changeAlignment ? kAlignmentArgumentNames[static_cast<size_t>(alignment)] : "";
    m_reporter.PrintOutput(ChangedWidthsLine(count, changeAlignment, name, changeWidth, width));
    return true;
}
