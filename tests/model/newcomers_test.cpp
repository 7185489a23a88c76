#include "model/SectModel.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

template <class T>
void AddRecord(IdMap<T>& map, int id)
{
    auto record = std::make_unique<T>();
    record->id = id;
    map[id] = std::move(record);
}

TEST(NewcomersTest, ReadSortsDropsDuplicatesAndDeadIdsAndKeepsTheTidyList)
{
    CSectModel model;
    for (int id : {3, 7, 12})
        AddRecord(model.m_points, id);
    model.AddNewcomerPoints({7, 3, 7, 12}, true);
    model.m_points.erase(12);

    std::vector<int> out{99};
    model.GetNewcomerPoints(out);
    EXPECT_EQ(out, (std::vector<int>{3, 7}));
    EXPECT_EQ(model.m_newcomerPoints, (std::vector<int>{3, 7}));
}

TEST(NewcomersTest, EveryKindReadsAgainstItsOwnMap)
{
    CSectModel model;
    AddRecord(model.m_sections, 2);
    AddRecord(model.m_closedLoops, 3);
    AddRecord(model.m_curves, 4);
    AddRecord(model.m_points, 5);
    const std::vector<int> all{5, 4, 3, 2, 1};
    model.AddNewcomerSections(all, true);
    model.AddNewcomerClosedLoops(all, true);
    model.AddNewcomerCurves(all, true);
    model.AddNewcomerPoints(all, true);

    std::vector<int> out;
    model.GetNewcomerSections(out);
    EXPECT_EQ(out, (std::vector<int>{2}));
    model.GetNewcomerClosedLoops(out);
    EXPECT_EQ(out, (std::vector<int>{3}));
    model.GetNewcomerCurves(out);
    EXPECT_EQ(out, (std::vector<int>{4}));
    model.GetNewcomerPoints(out);
    EXPECT_EQ(out, (std::vector<int>{5}));
}

TEST(NewcomersTest, ReadingAnEmptyListEmptiesOut)
{
    CSectModel model;
    std::vector<int> out{1, 2};
    model.GetNewcomerCurves(out);
    EXPECT_TRUE(out.empty());
}

TEST(NewcomersTest, SingleIdsReplaceOrAppend)
{
    CSectModel model;
    model.AddNewcomerCurve(4, false);
    model.AddNewcomerCurve(4, false);
    EXPECT_EQ(model.m_newcomerCurves, (std::vector<int>{4, 4}));
    model.AddNewcomerCurve(9, true);
    EXPECT_EQ(model.m_newcomerCurves, (std::vector<int>{9}));
    model.AddNewcomerCurve(2, false);
    EXPECT_EQ(model.m_newcomerCurves, (std::vector<int>{9, 2}));

    model.AddNewcomerSection(1, false);
    model.AddNewcomerSection(6, true);
    EXPECT_EQ(model.m_newcomerSections, (std::vector<int>{6}));
    model.AddNewcomerClosedLoop(3, true);
    model.AddNewcomerPoint(8, true);
    EXPECT_EQ(model.m_newcomerClosedLoops, (std::vector<int>{3}));
    EXPECT_EQ(model.m_newcomerPoints, (std::vector<int>{8}));

    model.ClearNewcomerCurves();
    model.ClearNewcomerPoints();
    EXPECT_TRUE(model.m_newcomerCurves.empty() && model.m_newcomerPoints.empty());
}

TEST(NewcomersTest, ManyIdsReplaceInTheirOrderOrAppend)
{
    CSectModel model;
    model.AddNewcomerPoints({1}, false);
    model.AddNewcomerPoints({8, 2}, true);
    EXPECT_EQ(model.m_newcomerPoints, (std::vector<int>{8, 2}));
    model.AddNewcomerPoints({5}, false);
    model.AddNewcomerPoints({}, false);
    EXPECT_EQ(model.m_newcomerPoints, (std::vector<int>{8, 2, 5}));

    // The list handed back to itself.
    model.AddNewcomerPoints(model.m_newcomerPoints, true);
    EXPECT_EQ(model.m_newcomerPoints, (std::vector<int>{8, 2, 5}));
    model.AddNewcomerPoints(model.m_newcomerPoints, false);
    EXPECT_EQ(model.m_newcomerPoints, (std::vector<int>{8, 2, 5, 8, 2, 5}));
}

TEST(NewcomersTest, UndoneObjectsDropOutAtTheNextRead)
{
    CSectModel model;
    model.RecordCreatedPoint(1, true);
    AddRecord(model.m_points, 1);
    model.AddNewcomerPoint(1, true);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.m_newcomerPoints, (std::vector<int>{1}));
    std::vector<int> out;
    model.GetNewcomerPoints(out);
    EXPECT_TRUE(out.empty());
}

} // namespace
