#pragma once

// The flat tables of a solid finite-element model as the solver entry takes
// them: fixed-width rows, one after the other, node, element, material and
// load-case numbers counted from 1. Views only; the caller owns the storage.

#include <cstddef>
#include <span>

// Row widths.
inline constexpr int kCoordinateColumns = 3;  // x, y, z
inline constexpr int kElementColumns = 10;    // material, 1, node 1..8 (nodes 7, 8 are 0 for a wedge)
inline constexpr int kMaterialColumns = 4;    // E, Poisson's ratio, two unused values
inline constexpr int kConstraintColumns = 7;  // node, fixity of UX UY UZ RX RY RZ (1 fixed)
inline constexpr int kRigidLinkColumns = 2;   // slave node, master node
inline constexpr int kNodalLoadColumns = 8;   // node, load case (as reals), FX FY FZ MX MY MZ
inline constexpr int kLoadNodeColumns = 2;    // node, load case of one wanted result row
inline constexpr int kResultColumns = 6;      // UX UY UZ RX RY RZ

// Degrees of freedom per node: UX, UY, UZ, RX, RY, RZ.
inline constexpr int kNodeFreedoms = 6;

// Node kinds of the equation numbering.
enum SolidNodeKind { kNodeInNoElement = 0, kElementNode = 1, kSlaveNode = 2, kMasterNode = 3 };

struct SolidModelTables {
    std::span<const double> coordinates;
    std::span<const int> elements;
    std::span<const double> materials;
    std::span<const int> constraints;
    std::span<const int> rigidLinks;
    std::span<const double> nodalLoads;
    int loadCaseCount = 0;

    int NodeCount() const { return RowCount(coordinates.size(), kCoordinateColumns); }
    int ElementCount() const { return RowCount(elements.size(), kElementColumns); }
    int MaterialCount() const { return RowCount(materials.size(), kMaterialColumns); }
    int ConstraintCount() const { return RowCount(constraints.size(), kConstraintColumns); }
    int RigidLinkCount() const { return RowCount(rigidLinks.size(), kRigidLinkColumns); }
    int NodalLoadCount() const { return RowCount(nodalLoads.size(), kNodalLoadColumns); }

    // Row e (1-based) of the element table.
    std::span<const int> ElementRow(int element) const {
        return elements.subspan(static_cast<std::size_t>(element - 1) * kElementColumns, kElementColumns);
    }
    // A row whose seventh node is 0 is a 6-node wedge; otherwise an 8-node hexahedron.
    int ElementNodeCount(int element) const { return ElementRow(element)[8] == 0 ? 6 : 8; }
    double Coordinate(int node, int axis) const {
        return coordinates[static_cast<std::size_t>(node - 1) * kCoordinateColumns + axis];
    }
    int LinkSlave(int link) const { return rigidLinks[static_cast<std::size_t>(link - 1) * kRigidLinkColumns]; }
    int LinkMaster(int link) const { return rigidLinks[static_cast<std::size_t>(link - 1) * kRigidLinkColumns + 1]; }

private:
    static int RowCount(std::size_t size, int columns) { return static_cast<int>(size / columns); }
};
