// The GenePop file as the converter reads it: the title, the locus-name lines up to the first
// line that is exactly "POP", "Pop" or "pop" (blanks and tabs may follow), and then individual
// lines and marker lines (any line whose first three characters are "POP", "Pop" or "pop"),
// each marker starting a new generation. An individual line holds its generation number and
// any text before its first comma, then one genotype per locus: two allele codes of two
// characters each, or of three in a three-digit file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text_file.h"

// The steps of the run that open the GenePop file and read its generation numbers; the passes
// that count its alleles are the pass driver's (locus_passes.h).

// Opens the GenePop file in `infile`: the one named on the command line, announced by "Using
// data from", or else the one whose name is typed at the prompt. An empty name, or the end of
// standard input, names no file and fails as a file that does not exist.
void OpenGenePop();

// Fills gen_no[1..n_gen]: with the numbers of --generations when they were given (refused when
// they are not one per generation), or else in the order of the marker lines, reopening the
// file by its name and closing it after. Only the first individual line of a generation gives
// its number: the number that begins the first individual line after each marker line. A
// marker is any line whose first three characters are "POP", "Pop" or "pop", the locus-name
// lines included; past the last marker the number is 0. A first word that is not a whole
// number ends the run with the file-failure report, before "pelkin.out" is created.
void GetGenerations();

// True for exactly "POP", "Pop" or "pop"; other mixtures of case are not markers.
bool IsMarker(std::string_view text);

// True for a line that ends the locus names: taken whole, a marker once blanks and tabs at its
// end are dropped ("Pop \t" does, "Pop 1" and "Population" do not).
bool EndsLocusNames(std::string_view line);

// Reads the title and the locus names into `title`, `loc_name` and `n_loc`. Refuses a file
// whose names are not ended by a marker line, and a 101st locus.
void ReadHeader(TextFile& text);

// Skips the lines of a pass up to and including the line that ends the locus names, the title
// included.
void SkipToFirstMarker(TextFile& text);

// The layout test of an individual line (without its line end): after the first comma and any
// blanks and tabs, six decimal digits followed by a blank, a tab or the line's end.
bool HoldsSixDigitGenotype(std::string_view line);

// Decides the layout of the file once, after the header: from the first line after it that
// is not a marker line and holds a comma, three-digit when HoldsSixDigitGenotype says so, else
// two-digit. Sets `code_digits` to 3 or 2; for a three-digit file, `line_at` is where that line
// begins.
void DecideLayout(TextFile& text, std::uint64_t& line_at);

enum class Head { Comma, Marker, TooLong };

// Scans the head of the next line: up to its comma, or its first three characters when they are
// a marker, or 251 characters without a comma, which ends the pass. Lines that are empty or
// hold only blanks and tabs are passed over first and do not count.
Head ScanHead(TextFile& text);

// After a marker line: takes characters, across any number of lines, up to and including the
// next comma, or to the end of the file. True when a comma was found.
bool SearchComma(TextFile& text);

// The most characters of one allele code (three-digit files); a genotype is two codes.
constexpr std::size_t MaxCodeLength = 3;

// Eight bytes, so that a genotype is handed back in one register: of seven, the compiler copied
// it piecewise through memory on every individual line.
struct alignas(8) Genotype {
    // The codes' characters: the first `code_digits` of each are read, the rest stay 0.
    std::array<char, MaxCodeLength> first{};
    std::array<char, MaxCodeLength> second{};
    bool ran_out = false; // the line ended among the genotype's characters
};

// Reads the genotypes of loci 1..locus in turn and keeps the last: a genotype's place on the
// line is known only by reading those before it. Each is 2 * code_digits characters after any
// blanks and tabs. `ran_out` is set when any of them met the end of the line; on an individual
// line (`on_line`), the end of the file among them is the line's end.
Genotype ReadGenotypeOfLocus(TextFile& text, int locus, bool on_line);
