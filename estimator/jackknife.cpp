#include "jackknife.h"

#include <cmath>
#include <vector>

#include "compensated_sum.h"
#include "data_tables.h"
#include "drift_statistic.h"

namespace {

// sqrt(((m - 1)/m)(sum of squares - sum^2/m)). The value under the root is never below zero
// but through rounding, when every leave-one-out value is the same, and is then taken as zero.
double StandardError(int m, double sum, double sum_of_squares) {
    double spread = (static_cast<double>(m - 1) / m) * (sum_of_squares - sum * sum / m);
    if (spread < 0.0 && std::isfinite(spread)) {
        spread = 0.0;
    }
    return std::sqrt(spread);
}

// sqrt(((m - 1)/m) times the sum of squared deviations).
double StandardError(int m, const CompensatedSum& squares) {
    return std::sqrt((static_cast<double>(m - 1) / m) * squares.Value());
}

// The means of the leave-one-out values and their SEs from the squared deviations about the
// means, with compensated sums; the values are kept for the second pass.
JackknifeResult CompensatedJackknife(const LeaveOneOut& sets) {
    JackknifeResult result;
    result.m = n_loci;
    std::vector<Shifts> values(static_cast<std::size_t>(result.m));
    CompensatedSum sum_Fs;
    CompensatedSum sum_corrected;
    for (int L = 1; L <= result.m; ++L) {
        const DriftSums set = sets.Without(L);
        Shifts& shifts = values[static_cast<std::size_t>(L - 1)];
        shifts = ShiftsOf(set, DivisorShift::CorrectedNumerator);
        sum_Fs.Add(shifts.Fs);
        sum_corrected.Add(shifts.Fs_corrected);
        result.t_span = set.t_span;
    }
    result.mean_Fs = sum_Fs.Value() / result.m;
    result.mean_Fs_corrected = sum_corrected.Value() / result.m;
    CompensatedSum squares_Fs;
    CompensatedSum squares_corrected;
    for (const Shifts& shifts : values) {
        const double deviation = shifts.Fs - result.mean_Fs;
        const double corrected_deviation = shifts.Fs_corrected - result.mean_Fs_corrected;
        squares_Fs.Add(deviation * deviation);
        squares_corrected.Add(corrected_deviation * corrected_deviation);
    }
    result.se_Fs = StandardError(result.m, squares_Fs);
    result.se_Fs_corrected = StandardError(result.m, squares_corrected);
    return result;
}

JackknifeResult PlainJackknife(const LeaveOneOut& sets) {
    JackknifeResult result;
    result.m = n_loci;
    double sum_Fs = 0.0;
    double sum_Fs_squared = 0.0;
    double sum_corrected = 0.0;
    double sum_corrected_squared = 0.0;
    for (int L = 1; L <= result.m; ++L) {
        const DriftSums set = sets.Without(L);
        const Shifts shifts = ShiftsOf(set, DivisorShift::CorrectedNumerator);
        sum_Fs += shifts.Fs;
        sum_Fs_squared += shifts.Fs * shifts.Fs;
        sum_corrected += shifts.Fs_corrected;
        sum_corrected_squared += shifts.Fs_corrected * shifts.Fs_corrected;
        result.t_span = set.t_span;
    }
    result.mean_Fs = sum_Fs / result.m;
    result.mean_Fs_corrected = sum_corrected / result.m;
    result.se_Fs = StandardError(result.m, sum_Fs, sum_Fs_squared);
    result.se_Fs_corrected = StandardError(result.m, sum_corrected, sum_corrected_squared);
    return result;
}

} // namespace

JackknifeResult Jackknife(const LeaveOneOut& sets) {
    return n_loci <= PlainSumLoci ? PlainJackknife(sets) : CompensatedJackknife(sets);
}

JackknifeLimits LimitsOf(const JackknifeResult& r) {
    JackknifeLimits limits;
    limits.Ne_of_mean = ComputeNe(r.mean_Fs_corrected, r.t_span);
    limits.lower_Fs = r.mean_Fs - 1.96 * r.se_Fs;
    limits.upper_Fs = r.mean_Fs + 1.96 * r.se_Fs;
    limits.lower_corrected = r.mean_Fs_corrected - 1.96 * r.se_Fs_corrected;
    limits.upper_corrected = r.mean_Fs_corrected + 1.96 * r.se_Fs_corrected;
    limits.lower_Ne = ComputeNe(limits.upper_corrected, r.t_span);
    limits.upper_Ne = ComputeNe(limits.lower_corrected, r.t_span);
    return limits;
}
