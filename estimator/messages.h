// Every text that Morvast prints of its own: the prompts, the progress lines and the failure
// messages, in one table, so that the manual page can be held against it. A word in braces,
// such as {DATA}, stands for what the run fills in there, given under that word; the manual page
// names it alike.
#pragma once

#include <array>
#include <cstddef>
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
    // Not a text: the number of texts, and new ones stand before it.
    text_count,
};

enum class TextKind { usage, prompt, progress, failure };

struct TextEntry {
    Text id;
    TextKind kind;
    std::string_view text;
};

inline constexpr std::array morvast_texts{
    TextEntry{Text::usage, TextKind::usage,
              "Usage: Morvast [--table TABLE] [DATA [REPORT]]\n"
              "       Morvast --help | -h\n"
              "       Morvast --version\n"
              "Estimates the effective size Ne from the frequency file DATA (as Pelkin writes\n"
              "it) and appends the report to REPORT, or to DATA.OUT when only DATA is given;\n"
              "without arguments, asks for both. Then asks for the sample plan (1 or 2) and,\n"
              "for plan 1, the census size N. With --table, also writes the results to TABLE\n"
              "as tab-separated values.\n"},
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
    TextEntry{Text::table_without_name, TextKind::failure,
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

// Writes that text on standard output.
void Print(Text id, std::initializer_list<SaidField> fields = {});
