#include "drift_statistic.h"

#include <limits>

#include "data_tables.h"

bool AlleleUsed(int L, int k, int first_sample, AlleleTerms& terms) {
    const int j = first_sample;
    const int j2 = first_sample + 1;
    const double p = x[k][j][L];
    const double q = x[k][j2][L];
    const double z = (p + q) / 2.0;
    const double a = S[j][L] * 0.5;
    const double b = S[j2][L] * 0.5;
    const double h = 2.0 / (1.0 / a + 1.0 / b);
    if (h >= MinSize && z > 0.0 && z < 1.0) {
        terms = {(p - q) * (p - q), z * (1.0 - z), 1.0 / a, 1.0 / b};
        return true;
    }
    return false;
}

DriftSums ComputeF(int first_locus, int last_locus, int first_sample, int left_out) {
    DriftSums sums;
    int contributing_loci = 0;
    for (int L = first_locus; L <= last_locus; ++L) {
        if (L == left_out) {
            continue;
        }
        int used_here = 0;
        for (int k = 0; k < K[L]; ++k) {
            AlleleTerms terms;
            if (AlleleUsed(L, k, first_sample, terms)) {
                sums.num += terms.shift;
                sums.den += terms.spread;
                sums.S1 += terms.inverse_first;
                sums.S2 += terms.inverse_second;
                ++sums.Kl;
                ++used_here;
            }
        }
        // Taken in double: two generation numbers far apart would overflow 32 bits.
        const double span =
            static_cast<double>(t[first_sample + 1]) - static_cast<double>(t[first_sample]);
        if (used_here > 0) {
            sums.t_span += span;
            ++contributing_loci;
        }
    }
    if (sums.Kl != 0) {
        sums.S1 = sums.Kl / sums.S1;
        sums.S2 = sums.Kl / sums.S2;
        sums.t_span = sums.t_span / contributing_loci;
    }
    return sums;
}

Shifts ShiftsOf(const DriftSums& sums, DivisorShift divisor) {
    Shifts shifts;
    shifts.Fs = sums.num / sums.den;
    shifts.Fs_corrected = CorrectedShift(shifts.Fs, sums, divisor);
    return shifts;
}

double CorrectedShift(double Fs, const DriftSums& sums, DivisorShift divisor) {
    const double numerator = CorrectedNumerator(Fs, HarmonicMean(sums.S1, sums.S2));
    const double f = divisor == DivisorShift::Fs ? Fs : numerator;
    return numerator / ((1.0 + f / 4.0) * (1.0 - 1.0 / (2.0 * sums.S2)));
}

RowValues EvaluateRow(int first_locus, int last_locus, int first_sample) {
    RowValues row;
    row.sums = ComputeF(first_locus, last_locus, first_sample);
    if (row.sums.Kl >= 1) {
        row.shifts = ShiftsOf(row.sums, DivisorShift::Fs);
        row.Ne = ComputeNe(row.shifts.Fs_corrected, row.sums.t_span);
    }
    return row;
}

double ComputeNe(double Fs_corrected, double t_span) {
    if (Fs_corrected < -0.0000001 || Fs_corrected > 0.0000001) {
        return t_span / (Fs_corrected + Fs_corrected);
    }
    return std::numeric_limits<double>::quiet_NaN();
}

double HarmonicMean(double S1, double S2) {
    return 2.0 / (1.0 / S1 + 1.0 / S2);
}

double CorrectedNumerator(double Fs, double n) {
    if (sample_plan == 1) {
        // N enters as a double, so that 4N cannot overflow for any N the dialogue accepts.
        const double N = census_size;
        return (1.0 - 1.0 / (4.0 * n) + 1.0 / (4.0 * N)) * Fs - 1.0 / n + 1.0 / N;
    }
    return (1.0 - 1.0 / (4.0 * n)) * Fs - 1.0 / n;
}
