#pragma once

// Inner products accumulated in double-double arithmetic: a pair (hi, lo) of
// doubles whose exact sum is the value, rounded to a double once at the end.

struct ExtendedAccumulator {
    double hi = 0.0;
    double lo = 0.0;
};

// D + sum X(i) * Y(i), rounded once. Strides as the two-vector kernels; N <= 0 returns D.
double DotExtended(int N, double D, const double* X, int INCX, const double* Y, int INCY);
// ACC = ACC + a.
void ExtAdd(double a, ExtendedAccumulator& ACC);
// ACC = ACC + x * y, the product formed exactly.
void ExtMul(double x, double y, ExtendedAccumulator& ACC);
// r = hi + lo.
void ExtSum(const ExtendedAccumulator& ACC, double& r);
