// Plane sections of several islands, and the ways the user and corrupted data
// end or shorten the build: Escape during faceting, progress, failures.

#include "SectionTestSupport.h"

#include <functional>

namespace {

// Runs a change on the section being built at the first poll during the
// faceting of the given island (1 = the first built in the command).
class ChangeDuringFaceting : public ICancelPort {
public:
    ChangeDuringFaceting(CSectModel& model, size_t island, std::function<void(T_SECTION_D&)> change)
        : model_(model), island_(island), change_(std::move(change))
    {
    }

    PolledMessage TakePendingMessage() override
    {
        if (!done_ && model_.m_sections.size() == island_) {
            change_(*model_.m_sections.rbegin()->second);
            done_ = true;
        }
        return PolledMessage::QueueEmpty;
    }

private:
    CSectModel& model_;
    size_t island_;
    std::function<void(T_SECTION_D&)> change_;
    bool done_ = false;
};

// Notes, when the information box shows, the (highlight, domain id) pairs of
// every facet of every section.
class FacetsAtInformationBox : public IMessageBoxPort {
public:
    FacetsAtInformationBox(const CSectModel& model, IMessageBoxPort& user) : model_(model), user_(user) {}

    void ShowMessage(BoxKind kind, const std::string& text) override
    {
        if (kind == BoxKind::Information) {
            for (const auto& [sectionId, section] : model_.m_sections) {
                for (const auto& [facetId, facet] : section->facets)
                    seen.push_back({facet->highlight, facet->domainId});
            }
        }
        user_.ShowMessage(kind, text);
    }
    bool AskYesNo(const std::string& text, bool yesIsDefault) override { return user_.AskYesNo(text, yesIsDefault); }

    std::vector<std::pair<int, int>> seen;

private:
    const CSectModel& model_;
    IMessageBoxPort& user_;
};

class PlaneIslandsTest : public SectionTest {
protected:
    // Two regions apart: a rectangle of four lines and, to its right, a circle.
    std::vector<int> DrawTwoRegions()
    {
        std::vector<int> ids = DrawRectangle(0, 0, 200, 100);
        ids.push_back(DrawCircle(400, 50, 40, 12));
        return ids;
    }

