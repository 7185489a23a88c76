#include "io/DxfLayerTable.h"

#include "model/SectModel.h"

#include <optional>

namespace {

constexpr int kFrozenBit = 0;
constexpr int kFrozenInNewViewportsBit = 1;

enum class TablesState { InSection, InTable, InLayerEntry };

// False when the group cannot be read for what it is: a name longer than is
// kept cannot be told from another that starts alike, and flags or a colour
// not wholly an integer an int holds, read as some other number, could take
// a frozen or hidden layer for a visible one.
bool StoreLayerGroup(const DxfGroup& group, T_DXFLAYER_D& layer)
{
    switch (group.code) {
    case 2:
        layer.name = group.value;
        return !group.valueCut;
    case 70: {
        const std::optional<int> flags = group.Integer();
        if (flags && (IsBitSet(*flags, kFrozenBit) || IsBitSet(*flags, kFrozenInNewViewportsBit)))
            layer.frozen = true;
        return flags.has_value();
    }
    case 62: {
        // A negative colour number is how a layer that is off is written.
        const std::optional<int> colour = group.Integer();
        if (colour && *colour < 0)
            layer.off = true;
        return colour.has_value();
    }
    default:
        return true;
    }
}

// Layer names do not tell case apart: "walls" is the layer "WALLS".
std::string LayerKey(const std::string& name)
{
    std::string key;
    CSectModel::ToLowerCase(name, key);
    return key;
}

} // namespace

void AddDxfLayer(DxfLayerList& layers, const T_DXFLAYER_D& entry)
{
    layers[LayerKey(entry.name)] |= !entry.frozen && !entry.off;
}

bool ReadDxfTables(DxfLineReader& file, DxfLayerList& layers)
{
    layers.clear();
    TablesState state = TablesState::InSection;
    T_DXFLAYER_D pending;
    DxfGroup group;
    while (file.ReadGroup(group)) {
        const int code = group.code;
        const std::string& value = group.value;
        if (state == TablesState::InLayerEntry) {
            if (code != 0) {
                if (!StoreLayerGroup(group, pending))
                    return false;
                continue;
            }
            // An entry ends at the next group 0 whatever groups it had, so
            // its name and flags never pass to the next one.
            AddDxfLayer(layers, pending);
            pending = T_DXFLAYER_D();
            state = TablesState::InTable;
        }
        if (state == TablesState::InTable) {
            if (value == "ENDTAB")
                state = TablesState::InSection;
            else if (code == 0 && value == "LAYER")
                state = TablesState::InLayerEntry;
            continue;
        }
        if (code == 0 && value == "ENDSEC")
            return true;
        if (code == 0 && value == "TABLE")
            state = TablesState::InTable;
    }
    return false;
}

bool IsDxfLayerTaken(const DxfLayerList& layers, const std::string& name)
{
    const auto found = layers.find(LayerKey(name));
    return found == layers.end() || found->second;
}
