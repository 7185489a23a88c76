#include "NumlibTestSupport.h"

#include "LapackOracle.h"
#include "numlib/DenseSolve.h"
#include "numlib/ErrorStack.h"
#include "numlib/LuFactor.h"
#include "numlib/LuSolve.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();
constexpr const char* kSingularText =
    "The input matrix is singular.  Some of the diagonal elements of the upper triangular matrix U of the LU factorization are close to zero.";

__extension__ typedef __float128 Quad;

double MaxNorm(const std::vector<double>& v)
{
    double largest = 0.0;
    for (const double value : v) {
        largest = std::max(largest, std::fabs(value));
    }
    return largest;
}

// |b - op(A) x|_inf / (|op(A)|_inf |x|_inf), the residual formed in quad precision.
double ScaledResidual(int n, const std::vector<double>& a, const std::vector<double>& b, const std::vector<double>& x,
                      bool transposed)
{
    double residual = 0.0;
    double normA = 0.0;
    for (int i = 0; i < n; ++i) {
        Quad sum = b[static_cast<std::size_t>(i)];
        double rowSum = 0.0;
        for (int j = 0; j < n; ++j) {
            const double aij = transposed ? a[static_cast<std::size_t>(i * n + j)] : a[static_cast<std::size_t>(j * n + i)];
            sum -= static_cast<Quad>(aij) * static_cast<Quad>(x[static_cast<std::size_t>(j)]);
            rowSum += std::fabs(aij);
        }
        residual = std::max(residual, std::fabs(static_cast<double>(sum)));
        normA = std::max(normA, rowSum);
    }
    return residual / (normA * MaxNorm(x));
}

std::vector<double> LapackSolution(int n, std::vector<double> a, std::vector<double> b, bool transposed)
{
    std::vector<int> ipiv(static_cast<std::size_t>(n));
    int info = 0;
    const int one = 1;
    dgetrf_(&n, &n, a.data(), &n, ipiv.data(), &info);
    EXPECT_EQ(info, 0);
    dgetrs_(transposed ? "T" : "N", &n, &one, a.data(), &n, ipiv.data(), b.data(), &n, &info, 1);
    return b;
}

std::vector<double> Transposed(int n, const std::vector<double>& a)
{
    std::vector<double> t(a.size());
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            t[static_cast<std::size_t>(i * n + j)] = a[static_cast<std::size_t>(j * n + i)];
        }
    }
    return t;
}

class DenseSolveTest : public NumlibTest {};

TEST_F(DenseSolveTest, RandomSystemsAgreeWithLapackAndLeaveASmallResidual)
{
    for (const int n : {1, 2, 3, 5, 10, 50, 200}) {
        for (const int ipath : {1, 2}) {
            const auto seed = static_cast<std::uint32_t>(n * 10 + ipath);
            const std::vector<double> a = RandomMatrix(n, seed);
            const std::vector<double> b = RandomValues(static_cast<std::size_t>(n), seed + 1);
            const std::vector<double> aBefore = a;
            const std::vector<double> bBefore = b;
            std::vector<double> x(static_cast<std::size_t>(n));

            const DenseSolveStatus status = DenseSolve(n, a.data(), n, b.data(), ipath, x.data());
            ASSERT_TRUE(status.solved) << status.text;
            EXPECT_FALSE(status.warning) << status.text;
            EXPECT_EQ(status.type, 0);
            EXPECT_EQ(a, aBefore);
            EXPECT_EQ(b, bBefore);

            const std::vector<double> reference = LapackSolution(n, a, b, ipath == 2);
            const double kappa = 1.0 / ReciprocalConditionFromInverse(n, ipath == 2 ? Transposed(n, a) : a);
            double difference = 0.0;
            for (std::size_t i = 0; i < x.size(); ++i) {
                difference = std::max(difference, std::fabs(x[i] - reference[i]));
            }
            EXPECT_LE(difference / MaxNorm(x), 4.0 * kappa * kEps) << "n = " << n << ", IPATH " << ipath;
            EXPECT_LE(ScaledResidual(n, a, b, x, ipath == 2), 2.0 * kEps) << "n = " << n << ", IPATH " << ipath;
        }
    }
    EXPECT_TRUE(NumlibState().sink.empty()) << SinkText();
}

