#pragma once
// Arcs and ellipses of a DXF drawing run counter-clockwise from a start to an
// end angle in degrees, and a drawing may write either with any number of
// whole turns. Whole turns are dropped exactly before anything else is done
// with an angle: a sum, difference or conversion of a huge angle loses its
// place.

// The angle less its whole turns, in (-360, 360).
double WithoutWholeTurns(double degrees);

// The counter-clockwise sweep from start to end, in (0, 360], taken between
// the angles less their whole turns. Angles equal as written sweep nothing
// (0); angles a non-zero whole number of turns apart sweep a full turn. An
// angle that is not finite gives no number.
double CounterClockwiseSweep(double start, double end);

// An ellipse parameter, written in radians, as its direction in degrees in
// (-360, 360). No double is a whole turn in radians, so the turns of a
// parameter beyond one turn are dropped by its sine and cosine, which the C
// library reduces exactly.
double ParameterDegrees(double radians);

// The counter-clockwise sweep in degrees from one ellipse parameter to
// another, both in radians, by the rules of CounterClockwiseSweep.
double ParameterSweep(double startRadians, double endRadians);
