#include "io/DxfAngles.h"

#include "model/Geometry.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double kFullTurn = 360.0;

// The sweep from one direction to another, both less their whole turns; a
// sweep within reach of none or of a whole turn is a whole turn.
double SweepBetweenDirections(double start, double end)
{
    double sweep = std::fmod(end - start, kFullTurn);
    if (sweep < 0.0)
        sweep += kFullTurn;
    return IsZero(sweep) || IsZero(sweep - kFullTurn) ? kFullTurn : sweep;
}

} // namespace

double WithoutWholeTurns(double degrees)
{
    return std::fmod(degrees, kFullTurn);
}

double CounterClockwiseSweep(double start, double end)
{
    if (IsZero(end - start))
        return 0.0;
    return SweepBetweenDirections(WithoutWholeTurns(start), WithoutWholeTurns(end));
}

double ParameterDegrees(double radians)
{
    // Within a turn the parameter is taken as written, so that one written as
    // 2 pi (the double next to it) still ends where 360 degrees does.
    const bool withinTurn = std::fabs(radians) <= 2.0 * std::numbers::pi;
    const double direction = withinTurn ? radians : std::atan2(std::sin(radians), std::cos(radians));
    return WithoutWholeTurns(RadToDeg(direction));
}

double ParameterSweep(double startRadians, double endRadians)
{
    if (IsZero(RadToDeg(endRadians - startRadians)))
        return 0.0;
    return SweepBetweenDirections(ParameterDegrees(startRadians), ParameterDegrees(endRadians));
}
