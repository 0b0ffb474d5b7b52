// Fuzzes whole runs of Morvast in process: the input is the frequency file and the answers on
// standard input. Its first byte chooses how the run is started:
//   bits 0-1  the file names: 0 typed at the prompts, 1 the data file as the one argument (the
//             report is named after it), 2 or 3 both as arguments;
//   bit 2     an earlier report stands in the report file;
//   bit 3     standard output is a pipe closed at its far end;
//   bits 4-6  1: there is no data file, 2: the report's name is a folder, 3: the data file's
//             name is a folder, 4: the answers' first word is given as --plan and, after
//             --plan 1, the second as --census, before the file names; any other value: none
//             of these;
//   bit 7     the run also writes a table (--table), over an earlier one under bit 2.
// The rest, up to its first NUL byte, is the frequency file, and what follows the NUL is the
// answers (after the two file names, under bits 0-1 of 0). Each run must end with status 0 or
// 1 (or 2, a fault of the command line, when the plan is given as an option), leave no file open
// and no draft of a table, and leave the report file either as it was (a failed run; no file when
// there was none) or with one whole report appended (a run that finished), and the table as it was
// or written anew; anything else aborts.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

#include "estimation_run.h"
#include "run_support.h"
#include "scratch_folder.h"

namespace {

namespace fs = std::filesystem;

enum Special {
    none = 0,
    no_data_file = 1,
    report_is_folder = 2,
    data_is_folder = 3,
    plan_options = 4
};

struct Setting {
    int names;
    bool earlier_report;
    bool stdout_closed_pipe;
    int special;
    bool table;
};

Setting SettingOf(std::uint8_t mode) {
    const int special = (mode >> 4) & 7;
    return {mode & 3, (mode & 4) != 0, (mode & 8) != 0, special <= plan_options ? special : none,
            (mode & 0x80) != 0};
}

const std::string earlier_text = "An earlier report\n";
const std::string earlier_table = "An earlier table\n";
const std::string legend_end =
    "Ne = estimated variance-effective population size per generation\n\n";

// The answers as standard input, through a file in the scratch folder.
void SetStandardInput(std::string_view answers) {
    const fs::path path = fs::path(ScratchFolder()) / "answers";
    WriteWhole(path, answers);
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || dup2(fd, 0) < 0) {
        std::abort();
    }
    close(fd);
}

// The first `count` words of `text`, separated by white space; fewer when it holds fewer.
std::vector<std::string> FirstWords(std::string_view text, std::size_t count) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (words.size() < count) {
        at = text.find_first_not_of(" \t\n\r\v\f", at);
        if (at == std::string_view::npos) {
            break;
        }
        const std::size_t end = text.find_first_of(" \t\n\r\v\f", at);
        words.emplace_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

// The plan, and N after plan 1, as options from the answers' first words: a word missing or
// malformed is a fault of the command line.
void AddPlanOptions(std::vector<std::string>& args, std::string_view answers) {
    const std::vector<std::string> words = FirstWords(answers, 2);
    args.push_back("--plan");
    if (!words.empty()) {
        args.push_back(words[0]);
    }
    if (words.size() == 2 && words[0] == "1") {
        args.push_back("--census");
        args.push_back(words[1]);
    }
}

// Whether `folder` holds a draft of a table.
bool HoldsDraft(const fs::path& folder) {
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().filename().string().rfind(".Morvast-table-", 0) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const Setting setting = SettingOf(bytes[0]);
    const std::string_view rest(reinterpret_cast<const char*>(bytes + 1), size - 1);
    const std::size_t split = rest.find('\0');
    const std::string_view frequencies = rest.substr(0, split);
    const std::string_view answers =
        split == std::string_view::npos ? std::string_view{} : rest.substr(split + 1);

    const fs::path folder = ScratchFolder();
    const fs::path data = folder / "data.txt";
    const fs::path report = setting.names == 1 ? folder / "data.txt.OUT" : folder / "report.txt";
    const fs::path table = folder / "table.tsv";
    std::error_code ignored;
    fs::remove_all(data, ignored);
    fs::remove_all(report, ignored);
    fs::remove_all(table, ignored);

    if (setting.special == data_is_folder) {
        fs::create_directory(data);
    } else if (setting.special != no_data_file) {
        WriteWhole(data, frequencies);
    }
    if (setting.special == report_is_folder) {
        fs::create_directory(report);
    } else if (setting.earlier_report) {
        WriteWhole(report, earlier_text);
    }
    if (setting.table && setting.earlier_report) {
        WriteWhole(table, earlier_table);
    }

    std::vector<std::string> args{"Morvast"};
    if (setting.special == plan_options) {
        AddPlanOptions(args, answers);
    }
    if (setting.table) {
        args.push_back("--table");
        args.push_back(table.string());
    }
    std::string typed;
    if (setting.names == 0) {
        typed = data.string() + "\n" + report.string() + "\n";
    } else {
        args.push_back(data.string());
        if (setting.names >= 2) {
            args.push_back(report.string());
        }
    }
    typed.append(answers);
    SetStandardInput(typed);
    SetStandardOutput(setting.stdout_closed_pipe);

    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    ResetRun();
    const int open_before = OpenDescriptors();
    const int status = MorvastMain(static_cast<int>(args.size()), argv.data());
    Check(OpenDescriptors() == open_before, "the run left a file open");

    Check(status == 0 || status == 1 || (status == 2 && setting.special == plan_options),
          "the run ended with a status other than 0 or 1, or 2 for a fault of its options");
    Check(!HoldsDraft(folder), "the run left a draft of its table");
    if (setting.table) {
        const std::string table_before = setting.earlier_report ? earlier_table : "";
        const std::string table_after = ReadWhole(table);
        Check(status == 0
                  ? !table_after.empty() && table_after.back() == '\n'
                  : fs::exists(table) == setting.earlier_report && table_after == table_before,
              "the table is neither as it was nor written anew");
    }
    if (setting.special == report_is_folder) {
        Check(status == 1, "a report named as a folder was taken");
        return 0;
    }
    const std::string before = setting.earlier_report ? earlier_text : "";
    if (status != 0) {
        Check(fs::exists(report) == setting.earlier_report,
              "a failed run left a report file it made, or removed one it found");
        Check(ReadWhole(report) == before, "a failed run changed the report file");
    } else {
        const std::string after = ReadWhole(report);
        Check(setting.special == none || setting.special == plan_options,
              "a run without its data file finished");
        Check(after.size() > before.size() && after.compare(0, before.size(), before) == 0,
              "a finished run did not append to the earlier report");
        Check(after.size() >= legend_end.size() &&
                  after.compare(after.size() - legend_end.size(), legend_end.size(), legend_end) ==
                      0,
              "a finished run's report does not end with the legend");
    }
    return 0;
}
