#include "morvast_run.h"

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "messages.h"

testing_support::RunResult RunMorvast(const testing_support::TempDir& dir,
                                      const std::vector<std::string>& args,
                                      const std::string& answers,
                                      const testing_support::ChildSetup& setup) {
    return testing_support::RunProgram(MORVAST_EXE, args, answers, dir.path(), setup);
}

int OpenForWriting(const std::filesystem::path& path) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) {
            fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
            return fd;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return -1;
}

namespace {

// The argument vector of Morvast with `args`, pointing into `text`, which must outlive it.
std::vector<char*> ArgumentVector(std::vector<std::string>& text,
                                  const std::vector<std::string>& args) {
    text = {MORVAST_EXE};
    text.insert(text.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& arg : text) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    return argv;
}

} // namespace

pid_t StartMorvast(const testing_support::TempDir& dir, const std::vector<std::string>& args,
                   const testing_support::ChildSetup& setup) {
    std::vector<std::string> argv_text;
    std::vector<char*> argv = ArgumentVector(argv_text, args);
    const std::string answers = (dir / "answers").string();
    const pid_t pid = fork();
    if (pid == 0) {
        const rlimit no_core{0, 0};
        const int in = open(answers.c_str(), O_RDONLY);
        const int out = open("/dev/null", O_WRONLY);
        if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(out, 2) < 0 ||
            chdir(dir.path().c_str()) != 0 || setrlimit(RLIMIT_CORE, &no_core) != 0) {
            _exit(127);
        }
        close(in);
        close(out);
        if (setup) {
            setup();
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    return pid;
}

int RunMorvastAnsweredThroughOpenPipe(const testing_support::TempDir& dir,
                                      const std::vector<std::string>& args,
                                      const std::string& answers) {
    std::vector<std::string> argv_text;
    std::vector<char*> argv = ArgumentVector(argv_text, args);
    int answer_pipe[2];
    if (pipe(answer_pipe) != 0) {
        return -2;
    }
    const pid_t pid = fork();
    if (pid == 0) {
        const int out = open("/dev/null", O_WRONLY);
        if (out < 0 || dup2(answer_pipe[0], 0) < 0 || dup2(out, 1) < 0 ||
            close(answer_pipe[1]) != 0 || chdir(dir.path().c_str()) != 0) {
            _exit(127);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(answer_pipe[0]);
    const bool written = write(answer_pipe[1], answers.data(), answers.size()) ==
                         static_cast<ssize_t>(answers.size());
    int status = -1;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (written && std::chrono::steady_clock::now() < deadline) {
        int wait_status = 0;
        if (waitpid(pid, &wait_status, WNOHANG) == pid) {
            status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    if (status == -1) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    close(answer_pipe[1]);
    return status;
}

std::string Screen(const std::string& data) {
    return opening_screen + Say(Text::using_data, {{"DATA", data}});
}

std::string AskedPlan(const std::string& data) {
    return Screen(data) + Say(Text::plan_prompt);
}

std::string Processed(const std::string& data) {
    return Say(Text::reading, {{"DATA", data}}) + Say(Text::processing, {{"DATA", data}});
}

std::string Progress(const std::string& data, const std::string& report) {
    return Processed(data) + Say(Text::result_written, {{"REPORT", report}});
}

std::string ReportNotWritten(const std::string& report, const std::string& reason) {
    return Say(Text::cannot_write_report, {{"REPORT", report}}) + "\n" +
           Say(Text::report_write_hint, {{"REPORT", report}, {"REASON", reason}}) + "\n";
}

const std::string table_header = "from\tto\tt\tlocus\talleles\tS1\tS2\tFs\tFs_prime\tNe"
                                 "\tjk_Fs_mean\tjk_Fsp_mean\tjk_Ne_mean\tjk_Fs_se\tjk_Fsp_se"
                                 "\tjk_Fs_lower\tjk_Fs_upper\tjk_Fsp_lower\tjk_Fsp_upper"
                                 "\tjk_Ne_lower\tjk_Ne_upper"
                                 "\tcal_Fs_lower\tcal_Fs_upper\tcal_Fsp_lower\tcal_Fsp_upper"
                                 "\tcal_Ne_lower\tcal_Ne_upper"
                                 "\tplan\tN\tinformative_loci\tFs_num\tFs_den"
                                 "\tsample_from\tsample_to\tFc\tFk\tNe_Fc\tNe_Fk"
                                 "\tchi_df\tFc_lower\tFc_upper\tFk_lower\tFk_upper"
                                 "\tNe_Fc_lower\tNe_Fc_upper\tNe_Fk_lower\tNe_Fk_upper\n";

const std::string opening_screen =
    "                          Morvast                                 \n"
    "\n"
    "Estimates variance-effective size (Ne) of a single population from\n"
    "observed differences in allele frequencies among temporally spaced\n"
    "samples. Any number of samples and loci (each locus with at most\n"
    "999 alleles) can be used for input (samples should be ordered).\n"
    "\n"
    "The computed statistic is based on Marsk & Tellby's (2007) estimator\n"
    "Fs, computed by summing the nominator and denominator separately  \n"
    "over all alleles and loci, before carrying out the division       \n"
    "(equation 9):                                                     \n"
    "                                                                  \n"
    "                       Sum[(x-y)^2]                               \n"
    "                  Fs = -------------                              \n"
    "                       Sum[z*(1-z)]                               \n"
    "where x and y are observed allele frequencies in the 1. and 2.    \n"
    "sample, respectively, and z is their mean.                        \n"
    "Ne is estimated from the quantity Fs, assuming discrete generation\n"
    "intervals (i.e., non-overlapping generations).                    \n"
    "For sample plan 1 (cf. equation 14):                              \n"
    "                                                                  \n"
    "                   T*(1+Fs/4)*(1 - 1/2n_2)                        \n"
    "         Ne = ------------------------------------                \n"
    "              2*(Fs*(1 - 1/4n + 1/4N) - 1/n + 1/N)                \n"
    "where n_2 is the size (diploid individuals) of the last sample, n \n"
    "is the harmonic mean size of the two samples, T is the number of  \n"
    "generations between the two samples, and N is the actual (census) \n"
    "population size.                                                  \n"
    "For sample plan 2 (cf. equation 13):                              \n"
    "                                                                  \n"
    "                    T*(1+Fs/4)*(1 - 1/2n_2)                       \n"
    "               Ne = -----------------------                       \n"
    "                    2*(Fs*(1 - 1/4n) - 1/n)                       \n"
    "Standard errors of estimates are based on jackkife over loci.     \n"
    "Oct. 22. 2007\n"
    "\n";

const std::string two_locus_data = "2 2 Worked example\n"
                                   "2  2  \n"
                                   "0.6000 0.4000 100 Loc1  0\n"
                                   "0.4000 0.6000 100 Loc1  5\n"
                                   "0.6000 0.4000 100 Loc2  0\n"
                                   "0.5000 0.5000 100 Loc2  5\n";

// The files of a folder, by name.
std::set<std::string> FilesIn(const testing_support::TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

// A frequency file as Pelkin writes it, of `samples` samples of 50 individuals and `loci` loci,
// the first of 999 alleles and the others of two to four, with random shifts between samples.
std::string LargeData(int samples, int loci) {
    std::mt19937 random(1600);
    std::string text = std::to_string(samples) + " " + std::to_string(loci) + " Large\n";
    std::vector<int> alleles{999};
    for (int L = 2; L <= loci; ++L) {
        alleles.push_back(2 + static_cast<int>(random() % 3));
    }
    for (const int K : alleles) {
        text += std::to_string(K) + "  ";
    }
    text += "\n";
    std::array<char, 32> field;
    for (int L = 1; L <= loci; ++L) {
        const int K = alleles[static_cast<std::size_t>(L - 1)];
        const int genes = K == 999 ? 1998 : 100;
        for (int j = 1; j <= samples; ++j) {
            std::vector<int> counts(static_cast<std::size_t>(K));
            for (int copy = 0; copy < genes; ++copy) {
                ++counts[random() % counts.size()];
            }
            for (const int count : counts) {
                std::snprintf(field.data(), field.size(), K == 999 ? "%.6f " : "%6.4f ",
                              static_cast<double>(count) / genes);
                text += field.data();
            }
            text += std::to_string(genes) + " L" + std::to_string(L) + "  " +
                    std::to_string(5 * j) + "\n";
        }
    }
    return text;
}
