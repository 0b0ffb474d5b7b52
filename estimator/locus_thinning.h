// The loci whose Fs' the figure draws as points: all of them up to a limit, and above it a
// random sample, each locus as likely as any other, drawn from a fixed seed so that the same
// data give the same figure.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A stream of pseudo-random numbers from a seed, the same on every platform (splitmix64).
struct SeededDraws {
    std::uint64_t state = 0;
    std::uint64_t Next();
    double Uniform(); // in [0, 1)
};

// The positions, in ascending order, of at most `most` of the finite values among `values`.
std::vector<std::size_t> ThinnedLoci(const std::vector<double>& values, std::size_t most,
                                     SeededDraws& draws);
