#include "commands/SmallLinearSystems.h"

#include "model/Geometry.h"

namespace {

constexpr int kMaxOrder = 4;

} // namespace

double Determinant(const double* matrix, int n)
{
    if (n == 1)
        return matrix[0];
    // Expansion along the first row.
    double minor[kMaxOrder * kMaxOrder];
    double sum = 0.0;
    for (int column = 0; column < n; ++column) {
        int k = 0;
        for (int row = 1; row < n; ++row) {
            for (int c = 0; c < n; ++c) {
                if (c != column)
                    minor[k++] = matrix[row * n + c];
            }
        }
        const double sign = column % 2 == 0 ? 1.0 : -1.0;
        sum += sign * matrix[column] * Determinant(minor, n - 1);
    }
    return sum;
}

bool SolveByCramer(const double* matrix, const double* rhs, int n, double* x)
{
    const double determinant = Determinant(matrix, n);
    if (IsZero(determinant))
        return false;
    double replaced[kMaxOrder * kMaxOrder];
    for (int column = 0; column < n; ++column) {
        for (int i = 0; i < n * n; ++i)
            replaced[i] = i % n == column ? rhs[i / n] : matrix[i];
        x[column] = Determinant(replaced, n) / determinant;
    }
    return true;
}
