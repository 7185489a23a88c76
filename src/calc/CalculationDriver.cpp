#include "calc/CalculationDriver.h"

#include <algorithm>
#include <string>

#include "model/SectModel.h"
#include "model/TextFormat.h"

namespace {

// "[A:B:C" for the names, the caller closing the bracket with its own text.
std::string NameList(const std::vector<T_SECTION_D*>& sections)
{
    std::string names;
    for (std::size_t i = 0; i < sections.size(); ++i)
        names += (i == 0 ? "" : ":") + sections[i]->name;
    return names;
}

// Plane sections whose used domains have materials must have all of them,
// and defined; sections without any material are calculated.
bool HasAllMaterials(const CSectModel& model, const T_SECTION_D& section)
{
    const bool anyMaterial = std::any_of(section.domains.begin(), section.domains.end(), [](const auto& entry) {
        return entry.second->used && entry.second->materialId != 0;
    });
    if (!anyMaterial)
        return true;
    return std::all_of(section.domains.begin(), section.domains.end(), [&model](const auto& entry) {
        const T_DOMAIN_D& domain = *entry.second;
        return !domain.used || (domain.materialId != 0 && model.FindMaterial(domain.materialId));
    });
}

class CalculationRun {
public:
    CalculationRun(DocumentContext& document, int meshLevel, double meshSize, bool pauseAfterEach)
        : m_model(document.model), m_host(document.host), m_meshLevel(meshLevel), m_meshSize(meshSize),
          m_pause(pauseAfterEach)
    {
    }

    // The sections of the ids; false (after the not-found box) when one is missing.
    bool FindSections(const std::vector<int>& ids, std::vector<T_SECTION_D*>& sections) const
    {
        for (int id : ids) {
            T_SECTION_D* section = m_model.FindSection(id);
            if (!section)
                return m_model.m_reporter.ReportSectionNotFound(id);
            sections.push_back(section);
        }
        return true;
    }

    // Drops the sections whose materials or widths are missing, with one
    // warning per kind. False when a curve is missing (reported).
    bool DropRefusedSections(std::vector<T_SECTION_D*>& sections) const
    {
        std::vector<T_SECTION_D*> refusedPlanes, refusedLines;
        for (T_SECTION_D* section : sections) {
            section->workMark = section->id;
            if (section->type == SECTION_PLANE && !HasAllMaterials(m_model, *section)) {
                refusedPlanes.push_back(section);
                section->workMark = 0;
            }
            if (section->type != SECTION_LINE)
                continue;
            for (int curveId : section->curveIds) {
                const T_CURVE_D* curve = m_model.FindCurve(curveId);
                if (!curve)
                    return m_model.m_reporter.ReportCurveNotFound(curveId);
                if (curve->width < 1e-6) {
                    refusedLines.push_back(section);
                    section->workMark = 0;
                    break;
                }
            }
        }
        if (refusedPlanes.size() == 1)
            m_model.m_reporter.ShowWarning(FormatText(
                "Plane section [%s] cannot be calculated because not all its materials are defined.",
                refusedPlanes.front()->name.c_str()));
        else if (!refusedPlanes.empty())
            m_model.m_reporter.ShowWarning(FormatText(
                "Plane sections [%s] cannot be calculated because not all their materials are defined.",
                NameList(refusedPlanes).c_str()));
        if (refusedLines.size() == 1)
            m_model.m_reporter.ShowWarning(
                FormatText("Line section [%s] cannot be calculated because the corresponding widths are not "
                           "assigned to all the curves.",
                           refusedLines.front()->name.c_str()));
        else if (!refusedLines.empty())
            m_model.m_reporter.ShowWarning(
                FormatText("Line sections [%s] cannot be calculated because the corresponding widths are not "
                           "assigned to all the curves",
                           NameList(refusedLines).c_str()));
        std::erase_if(sections, [](const T_SECTION_D* section) { return section->workMark == 0; });
        return true;
    }

    // Asks whether to skip the hand-edited calculated sections; false when
    // that leaves nothing to calculate.
    bool SettleHandEditedSections(std::vector<T_SECTION_D*>& sections)
    {
        std::vector<T_SECTION_D*> edited;
        for (T_SECTION_D* section : sections) {
            if (section->propertiesCalculated && section->propertiesModifiedByHand)
                edited.push_back(section);
        }
        if (edited.empty())
            return true;
        const std::string question =
            edited.size() == 1
                ? FormatText("The properties of section [%s] were modified by the user manually.\n\n"
                             "Skip this section?",
                             edited.front()->name.c_str())
                : FormatText("The properties of sections [%s] were modified by the user manually.\n\n"
                             "Skip these sections?",
                             NameList(edited).c_str());
        if (m_model.m_reporter.AskYesNo(question, 1) == 1) {
            std::erase_if(sections, [&edited](T_SECTION_D* section) {
                return std::find(edited.begin(), edited.end(), section) != edited.end();
            });
            return !sections.empty();
        }
        for (T_SECTION_D* section : edited) {
            OpenUndoAction();
            m_model.SaveSectionForUndo(section, false);
            section->propertiesModifiedByHand = false;
        }
        return true;
    }

