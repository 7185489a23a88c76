// The document's curve commands: every change redraws the views; picks and
// queries only read the model.

#include "frame/TarvokrtDoc.h"

namespace {
// Circles and arcs made through the document start on the UCS x-axis.
constexpr double kStartAngle = 0.0;
}  // namespace

bool CTarvokrtDoc::CreateLine(const double point1[2], const double point2[2], int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CreateLine(point1, point2, alignment, width)); }
bool CTarvokrtDoc::CreateRectangle(const double corner1[2], const double corner2[2], int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CreateRectangle(corner1, corner2, alignment, width)); }
bool CTarvokrtDoc::CreateCircle(const double center[2], double radius, int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CreateCircle(center, radius, alignment, width, kStartAngle)); }
bool CTarvokrtDoc::CreateCircleByTwoPoints(const double point1[2], const double point2[2], int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CreateCircleByTwoPoints(point1, point2, alignment, width)); }
bool CTarvokrtDoc::CreateCircleByThreePoints(const double p1[2], const double p2[2], const double p3[2], int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CreateCircleByThreePoints(p1, p2, p3, alignment, width)); }
bool CTarvokrtDoc::CreateArc(const double center[2], double radius, double angle, int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CreateArc(center, radius, angle, alignment, width, kStartAngle)); }
bool CTarvokrtDoc::CreateArcByCenterStartEnd(const double center[2], const double start[2], const double end[2], int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CreateArcByCenterStartEnd(center, start, end, alignment, width)); }
bool CTarvokrtDoc::CreateArcByThreePoints(const double start[2], const double second[2], const double end[2], int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CreateArcByThreePoints(start, second, end, alignment, width)); }
bool CTarvokrtDoc::CreateEllipse(const double center[2], double xRadius, double yRadius, int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CreateEllipse(center, xRadius, yRadius, alignment, width)); }
bool CTarvokrtDoc::CreateQuadraticCurve(const double p1[2], const double p2[2], const double p3[2], int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CreateQuadraticCurve(p1, p2, p3, alignment, width)); }
bool CTarvokrtDoc::CreateCubicCurve(const double p1[2], const double p2[2], const double p3[2], const double p4[2], int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CreateCubicCurve(p1, p2, p3, p4, alignment, width)); }
bool CTarvokrtDoc::CreateBezierCurve(const double p1[2], const double p2[2], const double p3[2], const double p4[2], int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CreateBezierCurve(p1, p2, p3, p4, alignment, width)); }
bool CTarvokrtDoc::CreateShortestPathLines(const std::vector<int>& curveIds, const double basePoint[2], bool splitCurve, int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CreateShortestPathLines(curveIds, basePoint, splitCurve, alignment, width)); }

