#include "results_table.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <random>

#include "calibrated_limits.h"
#include "drift_statistic.h"
#include "jackknife.h"
#include "statistic_tables.h"
#include "tsv_table.h"

namespace {

using testing_support::TsvNumber;

TEST(TableNumber, SeventeenDigitsAndTheNamesOfRForTheRest) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TableNumber(nan), "NA");
    EXPECT_EQ(TableNumber(-nan), "NA");
    EXPECT_EQ(TableNumber(inf), "Inf");
    EXPECT_EQ(TableNumber(-inf), "-Inf");
    EXPECT_EQ(TableNumber(5.0), "5");
    EXPECT_EQ(TableNumber(-0.0), "-0");
    EXPECT_EQ(TableNumber(0.1), "0.10000000000000001");
    EXPECT_EQ(TableNumber(-1.7976931348623157e308), "-1.7976931348623157e+308");
    EXPECT_EQ(TableNumber(4.9406564584124654e-324), "4.9406564584124654e-324");
}

// The value a cell reads back as, bit for bit; NA reads back as any not-a-number.
void ExpectReadsBack(const std::string& cell, double value, const std::string& where) {
    double read = 0;
    ASSERT_TRUE(TsvNumber(cell, read)) << where << ": " << cell;
    if (std::isnan(value)) {
        EXPECT_EQ(cell, "NA") << where;
    } else {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read), std::bit_cast<std::uint64_t>(value))
            << where << ": " << cell << " for " << value;
    }
}

// The cells of a row that the report also prints, read back against its values.
void ExpectRowReadsBack(const testing_support::TsvTable& table, std::size_t row,
                        const RowValues& values, const std::string& where) {
    EXPECT_EQ(table.Cell(row, "alleles"), std::to_string(values.sums.Kl)) << where;
    ExpectReadsBack(table.Cell(row, "S1"), values.sums.S1, where);
    ExpectReadsBack(table.Cell(row, "S2"), values.sums.S2, where);
    if (values.sums.Kl < 1) {
        for (const char* column : {"t", "Fs", "Fs_prime", "Ne", "jk_Fs_mean", "cal_Fs_lower"}) {
            EXPECT_EQ(table.Cell(row, column), "NA") << where << " " << column;
        }
        return;
    }
    ExpectReadsBack(table.Cell(row, "t"), values.sums.t_span, where);
    ExpectReadsBack(table.Cell(row, "Fs"), values.shifts.Fs, where);
    ExpectReadsBack(table.Cell(row, "Fs_prime"), values.shifts.Fs_corrected, where);
    ExpectReadsBack(table.Cell(row, "Ne"), values.Ne, where);
}

// Three samples of random data: alleles lost or fixed in both samples, samples of fewer than
// one individual, generations millions apart, and a tab in some locus names.
void FillRandomTables(std::mt19937& random, int trial) {
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    SetInterval({}, 0, 1 + trial % 2, 50 + trial);
    n_samples = 3;
    n_loci = 1 + static_cast<int>(random() % 30);
    for (int L = 1; L <= n_loci; ++L) {
        // A tab in every third name, which the table writes as "_".
        locusname[L] = std::string(L % 3 == 0 ? "L\t" : "L").append(std::to_string(L));
        K[L] = 1 + static_cast<int>(random() % 8);
        for (int j = 1; j <= n_samples; ++j) {
            double total = 0.0;
            for (int k = 0; k < K[L]; ++k) {
                x[k][j][L] = unit(random) < 0.2 ? 0.0 : unit(random);
                total += x[k][j][L];
            }
            for (int k = 0; k < K[L]; ++k) {
                x[k][j][L] = total > 0 ? x[k][j][L] / total : (k == 0 ? 1.0 : 0.0);
            }
            S[j][L] = random() % 8 == 0 ? static_cast<double>(random() % 2) : 2.0 + random() % 400;
        }
    }
    for (int j = 1; j <= n_samples; ++j) {
        t[j] = static_cast<std::int32_t>(random()) - 1000000 * j;
    }
}

// Every number of the table reads back as the very double that the estimator computed for the
// report, and the log-scale limits as CalibratedLimitsOf gives them.
TEST(ResultsTable, EveryNumberReadsBackAsTheDoubleComputed) {
    std::mt19937 random(20071022);
    for (int trial = 0; trial < 20; ++trial) {
        FillRandomTables(random, trial);
        const testing_support::TsvTable table = testing_support::ReadTsv(TableText());
        ASSERT_EQ(table.fault, "");
        ASSERT_EQ(table.rows.size(), static_cast<std::size_t>(2 * (n_loci + 1)));
        for (int sample = 1; sample < n_samples; ++sample) {
            const std::size_t first_row = static_cast<std::size_t>((sample - 1) * (n_loci + 1));
            const std::string where = "trial " + std::to_string(trial) + " interval " +
                                      std::to_string(sample) + " locus ";
            for (int L = 1; L <= n_loci; ++L) {
                const std::size_t row = first_row + static_cast<std::size_t>(L - 1);
                const std::string name =
                    std::string(L % 3 == 0 ? "L_" : "L").append(std::to_string(L));
                EXPECT_EQ(table.Cell(row, "locus"), name);
                ExpectRowReadsBack(table, row, EvaluateRow(L, L, sample),
                                   where + std::to_string(L));
            }
            const std::size_t row = first_row + static_cast<std::size_t>(n_loci);
            const RowValues all_loci = EvaluateRow(1, n_loci, sample);
            EXPECT_EQ(table.Cell(row, "locus"), "all");
            ExpectRowReadsBack(table, row, all_loci, where + "all");
            if (all_loci.sums.Kl < 1) {
                continue;
            }
            const JackknifeResult r = Jackknife(sample);
            const JackknifeLimits limits = LimitsOf(r);
            ExpectReadsBack(table.Cell(row, "jk_Fsp_mean"), r.mean_Fs_corrected, where);
            ExpectReadsBack(table.Cell(row, "jk_Fs_se"), r.se_Fs, where);
            ExpectReadsBack(table.Cell(row, "jk_Ne_upper"), limits.upper_Ne, where);
            const CalibratedLimits c = CalibratedLimitsOf(sample);
            ExpectReadsBack(table.Cell(row, "cal_Fs_lower"), c.lower_Fs, where);
            ExpectReadsBack(table.Cell(row, "cal_Fsp_upper"), c.upper_corrected, where);
            ExpectReadsBack(table.Cell(row, "cal_Ne_lower"), c.lower_Ne, where);
        }
    }
}

} // namespace
