// What one simulated population and its samples are made of.
#pragma once

#include <cstdint>
#include <vector>

namespace drift {

// Limits of the files the converter reads: at most 100 loci and 50 generations, allele
// codes of two digits (00 is a missing allele copy, so 99 alleles at most).
inline constexpr int kMaxLoci = 100;
inline constexpr int kMaxAlleles = 99;
inline constexpr int kMaxSamples = 50;
inline constexpr int kMaxCensus = 100000;
inline constexpr int kMaxSampleSize = 10000;
inline constexpr int kMaxGeneration = 100000;

struct DriftSettings {
    int effective_size = 50; // Ne: adults that breed in every generation
    int census_size = 50;    // N: adults in every generation, at least Ne
    int loci = 20;
    int alleles = 5; // alleles per locus among the founders, equally frequent
    int sample_size = 50;
    std::vector<int> sample_generations{0, 10}; // not decreasing
    int plan = 2;                               // sampling plan, 1 or 2
    double missing_rate = 0.0;                  // share of genotypes left untyped
    std::uint64_t seed = 1;
};

// One sample: the generation it was taken in and, for every sampled individual and locus,
// the two allele codes (0 for an untyped genotype), individual-major.
struct DriftSample {
    int generation = 0;
    std::vector<std::uint8_t> codes; // [individual][locus][copy]
};

} // namespace drift