TEST_F(DenseSolveTest, SolveDenseSystemTakesItsMatrixRowByRow)
{
    const std::vector<double> rows = {2.0, 1.0, 0.0,  //
                                      0.0, 3.0, 1.0,  //
                                      1.0, 0.0, 4.0};
    std::vector<double> x;
    const DenseSolveStatus status = SolveDenseSystem(3, rows, {4.0, 9.0, 13.0}, x);
    ASSERT_TRUE(status.solved);
    ASSERT_EQ(x.size(), 3U);
    EXPECT_NEAR(x[0], 1.0, 1e-15);
    EXPECT_NEAR(x[1], 2.0, 1e-15);
    EXPECT_NEAR(x[2], 3.0, 1e-15);
}

TEST_F(DenseSolveTest, SolveDenseSystemRejectsMismatchedSizes)
{
    std::vector<double> x;
    EXPECT_THROW(SolveDenseSystem(2, {1.0, 2.0, 3.0}, {1.0, 2.0}, x), std::invalid_argument);
    EXPECT_THROW(SolveDenseSystem(2, {1.0, 0.0, 0.0, 1.0}, {1.0}, x), std::invalid_argument);
}

TEST_F(DenseSolveTest, NonFiniteInputIsNotReportedAsSolved)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        std::vector<double> a;
        std::vector<double> b;
    };
    const Case cases[] = {
        {{1.0, nan, 0.0, 1.0}, {1.0, 1.0}},
        {{1.0, 0.0, 0.0, 1.0}, {inf, 1.0}},
    };
    for (const Case& c : cases) {
        std::vector<double> x;
        const DenseSolveStatus status = SolveDenseSystem(2, c.a, c.b, x);
        EXPECT_FALSE(status.solved);
        EXPECT_FALSE(status.text.empty());
    }
}

TEST_F(DenseSolveTest, SingleEquationAndZeroRightHandSide)
{
    std::vector<double> x;
    DenseSolveStatus status = SolveDenseSystem(1, {4.0}, {3.0}, x);
    EXPECT_TRUE(status.solved);
    EXPECT_EQ(x, std::vector<double>{0.75});

    status = SolveDenseSystem(2, {1.0, 2.0, 3.0, 5.0}, {0.0, 0.0}, x);
    EXPECT_TRUE(status.solved);
    EXPECT_EQ(x, (std::vector<double>{0.0, 0.0}));
    EXPECT_TRUE(NumlibState().sink.empty());
}

TEST_F(DenseSolveTest, SingularMatricesReturnTheFatalStatusAndTheLibraryGoesOn)
{
    const std::vector<std::vector<double>> singular = {
        {1.0, 2.0, 3.0, 0.0, 0.0, 0.0, 4.0, 5.0, 6.0},  // row 2 zero (row by row)
        {1.0, 2.0, 1.0, 2.0},
    };
    for (const std::vector<double>& rows : singular) {
        ResetNumlibState();
        const int n = rows.size() == 9 ? 3 : 2;
        std::vector<double> x;
        const DenseSolveStatus status = SolveDenseSystem(n, rows, std::vector<double>(static_cast<std::size_t>(n), 1.0), x);
        EXPECT_FALSE(status.solved);
        EXPECT_FALSE(status.warning);
        EXPECT_EQ(status.type, 4);
        EXPECT_EQ(status.code, 2);
        EXPECT_EQ(status.text, kSingularText);
        EXPECT_NE(SinkText().find(" *** FATAL ERROR 2 from DenseSolve.  The input matrix is singular."), std::string::npos);
        EXPECT_EQ(ErrorStackLevel(), 1);

        const DenseSolveStatus next = SolveDenseSystem(2, {2.0, 0.0, 0.0, 4.0}, {2.0, 2.0}, x);
        EXPECT_TRUE(next.solved) << "the library works on after a fatal error";
        EXPECT_EQ(next.type, 0);
        EXPECT_TRUE(next.text.empty());
        EXPECT_EQ(x, (std::vector<double>{1.0, 0.5}));
    }
}

TEST_F(DenseSolveTest, SingularMatrixLeavesXUnwritten)
{
    const std::vector<double> a = {1.0, 1.0, 2.0, 2.0};
    const std::vector<double> b = {1.0, 1.0};
    std::vector<double> x = {7.0, 7.0};
    const DenseSolveStatus status = DenseSolve(2, a.data(), 2, b.data(), 1, x.data());
    EXPECT_FALSE(status.solved);
    EXPECT_EQ(x, (std::vector<double>{7.0, 7.0}));
}

