#include "numlib/LuSolve.h"

#include "numlib/ArgumentChecks.h"
#include "numlib/CharRoutines.h"
#include "numlib/ErrorStack.h"
#include "numlib/ExtendedDot.h"
#include "numlib/Kernels.h"
#include "numlib/MachineConstants.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace {

constexpr int kMaxRefinements = 50;
constexpr const char* kSingularMessage =
    "The input matrix is singular.  Some of the diagonal elements of the upper triangular matrix U of the LU factorization are close to zero.";

const double* Column(const double* a, int ld, int j)
{
    return a + static_cast<std::ptrdiff_t>(j - 1) * ld;
}

bool IsLetter(std::string_view text, char upper)
{
    return !text.empty() && LSAME(text.front(), upper);
}

// Posts the first bad argument of DTRSV; true when all are good.
bool CheckTriangularSolveArguments(std::string_view UPLO, std::string_view TRANS, std::string_view DIAG, int N, int LDA, int INCX)
{
    int code = 0;
    std::string_view message;
    if (N < 0) {
        ErrSetInt(1, N);
        code = 1;
        message = "N must be greater than or equal to zero while %(I1) is given.";
    } else if (LDA == 0 || LDA < N) {
        ErrSetInt(1, LDA);
        ErrSetInt(2, N);
        code = 2;
        message = "LDA must be greater than or equal to N and greater than zero while LDA = %(I1) and N = %(I2) are given.";
    } else if (INCX == 0) {
        ErrSetInt(1, INCX);
        code = 3;
        message = "INCX must not be equal to zero while %(I1) is given.";
    } else if (!IsLetter(TRANS, 'N') && !IsLetter(TRANS, 'T') && !IsLetter(TRANS, 'C')) {
        ErrSetText(1, TRANS);
        code = 4;
        message = "TRANS must be set equal to N or T or C while %(L1) is given.";
    } else if (!IsLetter(UPLO, 'U') && !IsLetter(UPLO, 'L')) {
        ErrSetText(1, UPLO);
        code = 5;
        message = "UPLO must be set equal to U or L while %(L1) is given.";
    } else if (!IsLetter(DIAG, 'U') && !IsLetter(DIAG, 'N')) {
        ErrSetText(1, DIAG);
        code = 6;
        message = "DIAG must be set equal to U or N while %(L1) is given.";
    }
    if (code == 0) {
        return true;
    }
    ErrPush("DTRSV");
    ErrPost(5, code, message);
    ErrPop("DTRSV");  // stops the library
    return false;
}

bool HasSmallDiagonal(int N, const double* FAC, int LDFAC, bool fromLast)
{
    const double small = MachDouble(1);
    for (int step = 0; step < N; ++step) {
        const int i = fromLast ? N - step : step + 1;
        if (std::fabs(Column(FAC, LDFAC, i)[i - 1]) <= small) {
            return true;
        }
    }
    return false;
}

double LargestMagnitude(int N, const double* x)
{
    return std::fabs(x[IDAMAX(N, x, 1) - 1]);
}

// Refines X with residuals formed in double-double; false when the rounds stop
// improving or run out without converging.
bool RefineSolution(int N, const double* A, int LDA, const double* FAC, int LDFAC, const int* IPVT, const double* B, int IPATH,
                    double* X, double* RES)
{
    const double eps = MachDouble(4);
    double previous = MachDouble(2);
    for (int iteration = 1; iteration <= kMaxRefinements; ++iteration) {
        for (int i = 1; i <= N; ++i) {
            RES[i - 1] = IPATH == 1 ? DotExtended(N, -B[i - 1], A + (i - 1), LDA, X, 1)
                                    : DotExtended(N, -B[i - 1], Column(A, LDA, i), 1, X, 1);
        }
        LuSolve(N, FAC, LDFAC, IPVT, RES, IPATH, RES);
        if (ErrCode(1) != 0) {
            return true;  // the solve has posted its own error
        }
        DAXPY(N, -1.0, RES, 1, X, 1);
        const double ratio = LargestMagnitude(N, RES) / LargestMagnitude(N, X);
        if (ratio >= previous) {
            return false;
        }
        if (ratio <= eps) {
            return true;
        }
        previous = ratio;
    }
    return false;
}

}  // namespace

