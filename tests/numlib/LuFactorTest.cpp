#include "NumlibTestSupport.h"

#include "LapackOracle.h"
#include "numlib/ErrorStack.h"
#include "numlib/LuFactor.h"
#include "numlib/OptionStore.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kEps = std::numeric_limits<double>::epsilon();
constexpr const char* kSingularText =
    "The input matrix is singular.  Some of the diagonal elements of the upper triangular matrix U of the LU factorization are close to zero.";

struct Factors {
    std::vector<double> fac;
    std::vector<int> ipvt;
    std::vector<double> wk;
    double rcond = -1.0;
};

class LuFactorTest : public NumlibTest {
protected:
    static Factors FactorWithEstimate(int n, const std::vector<double>& a)
    {
        Factors f{std::vector<double>(a.size()), std::vector<int>(static_cast<std::size_t>(n)),
                  std::vector<double>(static_cast<std::size_t>(n)), -1.0};
        LuFactorCond(n, a.data(), n, f.fac.data(), n, f.ipvt.data(), f.rcond, f.wk.data());
        return f;
    }

    static double Norm1(int n, const std::vector<double>& a)
    {
        return dlange_("1", &n, &n, a.data(), &n, nullptr, 1);
    }

    static double LapackConditionEstimate(int n, std::vector<double> a)
    {
        const double anorm = Norm1(n, a);
        std::vector<int> ipiv(static_cast<std::size_t>(n));
        int info = 0;
        dgetrf_(&n, &n, a.data(), &n, ipiv.data(), &info);
        std::vector<double> work(static_cast<std::size_t>(4 * n));
        std::vector<int> iwork(static_cast<std::size_t>(n));
        double rcond = 0.0;
        dgecon_("1", &n, a.data(), &n, &anorm, &rcond, work.data(), iwork.data(), &info, 1);
        return rcond;
    }
};

// Rows scaled by powers of two, each row's largest magnitude exactly its scale.
std::vector<double> RowsScaledByPowersOfTwo(int n, std::uint32_t seed, std::vector<int>& exponents)
{
    std::vector<double> a = RandomMatrix(n, seed);
    std::mt19937 generator(seed + 1000);
    std::uniform_int_distribution<int> exponent(-30, 30);
    std::uniform_int_distribution<int> column(0, n - 1);
    exponents.resize(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const int e = exponent(generator);
        exponents[static_cast<std::size_t>(i)] = e;
        for (int j = 0; j < n; ++j) {
            a[static_cast<std::size_t>(j * n + i)] = std::ldexp(a[static_cast<std::size_t>(j * n + i)] * 0.99, e);
        }
        a[static_cast<std::size_t>(column(generator) * n + i)] = std::ldexp(i % 2 == 0 ? 1.0 : -1.0, e);
    }
    return a;
}

TEST_F(LuFactorTest, PivotsMatchLapackOnTheRowEquilibratedMatrix)
{
    for (const int n : {2, 3, 5, 10, 50, 120}) {
        for (std::uint32_t seed = 1; seed <= 3; ++seed) {
            std::vector<int> exponents;
            const std::vector<double> a = RowsScaledByPowersOfTwo(n, seed * 31 + static_cast<std::uint32_t>(n), exponents);
            std::vector<double> fac(a.size());
            std::vector<int> ipvt(static_cast<std::size_t>(n));
            std::vector<double> wk(static_cast<std::size_t>(n));
            LuFactor(n, a.data(), n, fac.data(), n, ipvt.data(), wk.data());

            std::vector<double> equilibrated = a;
            for (int i = 0; i < n; ++i) {
                for (int j = 0; j < n; ++j) {
                    double& value = equilibrated[static_cast<std::size_t>(j * n + i)];
                    value = std::ldexp(value, -exponents[static_cast<std::size_t>(i)]);
                }
            }
            std::vector<int> ipiv(static_cast<std::size_t>(n));
            int info = 0;
            dgetrf_(&n, &n, equilibrated.data(), &n, ipiv.data(), &info);
            ASSERT_EQ(info, 0);
            EXPECT_EQ(ipvt, ipiv) << "n = " << n << ", seed " << seed;
        }
    }
}

