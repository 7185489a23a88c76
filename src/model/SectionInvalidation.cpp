// Marking a section's calculated properties as out of date.

#include "model/InvalidationNotice.h"
#include "model/SectModel.h"
#include "model/TextFormat.h"

#include <algorithm>

namespace {

bool IsUsedByCurve(const CSectModel& model, int pointId)
{
    return std::any_of(model.m_curves.begin(), model.m_curves.end(), [pointId](const auto& entry) {
        const std::vector<int>& ids = entry.second->pointIds;
        return std::find(ids.begin(), ids.end(), pointId) != ids.end();
    });
}

// Sections whose centroids coincide share one centroid point.
bool IsCentroidOfAnotherSection(const CSectModel& model, int pointId, int sectionId)
{
    return std::any_of(model.m_sections.begin(), model.m_sections.end(), [&](const auto& entry) {
        return entry.first != sectionId && entry.second->centroidPointId == pointId;
    });
}

} // namespace

void CSectModel::InvalidateSectionProperties(T_SECTION_D* section)
{
    if (!section)
        return;
    SaveSectionForUndo(section, false);
    section->propertiesCalculated = false;

    const int centroidId = section->centroidPointId;
    section->centroidPointId = 0;
    const auto centroid = m_points.find(centroidId);
    if (centroid == m_points.end() || IsUsedByCurve(*this, centroidId)
        || IsCentroidOfAnotherSection(*this, centroidId, section->id))
        return;
    SavePointForUndo(centroid->second.get(), false);
    m_points.erase(centroid);
}

void ReportInvalidatedSections(const CMessageReporter& reporter, int count, const char* kind, const char* advice)
{
    if (count == 1)
        reporter.ShowInfo(FormatText("The properties of 1 %ssection are invalidated.\n\n%s", kind, advice));
    else if (count > 1)
        reporter.ShowInfo(FormatText("The properties of %d %ssections are invalidated.\n\n%s", count, kind, advice));
}
