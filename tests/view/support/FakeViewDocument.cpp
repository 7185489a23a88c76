#include "view/support/FakeViewDocument.h"

#include <cstdlib>

FakeViewDocument::FakeViewDocument()
{
    model->m_reporter.SetPorts(user.Ports());
}

T_POINT_D& FakeViewDocument::AddPoint(int id, double x, double y)
{
    auto point = std::make_unique<T_POINT_D>();
    point->id = id;
    point->xy[0] = x;
    point->xy[1] = y;
    return *(model->m_points[id] = std::move(point));
}

T_CURVE_D& FakeViewDocument::AddCurve(int id, std::initializer_list<int> pointIds, double width, int alignment)
{
    auto curve = std::make_unique<T_CURVE_D>();
    curve->id = id;
    curve->pointIds = pointIds;
    curve->width = width;
    curve->alignment = alignment;
    return *(model->m_curves[id] = std::move(curve));
}

T_LOOP_D& FakeViewDocument::AddClosedLoop(int id, std::initializer_list<int> signedCurveIds)
{
    auto loop = std::make_unique<T_LOOP_D>();
    loop->id = id;
    loop->curveIds = signedCurveIds;
    for (int signedId : signedCurveIds) {
        if (T_CURVE_D* curve = model->FindCurve(std::abs(signedId)))
            curve->closedLoopIds.push_back(id);
    }
    return *(model->m_closedLoops[id] = std::move(loop));
}

T_SECTION_D& FakeViewDocument::AddSection(int id, int type, std::initializer_list<int> curveIds)
{
    auto section = std::make_unique<T_SECTION_D>();
    section->id = id;
    section->type = type;
    section->name = (type == SECTION_PLANE ? "Section-P" : "Section-L") + std::to_string(id);
    section->curveIds = curveIds;
    for (int curveId : curveIds) {
        if (T_CURVE_D* curve = model->FindCurve(curveId))
            curve->sectionId = id;
    }
    return *(model->m_sections[id] = std::move(section));
}

T_MATERIAL_D& FakeViewDocument::AddMaterial(int id, const std::string& name)
{
    auto material = std::make_unique<T_MATERIAL_D>();
    material->id = id;
    material->name = name;
    return *(model->m_materials[id] = std::move(material));
}

void FakeViewDocument::UseUcs(int id, double originX, double originY, double angle)
{
    auto ucs = std::make_unique<T_UCS_D>();
    ucs->id = id;
    ucs->origin[0] = originX;
    ucs->origin[1] = originY;
    ucs->angle = angle;
    model->m_ucs[id] = std::move(ucs);
    model->m_currentUcsId = id;
}

void AddSectionPoint(T_SECTION_D& section, int id, double x, double y)
{
    auto point = std::make_unique<T_POINT_D>();
    point->id = id;
    point->xy[0] = x;
    point->xy[1] = y;
    section.points[id] = std::move(point);
}

T_DOMAIN_D& AddDomain(T_SECTION_D& section, int id, bool used, int materialId)
{
    auto domain = std::make_unique<T_DOMAIN_D>();
    domain->id = id;
    domain->used = used;
    domain->materialId = materialId;
    return *(section.domains[id] = std::move(domain));
}

void AddFacet(T_SECTION_D& section, int id, int domainId, int p1, int p2, int p3)
{
    auto facet = std::make_unique<T_FACET_D>();
    facet->id = id;
    facet->domainId = domainId;
    facet->pointIds[0] = p1;
    facet->pointIds[1] = p2;
    facet->pointIds[2] = p3;
    section.facets[id] = std::move(facet);
}
