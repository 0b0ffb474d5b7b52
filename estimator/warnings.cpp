#include "warnings.h"

#include <algorithm>
#include <string>

#include "data_tables.h"
#include "fixed_field.h"
#include "messages.h"
#include "results_table.h"

namespace {

// The largest sample size in individuals over all loci and samples: half the allele copies.
double LargestSample() {
    double largest = 0.0;
    for (int L = 1; L <= n_loci; ++L) {
        for (int j = 1; j <= n_samples; ++j) {
            largest = std::max(largest, S(j, L) / 2.0);
        }
    }
    return largest;
}

} // namespace

void WarnOfData() {
    if (n_samples < 2) {
        Warn(Text::one_sample_warning, {{"DATA", infilename}});
    }
    const double largest = LargestSample();
    if (sample_plan == 1 && census_size < largest) {
        Warn(Text::census_warning,
             {{"N", std::to_string(census_size)}, {"SIZE", TableNumber(largest)}});
    }
}

void WarnOfInterval(int first_sample, const IntervalEstimate& estimate) {
    const std::string from = std::to_string(Generation(first_sample));
    const std::string to = std::to_string(Generation(first_sample + 1));
    if (Generation(first_sample + 1) < Generation(first_sample)) {
        Warn(Text::out_of_order_warning, {{"FIRST", std::to_string(first_sample)},
                                          {"SECOND", std::to_string(first_sample + 1)},
                                          {"FROM", from},
                                          {"TO", to}});
    }
    const double corrected = estimate.all_loci.shifts.Fs_corrected;
    if (estimate.estimated && corrected > 1.0) {
        Warn(Text::fs_above_one_warning,
             {{"FROM", from}, {"TO", to}, {"FSP", FixedField(corrected, 0, 7)}});
    }
    if (estimate.all_loci.sums.loci_used < 2) {
        Warn(Text::few_loci_warning, {{"FROM", from},
                                      {"TO", to},
                                      {"LOCI", std::to_string(estimate.all_loci.sums.loci_used)}});
    }
}
