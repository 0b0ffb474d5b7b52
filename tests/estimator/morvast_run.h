// Runs the built Morvast in a directory of its own; the opening screen and the worked data set.
#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <sys/types.h>
#include <vector>

#include "expected_report.h"
#include "program_run.h"

// Runs Morvast in `dir` with `args` and `answers` on standard input.
testing_support::RunResult RunMorvast(const testing_support::TempDir& dir,
                                      const std::vector<std::string>& args,
                                      const std::string& answers,
                                      const testing_support::ChildSetup& setup = {});

// Runs Morvast in `dir` with `args`, its standard output discarded, writing `answers` into a
// pipe to its standard input that stays open until the run ends, as a terminal does. Returns the
// exit status, or -1 when Morvast still waited after ten seconds (it is then stopped).
int RunMorvastAnsweredThroughOpenPipe(const testing_support::TempDir& dir,
                                      const std::vector<std::string>& args,
                                      const std::string& answers);

// Starts Morvast in `dir` with `args`, the file "answers" there on its standard input, its
// standard output and error discarded and no core file, after `setup`; returns its process id.
pid_t StartMorvast(const testing_support::TempDir& dir, const std::vector<std::string>& args,
                   const testing_support::ChildSetup& setup = {});

// Opens the far end of the named pipe at `path` for writing once its reader has opened it, or
// gives up after ten seconds; returns the descriptor, or -1.
int OpenForWriting(const std::filesystem::path& path);

// The screen's lines, from the program's table of texts: the opening screen and the name of the
// data file given on the command line; that and the plan prompt; the lines of the reading and
// processing of the data file; and those and the line that names the report written.
std::string Screen(const std::string& data);
std::string AskedPlan(const std::string& data);
std::string Processed(const std::string& data);
std::string Progress(const std::string& data, const std::string& report);

// The refusal of a report that could not be written whole, and the line after it.
std::string ReportNotWritten(const std::string& report, const std::string& reason);

// The header line of the table that --table writes.
extern const std::string table_header;

// The opening screen, as the program prints it first on every run.
extern const std::string opening_screen;

// The worked data set of two loci and two samples, generations 0 and 5.
extern const std::string two_locus_data;

// The files of a folder, by name.
std::set<std::string> FilesIn(const testing_support::TempDir& dir);

// A frequency file as Pelkin writes it, of `samples` samples of 50 individuals and `loci` loci,
// the first of 999 alleles and the others of two to four, with random shifts between samples.
std::string LargeData(int samples, int loci);
