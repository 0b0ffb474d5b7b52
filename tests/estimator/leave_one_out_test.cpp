#include "leave_one_out.h"

#include <bit>
#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <vector>

#include "data_tables.h"
#include "drift_statistic.h"

namespace {

// The bits of a double, so that two sums compare equal only when every bit is the same.
std::uint64_t Bits(double value) {
    return std::bit_cast<std::uint64_t>(value);
}

// Three samples of random data: up to `max_loci` loci of up to `max_alleles` alleles, with
// alleles lost or fixed in both samples, samples of fewer than one individual and generations
// far apart, so that some loci use no allele and the spans are not small integers.
void FillRandomTables(std::mt19937& random, int max_loci, int max_alleles) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    ClearDataTables();
    n_samples = 3;
    n_loci = 1 + static_cast<int>(random() % max_loci);
    S.Start(n_samples);
    for (int L = 1; L <= n_loci; ++L) {
        K.push_back(1 + static_cast<int>(random() % max_alleles));
        x.StartLocus();
        const bool fixed = random() % 10 == 0;
        for (int j = 1; j <= n_samples; ++j) {
            std::vector<double> p(static_cast<std::size_t>(K[L]));
            double total = 0.0;
            for (double& frequency : p) {
                frequency = unit(random) < 0.2 ? 0.0 : unit(random);
                total += frequency;
            }
            for (std::size_t k = 0; k < p.size(); ++k) {
                x.Add(fixed ? (k == 0 ? 1.0 : 0.0) : p[k] / total);
            }
            S.Add(random() % 8 == 0 ? static_cast<double>(random() % 2) : 2.0 + random() % 400);
        }
    }
    for (int j = 1; j <= n_samples; ++j) {
        t.push_back(static_cast<std::int32_t>(random()) - 1000000 * j);
    }
}

TEST(LeaveOneOut, SumsAreBitIdenticalToComputeFWithTheLocusLeftOut) {
    std::mt19937 random(20071022);
    // How often the all-loci sum less the locus's own differs from the plain sum: the data must
    // be such that a pass adding the terms in another order is caught.
    int reordered_differs = 0;
    for (int trial = 0; trial < 300; ++trial) {
        // Most trials small, so that short loci and lone loci come often; some of full size.
        const bool large = trial % 10 == 0;
        FillRandomTables(random, large ? PlainSumLoci : 9, large ? 100 : 12);
        for (int first_sample = 1; first_sample < n_samples; ++first_sample) {
            const LeaveOneOut sets(first_sample);
            for (int L = 1; L <= n_loci; ++L) {
                const DriftSums plain = ComputeF(1, n_loci, first_sample, L);
                const DriftSums fast = sets.Without(L);
                const double subtracted =
                    ComputeF(1, n_loci, first_sample).num - ComputeF(L, L, first_sample).num;
                reordered_differs += Bits(subtracted) != Bits(plain.num) ? 1 : 0;
                ASSERT_EQ(fast.Kl, plain.Kl) << "trial " << trial << ", locus " << L;
                ASSERT_EQ(Bits(fast.num), Bits(plain.num)) << "trial " << trial << ", locus " << L;
                ASSERT_EQ(Bits(fast.den), Bits(plain.den)) << "trial " << trial << ", locus " << L;
                ASSERT_EQ(Bits(fast.S1), Bits(plain.S1)) << "trial " << trial << ", locus " << L;
                ASSERT_EQ(Bits(fast.S2), Bits(plain.S2)) << "trial " << trial << ", locus " << L;
                ASSERT_EQ(Bits(fast.t_span), Bits(plain.t_span))
                    << "trial " << trial << ", locus " << L;
            }
        }
    }
    EXPECT_GT(reordered_differs, 1000);
}

} // namespace
