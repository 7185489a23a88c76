// One writer and one reader per record kind of the project file. Each reader
// fills a record built with its defaults; fields the file does not store keep
// them.

#include "io/ProjectFileLayout.h"
#include "model/SectModel.h"

#include <cstdint>

namespace {

// The first file version whose section records hold the shear areas.
constexpr std::uint32_t kFirstVersionWithShearAreas = 20041201;

// Results in file order; the shear areas sit between A and Ixx.
constexpr SectionResult kResultsAfterShearAreas[] = {RESULT_IXX,      RESULT_IYY,      RESULT_IXY,     RESULT_J,
                                                     RESULT_CX_PLUS, RESULT_CX_MINUS, RESULT_CY_PLUS, RESULT_CY_MINUS};

} // namespace

void CSectModel::WriteSectionRecord(ProjectFileWriter& file, const T_SECTION_D* section) const
{
    file.WriteInt32(section->id);
    file.WriteInt32(section->type);
    file.WriteName(section->name);
    file.WriteInt32(section->assignedBaseMaterialId);
    for (int channel : section->colour)
        file.WriteInt32(channel);
    file.WriteDoubles(section->triple1, 3);
    file.WriteDoubles(section->triple2, 3);
    file.WriteFlag(section->hasLocation);
    file.WriteDouble(section->location);
    file.WriteFlag(section->propertiesCalculated);
    file.WriteFlag(section->propertiesModifiedByHand);
    file.WriteInt32(section->centroidPointId);
    file.WriteInt32(section->baseMaterialId);
    file.WriteDouble(section->results[RESULT_A]);
    file.WriteDouble(section->results[RESULT_ASX]);
    file.WriteDouble(section->results[RESULT_ASY]);
    for (SectionResult result : kResultsAfterShearAreas)
        file.WriteDouble(section->results[result]);
    file.WriteInt32(section->nextDomainId);
    file.WriteInt32(section->nextLoopId);
    file.WriteInt32(section->nextCurveId);
    file.WriteInt32(section->nextFacetId);
    file.WriteInt32(section->nextPointId);

    WriteCollection(file, section->domains, [this](auto& f, auto* r) { WriteDomainRecord(f, r); });
    WriteCollection(file, section->loops, [this](auto& f, auto* r) { WriteSectionLoopRecord(f, r); });
    WriteCollection(file, section->curves, [this](auto& f, auto* r) { WriteSectionCurveRecord(f, r); });
    WriteCollection(file, section->facets, [this](auto& f, auto* r) { WriteFacetRecord(f, r); });
    WriteCollection(file, section->points, [this](auto& f, auto* r) { WritePointRecord(f, r); });
    file.WriteIdList(section->curveIds);
}

