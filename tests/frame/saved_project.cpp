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
