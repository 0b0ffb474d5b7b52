// The refusal of a GenePop file in which an individual line ends before its last genotype. Such
// a file has always been refused with the message that the converter's old reading of the
// locus met first: that reading took the missing genotype from the next line and dropped the
// rest of that line, so that the locus counted a sample or an individual fewer than locus 1,
// or, when nothing was lost, the short line itself was named. The file is read again here, on
// this refusal only, as that reading read it, so that the message stays the same.
#pragma once

#include <cstdint>

// `locus` is the lowest locus whose genotype some individual line ends before. Does not return.
[[noreturn]] void RefuseShortLine(std::int32_t locus);
