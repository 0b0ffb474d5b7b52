// Every table and run-wide value of the estimator, declared in this one place. The reader fills
// the data tables once; everything after it only reads them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

inline constexpr int MaxSamples = 10;
inline constexpr int MaxLoci = 100;
inline constexpr int MaxAlleles = 100;

// Smallest harmonic-mean sample size, in diploid individuals, at which an allele is used.
inline constexpr double MinSize = 1.0;

inline constexpr const char* version_text = "Oct. 22. 2007";

// Samples and loci are numbered from 1, alleles from 0; index 0 of a sample or locus is unused.
using LocusRow = std::array<double, MaxLoci + 1>;
using SampleLocusTable = std::array<LocusRow, MaxSamples + 1>;

extern std::int32_t n_samples;
extern std::int32_t n_loci;
extern std::array<std::int32_t, MaxLoci + 1> K;        // alleles listed per locus
extern std::array<SampleLocusTable, MaxAlleles> x;     // x[allele][sample][locus]
extern SampleLocusTable S;                             // sample sizes, in genes
extern std::array<std::string, MaxLoci + 1> locusname; // at most 255 characters
extern std::array<std::int32_t, MaxSamples + 1> t;     // generation of each sample

inline constexpr std::size_t MaxNameLength = 255;

// The dialogue's answers, held for the whole run.
extern std::string infilename;
extern std::string outfilename;
extern std::string tablefilename; // of --table FILE; empty without the option
extern std::int32_t sample_plan;  // 1 or 2
extern std::int32_t census_size;  // N, asked for plan 1 only

// Empties the data tables, as the reader does before it fills them.
void ClearDataTables();
// Empties the data tables and the run-wide values (file names, plan, N), as before a run.
void ResetRunValues();
