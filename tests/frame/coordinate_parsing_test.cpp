#include "frame/CoordinateParsing.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

struct CoordinateCase {
    const char* text;
    bool ok;
    double x, y, z;
};

// Names each case by its text, so a case's name is the same in every run.
void PrintTo(const CoordinateCase& c, std::ostream* out) { *out << "'" << c.text << "'"; }

class CoordinateText : public testing::TestWithParam<CoordinateCase> {};

TEST_P(CoordinateText, ReadsWhatTheUserTyped)
{
    const CoordinateCase& c = GetParam();
    double xyz[3] = {99.0, 99.0, 99.0};
    ASSERT_EQ(ParseCoordinate(c.text, xyz), c.ok) << "'" << c.text << "'";
    if (!c.ok)
        return;
    EXPECT_DOUBLE_EQ(xyz[0], c.x) << "'" << c.text << "'";
    EXPECT_DOUBLE_EQ(xyz[1], c.y) << "'" << c.text << "'";
    EXPECT_DOUBLE_EQ(xyz[2], c.z) << "'" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(
    KeptCases, CoordinateText,
    testing::Values(CoordinateCase{"", true, 0, 0, 0}, CoordinateCase{"5", true, 5, 0, 0},
                    CoordinateCase{"5,", true, 5, 0, 0}, CoordinateCase{"1 2 3", true, 1, 2, 3},
                    CoordinateCase{"1,2,3", true, 1, 2, 3}, CoordinateCase{"1, 2, 3", true, 1, 2, 3},
                    CoordinateCase{"1,2,3 junk", true, 1, 2, 3}, CoordinateCase{"-1.5, .25", true, -1.5, 0.25, 0},
                    CoordinateCase{"12.500, -3.000", true, 12.5, -3, 0}, CoordinateCase{"1-2", true, 1, 0, 0},
                    CoordinateCase{"-, 4", true, 0, 4, 0}, CoordinateCase{",5", true, 0, 5, 0},
                    CoordinateCase{"1,,3", true, 1, 0, 3}, CoordinateCase{"1,2,3,", false, 0, 0, 0},
                    CoordinateCase{"1,2,3,4", false, 0, 0, 0}, CoordinateCase{"1a", false, 0, 0, 0},
                    CoordinateCase{"1\t2", false, 0, 0, 0}, CoordinateCase{"+1", false, 0, 0, 0},
                    CoordinateCase{"1e5", false, 0, 0, 0}));

// A separator is a run of blanks holding at most one comma.
INSTANTIATE_TEST_SUITE_P(MendedSeparators, CoordinateText,
                         testing::Values(CoordinateCase{"  7 , 8", true, 7, 8, 0},
                                         CoordinateCase{"7 ,8 , 9", true, 7, 8, 9},
                                         CoordinateCase{"7   8", true, 7, 8, 0},
                                         CoordinateCase{"7 ,, 8", true, 7, 0, 8}));

// A number beyond a double's range stands for no value: refused, never read
// as another one.
const std::string kOneAnd400Zeros = "1" + std::string(400, '0');
const std::string kZeroPoint400ZerosAndOne = "0." + std::string(400, '0') + "1";

class HugeNumberText : public testing::TestWithParam<std::string> {};

TEST_P(HugeNumberText, IsAnInputError)
{
    double xyz[3] = {99.0, 99.0, 99.0};
    EXPECT_FALSE(ParseCoordinate(GetParam(), xyz)) << "'" << GetParam() << "'";
}

INSTANTIATE_TEST_SUITE_P(OutOfRange, HugeNumberText,
                         testing::Values(kOneAnd400Zeros, "-" + kOneAnd400Zeros, "5, " + kOneAnd400Zeros,
                                         "5 6 " + kOneAnd400Zeros, kOneAnd400Zeros + ", 5",
                                         kZeroPoint400ZerosAndOne));

TEST(LongNumberText, InRangeIsReadWhole)
{
    // 1 and 300 zeros, and 1 with 40 more significant digits than a double keeps.
    double xyz[3] = {99.0, 99.0, 99.0};
    ASSERT_TRUE(ParseCoordinate("1" + std::string(300, '0') + ", 0.1" + std::string(40, '0') + "1", xyz));
    EXPECT_DOUBLE_EQ(xyz[0], 1e300);
    EXPECT_DOUBLE_EQ(xyz[1], 0.1);
}

struct IdListCase {
    const char* text;
    bool ok;
    std::vector<int> ids;
};

void PrintTo(const IdListCase& c, std::ostream* out) { *out << "'" << c.text << "'"; }

class IdListText : public testing::TestWithParam<IdListCase> {};

TEST_P(IdListText, ReadsWhatTheUserTyped)
{
    const IdListCase& c = GetParam();
    std::vector<int> ids = {42};  // the list is appended to, not emptied
    ASSERT_EQ(ParseIdList(c.text, ids), c.ok) << "'" << c.text << "'";
    std::vector<int> expected = {42};
    if (c.ok)
        expected.insert(expected.end(), c.ids.begin(), c.ids.end());
    EXPECT_EQ(ids, expected) << "'" << c.text << "'";
}

INSTANTIATE_TEST_SUITE_P(KeptCases, IdListText,
                         testing::Values(IdListCase{"3, 1 3", true, {3, 1, 3}}, IdListCase{"2..2", true, {2}},
                                         IdListCase{"5..2", true, {}}, IdListCase{"1..5", true, {1, 2, 3, 4, 5}},
                                         IdListCase{"", true, {}}, IdListCase{" ,, 7,,", true, {7}},
                                         IdListCase{"..", false, {}}, IdListCase{"4..", false, {}},
                                         IdListCase{"..4", false, {}}, IdListCase{"1.5", false, {}},
                                         IdListCase{"1 x", false, {}}, IdListCase{"1...3", false, {}}));

// Every token counts; ids are read whole; an id that does not fit an int is
// an input error.
INSTANTIATE_TEST_SUITE_P(MendedCases, IdListText,
                         testing::Values(IdListCase{"1 2..5", true, {1, 2, 3, 4, 5}},
                                         IdListCase{"1..5 7", true, {1, 2, 3, 4, 5, 7}},
                                         IdListCase{"9999 10000 123456", true, {9999, 10000, 123456}},
                                         IdListCase{"3..4, 1..2", true, {3, 4, 1, 2}},
                                         IdListCase{"2147483647", true, {2147483647}},
                                         IdListCase{"2147483648", false, {}},
                                         IdListCase{"1..99999999999", false, {}},
                                         IdListCase{"1..2000000", false, {}}));

// A range mark between blanks joins its ends as it does unspaced.
INSTANTIATE_TEST_SUITE_P(SpacedRangeMarks, IdListText,
                         testing::Values(IdListCase{"1 .. 5", true, {1, 2, 3, 4, 5}},
                                         IdListCase{"1 ..5", true, {1, 2, 3, 4, 5}},
                                         IdListCase{"1.. 5", true, {1, 2, 3, 4, 5}},
                                         IdListCase{"1   ..   5", true, {1, 2, 3, 4, 5}},
                                         IdListCase{"1 2 .. 5", true, {1, 2, 3, 4, 5}},
                                         IdListCase{"1 .. 3 7", true, {1, 2, 3, 7}},
                                         IdListCase{"7 .. 8, 1 ..2", true, {7, 8, 1, 2}},
                                         IdListCase{"1 ..", false, {}}, IdListCase{".. 4", false, {}},
                                         IdListCase{"1, .. 5", false, {}}, IdListCase{"1 .. .. 5", false, {}},
                                         IdListCase{"1 ... 3", false, {}}));

TEST(IdListText, HundredsOfIdsAreAllRead)
{
    std::string text;
    for (int id = 1; id <= 300; ++id)
        text += std::to_string(id) + " ";
    std::vector<int> ids;
    ASSERT_TRUE(ParseIdList(text, ids));
    ASSERT_EQ(ids.size(), 300u);
    EXPECT_EQ(ids.back(), 300);
}

}  // namespace
