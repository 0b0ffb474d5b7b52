// Whole runs in the test's own process, as the fuzz target and the tables of cases make them,
// against the built program's own runs: every end of a run is caught and reported as the program
// reports it, no file stays open and the folder's lock is let go. That runs made one after
// another are as fresh is shown by the rows of PelkinCases.RunsOneAfterAnother.
#include <fcntl.h>
#include <unistd.h>

#include "conversion_run.h"
#include "pelkin_fixture.h"
#include "stream_redirect.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::Redirect;
using testing_support::RunResult;
using testing_support::WriteFile;

int OpenDescriptors() {
    int open = 0;
    for (int fd = 0; fd < 1024; ++fd) {
        open += fcntl(fd, F_GETFD) >= 0 ? 1 : 0;
    }
    return open;
}

class PelkinInProcess : public PelkinRun {
  protected:
    PelkinInProcess() : previous_(fs::current_path()) { fs::current_path(dir.path()); }
    ~PelkinInProcess() override { fs::current_path(previous_); }

    // Runs Pelkin in process in the fixture's folder with `args` and `typed` on standard input,
    // its streams kept beside the folder.
    RunResult RunHere(std::vector<std::string> args, const std::string& typed = "") {
        WriteFile(streams / "in", typed);
        args.insert(args.begin(), "Pelkin");
        std::vector<char*> argv;
        for (std::string& arg : args) {
            argv.push_back(arg.data());
        }
        argv.push_back(nullptr);
        RunResult result;
        const int open_before = OpenDescriptors();
        {
            // A stream of its own for every run: nothing read ahead for one run is left to the
            // next.
            EXPECT_NE(std::freopen((streams / "in").c_str(), "rb", stdin), nullptr);
            const Redirect out(1, streams / "out", O_WRONLY | O_CREAT | O_TRUNC);
            const Redirect err(2, streams / "err", O_WRONLY | O_CREAT | O_TRUNC);
            ResetRun();
            result.status = PelkinMain(static_cast<int>(args.size()), argv.data());
        }
        EXPECT_EQ(OpenDescriptors(), open_before) << "the run left a file open";
        EXPECT_FALSE(FolderIsLocked(dir.path())) << "the run kept the folder's lock";
        result.out = ReadFile(streams / "out");
        result.err = ReadFile(streams / "err");
        return result;
    }

    // Expects the in-process run and the program's own run to end alike.
    void ExpectAsTheProgram(const std::vector<std::string>& args, const std::string& typed = "") {
        const RunResult program = RunWith(args, typed);
        const std::vector<std::string> files = Files();
        const RunResult here = RunHere(args, typed);
        EXPECT_EQ(here.status, program.status);
        EXPECT_EQ(here.out, program.out);
        EXPECT_EQ(here.err, program.err);
        EXPECT_EQ(Files(), files);
    }

    testing_support::TempDir streams;

  private:
    fs::path previous_;
};

const std::string Good = "T\nA\nB\nPop\n3 a, 0101 0102\n3 b, 0202 0000\nPop\n8 c, 0102 0202\n";
const std::string GoodOut = "2 2 T\n2  2  \n"
                            "0.5000 0.5000 4 A  3\n"
                            "0.5000 0.5000 2 A  8\n"
                            "0.5000 0.5000 2 B  3\n"
                            "0.0000 1.0000 2 B  8\n";

TEST_F(PelkinInProcess, EveryEndOfARunIsReportedAsByTheProgram) {
    Put("good.gen", Good);
    // A refusal after the reading, with the part file of "pelkin.out" made.
    Put("short.gen", "T\nA\nB\nPop\n1 a, 0101\n1 b, 0202 0303\n");
    Put("numberless.gen", "T\nA\nPop\nx a, 0101\n");
    ExpectAsTheProgram({"short.gen"});
    ExpectAsTheProgram({"numberless.gen"});
    ExpectAsTheProgram({}, "absent.gen\n");
    ExpectAsTheProgram({}, "");
    ExpectAsTheProgram({"--generations", "1,2,3", "good.gen"});
    ExpectAsTheProgram({"--generations"});
    ExpectAsTheProgram({"--help"});
    ExpectAsTheProgram({"--version"});
    ExpectAsTheProgram({"good.gen"});
    EXPECT_EQ(Read("pelkin.out"), GoodOut);
}

} // namespace
