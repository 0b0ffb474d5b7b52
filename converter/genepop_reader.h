// The GenePop file as the converter reads it: the title, the locus-name lines up to the first
// line that is exactly "POP", "Pop" or "pop", and then individual lines and marker lines (any
// line whose first three characters are "POP", "Pop" or "pop"), each marker starting a new
// generation. An individual line holds its generation number and any text before its first
// comma, then one four-character genotype per locus.
#pragma once

#include <array>
#include <string_view>

#include "text_file.h"

// True for exactly "POP", "Pop" or "pop"; other mixtures of case are not markers.
bool IsMarker(std::string_view text);

// Reads the title and the locus names into `title`, `loc_name` and `n_loc`. Refuses a file
// whose names are not ended by a marker line, and a 101st locus.
void ReadHeader(TextFile& text);

// Skips the lines of a pass up to and including the first marker line, the title included.
void SkipToFirstMarker(TextFile& text);

enum class Head { Comma, Marker, TooLong };

// Scans the head of the next line: up to its comma, or its first three characters when they are
// a marker, or 251 characters without a comma, which ends the pass. Lines that are empty or
// hold only blanks and tabs are passed over first and do not count.
Head ScanHead(TextFile& text);

// After a marker line: takes characters, across any number of lines, up to and including the
// next comma, or to the end of the file. True when a comma was found.
bool SearchComma(TextFile& text);

struct Genotype {
    std::array<char, 2> first{};
    std::array<char, 2> second{};
    bool ran_out = false; // the line ended among the genotype's characters
};

// Reads the genotypes of loci 1..locus in turn and keeps the last: a genotype's place on the
// line is known only by reading those before it. Each is four characters after any blanks and
// tabs. `ran_out` is set when any of them met the end of the line; on an individual line
// (`on_line`), the end of the file among them is the line's end.
Genotype ReadGenotypeOfLocus(TextFile& text, int locus, bool on_line);
