#include "drift_statistic.h"

#include <limits>

#include "data_tables.h"

void ComputeF(int first_locus, int last_locus, int first_sample, int last_sample, double& num,
              double& den, double& S1, double& S2, double& t_span, std::int32_t& K_used,
              int left_out) {
    const int j = first_sample;
    const int j2 = last_sample;
    num = den = S1 = S2 = t_span = 0.0;
    K_used = 0;
    int contributing_loci = 0;
    for (int L = first_locus; L <= last_locus; ++L) {
        if (L - 1 == left_out) {
            continue;
        }
        int used_here = 0;
        for (int k = 0; k < K[L]; ++k) {
            const double p = x[k][j][L];
            const double q = x[k][j2][L];
            const double z = (p + q) / 2.0;
            const double a = S[j][L] * 0.5;
            const double b = S[j2][L] * 0.5;
            const double h = 2.0 / (1.0 / a + 1.0 / b);
            if (h >= MinSize && z > 0.0 && z < 1.0) {
                num += (p - q) * (p - q);
                den += z * (1.0 - z);
                S1 += 1.0 / a;
                S2 += 1.0 / b;
                ++K_used;
                ++used_here;
            }
        }
        // Taken in double: two generation numbers far apart would overflow 32 bits.
        const double span = static_cast<double>(t[j2]) - static_cast<double>(t[j]);
        if (used_here > 0) {
            t_span += span;
            ++contributing_loci;
        }
    }
    if (K_used != 0) {
        S1 = K_used / S1;
        S2 = K_used / S2;
        t_span = t_span / contributing_loci;
    }
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
