#pragma once

// The inner products of the profile factorisation. Each product is summed in
// four running sums in a fixed order, so a factor is the same bit for bit
// however the columns are grouped or shared among threads.

#include <cstdint>

// Σ a[k]·b[k] for k in [0, count).
double DotProduct(const double* a, const double* b, std::int64_t count);

// DotProduct(a, b1, count1) and the product of b2 with the last count2
// elements of a, both bit for bit as DotProduct sums them, reading a only
// once where the two overlap. count2 may exceed count1: a then starts
// count2 - count1 elements earlier for the second product.
void PairedDotProducts(const double* a, const double* b1, std::int64_t count1, const double* b2, std::int64_t count2,
                       double& dot1, double& dot2);
