#pragma once

// LU factorisation with scaled partial pivoting and an L1 condition estimate.
// Matrices are column-major with a leading dimension, indices 1-based.
//
// Factor storage in FAC: U on and above the diagonal; below it, column k holds
// the negated multipliers in the row order after the exchange of step k (later
// exchanges are not applied to earlier columns). IPVT(k) is the row exchanged
// with row k at step k; IPVT(N) = N.

// Factors A and estimates the reciprocal L1 condition number into RCOND; WK is
// N doubles of scratch. Singular: error type 4; RCOND <= 2^-52: type 3.
void LuFactorCond(int N, const double* A, int LDA, double* FAC, int LDFAC, int* IPVT, double& RCOND, double* WK);
// Factors only; WK receives the row scales. Pushes its name as "luFactor".
void LuFactor(int N, const double* A, int LDA, double* FAC, int LDFAC, int* IPVT, double* WK);
// Largest column sum of |a(i, j)|.
void MatrixNorm1(int NRA, int NCA, const double* A, int LDA, double& ANORM);
