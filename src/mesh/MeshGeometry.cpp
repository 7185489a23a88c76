#include "mesh/MeshGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Below this fraction of the longest side squared, twice the area is rounding.
constexpr double kRelativeAreaEpsilon = 1e-12;
// A point counts as on a line when its distance from it is below this
// fraction of its distances from the two points that define the line.
constexpr double kOnLineFraction = 1e-12;

double LongestSideSquared(const MeshPoint& a, const MeshPoint& b, const MeshPoint& c)
{
    const auto squared = [](const MeshPoint& p, const MeshPoint& q) {
        return (q.x - p.x) * (q.x - p.x) + (q.y - p.y) * (q.y - p.y);
    };
    return std::max({squared(a, b), squared(b, c), squared(c, a)});
}

}  // namespace

double TwiceSignedArea(const MeshPoint& a, const MeshPoint& b, const MeshPoint& c)
{
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

bool IsProperTriangle(const MeshPoint& a, const MeshPoint& b, const MeshPoint& c)
{
    return TwiceSignedArea(a, b, c) > kRelativeAreaEpsilon * LongestSideSquared(a, b, c);
}

int SideOfLine(const MeshPoint& a, const MeshPoint& b, const MeshPoint& p)
{
    const double twiceArea = TwiceSignedArea(a, b, p);
    const double scale = MeshDistance(a, b) * (MeshDistance(a, p) + MeshDistance(b, p));
    if (std::fabs(twiceArea) <= kOnLineFraction * scale)
        return 0;
    return twiceArea > 0.0 ? 1 : -1;
}

void MeshCircumcircle(const MeshPoint& a, const MeshPoint& b, const MeshPoint& c, MeshPoint& centre,
                      double& radius)
{
    centre = MeshPoint{};
    radius = 0.0;
    const double det = 2.0 * TwiceSignedArea(a, b, c);
    if (std::fabs(det) <= 2.0 * kRelativeAreaEpsilon * LongestSideSquared(a, b, c))
        return;  // collinear
    // Relative to a, which keeps the sums small.
    const double bx = b.x - a.x;
    const double by = b.y - a.y;
    const double cx = c.x - a.x;
    const double cy = c.y - a.y;
    const double bSquared = bx * bx + by * by;
    const double cSquared = cx * cx + cy * cy;
    const double ux = (cy * bSquared - by * cSquared) / det;
    const double uy = (bx * cSquared - cx * bSquared) / det;
    centre = MeshPoint{a.x + ux, a.y + uy};
    radius = std::sqrt(ux * ux + uy * uy);
}

double MeshTriangleArea(const MeshPoint& a, const MeshPoint& b, const MeshPoint& c)
{
    return std::fabs(TwiceSignedArea(a, b, c)) / 2.0;
}

double MeshDistance(const MeshPoint& a, const MeshPoint& b)
{
    return std::hypot(b.x - a.x, b.y - a.y);
}

double MeshAngleAt(const MeshPoint& vertex, const MeshPoint& p, const MeshPoint& q)
{
    const double ux = p.x - vertex.x;
    const double uy = p.y - vertex.y;
    const double vx = q.x - vertex.x;
    const double vy = q.y - vertex.y;
    if ((ux == 0.0 && uy == 0.0) || (vx == 0.0 && vy == 0.0))
        return 0.0;
    const double angle = std::atan2(ux * vy - uy * vx, ux * vx + uy * vy) * 180.0 / std::numbers::pi;
    return angle == -180.0 ? 180.0 : angle;
}
