// Every text that Morvast prints of its own: the prompts, the progress lines and the failure
// messages, in one table, so that the manual page can be held against it. A word in braces,
// such as {DATA}, stands for what the run fills in there, given under that word; the manual page
// names it alike.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

enum class Text {
    // The answers to --help and --version.
    usage,
    version,
    // The prompts, which end without a line end.
    data_file_prompt,
    report_file_prompt,
    plan_prompt,
    census_prompt,
    // The progress lines.
    using_data,
    writing_results,
    reading,
    processing,
    result_written,
    // The failures, each written by Error on the standard error stream, status 1.
    invalid_entry,
    cannot_open_report,
    cannot_open_data,
    header_format,
    allele_count,
    too_many_alleles,
    unreadable_allele,
    frequency_sum,
    sample_size,
    generation_number,
    cannot_write_report,
    table_without_name,
    report_is_data,
    table_is_data,
    table_is_report,
    table_kind,
    cannot_write_table,
    plot_is_data,
    plot_is_report,
    plot_is_table,
    plot_kind,
    cannot_write_plot,
    // The faults of the command line, each on its own line before the usage, status 2.
    unknown_option,
    option_without_value,
    option_twice,
    bad_plan_option,
    bad_census_option,
    census_with_plan_two,
    census_without_plan,
    plan_one_without_census,
    option_after_names,
    third_name,
    table_on_closed_output,
    plot_without_name,
    plot_on_output,
    // The warnings, each a line on the standard error stream; the run goes on.
    one_sample_warning,
    census_warning,
    out_of_order_warning,
    fs_above_one_warning,
    few_loci_warning,
    // The lines after a refusal that say what was read and what to change.
    plan_hint,
    plan_after_names_hint,
    plan_at_end,
    census_hint,
    census_at_end,
    // How an answer for N was read, when it says another number to the eye.
    census_read_notice,
    census_read_in_base_8,
    census_read_in_base_16,
    census_read_in_part,
    // The lines after a refusal of a file: where it stands and what to change.
    report_open_hint,
    report_write_hint,
    data_open_hint,
    genepop_hint,
    data_at_line_hint,
    data_at_end_hint,
    data_empty_hint,
    data_at_offset_hint,
    // What the reader expected where it stopped, in the line of a refusal of the data file.
    expect_header,
    expect_allele_count,
    expect_fewer_alleles,
    expect_frequency,
    expect_sum,
    expect_alleles_listed,
    expect_size,
    expect_generation,
    // Not a text: the number of texts, and new ones stand before it.
    text_count,
};

enum class TextKind { usage, prompt, progress, failure, usage_fault, warning, hint, notice };

struct TextEntry {
    Text id;
    TextKind kind;
    std::string_view text;
};

