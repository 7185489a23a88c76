#include "numlib/ArgumentChecks.h"

#include "numlib/ErrorStack.h"

#include <string>

bool CheckEquationCount(int N, int code)
{
    if (N >= 1) {
        return true;
    }
    ErrSetInt(1, N);
    ErrPost(5, code, "The number of equations must be positive while N = %(I1) is given.");
    return false;
}

bool CheckMatrixOrder(int N, int code)
{
    if (N >= 1) {
        return true;
    }
    ErrSetInt(1, N);
    ErrPost(5, code, "The order of the matrix must be positive while N = %(I1) is given.");
    return false;
}

bool CheckLeadingDimension(int N, int LD, std::string_view ldName, int code)
{
    if (LD >= N) {
        return true;
    }
    ErrSetInt(1, N);
    ErrSetInt(2, LD);
    ErrPost(5, code,
            "The order of the matrix must be less than or equal to its leading dimension while N = %(I1) and " + std::string(ldName) +
                " = %(I2) are given.");
    return false;
}

bool CheckSolvePath(int IPATH, int code)
{
    if (IPATH == 1 || IPATH == 2) {
        return true;
    }
    ErrSetInt(1, IPATH);
    ErrPost(5, code, "IPATH must be either 1 or 2 while a value of %(I1) is given.");
    return false;
}
