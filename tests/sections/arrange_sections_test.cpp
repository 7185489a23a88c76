// Section > Arrange in the model: matrix sizes, cells, the orders, the
// questions, arranging inside the caller's action, and the detaching that
// keeps shared points from being dragged along.

#include "SectionCommandSupport.h"
#include "support/SectionCentre.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

class ArrangeSectionsTest : public SectionCommandTest {
protected:
    // A 10 long horizontal line section per id, each at its own height.
    std::vector<int> LineSections(int count)
    {
        std::vector<int> ids;
        for (int k = 0; k < count; ++k)
            ids.push_back(AssembleLineSection({Draw({{0, 20.0 * k}, {10, 20.0 * k}})}));
        return ids;
    }

    bool Arrange(const std::vector<int>& ids, int mode, int rows = 0, int columns = 0, bool newAction = true)
    {
        return model.ArrangeSections(ids, mode, rows, columns, newAction);
    }

    std::array<double, 2> CurveCentre(int sectionId) const { return SectionCurveCentre(model, sectionId); }

    // The sections as the matrix shows them: top row first, left to right.
    std::vector<int> ReadingOrder(const std::vector<int>& ids) const
    {
        std::vector<int> order = ids;
        std::sort(order.begin(), order.end(), [this](int a, int b) {
            const auto ca = CurveCentre(a);
            const auto cb = CurveCentre(b);
            return ca[1] != cb[1] ? ca[1] > cb[1] : ca[0] < cb[0];
        });
        return order;
    }
};

struct LayoutCase {
    int count;
    int rows;
    int columns;
    std::string line;
};

TEST_F(ArrangeSectionsTest, MatrixSizeIsGivenOrDerived)
{
    const std::vector<LayoutCase> cases = {
        {10, 0, 0, "10 sections are arranged in 4 X 3 matrix."},
        {2, 0, 0, "2 sections are arranged in 2 X 1 matrix."},
        {4, 0, 0, "4 sections are arranged in 2 X 2 matrix."},
        {10, 3, 0, "10 sections are arranged in 3 X 4 matrix."},
        {10, 20, 2, "10 sections are arranged in 20 X 1 matrix."},
        {10, 2, 2, "10 sections are arranged in 2 X 5 matrix."},
        {10, 0, 4, "10 sections are arranged in 3 X 4 matrix."},
        {6, 2, 3, "6 sections are arranged in 2 X 3 matrix."},
    };
    const std::vector<int> all = LineSections(10);
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.line);
        user.ClearRecords();
        const int undoTop = model.m_undoTopId;
        ASSERT_TRUE(Arrange({all.begin(), all.begin() + c.count}, 0, c.rows, c.columns));
        EXPECT_EQ(user.lines, std::vector<std::string>{c.line});
        EXPECT_EQ(model.m_undoTopId, undoTop + 1);
        EXPECT_EQ(UndoTitle(), "Arrange all sections");
    }
}

TEST_F(ArrangeSectionsTest, CellsTakeTheLargestExtentAndATwentiethOfItAsMargin)
{
    const int wide = GeneratePlane(DrawRectangle(500, 500, 600, 510));
    const int tall = GeneratePlane(DrawRectangle(-300, 0, -280, 40));
    ClearRecordsAndUndo();
    const SectionCommandState before = CaptureSections();

    ASSERT_TRUE(Arrange({tall, wide}, 0));

    // Cells of 105 by 45 in 2 rows of 1 column, centred on (0, 22.5) and (0, -22.5).
    const auto wideCentre = CurveCentre(wide);
    const auto tallCentre = CurveCentre(tall);
    EXPECT_NEAR(wideCentre[0], 0.0, 1e-9);
    EXPECT_NEAR(wideCentre[1], 22.5, 1e-9);
    EXPECT_NEAR(tallCentre[0], 0.0, 1e-9);
    EXPECT_NEAR(tallCentre[1], -22.5, 1e-9);
    ExpectOwnPointsShiftedBy(wide, before, -550.0, 22.5 - 505.0);
    ExpectUndoRedoRestoresSections(before);
}

TEST_F(ArrangeSectionsTest, FourEqualSquaresFillTwoByTwoCellsInCreationOrder)
{
    std::vector<int> ids;
    for (int k = 0; k < 4; ++k)
        ids.push_back(SquareSection(100.0 * k, 300.0 * (k % 2), 10));
    ClearRecordsAndUndo();

    ASSERT_TRUE(Arrange({ids[3], ids[1], ids[2], ids[0]}, 0));

    const std::vector<std::array<double, 2>> centres = {{-5.25, 5.25}, {5.25, 5.25}, {-5.25, -5.25}, {5.25, -5.25}};
    for (size_t k = 0; k < ids.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_NEAR(CurveCentre(ids[k])[0], centres[k][0], 1e-9);
        EXPECT_NEAR(CurveCentre(ids[k])[1], centres[k][1], 1e-9);
    }
    EXPECT_EQ(user.lines, std::vector<std::string>{"4 sections are arranged in 2 X 2 matrix."});
}

