// Curve > Translate, Rotate and Mirror: moving the chosen curves, or making
// copies of them, optionally joined to their sources by lines.

#include "commands/CreationSupport.h"
#include "commands/IdLists.h"
#include "commands/TransformSupport.h"
#include "model/Geometry.h"
#include "model/SectModel.h"
#include "model/UnchangedActionGuard.h"

#include <cmath>
#include <unordered_map>

namespace {

const TransformTexts kTranslation = TransformTextsFor("Translate", "translation", "curve");
const TransformTexts kRotation = TransformTextsFor("Rotate", "rotation", "curve");
const TransformTexts kMirroring = TransformTextsFor("Mirror", "mirroring", "curve");

struct CurveTransform {
    const TransformTexts& texts;
    PlacePoint place;
    bool mirrors;
};

// A mirror image runs round the other way, so the band of a LEFT or RIGHT
// curve keeps its place only when the side changes too.
int AlignmentAfter(const CurveTransform& transform, int alignment)
{
    if (!transform.mirrors)
        return alignment;
    if (alignment == ALIGN_LEFT)
        return ALIGN_RIGHT;
    if (alignment == ALIGN_RIGHT)
        return ALIGN_LEFT;
    return alignment;
}

int Count(const std::vector<int>& ids)
{
    return static_cast<int>(ids.size());
}

// The distinct points of the curves, ascending.
std::vector<int> PointsOfCurves(const CSectModel& model, const std::vector<int>& curveIds)
{
    std::vector<int> pointIds;
    for (int curveId : curveIds) {
        const std::vector<int>& ids = model.FindCurve(curveId)->pointIds;
        pointIds.insert(pointIds.end(), ids.begin(), ids.end());
    }
    SortUniqueIds(pointIds);
    return pointIds;
}

// The first and last points of the curves, ascending, each once.
std::vector<int> EndPointsOfCurves(const CSectModel& model, const std::vector<int>& curveIds)
{
    std::vector<int> ends;
    for (int curveId : curveIds) {
        const std::vector<int>& ids = model.FindCurve(curveId)->pointIds;
        if (!ids.empty()) {
            ends.push_back(ids.front());
            ends.push_back(ids.back());
        }
    }
    SortUniqueIds(ends);
    return ends;
}

// The Move mode. Curves of sections stay; closed loops move whole; a point
// that a curve outside the list (or a calculated section's centroid) keeps is
// left behind, and the listed curves take a copy of it that moves.
bool MoveCurves(CSectModel& model, std::vector<int> curveIds, const CurveTransform& transform)
{
    DropRepeatedIds(curveIds);
    if (model.RemoveSectionCurves(curveIds))
        model.m_reporter.ShowInfo("Curve belonging to the section will be skipped in this operation.");
    if (curveIds.empty())
        return false;
    if (!model.AreClosedLoopsComplete(curveIds)) {
        return model.m_reporter.ShowWarning("Not all curves belonging to the same closed loop are selected.\n\n"
                                            "All curves of the same closed loop should be moved together.");
    }
    if (!CurvesAndTheirPointsExist(model, curveIds))
        return false;
    std::vector<int> pointIds = PointsOfCurves(model, curveIds);
    // At most every point is left behind.
    if (!model.CheckIdLimit(IdKind::Point, Count(pointIds)))
        return false;

    const int count = Count(curveIds);
    const UnchangedActionGuard noEmptyStep(model);
    model.BeginUndoAction();
    model.SetUndoActionTitle(CountedText(transform.texts.titleOne, transform.texts.titleMany, count));
    std::unordered_map<int, int> copyOf;
    std::vector<int> copyIds;
    for (const PointCopy& copy : model.DetachPointsOfMovingCurves(curveIds, {}, pointIds)) {
        copyOf[copy.originalId] = copy.copyId;
        copyIds.push_back(copy.copyId);
    }
    for (int& pointId : pointIds) {
        if (const auto copy = copyOf.find(pointId); copy != copyOf.end())
            pointId = copy->second;
        T_POINT_D* point = model.FindPoint(pointId);
        model.SavePointForUndo(point, false);
        transform.place(point->xy, 1);
    }
    for (int curveId : curveIds) {
        T_CURVE_D* curve = model.FindCurve(curveId);
        const int alignment = AlignmentAfter(transform, curve->alignment);
        if (alignment != curve->alignment) {
            model.SaveCurveForUndo(curve, false);
            curve->alignment = alignment;
        }
    }
    if (!copyIds.empty())
        model.AddNewcomerPoints(copyIds, true);
    if (noEmptyStep.ReportIfNothingChanged(transform.texts.keptInPlace))
        return true;
    model.m_reporter.PrintOutput(CountedText(transform.texts.movedOne, transform.texts.movedMany, count));
    return true;
}

// The lines that join each end point to its successive images.
struct ConnectingLines {
    bool wanted;
    int alignment;
    double width;
};

// Makes the copies of one command inside its open action and lists what is new.
class CurveCopier {
public:
    CurveCopier(CSectModel& model, const CurveTransform& transform) : model_(model), transform_(transform) {}

