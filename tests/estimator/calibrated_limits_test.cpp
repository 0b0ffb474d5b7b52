#include "calibrated_limits.h"

#include <cmath>
#include <gtest/gtest.h>

#include "statistic_tables.h"

namespace {

// Three loci of two alleles whose frequencies trade places symmetrically, so that z = 0.5 and
// each locus adds 2 x 0.25 = 0.5 to the denominator, generations 0 and 5:
//   locus 1: 0.60/0.40 -> 0.40/0.60, numerator 2 x 0.2^2 = 0.08
//   locus 2: 0.55/0.45 -> 0.45/0.55, numerator 2 x 0.1^2 = 0.02
//   locus 3: 0.65/0.35 -> 0.35/0.65, numerator 2 x 0.3^2 = 0.18
// Left out one at a time, the others give Fs_1 = 0.20/1.0 = 0.20, Fs_2 = 0.26, Fs_3 = 0.10.
//   v_i = ln Fs_i = -1.6094379, -1.3470736, -2.3025851; their mean v = -1.7530322
//   deviations 0.1435943, 0.4059586, -0.5495529; squares summed 0.4874300
//   SE = sqrt(2/3 x 0.4874300) = 0.5700468
//   q = t(0.975, 2 df) = (2p - 1)/sqrt(2p(1 - p)) = 0.95/sqrt(0.04875) = 4.3026527
//   Fs limits exp(v -/+ q SE) = exp(-1.7530322 -/+ 2.4527135) = 0.0149097 and 2.0131109
// With 1000 genes (500 individuals) in each sample, under plan 2, n = S2 = 500:
//   Fs' = ((1 - 1/2000) Fs - 1/500) / ((1 + Fs/4)(1 - 1/1000))
//   lower: (0.9995 x 0.0149097 - 0.002) / (1.0037274 x 0.999) = 0.0128672
//   upper: (0.9995 x 2.0131109 - 0.002) / (1.5032777 x 0.999) = 1.3384862
//   Ne limits 5/(2 x 1.3384862) = 1.8677817 and 5/(2 x 0.0128672) = 194.29302
const std::vector<LocusData> hand_loci{{{0.60, 0.40}, {0.40, 0.60}, 1000, 1000},
                                       {{0.55, 0.45}, {0.45, 0.55}, 1000, 1000},
                                       {{0.65, 0.35}, {0.35, 0.65}, 1000, 1000}};

void ExpectNear(double value, double expected) {
    EXPECT_NEAR(value, expected, 1e-9 * std::fabs(expected)) << "expected " << expected;
}

void ExpectUndefined(const CalibratedLimits& c) {
    EXPECT_FALSE(c.defined);
    for (const double v :
         {c.lower_Fs, c.upper_Fs, c.lower_corrected, c.upper_corrected, c.lower_Ne, c.upper_Ne}) {
        EXPECT_TRUE(std::isnan(v)) << v;
    }
}

TEST(CalibratedLimits, ThreeLociByHandUnderPlan2) {
    SetInterval(hand_loci, 5, 2);
    const CalibratedLimits c = CalibratedLimitsOf(ComputeF(1, n_loci, 1), LeaveOneOut(1));
    EXPECT_TRUE(c.defined);
    ExpectNear(c.lower_Fs, 0.014909664100622054);
    ExpectNear(c.upper_Fs, 2.0131109126475923);
    ExpectNear(c.lower_corrected, 0.012867163122941965);
    ExpectNear(c.upper_corrected, 1.338486186531352);
    ExpectNear(c.lower_Ne, 1.867781696334631);
    ExpectNear(c.upper_Ne, 194.29302139976267);
}

// Plan 1 with N = 1000 adds 1/(4N) to the factor of Fs and 1/N to the numerator:
//   lower: (0.99975 x 0.0149097 - 0.002 + 0.001) / (1.0037274 x 0.999) = 0.0138682
//   upper Ne 5/(2 x 0.0138682) = 180.26899
TEST(CalibratedLimits, ThreeLociByHandUnderPlan1) {
    SetInterval(hand_loci, 5, 1, 1000);
    const CalibratedLimits c = CalibratedLimitsOf(ComputeF(1, n_loci, 1), LeaveOneOut(1));
    ExpectNear(c.lower_Fs, 0.014909664100622054);
    ExpectNear(c.lower_corrected, 0.013868164123942962);
    ExpectNear(c.upper_Ne, 180.26899434250467);
}

// With 100 genes (50 individuals) a sample, 1/n = 0.02 outweighs the lower Fs limit:
//   lower Fs' = (0.995 x 0.0149097 - 0.02) / (1.0037274 x 0.99) = -0.0051977, so Ne has no
//   upper limit; upper Fs' = (0.995 x 2.0131109 - 0.02) / (1.5032777 x 0.99) = 1.3324724.
TEST(CalibratedLimits, LowerFsPrimeBelowZeroLeavesNeWithoutUpperLimit) {
    std::vector<LocusData> loci = hand_loci;
    for (LocusData& locus : loci) {
        locus.genes_first = locus.genes_second = 100;
    }
    SetInterval(loci, 5, 2);
    const CalibratedLimits c = CalibratedLimitsOf(ComputeF(1, n_loci, 1), LeaveOneOut(1));
    ExpectNear(c.lower_corrected, -0.005197680848667657);
    ExpectNear(c.upper_corrected, 1.332472424590728);
    ExpectNear(c.lower_Ne, 1.8762114351206036);
    EXPECT_EQ(c.upper_Ne, INFINITY);
}

// A locus with no allele used is not one of the m loci: the limits are those of the three
// others, with 2 degrees of freedom, wherever the fixed locus stands.
TEST(CalibratedLimits, FixedLocusIsNotCounted) {
    const LocusData fixed{{1.0, 0.0}, {1.0, 0.0}, 1000, 1000};
    for (int at = 0; at <= 3; ++at) {
        std::vector<LocusData> loci = hand_loci;
        loci.insert(loci.begin() + at, fixed);
        SetInterval(loci, 5, 2);
        const CalibratedLimits c = CalibratedLimitsOf(ComputeF(1, n_loci, 1), LeaveOneOut(1));
        ExpectNear(c.lower_Fs, 0.014909664100622054);
        ExpectNear(c.upper_Ne, 194.29302139976267);
    }
}

TEST(CalibratedLimitsUndefined, FewerThanTwoLociWithAnAlleleUsed) {
    SetInterval({hand_loci[0], {{1.0}, {1.0}}}, 5, 2);
    ExpectUndefined(CalibratedLimitsOf(ComputeF(1, n_loci, 1), LeaveOneOut(1)));
    SetInterval({{{1.0}, {1.0}}, {{1.0}, {1.0}}}, 5, 2);
    ExpectUndefined(CalibratedLimitsOf(ComputeF(1, n_loci, 1), LeaveOneOut(1)));
}

// Locus 2 keeps its frequencies, so leaving locus 1 out gives Fs_1 = 0, whose logarithm is
// not finite.
TEST(CalibratedLimitsUndefined, LeaveOneOutFsOfZero) {
    SetInterval({hand_loci[0], {{0.5, 0.5}, {0.5, 0.5}, 1000, 1000}}, 5, 2);
    ExpectUndefined(CalibratedLimitsOf(ComputeF(1, n_loci, 1), LeaveOneOut(1)));
}

} // namespace
