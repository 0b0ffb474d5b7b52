#include "data_messages.h"

#include <vector>

#include "console.h"
#include "messages.h"
#include "run_end.h"
#include "run_state.h"
#include "text_file.h"

namespace {

constexpr int Refused = 1;

// Ends the run with the refusal `shown` on standard output, after `before`, and `hint` on
// standard error.
[[noreturn]] void Refuse(Msg shown, std::initializer_list<MsgField> shown_fields,
                         const std::string& hint, const std::string& before = "") {
    EndRun(before + Filled(shown, shown_fields) + "\n", hint + "\n", Refused);
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

// A hint for the line at `line_at`: the fields of the line (file, line number, first
// characters) and `rest`.
std::string AtLine(Msg hint, std::uint64_t line_at, std::initializer_list<MsgField> rest) {
    const LinePlace place = PlaceOf(in_name, line_at);
    const std::string number = Number(static_cast<std::int64_t>(place.number));
    std::vector<MsgField> fields{{"file", in_name}, {"line", number}, {"start", place.start}};
    fields.insert(fields.end(), rest.begin(), rest.end());
    return Filled(hint, fields);
}

} // namespace

void GenerationsDiffer(int locus, std::int64_t counted, std::int64_t first,
                       const std::optional<std::uint64_t>& short_line) {
    const std::string hint =
        short_line ? AtLine(Msg::GenerationsDifferAtLine, *short_line,
                            {{"locus", Number(locus)},
                             {"name", Name(locus)},
                             {"counted", Number(counted)},
                             {"first", Number(first)}})
                   : Filled(Msg::GenerationsDifferNoLine, {{"file", in_name},
                                                           {"counted", Number(counted)},
                                                           {"locus", Number(locus)},
                                                           {"name", Name(locus)},
                                                           {"first", Number(first)}});
    Refuse(Msg::GenerationsDiffer, hint, ScreenClearing() + SixteenEmptyLines);
}

void IndividualsDiffer(int locus, std::int64_t counted, std::int64_t first,
                       const std::optional<std::uint64_t>& short_line) {
    const std::string hint =
        short_line ? AtLine(Msg::IndividualsDifferAtLine, *short_line,
                            {{"locus", Number(locus)},
                             {"name", Name(locus)},
                             {"counted", Number(counted)},
                             {"first", Number(first)}})
                   : Filled(Msg::IndividualsDifferNoLine, {{"file", in_name},
                                                           {"counted", Number(counted)},
                                                           {"locus", Number(locus)},
                                                           {"name", Name(locus)},
                                                           {"first", Number(first)}});
    Refuse(Msg::IndividualsDiffer, hint, SixteenEmptyLines);
}

void ShortLine(int locus, std::uint64_t line_at) {
    const std::string hint = AtLine(
        Msg::ShortLine, line_at,
        {{"locus", Number(locus)}, {"name", Name(locus)}, {"length", Number(2 * code_digits)}});
    Refuse(Msg::IndividualsDiffer, hint, SixteenEmptyLines);
}

void PaddedCode(int locus, std::uint64_t line_at, const std::string& genotype) {
    const std::string hint = AtLine(Msg::PaddedCode, line_at,
                                    {{"locus", Number(locus)},
                                     {"name", Name(locus)},
                                     {"genotype", genotype}});
    Refuse(Msg::IndividualsDiffer, hint, SixteenEmptyLines);
}

void NoMarkerAfterNames() {
    Refuse(Msg::NoMarkerAfterNames, Filled(Msg::NoMarkerAfterNamesHint, {{"file", in_name}}));
}

void TooManyLoci(std::uint64_t line_at) {
    Refuse(Msg::TooManyLoci, AtLine(Msg::TooManyLociAtLine, line_at, {}));
}

void TooManyGenerations(std::uint64_t line_at) {
    Refuse(Msg::TooManyGenerations, AtLine(Msg::TooManyGenerationsAtLine, line_at, {}));
}

void NegativeCode(int locus, std::uint64_t line_at) {
    Refuse(Msg::NegativeCode, {{"locus", Number(locus)}},
           AtLine(Msg::NegativeCodeAtLine, line_at,
                  {{"locus", Number(locus)}, {"name", Name(locus)}}));
}

void TooManyCopiesAtLocus(int locus) {
    Refuse(Msg::TooManyCopies, {{"locus", Number(locus)}},
           Filled(Msg::TooManyCopiesAtLocus,
                  {{"file", in_name}, {"locus", Number(locus)}, {"name", Name(locus)}}));
}

void TooManyAlleles(int locus, int alleles) {
    Refuse(Msg::TooManyAlleles, {{"locus", Number(locus)}},
           Filled(Msg::TooManyAllelesHint, {{"file", in_name},
                                            {"alleles", Number(alleles)},
                                            {"locus", Number(locus)},
                                            {"name", Name(locus)}}));
}

void InputWouldBeOverwritten(const std::string& written) {
    Refuse(Msg::InputWouldBeOverwritten,
           Filled(Msg::InputWouldBeOverwrittenHint, {{"file", in_name}, {"written", written}}));
}

void GenerationListDiffers() {
    const std::string generations = Number(n_gen);
    const std::string numbers = Number(static_cast<std::int64_t>(given_gen_no.size()));
    Refuse(Msg::GenerationListDiffers, {{"generations", generations}, {"numbers", numbers}},
           Filled(Msg::GenerationListDiffersHint,
                  {{"file", in_name}, {"generations", generations}, {"numbers", numbers}}));
}
