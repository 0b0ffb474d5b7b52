#include "frequency_reader.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "data_tables.h"
#include "error.h"
#include "fixed_field.h"
#include "number_read.h"
#include "text_input.h"

namespace {

// The data file while it is read.
std::FILE* infile = nullptr;

void ClearTables() {
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

void OpenData(const std::string& path) {
    // A folder opens for reading on some systems, but holds no data.
    std::error_code ignored;
    infile = nullptr;
    if (!std::filesystem::is_directory(path, ignored)) {
        infile = std::fopen(path.c_str(), "r");
    }
    if (infile == nullptr) {
        Error("Cannot open data file " + path);
    }
}

void ReadHeader(TextInput& in) {
    if (!ReadInteger(in, n_samples) || !ReadInteger(in, n_loci)) {
        Error("Invalid infile format or numeric error");
    }
    if (n_samples > MaxSamples) {
        Error("To many samples in this data set");
    }
    if (n_loci > MaxLoci) {
        Error("To many loci in this data set");
    }
    // The converter puts the data set's title after the two numbers.
    SkipLine(in);
}

void ReadAlleleCounts(TextInput& in) {
    for (int L = 1; L <= n_loci; ++L) {
        if (!ReadInteger(in, K[L])) {
            Error("Error in indata file (number of alleles)");
        }
        if (K[L] > MaxAlleles) {
            Error("Too many alleles at one or more loci (adjust MaxAlleles)");
        }
    }
    SkipLine(in);
}

std::string AtLocusInSample(int L, int j) {
    return " at locus " + std::to_string(L) + " in sample " + std::to_string(j);
}

void ReadFrequencies(TextInput& in, int L, int j) {
    double sum = 0.0;
    for (int k = 0; k < K[L]; ++k) {
        if (!ReadReal(in, x[k][j][L])) {
            Error("Error in indata file: cannot read allele " + std::to_string(k + 1) +
                  AtLocusInSample(L, j));
        }
        sum += x[k][j][L];
    }
    // Written so that a sum that is not a number fails the check too.
    if (!(std::fabs(sum - 1.0) <= 0.01)) {
        Error("Error in indata file: allele frequencies sum to " + FixedField(sum, 0, 6) +
              AtLocusInSample(L, j) + "\n");
    }
}

// The name is delimited by blanks and line ends only: a tab beside it becomes part of it. A name
// longer than the table holds is cut, and the rest of it is read and dropped.
void ReadLocusName(TextInput& in, std::string& name) {
    int c = GetLineChar(in);
    while (c == ' ' || c == '\n') {
        c = GetLineChar(in);
    }
    name.clear();
    while (c != ' ' && c != '\n' && c != EOF) {
        if (name.size() < MaxNameLength) {
            name.push_back(static_cast<char>(c));
        }
        c = GetLineChar(in);
    }
}

void ReadDataLine(TextInput& in, int L, int j) {
    ReadFrequencies(in, L, j);
    if (!ReadReal(in, S[j][L]) || S[j][L] < 0.0) {
        Error("Error in infilename (sample size)");
    }
    ReadLocusName(in, locusname[L]);
    // Every locus repeats the generation of the sample; the last locus's value is the one kept.
    if (!ReadInteger(in, t[j])) {
        Error("Error in infilename (generation number)");
    }
    SkipToLineEnd(in);
}

} // namespace

void GetData(const std::string& path) {
    ClearTables();
    OpenData(path);
    TextInput in(infile);
    ReadHeader(in);
    ReadAlleleCounts(in);
    for (int L = 1; L <= n_loci; ++L) {
        for (int j = 1; j <= n_samples; ++j) {
            ReadDataLine(in, L, j);
        }
    }
    std::fclose(infile);
    infile = nullptr;
}
