// Point > Translate, Rotate and Mirror, each moving the chosen points or
// making copies of them (optionally joined to their sources by lines).

#include "commands/CreationSupport.h"
#include "commands/IdLists.h"
#include "commands/TransformSupport.h"
#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/UnchangedActionGuard.h"

namespace {

const TransformTexts kTranslation = TransformTextsFor("Translate", "translation", "point");
const TransformTexts kRotation = TransformTextsFor("Rotate", "rotation", "point");
const TransformTexts kMirroring = TransformTextsFor("Mirror", "mirroring", "point");

// The Move mode: section points are skipped, closed loops move whole.
bool MovePoints(CSectModel& model, std::vector<int> pointIds, const TransformTexts& texts,
                const PlacePoint& place)
{
    DropRepeatedIds(pointIds);
    if (!AllPointsExist(model, pointIds))
        return false;
    if (model.RemoveSectionPoints(pointIds))
        model.m_reporter.ShowInfo("Point belonging to the section will be skipped in this operation.");
    if (pointIds.empty())
        return false;
    if (!model.AreClosedLoopPointsComplete(pointIds)) {
        return model.m_reporter.ShowWarning("Some points belonging to the same closed loop is not selected.\n\n"
                                            "The entire points of the same closed loop should be selected.");
    }

    const int count = static_cast<int>(pointIds.size());
    const UnchangedActionGuard noEmptyStep(model);
    model.BeginUndoAction();
    model.SetUndoActionTitle(CountedText(texts.titleOne, texts.titleMany, count));
    for (int id : pointIds) {
        T_POINT_D* point = model.FindPoint(id);
        model.SavePointForUndo(point, false);
        place(point->xy, 1);
    }
    model.NotePointsMoved();
    if (noEmptyStep.ReportIfNothingChanged(texts.keptInPlace))
        return true;
    model.m_reporter.PrintOutput(CountedText(texts.movedOne, texts.movedMany, count));
    return true;
}

// The Copy mode: each point's copies form a chain from the source, joined by
// new lines on request. A copy that falls on an existing point uses it.
bool CopyPoints(CSectModel& model, std::vector<int> pointIds, int times, bool connectByLine, int alignment,
                double width, const TransformTexts& texts, const PlacePoint& place)
{
    DropRepeatedIds(pointIds);
    if (pointIds.empty() || !AllPointsExist(model, pointIds))
        return false;
    const int count = static_cast<int>(pointIds.size());
    const int mostNew = SaturatingProduct(count, times);
    if (!model.CheckIdLimit(IdKind::Point, mostNew) || (connectByLine && !model.CheckIdLimit(IdKind::Curve, mostNew)))
        return false;

    const UnchangedActionGuard noEmptyStep(model);
    model.BeginUndoAction();
    model.SetUndoActionTitle(CountedText(texts.titleOne, texts.titleMany, count));
    std::vector<int> previous = pointIds;
    std::vector<int> newPoints;
    std::vector<int> newCurves;
    for (int k = 1; k <= times; ++k) {
        for (size_t i = 0; i < pointIds.size(); ++i) {
            const int sourceId = pointIds[i];
            double position[2];
            CopyPoint2(model.FindPoint(sourceId)->xy, position);
            place(position, k);
            int copyId = model.FindPointAt(position);
            if (copyId == sourceId) {
                // The copy falls back on its source (a point at the rotation
                // origin or on the mirror line, or a full turn).
                previous[i] = sourceId;
                continue;
            }
            // A copy on the previous copy of the same point would need a line
            // from a point to itself.
            if (copyId != 0 && copyId == previous[i])
                continue;
            if (copyId == 0) {
                copyId = AddNewPoint(model, position);
                newPoints.push_back(copyId);
                model.RecordCreatedPoint(copyId, false);
            }
            if (connectByLine) {
                auto curve = NewCurveRecord(model, alignment, width);
                curve->pointIds = {previous[i], copyId};
                const int curveId = curve->id;
                model.m_curves[curveId] = std::move(curve);
                newCurves.push_back(curveId);
                model.RecordCreatedCurve(curveId, false);
                previous[i] = copyId;
            }
        }
    }
    if (!newCurves.empty())
        model.AddNewcomerCurves(newCurves, true);
    if (!newPoints.empty())
        model.AddNewcomerPoints(newPoints, true);
    if (noEmptyStep.ReportIfNothingChanged("every copy falls on an existing point"))
        return true;
    model.m_reporter.PrintOutput(CountedText(texts.copiedOne, texts.copiedMany, count));
    return true;
}

} // namespace

bool CSectModel::TranslatePoints(std::vector<int> pointIds, double dx, double dy)
{
    if (!CheckInterval(*this, dx, dy))
        return false;
    return MovePoints(*this, std::move(pointIds), kTranslation, TranslationInWorkUcs(*this, dx, dy));
}

bool CSectModel::CopyPointsByTranslation(const std::vector<int>& pointIds, double dx, double dy, int times,
                                         bool connectByLine, int alignment, double width)
{
    if (!CheckTimes(*this, times) || !CheckInterval(*this, dx, dy))
        return false;
    return CopyPoints(*this, pointIds, times, connectByLine, alignment, width, kTranslation,
                      TranslationInWorkUcs(*this, dx, dy));
}

bool CSectModel::RotatePoints(std::vector<int> pointIds, const double origin[2], double angle)
{
    if (!CheckRotationAngle(*this, angle))
        return false;
    return MovePoints(*this, std::move(pointIds), kRotation, RotationInWorkUcs(*this, origin, angle));
}

bool CSectModel::CopyPointsByRotation(const std::vector<int>& pointIds, const double origin[2], double angle,
                                      int times, bool connectByLine, int alignment, double width)
{
    if (!CheckTimes(*this, times) || !CheckRotationAngle(*this, angle))
        return false;
    if (times * angle > 360.0)
        return m_reporter.ShowWarning("Total rotation angle cannnot be greater than 360 [degree].");
    return CopyPoints(*this, pointIds, times, connectByLine, alignment, width, kRotation,
                      RotationInWorkUcs(*this, origin, angle));
}

bool CSectModel::MirrorPoints(std::vector<int> pointIds, const double linePoint1[2], const double linePoint2[2])
{
    if (!CheckMirrorLine(*this, linePoint1, linePoint2))
        return false;
    return MovePoints(*this, std::move(pointIds), kMirroring, MirroringInWorkUcs(*this, linePoint1, linePoint2));
}

bool CSectModel::CopyPointsByMirroring(const std::vector<int>& pointIds, const double linePoint1[2],
                                       const double linePoint2[2], bool connectByLine, int alignment, double width)
{
    if (!CheckMirrorLine(*this, linePoint1, linePoint2))
        return false;
    return CopyPoints(*this, pointIds, 1, connectByLine, alignment, width, kMirroring,
                      MirroringInWorkUcs(*this, linePoint1, linePoint2));
}
