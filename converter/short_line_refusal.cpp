#include "short_line_refusal.h"

#include <array>
#include <memory>
#include <optional>

#include "data_messages.h"
#include "genepop_reader.h"
#include "number_text.h"
#include "run_state.h"
#include "text_file.h"

namespace {

// What the old reading of one locus counted.
struct LocusReading {
    std::int64_t samples = 1; // the marker that ends the locus names starts the first
    std::int64_t copies = 0;  // two for every individual line taken, missing copies included
    std::optional<std::uint64_t> short_line; // the first line that ended before the genotype
};

bool IsBlank(int c) {
    return c == ' ' || c == '\t';
}

// Reads one genotype as the old reading did: blanks and tabs skipped, then its characters taken
// whatever they are, a line end or the next line's characters too. Sets `ran_out` when the line
// ended among them; on an individual line (`on_line`), the end of the file counts as its end.
int ReadCodeCrossing(TextFile& text, bool on_line, bool& ran_out, int& second) {
    std::array<char, 6> chars{};
    int c = NextChar(text);
    while (IsBlank(c)) {
        c = NextChar(text);
    }
    const auto length = static_cast<std::size_t>(2 * code_digits);
    for (std::size_t k = 0; k < length; ++k) {
        if (k > 0) {
            c = NextChar(text);
        }
        ran_out = ran_out || c == '\n' || c == '\r' || (on_line && c == EndOfText);
        chars[k] = c == EndOfText ? EndOfFileChar : static_cast<char>(c);
    }
    if (code_digits == 3) {
        second = ConvertThreeDigitCode({chars[3], chars[4], chars[5]});
        return ConvertThreeDigitCode({chars[0], chars[1], chars[2]});
    }
    second = ConvertCode(chars[2], chars[3]);
    return ConvertCode(chars[0], chars[1]);
}

// The old reading of `locus`: the genotypes of loci 1..locus on every individual line, the last
// one kept, then the rest of the line dropped. A negative code of the locus is refused at once.
LocusReading ReadLocus(std::int32_t locus) {
    auto text = std::make_unique<TextFile>();
    OpenText(*text, in_name);
    PassHeader(*text);
    LocusReading reading;
    while (!AtEnd(*text)) {
        const Head head = ScanHead(*text);
        if (head == Head::TooLong) {
            break;
        }
        bool on_line = true;
        if (head == Head::Marker) {
            ++reading.samples;
            DropLine(*text);
            on_line = SearchComma(*text);
        }
        const std::uint64_t individual_at = Offset(*text) - 1;
        bool ran_out = false;
        int first = 0;
        int second = 0;
        for (std::int32_t l = 1; l <= locus; ++l) {
            first = ReadCodeCrossing(*text, on_line, ran_out, second);
        }
        if (ran_out && !reading.short_line) {
            reading.short_line = individual_at;
        }
        DropLine(*text);
        if (first < 0 || second < 0) {
            NegativeCode(locus, individual_at);
        }
        reading.copies += 2;
    }
    CloseText(*text);
    return reading;
}

} // namespace

void RefuseShortLine(std::int32_t locus) {
    const LocusReading first = ReadLocus(1);
    if (locus == 1) {
        ShortLine(1, *first.short_line);
    }
    const LocusReading reading = ReadLocus(locus);
    if (reading.samples != first.samples) {
        GenerationsDiffer(locus, reading.samples, first.samples, reading.short_line);
    }
    if (reading.copies != first.copies) {
        IndividualsDiffer(locus, reading.copies / 2, first.copies / 2, reading.short_line);
    }
    ShortLine(locus, *reading.short_line);
}