    // Copy k of every listed curve; returns the images of the end points.
    std::vector<int> MakeCopy(const std::vector<int>& curveIds, int k, const std::vector<int>& endPointIds)
    {
        images_.clear();
        for (int curveId : curveIds) {
            const T_CURVE_D& source = *model_.FindCurve(curveId);
            auto copy = NewCurveRecord(model_, AlignmentAfter(transform_, source.alignment), source.width);
            copy->pointIds.reserve(source.pointIds.size());
            for (int pointId : source.pointIds)
                copy->pointIds.push_back(ImageOf(pointId, k));
            AddCurve(std::move(copy));
        }
        std::vector<int> endImages;
        endImages.reserve(endPointIds.size());
        for (int pointId : endPointIds)
            endImages.push_back(images_.at(pointId));
        return endImages;
    }

    // Each end point's chain of lines through its images, copy by copy. An
    // image on the end point itself (on the centre or the mirror line) or on
    // the chain's last point needs no line; the chain goes on from where it is.
    void Connect(const std::vector<int>& endPointIds, const std::vector<std::vector<int>>& endImagesByCopy,
                 const ConnectingLines& lines)
    {
        std::vector<int> previous = endPointIds;
        for (const std::vector<int>& endImages : endImagesByCopy) {
            for (size_t i = 0; i < endPointIds.size(); ++i) {
                const int image = endImages[i];
                if (image == endPointIds[i] || image == previous[i])
                    continue;
                auto line = NewCurveRecord(model_, lines.alignment, lines.width);
                line->pointIds = {previous[i], image};
                AddCurve(std::move(line));
                previous[i] = image;
            }
        }
    }

    void FillNewcomerLists() const
    {
        if (!newCurves_.empty())
            model_.AddNewcomerCurves(newCurves_, true);
        if (!newPoints_.empty())
            model_.AddNewcomerPoints(newPoints_, true);
    }

private:
    // Within one copy every point has one image: the first existing point at
    // its place, else a new point.
    int ImageOf(int pointId, int k)
    {
        if (const auto found = images_.find(pointId); found != images_.end())
            return found->second;
        double target[2];
        CopyPoint2(model_.FindPoint(pointId)->xy, target);
        transform_.place(target, k);
        int imageId = model_.FindPointAt(target);
        if (imageId == 0) {
            imageId = AddNewPoint(model_, target);
            model_.RecordCreatedPoint(imageId, false);
            newPoints_.push_back(imageId);
        }
        images_[pointId] = imageId;
        return imageId;
    }

    void AddCurve(std::unique_ptr<T_CURVE_D> curve)
    {
        const int id = curve->id;
        model_.m_curves[id] = std::move(curve);
        model_.RecordCreatedCurve(id, false);
        newCurves_.push_back(id);
    }

