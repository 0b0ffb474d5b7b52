#include "random_stream.h"

namespace drift {

namespace {

std::uint64_t SplitMix64(std::uint64_t& x) {
    x += 0x9e3779b97f4a7c15ULL;
    std::uint64_t z = x;
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t RotateLeft(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

} // namespace

RandomStream::RandomStream(std::uint64_t seed) {
    for (auto& word : state_) {
        word = SplitMix64(seed);
    }
}

std::uint64_t RandomStream::Next() {
    const std::uint64_t result = RotateLeft(state_[1] * 5, 7) * 9;
    const std::uint64_t shifted = state_[1] << 17;
    state_[2] ^= state_[0];
    state_[3] ^= state_[1];
    state_[1] ^= state_[2];
    state_[0] ^= state_[3];
    state_[2] ^= shifted;
    state_[3] = RotateLeft(state_[3], 45);
    return result;
}

std::uint64_t RandomStream::Below(std::uint64_t bound) {
    // Draws in the incomplete last block of `bound` values are refused, so that no value of
    // 0..bound-1 is favoured.
    const std::uint64_t refused = (0 - bound) % bound;
    std::uint64_t draw = Next();
    while (draw < refused) {
        draw = Next();
    }
    return draw % bound;
}

double RandomStream::Unit() {
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

} // namespace drift
