#include "numlib/LuFactor.h"

#include "numlib/ArgumentChecks.h"
#include "numlib/ErrorStack.h"
#include "numlib/Kernels.h"
#include "numlib/MachineConstants.h"
#include "numlib/OptionStore.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace {

constexpr int kConditionOption = 17;
constexpr int kFactorOnly = 1;
constexpr int kFactorAndEstimate = 2;

// Column-major, 1-based element access.
struct ColumnMajor {
    double* data;
    int ld;
    double& operator()(int i, int j) const
    {
        return data[static_cast<std::ptrdiff_t>(j - 1) * ld + (i - 1)];
    }
};

bool CheckOrderAndLeadingDimensions(int N, int LDA, int LDFAC)
{
    return CheckMatrixOrder(N, 1) && CheckLeadingDimension(N, LDA, "LDA", 2) && CheckLeadingDimension(N, LDFAC, "LDFAC", 3);
}

void RescaleVector(int N, double s, double* z)
{
    DSCAL(N, s, z, 1);
}

// Estimate of the L1 norm of the inverse from the factors; z (N doubles) is scratch.
double EstimateInverseNorm(int N, const ColumnMajor& fac, const int* IPVT, double* z)
{
    auto zk = [z](int k) -> double& { return z[k - 1]; };
    double ek = 1.0;
    FillVector(N, 0.0, z, 1);

    // Solve U^T w = e, choosing the signs of e to make w large.
    for (int k = 1; k <= N; ++k) {
        if (zk(k) != 0.0) {
            ek = std::copysign(std::fabs(ek), -zk(k));
        }
        const double ukk = fac(k, k);
        if (std::fabs(ek - zk(k)) > std::fabs(ukk)) {
            const double s = std::fabs(ukk) / std::fabs(ek - zk(k));
            RescaleVector(N, s, z);
            ek = s * ek;
        }
        double wk = ek - zk(k);
        double wkm = -ek - zk(k);
        double s = std::fabs(wk);
        double sm = std::fabs(wkm);
        if (ukk != 0.0) {
            wk /= ukk;
            wkm /= ukk;
        } else {
            wk = 1.0;
            wkm = 1.0;
        }
        for (int j = k + 1; j <= N; ++j) {
            sm += std::fabs(zk(j) + wkm * fac(k, j));
            zk(j) += wk * fac(k, j);
            s += std::fabs(zk(j));
        }
        if (s < sm) {
            const double t = wkm - wk;
            wk = wkm;
            for (int j = k + 1; j <= N; ++j) {
                zk(j) += t * fac(k, j);
            }
        }
        zk(k) = wk;
    }
    RescaleVector(N, 1.0 / DASUM(N, z, 1), z);

    // Solve L^T y = w.
    for (int k = N; k >= 1; --k) {
        if (k < N) {
            zk(k) += DDOT(N - k, &fac(k + 1, k), 1, &zk(k + 1), 1);
        }
        if (std::fabs(zk(k)) > 1.0) {
            RescaleVector(N, 1.0 / std::fabs(zk(k)), z);
        }
        std::swap(zk(IPVT[k - 1]), zk(k));
    }
    RescaleVector(N, 1.0 / DASUM(N, z, 1), z);
    double ynorm = 1.0;

    // Solve L v = y.
    for (int k = 1; k <= N; ++k) {
        std::swap(zk(IPVT[k - 1]), zk(k));
        if (k < N) {
            DAXPY(N - k, zk(k), &fac(k + 1, k), 1, &zk(k + 1), 1);
        }
        if (std::fabs(zk(k)) > 1.0) {
            const double s = 1.0 / std::fabs(zk(k));
            RescaleVector(N, s, z);
            ynorm *= s;
        }
    }
    double s = 1.0 / DASUM(N, z, 1);
    RescaleVector(N, s, z);
    ynorm *= s;

    // Solve U z = v.
    for (int k = N; k >= 1; --k) {
        const double ukk = fac(k, k);
        if (std::fabs(zk(k)) > std::fabs(ukk)) {
            s = std::fabs(ukk) / std::fabs(zk(k));
            RescaleVector(N, s, z);
            ynorm *= s;
        }
        zk(k) = ukk != 0.0 ? zk(k) / ukk : 1.0;
        DAXPY(k - 1, -zk(k), &fac(1, k), 1, z, 1);
    }
    s = 1.0 / DASUM(N, z, 1);
    RescaleVector(N, s, z);
    return s * ynorm;
}

