// Section > Translate and Rotate in the model: input checks, the work UCS,
// detaching what stays behind, calculated sections, texts and undo.

#include "SectionCommandSupport.h"

#include <functional>

namespace {

class SectionTransformsTest : public SectionCommandTest {
protected:
    bool Translate(const std::vector<int>& ids, double dx, double dy) { return model.TranslateSections(&ids, dx, dy); }
    bool Rotate(const std::vector<int>& ids, double ox, double oy, double angle)
    {
        return model.RotateSections(ids, P(ox, oy).data(), angle);
    }
};

struct TransformCheck {
    const char* name;
    double tolerance;
    bool rotation;
    double a, b;  // dx and dy, or the angle in a
    const char* refusal;  // null: accepted
};

TEST_F(SectionTransformsTest, InputChecksRefuseBeforeAnythingChanges)
{
    const std::vector<TransformCheck> checks = {
        {"no length, tiny tolerance", 1e-9, false, 1e-7, 0.0, "Interval should be greater than 0."},
        {"length equal to the tolerance", 2.5, false, 1.5, 2.0, nullptr},
        {"just below the tolerance", 2.5, false, 1.5, 1.9999, "Interval is too small. It is less than the tolerance."},
        {"no angle", 1.0, true, 0.0, 0.0, "Rotation angle cannot be 0."},
        {"angle below 1e-6", 1.0, true, 5e-7, 0.0, "Rotation angle cannot be 0."},
    };
    const int id = GenerateLine({Draw({{0, 0}, {100, 0}})});
    for (const TransformCheck& c : checks) {
        SCOPED_TRACE(c.name);
        model.m_tolerance = c.tolerance;
        ClearRecordsAndUndo();
        const SectionCommandState before = CaptureSections();
        const bool result = c.rotation ? Rotate({id}, 0, 0, c.a) : Translate({id}, c.a, c.b);
        if (c.refusal) {
            ExpectRefusedSectionCommand(result, before, 0, c.refusal);
        } else {
            EXPECT_TRUE(result);
            EXPECT_TRUE(user.boxes.empty());
        }
    }
}

TEST_F(SectionTransformsTest, InputIsReadInTheWorkUcs)
{
    const int line = Draw({{0, 0}, {100, 0}});
    const int id = GenerateLine({line});
    const int start = CurvePoints(line)[0];
    const int end = CurvePoints(line)[1];
    UseUcs(50, 50, 90);

    // A displacement turns with the UCS; its origin plays no part.
    ASSERT_TRUE(Translate({id}, 10, 0));
    ExpectPointAt(start, 0, 10);
    ExpectPointAt(end, 100, 10);

    // The centre (10, 0) of the UCS is (50, 60) in global terms: a half turn
    // about it takes (0, 10) to (100, 110).
    ASSERT_TRUE(Rotate({id}, 10, 0, 180));
    ExpectPointAt(start, 100, 110);
    ExpectPointAt(end, 0, 110);
}

TEST_F(SectionTransformsTest, CurveOutsideKeepsTheSharedPointAndTheSectionTakesACopy)
{
    const int sectionCurve = Draw({{0, 0}, {100, 0}});
    const int id = GenerateLine({sectionCurve});
    // A free curve drawn afterwards onto the section curve's end point.
    const int shared = CurvePoints(sectionCurve)[1];
    const int freeCurve = AddCurveThrough({shared, AddPoint(100, 100)});
    ClearRecordsAndUndo();
    const SectionCommandState before = CaptureSections();
    const int nextPoint = model.m_nextPointId;

    ASSERT_TRUE(Translate({id}, 0, -50));

    EXPECT_EQ(CurvePoints(freeCurve)[0], shared);
    ExpectPointAt(shared, 100, 0);
    EXPECT_EQ(CurvePoints(sectionCurve), (std::vector<int>{CurvePoints(sectionCurve)[0], nextPoint}));
    ExpectPointAt(nextPoint, 100, -50);
    ExpectPointAt(CurvePoints(sectionCurve)[0], 0, -50);
    EXPECT_EQ(NewcomerPoints(), std::vector<int>{nextPoint});
    EXPECT_EQ(UndoTitle(), "Translate 1 section");
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 section is moved by translation."});

    ExpectUndoRedoRestoresSections(before);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.FindPoint(nextPoint), nullptr);
}

