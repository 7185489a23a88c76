#include "ExportTestSupport.h"

#include <gtest/gtest.h>

std::string CrLfLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

std::vector<std::string> SplitCrLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "the file ends without CR LF";
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

int ModelBuilder::Point(double x, double y)
{
    const int id = model_.m_nextPointId++;
    model_.m_points[id] = MakePoint(id, x, y);
    model_.m_points[id]->work = 1000 + id;
    return id;
}

int ModelBuilder::Curve(const std::vector<int>& pointIds, int alignment, double width)
{
    const int id = model_.m_nextCurveId++;
    model_.m_curves[id] = MakeCurve(id, pointIds, 0, {});
    model_.m_curves[id]->alignment = alignment;
    model_.m_curves[id]->width = width;
    model_.m_curves[id]->work = 2000 + id;
    return id;
}

int ModelBuilder::Line(const Xy& from, const Xy& to, int alignment, double width)
{
    return Curve({Point(from[0], from[1]), Point(to[0], to[1])}, alignment, width);
}

int ModelBuilder::AddSectionLoop(T_SECTION_D& section, const std::vector<Xy>& vertices, int kind)
{
    std::vector<int> modelPoints;
    std::vector<int> ownPoints;
    for (const Xy& vertex : vertices) {
        modelPoints.push_back(Point(vertex[0], vertex[1]));
        const int ownId = section.nextPointId++;
        section.points[ownId] = MakePoint(ownId, vertex[0], vertex[1]);
        ownPoints.push_back(ownId);
    }
    auto loop = std::make_unique<T_LOOP_D>();
    loop->id = section.nextLoopId++;
    loop->kind = kind;
    for (std::size_t k = 0; k < vertices.size(); ++k) {
        const std::size_t next = (k + 1) % vertices.size();
        const int modelCurve = Curve({modelPoints[k], modelPoints[next]});
        model_.m_curves[modelCurve]->sectionId = section.id;
        section.curveIds.push_back(modelCurve);
        auto own = std::make_unique<T_SCURVE_D>();
        own->id = section.nextCurveId++;
        own->pointIds = {ownPoints[k], ownPoints[next]};
        loop->curveIds.push_back(own->id);
        section.curves[own->id] = std::move(own);
    }
    const int loopId = loop->id;
    section.loops[loopId] = std::move(loop);
    return loopId;
}

T_SECTION_D& ModelBuilder::PlaneSection(const std::string& name, const std::vector<Xy>& outline,
                                        const std::vector<std::vector<Xy>>& holes, const Xy* centroid)
{
    auto owned = std::make_unique<T_SECTION_D>();
    T_SECTION_D& section = *owned;
    section.id = model_.m_nextSectionId++;
    section.name = name;
    section.type = SECTION_PLANE;
    model_.m_sections[section.id] = std::move(owned);

    auto domain = std::make_unique<T_DOMAIN_D>();
    domain->id = section.nextDomainId++;
    domain->loopIds.push_back(AddSectionLoop(section, outline, LOOP_DOMAIN_OUTLINE));
    for (const std::vector<Xy>& hole : holes)
        domain->loopIds.push_back(AddSectionLoop(section, hole, LOOP_HOLE_OUTLINE));
    section.domains[domain->id] = std::move(domain);
    if (centroid) {
        section.propertiesCalculated = true;
        section.centroidPointId = Point((*centroid)[0], (*centroid)[1]);
    }
    section.boxMin[0] = -7.0;  // stale values that an export must not touch
    section.boxMax[1] = 7.0;
    return section;
}

T_SECTION_D& ModelBuilder::LineSection(const std::string& name, const std::vector<int>& curveIds, const Xy& centroid)
{
    auto owned = std::make_unique<T_SECTION_D>();
    T_SECTION_D& section = *owned;
    section.id = model_.m_nextSectionId++;
    section.name = name;
    section.type = SECTION_LINE;
    section.curveIds = curveIds;
    section.propertiesCalculated = true;
    section.centroidPointId = Point(centroid[0], centroid[1]);
    for (int curveId : curveIds)
        model_.m_curves[curveId]->sectionId = section.id;
    model_.m_sections[section.id] = std::move(owned);
    return section;
}

int ModelBuilder::ClosedLoop(const std::vector<int>& signedCurveIds)
{
    auto loop = std::make_unique<T_LOOP_D>();
    loop->id = model_.m_nextClosedLoopId++;
    loop->curveIds = signedCurveIds;
    for (int signedId : signedCurveIds)
        model_.m_curves[std::abs(signedId)]->closedLoopIds.push_back(loop->id);
    const int id = loop->id;
    model_.m_closedLoops[id] = std::move(loop);
    return id;
}

T_GROUP_D& ModelBuilder::Group(const std::string& name, const std::vector<int>& sectionIds,
                               const std::vector<int>& curveIds, const std::vector<int>& pointIds)
{
    const int id = model_.m_nextGroupId++;
    model_.m_groups[id] = MakeGroup(id, name, sectionIds, curveIds, pointIds);
    return *model_.m_groups[id];
}

void SetRectValues(T_SECTION_D& section)
{
    double* r = section.results;
    r[RESULT_A] = 20000.0;
    r[RESULT_ASX] = r[RESULT_ASY] = 50000.0 / 3.0;
    r[RESULT_J] = 45776100.0;
    r[RESULT_IXX] = 100.0 * 200.0 * 200.0 * 200.0 / 12.0;
    r[RESULT_IYY] = 200.0 * 100.0 * 100.0 * 100.0 / 12.0;
    r[RESULT_IXY] = 0.0;
    r[RESULT_CX_PLUS] = r[RESULT_CX_MINUS] = 50.0;
    r[RESULT_CY_PLUS] = r[RESULT_CY_MINUS] = 100.0;
}

T_SECTION_D& AddCalculatedRect(ModelBuilder& builder, const std::string& name)
{
    const Xy centre = {50.0, 100.0};
    T_SECTION_D& rect = builder.PlaneSection(name, {{0, 0}, {100, 0}, {100, 200}, {0, 200}}, {}, &centre);
    SetRectValues(rect);
    return rect;
}

ModelState ReadModelState(const CSectModel& model)
{
    ModelState state;
    for (const auto& [id, group] : model.m_groups) {
        state.groupLists.push_back(group->sectionIds);
        state.groupLists.push_back(group->curveIds);
        state.groupLists.push_back(group->pointIds);
    }
    for (const auto& [id, curve] : model.m_curves) {
        state.curveWork.push_back(curve->work);
        state.curvePointIds.push_back(curve->pointIds);
        state.curveAlignments.push_back(curve->alignment);
    }
    for (const auto& [id, point] : model.m_points)
        state.pointWork.push_back(point->work);
    for (const auto& [id, section] : model.m_sections)
        state.sectionBoxes.push_back({section->boxMin[0], section->boxMin[1], section->boxMax[0], section->boxMax[1]});
    for (const auto& [id, loop] : model.m_closedLoops)
        state.closedLoopCurveIds.push_back(loop->curveIds);
    state.undoTop = model.m_undoTopId;
    state.redoTop = model.m_redoTopId;
    state.undoCount = model.m_undoActions.size();
    state.redoCount = model.m_redoActions.size();
    return state;
}
