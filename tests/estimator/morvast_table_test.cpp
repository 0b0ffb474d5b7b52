// Whole runs of Morvast with --table FILE: the table's bytes, its numbers against the report's
// printed digits, the names it refuses, and what a failed run leaves of the files.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "data_tables.h"
#include "frequency_reader.h"
#include "messages.h"
#include "morvast_run.h"
#include "results_writer.h"
#include "table_report.h"
#include "tsv_table.h"
#include "whole_write.h"

namespace {

namespace fs = std::filesystem;
using testing_support::IntervalsOfTable;
using testing_support::ReadFile;
using testing_support::TempDir;
using testing_support::WriteFile;

const std::string plan_prompt = "Enter sample plan (1 or 2): ";
const std::string header = "from\tto\tt\tlocus\talleles\tS1\tS2\tFs\tFs_prime\tNe"
                           "\tjk_Fs_mean\tjk_Fsp_mean\tjk_Ne_mean\tjk_Fs_se\tjk_Fsp_se"
                           "\tjk_Fs_lower\tjk_Fs_upper\tjk_Fsp_lower\tjk_Fsp_upper"
                           "\tjk_Ne_lower\tjk_Ne_upper"
                           "\tcal_Fs_lower\tcal_Fs_upper\tcal_Fsp_lower\tcal_Fsp_upper"
                           "\tcal_Ne_lower\tcal_Ne_upper"
                           "\tplan\tN\tinformative_loci\tFs_num\tFs_den\n";
const std::string no_limits = "\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA"
                              "\tNA\tNA\tNA\tNA\tNA\tNA";

// Where the in-process run's report and table go, whole.
std::string whole_report;
std::string whole_table;

std::string Progress(const std::string& data, const std::string& report) {
    return "Reading " + data + "\nProcessing " + data + "\nResult written to " + report + "\n";
}

// The worked two-locus case under plan 2. The report's rows, to 17 digits; the jackknife's
// values as the report computes them. The log-scale limits over m = 2 loci: leaving out locus
// 1 gives Fs 0.0404040, locus 2 Fs 0.16; v = (ln 0.0404040 + ln 0.16)/2 = -2.5207078, SE =
// sqrt(1/2 x 2 x 0.6881248^2) = 0.6881248, t(0.975, 1 df) = tan(0.475 pi) = 12.7062047, so the
// Fs limits are exp(-2.5207078 -/+ 8.7435993) = 1.2824891e-05 and 504.07028. Their Fs' are
// -0.0201891 and 3.9883922, and the lower Fs' limit below 0 leaves Ne without an upper limit.
// The sums of Fs: locus 1 0.2^2 + 0.2^2 = 0.08 over 0.5 x 0.5 x 2 = 0.5, locus 2 0.01 + 0.01 =
// 0.02 over 0.55 x 0.45 x 2 = 0.495, all loci 0.1 over 0.995.
TEST(MorvastTable, WorkedExampleUnderPlan2) {
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    const auto run = RunMorvast(dir, {"--table", "t.tsv", "two.txt", "report.txt"}, "2\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, opening_screen + "Using data from two.txt\n" + plan_prompt +
                           Progress("two.txt", "report.txt"));
    EXPECT_EQ(ReadFile(dir / "report.txt"),
              Preamble("two.txt", 2) + worked_interval_plan2 + legend);
    EXPECT_EQ(ReadFile(dir / "t.tsv"),
              header +
                  "0\t5\t5\tLoc1\t2\t50\t50\t0.15999999999999992\t0.13519813519813512"
                  "\t18.49137931034484" +
                  no_limits + "\t2\tNA\t1\t0.07999999999999996\t0.5\n" +
                  "0\t5\t5\tLoc2\t2\t50\t50\t0.040404040404040387\t0.020202020202020183"
                  "\t123.75000000000011" +
                  no_limits + "\t2\tNA\t1\t0.01999999999999999\t0.495\n" +
                  "0\t5\t5\tall\t4\t50\t50\t0.10050251256281401\t0.078827490592196403"
                  "\t31.714824120603044"
                  "\t0.10020202020202015\t0.078090530351836843\t32.014125000000014"
                  "\t0.05979797979797976\t0.057786992460359274"
                  "\t-0.017002020202020171\t0.21740606060606049"
                  "\t-0.035171974870467332\t0.19135303557414102"
                  "\t13.064856758080319\t-71.079318383658972"
                  "\t1.2824891174436905e-05\t504.07027839207336"
                  "\t-0.020189065808025142\t3.9883922158325067"
                  "\t0.62681899490122461\tInf\t2\tNA\t2\t0.09999999999999995"
                  "\t0.99500000000000011\n");
    EXPECT_EQ(ReadFile(dir / "report.txt"),
              Preamble("two.txt", 2) + IntervalsOfTable(ReadFile(dir / "t.tsv")) + legend);
    EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"report.txt", "t.tsv", "two.txt"}));
}

