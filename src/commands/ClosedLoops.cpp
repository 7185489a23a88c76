// Curve > Closed Loop: registering a chain of curves that closes on itself as
// a closed loop, and unregistering loops.

#include "commands/CommandRollback.h"
#include "commands/CurveOverlapCheck.h"
#include "commands/IdLists.h"
#include "commands/LineSectionInvalidation.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

constexpr const char* kRegisterRefusalLead = "Cannot register a new closed loop.\n\n";

// "> Curve ID(s): 4 - 7 - 9" for a loop over those curves, whatever the signs.
std::string CurveIdsLine(const std::vector<int>& signedCurveIds)
{
    std::string line = "> Curve ID(s): ";
    for (size_t k = 0; k < signedCurveIds.size(); ++k) {
        if (k > 0)
            line += " - ";
        line += FormatText("%d", std::abs(signedCurveIds[k]));
    }
    return line;
}

std::string ThirdLoopQuestion(const std::vector<int>& fullCurveIds, size_t givenCount)
{
    const std::string who = fullCurveIds.size() == 1
        ? FormatText("Curve [%d] already belongs to two closed loops.", fullCurveIds.front())
        : FormatText("%d curves already belong to two closed loops.", static_cast<int>(fullCurveIds.size()));
    const char* what = givenCount == 1 ? "this curve" : "these curves";
    return who + "\n\nIn the normal line section, a curve can belong to two closed loops at most.\n\nReally register " +
           what + " as a new closed loop?";
}

// Where a run over the signed curve id starts and ends.
int RunStartPoint(const T_CURVE_D& curve, int signedId)
{
    return signedId > 0 ? curve.pointIds.front() : curve.pointIds.back();
}

int RunEndPoint(const T_CURVE_D& curve, int signedId)
{
    return signedId > 0 ? curve.pointIds.back() : curve.pointIds.front();
}

} // namespace

bool CSectModel::RegisterClosedLoop(const std::vector<int>& curveIds)
{
    if (curveIds.empty())
        return false;
    if (!CheckCurvesNeitherCoincideNorOverlap(*this, curveIds, kRegisterRefusalLead))
        return false;

    std::vector<int> fullCurveIds;
    std::vector<int> touchedLoopIds;
    std::vector<int> pointIds;
    for (int curveId : curveIds) {
        const T_CURVE_D* curve = FindCurve(curveId);
        if (!curve)
            return m_reporter.ReportCurveNotFound(curveId);
        // A third loop on a curve is unusual for a line section, and so is a fourth.
        if (curve->closedLoopIds.size() >= 2 && !ContainsId(fullCurveIds, curveId))
            fullCurveIds.push_back(curveId);
        for (int loopId : curve->closedLoopIds) {
            if (!ContainsId(touchedLoopIds, loopId))
                touchedLoopIds.push_back(loopId);
        }
        for (int pointId : curve->pointIds) {
            if (!FindPoint(pointId))
                return m_reporter.ReportPointNotFound(pointId);
            pointIds.push_back(pointId);
        }
    }

    for (int loopId : touchedLoopIds) {
        const T_LOOP_D* loop = FindClosedLoop(loopId);
        if (!loop)
            return m_reporter.ReportClosedLoopNotFound(loopId);
        const bool wholeLoopGiven = std::all_of(loop->curveIds.begin(), loop->curveIds.end(),
                                                [&curveIds](int entry) { return ContainsId(curveIds, std::abs(entry)); });
        if (wholeLoopGiven) {
            return m_reporter.ShowWarning(FormatText(curveIds.size() == 1
                                                         ? "Selected curve is already registered as a closed loop [%d]."
                                                         : "Selected curves are already registered as a closed loop [%d].",
                                                     loopId));
        }
    }

    if (!fullCurveIds.empty() && m_reporter.AskYesNo(ThirdLoopQuestion(fullCurveIds, curveIds.size()), 0) != 1)
        return false;
    if (!CheckIdLimit(IdKind::ClosedLoop, 1))
        return false;

    // Points within the tolerance become one, so the chain can be found by
    // point ids. A refusal below takes that merge back, and its report.
    CommandRollback rollback(*this);
    SortUniqueIds(pointIds);
    const double noCoordinate[2] = {0.0, 0.0};
    EqualizePointsInTolerance(pointIds, m_tolerance, false, noCoordinate, true, false);

    std::vector<int> chain;
    std::vector<int> rest;
    ChainCurves(curveIds, chain, rest);
    if (chain.empty()) {
        // The merge folded one of the given curves into another one.
        const auto missing = std::find_if(curveIds.begin(), curveIds.end(), [this](int id) { return !FindCurve(id); });
        rollback.RollBack();
        return m_reporter.ReportCurveNotFound(missing != curveIds.end() ? *missing : curveIds.front());
    }
    if (!rest.empty()) {
        rollback.RollBack();
        return m_reporter.ShowWarning(std::string(kRegisterRefusalLead) +
                                      "Closed loop should be a simply-connected chain and be connected at the points "
                                      "exactly.");
    }
    const T_CURVE_D* firstCurve = FindCurve(std::abs(chain.front()));
    const T_CURVE_D* lastCurve = FindCurve(std::abs(chain.back()));
    if (!firstCurve || !lastCurve) {
        rollback.RollBack();
        return m_reporter.ReportCurveNotFound(std::abs(firstCurve ? chain.back() : chain.front()));
    }
    if (RunStartPoint(*firstCurve, chain.front()) != RunEndPoint(*lastCurve, chain.back())) {
        rollback.RollBack();
        return m_reporter.ShowWarning(curveIds.size() == 1 ? "Selected curve is not closed."
                                                           : "Selected curves are not closed.");
    }

    rollback.Commit();

    auto loop = std::make_unique<T_LOOP_D>();
    loop->id = m_nextClosedLoopId++;
    loop->kind = 0;
    loop->curveIds = chain;
    const int loopId = loop->id;
    m_closedLoops[loopId] = std::move(loop);
    AddNewcomerClosedLoop(loopId, true);
    RecordCreatedClosedLoop(loopId, true);
    SetUndoActionTitle("Register new closed loop");

    std::vector<int> sectionsToInvalidate;
    for (int entry : chain) {
        T_CURVE_D* curve = FindCurve(std::abs(entry));
        if (!curve)
            return m_reporter.ReportCurveNotFound(std::abs(entry));
        SaveCurveForUndo(curve, false);
        curve->closedLoopIds.push_back(loopId);
        NoteLineSectionToInvalidate(*this, *curve, sectionsToInvalidate);
    }
    InvalidateLineSections(*this, sectionsToInvalidate);

    m_reporter.PrintOutput(FormatText("New closed loop [%d] is registered by %d curve(s).", loopId,
                                      static_cast<int>(chain.size())));
    m_reporter.PrintOutput(CurveIdsLine(chain));
    return true;
}

