#pragma once

// Solution of one real, square, dense linear system by LU factorisation with
// scaled partial pivoting, a condition estimate and iterative refinement.

#include <string>
#include <vector>

// What a solve leaves for its caller. A library error never ends the process:
// it comes back here with the message the library printed to its sink.
struct DenseSolveStatus {
    bool solved = false;   // x holds the (refined) solution
    bool warning = false;  // solved, but the solution may be inaccurate (type 3)
    int type = 0;          // error type of the library's message; 0 when none
    int code = 0;
    std::string text;  // the message with its keywords substituted
};

// Solves A x = b for n unknowns; A is given row by row (n * n values) and b has
// n values. x is resized to n. Throws std::invalid_argument when the sizes of A
// or b do not match n.
DenseSolveStatus SolveDenseSystem(int n, const std::vector<double>& A, const std::vector<double>& b, std::vector<double>& x);

// The library's entry point: A column-major with leading dimension LDA (not
// changed), B (N values, not changed), IPATH 1 solves A x = b and 2 solves
// A^T x = b, X (N values) receives the solution.
DenseSolveStatus DenseSolve(int N, const double* A, int LDA, const double* B, int IPATH, double* X);
// The same with caller-supplied workspace: FAC N * N doubles (leading
// dimension N), IPVT N integers, WK N doubles.
void DenseSolveWork(int N, const double* A, int LDA, const double* B, int IPATH, double* X, double* FAC, int* IPVT, double* WK);
