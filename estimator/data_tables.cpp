#include "data_tables.h"

std::int32_t n_samples = 0;
std::int32_t n_loci = 0;
std::vector<std::int32_t> K{0};
FrequencyTable x;
SizeTable S;
std::vector<std::string> locusname{""};
std::vector<std::int32_t> t{0};

std::string infilename;
std::string outfilename;
std::string tablefilename;
std::string plotfilename;
std::int32_t sample_plan = 0;
std::int32_t census_size = 0;

const double* FrequencyTable::Row(int j, int L) const {
    const std::int32_t listed = K[static_cast<std::size_t>(L)];
    const std::size_t alleles = listed > 0 ? static_cast<std::size_t>(listed) : 0;
    return values_.data() + start_[static_cast<std::size_t>(L - 1)] +
           static_cast<std::size_t>(j - 1) * alleles;
}

void FrequencyTable::Reserve(std::size_t frequencies, std::size_t loci) {
    values_.reserve(frequencies);
    start_.reserve(loci + 1);
}

// The memory is given back too: the next data set may be much smaller.
void FrequencyTable::Clear() {
    std::vector<double>().swap(values_);
    std::vector<std::size_t>().swap(start_);
}

void SizeTable::Clear() {
    std::vector<double>().swap(values_);
    n_samples_ = 0;
}

void ClearDataTables() {
    n_samples = 0;
    n_loci = 0;
    std::vector<std::int32_t>{0}.swap(K);
    x.Clear();
    S.Clear();
    std::vector<std::string>{""}.swap(locusname);
    std::vector<std::int32_t>{0}.swap(t);
}

void ResetRunValues() {
    ClearDataTables();
    infilename.clear();
    outfilename.clear();
    tablefilename.clear();
    plotfilename.clear();
    sample_plan = 0;
    census_size = 0;
}
