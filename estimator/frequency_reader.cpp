#include "frequency_reader.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <sys/stat.h>

#include "data_fault.h"
#include "data_tables.h"
#include "error.h"
#include "fixed_field.h"
#include "messages.h"
#include "number_read.h"
#include "text_input.h"

namespace {

// The data file while it is read, and its name.
std::FILE* infile = nullptr;
std::string data_path;

void OpenData(const std::string& path) {
    // A folder opens for reading on some systems, but holds no data.
    std::error_code ignored;
    infile = nullptr;
    int error_number = EISDIR;
    if (!std::filesystem::is_directory(path, ignored)) {
        infile = std::fopen(path.c_str(), "r");
        error_number = errno;
    }
    if (infile == nullptr) {
        Error(Say(Text::cannot_open_data, {{"DATA", path}}),
              Say(Text::data_open_hint, {{"DATA", path}, {"REASON", std::strerror(error_number)}}));
    }
}

// Ends the run with `message`, and a line that says where the read stopped and what it
// expected there.
[[noreturn]] void Refuse(const TextInput& in, const std::string& message,
                         const std::string& expected) {
    RefuseData(data_path, in.Offset(), message, expected);
}

std::string Number(std::int64_t value) {
    return std::to_string(value);
}

// The entries a table may set aside before it is filled: never more than the file's bytes could
// hold at `bytes_each` bytes an entry, so that a header that claims more than the file holds
// costs no memory, and none for a file of unknown size, whose tables grow as they fill.
std::size_t Plausible(std::int64_t claimed, std::int64_t bytes_each, std::int64_t file_size) {
    if (claimed <= 0 || claimed > file_size / bytes_each) {
        return 0;
    }
    return static_cast<std::size_t>(claimed);
}

// The size of the data file in bytes, or 0 when it is not a regular file.
std::int64_t FileSize() {
    struct stat status {};
    if (fstat(fileno(infile), &status) != 0 || !S_ISREG(status.st_mode)) {
        return 0;
    }
    return status.st_size;
}

void ReadHeader(TextInput& in) {
    if (!ReadInteger(in, n_samples) || !ReadInteger(in, n_loci)) {
        Refuse(in, Say(Text::header_format), Say(Text::expect_header));
    }
    // The converter puts the data set's title after the two numbers.
    SkipLine(in);
}

// A count of alleles takes at least two characters: a digit and the blank after it.
void ReadAlleleCounts(TextInput& in, std::int64_t file_size) {
    K.reserve(1 + Plausible(n_loci, 2, file_size));
    for (int L = 1; L <= n_loci; ++L) {
        std::int32_t alleles = 0;
        if (!ReadInteger(in, alleles)) {
            Refuse(in, Say(Text::allele_count), Say(Text::expect_allele_count, {{"L", Number(L)}}));
        }
        if (alleles > MaxAlleles) {
            Refuse(in, Say(Text::too_many_alleles),
                   Say(Text::expect_fewer_alleles,
                       {{"L", Number(L)}, {"K", Number(alleles)}, {"MAX", Number(MaxAlleles)}}));
        }
        K.push_back(alleles);
    }
    SkipLine(in);
}

// `a` times `b`, both at least 0, or more than `most` when the product would exceed it.
std::int64_t ProductUpTo(std::int64_t a, std::int64_t b, std::int64_t most) {
    return a > 0 && b > most / a ? most + 1 : a * b;
}

// A frequency takes at least two characters, and a data line at least eight: a frequency, the
// sample size, the name and the generation, each with the character after it.
void SetAsideTables(std::int64_t file_size) {
    std::int64_t alleles = 0;
    for (int L = 1; L <= n_loci; ++L) {
        alleles += std::max(K[static_cast<std::size_t>(L)], 0);
    }
    const std::int64_t samples = std::max(n_samples, 0);
    const std::int64_t loci = std::max(n_loci, 0);
    const std::size_t lines = Plausible(ProductUpTo(loci, samples, file_size), 8, file_size);
    x.Reserve(Plausible(ProductUpTo(alleles, samples, file_size), 2, file_size),
              Plausible(loci, 8, file_size));
    S.Start(n_samples);
    S.Reserve(lines);
    locusname.reserve(1 + Plausible(loci, 8, file_size));
    t.reserve(1 + Plausible(samples, 8, file_size));
}

void ReadFrequencies(TextInput& in, int L, int j) {
    double sum = 0.0;
    for (int k = 0; k < K[static_cast<std::size_t>(L)]; ++k) {
        double frequency = 0.0;
        if (!ReadReal(in, frequency)) {
            const std::string allele = Number(k + 1);
            const std::string locus = Number(L);
            const std::string sample = Number(j);
            Refuse(in, Say(Text::unreadable_allele, {{"A", allele}, {"L", locus}, {"J", sample}}),
                   Say(Text::expect_frequency, {{"A", allele}, {"L", locus}, {"J", sample}}));
        }
        x.Add(frequency);
        sum += frequency;
    }
    // Written so that a sum that is not a number fails the check too.
    if (!(std::fabs(sum - 1.0) <= 0.01)) {
        const bool listed = K[static_cast<std::size_t>(L)] > 0;
        if (!listed) {
            // Nothing of this line was read: the read stands at the end of the line before.
            SkipSpace(in);
        }
        Refuse(in,
               Say(Text::frequency_sum,
                   {{"S", FixedField(sum, 0, 6)}, {"L", Number(L)}, {"J", Number(j)}}),
               listed ? Say(Text::expect_sum, {{"L", Number(L)}, {"J", Number(j)}})
                      : Say(Text::expect_alleles_listed, {{"L", Number(L)}}));
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

// The name and the generation are read afresh on every line: the name on a locus's last line is
// the one kept, and as every locus repeats the generation of the sample, the last locus's value.
void ReadDataLine(TextInput& in, int L, int j) {
    ReadFrequencies(in, L, j);
    double size = 0.0;
    if (!ReadReal(in, size) || size < 0.0) {
        Refuse(in, Say(Text::sample_size),
               Say(Text::expect_size, {{"L", Number(L)}, {"J", Number(j)}}));
    }
    S.Add(size);
    if (j == 1) {
        locusname.emplace_back();
    }
    ReadLocusName(in, locusname.back());
    std::int32_t generation = 0;
    if (!ReadInteger(in, generation)) {
        Refuse(in, Say(Text::generation_number),
               Say(Text::expect_generation, {{"L", Number(L)}, {"J", Number(j)}}));
    }
    if (L == 1) {
        t.push_back(generation);
    } else {
        t[static_cast<std::size_t>(j)] = generation;
    }
    SkipToLineEnd(in);
}

} // namespace

void GetData(const std::string& path) {
    ClearDataTables();
    data_path = path;
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
    const std::int64_t file_size = FileSize();
    ReadHeader(in);
    ReadAlleleCounts(in, file_size);
    SetAsideTables(file_size);
    for (int L = 1; L <= n_loci; ++L) {
        x.StartLocus();
        for (int j = 1; j <= n_samples; ++j) {
            ReadDataLine(in, L, j);
        }
    }
}
