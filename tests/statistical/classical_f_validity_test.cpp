// The classical temporal F statistics on data of known Ne: the replicates of the pipeline's grid,
// simulated with the same seeds and converted by the real converter, are read in process and
// their all-loci Fc and Fk computed under the plan the samples were drawn by. Printed per
// setting: the mean plan-corrected F, F - 1/(2 S1) - 1/(2 S2) (+ 1/N under plan 1), against the
// expected drift 1 - (1 - 1/(2 Ne))^t, and how often the chi-square limits of the corrected F
// cover that drift. Measured only: nothing is asserted of the statistics yet.
#include "classical_f.h"
#include "data_tables.h"
#include "frequency_reader.h"
#include "pipeline_replicate.h"
#include "program_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace statistical {
namespace {

// What one statistic gives over the replicates of a setting.
struct Measured {
    double sum = 0;
    double squares = 0;
    int covered = 0;

    void Add(double corrected, double lower, double upper, double expected) {
        sum += corrected;
        squares += corrected * corrected;
        covered += lower <= expected && expected <= upper ? 1 : 0;
    }
    // "mean M (z Z against the expected drift), chi-square limits cover it in C%"
    std::string Line(int n, double expected) const {
        const double mean = sum / n;
        const double standard_error = std::sqrt((squares - sum * mean) / (n - 1) / n);
        char line[160];
        std::snprintf(line, sizeof line, "mean %.5f, z %+6.2f; chi-square limits cover in %3.0f%%",
                      mean, (mean - expected) / standard_error, 100.0 * covered / n);
        return line;
    }
};

// The sampling terms that the plan's correction takes from F.
double SamplingTerms(const ClassicalF& set) {
    const double census = sample_plan == 1 ? 1.0 / static_cast<double>(census_size) : 0.0;
    return 1.0 / (2.0 * set.S1) + 1.0 / (2.0 * set.S2) - census;
}

void MeasureSetting(int ne, int t, int sample, int plan) {
    // As the pipeline's grid: its census, its untyped genotypes and its seeds.
    const int census = plan == 1 ? std::max(ne, 4 * sample) : ne;
    const double expected = 1 - std::pow(1 - 1 / (2.0 * ne), t);
    Measured Fc, Fk;
    for (int replicate = 0; replicate < STATISTICAL_REPLICATES; ++replicate) {
        drift::DriftSettings settings;
        settings.effective_size = ne;
        settings.census_size = census;
        settings.loci = 20;
        settings.alleles = 5;
        settings.sample_size = sample;
        settings.sample_generations = {0, t};
        settings.plan = plan;
        settings.missing_rate = sample == 100 ? 0.05 : 0.0;
        settings.seed = 1000003ULL * (ne + 7 * t + 13 * sample) + 100 * plan + replicate;
        testing_support::TempDir folder;
        ASSERT_EQ(SimulateAndConvert(settings, folder.path()), "") << "seed " << settings.seed;
        GetData((folder / "pelkin.out").string());
        sample_plan = plan;
        census_size = census;
        const ClassicalRow row = EvaluateClassicalRow(1, n_loci, {1, 2});
        const double terms = SamplingTerms(row.f);
        Fc.Add(row.f.Fc - terms, row.Fc_limits.F_lower - terms, row.Fc_limits.F_upper - terms,
               expected);
        Fk.Add(row.f.Fk - terms, row.Fk_limits.F_lower - terms, row.Fk_limits.F_upper - terms,
               expected);
    }
    const int n = STATISTICAL_REPLICATES;
    std::printf("Ne %d N %d S %d t %d plan %d, %d replicates: expected drift %.5f\n"
                "  Fc: %s\n  Fk: %s\n",
                ne, census, sample, t, plan, n, expected, Fc.Line(n, expected).c_str(),
                Fk.Line(n, expected).c_str());
}

TEST(ClassicalFValidity, PlanCorrectedFcAndFkAgainstTheDriftOverTheGrid) {
    for (const int plan : {1, 2}) {
        for (const int ne : {50, 500}) {
            for (const int t : {2, 10}) {
                for (const int sample : {50, 100}) {
                    MeasureSetting(ne, t, sample, plan);
                }
            }
        }
    }
}

} // namespace
} // namespace statistical
