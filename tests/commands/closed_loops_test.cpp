// Curve > Closed Loop > Register and Unregister.

#include "TopologyTestSupport.h"

namespace {

const std::string kLead = "Cannot register a new closed loop.\n\n";

class ClosedLoopsTest : public TopologyTest {
protected:
    // A point at exactly these coordinates, shared by every curve through it.
    int PointAt(double x, double y)
    {
        for (const auto& [id, point] : model.m_points) {
            if (point->xy[0] == x && point->xy[1] == y)
                return id;
        }
        return AddPoint(x, y);
    }

    int Draw(const std::vector<std::vector<double>>& positions)
    {
        std::vector<int> ids;
        for (const auto& p : positions)
            ids.push_back(PointAt(p[0], p[1]));
        return AddCurveThrough(ids);
    }

    std::vector<int> LoopCurves(int loopId) const { return model.FindClosedLoop(loopId)->curveIds; }

    struct Snapshot {
        ModelState state;
        int undoTop;
        int redoTop;
        bool operator==(const Snapshot&) const = default;
    };
    Snapshot Take() const { return {CaptureState(model), model.m_undoTopId, model.m_redoTopId}; }
};

TEST_F(ClosedLoopsTest, SingleClosedCurveRegistersAndUndoes)
{
    const int circle = Draw({{0, 0}, {10, 0}, {10, 10}, {0, 0}});
    const ModelState before = CaptureState(model);

    ASSERT_TRUE(model.RegisterClosedLoop({circle}));

    EXPECT_EQ(LoopCurves(1), std::vector<int>{circle});
    EXPECT_EQ(model.FindClosedLoop(1)->kind, 0);
    EXPECT_EQ(model.FindCurve(circle)->closedLoopIds, std::vector<int>{1});
    EXPECT_EQ(UndoTitle(), "Register new closed loop");
    EXPECT_EQ(user.lines, (std::vector<std::string>{"New closed loop [1] is registered by 1 curve(s).",
                                                     "> Curve ID(s): 1"}));
    std::vector<int> newcomers;
    model.GetNewcomerClosedLoops(newcomers);
    EXPECT_EQ(newcomers, std::vector<int>{1});
    ExpectUndoRedoRestores(before);
}

struct DirectionCase {
    const char* name;
    std::vector<std::vector<std::vector<double>>> curves;
    std::vector<int> loop;
};

class LoopDirectionTest : public ClosedLoopsTest, public ::testing::WithParamInterface<DirectionCase> {};

TEST_P(LoopDirectionTest, FollowsTheChaining)
{
    std::vector<int> ids;
    for (const auto& curve : GetParam().curves)
        ids.push_back(Draw(curve));
    ASSERT_TRUE(model.RegisterClosedLoop(ids));
    EXPECT_EQ(LoopCurves(1), GetParam().loop);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LoopDirectionTest,
    ::testing::Values(DirectionCase{"EndToStart", {{{0, 0}, {5, 5}, {10, 0}}, {{10, 0}, {5, -5}, {0, 0}}}, {1, 2}},
                      DirectionCase{"BothFromPToQ", {{{0, 0}, {5, 5}, {10, 0}}, {{0, 0}, {5, -5}, {10, 0}}}, {-1, 2}},
                      DirectionCase{"ThreeCurves",
                                    {{{0, 0}, {10, 0}}, {{0, 0}, {0, 10}}, {{10, 0}, {0, 10}}},
                                    {-2, 1, 3}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClosedLoopsTest, PrintsTheCurveIdsInLoopOrder)
{
    model.m_nextCurveId = 4;
    const int a = Draw({{0, 0}, {10, 0}});
    model.m_nextCurveId = 7;
    const int b = Draw({{10, 0}, {0, 10}});
    model.m_nextCurveId = 9;
    const int c = Draw({{0, 10}, {0, 0}});
    ASSERT_TRUE(model.RegisterClosedLoop({a, b, c}));
    EXPECT_EQ(user.LastLine(), "> Curve ID(s): 4 - 7 - 9");
}

struct LoopRefusal {
    const char* name;
    std::vector<std::vector<std::vector<double>>> curves;
    bool registerFirstThree;  // a loop over curves 1, 2, 3 exists
    std::string text;
};

class LoopRefusalTest : public ClosedLoopsTest, public ::testing::WithParamInterface<LoopRefusal> {};

TEST_P(LoopRefusalTest, RefusesAndLeavesNoTrace)
{
    std::vector<int> ids;
    for (const auto& curve : GetParam().curves)
        ids.push_back(Draw(curve));
    if (GetParam().registerFirstThree)
        AddLoop({1, 2, 3});
    const Snapshot before = Take();

    EXPECT_FALSE(model.RegisterClosedLoop(ids));

    EXPECT_EQ(Take(), before);
    EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{GetParam().text});
    EXPECT_TRUE(user.lines.empty());
}

const std::vector<std::vector<std::vector<double>>> kTriangle = {{{0, 0}, {10, 0}}, {{10, 0}, {0, 10}},
                                                                 {{0, 10}, {0, 0}}};

INSTANTIATE_TEST_SUITE_P(
    Cases, LoopRefusalTest,
    ::testing::Values(
        LoopRefusal{"Coincide", {{{0, 0}, {10, 0}, {10, 10}, {0, 0}}, {{10, 0.5}, {0, 0.5}}}, false,
                    kLead + "Curves [1] and [2] coincide."},
        LoopRefusal{"Overlap", {{{0, 0}, {10, 0}}, {{5, 0}, {15, 0}}}, false, kLead + "Curves [1] and [2] overlap."},
        LoopRefusal{"AlreadyRegistered", kTriangle, true,
                    "Selected curves are already registered as a closed loop [1]."},
        LoopRefusal{"NotSimplyConnected",
                    {{{0, 0}, {10, 0}}, {{10, 0}, {0, 10}}, {{0, 10}, {0, 0}}, {{20, 0}, {30, 0}}}, false,
                    kLead + "Closed loop should be a simply-connected chain and be connected at the points exactly."},
        LoopRefusal{"OneOpenCurve", {{{0, 0}, {10, 0}, {10, 10}}}, false, "Selected curve is not closed."},
        LoopRefusal{"TriangleWithATail",
                    {{{0, 0}, {10, 0}}, {{10, 0}, {0, 10}}, {{0, 10}, {0, 0}}, {{0, 0}, {-10, -10}}}, false,
                    "Selected curves are not closed."},
        // The near ends merge first; the chain still does not close, and
        // the merge is taken back.
        LoopRefusal{"OpenAfterMerging", {{{0, 0}, {10, 0}}, {{10.25, 0}, {20, 5}}}, false,
                    "Selected curves are not closed."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ClosedLoopsTest, SingleCurveAlreadyRegistered)
{
    const int circle = Draw({{0, 0}, {10, 0}, {10, 10}, {0, 0}});
    AddLoop({circle});
    EXPECT_FALSE(model.RegisterClosedLoop({circle}));
    EXPECT_EQ(user.BoxTexts(),
              std::vector<std::string>{"Selected curve is already registered as a closed loop [1]."});
}

TEST_F(ClosedLoopsTest, MergesPointsWithinToleranceInItsOwnStep)
{
    const int a = Draw({{0, 0}, {10, 0}});
    const int b = Draw({{10.25, 0}, {0, 10}});
    const int c = Draw({{0, 10}, {0, 0}});
    ASSERT_TRUE(model.RegisterClosedLoop({a, b, c}));
    EXPECT_EQ(model.m_undoTopId, 2);
    EXPECT_EQ(user.lines.size(), 3u);  // the merge's line, then the loop's two
    EXPECT_EQ(UndoTitle(), "Register new closed loop");
    EXPECT_EQ(CurvePoints(a)[1], CurvePoints(b)[0]);
}

TEST_F(ClosedLoopsTest, ThirdLoopOnACurveIsAskedFirst)
{
    const std::vector<int> triangle = {Draw(kTriangle[0]), Draw(kTriangle[1]), Draw(kTriangle[2])};
    const int other = Draw({{10, 0}, {10, 10}, {0, 10}});
    const int circle = Draw({{0, 0}, {10, 0}, {-5, -5}, {0, 0}});
    AddLoop({triangle[0], circle});  // shapes do not matter to the question
    AddLoop({triangle[0], other});
    const Snapshot before = Take();

    user.QueueAnswers({false});
    EXPECT_FALSE(model.RegisterClosedLoop(triangle));
    EXPECT_EQ(Take(), before);
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_FALSE(user.questions[0].yesIsDefault);
    EXPECT_EQ(user.questions[0].text,
              "Curve [1] already belongs to two closed loops.\n\nIn the normal line section, a curve can belong to "
              "two closed loops at most.\n\nReally register these curves as a new closed loop?");

    // A curve in three loops counts as well.
    AddLoop({triangle[0], other});
    AddLoop({triangle[1], other});
    AddLoop({triangle[1], circle});
    user.ClearRecords();
    user.QueueAnswers({true});
    ASSERT_TRUE(model.RegisterClosedLoop(triangle));
    EXPECT_EQ(user.questions[0].text,
              "2 curves already belong to two closed loops.\n\nIn the normal line section, a curve can belong to "
              "two closed loops at most.\n\nReally register these curves as a new closed loop?");
    EXPECT_EQ(model.FindCurve(triangle[0])->closedLoopIds.size(), 4u);
}

TEST_F(ClosedLoopsTest, InvalidatesTheCalculatedLineSection)
{
    const std::vector<int> triangle = {Draw(kTriangle[0]), Draw(kTriangle[1]), Draw(kTriangle[2])};
    const int centroid = AddPoint(3, 3);
    T_SECTION_D& section = AddSection(SECTION_LINE, triangle, centroid);
    const int sectionId = section.id;

    ASSERT_TRUE(model.RegisterClosedLoop(triangle));

    EXPECT_FALSE(model.FindSection(sectionId)->propertiesCalculated);
    EXPECT_EQ(model.FindPoint(centroid), nullptr);
    EXPECT_EQ(user.BoxTexts(),
              std::vector<std::string>{"The properties of 1 line section are invalidated.\n\nRe-calculate the "
                                       "properties using [Properties]-[Calculate]."});
    ASSERT_TRUE(model.Undo(false));
    EXPECT_TRUE(model.FindSection(sectionId)->propertiesCalculated);
    EXPECT_NE(model.FindPoint(centroid), nullptr);
}

TEST_F(ClosedLoopsTest, UnregistersLoopsThatShareACurve)
{
    const int shared = Draw({{0, 0}, {10, 0}});
    const int above = Draw({{10, 0}, {5, 5}, {0, 0}});
    const int below = Draw({{10, 0}, {5, -5}, {0, 0}});
    const int first = AddLoop({shared, above});
    const int second = AddLoop({-shared, -below});
    const ModelState before = CaptureState(model);

    ASSERT_TRUE(model.UnregisterClosedLoops({first, second}));

    EXPECT_TRUE(model.m_closedLoops.empty());
    EXPECT_TRUE(model.FindCurve(shared)->closedLoopIds.empty());
    EXPECT_EQ(UndoTitle(), "Unregister 2 closed loops");
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Closed loop [1] is unregistered.", "> Curve ID(s): 1 - 2",
                                                     "Closed loop [2] is unregistered.", "> Curve ID(s): 1 - 3"}));
    ExpectUndoRedoRestores(before);
}

TEST_F(ClosedLoopsTest, UnregisterWithAMissingLoopChangesNothing)
{
    const int circle = Draw({{0, 0}, {10, 0}, {10, 10}, {0, 0}});
    const int loop = AddLoop({circle});
    const Snapshot before = Take();
    const struct {
        const char* name;
        std::vector<int> loopIds;
    } cases[] = {
        {"missing after a present one", {loop, 8}},
        {"missing before a present one", {8, loop}},
        {"missing alone", {8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        user.boxes.clear();
        EXPECT_FALSE(model.UnregisterClosedLoops(c.loopIds));
        EXPECT_EQ(Take(), before);
        EXPECT_EQ(model.FindCurve(circle)->closedLoopIds, std::vector<int>{loop});
        EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Cannot find closed loop [ID:8] object."});
        EXPECT_TRUE(user.lines.empty());
    }
}

TEST_F(ClosedLoopsTest, UnregisterActsOnceOnARepeatedLoop)
{
    const int circle = Draw({{0, 0}, {10, 0}, {10, 10}, {0, 0}});
    const int loop = AddLoop({circle});
    const ModelState before = CaptureState(model);

    ASSERT_TRUE(model.UnregisterClosedLoops({loop, loop}));

    EXPECT_EQ(model.FindClosedLoop(loop), nullptr);
    EXPECT_TRUE(model.FindCurve(circle)->closedLoopIds.empty());
    EXPECT_EQ(UndoTitle(), "Unregister 1 closed loop");
    EXPECT_EQ(user.lines, (std::vector<std::string>{"Closed loop [1] is unregistered.", "> Curve ID(s): 1"}));
    EXPECT_TRUE(user.boxes.empty());
    ExpectUndoRedoRestores(before);
}

} // namespace
