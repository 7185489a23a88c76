#pragma once

// Fortran LAPACK and BLAS routines used as an oracle by the tests and the
// benchmark. Character arguments carry their hidden lengths at the end.

#include <cstddef>
#include <limits>
#include <vector>

extern "C" {
void dgesv_(const int* n, const int* nrhs, double* a, const int* lda, int* ipiv, double* b, const int* ldb, int* info);
void dgetrf_(const int* m, const int* n, double* a, const int* lda, int* ipiv, int* info);
void dgetrs_(const char* trans, const int* n, const int* nrhs, const double* a, const int* lda, const int* ipiv, double* b,
             const int* ldb, int* info, std::size_t transLength);
void dgecon_(const char* norm, const int* n, const double* a, const int* lda, const double* anorm, double* rcond, double* work,
             int* iwork, int* info, std::size_t normLength);
double dlange_(const char* norm, const int* m, const int* n, const double* a, const int* lda, double* work, std::size_t normLength);
void dgesvx_(const char* fact, const char* trans, const int* n, const int* nrhs, double* a, const int* lda, double* af,
             const int* ldaf, int* ipiv, char* equed, double* r, double* c, double* b, const int* ldb, double* x, const int* ldx,
             double* rcond, double* ferr, double* berr, double* work, int* iwork, int* info, std::size_t factLength,
             std::size_t transLength, std::size_t equedLength);
void dtrsv_(const char* uplo, const char* trans, const char* diag, const int* n, const double* a, const int* lda, double* x,
            const int* incx, std::size_t uploLength, std::size_t transLength, std::size_t diagLength);
}

// 1 / (|A|_1 |A^-1|_1) of a column-major n x n matrix, the inverse from LAPACK;
// NaN when A is singular.
inline double ReciprocalConditionFromInverse(int n, std::vector<double> a)
{
    const double anorm = dlange_("1", &n, &n, a.data(), &n, nullptr, 1);
    std::vector<double> inverse(a.size(), 0.0);
    for (std::size_t i = 0; i < static_cast<std::size_t>(n); ++i) {
        inverse[i * static_cast<std::size_t>(n) + i] = 1.0;
    }
    std::vector<int> ipiv(static_cast<std::size_t>(n));
    int info = 0;
    dgesv_(&n, &n, a.data(), &n, ipiv.data(), inverse.data(), &n, &info);
    if (info != 0) {
        return std::numeric_limits<double>::quiet_NaN();
    }
    return 1.0 / (anorm * dlange_("1", &n, &n, inverse.data(), &n, nullptr, 1));
}
