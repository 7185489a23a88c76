#pragma once

// The library's view of the machine: floating-point and integer constants and
// the units its lines are written to.

// N = 1..8: smallest normalised number, largest number, smallest and largest
// relative spacing, log10(2), quiet NaN, +infinity, -infinity.
double MachDouble(int N);
// N = 1..12: integer and floating-point model constants.
int MachInt(int N);
// N = 1..3 returns unit N (1 input, 2 output, 3 messages) in NUNIT; N = -1..-3
// sets unit |N| to NUNIT.
void IoUnits(int N, int& NUNIT);
