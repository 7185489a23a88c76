#include "tools/PointDialogs.h"

#include "tools/PointForms.h"
#include "tools/TransformForm.h"

namespace {

using K = DialogItemKind;

DialogItem Edit(int id, const std::string& label, int labelId = wxID_ANY)
{
    return {K::Edit, id, label, labelId};
}

DialogItem BoxEnd()
{
    return {K::BoxEnd};
}

// The label id the controls give the edit, or none.
int LabelOf(const TransformControls& controls, int editId)
{
    const auto found = controls.labelIds.find(editId);
    return found == controls.labelIds.end() ? wxID_ANY : found->second;
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

std::vector<DialogItem> CoordinateDialogItems()
{
    return {Edit(ID_POINT_COORDINATE, "Coordinate")};
}

std::vector<DialogItem> RatioOnCurveDialogItems()
{
    return {Edit(ID_CURVE_RATIO, "Ratio"), {K::Check, ID_CURVE_RATIO_SPLIT, "Split Curve"}};
}

std::vector<DialogItem> InterpOnCurveDialogItems()
{
    return {{K::Radio, ID_CURVE_SPACING_RADIO, "Point Spacing"}, Edit(ID_CURVE_SPACING, ""),
            {K::Radio, ID_CURVE_COUNT_RADIO, "Nomber of Points"}, Edit(ID_CURVE_COUNT, ""),
            {K::Check, ID_CURVE_INTERP_SPLIT, "Split Curve"}};
}

std::vector<DialogItem> RatioBetweenPointsDialogItems()
{
    return {{K::BoxBegin, wxID_ANY, " Base Points "}, Edit(ID_START_POINT, "Start Point"),
            Edit(ID_END_POINT, "End Point"), BoxEnd(), Edit(ID_POINTS_RATIO, "Ratio")};
}

std::vector<DialogItem> InterpBetweenPointsDialogItems()
{
    return {{K::Radio, ID_POINTS_SPACING_RADIO, "Point Spacing"}, Edit(ID_POINTS_SPACING, ""),
            {K::Radio, ID_POINTS_COUNT_RADIO, "Nomber of Points"}, Edit(ID_POINTS_COUNT, "")};
}

std::vector<DialogItem> EqualizeDialogItems()
{
    return {{K::BoxBegin, wxID_ANY, " Object "},
            {K::Radio, ID_EQUALIZE_GROUP_RADIO, "Selected Group"},
            {K::BoxBegin, wxID_ANY, ""},
            {K::Radio, ID_EQUALIZE_TOGETHER_RADIO, "All"},
            {K::Radio, ID_EQUALIZE_SNOWBALL_RADIO, "Snowball Tolerance"},
            Edit(ID_EQUALIZE_GROUP_TOLERANCE, ""),
            {K::BoxBegin, wxID_ANY, "Convergence"},
            {K::Radio, ID_EQUALIZE_AVERAGE_RADIO, "Average"},
            {K::Radio, ID_EQUALIZE_AT_COORDINATE_RADIO, "Coordinate"},
            Edit(ID_EQUALIZE_COORDINATE, ""),
            BoxEnd(),
            BoxEnd(),
            {K::Radio, ID_EQUALIZE_ALL_RADIO, "All"},
            Edit(ID_EQUALIZE_ALL_TOLERANCE, "Snowball Tolerance", ID_EQUALIZE_ALL_LABEL),
            BoxEnd(),
            {K::Check, ID_EQUALIZE_DELETE_REDUNDANT, "Delete Redundancies"}};
}

std::vector<DialogItem> PickDialogItems()
{
    return {{K::Check, ID_PICK_BY_ID, "ID"},
            Edit(ID_PICK_ID_LIST, ""),
            {K::Check, ID_PICK_BY_CENTROID, "Centroid"},
            {K::Combo, ID_PICK_CENTROID_LIST},
            {K::Check, ID_PICK_BY_CURVE, "Curve"},
            {K::Combo, ID_PICK_CURVE_LIST},
            {K::Check, ID_PICK_BY_LOOP, "Closed Loop"},
            {K::Combo, ID_PICK_LOOP_LIST},
            {K::Check, ID_PICK_BY_SECTION, "Section"},
            {K::Combo, ID_PICK_SECTION_LIST},
            {K::Radio, ID_PICK_UNION, "Union"},
            {K::Radio, ID_PICK_INTERSECTION, "Intersection"}};
}

std::vector<DialogItem> EmptyDialogItems()
{
    return {};
}

std::vector<DialogItem> TransformDialogItems(const TransformControls& c)
{
    std::vector<DialogItem> items = {{K::BoxBegin, wxID_ANY, " Mode "},
                                     {K::Radio, c.moveRadio, "Move"},
                                     {K::Radio, c.copyRadio, "Copy"},
                                     BoxEnd()};
    if (c.originEdit) {
        items.push_back(Edit(c.originEdit, "Origin", LabelOf(c, c.originEdit)));
        items.push_back(Edit(c.angleEdit, "Angle of Rotation", LabelOf(c, c.angleEdit)));
        items.push_back({K::Spin, c.angleSpin});
    }
    if (!c.methods.empty()) {
        items.push_back({K::BoxBegin, wxID_ANY, c.kind == TransformKind::Mirror ? " Axis of Mirror " : " Translation "});
        for (const TransformMethod& method : c.methods) {
            items.push_back({K::Radio, method.radioId, method.text});
            for (int id : method.controls) {
                if (const char* name = MethodEditName(c, id))
                    items.push_back(Edit(id, name, LabelOf(c, id)));
            }
        }
        items.push_back(BoxEnd());
    }
    items.push_back({K::BoxBegin, wxID_ANY, " Copy Option "});
    if (c.timesEdit) {
        items.push_back(Edit(c.timesEdit, "Number of Times", LabelOf(c, c.timesEdit)));
        items.push_back({K::Spin, c.timesSpin});
    }
    items.push_back({K::Check, c.connectCheck, c.connectText});
    items.push_back({K::BoxBegin, c.alignmentBoxId ? c.alignmentBoxId : wxID_ANY, " Alignment "});
    items.push_back({K::Radio, c.alignmentRadios[0], "Center"});
    items.push_back({K::Radio, c.alignmentRadios[1], "Left"});
    items.push_back({K::Radio, c.alignmentRadios[2], "Right"});
    items.push_back(BoxEnd());
    items.push_back(Edit(c.widthEdit, "Width"));
    items.push_back(BoxEnd());
    return items;
}
