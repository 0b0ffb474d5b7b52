// Every fault of a frequency file, each with its own message on the standard error stream and
// exit status 1, and the report file left as it was: an earlier report whole, and no file at
// all where the run would have made it.
#include <cerrno>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "messages.h"
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
    {"K of 1000 before a bad K", "2 2\n1000 x\n",
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

// Each message is followed by a line that says where the read stopped and what it expected
// there; the lines of all the faults, in the order of the table, are kept beside the test.
TEST(MorvastReaderFailure, EveryFaultHasItsMessage) {
    std::string lines_after;
    for (const Fault& fault : faults) {
        TempDir dir;
        WriteFile(dir / "data.txt", fault.data);
        WriteFile(dir / "r.txt", "Earlier report\n");
        const auto run = RunMorvast(dir, {"data.txt", "r.txt"}, "2\n");
        EXPECT_EQ(run.status, 1) << fault.what;
        EXPECT_EQ(run.err.substr(0, fault.message.size()), fault.message) << fault.what;
        lines_after += fault.what + std::string(": ") + run.err.substr(fault.message.size());
        EXPECT_EQ(run.out, opening_screen + "Using data from data.txt\n"
                                            "Enter sample plan (1 or 2): Reading data.txt\n")
            << fault.what;
        EXPECT_EQ(ReadFile(dir / "r.txt"), "Earlier report\n") << fault.what;
        EXPECT_EQ(RunMorvast(dir, {"data.txt", "new.txt"}, "2\n").status, 1) << fault.what;
        EXPECT_FALSE(std::filesystem::exists(dir / "new.txt")) << fault.what;
    }
    EXPECT_EQ(lines_after, ReadFile(ESTIMATOR_DATA_DIR "/reader_faults.err"));
}

// A frequency without end, through a named pipe: it is refused once its text is longer than
// the longest accepted, without being held or read on to its end.
TEST(MorvastReaderFailure, EndlessNumberIsRefusedAfterItsLongestText) {
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "endless").c_str(), 0600), 0);
    std::signal(SIGPIPE, SIG_IGN);
    constexpr std::size_t offered = std::size_t{64} << 20;
    std::size_t written = 0;
    std::thread writer([&] {
        const int fd = OpenForWriting(dir / "endless");
        const std::string head = "1 1\n1\n0.";
        const std::string digits(1 << 16, '3');
        bool open = fd >= 0 && write(fd, head.data(), head.size()) > 0;
        while (open && written < offered) {
            const ssize_t n = write(fd, digits.data(), digits.size());
            open = n > 0 || (n < 0 && errno == EINTR);
            written += n > 0 ? static_cast<std::size_t>(n) : 0;
        }
        close(fd);
    });
    WriteFile(dir / "r.txt", "Earlier report\n");
    const auto run = RunMorvast(dir, {"endless", "r.txt"}, "2\n");
    writer.join();
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.substr(0, 66),
              "Error in indata file: cannot read allele 1 at locus 1 in sample 1\n");
    EXPECT_EQ(ReadFile(dir / "r.txt"), "Earlier report\n");
    // What the pipe holds, and a buffer's worth or two that the reader took.
    EXPECT_LT(written, std::size_t{1} << 20);
}

TEST(MorvastReaderFailure, DataFileThatCannotBeOpened) {
    TempDir dir;
    std::filesystem::create_directory(dir / "folder");
    for (const auto& [data, reason] : {std::pair{"missing.txt", "No such file or directory"},
                                       std::pair{"folder", "Is a directory"}}) {
        const auto run = RunMorvast(dir, {data}, "2\n");
        EXPECT_EQ(run.status, 1) << data;
        EXPECT_EQ(run.err, std::string("Cannot open data file ") + data + "\n" +
                               Say(Text::data_open_hint, {{"DATA", data}, {"REASON", reason}}) +
                               "\n");
        // The report file is opened first; the run made it, and it goes again.
        EXPECT_FALSE(std::filesystem::exists(dir / (std::string(data) + ".OUT"))) << data;
    }
    // An empty report file that was there before the run stays.
    WriteFile(dir / "empty.txt", "");
    EXPECT_EQ(RunMorvast(dir, {"missing.txt", "empty.txt"}, "2\n").status, 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "empty.txt"));
}

} // namespace
