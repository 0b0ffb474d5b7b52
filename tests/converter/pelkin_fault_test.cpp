// Runs under faults of the world around Pelkin: two runs in one working folder at once, a
// frequency file beyond the file-size limit, a device, a pipe or a socket named as the GenePop
// file, standard streams that nobody reads or that are closed, stop signals at random moments,
// and lines far longer than the memory the run is given. Each run leaves the right
// "pelkin.out" or none, and no file it did not say it leaves.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <linux/capability.h>
#include <random>
#include <sys/file.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "child_faults.h"
#include "messages.h"
#include "pelkin_fixture.h"

namespace {

namespace fs = std::filesystem;
using testing_support::ChildSetup;
using testing_support::EndOf;
using testing_support::FileSizeLimit;
using testing_support::RunProgram;
using testing_support::RunResult;
using testing_support::StandardOutputClosedPipe;
using testing_support::TempDir;
using Names = std::vector<std::string>;

class PelkinFaults : public PelkinRun {
  protected:
    RunResult RunSetUp(const std::vector<std::string>& args, const ChildSetup& setup,
                       const std::string& typed = "") const {
        return RunProgram(PELKIN_EXE, args, typed, dir.path(), setup);
    }
};

// A GenePop file of `loci` loci and `generations` samples of four individuals, whose alleles
// differ with `seed`.
std::string ManyLociFile(int loci, int generations, int seed) {
    std::string genepop = "Many loci " + std::to_string(seed) + "\n";
    for (int l = 1; l <= loci; ++l) {
        genepop += "L" + std::to_string(l) + "\n";
    }
    for (int g = 1; g <= generations; ++g) {
        genepop += "Pop\n";
        for (int i = 0; i < 4; ++i) {
            genepop += std::to_string(5 * g) + " i,";
            for (int l = 1; l <= loci; ++l) {
                const int a = 1 + (l * 7 + g * 3 + i * 5 + seed) % 9;
                const int b = 1 + (l * 11 + g * 5 + i + seed * 3) % 9;
                genepop += " 0" + std::to_string(a) + "0" + std::to_string(b);
            }
            genepop += "\n";
        }
    }
    return genepop;
}

// The "pelkin.out" of `genepop`, from a run alone in a folder of its own.
std::string ConvertedAlone(const std::string& genepop) {
    TempDir alone;
    testing_support::WriteFile(alone / "data.gen", genepop);
    EXPECT_EQ(RunProgram(PELKIN_EXE, {"data.gen"}, "", alone.path()).status, 0);
    return testing_support::ReadFile(alone / "pelkin.out");
}

// What a run refused by the lock prints: the introduction, then the refusal where the prompt
// would stand.
std::string RefusedByTheLock() {
    return std::string(TextOf(Msg::Intro)) + "\n\n\n\n" + Line(Msg::AnotherConversion);
}

const std::string LockHint = std::string(TextOf(Msg::AnotherConversionHint)) + "\n";

// Waits up to ten seconds for `done`; true when it came.
template <class Condition> bool WaitFor(Condition done) {
    for (int i = 0; i < 2000; ++i) {
        if (done()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return false;
}

// ---- Two runs in one folder ----

// The first run holds the folder while it waits at its prompt for a name, which comes through a
// named pipe; the second, started then, is refused, and the first converts after it.
TEST_F(PelkinFaults, SecondRunWhileOneConvertsIsRefusedBeforeItTouchesAFile) {
    const std::string a = ManyLociFile(5, 3, 1);
    const std::string b = ManyLociFile(5, 3, 2);
    Put("a.gen", a);
    Put("b.gen", b);
    Put("pelkin.out", "earlier\n");
    Put("locus1", "kept\n");
    const fs::path typed = dir / "typed";
    ASSERT_EQ(mkfifo(typed.c_str(), 0600), 0);

    RunResult first;
    const std::string typed_path = typed.string();
    std::thread first_thread([&] {
        first = RunProgram(PELKIN_EXE, {}, "", dir.path(), [typed_path] {
            const int fd = open(typed_path.c_str(), O_RDONLY);
            dup2(fd, 0);
            close(fd);
        });
    });
    // Opened once the first run's child has opened its end.
    const int writer = open(typed.c_str(), O_WRONLY);
    ASSERT_GE(writer, 0);
    EXPECT_TRUE(WaitFor([&] { return FolderIsLocked(dir.path()); }));

    for (const auto& args : {std::vector<std::string>{"b.gen"}, std::vector<std::string>{}}) {
        const RunResult second = RunWith(args, "b.gen\n");
        EXPECT_EQ(second.status, 1);
        EXPECT_EQ(second.out, RefusedByTheLock());
        EXPECT_EQ(second.err, LockHint);
        EXPECT_EQ(Files(), (Names{"a.gen", "b.gen", "locus1", "pelkin.out", "typed"}));
        EXPECT_EQ(Read("pelkin.out"), "earlier\n");
        EXPECT_EQ(Read("locus1"), "kept\n");
    }

    const std::string name = "a.gen\n";
    EXPECT_EQ(write(writer, name.data(), name.size()), static_cast<ssize_t>(name.size()));
    close(writer);
    first_thread.join();
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.out, IntroAndPrompt);
    EXPECT_EQ(first.err, Summary("3", "5, 10, 15", "4, 4, 4", "5", "0", "0.0"));
    EXPECT_EQ(Read("pelkin.out"), ConvertedAlone(a));
    // A file named as a count file once was is no file of the run's: once erased.
    EXPECT_EQ(Read("locus1"), "kept\n");
    EXPECT_EQ(Files(), (Names{"a.gen", "b.gen", "locus1", "pelkin.out", "typed"}));
}

// Started together, without waiting for each other: whichever way they meet, each either
// converts its own file whole or is refused, and "pelkin.out" is the one of a run that converted.
TEST_F(PelkinFaults, TwoRunsStartedTogetherNeverMixTheirCounts) {
    const std::string a = ManyLociFile(60, 10, 3);
    const std::string b = ManyLociFile(60, 10, 4);
    const std::string a_out = ConvertedAlone(a);
    const std::string b_out = ConvertedAlone(b);
    ASSERT_NE(a_out, b_out);
    Put("a.gen", a);
    Put("b.gen", b);
    for (int round = 0; round < 4; ++round) {
        RunResult a_run;
        RunResult b_run;
        std::thread a_thread([&] { a_run = RunWith({"a.gen"}); });
        std::thread b_thread([&] { b_run = RunWith({"b.gen"}); });
        a_thread.join();
        b_thread.join();
        for (const RunResult* run : {&a_run, &b_run}) {
            if (run->status == 1) {
                EXPECT_EQ(run->out, RefusedByTheLock());
                EXPECT_EQ(run->err, LockHint);
            } else {
                EXPECT_EQ(run->status, 0);
                EXPECT_EQ(run->err, Summary("10", "5, 10, 15, 20, 25, 30, 35, 40, 45, 50",
                                            "4, 4, 4, 4, 4, 4, 4, 4, 4, 4", "60", "0", "0.0"));
            }
        }
        ASSERT_TRUE(a_run.status == 0 || b_run.status == 0) << "round " << round;
        const std::string out = Read("pelkin.out");
        EXPECT_TRUE((a_run.status == 0 && out == a_out) || (b_run.status == 0 && out == b_out))
            << "round " << round;
        EXPECT_EQ(Files(), (Names{"a.gen", "b.gen", "pelkin.out"}));
    }
}

// In the child: permissions bind even the superuser, who loses the capabilities that pass over
// them (a process that may not drop them keeps them).
void PermissionsBind() {
    prctl(PR_CAPBSET_DROP, CAP_DAC_OVERRIDE, 0, 0, 0);
    prctl(PR_CAPBSET_DROP, CAP_DAC_READ_SEARCH, 0, 0, 0);
}

// A folder that may be written and searched but not read cannot be opened for its lock: the
// run goes on unlocked, says so, and converts.
TEST_F(PelkinFaults, FolderThatCannotBeLockedIsToldAndTheRunGoesOn) {
    const std::string genepop = ManyLociFile(2, 2, 7);
    Put("data.gen", genepop);
    fs::permissions(dir.path(), fs::perms::owner_write | fs::perms::owner_exec);
    const bool binds = RunProgram("/bin/ls", {"."}, "", dir.path(), PermissionsBind).status != 0;
    const RunResult run = RunSetUp({"data.gen"}, PermissionsBind);
    fs::permissions(dir.path(), fs::perms::owner_all);
    if (!binds) {
        GTEST_SKIP() << "permissions do not bind here";
    }
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, IntroAndUsing("data.gen"));
    EXPECT_EQ(run.err, Line(Msg::FolderNotLockedNotice, {{"reason", "Permission denied"}}) +
                           Summary("2", "5, 10", "4, 4", "2", "0", "0.0"));
    EXPECT_EQ(Read("pelkin.out"), ConvertedAlone(genepop));
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
}

// A GenePop file its user may not read is denied at its opening, as a folder is.
TEST_F(PelkinFaults, UnreadableFileIsDenied) {
    Put("data.gen", ManyLociFile(2, 2, 7));
    fs::permissions(dir / "data.gen", fs::perms::none);
    const bool binds =
        RunProgram("/bin/cat", {"data.gen"}, "", dir.path(), PermissionsBind).status != 0;
    const RunResult run = RunSetUp({"data.gen"}, PermissionsBind);
    if (!binds) {
        GTEST_SKIP() << "permissions do not bind here";
    }
    EXPECT_EQ(run.status, 5);
    EXPECT_EQ(run.out, IntroAndUsing("data.gen") + RuntimeReport(5, "00401010", "00401000"));
    EXPECT_EQ(run.err,
              Line(Msg::FileOperationFailed,
                   {{"operation", "open"}, {"file", "data.gen"}, {"reason", "Permission denied"}}));
    EXPECT_EQ(Files(), Names{"data.gen"});
}

// ---- A file-size limit ----

TEST_F(PelkinFaults, FrequencyFileBeyondTheFileSizeLimitIsAFailedWriteAndIsRemoved) {
    // The console's text and each count file fit under the limit; "pelkin.out" does not.
    const std::string genepop = ManyLociFile(20, 10, 5);
    const std::string converted = ConvertedAlone(genepop);
    constexpr rlim_t Limit = 4096;
    ASSERT_GT(converted.size(), Limit);
    Put("data.gen", genepop);
    Put("pelkin.out", "earlier\n");
    const RunResult run = RunSetUp({"data.gen"}, FileSizeLimit(Limit));
    EXPECT_EQ(run.status, 27);
    EXPECT_EQ(run.out, IntroAndUsing("data.gen") + RuntimeReport(27, "00404050", "00404000"));
    EXPECT_EQ(run.err,
              Line(Msg::FileOperationFailed,
                   {{"operation", "write"}, {"file", "pelkin.out"}, {"reason", "File too large"}}));
    // Once the count files stayed. The earlier "pelkin.out" stays as it was, and no part file.
    EXPECT_EQ(Read("pelkin.out"), "earlier\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));

    // At its own size the file fits.
    const RunResult fits = RunSetUp({"data.gen"}, FileSizeLimit(converted.size()));
    EXPECT_EQ(fits.status, 0);
    EXPECT_EQ(fits.err, Summary("10", "5, 10, 15, 20, 25, 30, 35, 40, 45, 50",
                                "4, 4, 4, 4, 4, 4, 4, 4, 4, 4", "20", "0", "0.0"));
    EXPECT_EQ(Read("pelkin.out"), converted);
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
}

// ---- What is not a regular file ----

// In the child: ended by its alarm after ten seconds, so that a run that waits fails the test
// instead of holding it.
void TenSecondAlarm() {
    std::signal(SIGALRM, SIG_DFL);
    alarm(10);
}

std::string NotRegularReport() {
    return RuntimeReport(5, "00401010", "00401000");
}

std::string NotRegularHint(const std::string& name) {
    return Filled(Msg::NotARegularFile, {{"file", name}}) + "\n";
}

TEST_F(PelkinFaults, PipeDeviceOrSocketAsTheGenePopFileIsRefusedAtOnce) {
    ASSERT_EQ(mkfifo((dir / "pipe.gen").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", dir / "zero.gen");
    const int socket_fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string socket_path = (dir / "socket.gen").string();
    ASSERT_LT(socket_path.size(), sizeof address.sun_path);
    socket_path.copy(address.sun_path, socket_path.size());
    ASSERT_EQ(bind(socket_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    Put("pelkin.out", "earlier\n");
    const Names before = Files();

    for (const std::string name : {"pipe.gen", "zero.gen", "socket.gen", "/dev/null"}) {
        const RunResult typed = RunSetUp({}, TenSecondAlarm, name + "\n");
        EXPECT_EQ(typed.status, 5) << name;
        EXPECT_EQ(typed.out, IntroAndPrompt + NotRegularReport());
        EXPECT_EQ(typed.err, NotRegularHint(name));
        const RunResult given = RunSetUp({name}, TenSecondAlarm);
        EXPECT_EQ(given.status, 5) << name;
        EXPECT_EQ(given.out, IntroAndUsing(name) + NotRegularReport());
        EXPECT_EQ(given.err, NotRegularHint(name));
        EXPECT_EQ(Files(), before);
        EXPECT_EQ(Read("pelkin.out"), "earlier\n");
    }
    close(socket_fd);
}

// ---- Standard streams ----

TEST_F(PelkinFaults, StandardOutputNobodyReadsChangesNoStatus) {
    Put("pelkin.out", "earlier\n");
    const RunResult missing = RunSetUp({"absent.gen"}, StandardOutputClosedPipe);
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err,
              Line(Msg::FileOperationFailed, {{"operation", "open"},
                                              {"file", "absent.gen"},
                                              {"reason", "No such file or directory"}}));

    Put("bad.gen", "T\nA\nB\n");
    const RunResult refused = RunSetUp({"bad.gen"}, StandardOutputClosedPipe);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, Line(Msg::NoMarkerAfterNamesHint, {{"file", "bad.gen"}}));
    const RunResult usage = RunSetUp({"--frequencies"}, StandardOutputClosedPipe);
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.err, Line(Msg::UnknownOption, {{"argument", "--frequencies"}}) + UsageText());
    EXPECT_EQ(RunSetUp({"--version"}, StandardOutputClosedPipe).status, 0);
    EXPECT_EQ(Read("pelkin.out"), "earlier\n");
    EXPECT_EQ(Files(), (Names{"bad.gen", "pelkin.out"}));

    // A run whose files were written ends as it does with a reader, at the prompt too.
    const std::string genepop = ManyLociFile(3, 2, 6);
    Put("data.gen", genepop);
    for (const auto& args : {std::vector<std::string>{"data.gen"}, std::vector<std::string>{}}) {
        fs::remove(dir / "pelkin.out");
        const RunResult written = RunSetUp(args, StandardOutputClosedPipe, "data.gen\n");
        EXPECT_EQ(written.status, 0);
        EXPECT_EQ(written.err, Summary("2", "5, 10", "4, 4", "3", "0", "0.0"));
        EXPECT_EQ(Read("pelkin.out"), ConvertedAlone(genepop));
        EXPECT_EQ(Files(), (Names{"bad.gen", "data.gen", "pelkin.out"}));
    }
}

// Standard output and standard error closed when Pelkin starts: the files the run opens must
// not take their descriptors, or a notice written on standard error while "pelkin.out" is being
// written would land in it.
TEST_F(PelkinFaults, ClosedStandardStreamsReceiveNothingOfTheFiles) {
    // Locus B is not typed in generation 1, which a notice says.
    const std::string genepop = "T\nA\nB\nPop\n1 a, 0101 0000\nPop\n2 b, 0102 0203\n";
    const std::string converted = ConvertedAlone(genepop);
    Put("data.gen", genepop);
    for (const ChildSetup& closing : {ChildSetup([] { close(2); }), ChildSetup([] {
                                          close(1);
                                          close(2);
                                      })}) {
        fs::remove(dir / "pelkin.out");
        EXPECT_EQ(RunSetUp({"data.gen"}, closing).status, 0);
        EXPECT_EQ(Read("pelkin.out"), converted);
        EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
    }
}

// ---- Stop signals ----

// The signals that ask a run to stop, and how many runs meet one at a random moment: a few
// hundred in the Release build, fewer under the sanitizers, whose runs take many times longer.
constexpr int stop_signals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
constexpr int random_moment_runs = 40;
#else
constexpr int random_moment_runs = 250;
#endif

// Starts Pelkin in `folder` on data.gen, its standard streams on /dev/null and no core file;
// returns its process id.
pid_t StartPelkin(const fs::path& folder) {
    const pid_t pid = fork();
    if (pid == 0) {
        const rlimit no_core{0, 0};
        const int null = open("/dev/null", O_RDWR);
        if (null < 0 || dup2(null, 0) < 0 || dup2(null, 1) < 0 || dup2(null, 2) < 0 ||
            chdir(folder.c_str()) != 0 || setrlimit(RLIMIT_CORE, &no_core) != 0) {
            _exit(127);
        }
        execl(PELKIN_EXE, PELKIN_EXE, "data.gen", static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// A stop signal at a random moment: "pelkin.out" is the earlier one, byte for byte, or the
// run's whole file (a cut file can read as valid data, so the rename is the only guard); no
// part file and no lock are left; the run ends by the signal, or with 0 when it had finished.
// Half the moments anywhere in the run, half the instant the part file is seen.
TEST_F(PelkinFaults, StopSignalAtARandomMomentLeavesTheEarlierFileOrTheWholeNewOne) {
    const std::string genepop = ManyLociFile(150, 10, 8);
    const std::string converted = ConvertedAlone(genepop);
    Put("data.gen", genepop);
    auto run_time = std::chrono::steady_clock::duration::max();
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(EndOf(StartPelkin(dir.path())), 0);
        run_time = std::min(run_time, std::chrono::steady_clock::now() - start);
    }
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(run_time).count();
    std::mt19937 random(17);
    std::uniform_int_distribution<long> anywhere(0, micros * 3 / 2);
    const fs::path part = dir / "pelkin.out.part";
    // Until the part file is there, or the run has ended (it is not reaped here).
    const auto part_seen = [&part](pid_t pid) {
        struct stat info {};
        siginfo_t ended{};
        while (stat(part.c_str(), &info) != 0) {
            ended.si_pid = 0;
            if (waitid(P_PID, static_cast<id_t>(pid), &ended, WEXITED | WNOHANG | WNOWAIT) != 0 ||
                ended.si_pid != 0) {
                return;
            }
        }
    };
    int kept = 0;
    int whole = 0;
    for (int run = 0; run < random_moment_runs; ++run) {
        Put("pelkin.out", "1 2 earlier\n");
        const int signal_number = stop_signals[random() % 4];
        const pid_t pid = StartPelkin(dir.path());
        if (run % 2 == 0) {
            std::this_thread::sleep_for(std::chrono::microseconds(anywhere(random)));
        } else {
            part_seen(pid);
        }
        kill(pid, signal_number);
        const int status = EndOf(pid);
        EXPECT_TRUE(status == 0 || status == 128 + signal_number) << run << " " << status;
        const std::string out = Read("pelkin.out");
        if (out == converted) {
            ++whole;
        } else {
            ++kept;
            EXPECT_EQ(out, "1 2 earlier\n") << run;
            EXPECT_EQ(status, 128 + signal_number) << run;
        }
        EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"})) << run;
        EXPECT_FALSE(FolderIsLocked(dir.path())) << run;
    }
    // The moments spread over the run: some runs were stopped, some had finished.
    EXPECT_GT(kept, 0);
    EXPECT_GT(whole, 0);
}

// SIGKILL cannot be caught: killed while it converts, the run may leave its part file, never a
// lock (the system lets it go with the process) nor a changed "pelkin.out"; the next run
// removes the part file and converts.
TEST_F(PelkinFaults, RunKilledWhileItConvertsLeavesItsPartFileToTheNextRun) {
    const std::string genepop = ManyLociFile(3000, 10, 10);
    Put("data.gen", genepop);
    Put("pelkin.out", "1 2 earlier\n");
    const fs::path part = dir / "pelkin.out.part";
    const pid_t pid = StartPelkin(dir.path());
    struct stat info {};
    while (stat(part.c_str(), &info) != 0) {
        siginfo_t ended{};
        ASSERT_EQ(waitid(P_PID, static_cast<id_t>(pid), &ended, WEXITED | WNOHANG | WNOWAIT), 0);
        ASSERT_EQ(ended.si_pid, 0) << "the run ended before its part file was seen";
    }
    kill(pid, SIGKILL);
    EXPECT_EQ(EndOf(pid), 128 + SIGKILL);
    EXPECT_EQ(Read("pelkin.out"), "1 2 earlier\n");
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out", "pelkin.out.part"}));
    EXPECT_FALSE(FolderIsLocked(dir.path()));
    EXPECT_EQ(EndOf(StartPelkin(dir.path())), 0);
    EXPECT_EQ(Read("pelkin.out"), ConvertedAlone(genepop));
    EXPECT_EQ(Files(), (Names{"data.gen", "pelkin.out"}));
}

// ---- Lines longer than the memory given ----

// A title and a locus-name line of 16 MiB each, under a limit of 8 MiB on the run's whole
// address space: no line is held whole, only the title's first 80 characters and the name's
// first 255. The lines are holes of a sparse file, read as NUL characters, which the notice
// shows escaped. Under the sanitizers, whose run-time reserves far more address space, the run
// is made without the limit.
TEST_F(PelkinFaults, TitleAndNameLinesLongerThanTheMemoryGivenAreNotHeldWhole) {
    constexpr off_t Line = off_t{16} << 20;
    const std::string rest = "\nPop\n1 a, 0101\n";
    const int fd = open((dir / "data.gen").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(pwrite(fd, "\n", 1, Line), 1);
    ASSERT_EQ(pwrite(fd, rest.data(), rest.size(), 2 * Line + 1),
              static_cast<ssize_t>(rest.size()));
    close(fd);
#if defined(__SANITIZE_ADDRESS__)
    const ChildSetup limit = [] {};
#else
    const ChildSetup limit = [] {
        const rlimit eight_mib{rlim_t{8} << 20, rlim_t{8} << 20};
        setrlimit(RLIMIT_AS, &eight_mib);
    };
#endif
    const RunResult run = RunSetUp({"data.gen"}, limit);
    EXPECT_EQ(run.status, 0);
    std::string nuls;
    for (int i = 0; i < 255; ++i) {
        nuls += "\\x00";
    }
    EXPECT_EQ(run.err, "Pelkin: 1 locus names are longer than 255 characters and are cut to 255 "
                       "in pelkin.out, the first at locus 1 (" +
                           nuls + "); shorten them if they could be mistaken for one another\n" +
                           Summary("1", "1", "1", "1", "1", "0.0"));
    EXPECT_EQ(Read("pelkin.out"), "1 1 " + std::string(80, '\0') + "\n1  \n1.0000 2 " +
                                      std::string(255, '\0') + "  1\n");
}

} // namespace
