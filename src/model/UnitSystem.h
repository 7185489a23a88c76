#pragma once
// Unit codes of a project and the factors between them. The factors are fixed
// decimal constants, not derived from one another, so a conversion there and
// back can differ from 1 in the last digits.

enum LengthUnitCode { LENGTH_M = 1, LENGTH_CM = 2, LENGTH_MM = 3, LENGTH_FT = 4, LENGTH_IN = 5 };

enum ForceUnitCode { FORCE_N = 1, FORCE_KN = 2, FORCE_KGF = 3, FORCE_TONF = 4, FORCE_LBF = 5, FORCE_KIPS = 6 };

// The factor that expresses a length (force) given in fromUnit in toUnit; 1.0
// when the codes are equal or either is not a known code.
double GetLengthUnitFactor(int fromUnit, int toUnit);
double GetForceUnitFactor(int fromUnit, int toUnit);