TEST_F(LuFactorTest, PivotTiesKeepTheLowestRow)
{
    // Column 1 ties between all rows once scaled; column 2 ties between rows 2 and 3.
    const std::vector<double> a = {2.0, -1.0, 4.0, 0.0, 0.5, -2.0, 1.0, 1.0, 1.0};
    std::vector<double> fac(9);
    std::vector<int> ipvt(3);
    std::vector<double> wk(3);
    LuFactor(3, a.data(), 3, fac.data(), 3, ipvt.data(), wk.data());
    EXPECT_EQ(ipvt, (std::vector<int>{1, 2, 3}));
}

TEST_F(LuFactorTest, ZeroMatrixIsSingularWithUnitScalesAndNoEstimate)
{
    const std::vector<double> zero(9, 0.0);
    Factors f{std::vector<double>(9), std::vector<int>(3), std::vector<double>(3, -5.0), -1.0};
    const StopOutcome stop = StopOf([&] { LuFactorCond(3, zero.data(), 3, f.fac.data(), 3, f.ipvt.data(), f.rcond, f.wk.data()); });
    EXPECT_EQ(stop.type, 4) << "a singular matrix stops the factorisation";
    EXPECT_EQ(stop.code, 2);
    EXPECT_EQ(f.wk, std::vector<double>(3, 1.0));
    EXPECT_EQ(f.rcond, 1.0);
    EXPECT_EQ(NumlibState().errors.lastPrintedMessage, kSingularText);
    EXPECT_NE(SinkText().find(" *** FATAL ERROR 2 from LuFactorCond.  The input matrix is singular."), std::string::npos);
}

TEST_F(LuFactorTest, OneByOneMatrix)
{
    Factors f = FactorWithEstimate(1, {-3.0});
    EXPECT_EQ(f.ipvt, std::vector<int>{1});
    EXPECT_EQ(f.rcond, 1.0);
    EXPECT_TRUE(NumlibState().sink.empty());

    EXPECT_NO_THROW(FactorWithEstimate(1, {std::ldexp(1.0, -1021)}));
    EXPECT_THROW(FactorWithEstimate(1, {std::ldexp(1.0, -1022)}), LibraryStop);
}

TEST_F(LuFactorTest, IdentityIsPerfectlyConditioned)
{
    const Factors f = FactorWithEstimate(3, {1.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 1.0});
    EXPECT_EQ(f.rcond, 1.0);
    EXPECT_TRUE(NumlibState().sink.empty());
    EXPECT_EQ(ErrType(1), 0);
}

TEST_F(LuFactorTest, NearlySingularDiagonalWarns)
{
    const Factors f = FactorWithEstimate(2, {1.0, 0.0, 0.0, 1e-20});
    EXPECT_LE(f.rcond, kEps);
    EXPECT_EQ(ErrType(1), 3);
    EXPECT_EQ(ErrCode(1), 1);
    EXPECT_EQ(NumlibState().errors.lastPrintedMessage,
              "The matrix is algorithmically singular.  An estimate of the reciprocal of its L1 condition number is RCOND = 1.00000000000000E-20.");
}

TEST_F(LuFactorTest, FactorOnlyOptionSkipsTheEstimate)
{
    const int option = 17;
    int factorOnly[2] = {1, 1};
    OptionStore("MATH", 1, 2, 1, &option, factorOnly);
    const Factors f = FactorWithEstimate(2, {1.0, 0.0, 0.0, 1e-20});
    EXPECT_EQ(f.rcond, 1.0);
    EXPECT_TRUE(NumlibState().sink.empty());

    int invalid[2] = {1, 3};
    OptionStore("MATH", 1, 2, 1, &option, invalid);
    EXPECT_THROW(FactorWithEstimate(2, {1.0, 0.0, 0.0, 1.0}), LibraryStop);
    EXPECT_EQ(NumlibState().errors.lastPrintedMessage,
              "The flag value for computing the matrix condition number must be 1 or 2 while 3 is given.");
}