// The table printed in the report's layout is the report, over the worked case under plan 1,
// fixed loci with a jackknife of no number, two intervals with a negative span, and intervals
// fixed at every locus, with the file names asked for or the report named after the data.
TEST(MorvastTable, NumbersAreThoseTheReportRounds) {
    struct Case {
        std::string data;
        std::vector<std::string> args;
        std::string answers;
        std::string report;
        int plan;
    };
    const std::vector<Case> cases{
        {two_locus_data, {"d.txt"}, "1\n1000\n", "d.txt.OUT", 1},
        {"2 3\n1  2  2\n1.0000 60 Monomorphic  10\n1.0000 60 Monomorphic  13\n"
         "0.6000 0.4000 100 Long_locus_name  10\n0.4000 0.6000 100 Long_locus_name  13\n"
         "0.5 0.5 1 Tiny  10\n0.5 0.5 100 Tiny  13\n",
         {"d.txt", "r.txt"},
         "2\n",
         "r.txt",
         2},
        {"3 1\n2\n0.6 0.4 100 L  -2\n0.4 0.6 100 L  3\n0.4 0.6 100 L  1\n",
         {},
         "d.txt r.txt 2",
         "r.txt",
         2},
        {"3 0 No loci\n\n", {"d.txt", "r.txt"}, "2\n", "r.txt", 2},
        {LargeData(11, 101), {"d.txt", "r.txt"}, "1\n500\n", "r.txt", 1},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteFile(dir / "d.txt", c.data);
        std::vector<std::string> args{"--table", "t.tsv"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const auto run = RunMorvast(dir, args, c.answers);
        EXPECT_EQ(run.status, 0) << c.data << run.err;
        EXPECT_EQ(ReadFile(dir / c.report),
                  Preamble("d.txt", c.plan) + IntervalsOfTable(ReadFile(dir / "t.tsv")) + legend)
            << c.data;
    }
}

// Over 11 samples and 400 loci, more than the buffers hold, the report and the table written
// as they are formatted are those built whole in memory.
TEST(MorvastTable, StreamedAsBuiltWhole) {
    TempDir dir;
    WriteFile(dir / "d.txt", LargeData(11, 400));
    ASSERT_EQ(RunMorvast(dir, {"--table", "t.tsv", "d.txt", "r.txt"}, "2\n").status, 0);
    ResetRunValues();
    infilename = "d.txt";
    sample_plan = 2;
    GetData((dir / "d.txt").string());
    whole_report.clear();
    whole_table.clear();
    WriteResults([](std::string_view text) { whole_report += text; },
                 [](std::string_view text) { whole_table += text; });
    EXPECT_GT(whole_report.size(), StreamedWrite::BufferSize);
    EXPECT_GT(whole_table.size(), StreamedWrite::BufferSize);
    EXPECT_EQ(ReadFile(dir / "r.txt"), whole_report);
    EXPECT_EQ(ReadFile(dir / "t.tsv"), whole_table);
    ResetRunValues();
}

// Read back by a plain reader: every row has every column, a tab in a locus name is written
// as "_", and the rows of a fixed locus and an interval with one informative locus are NA where
// the report has no number, but for the interval's t and the sums.
TEST(MorvastTable, ReadsBackAsATable) {
    TempDir dir;
    WriteFile(dir / "d.txt", "3 2\n2  1\n"
                             "0.6 0.4 100 A\tB  0\n0.4 0.6 100 A\tB  4\n0.5 0.5 100 A\tB  9\n"
                             "1.0 100 C  0\n1.0 100 C  4\n1.0 100 C  9\n");
    ASSERT_EQ(RunMorvast(dir, {"--table", "t.tsv", "d.txt", "r.txt"}, "2\n").status, 0);
    const testing_support::TsvTable table = testing_support::ReadTsv(ReadFile(dir / "t.tsv"));
    ASSERT_EQ(table.fault, "");
    EXPECT_EQ(table.header.size(), 32u);
    ASSERT_EQ(table.rows.size(), 6u);
    const std::vector<std::string> loci{"A_B", "C", "all", "A_B", "C", "all"};
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        EXPECT_EQ(table.Cell(row, "locus"), loci[row]);
    }
    EXPECT_EQ(table.Cell(1, "alleles") + table.Cell(1, "S1") + table.Cell(1, "Fs"), "00NA");
    EXPECT_EQ(table.Cell(1, "t") + table.Cell(1, "informative_loci") + table.Cell(1, "Fs_num") +
                  table.Cell(1, "Fs_den") + table.Cell(1, "plan") + table.Cell(1, "N"),
              "40002NA");
    EXPECT_EQ(table.Cell(2, "informative_loci"), "1");
    EXPECT_EQ(table.Cell(2, "jk_Fs_se") + table.Cell(2, "cal_Ne_upper"), "NANA");
    EXPECT_EQ(table.Cell(5, "from") + table.Cell(5, "to") + table.Cell(5, "t"), "495");
}