void CSectModel::ReadSectionRecord(ProjectFileReader& file, T_SECTION_D* section) const
{
    section->id = file.ReadInt32();
    section->type = file.ReadInt32();
    if (section->type != SECTION_PLANE && section->type != SECTION_LINE)
        throw ProjectFileDamaged("a section has an unknown type");
    section->name = file.ReadName();
    section->assignedBaseMaterialId = file.ReadInt32();
    for (int& channel : section->colour)
        channel = file.ReadInt32();
    file.ReadDoubles(section->triple1, 3);
    file.ReadDoubles(section->triple2, 3);
    section->hasLocation = file.ReadFlag();
    section->location = file.ReadDouble();
    section->propertiesCalculated = file.ReadFlag();
    section->propertiesModifiedByHand = file.ReadFlag();
    section->centroidPointId = file.ReadInt32();
    section->baseMaterialId = file.ReadInt32();
    section->results[RESULT_A] = file.ReadDouble();
    if (static_cast<std::uint32_t>(m_versionWord) >= kFirstVersionWithShearAreas) {
        section->results[RESULT_ASX] = file.ReadDouble();
        section->results[RESULT_ASY] = file.ReadDouble();
    }
    for (SectionResult result : kResultsAfterShearAreas)
        section->results[result] = file.ReadDouble();

    section->nextDomainId = file.ReadInt32();
    section->nextLoopId = file.ReadInt32();
    section->nextCurveId = file.ReadInt32();
    section->nextFacetId = file.ReadInt32();
    section->nextPointId = file.ReadInt32();
    const IdBounds domainIds = BoundsOf(IdKind::Domain, "domain");
    const IdBounds loopIds = PositiveIdBounds("section loop");
    const IdBounds curveIds = PositiveIdBounds("section curve");
    const IdBounds facetIds = PositiveIdBounds("facet");
    const IdBounds pointIds = PositiveIdBounds("section point");
    RequireCounterInBounds(section->nextDomainId, domainIds);
    RequireCounterInBounds(section->nextLoopId, loopIds);
    RequireCounterInBounds(section->nextCurveId, curveIds);
    RequireCounterInBounds(section->nextFacetId, facetIds);
    RequireCounterInBounds(section->nextPointId, pointIds);

    ReadCollection(file, RecordBytes::kDomain, domainIds, section->domains,
                   [this](auto& f, auto* r) { ReadDomainRecord(f, r); });
    ReadCollection(file, RecordBytes::kSectionLoop, loopIds, section->loops,
                   [this](auto& f, auto* r) { ReadSectionLoopRecord(f, r); });
    ReadCollection(file, RecordBytes::kSectionCurve, curveIds, section->curves,
                   [this](auto& f, auto* r) { ReadSectionCurveRecord(f, r); });
    ReadCollection(file, RecordBytes::kFacet, facetIds, section->facets,
                   [this](auto& f, auto* r) { ReadFacetRecord(f, r); });
    ReadCollection(file, RecordBytes::kPoint, pointIds, section->points,
                   [this](auto& f, auto* r) { ReadPointRecord(f, r); });
    section->curveIds = file.ReadIdList();
}

void CSectModel::WriteDomainRecord(ProjectFileWriter& file, const T_DOMAIN_D* domain) const
{
    file.WriteInt32(domain->id);
    file.WriteFlag(domain->used);
    file.WriteInt32(domain->materialId);
    file.WriteIdList(domain->loopIds);
}

void CSectModel::ReadDomainRecord(ProjectFileReader& file, T_DOMAIN_D* domain) const
{
    domain->id = file.ReadInt32();
    domain->used = file.ReadFlag();
    domain->materialId = file.ReadInt32();
    domain->loopIds = file.ReadIdList();
}

void CSectModel::WriteSectionLoopRecord(ProjectFileWriter& file, const T_LOOP_D* loop) const
{
    file.WriteInt32(loop->id);
    file.WriteInt32(loop->kind);
    file.WriteIdList(loop->curveIds);
}

void CSectModel::ReadSectionLoopRecord(ProjectFileReader& file, T_LOOP_D* loop) const
{
    loop->id = file.ReadInt32();
    loop->kind = file.ReadInt32();
    loop->curveIds = file.ReadIdList();
}

void CSectModel::WriteSectionCurveRecord(ProjectFileWriter& file, const T_SCURVE_D* curve) const
{
    file.WriteInt32(curve->id);
    file.WriteInt32(curve->twinCurveId);
    file.WriteInt32(curve->meshDivisions);
    file.WriteIdList(curve->pointIds);
    file.WriteIdList(curve->meshNodeIds);
}

void CSectModel::ReadSectionCurveRecord(ProjectFileReader& file, T_SCURVE_D* curve) const
{
    curve->id = file.ReadInt32();
    curve->twinCurveId = file.ReadInt32();
    curve->meshDivisions = file.ReadInt32();
    curve->pointIds = file.ReadIdList();
    curve->meshNodeIds = file.ReadIdList();
}

void CSectModel::WriteFacetRecord(ProjectFileWriter& file, const T_FACET_D* facet) const
{
    file.WriteInt32(facet->id);
    file.WriteInt32(facet->domainId);
    for (int pointId : facet->pointIds)
        file.WriteInt32(pointId);
}

void CSectModel::ReadFacetRecord(ProjectFileReader& file, T_FACET_D* facet) const
{
    facet->id = file.ReadInt32();
    facet->domainId = file.ReadInt32();
    for (int& pointId : facet->pointIds)
        pointId = file.ReadInt32();
}

