// The converter's one fast path: skipping, in bulk, the genotypes that a pass reads only to find
// its own locus's genotype on an individual line. The later loci's passes spend most of their
// time there. The character reads of the GenePop reader stay the reference: with the skip
// turned off they read every genotype, and both ways read alike.
#pragma once

#include "text_file.h"

// On unless turned off: the tests and the benchmark turn it off to run the character reads
// alone, and compare.
extern bool genotype_skip_on;

// Skips up to `count` genotypes from the read position, as long as each is, in the buffered
// text, one blank and a genotype's characters (four, or six in a three-digit file), each of
// code 33 or more: the genotype read takes exactly those characters. Returns how many were skipped,
// 0 when the skip is off; every other case is left to the genotype read.
int SkipPlainGenotypes(TextFile& text, int count);
