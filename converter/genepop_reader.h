// The GenePop file as the converter reads it: the title, the locus-name lines up to the first
// line that is exactly "POP", "Pop" or "pop" (blanks and tabs may follow), and then individual
// lines and marker lines (any line whose first three characters are "POP", "Pop" or "pop"),
// each marker starting a new sample. An individual line holds its generation number and any
// text before its first comma, then one genotype per locus: two allele codes of two characters
// each, or of three in a three-digit file. No line is held whole: of the title and the locus
// names the reads keep the characters that are stored.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text_file.h"

// Opens the GenePop file in `infile`: the one named on the command line, announced by "Using
// data from", or else the one whose name is typed at the prompt. An empty name, or the end of
// standard input, names no file and fails as a file that does not exist.
void OpenGenePop();

// Fills gen_no[1..n_gen]: with the numbers of --generations when they were given (refused when
// they are not one per sample), or else with those the generation search found while the file
// was read (generation_search.h). A first word that is not a whole number ends the run with the
// file-failure report, before "pelkin.out" is written.
void GetGenerations();

// True for exactly "POP", "Pop" or "pop"; other mixtures of case are not markers.
bool IsMarker(std::string_view text);

// Where the reading of the individual lines begins: right after the line that ends the locus
// names, or right after the title when the title is itself such a line (the reading takes the
// title for the first marker, the header does not).
struct HeaderEnd {
    std::uint64_t marker_at;  // where that line begins
    std::uint64_t samples_at; // where the line after it begins
};

// Reads the title and the locus names into `title`, `loc_name` and `n_loc`: the title's first
// 80 characters; a name line cut to 255 characters, or, when it holds commas, each
// comma-separated name trimmed of blanks and tabs and cut to 255 characters, empty pieces
// dropped. Refuses a file whose names are not ended by a marker line. Names longer than 255
// characters are told in one notice.
HeaderEnd ReadHeader(TextFile& text);

// Passes over the lines from the top, the title included, up to and including the first that
// ends the locus names: where a reading of the individual lines begins.
void PassHeader(TextFile& text);

// The layout test of an individual line (without its line end): after the first comma and any
// blanks and tabs, six decimal digits followed by a blank, a tab or the line's end.
bool HoldsSixDigitGenotype(std::string_view line);

// Decides the layout of the file once, after the header: from the first line after it that
// is not a marker line and holds a comma, three-digit when HoldsSixDigitGenotype says so, else
// two-digit. Sets `code_digits` to 3 or 2; for a three-digit file, `line_at` is where that line
// begins. Reads that line only up to the genotype's characters.
void DecideLayout(TextFile& text, std::uint64_t& line_at);

enum class Head { Comma, Marker, TooLong };

// Scans the head of the next line: up to its comma, or its first three characters when they are
// a marker, or 251 characters without a comma, which ends the reading. Lines that are empty or
// hold only blanks and tabs are passed over first and do not count.
Head ScanHead(TextFile& text);

// After a marker line: takes characters, across any number of lines, up to and including the
// next comma, or to the end of the file. True when a comma was found.
bool SearchComma(TextFile& text);

// After a marker line: passes over the lines that hold only blanks and tabs, and tells whether
// the sample the marker starts is empty: the next line is a marker line too, or the file ends.
bool SampleIsEmpty(TextFile& text);
