#include "classical_f.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

#include "data_tables.h"

namespace {

// Four loci in three samples of 50, 50 and 40 individuals, taken in generations 0, 1 and 4.
// Samples 1 and 3 hold the three loci of the field's worked case and a locus of one allele used,
// as a hand-made file may give; sample 2, which the pair (1, 3) passes over, repeats sample 3 at
// locus 1.
void SetSamples(int plan, int N) {
    const std::vector<std::vector<std::vector<double>>> loci{
        {{0.5, 0.5}, {0.3, 0.7}, {0.3, 0.7}},
        {{0.6, 0.3, 0.1}, {0.2, 0.3, 0.5}, {0.5, 0.3, 0.2}},
        {{0.8, 0.2}, {0.5, 0.5}, {0.9, 0.1}},
        {{0.7, 0.0}, {0.6, 0.0}, {0.5, 0.0}},
    };
    ClearDataTables();
    n_samples = 3;
    n_loci = static_cast<int>(loci.size());
    S.Start(n_samples);
    for (const auto& samples : loci) {
        K.push_back(static_cast<int>(samples[0].size()));
        x.StartLocus();
        for (const auto& sample : samples) {
            for (const double p : sample) {
                x.Add(p);
            }
        }
        for (const double genes : {100.0, 100.0, 80.0}) {
            S.Add(genes);
        }
        locusname.emplace_back();
    }
    t = {0, 0, 1, 4};
    sample_plan = plan;
    census_size = N;
}

const double na = NotANumber;
const double inf = INFINITY;

// A value as the field's papers print it: to six significant digits, 0, NaN and Inf exactly.
void ExpectShown(double value, double printed) {
    if (std::isnan(printed)) {
        EXPECT_TRUE(std::isnan(value)) << value;
    } else if (printed == 0.0 || std::isinf(printed)) {
        EXPECT_EQ(value, printed);
    } else {
        const double half_unit = 0.5 * std::pow(10.0, std::floor(std::log10(printed)) - 5.0);
        EXPECT_NEAR(value, printed, half_unit);
    }
}

// Fc and Fk of each locus and of all four; the limits (lower and upper Ne from Fc, then from Fk)
// on the all-loci rows, as the table shows them. Plan 1 takes N = 1000.
TEST(ClassicalF, WorkedCaseOverAnyPairOfSamples) {
    const struct {
        int first_locus, last_locus;
        SamplePair pair;
        int plan;
        double Fc, Fk, Ne_Fc, Ne_Fk;
        std::int64_t chi_df;
        double limits[4];
    } rows[] = {
        {1, 1, {1, 3}, 2, 0.160000, 0.166667, 14.5455, 13.8728, 1, {}},
        {2, 2, {1, 3}, 2, 0.0389744, 0.0424242, 121.401, 100.380, 2, {}},
        {3, 3, {1, 3}, 2, 0.0769231, 0.0784314, 36.7491, 35.7581, 1, {}},
        {4, 4, {1, 3}, 2, na, na, na, na, 0, {}}, // one allele used: left out
        {1,
         4,
         {1, 3},
         2,
         0.0787179,
         0.0824866,
         35.5758,
         33.3408,
         4,
         {3.18725, 347.425, 3.03666, 281.316}},
        {1,
         4,
         {1, 3},
         1,
         0.0787179,
         0.0824866,
         34.9541,
         32.7941,
         4,
         {3.18218, 296.005, 3.03205, 246.626}},
        // No change at all, less than sampling alone gives: an infinite Ne.
        {1, 1, {2, 3}, 2, 0.0, 0.0, inf, inf, 1, {}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(testing::Message()
                     << "loci " << r.first_locus << "-" << r.last_locus << ", samples "
                     << r.pair.earlier << "-" << r.pair.later << ", plan " << r.plan);
        SetSamples(r.plan, 1000);
        const ClassicalRow row = EvaluateClassicalRow(r.first_locus, r.last_locus, r.pair);
        ExpectShown(row.f.Fc, r.Fc);
        ExpectShown(row.f.Fk, r.Fk);
        ExpectShown(row.Ne_Fc, r.Ne_Fc);
        ExpectShown(row.Ne_Fk, r.Ne_Fk);
        EXPECT_EQ(row.f.chi_df, r.chi_df);
        if (r.last_locus > r.first_locus) {
            ExpectShown(row.Fc_limits.Ne_lower, r.limits[0]);
            ExpectShown(row.Fc_limits.Ne_upper, r.limits[1]);
            ExpectShown(row.Fk_limits.Ne_lower, r.limits[2]);
            ExpectShown(row.Fk_limits.Ne_upper, r.limits[3]);
        }
    }
}

} // namespace
