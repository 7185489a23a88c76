#include "mesh/SectionDomainInput.h"

bool ReadDomainBoundary(const T_SECTION_D& section, const T_DOMAIN_D& domain, int mode, MeshDomainInput& out,
                        std::string& failure)
{
    out.loops.clear();
    for (const int loopId : domain.loopIds) {
        const T_LOOP_D* loop = section.FindLoop(loopId);
        if (loop == nullptr) {
            failure = "loop [" + std::to_string(loopId) + "] is missing";
            return false;
        }
        MeshLoopInput& loopInput = out.loops.emplace_back();
        loopInput.kind = loop->kind;
        for (const int curveId : loop->curveIds) {
            const T_SCURVE_D* curve = section.FindCurve(curveId);
            if (curve == nullptr || curve->pointIds.size() < 2) {
                failure = "curve [" + std::to_string(curveId) + "] is missing";
                return false;
            }
            if (curve->meshDivisions > kMostCurveDivisions) {
                failure = "curve [" + std::to_string(curveId) + "] would need more than " +
                          std::to_string(kMostCurveDivisions) + " mesh divisions";
                return false;
            }
            MeshCurveInput& curveInput = loopInput.curves.emplace_back();
            curveInput.curveId = curve->id;
            curveInput.divisions = curve->meshDivisions;
            curveInput.halveDivisions = mode == 1 && curve->meshNodeWork.empty();
            curveInput.pointIds = curve->pointIds;
            for (const int pointId : curve->pointIds) {
                const T_POINT_D* point = section.FindPoint(pointId);
                if (point == nullptr) {
                    failure = "point [" + std::to_string(pointId) + "] is missing";
                    return false;
                }
                curveInput.points.push_back({point->xy[0], point->xy[1]});
            }
        }
    }
    return true;
}

void WriteBackPlacedCurves(T_SECTION_D& section, const MeshDomainInput& input)
{
    for (const MeshLoopInput& loop : input.loops) {
        for (const MeshCurveInput& placed : loop.curves) {
            T_SCURVE_D* curve = section.FindCurve(placed.curveId);
            if (curve == nullptr || placed.meshNodeIds.empty())
                continue;
            curve->meshNodeIds = placed.meshNodeIds;
            curve->meshNodeWork = placed.meshNodeIds;
            curve->meshDivisions = placed.divisions;
        }
    }
}

void ForgetPlacedCurves(T_SECTION_D& section)
{
    for (auto& entry : section.curves)
        entry.second->meshNodeWork.clear();
}
