#include "SectionFixtures.h"

#include "support/SectionOwnPoints.h"

#include <algorithm>

int SectionBuilder::Point(double x, double y)
{
    return AddOwnPoint(*m_section, x * m_scale, y * m_scale);
}

int SectionBuilder::Curve(std::vector<int> pointIds, int divisions)
{
    auto curve = std::make_unique<T_SCURVE_D>();
    curve->id = m_section->nextCurveId++;
    curve->pointIds = std::move(pointIds);
    curve->meshDivisions = divisions;
    const int id = curve->id;
    m_section->curves[id] = std::move(curve);
    return id;
}

int SectionBuilder::Twin(int curveId)
{
    T_SCURVE_D& original = *m_section->curves.at(curveId);
    std::vector<int> reversed(original.pointIds.rbegin(), original.pointIds.rend());
    const int twin = Curve(reversed, original.meshDivisions);
    original.twinCurveId = twin;
    m_section->curves.at(twin)->twinCurveId = curveId;
    return twin;
}

int SectionBuilder::Loop(int kind, std::vector<int> curveIds)
{
    auto loop = std::make_unique<T_LOOP_D>();
    loop->id = m_section->nextLoopId++;
    loop->kind = kind;
    loop->curveIds = std::move(curveIds);
    const int id = loop->id;
    m_section->loops[id] = std::move(loop);
    return id;
}

int SectionBuilder::Domain(std::vector<int> loopIds, int materialId)
{
    auto domain = std::make_unique<T_DOMAIN_D>();
    domain->id = m_section->nextDomainId++;
    domain->loopIds = std::move(loopIds);
    domain->materialId = materialId;
    const int id = domain->id;
    m_section->domains[id] = std::move(domain);
    return id;
}

std::unique_ptr<T_SECTION_D> SplitRectangleSection(double scale, int divisions, int innerDivisions)
{
    SectionBuilder build(scale);
    const int p1 = build.Point(0, 0), p2 = build.Point(100, 0), p3 = build.Point(200, 0);
    const int p4 = build.Point(200, 50), p5 = build.Point(100, 50), p6 = build.Point(0, 50);
    const int bottomLeft = build.Curve({p1, p2}, divisions);
    const int bottomRight = build.Curve({p2, p3}, divisions);
    const int right = build.Curve({p3, p4}, divisions);
    const int topRight = build.Curve({p4, p5}, divisions);
    const int topLeft = build.Curve({p5, p6}, divisions);
    const int left = build.Curve({p6, p1}, divisions);
    const int inner = build.Curve({p2, p5}, innerDivisions);
    const int innerTwin = build.Twin(inner);
    build.Domain({build.Loop(1, {bottomLeft, inner, topLeft, left})}, 1);
    build.Domain({build.Loop(1, {bottomRight, right, topRight, innerTwin})}, 2);
    return build.Take();
}
