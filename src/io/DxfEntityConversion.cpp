// Turning one placed DXF entity into model points and curves. Every converter
// first plans which points it would reuse or make, so that a degenerate entity
// or one past the id limit leaves the model as it was.

#include "commands/CreationSupport.h"
#include "commands/DividedShapes.h"
#include "io/DxfAngles.h"
#include "model/Geometry.h"
#include "model/SectModel.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <utility>

namespace {

constexpr double kFullTurn = 360.0;

// Whether the import can put a point there: its coordinates are numbers, and
// not so large that the doubles next to them lie further apart than the
// tolerance, where points could no longer be told apart by it.
bool IsPlaceable(const CSectModel& model, const double xy[2])
{
    const auto resolved = [&model](double value) {
        return std::isfinite(value) && std::abs(value) * std::numeric_limits<double>::epsilon() <= model.m_tolerance;
    };
    return resolved(xy[0]) && resolved(xy[1]);
}

// Counts an entity that made nothing under one of the reasons of the read's
// report; the converter then goes on with the next entity.
bool SkipEntity(int& reasonCount)
{
    ++reasonCount;
    return true;
}

// Stores a curve through the ids, records it in the open action and appends
// it to the newcomer curves.
void AddImportedCurve(CSectModel& model, std::vector<int> pointIds)
{
    auto curve = NewCurveRecord(model, ALIGN_CENTER, 0.0);
    curve->pointIds = std::move(pointIds);
    const int curveId = curve->id;
    model.m_curves[curveId] = std::move(curve);
    model.RecordCreatedCurve(curveId, false);
    model.AddNewcomerCurve(curveId, false);
}

bool HasFewerThanTwoDistinct(const std::vector<int>& pointIds)
{
    return std::set<int>(pointIds.begin(), pointIds.end()).size() < 2;
}

// Makes the planned points and one curve through pointIds, unless the curve
// would have fewer than two distinct points: then the entity lies within the
// tolerance of one point and is counted as too small. False when the ids
// would pass the id limit; nothing is made then.
bool MakePlannedCurve(CSectModel& model, const PlannedPoints& planned, std::vector<int> pointIds)
{
    if (HasFewerThanTwoDistinct(pointIds))
        return SkipEntity(model.m_dxfSkipped.belowTolerance);
    if (!model.CheckIdLimit(IdKind::Point, planned.NewPointCount()) || !model.CheckIdLimit(IdKind::Curve, 1))
        return false;
    const std::vector<int> newPointIds = planned.Create(model);
    model.AddNewcomerPoints(newPointIds, false);
    AddImportedCurve(model, std::move(pointIds));
    return true;
}

// The shape of arcs, circles and ellipses: semi-axes a along the unit
// direction u and b across it, sampled at the ellipse parameter t (degrees)
// from start over sweep.
struct DividedEllipse {
    double centre[2];
    double a;
    double b;
    double u[2];
    double start;
    double sweep;
};

bool ImportDividedEllipse(CSectModel& model, const DividedEllipse& shape)
{
    if (shape.sweep == 0.0)
        return SkipEntity(model.m_dxfSkipped.ofNoSize);
    const bool closed = shape.sweep == kFullTurn;
    const double segments = DivisionCount(shape.sweep, model.m_angleStep, closed);
    const double sampleCount = closed ? segments : segments + 1.0;
    // Asked before sampling, so that a tiny angle step cannot run away.
    if (!model.CheckIdLimit(IdKind::Point, CountForIdCheck(sampleCount)))
        return false;

    const double increment = shape.sweep / segments;
    const double start = WithoutWholeTurns(shape.start);
    std::vector<XyPosition> samples;
    samples.reserve(static_cast<size_t>(sampleCount));
    for (int i = 0; i < static_cast<int>(sampleCount); ++i) {
        const double t = DegToRad(start + i * increment);
        const double along = shape.a * std::cos(t);
        const double across = shape.b * std::sin(t);
        const XyPosition sample = {shape.centre[0] + along * shape.u[0] - across * shape.u[1],
                                   shape.centre[1] + along * shape.u[1] + across * shape.u[0]};
        if (!IsPlaceable(model, sample.data()))
            return SkipEntity(model.m_dxfSkipped.unplaceable);
        samples.push_back(sample);
    }
    PlannedPoints planned(model);
    return MakePlannedCurve(model, planned, PlanSampledPointIds(planned, samples, closed));
}

// True when some segment of a curve imported so far runs from within the
// tolerance of one end to within it of the other, in either direction.
bool RepeatsImportedSegment(const CSectModel& model, const double a[2], const double b[2])
{
    return model.NewcomerSegments().HasSegmentNear(a, b);
}

bool IsSameEdge(const std::pair<int, int>& edge, int i, int j)
{
    return (edge.first == i && edge.second == j) || (edge.first == j && edge.second == i);
}

// A two-point curve imported before that joins the points, in either order.
bool HasImportedEdge(const CSectModel& model, int i, int j)
{
    return model.NewcomerSegments().HasShortCurveJoining(i, j);
}

// The edge curves of a face through its corners in order, each made once:
// an edge an earlier face or line made already, and an edge whose ends fall
// on one point, is not made again.
bool ImportDxfFaceEdges(CSectModel& model, const std::vector<const double*>& corners)
{
    PlannedPoints planned(model);
    std::vector<int> cornerIds;
    for (const double* corner : corners)
        cornerIds.push_back(planned.Resolve(corner));
    if (HasFewerThanTwoDistinct(cornerIds)) {
        // A face of one point stays nothing at any tolerance.
        const bool hasSize = std::any_of(corners.begin(), corners.end(), [&corners](const double* corner) {
            return Distance(corners.front(), corner) > 0.0;
        });
        return SkipEntity(hasSize ? model.m_dxfSkipped.belowTolerance : model.m_dxfSkipped.ofNoSize);
    }

    std::vector<std::pair<int, int>> newEdges;
    for (size_t k = 0; k < cornerIds.size(); ++k) {
        const int i = cornerIds[k];
        const int j = cornerIds[(k + 1) % cornerIds.size()];
        const bool madeByThisFace = std::any_of(newEdges.begin(), newEdges.end(),
                                                [i, j](const auto& edge) { return IsSameEdge(edge, i, j); });
        if (i != j && !madeByThisFace && !HasImportedEdge(model, i, j))
            newEdges.emplace_back(i, j);
    }
    if (newEdges.empty())
        return true;
    if (!model.CheckIdLimit(IdKind::Point, planned.NewPointCount())
        || !model.CheckIdLimit(IdKind::Curve, static_cast<int>(newEdges.size())))
        return false;

    // Planned points take the ids the model issues next, so the edges hold
    // the right ids already.
    const std::vector<int> newPointIds = planned.Create(model);
    std::vector<int> newCurveIds;
    for (const auto& [i, j] : newEdges) {
        auto curve = NewCurveRecord(model, ALIGN_CENTER, 0.0);
        curve->pointIds = {i, j};
        const int curveId = curve->id;
        model.m_curves[curveId] = std::move(curve);
        model.RecordCreatedCurve(curveId, false);
        newCurveIds.push_back(curveId);
    }
    model.AddNewcomerPoints(newPointIds, false);
    model.AddNewcomerCurves(newCurveIds, false);
    return true;
}

bool Coincide(const double a[2], const double b[2])
{
    return IsZero(Distance(a, b));
}

} // namespace

