// Mesh size and the even division counts of a plane section's curves.

#include "calc/PlaneMeshSizing.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <map>
#include <vector>

#include "calc/MeshElementLimit.h"
#include "calc/WallThickness.h"
#include "mesh/DomainBoundaryInput.h"
#include "model/Geometry.h"
#include "model/TextFormat.h"

namespace {

struct CurveShape {
    double length = 0.0;  // along its points
    int segments = 0;
};

CurveShape ShapeOf(const T_SECTION_D& section, const T_SCURVE_D& curve)
{
    CurveShape shape;
    shape.segments = static_cast<int>(curve.pointIds.size()) - 1;
    for (std::size_t i = 0; i + 1 < curve.pointIds.size(); ++i) {
        const T_POINT_D* a = section.FindPoint(curve.pointIds[i]);
        const T_POINT_D* b = section.FindPoint(curve.pointIds[i + 1]);
        if (a && b)
            shape.length += Distance(a->xy, b->xy);
    }
    return shape;
}

double LevelDivisor(int level)
{
    switch (level) {
    case 1: return 4.0;
    case 2: return 6.0;
    case 4: return 10.0;
    case 5: return 14.0;
    default: return 8.0;
    }
}

// Mean length of the straight (two-point) curves; 0 when there is none.
double MeanStraightLength(const T_SECTION_D& section)
{
    double sum = 0.0;
    int count = 0;
    for (const auto& [id, curve] : section.curves) {
        if (curve->pointIds.size() != 2)
            continue;
        const T_POINT_D* a = section.FindPoint(curve->pointIds.front());
        const T_POINT_D* b = section.FindPoint(curve->pointIds.back());
        if (a && b) {
            sum += Distance(a->xy, b->xy);
            ++count;
        }
    }
    return count == 0 ? 0.0 : sum / count;
}

// Least distance between points of two distinct closed curves (twins left
// out); 1e35 when the curves are not all closed.
double LeastGapBetweenClosedCurves(const T_SECTION_D& section)
{
    double gap = 1e35;
    for (const auto& [id, curve] : section.curves) {
        if (curve->pointIds.empty() || curve->pointIds.front() != curve->pointIds.back())
            return gap;
    }
    for (auto first = section.curves.begin(); first != section.curves.end(); ++first) {
        for (auto second = std::next(first); second != section.curves.end(); ++second) {
            if (second->second->twinCurveId == first->first)
                continue;
            const std::vector<int>& ids1 = first->second->pointIds;
            const std::vector<int>& ids2 = second->second->pointIds;
            for (std::size_t i = 0; i + 1 < ids1.size(); ++i) {
                const T_POINT_D* p = section.FindPoint(ids1[i]);
                for (std::size_t j = 0; p && j + 1 < ids2.size(); ++j) {
                    const T_POINT_D* q = section.FindPoint(ids2[j]);
                    const double d = q ? Distance(p->xy, q->xy) : 0.0;
                    if (d > 1e-6 && d < gap)
                        gap = d;
                }
            }
        }
    }
    return gap;
}

double LevelFactor(int level)
{
    switch (level) {
    case 1: return 2.0;
    case 2: return 1.5;
    case 4: return 1.0 / 1.5;
    case 5: return 0.5;
    default: return 1.0;
    }
}

// For sections without straight curves: the mean segment length, or the
// least gap between closed curves when that is smaller, scaled by the level.
double SizeFromCurvedShapes(const T_SECTION_D& section, int level)
{
    double meanSegment = 0.0;
    for (const auto& [id, curve] : section.curves) {
        const CurveShape shape = ShapeOf(section, *curve);
        if (shape.segments > 0)
            meanSegment += shape.length / shape.segments;
    }
    if (!section.curves.empty())
        meanSegment /= static_cast<double>(section.curves.size());
    const double gap = LeastGapBetweenClosedCurves(section);
    return (gap < meanSegment ? gap : meanSegment) * LevelFactor(level);
}

// Elements through a wall at each level, chosen by measuring J and the
// shear areas of thin-walled sections against independent values.
double ElementsThroughWall(int level)
{
    switch (level) {
    case 1: return 2.0;
    case 2: return 3.5;
    case 4: return 7.5;
    case 5: return 10.5;
    default: return 5.5;
    }
}

// Only walls this thin beside the section's extent count: a compact shape (a
// rectangle 2:1, an ellipse, a disc) keeps the level's own mesh, which
// already puts enough elements across it.
constexpr double kWallShareOfExtent = 0.25;

// The solid model's equations lose the twist of a wall of about 1/100,000 of
// the section's extent (a strip 1000 × 0.01 fails after minutes of work,
// one of 1/10,000 calculates): walls below this share are refused at once.
constexpr double kLeastSolvableWallShare = 1.0 / 50'000.0;

// What to do with such a wall, and with one that no mesh size resolves.
const char* const kSliverAdvice = "Redraw the section without that sliver, or model thin walls as a line section "
                                  "with widths.";

// Elements a wall's faces bring per square of their size: the mesher
// triangulates at twice the size and splits each triangle into three
// quadrilaterals (1.7), and grades the rest (measured on strips and tubes).
constexpr double kElementsPerSquareSize = 2.0;

// The larger side of the box around the section's points.
double ExtentOf(const T_SECTION_D& section)
{
    if (section.points.empty())
        return 0.0;
    const double* first = section.points.begin()->second->xy;
    double low[2] = {first[0], first[1]}, high[2] = {first[0], first[1]};
    for (const auto& [id, point] : section.points) {
        for (int axis = 0; axis < 2; ++axis) {
            low[axis] = std::min(low[axis], point->xy[axis]);
            high[axis] = std::max(high[axis], point->xy[axis]);
        }
    }
    return std::max(high[0] - low[0], high[1] - low[1]);
}

// The walls thinner than `limit` and than a quarter of the section's extent,
// by curve.
std::map<int, double> ThinWallsOfCurves(const T_SECTION_D& section, double limit)
{
    return WallsOfCurves(section, std::min(limit, kWallShareOfExtent * ExtentOf(section)));
}

double ThinnestOf(const std::map<int, double>& walls)
{
    double thinnest = 0.0;
    for (const auto& [curveId, thickness] : walls)
        thinnest = thinnest == 0.0 ? thickness : std::min(thinnest, thickness);
    return thinnest;
}

// Area of the used domains: each outline less the loops inside it.
double AreaOfUsedDomains(const T_SECTION_D& section)
{
    double area = 0.0;
    for (const auto& [id, domain] : section.domains) {
        if (!domain->used)
            continue;
        for (std::size_t i = 0; i < domain->loopIds.size(); ++i) {
            const T_LOOP_D* loop = section.FindLoop(domain->loopIds[i]);
            if (!loop)
                continue;
            double twiceArea = 0.0;
            for (int entry : loop->curveIds) {
                const T_SCURVE_D* curve = section.FindCurve(std::abs(entry));
                for (std::size_t k = 0; curve && k + 1 < curve->pointIds.size(); ++k) {
                    const T_POINT_D* from = section.FindPoint(curve->pointIds[k]);
                    const T_POINT_D* to = section.FindPoint(curve->pointIds[k + 1]);
                    if (from && to)
                        twiceArea += (entry > 0 ? 1.0 : -1.0) * (from->xy[0] * to->xy[1] - to->xy[0] * from->xy[1]);
                }
            }
            area += (i == 0 ? 0.5 : -0.5) * std::fabs(twiceArea);
        }
    }
    return area;
}

int DivisionsBySize(const CurveShape& shape, double size)
{
    const double meanSegment = shape.length / shape.segments;
    int count = RoundToInt(shape.length / size);
    if (meanSegment < size)
        count = shape.segments;
    if (meanSegment < 0.25 * size)
        count = static_cast<int>(shape.segments / 1.5);
    if (meanSegment < 0.1 * size)
        count = shape.segments / 2;
    return count == 0 ? 2 : count;
}

// Whether the [Mesh Size] option with `size` gives a mesh the mesher takes
// (no curve past its divisions) and the machine holds (within the limit).
bool SizeFits(const T_SECTION_D& section, double size, int elementLimit)
{
    if (!(size > 0.0) || kElementsPerSquareSize * AreaOfUsedDomains(section) / (size * size) > elementLimit)
        return false;
    return std::all_of(section.curves.begin(), section.curves.end(), [&](const auto& entry) {
        const CurveShape shape = ShapeOf(section, *entry.second);
        return shape.segments < 1 || DivisionsBySize(shape, size) <= kMostCurveDivisions;
    });
}

// The size that puts `through` elements through the thinnest wall, when it fits; 0 when not.
double ResolvingSize(const T_SECTION_D& section, double thinnest, double through, int elementLimit)
{
    const double size = thinnest / through;
    return SizeFits(section, size, elementLimit) ? size : 0.0;
}

// The level's size near the walls of a section. A wall that the level's size
// would cross with fewer than the level's elements gives the curves of its
// faces its thickness over those elements as their size, whatever the wall's
// length, so the mesh is fine through the wall and grades to the level's size
// away from it; every other curve keeps the level's size. When the walls would
// bring more than the element limit, all their sizes grow by one factor until
// they bring about that many.
class WallSizes {
public:
    WallSizes(const T_SECTION_D& section, double levelSize, int level, int elementLimit)
        : levelSize_(levelSize), through_(ElementsThroughWall(level)), elementLimit_(elementLimit),
          walls_(ThinWallsOfCurves(section, through_ * levelSize))
    {
        // Past `most` every face has the level's size, and growing the
        // sizes further changes nothing.
        double most = 1.0;
        for (const auto& [id, curve] : section.curves) {
            const double wall = WallBeside(*curve);
            if (wall < through_ * levelSize_) {
                faces_.push_back({ShapeOf(section, *curve).length, wall});
                most = std::max(most, through_ * levelSize_ / wall);
            }
        }
        while (coarsening_ < most && WallElements(coarsening_) > elementLimit_)
            coarsening_ *= 1.1;
    }

