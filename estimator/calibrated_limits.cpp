#include "calibrated_limits.h"

#include <array>
#include <cmath>
#include <limits>

#include "data_tables.h"
#include "drift_statistic.h"
#include "leave_one_out.h"
#include "t_quantile.h"

namespace {

const double not_a_number = std::numeric_limits<double>::quiet_NaN();

// T/(2 Fs'); an Fs' limit at or below 0 puts no upper bound on Ne.
double NeLimit(double Fs_corrected, double t_span) {
    if (std::isnan(Fs_corrected)) {
        return not_a_number;
    }
    if (Fs_corrected <= 0.0) {
        return std::numeric_limits<double>::infinity();
    }
    return t_span / (Fs_corrected + Fs_corrected);
}

CalibratedLimits Undefined() {
    return {false,        not_a_number, not_a_number, not_a_number,
            not_a_number, not_a_number, not_a_number};
}

} // namespace

CalibratedLimits CalibratedLimitsOf(int first_sample) {
    const DriftSums all_loci = ComputeF(1, n_loci, first_sample);
    const auto sets = LeaveOneOutSums(first_sample);

    // The set without locus L uses every allele but those of L, so L uses one exactly when
    // that set uses fewer than all loci together.
    std::array<double, MaxLoci> v{};
    int m = 0;
    for (int L = 1; L <= n_loci; ++L) {
        if (sets[L].Kl == all_loci.Kl) {
            continue;
        }
        const double Fs = sets[L].num / sets[L].den;
        if (!(Fs > 0.0) || !std::isfinite(Fs)) {
            return Undefined();
        }
        v[m++] = std::log(Fs);
    }
    if (m < 2) {
        return Undefined();
    }

    double sum = 0.0;
    for (int i = 0; i < m; ++i) {
        sum += v[i];
    }
    const double mean = sum / m;
    double squares = 0.0;
    for (int i = 0; i < m; ++i) {
        squares += (v[i] - mean) * (v[i] - mean);
    }
    const double se = std::sqrt((static_cast<double>(m - 1) / m) * squares);
    const double half_width = TQuantile(0.975, m - 1) * se;

    CalibratedLimits limits;
    limits.defined = true;
    limits.lower_Fs = std::exp(mean - half_width);
    limits.upper_Fs = std::exp(mean + half_width);
    limits.lower_corrected = CorrectedShift(limits.lower_Fs, all_loci, DivisorShift::Fs);
    limits.upper_corrected = CorrectedShift(limits.upper_Fs, all_loci, DivisorShift::Fs);
    limits.lower_Ne = NeLimit(limits.upper_corrected, all_loci.t_span);
    limits.upper_Ne = NeLimit(limits.lower_corrected, all_loci.t_span);
    return limits;
}
