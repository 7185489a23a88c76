#include "tools/CurveCreationForm.h"

void CCurveCreationForm::OnShow()
{
    SetChoice(ids_.center, 0);
}

void CCurveCreationForm::AddWidthField(bool clearsPickCode)
{
    AddReal(ids_.width, 0.0, NamedField::Width,
            clearsPickCode ? std::optional<FieldFocus>(CLEARS_PICK_CODE) : std::nullopt);
}

void CCurveCreationForm::LayOutAlignmentAndWidth()
{
    BeginGroup(" Alignment ");
    Radios({{ids_.center, "Center"}, {ids_.left, "Left"}, {ids_.right, "Right"}});
    EndGroup();
    Edit(ids_.width, "Width");
}
