// The pass driver: the GenePop file's header once, then one pass over the whole file for every
// locus, tallying that locus's allele copies per generation, checking that the locus was read as
// locus 1 was, and handing its counts on through the locus's count file before the next locus
// is read.
#pragma once

// Expects the GenePop file open at its start in `infile`. Leaves `title`, `n_loc`, `loc_name`,
// `n_gen` and `n_allele` set, the count files of loci 1..n_loc written and the file closed. A
// file read differently at some locus is refused with a data message, and so is a file that
// this step or a later one would overwrite.
void CountAlleles();
