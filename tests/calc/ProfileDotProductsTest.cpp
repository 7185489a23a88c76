#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "calc/ProfileDotProducts.h"

namespace {

// Values of widely different magnitude, so that any change in the order of
// the additions shows in the result.
std::vector<double> ScatteredValues(std::mt19937& random, int count) {
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0), exponent(-8.0, 8.0);
    std::vector<double> values(count);
    for (double& v : values) v = mantissa(random) * std::pow(10.0, exponent(random));
    return values;
}

TEST(ProfileDotProducts, PairedProductsEqualSingleProductsBitForBit) {
    std::mt19937 random(7);
    // Every pair of lengths up to 3 groups of four and a tail, both ways round.
    for (int count1 = 0; count1 <= 14; ++count1) {
        for (int count2 = 0; count2 <= 14; ++count2) {
            const int longest = std::max(count1, count2);
            const std::vector<double> a = ScatteredValues(random, longest);
            const std::vector<double> b1 = ScatteredValues(random, count1 + 1);
            const std::vector<double> b2 = ScatteredValues(random, count2 + 1);
            const double* a1 = a.data() + (longest - count1);
            const double* a2 = a.data() + (longest - count2);
            double dot1 = NAN, dot2 = NAN;
            PairedDotProducts(a1, b1.data(), count1, b2.data(), count2, dot1, dot2);
            EXPECT_EQ(dot1, DotProduct(a1, b1.data(), count1)) << count1 << ", " << count2;
            EXPECT_EQ(dot2, DotProduct(a2, b2.data(), count2)) << count1 << ", " << count2;
        }
    }
}

TEST(ProfileDotProducts, LongProductsWithEveryLagAgreeBitForBit) {
    std::mt19937 random(11);
    for (int lag = 0; lag < 9; ++lag) {
        const int count1 = 347, count2 = count1 - lag;
        const std::vector<double> a = ScatteredValues(random, count1);
        const std::vector<double> b1 = ScatteredValues(random, count1), b2 = ScatteredValues(random, count2);
        double dot1 = NAN, dot2 = NAN;
        PairedDotProducts(a.data(), b1.data(), count1, b2.data(), count2, dot1, dot2);
        EXPECT_EQ(dot1, DotProduct(a.data(), b1.data(), count1)) << "lag " << lag;
        EXPECT_EQ(dot2, DotProduct(a.data() + lag, b2.data(), count2)) << "lag " << lag;
    }
}

}  // namespace
