#pragma once

// Plane geometry in double precision shared by every geometric command, the
// section generator, the mesher, the calculation and the view. Stateless.
//
// A point is two doubles (x, y), a three-component point three doubles.
// Angles are in degrees. The fixed epsilon 1e-6 is absolute and independent
// of the project tolerance.

// Scalar tests and rounding
bool IsZero(double x);     // |x| < 1e-6
bool IsNonZero(double x);  // |x| > 1e-6; at exactly 1e-6 neither holds
bool IsWithinTolerance(double value, double target, double tol);  // bounds included
bool AreEqual3(double a, double b, double c);
int RoundToInt(double x);  // half away from zero, a fraction within 1e-6 of .5 rounds up
int CeilToInt(double x);   // a fraction of at most 1e-6 above an integer is dropped
double Min3(double a, double b, double c);
double Max3(double a, double b, double c);
double DegToRad(double degrees);
double RadToDeg(double radians);
int CompareDoubleUlp(double a, double b);  // -1, 0 or 1; within 32 ulps is equal

// The record the section-file writer sorts: two ints, then three doubles
// compared in order.
struct Dbl3Record {
    int id = 0;
    int tag = 0;
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
};
int CompareDbl3Records(const Dbl3Record& lhs, const Dbl3Record& rhs);

// Distances, lengths, angles and areas
double DistanceXY(double x1, double y1, double x2, double y2);
double Distance(const double a[2], const double b[2]);
double VectorLengthXY(double x, double y);
double VectorLength(const double v[2]);
double CrossProduct(const double a[2], const double b[2]);
double DistanceToLine(const double a[2], const double b[2], const double q[2]);
double DistanceToSegment(const double a[2], const double b[2], const double q[2]);
double SignedAngleXY(double dx1, double dy1, double dx2, double dy2);  // in (-180, 180]
double SignedAngle(const double a[2], const double b[2]);
double AngleAtVertexXY(double x0, double y0, double x1, double y1, double x2, double y2);
double AngleAtVertex(const double p0[2], const double p1[2], const double p2[2]);
double TriangleArea(const double p1[2], const double p2[2], const double p3[2]);
double SignedTriangleArea(const double p1[2], const double p2[2], const double p3[2]);

// Intersections and tests
bool SegmentsCross(const double a[2], const double b[2], const double c[2], const double d[2]);
bool IntersectSegmentsXY(double x1, double y1, double x2, double y2, double x3, double y3,
                         double x4, double y4, double* t, double* u);
bool IntersectSegments(const double p1[2], const double p2[2], const double p3[2],
                       const double p4[2], double* t, double* u);
bool IntersectLines(const double p1[2], const double p2[2], const double p3[2],
                    const double p4[2], double out[2]);
bool IsPointOnSegmentXY(double x1, double y1, double x2, double y2, double x0, double y0,
                        double tol);
bool IsPointOnSegment(const double p1[2], const double p2[2], const double p0[2], double tol);
bool IsPointWithinSegmentXY(double x1, double y1, double x2, double y2, double x0, double y0,
                            double tol);
bool IsPointWithinSegment(const double p1[2], const double p2[2], const double p0[2],
                          double tol);
// Collinear points leave centre (0, 0) and radius 0.
void CircleThrough3Points(const double p1[2], const double p2[2], const double p3[2],
                          double centre[2], double* radius);
// Corners of the band a segment with a width occupies: c1 and c4 on the left
// of a->b, c2 and c3 on the right. Alignment 1 CENTER, 2 LEFT, 3 RIGHT; any
// other alignment (a damaged or old file may hold one) gives the band of no
// width along the segment: c1 and c2 at a, c3 and c4 at b.
void GetWidthOutline(const double a[2], const double b[2], int alignment, double width,
                     double c1[2], double c2[2], double c3[2], double c4[2]);

// Transforms, in place; those returning a pointer return their point.
double* TranslatePoint(double pt[2], double dx, double dy);
double* RotatePoint(double pt[2], double angle);  // counter-clockwise about (0, 0)
void RotateXY(double* x, double* y, double angle);
double* RotatePointAbout(double pt[2], const double centre[2], double angle);
double* RotateTranslatePoint(double pt[2], double dx, double dy, double angle);
double* MirrorPoint(double pt[2], const double a[2], const double b[2]);
double* ZeroPoint2(double p[2]);
void ZeroPoint3(double p[3]);
void CopyPoint2(const double src[2], double dst[2]);
void CopyPoint3(const double src[3], double dst[3]);
void MultiplyMatrix2(const double m[2][2], const double v[2], double out[2]);
