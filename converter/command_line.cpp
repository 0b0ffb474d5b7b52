#include "command_line.h"

#include <charconv>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "messages.h"
#include "project_version.h"
#include "run_end.h"
#include "run_state.h"

namespace {

constexpr int UsageStatus = 2;

[[noreturn]] void UsageError(const std::string& fault) {
    EndRun("", fault + "\n" + TextOf(Msg::Usage) + "\n", UsageStatus);
}

[[noreturn]] void Answer(const std::string& text) {
    EndRun(text + "\n", "", 0);
}

std::optional<std::int32_t> ListNumber(std::string_view item) {
    if (item.starts_with('+')) {
        item.remove_prefix(1);
        if (item.empty() || item.front() < '0' || item.front() > '9') {
            return std::nullopt;
        }
    }
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(item.data(), item.data() + item.size(), value);
    if (item.empty() || error != std::errc() || end != item.data() + item.size()) {
        return std::nullopt;
    }
    return value;
}

void TakeGenerationList(const char* list) {
    if (gen_no_given) {
        UsageError(TextOf(Msg::ListTwice));
    }
    if (list == nullptr) {
        UsageError(TextOf(Msg::ListMissing));
    }
    if (!ReadGenerationList(list)) {
        UsageError(Filled(Msg::ListMalformed, {{"list", list}}));
    }
}

void TakeFileName(std::string_view argument) {
    if (name_given) {
        UsageError(Filled(Msg::SecondFile, {{"argument", argument}}));
    }
    name_given = true;
    given_name = argument;
}

} // namespace

bool ReadGenerationList(std::string_view list) {
    std::vector<std::int32_t> numbers;
    while (true) {
        const std::size_t comma = list.find(',');
        const auto number = ListNumber(list.substr(0, comma));
        if (!number) {
            return false;
        }
        numbers.push_back(*number);
        if (comma == std::string_view::npos) {
            break;
        }
        list.remove_prefix(comma + 1);
    }
    gen_no_given = true;
    given_gen_no = std::move(numbers);
    return true;
}

void ReadCommandLine(int argc, char** argv) {
    bool options = true;       // until "--" or FILE
    bool after_dashes = false; // "--" has ended them
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!options) {
            // After FILE, or after "--": every argument is a file name, but an option after
            // FILE is told apart from a second FILE.
            if (argument.starts_with('-') && !after_dashes) {
                UsageError(Filled(Msg::OptionAfterFile, {{"argument", argument}}));
            }
            TakeFileName(argument);
        } else if (argument == "--") {
            options = false;
            after_dashes = true;
        } else if (argument == "--help" || argument == "-h") {
            Answer(TextOf(Msg::Usage));
        } else if (argument == "--version") {
            Answer(Filled(Msg::Version, {{"version", ProjectVersion}}));
        } else if (argument == "--generations") {
            TakeGenerationList(argv[i + 1]);
            ++i;
        } else if (argument.starts_with('-')) {
            UsageError(Filled(Msg::UnknownOption, {{"argument", argument}}));
        } else {
            TakeFileName(argument);
            options = false;
        }
    }
}
