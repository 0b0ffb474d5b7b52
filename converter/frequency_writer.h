// The frequency file "pelkin.out" that the estimator reads: a header line with the numbers of
// generations and loci and the title, the number of alleles of every locus, and, locus by locus
// and generation by generation, the relative frequencies of the locus's alleles, the gene
// total, the locus name and the generation number.
#pragma once

#include <cstdint>
#include <string>

constexpr const char* FreqFileName = "pelkin.out";
// "pelkin.out" is written under this name and renamed when it is whole, so that a run that
// fails or is stopped (stop_signals.h) leaves an earlier "pelkin.out" as it was.
constexpr const char* PartFileName = "pelkin.out.part";

// Creates the part file, before the GenePop file's individual lines are read, so that a folder
// the run cannot write in is told before the reading.
void StartFreqFile();

// Writes "pelkin.out" from the run state and the tallies into the part file, and renames it
// over "pelkin.out": an earlier file, or a link, of that name is replaced.
void WriteFreqFile();

// A relative frequency in 6 characters with 4 decimals, nearest value, an exact half up.
std::string FrequencyField(double frequency);

// The frequency count/total as FrequencyField writes the double count/total, worked out from
// the two whole numbers (a total of 0 gives 0.0000).
std::string RatioField(std::int32_t count, std::int32_t total);

// The locus name as written: one word for the estimator's reader, so an inner blank becomes "_"
// and an empty or all-blank name becomes "locus" and the locus number.
std::string WrittenLocusName(std::int32_t locus);
