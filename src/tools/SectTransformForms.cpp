#include "tools/SectTransformForms.h"

#include "frame/DialogNumbers.h"
#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"

#include <algorithm>

namespace {

constexpr double DEFAULT_MERGE_ANGLE = 2.0;

// The model's group names, sorted as the sorted combo shows them.
std::vector<std::string> GroupNames(const ToolPageContext* context)
{
    std::vector<std::string> names;
    if (context && context->document) {
        if (const CSectModel* model = context->document->GetModel()) {
            for (const auto& [id, group] : model->m_groups)
                names.push_back(group->name);
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

CSToolGenerate::CSToolGenerate()
{
    BeginGroup(" Type ");
    Radios({{ID_GEN_PLANE, "Plane"}, {ID_GEN_LINE, "Line"}});
    Picture(ID_GEN_PICTURE, ID_GEN_PLANE);
    EndGroup();
    CheckBox(ID_GEN_MERGE, "Merge Straight Lines");
    AddReal(ID_GEN_ANGLE, DEFAULT_MERGE_ANGLE);
    Edit(ID_GEN_ANGLE, "Angle [Deg]");
    AddText(ID_GEN_NAME, "");
    Edit(ID_GEN_NAME, "Name");
    CheckBox(ID_GEN_HAS_LOCATION, "Location");
    AddReal(ID_GEN_LOCATION, 0.0);
    Edit(ID_GEN_LOCATION);
    CheckBox(ID_GEN_HAS_GROUP, "Group");
    EditCombo(ID_GEN_GROUP);
    ColourChooser(ID_GEN_COLOUR, "Section Color", PLANE_SECTION_COLOUR);
    CheckBox(ID_GEN_CALCULATE, "Calculate Properties Now");
    SwitchWithCheck(ID_GEN_HAS_LOCATION, {ID_GEN_LOCATION});
    SwitchWithCheck(ID_GEN_HAS_GROUP, {ID_GEN_GROUP});
}

void CSToolGenerate::OnShow()
{
    SetChoice(ID_GEN_PLANE, 0);
    SetChecked(ID_GEN_CALCULATE, false);
    SetChecked(ID_GEN_MERGE, true);
    SetChecked(ID_GEN_HAS_LOCATION, false);
    SetChecked(ID_GEN_HAS_GROUP, false);
    SetComboRows(ID_GEN_GROUP, GroupNames(Context()));
    ShowType();
}

void CSToolGenerate::ShowType()
{
    const bool plane = !IsLine();
    SetColour(ID_GEN_COLOUR, plane ? PLANE_SECTION_COLOUR : LINE_SECTION_COLOUR);
    EnableControls({ID_GEN_MERGE}, plane);
    EnableControls({ID_GEN_ANGLE}, plane && Checked(ID_GEN_MERGE));
}

void CSToolGenerate::OnClick(int controlId)
{
    if (GroupOf(controlId) == ID_GEN_PLANE)
        ShowType();
    else if (controlId == ID_GEN_MERGE)
        EnableControls({ID_GEN_ANGLE}, Checked(ID_GEN_MERGE));
}

CSToolRedefine::CSToolRedefine()
{
    BeginGroup(" Redefinable Item ");
    CheckBox(ID_REDEF_HAS_NAME, "Name");
    AddText(ID_REDEF_NAME, "");
    Edit(ID_REDEF_NAME);
    CheckBox(ID_REDEF_HAS_LOCATION, "Location");
    AddReal(ID_REDEF_LOCATION, 0.0);
    Edit(ID_REDEF_LOCATION);
    CheckBox(ID_REDEF_HAS_COLOUR, "Color");
    ColourChooser(ID_REDEF_COLOUR, "", PLANE_SECTION_COLOUR);
    EndGroup();
    SwitchWithCheck(ID_REDEF_HAS_NAME, {ID_REDEF_NAME});
    SwitchWithCheck(ID_REDEF_HAS_LOCATION, {ID_REDEF_LOCATION});
    SwitchWithCheck(ID_REDEF_HAS_COLOUR, {ID_REDEF_COLOUR});
}

void CSToolRedefine::OnShow()
{
    for (int check : {ID_REDEF_HAS_NAME, ID_REDEF_HAS_LOCATION, ID_REDEF_HAS_COLOUR})
        SetChecked(check, false);
}

std::string CSToolRedefine::GetName() const
{
    return Checked(ID_REDEF_HAS_NAME) ? Field(ID_REDEF_NAME)->text : std::string();
}

CSToolTranslate::CSToolTranslate()
{
    BeginGroup(" Translation ");
    Radios({{ID_MOVE_DELTA, "Delta X, Y"}, {ID_MOVE_POINTS, "Defined by 2 Points"}});
    Label(ID_MOVE_DX_LABEL, "Dx");
    AddReal(ID_MOVE_DX, 0.0);
    Edit(ID_MOVE_DX);
    Label(ID_MOVE_DY_LABEL, "Dy");
    AddReal(ID_MOVE_DY, 0.0);
    Edit(ID_MOVE_DY);
    Label(ID_MOVE_POINT1_LABEL, "Point 1");
    AddCoordinatePick(ID_MOVE_POINT1, CODE_MOVE_POINT1, FocusMouseMode::SaveThenNone);
    Edit(ID_MOVE_POINT1);
    Label(ID_MOVE_POINT2_LABEL, "Point 2");
    AddCoordinatePick(ID_MOVE_POINT2, CODE_MOVE_POINT2, FocusMouseMode::SaveThenNone);
    Edit(ID_MOVE_POINT2);
    EndGroup();
}

void CSToolTranslate::OnShow()
{
    SetChoice(ID_MOVE_DELTA, 0);
    ShowMethod();
}

void CSToolTranslate::OnClick(int controlId)
{
    if (GroupOf(controlId) == ID_MOVE_DELTA)
        ShowMethod();
}

void CSToolTranslate::ShowMethod()
{
    const bool byPoints = ByPoints();
    EnableControls({ID_MOVE_DX, ID_MOVE_DY, ID_MOVE_DX_LABEL, ID_MOVE_DY_LABEL}, !byPoints);
    EnableControls({ID_MOVE_POINT1, ID_MOVE_POINT2, ID_MOVE_POINT1_LABEL, ID_MOVE_POINT2_LABEL}, byPoints);
    FocusControl(byPoints ? ID_MOVE_POINT1 : ID_MOVE_DX);
}

CSToolRotate::CSToolRotate()
{
    BeginGroup(" Rotation ");
    AddCoordinatePick(ID_ROTATE_ORIGIN, CODE_ROTATE_ORIGIN, FocusMouseMode::SaveThenNone);
    Edit(ID_ROTATE_ORIGIN, "Origin");
    AddReal(ID_ROTATE_ANGLE, 0.0);
    Edit(ID_ROTATE_ANGLE, "Angle of Rotation");
    Spin(ID_ROTATE_SPIN, ID_ROTATE_ANGLE, 360);
    EndGroup();
}

void CSToolRotate::OnShow()
{
    // The spin's position 0 writes its number into the angle.
    WriteText(ID_ROTATE_ANGLE, IntegerFieldText(0));
}

CSToolDelete::CSToolDelete()
{
    CheckBox(ID_DELETE_CURVES, "Delete Curve");
}

void CSToolDelete::OnShow()
{
    SetChecked(ID_DELETE_CURVES, true);
}

CSToolArrange::CSToolArrange()
{
    BeginGroup(" Order ");
    Radios({{ID_ARRANGE_CREATION, "Creation"},
            {1182, "Name"},
            {1179, "Location"},
            {1180, "Effective Area"},
            {1181, "Ixx (Moment of Inertia)"},
            {1173, "Iyy (Moment of Inertia)"},
            {1174, "Ixy (Product of Inertia)"},
            {1175, "J (Torsion Constant)"}});
    EndGroup();
    AddInteger(ID_ARRANGE_ROWS, 0);
    Edit(ID_ARRANGE_ROWS, "Row");
    AddInteger(ID_ARRANGE_COLUMNS, 0);
    Edit(ID_ARRANGE_COLUMNS, "X   Column");
}

void CSToolArrange::OnShow()
{
    SetChoice(ID_ARRANGE_CREATION, 0);
}

int CSToolArrange::OrderCode() const
{
    // The shear areas (codes 4 and 5) are not offered here.
    static constexpr int CODES[] = {0, 1, 2, 3, 6, 7, 8, 9};
    const int choice = Choice(ID_ARRANGE_CREATION);
    return choice >= 0 && choice < 8 ? CODES[choice] : 0;
}
