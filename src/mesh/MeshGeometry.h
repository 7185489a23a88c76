#pragma once
// Plane predicates of the mesher. The mesher works in coordinates normalised to
// its domain (extent about 1), and these tests are relative to the triangle's
// own size, so a mesh in metres behaves exactly like one in millimetres.

struct MeshPoint {
    double x = 0.0;
    double y = 0.0;
};

// Twice the signed area of a, b, c: positive when counter-clockwise.
double TwiceSignedArea(const MeshPoint& a, const MeshPoint& b, const MeshPoint& c);

// True when a, b, c run counter-clockwise with an area that is not lost in
// rounding: twice the area exceeds a tiny fraction of the longest side squared.
bool IsProperTriangle(const MeshPoint& a, const MeshPoint& b, const MeshPoint& c);

// Which side of the line a -> b the point p lies on: 1 left, -1 right, 0 on
// the line within rounding (relative to the distances involved).
int SideOfLine(const MeshPoint& a, const MeshPoint& b, const MeshPoint& p);

// Circumcircle; collinear points give centre (0, 0) and radius 0.
void MeshCircumcircle(const MeshPoint& a, const MeshPoint& b, const MeshPoint& c, MeshPoint& centre,
                      double& radius);

// Triangle area by the cross product (never negative).
double MeshTriangleArea(const MeshPoint& a, const MeshPoint& b, const MeshPoint& c);

double MeshDistance(const MeshPoint& a, const MeshPoint& b);

// Signed angle at vertex from the direction of p to that of q, in degrees,
// counter-clockwise positive, in (-180, 180]; 0 when p or q is the vertex.
double MeshAngleAt(const MeshPoint& vertex, const MeshPoint& p, const MeshPoint& q);
