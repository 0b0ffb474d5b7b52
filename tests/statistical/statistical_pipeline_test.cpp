// The estimate on data it has never seen: replicate populations of known Ne are simulated,
// converted and estimated by the real programs, and the mean all-loci Fs' over the
// replicates must agree with the expected drift 1 - (1 - 1/(2 Ne))^t within three standard
// errors of that mean, under the plan the samples were drawn by. The same data estimated
// with the other plan's correction must be off by about 1/N, which shows that the census
// terms are used. The coverage of the jackknife's 95% limits is printed, not tested: the
// limits rest on a normal approximation over 20 loci and need not reach 95%.
#include "pipeline_replicate.h"

#include "program_run.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace statistical {
namespace {

struct GridPoint {
    int ne;
    int t;
    int sample;
    int plan;
};

// Plan 1 needs a census at least four times the sample: its correction runs high by about
// F/(2N) when the sample is a large share of the census.
int CensusOf(const GridPoint& point) {
    return point.plan == 1 ? std::max(point.ne, 4 * point.sample) : point.ne;
}

struct Spread {
    double mean = 0;
    double standard_error = 0;
};

Spread SpreadOf(const std::vector<double>& values) {
    const double n = static_cast<double>(values.size());
    double sum = 0;
    for (const double v : values) {
        sum += v;
    }
    const double mean = sum / n;
    double squares = 0;
    for (const double v : values) {
        squares += (v - mean) * (v - mean);
    }
    return {mean, std::sqrt(squares / (n - 1) / n)};
}

class StatisticalPipeline : public ::testing::TestWithParam<GridPoint> {};

TEST_P(StatisticalPipeline, MeanFsPrimeRecoversTheDrift) {
    const GridPoint point = GetParam();
    const int census = CensusOf(point);
    const int other_plan = 3 - point.plan;
    const double expected = 1 - std::pow(1 - 1 / (2.0 * point.ne), point.t);

    std::vector<double> own;
    std::vector<double> crossed;
    int covered = 0;
    for (int replicate = 0; replicate < STATISTICAL_REPLICATES; ++replicate) {
        drift::DriftSettings settings;
        settings.effective_size = point.ne;
        settings.census_size = census;
        settings.loci = 20;
        settings.alleles = 5;
        settings.sample_size = point.sample;
        settings.sample_generations = {0, point.t};
        settings.plan = point.plan;
        // The larger samples have untyped genotypes, so that sample sizes differ between loci.
        settings.missing_rate = point.sample == 100 ? 0.05 : 0.0;
        settings.seed = 1000003ULL * (point.ne + 7 * point.t + 13 * point.sample) +
                        100 * point.plan + replicate;

        testing_support::TempDir folder;
        const std::string fault = SimulateAndConvert(settings, folder.path());
        ASSERT_EQ(fault, "") << "seed " << settings.seed;
        std::string estimate_fault;
        const AllLociEstimate estimate =
            Estimate(folder.path(), point.plan, census, estimate_fault);
        const AllLociEstimate other = Estimate(folder.path(), other_plan, census, estimate_fault);
        ASSERT_EQ(estimate_fault, "") << "seed " << settings.seed;
        own.push_back(estimate.fs_prime);
        crossed.push_back(other.fs_prime);
        covered +=
            estimate.lower_fs_prime <= expected && expected <= estimate.upper_fs_prime ? 1 : 0;
    }

    const Spread right = SpreadOf(own);
    const Spread wrong = SpreadOf(crossed);
    const double z_right = (right.mean - expected) / right.standard_error;
    const double z_wrong = (wrong.mean - expected) / wrong.standard_error;
    // The census terms add about 1/N to Fs' under plan 1. Where 1/N is more than six and a
    // half standard errors of the mean, so that it must show beside the three that the own
    // plan's mean may stray, plan-2 data estimated as plan 1 must come out clearly high, and
    // plan-1 data estimated as plan 2 clearly low.
    const bool census_terms_visible = 1.0 / census >= 6.5 * wrong.standard_error;
    std::printf("Ne %d N %d S %d t %d plan %d, %d replicates: expected Fs' %.5f\n"
                "  plan %d: mean %.5f, SE %.5f, z %+.2f; jackknife 95%% limits cover the "
                "expected drift in %d (%.0f%%)\n"
                "  plan %d: mean %.5f, SE %.5f, z %+.2f%s\n",
                point.ne, census, point.sample, point.t, point.plan, STATISTICAL_REPLICATES,
                expected, point.plan, right.mean, right.standard_error, z_right, covered,
                100.0 * covered / STATISTICAL_REPLICATES, other_plan, wrong.mean,
                wrong.standard_error, z_wrong,
                census_terms_visible ? " (1/N large: must be beyond 3 SE)" : "");

    EXPECT_LE(std::abs(z_right), 3.0) << "mean Fs' " << right.mean << ", expected " << expected;
    if (census_terms_visible) {
        EXPECT_GT(point.plan == 2 ? z_wrong : -z_wrong, 3.0)
            << "under plan " << other_plan << ": mean Fs' " << wrong.mean;
    }
}

std::vector<GridPoint> Grid() {
    std::vector<GridPoint> grid;
    for (const int ne : {50, 500}) {
        for (const int t : {2, 10}) {
            for (const int sample : {50, 100}) {
                for (const int plan : {1, 2}) {
                    grid.push_back({ne, t, sample, plan});
                }
            }
        }
    }
    return grid;
}

std::string PointName(const ::testing::TestParamInfo<GridPoint>& info) {
    const GridPoint& p = info.param;
    return "Ne" + std::to_string(p.ne) + "T" + std::to_string(p.t) + "S" +
           std::to_string(p.sample) + "Plan" + std::to_string(p.plan);
}

INSTANTIATE_TEST_SUITE_P(Grid, StatisticalPipeline, ::testing::ValuesIn(Grid()), PointName);

} // namespace
} // namespace statistical