bool CSectModel::UnregisterClosedLoops(const std::vector<int>& closedLoopIds)
{
    // All or nothing: every loop and every curve it runs through is looked up
    // before the first one is taken away.
    std::vector<int> loopIds = closedLoopIds;
    DropRepeatedIds(loopIds);
    if (loopIds.empty())
        return false;
    for (int loopId : loopIds) {
        const T_LOOP_D* loop = FindClosedLoop(loopId);
        if (!loop)
            return m_reporter.ReportClosedLoopNotFound(loopId);
        for (int entry : loop->curveIds) {
            if (!FindCurve(std::abs(entry)))
                return m_reporter.ReportCurveNotFound(std::abs(entry));
        }
    }

    BeginUndoAction();
    SetUndoActionTitle(loopIds.size() == 1
                           ? std::string("Unregister 1 closed loop")
                           : FormatText("Unregister %d closed loops", static_cast<int>(loopIds.size())));
    std::vector<int> sectionsToInvalidate;
    for (int loopId : loopIds) {
        const auto found = m_closedLoops.find(loopId);
        const T_LOOP_D& loop = *found->second;
        for (int entry : loop.curveIds) {
            T_CURVE_D* curve = FindCurve(std::abs(entry));
            SaveCurveForUndo(curve, false);
            const auto position = std::find(curve->closedLoopIds.begin(), curve->closedLoopIds.end(), loopId);
            if (position != curve->closedLoopIds.end())
                curve->closedLoopIds.erase(position);
            NoteLineSectionToInvalidate(*this, *curve, sectionsToInvalidate);
        }
        m_reporter.PrintOutput(FormatText("Closed loop [%d] is unregistered.", loopId));
        m_reporter.PrintOutput(CurveIdsLine(loop.curveIds));
        SaveClosedLoopForUndo(&loop, false);
        m_closedLoops.erase(found);
    }
    InvalidateLineSections(*this, sectionsToInvalidate);
    return true;
}
