// Whole-program runs of the built Pelkin in a directory of its own, with the GenePop file's
// name typed on standard input.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program_run.h"

// What Pelkin prints before it reads the name: the introduction, three empty lines and the
// prompt, with no line end after it. A successful run prints nothing more.
extern const std::string IntroAndPrompt;

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

// What Pelkin prints before it reads the file named on its command line: the introduction,
// three empty lines and "Using data from" with the name.
std::string IntroAndUsing(const std::string& name);

// The lines of a data message as Pelkin prints them after the prompt.
std::string GenerationsMessage();
std::string IndividualsMessage();

// The line on standard error that ends a conversion that succeeded, with its fields.
std::string Summary(const std::string& samples, const std::string& generations,
                    const std::string& individuals, const std::string& loci,
                    const std::string& single, const std::string& missing);

// The notice on standard error of a marker line of data.gen, line `line`, that starts no sample.
std::string EmptySampleNotice(const std::string& line);

// The notice on standard error of the locus `locus` ("2 (Loc2)") of data.gen, typed nowhere.
std::string UntypedLocusNotice(const std::string& locus);

// The notice on standard error of a generation, numbered `generation`, in which the locus
// `locus` ("2 (Loc2)") was not typed.
std::string UntypedNotice(const std::string& locus, const std::string& generation);
