// The document's point commands: every change redraws the views; picks and
// queries only read the model.

#include "frame/TarvokrtDoc.h"

bool CTarvokrtDoc::CreatePointByCoordinate(const double xy[2]) { return AfterCommand(AfterStep::Redraw, model_->CreatePointByCoordinate(xy)); }
bool CTarvokrtDoc::CreatePointsOnCurvesByRatio(const std::vector<int>& curveIds, double ratio, bool splitCurve) { return AfterCommand(AfterStep::Redraw, model_->CreatePointsOnCurvesByRatio(curveIds, ratio, splitCurve)); }
bool CTarvokrtDoc::CreatePointsOnCurvesByInterpolation(const std::vector<int>& curveIds, int numberOfPoints, double spacing, bool splitCurve) { return AfterCommand(AfterStep::Redraw, model_->CreatePointsOnCurvesByInterpolation(curveIds, numberOfPoints, spacing, splitCurve)); }
bool CTarvokrtDoc::CreatePointBetweenPointsByRatio(int pointId1, int pointId2, double ratio) { return AfterCommand(AfterStep::Redraw, model_->CreatePointBetweenPointsByRatio(pointId1, pointId2, ratio)); }
bool CTarvokrtDoc::CreatePointsBetweenPointsByInterpolation(int pointId1, int pointId2, int numberOfPoints, double spacing) { return AfterCommand(AfterStep::Redraw, model_->CreatePointsBetweenPointsByInterpolation(pointId1, pointId2, numberOfPoints, spacing)); }
bool CTarvokrtDoc::TranslatePoints(std::vector<int> pointIds, double dx, double dy) { return AfterCommand(AfterStep::Redraw, model_->TranslatePoints(std::move(pointIds), dx, dy)); }
bool CTarvokrtDoc::CopyPointsByTranslation(const std::vector<int>& pointIds, double dx, double dy, int times, bool connectByLine, int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CopyPointsByTranslation(pointIds, dx, dy, times, connectByLine, alignment, width)); }
bool CTarvokrtDoc::RotatePoints(std::vector<int> pointIds, const double origin[2], double angle) { return AfterCommand(AfterStep::Redraw, model_->RotatePoints(std::move(pointIds), origin, angle)); }
bool CTarvokrtDoc::CopyPointsByRotation(const std::vector<int>& pointIds, const double origin[2], double angle, int times, bool connectByLine, int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CopyPointsByRotation(pointIds, origin, angle, times, connectByLine, alignment, width)); }
bool CTarvokrtDoc::MirrorPoints(std::vector<int> pointIds, const double linePoint1[2], const double linePoint2[2]) { return AfterCommand(AfterStep::Redraw, model_->MirrorPoints(std::move(pointIds), linePoint1, linePoint2)); }
bool CTarvokrtDoc::CopyPointsByMirroring(const std::vector<int>& pointIds, const double linePoint1[2], const double linePoint2[2], bool connectByLine, int alignment, double width) { return AfterCommand(AfterStep::Redraw, model_->CopyPointsByMirroring(pointIds, linePoint1, linePoint2, connectByLine, alignment, width)); }
bool CTarvokrtDoc::EqualizePoints(std::vector<int> pointIds, bool atCoordinate, const double xy[2], bool deleteRedundancies) { return AfterCommand(AfterStep::Redraw, model_->EqualizePoints(std::move(pointIds), atCoordinate, xy, deleteRedundancies, true)); }
bool CTarvokrtDoc::EqualizePointsInTolerance(std::vector<int> pointIds, double tolerance, bool atCoordinate, const double xy[2], bool deleteRedundancies) { return AfterCommand(AfterStep::Redraw, model_->EqualizePointsInTolerance(std::move(pointIds), tolerance, atCoordinate, xy, deleteRedundancies, true)); }
bool CTarvokrtDoc::DeletePoints(std::vector<int> pointIds) { return AfterCommand(AfterStep::Redraw, model_->DeletePoints(std::move(pointIds), true)); }
void CTarvokrtDoc::PickCentroidPointsOfSections(const std::vector<int>& sectionIds, std::vector<int>* result) { model_->PickCentroidPointsOfSections(sectionIds, result); }
void CTarvokrtDoc::PickPointsOfCurve(int curveId, std::vector<int>* result) { model_->PickPointsOfCurve(curveId, result); }
void CTarvokrtDoc::PickPointsOfClosedLoop(int loopId, std::vector<int>* result) { model_->PickPointsOfClosedLoop(loopId, result); }
void CTarvokrtDoc::PickPointsOfSection(int sectionId, std::vector<int>* result) { model_->PickPointsOfSection(sectionId, result); }
bool CTarvokrtDoc::QueryPoint(int pointId) { return model_->QueryPoint(pointId); }
