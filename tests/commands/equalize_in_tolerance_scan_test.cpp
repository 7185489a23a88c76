// The tolerance merge compared with a plain scan of every pair, written out
// here: the same groups, merged in the same order, leave the same points and
// curves under the same ids.

#include "commands/CreationSupport.h"
#include "model/SectModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <unordered_set>

namespace {

bool IsCloseScan(const CSectModel& model, int id, const T_POINT_D& other, double tolerance)
{
    const double* p = model.FindPoint(id)->xy;
    return std::hypot(p[0] - other.xy[0], p[1] - other.xy[1]) < tolerance;
}

// Seeds in list order; each group takes the later points close to its seed,
// then snowballs over the whole list; merged points leave the list.
void EqualizeByScan(CSectModel& model, std::vector<int> ids, double tolerance, bool atCoordinate,
                    const double xy[2], bool deleteRedundancies)
{
    model.BeginUndoAction();
    for (size_t i = 0; i + 1 < ids.size(); ++i) {
        const T_POINT_D& seed = *model.FindPoint(ids[i]);
        std::vector<int> group{ids[i]};
        for (size_t j = i + 1; j < ids.size(); ++j) {
            if (IsCloseScan(model, ids[j], seed, tolerance))
                group.push_back(ids[j]);
        }
        if (group.size() < 2)
            continue;
        std::unordered_set<int> inGroup(group.begin(), group.end());
        for (size_t g = 0; g < group.size(); ++g) {
            const T_POINT_D& member = *model.FindPoint(group[g]);
            for (int id : ids) {
                if (!inGroup.contains(id) && IsCloseScan(model, id, member, tolerance)) {
                    group.push_back(id);
                    inGroup.insert(id);
                }
            }
        }
        model.EqualizePoints(group, atCoordinate, xy, deleteRedundancies, false);
        std::erase_if(ids, [&model](int id) { return !model.FindPoint(id); });
    }
}

// Clusters of points, a few lines between them, and the list of every point
// in a shuffled order.
std::vector<int> BuildCloud(CSectModel& model, unsigned seed, double tolerance)
{
    model.m_tolerance = tolerance / 4.0;
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> centre(0.0, 40.0 * tolerance);
    std::uniform_real_distribution<double> spread(-1.2 * tolerance, 1.2 * tolerance);
    std::vector<int> ids;
    for (int cluster = 0; cluster < 25; ++cluster) {
        const double cx = centre(random), cy = centre(random);
        for (int k = 0; k < 1 + cluster % 4; ++k) {
            const double xy[2] = {cx + spread(random), cy + spread(random)};
            ids.push_back(AddNewPoint(model, xy));
        }
    }
    for (size_t k = 0; k + 7 < ids.size(); k += 7) {
        auto curve = NewCurveRecord(model, 0, 0.0);
        curve->pointIds = {ids[k], ids[k + 7]};
        const int id = curve->id;
        model.m_curves[id] = std::move(curve);
    }
    std::shuffle(ids.begin(), ids.end(), random);
    return ids;
}

TEST(EqualizeInToleranceScanTest, MergesTheGroupsAPlainScanFinds)
{
    const double at[2] = {3.0, 4.0};
    for (unsigned seed = 1; seed <= 6; ++seed) {
        for (double tolerance : {1e-9, 0.5, 2.0, 1e12}) {
            for (int mode = 0; mode < 3; ++mode) {
                SCOPED_TRACE(testing::Message() << "seed " << seed << ", tolerance " << tolerance << ", mode " << mode);
                const bool atCoordinate = mode == 2;
                const bool deleteRedundancies = mode != 1;
                CSectModel indexed;
                CSectModel scanned;
                const std::vector<int> ids = BuildCloud(indexed, seed, tolerance);
                ASSERT_EQ(BuildCloud(scanned, seed, tolerance), ids);

                indexed.BeginUndoAction();
                indexed.EqualizePointsInTolerance(ids, tolerance, atCoordinate, at, deleteRedundancies, false);
                EqualizeByScan(scanned, ids, tolerance, atCoordinate, at, deleteRedundancies);

                ASSERT_EQ(indexed.m_points.size(), scanned.m_points.size());
                for (const auto& [id, point] : scanned.m_points) {
                    const T_POINT_D* same = indexed.FindPoint(id);
                    ASSERT_NE(same, nullptr) << id;
                    EXPECT_EQ(same->xy[0], point->xy[0]) << id;
                    EXPECT_EQ(same->xy[1], point->xy[1]) << id;
                }
                ASSERT_EQ(indexed.m_curves.size(), scanned.m_curves.size());
                for (const auto& [id, curve] : scanned.m_curves) {
                    ASSERT_NE(indexed.FindCurve(id), nullptr) << id;
                    EXPECT_EQ(indexed.FindCurve(id)->pointIds, curve->pointIds) << id;
                }
                // Merges happened: points went, or merged points came.
                if (deleteRedundancies)
                    EXPECT_LT(indexed.m_points.size(), ids.size());
                else
                    EXPECT_GT(indexed.m_points.size(), ids.size());
            }
        }
    }
}

TEST(EqualizeInToleranceScanTest, APointMergedFarAwayJoinsTheGroupsThere)
{
    // A and B merge at (100, 100), where A then bridges C to E.
    const double positions[5][2] = {{0.0, 0.0}, {0.5, 0.0}, {100.9, 100.0}, {101.5, 100.0}, {99.2, 100.0}};
    const double at[2] = {100.0, 100.0};
    CSectModel indexed;
    CSectModel scanned;
    // Small enough that the merged position finds no other point.
    indexed.m_tolerance = scanned.m_tolerance = 0.01;
    for (const auto& xy : positions) {
        AddNewPoint(indexed, xy);
        AddNewPoint(scanned, xy);
    }
    indexed.BeginUndoAction();
    indexed.EqualizePointsInTolerance({1, 2, 3, 4, 5}, 1.0, true, at, true, false);
    EqualizeByScan(scanned, {1, 2, 3, 4, 5}, 1.0, true, at, true);
    ASSERT_EQ(scanned.m_points.size(), 1u);
    ASSERT_EQ(indexed.m_points.size(), 1u);
    EXPECT_EQ(indexed.FindPoint(1)->xy[0], 100.0);
    EXPECT_EQ(indexed.FindPoint(1)->xy[1], 100.0);
}

} // namespace
