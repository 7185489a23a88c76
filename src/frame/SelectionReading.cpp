#include "frame/SelectionReading.h"

#include "model/UserPorts.h"
#include "view/ToolViewPort.h"

namespace {

const char* NothingSelectedText(SceneKind kind)
{
    switch (kind) {
    case KIND_POINT:
        return "No point is selected.";
    case KIND_CURVE:
        return "No curve is selected.";
    case KIND_SECTION:
        return "No section is selected.";
    case KIND_CLOSED_LOOP:
        return "No closed loop is selected.";
    default:
        return nullptr;
    }
}

}  // namespace

std::vector<int> SelectedIds(const IToolView& view, SceneKind kind)
{
    std::vector<int> ids;
    for (int key : view.SelectedKeys(kind)) {
        if (KindOfKey(key) == kind)
            ids.push_back(IdOfKey(key));
    }
    return ids;
}

std::vector<int> ReadSelectedIds(const IToolView& view, SceneKind kind, IMessageBoxPort& boxes)
{
    const char* nothing = NothingSelectedText(kind);
    if (!nothing)
        return {};
    std::vector<int> ids = SelectedIds(view, kind);
    if (ids.empty())
        boxes.ShowMessage(BoxKind::Information, nothing);
    return ids;
}
