#include "tools/PointDialogs.h"

#include "tools/PointForms.h"

namespace {

using K = DialogItemKind;

}  // namespace

std::vector<DialogItem> CoordinateDialogItems()
{
    return {{K::Edit, ID_POINT_COORDINATE, "Coordinate"}};
}

std::vector<DialogItem> RatioOnCurveDialogItems()
{
    return {{K::Edit, ID_CURVE_RATIO, "Ratio"}, {K::Check, ID_CURVE_RATIO_SPLIT, "Split Curve"}};
}

std::vector<DialogItem> InterpOnCurveDialogItems()
{
    return {{K::Radio, ID_CURVE_SPACING_RADIO, "Point Spacing"}, {K::Edit, ID_CURVE_SPACING, ""},
            {K::Radio, ID_CURVE_COUNT_RADIO, "Nomber of Points"}, {K::Edit, ID_CURVE_COUNT, ""},
            {K::Check, ID_CURVE_INTERP_SPLIT, "Split Curve"}};
}

std::vector<DialogItem> RatioBetweenPointsDialogItems()
{
    return {{K::BoxBegin, 0, " Base Points "}, {K::Edit, ID_START_POINT, "Start Point"},
            {K::Edit, ID_END_POINT, "End Point"}, {K::BoxEnd}, {K::Edit, ID_POINTS_RATIO, "Ratio"}};
}

std::vector<DialogItem> InterpBetweenPointsDialogItems()
{
    return {{K::Radio, ID_POINTS_SPACING_RADIO, "Point Spacing"}, {K::Edit, ID_POINTS_SPACING, ""},
            {K::Radio, ID_POINTS_COUNT_RADIO, "Nomber of Points"}, {K::Edit, ID_POINTS_COUNT, ""}};
}

std::vector<DialogItem> EqualizeDialogItems()
{
    return {{K::BoxBegin, 0, " Object "},
            {K::Radio, ID_EQUALIZE_GROUP_RADIO, "Selected Group"},
            {K::BoxBegin, 0, ""},
            {K::Radio, ID_EQUALIZE_TOGETHER_RADIO, "All"},
            {K::Radio, ID_EQUALIZE_SNOWBALL_RADIO, "Snowball Tolerance"},
            {K::Edit, ID_EQUALIZE_GROUP_TOLERANCE, ""},
            {K::BoxBegin, 0, "Convergence"},
            {K::Radio, ID_EQUALIZE_AVERAGE_RADIO, "Average"},
            {K::Radio, ID_EQUALIZE_AT_COORDINATE_RADIO, "Coordinate"},
            {K::Edit, ID_EQUALIZE_COORDINATE, ""},
            {K::BoxEnd},
            {K::BoxEnd},
            {K::Radio, ID_EQUALIZE_ALL_RADIO, "All"},
            {K::Edit, ID_EQUALIZE_ALL_TOLERANCE, "Snowball Tolerance", ID_EQUALIZE_ALL_LABEL},
            {K::BoxEnd},
            {K::Check, ID_EQUALIZE_DELETE_REDUNDANT, "Delete Redundancies"}};
}

std::vector<DialogItem> PickDialogItems()
{
    return {{K::Check, ID_PICK_BY_ID, "ID"},
            {K::Edit, ID_PICK_ID_LIST, ""},
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
