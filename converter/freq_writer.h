// The frequency file "pelkin.out" that the estimator reads: a header line with the numbers of
// generations and loci and the title, the number of alleles of every locus, and, locus by locus
// and generation by generation, the relative frequencies of the locus's alleles, the gene
// total, the locus name and the generation number.
#pragma once

#include <string>

// Writes "pelkin.out" from the run state and the count files, replacing an earlier file.
void WriteFreqFile();

// A relative frequency in 6 characters with 4 decimals, nearest value, an exact half up.
std::string FrequencyField(double frequency);

// The locus name as written: one word for the estimator's reader, so an inner blank becomes "_"
// and an empty or all-blank name becomes "locus" and the locus number.
std::string WrittenLocusName(int locus);