inline constexpr std::array morvast_texts{
    TextEntry{Text::usage, TextKind::usage,
              "Usage: Morvast [OPTIONS] [DATA [REPORT]]\n"
              "       Morvast --help | -h\n"
              "       Morvast --version\n"
              "Estimates the effective size Ne from the frequency file DATA (as Pelkin writes\n"
              "it) and appends the report to REPORT, or to DATA.OUT when only DATA is given;\n"
              "without file names, asks for both. Then asks for the sample plan (1 or 2) and,\n"
              "for plan 1, the census size N, unless the options give them.\n"
              "Options, before the file names (-- ends them):\n"
              "  --plan 1|2     the sample plan, not asked then\n"
              "  --census N     with --plan 1: the census size N, a plain whole number\n"
              "  --table TABLE  also write the results to TABLE as tab-separated values;\n"
              "                 with --table -, on standard output, and the screen's lines\n"
              "                 on standard error\n"
              "  --plot PLOT    also draw Ne and Fs' per interval into PLOT, an SVG file\n"
              "  -h, --help     print this text\n"
              "  --version      print the version\n"},
    TextEntry{Text::version, TextKind::usage, "Morvast {VERSION}\n"},

    TextEntry{Text::data_file_prompt, TextKind::prompt, "Enter name of data file: "},
    TextEntry{Text::report_file_prompt, TextKind::prompt, "Enter output file name: "},
    TextEntry{Text::plan_prompt, TextKind::prompt, "Enter sample plan (1 or 2): "},
    TextEntry{Text::census_prompt, TextKind::prompt, "Enter actual (census) population size, N: "},

    TextEntry{Text::using_data, TextKind::progress, "Using data from {DATA}\n"},
    TextEntry{Text::writing_results, TextKind::progress, "Writing resuls to {REPORT}\n"},
    TextEntry{Text::reading, TextKind::progress, "Reading {DATA}\n"},
    TextEntry{Text::processing, TextKind::progress, "Processing {DATA}\n"},
    TextEntry{Text::result_written, TextKind::progress, "Result written to {REPORT}\n"},

    TextEntry{Text::invalid_entry, TextKind::failure, " Invalid entry "},
    TextEntry{Text::cannot_open_report, TextKind::failure, " Cannon open outfile for writing "},
    TextEntry{Text::cannot_open_data, TextKind::failure, "Cannot open data file {DATA}"},
    TextEntry{Text::header_format, TextKind::failure, "Invalid infile format or numeric error"},
    TextEntry{Text::allele_count, TextKind::failure, "Error in indata file (number of alleles)"},
    TextEntry{Text::too_many_alleles, TextKind::failure,
              "Too many alleles at one or more loci (adjust MaxAlleles)"},
    TextEntry{Text::unreadable_allele, TextKind::failure,
              "Error in indata file: cannot read allele {A} at locus {L} in sample {J}"},
    // The line end is the message's own: an empty line follows it.
    TextEntry{Text::frequency_sum, TextKind::failure,
              "Error in indata file: allele frequencies sum to {S} at locus {L} in sample {J}\n"},
    TextEntry{Text::sample_size, TextKind::failure, "Error in infilename (sample size)"},
    TextEntry{Text::generation_number, TextKind::failure,
              "Error in infilename (generation number)"},
    TextEntry{Text::cannot_write_report, TextKind::failure, "Cannot write the results to {REPORT}"},
    TextEntry{Text::table_without_name, TextKind::usage_fault,
              "Morvast: --table needs a file name after it, before the data file's name"},
    TextEntry{Text::report_is_data, TextKind::failure,
              "Morvast: the report file {REPORT} is the data file {DATA}; name another report "
              "file"},
    TextEntry{Text::table_is_data, TextKind::failure,
              "Morvast: the table {TABLE} would replace the data file {DATA}; name another file "
              "after --table"},
    TextEntry{Text::table_is_report, TextKind::failure,
              "Morvast: the table {TABLE} would replace the report file {REPORT}; name another "
              "file after --table"},
    TextEntry{Text::table_kind, TextKind::failure,
              "Morvast: the table {TABLE} is a socket or a block device; name a file, a "
              "character device or a named pipe after --table"},
    // {REASON} is the system's description of the error.
    TextEntry{Text::cannot_write_table, TextKind::failure,
              "Morvast: cannot write the table {TABLE}: {REASON}"},
    TextEntry{Text::plot_is_data, TextKind::failure,
              "Morvast: the figure {PLOT} would replace the data file {DATA}; name another file "
              "after --plot"},
    TextEntry{Text::plot_is_report, TextKind::failure,
              "Morvast: the figure {PLOT} would replace the report file {REPORT}; name another "
              "file after --plot"},
    TextEntry{Text::plot_is_table, TextKind::failure,
              "Morvast: the figure {PLOT} would replace the table {TABLE}; name another file "
              "after --plot"},
    TextEntry{Text::plot_kind, TextKind::failure,
              "Morvast: the figure {PLOT} is a socket or a block device; name a file, a "
              "character device or a named pipe after --plot"},
    // {REASON} is the system's description of the error.
    TextEntry{Text::cannot_write_plot, TextKind::failure,
              "Morvast: cannot write the figure {PLOT}: {REASON}"},

    TextEntry{Text::unknown_option, TextKind::usage_fault,
              "Morvast: unknown option {OPTION}; the options are --plan, --census, --table, "
              "--plot, --help and --version"},
    TextEntry{Text::option_without_value, TextKind::usage_fault,
              "Morvast: {OPTION} needs a value after it"},
    TextEntry{Text::option_twice, TextKind::usage_fault,
              "Morvast: {OPTION} is given twice; give it once"},
    TextEntry{Text::bad_plan_option, TextKind::usage_fault,
              "Morvast: --plan takes 1 or 2, not {VALUE}"},
    TextEntry{Text::bad_census_option, TextKind::usage_fault,
              "Morvast: --census takes a whole number from 1 to 2147483647 in plain decimal "
              "digits, without a sign, an exponent or a leading 0, not {VALUE}"},
    TextEntry{Text::census_with_plan_two, TextKind::usage_fault,
              "Morvast: --census is for plan 1 only; plan 2 does not use N, so leave --census "
              "out"},
    TextEntry{Text::census_without_plan, TextKind::usage_fault,
              "Morvast: --census needs --plan 1 beside it"},
    TextEntry{Text::plan_one_without_census, TextKind::usage_fault,
              "Morvast: --plan 1 needs --census N, the census size of the population"},
    TextEntry{Text::option_after_names, TextKind::usage_fault,
              "Morvast: the option {OPTION} stands after a file name; put the options before "
              "the file names (a file name that begins with - goes after --)"},
    TextEntry{Text::third_name, TextKind::usage_fault,
              "Morvast: a third file name, {NAME}; give the data file and the report file "
              "only"},
    TextEntry{Text::table_on_closed_output, TextKind::usage_fault,
              "Morvast: --table - writes the table on standard output, which is closed; name a "
              "file after --table"},
    TextEntry{Text::plot_without_name, TextKind::usage_fault,
              "Morvast: --plot needs a file name after it, before the data file's name"},
    TextEntry{Text::plot_on_output, TextKind::usage_fault,
              "Morvast: --plot takes a file name, not -: the figure is not written on standard "
              "output; name a file after --plot"},

    TextEntry{Text::one_sample_warning, TextKind::warning,
              "Morvast: warning: {DATA} holds fewer than two samples, so there is no interval to "
              "estimate and the report has none; Ne needs samples of two generations or more"},
    TextEntry{Text::census_warning, TextKind::warning,
              "Morvast: warning: N = {N} is smaller than the largest sample, {SIZE} "
              "individuals; N is the census size of the whole population, not of a sample, and "
              "a wrong N shifts Fs' by about 1/N"},
    TextEntry{Text::out_of_order_warning, TextKind::warning,
              "Morvast: warning: sample {SECOND} (generation {TO}) follows sample {FIRST} "
              "(generation {FROM}) but was taken before it, so t over that interval is negative "
              "and so is its Ne; list the samples in the order in which they were taken"},
    TextEntry{Text::fs_above_one_warning, TextKind::warning,
              "Morvast: warning: over the interval from {FROM} to {TO} the all-loci Fs' is "
              "{FSP}, above 1, which would make Ne smaller than half the generations between "
              "the samples; check that the samples are of one population and that each allele "
              "stands in the same place on every line of its locus"},
    TextEntry{Text::few_loci_warning, TextKind::warning,
              "Morvast: warning: over the interval from {FROM} to {TO} {LOCI} of the loci use an "
              "allele, fewer than two, so the jackknife over loci gives no standard errors or "
              "limits"},

    TextEntry{Text::plan_hint, TextKind::hint,
              "Morvast: the answer {ANSWER} to the sample plan prompt is not 1 or 2; answer 1 "
              "or 2 (the manual page says which plan fits your sampling), or give --plan 1 or "
              "--plan 2"},
    TextEntry{Text::plan_after_names_hint, TextKind::hint,
              "Morvast: the answer {ANSWER} to the sample plan prompt is not 1 or 2; a file "
              "name typed at a prompt ends at its first blank, and the words after it answer "
              "the next prompts: give such a name on the command line, or answer 1 or 2"},
    TextEntry{Text::plan_at_end, TextKind::hint,
              "Morvast: the input ended before the sample plan prompt was answered; answer 1 or "
              "2, or give --plan 1 or --plan 2"},
    TextEntry{Text::census_hint, TextKind::hint,
              "Morvast: the answer {ANSWER} to the census size prompt is not a whole number "
              "from 1 to 2147483647; answer the number of adults in the population in plain "
              "decimal digits, or give --plan 1 --census N"},
    TextEntry{Text::census_at_end, TextKind::hint,
              "Morvast: the input ended before the census size prompt was answered; answer N, "
              "or give --plan 1 --census N"},

    TextEntry{Text::census_read_notice, TextKind::notice,
              "Morvast: the census size N was read as {N} from the answer {ANSWER}, because "
              "{WHY}; to give another N, answer it in plain decimal digits alone, or give "
              "--plan 1 --census N"},
    TextEntry{Text::census_read_in_base_8, TextKind::notice,
              "a number that begins with 0 is read in base 8"},
    TextEntry{Text::census_read_in_base_16, TextKind::notice,
              "a number that begins with 0x is read in base 16"},
    TextEntry{Text::census_read_in_part, TextKind::notice,
              "only the whole number at the start of an answer is read"},

    TextEntry{Text::report_open_hint, TextKind::hint,
              "Morvast: cannot open the report file {REPORT} for appending: {REASON}; name a "
              "report file in a folder that exists and that you may write"},
    TextEntry{Text::report_write_hint, TextKind::hint,
              "Morvast: the report could not be written whole to {REPORT}: {REASON}; the file "
              "is left as it was before the run: free space, or raise the limit on the size of "
              "files, and run again"},
    TextEntry{Text::data_open_hint, TextKind::hint,
              "Morvast: cannot read the data file {DATA}: {REASON}; check its name, and that it "
              "is a file you may read"},
    TextEntry{Text::genepop_hint, TextKind::hint,
              "Morvast: {DATA} looks like a GenePop file, not a frequency file: its line {LINE} "
              "is {POP}; convert it with Pelkin first, and give Morvast the frequency file that "
              "Pelkin writes"},
    TextEntry{Text::data_at_line_hint, TextKind::hint,
              "Morvast: in {DATA}, line {LINE}, which begins {START}: {EXPECTED}"},
    TextEntry{Text::data_at_end_hint, TextKind::hint,
              "Morvast: {DATA} ends after line {LINE}: {EXPECTED}"},
    TextEntry{Text::data_empty_hint, TextKind::hint, "Morvast: {DATA} is empty: {EXPECTED}"},
    TextEntry{Text::data_at_offset_hint, TextKind::hint,
              "Morvast: in {DATA}, after its first {OFFSET} characters: {EXPECTED}"},

    TextEntry{Text::expect_header, TextKind::hint,
              "the numbers of samples and of loci were expected, two whole numbers at the start "
              "of the first line; give Morvast a frequency file as Pelkin writes it"},
    TextEntry{Text::expect_allele_count, TextKind::hint,
              "the number of alleles of locus {L} was expected, a whole number; the second line "
              "holds one for each locus"},
    TextEntry{Text::expect_fewer_alleles, TextKind::hint,
              "locus {L} lists {K} alleles, and at most {MAX} are read; pool its rarest "
              "alleles, or leave the locus out"},
    TextEntry{Text::expect_frequency, TextKind::hint,
              "the frequency of allele {A} of locus {L} in sample {J} was expected, a decimal "
              "number; the line of each locus and sample holds one for every allele that the "
              "second line lists for the locus"},
    TextEntry{Text::expect_sum, TextKind::hint,
              "the frequencies of locus {L} in sample {J} were expected to sum to 1 within "
              "0.01; correct them, or convert the GenePop file again"},
    TextEntry{Text::expect_alleles_listed, TextKind::hint,
              "locus {L} lists no allele, so it has no typed copy in any sample; remove it from "
              "the GenePop file and convert it again"},
    TextEntry{Text::expect_size, TextKind::hint,
              "the sample size of locus {L} in sample {J} was expected after its frequencies, a "
              "number of allele copies of 0 or more"},
    TextEntry{Text::expect_generation, TextKind::hint,
              "the generation number of sample {J} was expected after the name of locus {L}, a "
              "whole number; a locus name holds no blank"},
};

