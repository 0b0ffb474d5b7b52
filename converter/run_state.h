// The converter's run state: one global instance of every table, shared by the steps of the run
// (introduction, reading, writing). Loci and generations are numbered from 1, as the steps count
// them. The tables grow with the data: any number of loci and samples that a 32-bit count holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text_file.h"
#include "text_out.h"

// Allele codes 00..99 of a two-digit file, 000..999 of a three-digit one; 0 marks a missing
// allele copy, so a locus has at most 999 alleles.
constexpr int NumCodes = 1000;
constexpr int MaxAlleles = NumCodes - 1;
// The most characters of a locus name that "pelkin.out" keeps, as the estimator reads them.
constexpr std::size_t NameLength = 255;
constexpr std::size_t TitleLength = 80;
// The largest count of loci, samples or gene copies.
constexpr std::int32_t MaxCount = INT32_MAX;

// The locus names in file order, one text holding them all so that a million short names cost
// little more than their characters.
class LocusNames {
  public:
    void Add(std::string_view name);
    // The name of locus `locus`, 1..Count().
    std::string_view operator[](std::int32_t locus) const;
    std::int32_t Count() const { return static_cast<std::int32_t>(ends_.size()); }
    void Clear();
    // Gives back the room that growing left unused.
    void Settle();

  private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

extern std::string in_name; // the GenePop file's name, as typed or on the command line
extern int code_digits;     // characters per allele code: 2, or 3 in a three-digit file
extern std::string title;   // first line of the GenePop file, at most 80 characters
extern std::int32_t n_loc;  // number of loci
extern LocusNames loc_name; // locus names, at most 255 characters each
extern std::int32_t n_gen;  // number of samples (generations) that have individuals
extern std::vector<std::int32_t> gen_no; // generation number of each sample, from entry 1

// The command line's choices: the GenePop file named there, and the generation numbers given
// with --generations.
extern bool name_given;
extern std::string given_name;
extern bool gen_no_given;
extern std::vector<std::int32_t> given_gen_no; // the numbers in their order, from entry 0

extern TextFile infile;  // the GenePop file
extern OutText freqfile; // "pelkin.out" being written, under the name of its part file

// Puts every table back to its starting state (zero or empty), as at program start.
void ResetRunState();
