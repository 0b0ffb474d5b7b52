#include "notices.h"

#include <cstdio>
#include <string>

#include "messages.h"
#include "run_state.h"
#include "text_file.h"

namespace {

void Notice(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
}

} // namespace

void ReadAsThreeDigit(std::uint64_t line_at) {
    const LinePlace place = PlaceOf(in_name, line_at);
    Notice(
        Filled(Msg::ReadAsThreeDigit, {{"file", in_name}, {"line", std::to_string(place.number)}}));
}

void UntypedGeneration(int locus, std::int32_t generation_number) {
    Notice(Filled(Msg::UntypedGeneration, {{"locus", std::to_string(locus)},
                                           {"name", loc_name[locus]},
                                           {"generation", std::to_string(generation_number)}}));
}

void UntypedLocus(int locus) {
    Notice(
        Filled(Msg::UntypedLocus,
               {{"locus", std::to_string(locus)}, {"name", loc_name[locus]}, {"file", in_name}}));
}
