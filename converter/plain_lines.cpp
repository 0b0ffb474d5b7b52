#include "plain_lines.h"

#include <algorithm>

#include "text_scan_wide.h"

namespace {

// No comma among the first 250 characters of a line's head ends the pass.
constexpr std::ptrdiff_t HeadReach = 250;

enum class Take { Line, Other, NeedMore };

struct NarrowScans {
    static bool PlainRun(const char* from, int count) { return IsPlainRun(from, count); }
    static const char* LineEnd(const char* from, const char* to) { return FindLineEnd(from, to); }
};

#if defined(NE_WIDE_SCANS)
struct WideScans {
    [[gnu::target("avx2")]] static bool PlainRun(const char* from, int count) {
        return IsPlainRunWide(from, count);
    }
    [[gnu::target("avx2")]] static const char* LineEnd(const char* from, const char* to) {
        return FindLineEndWide(from, to);
    }
};
#endif

// Reads the plain line at `line`, whose text ends at `end`, into `genotype` and `next` (the
// start of the line after it). NeedMore when the buffered text ends before that is known.
template <class Scans>
Take TakePlainLine(const char* line, const char* end, bool drained, int locus, Genotype& genotype,
                   const char*& next) {
    if (end - line < 3) {
        return Take::NeedMore;
    }
    const char first = line[0];
    if (static_cast<unsigned char>(first) <= ' ' ||
        ((first == 'P' || first == 'p') && IsMarker(std::string_view(line, 3)))) {
        return Take::Other;
    }
    // The line end is sought first, from the earliest place the genotype of `locus` can end:
    // the next line's start then waits only for this search, not for the comma or the check of
    // the genotypes, which are done meanwhile. No line end may lie before the genotype's end.
    const std::ptrdiff_t genotypes_length = 5 * static_cast<std::ptrdiff_t>(locus);
    if (end - line <= genotypes_length) {
        return Take::NeedMore;
    }
    const char* line_end = Scans::LineEnd(line + genotypes_length, end);
    if (line_end == end) {
        return Take::NeedMore;
    }
    const char* head_end = line + std::min(HeadReach, end - line);
    const char* comma = FindComma(line, head_end);
    if (comma == head_end) {
        return head_end - line == HeadReach ? Take::Other : Take::NeedMore;
    }
    const char* genotypes = comma + 1;
    if (line_end < genotypes + genotypes_length || !Scans::PlainRun(genotypes, locus)) {
        return Take::Other;
    }
    const char* own = genotypes + genotypes_length - 4;
    next = line_end + 1;
    if (*line_end == '\r') {
        if (next == end && !drained) {
            return Take::NeedMore; // a line feed may follow, to be taken with it
        }
        if (next != end && *next == '\n') {
            ++next;
        }
    }
    genotype = Genotype{{own[0], own[1]}, {own[2], own[3]}, false};
    return Take::Line;
}

template <class Scans>
std::size_t ReadPlainLinesWith(TextFile& text, int locus, std::span<Genotype> out) {
    std::size_t taken = 0;
    while (taken < out.size()) {
        const char* base = text.buffer.data();
        const char* next = nullptr;
        const Take take = TakePlainLine<Scans>(base + text.pos, base + text.end, text.drained,
                                               locus, out[taken], next);
        if (take == Take::Line) {
            text.pos = static_cast<std::size_t>(next - base);
            ++taken;
            continue;
        }
        if (take == Take::Other) {
            break;
        }
        // The rest of the line is still in the file: move what is left to the buffer's start
        // and read on, unless the buffer already holds all it can. The lines taken are tallied
        // first, so that a refusal of one of them comes before any failure of the read.
        if (taken > 0) {
            break;
        }
        const std::size_t ready = text.end - text.pos;
        FillAhead(text, TextBufferSize);
        if (text.end - text.pos == ready) {
            break;
        }
    }
    return taken;
}

#if defined(NE_WIDE_SCANS)
// The whole loop is built for AVX2, the scans inlined into it.
[[gnu::target("avx2"), gnu::flatten]] std::size_t ReadPlainLinesWide(TextFile& text, int locus,
                                                                     std::span<Genotype> out) {
    return ReadPlainLinesWith<WideScans>(text, locus, out);
}
#endif

} // namespace

std::size_t ReadPlainLines(TextFile& text, int locus, std::span<Genotype> out, bool wide) {
#if defined(NE_WIDE_SCANS)
    if (wide && WideScansUsable()) {
        return ReadPlainLinesWide(text, locus, out);
    }
#endif
    return ReadPlainLinesWith<NarrowScans>(text, locus, out);
}
