#pragma once

// The pieces the plane and the line calculations share: exact moments of
// triangles, their sums over a section, the extreme-fibre scan, the centroid
// point and the texts of a refused section.

#include <string>

#include "model/SectModel.h"

// area × (a² + b² + c² + 9 g²) / 12: the exact ∫ u² dA over a triangle of that
// area whose vertices have the coordinates a, b, c and whose centroid has g.
double TriangleSecondMoment(double area, double g, double a, double b, double c);
// area × (a.x·a.y + b.x·b.y + c.x·c.y + 9 g.x·g.y) / 12: the exact ∫ x y dA.
double TriangleProductMoment(double area, const double g[2], const double a[2], const double b[2],
                             const double c[2]);

// Area, first and second moments summed triangle by triangle; each
// triangle's area is scaled by a factor (the modular ratio). The sums are
// taken about the first corner added, not the global origin, so that a
// section far from the origin keeps its digits when the moments move to the
// centroid.
struct SectionMomentSums {
    double area = 0.0;
    double first[2] = {0.0, 0.0};  // ∫ x dA, ∫ y dA about the origin below
    double ixx = 0.0;  // ∫ y² dA
    double iyy = 0.0;  // ∫ x² dA
    double ixy = 0.0;
    double origin[2] = {0.0, 0.0};
    bool hasOrigin = false;

private:
    void SetOriginOnce(const double p[2]);
    // A triangle in coordinates about the origin, of the given (signed, scaled) area.
    void AddLocalTriangle(const double q1[2], const double q2[2], const double q3[2], double scaledArea);

public:

    void AddTriangle(const double p1[2], const double p2[2], const double p3[2], double factor);
    // Split along the diagonal p1–p3.
    void AddQuadrilateral(const double p1[2], const double p2[2], const double p3[2], const double p4[2],
                          double factor);
    // The triangle (origin, from, to) with its signed area: the edges of a
    // closed polygon add up to the polygon, positive when it runs
    // counter-clockwise.
    void AddEdge(const double from[2], const double to[2], double factor);
    // False when the area is not a positive finite number: no centroid then.
    bool HasCentroid() const;
    // The centroid in global coordinates, and the second moments moved to
    // axes through it.
    void MoveToCentroid(double centroid[2]);
};

// Largest distances of the points seen from the centroid in +x, −x, +y, −y,
// never below 0, written into the section's results.
class ExtremeFibres {
public:
    explicit ExtremeFibres(const double centroid[2]) : m_centroid{centroid[0], centroid[1]} {}
    void Include(const double xy[2]);
    void Store(T_SECTION_D& section) const;
    // The larger of the extents in x and y of the points included.
    double Extent() const;

private:
    double m_centroid[2];
    double m_cxPlus = 0.0, m_cxMinus = 0.0, m_cyPlus = 0.0, m_cyMinus = 0.0;
};

// The coordinates of the element's corners: returns 3 or 4, or 0 for an
// element with another node count or a node that is not found.
int ElementCorners(const CSectModel& model, const T_FEELEM_D& element, const double* corners[4]);

// Properties-calculated flag off, no centroid point, every value 0.0.
void ResetSectionProperties(T_SECTION_D& section);

// The point at the centroid: an existing point that lies at the centroid to
// rounding (within 1e-9 of the section's size) and that no other calculated
// section has as its centroid point; otherwise a new point, the only newcomer
// point, recorded in the open undo action. A user point merely near the
// centroid is not taken: the query would show its coordinates as the
// centroid's, and the next invalidation would delete it. Returns the id.
int PlaceCentroidPoint(CSectModel& model, const T_SECTION_D& section, const double centroid[2], double sectionSize);

// Error box "<reason>\n\nThis section cannot be calculated."; returns false.
bool ReportSectionNotCalculable(const CSectModel& model, const std::string& reason);
