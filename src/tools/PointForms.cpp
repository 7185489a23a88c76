#include "tools/PointForms.h"

#include "frame/DialogNumbers.h"
#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"
#include "model/SectModel.h"

#include <string>

namespace {

enum PointEditPickCode { CODE_EQUALIZE_COORDINATE = 10033 };

const std::vector<int> EQUALIZE_GROUP_CONTROLS = {ID_EQUALIZE_TOGETHER_RADIO,      ID_EQUALIZE_SNOWBALL_RADIO,
                                                  ID_EQUALIZE_GROUP_TOLERANCE,     ID_EQUALIZE_AVERAGE_RADIO,
                                                  ID_EQUALIZE_AT_COORDINATE_RADIO, ID_EQUALIZE_COORDINATE};
const std::vector<int> EQUALIZE_ALL_CONTROLS = {ID_EQUALIZE_ALL_LABEL, ID_EQUALIZE_ALL_TOLERANCE};

}  // namespace

const CSectModel* ModelOf(const CToolForm& form)
{
    const ToolPageContext* context = form.Context();
    return context && context->document ? context->document->GetModel() : nullptr;
}

CPToolCoordDlg::CPToolCoordDlg()
{
    AddCoordinateText(ID_POINT_COORDINATE, CODE_POINT_COORDINATE, FocusMouseMode::SetNone);
}

void CPToolCoordDlg::OnShow()
{
    SetHighlighted(ID_POINT_COORDINATE, true);
}

CPToolRatioCurve::CPToolRatioCurve()
{
    AddReal(ID_CURVE_RATIO, 0.0);
    AddCheck(ID_CURVE_RATIO_SPLIT);
}

void CPToolRatioCurve::OnShow()
{
    SetChecked(ID_CURVE_RATIO_SPLIT, true);
}

CInterpolationForm::CInterpolationForm(const InterpolationControls& controls) : controls_(controls)
{
    AddRadioGroup({controls.spacingRadio, controls.countRadio});
    AddReal(controls.spacingEdit, 0.0);
    AddInteger(controls.countEdit, 0);
    if (controls.splitCheck)
        AddCheck(controls.splitCheck);
}

void CInterpolationForm::OnShow()
{
    SetChoice(controls_.spacingRadio, 0);
    if (controls_.splitCheck)
        SetChecked(controls_.splitCheck, true);
    ApplyMethodRule();
}

void CInterpolationForm::OnClick(int controlId)
{
    if (controlId == controls_.spacingRadio || controlId == controls_.countRadio)
        ApplyMethodRule();
}

void CInterpolationForm::ApplyMethodRule()
{
    const bool byCount = ByCount();
    EnableControls({controls_.countEdit}, byCount);
    EnableControls({controls_.spacingEdit}, !byCount);
    FocusControl(byCount ? controls_.countEdit : controls_.spacingEdit);
}

int CInterpolationForm::NumberOfPoints() const
{
    return ByCount() ? Field(controls_.countEdit)->integer : 0;
}

double CInterpolationForm::Spacing() const
{
    return ByCount() ? 0.0 : Field(controls_.spacingEdit)->real;
}

CPToolInterpCurve::CPToolInterpCurve()
    : CInterpolationForm({ID_CURVE_SPACING_RADIO, ID_CURVE_COUNT_RADIO, ID_CURVE_SPACING, ID_CURVE_COUNT,
                          ID_CURVE_INTERP_SPLIT})
{
}

CPToolInterpPoint::CPToolInterpPoint()
    : CInterpolationForm({ID_POINTS_SPACING_RADIO, ID_POINTS_COUNT_RADIO, ID_POINTS_SPACING, ID_POINTS_COUNT, 0})
{
}

CPToolRatioPoint::CPToolRatioPoint()
{
    AddIdPick(ID_START_POINT, CODE_START_POINT, FocusMouseMode::Keep);
    AddIdPick(ID_END_POINT, CODE_END_POINT, FocusMouseMode::Keep);
    AddReal(ID_POINTS_RATIO, 0.0, NamedField::Ratio);
}

void CPToolRatioPoint::OnShow()
{
    ClearHighlights();
}

CPToolEqualize::CPToolEqualize()
{
    AddRadioGroup({ID_EQUALIZE_GROUP_RADIO, ID_EQUALIZE_ALL_RADIO});
    AddRadioGroup({ID_EQUALIZE_TOGETHER_RADIO, ID_EQUALIZE_SNOWBALL_RADIO});
    AddReal(ID_EQUALIZE_GROUP_TOLERANCE, 0.0);
    AddRadioGroup({ID_EQUALIZE_AVERAGE_RADIO, ID_EQUALIZE_AT_COORDINATE_RADIO});
    AddCoordinateText(ID_EQUALIZE_COORDINATE, CODE_EQUALIZE_COORDINATE, FocusMouseMode::SaveThenNone);
    AddReal(ID_EQUALIZE_ALL_TOLERANCE, 0.0);
    AddCheck(ID_EQUALIZE_DELETE_REDUNDANT);
}

