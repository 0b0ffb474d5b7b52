// The notices of a conversion that goes on: one line each on standard error, beginning with
// the program's name, about how the file was read or what the estimator will make of a locus.
#pragma once

#include <cstdint>

// The file is read as three-digit; `line_at` is where the line that decided it begins.
void ReadAsThreeDigit(std::uint64_t line_at);

// No copy of locus `locus` was typed in the generation numbered `generation_number`.
void UntypedGeneration(int locus, std::int32_t generation_number);

// No copy of locus `locus` was typed in any generation.
void UntypedLocus(int locus);