// The table lists every text once, in the order of Text, so that a text is found by its place.
constexpr bool InTextOrder() {
    for (std::size_t i = 0; i < morvast_texts.size(); ++i) {
        if (static_cast<std::size_t>(morvast_texts[i].id) != i) {
            return false;
        }
    }
    return static_cast<std::size_t>(Text::text_count) == morvast_texts.size();
}
static_assert(InTextOrder(), "morvast_texts must list every Text once, in order");

// The value of the field `name` of a text ("{name}" in it).
struct SaidField {
    std::string_view name;
    std::string_view value;
};

// `text` with every field replaced by the value given under its name. A field without a value,
// or a value whose name stands in no field, is a fault of the program, not of its input, and
// throws std::logic_error naming the text and the field.
std::string FillFields(std::string_view text, std::span<const SaidField> fields);

// The text `id` with its fields filled by name, each value shown as Shown does, since a value
// may come from the data file or the command line.
std::string Say(Text id, std::initializer_list<SaidField> fields = {});

// The stream of the screen's lines, the opening screen, the prompts and the progress: standard
// output, or standard error when the table takes standard output.
extern std::FILE* console;

// Writes that text on the console.
void Print(Text id, std::initializer_list<SaidField> fields = {});

// Writes that text and a line end on the standard error stream: a warning, or a line that says
// how an answer was read.
void Warn(Text id, std::initializer_list<SaidField> fields = {});
