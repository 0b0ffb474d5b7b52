// Runs the counting step in-process on a GenePop text, in a temporary working directory, so
// that a test can look at the run state and the tallies it leaves.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "program_run.h"
#include "run_end.h"

class CountingDir {
  public:
    CountingDir();
    ~CountingDir();
    CountingDir(const CountingDir&) = delete;
    CountingDir& operator=(const CountingDir&) = delete;

    // Writes `genepop` as data.gen, opens it as the GenePop file and counts its alleles.
    void Count(const std::string& genepop);
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;

    // The tallies of `locus` as text: a first line of two blanks, the number of samples, two
    // blanks and the number of alleles, then one line per sample with its count of each allele,
    // in increasing order of code, right-aligned in 5 characters (6 from 10000 on).
    static std::string Counts(std::int32_t locus);
    // All copies counted at every locus, missing ones included: two per individual line.
    static std::int64_t Copies();

  private:
    testing_support::TempDir dir_;
    std::filesystem::path previous_;
};

// How `step` ends the run: the end it throws. A step that returns gives an end of status -1.
template <class Step> RunEnd EndOf(Step step) {
    try {
        step();
    } catch (const RunEnd& end) {
        return end;
    }
    return RunEnd{"", "", -1};
}
