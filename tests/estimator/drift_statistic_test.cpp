#include "drift_statistic.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

#include "data_tables.h"
#include "fixed_field.h"
#include "statistic_tables.h"

namespace {

// The values of a report row over the first interval, with their sums under short names.
struct Row {
    double num, den, S1, S2, t;
    std::int64_t K_used;
    double Fs, Fs_corrected, Ne;
};

Row Evaluate(int first_locus, int last_locus, int left_out = NoLocus) {
    const DriftSums sums = ComputeF(first_locus, last_locus, Consecutive(1), left_out);
    const Shifts shifts = ShiftsOf(sums, DivisorShift::Fs);
    return {sums.num,
            sums.den,
            sums.S1,
            sums.S2,
            sums.t_span,
            sums.Kl,
            shifts.Fs,
            shifts.Fs_corrected,
            ComputeNe(shifts.Fs_corrected, sums.t_span)};
}

TEST(DriftStatistic, WorkedCaseOfOppositeShiftUnderBothPlans) {
    SetInterval({worked_loci[0]}, 5, 2);
    Row r = Evaluate(1, 1);
    EXPECT_EQ(r.K_used, 2);
    EXPECT_DOUBLE_EQ(r.num, 0.08);
    EXPECT_DOUBLE_EQ(r.den, 0.5);
    EXPECT_DOUBLE_EQ(r.S1, 50.0);
    EXPECT_DOUBLE_EQ(r.S2, 50.0);
    EXPECT_DOUBLE_EQ(r.t, 5.0);
    EXPECT_EQ(Digits(r.Fs), "0.1600000");
    EXPECT_EQ(Digits(CorrectedNumerator(r.Fs, 50.0)), "0.1392000");
    EXPECT_EQ(Digits(r.Fs_corrected), "0.1351981");
    EXPECT_EQ(FixedField(r.Ne, 0, 2), "18.49");

    SetInterval({worked_loci[0]}, 5, 1, 1000);
    r = Evaluate(1, 1);
    EXPECT_EQ(Digits(CorrectedNumerator(r.Fs, 50.0)), "0.1402400");
    EXPECT_EQ(Digits(r.Fs_corrected), "0.1362082");
    EXPECT_EQ(FixedField(r.Ne, 0, 2), "18.35");
}

TEST(DriftStatistic, WorkedCaseOfWeakShift) {
    SetInterval({worked_loci[1]}, 5, 2);
    const Row r = Evaluate(1, 1);
    EXPECT_EQ(r.K_used, 2);
    EXPECT_EQ(Digits(r.Fs), "0.0404040");
    EXPECT_EQ(Digits(r.Fs_corrected), "0.0202020");
    EXPECT_EQ(FixedField(r.Ne, 0, 2), "123.75");
}

TEST(DriftStatistic, AllLociSumsBeforeDividingAndLeavesOneOut) {
    SetInterval(worked_loci, 5, 2);
    Row r = Evaluate(1, 2);
    EXPECT_EQ(r.K_used, 4);
    EXPECT_EQ(Digits(r.Fs), "0.1005025");
    EXPECT_EQ(Digits(r.Fs_corrected), "0.0788275");
    EXPECT_EQ(FixedField(r.Ne, 0, 0), "32");
    r = Evaluate(1, 2, 1);
    EXPECT_EQ(r.K_used, 2);
    EXPECT_EQ(Digits(r.Fs), "0.0404040");
}

TEST(DriftStatisticDegenerate, AllelesAbsentOrFixedInBothSamplesAreNotUsed) {
    SetInterval({{{0.0, 0.5, 0.5, 0.0}, {0.0, 0.3, 0.7, 0.0}}, {{1.0}, {1.0}}}, 5, 2);
    EXPECT_EQ(Evaluate(1, 1).K_used, 2);
    const Row fixed = Evaluate(2, 2);
    EXPECT_EQ(fixed.K_used, 0);
    EXPECT_EQ(fixed.num + fixed.den + fixed.S1 + fixed.S2 + fixed.t, 0.0);
    // Lost in one sample, fixed in the other: z is one half, so the allele is used.
    SetInterval({{{1.0, 0.0}, {0.0, 1.0}}}, 5, 2);
    EXPECT_EQ(Evaluate(1, 1).K_used, 2);
}

TEST(DriftStatisticDegenerate, SamplesOfFewerThanOneIndividualLeaveTheLocusOut) {
    for (double genes : {0.0, 1.0}) {
        SetInterval({{{0.6, 0.4}, {0.4, 0.6}, genes, 100.0}, worked_loci[1]}, 5, 2);
        const Row r = Evaluate(1, 2);
        EXPECT_EQ(r.K_used, 2);
        EXPECT_EQ(Digits(r.Fs), "0.0404040");
        EXPECT_DOUBLE_EQ(r.t, 5.0);
    }
}

TEST(DriftStatisticDegenerate, ZeroCensusSizeAndTinyShiftGiveNoNumber) {
    SetInterval({worked_loci[0]}, 5, 1, 0);
    Row r = Evaluate(1, 1);
    EXPECT_TRUE(std::isinf(r.Fs_corrected));
    EXPECT_EQ(r.Ne, 0.0);
    EXPECT_TRUE(std::isnan(ComputeNe(0.0000001, 5.0)));
    EXPECT_TRUE(std::isnan(ComputeNe(-0.0000001, 5.0)));
    EXPECT_DOUBLE_EQ(ComputeNe(-0.1, 5.0), -25.0);
}

TEST(DriftStatistic, NegativeSpanGivesNegativeNe) {
    SetInterval({worked_loci[0]}, -5, 2);
    const Row r = Evaluate(1, 1);
    EXPECT_DOUBLE_EQ(r.t, -5.0);
    EXPECT_LT(r.Ne, 0.0);
}

TEST(DriftStatistic, GenerationsFarApartGiveTheExactSpan) {
    SetInterval({worked_loci[0]}, 0, 2);
    t[1] = -2147483647 - 1;
    t[2] = 2147483647;
    EXPECT_DOUBLE_EQ(Evaluate(1, 1).t, 4294967295.0);
}

// A plain computation of the statistic, allele by allele from its definition, on random data
// with sizes that vary between loci and alleles that are lost, fixed or absent.
TEST(DriftStatistic, AgreesWithPlainComputationOnRandomData) {
    std::mt19937 random(20071022);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<LocusData> loci(1 + random() % 8);
        for (auto& locus : loci) {
            const int alleles = 1 + random() % 6;
            for (auto* sample : {&locus.first, &locus.second}) {
                double total = 0.0;
                for (int k = 0; k < alleles; ++k) {
                    sample->push_back(unit(random) < 0.2 ? 0.0 : unit(random));
                    total += sample->back();
                }
                for (double& p : *sample) {
                    p = total > 0.0 ? p / total : 1.0 / alleles;
                }
            }
            locus.genes_first = static_cast<double>(random() % 60);
            locus.genes_second = static_cast<double>(random() % 60);
        }
        SetInterval(loci, 1 + random() % 20, 2);

        double num = 0.0, den = 0.0, inverse1 = 0.0, inverse2 = 0.0;
        int used = 0;
        for (const auto& locus : loci) {
            const double a = locus.genes_first / 2.0, b = locus.genes_second / 2.0;
            const bool big_enough = a > 0.0 && b > 0.0 && 2.0 * a * b / (a + b) >= 1.0;
            for (std::size_t k = 0; k < locus.first.size(); ++k) {
                const double p = locus.first[k], q = locus.second[k], z = (p + q) / 2.0;
                if (big_enough && z > 0.0 && z < 1.0) {
                    num += (p - q) * (p - q);
                    den += z * (1.0 - z);
                    inverse1 += 1.0 / a;
                    inverse2 += 1.0 / b;
                    ++used;
                }
            }
        }
        const Row r = Evaluate(1, n_loci);
        ASSERT_EQ(r.K_used, used) << "trial " << trial;
        if (used == 0) {
            continue;
        }
        EXPECT_NEAR(r.num, num, 1e-12);
        EXPECT_NEAR(r.den, den, 1e-12);
        EXPECT_NEAR(r.S1, used / inverse1, 1e-9);
        EXPECT_NEAR(r.S2, used / inverse2, 1e-9);
        EXPECT_DOUBLE_EQ(r.t, t[2]);
        const double n = 2.0 / (inverse1 / used + inverse2 / used);
        const double Fs = num / den;
        const double corrected = ((1.0 - 1.0 / (4.0 * n)) * Fs - 1.0 / n) /
                                 ((1.0 + Fs / 4.0) * (1.0 - 1.0 / (2.0 * (used / inverse2))));
        EXPECT_NEAR(r.Fs_corrected, corrected, 1e-9 * std::fabs(corrected) + 1e-12);
    }
}

} // namespace
