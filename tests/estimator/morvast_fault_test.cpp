// Runs under faults of the world around Morvast: two runs appending to one report at once, a
// report that cannot be written whole (a file-size limit, a full file system), a standard
// output that nobody reads or a standard stream closed, a table on a device or a named pipe,
// and signals at any moment. Each run leaves every earlier report whole and either its own
// report whole after them or nothing, and a refusal is told on the standard error stream.
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sched.h>
#include <set>
#include <sys/file.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "child_faults.h"
#include "messages.h"
#include "morvast_run.h"

namespace {

namespace fs = std::filesystem;
using testing_support::EndOf;
using testing_support::FileSizeLimit;
using testing_support::ReadFile;
using testing_support::RunResult;
using testing_support::StandardOutputClosedPipe;
using testing_support::TempDir;
using testing_support::WriteFile;

// A data set of `samples` samples of `loci` loci of two alleles each, whose frequencies drift
// differently for every `seed`; its report is about 90 bytes per locus and interval.
std::string ManyLociData(int samples, int loci, int seed) {
    std::string data = std::to_string(samples) + " " + std::to_string(loci) + " Many loci\n";
    for (int L = 1; L <= loci; ++L) {
        data += "2 ";
    }
    data += "\n";
    for (int L = 1; L <= loci; ++L) {
        for (int j = 1; j <= samples; ++j) {
            const int p = 2000 + (L * 37 + j * 53 + seed * 11) % 6000;
            data += "0." + std::to_string(p) + " 0." + std::to_string(10000 - p) + " 100 L" +
                    std::to_string(L) + "  " + std::to_string(5 * j) + "\n";
        }
    }
    return data;
}

// The report that Morvast appends for `data` under plan 2, named as `name`, taken from a run
// alone in a folder of its own.
std::string ReportAlone(const std::string& name, const std::string& data) {
    TempDir dir;
    WriteFile(dir / name, data);
    EXPECT_EQ(RunMorvast(dir, {name, "r.txt"}, "2\n").status, 0);
    return ReadFile(dir / "r.txt");
}

// The output of a whole run of `data` under plan 2 that appended its report to r.txt.
std::string OutputOfRun(const std::string& data) {
    return AskedPlan(data) + Progress(data, "r.txt");
}

// Runs Morvast on the named pipes `first` and `second` in `dir` at once, both appending to
// r.txt, and gives each its data only when both wait for it, so that both have opened the
// report file before either reads.
std::pair<RunResult, RunResult> RunTwoAtOnce(const TempDir& dir, const std::string& first,
                                             const std::string& first_data,
                                             const std::string& second,
                                             const std::string& second_data) {
    for (const std::string& name : {first, second}) {
        fs::remove(dir / name);
        EXPECT_EQ(mkfifo((dir / name).c_str(), 0600), 0);
    }
    RunResult first_run;
    RunResult second_run;
    std::thread first_thread([&] { first_run = RunMorvast(dir, {first, "r.txt"}, "2\n"); });
    std::thread second_thread([&] { second_run = RunMorvast(dir, {second, "r.txt"}, "2\n"); });
    const int first_fd = OpenForWriting(dir / first);
    const int second_fd = OpenForWriting(dir / second);
    for (const auto& [fd, data] : {std::pair{first_fd, first_data}, {second_fd, second_data}}) {
        EXPECT_EQ(write(fd, data.data(), data.size()), static_cast<ssize_t>(data.size()));
        close(fd);
    }
    first_thread.join();
    second_thread.join();
    return {first_run, second_run};
}

TEST(MorvastFaults, TwoRunsAtOnceEachAppendTheirWholeReport) {
    // Each report is far longer than a block of the file system.
    const std::string a_data = ManyLociData(10, 100, 1);
    const std::string b_data = ManyLociData(10, 100, 2);
    const std::string a_report = ReportAlone("a", a_data);
    const std::string b_report = ReportAlone("b", b_data);
    ASSERT_GT(a_report.size(), std::size_t{16384});

    TempDir dir;
    std::string expected = "Kept from before\n";
    WriteFile(dir / "r.txt", expected);
    for (int round = 0; round < 3; ++round) {
        const auto [a_run, b_run] = RunTwoAtOnce(dir, "a", a_data, "b", b_data);
        EXPECT_EQ(a_run.status, 0);
        EXPECT_EQ(b_run.status, 0);
        EXPECT_EQ(a_run.out, OutputOfRun("a"));
        EXPECT_EQ(b_run.out, OutputOfRun("b"));
        const std::string report = ReadFile(dir / "r.txt");
        const bool a_first = report == expected + a_report + b_report;
        const bool b_first = report == expected + b_report + a_report;
        ASSERT_TRUE(a_first || b_first) << "round " << round;
        expected = report;
    }
}

// Writes `data` into the named pipe at `path` once its reader has opened it.
void FeedPipe(const fs::path& path, const std::string& data) {
    const int fd = OpenForWriting(path);
    EXPECT_EQ(write(fd, data.data(), data.size()), static_cast<ssize_t>(data.size()));
    close(fd);
}

// A run that made the report file and fails removes it, since it holds nothing; a second run
// that had opened it by then opens the name again and appends to the file under that name,
// not to the one removed.
TEST(MorvastFaults, FailedRunThatMadeTheReportBesideOneThatAppends) {
    const std::string good = ManyLociData(2, 10, 3);
    const std::string report = ReportAlone("good", good);
    TempDir dir;
    ASSERT_EQ(mkfifo((dir / "bad").c_str(), 0600), 0);
    ASSERT_EQ(mkfifo((dir / "good").c_str(), 0600), 0);
    RunResult bad_run;
    RunResult good_run;
    // The failing run makes r.txt, and waits for its data.
    std::thread bad_thread([&] { bad_run = RunMorvast(dir, {"bad", "r.txt"}, "2\n"); });
    for (int wait = 0; wait < 2000 && !fs::exists(dir / "r.txt"); ++wait) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // The second run opens it, and waits for its data too.
    std::thread good_thread([&] { good_run = RunMorvast(dir, {"good", "r.txt"}, "2\n"); });
    const int good_fd = OpenForWriting(dir / "good");
    FeedPipe(dir / "bad", "1 1\nx\n");
    bad_thread.join();
    EXPECT_EQ(bad_run.status, 1);
    // A named pipe cannot be read again to find the line.
    EXPECT_EQ(bad_run.err, "Error in indata file (number of alleles)\n" +
                               Say(Text::data_at_offset_hint,
                                   {{"DATA", "bad"},
                                    {"OFFSET", "4"},
                                    {"EXPECTED", Say(Text::expect_allele_count, {{"L", "1"}})}}) +
                               "\n");
    EXPECT_FALSE(fs::exists(dir / "r.txt"));
    EXPECT_EQ(write(good_fd, good.data(), good.size()), static_cast<ssize_t>(good.size()));
    close(good_fd);
    good_thread.join();
    EXPECT_EQ(good_run.status, 0);
    EXPECT_EQ(ReadFile(dir / "r.txt"), report);
}

TEST(MorvastFaults, ReportBeyondTheFileSizeLimitIsCutBack) {
    TempDir dir;
    const std::string data = ManyLociData(2, 100, 4);
    WriteFile(dir / "big.txt", data);
    // The earlier reports end in the middle of a block, and the limit falls inside the new one.
    const std::string earlier(6000, 'e');
    WriteFile(dir / "r.txt", earlier);
    const auto run = RunMorvast(dir, {"big.txt", "r.txt"}, "2\n", FileSizeLimit(9000));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, ReportNotWritten("r.txt", "File too large"));
    EXPECT_EQ(run.out, AskedPlan("big.txt") + Processed("big.txt"));
    EXPECT_EQ(ReadFile(dir / "r.txt"), earlier);

