#include "numlib/Kernels.h"

#include "numlib/ErrorStack.h"

#include <cmath>
#include <cstddef>

namespace {

// 0-based offset of the first element a stride walks.
std::ptrdiff_t StartOffset(int N, int INC)
{
    return INC < 0 ? static_cast<std::ptrdiff_t>(1 - N) * INC : 0;
}

}  // namespace

void FillVector(int N, double A, double* X, int INCX)
{
    for (std::ptrdiff_t i = 0, ix = 0; INCX > 0 && i < N; ++i, ix += INCX) {
        X[ix] = A;
    }
}

void DSCAL(int N, double A, double* X, int INCX)
{
    for (std::ptrdiff_t i = 0, ix = 0; INCX > 0 && i < N; ++i, ix += INCX) {
        X[ix] *= A;
    }
}

void DAXPY(int N, double A, const double* X, int INCX, double* Y, int INCY)
{
    if (N < 1 || A == 0.0) {
        return;
    }
    std::ptrdiff_t ix = StartOffset(N, INCX);
    std::ptrdiff_t iy = StartOffset(N, INCY);
    for (int i = 0; i < N; ++i, ix += INCX, iy += INCY) {
        Y[iy] += A * X[ix];
    }
}

double DASUM(int N, const double* X, int INCX)
{
    double sum = 0.0;
    for (std::ptrdiff_t i = 0, ix = 0; INCX > 0 && i < N; ++i, ix += INCX) {
        sum += std::fabs(X[ix]);
    }
    return sum;
}

double DDOT(int N, const double* X, int INCX, const double* Y, int INCY)
{
    double sum = 0.0;
    if (N < 1) {
        return sum;
    }
    std::ptrdiff_t ix = StartOffset(N, INCX);
    std::ptrdiff_t iy = StartOffset(N, INCY);
    for (int i = 0; i < N; ++i, ix += INCX, iy += INCY) {
        sum += X[ix] * Y[iy];
    }
    return sum;
}

int IDAMAX(int N, const double* X, int INCX)
{
    if (N < 1 || INCX < 1) {
        return 0;
    }
    int best = 1;
    double largest = std::fabs(X[0]);
    std::ptrdiff_t ix = INCX;
    for (int i = 2; i <= N; ++i, ix += INCX) {
        if (std::fabs(X[ix]) > largest) {
            largest = std::fabs(X[ix]);
            best = i;
        }
    }
    return best;
}

void DCOPY(int N, const double* X, int INCX, double* Y, int INCY)
{
    if (N < 1) {
        return;
    }
    std::ptrdiff_t ix = StartOffset(N, INCX);
    std::ptrdiff_t iy = StartOffset(N, INCY);
    for (int i = 0; i < N; ++i, ix += INCX, iy += INCY) {
        Y[iy] = X[ix];
    }
}

void ScaledPivotIndex(int N, const double* X, const double* S, int& IP)
{
    IP = 1;
    double largest = 0.0;
    for (int i = 0; i < N; ++i) {
        const double product = std::fabs(X[i] * S[i]);
        if (product > largest) {
            largest = product;
            IP = i + 1;
        }
    }
}

void CopyMatrix(int N, const double* A, int LDA, double* B, int LDB)
{
    ErrPush("CopyMatrix");
    if (N < 1) {
        ErrSetInt(1, N);
        ErrPost(5, 1, "The argument N = %(I1).  It must be at least 1.");
    } else if (LDA < N) {
        ErrSetInt(1, LDA);
        ErrSetInt(2, N);
        ErrPost(5, 2, "The argument LDA = %(I1).  It must be at least as large as N = %(I2).");
    } else if (LDB < N) {
        ErrSetInt(1, LDB);
        ErrSetInt(2, N);
        ErrPost(5, 3, "The argument LDB = %(I1).  It must be at least as large as N = %(I2).");
    } else {
        for (int j = 0; j < N; ++j) {
            DCOPY(N, A + static_cast<std::ptrdiff_t>(j) * LDA, 1, B + static_cast<std::ptrdiff_t>(j) * LDB, 1);
        }
    }
    ErrPop("CopyMatrix");
}
