#include "numlib/ExtendedDot.h"

#include <cmath>
#include <cstddef>

namespace {

// Beyond these magnitudes the split below would overflow or lose bits.
constexpr double kSplitTooLarge = 1.3390779e300;
constexpr double kSplitTooSmall = 4.0092665e-292;
constexpr double kSplitter = 134217728.0;  // 2^27

struct SplitDouble {
    double hi;
    double lo;
};

SplitDouble Split(double v)
{
    const double c = v * kSplitter + v;
    const double hi = (v - c) + c;
    return {hi, v - hi};
}

// Brings v into the range where splitting is exact; k counts the scalings by 2^54.
double ScaleForSplit(double v, int& k)
{
    if (std::fabs(v) > kSplitTooLarge) {
        v = std::ldexp(v, -54);
        k += 1;
    }
    if (std::fabs(v) <= kSplitTooSmall) {
        v = std::ldexp(v, 54);
        k -= 1;
    }
    return v;
}

}  // namespace

void ExtAdd(double a, ExtendedAccumulator& ACC)
{
    // Knuth's two-sum of a and hi, plus lo; the grouping matters.
    const double s = a + ACC.hi;
    const double aMinusS = a - s;
    const double err = ((a - (s + aMinusS)) + (aMinusS + ACC.hi)) + ACC.lo;
    const double hi = s + err;
    ACC.lo = (s - hi) + err;
    ACC.hi = hi;
}

void ExtMul(double x, double y, ExtendedAccumulator& ACC)
{
    int k = 0;
    x = ScaleForSplit(x, k);
    y = ScaleForSplit(y, k);
    const SplitDouble sx = Split(x);
    const SplitDouble sy = Split(y);
    double p = x * y;
    const double t = sx.hi * sy.hi;
    double e = t != 0.0 ? sx.lo * sy.lo + (((t - p) + sx.lo * sy.hi) + sx.hi * sy.lo) : 0.0;
    if (k != 0 && (p != 0.0 || e != 0.0)) {
        const double f = std::ldexp(1.0, 54 * k);  // (2^27)^(2k)
        p *= f;
        e *= f;
    }
    ExtAdd(p, ACC);
    ExtAdd(e, ACC);
}

void ExtSum(const ExtendedAccumulator& ACC, double& r)
{
    r = ACC.hi + ACC.lo;
}

double DotExtended(int N, double D, const double* X, int INCX, const double* Y, int INCY)
{
    if (N <= 0) {
        return D;
    }
    ExtendedAccumulator acc;
    ExtAdd(D, acc);
    std::ptrdiff_t ix = INCX < 0 ? static_cast<std::ptrdiff_t>(1 - N) * INCX : 0;
    std::ptrdiff_t iy = INCY < 0 ? static_cast<std::ptrdiff_t>(1 - N) * INCY : 0;
    for (int i = 0; i < N; ++i, ix += INCX, iy += INCY) {
        ExtMul(X[ix], Y[iy], acc);
    }
    double result = 0.0;
    ExtSum(acc, result);
    return result;
}
