#pragma once

// Vector and matrix kernels, after the level-1 Basic Linear Algebra
// Subprograms: vectors are (count N, first element, stride INC), 1-based in the
// walk. For the two-vector kernels a negative stride starts at element
// (1 - N) * INC + 1 and walks backwards; the one-vector kernels do nothing (or
// return 0) for a stride below 1. Every kernel does nothing when N < 1.

void FillVector(int N, double A, double* X, int INCX);
void DSCAL(int N, double A, double* X, int INCX);
// Y += A * X; returns at once when A = 0.
void DAXPY(int N, double A, const double* X, int INCX, double* Y, int INCY);
double DASUM(int N, const double* X, int INCX);
double DDOT(int N, const double* X, int INCX, const double* Y, int INCY);
// Index of the first element of largest magnitude.
int IDAMAX(int N, const double* X, int INCX);
void DCOPY(int N, const double* X, int INCX, double* Y, int INCY);
// IP = first index of the largest |X(i) * S(i)| (unit strides); 1 when all are 0.
void ScaledPivotIndex(int N, const double* X, const double* S, int& IP);
// B(1..N, 1..N) = A(1..N, 1..N); bad arguments are errors of the library.
void CopyMatrix(int N, const double* A, int LDA, double* B, int LDB);