bool CSectModel::ImportDxfPoint(const double xy[2])
{
    if (!IsPlaceable(*this, xy))
        return SkipEntity(m_dxfSkipped.unplaceable);
    if (FindPointAt(xy) != 0)
        return true;
    if (!CheckIdLimit(IdKind::Point, 1))
        return false;
    const int id = AddNewPoint(*this, xy);
    RecordCreatedPoint(id, false);
    AddNewcomerPoint(id, false);
    return true;
}

bool CSectModel::ImportDxfLine(const double start[2], const double end[2])
{
    if (!IsPlaceable(*this, start) || !IsPlaceable(*this, end))
        return SkipEntity(m_dxfSkipped.unplaceable);
    // A line of no length stays nothing at any tolerance.
    if (const double length = Distance(start, end); length < m_tolerance)
        return SkipEntity(length > 0.0 ? m_dxfSkipped.belowTolerance : m_dxfSkipped.ofNoSize);
    if (RepeatsImportedSegment(*this, start, end))
        return true;
    PlannedPoints planned(*this);
    const int startId = planned.Resolve(start);
    const int endId = planned.Resolve(end);
    return MakePlannedCurve(*this, planned, {startId, endId});
}

bool CSectModel::ImportDxfArc(const double centre[2], double radius, double startAngle, double endAngle)
{
    // A negative radius is no valid arc.
    if (!(radius > 0.0) || IsZero(radius))
        return SkipEntity(m_dxfSkipped.ofNoSize);
    if (!IsPlaceable(*this, centre) || !std::isfinite(startAngle) || !std::isfinite(endAngle))
        return SkipEntity(m_dxfSkipped.unplaceable);
    const DividedEllipse arc = {{centre[0], centre[1]}, radius, radius, {1.0, 0.0},
                                startAngle, CounterClockwiseSweep(startAngle, endAngle)};
    return ImportDividedEllipse(*this, arc);
}

