// Escape during a calculation: the watch that the solver's threads ask, and a
// calculation stopped at any look at the user's input, meshing or solving,
// that leaves the section without results.

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "calc/CalculationCancel.h"
#include "calc/CalculationDriver.h"
#include "calc/PropsTestSupport.h"

namespace {

using std::chrono::milliseconds;

TEST(CancelWatch, OnlyTheWatchingThreadLooksAndEveryThreadSeesWhatItFound)
{
    EXPECT_FALSE(CancelWatch::Requested());  // nothing watched
    int looks = 0;
    bool escape = false;
    {
        const CancelWatch watch([&] { return ++looks, escape; }, milliseconds(0));
        bool seenElsewhere = true;
        std::thread([&] { seenElsewhere = CancelWatch::Requested(); }).join();
        EXPECT_FALSE(seenElsewhere);
        EXPECT_EQ(looks, 0);
        EXPECT_FALSE(CancelWatch::Requested());
        EXPECT_EQ(looks, 1);

        escape = true;
        EXPECT_TRUE(CancelWatch::Requested());
        std::thread([&] { seenElsewhere = CancelWatch::Requested(); }).join();
        EXPECT_TRUE(seenElsewhere);
        EXPECT_TRUE(watch.Cancelled());
        EXPECT_EQ(looks, 2);  // once found, it stays without another look
        EXPECT_TRUE(CancelWatch::Requested());
        EXPECT_EQ(looks, 2);
    }
    EXPECT_FALSE(CancelWatch::Requested());
}

TEST(CancelWatch, LooksAtTheFirstAskThenOnceAnInterval)
{
    int looks = 0;
    const CancelWatch watch([&looks] { return ++looks < 0; }, std::chrono::hours(1));
    for (int ask = 0; ask < 1000; ++ask)
        EXPECT_FALSE(CancelWatch::Requested());
    EXPECT_EQ(looks, 1);
}

class CalculationCancelTest : public PropsTest {
protected:
    void SetUp() override
    {
        AddSteel();
        section = GeneratePlane(DrawRectangle(0, 0, 100, 50), "Block");
        ASSERT_NE(section, 0);
        SetDomainMaterials(section, 1);
    }

    void TearDown() override { EXPECT_TRUE(model.m_feNodes.empty()); }

    // The looks at the pending input that meshing the section takes.
    int MeshLooks()
    {
        user.ClearRecords();
        EXPECT_TRUE(model.MeshPlaneSection(model.FindSection(section), kLevel, 0.0));
        model.ClearFeMesh();
        return user.polls;
    }

    void CalculateWithEscapeAt(int look)
    {
        user.ClearRecords();
        for (int other = 1; other < look; ++other)
            user.QueuePendingMessages({PolledMessage::OtherMessage});
        user.QueuePendingMessages({PolledMessage::Escape});
        CalculateProperties(document, {section}, kLevel, 0.0, true, false);
    }

    void ExpectNoResults() const
    {
        const T_SECTION_D& block = Section(section);
        EXPECT_FALSE(block.propertiesCalculated);
        EXPECT_EQ(block.centroidPointId, 0);
        for (double result : block.results)
            EXPECT_EQ(result, 0.0);
        EXPECT_TRUE(user.boxes.empty()) << ::testing::PrintToString(user.BoxTexts());
    }

    static constexpr int kLevel = 3;
    int section = 0;
};

// Every look while meshing stops the mesh; from the solid model's first look
// on, Escape stops the solution. Either way the section is left without
// results and the run says so in one line, with no box. A look through the
// watch comes once an interval, so a loaded machine may take one more while
// meshing than a quiet one: the test follows what each run says, not a
// count of looks.
TEST_F(CalculationCancelTest, EscapeAtAnyLookStopsTheSectionWithoutResults)
{
    const int meshLooks = MeshLooks();
    ASSERT_GT(meshLooks, 2);
    bool solvingStopped = false;
    for (int look = 1; !solvingStopped && look <= 2 * meshLooks + 10; ++look) {
        SCOPED_TRACE(look);
        CalculateWithEscapeAt(look);
        ExpectNoResults();
        EXPECT_EQ(user.polls, look);  // nothing looks past the Escape
        ASSERT_EQ(user.lines.size(), 1u);
        solvingStopped = user.lines[0] == "* Calculation is canceled.";
        if (!solvingStopped)
            EXPECT_EQ(user.lines[0], "* Mesh generation is canceled.");
        else
            EXPECT_GT(look, meshLooks / 2);  // the mesh was made first
    }
    EXPECT_TRUE(solvingStopped);

    // Unasked, the same run calculates.
    user.ClearRecords();
    CalculateProperties(document, {section}, kLevel, 0.0, true, false);
    EXPECT_TRUE(Section(section).propertiesCalculated);
}

}  // namespace
