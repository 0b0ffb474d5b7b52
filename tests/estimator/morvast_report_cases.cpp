// The report: what Morvast appends to the report file for small frequency files, worked
// examples and degenerate ones, and the warnings that go with them.
#include <gtest/gtest.h>

#include "messages.h"
#include "morvast_cases.h"
#include "morvast_run.h"

namespace {

using testing_support::Stored;

std::string FewLoci(const char* from, const char* to, const char* loci) {
    return Say(Text::few_loci_warning, {{"FROM", from}, {"TO", to}, {"LOCI", loci}}) + "\n";
}

const std::string one_sample = "1 2 Single generation\n2  1  \n0.5 0.5 40 A  7\n1.0 40 B  7\n";
const std::string no_loci = "3 0 No loci\n\n";

TEST(MorvastCases, Report) {
    const std::string worked_2 = Preamble("two.txt", 2) + worked_interval_plan2 + legend;
    RunMorvastCases({
        {.name = "worked_example_plan_2_both_names_given",
         .files = {{"two.txt", two_locus_data}},
         .args = {"two.txt", "report.txt"},
         .typed = "2\n",
         .out = opening_screen + "Using data from two.txt\nEnter sample plan (1 or 2): " +
                Progress("two.txt", "report.txt"),
         .left = {{"report.txt", worked_2}}},
        {.name = "worked_example_plan_1_report_named_after_the_data",
         .files = {{"two.txt", two_locus_data}},
         .args = {"two.txt"},
         .typed = "1\n1000\n",
         .out = opening_screen +
                "Using data from two.txt\nWriting resuls to two.txt.OUT\n"
                "Enter sample plan (1 or 2): Enter actual (census) population size, N: " +
                Progress("two.txt", "two.txt.OUT"),
         .left = {{"two.txt.OUT", Preamble("two.txt", 1) + worked_interval_plan1 + legend}}},
        {.name = "a_run_appends_to_an_earlier_file",
         .files = {{"two.txt", two_locus_data}, {"report.txt", "Kept from before\n"}},
         .args = {"two.txt", "report.txt"},
         .typed = "2",
         .left = {{"report.txt", "Kept from before\n" + worked_2}}},
        {.name = "every_run_appends_its_report",
         .files = {{"two.txt", two_locus_data}, {"report.txt", "Kept from before\n" + worked_2}},
         .args = {"two.txt", "report.txt"},
         .typed = "2",
         .left = {{"report.txt", "Kept from before\n" + worked_2 + worked_2}}},
        {.name = "one_sample_gives_no_interval",
         .files = {{"one.txt", one_sample}},
         .args = {"one.txt", "r.txt"},
         .typed = "2\n",
         .err = Say(Text::one_sample_warning, {{"DATA", "one.txt"}}) + "\n",
         .left = {{"r.txt", Preamble("one.txt", 2) + legend}}},
        {.name = "no_loci_gives_fixed_intervals_at_generation_zero",
         .files = {{"none.txt", no_loci}},
         .args = {"none.txt", "r.txt"},
         .typed = "2\n",
         .err = FewLoci("0", "0", "0") + FewLoci("0", "0", "0"),
         .left = {{"r.txt", Stored("r.txt")}}},
        // A fixed locus prints zeros and the mark; with one informative locus left, leaving it
        // out uses no allele, so the jackknife has no number anywhere, and its t is that of the
        // last set.
        {.name = "fixed_locus_and_one_informative_locus",
         .files = {{"fixed.txt", "2 3\n1  2  2\n"
                                 "1.0000 60 Monomorphic  10\n"
                                 "1.0000 60 Monomorphic  13\n"
                                 "0.6000 0.4000 100 Loc_with_a_long_name  10\n"
                                 "0.4000 0.6000 100 Loc_with_a_long_name  13\n"
                                 "0.5 0.5 1 Tiny  10\n"
                                 "0.5 0.5 100 Tiny  13\n"}},
         .args = {"fixed.txt", "r.txt"},
         .typed = "2\n",
         .err = FewLoci("10", "13", "1"),
         .left = {{"r.txt", Stored("r.txt")}}},
        // A single locus: leaving it out uses no allele, and that set spans no generation. The
        // second interval's samples are identical: Fs of zero, a corrected shift below zero, and
        // over the negative span an Ne of 49.5 in exact arithmetic, a little less in doubles.
        {.name = "consecutive_intervals_only_with_their_own_generations",
         .files = {{"three.txt",
                    "3 1\n2\n0.6 0.4 100 L  -2\n0.4 0.6 100 L  0x3\n0.4 0.6 100 L  1\n"}},
         .args = {"three.txt", "r.txt"},
         .typed = "2\n",
         .err = FewLoci("-2", "3", "1") +
                Say(Text::out_of_order_warning,
                    {{"FIRST", "2"}, {"SECOND", "3"}, {"FROM", "3"}, {"TO", "1"}}) +
                "\n" + FewLoci("3", "1", "1"),
         .left = {{"r.txt", Stored("r.txt")}}},
    });
}

// Each warning is a line on the standard error stream, and the run ends as it would without it;
// the warnings of one sample and of no loci are shown by the rows of the report above.
TEST(MorvastCases, Warnings) {
    const testing_support::File report{"r.txt", {}};
    RunMorvastCases({
        {.name = "warning_out_of_order",
         .files = {{"d.txt", "3 1\n2\n0.6 0.4 100 L  -2\n0.4 0.6 100 L  3\n0.4 0.6 100 L  1\n"}},
         .args = {"d.txt", "r.txt"},
         .typed = "2",
         .err = FewLoci("-2", "3", "1") +
                Say(Text::out_of_order_warning,
                    {{"FIRST", "2"}, {"SECOND", "3"}, {"FROM", "3"}, {"TO", "1"}}) +
                "\n" + FewLoci("3", "1", "1"),
         .left = {report}},
        // Every allele swaps between fixed and absent: Fs = 4/1, and Fs' = 3.96/1.98.
        {.name = "warning_fs_above_one",
         .files = {{"d.txt",
                    "2 2\n2  2\n1 0 100 A  0\n0 1 100 A  1\n0 1 100 B  0\n1 0 100 B  1\n"}},
         .args = {"d.txt", "r.txt"},
         .typed = "2",
         .err =
             Say(Text::fs_above_one_warning, {{"FROM", "0"}, {"TO", "1"}, {"FSP", "2.0000000"}}) +
             "\n",
         .left = {report}},
        {.name = "warning_census_below_a_sample",
         .files = {{"d.txt", two_locus_data}},
         .args = {"d.txt", "r.txt"},
         .typed = "1 10",
         .err = Say(Text::census_warning, {{"N", "10"}, {"SIZE", "50"}}) + "\n",
         .left = {report}},
        {.name = "no_warning_census_of_the_largest_sample",
         .files = {{"d.txt", two_locus_data}},
         .args = {"d.txt", "r.txt"},
         .typed = "1 50",
         .left = {report}},
    });
}

} // namespace
