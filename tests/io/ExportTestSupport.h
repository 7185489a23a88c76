#pragma once
// Shared by the export tests: builders of sections whose calculated values the
// test sets, a settable clock, a model reporting to a scripted user, a fixture
// that exports into a scratch folder, a CR LF joiner for golden files, and a
// snapshot of everything an export must leave as it was.

#include "ProjectFileTestSupport.h"
#include "model/SectModel.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using Xy = std::array<double, 2>;

// The lines joined, each ended by CR LF.
std::string CrLfLines(const std::vector<std::string>& lines);
// The file's lines without their CR LF; a line that lacks it is kept as it is
// and fails the test.
std::vector<std::string> SplitCrLfLines(const std::string& text);

class FixedClock : public IClockPort {
public:
    LocalDateTime Now() override { return now; }
    LocalDateTime now{2024, 3, 5, 7, 8, 9};
};

// A model that talks to a scripted user and reads a fixed clock.
struct ExportingModel {
    ExportingModel()
    {
        UserPorts ports = user.Ports();
        ports.clock = &clock;
        model.m_reporter.SetPorts(ports);
    }
    ScriptedUserPorts user;
    FixedClock clock;
    CSectModel model;
};

// Adds model records with the next free ids.
class ModelBuilder {
public:
    explicit ModelBuilder(CSectModel& model) : model_(model) {}

    int Point(double x, double y);
    int Curve(const std::vector<int>& pointIds, int alignment = ALIGN_CENTER, double width = 0.0);
    // A two-point straight curve between new points.
    int Line(const Xy& from, const Xy& to, int alignment = ALIGN_CENTER, double width = 0.0);

    // A plane section of one used domain: the outline counter-clockwise, the
    // holes clockwise, each vertex a model point and each edge a model curve
    // that the section copies. Calculated, with a centroid point, when
    // centroid is given.
    T_SECTION_D& PlaneSection(const std::string& name, const std::vector<Xy>& outline,
                              const std::vector<std::vector<Xy>>& holes = {}, const Xy* centroid = nullptr);
    // A line section over model curves, calculated with a centroid point.
    T_SECTION_D& LineSection(const std::string& name, const std::vector<int>& curveIds, const Xy& centroid);
    // A model closed loop over signed curve ids, registered with its curves.
    int ClosedLoop(const std::vector<int>& signedCurveIds);
    T_GROUP_D& Group(const std::string& name, const std::vector<int>& sectionIds, const std::vector<int>& curveIds,
                     const std::vector<int>& pointIds);

private:
    int AddSectionLoop(T_SECTION_D& section, const std::vector<Xy>& vertices, int kind);

    CSectModel& model_;
};

// A model that exports to `path`, a file of the given name in a scratch
// folder, with a builder for the records to export.
class ExportFileTest : public testing::Test {
protected:
    explicit ExportFileTest(const std::string& fileName) : path(folder.Path(fileName).string()) {}

    std::string Written() const { return ReadWholeFile(path); }

    ExportingModel exporting;
    CSectModel& model = exporting.model;
    ScriptedUserPorts& user = exporting.user;
    ModelBuilder builder{model};
    ScratchFolder folder;
    std::string path;
};

// The rectangle from (0, 0) to (100, 200), centroid at its centre, with the
// values of such a section in the default units: A 20000, Asx = Asy =
// 50000/3, J 45776100, Ixx 2e8/3, Iyy 5e7/3, Cx 50 and Cy 100 either side.
T_SECTION_D& AddCalculatedRect(ModelBuilder& builder, const std::string& name = "Rect");
void SetRectValues(T_SECTION_D& section);

// Everything an export must leave as it was, read without writing a project
// file (the project writer drops dead group ids).
struct ModelState {
    std::vector<std::vector<int>> groupLists;
    std::vector<int> curveWork;
    std::vector<int> pointWork;
    std::vector<std::array<double, 4>> sectionBoxes;
    std::vector<std::vector<int>> curvePointIds;
    std::vector<int> curveAlignments;
    std::vector<std::vector<int>> closedLoopCurveIds;
    int undoTop = 0;
    int redoTop = 0;
    std::size_t undoCount = 0;
    std::size_t redoCount = 0;

    bool operator==(const ModelState&) const = default;
};
ModelState ReadModelState(const CSectModel& model);
