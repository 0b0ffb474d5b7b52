#include "figure_of_run.h"

#include <limits>

#include "calibrated_limits.h"
#include "data_tables.h"
#include "drift_statistic.h"
#include "jackknife.h"

namespace {

const double not_a_number = std::numeric_limits<double>::quiet_NaN();

// A row's own Fs' and Ne, which the table gives only where an allele is used.
double Shown(const RowValues& row, double value) {
    return row.sums.Kl < 1 ? not_a_number : value;
}

IntervalFigure IntervalOf(int first_sample) {
    IntervalFigure figure;
    figure.first_generation = t[first_sample];
    figure.second_generation = t[first_sample + 1];
    for (int L = 1; L <= n_loci; ++L) {
        const RowValues row = EvaluateRow(L, L, first_sample);
        figure.locus_Fs_prime.push_back(Shown(row, row.shifts.Fs_corrected));
    }
    const RowValues all_loci = EvaluateRow(1, n_loci, first_sample);
    figure.fixed = all_loci.sums.Kl < 1;
    figure.Ne = Shown(all_loci, all_loci.Ne);
    figure.Fs_prime = Shown(all_loci, all_loci.shifts.Fs_corrected);
    if (figure.fixed) {
        return figure;
    }
    const JackknifeLimits jackknife = LimitsOf(Jackknife(first_sample));
    figure.jk_Fsp_lower = jackknife.lower_corrected;
    figure.jk_Fsp_upper = jackknife.upper_corrected;
    const CalibratedLimits calibrated = CalibratedLimitsOf(first_sample);
    figure.cal_Fsp_lower = calibrated.lower_corrected;
    figure.cal_Fsp_upper = calibrated.upper_corrected;
    figure.cal_Ne_lower = calibrated.lower_Ne;
    figure.cal_Ne_upper = calibrated.upper_Ne;
    return figure;
}

} // namespace

FigureData FigureOfRun() {
    FigureData figure;
    figure.data_name = infilename;
    figure.sample_plan = sample_plan;
    figure.census_size = census_size;
    for (int sample = 1; sample < n_samples; ++sample) {
        figure.intervals.push_back(IntervalOf(sample));
    }
    return figure;
}
