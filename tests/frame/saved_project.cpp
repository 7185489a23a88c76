#include "saved_project.h"

#include "model/SectModel.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

std::string SaveProjectWithPoints(const std::filesystem::path& path,
                                  std::initializer_list<std::pair<double, double>> points)
{
    ScriptedUserPorts quiet;
    CSectModel model;
    model.m_reporter.SetPorts(quiet.Ports());
    for (const auto& [x, y] : points) {
        const double xy[2] = {x, y};
        EXPECT_TRUE(model.CreatePointByCoordinate(xy));
    }
    EXPECT_TRUE(model.WriteProjectFile(path.string()));
    return path.string();
}

std::string SaveTwoSectionProject(const std::filesystem::path& path)
{
    ScriptedUserPorts quiet;
    CSectModel model;
    model.m_reporter.SetPorts(quiet.Ports());
    EXPECT_TRUE(model.CreateMaterial(1, "Steel", 2.0e5, 0.3));
    const double origin[2] = {0.0, 0.0};
    EXPECT_TRUE(model.CreateUcs(UCS_BY_ORIGIN_AND_ANGLE, "U1", origin, 45.0, origin, origin));
    const int colour[3] = {0, 0, 255};
    for (const auto& [name, left] : {std::pair<const char*, double>{"Left", 0.0}, {"Right", 200.0}}) {
        const double corner1[2] = {left, 0.0};
        const double corner2[2] = {left + 100.0, 50.0};
        EXPECT_TRUE(model.CreateRectangle(corner1, corner2, ALIGN_CENTER, 0.0));
        std::vector<int> curves;
        model.GetNewcomerCurves(curves);
        EXPECT_NE(model.GenerateSection(name, SECTION_PLANE, curves, false, 0.0, colour, nullptr, false, 0.0), 0);
    }
    EXPECT_TRUE(model.WriteProjectFile(path.string()));
    return path.string();
}
