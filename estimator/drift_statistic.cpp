#include "drift_statistic.h"

#include <limits>

#include "data_tables.h"

namespace {

// The rule of use for an allele of frequencies p and q in two samples of the given sizes in genes.
bool UsedTerms(double p, double q, double genes_first, double genes_second, AlleleTerms& terms) {
    const double z = (p + q) / 2.0;
    const double a = genes_first * 0.5;
    const double b = genes_second * 0.5;
    const double h = 2.0 / (1.0 / a + 1.0 / b);
    if (h >= MinSize && z > 0.0 && z < 1.0) {
        terms = {(p - q) * (p - q), z * (1.0 - z), 1.0 / a, 1.0 / b};
        return true;
    }
    return false;
}

} // namespace

bool AlleleUsed(int L, int k, int first_sample, AlleleTerms& terms) {
    // The next sample's frequencies follow the first's.
    const double* first = x.Row(first_sample, L);
    return UsedTerms(first[k], first[K[static_cast<std::size_t>(L)] + k], S(first_sample, L),
                     S(first_sample + 1, L), terms);
}

bool AlleleUsedBetween(int L, int k, int earlier, int later, AlleleTerms& terms) {
    return UsedTerms(x(k, earlier, L), x(k, later, L), S(earlier, L), S(later, L), terms);
}

double Span(int first_sample) {
    return static_cast<double>(Generation(first_sample + 1)) -
           static_cast<double>(Generation(first_sample));
}

template <class Sum> void AddLocus(int L, int first_sample, RunningSums<Sum>& sums) {
    int used_here = 0;
    for (int k = 0; k < K[static_cast<std::size_t>(L)]; ++k) {
        AlleleTerms terms;
        if (AlleleUsed(L, k, first_sample, terms)) {
            sums.num.Add(terms.shift);
            sums.den.Add(terms.spread);
            sums.inverse_first.Add(terms.inverse_first);
            sums.inverse_second.Add(terms.inverse_second);
            ++used_here;
        }
    }
    sums.Kl += used_here;
    sums.contributing_loci += used_here > 0 ? 1 : 0;
}

template <class Sum> DriftSums Finished(const RunningSums<Sum>& sums, int first_sample) {
    DriftSums finished;
    if (sums.Kl == 0) {
        return finished;
    }
    finished.Kl = sums.Kl;
    finished.loci_used = sums.contributing_loci;
    finished.num = sums.num.Value();
    finished.den = sums.den.Value();
    finished.S1 = static_cast<double>(sums.Kl) / sums.inverse_first.Value();
    finished.S2 = static_cast<double>(sums.Kl) / sums.inverse_second.Value();
    finished.t_span = Span(first_sample);
    return finished;
}

template void AddLocus(int, int, RunningSums<CompensatedSum>&);
template DriftSums Finished(const RunningSums<CompensatedSum>&, int);

namespace {

// The sums in the order of the loci and their alleles, with the mean span added up locus by
// locus as it always was.
DriftSums PlainSums(int first_locus, int last_locus, int first_sample, int left_out) {
    RunningSums<PlainSum> sums;
    double span_sum = 0.0;
    for (int L = first_locus; L <= last_locus; ++L) {
        if (L == left_out) {
            continue;
        }
        const std::int64_t contributing = sums.contributing_loci;
        AddLocus(L, first_sample, sums);
        if (sums.contributing_loci > contributing) {
            span_sum += Span(first_sample);
        }
    }
    DriftSums finished = Finished(sums, first_sample);
    if (finished.Kl != 0) {
        finished.t_span = span_sum / static_cast<double>(sums.contributing_loci);
    }
    return finished;
}

} // namespace

DriftSums ComputeF(int first_locus, int last_locus, int first_sample, int left_out) {
    if (last_locus - first_locus < PlainSumLoci) {
        return PlainSums(first_locus, last_locus, first_sample, left_out);
    }
    RunningSums<CompensatedSum> sums;
    for (int L = first_locus; L <= last_locus; ++L) {
        if (L != left_out) {
            AddLocus(L, first_sample, sums);
        }
    }
    return Finished(sums, first_sample);
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
    return RowOf(ComputeF(first_locus, last_locus, first_sample));
}

RowValues RowOf(const DriftSums& sums) {
    RowValues row;
    row.sums = sums;
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
