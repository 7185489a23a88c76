#pragma once
// Drawing helpers for the section generation tests: curves that share a point
// wherever they meet at the same coordinates, and a full picture of the model
// for the checks that a command or its undo leaves nothing behind.

#include "commands/CommandTestSupport.h"
#include "model/Geometry.h"

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using Polyline = std::vector<std::vector<double>>;

// What a generation may touch, down to the ids and the undo stores.
struct FullState {
    ModelState records;
    std::map<int, std::string> sectionNames;
    int undoTop = 0;
    int redoTop = 0;
    bool operator==(const FullState&) const = default;
};

class SectionTest : public CommandTest {
protected:
    static constexpr int kGrey[3] = {128, 128, 128};

    // The point at exactly these coordinates, made when there is none, so
    // curves drawn through the same corner share its id.
    int PointAt(double x, double y)
    {
        for (const auto& [id, point] : model.m_points) {
            if (point->xy[0] == x && point->xy[1] == y)
                return id;
        }
        return AddPoint(x, y);
    }

    int Draw(const Polyline& positions)
    {
        std::vector<int> ids;
        for (const auto& p : positions)
            ids.push_back(PointAt(p[0], p[1]));
        return AddCurveThrough(ids);
    }

    // A closed polygon of n points on a circle, starting at startAngle degrees.
    int DrawCircle(double cx, double cy, double r, int n, double startAngle = 0.0)
    {
        Polyline positions;
        for (int k = 0; k <= n; ++k) {
            const double a = DegToRad(startAngle + 360.0 * (k % n) / n);
            positions.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
        }
        return Draw(positions);
    }

    // Four lines, counter-clockwise from the lower-left corner.
    std::vector<int> DrawRectangle(double x0, double y0, double x1, double y1)
    {
        return {Draw({{x0, y0}, {x1, y0}}), Draw({{x1, y0}, {x1, y1}}), Draw({{x1, y1}, {x0, y1}}),
                Draw({{x0, y1}, {x0, y0}})};
    }

    int GeneratePlane(const std::vector<int>& curveIds, const std::string& name = "", const char* group = "")
    {
        return model.GenerateSection(name, SECTION_PLANE, curveIds, false, 0.0, kGrey, group, false, 0.0);
    }

    int GenerateLine(const std::vector<int>& curveIds, const std::string& name = "", const char* group = "")
    {
        return model.GenerateSection(name, SECTION_LINE, curveIds, false, 0.0, kGrey, group, false, 0.0);
    }

    FullState Capture() const
    {
        FullState state{CaptureState(model), {}, model.m_undoTopId, model.m_redoTopId};
        for (const auto& [id, section] : model.m_sections)
            state.sectionNames[id] = section->name;
        return state;
    }

    // A refusal: one box with the text, and the model, its undo and its redo
    // store exactly as before.
    void ExpectRefused(int result, const FullState& before, const std::string& text)
    {
        EXPECT_EQ(result, 0);
        EXPECT_EQ(Capture(), before);
        EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{text});
        EXPECT_TRUE(user.lines.empty());  // nor a line about work taken back
    }

    const T_SECTION_D& Section(int id) const { return *model.FindSection(id); }

    // Kinds of the section's loops in id order.
    static std::vector<int> LoopKinds(const T_SECTION_D& section)
    {
        std::vector<int> kinds;
        for (const auto& [id, loop] : section.loops)
            kinds.push_back(loop->kind);
        return kinds;
    }
};