TEST_F(ArrangeSectionsTest, LineSectionExtentCoversItsWallBand)
{
    const int wall = Draw({{0, 0}, {100, 0}});
    model.FindCurve(wall)->alignment = ALIGN_LEFT;
    model.FindCurve(wall)->width = 10.0;
    const int id = AssembleLineSection({wall});
    const int other = AssembleLineSection({Draw({{0, 500}, {10, 500}})});

    ASSERT_TRUE(Arrange({id, other}, 0));

    EXPECT_EQ(Section(id).boxMin[0], 0.0);
    EXPECT_EQ(Section(id).boxMin[1], 0.0);
    EXPECT_NEAR(Section(id).boxMax[0], 100.0, 1e-12);
    EXPECT_NEAR(Section(id).boxMax[1], 10.0, 1e-12);
    // Cells of 105 by 15: the band's centre (50, 5) lands on the first cell's (0, 7.5).
    ExpectPointAt(CurvePoints(wall)[0], -50.0, 2.5);
    ExpectPointAt(CurvePoints(wall)[1], 50.0, 2.5);
}

struct OrderCase {
    const char* name;
    int mode;
    std::vector<const char*> names;
    std::vector<double> values;  // NaN: no value (no location, not calculated)
    std::vector<int> order;  // positions in the list, from 1
};

constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

void PrintTo(const OrderCase& c, std::ostream* out)
{
    *out << c.name;
}

class ArrangeOrderTest : public ArrangeSectionsTest, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(ArrangeOrderTest, SectionsFillTheCellsInOrder)
{
    const OrderCase& c = GetParam();
    const std::vector<int> ids = LineSections(3);
    for (size_t k = 0; k < ids.size(); ++k) {
        T_SECTION_D* section = model.FindSection(ids[k]);
        if (!c.names.empty())
            section->name = c.names[k];
        if (c.values.empty() || std::isnan(c.values[k]))
            continue;
        if (c.mode == 2) {
            section->hasLocation = true;
            section->location = c.values[k];
        } else {
            section->propertiesCalculated = true;
            section->results[RESULT_A + c.mode - 3] = c.values[k];
        }
    }

    ASSERT_TRUE(Arrange(ids, c.mode));