void CPToolEqualize::OnShow()
{
    ClearHighlights();
    SetChoice(ID_EQUALIZE_GROUP_RADIO, 0);
    SetChoice(ID_EQUALIZE_TOGETHER_RADIO, 0);
    SetChoice(ID_EQUALIZE_AVERAGE_RADIO, 0);
    if (const CSectModel* model = ModelOf(*this)) {
        const std::string tolerance = RealFieldText(model->m_tolerance);
        WriteText(ID_EQUALIZE_GROUP_TOLERANCE, tolerance);
        WriteText(ID_EQUALIZE_ALL_TOLERANCE, tolerance);
    }
    SetChecked(ID_EQUALIZE_DELETE_REDUNDANT, true);
    ApplyObjectRule();
}

void CPToolEqualize::OnClick(int controlId)
{
    switch (controlId) {
    case ID_EQUALIZE_GROUP_RADIO:
    case ID_EQUALIZE_ALL_RADIO:
        ApplyObjectRule();
        break;
    case ID_EQUALIZE_TOGETHER_RADIO:
    case ID_EQUALIZE_SNOWBALL_RADIO:
    case ID_EQUALIZE_AVERAGE_RADIO:
    case ID_EQUALIZE_AT_COORDINATE_RADIO:
        ApplyGroupRules();
        break;
    default:
        break;
    }
}

void CPToolEqualize::ApplyObjectRule()
{
    const bool all = AllShownPoints();
    EnableControls(EQUALIZE_GROUP_CONTROLS, !all);
    EnableControls(EQUALIZE_ALL_CONTROLS, all);
    if (!all)
        ApplyGroupRules();
}

void CPToolEqualize::ApplyGroupRules()
{
    EnableControls({ID_EQUALIZE_GROUP_TOLERANCE}, BySnowball());
    EnableControls({ID_EQUALIZE_COORDINATE}, AtCoordinate());
}

bool CPToolEqualize::GetCoordinate(PlanePoint& xy)
{
    return GetCoordinate(CODE_EQUALIZE_COORDINATE, xy);
}

const std::vector<PickCriterion>& PickCriteria()
{
    static const std::vector<PickCriterion> criteria = {
        {ID_PICK_BY_ID, ID_PICK_ID_LIST},         {ID_PICK_BY_CENTROID, ID_PICK_CENTROID_LIST},
        {ID_PICK_BY_CURVE, ID_PICK_CURVE_LIST},   {ID_PICK_BY_LOOP, ID_PICK_LOOP_LIST},
        {ID_PICK_BY_SECTION, ID_PICK_SECTION_LIST},
    };
    return criteria;
}

CPToolPick::CPToolPick()
{
    AddText(ID_PICK_ID_LIST, "");
    for (const PickCriterion& criterion : PickCriteria()) {
        AddCheck(criterion.checkId);
        if (criterion.inputId != ID_PICK_ID_LIST)
            AddCombo(criterion.inputId);
        SwitchWithCheck(criterion.checkId, {criterion.inputId});
    }
    AddRadioGroup({ID_PICK_UNION, ID_PICK_INTERSECTION});
}

void CPToolPick::OnShow()
{
    SetChoice(ID_PICK_UNION, 0);
    for (const PickCriterion& criterion : PickCriteria())
        SetChecked(criterion.checkId, false);
    if (const CSectModel* model = ModelOf(*this))
        FillCombos(*model);
}

void CPToolPick::FillCombos(const CSectModel& model)
{
    std::vector<std::string> texts{"All"};
    std::vector<int> ids{0};
    for (const auto& [id, section] : model.m_sections) {
        if (section->propertiesCalculated) {
            texts.push_back(section->name);
            ids.push_back(id);
        }
    }
    SetComboRows(ID_PICK_CENTROID_LIST, texts, ids);

    const auto fillById = [this](int comboId, const auto& records) {
        std::vector<std::string> rowTexts;
        std::vector<int> rowIds;
        for (const auto& [id, record] : records) {
            rowTexts.push_back(std::to_string(id));
            rowIds.push_back(id);
        }
        SetComboRows(comboId, rowTexts, rowIds);
    };
    fillById(ID_PICK_CURVE_LIST, model.m_curves);
    fillById(ID_PICK_LOOP_LIST, model.m_closedLoops);

    texts.clear();
    ids.clear();
    for (const auto& [id, section] : model.m_sections) {
        texts.push_back(section->name);
        ids.push_back(id);
    }
    SetComboRows(ID_PICK_SECTION_LIST, texts, ids);

    EnableControls({ID_PICK_BY_ID}, !model.m_points.empty());
    EnableControls({ID_PICK_BY_CENTROID}, Combo(ID_PICK_CENTROID_LIST).ids.size() > 1);
    EnableControls({ID_PICK_BY_CURVE}, !model.m_curves.empty());
    EnableControls({ID_PICK_BY_LOOP}, !model.m_closedLoops.empty());
    EnableControls({ID_PICK_BY_SECTION}, !model.m_sections.empty());
}

