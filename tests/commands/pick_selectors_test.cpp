#include "TopologyTestSupport.h"

namespace {

std::vector<int> Picked(const std::function<void(std::vector<int>*)>& pick)
{
    std::vector<int> result = {42};  // every selector clears first
    pick(&result);
    return result;
}

TEST_F(TopologyTest, PickPointsOfCurvesLoopsAndSections)
{
    AddPoint(0, 0), AddPoint(10, 0), AddPoint(5, 8);
    const int closed = AddCurveThrough({3, 1, 2, 3});
    const int line = AddCurve({{20, 0}, {30, 0}});  // points 4, 5
    const int loop = AddLoop({line, -closed});
    AddSection(SECTION_LINE, {line, 99});
    EXPECT_EQ(Picked([&](auto* r) { model.PickPointsOfCurve(closed, r); }), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Picked([&](auto* r) { model.PickPointsOfClosedLoop(loop, r); }), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(Picked([&](auto* r) { model.PickCurvesOfClosedLoop(loop, r); }), (std::vector<int>{1, 2}));
    EXPECT_EQ(Picked([&](auto* r) { model.PickPointsOfSection(1, r); }), (std::vector<int>{4, 5}));
    EXPECT_EQ(Picked([&](auto* r) { model.PickCurvesOfSection(1, r); }), (std::vector<int>{line, 99}));
    for (int missing : {0, 7}) {
        EXPECT_TRUE(Picked([&](auto* r) { model.PickPointsOfCurve(missing, r); }).empty());
        EXPECT_TRUE(Picked([&](auto* r) { model.PickPointsOfClosedLoop(missing, r); }).empty());
        EXPECT_TRUE(Picked([&](auto* r) { model.PickCurvesOfSection(missing, r); }).empty());
    }
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(TopologyTest, PickCentroidPointsOnlyOfCalculatedSections)
{
    const int centroid = AddPoint(5, 5);
    AddSection(SECTION_PLANE, {AddCurve({{0, 0}, {10, 0}})}, centroid);
    AddSection(SECTION_LINE, {AddCurve({{0, 20}, {10, 20}})}, centroid);
    T_SECTION_D& invalidated = AddSection(SECTION_LINE, {AddCurve({{0, 40}, {10, 40}})}, AddPoint(50, 50));
    invalidated.propertiesCalculated = false;
    EXPECT_EQ(Picked([&](auto* r) { model.PickCentroidPointsOfSections({2, 9, 1, 3}, r); }),
              std::vector<int>{centroid});
}

TEST_F(TopologyTest, PickCurvesByWidthAndAlignment)
{
    for (int i = 0; i < 4; ++i)
        AddCurve({{0, 10.0 * i}, {10, 10.0 * i}});
    model.FindCurve(2)->width = 2.5;
    model.FindCurve(2)->alignment = ALIGN_LEFT;
    model.FindCurve(3)->width = 2.5000001;
    model.FindCurve(4)->alignment = ALIGN_LEFT;  // no width
    EXPECT_EQ(Picked([&](auto* r) { model.PickCurvesByWidth(0, r); }), (std::vector<int>{1, 4}));
    EXPECT_EQ(Picked([&](auto* r) { model.PickCurvesByWidth(2.5, r); }), (std::vector<int>{2, 3}));
    EXPECT_EQ(Picked([&](auto* r) { model.PickCurvesByAlignment(ALIGN_LEFT, r); }), std::vector<int>{2});
    EXPECT_EQ(Picked([&](auto* r) { model.PickCurvesByAlignment(ALIGN_CENTER, r); }), std::vector<int>{3});
}

TEST_F(TopologyTest, PickSectionsByNameTypeAndLocation)
{
    const int curve = AddCurve({{0, 0}, {10, 0}});
    AddSection(SECTION_PLANE, {curve}, 0, "Section-P1");
    AddSection(SECTION_PLANE, {curve}, 0, "Section-P10");
    T_SECTION_D& located = AddSection(SECTION_LINE, {curve}, 0, "SECTION-p1");
    located.hasLocation = true;
    located.location = 1500.0;
    EXPECT_EQ(Picked([&](auto* r) { model.PickSectionsByName("section-p1", r); }), (std::vector<int>{1, 3}));
    EXPECT_EQ(Picked([&](auto* r) { model.PickSectionsByType(SECTION_PLANE, r); }), (std::vector<int>{1, 2}));
    EXPECT_EQ(Picked([&](auto* r) { model.PickSectionsByLocation(1500.0000001, r); }), std::vector<int>{3});
    EXPECT_TRUE(Picked([&](auto* r) { model.PickSectionsByLocation(0, r); }).empty());
    EXPECT_EQ(Picked([&](auto* r) { model.PickSectionsWithoutLocation(r); }), (std::vector<int>{1, 2}));
}

TEST_F(TopologyTest, PropertySelectorsAreStrictAndNeedCalculatedSections)
{
    const int curve = AddCurve({{0, 0}, {10, 0}});
    const int centroid = AddPoint(5, 5);
    for (double value : {100.0, 150.0, 50.0, 200.0}) {
        T_SECTION_D& section = AddSection(SECTION_PLANE, {curve}, centroid);
        for (int i = 0; i < RESULT_COUNT; ++i)
            section.results[i] = value;
    }
    model.FindSection(4)->propertiesCalculated = false;
    using Selector = void (CSectModel::*)(double, std::vector<int>*) const;
    const std::vector<std::pair<Selector, std::vector<int>>> cases = {
        {&CSectModel::PickSectionsByAreaGreater, {2}}, {&CSectModel::PickSectionsByAreaLess, {3}},
        {&CSectModel::PickSectionsByIxxGreater, {2}},  {&CSectModel::PickSectionsByIxxLess, {3}},
        {&CSectModel::PickSectionsByIyyGreater, {2}},  {&CSectModel::PickSectionsByIyyLess, {3}},
        {&CSectModel::PickSectionsByIxyGreater, {2}},  {&CSectModel::PickSectionsByIxyLess, {3}},
        {&CSectModel::PickSectionsByJGreater, {2}},    {&CSectModel::PickSectionsByJLess, {3}},
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Picked([&](auto* r) { (model.*cases[i].first)(100.0, r); }), cases[i].second);
    }
    // Each selector reads its own value.
    model.FindSection(1)->results[RESULT_J] = 300.0;
    EXPECT_EQ(Picked([&](auto* r) { model.PickSectionsByJGreater(100.0, r); }), (std::vector<int>{1, 2}));
    EXPECT_EQ(Picked([&](auto* r) { model.PickSectionsByIxxGreater(100.0, r); }), std::vector<int>{2});
}

} // namespace
