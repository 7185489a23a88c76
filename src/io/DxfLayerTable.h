#pragma once
// The LAYER table of a DXF drawing: which layers are frozen or off, so that
// the entities drawn on them are passed over.

#include "io/DxfLineReader.h"

#include <string>
#include <vector>

struct T_DXFLAYER_D {
    bool frozen = false;
    bool off = false;
    std::string name;
};

// Reads from just after the group 2 "TABLES" up to and including the
// section's ENDSEC, replacing layers with the LAYER entries in table order.
// False when the stream ends first.
bool ReadDxfTables(DxfLineReader& file, std::vector<T_DXFLAYER_D>& layers);

// Whether an entity on the layer is imported: always with no layer table,
// otherwise only when some entry of exactly that name is neither frozen nor off.
bool IsDxfLayerTaken(const std::vector<T_DXFLAYER_D>& layers, const std::string& name);