bool CTarvokrtDoc::RegisterClosedLoop(const std::vector<int>& curveIds) { return AfterCommand(AfterStep::Redraw, model_->RegisterClosedLoop(curveIds)); }
bool CTarvokrtDoc::UnregisterClosedLoops(const std::vector<int>& closedLoopIds) { return AfterCommand(AfterStep::Redraw, model_->UnregisterClosedLoops(closedLoopIds)); }
bool CTarvokrtDoc::IntersectCurves(std::vector<int> curveIds, bool splitCurves) { return AfterCommand(AfterStep::Redraw, model_->IntersectCurves(std::move(curveIds), splitCurves, true)); }
bool CTarvokrtDoc::DeleteCurves(std::vector<int> curveIds, bool deletePoints) { return AfterCommand(AfterStep::Redraw, model_->DeleteCurves(std::move(curveIds), deletePoints, true)); }
bool CTarvokrtDoc::ConvertCurveWidths(std::vector<int> curveIds, bool startEndSides, bool leftRightSides, bool deleteSourceCurve) { return AfterCommand(AfterStep::Redraw, model_->ConvertCurveWidths(std::move(curveIds), startEndSides, leftRightSides, deleteSourceCurve)); }
bool CTarvokrtDoc::MergeCurves(std::vector<int> curveIds) { return AfterCommand(AfterStep::Redraw, model_->MergeCurves(std::move(curveIds))); }
bool CTarvokrtDoc::SplitCurve(int curveId, const std::vector<int>& pointIds) { return AfterCommand(AfterStep::Redraw, model_->SplitCurve(curveId, &pointIds)); }
bool CTarvokrtDoc::ReverseCurves(const std::vector<int>& curveIds, bool swapLeftRight) { return AfterCommand(AfterStep::Redraw, model_->ReverseCurves(&curveIds, swapLeftRight)); }
bool CTarvokrtDoc::ChangeCurveWidths(const std::vector<int>& curveIds, bool changeAlignment, int alignment, bool changeWidth, double width) { return AfterCommand(AfterStep::Redraw, model_->ChangeCurveWidths(&curveIds, changeAlignment, alignment, changeWidth, width)); }
bool CTarvokrtDoc::TranslateCurves(std::vector<int> curveIds, double dx, double dy) { return AfterCommand(AfterStep::Redraw, model_->TranslateCurves(std::move(curveIds), dx, dy)); }
bool CTarvokrtDoc::CopyCurvesByTranslation(const std::vector<int>& curveIds, double dx, double dy, int times, bool connectByLine, int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CopyCurvesByTranslation(curveIds, dx, dy, times, connectByLine, alignment, width)); }
bool CTarvokrtDoc::RotateCurves(std::vector<int> curveIds, const double origin[2], double angle) { return AfterCommand(AfterStep::Redraw, model_->RotateCurves(std::move(curveIds), origin, angle)); }
bool CTarvokrtDoc::CopyCurvesByRotation(const std::vector<int>& curveIds, const double origin[2], double angle, int times, bool connectByLine, int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CopyCurvesByRotation(curveIds, origin, angle, times, connectByLine, alignment, width)); }
bool CTarvokrtDoc::MirrorCurves(std::vector<int> curveIds, const double linePoint1[2], const double linePoint2[2]) { return AfterCommand(AfterStep::Redraw, model_->MirrorCurves(std::move(curveIds), linePoint1, linePoint2)); }
bool CTarvokrtDoc::CopyCurvesByMirroring(const std::vector<int>& curveIds, const double linePoint1[2], const double linePoint2[2], bool connectByLine, int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CopyCurvesByMirroring(curveIds, linePoint1, linePoint2, connectByLine, alignment, width)); }
bool CTarvokrtDoc::FilletCurves(int curveId1, int curveId2, double radius, int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->FilletCurves(curveId1, curveId2, radius, alignment, width)); }
bool CTarvokrtDoc::ExtendCurves(int baseCurveId, std::vector<int> curveIds, bool splitCurve) { return AfterCommand(AfterStep::Redraw, model_->ExtendCurves(baseCurveId, std::move(curveIds), splitCurve)); }
bool CTarvokrtDoc::ScaleLines(std::vector<int> curveIds, double ratio) { return AfterCommand(AfterStep::Redraw, model_->ScaleLines(std::move(curveIds), ratio)); }
void CTarvokrtDoc::PickCurvesByWidth(double width, std::vector<int>* result) { model_->PickCurvesByWidth(width, result); }
void CTarvokrtDoc::PickCurvesByAlignment(int alignment, std::vector<int>* result) { model_->PickCurvesByAlignment(alignment, result); }
void CTarvokrtDoc::PickCurvesOfClosedLoop(int loopId, std::vector<int>* result) { model_->PickCurvesOfClosedLoop(loopId, result); }
void CTarvokrtDoc::PickCurvesOfSection(int sectionId, std::vector<int>* result) { model_->PickCurvesOfSection(sectionId, result); }
bool CTarvokrtDoc::QueryCurve(int curveId) { return model_->QueryCurve(curveId); }
