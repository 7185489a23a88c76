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

// Flags or a colour read as some other number could take a frozen or hidden
// layer for a visible one: the table is not read. Groups the layer table
// does not read are not judged.
TEST(DxfLayerTable, FailsOnFlagsOrAColourThatIsNoIntegerAnIntHolds)
{
    const std::string blanksPastKept(DxfLineReader::kKeptLineLength + 1, ' ');
    using Group = std::pair<int, std::string>;
    // The other group goes in a line type entry and in the head of each
    // table, the layer group in the entry of layer A.
    const auto table = [](const Group& otherGroup, const Group& layerGroup) {
        return Groups({{0, "TABLE"}, {2, "LTYPE"}, otherGroup, {0, "LTYPE"}, {2, "DASHED"}, otherGroup, {0, "ENDTAB"},
                       {0, "TABLE"}, {2, "LAYER"}, otherGroup, {0, "LAYER"}, {2, "A"}, layerGroup,
                       {0, "ENDTAB"}, {0, "ENDSEC"}});
    };
    const std::vector<Group> unreadable = {
        {70, "abc"}, {70, "1.5x"}, {70, ""}, {70, " "}, {70, "1.0"}, {70, "1 2"},
        {70, "2147483648"}, {70, "-2147483649"}, {70, "1" + blanksPastKept},
        {62, "abc"}, {62, "-7.5"}, {62, ""}, {62, "7 mm"}, {62, "-99999999999"},
    };
    for (const auto& layerGroup : unreadable) {
        SCOPED_TRACE(std::to_string(layerGroup.first) + " \"" + layerGroup.second + '"');
        DxfLayerList layers;
        EXPECT_FALSE(ReadTables(table({70, "1"}, layerGroup), layers));
    }

    // Whole integers, up to an int's ends, white space around them. Bits 0
    // and 1 freeze: 2147483647 has them, -2147483648 (bit 31 only) and 4
    // (bit 2) do not.
    struct ReadCase {
        Group group;
        bool taken;
    };
    const std::vector<ReadCase> readable = {
        {{70, " 2147483647 "}, false}, {{70, "-2147483648"}, true},  {{70, "\t+4\t"}, true},
        {{62, "-2147483648"}, false},  {{62, "2147483647\t"}, true}, {{62, " -0 "}, true},
    };
    for (const ReadCase& c : readable) {
        SCOPED_TRACE(std::to_string(c.group.first) + " \"" + c.group.second + '"');
        DxfLayerList layers;
        ASSERT_TRUE(ReadTables(table({70, "1"}, c.group), layers));
        EXPECT_EQ(IsDxfLayerTaken(layers, "A"), c.taken);
    }
    // The entry count of a table and the groups of a line type entry are
    // not the layer table's to read.
    DxfLayerList layers;
    ASSERT_TRUE(ReadTables(table({70, "abc"}, {70, "0"}), layers));
    EXPECT_TRUE(IsDxfLayerTaken(layers, "A"));
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
