// The scans of text_scan.h, 32 bytes at a time, for processors with AVX2: built where the
// compiler can build code for a later processor than the one it targets, and used where
// WideScansUsable says this processor has it. They may load up to 31 bytes past the end of
// their range.
#pragma once

#include "text_scan.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define NE_WIDE_SCANS 1
#include <immintrin.h>

inline bool WideScansUsable() {
    static const bool usable = __builtin_cpu_supports("avx2") != 0;
    return usable;
}

namespace text_scan {

[[gnu::target("avx2")]] inline __m256i LoadWide(const char* at) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(at));
}

[[gnu::target("avx2")]] inline unsigned LineEndsInWide(const char* at) {
    const __m256i bytes = LoadWide(at);
    return static_cast<unsigned>(
        _mm256_movemask_epi8(_mm256_or_si256(_mm256_cmpeq_epi8(bytes, _mm256_set1_epi8('\n')),
                                             _mm256_cmpeq_epi8(bytes, _mm256_set1_epi8('\r')))));
}

[[gnu::target("avx2")]] inline __m256i LowInWide(const char* at) {
    const __m256i bytes = LoadWide(at);
    return _mm256_cmpeq_epi8(_mm256_min_epu8(bytes, _mm256_set1_epi8('\r')), bytes);
}

// The plain cycle for chunks of 32 bytes: chunk j meets it at phase 2j mod 5 (32 = 6 * 5 + 2).
struct WidePlainPhase {
    std::array<unsigned char, 32> offset;
    std::array<unsigned char, 32> bound;
};

constexpr std::array<WidePlainPhase, 5> MakeWidePlainPhases() {
    std::array<WidePlainPhase, 5> phases{};
    for (int phase = 0; phase < 5; ++phase) {
        for (int lane = 0; lane < 32; ++lane) {
            const bool blank = (phase + lane) % 5 == 0;
            phases[phase].offset[lane] = blank ? 0x5F : 0x80;
            phases[phase].bound[lane] = blank ? 0x7E : 0xA0;
        }
    }
    return phases;
}

inline constexpr std::array<WidePlainPhase, 5> WidePlainPhases = MakeWidePlainPhases();

[[gnu::target("avx2")]] inline __m256i PlainInWide(const char* at, int phase) {
    const auto& p = WidePlainPhases[static_cast<std::size_t>(phase)];
    const __m256i offset = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p.offset.data()));
    const __m256i bound = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p.bound.data()));
    return _mm256_cmpgt_epi8(_mm256_add_epi8(LoadWide(at), offset), bound);
}

// True when the bytes of chunk `chunk` from `from` that lie among the first `left` are plain.
[[gnu::target("avx2")]] inline bool PlainChunkInWide(const char* from, unsigned left,
                                                     unsigned chunk, int phase) {
    const unsigned bits = left - 32 * chunk;
    const unsigned wanted = bits >= 32 ? ~0U : (1U << bits) - 1;
    const auto mask =
        static_cast<unsigned>(_mm256_movemask_epi8(PlainInWide(from + 32 * chunk, phase)));
    return (mask & wanted) == wanted;
}

} // namespace text_scan

// FindLineEnd, 32 bytes at a time.
[[gnu::target("avx2")]] inline const char* FindLineEndWide(const char* from, const char* to) {
    using namespace text_scan;
    if (to - from >= 32) {
        if (const unsigned mask = LineEndsInWide(from); mask != 0) {
            return from + std::countr_zero(mask);
        }
        from += 32;
    }
    while (to - from >= 128) {
        const __m256i low =
            _mm256_or_si256(_mm256_or_si256(LowInWide(from), LowInWide(from + 32)),
                            _mm256_or_si256(LowInWide(from + 64), LowInWide(from + 96)));
        if (_mm256_movemask_epi8(low) != 0) {
            for (int i = 0; i < 128; i += 32) {
                if (const unsigned mask = LineEndsInWide(from + i); mask != 0) {
                    return from + i + std::countr_zero(mask);
                }
            }
        }
        from += 128;
    }
    for (; from < to; from += 32) {
        if (const unsigned mask = LineEndsInWide(from); mask != 0) {
            const char* found = from + std::countr_zero(mask);
            return found < to ? found : to;
        }
    }
    return to;
}

// IsPlainRun, 32 bytes at a time.
[[gnu::target("avx2")]] inline bool IsPlainRunWide(const char* from, int count) {
    using namespace text_scan;
    const char* const to = from + 5 * static_cast<std::size_t>(count);
    // Whole cycles of 160 bytes, five chunks at phases 0, 2, 4, 1, 3; then the chunks left.
    while (to - from >= 160) {
        const __m256i ok = _mm256_and_si256(
            _mm256_and_si256(
                _mm256_and_si256(PlainInWide(from, 0), PlainInWide(from + 32, 2)),
                _mm256_and_si256(PlainInWide(from + 64, 4), PlainInWide(from + 96, 1))),
            PlainInWide(from + 128, 3));
        if (_mm256_movemask_epi8(ok) != -1) {
            return false;
        }
        from += 160;
    }
    // Fewer than 160 bytes are left, in at most five chunks, whose phases are known.
    const auto left = static_cast<unsigned>(to - from);
    return (left == 0 || PlainChunkInWide(from, left, 0, 0)) &&
           (left <= 32 || PlainChunkInWide(from, left, 1, 2)) &&
           (left <= 64 || PlainChunkInWide(from, left, 2, 4)) &&
           (left <= 96 || PlainChunkInWide(from, left, 3, 1)) &&
           (left <= 128 || PlainChunkInWide(from, left, 4, 3));
}

#endif
