// Scans of the buffered text for the reads' fast paths, 16 bytes at a time where the processor
// allows: the next line end, the next comma, and a run of genotypes in the plain layout. Each
// may load up to 79 bytes past the end of its range; the text buffer keeps ScanSlack readable
// bytes there for that (their values never change a result).
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace text_scan {

#if defined(__SSE2__)
inline __m128i Load(const char* at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
}

inline unsigned MaskOf(__m128i bytes) {
    return static_cast<unsigned>(_mm_movemask_epi8(bytes));
}

inline unsigned LineEndsIn(const char* at) {
    const __m128i bytes = Load(at);
    return MaskOf(_mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')),
                               _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r'))));
}

// Bytes of code 13 or less: every line end among them, and tabs and other control characters.
inline __m128i LowIn(const char* at) {
    const __m128i bytes = Load(at);
    return _mm_cmpeq_epi8(_mm_min_epu8(bytes, _mm_set1_epi8('\r')), bytes);
}
#endif

} // namespace text_scan

// The first carriage return or line feed in [from, to), or `to`.
inline const char* FindLineEnd(const char* from, const char* to) {
#if defined(__SSE2__)
    using namespace text_scan;
    // The end is often near: the first 16 bytes are looked at alone. Lines run to hundreds of
    // bytes: then 64 at a time, looking first only for any byte of code 13 or less (tabs,
    // seldom met, are passed over on the closer look).
    if (to - from >= 16) {
        if (const unsigned mask = LineEndsIn(from); mask != 0) {
            return from + std::countr_zero(mask);
        }
        from += 16;
    }
    while (to - from >= 64) {
        const __m128i low = _mm_or_si128(_mm_or_si128(LowIn(from), LowIn(from + 16)),
                                         _mm_or_si128(LowIn(from + 32), LowIn(from + 48)));
        if (MaskOf(low) != 0) {
            for (int i = 0; i < 64; i += 16) {
                if (const unsigned mask = LineEndsIn(from + i); mask != 0) {
                    return from + i + std::countr_zero(mask);
                }
            }
        }
        from += 64;
    }
    for (; from < to; from += 16) {
        if (const unsigned mask = LineEndsIn(from); mask != 0) {
            const char* found = from + std::countr_zero(mask);
            return found < to ? found : to;
        }
    }
    return to;
#else
    const auto* feed = static_cast<const char*>(std::memchr(from, '\n', to - from));
    const char* limit = feed != nullptr ? feed : to;
    const auto* ret = static_cast<const char*>(std::memchr(from, '\r', limit - from));
    return ret != nullptr ? ret : limit;
#endif
}

// The first comma in [from, to), or `to`; meant for the short head of an individual line.
inline const char* FindComma(const char* from, const char* to) {
#if defined(__SSE2__)
    using namespace text_scan;
    for (; from < to; from += 16) {
        const unsigned mask = MaskOf(_mm_cmpeq_epi8(Load(from), _mm_set1_epi8(',')));
        if (mask != 0) {
            const char* found = from + std::countr_zero(mask);
            return found < to ? found : to;
        }
    }
    return to;
#else
    const auto* comma = static_cast<const char*>(std::memchr(from, ',', to - from));
    return comma != nullptr ? comma : to;
#endif
}

namespace text_scan {

// The plain layout repeats every 5 bytes: a blank, then four characters of code 33 or more.
// Chunk j of 16 bytes from the run's start meets that cycle at phase j mod 5 (16 = 3 * 5 + 1).
// A byte passes when, added to the lane's offset, it compares greater (signed) than the lane's
// bound: a blank lane maps only 32 to 127, above 126; a character lane maps 33..255 to
// -95..127, above -96, and 0..32 below it.
struct PlainPhase {
    std::array<unsigned char, 16> offset;
    std::array<unsigned char, 16> bound;
};

constexpr std::array<PlainPhase, 5> MakePlainPhases() {
    std::array<PlainPhase, 5> phases{};
    for (int phase = 0; phase < 5; ++phase) {
        for (int lane = 0; lane < 16; ++lane) {
            const bool blank = (phase + lane) % 5 == 0;
            phases[phase].offset[lane] = blank ? 0x5F : 0x80;
            phases[phase].bound[lane] = blank ? 0x7E : 0xA0;
        }
    }
    return phases;
}

inline constexpr std::array<PlainPhase, 5> PlainPhases = MakePlainPhases();

#if defined(__SSE2__)
inline __m128i PlainIn(const char* at, int phase) {
    const auto& p = PlainPhases[static_cast<std::size_t>(phase)];
    const __m128i offset = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p.offset.data()));
    const __m128i bound = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p.bound.data()));
    return _mm_cmpgt_epi8(_mm_add_epi8(Load(at), offset), bound);
}
#endif

} // namespace text_scan

// True when the `count` genotypes from `from` on are each one blank (code 32) and four
// characters of code 33 or more: then the genotype read takes exactly those bytes, five a
// genotype, and no line end is among them.
inline bool IsPlainRun(const char* from, int count) {
    const char* const to = from + 5 * static_cast<std::size_t>(count);
#if defined(__SSE2__)
    using namespace text_scan;
    // Whole cycles of 80 bytes, five chunks at phases 0..4, then the chunks left, from phase 0.
    while (to - from >= 80) {
        const __m128i ok = _mm_and_si128(
            _mm_and_si128(_mm_and_si128(PlainIn(from, 0), PlainIn(from + 16, 1)),
                          _mm_and_si128(PlainIn(from + 32, 2), PlainIn(from + 48, 3))),
            PlainIn(from + 64, 4));
        if (MaskOf(ok) != 0xFFFF) {
            return false;
        }
        from += 80;
    }
    // Fewer than 80 bytes are left: all five chunks are looked at, and the bits of the bytes
    // in the run must be set.
    const auto left = static_cast<unsigned>(to - from);
    const std::uint64_t low = std::uint64_t{MaskOf(PlainIn(from, 0))} |
                              std::uint64_t{MaskOf(PlainIn(from + 16, 1))} << 16 |
                              std::uint64_t{MaskOf(PlainIn(from + 32, 2))} << 32 |
                              std::uint64_t{MaskOf(PlainIn(from + 48, 3))} << 48;
    if (left <= 64) {
        const std::uint64_t wanted =
            left == 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << left) - 1;
        return (low & wanted) == wanted;
    }
    const unsigned wanted = (1U << (left - 64)) - 1;
    return low == ~std::uint64_t{0} && (MaskOf(PlainIn(from + 64, 4)) & wanted) == wanted;
#else
    for (std::size_t i = 0; from + i < to; ++i) {
        const auto c = static_cast<unsigned char>(from[i]);
        if (i % 5 == 0 ? c != ' ' : c <= ' ') {
            return false;
        }
    }
    return true;
#endif
}
