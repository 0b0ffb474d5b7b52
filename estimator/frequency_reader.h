// The reader of the frequency file: a header of the numbers of samples and loci, a line of the
// number of alleles of every locus, and then, locus by locus and sample by sample within a
// locus, a line of relative frequencies, the sample size in genes, the locus name and the
// generation in which the sample was taken.
#pragma once

#include <string>

// Reads the frequency file at `path` into the data tables. Returns only when the whole data set
// was read; every fault of the file ends the run through Error with the fault's message.
void GetData(const std::string& path);