// A frequency file of `loci` loci of three alleles over three samples, generations 0, 3 and 7,
// their frequencies drawn from `seed`; loci numbered from `first`.
std::string DrawnLoci(int first, int loci, unsigned seed) {
    std::string lines;
    for (int L = first; L < first + loci; ++L) {
        for (const char* generation : {"0", "3", "7"}) {
            seed = seed * 1103515245u + 12345u;
            const unsigned a = (seed >> 16) % 60 + 10;
            const unsigned b = (seed >> 8) % (90 - a) + 5;
            char line[64];
            std::snprintf(line, sizeof line, "%.2f %.2f %.2f 80 L%d  %s\n", a / 100.0, b / 100.0,
                          (100 - a - b) / 100.0, L, generation);
            lines += line;
        }
    }
    return lines;
}

std::string FrequencyFile(int loci, const std::string& lines) {
    std::string alleles;
    for (int L = 0; L < loci; ++L) {
        alleles += "3  ";
    }
    return "3 " + std::to_string(loci) + " drawn\n" + alleles + "\n" + lines;
}

// The all-loci Fs of runs over chunks of the loci, combined from the tables' sums, is the Fs of
// one run over all of them; the rows of every run carry the plan and N.
TEST(MorvastTable, SumsOfRunsOverChunksOfLociCombine) {
    TempDir dir;
    const std::string first = DrawnLoci(1, 2, 7);
    const std::string second = DrawnLoci(3, 5, 11);
    WriteFile(dir / "all.txt", FrequencyFile(7, first + second));
    WriteFile(dir / "first.txt", FrequencyFile(2, first));
    WriteFile(dir / "second.txt", FrequencyFile(5, second));
    std::vector<testing_support::TsvTable> tables;
    for (const char* data : {"all.txt", "first.txt", "second.txt"}) {
        const auto run =
            RunMorvast(dir, {"--plan", "1", "--census", "500", "--table", "-", data, "r.txt"}, "");
        ASSERT_EQ(run.status, 0) << run.err;
        tables.push_back(testing_support::ReadTsv(run.out));
        ASSERT_EQ(tables.back().fault, "");
    }
    // Row 7 of the whole run, rows 2 and 5 of the chunks' runs: the first interval's all-loci
    // rows; the second interval's follow one interval on.
    for (const std::size_t interval : {0u, 1u}) {
        const auto cell = [&](std::size_t run, std::size_t row, const char* column) {
            const std::size_t rows_per_interval[] = {8, 3, 6};
            return std::stod(tables[run].Cell(interval * rows_per_interval[run] + row, column));
        };
        const double combined = (cell(1, 2, "Fs_num") + cell(2, 5, "Fs_num")) /
                                (cell(1, 2, "Fs_den") + cell(2, 5, "Fs_den"));
        EXPECT_NEAR(combined / cell(0, 7, "Fs"), 1.0, 1e-12);
        EXPECT_EQ(cell(0, 7, "informative_loci"), 7.0);
        EXPECT_EQ(cell(2, 4, "plan") * 1000 + cell(2, 4, "N"), 1500.0);
    }
}

