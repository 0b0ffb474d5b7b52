#include "leave_one_out.h"

namespace {

// The terms of the alleles that locus L uses in the interval, in the order ComputeF adds them;
// returns how many.
int UsedTerms(int L, int first_sample, std::array<AlleleTerms, MaxAlleles>& terms) {
    int used = 0;
    for (int k = 0; k < K[L]; ++k) {
        used += AlleleUsed(L, k, first_sample, terms[used]) ? 1 : 0;
    }
    return used;
}

// The four running sums of every leave-one-out set, one column per left-out locus.
struct SumColumns {
    std::array<double, MaxLoci + 1> num{};
    std::array<double, MaxLoci + 1> den{};
    std::array<double, MaxLoci + 1> inverse_first{};
    std::array<double, MaxLoci + 1> inverse_second{};
};

// Adds the terms, in order, to the `Width` columns from `first` on. The columns are held apart
// from memory while the terms are added, so that each addition waits on nothing but the one
// before it in its own column.
template <int Width>
void AddToColumns(SumColumns& columns, int first, const AlleleTerms* terms, int n_terms) {
    std::array<double, Width> num;
    std::array<double, Width> den;
    std::array<double, Width> inverse_first;
    std::array<double, Width> inverse_second;
    for (int c = 0; c < Width; ++c) {
        num[c] = columns.num[first + c];
        den[c] = columns.den[first + c];
        inverse_first[c] = columns.inverse_first[first + c];
        inverse_second[c] = columns.inverse_second[first + c];
    }
    for (int k = 0; k < n_terms; ++k) {
        for (int c = 0; c < Width; ++c) {
            num[c] += terms[k].shift;
            den[c] += terms[k].spread;
            inverse_first[c] += terms[k].inverse_first;
            inverse_second[c] += terms[k].inverse_second;
        }
    }
    for (int c = 0; c < Width; ++c) {
        columns.num[first + c] = num[c];
        columns.den[first + c] = den[c];
        columns.inverse_first[first + c] = inverse_first[c];
        columns.inverse_second[first + c] = inverse_second[c];
    }
}

// Adds the terms to the columns of the sets without loci 1..last.
void AddToSetsBefore(SumColumns& columns, int last, const AlleleTerms* terms, int n_terms) {
    constexpr int Block = 4;
    int first = 1;
    for (; first + Block - 1 <= last; first += Block) {
        AddToColumns<Block>(columns, first, terms, n_terms);
    }
    for (; first <= last; ++first) {
        AddToColumns<1>(columns, first, terms, n_terms);
    }
}

} // namespace

// Floating-point addition is not associative, so every set must add its terms in ComputeF's
// order. Until the pass reaches locus L, the set without L has added exactly the terms of all
// loci before L: one running sum over the loci so far stands for all those sets. At L that sum
// becomes the set's own, and from then on the terms of every later locus are added to it.
std::array<DriftSums, MaxLoci + 1> LeaveOneOutSums(int first_sample) {
    SumColumns columns;
    AlleleTerms before{};
    std::array<int, MaxLoci + 1> used{};
    std::array<AlleleTerms, MaxAlleles> terms;
    for (int L = 1; L <= n_loci; ++L) {
        columns.num[L] = before.shift;
        columns.den[L] = before.spread;
        columns.inverse_first[L] = before.inverse_first;
        columns.inverse_second[L] = before.inverse_second;
        used[L] = UsedTerms(L, first_sample, terms);
        AddToSetsBefore(columns, L - 1, terms.data(), used[L]);
        for (int k = 0; k < used[L]; ++k) {
            before.shift += terms[k].shift;
            before.spread += terms[k].spread;
            before.inverse_first += terms[k].inverse_first;
            before.inverse_second += terms[k].inverse_second;
        }
    }

    // Every locus that uses an allele adds the same span, so a set's sum of spans depends only
    // on how many of its loci use one; the sums are taken in that same order of additions.
    const double span =
        static_cast<double>(t[first_sample + 1]) - static_cast<double>(t[first_sample]);
    std::array<double, MaxLoci + 1> span_sums{};
    int all_used = 0;
    int all_contributing = 0;
    for (int L = 1; L <= n_loci; ++L) {
        span_sums[L] = span_sums[L - 1] + span;
        all_used += used[L];
        all_contributing += used[L] > 0 ? 1 : 0;
    }

    std::array<DriftSums, MaxLoci + 1> sets{};
    for (int L = 1; L <= n_loci; ++L) {
        DriftSums& set = sets[L];
        set.Kl = all_used - used[L];
        if (set.Kl == 0) {
            continue;
        }
        const int contributing = all_contributing - (used[L] > 0 ? 1 : 0);
        set.num = columns.num[L];
        set.den = columns.den[L];
        set.S1 = set.Kl / columns.inverse_first[L];
        set.S2 = set.Kl / columns.inverse_second[L];
        set.t_span = span_sums[contributing] / contributing;
    }
    return sets;
}
