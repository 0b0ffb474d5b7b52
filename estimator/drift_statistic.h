// The standardized shift of allele frequencies between two samples, Fs, summed over alleles and
// loci before the division (Marsk & Tellby 2007, equation 9), its correction for sampling under
// plan 1 or 2 (equations 14 and 13), and the variance-effective size Ne it implies.
#pragma once

#include <cstdint>

#include "compensated_sum.h"

// No locus: ComputeF's left_out when every locus of the range is taken.
inline constexpr int NoLocus = 0;

// The sums of a set of loci over one interval. An allele is used when the harmonic mean of the
// two samples' sizes is at least MinSize and it is neither absent from both samples nor fixed in
// both. With no allele used every member is 0.
struct DriftSums {
    double num = 0.0;           // sum of (p - q)^2 over the alleles used, p and q their frequencies
    double den = 0.0;           // sum of z(1 - z), z = (p + q)/2
    double S1 = 0.0;            // harmonic mean, weighted by allele, of the first sample's size
    double S2 = 0.0;            // and of the second's, in individuals
    double t_span = 0.0;        // generations between the samples, averaged over the loci that used
                                // an allele
    std::int64_t Kl = 0;        // alleles used
    std::int64_t loci_used = 0; // loci that use an allele
};

// Up to this many loci the sums are added plainly, locus after locus, as they always were, so
// that every digit of a report of such a data set stays; over more loci they are compensated.
inline constexpr int PlainSumLoci = 100;

// What one allele adds to the sums of DriftSums when it is used.
struct AlleleTerms {
    double shift = 0.0;          // (p - q)^2
    double spread = 0.0;         // z(1 - z)
    double inverse_first = 0.0;  // 1/a, a the first sample's size in individuals
    double inverse_second = 0.0; // 1/b, b the second's

    AlleleTerms& operator+=(const AlleleTerms& more) {
        shift += more.shift;
        spread += more.spread;
        inverse_first += more.inverse_first;
        inverse_second += more.inverse_second;
        return *this;
    }
};

// Whether allele k of locus L is used in the interval from first_sample to the next sample;
// when it is, `terms` holds what it adds.
bool AlleleUsed(int L, int k, int first_sample, AlleleTerms& terms);

// The same for the interval between any two samples, `earlier` and `later`, not only
// consecutive ones, as the classical F statistics take every pair.
bool AlleleUsedBetween(int L, int k, int earlier, int later, AlleleTerms& terms);

// The sums of DriftSums as they run over the loci of a set, in the way of summing `Sum`, with
// the count of loci that use an allele.
template <class Sum> struct RunningSums {
    Sum num;
    Sum den;
    Sum inverse_first;
    Sum inverse_second;
    std::int64_t Kl = 0;
    std::int64_t contributing_loci = 0;
};

// Adds the terms of the alleles that locus L uses in the interval from first_sample to the next
// sample, in the order of the alleles.
template <class Sum> void AddLocus(int L, int first_sample, RunningSums<Sum>& sums);

// The sums of a set from its running sums: the sums of reciprocals become harmonic means.
// Every locus that uses an allele spans the same generations, so their mean is that span.
template <class Sum> DriftSums Finished(const RunningSums<Sum>& sums, int first_sample);

// The sums over loci first_locus..last_locus, but for the locus left_out (NoLocus for none),
// for the interval from first_sample to the next sample. Loci are numbered from 1.
DriftSums ComputeF(int first_locus, int last_locus, int first_sample, int left_out = NoLocus);

// The generations between sample `first_sample` and the next, in double: two generation numbers
// far apart would overflow 32 bits.
double Span(int first_sample);

// Which shift takes the first factor of the divisor of Fs': the report's rows take Fs, the
// jackknife takes the corrected numerator Fs'' itself.
enum class DivisorShift { Fs, CorrectedNumerator };

struct Shifts {
    double Fs = 0.0;           // num / den
    double Fs_corrected = 0.0; // Fs' = Fs'' / ((1 + f/4)(1 - 1/(2 S2))), f as `divisor` says
};

// Fs and Fs' of a set of loci, for the run's sample plan; S2, the later sample's size, stands
// for n_2 of the estimator's formula. A set with no allele used gives 0/0, not a number.
Shifts ShiftsOf(const DriftSums& sums, DivisorShift divisor);

// Fs' of a shift Fs over the sample sizes S1 and S2 of `sums`, as ShiftsOf corrects the set's
// own Fs; a limit of Fs takes the place of Fs everywhere, the divisor included.
double CorrectedShift(double Fs, const DriftSums& sums, DivisorShift divisor);

// The values of a row of the report, over loci first_locus..last_locus with none left out: the
// sums, and Fs, Fs' (its divisor taking Fs) and Ne, which stay 0 when no allele is used.
struct RowValues {
    DriftSums sums;
    Shifts shifts;
    double Ne = 0.0;
};
RowValues EvaluateRow(int first_locus, int last_locus, int first_sample);
// The values of a row from the sums of its loci.
RowValues RowOf(const DriftSums& sums);

// Ne = t / 2Fs'; not a number when Fs' lies within 1e-7 of zero.
double ComputeNe(double Fs_corrected, double t_span);

// The harmonic mean of the two samples' sizes.
double HarmonicMean(double S1, double S2);

// The numerator of the corrected shift, Fs'', for the run's sample plan (and N for plan 1),
// given Fs and the harmonic-mean size n of the two samples.
double CorrectedNumerator(double Fs, double n);
