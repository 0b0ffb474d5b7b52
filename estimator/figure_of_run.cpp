#include "figure_of_run.h"

#include <limits>

#include "data_tables.h"
#include "jackknife.h"

namespace {

const double not_a_number = std::numeric_limits<double>::quiet_NaN();

// A row's own value, which the table gives only where an allele is used.
double Shown(const RowValues& row, double value) {
    return row.sums.Kl < 1 ? not_a_number : value;
}

} // namespace

FigureData FigureOfRun() {
    FigureData figure;
    figure.data_name = infilename;
    figure.sample_plan = sample_plan;
    figure.census_size = census_size;
    return figure;
}

void AddFigureInterval(FigureData& figure, int first_sample) {
    IntervalFigure interval;
    interval.first_generation = Generation(first_sample);
    interval.second_generation = Generation(first_sample + 1);
    interval.locus_Fs_prime.reserve(static_cast<std::size_t>(n_loci));
    figure.intervals.push_back(interval);
}

void AddFigureLocus(FigureData& figure, const RowValues& row) {
    figure.intervals.back().locus_Fs_prime.push_back(Shown(row, row.shifts.Fs_corrected));
}

void AddFigureEstimate(FigureData& figure, const IntervalEstimate& estimate) {
    IntervalFigure& interval = figure.intervals.back();
    const RowValues& all_loci = estimate.all_loci;
    interval.fixed = !estimate.estimated;
    interval.Ne = Shown(all_loci, all_loci.Ne);
    interval.Fs_prime = Shown(all_loci, all_loci.shifts.Fs_corrected);
    if (interval.fixed) {
        return;
    }
    const JackknifeLimits jackknife = LimitsOf(estimate.jackknife);
    interval.jk_Fsp_lower = jackknife.lower_corrected;
    interval.jk_Fsp_upper = jackknife.upper_corrected;
    const CalibratedLimits& calibrated = estimate.calibrated;
    interval.cal_Fsp_lower = calibrated.lower_corrected;
    interval.cal_Fsp_upper = calibrated.upper_corrected;
    interval.cal_Ne_lower = calibrated.lower_Ne;
    interval.cal_Ne_upper = calibrated.upper_Ne;
}
