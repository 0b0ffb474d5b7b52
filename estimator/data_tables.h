// Every table and run-wide value of the estimator, declared in this one place. The reader fills
// the data tables once; everything after it only reads them. The tables are sized by the data:
// each locus holds its own K alleles, so one locus of many alleles among many of two costs only
// what it holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The most alleles a locus may list.
inline constexpr int MaxAlleles = 999;

// Smallest harmonic-mean sample size, in diploid individuals, at which an allele is used.
inline constexpr double MinSize = 1.0;

inline constexpr const char* version_text = "Oct. 22. 2007";

// Samples and loci are numbered from 1, alleles from 0; index 0 of a sample or locus is unused.

// The relative frequencies, locus by locus and, within a locus, sample by sample: the order of
// the frequency file's lines, so that the reader adds them as they come.
class FrequencyTable {
  public:
    // The frequency of allele k of locus L in sample j.
    double operator()(int k, int j, int L) const { return Row(j, L)[k]; }
    // The K[L] frequencies of locus L in sample j.
    const double* Row(int j, int L) const;
    // Starts locus L, the one after the last started; its frequencies follow with Add.
    void StartLocus() { start_.push_back(values_.size()); }
    void Add(double frequency) { values_.push_back(frequency); }
    void Reserve(std::size_t frequencies, std::size_t loci);
    void Clear();

  private:
    std::vector<double> values_;
    std::vector<std::size_t> start_; // where the values of each locus begin, locus 1 first
};

// The sample sizes in genes, locus by locus and sample by sample within a locus.
class SizeTable {
  public:
    double operator()(int j, int L) const {
        return values_[static_cast<std::size_t>(L - 1) * static_cast<std::size_t>(n_samples_) +
                       static_cast<std::size_t>(j - 1)];
    }
    // Starts a table of `samples` sizes for every locus.
    void Start(std::int32_t samples) { n_samples_ = samples; }
    void Add(double size) { values_.push_back(size); }
    void Reserve(std::size_t sizes) { values_.reserve(sizes); }
    void Clear();

  private:
    std::vector<double> values_;
    std::int32_t n_samples_ = 0;
};

extern std::int32_t n_samples;
extern std::int32_t n_loci;
extern std::vector<std::int32_t> K;        // K[L], the alleles listed for locus L
extern FrequencyTable x;                   // x(k, j, L)
extern SizeTable S;                        // S(j, L), in genes
extern std::vector<std::string> locusname; // locusname[L], at most 255 characters
extern std::vector<std::int32_t> t;        // t[j], the generation of sample j

inline constexpr std::size_t MaxNameLength = 255;

// The generation of sample j; 0 for a sample no data line gave, as in a data set of no loci.
inline std::int32_t Generation(int j) {
    return static_cast<std::size_t>(j) < t.size() ? t[static_cast<std::size_t>(j)] : 0;
}

// The dialogue's answers, held for the whole run.
extern std::string infilename;
extern std::string outfilename;
extern std::string tablefilename; // of --table FILE; empty without the option
extern std::string plotfilename;  // of --plot FILE; the same
extern std::int32_t sample_plan;  // 1 or 2
extern std::int32_t census_size;  // N, asked for plan 1 only

// Empties the data tables, as the reader does before it fills them.
void ClearDataTables();
// Empties the data tables and the run-wide values (file names, plan, N), as before a run.
void ResetRunValues();
