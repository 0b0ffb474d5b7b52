// The standardized shift of allele frequencies between two samples, Fs, summed over alleles and
// loci before the division (Marsk & Tellby 2007, equation 9), its correction for sampling under
// plan 1 or 2 (equations 14 and 13), and the variance-effective size Ne it implies.
#pragma once

#include <cstdint>

// Over loci first_locus..last_locus, except the one at 0-based position left_out (-1 for none),
// for the interval from first_sample to last_sample (consecutive samples): num is the sum of
// (p - q)^2 and den the sum of z(1 - z), z = (p + q)/2, over the alleles used; S1 and S2 the
// harmonic means, weighted by allele, of the two samples' sizes in individuals; t_span the span in
// generations, averaged over the loci that used an allele; K_used the number of alleles used. An
// allele is used when the harmonic mean of the two sizes is at least MinSize and it is neither
// absent from both samples nor fixed in both. With no allele used every output is 0.
void ComputeF(int first_locus, int last_locus, int first_sample, int last_sample, double& num,
              double& den, double& S1, double& S2, double& t_span, std::int32_t& K_used,
              int left_out);

// Ne = t / 2Fs'; not a number when Fs' lies within 1e-7 of zero.
double ComputeNe(double Fs_corrected, double t);

// The harmonic mean of the two samples' sizes.
double HarmonicMean(double S1, double S2);

// The numerator of the corrected shift, Fs'', for the run's sample plan (and N for plan 1),
// given Fs and the harmonic-mean size n of the two samples.
double CorrectedNumerator(double Fs, double n);
