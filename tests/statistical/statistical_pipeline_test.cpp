// The estimate on data it has never seen: replicate populations of known Ne are simulated,
// converted and estimated by the real programs, and the mean all-loci Fs' over the
// replicates must agree with the expected drift 1 - (1 - 1/(2 Ne))^t within three standard
// errors of that mean, under the plan the samples were drawn by. The same data estimated
// with the other plan's correction must be off by about 1/N, which shows that the census
// terms are used. How often each kind of 95% limits of Fs' covers the expected drift is
// printed for every setting: the report's, mean -/+ 1.96 jackknife SE, which rest on a normal
// approximation over 20 loci and need not reach 95%, and the table's log-scale limits, whose
// coverage over all plan-2 settings together must lie between 93% and 97% in the Release
// build (under the sanitizers, with fewer replicates, it is printed only). Beside them, from the
// same tables: the classical Fc and Fk corrected for sampling, F - 1/(2 S1) - 1/(2 S2) (+ 1/N
// under plan 1), against the expected drift, and how often their chi-square limits, corrected
// alike, cover it; over all plan-2 settings together that must be at least 90%. Their means are
// printed only: Fc runs low in several settings.
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

// How many replicates, and in how many each kind of limits covered the expected drift. A limit
// that is not defined (not a number) covers nothing.
struct Coverage {
    int replicates = 0;
    int jackknife = 0;
    int calibrated = 0;
    int chi_square_fc = 0;
    int chi_square_fk = 0;

    Coverage& operator+=(const Coverage& more) {
        replicates += more.replicates;
        jackknife += more.jackknife;
        calibrated += more.calibrated;
        chi_square_fc += more.chi_square_fc;
        chi_square_fk += more.chi_square_fk;
        return *this;
    }
};

bool Covers(double lower, double upper, double expected) {
    return lower <= expected && expected <= upper;
}

double Percent(int part, int whole) {
    return 100.0 * part / whole;
}

// A classical F and its chi-square limits less the sampling terms of the plan the samples were
// drawn by: the drift they estimate. `covered` counts the limits that cover `expected`.
double CorrectedClassical(const AllLociEstimate::Classical& f, double terms, double expected,
                          int& covered) {
    covered += Covers(f.lower - terms, f.upper - terms, expected);
    return f.F - terms;
}

// "mean M, z Z" of a statistic's replicates against the expected drift.
std::string MeanLine(const std::vector<double>& values, double expected) {
    const Spread spread = SpreadOf(values);
    char line[64];
    std::snprintf(line, sizeof line, "mean %.5f, z %+.2f", spread.mean,
                  (spread.mean - expected) / spread.standard_error);
    return line;
}

// The replicates of one setting: its checks of the mean Fs' under both plans, and the coverage
// of both kinds of limits, printed and added to `coverage`.
void CheckSetting(const GridPoint& point, Coverage& coverage) {
    const int census = CensusOf(point);
    const int other_plan = 3 - point.plan;
    const double expected = 1 - std::pow(1 - 1 / (2.0 * point.ne), point.t);

    std::vector<double> own;
    std::vector<double> crossed;
    std::vector<double> fc;
    std::vector<double> fk;
    Coverage here;
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
        ++here.replicates;
        here.jackknife += Covers(estimate.lower_fs_prime, estimate.upper_fs_prime, expected);
        here.calibrated += Covers(estimate.calibrated_lower_fs_prime,
                                  estimate.calibrated_upper_fs_prime, expected);
        const double terms =
            1 / (2 * estimate.s1) + 1 / (2 * estimate.s2) - (point.plan == 1 ? 1.0 / census : 0.0);
        fc.push_back(CorrectedClassical(estimate.fc, terms, expected, here.chi_square_fc));
        fk.push_back(CorrectedClassical(estimate.fk, terms, expected, here.chi_square_fk));
    }
    coverage += here;

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
                "  plan %d: mean %.5f, SE %.5f, z %+.2f; 95%% limits of Fs' cover the expected "
                "drift: jackknife mean -/+ 1.96 SE in %d (%.0f%%), log-scale in %d (%.0f%%)\n"
                "  plan %d: mean %.5f, SE %.5f, z %+.2f%s\n",
                point.ne, census, point.sample, point.t, point.plan, here.replicates, expected,
                point.plan, right.mean, right.standard_error, z_right, here.jackknife,
                Percent(here.jackknife, here.replicates), here.calibrated,
                Percent(here.calibrated, here.replicates), other_plan, wrong.mean,
                wrong.standard_error, z_wrong,
                census_terms_visible ? " (1/N large: must be beyond 3 SE)" : "");
    std::printf("  corrected Fc: %s, chi-square limits cover in %d (%.0f%%); corrected Fk: %s, "
                "in %d (%.0f%%)\n",
                MeanLine(fc, expected).c_str(), here.chi_square_fc,
                Percent(here.chi_square_fc, here.replicates), MeanLine(fk, expected).c_str(),
                here.chi_square_fk, Percent(here.chi_square_fk, here.replicates));

    EXPECT_LE(std::abs(z_right), 3.0) << "mean Fs' " << right.mean << ", expected " << expected;
    if (census_terms_visible) {
        EXPECT_GT(point.plan == 2 ? z_wrong : -z_wrong, 3.0)
            << "under plan " << other_plan << ": mean Fs' " << wrong.mean;
    }
}

