#pragma once

// The solver's solid elements: the 6-node wedge and the 8-node hexahedron,
// linear isoparametric elements enriched with incompatible displacement modes
// (1 - ζ² for the wedge; 1 - ξ², 1 - η², 1 - ζ² for the hexahedron) that are
// condensed out before assembly. They return the stiffness in global axes with
// three translations per node in node order (u, v, w of node 1, then node 2,
// ...); matrices are stored column by column with a leading dimension.
//
// Underneath, an element is formed in any set of unknowns whose unit values
// give known node displacements: node translations for the plain element, or
// the equations of the solver with rigid links folded in (see
// FormElementInUnknowns).

#include <span>

#include "calc/SolidModelTables.h"

using Rotation3 = double[3][3];
using Elasticity6 = double[6][6];

// Local axes of an element: rows e1, e2, e3 of the rotation.
enum class LocalAxesKind {
    Wedge = 1,  // e1 along p2 - p1, e2 towards p3 - p2
    Hexa = 4,   // mean directions of the opposite edges of the first face
};

void ElementLocalAxes(const double x[], const double y[], const double z[], Rotation3& rotation, LocalAxesKind kind);

// Isotropic elasticity, normal components first, then the three shears. False
// when the Poisson's ratio lies outside [0, 0.5) or a value is not finite: the
// constant E / ((1 + ν)(1 - 2ν)) would be infinite or meaningless.
[[nodiscard]] bool IsotropicElasticity(double modulus, double poisson, Elasticity6& d);

// Condensed stiffness (18 x 18, 24 x 24) in global axes of the element with the
// given node coordinates, integrated in the element's local axes (the rows of
// the rotation), with an elasticity laid out as IsotropicElasticity gives it
// (no normal-shear or shear-shear coupling is read). False, leaving the output
// unwritten, when the Jacobian determinant is zero, negative or not a number at
// an integration point.
[[nodiscard]] bool WedgeElementStiffness(const double x[6], const double y[6], const double z[6],
                                         const Rotation3& rotation, const Elasticity6& d, std::span<double> stiffness,
                                         int leadingDimension);
[[nodiscard]] bool HexaElementStiffness(const double x[8], const double y[8], const double z[8],
                                        const Rotation3& rotation, const Elasticity6& d, std::span<double> stiffness,
                                        int leadingDimension);

// The element of the model's element table (1-based number) in global axes:
// 18 x 18 for a wedge, 24 x 24 for a hexahedron, leading dimension 18 or 24.
// False, leaving the output unwritten, on a degenerate or inverted element, an
// unknown material or an unusable Poisson's ratio.
[[nodiscard]] bool FormWedgeStiffness(const SolidModelTables& model, int element, std::span<double> stiffness);
[[nodiscard]] bool FormHexaStiffness(const SolidModelTables& model, int element, std::span<double> stiffness);

// The most unknowns an element can be formed in: six per node of a hexahedron.
inline constexpr int kMaxElementUnknowns = 48;

// The element of the model's element table formed directly in a set of
// unknowns. `patterns` holds, for each unknown in turn, the displacement
// (x, y, z in global axes) of every element node, node by node, under a unit
// value of that unknown alone: 3 x nodes values per unknown, at most
// kMaxElementUnknowns unknowns. Writes the condensed stiffness on the
// unknowns, column by column with the leading dimension; fails as the
// elements above do, and on patterns of a size that does not fit. Nodes that
// no unknown moves cost nothing.
[[nodiscard]] bool FormElementInUnknowns(const SolidModelTables& model, int element, std::span<const double> patterns,
                                         std::span<double> stiffness, int leadingDimension);
