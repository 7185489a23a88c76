#include "model/IdLimits.h"
#include "model/SectModel.h"
#include "support/ScriptedUserPorts.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(IdLimitsTest, RefusalsNameTheLimit)
{
    struct Case {
        IdKind kind;
        int nextId;
        int newIds;
        std::string refusal;
    };
    const Case cases[] = {
        {IdKind::Section, 999, 1, ""},
        {IdKind::Section, 1000, 1, "Cannot create a new section: the project has used all 999 section ids."},
        {IdKind::Section, 998, 3, "Cannot create 3 new sections: the project has only 2 of its 999 section ids left."},
        {IdKind::Domain, 999, 1, ""},
        {IdKind::Domain, 1000, 2, "Cannot create 2 new domains: the section has used all 999 domain ids."},
        {IdKind::Point, 999999, 1, ""},
        {IdKind::Point, 999999, 2, "Cannot create 2 new points: the project has only 1 of its 999999 point ids left."},
        {IdKind::Curve, 1000000, 1, "Cannot create a new curve: the project has used all 999999 curve ids."},
        {IdKind::ClosedLoop, 1000001, 1,
         "Cannot create a new closed loop: the project has used all 999999 closed loop ids."},
        {IdKind::Point, 1, 999999, ""},
        {IdKind::Point, 1, 1000000, "Cannot create 1000000 new points: the project has only 999999 of its 999999 point ids left."},
        {IdKind::Curve, 999999, INT_MAX, "Cannot create 2147483647 new curves: the project has only 1 of its 999999 curve ids left."},
        {IdKind::Section, 5000, 0, ""},
        {IdKind::Group, INT_MAX - 1, 1, ""},
        {IdKind::Group, INT_MAX, 1, "Cannot create a new group: the project has used all 2147483646 group ids."},
        {IdKind::Ucs, INT_MAX - 1, 1, ""},
        {IdKind::Ucs, INT_MAX, 1, "Cannot create a new UCS: the project has used all 2147483646 UCS ids."},
        {IdKind::Ucs, 1, 1, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IdLimitRefusal(c.kind, c.nextId, c.newIds), c.refusal) << c.nextId << " + " << c.newIds;
}

class ModelIdLimitTest : public ::testing::Test {
protected:
    void SetUp() override { model.m_reporter.SetPorts(user.Ports()); }

    ScriptedUserPorts user;
    CSectModel model;
};

TEST_F(ModelIdLimitTest, ChecksTheModelsCountersAndWarns)
{
    model.m_nextSectionId = 999;
    EXPECT_TRUE(model.CheckIdLimit(IdKind::Section, 1));
    EXPECT_TRUE(user.boxes.empty());
    model.m_nextSectionId = 1000;
    EXPECT_FALSE(model.CheckIdLimit(IdKind::Section, 1));
    ASSERT_EQ(user.boxes.size(), 1u);
    EXPECT_EQ(user.boxes[0].kind, BoxKind::Warning);
    EXPECT_EQ(user.boxes[0].text, "Cannot create a new section: the project has used all 999 section ids.");

    model.m_nextPointId = 999998;
    model.m_nextCurveId = 999990;
    model.m_nextClosedLoopId = 1000000;
    EXPECT_TRUE(model.CheckIdLimit(IdKind::Point, 2));
    EXPECT_FALSE(model.CheckIdLimit(IdKind::Point, 3));
    EXPECT_TRUE(model.CheckIdLimit(IdKind::Curve, 10));
    EXPECT_FALSE(model.CheckIdLimit(IdKind::ClosedLoop, 1));
    EXPECT_EQ(user.boxes.size(), 3u);
}

TEST_F(ModelIdLimitTest, DomainIdsCountFromTheirSection)
{
    T_SECTION_D section;
    section.nextDomainId = 990;
    EXPECT_TRUE(model.CheckIdLimit(IdKind::Domain, 10, &section));
    EXPECT_FALSE(model.CheckIdLimit(IdKind::Domain, 11, &section));
    EXPECT_TRUE(model.CheckIdLimit(IdKind::Domain, 999));  // a fresh counter
    EXPECT_FALSE(model.CheckIdLimit(IdKind::Domain, 1000));
    EXPECT_EQ(user.boxes.size(), 2u);
}

} // namespace
