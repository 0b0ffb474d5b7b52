#include "t_quantile.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

const double pi = std::acos(-1.0);
const double some_p[] = {0.5000001, 0.6, 0.75, 0.9, 0.975, 0.995, 0.9999, 0.9999999};

double Tolerance(double t) {
    return 1e-12 * std::fmax(1.0, t);
}

// The distribution function by the finite sums in the angle atan(t/sqrt(df)) that hold for an
// integer number of degrees of freedom: a different road from the routine's incomplete beta.
double PlainDistribution(double t, int df) {
    const double angle = std::atan(t / std::sqrt(static_cast<double>(df)));
    const double c2 = std::cos(angle) * std::cos(angle);
    double term = df % 2 == 1 ? std::cos(angle) : 1.0;
    double sum = df == 1 ? 0.0 : term;
    for (int k = df % 2 == 1 ? 3 : 2; k <= df - 2; k += 2) {
        term *= c2 * (k - 1) / k;
        sum += term;
    }
    const double a =
        df % 2 == 1 ? 2.0 / pi * (angle + std::sin(angle) * sum) : std::sin(angle) * sum;
    return 0.5 * (1.0 + a);
}

TEST(TQuantile, ClosedFormsAtOneAndTwoDegreesOfFreedom) {
    for (const double p : some_p) {
        const double cauchy = 1.0 / std::tan(pi * (1.0 - p)); // tan(pi (p - 1/2)), 1 - p exact
        EXPECT_NEAR(TQuantile(p, 1), cauchy, Tolerance(cauchy)) << p;
        const double two = (2.0 * p - 1.0) / std::sqrt(2.0 * p * (1.0 - p));
        EXPECT_NEAR(TQuantile(p, 2), two, Tolerance(two)) << p;
    }
}

// 0.975 quantiles computed at 40 digits by three separate roads that agree: the incomplete beta
// function, numerical integration of the density, and the finite sums above.
TEST(TQuantile, ReferenceValuesAtP0975) {
    const struct {
        int df;
        double t;
    } reference[] = {{3, 3.182446305284},    {4, 2.776445105198},     {5, 2.570581835636},
                     {6, 2.446911851145},    {7, 2.364624251593},     {10, 2.228138851986},
                     {15, 2.131449545560},   {20, 2.085963447266},    {30, 2.042272456301},
                     {50, 2.008559112101},   {60, 2.000297822014},    {99, 1.984216951586},
                     {1000, 1.962339080826}, {100000, 1.959987707535}};
    for (const auto& r : reference) {
        EXPECT_NEAR(TQuantile(0.975, r.df), r.t, 1e-11) << r.df;
    }
    EXPECT_NEAR(TQuantile(0.975, 1000000), 1.959966356814, 1e-10);
}

TEST(TQuantile, DistributionAtTheQuantileIsPForEveryDegreeOfFreedomTo99) {
    for (int df = 1; df <= 99; ++df) {
        for (const double p : some_p) {
            EXPECT_NEAR(PlainDistribution(TQuantile(p, df), df), p, 1e-12) << df << " " << p;
        }
    }
}

TEST(TQuantile, OutsideItsDomain) {
    EXPECT_EQ(TQuantile(0.5, 7), 0.0);
    EXPECT_TRUE(std::isnan(TQuantile(0.4, 7)));
    EXPECT_TRUE(std::isnan(TQuantile(1.0, 7)));
    EXPECT_TRUE(std::isnan(TQuantile(std::nan(""), 7)));
    EXPECT_TRUE(std::isnan(TQuantile(0.975, 0)));
}

} // namespace
