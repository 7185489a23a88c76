#include "calc/SolidFemSolver.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

#include "calc/CalculationCancel.h"

namespace {

bool InRange(long long value, long long lowest, long long highest) { return value >= lowest && value <= highest; }

bool AllFinite(std::span<const double> values) {
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// The tables come from our own solid model, but a table that does not fit
// would index out of bounds: check every number once, up front.
bool TablesFitTogether(const SolidModelTables& model, std::span<const int> requests, std::size_t resultSize) {
    if (model.coordinates.size() % kCoordinateColumns != 0 || model.elements.size() % kElementColumns != 0 ||
        model.materials.size() % kMaterialColumns != 0 || model.constraints.size() % kConstraintColumns != 0 ||
        model.rigidLinks.size() % kRigidLinkColumns != 0 || model.nodalLoads.size() % kNodalLoadColumns != 0 ||
        requests.size() % kLoadNodeColumns != 0 || model.loadCaseCount < 0) {
        return false;
    }
    if (resultSize < requests.size() / kLoadNodeColumns * kResultColumns) return false;
    if (!AllFinite(model.coordinates) || !AllFinite(model.nodalLoads)) return false;

    const int nodes = model.NodeCount();
    for (int e = 1; e <= model.ElementCount(); ++e) {
        const std::span<const int> row = model.ElementRow(e);
        if (!InRange(row[0], 1, model.MaterialCount())) return false;
        for (int a = 0; a < model.ElementNodeCount(e); ++a) {
            if (!InRange(row[2 + a], 1, nodes)) return false;
        }
    }
    for (std::size_t i = 0; i < model.constraints.size(); i += kConstraintColumns) {
        if (!InRange(model.constraints[i], 1, nodes)) return false;
    }
    for (int value : model.rigidLinks) {
        if (!InRange(value, 1, nodes)) return false;
    }
    for (std::size_t i = 0; i < model.nodalLoads.size(); i += kNodalLoadColumns) {
        if (!InRange(std::llround(model.nodalLoads[i]), 1, nodes) ||
            !InRange(std::llround(model.nodalLoads[i + 1]), 1, model.loadCaseCount)) {
            return false;
        }
    }
    for (std::size_t i = 0; i < requests.size(); i += kLoadNodeColumns) {
        if (!InRange(requests[i], 1, nodes) || !InRange(requests[i + 1], 1, model.loadCaseCount)) return false;
    }
    return true;
}

// Solves every load case; false on any failure of the equation solver.
bool SolveLoadCases(const ConnectivityDescription& description, const ElementStream& stream,
                    std::span<const double> loads, int equationCount, int loadCaseCount,
                    const ProfileSolverOptions& options, std::vector<double>& solution) {
    const std::size_t rows = static_cast<std::size_t>(equationCount);
    solution.assign(rows * static_cast<std::size_t>(loadCaseCount), 0.0);
    ProfileSolver solver(options);
    for (int c = 0; c < loadCaseCount; ++c) {
        const int job = c == 0 ? ProfileSolver::kJobSetUp : ProfileSolver::kJobSolve;
        const std::span<double> column = std::span<double>(solution).subspan(c * rows, rows);
        if (solver.SolveEquations(job, description, stream, loads.subspan(c * rows, rows), column) !=
            SolverStatus::Ok) {
            return false;
        }
    }
    return solver.SolveEquations(ProfileSolver::kJobRelease, description, stream, {}, {}) == SolverStatus::Ok;
}

// Everything after the table check; may throw std::bad_alloc.
int SolveModel(const SolidModelTables& model, std::span<const int> loadNodeList, std::span<double> results,
               const ProfileSolverOptions& solverOptions) {
    SolidEquationTables equations;
    NumberEquations(model, equations);
    if (CancelWatch::Requested()) return kSolidFemFailed;

    ConnectivityDescription description;
    ElementStream stream;
    if (!AssembleElementSystem(model, equations, description, stream, solverOptions.threads)) return kSolidFemFailed;

    std::vector<double> loads;
    AssembleLoadVectors(model, equations, loads);

    std::vector<double> solution;
    if (!SolveLoadCases(description, stream, loads, equations.equationCount, model.loadCaseCount, solverOptions,
                        solution)) {
        return kSolidFemFailed;
    }
    RecoverNodeResults(solution, loadNodeList, results, model, equations);
    return kSolidFemSucceeded;
}

}  // namespace

int RunSolidFemSolver(const SolidModelTables& model, std::span<const int> loadNodeList, std::span<double> results,
                      const ProfileSolverOptions& solverOptions) {
    if (!TablesFitTogether(model, loadNodeList, results.size()) || CancelWatch::Requested()) return kSolidFemFailed;
    // The element stream and the coefficient buffer grow with the model; one
    // too large for the machine fails like any other instead of ending the program.
    try {
        return SolveModel(model, loadNodeList, results, solverOptions);
    } catch (const std::bad_alloc&) {
        return kSolidFemFailed;
    }
}

void RecoverNodeResults(std::span<const double> solution, std::span<const int> requests, std::span<double> results,
                        const SolidModelTables& model, const SolidEquationTables& equations) {
    for (std::size_t pair = 0; pair < requests.size() / kLoadNodeColumns; ++pair) {
        ComputeNodeDisplacement(requests[kLoadNodeColumns * pair], requests[kLoadNodeColumns * pair + 1],
                                &results[kResultColumns * pair], solution, model, equations);
    }
}

void ComputeNodeDisplacement(int node, int loadCase, double out[kResultColumns], std::span<const double> solution,
                             const SolidModelTables& model, const SolidEquationTables& equations) {
    const std::size_t column = static_cast<std::size_t>(loadCase - 1) * equations.equationCount;
    double u[kResultColumns];
    for (int k = 0; k < kResultColumns; ++k) {
        const int equation = equations.Equation(node, k);
        u[k] = equation != 0 ? solution[column + equation - 1] : 0.0;
    }
    if (const int link = equations.SlaveLink(node); link != 0) {
        const int master = model.LinkMaster(link);
        const double dx = model.Coordinate(node, 0) - model.Coordinate(master, 0);
        const double dy = model.Coordinate(node, 1) - model.Coordinate(master, 1);
        const double dz = model.Coordinate(node, 2) - model.Coordinate(master, 2);
        const double ux = u[0] + dz * u[4] - dy * u[5];
        const double uy = u[1] - dz * u[3] + dx * u[5];
        const double uz = u[2] + dy * u[3] - dx * u[4];
        u[0] = ux;
        u[1] = uy;
        u[2] = uz;
    }
    std::copy(u, u + kResultColumns, out);
}
