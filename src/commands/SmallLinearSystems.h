#pragma once
// The small square systems of the circle and polynomial commands, solved by
// Cramer's rule as those commands define their results.

// Determinant of the n x n matrix (row-major, n from 1 to 4).
double Determinant(const double* matrix, int n);

// Solves matrix * x = rhs for n from 1 to 4; false, leaving x unset, when the
// determinant is zero by IsZero (below 1e-6, not scaled by the entries).
bool SolveByCramer(const double* matrix, const double* rhs, int n, double* x);
