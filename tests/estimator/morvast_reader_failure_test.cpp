// Every fault of a frequency file, each with its own message on the standard error stream and
// exit status 1, and the report file left as it was.
#include <gtest/gtest.h>

#include "morvast_run.h"

namespace {

using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

struct Fault {
    const char* what;
    std::string data;
    std::string message;
};

const std::string header_message = "Invalid infile format or numeric error\n";
const std::string alleles_message = "Error in indata file (number of alleles)\n";
const std::string size_message = "Error in infilename (sample size)\n";
const std::string generation_message = "Error in infilename (generation number)\n";

const Fault faults[] = {
    {"empty file", "", header_message},
    {"one number", "3\n", header_message},
    {"numbers on two lines, then none", "3\n2\n", alleles_message},
    {"no number", "x 2\n", header_message},
    {"samples beyond 32 bits", "2147483648 1\n", header_message},
    {"loci beyond 32 bits", "2 -0x80000001\n", header_message},
    {"11 samples", "11 5\n", "To many samples in this data set\n"},
    {"101 loci", "10 101\n", "To many loci in this data set\n"},
    {"both too many", "11 101\n", "To many samples in this data set\n"},
    {"unreadable K", "2 2\n2 x\n", alleles_message},
    {"K beyond 32 bits", "1 1\n0x80000000\n", alleles_message},
    {"header without line end", "2 2", alleles_message},
    {"K of 101 before a bad K", "2 2\n101 x\n",
     "Too many alleles at one or more loci (adjust MaxAlleles)\n"},
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
};

TEST(MorvastReaderFailure, EveryFaultHasItsMessage) {
    for (const Fault& fault : faults) {
        TempDir dir;
        WriteFile(dir / "data.txt", fault.data);
        WriteFile(dir / "r.txt", "Earlier report\n");
        const auto run = RunMorvast(dir, {"data.txt", "r.txt"}, "2\n");
        EXPECT_EQ(run.status, 1) << fault.what;
        EXPECT_EQ(run.err, fault.message) << fault.what;
        EXPECT_EQ(run.out, opening_screen + "Using data from data.txt\n"
                                            "Enter sample plan (1 or 2): Reading data.txt\n")
            << fault.what;
        EXPECT_EQ(ReadFile(dir / "r.txt"), "Earlier report\n") << fault.what;
    }
}

TEST(MorvastReaderFailure, DataFileThatCannotBeOpened) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    for (const char* data : {"missing.txt", "folder"}) {
        const auto run = RunMorvast(dir, {data}, "2\n");
        EXPECT_EQ(run.status, 1) << data;
        EXPECT_EQ(run.err, std::string("Cannot open data file ") + data + "\n") << data;
        // The report file is opened first, and stays empty.
        EXPECT_EQ(ReadFile(dir / (std::string(data) + ".OUT")), "") << data;
    }
}

} // namespace