    void UseCancelPort(ICancelPort* port)
    {
        UserPorts ports = user.Ports();
        ports.cancel = port;
        model.m_reporter.SetPorts(ports);
    }
};

TEST_F(PlaneIslandsTest, TwoRegionsMergeIntoOneSection)
{
    const std::vector<int> curves = DrawTwoRegions();
    const FullState before = Capture();

    const int id = GeneratePlane(curves);

    ASSERT_EQ(id, 1);
    EXPECT_EQ(user.BoxTexts(),
              std::vector<std::string>{"Selected curves have generated the plane section composed of 2 island domains!"});
    ASSERT_EQ(model.m_sections.size(), 1u);
    EXPECT_EQ(model.m_nextSectionId, 3);
    const T_SECTION_D& section = Section(id);
    EXPECT_EQ(section.name, "Section-P1");
    EXPECT_EQ(section.curveIds, curves);  // sorted, which they already were
    // The rectangle is built first; its copy of every selected point stays
    // with it (16 points, 5 curve ids of which the circle's was dropped). The
    // circle's island follows above those counters.
    EXPECT_EQ(section.points.size(), 16u + 12u);
    EXPECT_EQ(section.nextPointId, 17 + 13);
    EXPECT_EQ(section.nextCurveId, 6 + 2);
    EXPECT_EQ(section.nextLoopId, 2 + 2);
    EXPECT_EQ(section.nextDomainId, 2 + 2);
    EXPECT_EQ(section.nextFacetId, 3 + 11);
    ASSERT_NE(section.FindDomain(3), nullptr);
    EXPECT_EQ(section.FindDomain(3)->loopIds, std::vector<int>{3});
    EXPECT_EQ(section.FindLoop(3)->curveIds, std::vector<int>{7});
    ASSERT_NE(section.FindCurve(7), nullptr);
    EXPECT_GE(section.FindCurve(7)->pointIds.front(), 18);
    EXPECT_EQ(section.facets.size(), 12u);
    for (const auto& [facetId, facet] : section.facets) {
        EXPECT_EQ(facet->domainId, facetId <= 2 ? 1 : 3);
        EXPECT_EQ(facet->highlight, 0);
    }
    for (int curveId : curves)
        EXPECT_EQ(model.FindCurve(curveId)->sectionId, id);

    const FullState after = Capture();
    ASSERT_TRUE(model.Undo(false));
    EXPECT_EQ(Capture().records, before.records);
    ASSERT_TRUE(model.Redo());
    EXPECT_EQ(Capture().records, after.records);
}

TEST_F(PlaneIslandsTest, IslandBoxShowsWithFacetsHighlighted)
{
    const std::vector<int> curves = DrawTwoRegions();
    FacetsAtInformationBox boxes(model, user);
    UserPorts ports = user.Ports();
    ports.boxes = &boxes;
    model.m_reporter.SetPorts(ports);

    ASSERT_NE(GeneratePlane(curves), 0);

    // Two islands in the model while the box shows, each facet's domain
    // moved into its highlight field.
    ASSERT_EQ(boxes.seen.size(), 2u + 10u);
    for (const auto& [highlight, domainId] : boxes.seen) {
        EXPECT_EQ(highlight, 1);
        EXPECT_EQ(domainId, 0);
    }
}

TEST_F(PlaneIslandsTest, FailureOfTheSecondIslandLeavesNoSection)
{
    const std::vector<int> curves = DrawTwoRegions();
    ChangeDuringFaceting corrupt(model, 2, [](T_SECTION_D& island) { island.points.erase(1); });
    UseCancelPort(&corrupt);
    const FullState before = Capture();

    EXPECT_EQ(GeneratePlane(curves), 0);

    EXPECT_EQ(Capture(), before);
    EXPECT_TRUE(model.m_sections.empty());
    EXPECT_EQ(user.BoxTexts(),
              (std::vector<std::string>{"Internal model data of section [2:Section-P2] seem corrupted.",
                                        "Failed to generate a new section"}));
    for (int id : curves)
        EXPECT_EQ(model.FindCurve(id)->work, 0);
}

TEST_F(PlaneIslandsTest, CorruptedCurvesFailTheDomainBuilding)
{
    const std::vector<int> curves = DrawRectangle(0, 0, 200, 100);
    ChangeDuringFaceting corrupt(model, 1, [](T_SECTION_D& section) { section.curves.erase(2); });
    UseCancelPort(&corrupt);
    const FullState before = Capture();

    EXPECT_EQ(GeneratePlane(curves), 0);

    EXPECT_EQ(Capture(), before);
    EXPECT_EQ(user.BoxTexts(),
              (std::vector<std::string>{"Internal model data of section [1:Section-P1] seem corrupted.",
                                        "Failed to generate a new section."}));
}

TEST_F(PlaneIslandsTest, EscapeAnsweredYesBuildsTheSectionWithoutFacets)
{
    const int circle = DrawCircle(0, 0, 50, 16);
    user.QueuePendingMessages({PolledMessage::OtherMessage, PolledMessage::Escape});
    user.QueueAnswers({true});

    const int id = GeneratePlane({circle});

    ASSERT_NE(id, 0);
    const T_SECTION_D& section = Section(id);
    EXPECT_TRUE(section.facets.empty());
    EXPECT_EQ(section.nextFacetId, 1);
    EXPECT_EQ(section.domains.size(), 1u);
    ASSERT_EQ(user.questions.size(), 1u);
    EXPECT_FALSE(user.questions[0].yesIsDefault);
    EXPECT_EQ(user.lines, std::vector<std::string>{"* Plane faceting is canceled."});
}

TEST_F(PlaneIslandsTest, EscapeAnsweredNoGoesOn)
{
    const int circle = DrawCircle(0, 0, 50, 16);
    user.QueuePendingMessages({PolledMessage::Escape});
    user.QueueAnswers({false});

    const int id = GeneratePlane({circle});

    ASSERT_NE(id, 0);
    EXPECT_EQ(Section(id).facets.size(), 14u);
    EXPECT_TRUE(user.lines.empty());
}

TEST_F(PlaneIslandsTest, ProgressOnlyAboveOneHundredFiftyPoints)
{
    for (const int pointCount : {150, 151}) {
        user.ClearRecords();
        const int circle = DrawCircle(1000.0 * pointCount, 0, 100, pointCount);
        ASSERT_NE(GeneratePlane({circle}), 0);
        if (pointCount == 150) {
            EXPECT_TRUE(user.progressCalls.empty());
            continue;
        }
        ASSERT_GE(user.progressCalls.size(), 3u);
        EXPECT_EQ(user.progressCalls.front(), "begin 1000");
        EXPECT_EQ(user.progressCalls[user.progressCalls.size() - 2], "set 1000");
        EXPECT_EQ(user.progressCalls.back(), "end");
    }
}

TEST_F(PlaneIslandsTest, ProgressEndsWhenFacetingIsCancelled)
{
    const int circle = DrawCircle(0, 0, 100, 160);
    user.QueuePendingMessages({PolledMessage::Escape});
    user.QueueAnswers({true});
    ASSERT_NE(GeneratePlane({circle}), 0);
    ASSERT_FALSE(user.progressCalls.empty());
    EXPECT_EQ(user.progressCalls.front(), "begin 1000");
    EXPECT_EQ(user.progressCalls.back(), "end");
}

} // namespace
