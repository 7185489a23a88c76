#pragma once
// Builders of sections and checks of the whole model for the point and curve
// topology tests, on top of the command test fixture.

#include "CommandTestSupport.h"

#include <cstdlib>
#include <string>

class TopologyTest : public CommandTest {
protected:
    // A section generated from the curves; calculated, with that centroid
    // point, when centroidPointId is not 0.
    T_SECTION_D& AddSection(int type, const std::vector<int>& curveIds, int centroidPointId = 0,
                            const std::string& name = "")
    {
        auto section = std::make_unique<T_SECTION_D>();
        section->id = model.m_nextSectionId++;
        section->type = type;
        section->name = name.empty() ? "Section-" + std::to_string(section->id) : name;
        section->curveIds = curveIds;
        for (int curveId : curveIds) {
            if (T_CURVE_D* curve = model.FindCurve(curveId))
                curve->sectionId = section->id;
        }
        if (centroidPointId != 0) {
            section->propertiesCalculated = true;
            section->centroidPointId = centroidPointId;
        }
        const int id = section->id;
        model.m_sections[id] = std::move(section);
        return *model.m_sections[id];
    }

    std::vector<int> AllPointIds() const
    {
        std::vector<int> ids;
        for (const auto& [id, point] : model.m_points)
            ids.push_back(id);
        return ids;
    }

    std::vector<int> AllCurveIds() const
    {
        std::vector<int> ids;
        for (const auto& [id, curve] : model.m_curves)
            ids.push_back(id);
        return ids;
    }

    // No curve names a point, and no loop a curve, that is gone.
    void ExpectNoDanglingIds() const
    {
        for (const auto& [id, curve] : model.m_curves) {
            for (int pointId : curve->pointIds)
                EXPECT_NE(model.FindPoint(pointId), nullptr) << "curve " << id << " names point " << pointId;
        }
        for (const auto& [id, loop] : model.m_closedLoops) {
            for (int entry : loop->curveIds)
                EXPECT_NE(model.FindCurve(std::abs(entry)), nullptr) << "loop " << id << " names curve " << entry;
        }
    }
};