    std::vector<int> expected;
    for (int position : c.order)
        expected.push_back(ids[position - 1]);
    EXPECT_EQ(ReadingOrder(ids), expected);
    EXPECT_TRUE(user.questions.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Modes, ArrangeOrderTest,
    ::testing::Values(OrderCase{"Names", 1, {"b", "A", "a"}, {}, {2, 3, 1}},
                      OrderCase{"NamesByUnsignedBytes", 1, {"\xC3\xA9", "z", "a"}, {}, {3, 2, 1}},
                      OrderCase{"Areas", 3, {}, {10.0, kNone, 20.0}, {3, 1, 2}},
                      OrderCase{"Locations", 2, {}, {5.0, 2.0, kNone}, {3, 2, 1}},
                      OrderCase{"SecondMomentsInMetres", 6, {}, {1e-7, 3e-7, 2e-7}, {2, 3, 1}},
                      OrderCase{"AreasARoundingStepApart", 3, {}, {1000.0, 1000.0006, 1000.0012}, {1, 2, 3}},
                      OrderCase{"LocationsCloserThanTheirTolerance", 2, {}, {0.0, 0.6e-6, 1.2e-6}, {3, 2, 1}},
                      OrderCase{"EqualTorsionConstants", 9, {}, {4.0, 4.0, 8.0}, {3, 1, 2}},
                      OrderCase{"EqualLocations", 2, {}, {1.0, 1.0, 0.5}, {3, 2, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ArrangeSectionsTest, NoValueToOrderByAsksForTheCreationOrder)
{
    const std::vector<int> ids = LineSections(3);
    struct Question {
        int mode;
        const char* text;
    };
    const std::vector<Question> questions = {
        {2, "No active section is specified with its location.\n\nArrange the active sections in the order of "
            "creation?"},
        {5, "No active section has the calculated properties.\n\nArrange the active sections in the order of "
            "creation?"},
    };
    for (const Question& q : questions) {
        SCOPED_TRACE(q.mode);
        ClearRecordsAndUndo();
        const SectionCommandState before = CaptureSections();
        user.QueueAnswers({false});
        EXPECT_FALSE(Arrange({ids[2], ids[0], ids[1]}, q.mode));
        ASSERT_EQ(user.questions.size(), 1u);
        EXPECT_EQ(user.questions[0].text, q.text);
        EXPECT_TRUE(user.questions[0].yesIsDefault);
        EXPECT_EQ(CaptureSections(), before);
        EXPECT_TRUE(model.IsUndoEmpty());

        user.QueueAnswers({true});
        ASSERT_TRUE(Arrange({ids[2], ids[0], ids[1]}, q.mode));
        EXPECT_EQ(ReadingOrder(ids), ids);
    }
}

TEST_F(ArrangeSectionsTest, FewerThanTwoSectionsOrAnUnknownModeDoNothing)
{
    const std::vector<int> ids = LineSections(2);
    const SectionCommandState before = CaptureSections();
    EXPECT_FALSE(Arrange({ids[0]}, 0));
    EXPECT_FALSE(Arrange({ids[0], ids[0]}, 0));
    EXPECT_FALSE(Arrange({}, 0));
    EXPECT_FALSE(Arrange(ids, 10));
    EXPECT_FALSE(Arrange(ids, -1));
    EXPECT_EQ(CaptureSections(), before);
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_TRUE(user.boxes.empty() && user.lines.empty() && user.questions.empty());
}

TEST_F(ArrangeSectionsTest, WithoutANewActionItRecordsIntoTheCallersAndPrintsNothing)
{
    const int a = SquareSection(300, 300, 10);
    const int b = SquareSection(-300, 40, 10);
    const int centroid = MarkCalculated(a, 305, 305);
    model.FindSection(b)->hasLocation = true;
    model.FindSection(b)->location = 7.0;
    ClearRecordsAndUndo();
    const SectionCommandState before = CaptureSections();

    model.BeginUndoAction();
    model.SetUndoActionTitle("Import KLX project");
    const int undoTop = model.m_undoTopId;
    ASSERT_TRUE(Arrange({a, b}, 0, 0, 0, false));

    EXPECT_EQ(model.m_undoTopId, undoTop);
    EXPECT_EQ(UndoTitle(), "Import KLX project");
    EXPECT_TRUE(user.lines.empty());
    EXPECT_TRUE(Section(a).propertiesCalculated);
    ExpectPointAt(centroid, CurveCentre(a)[0], CurveCentre(a)[1]);
    EXPECT_EQ(Section(b).location, 7.0);
    EXPECT_EQ(Section(b).name, "Section-P2");
    ExpectUndoRedoRestoresSections(before);
}

TEST_F(ArrangeSectionsTest, SharedPointsStayWithEveryOtherCurve)
{
    // Two walls meeting at (100, 0), and a free curve from the first wall's start.
    const int p1 = AddPoint(0, 0);
    const int joint = AddPoint(100, 0);
    const int p3 = AddPoint(100, 50);
    const int wallA = AddCurveThrough({p1, joint});
    const int wallB = AddCurveThrough({joint, p3});
    const int a = AssembleLineSection({wallA});
    const int b = AssembleLineSection({wallB});
    const int freeCurve = AddCurveThrough({p1, AddPoint(0, -30)});
    const ModelState freeBefore = CaptureState(model);
    ClearRecordsAndUndo();
    const SectionCommandState before = CaptureSections();

    ASSERT_TRUE(Arrange({a, b}, 0));

    // Each wall whole in its own cell of 105 by 55: centres (0, 27.5) and (0, -27.5).
    const auto length = [this](int curveId) {
        return Distance(model.FindPoint(CurvePoints(curveId)[0])->xy, model.FindPoint(CurvePoints(curveId)[1])->xy);
    };
    EXPECT_NEAR(length(wallA), 100.0, 1e-9);
    EXPECT_NEAR(length(wallB), 50.0, 1e-9);
    EXPECT_NEAR(CurveCentre(a)[1], 27.5, 1e-9);
    EXPECT_NEAR(CurveCentre(b)[1], -27.5, 1e-9);
    EXPECT_NE(CurvePoints(wallA)[1], CurvePoints(wallB)[0]);
    // The free curve keeps its points where they were.
    EXPECT_EQ(CurvePoints(freeCurve), freeBefore.curves.at(freeCurve).pointIds);
    for (int pointId : CurvePoints(freeCurve))
        EXPECT_EQ(CaptureState(model).points.at(pointId), freeBefore.points.at(pointId));
    ExpectUndoRedoRestoresSections(before);
}

}  // namespace
