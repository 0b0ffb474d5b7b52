// Every fault of a frequency file, each with its own message on the standard error stream and
// exit status 1, and the report file left as it was: an earlier report whole, and no file at
// all where the run would have made it.
#include <gtest/gtest.h>

#include "messages.h"
#include "morvast_cases.h"
#include "morvast_run.h"

namespace {

using testing_support::Absent;
using testing_support::AFolder;
using testing_support::Case;

struct Fault {
    const char* what;
    std::string data;
    std::string message;
};

const std::string header_message = Say(Text::header_format) + "\n";
const std::string alleles_message = Say(Text::allele_count) + "\n";
const std::string size_message = Say(Text::sample_size) + "\n";
const std::string generation_message = Say(Text::generation_number) + "\n";

// The longest text of a number that Morvast reads.
constexpr std::size_t longest_number = 4096;

// A number's text one character longer than Morvast reads: `value`, padded with zeros that
// leave the value as it is.
std::string LongText(const std::string& value) {
    return value + std::string(longest_number + 1 - value.size(), '0');
}
std::string LongInteger(const std::string& value) {
    return std::string(longest_number + 1 - value.size(), '0') + value;
}

const Fault faults[] = {
    {"empty file", "", header_message},
    {"one number", "3\n", header_message},
    {"numbers on two lines, then none", "3\n2\n", alleles_message},
    {"no number", "x 2\n", header_message},
    {"samples beyond 32 bits", "2147483648 1\n", header_message},
    {"loci beyond 32 bits", "2 -0x80000001\n", header_message},
    {"11 samples and 101 loci, then no counts", "11 101\n", alleles_message},
    {"unreadable K", "2 2\n2 x\n", alleles_message},
    {"K beyond 32 bits", "1 1\n0x80000000\n", alleles_message},
    {"header without line end", "2 2", alleles_message},
    {"K of 1000 before a bad K", "2 2\n1000 x\n", Say(Text::too_many_alleles) + "\n"},
    {"unreadable frequency", "1 1\n2\n0.5 abc 10 L  1\n",
     "Error in indata file: cannot read allele 2 at locus 1 in sample 1\n"},
    {"nan frequency", "2 1\n2\n0.5 0.5 10 L  1\n0.5 nan 10 L  2\n",
     "Error in indata file: cannot read allele 2 at locus 1 in sample 2\n"},
    {"overflowing frequency", "1 2\n1 1\n1 10 A  1\n1e999 10 B  1\n",
     "Error in indata file: cannot read allele 1 at locus 2 in sample 1\n"},
    {"sum 0.9", "1 1\n2\n0.5 0.4 10 L  1\n",
     "Error in indata file: allele frequencies sum to 0.900000 at locus 1 in sample 1\n\n"},
    {"locus of no allele", "1 2\n2  0  \n0.5 0.5 10 A  1\n0 B  1\n",
     "Error in indata file: allele frequencies sum to 0.000000 at locus 2 in sample 1\n\n"},
    {"negative K", "1 1\n-3\n10 A  1\n",
     "Error in indata file: allele frequencies sum to 0.000000 at locus 1 in sample 1\n\n"},
    {"infinite sum", "1 1\n2\n1e308 1e308 10 L  1\n",
     "Error in indata file: allele frequencies sum to inf at locus 1 in sample 1\n\n"},
    {"unreadable size", "1 1\n1\n1 abc L  1\n", size_message},
    {"negative size", "1 1\n1\n1 -2 L  1\n", size_message},
    {"missing data line", "2 1\n1\n1 10 L  1\n",
     "Error in indata file: cannot read allele 1 "
     "at locus 1 in sample 2\n"},
    {"unreadable generation", "1 1\n1\n1 10 L  x\n", generation_message},
    {"generation beyond 32 bits", "1 1\n1\n1 10 L  2147483648\n", generation_message},
    {"name of two words", "1 1\n1\n1 10 Loc A  5\n", generation_message},
    {"file ends in the name", "1 1\n1\n1 10 L", generation_message},
    {"header number of 4097 characters", LongInteger("2") + " 1\n", header_message},
    {"K of 4097 characters", "1 1\n" + LongInteger("1") + "\n", alleles_message},
    {"frequency of 4097 characters", "1 1\n1\n" + LongText("1.") + " 10 L  1\n",
     "Error in indata file: cannot read allele 1 at locus 1 in sample 1\n"},
    {"size of 4097 characters", "1 1\n1\n1 " + LongText("10.") + " L  1\n", size_message},
    {"generation of 4097 characters", "1 1\n1\n1 10 L  " + LongInteger("5") + "\n",
     generation_message},
    {"GenePop file", "Trout 1990-1995\nLoc1, Loc2\nPop\n1 , 0101 0202\n", header_message},
    {"GenePop file with POP and blanks", "Trout\r\nLoc1\r\nLoc2\r\nPOP \t\r\n", header_message},
    {"pop at line 1000", "Trout\n" + std::string(997, '\n') + std::string(999, 'L') + "\npop\n",
     header_message},
    {"Pop beyond line 1000", "Trout\n" + std::string(999, '\n') + "Pop\n", header_message},
    {"Population is no Pop line", "Trout\nPopulation\n", header_message},
    {"two numbers before Pop", "2 2 Trout\nPop\n", alleles_message},
    {"line that steers a terminal", "\x1b[2J 2\n", header_message},
    {"line cut before a letter of two bytes",
     "a\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\xc3\xa9\n",
     header_message},
};

// The line after a fault's message, which says where the read stopped and what it expected
// there: the lines of all the faults are kept beside the tests, each after the fault's name.
std::string LineAfter(const std::string& what) {
    const std::string lines = testing_support::ReadFile(ESTIMATOR_DATA_DIR "/reader_faults.err");
    const std::size_t start = lines.find(what + ": ");
    if (start == std::string::npos || (start > 0 && lines[start - 1] != '\n')) {
        ADD_FAILURE() << "no line kept for " << what;
        return {};
    }
    const std::size_t end = lines.find('\n', start) + 1;
    return lines.substr(start + what.size() + 2, end - start - what.size() - 2);
}

// Each fault is two rows: a run beside an earlier report, which stays whole, and a run that
// would make its report, which leaves none.
std::vector<Case> RowsOfFaults() {
    const std::string out = AskedPlan("data.txt") + Say(Text::reading, {{"DATA", "data.txt"}});
    std::vector<Case> rows;
    for (const Fault& fault : faults) {
        const std::string err = fault.message + LineAfter(fault.what);
        rows.push_back({.name = fault.what + std::string(", earlier report"),
                        .files = {{"data.txt", fault.data}, {"r.txt", "Earlier report\n"}},
                        .args = {"data.txt", "r.txt"},
                        .typed = "2\n",
                        .status = 1,
                        .out = out,
                        .err = err,
                        .left = {{"r.txt", "Earlier report\n"}}});
        rows.push_back({.name = fault.what + std::string(", new report"),
                        .files = {{"data.txt", fault.data}},
                        .args = {"data.txt", "new.txt"},
                        .typed = "2\n",
                        .status = 1,
                        .out = out,
                        .err = err,
                        .left = {{"new.txt", Absent()}}});
    }
    return rows;
}

TEST(MorvastCases, FaultsOfTheDataFile) {
    RunMorvastCases(RowsOfFaults());
}

std::string NotOpened(const std::string& data, const std::string& reason) {
    return "Cannot open data file " + data + "\n" +
           Say(Text::data_open_hint, {{"DATA", data}, {"REASON", reason}}) + "\n";
}

// The report file is opened first; the run made it, and it goes again. An empty report file
// that was there before the run stays.
TEST(MorvastCases, DataFileThatCannotBeOpened) {
    RunMorvastCases({
        {.name = "data_file_missing",
         .args = {"missing.txt"},
         .typed = "2\n",
         .status = 1,
         .err = NotOpened("missing.txt", "No such file or directory"),
         .left = {{"missing.txt.OUT", Absent()}}},
        {.name = "data_file_a_folder",
         .files = {{"folder", AFolder()}},
         .args = {"folder"},
         .typed = "2\n",
         .status = 1,
         .err = NotOpened("folder", "Is a directory"),
         .left = {{"folder.OUT", Absent()}}},
        {.name = "data_file_missing_beside_an_empty_report",
         .files = {{"empty.txt", ""}},
         .args = {"missing.txt", "empty.txt"},
         .typed = "2\n",
         .status = 1,
         .err = NotOpened("missing.txt", "No such file or directory"),
         .left = {{"empty.txt", ""}}},
    });
}

} // namespace
