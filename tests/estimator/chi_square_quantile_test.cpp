#include "chi_square_quantile.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

// The 2.5% and 97.5% points at 40 digits by roads that agree to 1e-40: the regularized incomplete
// gamma function, numerical integration of the density, and (to 10^5 degrees of freedom) the
// finite sums below; from 10^6 on the integral and the confluent hypergeometric series.
TEST(ChiSquareQuantile, ReferenceValuesAt2Point5And97Point5Percent) {
    const struct {
        double df, lower, upper;
    } reference[] = {
        {1, 0.000982069117175255912, 5.02388618731488895}, // the tightest lower tail
        {2, 0.0506356159685797508, 7.37775890822787260},
        {3, 0.215795282623897868, 9.34840360449614779},
        {4, 0.484418557087929806, 11.1432867818777971},
        {5, 0.831211613486662418, 12.8325019940300282},
        {10, 3.24697278023684107, 20.4831773508073965},
        {30, 16.7907722655666249, 46.9792422436711566},
        {100, 74.2219274749237260, 129.561197185836592},
        {1000, 914.257153799258934, 1089.53091277491349},
        {1e4, 9724.71837738979822, 10279.0701798875901},
        {1e5, 99125.3733006473515, 100878.415305665571},
        {1e6, 997230.087143290102, 1002773.70146792602},
        {1e7, 9991236.66905389476, 10008767.1195578116},
        {1e8, 99972283.8178675223, 100027719.970744233},
    };
    for (const auto& r : reference) {
        EXPECT_NEAR(ChiSquareQuantile(0.025, r.df), r.lower, 1e-12 * r.lower) << r.df;
        EXPECT_NEAR(ChiSquareQuantile(0.975, r.df), r.upper, 1e-12 * r.upper) << r.df;
    }
    // As the field's tables print them, for four independent alleles.
    EXPECT_EQ(std::round(ChiSquareQuantile(0.025, 4) * 1e6), 484419);
    EXPECT_EQ(std::round(ChiSquareQuantile(0.975, 4) * 1e4), 111433);
}

// The upper tail by the finite sums that hold for a whole number of degrees of freedom, in long
// double: a different road from the routine's series and continued fraction.
long double PlainUpperTail(long double x, int df) {
    const long double y = x / 2;
    if (df % 2 == 0) {
        long double term = std::exp(-y);
        long double sum = term;
        for (int i = 1; i < df / 2; ++i) {
            sum += term *= y / i;
        }
        return sum;
    }
    long double term = 2 * std::exp(-y) * std::sqrt(y / std::acos(-1.0L));
    long double sum = std::erfc(std::sqrt(y));
    for (int i = 1; i <= df / 2; ++i) {
        sum += term;
        term *= y / (i + 0.5L);
    }
    return sum;
}

TEST(ChiSquareQuantile, TailAtTheQuantileIsPForEveryDegreeOfFreedomTo99) {
    for (int df = 1; df <= 99; ++df) {
        for (const double p : {1e-4, 0.001, 0.025, 0.3, 0.5, 0.8, 0.975, 0.999999}) {
            const long double upper = PlainUpperTail(ChiSquareQuantile(p, df), df);
            const long double tail = p < 0.5 ? 1 - upper : upper;
            const double target = p < 0.5 ? p : 1 - p;
            EXPECT_NEAR(static_cast<double>(tail), target, 1e-12 * target) << df << " " << p;
        }
    }
}

TEST(ChiSquareQuantile, OutsideItsDomain) {
    for (const double p : {0.0, 1.0, -0.5, std::nan("")}) {
        EXPECT_TRUE(std::isnan(ChiSquareQuantile(p, 4))) << p;
    }
    for (const double df : {0.0, -1.0, HUGE_VAL, std::nan("")}) {
        EXPECT_TRUE(std::isnan(ChiSquareQuantile(0.975, df))) << df;
    }
}

} // namespace
