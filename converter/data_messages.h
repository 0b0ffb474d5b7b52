// The messages that refuse a GenePop file the converter cannot convert faithfully. Each is
// printed on standard output, followed by one line on standard error that names the file, the
// line at fault where one line is, and what to change, and ends the run with exit status 1: a
// failed conversion never reports success. An earlier "pelkin.out" is untouched. A line is
// given by where in the file one of its characters stands.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The old reading of a locus counted `counted` samples against `first` at locus 1;
// `short_line` is the first individual line that ended before the locus's genotype, where that
// reading found one.
[[noreturn]] void GenerationsDiffer(int locus, std::int64_t counted, std::int64_t first,
                                    const std::optional<std::uint64_t>& short_line);
// The same for `counted` individuals against `first`.
[[noreturn]] void IndividualsDiffer(int locus, std::int64_t counted, std::int64_t first,
                                    const std::optional<std::uint64_t>& short_line);
// Every locus counted alike, but the individual line at `line_at` ended before the genotype of
// `locus`.
[[noreturn]] void ShortLine(int locus, std::uint64_t line_at);
// In a three-digit file, the genotype of `locus` on the individual line at `line_at`, read as
// the characters `genotype`, holds a code padded with blanks.
[[noreturn]] void PaddedCode(int locus, std::uint64_t line_at, const std::string& genotype);
[[noreturn]] void NoMarkerAfterNames();
// `line_at`: the locus-name line that would give a locus beyond the 32-bit count.
[[noreturn]] void TooManyLoci(std::uint64_t line_at);
// `line_at`: the marker line that would start a sample beyond the 32-bit count.
[[noreturn]] void TooManyGenerations(std::uint64_t line_at);
// `line_at`: the individual line of the code.
[[noreturn]] void NegativeCode(int locus, std::uint64_t line_at);
// More copies at the locus in all than a 32-bit count holds.
[[noreturn]] void TooManyCopiesAtLocus(int locus);
// More alleles at the locus than codes.
[[noreturn]] void TooManyAlleles(int locus, int alleles);
// The GenePop file is the file `written` that the run writes.
[[noreturn]] void InputWouldBeOverwritten(const std::string& written);
// The numbers of --generations are not one per generation.
[[noreturn]] void GenerationListDiffers();
