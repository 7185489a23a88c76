#include "io/DxfAngles.h"

#include "model/Geometry.h"

#include <cmath>

namespace {

constexpr double kFullTurn = 360.0;

} // namespace

double WithoutWholeTurns(double degrees)
{
    return std::fmod(degrees, kFullTurn);
}

double CounterClockwiseSweep(double start, double end)
{
    if (IsZero(end - start))
        return 0.0;
    double sweep = std::fmod(WithoutWholeTurns(end) - WithoutWholeTurns(start), kFullTurn);
    if (sweep < 0.0)
        sweep += kFullTurn;
    return IsZero(sweep) || IsZero(sweep - kFullTurn) ? kFullTurn : sweep;
}
