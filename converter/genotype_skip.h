// Skipping, in bulk, the genotypes that a pass reads only to find its own locus's genotype on an
// individual line: the later loci's passes spend most of their time here.
#pragma once

#include "text_file.h"

// Skips up to `count` genotypes from the read position, as long as each is, after any blanks
// and tabs, four characters that are neither blank, tab nor line end, all in the buffered text.
// Returns how many were skipped. Those are read exactly as the genotype read would read them;
// every other case is left to the genotype read.
int SkipPlainGenotypes(TextFile& text, int count);