// Any two of the data file, the report file, the table and the figure that are one file are
// refused before the plan is asked, naming both: by the name, by another path to the file, by a
// link to it (a link to no file by its target's name, since writing the link makes that file),
// by another name of the same file, or by a name the report gets from the data file. No file is
// created or changed.
TEST(MorvastTableRefused, DataReportOrTableAreOneFile) {
    struct Case {
        std::string table;
        std::vector<std::string> names;
        std::string message;
        std::string plot = "";
    };
    const std::vector<Case> cases{
        {"two.txt",
         {"two.txt", "r.txt"},
         Say(Text::table_is_data, {{"TABLE", "two.txt"}, {"DATA", "two.txt"}})},
        {"./sub/../two.txt",
         {"two.txt", "r.txt"},
         Say(Text::table_is_data, {{"TABLE", "./sub/../two.txt"}, {"DATA", "two.txt"}})},
        {"link.txt",
         {"two.txt", "r.txt"},
         Say(Text::table_is_data, {{"TABLE", "link.txt"}, {"DATA", "two.txt"}})},
        {"old.txt",
         {"two.txt", "old.txt"},
         Say(Text::table_is_report, {{"TABLE", "old.txt"}, {"REPORT", "old.txt"}})},
        {"hard.txt",
         {"two.txt", "old.txt"},
         Say(Text::table_is_report, {{"TABLE", "hard.txt"}, {"REPORT", "old.txt"}})},
        {"./new.txt",
         {"two.txt", "new.txt"},
         Say(Text::table_is_report, {{"TABLE", "./new.txt"}, {"REPORT", "new.txt"}})},
        {"two.txt.OUT",
         {"two.txt"},
         Say(Text::table_is_report, {{"TABLE", "two.txt.OUT"}, {"REPORT", "two.txt.OUT"}})},
        {"t.tsv",
         {"two.txt", "dangling"},
         Say(Text::table_is_report, {{"TABLE", "t.tsv"}, {"REPORT", "dangling"}})},
        {"",
         {"two.txt", "two.txt"},
         Say(Text::report_is_data, {{"REPORT", "two.txt"}, {"DATA", "two.txt"}})},
        {"",
         {"two.txt", "sub/../link.txt"},
         Say(Text::report_is_data, {{"REPORT", "sub/../link.txt"}, {"DATA", "two.txt"}})},
        {"",
         {"two.txt", "r.txt"},
         Say(Text::plot_is_data, {{"PLOT", "link.txt"}, {"DATA", "two.txt"}}),
         "link.txt"},
        {"",
         {"two.txt", "old.txt"},
         Say(Text::plot_is_report, {{"PLOT", "hard.txt"}, {"REPORT", "old.txt"}}),
         "hard.txt"},
        {"t.tsv",
         {"two.txt", "r.txt"},
         Say(Text::plot_is_table, {{"PLOT", "./t.tsv"}, {"TABLE", "t.tsv"}}),
         "./t.tsv"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        WriteFile(dir / "two.txt", two_locus_data);
        WriteFile(dir / "old.txt", "Kept\n");
        fs::create_directory(dir / "sub");
        fs::create_symlink("two.txt", dir / "link.txt");
        fs::create_symlink("t.tsv", dir / "dangling");
        fs::create_hard_link(dir / "old.txt", dir / "hard.txt");
        const std::set<std::string> before = FilesIn(dir);
        std::vector<std::string> args;
        if (!c.table.empty()) {
            args = {"--table", c.table};
        }
        if (!c.plot.empty()) {
            args.insert(args.end(), {"--plot", c.plot});
        }
        args.insert(args.end(), c.names.begin(), c.names.end());
        const auto run = RunMorvast(dir, args, "2\n");
        EXPECT_EQ(run.status, 1) << c.message;
        EXPECT_EQ(run.err, c.message + "\n");
        const std::string named =
            c.names.size() == 1 ? "Writing resuls to two.txt.OUT\n" : std::string();
        EXPECT_EQ(run.out, opening_screen + "Using data from two.txt\n" + named) << c.message;
        EXPECT_EQ(FilesIn(dir), before) << c.message;
        EXPECT_EQ(ReadFile(dir / "two.txt"), two_locus_data);
        EXPECT_EQ(ReadFile(dir / "old.txt"), "Kept\n");
    }
}

// A run that succeeds replaces an earlier table, with the permissions of a new file; one that
// fails leaves it as it was, and neither leaves a draft behind.
TEST(MorvastTableFile, ReplacedOnlyWhenTheRunSucceeds) {
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    WriteFile(dir / "bad.txt", "no numbers\n");
    WriteFile(dir / "t.tsv", "earlier table\n");
    const std::set<std::string> files{"bad.txt", "t.tsv", "two.txt"};
    EXPECT_EQ(RunMorvast(dir, {"--table", "t.tsv", "two.txt", "r.txt"}, "3\n").status, 1);
    EXPECT_EQ(RunMorvast(dir, {"--table", "t.tsv", "bad.txt", "r.txt"}, "2\n").status, 1);
    EXPECT_EQ(ReadFile(dir / "t.tsv"), "earlier table\n");
    EXPECT_EQ(FilesIn(dir), files);

    fs::permissions(dir / "t.tsv", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(RunMorvast(dir, {"--table", "t.tsv", "two.txt", "r.txt"}, "2\n").status, 0);
    EXPECT_EQ(ReadFile(dir / "t.tsv").substr(0, header.size()), header);
    const mode_t mask = umask(0);
    umask(mask);
    struct stat table_stat;
    ASSERT_EQ(stat((dir / "t.tsv").c_str(), &table_stat), 0);
    EXPECT_EQ(table_stat.st_mode & 0777, 0666 & ~mask);
    EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"bad.txt", "r.txt", "t.tsv", "two.txt"}));
}

