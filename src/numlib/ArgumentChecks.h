#pragma once

// Argument checks that several routines of the library share. Each posts a
// terminal error (type 5) with the caller's code and returns false when the
// argument is bad.

#include <string_view>

// "The number of equations must be positive ..."
bool CheckEquationCount(int N, int code);
// "The order of the matrix must be positive ..."
bool CheckMatrixOrder(int N, int code);
// LD is the leading dimension named ldName ("LDA", "LDFAC").
bool CheckLeadingDimension(int N, int LD, std::string_view ldName, int code);
bool CheckSolvePath(int IPATH, int code);
