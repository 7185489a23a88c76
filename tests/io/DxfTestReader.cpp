#include "DxfTestReader.h"

#include "ExportTestSupport.h"

#include <gtest/gtest.h>

std::map<std::pair<std::string, std::string>, int> ReadDxfDrawing::CountByLayer() const
{
    std::map<std::pair<std::string, std::string>, int> counts;
    for (const ReadDxfEntity& entity : entities)
        ++counts[{entity.type, entity.Layer()}];
    return counts;
}

ReadDxfDrawing ReadFlatDxf(const std::string& text)
{
    const std::vector<std::string> lines = SplitCrLfLines(text);
    ReadDxfDrawing drawing;
    if (lines.size() % 2 != 0) {
        ADD_FAILURE() << "odd number of lines";
        return drawing;
    }
    bool inEntities = false;
    for (std::size_t k = 0; k < lines.size(); k += 2) {
        const int code = std::stoi(lines[k]);
        EXPECT_EQ(lines[k], std::to_string(code)) << "group codes stand alone without padding";
        const std::string& value = lines[k + 1];
        if (code == 0 && (value == "LINE" || value == "TEXT" || value == "POINT") && inEntities) {
            drawing.entities.push_back({value, {}});
            continue;
        }
        if (code == 0 || code == 2) {
            drawing.frame.push_back(value);
            inEntities = value == "ENTITIES" || (inEntities && value != "ENDSEC");
            continue;
        }
        if (drawing.entities.empty()) {
            ADD_FAILURE() << "group " << code << " outside an entity";
            continue;
        }
        EXPECT_TRUE(drawing.entities.back().groups.emplace(code, value).second) << "group " << code << " twice";
    }
    return drawing;
}
