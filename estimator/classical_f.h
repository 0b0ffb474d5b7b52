// The two classical temporal F statistics that the field's other programs give beside Fs: Nei and
// Tajima's (1981) Fc and Pollak's (1983) Fk, each taken over the alleles that Fs uses, weighted
// over loci by their independent alleles (Waples 1989), with the Ne they imply under sample plan
// 1 or 2 and their parametric (chi-square) 95% limits.
#pragma once

#include <cstdint>
#include <limits>

// Two samples by their positions in the file, from 1, the earlier first: the interval of a row,
// any pair of samples and not only consecutive ones.
struct SamplePair {
    int earlier = 1;
    int later = 2;
};

inline constexpr double NotANumber = std::numeric_limits<double>::quiet_NaN();

// Fc and Fk of a set of loci over a pair of samples, with the sizes their Ne takes. A locus with
// fewer than two alleles used has neither statistic, and is left out of both and of chi_df; a set
// with no such locus has Fc and Fk not a number.
struct ClassicalF {
    double Fc = NotANumber;  // sum over loci of (K_l - 1) Fc_l, over sum of K_l - 1
    double Fk = NotANumber;  // the same of Fk_l
    std::int64_t chi_df = 0; // n' = sum over loci of K_l - 1, the independent alleles
    // The harmonic means, weighted by allele, of the two samples' sizes in individuals, over every
    // allele used (those of a locus left out too): the S1 and S2 of the set's Fs.
    double S1 = 0.0;
    double S2 = 0.0;
    double t_span = 0.0; // generations from the earlier sample to the later; 0 with no allele used
};

// Fc and Fk over loci first_locus..last_locus (from 1) between the pair's samples. Per locus, over
// its K_l alleles used, x and y their frequencies in the earlier and the later sample and
// z = (x + y)/2: Fc_l = (1/K_l) sum (x - y)^2 / (z - xy), Fk_l = (1/(K_l - 1)) sum (x - y)^2 / z.
ClassicalF ComputeClassicalF(int first_locus, int last_locus, SamplePair pair);

// The Ne that a temporal F implies (Waples 1989), with S1 and S2 the two samples' sizes in
// individuals, under the run's sample plan: t / 2[F - 1/(2 S1) - 1/(2 S2)] under plan 2, with
// 1/N added inside the bracket under plan 1, whose samples are drawn from a census of N. A bracket
// at or below 0, no more change than sampling alone would give, reads as an infinite Ne.
double ClassicalNe(double F, double S1, double S2, double t_span);

// The 95% limits of a temporal F on chi_df independent alleles, n'F / q(0.975, n') and
// n'F / q(0.025, n'), and of Ne through ClassicalNe: the upper limit of F gives the lower of Ne.
// They assume independent alleles and loci, and are too narrow for linked loci.
struct ChiSquareLimits {
    double F_lower = NotANumber;
    double F_upper = NotANumber;
    double Ne_lower = NotANumber;
    double Ne_upper = NotANumber;
};
ChiSquareLimits ChiSquareLimitsOf(double F, const ClassicalF& set);

// Everything a row gives of the classical statistics, over loci first_locus..last_locus between
// the pair's samples. The limits are computed for any set; the table shows them on all-loci rows.
struct ClassicalRow {
    ClassicalF f;
    double Ne_Fc = NotANumber;
    double Ne_Fk = NotANumber;
    ChiSquareLimits Fc_limits;
    ChiSquareLimits Fk_limits;
};
ClassicalRow EvaluateClassicalRow(int first_locus, int last_locus, SamplePair pair);
