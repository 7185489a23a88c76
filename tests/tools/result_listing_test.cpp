// The result list's ordering, shown values, hand corrections and picture fit,
// over a model built in the test.

#include "model/SectModel.h"
#include "support/ScriptedUserPorts.h"
#include "tools/ResultListing.h"
#include "tools/ResultPicture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

struct SectionGiven {
    SectionGiven(int id_, std::string name_ = "S", bool calculated_ = true, int result_ = RESULT_A,
                double value_ = 0.0, std::optional<double> location_ = std::nullopt)
        : id(id_), name(std::move(name_)), calculated(calculated_), result(result_), value(value_),
          location(location_)
    {
    }
    int id;
    std::string name;
    bool calculated;
    int result;  // which value `value` sets
    double value;
    std::optional<double> location;
};

T_SECTION_D& AddSection(CSectModel& model, const SectionGiven& given)
{
    auto section = std::make_unique<T_SECTION_D>();
    section->id = given.id;
    section->name = given.name;
    section->propertiesCalculated = given.calculated;
    section->results[given.result] = given.value;
    section->hasLocation = given.location.has_value();
    section->location = given.location.value_or(0.0);
    T_SECTION_D& added = *section;
    model.m_sections[given.id] = std::move(section);
    return added;
}

// "id" or "id (*)" for each listed section.
std::vector<std::string> Listing(const std::vector<ListedSection>& listed)
{
    std::vector<std::string> texts;
    for (const ListedSection& entry : listed)
        texts.push_back(std::to_string(entry.id) + (entry.unlocated ? " (*)" : ""));
    return texts;
}

struct OrderCase {
    const char* what;
    std::vector<SectionGiven> sections;
    int order;
    std::vector<std::string> listed;
};

TEST(ResultListOrder, ListsEachCalculatedSectionOnceInTheChosenOrder)
{
    const std::vector<OrderCase> cases = {
        {"an uncalculated section is in no order",
         {{1, "a", true, RESULT_A, 2.0}, {2, "b", false, RESULT_A, 9.0}, {3, "c", true, RESULT_A, 1.0}},
         ORDER_AREA,
         {"1", "3"}},
        {"uncalculated, creation order", {{4}, {2, "x", false}, {3}}, ORDER_CREATION, {"3", "4"}},
        {"names without regard to case, then id", {{7, "beam"}, {3, "Beam"}, {5, "BEAM"}}, ORDER_NAME, {"3", "5", "7"}},
        {"names as unsigned bytes", {{1, "\xC3\xA9t"}, {2, "zeta"}, {3, "alpha"}}, ORDER_NAME, {"3", "2", "1"}},
        {"a prefix before the longer name", {{1, "beams"}, {2, "beam"}}, ORDER_NAME, {"2", "1"}},
        {"equal A next to each other, lower id first, after larger A",
         {{1, "a", true, RESULT_A, 5.0}, {2, "b", true, RESULT_A, 9.0}, {3, "c", true, RESULT_A, 5.0},
          {4, "d", true, RESULT_A, 1.0}},
         ORDER_AREA,
         {"2", "1", "3", "4"}},
        {"tiny J keep their order of size",
         {{2, "a", true, RESULT_J, 0.00000003}, {6, "b", true, RESULT_J, 0.00000005}},
         ORDER_TORSION,
         {"6", "2"}},
        {"A stepping by less than 1e-6 lists each once",
         {{1, "a", true, RESULT_A, 1000.0}, {2, "b", true, RESULT_A, 1000.0006}, {3, "c", true, RESULT_A, 1000.0012}},
         ORDER_AREA,
         {"1", "2", "3"}},
        {"Ixy with negative values", {{1, "a", true, RESULT_IXY, -4.0}, {2, "b", true, RESULT_IXY, 3.0}},
         ORDER_IXY, {"2", "1"}},
        {"Asy picks its own value", {{1, "a", true, RESULT_ASY, 1.0}, {2, "b", true, RESULT_ASY, 3.0}},
         ORDER_SHEAR_AREA_Y, {"2", "1"}},
        {"locations stepping by less than 1e-6",
         {{1, "a", true, RESULT_A, 0.0, 1.0}, {2, "b", true, RESULT_A, 0.0, 1.0000006},
          {3, "c", true, RESULT_A, 0.0, 1.0000012}},
         ORDER_LOCATION,
         {"1", "2", "3"}},
        {"sections without a location come last, flagged",
         {{4, "a", true, RESULT_A, 0.0, 2.0}, {2, "b"}, {9, "c", true, RESULT_A, 0.0, 5.0}, {1, "d"}},
         ORDER_LOCATION,
         {"9", "4", "1 (*)", "2 (*)"}},
    };
    for (const OrderCase& c : cases) {
        CSectModel model;
        for (const SectionGiven& given : c.sections)
            AddSection(model, given);
        EXPECT_EQ(Listing(FillSectionList(model, c.order)), c.listed) << c.what;
    }
}

