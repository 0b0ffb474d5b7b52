#include "classical_f.h"

#include <cmath>

#include "chi_square_quantile.h"
#include "compensated_sum.h"
#include "data_tables.h"
#include "drift_statistic.h"

namespace {

// What one locus adds: its sums over the alleles it uses.
struct LocusSums {
    std::int64_t used = 0;
    double nei_tajima = 0.0;     // sum of (x - y)^2 / (z - xy)
    double pollak = 0.0;         // sum of (x - y)^2 / z
    double inverse_first = 0.0;  // sum of 1/a, a the earlier sample's size in individuals
    double inverse_second = 0.0; // and of the later's
};

LocusSums SumsOfLocus(int L, SamplePair pair) {
    LocusSums locus;
    for (int k = 0; k < K[static_cast<std::size_t>(L)]; ++k) {
        AlleleTerms terms;
        if (AlleleUsedBetween(L, k, pair.earlier, pair.later, terms)) {
            const double x_e = x(k, pair.earlier, L);
            const double y_l = x(k, pair.later, L);
            const double z = (x_e + y_l) / 2.0;
            locus.nei_tajima += terms.shift / (z - x_e * y_l);
            locus.pollak += terms.shift / z;
            locus.inverse_first += terms.inverse_first;
            locus.inverse_second += terms.inverse_second;
            ++locus.used;
        }
    }
    return locus;
}

} // namespace

ClassicalF ComputeClassicalF(int first_locus, int last_locus, SamplePair pair) {
    // Compensated, as over many loci the plain sums would lose digits.
    CompensatedSum weighted_Fc, pollak, inverse_first, inverse_second;
    std::int64_t used = 0;
    ClassicalF set;
    for (int L = first_locus; L <= last_locus; ++L) {
        const LocusSums locus = SumsOfLocus(L, pair);
        used += locus.used;
        inverse_first.Add(locus.inverse_first);
        inverse_second.Add(locus.inverse_second);
        if (locus.used >= 2) {
            const double independent = static_cast<double>(locus.used - 1);
            weighted_Fc.Add(independent * (locus.nei_tajima / static_cast<double>(locus.used)));
            pollak.Add(locus.pollak);
            set.chi_df += locus.used - 1;
        }
    }
    if (set.chi_df > 0) {
        set.Fc = weighted_Fc.Value() / static_cast<double>(set.chi_df);
        set.Fk = pollak.Value() / static_cast<double>(set.chi_df);
    }
    if (used > 0) {
        set.S1 = static_cast<double>(used) / inverse_first.Value();
        set.S2 = static_cast<double>(used) / inverse_second.Value();
        // In double: two generation numbers far apart would overflow 32 bits.
        set.t_span = static_cast<double>(Generation(pair.later)) -
                     static_cast<double>(Generation(pair.earlier));
    }
    return set;
}

double ClassicalNe(double F, double S1, double S2, double t_span) {
    double bracket = F - 1.0 / (2.0 * S1) - 1.0 / (2.0 * S2);
    if (sample_plan == 1) {
        bracket += 1.0 / static_cast<double>(census_size);
    }
    if (bracket <= 0.0) {
        return INFINITY;
    }
    return t_span / (2.0 * bracket);
}

ChiSquareLimits ChiSquareLimitsOf(double F, const ClassicalF& set) {
    ChiSquareLimits limits;
    const double n = static_cast<double>(set.chi_df);
    limits.F_lower = n * F / ChiSquareQuantile(0.975, n);
    limits.F_upper = n * F / ChiSquareQuantile(0.025, n);
    limits.Ne_lower = ClassicalNe(limits.F_upper, set.S1, set.S2, set.t_span);
    limits.Ne_upper = ClassicalNe(limits.F_lower, set.S1, set.S2, set.t_span);
    return limits;
}

ClassicalRow EvaluateClassicalRow(int first_locus, int last_locus, SamplePair pair) {
    ClassicalRow row;
    row.f = ComputeClassicalF(first_locus, last_locus, pair);
    row.Ne_Fc = ClassicalNe(row.f.Fc, row.f.S1, row.f.S2, row.f.t_span);
    row.Ne_Fk = ClassicalNe(row.f.Fk, row.f.S1, row.f.S2, row.f.t_span);
    row.Fc_limits = ChiSquareLimitsOf(row.f.Fc, row.f);
    row.Fk_limits = ChiSquareLimitsOf(row.f.Fk, row.f);
    return row;
}
