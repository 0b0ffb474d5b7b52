#include "genotype_skip.h"

#include <array>
#include <string_view>

#include "genepop_reader.h"
#include "run_state.h"

bool genotype_skip_on = true;

namespace {

// Genotypes are checked sixteen at a time, byte against byte with a pattern of the layout, in a
// loop without early exits that the compiler turns into wide compares.
constexpr int BlockGenotypes = 16;

// For each byte of a block of genotypes `Stride` apart, the lowest value it may have and how far
// above it it may lie: a blank exactly, or any character of code 33 or more.
template <std::size_t Stride> struct Bounds {
    static constexpr std::size_t Bytes = BlockGenotypes * Stride;
    std::array<unsigned char, Bytes> low;
    std::array<unsigned char, Bytes> span;
};

template <std::size_t Stride> constexpr Bounds<Stride> MakeBounds() {
    Bounds<Stride> bounds{};
    for (std::size_t i = 0; i < Bounds<Stride>::Bytes; ++i) {
        const bool blank = i % Stride == 0;
        bounds.low[i] = blank ? ' ' : ' ' + 1;
        bounds.span[i] = blank ? 0 : 255 - (' ' + 1);
    }
    return bounds;
}

template <std::size_t Stride> constexpr Bounds<Stride> PlainBounds = MakeBounds<Stride>();

// True when the `Count` bytes from `at` are plain genotypes `Stride` apart, the first starting
// at `at`.
template <std::size_t Stride, std::size_t Count> bool ArePlain(const char* at) {
    unsigned char outside = 0;
    for (std::size_t i = 0; i < Count; ++i) {
        const auto above = static_cast<unsigned char>(static_cast<unsigned char>(at[i]) -
                                                      PlainBounds<Stride>.low[i]);
        outside |= static_cast<unsigned char>(above > PlainBounds<Stride>.span[i]);
    }
    return outside == 0;
}

// A genotype of the plain layout is one blank, then its `Stride - 1` characters, none of code
// 32 or less.
template <std::size_t Stride> int SkipPlain(TextFile& text, int count) {
    constexpr std::size_t BlockBytes = Bounds<Stride>::Bytes;
    const std::string_view ahead = Buffered(text);
    std::size_t at = 0;
    int skipped = 0;
    // A block may reach past the genotypes wanted: those are only looked at, not skipped.
    while (skipped < count && ahead.size() - at >= BlockBytes &&
           ArePlain<Stride, BlockBytes>(ahead.data() + at)) {
        const int taken = count - skipped < BlockGenotypes ? count - skipped : BlockGenotypes;
        at += static_cast<std::size_t>(taken) * Stride;
        skipped += taken;
    }
    while (skipped < count && ahead.size() - at >= Stride &&
           ArePlain<Stride, Stride>(ahead.data() + at)) {
        at += Stride;
        ++skipped;
    }
    Skip(text, at);
    return skipped;
}

} // namespace

int SkipPlainGenotypes(TextFile& text, int count) {
    if (!genotype_skip_on) {
        return 0;
    }
    // Two codes of two characters, or of three in a three-digit file, after the blank.
    return code_digits == 3 ? SkipPlain<1 + 2 * 3>(text, count) : SkipPlain<1 + 2 * 2>(text, count);
}