TEST(ResultListValues, ShowSixSignificantDigitsWhereFixedDecimalsWouldNot)
{
    const std::vector<std::pair<double, const char*>> cases = {
        {5000.0, "5000.000000"}, {0.0, "0.000000"},       {3e-8, "3e-08"},        {-3e-8, "-3e-08"},
        {0.0123456789, "0.0123457"}, {0.1, "0.100000"},  {-0.5, "-0.500000"},     {-0.0123456789, "-0.0123457"},
    };
    for (const auto& [value, text] : cases)
        EXPECT_EQ(FormatResultValue(value), text) << value;
}

TEST(ResultListValues, LineSectionsShowNoShearAreas)
{
    T_SECTION_D section;
    section.type = SECTION_LINE;
    for (int i = 0; i < RESULT_COUNT; ++i)
        section.results[i] = i + 1.0;
    const ResultCellTexts texts = ResultValueTexts(section);
    EXPECT_EQ(texts[RESULT_A], "1.000000");
    EXPECT_EQ(texts[RESULT_ASX], "X");
    EXPECT_EQ(texts[RESULT_ASY], "X");
    EXPECT_EQ(texts[RESULT_CY_MINUS], "11.000000");
    section.type = SECTION_PLANE;
    EXPECT_EQ(ResultValueTexts(section)[RESULT_ASX], "2.000000");
}

TEST(ResultListValues, AProductOfInertiaThatIsOnlyRoundingReadsZero)
{
    T_SECTION_D section;
    section.results[RESULT_IXX] = 2.1e7;
    section.results[RESULT_IYY] = 1.7e6;
    section.results[RESULT_IXY] = 1.86265e-9;
    EXPECT_EQ(ResultValueTexts(section)[RESULT_IXY], "0.000000");
    section.results[RESULT_IXY] = -0.25;
    EXPECT_EQ(ResultValueTexts(section)[RESULT_IXY], "-0.250000");
}

TEST(ResultListValues, HeaderNamesTheLengthUnit)
{
    const std::vector<std::pair<int, std::string>> cases = {
        {1, "m]"}, {2, "cm]"}, {3, "mm]"}, {4, "ft]"}, {5, "in]"}, {0, ""}, {6, ""},
    };
    for (const auto& [code, suffix] : cases)
        EXPECT_EQ(LengthUnitHeader(code), "Value [Length-Unit:" + suffix) << code;
}

TEST(ResultListValues, BaseMaterialIsShownWhenFound)
{
    CSectModel model;
    ScriptedUserPorts quiet;
    model.m_reporter.SetPorts(quiet.Ports());
    ASSERT_TRUE(model.CreateMaterial(4, "Steel", 2.0e5, 0.3));
    T_SECTION_D& section = AddSection(model, {1});
    section.baseMaterialId = 4;
    EXPECT_EQ(BaseMaterialText(model, section), "(4) Steel");
    section.baseMaterialId = 0;
    EXPECT_EQ(BaseMaterialText(model, section), "");
    section.baseMaterialId = 5;
    EXPECT_EQ(BaseMaterialText(model, section), "");
}

