// Pelkin on a large GenePop file, timed by wall clock against the floor that one pass over the
// file per locus allows: reading the same bytes once per locus with a plain buffered read.
//
//   pelkin_bench <path-to-Pelkin> <loci>
//
// The file has <loci> loci, 50 generations of 200 individuals, random genotypes (seeded).
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int Generations = 50;
constexpr int Individuals = 200;
constexpr int AllelesPerLocus = 12;
constexpr int Runs = 5;

void WriteGenePop(const fs::path& path, int loci) {
    std::mt19937 random(1234567);
    std::uniform_int_distribution<int> allele(1, AllelesPerLocus);
    std::ofstream out(path, std::ios::binary);
    out << "Benchmark: " << loci << " loci, " << Generations << " generations of " << Individuals
        << " individuals\n";
    for (int l = 1; l <= loci; ++l) {
        out << "Locus" << l << "\n";
    }
    std::array<char, 8> genotype{};
    for (int g = 1; g <= Generations; ++g) {
        out << "Pop\n";
        for (int i = 1; i <= Individuals; ++i) {
            out << 2 * g << " ind" << i << ",";
            for (int l = 0; l < loci; ++l) {
                std::snprintf(genotype.data(), genotype.size(), " %02d%02d", allele(random),
                              allele(random));
                out << genotype.data();
            }
            out << "\n";
        }
    }
}

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// Runs Pelkin in `workdir` with the file's name typed on its standard input; its console
// output is discarded. Returns the wall time, or a negative value when the run failed.
double TimePelkin(const std::string& pelkin, const fs::path& workdir) {
    const fs::path typed = workdir / "typed";
    std::ofstream(typed) << "data.gen\n";
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int in = open(typed.c_str(), O_RDONLY);
        const int out = open("/dev/null", O_WRONLY);
        if (in < 0 || out < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 ||
            chdir(workdir.c_str()) != 0) {
            _exit(127);
        }
        execl(pelkin.c_str(), pelkin.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double wall = Seconds(start);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? wall : -1.0;
}

// Reads the file `times` times from its start through a 64 KiB buffer, as plainly as it can be
// read; the byte sum keeps the reads from being optimized away.
double TimeFloor(const fs::path& path, int times, unsigned long& checksum) {
    static std::array<unsigned char, 1 << 16> buffer;
    const auto start = std::chrono::steady_clock::now();
    for (int pass = 0; pass < times; ++pass) {
        std::FILE* file = std::fopen(path.c_str(), "rb");
        if (file == nullptr) {
            return -1.0;
        }
        std::size_t got = 0;
        while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0) {
            checksum += buffer[got - 1];
        }
        std::fclose(file);
    }
    return Seconds(start);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3 || std::atoi(argv[2]) < 1 || std::atoi(argv[2]) > 100) {
        std::fprintf(stderr, "usage: pelkin_bench <path-to-Pelkin> <loci 1..100>\n");
        return 2;
    }
    const std::string pelkin = fs::absolute(argv[1]).string();
    const int loci = std::atoi(argv[2]);
    std::string pattern = (fs::temp_directory_path() / "pelkin-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::fprintf(stderr, "pelkin_bench: cannot make a temporary directory\n");
        return 1;
    }
    const fs::path workdir = pattern;
    const fs::path data = workdir / "data.gen";
    WriteGenePop(data, loci);
    unsigned long checksum = 0;
    TimeFloor(data, 1, checksum); // the file is now in the page cache for both timings
    // The best of a few runs of each, since other work on the machine only ever adds time.
    double wall = 1e30;
    double floor = 1e30;
    for (int run = 0; run < Runs; ++run) {
        wall = std::min(wall, TimePelkin(pelkin, workdir));
        floor = std::min(floor, TimeFloor(data, loci, checksum));
    }
    const auto bytes = fs::file_size(data);
    fs::remove_all(workdir);
    if (wall < 0.0 || floor <= 0.0) {
        std::fprintf(stderr, "pelkin_bench: Pelkin did not convert the file\n");
        return 1;
    }
    std::printf("Pelkin %3d loci (%lu bytes): %8.3f s   buffered read x%d: %8.3f s   ratio %5.2f"
                "   (best of %d)\n",
                loci, static_cast<unsigned long>(bytes), wall, loci, floor, wall / floor, Runs);
    return 0;
}
