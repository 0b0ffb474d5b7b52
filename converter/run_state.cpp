#include "run_state.h"

std::string in_name;
int code_digits = 2;
std::string title;
std::int16_t n_loc = 0;
typ2 loc_name;
std::int16_t n_gen = 0;
typ4 n_allele{};
typ1 tally{};
typ3 allele_total{};
std::int16_t copies = 0;
std::int16_t copies_first = 0;
typ5 gen_no{};
typ6 locus_counts{};

bool name_given = false;
std::string given_name;
bool gen_no_given = false;
std::int32_t n_given_gen = 0;
typ5 given_gen_no{};

TextFile infile;
TextFile countfile;

void ResetRunState() {
    in_name.clear();
    code_digits = 2;
    title.clear();
    n_loc = 0;
    for (auto& name : loc_name) {
        name.clear();
    }
    n_gen = 0;
    n_allele.fill(0);
    for (auto& row : tally) {
        row.fill(0);
    }
    allele_total.fill(0);
    copies = 0;
    copies_first = 0;
    gen_no.fill(0);
    for (auto& row : locus_counts) {
        row.fill(0);
    }
    name_given = false;
    given_name.clear();
    gen_no_given = false;
    n_given_gen = 0;
    given_gen_no.fill(0);
}
