#include "tools/CurveShapeDialogs.h"

#include "frame/ToolDocument.h"
#include "frame/ToolPageContext.h"

#include <string>

namespace {

// Point fields (control id, pick field code) of these dialogs: their focus
// takes the view out of any mouse mode.
void AddPointFields(CToolForm& form, std::initializer_list<std::pair<int, int>> fields)
{
    for (const auto& [id, code] : fields)
        form.AddCoordinatePick(id, code, FocusMouseMode::SetNone);
}

}  // namespace

int CCurveShapeForm::Method() const
{
    return methods_.size() > 1 ? Choice(methods_.front().radio) : 0;
}

void CCurveShapeForm::OnInputMethod()
{
    const int chosen = Method();
    for (int method = 0; method < static_cast<int>(methods_.size()); ++method)
        EnableControls(methods_[static_cast<size_t>(method)].group, method == chosen);
    FocusControl(methods_[static_cast<size_t>(chosen)].group.front());
}

void CCurveShapeForm::OnClick(int controlId)
{
    if (methods_.size() > 1 && GroupOf(controlId) == methods_.front().radio)
        OnInputMethod();
}

void CCurveShapeForm::OnShow()
{
    CCurveCreationForm::OnShow();
    if (methods_.size() > 1) {
        SetChoice(methods_.front().radio, 0);
        OnInputMethod();
    }
}

void CCurveShapeForm::Apply(ToolPageContext& context)
{
    const ShapeMethod& method = methods_[static_cast<size_t>(Method())];
    const std::optional<double> width = Width();
    ShapeInput input{{}, {}, Alignment(), 0.0};
    if (!width || !ReadReals(method.numbers, input.numbers) || !ParseFields(method.points, input.points))
        return;
    input.width = *width;
    if (context.document)
        method.create(*context.document, input);
    if (refocusAfterApply_)
        FocusControl(method.points.front());
}

void CCurveShapeForm::AddMethods(const std::vector<ShapeMethodFields>& methods)
{
    std::vector<std::pair<int, std::string>> radios;
    for (const ShapeMethodFields& fields : methods) {
        ShapeMethod method{fields.radio, {}, {}, {}, fields.create};
        for (const ShapeField& field : fields.fields) {
            if (field.pickCode != 0) {
                AddCoordinatePick(field.id, field.pickCode, FocusMouseMode::SetNone);
                method.points.push_back(field.id);
            } else {
                AddReal(field.id, 0.0, field.name, CLEARS_PICK_CODE);
                method.numbers.push_back(field.id);
            }
            method.group.push_back(field.id);
        }
        for (const ShapeField& field : fields.fields)
            method.group.push_back(field.labelId);
        AddMethod(std::move(method));
        radios.emplace_back(fields.radio, fields.text);
    }
    AddWidthField(true);
    Radios(radios);
    for (const ShapeMethodFields& fields : methods) {
        for (const ShapeField& field : fields.fields)
            Edit(field.id, field.label, field.labelId);
    }
    LayOutAlignmentAndWidth();
}

CCToolCreateCircle::CCToolCreateCircle()
{
    AddMethods({{CIRCLE_METHOD, "Center / Radius",
                 {{1101, "Center Point", 1112, 10007}, {1102, "Radius", 1113, 0, NamedField::Radius}},
                 [](IToolDocument& document, const ShapeInput& in) {
                     document.CreateCircle(in.Point(0), in.numbers[0], in.alignment, in.width);
                 }},
                {1099, "2 Points (Diameter)",
                 {{1103, "Point 1", 1114, 10008}, {1104, "Point 2", 1115, 10009}},
                 [](IToolDocument& document, const ShapeInput& in) {
                     document.CreateCircleByTwoPoints(in.Point(0), in.Point(1), in.alignment, in.width);
                 }},
                {1100, "3 Points",
                 {{1105, "Point 1", 1116, 10010}, {1106, "Point 2", 1117, 10011}, {1107, "Point 3", 1118, 10012}},
                 [](IToolDocument& document, const ShapeInput& in) {
                     document.CreateCircleByThreePoints(in.Point(0), in.Point(1), in.Point(2), in.alignment,
                                                        in.width);
                 }}});
}

