// Morvast on a data set of 10 samples, timed by wall clock against a process that does nothing
// (morvast_floor, found beside this program), linked and started as Morvast is, so that the
// difference is what Morvast's own work costs.
//
//   morvast_bench <path-to-Morvast> [<loci 1..100> <alleles 2..100>]
//
// Without sizes it times 100 loci of 100 alleles, the largest data set the estimator once took. The
// two programs are run in turn, 21 times each, and the median of each is printed.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int Samples = 10;
constexpr int Runs = 21;

// Random allele counts, written as the converter writes them: frequencies with 4 decimals, the
// number of genes, the locus name and the generation.
void WriteDataSet(const fs::path& path, int loci, int alleles) {
    std::FILE* out = std::fopen(path.c_str(), "w");
    if (out == nullptr) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::fprintf(out, "%d %d Benchmark data set\n", Samples, loci);
    for (int L = 0; L < loci; ++L) {
        std::fprintf(out, "%d  ", alleles);
    }
    std::fprintf(out, "\n");
    // The generator's output, unlike a distribution's, is fixed by the standard, so the data set
    // is the same with every compiler and library.
    std::mt19937 random(2007);
    std::vector<int> counts(static_cast<std::size_t>(alleles));
    for (int L = 1; L <= loci; ++L) {
        for (int j = 1; j <= Samples; ++j) {
            int total = 0;
            for (int& c : counts) {
                c = 1 + static_cast<int>(random() % 20);
                total += c;
            }
            for (int c : counts) {
                std::fprintf(out, "%6.4f ", static_cast<double>(c) / total);
            }
            std::fprintf(out, "%d Locus%d  %d\n", total, L, 5 * (j - 1));
        }
    }
    std::fclose(out);
}

// Runs `program` in `dir` on the data set, with the answers of plan 1 and N = 1000 on its
// standard input and its standard output discarded. Returns the wall time in milliseconds, or a
// negative value when the run failed.
double TimeRun(const std::string& program, const fs::path& dir) {
    std::error_code ignored;
    fs::remove(dir / "largest.out", ignored);
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open((dir / "answers").c_str(), O_RDONLY);
        const int out = open("/dev/null", O_WRONLY);
        if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || chdir(dir.c_str()) != 0) {
            _exit(127);
        }
        execl(program.c_str(), program.c_str(), "largest.txt", "largest.out",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? wall : -1.0;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    const int loci = argc == 4 ? std::atoi(argv[2]) : 100;
    const int alleles = argc == 4 ? std::atoi(argv[3]) : 100;
    if ((argc != 2 && argc != 4) || loci < 1 || loci > 100 || alleles < 2 || alleles > 100) {
        std::fprintf(stderr, "usage: morvast_bench <path-to-Morvast> [<loci 1..100> "
                             "<alleles 2..100>]\n");
        return 2;
    }
    const std::string morvast = fs::absolute(argv[1]).string();
    const std::string bare = (fs::absolute(argv[0]).parent_path() / "morvast_floor").string();
    std::string pattern = (fs::temp_directory_path() / "morvast-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path dir = pattern;
    WriteDataSet(dir / "largest.txt", loci, alleles);
    std::FILE* answers = std::fopen((dir / "answers").c_str(), "w");
    std::fputs("1\n1000\n", answers);
    std::fclose(answers);

    // The first run of each brings the programs and the data set into the page cache.
    bool failed = TimeRun(morvast, dir) < 0.0 || TimeRun(bare, dir) < 0.0;
    std::vector<double> wall;
    std::vector<double> floor;
    for (int run = 0; run < Runs && !failed; ++run) {
        wall.push_back(TimeRun(morvast, dir));
        floor.push_back(TimeRun(bare, dir));
        failed = wall.back() < 0.0 || floor.back() < 0.0;
    }
    const auto bytes = fs::file_size(dir / "largest.txt");
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    if (failed) {
        std::fprintf(stderr, "morvast_bench: Morvast or the bare process failed\n");
        return 1;
    }
    const double morvast_ms = Median(wall);
    const double floor_ms = Median(floor);
    std::printf("Morvast %d samples x %d loci x %d alleles (%lu bytes): %6.1f ms   bare process: "
                "%5.1f ms   difference: %6.1f ms   (median of %d)\n",
                Samples, loci, alleles, static_cast<unsigned long>(bytes), morvast_ms, floor_ms,
                morvast_ms - floor_ms, Runs);
    return 0;
}
