// Escape during the import's check for crossings and duplicates: the check
// takes back what it did, and the import ends as if the check had been
// declined.

#include "dxf_test_support.h"

namespace {

// Three lines across three others, one of them drawn twice with its ends
// swapped, and two ends 0.8 apart: the check cuts, deletes and equalizes.
std::string CrossingLines()
{
    DxfBuilder dxf;
    dxf.Section("ENTITIES");
    for (int i = 0; i < 3; ++i) {
        dxf.Line(-5.0, 10.0 * i, 25.0, 10.0 * i);
        dxf.Line(10.0 * i, -5.0, 10.0 * i, 25.0);
    }
    dxf.Line(25.0, 20.0, 0.0, 20.0).Line(30.0, -5.0, 40.0, -5.0).Line(40.8, -5.0, 50.0, -5.0);
    return dxf.EndSection().Eof().text;
}

// Ids as a line of text, so that a whole undo store compares at once.
std::string IdText(const std::vector<int>& ids)
{
    std::string text;
    for (int id : ids)
        text += " " + std::to_string(id);
    return text;
}

template <class T>
std::string KindText(const UndoKindRecord<T>& kind)
{
    std::vector<int> saved;
    for (const auto& [id, copy] : kind.saved)
        saved.push_back(id);
    return "created" + IdText(kind.created) + " saved" + IdText(saved);
}

// What the import left: the project, the undo store, the counters and the
// newcomer lists.
struct ImportOutcome {
    std::string project;
    std::vector<std::string> undoActions;
    int nextPointId = 0;
    int nextCurveId = 0;
    std::vector<int> newcomerCurves;
    std::vector<int> newcomerPoints;
    bool operator==(const ImportOutcome&) const = default;
};

ImportOutcome OutcomeOf(CSectModel& model)
{
    ImportOutcome outcome{ProjectBytes(model), {}, model.m_nextPointId, model.m_nextCurveId,
                          model.m_newcomerCurves, model.m_newcomerPoints};
    for (const auto& [id, action] : model.m_undoActions) {
        outcome.undoActions.push_back(action->title + ": curves " + KindText(action->curves) + "; points "
                                      + KindText(action->points) + "; groups " + KindText(action->groups));
    }
    return outcome;
}

class DxfImportCheckCancel : public ::testing::Test {
protected:
    // The import with the check declined, or accepted and cancelled at the
    // given look at the user's input (counted from 1).
    ImportOutcome Import(bool check, int escapeAtPoll = 0)
    {
        ReportingModel reporting;
        CSectModel& model = reporting.model;
        const std::filesystem::path path = folder.Path("crossing.dxf");
        WriteWholeFile(path, CrossingLines());
        const double shift[2] = {0.0, 0.0};
        // Read finer than checked, so that the check has ends to equalize.
        model.SetTolerance(0.5);
        model.BeginDxfImport();
        EXPECT_TRUE(model.ReadDxfFile(path.string().c_str(), shift, 0.0));
        model.SetTolerance(1.0);
        reporting.user.ClearRecords();
        reporting.user.QueueAnswers({check});
        for (int poll = 1; poll < escapeAtPoll; ++poll)
            reporting.user.QueuePendingMessages({PolledMessage::OtherMessage});
        if (escapeAtPoll > 0)
            reporting.user.QueuePendingMessages({PolledMessage::Escape});
        model.FinishDxfImport("crossing");
        lines = reporting.user.lines;
        progressCalls = reporting.user.progressCalls;
        return OutcomeOf(model);
    }

    ScratchFolder folder;
    std::vector<std::string> lines;
    std::vector<std::string> progressCalls;
};

TEST_F(DxfImportCheckCancel, EscapeAnywhereInTheCheckLeavesTheImportAsDeclined)
{
    const ImportOutcome declined = Import(false);
    const ImportOutcome checked = Import(true);
    ASSERT_NE(checked, declined);  // the check changes something worth taking back
    // Nine curves, a search and a change step each: the first and last look
    // of the search, the first of the change and the last before the
    // duplicates go.
    for (int escapeAt : {1, 9, 10, 18}) {
        SCOPED_TRACE(escapeAt);
        EXPECT_EQ(Import(true, escapeAt), declined);
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), "* Curve intersection is canceled.");
        ASSERT_FALSE(progressCalls.empty());
        EXPECT_EQ(progressCalls.front(), "begin 100");
        EXPECT_EQ(progressCalls.back(), "end");
    }
}

TEST_F(DxfImportCheckCancel, TheCheckShowsItsProgressToTheEnd)
{
    Import(true);
    ASSERT_EQ(progressCalls.size(), 20u);  // begin, one per step, end
    EXPECT_EQ(progressCalls[1], "set 5");
    EXPECT_EQ(progressCalls[18], "set 100");
}

} // namespace
