// Id counters at, next to and past the limit of their kind: what the reader
// takes, what the creating commands then do, and that a save never writes a
// file the reader refuses.

#include "ProjectFileTestSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

namespace {

struct CounterCase {
    const char* name;
    std::function<void(CSectModel&)> setCounter;
    bool readable;
    std::function<bool(ReportingModel&)> command;  // issues one id of the kind
    std::function<int(const CSectModel&)> counter;
    const char* refusal;  // empty when the command succeeds
};

bool CreateGroupG(ReportingModel& reporting)
{
    CSectModel& model = reporting.model;
    return model.CreateGroup("G");
}

bool AddToNewGroup(ReportingModel& reporting)
{
    CSectModel& model = reporting.model;
    return model.AddToGroup("Fresh", {}, {}, {}, true);
}

// The whole import of an empty drawing: its group takes the id.
bool ImportNothing(ReportingModel& reporting)
{
    if (!reporting.model.BeginDxfImport())
        return false;
    reporting.user.QueueAnswers({false});
    reporting.model.FinishDxfImport("empty");
    return true;
}

bool CreateUcsU(ReportingModel& reporting)
{
    CSectModel& model = reporting.model;
    const double origin[2] = {5.0, 7.0};
    const double unused[2] = {0.0, 0.0};
    return model.CreateUcs(UCS_BY_ORIGIN_AND_ANGLE, "U", origin, 30.0, unused, unused);
}

bool CreatePoint(ReportingModel& reporting)
{
    CSectModel& model = reporting.model;
    const double xy[2] = {3.0, 4.0};
    return model.CreatePointByCoordinate(xy);
}

int GroupCounter(const CSectModel& model)
{
    return model.m_nextGroupId;
}

int UcsCounter(const CSectModel& model)
{
    return model.m_nextUcsId;
}

int PointCounter(const CSectModel& model)
{
    return model.m_nextPointId;
}

const char* const kNoGroupId = "Cannot create a new group: the project has used all 2147483646 group ids.";
const char* const kNoUcsId = "Cannot create a new UCS: the project has used all 2147483646 UCS ids.";

std::vector<CounterCase> CounterCases()
{
    const auto group = [](int next) { return [next](CSectModel& m) { m.m_nextGroupId = next; }; };
    const auto ucs = [](int next) { return [next](CSectModel& m) { m.m_nextUcsId = next; }; };
    const auto point = [](int next) { return [next](CSectModel& m) { m.m_nextPointId = next; }; };
    return {
        {"group next to its limit", group(INT_MAX - 1), true, CreateGroupG, GroupCounter, ""},
        {"group at its limit", group(INT_MAX), true, CreateGroupG, GroupCounter, kNoGroupId},
        {"group added to, next to its limit", group(INT_MAX - 1), true, AddToNewGroup, GroupCounter, ""},
        {"group added to, at its limit", group(INT_MAX), true, AddToNewGroup, GroupCounter, kNoGroupId},
        {"DXF import next to the group limit", group(INT_MAX - 1), true, ImportNothing, GroupCounter, ""},
        {"DXF import at the group limit", group(INT_MAX), true, ImportNothing, GroupCounter, kNoGroupId},
        {"UCS next to its limit", ucs(INT_MAX - 1), true, CreateUcsU, UcsCounter, ""},
        {"UCS at its limit", ucs(INT_MAX), true, CreateUcsU, UcsCounter, kNoUcsId},
        {"point next to its limit", point(999999), true, CreatePoint, PointCounter, ""},
        {"point at its limit", point(1000000), true, CreatePoint, PointCounter,
         "Cannot create a new point: the project has used all 999999 point ids."},
        {"point past its limit", point(1000001), false, CreatePoint, PointCounter, ""},
    };
}

TEST(ProjectIdCountersTest, CountersAtTheirLimitReadAdvanceOrRefuseAndSaveReadably)
{
    for (const CounterCase& c : CounterCases()) {
        SCOPED_TRACE(c.name);
        CSectModel source;
        c.setCounter(source);
        ReportingModel opened;
        ASSERT_EQ(ReadFromBytes(opened.model, ProjectBytes(source), true), c.readable);
        if (!c.readable)
            continue;

        const int before = c.counter(opened.model);
        const size_t undoActions = opened.model.m_undoActions.size();
        opened.user.ClearRecords();
        const bool refused = std::string(c.refusal).size() > 0;
        EXPECT_EQ(c.command(opened), !refused);
        if (refused) {
            EXPECT_EQ(opened.user.BoxTexts(), std::vector<std::string>{c.refusal});
            EXPECT_EQ(c.counter(opened.model), before);
            EXPECT_EQ(opened.model.m_undoActions.size(), undoActions);
        } else {
            EXPECT_TRUE(opened.user.boxes.empty());
            EXPECT_EQ(c.counter(opened.model), before + 1);
        }

        ReportingModel again;
        ASSERT_TRUE(ReadFromBytes(again.model, ProjectBytes(opened.model), true));
        EXPECT_TRUE(again.user.boxes.empty());
        EXPECT_EQ(c.counter(again.model), c.counter(opened.model));
    }
}

TEST(ProjectIdCountersTest, ARefusedImportReadsNothing)
{
    ReportingModel model;
    model.model.m_nextGroupId = INT_MAX;
    ASSERT_FALSE(model.model.BeginDxfImport());
    EXPECT_TRUE(model.model.IsUndoEmpty());
    EXPECT_TRUE(model.model.m_groups.empty());
}

// Models at the edges of what a project holds: every save must read back.
TEST(ProjectIdCountersTest, EdgeCaseModelsAlwaysSaveReadably)
{
    const std::vector<std::pair<const char*, std::function<void(CSectModel&)>>> models = {
        {"every counter at its limit",
         [](CSectModel& m) {
             m.m_nextSectionId = 1000;
             m.m_nextClosedLoopId = 1000000;
             m.m_nextCurveId = 1000000;
             m.m_nextPointId = 1000000;
             m.m_nextMaterialId = INT_MAX;
             m.m_nextUcsId = INT_MAX;
             m.m_nextGroupId = INT_MAX;
         }},
        {"records with the last ids",
         [](CSectModel& m) {
             m.m_points[999999] = MakePoint(999999, 1.0, 2.0);
             m.m_groups[INT_MAX - 1] = MakeGroup(INT_MAX - 1, "last", {}, {}, {999999});
             m.m_nextPointId = 3;
             m.m_nextGroupId = 2;
         }},
        {"a group of dead members only",
         [](CSectModel& m) { m.m_groups[1] = MakeGroup(1, "dead", {4}, {5}, {6}); }},
        {"a rich model", [](CSectModel& m) { BuildRichModel(m); }},
    };
    for (const auto& [name, build] : models) {
        SCOPED_TRACE(name);
        CSectModel model;
        build(model);
        ReportingModel opened;
        ASSERT_TRUE(ReadFromBytes(opened.model, ProjectBytes(model), true));
        EXPECT_TRUE(opened.user.boxes.empty());
        // Whatever the read raised, a second save reads back the same.
        const std::string resaved = ProjectBytes(opened.model);
        ReportingModel again;
        ASSERT_TRUE(ReadFromBytes(again.model, resaved, true));
        EXPECT_EQ(ProjectBytes(again.model), resaved);
    }
}

} // namespace
