#include "numlib/MachineConstants.h"

#include "numlib/ErrorStack.h"
#include "numlib/NumlibContext.h"

#include <array>
#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr std::array<int, 12> kIntegerConstants = {32, 4, 2, 31, 2147483647, 2, 24, -125, 128, 53, -1021, 1024};

}  // namespace

double MachDouble(int N)
{
    switch (N) {
    case 1: return std::numeric_limits<double>::min();
    case 2: return std::numeric_limits<double>::max();
    case 3: return std::ldexp(1.0, -53);
    case 4: return std::numeric_limits<double>::epsilon();
    case 5: return 0.3010299956639812;
    case 6: return std::numeric_limits<double>::quiet_NaN();
    case 7: return std::numeric_limits<double>::infinity();
    case 8: return -std::numeric_limits<double>::infinity();
    default: break;
    }
    ErrPush("MachDouble");
    ErrSetInt(1, N);
    ErrPost(5, 5, "The argument must be between 1 and 8 inclusive. N = %(I1)");
    ErrPop("MachDouble");  // stops the library
    return std::numeric_limits<double>::quiet_NaN();
}

int MachInt(int N)
{
    if (N >= 1 && N <= 12) {
        return kIntegerConstants[static_cast<std::size_t>(N - 1)];
    }
    NumlibContext& context = NumlibState();
    const int unit = context.units[2];
    context.WriteLine(unit, " *** TERMINAL ERROR 5 from MachInt.  The argument");
    context.WriteLine(unit, " ***          must be between 1 and 12 inclusive.");
    context.WriteLine(unit, " ***          N = " + std::to_string(N));
    throw LibraryStop(5, 5);
}

void IoUnits(int N, int& NUNIT)
{
    NumlibContext& context = NumlibState();
    if (N >= 1 && N <= 3) {
        NUNIT = context.units[static_cast<std::size_t>(N)];
        return;
    }
    if (N >= -3 && N <= -1) {
        context.units[static_cast<std::size_t>(-N)] = NUNIT;
        return;
    }
    const int unit = context.units[3];
    context.WriteLine(unit, " *** TERMINAL ERROR 5 from IoUnits.  The absolute");
    context.WriteLine(unit, " ***          value of the index variable must be");
    context.WriteLine(unit, " ***          1, 2, or 3.  IABS(N) = " + std::to_string(N < 0 ? -static_cast<long long>(N) : N));
    throw LibraryStop(5, 5);
}
