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
    std::vector<double> numbers;
    std::vector<PlanePoint> points;
    if (!width || !ReadReals(method.numbers, numbers) || !ParseFields(method.points, points))
        return;
    if (context.document)
        method.create(*context.document, points, numbers, Alignment(), *width);
    if (refocusAfterApply_)
        FocusControl(method.points.front());
}

CCToolCreateCircle::CCToolCreateCircle()
{
    AddPointFields(*this, {{1101, 10007}});
    AddReal(1102, 0.0, NamedField::Radius, CLEARS_PICK_CODE);
    AddPointFields(*this, {{1103, 10008}, {1104, 10009}, {1105, 10010},
                           {1106, 10011}, {1107, 10012}});
    AddWidthField(true);
    AddMethod({CIRCLE_METHOD, {1101, 1102, 1112, 1113}, {1101}, {1102},
               [](IToolDocument& document, const std::vector<PlanePoint>& p, const std::vector<double>& n,
                  int alignment, double width) { document.CreateCircle(p[0].data(), n[0], alignment, width); }});
    AddMethod({1099, {1103, 1104, 1114, 1115}, {1103, 1104}, {},
               [](IToolDocument& document, const std::vector<PlanePoint>& p, const std::vector<double>&,
                  int alignment, double width) {
                   document.CreateCircleByTwoPoints(p[0].data(), p[1].data(), alignment, width);
               }});
    AddMethod({1100, {1105, 1106, 1107, 1116, 1117, 1118}, {1105, 1106, 1107}, {},
               [](IToolDocument& document, const std::vector<PlanePoint>& p, const std::vector<double>&,
                  int alignment, double width) {
                   document.CreateCircleByThreePoints(p[0].data(), p[1].data(), p[2].data(), alignment, width);
               }});
    Radios({{CIRCLE_METHOD, "Center / Radius"}, {1099, "2 Points (Diameter)"}, {1100, "3 Points"}});
    Edit(1101, "Center Point", 1112);
    Edit(1102, "Radius", 1113);
    Edit(1103, "Point 1", 1114);
    Edit(1104, "Point 2", 1115);
    Edit(1105, "Point 1", 1116);
    Edit(1106, "Point 2", 1117);
    Edit(1107, "Point 3", 1118);
    LayOutAlignmentAndWidth();
}

CCToolCreateArc::CCToolCreateArc()
{
    refocusAfterApply_ = true;
    AddPointFields(*this, {{1074, 10013}});
    AddReal(1075, 0.0, NamedField::Radius, CLEARS_PICK_CODE);
    AddReal(1076, 0.0, std::nullopt, CLEARS_PICK_CODE);
    AddPointFields(*this, {{1077, 10014}, {1078, 10015}, {1079, 10016},
                           {1080, 10017}, {1081, 10018}, {1082, 10019}});
    AddWidthField(true);
    AddMethod({ARC_METHOD, {1074, 1075, 1076, 1112, 1113, 1114}, {1074}, {1075, 1076},
               [](IToolDocument& document, const std::vector<PlanePoint>& p, const std::vector<double>& n,
                  int alignment, double width) { document.CreateArc(p[0].data(), n[0], n[1], alignment, width); }});
    AddMethod({1072, {1077, 1078, 1079, 1115, 1116, 1117}, {1077, 1078, 1079}, {},
               [](IToolDocument& document, const std::vector<PlanePoint>& p, const std::vector<double>&,
                  int alignment, double width) {
                   document.CreateArcByCenterStartEnd(p[0].data(), p[1].data(), p[2].data(), alignment, width);
               }});
    AddMethod({1073, {1080, 1081, 1082, 1118, 1119, 1120}, {1080, 1081, 1082}, {},
               [](IToolDocument& document, const std::vector<PlanePoint>& p, const std::vector<double>&,
                  int alignment, double width) {
                   document.CreateArcByThreePoints(p[0].data(), p[1].data(), p[2].data(), alignment, width);
               }});
    Radios({{ARC_METHOD, "Center / Radius / Angle"}, {1072, "Center / Start / End"}, {1073, "Start / Second / End"}});
    Edit(1074, "Center Point", 1112);
    Edit(1075, "Radius", 1113);
    Edit(1076, "Angle", 1114);
    Edit(1077, "Center Point", 1115);
    Edit(1078, "Start Point", 1116);
    Edit(1079, "End Point", 1117);
    Edit(1080, "Start Point", 1118);
    Edit(1081, "Second Point", 1119);
    Edit(1082, "End Point", 1120);
    LayOutAlignmentAndWidth();
}

CCToolCreateEllipse::CCToolCreateEllipse()
{
    AddPointFields(*this, {{1091, 10020}});
    AddReal(1092, 0.0, NamedField::XRadius, CLEARS_PICK_CODE);
    AddReal(1093, 0.0, std::nullopt, CLEARS_PICK_CODE);
    AddWidthField(false);
    AddMethod({0, {1091}, {1091}, {1092, 1093},
               [](IToolDocument& document, const std::vector<PlanePoint>& p, const std::vector<double>& n,
                  int alignment, double width) {
                   document.CreateEllipse(p[0].data(), n[0], n[1], alignment, width);
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
                     [](IToolDocument& document, const std::vector<PlanePoint>& p, const std::vector<double>&,
                        int alignment, double width) {
                         document.CreateQuadraticCurve(p[0].data(), p[1].data(), p[2].data(), alignment, width);
                     });
}

CCToolCreateCubic::CCToolCreateCubic()
{
    AddControlPoints({{1094, 10024}, {1095, 10025}, {1096, 10026}, {1097, 10027}},
                     [](IToolDocument& document, const std::vector<PlanePoint>& p, const std::vector<double>&,
                        int alignment, double width) {
                         document.CreateCubicCurve(p[0].data(), p[1].data(), p[2].data(), p[3].data(), alignment,
                                                   width);
                     });
}

CCToolCreateBezier::CCToolCreateBezier()
{
    AddControlPoints({{1108, 10028}, {1109, 10029}, {1110, 10030}, {1111, 10031}},
                     [](IToolDocument& document, const std::vector<PlanePoint>& p, const std::vector<double>&,
                        int alignment, double width) {
                         document.CreateBezierCurve(p[0].data(), p[1].data(), p[2].data(), p[3].data(), alignment,
                                                    width);
                     });
}
