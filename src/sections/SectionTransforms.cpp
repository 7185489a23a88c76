// Section > Translate and Rotate: whole sections moved rigidly, with the
// model curves they were generated from. Translation keeps calculated
// properties, moving the centroid point along; rotation invalidates them.

#include "commands/TransformSupport.h"
#include "model/InvalidationNotice.h"
#include "sections/SectionMoves.h"

namespace {

const TransformTexts kTranslation = TransformTextsFor("Translate", "translation", "section");
const TransformTexts kRotation = TransformTextsFor("Rotate", "rotation", "section");

using PointTransform = std::function<void(double xy[2])>;

// The steps both commands share. A translation carries calculated sections'
// centroid points along; a rotation invalidates calculated sections instead.
bool MoveSections(CSectModel& model, const std::vector<int>& sectionIds, bool translation,
                  const TransformTexts& texts, const PointTransform& transform)
{
    SectionGeometry geometry;
    if (!CollectSectionGeometry(model, sectionIds, geometry))
        return false;
    if (!model.CheckIdLimit(IdKind::Point, MostDetachedPoints(model, geometry, translation)))
        return false;

    const int count = static_cast<int>(geometry.sectionIds.size());
    model.BeginUndoAction();
    model.SetUndoActionTitle(CountedText(texts.titleOne, texts.titleMany, count));
    const std::vector<int> created = DetachMovingSections(model, geometry, translation);

    const std::set<int> curvePoints(geometry.pointIds.begin(), geometry.pointIds.end());
    std::set<int> movedCentroids;
    int invalidated = 0;
    for (int id : geometry.sectionIds) {
        T_SECTION_D* section = model.FindSection(id);
        MoveSectionOwnGeometry(model, *section, translation, curvePoints, movedCentroids, transform);
        if (!translation && section->propertiesCalculated) {
            model.InvalidateSectionProperties(section);
            ++invalidated;
        }
    }
    MoveModelPoints(model, geometry.pointIds, transform);

    ReportInvalidatedSections(model.m_reporter, invalidated, "");
    if (!created.empty())
        model.AddNewcomerPoints(created, true);
    model.m_reporter.PrintOutput(CountedText(texts.movedOne, texts.movedMany, count));
    return true;
}

} // namespace

bool CSectModel::TranslateSections(const std::vector<int>* sectionIds, double dx, double dy)
{
    if (!CheckInterval(*this, dx, dy))
        return false;
    const PlacePoint place = TranslationInWorkUcs(*this, dx, dy);
    return MoveSections(*this, *sectionIds, true, kTranslation, [&place](double xy[2]) { place(xy, 1); });
}

bool CSectModel::RotateSections(std::vector<int> sectionIds, const double origin[2], double angle)
{
    if (!CheckRotationAngle(*this, angle))
        return false;
    const PlacePoint place = RotationInWorkUcs(*this, origin, angle);
    return MoveSections(*this, sectionIds, false, kRotation, [&place](double xy[2]) { place(xy, 1); });
}
