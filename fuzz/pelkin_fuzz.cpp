// Fuzzes whole runs of Pelkin in process: the input is the GenePop file and what the user gives
// it, the name typed at the prompt or the command line. Its first byte chooses how the run is
// started:
//   bit 0     0: the rest after the NUL (below) is typed at the prompt; 1: it is the command
//             line, its arguments separated by NUL bytes;
//   bit 1     an earlier "pelkin.out" stands in the folder;
//   bit 2     standard output is a pipe closed at its far end;
//   bit 3     the part file pelkin.out.part of a stopped run stands in the folder;
//   bits 4-5  1: there is no file data.gen, 2: data.gen is a folder, 3: data.gen is a named
//             pipe that nobody writes; 0: data.gen holds the GenePop file;
//   bit 6     another conversion holds the folder's lock;
//   bit 7     files named locus1 and locus2 (the count files of old) stand in the folder.
// The rest, up to its first NUL byte, is the GenePop file, data.gen; what follows the NUL is
// typed or is the command line (bit 0). Each run is made in a fresh working folder and must
// leave no file open, the folder's lock free and no file of a name it does not write; end with
// a status from 0 to 255; under another's lock, touch no file; never touch locus1 or locus2;
// when it fails, leave an earlier "pelkin.out" as it was (or none) and no part file but the
// stale one as it was; when it converts, leave a whole "pelkin.out" and no part file. Anything
// else aborts.
#include <cstdint>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "conversion_run.h"
#include "run_support.h"
#include "scratch_folder.h"

namespace {

namespace fs = std::filesystem;

enum Special { none = 0, no_data_file = 1, data_is_folder = 2, data_is_pipe = 3 };

struct Setting {
    bool command_line;
    bool earlier_out;
    bool stdout_closed_pipe;
    bool stale_part;
    int special;
    bool folder_locked;
    bool stale_count_files;
};

Setting SettingOf(std::uint8_t mode) {
    return {(mode & 1) != 0, (mode & 2) != 0,    (mode & 4) != 0,   (mode & 8) != 0,
            (mode >> 4) & 3, (mode & 0x40) != 0, (mode & 0x80) != 0};
}

const std::string earlier_out = "An earlier frequency file\n";
const std::string stale_count = "  stale\n";
const std::string stale_part = "2 1 cut by a sto";

// The working folder's files and what regular ones hold ("<folder>" or "<other>" for the rest).
using Folder = std::map<std::string, std::string>;

Folder Contents(const fs::path& folder) {
    Folder files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const auto status = entry.symlink_status();
        files[entry.path().filename().string()] = fs::is_regular_file(status) ? ReadWhole(entry)
                                                  : fs::is_directory(status)  ? "<folder>"
                                                                              : "<other>";
    }
    return files;
}

// Whether the lock of the working folder can be taken (and is let go at once).
bool FolderIsFree() {
    const int fd = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    const bool free = flock(fd, LOCK_EX | LOCK_NB) == 0;
    close(fd);
    return free;
}

const fs::path& StartingFolder() {
    static const fs::path folder = fs::current_path();
    return folder;
}

// A fresh working folder, made the current one, set up as `setting` says.
fs::path MakeWorkingFolder(const Setting& setting, std::string_view genepop) {
    const fs::path work = fs::path(ScratchFolder()) / "work";
    fs::current_path(ScratchFolder());
    std::error_code ignored;
    fs::remove_all(work, ignored);
    fs::create_directory(work);
    fs::current_path(work);
    if (setting.special == data_is_folder) {
        fs::create_directory("data.gen");
    } else if (setting.special == data_is_pipe) {
        Check(mkfifo("data.gen", 0600) == 0, "the harness cannot make a named pipe");
    } else if (setting.special != no_data_file) {
        WriteWhole("data.gen", genepop);
    }
    if (setting.earlier_out) {
        WriteWhole("pelkin.out", earlier_out);
    }
    if (setting.stale_part) {
        WriteWhole("pelkin.out.part", stale_part);
    }
    if (setting.stale_count_files) {
        WriteWhole("locus1", stale_count);
        WriteWhole("locus2", stale_count);
    }
    return work;
}

struct Outcome {
    int status;
    Folder after;
};