    double SizeOf(const T_SCURVE_D& curve, double length) const
    {
        // A wall never asks a curve for more divisions than the mesher takes.
        const double finest = length / kMostCurveDivisions;
        return std::min(levelSize_, std::max(coarsening_ * WallBeside(curve) / through_, finest));
    }

    MeshSizingNote Note(const T_SECTION_D& section) const
    {
        MeshSizingNote note;
        if (coarsening_ > 1.0) {
            note.kind = MeshSizingNote::HeldAtElementLimit;
            note.elementLimit = elementLimit_;
            note.thinnestWall = ThinnestOf(walls_);
            note.resolvingSize = ResolvingSize(section, note.thinnestWall, through_, elementLimit_);
        }
        return note;
    }

private:
    struct Face {
        double length;
        double wall;
    };

    // The elements the faces of the walls bring at their sizes grown by
    // `coarsening`: each face carries half its wall, and at least one
    // element through it.
    double WallElements(double coarsening) const
    {
        double elements = 0.0;
        for (const Face& face : faces_) {
            const double size = std::min(levelSize_, coarsening * face.wall / through_);
            elements += kElementsPerSquareSize * face.length / size * std::max(face.wall / size, 1.0) / 2.0;
        }
        return elements;
    }

    // A twin lies in the other domain, whose walls may differ: the thinner
    // counts, as both take one count.
    double WallBeside(const T_SCURVE_D& curve) const { return std::min(WallOf(curve.id), WallOf(curve.twinCurveId)); }

