#include "jackknife.h"

#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <random>

#include "data_tables.h"
#include "drift_statistic.h"
#include "fixed_field.h"
#include "report.h"
#include "statistic_tables.h"

namespace {

std::string Digits(double value) {
    return FixedField(value, 0, 7);
}

// The block as the report writes it.
std::string WrittenBlock(const JackknifeResult& result) {
    return JackknifeText(result);
}

TEST(Jackknife, WorkedTwoLocusCaseUnderPlan2) {
    SetInterval(worked_loci, 5, 2);
    const JackknifeResult r = Jackknife(LeaveOneOut(1));
    EXPECT_EQ(r.m, 2);
    EXPECT_EQ(Digits(r.mean_Fs), "0.1002020");
    EXPECT_EQ(Digits(r.mean_Fs_corrected), "0.0780905");
    EXPECT_EQ(Digits(r.se_Fs), "0.0597980");
    EXPECT_EQ(Digits(r.se_Fs_corrected), "0.0577870");
    EXPECT_EQ(WrittenBlock(r), "\nJackknife over 2 loci (assumed independent):"
                               "\n                      Mean:          0.1002020    0.0780905"
                               "    5.0        32"
                               "\n                        SE:          0.0597980    0.0577870"
                               "\n95% Confidence intervals (Mean -/+ 1.96*SE):"
                               "\n       Lower ( 2.5%) limit:         -0.0170020   -0.0351720"
                               "               13"
                               "\n       Upper (97.5%) limit:          0.2174061    0.1913530"
                               "              -71");
}

TEST(Jackknife, WorkedTwoLocusCaseUnderPlan1) {
    SetInterval(worked_loci, 5, 1, 1000);
    const JackknifeResult r = Jackknife(LeaveOneOut(1));
    EXPECT_EQ(Digits(r.mean_Fs_corrected), "0.0790858");
    EXPECT_EQ(Digits(r.se_Fs_corrected), "0.0577725");
    EXPECT_EQ(FixedField(ComputeNe(r.mean_Fs_corrected, r.t_span), 0, 0), "32");
    EXPECT_EQ(Digits(r.mean_Fs_corrected - 1.96 * r.se_Fs_corrected), "-0.0341482");
    EXPECT_EQ(Digits(r.mean_Fs_corrected + 1.96 * r.se_Fs_corrected), "0.1923199");
}

// The divisor of each leave-one-out Fs' takes its corrected numerator, not its Fs.
TEST(Jackknife, LeaveOneOutDivisorUsesCorrectedNumerator) {
    // Two copies of one locus: every leave-one-out set is that locus alone.
    SetInterval({worked_loci[1], worked_loci[1]}, 5, 2);
    JackknifeResult r = Jackknife(LeaveOneOut(1));
    EXPECT_EQ(Digits(r.mean_Fs), "0.0404040");
    EXPECT_EQ(Digits(r.mean_Fs_corrected), "0.0203035");
    SetInterval({worked_loci[0], worked_loci[0]}, 5, 2);
    r = Jackknife(LeaveOneOut(1));
    EXPECT_EQ(Digits(r.mean_Fs), "0.1600000");
    EXPECT_EQ(Digits(r.mean_Fs_corrected), "0.1358775");
}

TEST(JackknifeDegenerate, OneInformativeLocusGivesNoNumberAnywhere) {
    SetInterval({worked_loci[0], {{1.0}, {1.0}}}, 5, 2);
    JackknifeResult r = Jackknife(LeaveOneOut(1));
    EXPECT_EQ(r.m, 2);
    EXPECT_TRUE(std::isnan(r.mean_Fs) && std::isnan(r.se_Fs));
    EXPECT_TRUE(std::isnan(r.mean_Fs_corrected) && std::isnan(r.se_Fs_corrected));
    // The last set left out the fixed locus, so it still spans the interval.
    EXPECT_DOUBLE_EQ(r.t_span, 5.0);
    EXPECT_EQ(WrittenBlock(r), "\nJackknife over 2 loci (assumed independent):"
                               "\n                      Mean:                nan          nan"
                               "    5.0       nan"
                               "\n                        SE:                nan          nan"
                               "\n95% Confidence intervals (Mean -/+ 1.96*SE):"
                               "\n       Lower ( 2.5%) limit:                nan          nan"
                               "              nan"
                               "\n       Upper (97.5%) limit:                nan          nan"
                               "              nan");
    SetInterval({{{1.0}, {1.0}}, worked_loci[0]}, 5, 2);
    r = Jackknife(LeaveOneOut(1));
    EXPECT_DOUBLE_EQ(r.t_span, 0.0);
}

TEST(JackknifeDegenerate, IdenticalLociGiveZeroStandardErrors) {
    const LocusData locus{{0.3, 0.2, 0.5}, {0.25, 0.35, 0.4}, 70.0, 90.0};
    for (int copies : {2, 3, 7, 10, 100}) {
        SetInterval(std::vector<LocusData>(copies, locus), 3, 1, 157);
        const JackknifeResult r = Jackknife(LeaveOneOut(1));
        EXPECT_EQ(Digits(r.se_Fs), "0.0000000") << copies << " loci";
        EXPECT_EQ(Digits(r.se_Fs_corrected), "0.0000000") << copies << " loci";
    }
}

TEST(JackknifeDegenerate, ZeroCensusSizeLeavesOnlyFsDefined) {
    SetInterval(worked_loci, 5, 1, 0);
    const JackknifeResult r = Jackknife(LeaveOneOut(1));
    EXPECT_EQ(Digits(r.mean_Fs), "0.1002020");
    EXPECT_EQ(Digits(r.se_Fs), "0.0597980");
    EXPECT_TRUE(std::isnan(r.mean_Fs_corrected));
    EXPECT_TRUE(std::isnan(r.se_Fs_corrected));
}

// The jackknife against its plain definition: pseudo-values from sets built anew without
// each locus, and the spread of the leave-one-out values around their mean.
TEST(Jackknife, AgreesWithPlainComputationOnRandomData) {
    std::mt19937 random(1022);
    std::uniform_real_distribution<double> unit(0.05, 1.0);
    for (int trial = 0; trial < 50; ++trial) {
        std::vector<LocusData> loci(2 + random() % 9);
        for (auto& locus : loci) {
            const int alleles = 2 + random() % 4;
            for (auto* sample : {&locus.first, &locus.second}) {
                double total = 0.0;
                for (int k = 0; k < alleles; ++k) {
                    sample->push_back(unit(random));
                    total += sample->back();
                }
                for (double& p : *sample) {
                    p /= total;
                }
            }
            locus.genes_first = 20.0 + random() % 80;
            locus.genes_second = 20.0 + random() % 80;
        }
        SetInterval(loci, 4, 2);
        const JackknifeResult r = Jackknife(LeaveOneOut(1));

        std::vector<double> Fs, corrected;
        for (std::size_t out = 0; out < loci.size(); ++out) {
            std::vector<LocusData> kept = loci;
            kept.erase(kept.begin() + static_cast<long>(out));
            SetInterval(kept, 4, 2);
            const DriftSums sums = ComputeF(1, n_loci, 1);
            const double num = sums.num, den = sums.den, S1 = sums.S1, S2 = sums.S2;
            Fs.push_back(num / den);
            const double n = 2.0 / (1.0 / S1 + 1.0 / S2);
            const double numerator = (1.0 - 1.0 / (4.0 * n)) * Fs.back() - 1.0 / n;
            corrected.push_back(numerator / ((1.0 + numerator / 4.0) * (1.0 - 1.0 / (2.0 * S2))));
        }
        auto check = [&](const std::vector<double>& values, double mean, double se) {
            const double m = static_cast<double>(values.size());
            double plain_mean = 0.0, squares = 0.0;
            for (double v : values) {
                plain_mean += v / m;
            }
            for (double v : values) {
                squares += (v - plain_mean) * (v - plain_mean);
            }
            EXPECT_NEAR(mean, plain_mean, 1e-12);
            EXPECT_NEAR(se, std::sqrt((m - 1.0) / m * squares), 1e-9);
        };
        check(Fs, r.mean_Fs, r.se_Fs);
        check(corrected, r.mean_Fs_corrected, r.se_Fs_corrected);
    }
}

} // namespace