CCToolCreateArc::CCToolCreateArc()
{
    refocusAfterApply_ = true;
    AddMethods({{ARC_METHOD, "Center / Radius / Angle",
                 {{1074, "Center Point", 1112, 10013},
                  {1075, "Radius", 1113, 0, NamedField::Radius},
                  {1076, "Angle", 1114}},
                 [](IToolDocument& document, const ShapeInput& in) {
                     document.CreateArc(in.Point(0), in.numbers[0], in.numbers[1], in.alignment, in.width);
                 }},
                {1072, "Center / Start / End",
                 {{1077, "Center Point", 1115, 10014}, {1078, "Start Point", 1116, 10015},
                  {1079, "End Point", 1117, 10016}},
                 [](IToolDocument& document, const ShapeInput& in) {
                     document.CreateArcByCenterStartEnd(in.Point(0), in.Point(1), in.Point(2), in.alignment,
                                                        in.width);
                 }},
                {1073, "Start / Second / End",
                 {{1080, "Start Point", 1118, 10017}, {1081, "Second Point", 1119, 10018},
                  {1082, "End Point", 1120, 10019}},
                 [](IToolDocument& document, const ShapeInput& in) {
                     document.CreateArcByThreePoints(in.Point(0), in.Point(1), in.Point(2), in.alignment, in.width);
                 }}});
}

CCToolCreateEllipse::CCToolCreateEllipse()
{
    AddPointFields(*this, {{1091, 10020}});
    AddReal(1092, 0.0, NamedField::XRadius, CLEARS_PICK_CODE);
    AddReal(1093, 0.0, std::nullopt, CLEARS_PICK_CODE);
    AddWidthField(false);
    AddMethod({0, {1091}, {1091}, {1092, 1093},
               [](IToolDocument& document, const ShapeInput& in) {
                   document.CreateEllipse(in.Point(0), in.numbers[0], in.numbers[1], in.alignment, in.width);
               }});
    BeginGroup(" Ellipse ");
    Edit(1091, "Center Point");
    Edit(1092, "X - Radius");
    Edit(1093, "Y - Radius");
    EndGroup();
    LayOutAlignmentAndWidth();
}

void CCurveShapeForm::AddControlPoints(std::initializer_list<std::pair<int, int>> fields, ShapeCreate create)
{
    AddPointFields(*this, fields);
    AddWidthField(true);
    ShapeMethod method;
    BeginGroup(" Control Point ");
    for (const auto& [id, code] : fields) {
        method.group.push_back(id);
        method.points.push_back(id);
        Edit(id, "Point " + std::to_string(method.points.size()));
    }
    EndGroup();
    LayOutAlignmentAndWidth();
    method.create = std::move(create);
    AddMethod(std::move(method));
}

CCToolCreateQuard::CCToolCreateQuard()
{
    AddControlPoints({{1079, 10021}, {1080, 10022}, {1081, 10023}},
                     [](IToolDocument& document, const ShapeInput& in) {
                         document.CreateQuadraticCurve(in.Point(0), in.Point(1), in.Point(2), in.alignment, in.width);
                     });
}

CCToolCreateCubic::CCToolCreateCubic()
{
    AddControlPoints({{1094, 10024}, {1095, 10025}, {1096, 10026}, {1097, 10027}},
                     [](IToolDocument& document, const ShapeInput& in) {
                         document.CreateCubicCurve(in.Point(0), in.Point(1), in.Point(2), in.Point(3), in.alignment,
                                                   in.width);
                     });
}

CCToolCreateBezier::CCToolCreateBezier()
{
    AddControlPoints({{1108, 10028}, {1109, 10029}, {1110, 10030}, {1111, 10031}},
                     [](IToolDocument& document, const ShapeInput& in) {
                         document.CreateBezierCurve(in.Point(0), in.Point(1), in.Point(2), in.Point(3), in.alignment,
                                                    in.width);
                     });
}
