// Section > Translate and Rotate: whole sections moved rigidly, with the
// model curves they were generated from. Translation keeps calculated
// properties, moving the centroid point along; rotation invalidates them.

#include "commands/TransformChecks.h"
#include "model/Geometry.h"
#include "model/InvalidationNotice.h"
#include "model/TextFormat.h"
#include "sections/SectionMoves.h"

namespace {

struct SectionMoveTexts {
    const char* titleOne;
    const char* titleMany;
    const char* movedOne;
    const char* movedMany;
};

constexpr SectionMoveTexts kTranslation{"Translate 1 section", "Translate %d sections",
                                        "1 section is moved by translation.", "%d sections are moved by translation."};
constexpr SectionMoveTexts kRotation{"Rotate 1 section", "Rotate %d sections", "1 section is moved by rotation.",
                                     "%d sections are moved by rotation."};

using PointTransform = std::function<void(double xy[2])>;

// The steps both commands share. A translation carries calculated sections'
// centroid points along; a rotation invalidates calculated sections instead.
bool MoveSections(CSectModel& model, const std::vector<int>& sectionIds, bool translation,
                  const SectionMoveTexts& texts, const PointTransform& transform)
{
    MovingSectionGeometry geometry;
    if (!CollectMovingSectionGeometry(model, sectionIds, geometry))
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
    // A displacement has no origin: only the work UCS's turn applies.
    double displacement[2] = {dx, dy};
    RotatePoint(displacement, GetCurrentUcs()->angle);
    return MoveSections(*this, *sectionIds, true, kTranslation, [&displacement](double xy[2]) {
        TranslatePoint(xy, displacement[0], displacement[1]);
    });
}

bool CSectModel::RotateSections(std::vector<int> sectionIds, const double origin[2], double angle)
{
    if (!CheckRotationAngle(*this, angle))
        return false;
    double globalOrigin[2];
    GetCurrentUcs()->ToGlobal(origin, globalOrigin);
    return MoveSections(*this, sectionIds, false, kRotation, [&globalOrigin, angle](double xy[2]) {
        RotatePointAbout(xy, globalOrigin, angle);
    });
}