void DTRSV(std::string_view UPLO, std::string_view TRANS, std::string_view DIAG, int N, const double* A, int LDA, double* X,
           int INCX)
{
    if (!CheckTriangularSolveArguments(UPLO, TRANS, DIAG, N, LDA, INCX) || N == 0) {
        return;
    }
    const bool upper = IsLetter(UPLO, 'U');
    const bool transposed = !IsLetter(TRANS, 'N');
    const bool unitDiagonal = IsLetter(DIAG, 'U');
    auto a = [A, LDA](int i, int j) { return A[static_cast<std::ptrdiff_t>(j - 1) * LDA + (i - 1)]; };
    const std::ptrdiff_t first = INCX < 0 ? static_cast<std::ptrdiff_t>(1 - N) * INCX : 0;
    auto x = [X, first, INCX](int i) -> double& { return X[first + static_cast<std::ptrdiff_t>(i - 1) * INCX]; };
    // Components are solved from the end of the triangle that needs no others.
    const bool backwards = upper != transposed;
    for (int step = 0; step < N; ++step) {
        const int i = backwards ? N - step : step + 1;
        const int from = backwards ? i + 1 : 1;
        const int to = backwards ? N : i - 1;
        double sum = 0.0;
        for (int j = from; j <= to; ++j) {
            sum += (transposed ? a(j, i) : a(i, j)) * x(j);
        }
        double value = x(i) - sum;
        if (!unitDiagonal) {
            value /= a(i, i);
        }
        x(i) = value;
    }
}

void LuSolve(int N, const double* FAC, int LDFAC, const int* IPVT, const double* B, int IPATH, double* X)
{
    ErrPush("LuSolve");
    if (CheckEquationCount(N, 1) && CheckLeadingDimension(N, LDFAC, "LDFAC", 2)) {
        DCOPY(N, B, 1, X, 1);
        if (IPATH == 1) {
            for (int k = 1; k < N; ++k) {
                const int l = IPVT[k - 1];
                const double t = X[l - 1];
                if (l != k) {
                    X[l - 1] = X[k - 1];
                    X[k - 1] = t;
                }
                DAXPY(N - k, t, Column(FAC, LDFAC, k) + k, 1, X + k, 1);
            }
            if (HasSmallDiagonal(N, FAC, LDFAC, true)) {
                ErrPost(5, 3, kSingularMessage);
            } else {
                DTRSV("U", "N", "N", N, FAC, LDFAC, X, 1);
            }
        } else if (IPATH == 2) {
            if (HasSmallDiagonal(N, FAC, LDFAC, false)) {
                ErrPost(5, 4, kSingularMessage);
            } else {
                DTRSV("U", "T", "N", N, FAC, LDFAC, X, 1);
                for (int k = N - 1; k >= 1; --k) {
                    X[k - 1] += DDOT(N - k, Column(FAC, LDFAC, k) + k, 1, X + k, 1);
                    const int l = IPVT[k - 1];
                    if (l != k) {
                        std::swap(X[l - 1], X[k - 1]);
                    }
                }
            }
        } else {
            CheckSolvePath(IPATH, 5);
        }
    }
    ErrPop("LuSolve");
}

void LuRefine(int N, const double* A, int LDA, const double* FAC, int LDFAC, const int* IPVT, const double* B, int IPATH,
              double* X, double* RES)
{
    ErrPush("LuRefine");
    if (CheckEquationCount(N, 1) && CheckLeadingDimension(N, LDA, "LDA", 2) && CheckLeadingDimension(N, LDFAC, "LDFAC", 3) &&
        CheckSolvePath(IPATH, 4)) {
        LuSolve(N, FAC, LDFAC, IPVT, B, IPATH, X);
        if (LargestMagnitude(N, X) != 0.0 && !RefineSolution(N, A, LDA, FAC, LDFAC, IPVT, B, IPATH, X, RES)) {
            ErrPost(3, 2, "The matrix is too ill-conditioned for iterative refinement to be effective.");
        }
    }
    ErrPop("LuRefine");
}
