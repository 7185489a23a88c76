#pragma once

// Integer options of the library, per product ("MATH", "STAT") and chapter.

#include <string_view>

// IACT 1 gets: the values of each option in IOPTS are written to IVALS in order
// (a negative option number gives its defaults). IACT 2 puts: the values are
// read from IVALS in the same order; a negative option number restores the
// defaults. IVALS must hold all the values of the options named.
void OptionStore(std::string_view PRODNM, int ICHP, int IACT, int NUMOPT, const int* IOPTS, int* IVALS);
