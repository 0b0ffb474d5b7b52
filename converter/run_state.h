// The converter's run state: one global instance of every table, shared by the steps of the run
// (introduction, counting, generation numbers, writing). Tables are indexed from 1 for loci and
// generations, as the steps count them; entry 0 of those tables is never used.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "text_file.h"

constexpr int MaxLoci = 100;
constexpr int MaxGenerations = 50;
// Allele codes 00..99 of a two-digit file, 000..999 of a three-digit one; 0 marks a missing
// allele copy.
constexpr int NumCodes = 1000;
// The most alleles of one locus that the estimator reads.
constexpr int MaxAlleles = 100;
constexpr std::size_t NameLength = 15;
constexpr std::size_t TitleLength = 80;
// The tallies are 16-bit fields: a count beyond this is refused rather than wrapped.
constexpr std::int32_t MaxCopies = 32767;

// The table types, by what they hold:
// typ1: copies per generation (rows 1..50) and allele code (0..999), 16 bits each;
// typ2: a text per locus 1..100, the locus names;
// typ3: a 32-bit count per allele code 0..999;
// typ4: a 16-bit count per locus 1..100;
// typ5: a 32-bit number per generation 1..50, kept whole so that 70000 is written as 70000;
// typ6: copies per generation (rows 1..50) and listed allele (0..99), 32 bits each.
using typ1 = std::array<std::array<std::int16_t, NumCodes>, MaxGenerations + 1>;
using typ2 = std::array<std::string, MaxLoci + 1>;
using typ3 = std::array<std::int32_t, NumCodes>;
using typ4 = std::array<std::int16_t, MaxLoci + 1>;
using typ5 = std::array<std::int32_t, MaxGenerations + 1>;
using typ6 = std::array<std::array<std::int32_t, MaxAlleles>, MaxGenerations + 1>;

extern std::string in_name;       // the GenePop file's name, as typed or on the command line
extern int code_digits;           // characters per allele code: 2, or 3 in a three-digit file
extern std::string title;         // first line of the GenePop file, at most 80 characters
extern std::int16_t n_loc;        // number of loci
extern typ2 loc_name;             // locus names, at most 15 characters each
extern std::int16_t n_gen;        // number of generations, as counted at locus 1
extern typ4 n_allele;             // per locus: how many codes other than 0 occur at it
extern typ1 tally;                // locus being read: copies per generation and code
extern typ3 allele_total;         // locus being read: copies per code over all generations
extern std::int16_t copies;       // locus being read: all copies, code 00 included
extern std::int16_t copies_first; // copies at locus 1
extern typ5 gen_no;               // generation number of each generation
extern typ6 locus_counts;         // one locus's counts as its count file gives them back

// The command line's choices: the GenePop file named there, and the generation numbers given
// with --generations. Only the first 50 numbers are kept; a list of more is refused all the
// same, since no file has more generations.
extern bool name_given;
extern std::string given_name;
extern bool gen_no_given;
extern std::int32_t n_given_gen; // how many numbers the list holds
extern typ5 given_gen_no;        // the first 50 of them, from entry 1

extern TextFile infile;    // the GenePop file, reopened for every pass
extern TextFile countfile; // a count file being read back

// Puts every table back to its starting state (zero or empty), as at program start.
void ResetRunState();
