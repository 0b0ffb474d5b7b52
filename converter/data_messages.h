// The messages that refuse a GenePop file the converter cannot convert faithfully. Each is
// printed on standard output, followed by one line on standard error that names the file, the
// line at fault where one line is, and what to change, and ends the run with exit status 1: a
// failed conversion never reports success. Count files of earlier loci stay; an earlier
// "pelkin.out" is untouched. A line is given by where in the file one of its characters stands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// A locus saw `counted` generations against n_gen at locus 1; `short_line` is the first
// individual line that ended before the locus's genotype, where the pass found one.
[[noreturn]] void GenerationsDiffer(int locus, int counted,
                                    const std::optional<std::uint64_t>& short_line);
// A locus saw `copies` copies against copies_first at locus 1.
[[noreturn]] void IndividualsDiffer(int locus, const std::optional<std::uint64_t>& short_line);
// Every locus counted alike, but the individual line at `line_at` ended before the genotype of
// `locus`.
[[noreturn]] void ShortLine(int locus, std::uint64_t line_at);
[[noreturn]] void NoMarkerAfterNames();
// `line_at`: the locus-name line that would give the 101st locus.
[[noreturn]] void TooManyLoci(std::uint64_t line_at);
// `line_at`: the marker line that would start generation 51.
[[noreturn]] void TooManyGenerations(std::uint64_t line_at);
// `line_at`: the individual line of the code.
[[noreturn]] void NegativeCode(int locus, std::uint64_t line_at);
// More than 32767 copies of one code in one generation, reached on the line at `line_at`.
[[noreturn]] void TooManyCopiesOfAnAllele(int locus, std::uint64_t line_at);
// More than 32767 copies at the locus in all.
[[noreturn]] void TooManyCopiesAtLocus(int locus);
// More alleles at the locus than the estimator reads.
[[noreturn]] void TooManyAlleles(int locus, int alleles);
// The GenePop file is the file `written` that the run writes.
[[noreturn]] void InputWouldBeOverwritten(const std::string& written);
// The numbers of --generations are not one per generation.
[[noreturn]] void GenerationListDiffers();
