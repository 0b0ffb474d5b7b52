#include "command_line.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "data_tables.h"
#include "error.h"
#include "messages.h"
#include "project_version.h"

namespace {

// What the arguments asked for: a run, or the answer of --help or --version, and the first
// fault met, which ends the run unless an answer was asked for.
struct Taken {
    std::optional<Text> answer;
    std::optional<std::string> fault;
    bool plan_given = false;
    bool census_given = false;
    bool table_given = false;
    bool plot_given = false;
    bool output_open = true; // standard output, when the program started
};

bool IsOption(std::string_view argument) {
    return argument.size() > 1 && argument[0] == '-';
}

std::string Quoted(std::string_view value) {
    std::string quoted(1, '"');
    quoted.append(value);
    quoted.push_back('"');
    return quoted;
}

// A plain decimal whole number from 1 to 2147483647: no sign, no exponent, no leading zero,
// so that it cannot be taken for another number than the one its digits say.
std::optional<std::int32_t> PlainCount(std::string_view text) {
    if (text.empty() || text.size() > 10 || text[0] < '1' || text[0] > '9') {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    if (value > INT32_MAX) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

void Fault(Taken& taken, std::string line) {
    if (!taken.fault) {
        taken.fault = std::move(line);
    }
}

// Takes the value of the option `option`; false when it is given twice, which is a fault.
bool Once(Taken& taken, bool& given, std::string_view option) {
    if (given) {
        Fault(taken, Say(Text::option_twice, {{"OPTION", option}}));
        return false;
    }
    given = true;
    return true;
}

void TakePlan(Taken& taken, std::string_view value) {
    if (!Once(taken, taken.plan_given, "--plan")) {
        return;
    }
    if (value == "1" || value == "2") {
        sample_plan = value[0] - '0';
    } else {
        Fault(taken, Say(Text::bad_plan_option, {{"VALUE", Quoted(value)}}));
    }
}

void TakeCensus(Taken& taken, std::string_view value) {
    if (!Once(taken, taken.census_given, "--census")) {
        return;
    }
    if (const std::optional<std::int32_t> count = PlainCount(value)) {
        census_size = *count;
    } else {
        Fault(taken, Say(Text::bad_census_option, {{"VALUE", Quoted(value)}}));
    }
}

void TakeTable(Taken& taken, std::string_view value) {
    if (!Once(taken, taken.table_given, "--table")) {
        return;
    }
    if (value.empty()) {
        Fault(taken, Say(Text::table_without_name));
        return;
    }
    if (value == TableOnStandardOutput && !taken.output_open) {
        Fault(taken, Say(Text::table_on_closed_output));
    }
    tablefilename = value;
}

// The figure is held whole and renamed into place, so it goes to a file, never standard output.
void TakePlot(Taken& taken, std::string_view value) {
    if (!Once(taken, taken.plot_given, "--plot")) {
        return;
    }
    if (value.empty()) {
        Fault(taken, Say(Text::plot_without_name));
    } else if (value == "-") {
        Fault(taken, Say(Text::plot_on_output));
    }
    plotfilename = value;
}

// Takes the option argv[at], and its value when it has one; returns the index of the last
// argument it took.
int TakeOption(Taken& taken, int argc, char** argv, int at) {
    const std::string_view option = argv[at];
    if (option == "--help" || option == "-h" || option == "--version") {
        if (!taken.answer) {
            taken.answer = option == "--version" ? Text::version : Text::usage;
        }
        return at;
    }
    using Take = void (*)(Taken&, std::string_view);
    const Take take = option == "--plan"     ? TakePlan
                      : option == "--census" ? TakeCensus
                      : option == "--table"  ? TakeTable
                      : option == "--plot"   ? TakePlot
                                             : nullptr;
    if (take == nullptr) {
        Fault(taken, Say(Text::unknown_option, {{"OPTION", Quoted(option)}}));
        return at;
    }
    if (at + 1 >= argc) {
        Fault(taken, option == "--table"  ? Say(Text::table_without_name)
                     : option == "--plot" ? Say(Text::plot_without_name)
                                          : Say(Text::option_without_value, {{"OPTION", option}}));
        return at;
    }
    take(taken, argv[at + 1]);
    return at + 1;
}

// Plan 1 needs N and plan 2 takes none; N without a plan would be kept for an answer to the
// plan prompt that does not use it.
void CheckPlanAndCensus(Taken& taken) {
    if (taken.census_given && sample_plan == 2) {
        Fault(taken, Say(Text::census_with_plan_two));
    } else if (taken.census_given && !taken.plan_given) {
        Fault(taken, Say(Text::census_without_plan));
    } else if (sample_plan == 1 && !taken.census_given) {
        Fault(taken, Say(Text::plan_one_without_census));
    }
}

Taken TakeArguments(int argc, char** argv, bool output_open, std::vector<std::string>& names) {
    Taken taken;
    taken.output_open = output_open;
    bool options_ended = false;
    for (int at = 1; at < argc; ++at) {
        const std::string_view argument = argv[at];
        if (!names.empty() && IsOption(argument) && !options_ended) {
            Fault(taken, Say(Text::option_after_names, {{"OPTION", Quoted(argument)}}));
        } else if (!options_ended && argument == "--") {
            options_ended = true;
        } else if (!options_ended && names.empty() && IsOption(argument)) {
            at = TakeOption(taken, argc, argv, at);
        } else if (names.size() == 2) {
            Fault(taken, Say(Text::third_name, {{"NAME", Quoted(argument)}}));
        } else {
            names.emplace_back(argument);
        }
    }
    CheckPlanAndCensus(taken);
    return taken;
}

} // namespace

Invocation TakeCommandLine(int argc, char** argv, bool output_open,
                           std::vector<std::string>& names) {
    const Taken taken = TakeArguments(argc, argv, output_open, names);
    if (taken.answer == Text::usage) {
        Print(Text::usage);
        return Invocation::answered;
    }
    if (taken.answer == Text::version) {
        Print(Text::version, {{"VERSION", ProjectVersion}});
        return Invocation::answered;
    }
    if (taken.fault) {
        throw RunEnd{*taken.fault, 2, Say(Text::usage)};
    }
    return Invocation::run;
}
