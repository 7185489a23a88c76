#include "DxfTestReader.h"

#include "ExportTestSupport.h"

#include <gtest/gtest.h>

#include <sstream>

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

namespace {

// The group code of a code line, blanks around it allowed; -1 when the line
// holds anything else.
int GroupCode(const std::string& line)
{
    std::istringstream in(line);
    int code = -1;
    in >> code;
    return in && (in >> std::ws).eof() ? code : -1;
}

} // namespace

int CountDxfEntities(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    int count = 0;
    bool inEntities = false;
    bool afterSection = false;  // the group before was a group 0 "SECTION"
    std::string owner;  // "POLYLINE" or "INSERT" while their parts follow
    for (std::size_t k = 0; k + 1 < lines.size(); k += 2) {
        const int code = GroupCode(lines[k]);
        const std::string& value = lines[k + 1];
        if (code == 0 && value == "EOF")
            break;
        if (!inEntities) {
            inEntities = afterSection && code == 2 && value == "ENTITIES";
            afterSection = code == 0 && value == "SECTION";
            continue;
        }
        if (code != 0)
            continue;
        if (value == "ENDSEC") {
            inEntities = false;
            owner.clear();
            continue;
        }
        const bool part = (value == "VERTEX" && owner == "POLYLINE") || (value == "ATTRIB" && owner == "INSERT")
            || (value == "SEQEND" && !owner.empty());
        if (!part)
            ++count;
        if (value == "SEQEND" || !part)
            owner = value == "POLYLINE" || value == "INSERT" ? value : "";
    }
    return count;
}
