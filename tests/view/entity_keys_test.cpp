#include "view/EntityKeys.h"

#include <gtest/gtest.h>

namespace {

struct KeyCase {
    const char* name;
    int key;  // what the encoder gives
    int expectedKey;
    SceneKind kind;
    int id;  // the id decoded back (section id for domains)
    int domainId;
};

void PrintTo(const KeyCase& c, std::ostream* os)
{
    *os << c.name;
}

class EntityKeyTable : public testing::TestWithParam<KeyCase> {};

TEST_P(EntityKeyTable, EncodesAndDecodes)
{
    const KeyCase& c = GetParam();
    EXPECT_EQ(c.key, c.expectedKey);
    EXPECT_EQ(KindOfKey(c.key), c.kind);
    if (c.kind == KIND_DOMAIN) {
        EXPECT_EQ(SectionIdOfDomainKey(c.key), c.id);
        EXPECT_EQ(DomainIdOfDomainKey(c.key), c.domainId);
    } else if (c.kind != KIND_NONE) {
        EXPECT_EQ(IdOfKey(c.key), c.id);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EntityKeyTable,
    testing::Values(KeyCase{"point1", PointKey(1), 1000001, KIND_POINT, 1, 0},
                    KeyCase{"pointMax", PointKey(999999), 1999999, KIND_POINT, 999999, 0},
                    KeyCase{"curve7", CurveKey(7), 2000007, KIND_CURVE, 7, 0},
                    KeyCase{"section3", SectionKey(3), 3000003, KIND_SECTION, 3, 0},
                    KeyCase{"domain3of12", DomainKey(12, 3), 4012003, KIND_DOMAIN, 12, 3},
                    KeyCase{"domain999of999", DomainKey(999, 999), 4999999, KIND_DOMAIN, 999, 999},
                    KeyCase{"loop5", ClosedLoopKey(5), 5000005, KIND_CLOSED_LOOP, 5, 0},
                    KeyCase{"loopLarge", ClosedLoopKey(999999), 5999999, KIND_CLOSED_LOOP, 999999, 0},
                    // Ids with no key of their own never alias into another band.
                    KeyCase{"pointZero", PointKey(0), 0, KIND_NONE, 0, 0},
                    KeyCase{"pointTooLarge", PointKey(1000000), 0, KIND_NONE, 0, 0},
                    KeyCase{"curveNegative", CurveKey(-4), 0, KIND_NONE, 0, 0},
                    KeyCase{"loopTooLarge", ClosedLoopKey(1000000), 0, KIND_NONE, 0, 0},
                    KeyCase{"domainOfSection1000", DomainKey(1000, 1), 0, KIND_NONE, 0, 0},
                    KeyCase{"domain1000", DomainKey(1, 1000), 0, KIND_NONE, 0, 0},
                    KeyCase{"domainZero", DomainKey(1, 0), 0, KIND_NONE, 0, 0}),
    [](const testing::TestParamInfo<KeyCase>& info) { return std::string(info.param.name); });

TEST(EntityKeyBands, BandBasesFallInNoBand)
{
    for (int base : {0, 1000000, 2000000, 3000000, 4000000, 5000000})
        EXPECT_EQ(KindOfKey(base), KIND_NONE) << base;
    EXPECT_EQ(KindOfKey(999999), KIND_NONE);
    EXPECT_EQ(KindOfKey(-1000001), KIND_NONE);
}

TEST(EntityKeyBands, ClosedLoopBandHasNoUpperBound)
{
    EXPECT_EQ(KindOfKey(7000000), KIND_CLOSED_LOOP);
}

}  // namespace
