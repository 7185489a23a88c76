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

bool ReadTables(const std::string& text, std::vector<T_DXFLAYER_D>& layers)
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
        {0, "ENDTAB"}, {0, "ENDSEC"},
    });
    std::vector<T_DXFLAYER_D> layers = {{true, true, "stale"}};
    ASSERT_TRUE(ReadTables(tables, layers));

    struct Expected {
        const char* name;
        bool frozen;
        bool off;
    };
    const std::vector<Expected> expected = {
        {"0", false, true}, {"A", true, false}, {"B", true, false},
        {"C", true, false}, {"D", false, false}, {"E", false, false},
    };
    ASSERT_EQ(layers.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(layers[i].name, expected[i].name);
        EXPECT_EQ(layers[i].frozen, expected[i].frozen) << expected[i].name;
        EXPECT_EQ(layers[i].off, expected[i].off) << expected[i].name;
    }
}

TEST(DxfLayerTable, FailsWhenTheSectionHasNoEnd)
{
    std::vector<T_DXFLAYER_D> layers;
    EXPECT_FALSE(ReadTables(Groups({{0, "TABLE"}, {0, "LAYER"}, {2, "A"}, {62, "1"}, {0, "ENDTAB"}}), layers));
    // ENDSEC inside a table that never ends does not end the section.
    EXPECT_FALSE(ReadTables(Groups({{0, "TABLE"}, {0, "ENDSEC"}, {0, "EOF"}}), layers));
    EXPECT_TRUE(ReadTables(Groups({{0, "ENDSEC"}}), layers));
    EXPECT_TRUE(layers.empty());
}

TEST(DxfLayerTable, TakesEntitiesOnlyOnListedVisibleLayers)
{
    const std::vector<T_DXFLAYER_D> layers = {
        {false, true, "0"}, {true, false, "A"}, {false, false, "B"}, {true, false, "C"}, {false, false, "C"},
    };
    EXPECT_FALSE(IsDxfLayerTaken(layers, "0"));
    EXPECT_FALSE(IsDxfLayerTaken(layers, "A"));
    EXPECT_TRUE(IsDxfLayerTaken(layers, "B"));
    EXPECT_FALSE(IsDxfLayerTaken(layers, "b"));
    EXPECT_TRUE(IsDxfLayerTaken(layers, "C"));
    EXPECT_FALSE(IsDxfLayerTaken(layers, "unlisted"));
    EXPECT_FALSE(IsDxfLayerTaken(layers, ""));
    EXPECT_TRUE(IsDxfLayerTaken({}, ""));
    EXPECT_TRUE(IsDxfLayerTaken({}, "anything"));
}

} // namespace
