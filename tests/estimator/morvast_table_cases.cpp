// Whole runs of Morvast with --table FILE or --plot FILE: the table's bytes, the names refused,
// and what a failed run leaves of the files.
#include <gtest/gtest.h>

#include "messages.h"
#include "morvast_cases.h"
#include "morvast_run.h"

namespace {

using testing_support::Absent;
using testing_support::AFolder;
using testing_support::Case;
using testing_support::File;
using testing_support::HardLink;
using testing_support::Link;
using testing_support::Socket;
using testing_support::Stored;

// The refusal of the answer 3 to the plan prompt.
std::string Refused3() {
    return Say(Text::invalid_entry) + "\n" + Say(Text::plan_hint, {{"ANSWER", "\"3\""}}) + "\n";
}

const std::string no_limits = "\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA"
                              "\tNA\tNA\tNA\tNA\tNA\tNA";
const std::string no_chi_square = "\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA\tNA";

// The worked two-locus case under plan 2. The report's rows, to 17 digits; the jackknife's
// values as the report computes them. The log-scale limits over m = 2 loci: leaving out locus
// 1 gives Fs 0.0404040, locus 2 Fs 0.16; v = (ln 0.0404040 + ln 0.16)/2 = -2.5207078, SE =
// sqrt(1/2 x 2 x 0.6881248^2) = 0.6881248, t(0.975, 1 df) = tan(0.475 pi) = 12.7062047, so the
// Fs limits are exp(-2.5207078 -/+ 8.7435993) = 1.2824891e-05 and 504.07028. Their Fs' are
// -0.0201891 and 3.9883922, and the lower Fs' limit below 0 leaves Ne without an upper limit.
// The sums of Fs: locus 1 0.2^2 + 0.2^2 = 0.08 over 0.5 x 0.5 x 2 = 0.5, locus 2 0.01 + 0.01 =
// 0.02 over 0.55 x 0.45 x 2 = 0.495, all loci 0.1 over 0.995. Fc and Fk: locus 1 (0.04/0.26) and
// 0.04/0.5 x 2 = 0.16, locus 2 0.01/0.25 = 0.04 and 0.01/0.55 + 0.01/0.45 = 0.0404040, all loci
// their means 0.0969231 and 0.1002020; Ne = 5 / 2(F - 1/100 - 1/100). On 2 degrees of freedom,
// q(0.975) = 7.3777589 and q(0.025) = 0.0506356: Fc from 2 x 0.0969231 / 7.3777589 = 0.0262744
// to 3.8282571, Ne from 0.6564683 to 398.44477; Fk from 0.0271633 to 3.9577684.
TEST(MorvastCases, Table) {
    const std::string worked_table =
        table_header +
        "0\t5\t5\tLoc1\t2\t50\t50\t0.15999999999999992\t0.13519813519813512"
        "\t18.49137931034484" +
        no_limits + "\t2\tNA\t1\t0.07999999999999996\t0.5" +
        "\t1\t2\t0.15384615384615377\t0.15999999999999992\t18.678160919540243"
        "\t17.857142857142868" +
        no_chi_square + "\n" +
        "0\t5\t5\tLoc2\t2\t50\t50\t0.040404040404040387\t0.020202020202020183"
        "\t123.75000000000011" +
        no_limits + "\t2\tNA\t1\t0.01999999999999999\t0.495" +
        "\t1\t2\t0.03999999999999998\t0.04040404040404038\t125.00000000000014"
        "\t122.52475247524769" +
        no_chi_square + "\n" +
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
        "\t0.99500000000000011"
        "\t1\t2\t0.096923076923076876\t0.10020202020202015\t32.500000000000014"
        "\t31.17128463476072\t2\t0.026274395281468386\t3.8282570506585425"
        "\t0.027163267720844663\t3.9577683922793461\t0.65646829159488784"
        "\t398.44477242035168\t0.63487735969989201\t349.00273135473566\n";
    const std::string worked_2 = Preamble("two.txt", 2) + worked_interval_plan2 + legend;
    const File two{"two.txt", two_locus_data};
    const std::string asked_plan = AskedPlan("two.txt");
    RunMorvastCases({
        {.name = "table_of_the_worked_example",
         .files = {two},
         .args = {"--table", "t.tsv", "two.txt", "report.txt"},
         .typed = "2\n",
         .out = asked_plan + Progress("two.txt", "report.txt"),
         .left = {{"report.txt", worked_2}, {"t.tsv", worked_table}}},
        // With --table -, standard output carries the table alone, as a file would hold it, and
        // the screen's lines go to the standard error stream.
        {.name = "table_on_standard_output",
         .files = {two},
         .args = {"--plan", "2", "--table", "-", "two.txt", "r.txt"},
         .out = worked_table,
         .err = Screen("two.txt") + Progress("two.txt", "r.txt"),
         .left = {{"r.txt", worked_2}}},
        // A run that fails leaves an earlier table as it was, and no draft behind.
        {.name = "table_kept_after_a_refused_plan",
         .files = {two, {"t.tsv", "earlier table\n"}},
         .args = {"--table", "t.tsv", "two.txt", "r.txt"},
         .typed = "3\n",
         .status = 1,
         .out = asked_plan,
         .err = Refused3(),
         .left = {{"t.tsv", "earlier table\n"}}},
        {.name = "table_kept_after_a_refused_data_file",
         .files = {{"bad.txt", "no numbers\n"}, {"t.tsv", "earlier table\n"}},
         .args = {"--table", "t.tsv", "bad.txt", "r.txt"},
         .typed = "2\n",
         .status = 1,
         .err = Stored("err.txt"),
         .left = {{"t.tsv", "earlier table\n"}}},
        // A report that cannot be written ends the run after the table's draft was written: the
        // draft is removed and the earlier table kept.
        {.name = "table_kept_after_a_report_not_written",
         .files = {two, {"t.tsv", "earlier table\n"}},
         .args = {"--table", "t.tsv", "two.txt", "/dev/full"},
         .typed = "2\n",
         .status = 1,
         .err = ReportNotWritten("/dev/full", "No space left on device"),
         .left = {{"t.tsv", "earlier table\n"}}},
    });
}

// A table in a folder that does not exist, of the name of a folder, of a name longer than the
// system takes, or that is a socket cannot be written: the run ends naming it, before the
// report is appended, so that running again adds no second report.
TEST(MorvastCases, TableThatCannotBeWritten) {
    const auto not_written = [](std::string name, std::string table, std::string message) {
        return Case{.name = std::move(name),
                    .files = {{"two.txt", two_locus_data},
                              {"r.txt", "Kept\n"},
                              {"folder", AFolder()},
                              {"socket", Socket()}},
                    .args = {"--table", table, "two.txt", "r.txt"},
                    .typed = "2\n",
                    .status = 1,
                    .out = AskedPlan("two.txt") + Processed("two.txt"),
                    .err = message + "\n",
                    .left = {{"r.txt", "Kept\n"}}};
    };
    const auto reason = [](const std::string& table, const std::string& why) {
        return Say(Text::cannot_write_table, {{"TABLE", table}, {"REASON", why}});
    };
    const std::string long_name(300, 't');
    RunMorvastCases({
        not_written("table_in_a_missing_folder", "missing/t.tsv",
                    reason("missing/t.tsv", "No such file or directory")),
        not_written("table_a_folder", "folder", reason("folder", "Is a directory")),
        not_written("table_of_too_long_a_name", long_name, reason(long_name, "File name too long")),
        not_written("table_a_socket", "socket", Say(Text::table_kind, {{"TABLE", "socket"}})),
    });
}

// Any two of the data file, the report file, the table and the figure that are one file are
// refused before the plan is asked, naming both: by the name, by another path to the file, by a
// link to it (a link to no file by its target's name, since writing the link makes that file),
// by another name of the same file, or by a name the report gets from the data file. No file is
// created or changed.
TEST(MorvastCases, DataReportTableOrFigureAreOneFile) {
    const auto one_file = [](std::string name, std::vector<std::string> args, std::string message) {
        const bool named = args.size() % 2 == 1; // one file name after the options
        return Case{.name = std::move(name),
                    .files = {{"two.txt", two_locus_data},
                              {"old.txt", "Kept\n"},
                              {"sub", AFolder()},
                              {"link.txt", Link("two.txt")},
                              {"dangling", Link("t.tsv")},
                              {"hard.txt", HardLink("old.txt")}},
                    .args = std::move(args),
                    .typed = "2\n",
                    .status = 1,
                    .out = Screen("two.txt") +
                           (named ? Say(Text::writing_results, {{"REPORT", "two.txt.OUT"}}) : ""),
                    .err = message + "\n",
                    .left = {{"two.txt", two_locus_data},
                             {"old.txt", "Kept\n"},
                             {"dangling", Link("t.tsv")}}};
    };
    const auto table_is = [](Text text, const char* table, const char* other) {
        return Say(text,
                   {{"TABLE", table}, {text == Text::table_is_data ? "DATA" : "REPORT", other}});
    };
    const auto plot_is = [](Text text, const char* plot, const char* field, const char* other) {
        return Say(text, {{"PLOT", plot}, {field, other}});
    };
    RunMorvastCases({
        one_file("table_is_data", {"--table", "two.txt", "two.txt", "r.txt"},
                 table_is(Text::table_is_data, "two.txt", "two.txt")),
        one_file("table_is_data_by_another_path",
                 {"--table", "./sub/../two.txt", "two.txt", "r.txt"},
                 table_is(Text::table_is_data, "./sub/../two.txt", "two.txt")),
        one_file("table_is_data_by_a_link", {"--table", "link.txt", "two.txt", "r.txt"},
                 table_is(Text::table_is_data, "link.txt", "two.txt")),
        one_file("table_is_report", {"--table", "old.txt", "two.txt", "old.txt"},
                 table_is(Text::table_is_report, "old.txt", "old.txt")),
        one_file("table_is_report_by_another_name", {"--table", "hard.txt", "two.txt", "old.txt"},
                 table_is(Text::table_is_report, "hard.txt", "old.txt")),
        one_file("table_is_a_new_report", {"--table", "./new.txt", "two.txt", "new.txt"},
                 table_is(Text::table_is_report, "./new.txt", "new.txt")),
        one_file("table_is_the_report_named_after_the_data", {"--table", "two.txt.OUT", "two.txt"},
                 table_is(Text::table_is_report, "two.txt.OUT", "two.txt.OUT")),
        one_file("table_is_the_target_of_a_dangling_report",
                 {"--table", "t.tsv", "two.txt", "dangling"},
                 table_is(Text::table_is_report, "t.tsv", "dangling")),
        one_file("report_is_data", {"two.txt", "two.txt"},
                 Say(Text::report_is_data, {{"REPORT", "two.txt"}, {"DATA", "two.txt"}})),
        one_file("report_is_data_by_a_link", {"two.txt", "sub/../link.txt"},
                 Say(Text::report_is_data, {{"REPORT", "sub/../link.txt"}, {"DATA", "two.txt"}})),
        one_file("figure_is_data", {"--plot", "link.txt", "two.txt", "r.txt"},
                 plot_is(Text::plot_is_data, "link.txt", "DATA", "two.txt")),
        one_file("figure_is_report", {"--plot", "hard.txt", "two.txt", "old.txt"},
                 plot_is(Text::plot_is_report, "hard.txt", "REPORT", "old.txt")),
        one_file("figure_is_table", {"--table", "t.tsv", "--plot", "./t.tsv", "two.txt", "r.txt"},
                 plot_is(Text::plot_is_table, "./t.tsv", "TABLE", "t.tsv")),
    });
}

// An earlier figure is replaced only by a run that succeeds; a device takes the figure after
// the report, a folder is refused before the report is appended.
TEST(MorvastCases, FigureFile) {
    const File two{"two.txt", two_locus_data};
    const File earlier{"f.svg", "earlier figure\n"};
    RunMorvastCases({
        {.name = "figure_kept_after_a_refused_plan",
         .files = {two, earlier},
         .args = {"--plot", "f.svg", "two.txt", "r.txt"},
         .typed = "3\n",
         .status = 1,
         .err = Refused3(),
         .left = {earlier, {"r.txt", Absent()}}},
        {.name = "figure_kept_after_a_refused_data_file",
         .files = {{"bad.txt", "no numbers\n"}, earlier},
         .args = {"--plot", "f.svg", "bad.txt", "r.txt"},
         .typed = "2\n",
         .status = 1,
         .err = Stored("err.txt"),
         .left = {earlier, {"r.txt", Absent()}}},
        {.name = "figure_a_folder",
         .files = {two, {"folder", AFolder()}},
         .args = {"--plot", "folder", "two.txt", "r.txt"},
         .typed = "2\n",
         .status = 1,
         .err = Say(Text::cannot_write_plot, {{"PLOT", "folder"}, {"REASON", "Is a directory"}}) +
                "\n",
         .left = {{"r.txt", Absent()}, {"folder", AFolder()}}},
        {.name = "figure_on_a_device",
         .files = {two},
         .args = {"--plot", "/dev/null", "two.txt", "r.txt"},
         .typed = "2\n",
         .left = {{"r.txt", Preamble("two.txt", 2) + worked_interval_plan2 + legend}}},
        {.name = "figure_replaced",
         .files = {two, earlier},
         .args = {"--plot", "f.svg", "two.txt", "r.txt"},
         .typed = "2\n",
         .left = {{"r.txt", {}}, {"f.svg", Stored("f.svg")}}},
    });
}

} // namespace
