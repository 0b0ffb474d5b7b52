#include "genotype_skip.h"

#include <bit>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr int Block = 64;

struct BlockMasks {
    std::uint64_t blank = 0; // blanks and tabs
    std::uint64_t stop = 0;  // line ends, and bytes past the buffered text
};

// One bit per byte of the block that starts at `from`, for the bytes that separate genotypes
// and for those no genotype may reach.
inline BlockMasks MasksOf(const char* from, std::size_t ready) {
    BlockMasks masks;
#if defined(__SSE2__)
    // Most blocks hold no byte of code 32 or less but blanks: then the blanks are the only
    // separators and nothing stops a genotype. Other blocks are classified byte by kind.
    std::uint64_t spaces = 0;
    __m128i others = _mm_setzero_si128();
    for (int i = 0; i < Block / 16; ++i) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16 * i));
        const __m128i space = _mm_cmpeq_epi8(bytes, _mm_set1_epi8(' '));
        const __m128i low = _mm_cmpeq_epi8(_mm_min_epu8(bytes, _mm_set1_epi8(' ')), bytes);
        others = _mm_or_si128(others, _mm_andnot_si128(space, low));
        spaces |= static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(space)))
                  << (16 * i);
    }
    if (_mm_movemask_epi8(others) == 0) {
        masks.blank = spaces;
    } else {
        for (int i = 0; i < Block / 16; ++i) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(from + 16 * i));
            const __m128i blank = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(' ')),
                                               _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\t')));
            const __m128i stop = _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')),
                                              _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')));
            masks.blank |=
                static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(blank)))
                << (16 * i);
            masks.stop |=
                static_cast<std::uint64_t>(static_cast<std::uint16_t>(_mm_movemask_epi8(stop)))
                << (16 * i);
        }
    }
#else
    for (int i = 0; i < Block; ++i) {
        const char c = from[i];
        masks.blank |= static_cast<std::uint64_t>(c == ' ' || c == '\t') << i;
        masks.stop |= static_cast<std::uint64_t>(c == '\n' || c == '\r') << i;
    }
#endif
    if (ready < Block) {
        masks.stop |= ~std::uint64_t{0} << ready;
    }
    return masks;
}

inline int CountBits(std::uint64_t bits) {
    return std::popcount(bits);
}

} // namespace

// Where the processor has a population-count instruction, a copy of this routine uses it.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("popcnt", "default")))
#endif
int SkipPlainGenotypes(TextFile& text, int count) {
    // The buffered text is taken in blocks of 64 bytes that overlap by 4, so that every genotype
    // that starts among a block's first 60 bytes ends within the block. A genotype starts at a
    // genotype character that follows a blank or tab, or at the read position.
    constexpr int Step = Block - 4;
    constexpr std::uint64_t Counted = (std::uint64_t{1} << Step) - 1;
    const char* const from = text.buffer.data() + text.pos;
    const std::size_t ready = text.end - text.pos;
    std::uint64_t char_before = 0; // the byte before the block is a genotype character
    std::uint64_t spilled = 0;     // genotype bytes of the block before that reach into this one
    int skipped = 0;
    std::size_t after_last = 0; // where the last genotype skipped ends
    for (std::size_t offset = 0; offset < ready; offset += Step) {
        const BlockMasks masks = MasksOf(from + offset, ready - offset);
        const std::uint64_t chars = ~masks.blank & ~masks.stop;
        const std::uint64_t all_starts = chars & ~((chars << 1) | char_before);
        // Four genotype characters at every start and none elsewhere is the plain layout; a
        // longer run is four characters and then the start of the next genotype, which the
        // genotype read must take.
        const std::uint64_t shaped =
            all_starts | (all_starts << 1) | (all_starts << 2) | (all_starts << 3) | spilled;
        const std::uint64_t starts = all_starts & Counted;
        const int differs = std::countr_zero(chars ^ shaped);
        const int stops = std::countr_zero(masks.stop);
        const int limit = differs < stops ? differs : stops;
        const std::uint64_t whole =
            limit >= Block ? starts
                           : starts & ((std::uint64_t{1} << (limit < 3 ? 0 : limit - 3)) - 1);
        const int found = CountBits(whole);
        if (skipped + found >= count) {
            std::uint64_t left = whole;
            for (int i = skipped + 1; i < count; ++i) {
                left &= left - 1;
            }
            text.pos += offset + static_cast<std::size_t>(std::countr_zero(left)) + 4;
            return count;
        }
        if (found > 0) {
            skipped += found;
            after_last = offset + static_cast<std::size_t>(63 - std::countl_zero(whole)) + 4;
        }
        if (limit < Block) {
            break;
        }
        char_before = (chars >> (Step - 1)) & 1;
        spilled = ((starts << 1) | (starts << 2) | (starts << 3)) >> Step;
    }
    text.pos += after_last;
    return skipped;
}
