// Section > Assign Domain Material: one material, or none, for chosen domains
// of plane sections, optionally also as the sections' base material.

#include "commands/TransformSupport.h"
#include "model/Geometry.h"
#include "model/InvalidationNotice.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"
#include "model/UnchangedActionGuard.h"

#include <algorithm>
#include <set>
#include <utility>
#include <vector>

namespace {

using DomainPair = std::pair<int, int>;  // (section id, domain id)

// The Poisson's ratio a calculation gives the domains of a material: none
// (id 0, or a material no longer in the model) counts as 0.
double CalculationRatio(const CSectModel& model, int materialId)
{
    const T_MATERIAL_D* material = model.FindMaterial(materialId);
    return material ? material->poissonRatio : 0.0;
}

// Whether a calculated section's results would no longer hold: its used
// domains mix materials, or they share one and some domain of the section,
// used or not, is left out of the pairs, or a used domain is given a
// material of another Poisson's ratio (the shear areas follow it). Read
// before anything changes.
bool AssignmentInvalidates(const CSectModel& model, const T_SECTION_D& section,
                           const std::vector<DomainPair>& pairs, int materialId)
{
    if (!section.propertiesCalculated)
        return false;
    int usedCount = 0;
    int reference = 0;
    bool mixed = false;
    for (const auto& [id, domain] : section.domains) {
        if (!domain->used)
            continue;
        ++usedCount;
        if (reference == 0)
            reference = domain->materialId;
        else if (domain->materialId != reference)
            mixed = true;
    }
    if (usedCount > 1) {
        if (mixed)
            return true;
        const bool leftOut = std::any_of(section.domains.begin(), section.domains.end(), [&](const auto& entry) {
            return std::find(pairs.begin(), pairs.end(), DomainPair{section.id, entry.first}) == pairs.end();
        });
        if (leftOut)
            return true;
    }
    const double newRatio = CalculationRatio(model, materialId);
    return std::any_of(pairs.begin(), pairs.end(), [&](const DomainPair& pair) {
        const T_DOMAIN_D* domain = pair.first == section.id ? section.FindDomain(pair.second) : nullptr;
        return domain && domain->used && IsNonZero(newRatio - CalculationRatio(model, domain->materialId));
    });
}

// Why an assignment that leaves every domain as it was changed nothing.
const char* UnchangedAssignmentReason(int count, int materialId)
{
    if (count == 0)
        return "no domain is chosen";
    if (materialId == 0)
        return count == 1 ? "the domain already has no material" : "the domains already have no material";
    return count == 1 ? "the domain already has this material" : "the domains already have this material";
}

} // namespace

bool CSectModel::AssignDomainMaterial(const std::vector<std::pair<int, int>>* pairs, int materialId,
                                      bool setAsBaseMaterial)
{
    if (materialId < 0)
        return m_reporter.ShowWarning("Material ID is invalid.");
    const T_MATERIAL_D* material = FindMaterial(materialId);
    if (materialId != 0 && !material)
        return m_reporter.ReportMaterialNotFound(materialId);

    // Every pair is checked, and the sections to invalidate chosen, before
    // the undo action opens.
    std::vector<int> toInvalidate;  // in the order first met
    for (const auto& [sectionId, domainId] : *pairs) {
        const T_SECTION_D* section = FindSection(sectionId);
        if (!section)
            return m_reporter.ReportSectionNotFound(sectionId);
        if (std::find(toInvalidate.begin(), toInvalidate.end(), sectionId) == toInvalidate.end()
            && AssignmentInvalidates(*this, *section, *pairs, materialId))
            toInvalidate.push_back(sectionId);
        if (!section->FindDomain(domainId))
            return m_reporter.ReportSectionCorrupted(sectionId, section->name);
    }

    const int count = static_cast<int>(pairs->size());
    const UnchangedActionGuard noEmptyStep(*this);
    BeginUndoAction();
    SetUndoActionTitle(CountedText("Assign material to 1 domain", "Assign material to %d domains", count));
    for (const auto& [sectionId, domainId] : *pairs) {
        T_SECTION_D* section = FindSection(sectionId);
        SaveSectionForUndo(section, false);
        section->FindDomain(domainId)->materialId = materialId;
        if (setAsBaseMaterial)
            section->assignedBaseMaterialId = materialId;
    }
    for (int sectionId : toInvalidate)
        InvalidateSectionProperties(FindSection(sectionId));
    ReportInvalidatedSections(m_reporter, static_cast<int>(toInvalidate.size()), "plane ");

    if (noEmptyStep.ReportIfNothingChanged(UnchangedAssignmentReason(count, materialId)))
        return true;
    if (materialId == 0) {
        m_reporter.PrintOutput(CountedText("Material information is removed from 1 domain.",
                                           "Material information is removed from %d domains.", count));
    } else if (count == 1) {
        m_reporter.PrintOutput(FormatText("Material [%d:%s] is assigned to 1 domain.", materialId,
                                          material->name.c_str()));
    } else {
        m_reporter.PrintOutput(FormatText("Material [%d:%s] is assigned to %d domains.", materialId,
                                          material->name.c_str(), count));
    }
    return true;
}
