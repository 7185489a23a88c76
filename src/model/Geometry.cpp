#include "model/Geometry.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr double kEpsilon = 1e-6;
const double kPi = 4.0 * std::atan(1.0);

// Converting a double outside the int range is undefined; counts derived from
// user lengths can get there, so they saturate instead.
int ClampToInt(double whole)
{
    if (std::isnan(whole)) {
        return 0;
    }
    if (whole >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (whole <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(whole);
}

double Dot(double ax, double ay, double bx, double by)
{
    return ax * bx + ay * by;
}

// Cosine of the angle p1-p0-p2, or nothing when p0 sits on an end.
bool CosineAtPoint(double x1, double y1, double x2, double y2, double x0, double y0,
                   double* cosine)
{
    const double ax = x1 - x0, ay = y1 - y0;
    const double bx = x2 - x0, by = y2 - y0;
    const double lengthA = VectorLengthXY(ax, ay);
    const double lengthB = VectorLengthXY(bx, by);
    if (IsZero(lengthA) || IsZero(lengthB)) {
        return false;
    }
    *cosine = Dot(ax, ay, bx, by) / (lengthA * lengthB);
    return true;
}

void SetPoint2(double p[2], double x, double y)
{
    p[0] = x;
    p[1] = y;
}

}  // namespace

// ---- Scalar tests and rounding ----

bool IsZero(double x)
{
    return std::fabs(x) < kEpsilon;
}

bool IsNonZero(double x)
{
    return std::fabs(x) > kEpsilon;
}

bool IsWithinTolerance(double value, double target, double tol)
{
    return target - tol <= value && value <= target + tol;
}

bool AreEqual3(double a, double b, double c)
{
    return std::fabs(a - b) <= kEpsilon && std::fabs(a - c) < kEpsilon;
}

int RoundToInt(double x)
{
    // Negative numbers mirror positive ones, so -2.7 rounds to -3.
    const double magnitude = std::fabs(x);
    const double whole = std::trunc(magnitude);
    const double rounded = magnitude - whole > 0.5 - kEpsilon ? whole + 1.0 : whole;
    return ClampToInt(std::copysign(rounded, x));
}

int CeilToInt(double x)
{
    const double whole = std::trunc(x);
    return ClampToInt(x - whole > kEpsilon ? whole + 1.0 : whole);
}

double Min3(double a, double b, double c)
{
    return std::min({a, b, c});
}

double Max3(double a, double b, double c)
{
    return std::max({a, b, c});
}

double DegToRad(double degrees)
{
    return degrees * kPi / 180.0;
}

double RadToDeg(double radians)
{
    return radians * 180.0 / kPi;
}

int CompareDoubleUlp(double a, double b)
{
    constexpr double kUlps = 32.0;
    if (a == b) {
        return 0;
    }
    if (a > b) {
        const double step = std::nextafter(b, a) - b;
        return a - b > kUlps * step ? 1 : 0;
    }
    if (a < b) {
        const double step = std::nextafter(a, b) - a;
        return b - a > kUlps * step ? -1 : 0;
    }
    return 0;  // unordered (NaN)
}

int CompareDbl3Records(const Dbl3Record& lhs, const Dbl3Record& rhs)
{
    if (const int byA = CompareDoubleUlp(lhs.a, rhs.a); byA != 0) {
        return byA;
    }
    if (const int byB = CompareDoubleUlp(lhs.b, rhs.b); byB != 0) {
        return byB;
    }
    return CompareDoubleUlp(lhs.c, rhs.c);
}

// ---- Distances, lengths, angles and areas ----

double DistanceXY(double x1, double y1, double x2, double y2)
{
    return std::sqrt(std::pow(x2 - x1, 2.0) + std::pow(y2 - y1, 2.0));
}

double Distance(const double a[2], const double b[2])
{
    return DistanceXY(a[0], a[1], b[0], b[1]);
}

double VectorLengthXY(double x, double y)
{
    return DistanceXY(0.0, 0.0, x, y);
}

double VectorLength(const double v[2])
{
    return VectorLengthXY(v[0], v[1]);
}

double CrossProduct(const double a[2], const double b[2])
{
    return a[0] * b[1] - b[0] * a[1];
}

double DistanceToLine(const double a[2], const double b[2], const double q[2])
{
    const double direction[2] = {b[0] - a[0], b[1] - a[1]};
    const double length = VectorLength(direction);
    if (length < kEpsilon) {
        return Distance(a, q);  // no line: the two points coincide
    }
    const double fromA[2] = {q[0] - a[0], q[1] - a[1]};
    return std::fabs(CrossProduct(direction, fromA)) / length;
}

double DistanceToSegment(const double a[2], const double b[2], const double q[2])
{
    constexpr double kNoSegment = 1e35;
    if (Distance(a, b) < kEpsilon) {
        return kNoSegment;
    }
    if (IsPointOnSegment(a, b, q, kEpsilon)) {
        return 0.0;
    }
    const double dx = b[0] - a[0], dy = b[1] - a[1];
    const double lengthSquared = dx * dx + dy * dy;
    if (lengthSquared >= kEpsilon) {
        const double t = Dot(q[0] - a[0], q[1] - a[1], dx, dy) / lengthSquared;
        if (t > -kEpsilon && t < 1.0 + kEpsilon) {
            return DistanceXY(q[0], q[1], a[0] + t * dx, a[1] + t * dy);
        }
    }
    return std::min(Distance(q, a), Distance(q, b));
}

double SignedAngleXY(double dx1, double dy1, double dx2, double dy2)
{
    // Law of cosines on u, w and w - u.
    const double lengthU = VectorLengthXY(dx1, dy1);
    const double lengthW = VectorLengthXY(dx2, dy2);
    const double lengthDiff = VectorLengthXY(dx2 - dx1, dy2 - dy1);
    const double denominator = 2.0 * lengthU * lengthW;
    if (denominator < kEpsilon) {
        return 0.0;
    }
    const double cosine = (std::pow(lengthU, 2.0) + std::pow(lengthW, 2.0) -
                           std::pow(lengthDiff, 2.0)) / denominator;
    if (cosine > 1.0 - kEpsilon) {
        return 0.0;
    }
    if (cosine < -1.0 + kEpsilon) {
        return 180.0;
    }
    const double angle = std::fabs(RadToDeg(std::acos(cosine)));
    return dx1 * dy2 - dx2 * dy1 >= 0.0 ? angle : -angle;
}

double SignedAngle(const double a[2], const double b[2])
{
    return SignedAngleXY(a[0], a[1], b[0], b[1]);
}

double AngleAtVertexXY(double x0, double y0, double x1, double y1, double x2, double y2)
{
    return SignedAngleXY(x1 - x0, y1 - y0, x2 - x0, y2 - y0);
}

double AngleAtVertex(const double p0[2], const double p1[2], const double p2[2])
{
    return AngleAtVertexXY(p0[0], p0[1], p1[0], p1[1], p2[0], p2[1]);
}

double TriangleArea(const double p1[2], const double p2[2], const double p3[2])
{
    const double a = Distance(p1, p2);
    const double b = Distance(p2, p3);
    const double c = Distance(p3, p1);
    const double s = (a + b + c) / 2.0;
    return std::sqrt(std::fabs((s - a) * s * (s - b) * (s - c)));
}

double SignedTriangleArea(const double p1[2], const double p2[2], const double p3[2])
{
    return ((p2[1] - p3[1]) * p1[0] + (p3[1] - p1[1]) * p2[0] + (p1[1] - p2[1]) * p3[0]) *
           0.5;
}

// ---- Intersections and tests ----

bool SegmentsCross(const double a[2], const double b[2], const double c[2], const double d[2])
{
    const auto sideOfAB = [&](const double p[2]) {
        return (a[0] - p[0]) * (b[1] - p[1]) - (a[1] - p[1]) * (b[0] - p[0]);
    };
    const auto sideOfCD = [&](const double p[2]) {
        return (c[0] - p[0]) * (d[1] - p[1]) - (c[1] - p[1]) * (d[0] - p[0]);
    };
    return sideOfAB(c) * sideOfAB(d) < 0.0 && sideOfCD(a) * sideOfCD(b) < 0.0;
}

bool IntersectSegmentsXY(double x1, double y1, double x2, double y2, double x3, double y3,
                         double x4, double y4, double* t, double* u)
{
    if (DistanceXY(x1, y1, x2, y2) < kEpsilon || DistanceXY(x3, y3, x4, y4) < kEpsilon) {
        return false;
    }
    const double det = (x3 - x4) * (y1 - y2) - (x1 - x2) * (y3 - y4);
    if (std::fabs(det) < kEpsilon) {
        return false;
    }
    *t = ((x4 - x3) * (y3 - y1) + (x3 - x1) * (y3 - y4)) / det;
    *u = ((x3 - x1) * (y1 - y2) + (x2 - x1) * (y3 - y1)) / det;
    const auto inRange = [](double s) { return s > -kEpsilon && s < 1.0 + kEpsilon; };
    return inRange(*t) && inRange(*u);
}

bool IntersectSegments(const double p1[2], const double p2[2], const double p3[2],
                       const double p4[2], double* t, double* u)
{
    return IntersectSegmentsXY(p1[0], p1[1], p2[0], p2[1], p3[0], p3[1], p4[0], p4[1], t, u);
}

bool IntersectLines(const double p1[2], const double p2[2], const double p3[2],
                    const double p4[2], double out[2])
{
    const double length1 = Distance(p1, p2);
    const double length2 = Distance(p3, p4);
    if (length1 < kEpsilon || length2 < kEpsilon) {
        return false;
    }
    const double d1[2] = {(p2[0] - p1[0]) / length1, (p2[1] - p1[1]) / length1};
    const double d2[2] = {(p4[0] - p3[0]) / length2, (p4[1] - p3[1]) / length2};
    // Unit directions: lines within about 1e-6 radians count as parallel.
    const double det = d2[0] * d1[1] - d1[0] * d2[1];
    if (std::fabs(det) < kEpsilon) {
        return false;
    }
    const double s = ((p3[1] - p1[1]) * d1[0] - (p3[0] - p1[0]) * d1[1]) / det;
    SetPoint2(out, p3[0] + s * d2[0], p3[1] + s * d2[1]);
    return true;
}

bool IsPointOnSegmentXY(double x1, double y1, double x2, double y2, double x0, double y0,
                        double tol)
{
    double cosine = 0.0;
    if (!CosineAtPoint(x1, y1, x2, y2, x0, y0, &cosine)) {
        return true;  // p0 is an end
    }
    return std::fabs(cosine + 1.0) < tol;
}

bool IsPointOnSegment(const double p1[2], const double p2[2], const double p0[2], double tol)
{
    return IsPointOnSegmentXY(p1[0], p1[1], p2[0], p2[1], p0[0], p0[1], tol);
}

bool IsPointWithinSegmentXY(double x1, double y1, double x2, double y2, double x0, double y0,
                            double tol)
{
    double cosine = 0.0;
    if (!CosineAtPoint(x1, y1, x2, y2, x0, y0, &cosine)) {
        return false;  // p0 is an end
    }
    return IsWithinTolerance(cosine, -1.0, tol);
}

bool IsPointWithinSegment(const double p1[2], const double p2[2], const double p0[2],
                          double tol)
{
    return IsPointWithinSegmentXY(p1[0], p1[1], p2[0], p2[1], p0[0], p0[1], tol);
}

void CircleThrough3Points(const double p1[2], const double p2[2], const double p3[2],
                          double centre[2], double* radius)
{
    ZeroPoint2(centre);
    *radius = 0.0;
    // The centre lies on the bisector of p2p3 (through m2, normal to p3 - p2)
    // where it meets the bisector of p1p2.
    const double m1[2] = {(p1[0] + p2[0]) / 2.0, (p1[1] + p2[1]) / 2.0};
    const double m2[2] = {(p2[0] + p3[0]) / 2.0, (p2[1] + p3[1]) / 2.0};
    const double num = Dot(m1[0] - m2[0], m1[1] - m2[1], p2[0] - p1[0], p2[1] - p1[1]);
    const double det = (p2[0] - p1[0]) * (p3[1] - p2[1]) - (p3[0] - p2[0]) * (p2[1] - p1[1]);
    if (std::fabs(det) < kEpsilon) {
        return;  // collinear
    }
    const double k = num / det;
    SetPoint2(centre, k * (p3[1] - p2[1]) + m2[0], m2[1] - k * (p3[0] - p2[0]));
    *radius = Distance(p1, centre);
}

void GetWidthOutline(const double a[2], const double b[2], int alignment, double width,
                     double c1[2], double c2[2], double c3[2], double c4[2])
{
    // The band of no width along the segment, until an alignment it knows
    // (and a width) widens it: no corner keeps what it held before.
    CopyPoint2(a, c1);
    CopyPoint2(a, c2);
    CopyPoint2(b, c3);
    CopyPoint2(b, c4);
    if (width < kEpsilon)
        return;
    // Lay the segment along +x from a, build the band there, turn it back.
    const double theta = AngleAtVertexXY(a[0], a[1], a[0] + 1.0, a[1], b[0], b[1]);
    double flatB[2];
    CopyPoint2(b, flatB);
    RotatePointAbout(flatB, a, -theta);

    double leftOffset = 0.0;  // y of the band's left edge above the segment
    switch (alignment) {
    case 1: leftOffset = width / 2.0; break;
    case 2: leftOffset = width; break;
    case 3: leftOffset = 0.0; break;
    default: return;
    }
    const double rightOffset = leftOffset - width;
    SetPoint2(c1, a[0], a[1] + leftOffset);
    SetPoint2(c2, a[0], a[1] + rightOffset);
    SetPoint2(c3, flatB[0], flatB[1] + rightOffset);
    SetPoint2(c4, flatB[0], flatB[1] + leftOffset);
    for (double* corner : {c1, c2, c3, c4}) {
        RotatePointAbout(corner, a, theta);
    }
}

// ---- Transforms ----

double* TranslatePoint(double pt[2], double dx, double dy)
{
    pt[0] += dx;
    pt[1] += dy;
    return pt;
}

double* RotatePoint(double pt[2], double angle)
{
    const double radians = DegToRad(angle);
    const double c = std::cos(radians), s = std::sin(radians);
    const double rotation[2][2] = {{c, -s}, {s, c}};
    const double original[2] = {pt[0], pt[1]};
    MultiplyMatrix2(rotation, original, pt);
    return pt;
}

void RotateXY(double* x, double* y, double angle)
{
    double pt[2] = {*x, *y};
    RotatePoint(pt, angle);
    *x = pt[0];
    *y = pt[1];
}

double* RotatePointAbout(double pt[2], const double centre[2], double angle)
{
    const double radians = DegToRad(angle);
    const double c = std::cos(radians), s = std::sin(radians);
    const double dx = pt[0] - centre[0], dy = pt[1] - centre[1];
    SetPoint2(pt, c * dx - s * dy + centre[0], s * dx + c * dy + centre[1]);
    return pt;
}

double* RotateTranslatePoint(double pt[2], double dx, double dy, double angle)
{
    return TranslatePoint(RotatePoint(pt, angle), dx, dy);
}

double* MirrorPoint(double pt[2], const double a[2], const double b[2])
{
    if (Distance(a, b) < kEpsilon) {
        return pt;
    }
    // Foot of the perpendicular from pt, then the half turn about it.
    double foot[2];
    if (std::fabs(b[0] - a[0]) < kEpsilon) {
        SetPoint2(foot, a[0], pt[1]);
    } else if (std::fabs(b[1] - a[1]) < kEpsilon) {
        SetPoint2(foot, pt[0], a[1]);
    } else {
        const double m = (b[1] - a[1]) / (b[0] - a[0]);
        const double c = a[1] - m * a[0];
        const double footX = (pt[0] / m + pt[1] - c) / (1.0 / m + m);
        SetPoint2(foot, footX, m * footX + c);
    }
    SetPoint2(pt, 2.0 * foot[0] - pt[0], 2.0 * foot[1] - pt[1]);
    return pt;
}

double* ZeroPoint2(double p[2])
{
    SetPoint2(p, 0.0, 0.0);
    return p;
}

void ZeroPoint3(double p[3])
{
    std::fill(p, p + 3, 0.0);
}

void CopyPoint2(const double src[2], double dst[2])
{
    std::copy(src, src + 2, dst);
}

void CopyPoint3(const double src[3], double dst[3])
{
    std::copy(src, src + 3, dst);
}

void MultiplyMatrix2(const double m[2][2], const double v[2], double out[2])
{
    for (int i = 0; i < 2; ++i) {
        out[i] = 0.0;
        for (int j = 0; j < 2; ++j) {
            out[i] += m[i][j] * v[j];
        }
    }
}
