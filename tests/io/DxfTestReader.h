#pragma once
// A reader of the flat drawings the DXF export writes, independent of the
// code under test: group-code and value lines in pairs, split into entities;
// and a count of the entities of any drawing.

#include <map>
#include <string>
#include <vector>

struct ReadDxfEntity {
    std::string type;  // "LINE", "TEXT", "POINT"
    std::map<int, std::string> groups;  // code -> value; each code once per entity here

    const std::string& Layer() const { return groups.at(8); }
    double Real(int code) const { return std::stod(groups.at(code)); }
};

struct ReadDxfDrawing {
    std::vector<std::string> frame;  // the groups outside the entities: SECTION, ENTITIES, ENDSEC, EOF
    std::vector<ReadDxfEntity> entities;

    // Entity type and layer -> count.
    std::map<std::pair<std::string, std::string>, int> CountByLayer() const;
};

// The drawing of CR LF text; fails the test on a malformed line pair.
ReadDxfDrawing ReadFlatDxf(const std::string& text);

// How many entities the ENTITIES sections of a drawing in text form hold, up
// to its group 0 "EOF": the VERTEX entities of a POLYLINE and the ATTRIB
// entities of an INSERT, up to the SEQEND that closes them, are parts of
// that entity and not counted apart.
int CountDxfEntities(const std::string& text);
