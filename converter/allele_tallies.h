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

// The first two codes of a locus (0 where it has none yet), which a biallelic locus never
// passes, and their slots; the chain of the locus's codes begins with the first. While the
// locus has one code, both slots are its slot, so that adding 0 copies of the second is harmless.
struct LocusHead {
    std::int32_t slot[2];
    std::int16_t code[2];
};

// The tables, for the inline tally below; the functions of this file are their only users.
extern std::vector<LocusHead> locus_heads;                   // per locus from entry 1
extern std::vector<AlleleSlot> allele_slots;                 // the codes of all loci
extern std::vector<std::vector<std::int32_t>> sample_counts; // per sample: a count per slot
extern std::int32_t* current_counts;                         // the counts of the sample being read

void ResetTallies();
// Sets up the tallies of `loci` loci, with no sample yet.
void StartTallies(std::int32_t loci);
// The sample after the last one starts, with every count 0.
void StartSample();
// Samples started so far.
std::int32_t SamplesTallied();

// One copy of an allele of `locus` other than its first two, or of one seen for the first time.
void AddOtherCopy(std::int32_t locus, int code);

// One copy of the allele `code` (1..999) at `locus` in the current sample. Which of the first two
// codes it is, is chosen without a branch: in SNP data either is as likely.
inline void AddCopy(std::int32_t locus, int code) {
    const LocusHead& head = locus_heads[static_cast<std::size_t>(locus)];
    const auto second = static_cast<std::size_t>(head.code[0] != code);
    if ((head.code[0] == code) | (head.code[1] == code)) {
        ++current_counts[head.slot[second]];
        return;
    }
    AddOtherCopy(locus, code);
}

// The two copies of a genotype typed whole, `first` and `second` (1..999), at `locus` in the
// current sample. Where both are of the locus's first two codes, as nearly all genotypes of
// SNP data are, both counts are added to without a branch on which codes they are.
inline void AddGenotype(std::int32_t locus, int first, int second) {
    const LocusHead& head = locus_heads[static_cast<std::size_t>(locus)];
    const int of_first = (first == head.code[0]) + (second == head.code[0]);
    const int of_second = (first == head.code[1]) + (second == head.code[1]);
    if (of_first + of_second == 2) {
        std::int32_t* counts = current_counts;
        counts[head.slot[0]] += of_first;
        counts[head.slot[1]] += of_second;
        return;
    }
    AddCopy(locus, first);
    AddCopy(locus, second);
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