    void InvalidateCalculated(const std::vector<T_SECTION_D*>& sections)
    {
        bool invalidated = false;
        for (T_SECTION_D* section : sections) {
            if (!section->propertiesCalculated)
                continue;
            OpenUndoAction();
            m_model.InvalidateSectionProperties(section);
            invalidated = true;
        }
        if (invalidated)
            m_host.OnModelChanged();
    }

    // Returns the number of sections calculated.
    int Calculate(const std::vector<T_SECTION_D*>& sections)
    {
        OpenUndoAction();
        m_planeTotal = static_cast<int>(std::count_if(sections.begin(), sections.end(), [](const T_SECTION_D* s) {
            return s->type == SECTION_PLANE;
        }));
        for (T_SECTION_D* section : sections) {
            m_model.SaveSectionForUndo(section, false);
            if (section->type == SECTION_LINE) {
                if (m_model.CalcLineSectionProperties(section)) {
                    ++m_count;
                    m_host.OnModelChanged();
                }
            } else if (!CalculatePlane(section)) {
                break;  // the user chose "Stop"
            }
        }
        return m_count;
    }

private:
    void OpenUndoAction()
    {
        if (m_actionOpen)
            return;
        m_model.BeginUndoAction();
        m_model.SetUndoActionTitle("Calculate sectional properties");
        m_actionOpen = true;
    }

    void FinishPlane()
    {
        ++m_count;
        m_model.ClearFeMesh();
        m_host.OnModelChanged();
    }

    // False when the run is to stop here.
    bool CalculatePlane(T_SECTION_D* section)
    {
        ++m_planeIndex;
        if (!m_model.MeshPlaneSection(section, m_meshLevel, m_meshSize)) {
            section->propertiesCalculated = false;
            --m_planeTotal;
            --m_planeIndex;
            return true;
        }
        m_host.RedrawAllViews();
        const double start = m_host.ProcessorSeconds();
        if (!m_model.CalcPlaneSectionProperties(section)) {
            m_model.ClearFeMesh();
            return true;
        }
        if (!m_pause) {
            HoldRestOfSecond(m_host, start);
            FinishPlane();
            return true;
        }
        m_host.RedrawAllViews();
        const int choice = m_host.AskCalcPause(FormatText("Plane section [%s] is calculated using %d elements.",
                                                          section->name.c_str(),
                                                          static_cast<int>(m_model.m_feElements.size())),
                                               m_planeIndex == m_planeTotal);
        FinishPlane();
        if (choice == PAUSE_STOP)
            return false;
        if (choice == PAUSE_NO_MORE)
            m_pause = false;
        return true;
    }

    CSectModel& m_model;
    IDocumentHost& m_host;
    int m_meshLevel;
    double m_meshSize;
    bool m_pause;
    bool m_actionOpen = false;
    int m_planeTotal = 0;
    int m_planeIndex = 0;
    int m_count = 0;
};

}  // namespace

void CalculateProperties(DocumentContext& document, const std::vector<int>& sectionIds, int meshLevel,
                         double meshSize, bool recalculate, bool pauseAfterEach)
{
    const BusyScope busy(document.busy);
    document.host.RedrawAllViews();
    document.host.RepaintMainWindow();

    CalculationRun run(document, meshLevel, meshSize, pauseAfterEach);
    std::vector<T_SECTION_D*> sections;
    if (!run.FindSections(sectionIds, sections))
        return;
    if (!recalculate) {
        std::erase_if(sections, [](const T_SECTION_D* section) { return section->propertiesCalculated; });
        if (sections.empty()) {
            document.model.m_reporter.ShowInfo(
                sectionIds.size() == 1
                    ? "The selected section is already calculated.\n\n"
                      "If you wish to re-calculate this section, turn on the [Re-calculate] option."
                    : "All selected sections are already calculated.\n\n"
                      "If you wish to re-calculate these sections, turn on the [Re-calculate] option.");
            return;
        }
    }
    // Refusals come before any question or change, so a refused section
    // keeps the results it has.
    if (!run.DropRefusedSections(sections) || sections.empty())
        return;
    if (recalculate) {
        if (!run.SettleHandEditedSections(sections))
            return;
        run.InvalidateCalculated(sections);
    }
    const int count = run.Calculate(sections);
    if (count == 1)
        document.model.m_reporter.PrintOutput("The properties of 1 section are calculated.");
    else if (count > 1)
        document.model.m_reporter.PrintOutput(FormatText("The properties of %d sections are calculated.", count));
}
