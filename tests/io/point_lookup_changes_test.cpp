// The point look-up keeps giving the answer of a plain scan of the points in
// id order after every kind of change to the points or the tolerance.

#include "ProjectFileTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

int ScanForPoint(const CSectModel& model, const double q[2])
{
    const double t = model.m_tolerance;
    for (const auto& [id, point] : model.m_points) {
        const double dx = point->xy[0] - q[0];
        const double dy = point->xy[1] - q[1];
        if (std::fabs(dx) <= t && std::fabs(dy) <= t && std::sqrt(dx * dx + dy * dy) < t)
            return id;
    }
    return 0;
}

class PointLookupChangesTest : public testing::Test {
protected:
    PointLookupChangesTest()
    {
        for (int i = 0; i < 6; ++i) {
            for (int j = 0; j < 4; ++j) {
                const double xy[2] = {10.0 * i + 0.3 * j, 7.0 * j};
                EXPECT_TRUE(reporting.model.CreatePointByCoordinate(xy));
                remembered.push_back({xy[0], xy[1]});
            }
        }
    }

    // Queries at, around and between every point, now and where points were.
    void ExpectLookupAsScan()
    {
        for (const auto& [id, point] : reporting.model.m_points)
            remembered.push_back({point->xy[0], point->xy[1]});
        const double t = reporting.model.m_tolerance;
        for (const auto& [x, y] : remembered) {
            for (double dx : {0.0, 0.5 * t, -0.999 * t, t, 1.5 * t, 3.0}) {
                for (double dy : {0.0, -0.5 * t, t, -3.5}) {
                    const double q[2] = {x + dx, y + dy};
                    ASSERT_EQ(reporting.model.FindPointAt(q), ScanForPoint(reporting.model, q))
                        << "query (" << q[0] << ", " << q[1] << ")";
                }
            }
        }
    }

    ScratchFolder folder;
    ReportingModel reporting;
    std::vector<std::pair<double, double>> remembered;
};

TEST_F(PointLookupChangesTest, AnswersAsTheScanAfterEveryKindOfChange)
{
    const std::string path = folder.Path("other.klx").string();
    // A project of the same point ids, elsewhere.
    const auto readMovedCopy = [&path](CSectModel& m) {
        CSectModel other;
        for (const auto& [id, point] : m.m_points)
            other.m_points[id] = MakePoint(id, point->xy[1] + 0.5, point->xy[0] - 0.25);
        other.m_nextPointId = m.m_nextPointId;
        other.m_tolerance = m.m_tolerance;
        WriteWholeFile(path, ProjectBytes(other));
        EXPECT_TRUE(m.ReadProjectFile(path, false));
    };
    const double origin[2] = {0.0, 0.0};
    const double lineA[2] = {0.0, 1.0};
    const double lineB[2] = {1.0, 3.0};
    const double unused[2] = {0.0, 0.0};
    const std::vector<std::pair<const char*, std::function<void(CSectModel&)>>> changes = {
        {"creation", [](CSectModel& m) { const double xy[2] = {10.4, 3.5}; EXPECT_TRUE(m.CreatePointByCoordinate(xy)); }},
        {"translation", [](CSectModel& m) { EXPECT_TRUE(m.TranslatePoints({1, 2, 3, 7}, 9.7, 0.2)); }},
        {"rotation", [&origin](CSectModel& m) { EXPECT_TRUE(m.RotatePoints({5, 6, 9}, origin, 33.0)); }},
        {"mirroring", [&](CSectModel& m) { EXPECT_TRUE(m.MirrorPoints({10, 11, 12}, lineA, lineB)); }},
        {"equalize moving the kept point",
         [&unused](CSectModel& m) { EXPECT_TRUE(m.EqualizePoints({13, 17}, false, unused, true, true)); }},
        {"equalize in tolerance",
         [&unused](CSectModel& m) {
             EXPECT_TRUE(m.EqualizePointsInTolerance({14, 15, 16, 18, 19, 20}, 8.0, false, unused, true, false));
         }},
        {"deletion", [](CSectModel& m) { EXPECT_TRUE(m.DeletePoints({4, 21}, true)); }},
        {"undo", [](CSectModel& m) { EXPECT_TRUE(m.Undo(false)); EXPECT_TRUE(m.Undo(false)); }},
        {"undo of moves", [](CSectModel& m) { for (int i = 0; i < 4; ++i) EXPECT_TRUE(m.Undo(false)); }},
        {"redo", [](CSectModel& m) { for (int i = 0; i < 3; ++i) EXPECT_TRUE(m.Redo()); }},
        {"tolerance", [](CSectModel& m) { m.SetTolerance(4.0); }},
        {"smaller tolerance", [](CSectModel& m) { m.SetTolerance(0.05); }},
        {"unit change", [](CSectModel& m) { m.ChangeUnitSystem(1, m.m_forceUnit, true); }},
        {"project read", readMovedCopy},
    };
    ExpectLookupAsScan();
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        change(reporting.model);
        ExpectLookupAsScan();
    }
}

} // namespace
