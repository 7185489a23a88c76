#include "calc/GenerationFrontEnd.h"

#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "sections/SectionClashes.h"

namespace {

bool Confirm(const CSectModel& model, const std::string& question)
{
    return model.m_reporter.AskYesNo(question, 0) == 1;
}

// Line sections: asks about curves without widths. False when a curve is
// missing (reported) or the user says No; calculateNow goes off on Yes.
bool AcceptCurvesWithoutWidth(const CSectModel& model, const std::vector<int>& curveIds, bool& calculateNow)
{
    std::vector<int> withoutWidth;
    for (int curveId : curveIds) {
        const T_CURVE_D* curve = model.FindCurve(curveId);
        if (!curve)
            return model.m_reporter.ReportCurveNotFound(curveId);
        if (curve->width < 1e-6)
            withoutWidth.push_back(curveId);
    }
    if (withoutWidth.empty())
        return true;
    const std::string question =
        withoutWidth.size() == 1
            ? FormatText("Width is not assigned to curve [%d].\n\nThe curve constructing the line section should "
                         "have a width.\n\nCreate the line section anyway?",
                         withoutWidth.front())
            : FormatText("Widths are not assigned to %d curves.\n\nThe curve constructing the line section should "
                         "have a width.\n\nCreate the line section anyway?",
                         static_cast<int>(withoutWidth.size()));
    if (!Confirm(model, question))
        return false;
    model.m_reporter.ShowInfo(calculateNow ? "Assign widths to all the curves and then calculate the properties.\n\n"
                                             "(Use [Model]-[Curve]-[Change Width] and [Properties]-[Calculate])"
                                           : "Ensure to assign widths to all the curves before calculation.\n\n"
                                             "(Use [Model]-[Curve]-[Change Width])");
    calculateNow = false;
    return true;
}

// Meshes and integrates, padding to a second so the mesh stays in view.
bool CalculatePlaneAtOnce(DocumentContext& document, T_SECTION_D* section)
{
    CSectModel& model = document.model;
    if (!model.MeshPlaneSection(section, ImmediateMeshLevel(model, *section), 0.0))
        return false;
    document.host.RedrawAllViews();
    const double start = document.host.ProcessorSeconds();
    const bool calculated = model.CalcPlaneSectionProperties(section);
    if (calculated)
        HoldRestOfSecond(document.host, start);
    model.ClearFeMesh();
    return calculated;
}

}  // namespace

int ImmediateMeshLevel(const CSectModel& model, const T_SECTION_D& section)
{
    int straight = 0;
    for (int curveId : section.curveIds) {
        const T_CURVE_D* curve = model.FindCurve(curveId);
        if (curve && curve->pointIds.size() == 2)
            ++straight;
    }
    if (straight == 0)
        return 3;
    const double share = static_cast<double>(straight) / static_cast<double>(section.curveIds.size());
    if (share < 0.26)
        return 1;
    return share < 0.51 ? 2 : 3;
}

void GenerateSection(DocumentContext& document, const std::string& name, int type, const std::vector<int>& curveIds,
                     bool hasLocation, double location, const int color[3], const std::string& groupName,
                     bool calculateNow, bool mergeStraightLines, double mergeAngleTolerance)
{
    const BusyScope busy(document.busy);
    CSectModel& model = document.model;
    if (!name.empty()) {
        const T_SECTION_D* other = FindSectionNamed(model, name);
        if (other && !Confirm(model, FormatText("Name \"%s\" is already used by the section [%s].\n\n"
                                                "Create the new conflicting one anyway?",
                                                name.c_str(), other->name.c_str())))
            return;
    }
    if (hasLocation) {
        const T_SECTION_D* other = FindSectionLocatedAt(model, location);
        if (other && !Confirm(model, FormatText("Location %.3lf is already assigned to the section [%s].\n\n"
                                                "Create a new one at the same location anyway?",
                                                location, other->name.c_str())))
            return;
    }
    if (type == SECTION_LINE && !AcceptCurvesWithoutWidth(model, curveIds, calculateNow))
        return;

    const int sectionId = model.GenerateSection(name, type, curveIds, hasLocation, location, color,
                                                groupName.c_str(), mergeStraightLines, mergeAngleTolerance);
    if (sectionId == 0)
        return;
    T_SECTION_D* section = model.FindSection(sectionId);
    if (!section) {
        model.m_reporter.ReportSectionNotFound(sectionId);
        return;
    }
    // The results and the centroid point join the generation's undo action.
    if (calculateNow) {
        document.host.RepaintMainWindow();
        document.host.OnModelChanged();
        calculateNow = section->type == SECTION_PLANE ? CalculatePlaneAtOnce(document, section)
                                                      : model.CalcLineSectionProperties(section);
    }
    const char* kind = section->type == SECTION_PLANE ? "plane" : "line";
    model.m_reporter.PrintOutput(
        calculateNow ? FormatText("New %s section [%s] is generated and its properties are calculated.", kind,
                                  section->name.c_str())
                     : FormatText("New %s section [%s] is generated.", kind, section->name.c_str()));
    document.host.OnModelChanged();
}

void RedefineSection(DocumentContext& document, int sectionId, const std::string& name, bool redefineLocation,
                     double location, bool redefineColor, const int color[3])
{
    CSectModel& model = document.model;
    const T_SECTION_D* section = model.FindSection(sectionId);
    if (!section) {
        model.m_reporter.ReportSectionNotFound(sectionId);
        return;
    }
    // A No to either clash ends the whole command: the user turned down the
    // redefinition as it was asked for, not just the clashing part of it.
    if (!name.empty()) {
        const T_SECTION_D* other = FindSectionNamed(model, name, sectionId);
        if (other && !Confirm(model, FormatText("Name \"%s\" is already used by the section [%s].\n\n"
                                                "Rename the selected section [%s] identically anyway?",
                                                name.c_str(), other->name.c_str(), section->name.c_str())))
            return;
    }
    if (redefineLocation) {
        const T_SECTION_D* other = FindSectionLocatedAt(model, location, sectionId);
        if (other && !Confirm(model, FormatText("Location %.3lf is already assigned to the section [%s].\n\n"
                                                "Assign the same location to the selected section [%s] anyway?",
                                                location, other->name.c_str(), section->name.c_str())))
            return;
    }
    // A redefinition to the section's own values files no step and leaves
    // the project as modified as it was; a step an earlier command filed is
    // not this one's.
    model.TakeUndoStepFiled();
    if (model.RedefineSection(sectionId, name, redefineLocation, location, redefineColor, color, true)
        && model.TakeUndoStepFiled())
        document.host.OnModelChanged();
}