TEST_F(SectionTransformsTest, SectionsMovedTogetherShareTheirPointWithoutACopy)
{
    const int p1 = AddPoint(0, 0);
    const int p2 = AddPoint(100, 0);
    const int p3 = AddPoint(100, 100);
    const int a = AssembleLineSection({AddCurveThrough({p1, p2})});
    const int b = AssembleLineSection({AddCurveThrough({p2, p3})});
    const int plane = SquareSection(300, 0, 50);
    ClearRecordsAndUndo();
    const SectionCommandState before = CaptureSections();
    const size_t pointCount = model.m_points.size();

    ASSERT_TRUE(Translate({a, b, plane}, 5, 7));

    EXPECT_EQ(model.m_points.size(), pointCount);
    ExpectPointAt(p1, 5, 7);
    ExpectPointAt(p2, 105, 7);
    ExpectPointAt(p3, 105, 107);
    ExpectOwnPointsShiftedBy(plane, before, 5, 7);
    EXPECT_TRUE(NewcomerPoints().empty());
    EXPECT_EQ(user.lines, std::vector<std::string>{"3 sections are moved by translation."});
    ExpectUndoRedoRestoresSections(before);
}

TEST_F(SectionTransformsTest, TranslationCarriesTheCentroidAndKeepsThePropertiesValid)
{
    const int id = SquareSection(0, 0, 10);
    const int centroid = MarkCalculated(id, 5, 5);
    model.FindSection(id)->hasLocation = true;
    model.FindSection(id)->location = 3.5;
    ClearRecordsAndUndo();
    const SectionCommandState before = CaptureSections();

    ASSERT_TRUE(Translate({id}, 20, 0));

    EXPECT_TRUE(Section(id).propertiesCalculated);
    EXPECT_EQ(Section(id).centroidPointId, centroid);
    ExpectPointAt(centroid, 25, 5);
    EXPECT_EQ(Section(id).location, 3.5);
    EXPECT_EQ(Section(id).name, "Section-P1");
    EXPECT_TRUE(user.boxes.empty());
    ExpectUndoRedoRestoresSections(before);
}

TEST_F(SectionTransformsTest, RotationInvalidatesEveryCalculatedSectionOnce)
{
    const int a = SquareSection(0, 0, 10);
    const int b = SquareSection(100, 0, 10);
    const int c = GenerateLine({Draw({{0, 100}, {50, 100}})});
    const int centroidA = MarkCalculated(a, 5, 5);
    const int centroidB = MarkCalculated(b, 105, 5);
    ClearRecordsAndUndo();
    const SectionCommandState before = CaptureSections();

    ASSERT_TRUE(Rotate({a, b, c, a}, 0, 0, 90));

    EXPECT_FALSE(Section(a).propertiesCalculated);
    EXPECT_FALSE(Section(b).propertiesCalculated);
    EXPECT_EQ(Section(a).centroidPointId, 0);
    EXPECT_EQ(model.FindPoint(centroidA), nullptr);
    EXPECT_EQ(model.FindPoint(centroidB), nullptr);
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"The properties of 2 sections are invalidated.\n\n"
                                                        "Re-calculate the properties using [Properties]-[Calculate]."});
    // (10, 0), a corner of section a, turns to (0, 10), once.
    bool turnedCorner = false;
    for (const auto& [pointId, point] : Section(a).points)
        turnedCorner |= std::abs(point->xy[0]) < 1e-9 && std::abs(point->xy[1] - 10.0) < 1e-9;
    EXPECT_TRUE(turnedCorner);
    EXPECT_EQ(UndoTitle(), "Rotate 3 sections");
    EXPECT_EQ(user.lines, std::vector<std::string>{"3 sections are moved by rotation."});
    ExpectUndoRedoRestoresSections(before);
}

