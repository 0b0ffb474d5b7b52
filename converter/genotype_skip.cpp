#include "genotype_skip.h"

#include <array>
#include <string_view>

#include "genepop_reader.h"

bool genotype_skip_on = true;

namespace {

// A genotype of the plain layout: one blank, then its characters, none of code 32 or less.
constexpr std::size_t Stride = 1 + GenotypeLength;

// Genotypes are checked sixteen at a time, byte against byte with a pattern of the layout, in a
// loop without early exits that the compiler turns into wide compares.
constexpr int BlockGenotypes = 16;
constexpr std::size_t BlockBytes = BlockGenotypes * Stride;

// For each byte of a block, the lowest value it may have and how far above it it may lie: a
// blank exactly, or any character of code 33 or more.
struct Bounds {
    std::array<unsigned char, BlockBytes> low;
    std::array<unsigned char, BlockBytes> span;
};

constexpr Bounds MakeBounds() {
    Bounds bounds{};
    for (std::size_t i = 0; i < BlockBytes; ++i) {
        const bool blank = i % Stride == 0;
        bounds.low[i] = blank ? ' ' : ' ' + 1;
        bounds.span[i] = blank ? 0 : 255 - (' ' + 1);
    }
    return bounds;
}

constexpr Bounds PlainBounds = MakeBounds();

// True when the `Count` bytes from `at` are plain genotypes, the first starting at `at`.
template <std::size_t Count> bool ArePlain(const char* at) {
    unsigned char outside = 0;
    for (std::size_t i = 0; i < Count; ++i) {
        const auto above =
            static_cast<unsigned char>(static_cast<unsigned char>(at[i]) - PlainBounds.low[i]);
        outside |= static_cast<unsigned char>(above > PlainBounds.span[i]);
    }
    return outside == 0;
}

} // namespace

int SkipPlainGenotypes(TextFile& text, int count) {
    if (!genotype_skip_on) {
        return 0;
    }
    const std::string_view ahead = Buffered(text);
    std::size_t at = 0;
    int skipped = 0;
    // A block may reach past the genotypes wanted: those are only looked at, not skipped.
    while (skipped < count && ahead.size() - at >= BlockBytes &&
           ArePlain<BlockBytes>(ahead.data() + at)) {
        const int taken = count - skipped < BlockGenotypes ? count - skipped : BlockGenotypes;
        at += static_cast<std::size_t>(taken) * Stride;
        skipped += taken;
    }
    while (skipped < count && ahead.size() - at >= Stride && ArePlain<Stride>(ahead.data() + at)) {
        at += Stride;
        ++skipped;
    }
    Skip(text, at);
    return skipped;
}