TEST_F(DenseSolveTest, NearlySingularDiagonalSolvesWithTheLastWarning)
{
    std::vector<double> x;
    const DenseSolveStatus status = SolveDenseSystem(2, {1.0, 0.0, 0.0, 1e-20}, {1.0, 1.0}, x);
    EXPECT_TRUE(status.solved);
    EXPECT_TRUE(status.warning);
    EXPECT_EQ(status.type, 3);
    EXPECT_EQ(status.code, 1);
    EXPECT_EQ(status.text, "The matrix is too ill-conditioned. An estimate of the reciprocal of its L1 condition number is "
                           "RCOND = 1.00000000000000E-20.  The solution might not be accurate.");
    EXPECT_EQ(x, (std::vector<double>{1.0, 1e20}));
    const std::string sink = SinkText();
    EXPECT_EQ(sink.find("algorithmically singular"), std::string::npos) << "the later warning replaces the earlier one";
    EXPECT_EQ(sink.find(" *** WARNING ERROR 1 from DenseSolve.  The matrix is too ill-conditioned."), 0U) << sink;

    const DenseSolveStatus next = SolveDenseSystem(1, {2.0}, {1.0}, x);
    EXPECT_EQ(next.type, 0) << "a warning does not outlive its call";
    EXPECT_FALSE(next.warning);
}

std::vector<double> Hilbert(int n)
{
    std::vector<double> h(static_cast<std::size_t>(n * n));
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            h[static_cast<std::size_t>(j * n + i)] = 1.0 / (i + j + 1);
        }
    }
    return h;
}

TEST_F(DenseSolveTest, RefinementThatStopsImprovingWarns)
{
    const int n = 14;
    const std::vector<double> h = Hilbert(n);
    std::vector<double> fac(h.size());
    std::vector<int> ipvt(static_cast<std::size_t>(n));
    std::vector<double> wk(static_cast<std::size_t>(n));
    double rcond = 0.0;
    LuFactorCond(n, h.data(), n, fac.data(), n, ipvt.data(), rcond, wk.data());
    NumlibState().sink.clear();  // its "algorithmically singular" warning is not the subject here

    const std::vector<double> b(static_cast<std::size_t>(n), 1.0);
    std::vector<double> x(static_cast<std::size_t>(n));
    LuRefine(n, h.data(), n, fac.data(), n, ipvt.data(), b.data(), 1, x.data(), wk.data());
    EXPECT_EQ(ErrType(1), 3);
    EXPECT_EQ(ErrCode(1), 2);
    EXPECT_EQ(NumlibState().errors.lastPrintedMessage, "The matrix is too ill-conditioned for iterative refinement to be effective.");
    EXPECT_TRUE(std::all_of(x.begin(), x.end(), [](double v) { return std::isfinite(v); })) << "X keeps the last iterate";

    std::vector<double> solved(static_cast<std::size_t>(n));
    const DenseSolveStatus status = DenseSolve(n, h.data(), n, b.data(), 1, solved.data());
    EXPECT_TRUE(status.warning);
    EXPECT_EQ(status.code, 1) << "the solver's own warning replaces the refinement's";
}

struct BadCallCase {
    int n;
    int lda;
    int ipath;
    int code;
    const char* text;
};

TEST_F(DenseSolveTest, BadArgumentsReturnTerminalStatuses)
{
    const std::vector<BadCallCase> cases = {
        {0, 1, 1, 1, "The number of equations must be positive while N = 0 is given."},
        {-4, 1, 1, 1, "The number of equations must be positive while N = -4 is given."},
        {3, 2, 1, 2, "The order of the matrix must be less than or equal to its leading dimension while N = 3 and LDA = 2 are given."},
        {2, 2, 3, 3, "IPATH must be either 1 or 2 while a value of 3 is given."},
    };
    const std::vector<double> a(9, 1.0);
    const std::vector<double> b(3, 1.0);
    for (const BadCallCase& c : cases) {
        ResetNumlibState();
        std::vector<double> x(3, 7.0);
        const DenseSolveStatus status = DenseSolve(c.n, a.data(), c.lda, b.data(), c.ipath, x.data());
        EXPECT_FALSE(status.solved) << c.text;
        EXPECT_EQ(status.type, 5) << c.text;
        EXPECT_EQ(status.code, c.code) << c.text;
        EXPECT_EQ(status.text, c.text);
        EXPECT_EQ(x, std::vector<double>(3, 7.0));
        EXPECT_EQ(ErrorStackLevel(), 1);
    }
    std::vector<double> x;
    const DenseSolveStatus status = SolveDenseSystem(0, {}, {}, x);
    EXPECT_FALSE(status.solved);
    EXPECT_EQ(status.text, "The number of equations must be positive while N = 0 is given.");
}

}  // namespace