// The value each result of a section holds before the test types anything.
double Initial(int sectionId, int row)
{
    return sectionId * 100.0 + row;
}

class ResultEdits : public testing::Test {
protected:
    void SetUp() override
    {
        model.m_reporter.SetPorts(user.Ports());
        model.m_lengthUnit = 1;
        for (int id : {1, 2}) {
            T_SECTION_D& section = AddSection(model, {id});
            for (int i = 0; i < RESULT_COUNT; ++i)
                section.results[i] = Initial(id, i);
            section.results[RESULT_J] = 3.14159265e-8;
        }
    }

    // The texts shown for the section, with some cells typed over.
    ResultCellTexts Typed(int id, std::initializer_list<std::pair<int, const char*>> edits)
    {
        ResultCellTexts cells = ResultValueTexts(*model.FindSection(id));
        for (const auto& [row, text] : edits)
            cells[row] = text;
        return cells;
    }

    ResultEditOutcome Modify(int id, std::initializer_list<std::pair<int, const char*>> edits)
    {
        return ApplyResultEdits(model, id, ResultValueTexts(*model.FindSection(id)), Typed(id, edits), undoOpened,
                                user);
    }

    ScriptedUserPorts user;
    CSectModel model;
    bool undoOpened = false;
};

TEST_F(ResultEdits, OneOpeningIsOneUndoActionWhoseUndoRestoresEverySection)
{
    EXPECT_TRUE(Modify(1, {{RESULT_A, "7"}}).written);
    EXPECT_TRUE(Modify(2, {{RESULT_IXX, "8"}}).written);
    EXPECT_TRUE(Modify(1, {{RESULT_A, "9"}, {RESULT_CX_PLUS, "-1.5"}}).written);
    ASSERT_NE(model.GetCurrentUndoAction(), nullptr);
    EXPECT_EQ(model.GetCurrentUndoAction()->title, "Modify sectional properties");
    EXPECT_EQ(model.m_undoTopId, 1);
    EXPECT_EQ(model.FindSection(1)->results[RESULT_A], 9.0);
    EXPECT_EQ(model.FindSection(1)->results[RESULT_CX_PLUS], -1.5);
    EXPECT_EQ(model.FindSection(2)->results[RESULT_IXX], 8.0);
    EXPECT_TRUE(model.FindSection(1)->propertiesModifiedByHand);
    EXPECT_TRUE(model.FindSection(2)->propertiesModifiedByHand);

    ASSERT_TRUE(model.Undo(false));
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_EQ(model.FindSection(1)->results[RESULT_A], 100.0);
    EXPECT_EQ(model.FindSection(1)->results[RESULT_CX_PLUS], Initial(1, RESULT_CX_PLUS));
    EXPECT_EQ(model.FindSection(2)->results[RESULT_IXX], Initial(2, RESULT_IXX));
    EXPECT_FALSE(model.FindSection(1)->propertiesModifiedByHand);

    // Each later opening of the dialog starts its own action.
    for (const char* typed : {"7", "6"}) {
        undoOpened = false;
        EXPECT_TRUE(Modify(1, {{RESULT_A, typed}}).written);
        EXPECT_EQ(model.GetCurrentUndoAction()->title, "Modify sectional properties");
    }
    EXPECT_EQ(model.m_undoTopId, 2);
}

TEST_F(ResultEdits, UntouchedCellsKeepTheirStoredValuesExactly)
{
    ASSERT_TRUE(Modify(1, {{RESULT_A, "55"}}).written);
    EXPECT_EQ(model.FindSection(1)->results[RESULT_A], 55.0);
    // Shown as "3.14159e-08": reading it back would lose digits.
    const double j = 3.14159265e-8;
    EXPECT_EQ(std::memcmp(&model.FindSection(1)->results[RESULT_J], &j, sizeof j), 0);
    EXPECT_EQ(model.FindSection(1)->results[RESULT_IYY], Initial(1, RESULT_IYY));
}

