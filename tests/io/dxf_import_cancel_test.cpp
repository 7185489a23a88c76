// Escape during a long DXF read: the read stops and takes back everything it
// did, leaving the model, its counters and the redo history as they were.

#include "dxf_test_support.h"

namespace {

std::string ManyLines(int count)
{
    return DxfBuilder().Section("ENTITIES").ParallelLines(count).EndSection().Eof().text;
}

class DxfImportCancelTest : public ::testing::Test {
protected:
    DxfImportCancelTest()
    {
        model.m_reporter.SetPorts(user.Ports());
        // Something to redo: a point created and undone.
        const double xy[2] = {-500.0, -500.0};
        EXPECT_TRUE(model.CreatePointByCoordinate(xy));
        EXPECT_TRUE(model.Undo(false));
        const double kept[2] = {-600.0, -600.0};
        EXPECT_TRUE(model.CreatePointByCoordinate(kept));
        EXPECT_TRUE(model.CreatePointByCoordinate(xy));
        EXPECT_TRUE(model.Undo(false));
        EXPECT_FALSE(model.IsRedoEmpty());
    }

    bool Read(const std::string& text)
    {
        const std::filesystem::path path = folder.Path("lines.dxf");
        WriteWholeFile(path, text);
        const double shift[2] = {0.0, 0.0};
        return model.ReadDxfFile(path.string().c_str(), shift, 0.0);
    }

    // Reads the drawing with the messages pending: the read stops at the
    // Escape among them, and the model, its counters and the redo history
    // are as they were before it.
    void ExpectEscapeTakesBackTheRead(const std::string& text, std::initializer_list<PolledMessage> messages)
    {
        const std::string before = ProjectBytes(model);
        const int nextPoint = model.m_nextPointId;
        const int nextCurve = model.m_nextCurveId;
        const int redoTop = model.m_redoTopId;
        user.ClearRecords();
        user.QueuePendingMessages(messages);
        EXPECT_FALSE(Read(text));
        EXPECT_EQ(user.lines, std::vector<std::string>{"* DXF import is canceled."});
        EXPECT_TRUE(user.boxes.empty());

        EXPECT_EQ(ProjectBytes(model), before);
        EXPECT_EQ(model.m_nextPointId, nextPoint);
        EXPECT_EQ(model.m_nextCurveId, nextCurve);
        EXPECT_TRUE(model.m_newcomerPoints.empty());
        EXPECT_TRUE(model.m_newcomerCurves.empty());
        EXPECT_EQ(model.m_redoTopId, redoTop);
    }

    ScriptedUserPorts user;
    CSectModel model;
    ScratchFolder folder;
};

TEST_F(DxfImportCancelTest, EscapeTakesBackEverythingTheReadMade)
{
    ASSERT_TRUE(model.BeginDxfImport());
    const T_ACTION_D* open = model.GetCurrentUndoAction();
    ASSERT_NE(open, nullptr);

    // The first look at the user's input comes after some entities were made.
    ExpectEscapeTakesBackTheRead(ManyLines(5000), {PolledMessage::OtherMessage, PolledMessage::Escape});
    EXPECT_EQ(model.GetCurrentUndoAction(), open);
    EXPECT_TRUE(open->points.created.empty());
    EXPECT_TRUE(open->curves.created.empty());
    // The point undone before the import can still be redone.
    EXPECT_TRUE(model.Undo(false));
    EXPECT_TRUE(model.Redo());
    EXPECT_TRUE(model.Redo());
    const double xy[2] = {-500.0, -500.0};
    EXPECT_NE(model.FindPointAt(xy), 0);
}

// A few lines, then one entity whose parts are far more than the entities
// read between two looks at the user's input: the looks fall among its
// parts, so Escape stops the read inside it.
TEST_F(DxfImportCancelTest, EscapeStopsAReadInsideOneHugeEntity)
{
    struct Case {
        const char* owner;
        const char* part;
    };
    for (const Case& c : {Case{"POLYLINE", "VERTEX"}, Case{"INSERT", "ATTRIB"}}) {
        SCOPED_TRACE(c.owner);
        DxfBuilder dxf;
        dxf.Section("ENTITIES").ParallelLines(10).Group(0, c.owner).Group(8, "0").Group(66, "1");
        for (int i = 0; i < 3000; ++i)
            dxf.Group(0, c.part).Group(8, "0").Group(10, static_cast<double>(i)).Group(20, 0.0);
        dxf.Group(0, "SEQEND").EndSection().Eof();
        ASSERT_TRUE(model.BeginDxfImport());
        ExpectEscapeTakesBackTheRead(dxf.text, {PolledMessage::Escape});
    }
}

TEST(DxfImportCancel, ThePointLookUpForgetsThePointsOfACancelledRead)
{
    // Escape at the first look, after about a thousand lines: their points
    // were made and looked up. Their ids are then issued again, to points
    // elsewhere, by a command that makes them without a look-up; whatever
    // the exact count the read had reached, none is found where it was.
    for (int reissued : {1996, 1998, 2000, 2002}) {
        SCOPED_TRACE(reissued);
        ScriptedUserPorts user;
        CSectModel model;
        model.m_reporter.SetPorts(user.Ports());
        ScratchFolder folder;
        const std::filesystem::path path = folder.Path("lines.dxf");
        WriteWholeFile(path, ManyLines(3000));
        ASSERT_TRUE(model.BeginDxfImport());
        user.QueuePendingMessages({PolledMessage::Escape});
        const double shift[2] = {0.0, 0.0};
        ASSERT_FALSE(model.ReadDxfFile(path.string().c_str(), shift, 0.0));
        const int firstId = model.m_nextPointId;
        for (int i = 0; i < reissued; ++i)
            model.m_points[firstId + i] = MakePoint(firstId + i, -1000.0, 7.0 * i);
        model.m_nextPointId = firstId + reissued;
        const double readStart[2] = {0.0, 0.0};
        const double madeLast[2] = {-1000.0, 7.0 * (reissued - 1)};
        EXPECT_EQ(model.FindPointAt(readStart), 0);
        EXPECT_EQ(model.FindPointAt(madeLast), firstId + reissued - 1);
    }
}

TEST_F(DxfImportCancelTest, AReadNotCancelledShowsItsProgressAndKeepsWhatItMade)
{
    ASSERT_TRUE(model.BeginDxfImport());
    user.ClearRecords();
    user.QueuePendingMessages({PolledMessage::OtherMessage, PolledMessage::OtherMessage});
    EXPECT_TRUE(Read(ManyLines(2500)));
    EXPECT_EQ(model.m_newcomerCurves.size(), 2500u);
    EXPECT_EQ(user.lines.back(), "- Model: Curve [2500], Point [5000]");
    EXPECT_TRUE(model.IsRedoEmpty());
    // Progress through the file's bytes, one step per thousand entities.
    ASSERT_EQ(user.progressCalls.size(), 4u);
    EXPECT_EQ(user.progressCalls.front(), "begin 100");
    // After 1000 and 2000 of the 2500 lines: a little under 40 and 80 percent.
    const int first = std::stoi(user.progressCalls[1].substr(4));
    const int second = std::stoi(user.progressCalls[2].substr(4));
    EXPECT_TRUE(first >= 35 && first <= 40) << first;
    EXPECT_TRUE(second >= 75 && second <= 80) << second;
    EXPECT_EQ(user.progressCalls.back(), "end");
}

} // namespace