    // A report file that the run made goes again.
    const auto made = RunMorvast(dir, {"big.txt", "new.txt"}, "2\n", FileSizeLimit(4096));
    EXPECT_EQ(made.status, 1);
    EXPECT_EQ(made.err, ReportNotWritten("new.txt", "File too large"));
    EXPECT_FALSE(fs::exists(dir / "new.txt"));

    // At the limit itself the report fits.
    const auto fits = RunMorvast(dir, {"big.txt", "fits.txt"}, "2\n",
                                 FileSizeLimit(ReportAlone("big.txt", data).size()));
    EXPECT_EQ(fits.status, 0);
    EXPECT_EQ(fits.err, "");
}

// In a child of its own, with a mount namespace of its own: a file system of 64 KiB in `dir`
// / "fs" holding r.txt, with `earlier` in it, and a filler that takes the rest; Morvast run
// there on big.txt in `dir`. The child writes the run's status, its standard error stream and
// the report file into `dir`. Exits 77 when no file system can be mounted here.
void RunOnFullFileSystem(const TempDir& dir, const std::string& earlier) {
    if (unshare(CLONE_NEWNS) != 0) {
        const std::string uid = std::to_string(getuid());
        const std::string gid = std::to_string(getgid());
        if (unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) {
            _exit(77);
        }
        WriteFile("/proc/self/setgroups", "deny");
        WriteFile("/proc/self/uid_map", "0 " + uid + " 1");
        WriteFile("/proc/self/gid_map", "0 " + gid + " 1");
    }
    const fs::path mounted = dir / "fs";
    fs::create_directory(mounted);
    if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
        mount("tmpfs", mounted.c_str(), "tmpfs", 0, "size=64k") != 0) {
        _exit(77);
    }
    WriteFile(mounted / "r.txt", earlier);
    const int filler = open((mounted / "filler").c_str(), O_WRONLY | O_CREAT, 0600);
    const std::string block(4096, 'f');
    while (filler >= 0 && write(filler, block.data(), block.size()) > 0) {
    }
    close(filler);
    const auto run = RunMorvast(dir, {"big.txt", "fs/r.txt"}, "2\n");
    WriteFile(dir / "status", std::to_string(run.status));
    WriteFile(dir / "err", run.err);
    WriteFile(dir / "after", ReadFile(mounted / "r.txt"));
    _exit(0);
}

