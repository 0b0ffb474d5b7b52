// Runs the counting step in-process on a GenePop text, in a temporary working directory, so
// that a test can look at the run state and the count files it leaves.
#pragma once

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