TEST_F(SectionTransformsTest, FullTurnLeavesTheGeometryButStillInvalidates)
{
    const int id = SquareSection(10, 20, 30);
    MarkCalculated(id, 25, 35);
    model.FindSection(id)->name = "Plate";
    ClearRecordsAndUndo();
    const SectionCommandState before = CaptureSections();

    ASSERT_TRUE(Rotate({id}, 3, 4, 360));

    const SectionCommandState after = CaptureSections();
    ExpectOwnPointsShiftedBy(id, before, 0, 0);
    for (const auto& [pointId, xy] : before.records.points) {
        if (after.records.points.contains(pointId)) {
            EXPECT_NEAR(after.records.points.at(pointId)[0], xy[0], 1e-9);
            EXPECT_NEAR(after.records.points.at(pointId)[1], xy[1], 1e-9);
        }
    }
    EXPECT_FALSE(Section(id).propertiesCalculated);
    EXPECT_EQ(Section(id).name, "Plate");
    EXPECT_EQ(user.boxes.size(), 1u);
}

TEST_F(SectionTransformsTest, MissingRecordsAreReportedBeforeAnythingChanges)
{
    const int line = Draw({{0, 0}, {100, 0}});
    const int id = GenerateLine({line});
    const std::vector<MissingRecordCase> refusals = {
        {"section", {id, 42}, 0, 0, "Cannot find section [ID:42] object."},
        {"curve", {id}, 77, 0, "Cannot find curve [ID:77] object."},
        {"point", {id}, 0, 88, "Cannot find point [ID:88] object."},
    };
    for (bool rotation : {false, true}) {
        SCOPED_TRACE(rotation ? "rotate" : "translate");
        ExpectMissingRecordsRefused(id, line, refusals, [&](const std::vector<int>& ids) {
            return rotation ? Rotate(ids, 0, 0, 45) : Translate(ids, 10, 0);
        });
    }
}

// Translation may copy every curve point and the centroid, rotation the
// curve points, Arrange both per section: each asks before it changes anything.
TEST_F(SectionTransformsTest, PointCopiesThatWouldPassTheIdLimitAreRefusedFirst)
{
    const int a = GenerateLine({Draw({{0, 0}, {100, 0}})});
    const int b = GenerateLine({Draw({{0, 50}, {100, 50}})});
    struct LimitCase {
        const char* name;
        int mostCopies;
        std::function<bool()> command;
    };
    const std::vector<LimitCase> cases = {
        {"translate", 3, [&] { return Translate({a}, 10, 0); }},
        {"rotate", 2, [&] { return Rotate({a}, 0, 0, 10); }},
        {"arrange", 5, [&] { return model.ArrangeSections({a, b}, 0, 0, 0, true); }},
    };
    for (const LimitCase& c : cases) {
        SCOPED_TRACE(c.name);
        MarkCalculated(a, 50, 0);  // rotation clears it
        model.m_nextPointId = IdUpperBound(IdKind::Point) - c.mostCopies + 1;
        ClearRecordsAndUndo();
        const SectionCommandState before = CaptureSections();
        ExpectRefusedSectionCommand(c.command(), before, 0,
                                    IdLimitRefusal(IdKind::Point, model.m_nextPointId, c.mostCopies));
        model.m_nextPointId -= 1;
        ClearRecordsAndUndo();
        EXPECT_TRUE(c.command());
    }
}

// A point of the moved section's curve is the centroid point of a calculated
// section that stays: the centroid stays put and the moved curve takes a copy.
TEST_F(SectionTransformsTest, AnotherSectionsCentroidOnAMovedCurveStaysOnItsCentroid)
{
    const int line = Draw({{0, 0}, {100, 0}});
    const int moved = GenerateLine({line});
    const int other = SquareSection(-10, -10, 20);
    const int shared = CurvePoints(line)[0];
    MarkCalculatedAt(other, shared);
    ClearRecordsAndUndo();

    for (bool rotation : {false, true}) {
        SCOPED_TRACE(rotation ? "rotation" : "translation");
        const int copy = model.m_nextPointId;
        ASSERT_TRUE(rotation ? Rotate({moved}, 0, 0, 90) : Translate({moved}, 0, 30));
        ExpectPointAt(shared, 0, 0);
        EXPECT_EQ(Section(other).centroidPointId, shared);
        EXPECT_TRUE(Section(other).propertiesCalculated);
        EXPECT_EQ(CurvePoints(line)[0], copy);
        ExpectPointAt(copy, 0, rotation ? 0 : 30);
        ExpectPointAt(CurvePoints(line)[1], rotation ? 0 : 100, rotation ? 100 : 30);
        ASSERT_TRUE(model.Undo(false));
        EXPECT_EQ(CurvePoints(line)[0], shared);
    }
}