void CSectModel::WritePointRecord(ProjectFileWriter& file, const T_POINT_D* point) const
{
    file.WriteInt32(point->id);
    file.WriteDoubles(point->xy, 2);
    file.WriteDoubles(point->further, 3);
}

void CSectModel::ReadPointRecord(ProjectFileReader& file, T_POINT_D* point) const
{
    point->id = file.ReadInt32();
    file.ReadDoubles(point->xy, 2);
    file.ReadDoubles(point->further, 3);
}

void CSectModel::WriteClosedLoopRecord(ProjectFileWriter& file, const T_LOOP_D* loop) const
{
    file.WriteInt32(loop->id);
    file.WriteIdList(loop->curveIds);
}

void CSectModel::ReadClosedLoopRecord(ProjectFileReader& file, T_LOOP_D* loop) const
{
    loop->id = file.ReadInt32();
    loop->curveIds = file.ReadIdList();
}

void CSectModel::WriteCurveRecord(ProjectFileWriter& file, const T_CURVE_D* curve) const
{
    file.WriteInt32(curve->id);
    file.WriteInt32(curve->alignment);
    file.WriteDouble(curve->width);
    file.WriteInt32(curve->sectionId);
    file.WriteIdList(curve->closedLoopIds);
    file.WriteIdList(curve->pointIds);
}

void CSectModel::ReadCurveRecord(ProjectFileReader& file, T_CURVE_D* curve) const
{
    curve->id = file.ReadInt32();
    curve->alignment = file.ReadInt32();
    curve->width = file.ReadDouble();
    curve->sectionId = file.ReadInt32();
    curve->closedLoopIds = file.ReadIdList();
    curve->pointIds = file.ReadIdList();
}

void CSectModel::WriteMaterialRecord(ProjectFileWriter& file, const T_MATERIAL_D* material) const
{
    file.WriteInt32(material->id);
    file.WriteName(material->name);
    file.WriteDouble(material->elasticModulus);
    file.WriteDouble(material->poissonRatio);
}

void CSectModel::ReadMaterialRecord(ProjectFileReader& file, T_MATERIAL_D* material) const
{
    material->id = file.ReadInt32();
    material->name = file.ReadName();
    material->elasticModulus = file.ReadDouble();
    material->poissonRatio = file.ReadDouble();
}

void CSectModel::WriteUcsRecord(ProjectFileWriter& file, const T_UCS_D* ucs) const
{
    file.WriteInt32(ucs->id);
    file.WriteName(ucs->name);
    file.WriteInt32(ucs->definitionMode);
    file.WriteDoubles(ucs->enteredOrigin, 2);
    file.WriteDouble(ucs->enteredAngle);
    file.WriteDoubles(ucs->axisPoint1, 2);
    file.WriteDoubles(ucs->axisPoint2, 2);
    file.WriteDoubles(ucs->origin, 2);
    file.WriteDouble(ucs->angle);
}

void CSectModel::ReadUcsRecord(ProjectFileReader& file, T_UCS_D* ucs) const
{
    ucs->id = file.ReadInt32();
    ucs->name = file.ReadName();
    ucs->definitionMode = file.ReadInt32();
    file.ReadDoubles(ucs->enteredOrigin, 2);
    ucs->enteredAngle = file.ReadDouble();
    file.ReadDoubles(ucs->axisPoint1, 2);
    file.ReadDoubles(ucs->axisPoint2, 2);
    file.ReadDoubles(ucs->origin, 2);
    ucs->angle = file.ReadDouble();
}

void CSectModel::WriteGroupRecord(ProjectFileWriter& file, const T_GROUP_D* group) const
{
    file.WriteInt32(group->id);
    file.WriteName(group->name);
    file.WriteIdList(group->sectionIds);
    file.WriteIdList(group->curveIds);
    file.WriteIdList(group->pointIds);
}

void CSectModel::ReadGroupRecord(ProjectFileReader& file, T_GROUP_D* group) const
{
    group->id = file.ReadInt32();
    group->name = file.ReadName();
    group->sectionIds = file.ReadIdList();
    group->curveIds = file.ReadIdList();
    group->pointIds = file.ReadIdList();
}
