#pragma once

// Torsion constant J and shear areas Asx, Asy of a meshed plane section from
// a solid finite-element model: the plane mesh is extruded into two straight
// cantilevers (one element layer each, lengths L and 2L, side by side), fixed
// at one end, whose free ends are tied by rigid links to a master node at the
// centroid. A unit torque at the masters gives J from the twists, the
// restraint of warping at the root cancelling between the lengths L and 2L;
// for the torque the materials keep their shear moduli and drop their
// Poisson's ratios (a second solution unless every ratio is 0). A section
// whose warping reaches past those lengths (a thin open wall of large
// warping resistance) has its J read again from longer cantilevers, for the
// torque alone, until the two lengths agree. Two unit
// shear forces, with the materials as they are, give the shear areas from the
// tip deflections, each taken with its tip held against twisting, the bending
// part cancelling between the two lengths.
//
// Coordinates are normalised so that the section's larger extent is 1.0 and
// the reference material's modulus to 100000.0; results are in the units of
// the node coordinates, referred to the reference material's modulus.

#include <vector>

#include "model/ModelRecords.h"

struct T_NODE_D {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

struct T_ELEM_D {
    int material = 0;  // the model's material id, then the 1-based material number
    int node[8] = {};  // a triangle uses the first three slots, a quadrilateral four; the rest 0
};

struct T_MATL_D {
    double E = 0.0;
    double nu = 0.0;
};

class CSectPropFem {
public:
    // The reference modulus of the solid model and the modulus of a material
    // without one.
    static constexpr double kReferenceModulus = 100000.0;
    static constexpr int kCopies = 2;
    static constexpr int kLayers = 1;
    static constexpr int kLoadCases = 3;  // torque MZ, force FX, force FY
    // Length of the shorter cantilever in units of the pass length, of the
    // shear areas and of J unless the section's warping needs longer ones.
    // At 10 a cold-formed lipped channel's J was left 0.9 % high.
    static constexpr double kDefaultLengthFactor = 20.0;

    explicit CSectPropFem(double lengthFactor = kDefaultLengthFactor) : m_lengthFactor(lengthFactor) {}
    virtual ~CSectPropFem() = default;

    // From the model's finite-element maps (walked in ascending id order) and
    // materials. The reference material is the base material, or the material
    // of the lowest-id element when no element uses the base material; a
    // material missing from the model counts with the reference modulus and
    // Poisson's ratio 0. False, with the outputs 0.0, when the mesh is empty,
    // an element names a node that does not exist or has not 3 or 4 nodes, or
    // the analysis fails. torsionMayBeHigh as for Analyze.
    bool Calculate(const IdMap<T_FENODE_D>& feNodes, const IdMap<T_FEELEM_D>& feElements,
                   const IdMap<T_MATERIAL_D>& materials, int baseMaterialId, const double centroid[2], double& torsion,
                   double& shearAreaX, double& shearAreaY, bool* torsionMayBeHigh = nullptr) const;

    // The solid model's analysis. referenceMaterial is 1-based. Sections more
    // than five times wider than tall (or taller than wide) run two passes with
    // cantilevers sized to each direction. False, with the outputs 0.0, when
    // there are fewer than 3 nodes, no element or no material, the section has
    // no extent, the reference material is unknown or its Poisson's ratio lies
    // outside [0, 0.5), or a pass fails (a cancel of the watched calculation
    // among the failures: it stops the analysis at once). On true, *torsionMayBeHigh (when
    // given) tells whether the torsion cantilevers could not be made long
    // enough, within what rounding allows, to free the section's warping: J
    // is then the longest model's, and may be high.
    bool Analyze(const std::vector<T_NODE_D>& nodes, const std::vector<T_ELEM_D>& elements,
                 const std::vector<T_MATL_D>& materials, int referenceMaterial, double cx, double cy, double& torsion,
                 double& shearAreaX, double& shearAreaY, bool* torsionMayBeHigh = nullptr) const;

    // Two passes when one extent is more than five times the other.
    static bool UsesTwoPasses(double width, double height);

    // Moves the nodes and the point (x, y) so that the lower-left corner of the
    // bounding box is the origin and scales them by 1 / scale, scale being the
    // larger extent; width and height come back normalised.
    static void NormalizeNodes(std::vector<T_NODE_D>& nodes, double& width, double& height, double& x, double& y,
                               double& scale);

    // Solid nodes (copy c, level k, plane node j numbered c·n(K+1) + k·n + j,
    // then one master per copy at the centroid of its free end) and solid
    // element rows (6-node wedges from triangles, 8-node hexahedra from
    // quadrilaterals). Copy c is (c + 1)·lengthFactor·length long and lies
    // 2c·size to the right. Stops unfinished once the watched calculation is
    // cancelled (CancelWatch); the caller asks the watch.
    static void ExtrudeMesh(const std::vector<T_NODE_D>& nodes, const std::vector<T_ELEM_D>& elements, int copies,
                            int layers, double cx, double cy, double length, double size,
                            std::vector<double>& coordinates, std::vector<int>& elementRows,
                            double lengthFactor = kDefaultLengthFactor);
    static void BuildMaterialTable(const std::vector<T_MATL_D>& materials, std::vector<double>& rows);
    static void BuildConstraintTable(int nodeCount, int copies, int nodesPerLayer, int layers, std::vector<int>& rows);
    static void BuildRigidLinkTable(int nodeCount, int copies, int nodesPerLayer, int layers, std::vector<int>& rows);
    static void BuildNodalLoadTable(int nodeCount, int caseCount, int copies, double value, std::vector<double>& rows);
    static void BuildLoadNodeList(int nodeCount, int copies, int caseCount, std::vector<int>& rows);

private:
    double m_lengthFactor;
};
