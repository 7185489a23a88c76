// The section moduli of the text report, from sections drawn, generated and
// calculated as a user would, against the moduli worked out by hand.

#include <gtest/gtest.h>

#include "calc/CalculationDriver.h"
#include "calc/PropsShapes.h"
#include "calc/PropsTestSupport.h"

#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

class TextReportModuliTest : public PropsTest {
protected:
    // The numbers of the report's value lines, keyed by their label.
    std::map<std::string, double> ReportedValues(int sectionId)
    {
        const std::filesystem::path path =
            std::filesystem::temp_directory_path() / ("klx_moduli_" + std::to_string(::getpid()) + ".txt");
        EXPECT_TRUE(model.ExportSectionsToText({sectionId}, path.string().c_str(), false));
        std::ifstream file(path);
        std::map<std::string, double> values;
        for (std::string line; std::getline(file, line);) {
            if (line.size() > 13 && line[0] == '*' && line[10] == ':')
                values[line.substr(0, 13)] = std::strtod(line.c_str() + 13, nullptr);
        }
        std::filesystem::remove(path);
        return values;
    }

    // Draws nothing itself: the section of the given curves is calculated
    // and its moduli must be the fibre distances over the moments given.
    void ExpectModuli(const std::vector<int>& curves, double ixx, double iyy, double halfDepth, double halfWidth)
    {
        AddSteel();
        const int id = GeneratePlane(curves);
        ASSERT_NE(id, 0);
        CalculateProperties(document, {id}, 1, 0.0, false, false);
        ASSERT_TRUE(model.FindSection(id)->propertiesCalculated);
        const std::map<std::string, double> values = ReportedValues(id);
        EXPECT_TRUE(IsNear(values.at("* (+)1/Sx :  "), halfDepth / ixx, 1e-6));
        EXPECT_TRUE(IsNear(values.at("* (-)1/Sx :  "), halfDepth / ixx, 1e-6));
        EXPECT_TRUE(IsNear(values.at("* (+)1/Sy :  "), halfWidth / iyy, 1e-6));
        EXPECT_TRUE(IsNear(values.at("* (-)1/Sy :  "), halfWidth / iyy, 1e-6));
        // Symmetric sections: no rounding shows as a product of inertia.
        EXPECT_EQ(values.at("*    Ixy  :  "), 0.0);
    }
};

TEST_F(TextReportModuliTest, RectangleHundredWideFiftyDeep)
{
    ExpectModuli(props_shapes::DrawRectangle(model, 100.0, 50.0), 100.0 * 50 * 50 * 50 / 12,
                 50.0 * 100 * 100 * 100 / 12, 25.0, 50.0);
}

TEST_F(TextReportModuliTest, ISectionTwoHundredDeepHundredWide)
{
    // Flanges 10 thick, web 6.
    ExpectModuli(props_shapes::DrawISection(model, 200.0, 100.0, 10.0, 6.0),
                 (100.0 * 200 * 200 * 200 - 94.0 * 180 * 180 * 180) / 12, (2 * 10.0 * 100 * 100 * 100 + 180.0 * 6 * 6 * 6) / 12,
                 100.0, 50.0);
}

}  // namespace
