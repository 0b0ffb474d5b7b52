// Whole runs of Morvast with --table FILE: the table's bytes, its numbers against the report's
// printed digits, the names it refuses, and what a failed run leaves of the files.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include "messages.h"
#include "morvast_run.h"
#include "table_report.h"
#include "tsv_table.h"

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
                           "\tcal_Ne_lower\tcal_Ne_upper\n";
const std::string no_limits = "\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA"
                              "\tNA\tNA\tNA\tNA\tNA\tNA\n";

// The files of a folder, by name.
std::set<std::string> FilesIn(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::string Progress(const std::string& data, const std::string& report) {
    return "Reading " + data + "\nProcessing " + data + "\nResult written to " + report + "\n";
}

// The worked two-locus case under plan 2. The report's rows, to 17 digits; the jackknife's
// values as the report computes them. The log-scale limits over m = 2 loci: leaving out locus
// 1 gives Fs 0.0404040, locus 2 Fs 0.16; v = (ln 0.0404040 + ln 0.16)/2 = -2.5207078, SE =
// sqrt(1/2 x 2 x 0.6881248^2) = 0.6881248, t(0.975, 1 df) = tan(0.475 pi) = 12.7062047, so the
// Fs limits are exp(-2.5207078 -/+ 8.7435993) = 1.2824891e-05 and 504.07028. Their Fs' are
// -0.0201891 and 3.9883922, and the lower Fs' limit below 0 leaves Ne without an upper limit.
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
                  no_limits +
                  "0\t5\t5\tLoc2\t2\t50\t50\t0.040404040404040387\t0.020202020202020183"
                  "\t123.75000000000011" +
                  no_limits +
                  "0\t5\t5\tall\t4\t50\t50\t0.10050251256281401\t0.078827490592196403"
                  "\t31.714824120603044"
                  "\t0.10020202020202015\t0.078090530351836843\t32.014125000000014"
                  "\t0.05979797979797976\t0.057786992460359274"
                  "\t-0.017002020202020171\t0.21740606060606049"
                  "\t-0.035171974870467332\t0.19135303557414102"
                  "\t13.064856758080319\t-71.079318383658972"
                  "\t1.2824891174436905e-05\t504.07027839207336"
                  "\t-0.020189065808025142\t3.9883922158325067"
                  "\t0.62681899490122461\tInf\n");
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

// Read back by a plain reader: every row has every column, a tab in a locus name is written
// as "_", and the rows of a fixed locus and an interval with one informative locus are NA where
// the report has no number.
TEST(MorvastTable, ReadsBackAsATable) {
    TempDir dir;
    WriteFile(dir / "d.txt", "3 2\n2  1\n"
                             "0.6 0.4 100 A\tB  0\n0.4 0.6 100 A\tB  4\n0.5 0.5 100 A\tB  9\n"
                             "1.0 100 C  0\n1.0 100 C  4\n1.0 100 C  9\n");
    ASSERT_EQ(RunMorvast(dir, {"--table", "t.tsv", "d.txt", "r.txt"}, "2\n").status, 0);
    const testing_support::TsvTable table = testing_support::ReadTsv(ReadFile(dir / "t.tsv"));
    ASSERT_EQ(table.fault, "");
    EXPECT_EQ(table.header.size(), 27u);
    ASSERT_EQ(table.rows.size(), 6u);
    const std::vector<std::string> loci{"A_B", "C", "all", "A_B", "C", "all"};
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        EXPECT_EQ(table.Cell(row, "locus"), loci[row]);
    }
    EXPECT_EQ(table.Cell(1, "alleles") + table.Cell(1, "S1") + table.Cell(1, "Fs"), "00NA");
    EXPECT_EQ(table.Cell(2, "jk_Fs_se") + table.Cell(2, "cal_Ne_upper"), "NANA");
    EXPECT_EQ(table.Cell(5, "from") + table.Cell(5, "to") + table.Cell(5, "t"), "495");
}

// Any two of the data file, the report file and the table that are one file are refused before
// the plan is asked, naming both: by the name, by another path to the file, by a link to it (a
// link to no file by its target's name, since writing the link makes that file), by another name
// of the same file, or by a name the report gets from the data file. No file is created or
// changed.
TEST(MorvastTableRefused, DataReportOrTableAreOneFile) {
    struct Case {
        std::string table;
        std::vector<std::string> names;
        std::string message;
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

TEST(MorvastTableRefused, OptionWithoutFileName) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--table"}, std::vector<std::string>{"--table", ""}}) {
        TempDir dir;
        const auto run = RunMorvast(dir, args, "two.txt r.txt 2\n");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err,
                  "Morvast: --table needs a file name after it, before the data file's name\n");
        EXPECT_EQ(run.out, opening_screen);
        EXPECT_TRUE(FilesIn(dir).empty());
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
    EXPECT_EQ(run.err, "Cannot write the results to /dev/full\n");
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
