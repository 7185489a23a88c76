#include "TopologyTestSupport.h"

#include "model/TextFormat.h"

namespace {

constexpr const char* kOnePointRefusal =
    "Cannot split the selected curve at the selected point.\n\nSelected point is the end point of the selected "
    "curve or is not on the selected curve.";
constexpr const char* kPointsRefusal =
    "Cannot split the selected curve at the selected points.\n\nAll selected points are the end points of the "
    "selected curve or are not on the slected curve.";

class SplitCurveTest : public TopologyTest {
protected:
    SplitCurveTest()
    {
        for (int k = 0; k < 6; ++k)
            p.push_back(AddPoint(10.0 * k, 5.0 * (k % 2)));
    }

    std::vector<int> Points(const std::vector<int>& indices) const
    {
        std::vector<int> ids;
        for (int index : indices)
            ids.push_back(index < 0 ? 999 : p[static_cast<size_t>(index)]);
        return ids;
    }

    std::vector<int> p;  // points 0 to 5 on a zigzag
};

// Indices into p; -1 names a point id no curve has.
struct SplitCase {
    const char* name;
    std::vector<int> curve;
    std::vector<int> at;
    std::vector<std::vector<int>> pieces;
};

const SplitCase kSplitCases[] = {
    {"LastPointIgnored", {1, 2, 3, 4, 5}, {3, 5}, {{1, 2, 3}, {3, 4, 5}}},
    {"OrderOfPointsDoesNotMatter", {1, 2, 3, 4, 5}, {4, 2}, {{1, 2}, {2, 3, 4}, {4, 5}}},
    {"RepeatsAndStrangersIgnored", {1, 2, 3, 4, 5}, {3, -1, 3, 1}, {{1, 2, 3}, {3, 4, 5}}},
    // Every interior visit of a given point is a split place.
    {"PointVisitedTwice", {1, 2, 3, 4, 2, 5}, {2}, {{1, 2}, {2, 3, 4, 2}, {2, 5}}},
    {"ClosedCurve", {1, 2, 3, 4, 1}, {3}, {{1, 2, 3}, {3, 4, 1}}},
};

TEST_F(SplitCurveTest, PiecesBetweenTheSplitPlaces)
{
    for (const SplitCase& c : kSplitCases) {
        SCOPED_TRACE(c.name);
        model.m_curves.clear();
        model.ClearUndoStorage();
        user.ClearRecords();
        const int curveId = AddCurveThrough(Points(c.curve));
        model.FindCurve(curveId)->alignment = ALIGN_RIGHT;
        model.FindCurve(curveId)->width = 3.5;
        const ModelState before = CaptureState(model);
        const int firstNewId = model.m_nextCurveId;

        const std::vector<int> at = Points(c.at);
        ASSERT_TRUE(model.SplitCurve(curveId, &at));
        std::vector<int> expectedIds = {curveId};
        std::string expectedLine = FormatText("Curve [%d] is split into %d curves: curve [%d] ", curveId,
                                              static_cast<int>(c.pieces.size()), curveId);
        for (size_t k = 1; k < c.pieces.size(); ++k) {
            const int newId = firstNewId + static_cast<int>(k) - 1;
            expectedIds.push_back(newId);
            expectedLine += FormatText("- curve [%d] ", newId);
        }
        ASSERT_EQ(AllCurveIds(), expectedIds);
        for (size_t k = 0; k < c.pieces.size(); ++k) {
            const T_CURVE_D& piece = *model.FindCurve(expectedIds[k]);
            EXPECT_EQ(piece.pointIds, Points(c.pieces[k])) << "piece " << k;
            EXPECT_EQ(piece.alignment, ALIGN_RIGHT);
            EXPECT_EQ(piece.width, 3.5);
        }
        EXPECT_EQ(model.m_points.size(), p.size());
        EXPECT_EQ(NewcomerCurves(), std::vector<int>(expectedIds.begin() + 1, expectedIds.end()));
        EXPECT_EQ(UndoTitle(), FormatText("Split curve [%d]", curveId));
        EXPECT_EQ(user.lines, std::vector<std::string>{expectedLine});
        EXPECT_TRUE(user.boxes.empty());
        ExpectUndoRedoRestores(before);
    }
}

struct SplitRefusalCase {
    const char* name;
    bool curveGiven;
    std::vector<int> at;
    const char* warning;
};

const SplitRefusalCase kSplitRefusalCases[] = {
    {"FirstPointOnly", true, {1}, kOnePointRefusal},
    {"PointNotOnTheCurve", true, {5}, kOnePointRefusal},
    {"BothEndPoints", true, {4, 1}, kPointsRefusal},
    {"NoPoints", true, {}, kPointsRefusal},
    {"NoCurvePicked", false, {2}, "Select the object curve."},
};

TEST_F(SplitCurveTest, RefusalsChangeNothingAndOpenNoAction)
{
    const int curveId = AddCurveThrough(Points({1, 2, 3, 4}));
    const ModelState before = CaptureState(model);
    for (const SplitRefusalCase& c : kSplitRefusalCases) {
        SCOPED_TRACE(c.name);
        user.ClearRecords();
        const std::vector<int> at = Points(c.at);
        ExpectRefusedWith(model.SplitCurve(c.curveGiven ? curveId : 0, &at), before, c.warning);
        EXPECT_EQ(user.boxes[0].kind, BoxKind::Warning);
    }
    user.ClearRecords();
    const std::vector<int> at = Points({2});
    ExpectRefusedWith(model.SplitCurve(42, &at), before, "Cannot find curve [ID:42] object.");
}

TEST_F(SplitCurveTest, LoopsRunThroughThePiecesInTheirOwnDirection)
{
    const int g = AddCurveThrough(Points({0, 1}));
    const int k = AddCurveThrough(Points({4, 3, 2, 1}));
    const int h = AddCurveThrough(Points({4, 5}));
    const int backwards = AddLoop({g, -k, h});
    const int forwards = AddLoop({k, h});
    const ModelState before = CaptureState(model);

    const std::vector<int> at = Points({2, 3});
    ASSERT_TRUE(model.SplitCurve(k, &at));
    const int l = h + 1, m = h + 2;
    EXPECT_EQ(CurvePoints(l), Points({3, 2}));
    EXPECT_EQ(CurvePoints(m), Points({2, 1}));
    EXPECT_EQ(model.FindClosedLoop(backwards)->curveIds, (std::vector<int>{g, -m, -l, -k, h}));
    EXPECT_EQ(model.FindClosedLoop(forwards)->curveIds, (std::vector<int>{k, l, m, h}));
    for (int piece : {l, m})
        EXPECT_EQ(model.FindCurve(piece)->closedLoopIds, (std::vector<int>{backwards, forwards}));
    ExpectUndoRedoRestores(before);
}

TEST_F(SplitCurveTest, PiecesJoinTheSectionWhichStaysCalculated)
{
    const int curveId = AddCurveThrough(Points({0, 1, 2}));
    model.FindCurve(curveId)->width = 2.0;
    const int other = AddCurveThrough(Points({3, 4}));
    const int centroid = AddPoint(20, 20);
    T_SECTION_D& section = AddSection(SECTION_LINE, {curveId, other}, centroid);
    const ModelState before = CaptureState(model);

    const std::vector<int> at = Points({1});
    ASSERT_TRUE(model.SplitCurve(curveId, &at));
    const int piece = other + 1;
    EXPECT_EQ(section.curveIds, (std::vector<int>{curveId, other, piece}));
    EXPECT_EQ(model.FindCurve(piece)->sectionId, section.id);
    EXPECT_EQ(model.FindCurve(piece)->width, 2.0);
    EXPECT_TRUE(section.propertiesCalculated);
    EXPECT_EQ(section.centroidPointId, centroid);
    EXPECT_TRUE(user.boxes.empty());
    ExpectUndoRedoRestores(before);
}

} // namespace
