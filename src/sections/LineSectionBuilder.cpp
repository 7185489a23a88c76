// Section > Generate for line sections: thin-walled sections that keep no
// geometry of their own, only the list of the model curves they are made of.

#include "commands/CurveOverlapCheck.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "sections/SectionCurveChecks.h"

#include <memory>

int CSectModel::GenerateLineSection(std::string name, const std::vector<int>* curveIds, bool hasLocation,
                                    double location, const int color[3], const char* groupName, bool inOpenUndoAction)
{
    const std::vector<int> curves = *curveIds;
    if (!CheckCurvesNeitherCoincideNorOverlap(*this, curves, "Cannot generate a new line section.\n\n"))
        return 0;
    if (!CheckCurvesFreeForSection(*this, curves) || !CheckClosedLoopsTakenWhole(*this, curves))
        return 0;
    if (!CheckIdLimit(IdKind::Section, 1))
        return 0;

    auto section = std::make_unique<T_SECTION_D>();
    section->id = m_nextSectionId++;
    section->name = name.empty() ? FormatText("Section-L%d", section->id) : name;
    section->type = SECTION_LINE;
    section->hasLocation = hasLocation;
    section->location = location;
    section->propertiesCalculated = false;
    for (int k = 0; k < 3; ++k)
        section->colour[k] = color[k];
    section->curveIds = curves;
    const int id = section->id;
    const std::string sectionName = section->name;
    m_sections[id] = std::move(section);

    AddNewcomerSection(id, true);
    RecordCreatedSection(id, !inOpenUndoAction);
    SetUndoActionTitle(FormatText("Generate new line section [%s]", sectionName.c_str()));
    for (int curveId : curves) {
        T_CURVE_D* curve = FindCurve(curveId);
        if (!curve)
            return m_reporter.ReportCurveNotFound(curveId);
        SaveCurveForUndo(curve, false);
        curve->sectionId = id;
    }
    if (!UnsharePointsOfCurves(curves))
        return 0;
    AddNewSectionToGroup(groupName ? groupName : "", id);
    return id;
}
