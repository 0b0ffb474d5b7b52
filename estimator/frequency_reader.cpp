#include "frequency_reader.h"

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "data_tables.h"
#include "error.h"
#include "fixed_field.h"
#include "messages.h"
#include "number_read.h"
#include "text_input.h"

namespace {

// The data file while it is read.
std::FILE* infile = nullptr;

void OpenData(const std::string& path) {
    // A folder opens for reading on some systems, but holds no data.
    std::error_code ignored;
    infile = nullptr;
    if (!std::filesystem::is_directory(path, ignored)) {
        infile = std::fopen(path.c_str(), "r");
    }
    if (infile == nullptr) {
        Error(Say(Text::cannot_open_data, {{"DATA", path}}));
    }
}

void ReadHeader(TextInput& in) {
    if (!ReadInteger(in, n_samples) || !ReadInteger(in, n_loci)) {
        Error(Say(Text::header_format));
    }
    if (n_samples > MaxSamples) {
        Error(Say(Text::too_many_samples));
    }
    if (n_loci > MaxLoci) {
        Error(Say(Text::too_many_loci));
    }
    // The converter puts the data set's title after the two numbers.
    SkipLine(in);
}

void ReadAlleleCounts(TextInput& in) {
    for (int L = 1; L <= n_loci; ++L) {
        if (!ReadInteger(in, K[L])) {
            Error(Say(Text::allele_count));
        }
        if (K[L] > MaxAlleles) {
            Error(Say(Text::too_many_alleles));
        }
    }
    SkipLine(in);
}

void ReadFrequencies(TextInput& in, int L, int j) {
    double sum = 0.0;
    for (int k = 0; k < K[L]; ++k) {
        if (!ReadReal(in, x[k][j][L])) {
            Error(Say(Text::unreadable_allele, {{"A", std::to_string(k + 1)},
                                                {"L", std::to_string(L)},
                                                {"J", std::to_string(j)}}));
        }
        sum += x[k][j][L];
    }
    // Written so that a sum that is not a number fails the check too.
    if (!(std::fabs(sum - 1.0) <= 0.01)) {
        Error(Say(
            Text::frequency_sum,
            {{"S", FixedField(sum, 0, 6)}, {"L", std::to_string(L)}, {"J", std::to_string(j)}}));
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
        Error(Say(Text::sample_size));
    }
    ReadLocusName(in, locusname[L]);
    // Every locus repeats the generation of the sample; the last locus's value is the one kept.
    if (!ReadInteger(in, t[j])) {
        Error(Say(Text::generation_number));
    }
    SkipToLineEnd(in);
}

} // namespace

void GetData(const std::string& path) {
    ClearDataTables();
    OpenData(path);
    // Closed however the read ends, so that a run ended by a fault of the file leaves no file
    // open in the process that ran it.
    struct DataFileCloser {
        ~DataFileCloser() {
            std::fclose(infile);
            infile = nullptr;
        }
    } closer;
    TextInput in(infile);
    ReadHeader(in);
    ReadAlleleCounts(in);
    for (int L = 1; L <= n_loci; ++L) {
        for (int j = 1; j <= n_samples; ++j) {
            ReadDataLine(in, L, j);
        }
    }
}
