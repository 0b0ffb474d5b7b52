#include "count_file.h"

#include <array>
#include <charconv>

#include "file_failure.h"
#include "run_state.h"
#include "text_out.h"

std::string CountFileName(int locus) {
    return "locus" + std::to_string(locus);
}

namespace {

// A count of five digits would fill a field of 5 and join the count before it: its field is 6
// wide, so that the writer reads the values back as they were written.
std::string CountField(int count) {
    std::array<char, 16> digits{};
    const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), count);
    const auto length = static_cast<std::size_t>(written.ptr - digits.data());
    const std::size_t width = count >= 10000 ? 6 : 5;
    std::string field(length < width ? width - length : 0, ' ');
    return field.append(digits.data(), length);
}

} // namespace

void WriteCountFile(int locus) {
    // The listed codes, found once: the codes other than 0 that occur at the locus.
    std::array<std::int16_t, NumCodes> listed{};
    std::size_t n_listed = 0;
    for (int code = 1; code < NumCodes; ++code) {
        if (allele_total[code] > 0) {
            listed[n_listed++] = static_cast<std::int16_t>(code);
        }
    }
    OutText out;
    CreateText(out, CountFileName(locus));
    WriteText(out, "  " + std::to_string(n_gen) + "  " + std::to_string(n_allele[locus]) + "\n");
    for (int g = 1; g <= n_gen; ++g) {
        std::string line;
        for (std::size_t i = 0; i < n_listed; ++i) {
            line += CountField(tally[g][listed[i]]);
        }
        line += '\n';
        WriteText(out, line);
    }
    CloseOutText(out);
}

void EraseCountFiles() {
    EnterStep(Step::EraseCountFiles);
    for (int l = 1; l <= n_loc; ++l) {
        EraseFile(CountFileName(l));
    }
}
