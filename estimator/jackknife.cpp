#include "jackknife.h"

#include <cmath>
#include <string>

#include "data_tables.h"
#include "drift_statistic.h"
#include "fixed_field.h"
#include "report.h"

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

// Fs, Fs' and Ne as the confidence-limit rows print them, with no t.
std::string LimitFields(double Fs, double Fs_corrected, double Ne) {
    return FixedField(Fs, 12, 7) + " " + FixedField(Fs_corrected, 12, 7) + "         " +
           FixedField(Ne, 8, 0);
}

} // namespace

JackknifeResult Jackknife(int first_sample) {
    JackknifeResult result;
    result.m = n_loci;
    double sum_Fs = 0.0;
    double sum_Fs_squared = 0.0;
    double sum_corrected = 0.0;
    double sum_corrected_squared = 0.0;
    for (int i = 0; i < result.m; ++i) {
        double num = 0.0;
        double den = 0.0;
        double S1 = 0.0;
        double S2 = 0.0;
        ComputeF(1, n_loci, first_sample, first_sample + 1, num, den, S1, S2, result.t_span, Kl, i);
        // A set without a used allele gives 0/0, not a number, and is kept as such.
        const double Fs = num / den;
        sum_Fs += Fs;
        sum_Fs_squared += Fs * Fs;
        const double n = HarmonicMean(S1, S2);
        const double numerator = CorrectedNumerator(Fs, n);
        // Unlike the report rows, the first factor of the divisor takes the corrected
        // numerator itself, not Fs.
        const double corrected = numerator / ((1.0 + numerator / 4.0) * (1.0 - 1.0 / (2.0 * S2)));
        sum_corrected += corrected;
        sum_corrected_squared += corrected * corrected;
    }
    result.mean_Fs = sum_Fs / result.m;
    result.mean_Fs_corrected = sum_corrected / result.m;
    result.se_Fs = StandardError(result.m, sum_Fs, sum_Fs_squared);
    result.se_Fs_corrected = StandardError(result.m, sum_corrected, sum_corrected_squared);
    return result;
}

void WriteJackknife(const JackknifeResult& r) {
    const double lower_Fs = r.mean_Fs - 1.96 * r.se_Fs;
    const double upper_Fs = r.mean_Fs + 1.96 * r.se_Fs;
    const double lower_corrected = r.mean_Fs_corrected - 1.96 * r.se_Fs_corrected;
    const double upper_corrected = r.mean_Fs_corrected + 1.96 * r.se_Fs_corrected;
    std::string block = "\nJackknife over " + std::to_string(r.m) + " loci (assumed independent):";
    block += "\n                      Mean:       ";
    block += StatisticFields(r.mean_Fs, r.mean_Fs_corrected, r.t_span,
                             ComputeNe(r.mean_Fs_corrected, r.t_span));
    block += "\n                        SE:       ";
    block += FixedField(r.se_Fs, 12, 7) + " " + FixedField(r.se_Fs_corrected, 12, 7);
    block += "\n95% Confidence intervals (Mean -/+ 1.96*SE):";
    // Ne falls as Fs' rises, so each Ne limit comes from the opposite limit of Fs'.
    block += "\n       Lower ( 2.5%) limit:       ";
    block += LimitFields(lower_Fs, lower_corrected, ComputeNe(upper_corrected, r.t_span));
    block += "\n       Upper (97.5%) limit:       ";
    block += LimitFields(upper_Fs, upper_corrected, ComputeNe(lower_corrected, r.t_span));
    WriteReportText(block);
}