bool CSectModel::ImportDxfCircle(const double centre[2], double radius)
{
    if (!(radius > 0.0) || IsZero(radius))
        return SkipEntity(m_dxfSkipped.ofNoSize);
    if (!IsPlaceable(*this, centre))
        return SkipEntity(m_dxfSkipped.unplaceable);
    const DividedEllipse circle = {{centre[0], centre[1]}, radius, radius, {1.0, 0.0}, 0.0, kFullTurn};
    return ImportDividedEllipse(*this, circle);
}

bool CSectModel::ImportDxfEllipse(const double centre[2], const double majorAxis[2], double ratio,
                                  double startParam, double endParam)
{
    const double a = VectorLength(majorAxis);
    const double b = ratio * a;
    if (!std::isfinite(a) || !std::isfinite(b) || !IsPlaceable(*this, centre) || !std::isfinite(startParam)
        || !std::isfinite(endParam))
        return SkipEntity(m_dxfSkipped.unplaceable);
    // A negative ratio is no valid ellipse.
    if (IsZero(a) || !(b > 0.0) || IsZero(b))
        return SkipEntity(m_dxfSkipped.ofNoSize);
    const DividedEllipse ellipse = {{centre[0], centre[1]}, a, b, {majorAxis[0] / a, majorAxis[1] / a},
                                    startParam, CounterClockwiseSweep(startParam, endParam)};
    return ImportDividedEllipse(*this, ellipse);
}

bool CSectModel::ImportDxf3DFace(const double p1[2], const double p2[2], const double p3[2], const double p4[2])
{
    for (const double* corner : {p1, p2, p3, p4}) {
        if (!IsPlaceable(*this, corner))
            return SkipEntity(m_dxfSkipped.unplaceable);
    }
    // The first pair of coincident corners found decides which three remain.
    if (Coincide(p1, p2))
        return ImportDxfFaceEdges(*this, {p1, p3, p4});
    if (Coincide(p1, p3))
        return ImportDxfFaceEdges(*this, {p1, p2, p4});
    if (Coincide(p1, p4))
        return ImportDxfFaceEdges(*this, {p1, p2, p3});
    if (Coincide(p2, p3))
        return ImportDxfFaceEdges(*this, {p1, p2, p4});
    if (Coincide(p2, p4) || Coincide(p3, p4))
        return ImportDxfFaceEdges(*this, {p1, p2, p3});
    return ImportDxfFaceEdges(*this, {p1, p2, p3, p4});
}
