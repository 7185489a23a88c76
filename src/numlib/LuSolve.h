#pragma once

// Solution with the LU factors of LuFactor and iterative refinement.
// IPATH 1 solves A x = b, IPATH 2 solves A^T x = b.

#include <string_view>

// X = refined solution; A and B unchanged; RES is N doubles of scratch.
void LuRefine(int N, const double* A, int LDA, const double* FAC, int LDFAC, const int* IPVT, const double* B, int IPATH,
              double* X, double* RES);
// X = solution with the factors; X may be the same array as B.
void LuSolve(int N, const double* FAC, int LDFAC, const int* IPVT, const double* B, int IPATH, double* X);
// Triangular solve T x = x (TRANS N) or T^T x = x (T or C); T upper (UPLO U)
// or lower (L), unit diagonal when DIAG is U. Letters compare without case.
void DTRSV(std::string_view UPLO, std::string_view TRANS, std::string_view DIAG, int N, const double* A, int LDA, double* X,
           int INCX);
