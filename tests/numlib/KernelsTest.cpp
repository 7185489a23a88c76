#include "NumlibTestSupport.h"

#include "LapackOracle.h"
#include "numlib/ErrorStack.h"
#include "numlib/ExtendedDot.h"
#include "numlib/Kernels.h"
#include "numlib/LuSolve.h"

#include <cmath>
#include <limits>

namespace {

__extension__ typedef __float128 Quad;

Quad QuadAbs(Quad value)
{
    return value < 0 ? -value : value;
}

class KernelsTest : public NumlibTest {};

TEST_F(KernelsTest, IdamaxReturnsTheFirstLargestMagnitude)
{
    const std::vector<double> x = {1.0, -3.0, 3.0};
    EXPECT_EQ(IDAMAX(3, x.data(), 1), 2);
    EXPECT_EQ(IDAMAX(1, x.data(), 1), 1);
    EXPECT_EQ(IDAMAX(0, x.data(), 1), 0);
    EXPECT_EQ(IDAMAX(2, x.data(), 2), 2) << "counted in elements of the walk";
}

TEST_F(KernelsTest, DaxpyWithZeroFactorLeavesYUntouchedEvenForNaN)
{
    const std::vector<double> x = {std::numeric_limits<double>::quiet_NaN(), 1.0};
    std::vector<double> y = {2.0, 3.0};
    DAXPY(2, 0.0, x.data(), 1, y.data(), 1);
    EXPECT_EQ(y, (std::vector<double>{2.0, 3.0}));
}

TEST_F(KernelsTest, NegativeStridesWalkFromTheFarEnd)
{
    const std::vector<double> x = {1.0, 2.0, 3.0};
    const std::vector<double> y = {4.0, 5.0, 6.0};
    EXPECT_EQ(DDOT(3, x.data(), -1, y.data(), 1), 3.0 * 4.0 + 2.0 * 5.0 + 1.0 * 6.0);
    std::vector<double> copy(3);
    DCOPY(3, x.data(), 1, copy.data(), -1);
    EXPECT_EQ(copy, (std::vector<double>{3.0, 2.0, 1.0}));
    std::vector<double> sum = {0.0, 0.0, 0.0};
    DAXPY(3, 2.0, x.data(), -1, sum.data(), 1);
    EXPECT_EQ(sum, (std::vector<double>{6.0, 4.0, 2.0}));
    EXPECT_EQ(DASUM(3, x.data(), -1), 0.0) << "one-vector kernels need a positive stride";
}

TEST_F(KernelsTest, ScaledPivotIndexFindsTheFirstLargestScaledValue)
{
    const std::vector<double> zeros = {0.0, 0.0, 0.0};
    const std::vector<double> ones = {1.0, 1.0, 1.0};
    int ip = 0;
    ScaledPivotIndex(3, zeros.data(), ones.data(), ip);
    EXPECT_EQ(ip, 1);

    const std::vector<double> column = {1.0, -4.0, 2.0, 4.0};
    ScaledPivotIndex(4, column.data(), std::vector<double>{1.0, 1.0, 1.0, 1.0}.data(), ip);
    EXPECT_EQ(ip, 2) << "ties keep the first";
    ScaledPivotIndex(4, column.data(), std::vector<double>{1.0, 0.125, 1.0, 0.25}.data(), ip);
    EXPECT_EQ(ip, 3) << "the scales decide";
}

TEST_F(KernelsTest, ScaledPivotIndexAcrossChunkBoundaries)
{
    std::vector<double> column(1000, 1.0);
    const std::vector<double> scales(1000, 1.0);
    column[400] = 2.0;
    column[850] = 2.0;
    int ip = 0;
    ScaledPivotIndex(1000, column.data(), scales.data(), ip);
    EXPECT_EQ(ip, 401);
}

TEST_F(KernelsTest, CopyMatrixRejectsAShortLeadingDimensionWithoutWriting)
{
    const std::vector<double> a = {1.0, 2.0, 3.0, 4.0};
    std::vector<double> b(4, -1.0);
    EXPECT_THROW(CopyMatrix(2, a.data(), 1, b.data(), 2), LibraryStop);
    EXPECT_EQ(NumlibState().errors.lastPrintedMessage, "The argument LDA = 1.  It must be at least as large as N = 2.");
    EXPECT_EQ(b, std::vector<double>(4, -1.0));
}

TEST_F(KernelsTest, CopyMatrixCopiesTheLeadingBlock)
{
    const std::vector<double> a = {1.0, 2.0, 9.0, 3.0, 4.0, 9.0};
    std::vector<double> b(4);
    CopyMatrix(2, a.data(), 3, b.data(), 2);
    EXPECT_EQ(b, (std::vector<double>{1.0, 2.0, 3.0, 4.0}));
}

struct TriangularCase {
    const char* uplo;
    const char* trans;
    const char* diag;
    int incx;
};

TEST_F(KernelsTest, TriangularSolveAgreesWithTheReferenceBlas)
{
    const int n = 7;
    const int lda = 9;
    std::vector<double> a = RandomValues(static_cast<std::size_t>(lda * n), 11);
    for (int i = 0; i < n; ++i) {
        a[static_cast<std::size_t>(i * lda + i)] += 4.0;  // keep the triangles well conditioned
    }
    const std::vector<TriangularCase> cases = {
        {"U", "N", "N", 1}, {"u", "n", "n", 1}, {"U", "T", "N", 1}, {"U", "C", "U", 2},
        {"L", "N", "N", 1}, {"l", "t", "u", 1}, {"L", "N", "U", -1}, {"U", "T", "N", -2},
    };
    for (const TriangularCase& c : cases) {
        const int length = 1 + (n - 1) * std::abs(c.incx);
        std::vector<double> ours = RandomValues(static_cast<std::size_t>(length), 5);
        std::vector<double> reference = ours;
        DTRSV(c.uplo, c.trans, c.diag, n, a.data(), lda, ours.data(), c.incx);
        dtrsv_(c.uplo, c.trans, c.diag, &n, a.data(), &lda, reference.data(), &c.incx, 1, 1, 1);
        for (std::size_t i = 0; i < ours.size(); ++i) {
            EXPECT_NEAR(ours[i], reference[i], 1e-13 * (1.0 + std::fabs(reference[i])))
                << c.uplo << c.trans << c.diag << " incx " << c.incx << " element " << i;
        }
    }
}

struct BadTriangularCase {
    const char* uplo;
    const char* trans;
    const char* diag;
    int n;
    int lda;
    int incx;
    int code;
    const char* message;
};

TEST_F(KernelsTest, TriangularSolveRejectsBadArgumentsInOrder)
{
    const std::vector<BadTriangularCase> cases = {
        {"U", "N", "N", -1, 1, 1, 1, "N must be greater than or equal to zero while -1 is given."},
        {"U", "N", "N", 0, 0, 1, 2, "LDA must be greater than or equal to N and greater than zero while LDA = 0 and N = 0 are given."},
        {"U", "N", "N", 3, 2, 0, 2, "LDA must be greater than or equal to N and greater than zero while LDA = 2 and N = 3 are given."},
        {"U", "N", "N", 2, 2, 0, 3, "INCX must not be equal to zero while 0 is given."},
        {"X", "Q", "N", 2, 2, 1, 4, "TRANS must be set equal to N or T or C while Q is given."},
        {"X", "N", "N", 2, 2, 1, 5, "UPLO must be set equal to U or L while X is given."},
        {"L", "N", "Z", 2, 2, 1, 6, "DIAG must be set equal to U or N while Z is given."},
    };
    std::vector<double> a(4, 1.0);
    std::vector<double> x(2, 1.0);
    for (const BadTriangularCase& c : cases) {
        ResetNumlibState();
        const StopOutcome stop = StopOf([&] { DTRSV(c.uplo, c.trans, c.diag, c.n, a.data(), c.lda, x.data(), c.incx); });
        EXPECT_EQ(stop.type, 5) << c.message;
        EXPECT_EQ(stop.code, c.code) << c.message;
        EXPECT_EQ(NumlibState().errors.lastPrintedMessage, c.message);
        EXPECT_NE(SinkText().find("from DTRSV."), std::string::npos);
    }
}

TEST_F(KernelsTest, TriangularSolveOfOrderZeroDoesNothing)
{
    std::vector<double> x = {5.0};
    DTRSV("U", "N", "N", 0, x.data(), 1, x.data(), 1);
    EXPECT_EQ(x[0], 5.0);
    EXPECT_EQ(ErrorStackLevel(), 1) << "a good call pushes nothing";
}

TEST_F(KernelsTest, ExtendedDotCancelsExactly)
{
    const std::vector<double> x = {1e16, 1.0, -1e16};
    const std::vector<double> ones = {1.0, 1.0, 1.0};
    EXPECT_EQ(DotExtended(3, 0.0, x.data(), 1, ones.data(), 1), 1.0);
    EXPECT_EQ(DotExtended(3, -1.0, x.data(), 1, ones.data(), 1), 0.0);
    EXPECT_EQ(DotExtended(3, 0.0, x.data(), -1, ones.data(), 1), 1.0);
    EXPECT_EQ(DotExtended(0, 2.5, x.data(), 1, ones.data(), 1), 2.5);
}

TEST_F(KernelsTest, ExtendedProductIsExactOverTheWholeRange)
{
    const std::vector<std::pair<double, double>> factors = {
        {1.0 + std::ldexp(1.0, -30), 1.0 - std::ldexp(1.0, -29)},
        {3.0e300 * (1.0 + std::ldexp(1.0, -40)), 7.0e-5},
        {5.0e-295 * (1.0 + std::ldexp(1.0, -35)), 3.0e10 + 1.0},
        {-1.7e305, 2.3e-300},
        {2.0e-292 / 3.0, -4.0e10 / 7.0},
    };
    for (const auto& [x, y] : factors) {
        ExtendedAccumulator acc;
        ExtMul(x, y, acc);
        const Quad exact = static_cast<Quad>(x) * static_cast<Quad>(y);
        const Quad sum = static_cast<Quad>(acc.hi) + static_cast<Quad>(acc.lo);
        EXPECT_TRUE(QuadAbs(sum - exact) <= QuadAbs(exact) * static_cast<Quad>(std::ldexp(1.0, -104)))
            << x << " * " << y;
    }
}

TEST_F(KernelsTest, ExtendedResidualAgreesWithQuadPrecision)
{
    const Quad bound = 4 * static_cast<Quad>(std::ldexp(1.0, -104));
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        const int n = static_cast<int>(5 + 7 * seed);
        const std::vector<double> x = RandomValues(static_cast<std::size_t>(n), seed);
        const std::vector<double> y = RandomValues(static_cast<std::size_t>(n), seed + 100);
        Quad exact = 0;
        Quad magnitude = 0;
        for (int i = 0; i < n; ++i) {
            const Quad product = static_cast<Quad>(x[static_cast<std::size_t>(i)]) * static_cast<Quad>(y[static_cast<std::size_t>(i)]);
            exact += product;
            magnitude += QuadAbs(product);
        }
        // A residual: the start value nearly cancels the sum.
        const double d = -static_cast<double>(exact);
        exact += static_cast<Quad>(d);
        magnitude += QuadAbs(static_cast<Quad>(d));

        ExtendedAccumulator acc;
        ExtAdd(d, acc);
        for (int i = 0; i < n; ++i) {
            ExtMul(x[static_cast<std::size_t>(i)], y[static_cast<std::size_t>(i)], acc);
        }
        const Quad doubleDouble = static_cast<Quad>(acc.hi) + static_cast<Quad>(acc.lo);
        EXPECT_TRUE(QuadAbs(doubleDouble - exact) <= bound * magnitude) << "seed " << seed;

        const double residual = DotExtended(n, d, x.data(), 1, y.data(), 1);
        EXPECT_TRUE(QuadAbs(static_cast<Quad>(residual) - exact) <=
                    bound * magnitude + QuadAbs(exact) * static_cast<Quad>(std::ldexp(1.0, -53)))
            << "seed " << seed;
    }
}

}  // namespace
