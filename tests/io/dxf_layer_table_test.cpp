#include "io/DxfLayerTable.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::string Groups(const std::vector<std::pair<int, std::string>>& groups)
{
    std::string text;
    for (const auto& [code, value] : groups)
        text += std::to_string(code) + "\n" + value + "\n";
    return text;
}

bool ReadTables(const std::string& text, DxfLayerList& layers)
{
    std::istringstream in(text);
    DxfLineReader reader(in);
    return ReadDxfTables(reader, layers);
}

TEST(DxfLayerTable, EndsEveryEntryAtItsNextGroupZero)
{
    // C has no colour group and is frozen; its flags must not pass to D.
    const std::string tables = Groups({
        {0, "TABLE"}, {2, "LTYPE"}, {0, "LTYPE"}, {2, "CONTINUOUS"}, {0, "ENDTAB"},
        {0, "TABLE"}, {2, "LAYER"}, {70, "5"},
        {0, "LAYER"}, {2, "0"}, {70, "0"}, {62, "-7"},
        {0, "LAYER"}, {2, "A"}, {70, "1"}, {62, "7"},
        {0, "LAYER"}, {2, "B"}, {70, "     2"}, {62, "3"},
        {0, "LAYER"}, {2, "C"}, {70, "1"}, {6, "CONTINUOUS"},
        {0, "LAYER"}, {2, "D"}, {70, "64"}, {62, "5"},
        {0, "LAYER"}, {2, "E"},
        // Flags and colour judged on their whole lines, past 511 characters.
        {0, "LAYER"}, {2, "G"}, {70, std::string(520, '0') + "1"}, {62, "7"},
        {0, "LAYER"}, {2, "H"}, {70, "0"}, {62, "-" + std::string(520, '0') + "7"},
        // And past what the reader keeps: the zeros that lead them do not
        // push their digits out.
        {0, "LAYER"}, {2, "J"}, {70, std::string(DxfLineReader::kKeptLineLength + 1, '0') + "1"}, {62, "7"},
        {0, "LAYER"}, {2, "K"}, {70, "0"}, {62, "-" + std::string(DxfLineReader::kKeptLineLength + 1, '0') + "7"},
        {0, "ENDTAB"}, {0, "ENDSEC"},
    });
    DxfLayerList layers = {{"stale", true}};
    ASSERT_TRUE(ReadTables(tables, layers));

    // 0, H and K are off, A, B, C, G and J frozen; the layers of before are
    // gone.
    const std::vector<std::pair<const char*, bool>> expected = {
        {"0", false}, {"A", false}, {"B", false}, {"C", false}, {"D", true},
        {"E", true},  {"G", false}, {"H", false}, {"J", false}, {"K", false},
    };
    EXPECT_EQ(layers.size(), 10u);
    EXPECT_EQ(layers.count("stale"), 0u);
    for (const auto& [name, taken] : expected)
        EXPECT_EQ(IsDxfLayerTaken(layers, name), taken) << name;
}

TEST(DxfLayerTable, KeepsOneEntryPerNameTakenWhenAnyEntryIsVisible)
{
    // Repeated names in every order of frozen, off and visible entries.
    const std::string tables = Groups({
        {0, "TABLE"}, {2, "LAYER"},
        {0, "LAYER"}, {2, "A"}, {70, "1"}, {0, "LAYER"}, {2, "A"}, {70, "0"},
        {0, "LAYER"}, {2, "B"}, {70, "0"}, {0, "LAYER"}, {2, "B"}, {62, "-1"},
        {0, "LAYER"}, {2, "C"}, {70, "2"}, {0, "LAYER"}, {2, "C"}, {62, "-3"}, {0, "LAYER"}, {2, "C"}, {70, "1"},
        {0, "LAYER"}, {2, ""}, {0, "LAYER"}, {2, ""}, {0, "LAYER"},
        {0, "ENDTAB"}, {0, "ENDSEC"},
    });
    DxfLayerList layers;
    ASSERT_TRUE(ReadTables(tables, layers));
    EXPECT_EQ(layers.size(), 4u);
    EXPECT_TRUE(IsDxfLayerTaken(layers, "A"));
    EXPECT_TRUE(IsDxfLayerTaken(layers, "B"));
    EXPECT_FALSE(IsDxfLayerTaken(layers, "C"));
    // Entries without a name list the empty name, which entities without a
    // group 8 carry.
    EXPECT_TRUE(IsDxfLayerTaken(layers, ""));
    EXPECT_FALSE(IsDxfLayerTaken(layers, "c"));
}

TEST(DxfLayerTable, FailsWhenTheSectionHasNoEnd)
{
    DxfLayerList layers;
    EXPECT_FALSE(ReadTables(Groups({{0, "TABLE"}, {0, "LAYER"}, {2, "A"}, {62, "1"}, {0, "ENDTAB"}}), layers));
    // ENDSEC inside a table that never ends does not end the section.
    EXPECT_FALSE(ReadTables(Groups({{0, "TABLE"}, {0, "ENDSEC"}, {0, "EOF"}}), layers));
    EXPECT_TRUE(ReadTables(Groups({{0, "ENDSEC"}}), layers));
    EXPECT_TRUE(layers.empty());
}

// Two names alike up to what the reader keeps would be one layer: the table
// is not read rather than take the one for the other.
TEST(DxfLayerTable, FailsOnALayerNameLongerThanTheReaderKeeps)
{
    const std::string kept(DxfLineReader::kKeptLineLength, 'L');
    const auto table = [](const std::string& frozen, const std::string& visible) {
        return Groups({{0, "TABLE"}, {2, "LAYER"}, {0, "LAYER"}, {2, frozen}, {70, "1"},
                       {0, "LAYER"}, {2, visible}, {70, "0"}, {0, "ENDTAB"}, {0, "ENDSEC"}});
    };
    DxfLayerList layers;
    EXPECT_FALSE(ReadTables(table(kept + "1", kept + "2"), layers));
    EXPECT_FALSE(ReadTables(table("A", kept + "2"), layers));
    // A name that fills what is kept is whole.
    ASSERT_TRUE(ReadTables(table(kept, kept.substr(1) + "M"), layers));
    EXPECT_FALSE(IsDxfLayerTaken(layers, kept));
    EXPECT_TRUE(IsDxfLayerTaken(layers, kept.substr(1) + "M"));
}

TEST(DxfLayerTable, PassesOverOnlyEntitiesOnLayersFrozenOrOffWhateverTheCase)
{
    DxfLayerList layers;
    for (const T_DXFLAYER_D& entry : std::vector<T_DXFLAYER_D>{{false, true, "0"},
                                                               {true, false, "A"},
                                                               {false, false, "B"},
                                                               {true, false, "Walls"},
                                                               {false, false, "WALLS"},
                                                               {false, true, "Doors"},
                                                               {true, false, "doors"}})
        AddDxfLayer(layers, entry);
    const std::vector<std::pair<const char*, bool>> expected = {
        {"0", false},    {"A", false},     {"a", false},     {"B", true},  {"b", true},
        {"walls", true}, {"wALLs", true},  {"DOORS", false}, {"doors", false},
        // Layers the table does not list are visible and thawed.
        {"unlisted", true}, {"", true},
    };
    for (const auto& [name, taken] : expected)
        EXPECT_EQ(IsDxfLayerTaken(layers, name), taken) << name;
    EXPECT_TRUE(IsDxfLayerTaken({}, ""));
    EXPECT_TRUE(IsDxfLayerTaken({}, "anything"));
}

} // namespace
