// The allele tallies: for every locus, sample and allele code, how many gene copies carry the
// code. A locus keeps a short chain of the codes seen at it, in the order first seen, and every
// sample a count per code of every chain, so that biallelic data cost a few bytes per locus and
// sample, however many loci and samples there are. Missing copies (code 0) are not tallied.
#pragma once

#include <cstdint>
#include <vector>

// One allele code of one locus: its place in the samples' counts is its index in `allele_slots`.
struct AlleleSlot {
    std::int32_t next; // the locus's next code, or -1
    std::int16_t code;
};

// The tables, for the inline tally below; the functions of this file are their only users.
extern std::vector<std::int32_t> first_slot; // per locus from entry 1: its first code, or -1
extern std::vector<AlleleSlot> allele_slots; // the codes of all loci
extern std::vector<std::vector<std::int32_t>> sample_counts; // per sample: a count per slot
extern std::int32_t* current_counts;                         // the counts of the sample being read

void ResetTallies();
// Sets up the tallies of `loci` loci, with no sample yet.
void StartTallies(std::int32_t loci);
// The sample after the last one starts, with every count 0.
void StartSample();
// Samples started so far.
std::int32_t SamplesTallied();

// Adds `code`, seen at `locus` for the first time, after the slot `last` of its chain (-1 when
// the locus has none), with one copy in the current sample.
void AddNewAllele(std::int32_t locus, int code, std::int32_t last);

// One copy of the allele `code` (1..999) at `locus` in the current sample.
inline void AddCopy(std::int32_t locus, int code) {
    std::int32_t last = -1;
    for (std::int32_t slot = first_slot[static_cast<std::size_t>(locus)]; slot >= 0;
         slot = allele_slots[static_cast<std::size_t>(slot)].next) {
        if (allele_slots[static_cast<std::size_t>(slot)].code == code) {
            ++current_counts[slot];
            return;
        }
        last = slot;
    }
    AddNewAllele(locus, code, last);
}

// The alleles of a locus, in increasing order of code.
struct ListedAllele {
    int code;
    std::int32_t slot;
};
void ListAlleles(std::int32_t locus, std::vector<ListedAllele>& listed);

// How many alleles the locus has.
std::int32_t AlleleCount(std::int32_t locus);

// The copies of the allele in `slot` in sample `sample` (1..SamplesTallied()).
std::int32_t CountOf(std::int32_t slot, std::int32_t sample);
