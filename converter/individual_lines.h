// The counting step: the GenePop file's header once, then every individual line once, each
// genotype of the line tallied at its locus in the line's sample, while the generation search
// reads the same characters for the samples' numbers. The samples of the file are its markers
// that have individual lines; a marker followed by another marker line or by the end of the
// file starts no sample, and a notice names its line.
#pragma once

#include <cstdint>
#include <vector>

// Expects the GenePop file open at its start in `infile`. Leaves `title`, `n_loc`, `loc_name`
// and `n_gen` set, the tallies filled, the part file of "pelkin.out" created and the GenePop
// file closed. Refuses a file with a negative allele code or an individual line that ends
// before its last genotype, and a GenePop file that the run would overwrite.
void CountAlleles();

// What the summary of a conversion tells besides the tallies: the individuals of each sample,
// and the genotypes with a missing copy.
struct SampleSizes {
    std::vector<std::int32_t> individuals; // per sample, from entry 0
    std::int64_t individuals_in_all = 0;
    std::int64_t missing_genotypes = 0;
};
const SampleSizes& SizesRead();