TEST_F(LuFactorTest, ConditionEstimateBracketsTheTrueValueAndLapacks)
{
    for (const int n : {2, 3, 5, 10, 50, 200}) {
        for (std::uint32_t seed = 1; seed <= 4; ++seed) {
            std::vector<double> a = RandomMatrix(n, seed * 7 + static_cast<std::uint32_t>(n));
            if (seed == 4) {
                for (int j = 0; j < n; ++j) {  // graded columns: a harder case
                    for (int i = 0; i < n; ++i) {
                        a[static_cast<std::size_t>(j * n + i)] *= std::pow(10.0, -6.0 * j / n);
                    }
                }
            }
            const Factors f = FactorWithEstimate(n, a);
            const double exact = ReciprocalConditionFromInverse(n, a);
            const double lapack = LapackConditionEstimate(n, a);
            EXPECT_GE(f.rcond, exact * (1.0 - 4 * kEps)) << "n = " << n << ", seed " << seed;
            EXPECT_LE(f.rcond, 10.0 * exact) << "n = " << n << ", seed " << seed;
            EXPECT_LE(f.rcond, 10.0 * lapack) << "n = " << n << ", seed " << seed;
            EXPECT_GE(f.rcond, lapack / 10.0) << "n = " << n << ", seed " << seed;
        }
    }
}

TEST_F(LuFactorTest, MatrixNormEqualsLapacksOneNorm)
{
    const int rows = 37;
    const int columns = 23;
    const int lda = 40;
    const std::vector<double> a = RandomValues(static_cast<std::size_t>(lda * columns), 3);
    double anorm = -1.0;
    MatrixNorm1(rows, columns, a.data(), lda, anorm);
    EXPECT_EQ(anorm, dlange_("1", &rows, &columns, a.data(), &lda, nullptr, 1));
}

TEST_F(LuFactorTest, MatrixNormReportsBothEmptyDimensions)
{
    const std::vector<double> a(1, 1.0);
    double anorm = -1.0;
    EXPECT_EQ(StopOf([&] { MatrixNorm1(0, 0, a.data(), 1, anorm); }).code, 3);
    const std::string text = SinkText();
    EXPECT_NE(text.find("ERROR 2 from MatrixNorm1.  The number of rows"), std::string::npos) << text;
    EXPECT_NE(text.find("ERROR 3 from MatrixNorm1.  The number of columns"), std::string::npos) << text;
    EXPECT_EQ(anorm, -1.0);
}

struct BadFactorCase {
    int n;
    int lda;
    int ldfac;
    int code;
    const char* message;
};

TEST_F(LuFactorTest, BadArgumentsStopWithTheirTexts)
{
    const std::vector<BadFactorCase> cases = {
        {0, 1, 1, 1, "The order of the matrix must be positive while N = 0 is given."},
        {3, 2, 3, 2, "The order of the matrix must be less than or equal to its leading dimension while N = 3 and LDA = 2 are given."},
        {3, 3, 1, 3, "The order of the matrix must be less than or equal to its leading dimension while N = 3 and LDFAC = 1 are given."},
    };
    std::vector<double> a(9, 1.0);
    std::vector<double> fac(9);
    std::vector<int> ipvt(3);
    std::vector<double> wk(3);
    for (const BadFactorCase& c : cases) {
        for (const bool withEstimate : {true, false}) {
            ResetNumlibState();
            double rcond = 0.0;
            const StopOutcome stop = StopOf([&] {
                if (withEstimate) {
                    LuFactorCond(c.n, a.data(), c.lda, fac.data(), c.ldfac, ipvt.data(), rcond, wk.data());
                } else {
                    LuFactor(c.n, a.data(), c.lda, fac.data(), c.ldfac, ipvt.data(), wk.data());
                }
            });
            EXPECT_EQ(stop.type, 5) << c.message;
            EXPECT_EQ(stop.code, c.code) << c.message;
            EXPECT_EQ(NumlibState().errors.lastPrintedMessage, c.message);
        }
    }
}

}  // namespace
