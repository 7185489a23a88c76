#pragma once
// A model wired to the scripted user, record builders, and a comparable
// picture of the model for the undo and redo checks of the command tests.

#include "model/SectModel.h"
#include "support/FoundRecord.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

// The records a point or curve command may touch, in comparable form.
struct ModelState {
    struct Curve {
        std::vector<int> pointIds;
        int alignment = 0;
        double width = 0.0;
        int sectionId = 0;
        std::vector<int> closedLoopIds;
        bool operator==(const Curve&) const = default;
    };
    std::map<int, std::vector<double>> points;
    std::map<int, Curve> curves;
    std::map<int, std::vector<int>> closedLoops;
    std::map<int, std::vector<int>> sectionCurves;
    bool operator==(const ModelState&) const = default;
};

inline ModelState CaptureState(const CSectModel& model)
{
    ModelState state;
    for (const auto& [id, point] : model.m_points)
        state.points[id] = {point->xy[0], point->xy[1]};
    for (const auto& [id, curve] : model.m_curves)
        state.curves[id] = {curve->pointIds, curve->alignment, curve->width, curve->sectionId, curve->closedLoopIds};
    for (const auto& [id, loop] : model.m_closedLoops)
        state.closedLoops[id] = loop->curveIds;
    for (const auto& [id, section] : model.m_sections)
        state.sectionCurves[id] = section->curveIds;
    return state;
}

class CommandTest : public ::testing::Test {
protected:
    CommandTest() { model.m_reporter.SetPorts(user.Ports()); }

    int AddPoint(double x, double y)
    {
        auto point = std::make_unique<T_POINT_D>();
        point->id = model.m_nextPointId++;
        point->xy[0] = x;
        point->xy[1] = y;
        const int id = point->id;
        model.m_points[id] = std::move(point);
        return id;
    }

    // A curve through new points at the positions.
    int AddCurve(const std::vector<std::vector<double>>& positions)
    {
        std::vector<int> ids;
        for (const auto& p : positions)
            ids.push_back(AddPoint(p[0], p[1]));
        return AddCurveThrough(ids);
    }

    int AddCurveThrough(const std::vector<int>& pointIds)
    {
        auto curve = std::make_unique<T_CURVE_D>();
        curve->id = model.m_nextCurveId++;
        curve->pointIds = pointIds;
        const int id = curve->id;
        model.m_curves[id] = std::move(curve);
        return id;
    }

    // A registered loop over the curves, also listed by each curve.
    int AddLoop(const std::vector<int>& signedCurveIds)
    {
        auto loop = std::make_unique<T_LOOP_D>();
        loop->id = model.m_nextClosedLoopId++;
        loop->curveIds = signedCurveIds;
        for (int entry : signedCurveIds) {
            const int curveId = std::abs(entry);
            FoundRecord(model.FindCurve(curveId), "curve", curveId).closedLoopIds.push_back(loop->id);
        }
        const int id = loop->id;
        model.m_closedLoops[id] = std::move(loop);
        return id;
    }

    // Makes the work UCS one turned by angle degrees about origin.
    void UseUcs(double originX, double originY, double angle)
    {
        auto ucs = std::make_unique<T_UCS_D>();
        ucs->id = 1;
        ucs->name = "UCS-1";
        ucs->origin[0] = ucs->enteredOrigin[0] = originX;
        ucs->origin[1] = ucs->enteredOrigin[1] = originY;
        ucs->angle = ucs->enteredAngle = angle;
        model.m_ucs[1] = std::move(ucs);
        model.m_currentUcsId = 1;
    }

    std::vector<int> CurvePoints(int curveId) const
    {
        return FoundRecord(model.FindCurve(curveId), "curve", curveId).pointIds;
    }

    std::vector<int> NewcomerPoints()
    {
        std::vector<int> ids;
        model.GetNewcomerPoints(ids);
        return ids;
    }

    std::vector<int> NewcomerCurves()
    {
        std::vector<int> ids;
        model.GetNewcomerCurves(ids);
        return ids;
    }

    std::string UndoTitle() const
    {
        const T_ACTION_D* action = model.GetCurrentUndoAction();
        return action ? action->title : std::string("<no action>");
    }

    void ExpectPointAt(int id, double x, double y, double tolerance = 1e-9) const
    {
        const T_POINT_D* point = model.FindPoint(id);
        ASSERT_NE(point, nullptr) << "point " << id;
        EXPECT_NEAR(point->xy[0], x, tolerance) << "point " << id;
        EXPECT_NEAR(point->xy[1], y, tolerance) << "point " << id;
    }

    // A refused command leaves everything as it was and opens no action.
    void ExpectRefusedWith(bool result, const ModelState& before, const std::string& warning)
    {
        EXPECT_FALSE(result);
        EXPECT_EQ(CaptureState(model), before);
        EXPECT_TRUE(model.IsUndoEmpty());
        ASSERT_EQ(user.boxes.size(), 1u);
        EXPECT_EQ(user.boxes[0].text, warning);
    }

    // A command the model must refuse with the warning.
    struct RefusedCommand {
        const char* name;
        std::function<bool()> command;
        std::string warning;
    };

    // Runs the commands one after another, each refused as ExpectRefusedWith
    // checks against the same `before`.
    void ExpectEachRefused(const std::vector<RefusedCommand>& commands, const ModelState& before)
    {
        for (const RefusedCommand& c : commands) {
            SCOPED_TRACE(c.name);
            user.ClearRecords();
            ExpectRefusedWith(c.command(), before, c.warning);
        }
    }

    // Undo brings back exactly `before`, redo exactly the present state.
    void ExpectUndoRedoRestores(const ModelState& before)
    {
        const ModelState after = CaptureState(model);
        ASSERT_TRUE(model.Undo(false));
        EXPECT_EQ(CaptureState(model), before);
        ASSERT_TRUE(model.Redo());
        EXPECT_EQ(CaptureState(model), after);
    }

    ScriptedUserPorts user;
    CSectModel model;
};

// A position to pass as a const double[2]: P(1, 2).data().
inline std::array<double, 2> P(double x, double y)
{
    return {x, y};
}
