#pragma once

// What the solid model hands the equation solver: the connectivity
// description (which nodes each element and rigid link joins, and which
// equations each node carries) and the element stream (each element's
// condensed stiffness on its own equations). The global matrix is never formed
// by the model; the solver sums the stream into its own profile storage.
//
// Nodes and equations are numbered from 1, in the model's numbering.

#include <cstddef>
#include <span>
#include <vector>

struct RigidLinkNodes {
    int slave = 0;
    int master = 0;
};

struct ConnectivityDescription {
    // Number of equations N; every equation 1..N must belong to some node.
    int equationCount = 0;
    // Node numbers of each element in element order (8 for a hexahedron, 6 for a wedge).
    std::vector<std::vector<int>> elementNodes;
    // Rigid links: the slave shares some equations of its master.
    std::vector<RigidLinkNodes> rigidLinks;
    // One entry per node (node i at index i - 1): the node's equation numbers in
    // degree-of-freedom order (UX, UY, UZ, RX, RY, RZ), restrained ones left out.
    // A slave lists the equations it shares with its master too.
    std::vector<std::vector<int>> nodeEquations;

    int NodeCount() const { return static_cast<int>(nodeEquations.size()); }
};

// One record per element, in element order: the element's equation numbers in
// ascending order and its stiffness on them as the upper triangle, row by row:
// K(1,1), K(1,2) .. K(1,n), K(2,2) .. K(n,n).
class ElementStream {
public:
    // Appends one element. Throws std::invalid_argument when the triangle does
    // not hold n(n+1)/2 entries for n equations.
    void AppendElement(std::span<const int> equations, std::span<const double> upperTriangle);

    int ElementCount() const { return static_cast<int>(equationStart_.size()) - 1; }
    std::span<const int> Equations(int element) const;
    std::span<const double> UpperTriangle(int element) const;

private:
    std::vector<int> equations_;
    std::vector<std::size_t> equationStart_{0};
    std::vector<double> coefficients_;
    std::vector<std::size_t> coefficientStart_{0};
};
