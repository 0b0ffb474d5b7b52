#include "data_tables.h"

std::int32_t n_samples = 0;
std::int32_t n_loci = 0;
std::array<std::int32_t, MaxLoci + 1> K{};
std::array<SampleLocusTable, MaxAlleles> x{};
SampleLocusTable S{};
std::array<std::string, MaxLoci + 1> locusname{};
std::array<std::int32_t, MaxSamples + 1> t{};

std::string infilename;
std::string outfilename;
std::string tablefilename;
std::int32_t sample_plan = 0;
std::int32_t census_size = 0;

void ClearDataTables() {
    n_samples = 0;
    n_loci = 0;
    K.fill(0);
    for (auto& allele : x) {
        for (auto& row : allele) {
            row.fill(0.0);
        }
    }
    for (auto& row : S) {
        row.fill(0.0);
    }
    for (auto& name : locusname) {
        name.clear();
    }
    t.fill(0);
}

void ResetRunValues() {
    ClearDataTables();
    infilename.clear();
    outfilename.clear();
    tablefilename.clear();
    sample_plan = 0;
    census_size = 0;
}
