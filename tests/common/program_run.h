// Runs a built program in a directory of its own, the way a user would: with arguments, with
// answers on standard input, and with standard output, standard error and the exit status kept
// for comparison byte for byte.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace testing_support {

struct RunResult {
    int status = -1; // exit status, or 128 + signal number when the program was killed
    std::string out;
    std::string err;
};

// A fresh, empty directory under the system's temporary directory, removed on destruction.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// What the child does last before it starts the program, such as setting a limit or putting
// another file in place of a standard stream; only calls that are safe after a fork.
using ChildSetup = std::function<void()>;

// Runs `program` with `args` in `workdir`, feeding `input` as its whole standard input.
RunResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                     const std::string& input, const std::filesystem::path& workdir,
                     const ChildSetup& setup = {});

// The exit status of the child `pid`, once it has ended, or 128 plus the signal that ended it.
int EndOf(pid_t pid);

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, const std::string& contents);

} // namespace testing_support
