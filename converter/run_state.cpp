#include "run_state.h"

#include "allele_tallies.h"

void LocusNames::Add(std::string_view name) {
    text_.append(name);
    ends_.push_back(text_.size());
}

std::string_view LocusNames::operator[](std::int32_t locus) const {
    const auto at = static_cast<std::size_t>(locus - 1);
    const std::size_t start = at == 0 ? 0 : ends_[at - 1];
    return std::string_view(text_).substr(start, ends_[at] - start);
}

void LocusNames::Clear() {
    text_.clear();
    ends_.clear();
}

void LocusNames::Settle() {
    text_.shrink_to_fit();
    ends_.shrink_to_fit();
}

std::string in_name;
int code_digits = 2;
std::string title;
std::int32_t n_loc = 0;
LocusNames loc_name;
std::int32_t n_gen = 0;
std::vector<std::int32_t> gen_no;

bool name_given = false;
std::string given_name;
bool gen_no_given = false;
std::vector<std::int32_t> given_gen_no;

TextFile infile;
OutText freqfile;

void ResetRunState() {
    in_name.clear();
    code_digits = 2;
    title.clear();
    n_loc = 0;
    loc_name.Clear();
    n_gen = 0;
    gen_no.assign(1, 0);
    name_given = false;
    given_name.clear();
    gen_no_given = false;
    given_gen_no.clear();
    ResetTallies();
}
