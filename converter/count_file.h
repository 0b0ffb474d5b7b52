// The count file of one locus: the hand-over of a locus's tallies from the counting pass to the
// frequency-file writer, so that memory holds the counts of one locus only. Named "locus"
// followed by the locus number (locus1 .. locus100) in the working directory.
#pragma once

#include <string>

std::string CountFileName(int locus);

// Writes the count file of `locus` from `tally` and `allele_total`: a first line of two blanks,
// `n_gen`, two blanks and `n_allele[locus]`, then one line per generation with the counts of
// the listed codes 01..99, each right-aligned in 5 characters, or in 6 when it is 10000 or more,
// so that a blank always stands before it.
void WriteCountFile(int locus);

// Deletes the count files of loci 1..n_loc, the run's last step.
void EraseCountFiles();
