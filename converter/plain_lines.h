// The individual lines of a pass in the usual layout, taken straight from the buffered text:
// most lines of a GenePop file are of that kind, and every pass reads them all.
#pragma once

#include <cstddef>
#include <span>

#include "genepop_reader.h"
#include "text_file.h"

// Reads individual lines from the read position on while each is of the plain kind: its first
// character is of code 33 or more and its first three are not a marker, a comma lies among its
// first 250 characters, and the genotypes of loci 1..locus after the comma are each one blank
// and four characters of code 33 or more. Such a line reads exactly as the head scan, the
// genotype reads and the drop of the rest of the line would read it; its genotype of `locus`
// goes to `out`. Stops, at the start of the first line of another kind (or at the end of the
// file), after out.size() lines at most, or before reading on from the file once it has taken
// a line; returns how many lines it took: 0 only where the next line is for the character reads
// or the file has ended. The scans are 32 bytes wide where the processor allows and `wide` is
// left true, 16 bytes wide otherwise.
std::size_t ReadPlainLines(TextFile& text, int locus, std::span<Genotype> out, bool wide = true);
