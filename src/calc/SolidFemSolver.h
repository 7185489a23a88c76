#pragma once

// The linear static finite-element solver for three-dimensional solid models
// with rigid links: numbers the equations, forms the element stream, solves
// every load case with the profile equation solver and returns the six
// displacement components (UX, UY, UZ, RX, RY, RZ) of each requested node
// under its load case. Shows nothing; the outcome is a status.

#include <span>

#include "calc/ProfileSolver.h"
#include "calc/SolidEquations.h"
#include "calc/SolidModelTables.h"

inline constexpr int kSolidFemSucceeded = 0;
inline constexpr int kSolidFemFailed = 1;

// loadNodeList holds (node, load case) pairs; results gets 6 values per pair,
// in the pairs' order, and must hold at least that many. Returns
// kSolidFemFailed, leaving results untouched, when the tables do not fit
// together (row widths, node, material or load-case numbers out of range,
// values that are not finite), when an element is inverted or degenerate or
// its material unusable, when the equation solver fails (set-up, partition,
// a pivot that shows a singular or indefinite stiffness), or when the user
// cancels the calculation (CancelWatch). solverOptions.threads
// bounds the element formation as well as the equation solver.
[[nodiscard]] int RunSolidFemSolver(const SolidModelTables& model, std::span<const int> loadNodeList,
                                    std::span<double> results, const ProfileSolverOptions& solverOptions = {});

// Result recovery after the solution: for every (node, load case) pair of the
// request list, the node's six components into its row of results. solution
// holds one column of equation-count values per load case.
void RecoverNodeResults(std::span<const double> solution, std::span<const int> requests, std::span<double> results,
                        const SolidModelTables& model, const SolidEquationTables& equations);

// The six components of one node under one load case: the values of its
// equations, 0.0 where a freedom has none; a slave's translations follow its
// master's rigid motion, u = u(master) + θ(master) × (x(slave) - x(master)),
// with its own UZ.
void ComputeNodeDisplacement(int node, int loadCase, double out[kResultColumns], std::span<const double> solution,
                             const SolidModelTables& model, const SolidEquationTables& equations);
