#include "run_state.h"

std::string in_name;
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

TextFile infile;
TextFile countfile;

void ResetRunState() {
    in_name.clear();
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
}
