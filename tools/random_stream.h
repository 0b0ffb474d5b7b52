// The simulator's own stream of random numbers: xoshiro256** seeded through splitmix64.
// Everything is integer arithmetic written out here, so a seed gives the same populations,
// the same samples and the same file on every machine and with every compiler; the library's
// distributions are avoided because their output differs between implementations.
#pragma once

#include <array>
#include <cstdint>

namespace drift {

class RandomStream {
  public:
    explicit RandomStream(std::uint64_t seed);

    std::uint64_t Next();

    // A whole number in 0..bound-1, each equally likely (bound at least 1).
    std::uint64_t Below(std::uint64_t bound);

    // A real number in [0, 1), a multiple of 2^-53.
    double Unit();

  private:
    std::array<std::uint64_t, 4> state_{};
};

} // namespace drift
