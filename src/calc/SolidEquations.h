#pragma once

// Between the solid model's tables and the equation solver: which degrees of
// freedom carry an equation (constraints and rigid links taken into account),
// the connectivity description and element stream the equation solver reads,
// and the right-hand sides of all load cases. The global stiffness matrix is
// never formed here.
//
// Rigid links join a slave to a master in the x-y plane: the slave shares its
// master's UX, UY and RZ and keeps its own UZ, so the linked nodes move as one
// rigid body in the plane, u(slave) = u(master) + θ(master) × (x(slave) - x(master)).

#include <span>
#include <vector>

#include "calc/SolidModelTables.h"
#include "calc/SolverInput.h"

struct SolidEquationTables {
    int equationCount = 0;
    // Equation number of each degree of freedom, 6 per node; 0 where none.
    std::vector<int> nodeEquations;
    // SolidNodeKind of each node.
    std::vector<int> nodeKinds;
    // First rigid link naming the node as its slave, 0 when none.
    std::vector<int> firstSlaveLink;

    int Equation(int node, int freedom) const {
        return nodeEquations[static_cast<std::size_t>(node - 1) * kNodeFreedoms + freedom];
    }
    int Kind(int node) const { return nodeKinds[static_cast<std::size_t>(node - 1)]; }
    // The link of a node of kind slave, 0 for any other node.
    int SlaveLink(int node) const {
        return Kind(node) == kSlaveNode ? firstSlaveLink[static_cast<std::size_t>(node - 1)] : 0;
    }
};

// Numbers the equations node by node, in degree-of-freedom order: an element
// node carries UX, UY, UZ; a master UX, UY, RZ; a slave its own UZ and then
// its master's UX, UY, RZ; a node in no element and no link nothing. Constraint
// flags remove degrees of freedom before the slaves take their master's
// numbers, so flags on a slave's UX, UY or RZ have no effect. Expects tables
// whose node numbers are in range.
void NumberEquations(const SolidModelTables& model, SolidEquationTables& equations);

// Writes the connectivity description and appends one record per element to
// the stream, in element order. The elements are formed on up to maxThreads
// threads (0: the machine's); the stream is bit for bit the one a single
// thread would write. False when an element routine fails (inverted or
// degenerate element, unusable material), the stream then ending before that
// element, or once the calculation is cancelled (CancelWatch).
[[nodiscard]] bool AssembleElementSystem(const SolidModelTables& model, const SolidEquationTables& equations,
                                         ConnectivityDescription& description, ElementStream& stream,
                                         int maxThreads = 0);

// The record of element e (1-based) on its equations: the distinct non-zero
// equations of its nodes' freedoms in ascending order, and the stiffness on
// them, upper triangle row by row. A slave's translations follow its master,
// u(slave) = u(master) + θ(master) × (x(slave) - x(master)), plus its own
// equations; freedoms that share an equation are one unknown. An equation
// that moves no node (a rotation of a node that is no slave) keeps a row of
// zeros. False when the element routine fails.
[[nodiscard]] bool FormElementRecord(const SolidModelTables& model, const SolidEquationTables& equations, int element,
                                     std::vector<int>& recordEquations, std::vector<double>& upperTriangle);

// Right-hand sides of every load case, column by column (equation count rows).
// A load on a slave acts on its master with the moment d × F added, and on its
// own UZ; loads on freedoms without an equation are dropped.
void AssembleLoadVectors(const SolidModelTables& model, const SolidEquationTables& equations,
                         std::vector<double>& loads);
