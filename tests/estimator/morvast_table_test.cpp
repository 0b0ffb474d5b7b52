// Whole runs of Morvast with --table FILE: the table's bytes, its numbers against the report's
// printed digits, the names it refuses, and what a failed run leaves of the files.
#include <gtest/gtest.h>

#include <algorithm>
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

// Where the in-process run's report and table go, whole.
std::string whole_report;
std::string whole_table;

// The table printed in the report's layout is the report, over the worked case under both plans,
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
        {two_locus_data, {"d.txt", "r.txt"}, "2\n", "r.txt", 2},
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
    EXPECT_EQ(table.header.size(), 47u);
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
    EXPECT_EQ(table.Cell(5, "sample_from") + table.Cell(5, "sample_to"), "23");
    EXPECT_EQ(table.Cell(1, "Fc") + table.Cell(1, "Ne_Fk") + table.Cell(0, "chi_df"), "NANANA");
    EXPECT_EQ(table.Cell(2, "chi_df"), "1");
}

// The rows of a pair of --pairs first or all are those of a file that holds the pair's two
// samples alone, but for the samples' positions, the figure shows those pairs, and the report is
// that of consecutive pairs.
// Sample 3 taken before samples 1 and 2 and a fixed locus bring their warnings, once for a pair
// that is also an interval of the report.
TEST(MorvastTable, PairsAreIntervalsOfTheirTwoSamples) {
    // The lines of loci A and B, sample by sample.
    const std::vector<std::array<std::string, 2>> samples{
        {"0.6 0.4 100 A  0\n", "1.0 0.0 80 B  0\n"},
        {"0.3 0.7 60 A  9\n", "1.0 0.0 80 B  9\n"},
        {"0.5 0.5 90 A  -1\n", "0.9 0.1 70 B  -1\n"}};
    auto data = [&samples](const std::vector<int>& which) {
        std::string text = std::to_string(which.size()) + " 2\n2  2\n";
        for (const std::size_t L : {0u, 1u}) {
            for (const int j : which) {
                text += samples[static_cast<std::size_t>(j - 1)][L];
            }
        }
        return text;
    };
    TempDir dir;
    WriteFile(dir / "d.txt", data({1, 2, 3}));
    ASSERT_EQ(RunMorvast(dir, {"--plan", "2", "--table", "c.tsv", "d.txt", "c.txt"}, "").status, 0);
    // Each pair's rows, and the positions the table gives them, from its own two-sample file.
    auto pair_rows = [&](int earlier, int later) {
        WriteFile(dir / "p.txt", data({earlier, later}));
        const auto run = RunMorvast(dir, {"--plan", "2", "--table", "-", "p.txt", "p.out"}, "");
        std::string rows;
        std::size_t start = run.out.find('\n') + 1;
        for (std::size_t end; (end = run.out.find('\n', start)) != std::string::npos;
             start = end + 1) {
            std::vector<std::string> cells;
            for (std::size_t cell = start, tab; cell <= end; cell = tab + 1) {
                tab = std::min(run.out.find('\t', cell), end);
                cells.push_back(run.out.substr(cell, tab - cell));
            }
            cells[32] = std::to_string(earlier);
            cells[33] = std::to_string(later);
            for (std::size_t i = 0; i < cells.size(); ++i) {
                rows += cells[i] + (i + 1 < cells.size() ? "\t" : "\n");
            }
        }
        return rows;
    };
    const std::string head = ReadFile(dir / "c.tsv").substr(0, table_header.size());
    EXPECT_EQ(head, table_header);
    auto out_of_order = [](const char* first, const char* from) {
        return Say(Text::out_of_order_warning,
                   {{"FIRST", first}, {"SECOND", "3"}, {"FROM", from}, {"TO", "-1"}}) +
               "\n";
    };
    const std::string warnings =
        Say(Text::few_loci_warning, {{"FROM", "0"}, {"TO", "9"}, {"LOCI", "1"}}) + "\n" +
        out_of_order("2", "9") + out_of_order("1", "0");
    const std::string first = head + pair_rows(1, 2) + pair_rows(1, 3);
    const std::string all = first + pair_rows(2, 3);
    for (const auto& [choice, expected] : {std::pair{"first", first}, std::pair{"all", all}}) {
        const std::string report = std::string(choice) + ".txt";
        const auto run = RunMorvast(dir,
                                    {"--plan", "2", "--pairs", choice, "--table", "t.tsv", "--plot",
                                     "p.svg", "d.txt", report},
                                    "");
        EXPECT_EQ(run.status, 0) << choice;
        EXPECT_EQ(run.err, warnings) << choice;
        EXPECT_EQ(ReadFile(dir / "t.tsv"), expected) << choice;
        EXPECT_EQ(ReadFile(dir / report), ReadFile(dir / "c.txt")) << choice;
        // The figure's second interval is the pair (1,3), the table's second all-loci row.
        const testing_support::TsvTable table = testing_support::ReadTsv(expected);
        EXPECT_NE(ReadFile(dir / "p.svg")
                      .find("data-interval=\"2\" data-kind=\"Fs_prime\" "
                            "data-value=\"" +
                            table.Cell(5, "Fs_prime") + "\""),
                  std::string::npos)
            << choice;
    }
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

// A run that succeeds replaces an earlier table, with the permissions of a new file (the runs
// that fail and keep it are rows of the table of cases).
TEST(MorvastTableFile, ReplacedWithThePermissionsOfANewFile) {
    TempDir dir;
    WriteFile(dir / "two.txt", two_locus_data);
    WriteFile(dir / "t.tsv", "earlier table\n");
    fs::permissions(dir / "t.tsv", fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(RunMorvast(dir, {"--table", "t.tsv", "two.txt", "r.txt"}, "2\n").status, 0);
    EXPECT_EQ(ReadFile(dir / "t.tsv").substr(0, table_header.size()), table_header);
    const mode_t mask = umask(0);
    umask(mask);
    struct stat table_stat;
    ASSERT_EQ(stat((dir / "t.tsv").c_str(), &table_stat), 0);
    EXPECT_EQ(table_stat.st_mode & 0777, 0666 & ~mask);
    EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"r.txt", "t.tsv", "two.txt"}));
}

} // namespace