    double WallOf(int curveId) const
    {
        const auto wall = walls_.find(curveId);
        return wall == walls_.end() ? std::numeric_limits<double>::infinity() : wall->second;
    }

    double levelSize_;
    double through_;
    int elementLimit_;
    std::map<int, double> walls_;
    std::vector<Face> faces_;
    double coarsening_ = 1.0;
};

// A given size is the user's own and stays; a wall it puts fewer than two
// elements through is worth a note, with the size that puts the default
// level's elements through it when that size fits.
MeshSizingNote NoteOnGivenSize(const T_SECTION_D& section, double size, int elementLimit)
{
    MeshSizingNote note;
    const double thinnest = ThinnestOf(ThinWallsOfCurves(section, 2.0 * size));
    if (thinnest > 0.0) {
        note.kind = MeshSizingNote::GivenSizeTooCoarse;
        note.givenSize = size;
        note.thinnestWall = thinnest;
        note.resolvingSize = ResolvingSize(section, thinnest, ElementsThroughWall(3), elementLimit);
    }
    return note;
}

int DivisionsByLevel(const CurveShape& shape, double size, int level, double meanStraight)
{
    const double meanSegment = shape.length / shape.segments;
    const int s = shape.segments;
    if (meanSegment >= size) {
        int count = RoundToInt(shape.length / size);
        if (count < 4 && shape.length < meanStraight / 5.0)
            count = level > 3 ? 4 : 2;
        return count;
    }
    switch (level) {
    case 1:
    case 2: {
        const double limit = level == 1 ? 0.67 : 0.5;
        return meanSegment < limit * size ? static_cast<int>(s * 0.67) : s;
    }
    case 3:
    case 4: return static_cast<int>(s * 1.5);
    case 5: return s * 2;
    default: return s;
    }
}

}  // namespace

