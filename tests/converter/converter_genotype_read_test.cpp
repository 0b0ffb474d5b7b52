// The genotype read, rule by rule through the counting step.
#include <gtest/gtest.h>

#include <string>

#include "allele_tallies.h"
#include "count_in_dir.h"
#include "run_state.h"

namespace {

TEST(ConverterGenotypeRead, BlanksAndTabsBeforeAGenotypeAreSkipped) {
    CountingDir dir;
    // A tab used to be taken as the genotype's first character: tab and 0101 gave 0 and 10.
    dir.Count("T\nA\nB\nPop\n1 a,\t0101\t\t0202\n1 b,   0303    0404\n");
    EXPECT_EQ(dir.Counts(1), "  1  2\n    2    2\n");
    EXPECT_EQ(dir.Counts(2), "  1  2\n    2    2\n");
}

TEST(ConverterGenotypeRead, MissingCopiesCountAsIndividualsButAreNoAllele) {
    CountingDir dir;
    dir.Count("T\nA\nPop\n1 a, 0000\n1 b, 0a01\n1 c, 0200\n");
    EXPECT_EQ(dir.Copies(), 6);
    EXPECT_EQ(AlleleCount(1), 2);
    EXPECT_EQ(dir.Counts(1), "  1  2\n    1    1\n");
}

} // namespace
