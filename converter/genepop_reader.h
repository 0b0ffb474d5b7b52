// The GenePop file as the converter reads it: the title, the locus-name lines up to the first
// line that is exactly "POP", "Pop" or "pop", and then individual lines and marker lines (any
// line whose first three characters are "POP", "Pop" or "pop"), each marker starting a new
// generation. An individual line holds its generation number and any text before its first
// comma, then one genotype per locus: two allele codes of two characters each.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "text_file.h"

// The steps of the run that open the GenePop file and read its generation numbers; the passes
// that count its alleles are the pass driver's (locus_passes.h).

// Prompts for the GenePop file's name and opens the file in `infile`. An empty name, or the end
// of standard input, names no file and fails as a file that does not exist.
void OpenGenePop();

// Fills gen_no[1..n_gen] in the order of the marker lines, reopening the file by its name and
// closing it after. Only the first individual line of a generation gives its number: the number
// that begins the first individual line after each marker line. A marker is any line whose first
// three characters are "POP", "Pop" or "pop", the locus-name lines included; past the last
// marker the number is 0. A first word that is not a whole number ends the run with the
// file-failure report, before "pelkin.out" is created.
void GetGenerations();

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

// The characters of one allele code, and of one genotype.
constexpr std::size_t CodeLength = 2;
constexpr std::size_t GenotypeLength = 2 * CodeLength;

struct Genotype {
    std::array<char, CodeLength> first{};
    std::array<char, CodeLength> second{};
    bool ran_out = false; // the line ended among the genotype's characters
};

// Reads the genotypes of loci 1..locus in turn and keeps the last: a genotype's place on the
// line is known only by reading those before it. Each is four characters after any blanks and
// tabs. `ran_out` is set when any of them met the end of the line; on an individual line
// (`on_line`), the end of the file among them is the line's end.
Genotype ReadGenotypeOfLocus(TextFile& text, int locus, bool on_line);