// Gaussian elimination with row scales WK; returns false when a pivot is not
// above the safe minimum.
bool EliminateWithScaledPivoting(int N, const ColumnMajor& fac, int* IPVT, double* WK)
{
    const double small = MachDouble(1);
    for (int i = 1; i <= N; ++i) {
        const double largest = std::fabs(fac(i, IDAMAX(N, &fac(i, 1), fac.ld)));
        WK[i - 1] = largest >= small ? 1.0 / largest : 1.0;
    }
    bool singular = false;
    for (int k = 1; k < N; ++k) {
        int p = 0;
        ScaledPivotIndex(N - k + 1, &fac(k, k), &WK[k - 1], p);
        p += k - 1;
        IPVT[k - 1] = p;
        if (std::fabs(fac(p, k)) <= small) {
            singular = true;
            continue;
        }
        if (p != k) {
            std::swap(WK[k - 1], WK[p - 1]);
            for (int j = k; j <= N; ++j) {
                std::swap(fac(k, j), fac(p, j));
            }
        }
        DSCAL(N - k, -1.0 / fac(k, k), &fac(k + 1, k), 1);
        for (int j = k + 1; j <= N; ++j) {
            DAXPY(N - k, fac(k, j), &fac(k + 1, k), 1, &fac(k + 1, j), 1);
        }
    }
    IPVT[N - 1] = N;
    return !singular && std::fabs(fac(N, N)) > small;
}

}  // namespace

void MatrixNorm1(int NRA, int NCA, const double* A, int LDA, double& ANORM)
{
    ErrPush("MatrixNorm1");
    if (LDA < NRA) {
        ErrSetInt(1, NRA);
        ErrSetInt(2, LDA);
        ErrPost(5, 1, "The number of rows of the input matrix must be less than or equal to the leading dimension while NRA = %(I1) and LDA = %(I2) are given.");
    } else {
        if (NRA < 1) {
            ErrSetInt(1, NRA);
            ErrPost(5, 2, "The number of rows of the input matrix must be greater than zero while NRA = %(I1) is given.");
        }
        if (NCA < 1) {
            ErrSetInt(1, NCA);
            ErrPost(5, 3, "The number of columns of the input matrix must be greater than zero while NCA = %(I1) is given.");
        }
    }
    if (ErrCode(0) == 0) {
        ANORM = 0.0;
        for (int j = 0; j < NCA; ++j) {
            const double columnSum = DASUM(NRA, A + static_cast<std::ptrdiff_t>(j) * LDA, 1);
            if (columnSum > ANORM) {
                ANORM = columnSum;
            }
        }
    }
    ErrPop("MatrixNorm1");
}

void LuFactor(int N, const double* A, int LDA, double* FAC, int LDFAC, int* IPVT, double* WK)
{
    ErrPush("luFactor");
    if (CheckOrderAndLeadingDimensions(N, LDA, LDFAC)) {
        CopyMatrix(N, A, LDA, FAC, LDFAC);
        if (!EliminateWithScaledPivoting(N, ColumnMajor{FAC, LDFAC}, IPVT, WK)) {
            ErrPost(4, 2, "The input matrix is singular.  Some of the diagonal elements of the upper triangular matrix U of the LU factorization are close to zero.");
        }
    }
    ErrPop("luFactor");
}

void LuFactorCond(int N, const double* A, int LDA, double* FAC, int LDFAC, int* IPVT, double& RCOND, double* WK)
{
    ErrPush("LuFactorCond");
    if (CheckOrderAndLeadingDimensions(N, LDA, LDFAC)) {
        RCOND = 1.0;
        const int option = kConditionOption;
        int values[2] = {0, 0};
        OptionStore("MATH", 1, 1, 1, &option, values);
        const int flag = values[1];
        if (flag != kFactorOnly && flag != kFactorAndEstimate) {
            ErrSetInt(1, flag);
            ErrPost(5, 4, "The flag value for computing the matrix condition number must be 1 or 2 while %(I1) is given.");
        } else {
            double anorm = 0.0;
            if (flag == kFactorAndEstimate) {
                MatrixNorm1(N, N, A, LDA, anorm);
            }
            LuFactor(N, A, LDA, FAC, LDFAC, IPVT, WK);
            if (ErrType(1) != 4) {
                if (flag == kFactorAndEstimate) {
                    const double ynorm = EstimateInverseNorm(N, ColumnMajor{FAC, LDFAC}, IPVT, WK);
                    if (anorm != 0.0) {
                        RCOND = ynorm / anorm;
                    }
                }
                if (RCOND <= MachDouble(4)) {
                    ErrSetDouble(1, RCOND);
                    ErrPost(3, 1, "The matrix is algorithmically singular.  An estimate of the reciprocal of its L1 condition number is RCOND = %(D1).");
                }
            }
        }
    }
    ErrPop("LuFactorCond");
}