std::vector<GridPoint> Grid(int plan) {
    std::vector<GridPoint> grid;
    for (const int ne : {50, 500}) {
        for (const int t : {2, 10}) {
            for (const int sample : {50, 100}) {
                grid.push_back({ne, t, sample, plan});
            }
        }
    }
    return grid;
}

class StatisticalPipeline : public ::testing::TestWithParam<GridPoint> {};

TEST_P(StatisticalPipeline, MeanFsPrimeRecoversTheDrift) {
    Coverage coverage;
    CheckSetting(GetParam(), coverage);
}

// The plan-2 settings in one test, so that the coverage of the log-scale limits is taken over
// all their replicates together.
TEST(StatisticalPipelinePlan2, MeanFsPrimeRecoversTheDriftAndLogScaleLimitsCover95Percent) {
    Coverage coverage;
    for (const GridPoint& point : Grid(2)) {
        SCOPED_TRACE("Ne " + std::to_string(point.ne) + " t " + std::to_string(point.t) + " S " +
                     std::to_string(point.sample));
        CheckSetting(point, coverage);
    }
    const double calibrated = Percent(coverage.calibrated, coverage.replicates);
    const double chi_square_fc = Percent(coverage.chi_square_fc, coverage.replicates);
    const double chi_square_fk = Percent(coverage.chi_square_fk, coverage.replicates);
    std::printf("All plan-2 settings, %d replicates: the jackknife's limits cover the expected "
                "drift in %d (%.1f%%), the log-scale limits in %d (%.1f%%), the chi-square "
                "limits of Fc in %d (%.1f%%) and of Fk in %d (%.1f%%)\n",
                coverage.replicates, coverage.jackknife,
                Percent(coverage.jackknife, coverage.replicates), coverage.calibrated, calibrated,
                coverage.chi_square_fc, chi_square_fc, coverage.chi_square_fk, chi_square_fk);
    if (STATISTICAL_COVERAGE_CHECKED) {
        EXPECT_GE(calibrated, 93.0);
        EXPECT_LE(calibrated, 97.0);
        EXPECT_GE(chi_square_fc, 90.0);
        EXPECT_GE(chi_square_fk, 90.0);
    }
}

std::string PointName(const ::testing::TestParamInfo<GridPoint>& info) {
    const GridPoint& p = info.param;
    return "Ne" + std::to_string(p.ne) + "T" + std::to_string(p.t) + "S" +
           std::to_string(p.sample) + "Plan" + std::to_string(p.plan);
}

INSTANTIATE_TEST_SUITE_P(Plan1Grid, StatisticalPipeline, ::testing::ValuesIn(Grid(1)), PointName);

} // namespace
} // namespace statistical