TEST_F(SectionTransformsTest, RepeatedIdMovesTheSectionOnce)
{
    const int id = SquareSection(0, 0, 10);
    const int centroid = MarkCalculated(id, 5, 5);
    ClearRecordsAndUndo();
    const SectionCommandState before = CaptureSections();

    ASSERT_TRUE(Translate({id, id}, 10, 0));

    ExpectOwnPointsShiftedBy(id, before, 10, 0);
    ExpectPointAt(centroid, 15, 5);
    EXPECT_EQ(UndoTitle(), "Translate 1 section");
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 section is moved by translation."});
}

// A translated section's centroid point that something staying behind also
// holds: the section takes a copy, which moves; the original stays.
struct CentroidDetachCase {
    const char* name;
    enum { FreeCurve, StayingSection, OwnAndFreeCurve } holder;
};

void PrintTo(const CentroidDetachCase& c, std::ostream* out)
{
    *out << c.name;
}

class CentroidDetachTest : public SectionTransformsTest, public ::testing::WithParamInterface<CentroidDetachCase> {};

TEST_P(CentroidDetachTest, SectionTakesACopyThatMovesOnce)
{
    const int line = Draw({{0, 0}, {100, 0}});
    const int id = GenerateLine({line});
    int centroid = 0;
    int freeCurve = 0;
    int staying = 0;
    switch (GetParam().holder) {
    case CentroidDetachCase::FreeCurve:
        centroid = MarkCalculated(id, 50, 20);
        freeCurve = AddCurveThrough({centroid, AddPoint(50, 200)});
        break;
    case CentroidDetachCase::StayingSection:
        centroid = MarkCalculated(id, 50, 20);
        staying = SquareSection(40, 10, 20);
        MarkCalculatedAt(staying, centroid);
        break;
    case CentroidDetachCase::OwnAndFreeCurve:
        centroid = CurvePoints(line)[1];
        MarkCalculatedAt(id, centroid);
        freeCurve = AddCurveThrough({centroid, AddPoint(100, 200)});
        break;
    }
    ClearRecordsAndUndo();
    const SectionCommandState before = CaptureSections();
    const int copy = model.m_nextPointId;
    const double oldX = model.FindPoint(centroid)->xy[0];
    const double oldY = model.FindPoint(centroid)->xy[1];

    ASSERT_TRUE(Translate({id}, 0, 30));

    ExpectPointAt(centroid, oldX, oldY);
    EXPECT_EQ(Section(id).centroidPointId, copy);
    ExpectPointAt(copy, oldX, oldY + 30);
    EXPECT_EQ(model.m_nextPointId, copy + 1);
    EXPECT_EQ(NewcomerPoints(), std::vector<int>{copy});
    EXPECT_TRUE(Section(id).propertiesCalculated);
    if (freeCurve != 0) {
        EXPECT_EQ(CurvePoints(freeCurve)[0], centroid);
    }
    if (staying != 0) {
        EXPECT_EQ(Section(staying).centroidPointId, centroid);
    }
    if (GetParam().holder == CentroidDetachCase::OwnAndFreeCurve) {
        EXPECT_EQ(CurvePoints(line)[1], copy);
    }
    ExpectUndoRedoRestoresSections(before);
}

INSTANTIATE_TEST_SUITE_P(Holders, CentroidDetachTest,
                         ::testing::Values(CentroidDetachCase{"FreeCurve", CentroidDetachCase::FreeCurve},
                                           CentroidDetachCase{"StayingSection", CentroidDetachCase::StayingSection},
                                           CentroidDetachCase{"OwnCurveAndFreeCurve",
                                                              CentroidDetachCase::OwnAndFreeCurve}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
