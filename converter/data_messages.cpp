#include "data_messages.h"

#include <array>

#include "console.h"
#include "messages.h"
#include "run_end.h"
#include "run_state.h"
#include "text_file.h"

namespace {

constexpr int Refused = 1;

// Ends the run with the refusal `shown` on standard output, after `before`, and `hint` on
// standard error.
[[noreturn]] void Refuse(Msg shown, std::initializer_list<std::string_view> shown_values,
                         const std::string& hint, const std::string& before = "") {
    EndRun(before + Filled(shown, shown_values) + "\n", hint + "\n", Refused);
}

[[noreturn]] void Refuse(Msg shown, const std::string& hint, const std::string& before = "") {
    Refuse(shown, {}, hint, before);
}

// The 16 empty lines that stand before the messages of a file read differently at some locus.
const std::string SixteenEmptyLines(16, '\n');

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

// The messages' fields for a locus: its number and its name.
std::string Name(int locus) {
    return std::string(loc_name[locus]);
}

// A hint for the line at `line_at`: its fields (file, line number, first characters) come
// first, then `rest`.
std::string AtLine(Msg hint, std::uint64_t line_at, std::initializer_list<std::string> rest) {
    const LinePlace place = PlaceOf(in_name, line_at);
    const std::string number = Number(static_cast<std::int64_t>(place.number));
    std::array<std::string_view, 8> values{in_name, number, place.start};
    std::size_t count = 3;
    for (const std::string& value : rest) {
        values.at(count++) = value;
    }
    return Filled(hint, std::span<const std::string_view>(values.data(), count));
}

} // namespace

void GenerationsDiffer(int locus, std::int64_t counted, std::int64_t first,
                       const std::optional<std::uint64_t>& short_line) {
    const std::string hint =
        short_line ? AtLine(Msg::GenerationsDifferAtLine, *short_line,
                            {Number(locus), Name(locus), Number(counted), Number(first)})
                   : Filled(Msg::GenerationsDifferNoLine,
                            {in_name, Number(counted), Number(locus), Name(locus), Number(first)});
    Refuse(Msg::GenerationsDiffer, hint, ScreenClearing() + SixteenEmptyLines);
}

void IndividualsDiffer(int locus, std::int64_t counted, std::int64_t first,
                       const std::optional<std::uint64_t>& short_line) {
    const std::string hint =
        short_line ? AtLine(Msg::IndividualsDifferAtLine, *short_line,
                            {Number(locus), Name(locus), Number(counted), Number(first)})
                   : Filled(Msg::IndividualsDifferNoLine,
                            {in_name, Number(counted), Number(locus), Name(locus), Number(first)});
    Refuse(Msg::IndividualsDiffer, hint, SixteenEmptyLines);
}

void ShortLine(int locus, std::uint64_t line_at) {
    const std::string hint =
        AtLine(Msg::ShortLine, line_at, {Number(locus), Name(locus), Number(2 * code_digits)});
    Refuse(Msg::IndividualsDiffer, hint, SixteenEmptyLines);
}

void NoMarkerAfterNames() {
    Refuse(Msg::NoMarkerAfterNames, Filled(Msg::NoMarkerAfterNamesHint, {in_name}));
}

void TooManyLoci(std::uint64_t line_at) {
    Refuse(Msg::TooManyLoci, AtLine(Msg::TooManyLociAtLine, line_at, {}));
}

void TooManyGenerations(std::uint64_t line_at) {
    Refuse(Msg::TooManyGenerations, AtLine(Msg::TooManyGenerationsAtLine, line_at, {}));
}

void NegativeCode(int locus, std::uint64_t line_at) {
    Refuse(Msg::NegativeCode, {Number(locus)},
           AtLine(Msg::NegativeCodeAtLine, line_at, {Number(locus), Name(locus)}));
}

void TooManyCopiesAtLocus(int locus) {
    Refuse(Msg::TooManyCopies, {Number(locus)},
           Filled(Msg::TooManyCopiesAtLocus, {in_name, Number(locus), Name(locus)}));
}

void TooManyAlleles(int locus, int alleles) {
    Refuse(Msg::TooManyAlleles, {Number(locus)},
           Filled(Msg::TooManyAllelesHint, {in_name, Number(alleles), Number(locus), Name(locus)}));
}

void InputWouldBeOverwritten(const std::string& written) {
    Refuse(Msg::InputWouldBeOverwritten,
           Filled(Msg::InputWouldBeOverwrittenHint, {in_name, written}));
}

void GenerationListDiffers() {
    const std::string generations = Number(n_gen);
    const std::string numbers = Number(static_cast<std::int64_t>(given_gen_no.size()));
    Refuse(Msg::GenerationListDiffers, {generations, numbers},
           Filled(Msg::GenerationListDiffersHint, {in_name, generations, numbers}));
}