    CSectModel& model_;
    const CurveTransform& transform_;
    std::unordered_map<int, int> images_;  // of the copy being made, by source point
    std::vector<int> newPoints_;
    std::vector<int> newCurves_;
};

// The Copy mode. Any curve is copied, those of sections and closed loops too;
// the copies belong to neither. Copies are numbered copy by copy in list
// order, then the connecting lines copy by copy in ascending end point.
bool CopyCurves(CSectModel& model, std::vector<int> curveIds, int times, const ConnectingLines& lines,
                const CurveTransform& transform)
{
    DropRepeatedIds(curveIds);
    if (!CurvesAndTheirPointsExist(model, curveIds))
        return false;
    const std::vector<int> endPointIds = EndPointsOfCurves(model, curveIds);
    const int lineEnds = lines.wanted ? Count(endPointIds) : 0;
    const int pointCount = Count(PointsOfCurves(model, curveIds));
    if (!model.CheckIdLimit(IdKind::Curve, SaturatingProduct(times, Count(curveIds) + lineEnds))
        || !model.CheckIdLimit(IdKind::Point, SaturatingProduct(times, pointCount + lineEnds)))
        return false;

    const int count = Count(curveIds);
    const UnchangedActionGuard noEmptyStep(model);
    model.BeginUndoAction();
    model.SetUndoActionTitle(CountedText(transform.texts.titleOne, transform.texts.titleMany, count));
    CurveCopier copier(model, transform);
    // A connecting line's end is the point a lookup at the end point's image
    // finds, which is the image its copy took: nothing moves in between and
    // later points have higher ids.
    std::vector<std::vector<int>> endImagesByCopy;
    for (int k = 1; k <= times; ++k) {
        std::vector<int> endImages = copier.MakeCopy(curveIds, k, endPointIds);
        if (lines.wanted)
            endImagesByCopy.push_back(std::move(endImages));
    }
    if (lines.wanted)
        copier.Connect(endPointIds, endImagesByCopy, lines);
    copier.FillNewcomerLists();
    // Every listed curve is copied, so only an empty list makes nothing.
    if (noEmptyStep.ReportIfNothingChanged("no curve is given"))
        return true;
    model.m_reporter.PrintOutput(CountedText(transform.texts.copiedOne, transform.texts.copiedMany, count));
    return true;
}

} // namespace

bool CSectModel::TranslateCurves(std::vector<int> curveIds, double dx, double dy)
{
    if (!CheckInterval(*this, dx, dy))
        return false;
    return MoveCurves(*this, std::move(curveIds), {kTranslation, TranslationInWorkUcs(*this, dx, dy), false});
}

bool CSectModel::RotateCurves(std::vector<int> curveIds, const double origin[2], double angle)
{
    if (!CheckRotationAngle(*this, angle))
        return false;
    return MoveCurves(*this, std::move(curveIds), {kRotation, RotationInWorkUcs(*this, origin, angle), false});
}

bool CSectModel::MirrorCurves(std::vector<int> curveIds, const double linePoint1[2], const double linePoint2[2])
{
    if (!CheckMirrorLine(*this, linePoint1, linePoint2))
        return false;
    return MoveCurves(*this, std::move(curveIds),
                      {kMirroring, MirroringInWorkUcs(*this, linePoint1, linePoint2), true});
}

bool CSectModel::CopyCurvesByTranslation(const std::vector<int>& curveIds, double dx, double dy, int times,
                                         bool connectByLine, int alignment, double width)
{
    if (!CheckTimes(*this, times) || !CheckInterval(*this, dx, dy))
        return false;
    return CopyCurves(*this, curveIds, times, {connectByLine, alignment, width},
                      {kTranslation, TranslationInWorkUcs(*this, dx, dy), false});
}

bool CSectModel::CopyCurvesByRotation(const std::vector<int>& curveIds, const double origin[2], double angle,
                                      int times, bool connectByLine, int alignment, double width)
{
    if (!CheckTimes(*this, times) || !CheckRotationAngle(*this, angle))
        return false;
    // Either way round, the copies may not pass a full turn.
    if (std::fabs(times * angle) > 360.0)
        return m_reporter.ShowWarning("Total rotation angle cannnot be greater than 360 [degree].");
    return CopyCurves(*this, curveIds, times, {connectByLine, alignment, width},
                      {kRotation, RotationInWorkUcs(*this, origin, angle), false});
}

bool CSectModel::CopyCurvesByMirroring(const std::vector<int>& curveIds, const double linePoint1[2],
                                       const double linePoint2[2], bool connectByLine, int alignment, double width)
{
    if (!CheckMirrorLine(*this, linePoint1, linePoint2))
        return false;
    return CopyCurves(*this, curveIds, 1, {connectByLine, alignment, width},
                      {kMirroring, MirroringInWorkUcs(*this, linePoint1, linePoint2), true});
}
