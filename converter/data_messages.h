// The messages that refuse a GenePop file the converter cannot convert faithfully. Each is
// printed on standard output and ends the run with exit status 1: a failed conversion never
// reports success. Count files of earlier loci stay; an earlier "pelkin.out" is untouched.
#pragma once

// A locus saw a different number of generations than locus 1.
[[noreturn]] void GenerationsDiffer();
// A locus saw a different number of individuals than locus 1, or an individual line ran out of
// genotypes before the locus.
[[noreturn]] void IndividualsDiffer();
[[noreturn]] void NoMarkerAfterNames();
[[noreturn]] void TooManyLoci();
[[noreturn]] void TooManyGenerations();
[[noreturn]] void NegativeCode(int locus);
[[noreturn]] void TooManyCopies(int locus);
[[noreturn]] void InputWouldBeOverwritten();