TEST(MorvastFaults, ReportOnAFullFileSystemIsCutBack) {
    TempDir dir;
    WriteFile(dir / "big.txt", ManyLociData(2, 100, 5));
    const std::string earlier(3000, 'e');
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        RunOnFullFileSystem(dir, earlier);
    }
    int wait_status = 0;
    waitpid(pid, &wait_status, 0);
    ASSERT_TRUE(WIFEXITED(wait_status));
    if (WEXITSTATUS(wait_status) == 77) {
        GTEST_SKIP() << "no small file system can be mounted here";
    }
    ASSERT_EQ(WEXITSTATUS(wait_status), 0);
    EXPECT_EQ(ReadFile(dir / "status"), "1");
    EXPECT_EQ(ReadFile(dir / "err"), ReportNotWritten("fs/r.txt", "No space left on device"));
    EXPECT_EQ(ReadFile(dir / "after"), earlier);
}

TEST(MorvastFaults, StandardOutputNobodyReads) {
    TempDir dir;
    WriteFile(dir / "bad.txt", "2 2\n2 x\n");
    WriteFile(dir / "r.txt", "Kept from before\n");
    const auto refused = RunMorvast(dir, {"bad.txt", "r.txt"}, "2\n", StandardOutputClosedPipe);
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err.substr(0, 41), "Error in indata file (number of alleles)\n");
    EXPECT_EQ(ReadFile(dir / "r.txt"), "Kept from before\n");

    // A run whose report was written ends as it does with a reader.
    WriteFile(dir / "two.txt", two_locus_data);
    const auto written = RunMorvast(dir, {"two.txt", "r.txt"}, "2\n", StandardOutputClosedPipe);
    EXPECT_EQ(written.status, 0);
    EXPECT_EQ(written.err, "");
    EXPECT_EQ(ReadFile(dir / "r.txt"),
              "Kept from before\n" + Preamble("two.txt", 2) + worked_interval_plan2 + legend);
}

