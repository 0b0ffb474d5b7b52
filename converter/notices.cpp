#include "notices.h"

#include <array>
#include <cstdio>
#include <string>

#include "allele_tallies.h"
#include "individual_lines.h"
#include "messages.h"
#include "run_state.h"
#include "text_file.h"

namespace {

// The summary lists this many generation numbers and sample sizes, then "...".
constexpr std::size_t ListedInSummary = 10;

// Written whole, whatever the line holds.
void Notice(const std::string& line) {
    const std::string ended = line + "\n";
    std::fwrite(ended.data(), 1, ended.size(), stderr);
}

// The first ten of `values` from entry `first` on, separated by commas, and "..." after them
// when there are more.
template <class Values> std::string ListOf(const Values& values, std::size_t first) {
    std::string list;
    for (std::size_t i = first; i < values.size(); ++i) {
        if (i > first) {
            list += ", ";
        }
        if (i - first == ListedInSummary) {
            list += "...";
            break;
        }
        list += std::to_string(values[i]);
    }
    return list;
}

std::string MissingShare() {
    const auto genotypes = static_cast<double>(SizesRead().individuals_in_all) * n_loc;
    const double share =
        genotypes > 0 ? 100.0 * static_cast<double>(SizesRead().missing_genotypes) / genotypes
                      : 0.0;
    std::array<char, 32> text{};
    std::snprintf(text.data(), text.size(), "%.1f", share);
    return text.data();
}

} // namespace

void ReadAsThreeDigit(std::uint64_t line_at) {
    const LinePlace place = PlaceOf(in_name, line_at);
    Notice(
        Filled(Msg::ReadAsThreeDigit, {{"file", in_name}, {"line", std::to_string(place.number)}}));
}

void NamesCut(std::int64_t count, std::int32_t first) {
    Notice(Filled(Msg::NamesCut, {{"count", std::to_string(count)},
                                  {"locus", std::to_string(first)},
                                  {"name", loc_name[first]}}));
}

void EmptySample(std::uint64_t marker_at) {
    const LinePlace place = PlaceOf(in_name, marker_at);
    Notice(Filled(Msg::EmptySample, {{"file", in_name}, {"line", std::to_string(place.number)}}));
}

void UntypedGeneration(std::int32_t locus, std::int32_t generation_number) {
    Notice(Filled(Msg::UntypedGeneration, {{"locus", std::to_string(locus)},
                                           {"name", loc_name[locus]},
                                           {"generation", std::to_string(generation_number)}}));
}

void UntypedLocus(std::int32_t locus) {
    Notice(
        Filled(Msg::UntypedLocus,
               {{"locus", std::to_string(locus)}, {"name", loc_name[locus]}, {"file", in_name}}));
}

void ReportConversion() {
    std::int32_t single = 0;
    for (std::int32_t l = 1; l <= n_loc; ++l) {
        single += AlleleCount(l) == 1 ? 1 : 0;
    }
    Notice(Filled(Msg::Summary, {{"samples", std::to_string(n_gen)},
                                 {"generations", ListOf(gen_no, 1)},
                                 {"individuals", ListOf(SizesRead().individuals, 0)},
                                 {"loci", std::to_string(n_loc)},
                                 {"single", std::to_string(single)},
                                 {"missing", MissingShare()}}));
}
