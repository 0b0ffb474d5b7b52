// Whole-program runs of the built Pelkin in a directory of its own, for the runs that need a
// process of their own, with the GenePop file's name typed on standard input.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "pelkin_texts.h"
#include "program_run.h"

class PelkinRun : public ::testing::Test {
  protected:
    void Put(const std::string& name, const std::string& contents) const;
    std::string Read(const std::string& name) const;
    bool Exists(const std::string& name) const;
    // The names of the files in the work directory, sorted.
    std::vector<std::string> Files() const;
    testing_support::RunResult Run(const std::string& typed = "data.gen\n") const;
    // Runs Pelkin with `args` on its command line and `typed` on standard input.
    testing_support::RunResult RunWith(const std::vector<std::string>& args,
                                       const std::string& typed = "") const;
    // Puts `genepop` as data.gen and runs Pelkin on it.
    testing_support::RunResult Convert(const std::string& genepop) const;

    testing_support::TempDir dir;
};

// Whether a process, or another open file of this one, holds the lock of the folder `folder`.
bool FolderIsLocked(const std::filesystem::path& folder);