// A report that cannot be written ends the run after the table's draft was written: the draft
// is removed and the earlier table kept.
TEST(MorvastTableFile, ReportThatCannotBeWrittenKeepsTheEarlierTable) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no full device here";
    }
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    WriteFile(dir / "t.tsv", "earlier table\n");
    const auto run = RunMorvast(dir, {"--table", "t.tsv", "two.txt", "/dev/full"}, "2\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.substr(0, 38), "Cannot write the results to /dev/full\n");
    EXPECT_EQ(ReadFile(dir / "t.tsv"), "earlier table\n");
    EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"t.tsv", "two.txt"}));
}

// A table in a folder that does not exist, of the name of a folder, of a name longer than the
// system takes, or that is a socket cannot be written: the run ends naming it, before the
// report is appended, so that running again adds no second report.
TEST(MorvastTableFile, TableThatCannotBeWritten) {
    const auto not_written = [](const std::string& table, const std::string& reason) {
        return Say(Text::cannot_write_table, {{"TABLE", table}, {"REASON", reason}});
    };
    const std::string long_name(300, 't');
    const std::vector<std::pair<std::string, std::string>> cases{
        {"missing/t.tsv", not_written("missing/t.tsv", "No such file or directory")},
        {"folder", not_written("folder", "Is a directory")},
        {long_name, not_written(long_name, "File name too long")},
        {"socket", Say(Text::table_kind, {{"TABLE", "socket"}})},
    };
    for (const auto& [table, message] : cases) {
        TempDir dir;
        WriteFile(dir / "two.txt", two_locus_data);
        WriteFile(dir / "r.txt", "Kept\n");
        fs::create_directory(dir / "folder");
        const int socket_fd = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string socket_path = (dir / "socket").string();
        ASSERT_LT(socket_path.size(), sizeof address.sun_path);
        socket_path.copy(address.sun_path, socket_path.size());
        ASSERT_EQ(bind(socket_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        const auto run = RunMorvast(dir, {"--table", table, "two.txt", "r.txt"}, "2\n");
        close(socket_fd);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, message + "\n");
        EXPECT_EQ(run.out, opening_screen + "Using data from two.txt\n" + plan_prompt +
                               "Reading two.txt\nProcessing two.txt\n");
        EXPECT_EQ(ReadFile(dir / "r.txt"), "Kept\n");
        EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"folder", "r.txt", "socket", "two.txt"}));
        EXPECT_TRUE(fs::is_empty(dir / "folder"));
    }
}

} // namespace
