#include "sections/SectionCurveChecks.h"

#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

bool Contains(const std::vector<int>& ids, int id)
{
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

std::string MissingLoopCurvesText(int loopId, const std::vector<int>& missing)
{
    std::string text = FormatText("Not all curves belonging to the closed loop [%d] are selected.\n\n", loopId);
    text += missing.size() == 1 ? "Curve [" : "Curves [";
    for (size_t k = 0; k + 1 < missing.size(); ++k)
        text += FormatText("%d:", missing[k]);
    text += FormatText("%d]", missing.back());
    text += missing.size() == 1 ? " is not selected." : " are not selected.";
    return text;
}

} // namespace

bool CheckCurvesFreeForSection(const CSectModel& model, const std::vector<int>& curveIds)
{
    for (int curveId : curveIds) {
        const T_CURVE_D* curve = model.FindCurve(curveId);
        if (!curve)
            return model.m_reporter.ReportCurveNotFound(curveId);
        if (curve->sectionId == 0)
            continue;
        const T_SECTION_D* owner = model.FindSection(curve->sectionId);
        if (!owner)
            return model.m_reporter.ReportSectionNotFound(curve->sectionId);
        return model.m_reporter.ShowWarning(
            FormatText("Curve [%d] cannot be used to generate a new section.\n\nA curve can belong to only one "
                       "section.\n\nIt already belongs to the section [%s].",
                       curveId, owner->name.c_str()));
    }
    return true;
}

bool CheckClosedLoopsTakenWhole(const CSectModel& model, const std::vector<int>& curveIds)
{
    std::vector<int> loopIds;
    for (int curveId : curveIds) {
        const T_CURVE_D* curve = model.FindCurve(curveId);
        if (!curve)
            return model.m_reporter.ReportCurveNotFound(curveId);
        for (int loopId : curve->closedLoopIds) {
            if (!Contains(loopIds, loopId))
                loopIds.push_back(loopId);
        }
    }
    for (int loopId : loopIds) {
        const T_LOOP_D* loop = model.FindClosedLoop(loopId);
        if (!loop)
            return model.m_reporter.ReportClosedLoopNotFound(loopId);
        std::vector<int> missing;
        for (int entry : loop->curveIds) {
            const int curveId = std::abs(entry);
            if (!Contains(curveIds, curveId))
                missing.push_back(curveId);
        }
        if (!missing.empty())
            return model.m_reporter.ShowWarning(MissingLoopCurvesText(loopId, missing));
    }
    return true;
}
