#include "calibrated_limits.h"

#include <cmath>
#include <limits>
#include <vector>

#include "compensated_sum.h"
#include "data_tables.h"
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

// The mean of `v` and sqrt(((m - 1)/m) times the sum of the squared deviations about it), with
// the running sums of `Sum`.
template <class Sum> void MeanAndSe(const std::vector<double>& v, double& mean, double& se) {
    const auto m = static_cast<double>(v.size());
    Sum sum;
    for (const double value : v) {
        sum.Add(value);
    }
    mean = sum.Value() / m;
    Sum squares;
    for (const double value : v) {
        squares.Add((value - mean) * (value - mean));
    }
    se = std::sqrt(((m - 1.0) / m) * squares.Value());
}

} // namespace

CalibratedLimits CalibratedLimitsOf(const DriftSums& all_loci, const LeaveOneOut& sets) {
    // The set without locus L uses every allele but those of L, so L uses one exactly when
    // that set uses fewer than all loci together.
    std::vector<double> v;
    for (int L = 1; L <= n_loci; ++L) {
        const DriftSums set = sets.Without(L);
        if (set.Kl == all_loci.Kl) {
            continue;
        }
        const double Fs = set.num / set.den;
        if (!(Fs > 0.0) || !std::isfinite(Fs)) {
            return Undefined();
        }
        v.push_back(std::log(Fs));
    }
    const int m = static_cast<int>(v.size());
    if (m < 2) {
        return Undefined();
    }
    double mean = 0.0;
    double se = 0.0;
    if (n_loci <= PlainSumLoci) {
        MeanAndSe<PlainSum>(v, mean, se);
    } else {
        MeanAndSe<CompensatedSum>(v, mean, se);
    }
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