TEST_F(ResultEdits, LineSectionsKeepTheirShearAreasUnlessTypedOver)
{
    T_SECTION_D& line = *model.FindSection(2);
    line.type = SECTION_LINE;
    line.results[RESULT_ASX] = 0.25;
    ASSERT_TRUE(Modify(2, {{RESULT_A, "1"}}).written);
    EXPECT_EQ(line.results[RESULT_ASX], 0.25);
    EXPECT_EQ(line.results[RESULT_ASY], Initial(2, RESULT_ASY));
    ASSERT_TRUE(Modify(2, {{RESULT_ASY, "12.5"}}).written);
    EXPECT_EQ(line.results[RESULT_ASY], 12.5);
    EXPECT_EQ(line.results[RESULT_ASX], 0.25);
}

TEST_F(ResultEdits, ACellThatIsNotANumberRefusesTheWholeWrite)
{
    for (const char* text : {"abc", "", "12abc", "nan"}) {
        user.boxes.clear();
        const ResultEditOutcome outcome = Modify(1, {{RESULT_A, "5"}, {RESULT_IXY, text}});
        EXPECT_FALSE(outcome.written) << text;
        EXPECT_EQ(outcome.refusedRow, std::optional<int>(RESULT_IXY)) << text;
        EXPECT_EQ(user.BoxTexts(), std::vector<std::string>{"Please enter a number."}) << text;
    }
    EXPECT_EQ(model.FindSection(1)->results[RESULT_A], 100.0);
    EXPECT_FALSE(model.FindSection(1)->propertiesModifiedByHand);
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_FALSE(undoOpened);
}

TEST_F(ResultEdits, NothingChangedOrNoSectionWritesNothing)
{
    EXPECT_FALSE(Modify(1, {}).written);
    const ResultCellTexts shown = ResultValueTexts(*model.FindSection(1));
    EXPECT_FALSE(ApplyResultEdits(model, 99, shown, Typed(1, {{RESULT_A, "3"}}), undoOpened, user).written);
    EXPECT_TRUE(model.IsUndoEmpty());
    EXPECT_FALSE(model.FindSection(1)->propertiesModifiedByHand);
    EXPECT_TRUE(user.boxes.empty());
}

struct FitCase {
    const char* what;
    PictureBox box;
    int width;
    int height;
    // Where the box's lower-left and upper-right corners are drawn.
    wxPoint lowerLeft;
    wxPoint upperRight;
};

TEST(ResultPictureFit, FitsTheBoxCentredWithTenPixelsFree)
{
    const std::vector<FitCase> cases = {
        // 2:1 in 220 x 220: 200 px wide, 100 high, 60 free above and below.
        {"twice as wide as high", {0.0, 0.0, 40.0, 20.0}, 220, 220, {10, 160}, {210, 60}},
        {"twice as high as wide", {-5.0, 10.0, 5.0, 30.0}, 220, 220, {60, 210}, {160, 10}},
        {"a vertical line takes its scale from its height", {3.0, 0.0, 3.0, 50.0}, 120, 220, {60, 210}, {60, 10}},
        {"a horizontal line takes its scale from its width", {0.0, 7.0, 10.0, 7.0}, 220, 120, {10, 60}, {210, 60}},
        {"one point sits in the middle at scale 1", {4.0, 4.0, 4.0, 4.0}, 220, 120, {110, 60}, {110, 60}},
    };
    for (const FitCase& c : cases) {
        const PictureFit fit = FitPicture(c.box, c.width, c.height);
        EXPECT_EQ(fit.Map(c.box.xmin, c.box.ymin), c.lowerLeft) << c.what;
        EXPECT_EQ(fit.Map(c.box.xmax, c.box.ymax), c.upperRight) << c.what;
    }
}

TEST(ResultPictureFit, ABoxIsEmptyUntilItTakesInAPoint)
{
    PictureBox box;
    EXPECT_TRUE(box.IsEmpty());
    box.Add(-2.0, 3.0);
    EXPECT_FALSE(box.IsEmpty());
    EXPECT_EQ(box.xmin, -2.0);
    EXPECT_EQ(box.ymax, 3.0);
}

}  // namespace
