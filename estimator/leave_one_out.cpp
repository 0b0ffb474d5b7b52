#include "leave_one_out.h"

#include <algorithm>
#include <array>

#include "data_tables.h"

namespace {

// The terms of the alleles that locus L uses in the interval, in the order ComputeF adds them;
// returns how many.
int UsedTerms(int L, int first_sample, std::vector<AlleleTerms>& terms) {
    terms.resize(static_cast<std::size_t>(std::max(K[static_cast<std::size_t>(L)], 0)));
    int used = 0;
    for (int k = 0; k < K[static_cast<std::size_t>(L)]; ++k) {
        used += AlleleUsed(L, k, first_sample, terms[used]) ? 1 : 0;
    }
    return used;
}

// Adds the terms, in order, to the `Width` sets from `first` on. The sets' sums are held apart
// from memory while the terms are added, so that each addition waits on nothing but the one
// before it in its own set.
template <int Width>
void AddToSets(std::vector<AlleleTerms>& sets, int first, const AlleleTerms* terms, int n_terms) {
    std::array<AlleleTerms, Width> sums;
    std::copy_n(sets.begin() + first, Width, sums.begin());
    for (int k = 0; k < n_terms; ++k) {
        for (AlleleTerms& sum : sums) {
            sum += terms[k];
        }
    }
    std::copy_n(sums.begin(), Width, sets.begin() + first);
}

// Adds the terms to the sets without loci 1..last.
void AddToSetsBefore(std::vector<AlleleTerms>& sets, int last, const AlleleTerms* terms,
                     int n_terms) {
    constexpr int Block = 4;
    int first = 1;
    for (; first + Block - 1 <= last; first += Block) {
        AddToSets<Block>(sets, first, terms, n_terms);
    }
    for (; first <= last; ++first) {
        AddToSets<1>(sets, first, terms, n_terms);
    }
}

// Floating-point addition is not associative, so every set must add its terms in ComputeF's
// order. Until the pass reaches locus L, the set without L has added exactly the terms of all
// loci before L: one running sum over the loci so far stands for all those sets. At L that sum
// becomes the set's own, and from then on the terms of every later locus are added to it.
std::vector<DriftSums> PlainSets(int first_sample) {
    const auto slots = static_cast<std::size_t>(std::max(n_loci, 0)) + 1;
    std::vector<AlleleTerms> sums(slots);
    AlleleTerms before{};
    std::vector<int> used(slots);
    std::vector<AlleleTerms> terms;
    for (int L = 1; L <= n_loci; ++L) {
        sums[L] = before;
        used[L] = UsedTerms(L, first_sample, terms);
        AddToSetsBefore(sums, L - 1, terms.data(), used[L]);
        for (int k = 0; k < used[L]; ++k) {
            before += terms[k];
        }
    }

    // Every locus that uses an allele adds the same span, so a set's sum of spans depends only
    // on how many of its loci use one; the sums are taken in that same order of additions.
    const double span = Span(first_sample);
    std::vector<double> span_sums(slots);
    int all_used = 0;
    int all_contributing = 0;
    for (int L = 1; L <= n_loci; ++L) {
        span_sums[L] = span_sums[L - 1] + span;
        all_used += used[L];
        all_contributing += used[L] > 0 ? 1 : 0;
    }

    std::vector<DriftSums> sets(slots);
    for (int L = 1; L <= n_loci; ++L) {
        DriftSums& set = sets[L];
        set.Kl = all_used - used[L];
        if (set.Kl == 0) {
            continue;
        }
        const int contributing = all_contributing - (used[L] > 0 ? 1 : 0);
        set.num = sums[L].shift;
        set.den = sums[L].spread;
        set.S1 = static_cast<double>(set.Kl) / sums[L].inverse_first;
        set.S2 = static_cast<double>(set.Kl) / sums[L].inverse_second;
        set.t_span = span_sums[contributing] / contributing;
    }
    return sets;
}

} // namespace

LeaveOneOut::LeaveOneOut(int first_sample) : first_sample_(first_sample) {
    if (n_loci <= PlainSumLoci) {
        plain_sets_ = PlainSets(first_sample);
        return;
    }
    for (int L = 1; L <= n_loci; ++L) {
        AddLocus(L, first_sample, all_loci_);
    }
}

DriftSums LeaveOneOut::Without(int L) const {
    if (n_loci <= PlainSumLoci) {
        return plain_sets_[static_cast<std::size_t>(L)];
    }
    RunningSums<CompensatedSum> own;
    AddLocus(L, first_sample_, own);
    RunningSums<CompensatedSum> rest;
    rest.Kl = all_loci_.Kl - own.Kl;
    rest.contributing_loci = all_loci_.contributing_loci - own.contributing_loci;
    // Each sum of the set is the difference of two compensated sums, rounded once.
    rest.num.sum = all_loci_.num.Less(own.num);
    rest.den.sum = all_loci_.den.Less(own.den);
    rest.inverse_first.sum = all_loci_.inverse_first.Less(own.inverse_first);
    rest.inverse_second.sum = all_loci_.inverse_second.Less(own.inverse_second);
    return Finished(rest, first_sample_);
}

DriftSums LeaveOneOut::AllLoci() const {
    if (n_loci <= PlainSumLoci) {
        return ComputeF(1, n_loci, first_sample_);
    }
    return Finished(all_loci_, first_sample_);
}
