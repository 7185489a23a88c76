#include "tools/TransformDialog.h"

#include "tools/TransformForm.h"

namespace {

using K = DialogItemKind;

// The label id the controls give the edit, or none.
int LabelOf(const TransformControls& controls, int editId)
{
    const auto found = controls.labelIds.find(editId);
    return found == controls.labelIds.end() ? 0 : found->second;
}

// The label of an edit a method switches; null for its labels.
const char* MethodEditName(const TransformControls& c, int id)
{
    const std::pair<int, const char*> names[] = {
        {c.dxEdit, "Dx"}, {c.dyEdit, "Dy"}, {c.point1Edit, "Point 1"}, {c.point2Edit, "Point 2"},
        {c.xAxisEdit, "y"}, {c.yAxisEdit, "x"},
    };
    for (const auto& [edit, name] : names) {
        if (edit != 0 && edit == id)
            return name;
    }
    return nullptr;
}

}  // namespace

std::vector<DialogItem> TransformDialogItems(const TransformControls& c)
{
    std::vector<DialogItem> items = {{K::BoxBegin, 0, " Mode "},
                                     {K::Radio, c.moveRadio, "Move"},
                                     {K::Radio, c.copyRadio, "Copy"},
                                     {K::BoxEnd}};
    if (c.originEdit) {
        items.push_back({K::Edit, c.originEdit, "Origin", LabelOf(c, c.originEdit)});
        items.push_back({K::Edit, c.angleEdit, "Angle of Rotation", LabelOf(c, c.angleEdit)});
        items.push_back({K::Spin, c.angleSpin});
    }
    if (!c.methods.empty()) {
        items.push_back({K::BoxBegin, 0, c.kind == TransformKind::Mirror ? " Axis of Mirror " : " Translation "});
        for (const TransformMethod& method : c.methods) {
            items.push_back({K::Radio, method.radioId, method.text});
            for (int id : method.controls) {
                if (const char* name = MethodEditName(c, id))
                    items.push_back({K::Edit, id, name, LabelOf(c, id)});
            }
        }
        items.push_back({K::BoxEnd});
    }
    items.push_back({K::BoxBegin, 0, " Copy Option "});
    if (c.timesEdit) {
        items.push_back({K::Edit, c.timesEdit, "Number of Times", LabelOf(c, c.timesEdit)});
        items.push_back({K::Spin, c.timesSpin});
    }
    items.push_back({K::Check, c.connectCheck, c.connectText});
    items.push_back({K::BoxBegin, c.alignmentBoxId ? c.alignmentBoxId : 0, " Alignment "});
    items.push_back({K::Radio, c.alignmentRadios[0], "Center"});
    items.push_back({K::Radio, c.alignmentRadios[1], "Left"});
    items.push_back({K::Radio, c.alignmentRadios[2], "Right"});
    items.push_back({K::BoxEnd});
    items.push_back({K::Edit, c.widthEdit, "Width"});
    items.push_back({K::BoxEnd});
    return items;
}
