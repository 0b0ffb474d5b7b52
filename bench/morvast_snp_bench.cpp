// Morvast at the size of SNP data: a frequency file of biallelic loci in samples of 50
// individuals, laid out as Pelkin writes it, estimated under plan 2 and timed by wall clock
// against read_floor run over the frequency file and the report Morvast writes, the least that
// reading the one and writing the other can cost. The two are run in turn, three times each, and
// the medians are printed, with Morvast's peak memory (its resident set at its largest) against
// the bound of 64 MiB and twice the frequency file.
//
//   morvast_snp_bench <Morvast> <read_floor> <loci> <samples> [--table]
//
// With --table the results table is written too, to a file beside the report.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int Runs = 3;
constexpr int Genes = 100; // 50 diploid individuals

// Allele counts drawn around a frequency of the locus's own, written with 4 decimals, the genes,
// the name and the generation, as Pelkin writes its lines.
void WriteDataSet(const fs::path& path, int loci, int samples) {
    std::FILE* out = std::fopen(path.c_str(), "w");
    if (out == nullptr) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::fprintf(out, "%d %d SNP benchmark\n", samples, loci);
    for (int L = 0; L < loci; ++L) {
        std::fputs("2  ", out);
    }
    std::fputs("\n", out);
    // The generator's output, unlike a distribution's, is fixed by the standard.
    std::mt19937 random(2007);
    for (int L = 1; L <= loci; ++L) {
        const unsigned p = 5 + random() % 91;
        for (int j = 1; j <= samples; ++j) {
            int count = 0;
            for (int copy = 0; copy < Genes; ++copy) {
                count += random() % 100 < p ? 1 : 0;
            }
            std::fprintf(out, "%6.4f %6.4f %d snp%d  %d\n", count / 100.0, (Genes - count) / 100.0,
                         Genes, L, 5 * (j - 1));
        }
    }
    if (std::fclose(out) != 0) {
        std::perror(path.c_str());
        std::exit(1);
    }
}

struct Run {
    double ms = -1.0; // negative when the run failed
    long peak_kib = 0;
};

// Runs `argv` in `dir` with `answers` on standard input and standard output discarded.
Run TimeRun(const std::vector<std::string>& args, const fs::path& dir, const fs::path& answers) {
    std::vector<char*> argv;
    std::vector<std::string> copies = args;
    for (std::string& arg : copies) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open(answers.c_str(), O_RDONLY);
        const int out = open("/dev/null", O_WRONLY);
        if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || chdir(dir.c_str()) != 0) {
            _exit(127);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    Run run;
    run.ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    run.peak_kib = usage.ru_maxrss;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        run.ms = -1.0;
    }
    return run;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const bool table = argc == 6 && std::strcmp(argv[5], "--table") == 0;
    const int loci = argc >= 5 ? std::atoi(argv[3]) : 0;
    const int samples = argc >= 5 ? std::atoi(argv[4]) : 0;
    if ((argc != 5 && !table) || loci < 1 || samples < 2) {
        std::fprintf(stderr, "usage: morvast_snp_bench <Morvast> <read_floor> <loci> <samples> "
                             "[--table]\n");
        return 2;
    }
    const std::string morvast = fs::absolute(argv[1]).string();
    const std::string floor = fs::absolute(argv[2]).string();
    std::string pattern = (fs::temp_directory_path() / "morvast-snp-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path dir = pattern;
    WriteDataSet(dir / "snp.txt", loci, samples);
    std::FILE* answers = std::fopen((dir / "answers").c_str(), "w");
    std::fputs("2\n", answers);
    std::fclose(answers);

    std::vector<std::string> estimate{morvast, "snp.txt", "snp.report"};
    if (table) {
        estimate.insert(estimate.begin() + 1, {"--table", "snp.tsv"});
    }
    const std::vector<std::string> read{floor, "snp.txt", "snp.report"};
    std::vector<double> wall;
    std::vector<double> floor_ms;
    long peak_kib = 0;
    bool failed = false;
    // The first run brings the programs and the data set into the page cache; each run appends
    // to a report of its own.
    for (int run = 0; run <= Runs && !failed; ++run) {
        std::error_code ignored;
        fs::remove(dir / "snp.report", ignored);
        const Run estimated = TimeRun(estimate, dir, dir / "answers");
        const Run floored = TimeRun(read, dir, dir / "answers");
        failed = estimated.ms < 0.0 || floored.ms < 0.0;
        if (run > 0) {
            wall.push_back(estimated.ms);
            floor_ms.push_back(floored.ms);
            peak_kib = std::max(peak_kib, estimated.peak_kib);
        }
    }
    const auto data_bytes = fs::file_size(dir / "snp.txt");
    const auto report_bytes = failed ? 0 : fs::file_size(dir / "snp.report");
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    if (failed) {
        std::fprintf(stderr, "morvast_snp_bench: Morvast or read_floor failed\n");
        return 1;
    }
    const double morvast_ms = Median(wall);
    const double read_ms = Median(floor_ms);
    const double peak_mib = peak_kib / 1024.0;
    const double bound_mib = 64.0 + 2.0 * static_cast<double>(data_bytes) / (1 << 20);
    std::printf("Morvast %d samples of 50 individuals, %d biallelic loci, plan 2%s (%lu bytes, "
                "report %lu bytes): %8.1f ms"
                "   read_floor: %7.1f ms   ratio %5.2f   peak memory %7.1f MiB of %7.1f MiB\n",
                samples, loci, table ? ", --table" : "", static_cast<unsigned long>(data_bytes),
                static_cast<unsigned long>(report_bytes), morvast_ms, read_ms, morvast_ms / read_ms,
                peak_mib, bound_mib);
    return 0;
}
