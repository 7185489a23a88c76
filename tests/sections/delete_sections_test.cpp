// Section > Delete in the model: with and without the section's curves, the
// points and closed loops that go with them, centroid points, texts and undo.

#include "SectionCommandSupport.h"

namespace {

// Two line sections and a free curve around a square: section 1 runs
// p1-p2-p3, section 2 runs p3-p4, the free curve p4-p1.
class DeleteSectionsTest : public SectionCommandTest {
protected:
    void SetUp() override
    {
        p1 = AddPoint(0, 0);
        p2 = AddPoint(100, 0);
        p3 = AddPoint(100, 100);
        p4 = AddPoint(0, 100);
        c1 = AddCurveThrough({p1, p2});
        c2 = AddCurveThrough({p2, p3});
        c3 = AddCurveThrough({p3, p4});
        freeCurve = AddCurveThrough({p4, p1});
        s1 = AssembleLineSection({c1, c2});
        s2 = AssembleLineSection({c3});
    }

    bool Delete(const std::vector<int>& ids, bool deleteCurves) { return model.DeleteSections(&ids, deleteCurves); }

    int p1 = 0, p2 = 0, p3 = 0, p4 = 0, c1 = 0, c2 = 0, c3 = 0, freeCurve = 0, s1 = 0, s2 = 0;
};

TEST_F(DeleteSectionsTest, WithoutCurvesTheCurvesAreFreedForANewSection)
{
    const int loop = AddLoop({c1, c2, c3, freeCurve});
    const ModelState before = CaptureState(model);

    ASSERT_TRUE(Delete({s1}, false));

    EXPECT_EQ(model.FindSection(s1), nullptr);
    EXPECT_EQ(UndoTitle(), "Delete 1 section");
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 section is deleted."});
    ModelState expected = before;
    expected.curves[c1].sectionId = 0;
    expected.curves[c2].sectionId = 0;
    expected.sectionCurves.erase(s1);
    EXPECT_EQ(CaptureState(model), expected);
    EXPECT_EQ(model.FindClosedLoop(loop)->curveIds, (std::vector<int>{c1, c2, c3, freeCurve}));

    // The loop is taken whole once section 2 has gone too.
    ASSERT_TRUE(Delete({s2}, false));
    EXPECT_NE(GenerateLine({c1, c2, c3, freeCurve}), 0);
}

TEST_F(DeleteSectionsTest, WithCurvesOnlyPointsNoCurveStillUsesGo)
{
    ASSERT_TRUE(Delete({s1}, true));

    EXPECT_EQ(model.FindCurve(c1), nullptr);
    EXPECT_EQ(model.FindCurve(c2), nullptr);
    EXPECT_NE(model.FindPoint(p1), nullptr);  // the free curve's
    EXPECT_EQ(model.FindPoint(p2), nullptr);  // only the deleted curves'
    EXPECT_NE(model.FindPoint(p3), nullptr);  // section 2's curve's
    EXPECT_EQ(CurvePoints(c3), (std::vector<int>{p3, p4}));
    EXPECT_EQ(CurvePoints(freeCurve), (std::vector<int>{p4, p1}));
}

TEST_F(DeleteSectionsTest, TwoSectionsSharingAPointDeleteItOnce)
{
    ASSERT_TRUE(Delete({s1, s2}, true));

    EXPECT_TRUE(model.m_sections.empty());
    EXPECT_EQ(model.FindPoint(p3), nullptr);
    EXPECT_EQ(model.FindPoint(p2), nullptr);
    EXPECT_TRUE(user.boxes.empty());
    EXPECT_EQ(UndoTitle(), "Delete 2 sections");
    EXPECT_EQ(user.lines, std::vector<std::string>{"2 sections are deleted."});
}

TEST_F(DeleteSectionsTest, ClosedLoopThroughADeletedCurveGoesAndItsOtherCurvesForgetIt)
{
    // A triangle of section 1's first curve and two free curves.
    const int p5 = AddPoint(50, -50);
    const int f1 = AddCurveThrough({p2, p5});
    const int f2 = AddCurveThrough({p5, p1});
    const int loop = AddLoop({c1, f1, f2});
    const SectionCommandState before = CaptureSections();

    ASSERT_TRUE(Delete({s1}, true));

    EXPECT_EQ(model.FindClosedLoop(loop), nullptr);
    EXPECT_TRUE(model.FindCurve(f1)->closedLoopIds.empty());
    EXPECT_TRUE(model.FindCurve(f2)->closedLoopIds.empty());
    EXPECT_NE(model.FindPoint(p2), nullptr);  // f1 still uses it
    ExpectUndoRedoRestoresSections(before);
}

TEST_F(DeleteSectionsTest, UndoBringsBackSectionsCurvesOwnersLoopsAndPoints)
{
    const int loop = AddLoop({c1, c2, c3, freeCurve});
    MarkCalculated(s2, 50, 80);
    const SectionCommandState before = CaptureSections();

    ASSERT_TRUE(Delete({s2, s1}, true));
    EXPECT_TRUE(model.m_sections.empty());
    EXPECT_EQ(model.FindClosedLoop(loop), nullptr);

    ExpectUndoRedoRestoresSections(before);
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(model.FindCurve(c1)->sectionId, s1);
    EXPECT_EQ(model.FindCurve(freeCurve)->closedLoopIds, std::vector<int>{loop});
}

TEST_F(DeleteSectionsTest, RepeatedIdIsDeletedOnce)
{
    ASSERT_TRUE(Delete({s1, s1}, false));
    EXPECT_EQ(UndoTitle(), "Delete 1 section");
    EXPECT_EQ(user.lines, std::vector<std::string>{"1 section is deleted."});
    EXPECT_TRUE(user.boxes.empty());
}

TEST_F(DeleteSectionsTest, MissingRecordsAreReportedBeforeAnythingChanges)
{
    const std::vector<MissingRecordCase> refusals = {
        {"section", {s2, 42}, 0, 0, "Cannot find section [ID:42] object."},
        {"curve", {s2, s1}, 77, 0, "Cannot find curve [ID:77] object."},
        {"point", {s1}, 0, 88, "Cannot find point [ID:88] object."},
    };
    ExpectMissingRecordsRefused(s1, c2, refusals, [&](const std::vector<int>& ids) { return Delete(ids, true); });
}

// Where the deleted section 1's centroid point lies, and whether it survives.
struct CentroidCase {
    const char* name;
    bool deleteCurves;
    enum { FreePoint, OnFreeCurve, OnOwnCurve, SharedWithStayingSection, OtherCentroidOnOwnCurve } place;
    bool stays;
};

void PrintTo(const CentroidCase& c, std::ostream* out)
{
    *out << c.name;
}

class DeleteCentroidTest : public DeleteSectionsTest, public ::testing::WithParamInterface<CentroidCase> {};

TEST_P(DeleteCentroidTest, CentroidPointGoesUnlessSomethingThatStaysNeedsIt)
{
    const CentroidCase& c = GetParam();
    int centroid = 0;
    switch (c.place) {
    case CentroidCase::FreePoint:
        centroid = MarkCalculated(s1, 60, 40);
        break;
    case CentroidCase::OnFreeCurve:
        centroid = p4;
        MarkCalculatedAt(s1, p4);
        break;
    case CentroidCase::OnOwnCurve:
        centroid = p2;
        MarkCalculatedAt(s1, p2);
        break;
    case CentroidCase::SharedWithStayingSection:
        centroid = MarkCalculated(s1, 60, 40);
        MarkCalculatedAt(s2, centroid);
        break;
    case CentroidCase::OtherCentroidOnOwnCurve:
        centroid = p2;
        MarkCalculatedAt(s2, p2);
        break;
    }
    const SectionCommandState before = CaptureSections();

    ASSERT_TRUE(Delete({s1}, c.deleteCurves));
    EXPECT_EQ(model.FindPoint(centroid) != nullptr, c.stays);
    EXPECT_TRUE(user.boxes.empty());
    ExpectUndoRedoRestoresSections(before);
}

INSTANTIATE_TEST_SUITE_P(
    Places, DeleteCentroidTest,
    ::testing::Values(CentroidCase{"OwnPoint", false, CentroidCase::FreePoint, false},
                      CentroidCase{"OwnPointWithCurves", true, CentroidCase::FreePoint, false},
                      CentroidCase{"OnAFreeCurve", true, CentroidCase::OnFreeCurve, true},
                      CentroidCase{"OnItsKeptCurve", false, CentroidCase::OnOwnCurve, true},
                      CentroidCase{"OnItsDeletedCurve", true, CentroidCase::OnOwnCurve, false},
                      CentroidCase{"AlsoTheCentroidOfAStayingSection", true,
                                   CentroidCase::SharedWithStayingSection, true},
                      CentroidCase{"StayingSectionsCentroidOnADeletedCurve", true,
                                   CentroidCase::OtherCentroidOnOwnCurve, true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