// The table's bytes and the report of a run alone on `data` with --table, under plan 2.
std::pair<std::string, std::string> ReportAndTableAlone(const std::string& data) {
    TempDir dir;
    WriteFile(dir / "d.txt", data);
    EXPECT_EQ(RunMorvast(dir, {"--table", "t.tsv", "d.txt", "r.txt"}, "2\n").status, 0);
    return {ReadFile(dir / "r.txt"), ReadFile(dir / "t.tsv")};
}

// A character device (one made as /dev/null is, or a link to /dev/null where no device can be
// made: never /dev/null itself, which a fault would replace) and a named pipe take the table
// after the report and stay what they are.
TEST(MorvastFaults, TableOnADeviceOrANamedPipe) {
    const auto [report, table] = ReportAndTableAlone(two_locus_data);
    TempDir dir;
    WriteFile(dir / "d.txt", two_locus_data);
    if (mknod((dir / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0) {
        fs::create_symlink("/dev/null", dir / "null");
    }
    const auto to_null = RunMorvast(dir, {"--table", "null", "d.txt", "r.txt"}, "2\n");
    EXPECT_EQ(to_null.status, 0);
    EXPECT_EQ(to_null.err, "");
    EXPECT_EQ(ReadFile(dir / "r.txt"), report);
    EXPECT_EQ(fs::status(dir / "null").type(), fs::file_type::character);

    ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
    std::string from_pipe;
    std::thread reader([&] { from_pipe = ReadFile(dir / "pipe"); });
    const auto to_pipe = RunMorvast(dir, {"--table", "pipe", "d.txt", "p.txt"}, "2\n");
    // A reader still waiting for a writer, after a run that never opened the pipe, is let go.
    close(open((dir / "pipe").c_str(), O_WRONLY | O_NONBLOCK));
    reader.join();
    EXPECT_EQ(to_pipe.status, 0);
    EXPECT_EQ(to_pipe.err, "");
    EXPECT_EQ(from_pipe, table);
    EXPECT_EQ(ReadFile(dir / "p.txt"), report);
    EXPECT_EQ(fs::symlink_status(dir / "pipe").type(), fs::file_type::fifo);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 5);
}

// A closed standard stream is /dev/null to the run, so that no file the run opens takes its
// place: the console's lines, a data path of 4,000 characters among them, and a message stay
// out of the report file.
TEST(MorvastFaults, ClosedStandardStream) {
    TempDir dir;
    std::string path = ".";
    while (path.size() < 4000) {
        path += "/" + std::string(190, 'p');
        fs::create_directory(dir / path);
    }
    path += "/two.txt";
    WriteFile(dir / path, two_locus_data);
    WriteFile(dir / "bad.txt", "2 2\n2 x\n");
    struct Case {
        int closed;
        std::string data;
        std::string answers;
        std::string report; // the report file after the run, which held "Kept\n"
    };
    const std::vector<Case> cases{
        {1, path, "2\n", "Kept\n" + Preamble(path, 2) + worked_interval_plan2 + legend},
        {2, "bad.txt", "2\n", "Kept\n"},
        {0, path, "", "Kept\n"},
    };
    for (const Case& c : cases) {
        WriteFile(dir / "r.txt", "Kept\n");
        const int closed = c.closed;
        const auto run = RunMorvast(dir, {c.data, "r.txt"}, c.answers, [closed] { close(closed); });
        EXPECT_EQ(run.status, c.closed == 1 ? 0 : 1) << c.closed;
        EXPECT_EQ(ReadFile(dir / "r.txt"), c.report) << c.closed;
    }
}

// With --table -, standard output carries the table; closed, it is a fault of the command line.
TEST(MorvastFaults, TableOnAClosedStandardOutput) {
    TempDir dir;
    const auto closed =
        RunMorvast(dir, {"--plan", "2", "--table", "-", "d.txt"}, "", [] { close(STDOUT_FILENO); });
    EXPECT_EQ(closed.status, 2);
    EXPECT_EQ(closed.err, Say(Text::table_on_closed_output) + "\n" + Say(Text::usage));
}

// The signals that ask a run to stop, and how many runs meet one at a random moment: enough to
// hit the short while the report is appended in the Release build, fewer under the sanitizers,
// whose runs take many times longer.
constexpr int stop_signals[] = {SIGTERM, SIGINT, SIGHUP, SIGQUIT};
#if defined(__SANITIZE_ADDRESS__) || !defined(NDEBUG)
constexpr int random_moment_runs = 40;
#else
constexpr int random_moment_runs = 300;
#endif

bool WaitFor(const std::function<bool()>& condition) {
    for (int wait = 0; wait < 4000; ++wait) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return false;
}

// A run waiting for another run's lock on the report, with its table's draft written, or for
// its data from a named pipe, with the report file it made still empty, ends by the signal and
// leaves neither file. A signal ignored when it started stays ignored.
TEST(MorvastSignals, WhileTheRunWaitsItLeavesNothingItMade) {
    for (const int signal_number : stop_signals) {
        for (const bool for_lock : {true, false}) {
            TempDir dir;
            WriteFile(dir / "answers", "2\n");
            WriteFile(dir / "d.txt", two_locus_data);
            WriteFile(dir / "r.txt", "Kept\n");
            ASSERT_EQ(mkfifo((dir / "pipe").c_str(), 0600), 0);
            const std::set<std::string> before = FilesIn(dir);
            const int lock = open((dir / "r.txt").c_str(), O_RDONLY | O_CLOEXEC);
            ASSERT_EQ(flock(lock, LOCK_EX), 0);
            const std::vector<std::string> args =
                for_lock ? std::vector<std::string>{"--table", "t.tsv", "d.txt", "r.txt"}
                         : std::vector<std::string>{"--table", "t.tsv", "pipe", "new.txt"};
            const pid_t pid = StartMorvast(dir, args);
            EXPECT_TRUE(WaitFor([&] { return FilesIn(dir).size() > before.size(); }));
            kill(pid, signal_number);
            EXPECT_EQ(EndOf(pid), 128 + signal_number) << signal_number;
            EXPECT_EQ(FilesIn(dir), before) << signal_number << for_lock;
            EXPECT_EQ(ReadFile(dir / "r.txt"), "Kept\n");
            close(lock);
        }
    }
    TempDir dir;
    WriteFile(dir / "answers", "2\n");
    WriteFile(dir / "d.txt", two_locus_data);
    const int lock = open((dir / "r.txt").c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    const pid_t pid = StartMorvast(dir, {"--table", "t.tsv", "d.txt", "r.txt"},
                                   [] { std::signal(SIGHUP, SIG_IGN); });
    EXPECT_TRUE(WaitFor([&] { return FilesIn(dir).size() > 3; }));
    kill(pid, SIGHUP);
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    close(lock);
    EXPECT_EQ(EndOf(pid), 0);
    EXPECT_EQ(ReadFile(dir / "r.txt"), ReportAndTableAlone(two_locus_data).first);
}

// A stop signal at a random moment of a run with a table: the report file holds its earlier
// bytes, or them and one whole report with its table in place, and no draft is left; a report
// file that the run made holds the whole report or is not there.
TEST(MorvastSignals, AtARandomMomentTheReportIsWholeOrNotThere) {
    const std::string data = ManyLociData(10, 100, 6);
    const auto [report, table] = ReportAndTableAlone(data);
    TempDir dir;
    WriteFile(dir / "answers", "2\n");
    WriteFile(dir / "d.txt", data);
    const std::vector<std::string> args{"--table", "t.tsv", "d.txt", "r.txt"};
    auto run_time = std::chrono::steady_clock::duration::max();
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(EndOf(StartMorvast(dir, args)), 0);
        run_time = std::min(run_time, std::chrono::steady_clock::now() - start);
    }
    // Half the moments anywhere in the run; half the instant the report file is seen to grow,
    // in the short while before the table is put in place.
    std::mt19937 random(17);
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(run_time).count();
    std::uniform_int_distribution<long> anywhere(0, micros * 3 / 2);
    const auto report_grew = [&dir](std::size_t before) {
        struct stat now {};
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while ((stat((dir / "r.txt").c_str(), &now) != 0 ||
                static_cast<std::size_t>(now.st_size) == before) &&
               std::chrono::steady_clock::now() < deadline) {
        }
    };
    int stopped = 0;
    int whole = 0;
    for (int run = 0; run < random_moment_runs; ++run) {
        const bool earlier = run % 2 == 0;
        fs::remove(dir / "r.txt");
        fs::remove(dir / "t.tsv");
        if (earlier) {
            WriteFile(dir / "r.txt", "Kept\n");
            WriteFile(dir / "t.tsv", "earlier table\n");
        }
        const int signal_number = stop_signals[random() % 4];
        const pid_t pid = StartMorvast(dir, args);
        if (run % 4 < 2) {
            std::this_thread::sleep_for(std::chrono::microseconds(anywhere(random)));
        } else {
            report_grew(earlier ? 5 : 0);
        }
        kill(pid, signal_number);
        const int status = EndOf(pid);
        const std::string before = earlier ? "Kept\n" : "";
        const std::string after = fs::exists(dir / "r.txt") ? ReadFile(dir / "r.txt") : "none";
        const std::string table_after = fs::exists(dir / "t.tsv") ? ReadFile(dir / "t.tsv") : "";
        if (after == before + report) {
            ++whole;
            EXPECT_EQ(table_after, table) << run;
        } else {
            ++stopped;
            EXPECT_EQ(status, 128 + signal_number) << run;
            EXPECT_EQ(after, earlier ? before : "none") << run;
            EXPECT_EQ(table_after, earlier ? "earlier table\n" : "") << run;
        }
        EXPECT_TRUE(status == 0 || status == 128 + signal_number) << run << " " << status;
        for (const std::string& name : FilesIn(dir)) {
            EXPECT_TRUE(name == "answers" || name == "d.txt" || name == "r.txt" || name == "t.tsv")
                << run << " left " << name;
        }
    }
    // The moments spread over the run: some runs were stopped, some had appended.
    EXPECT_GT(stopped, 0);
    EXPECT_GT(whole, 0);
}

// SIGTERM while the report of many thousands of loci is being appended: the report file is cut
// back to what it held, the table's draft goes, and the run ends by the signal.
TEST(MorvastFaults, StopWhileTheReportIsAppendedCutsItBack) {
    TempDir dir;
    WriteFile(dir / "many.txt", ManyLociData(3, 200000, 4));
    WriteFile(dir / "answers", "2\n");
    const std::string earlier = "Kept from before\n";
    WriteFile(dir / "r.txt", earlier);
    const pid_t pid = StartMorvast(dir, {"--table", "t.tsv", "many.txt", "r.txt"});
    // Stopped once some of its report is in the file.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    int status = 0;
    bool ended = false;
    while (!ended && fs::file_size(dir / "r.txt") <= earlier.size() &&
           std::chrono::steady_clock::now() < deadline) {
        ended = waitpid(pid, &status, WNOHANG) == pid;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    ASSERT_FALSE(ended) << "the run ended before its report was appended";
    kill(pid, SIGTERM);
    EXPECT_EQ(EndOf(pid), 128 + SIGTERM);
    EXPECT_EQ(ReadFile(dir / "r.txt"), earlier);
    EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"answers", "many.txt", "r.txt"}));
}

} // namespace