// One whole run in the current folder, with `typed` on standard input and `args` after the
// program's name.
Outcome Run(const Setting& setting, std::vector<std::string> args, std::string_view typed) {
    const fs::path typed_path = fs::path(ScratchFolder()) / "typed";
    WriteWhole(typed_path, typed);
    Check(std::freopen(typed_path.c_str(), "rb", stdin) != nullptr,
          "the harness cannot give standard input");
    SetStandardOutput(setting.stdout_closed_pipe);
    args.insert(args.begin(), "Pelkin");
    std::vector<char*> argv;
    for (std::string& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    ResetRun();
    const int open_before = OpenDescriptors();
    const int status = PelkinMain(static_cast<int>(args.size()), argv.data());
    Check(OpenDescriptors() == open_before, "the run left a file open");
    return {status, Contents(".")};
}

// Whether `text` is a whole frequency file: a header of the numbers of generations and loci
// and the title, the allele line, and one line per locus and generation, each ended.
bool IsWholeFrequencyFile(const std::string& text) {
    std::istringstream in(text);
    long generations = -1;
    long loci = -1;
    if (!(in >> generations >> loci) || generations < 0 || loci < 0) {
        return false;
    }
    long lines = 0;
    for (const char c : text) {
        lines += c == '\n' ? 1 : 0;
    }
    return !text.empty() && text.back() == '\n' && lines == 2 + generations * loci;
}

void CheckOutcome(const Setting& setting, const Folder& before, const Outcome& outcome) {
    Check(outcome.status >= 0 && outcome.status <= 255, "the run ended with no exit status");
    for (const auto& [name, contents] : outcome.after) {
        Check(before.contains(name) || name == "pelkin.out" || name == "pelkin.out.part",
              "the run left a file of a name it does not write");
    }
    for (const char* name : {"locus1", "locus2"}) {
        const auto kept = before.find(name);
        const auto now = outcome.after.find(name);
        Check(kept == before.end() || (now != outcome.after.end() && now->second == kept->second),
              "the run touched a file of the name of an old count file");
    }
    Check(FolderIsFree() != setting.folder_locked, "the run kept the folder's lock");
    if (setting.folder_locked) {
        Check(outcome.status <= 2, "a run under another's lock ended other than by a refusal");
        Check(outcome.after == before, "a run under another's lock touched a file");
        return;
    }
    const auto out = outcome.after.find("pelkin.out");
    const auto earlier = before.find("pelkin.out");
    const bool unchanged = (out == outcome.after.end()) == (earlier == before.end()) &&
                           (out == outcome.after.end() || out->second == earlier->second);
    const auto part = outcome.after.find("pelkin.out.part");
    if (outcome.status != 0 || unchanged) {
        // A refusal, a failure, or an answer to --help or --version.
        Check(unchanged, "a run that wrote no frequency file changed pelkin.out");
        Check(part == outcome.after.end() || part->second == stale_part,
              "a run that failed left a part file of its own");
        return;
    }
    Check(out != outcome.after.end() && IsWholeFrequencyFile(out->second),
          "a run that converted left no whole pelkin.out");
    Check(part == outcome.after.end(), "a run that converted left its part file");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    StartingFolder();
    const Setting setting = SettingOf(bytes[0]);
    const std::string_view rest(reinterpret_cast<const char*>(bytes + 1), size - 1);
    const std::size_t split = rest.find('\0');
    const std::string_view genepop = rest.substr(0, split);
    const std::string_view given =
        split == std::string_view::npos ? std::string_view{} : rest.substr(split + 1);
    std::vector<std::string> args;
    std::string_view typed;
    if (setting.command_line) {
        for (std::string_view left = given; !left.empty();) {
            const std::size_t end = left.find('\0');
            args.emplace_back(left.substr(0, end));
            left = end == std::string_view::npos ? std::string_view{} : left.substr(end + 1);
        }
    } else {
        typed = given;
    }

    const fs::path work = MakeWorkingFolder(setting, genepop);
    const Folder before = Contents(work);
    const int holder = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (setting.folder_locked) {
        Check(flock(holder, LOCK_EX | LOCK_NB) == 0, "the harness cannot lock the folder");
    }
    const Outcome outcome = Run(setting, args, typed);
    CheckOutcome(setting, before, outcome);
    close(holder);
    // The fuzzer keeps its inputs by names relative to the folder it was started in.
    fs::current_path(StartingFolder());
    return 0;
}
