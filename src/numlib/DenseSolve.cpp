#include "numlib/DenseSolve.h"

#include "numlib/ArgumentChecks.h"
#include "numlib/ErrorStack.h"
#include "numlib/LuFactor.h"
#include "numlib/LuSolve.h"
#include "numlib/MachineConstants.h"
#include "numlib/NumlibContext.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <new>
#include <stdexcept>
#include <utility>

namespace {

constexpr int kWarning = 3;

bool StopsTheSolve(int type)
{
    return type == 4 || type == 5 || type == 7;
}

}  // namespace

void DenseSolveWork(int N, const double* A, int LDA, const double* B, int IPATH, double* X, double* FAC, int* IPVT, double* WK)
{
    ErrPush("DenseSolveWork");
    if (CheckEquationCount(N, 1) && CheckLeadingDimension(N, LDA, "LDA", 2) && CheckSolvePath(IPATH, 3)) {
        double rcond = 0.0;
        LuFactorCond(N, A, LDA, FAC, N, IPVT, rcond, WK);
        if (ErrType(1) != 4) {
            LuRefine(N, A, LDA, FAC, N, IPVT, B, IPATH, X, WK);
            if (ErrCode(1) != 0 || rcond <= MachDouble(4)) {
                ErrSetDouble(1, rcond);
                ErrPost(kWarning, 1, "The matrix is too ill-conditioned. An estimate of the reciprocal of its L1 condition number is RCOND = %(D1).  The solution might not be accurate.");
            }
        }
    }
    ErrPop("DenseSolveWork");
}

DenseSolveStatus DenseSolve(int N, const double* A, int LDA, const double* B, int IPATH, double* X)
{
    const int callerLevel = ErrorStackLevel();
    ClearCallerMessage();
    bool stopped = false;
    try {
        ErrPush("DenseSolve");
        if (CheckEquationCount(N, 1)) {
            std::vector<double> fac;
            std::vector<double> wk;
            std::vector<int> ipvt;
            bool allocated = true;
            try {
                fac.resize(static_cast<std::size_t>(N) * static_cast<std::size_t>(N));
                wk.resize(static_cast<std::size_t>(N));
                ipvt.resize(static_cast<std::size_t>(N));
            } catch (const std::bad_alloc&) {
                allocated = false;
            } catch (const std::length_error&) {
                allocated = false;
            }
            if (allocated) {
                DenseSolveWork(N, A, LDA, B, IPATH, X, fac.data(), ipvt.data(), wk.data());
            } else {
                ErrSetInt(1, N);
                ErrPost(5, 2, "The required storage cannot be allocated.  The workspace is based on N, where N = %(i1).");
            }
        }
        ErrPop("DenseSolve");
    } catch (const LibraryStop& stop) {
        UnwindErrorStackTo(callerLevel, stop.type, stop.code);
        stopped = true;
    }
    CallerMessage message = TakeCallerMessage();
    DenseSolveStatus status;
    status.solved = !stopped && !StopsTheSolve(message.type);
    status.warning = status.solved && message.type == kWarning;
    status.type = message.type;
    status.code = message.code;
    status.text = std::move(message.text);
    return status;
}

DenseSolveStatus SolveDenseSystem(int n, const std::vector<double>& A, const std::vector<double>& b, std::vector<double>& x)
{
    const std::size_t order = n > 0 ? static_cast<std::size_t>(n) : 0;
    if (A.size() != order * order || b.size() != order) {
        throw std::invalid_argument("SolveDenseSystem: the matrix must hold n * n values and the right-hand side n values");
    }
    // The library keeps its matrices column by column.
    std::vector<double> work(order * order);
    for (std::size_t i = 0; i < order; ++i) {
        for (std::size_t j = 0; j < order; ++j) {
            work[j * order + i] = A[i * order + j];
        }
    }
    x.assign(order, 0.0);
    DenseSolveStatus status = DenseSolve(n, work.data(), n, b.data(), 1, x.data());
    // A NaN or infinity in the input passes the singularity test and comes
    // out as a NaN solution; that is no solution at all.
    if (status.solved && !std::all_of(x.begin(), x.end(), [](double value) { return std::isfinite(value); })) {
        status.solved = false;
        status.warning = false;
        status.text = "The solution is not finite: the matrix or the right-hand side holds a value that is not a finite number.";
    }
    return status;
}
