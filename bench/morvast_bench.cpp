// Times Morvast on the largest data set it accepts: 10 samples, 100 loci of 100 alleles each.
// Usage: morvast_bench <path-to-Morvast>
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

constexpr int samples = 10;
constexpr int loci = 100;
constexpr int alleles = 100;

// Drifting allele counts, written as the converter writes them: frequencies with 4 decimals,
// the number of genes, the locus name and the generation.
void WriteDataSet(const fs::path& path) {
    std::FILE* out = std::fopen(path.c_str(), "w");
    if (out == nullptr) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::fprintf(out, "%d %d Largest data set\n", samples, loci);
    for (int L = 0; L < loci; ++L) {
        std::fprintf(out, "%d  ", alleles);
    }
    std::fprintf(out, "\n");
    std::mt19937 random(2007);
    for (int L = 1; L <= loci; ++L) {
        std::vector<int> counts(alleles);
        for (int j = 1; j <= samples; ++j) {
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

// Runs the program in `dir` with its standard input and output redirected; returns its status.
int Run(const std::string& program, const fs::path& dir) {
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open((dir / "answers").c_str(), O_RDONLY);
        const int out = open((dir / "screen").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || chdir(dir.c_str()) != 0) {
            _exit(127);
        }
        execl(program.c_str(), program.c_str(), "largest.txt", "largest.out", nullptr);
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "Usage: morvast_bench <path-to-Morvast>\n");
        return 2;
    }
    const std::string program = fs::absolute(argv[1]).string();
    std::string pattern = (fs::temp_directory_path() / "morvast-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path dir = pattern;
    WriteDataSet(dir / "largest.txt");
    std::FILE* answers = std::fopen((dir / "answers").c_str(), "w");
    std::fputs("1\n1000\n", answers);
    std::fclose(answers);

    const auto start = std::chrono::steady_clock::now();
    const int status = Run(program, dir);
    const auto stop = std::chrono::steady_clock::now();
    std::error_code ignored;
    fs::remove_all(dir, ignored);
    if (status != 0) {
        std::fprintf(stderr, "Morvast ended with status %d\n", status);
        return 1;
    }
    const double ms = std::chrono::duration<double, std::milli>(stop - start).count();
    std::printf("Morvast %d samples x %d loci x %d alleles: %.1f ms\n", samples, loci, alleles, ms);
    return 0;
}
