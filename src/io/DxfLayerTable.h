#pragma once
// The LAYER table of a DXF drawing: which layers are frozen or off, so that
// the entities drawn on them are passed over.

#include "io/DxfLineReader.h"

#include <string>
#include <unordered_map>

struct T_DXFLAYER_D {
    bool frozen = false;
    bool off = false;
    std::string name;
};

// The layers a drawing lists, one per distinct name without regard to case (a
// name may be listed more than once): true when some entry of that name is
// neither frozen nor off.
using DxfLayerList = std::unordered_map<std::string, bool>;

void AddDxfLayer(DxfLayerList& layers, const T_DXFLAYER_D& entry);

// Reads from just after the group 2 "TABLES" up to and including the
// section's ENDSEC, replacing layers with the LAYER entries of the section.
// False when no more groups can be read (the stream ends, or a code line is
// no group code), an entry's name is longer than the reader keeps, or its
// flags or colour is not wholly an integer an int holds.
bool ReadDxfTables(DxfLineReader& file, DxfLayerList& layers);

// Whether an entity on the layer is imported: yes, unless the table lists the
// layer (in any case) and every entry of that name is frozen or off. A layer
// the table does not list is taken as visible and thawed, as CAD programs
// draw it.
bool IsDxfLayerTaken(const DxfLayerList& layers, const std::string& name);
