// The notices of a conversion that goes on: one line each on standard error, beginning with
// the program's name, about how the file was read or what the estimator will make of a locus,
// and the summary of a conversion that succeeded.
#pragma once

#include <cstdint>

// The file is read as three-digit; `line_at` is where the line that decided it begins.
void ReadAsThreeDigit(std::uint64_t line_at);

// `count` locus names were cut to 255 characters, the first at locus `first`.
void NamesCut(std::int64_t count, std::int32_t first);

// The marker line at `marker_at` starts no sample: no individual line follows it.
void EmptySample(std::uint64_t marker_at);

// No copy of locus `locus` was typed in the generation numbered `generation_number`.
void UntypedGeneration(std::int32_t locus, std::int32_t generation_number);

// No copy of locus `locus` was typed in any generation.
void UntypedLocus(std::int32_t locus);

// The conversion succeeded: its samples, their generation numbers and individuals, the loci,
// those with one allele, and the share of genotypes with a missing copy.
void ReportConversion();