double UnsolvableWallOf(const T_SECTION_D& section)
{
    return ThinnestOf(WallsOfCurves(section, kLeastSolvableWallShare * ExtentOf(section)));
}

std::string UnsolvableWallText(const std::string& sectionName, double thickness)
{
    return FormatText("Plane section [%s] has a wall %.4g thick, too thin beside its extent for the calculation "
                      "to solve.\n\n%s",
                      sectionName.c_str(), thickness, kSliverAdvice);
}

std::vector<std::string> MeshSizingNoteLines(const MeshSizingNote& note, const std::string& sectionName)
{
    const std::string advice =
        note.resolvingSize > 0.0
            ? FormatText("  The [Mesh Size] option with %.4g would resolve that wall.", note.resolvingSize)
            : std::string("  ") + kSliverAdvice;
    switch (note.kind) {
    case MeshSizingNote::HeldAtElementLimit:
        return {FormatText("* The mesh of section [%s] is held at about %d elements: its thinnest wall (%.4g thick)",
                           sectionName.c_str(), note.elementLimit, note.thinnestWall),
                "  gets fewer elements through it than the level asks, so J and the shear areas may be high.",
                advice};
    case MeshSizingNote::GivenSizeTooCoarse:
        return {FormatText("* Mesh size %.4g puts fewer than two elements through the thinnest wall (%.4g thick)",
                           note.givenSize, note.thinnestWall),
                FormatText("  of section [%s], so J and the shear areas may be high.", sectionName.c_str()), advice};
    default: return {};
    }
}

MeshSizingNote AssignMeshDivisions(T_SECTION_D& section, int level, double meshSize)
{
    for (auto& [id, curve] : section.curves) {
        curve->meshDivisions = 0;
        curve->meshNodeIds.clear();
    }
    const bool sizeGiven = std::fabs(meshSize) > 1e-6;
    const double meanStraight = MeanStraightLength(section);
    double size = meshSize;
    if (!sizeGiven && meanStraight > 0.0)
        size = meanStraight / LevelDivisor(level);
    if (IsZero(size))
        size = SizeFromCurvedShapes(section, level);
    const int elementLimit = MeshElementLimit();
    const WallSizes wallSizes(section, sizeGiven ? 0.0 : size, level, elementLimit);

    for (auto& [id, curve] : section.curves) {
        if (curve->meshDivisions != 0)
            continue;
        const CurveShape shape = ShapeOf(section, *curve);
        if (shape.segments < 1)
            continue;
        int count = sizeGiven ? DivisionsBySize(shape, size)
                              : DivisionsByLevel(shape, wallSizes.SizeOf(*curve, shape.length), level, meanStraight);
        // A count past the most a curve may take stays as it is, and the
        // mesher refuses it.
        if (count % 2 != 0 && count < kMostCurveDivisions)
            ++count;
        curve->meshDivisions = count;
        if (T_SCURVE_D* twin = section.FindCurve(curve->twinCurveId))
            twin->meshDivisions = count;
    }
    return sizeGiven ? NoteOnGivenSize(section, size, elementLimit) : wallSizes.Note(section);
}
