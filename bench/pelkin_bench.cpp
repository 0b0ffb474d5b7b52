// Pelkin on a large GenePop file, timed by wall clock, with its genotype skip and without it
// (pelkin_character_reads, Pelkin built with the skip turned off), against the floor that one
// pass over the file per locus allows: reading the same bytes once per locus with the system's
// read and finding every line end with memchr, done by a reader process linked and started as
// Pelkin is (pelkin_floor, found beside this program), so that every time includes starting a
// process.
//
//   pelkin_bench <path-to-Pelkin> <path-to-pelkin_character_reads> <loci>
//
// The file has <loci> loci, 50 generations of 200 individuals, random genotypes from a seeded
// generator of its own, so that it is the same file with every compiler and library.
#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr int Generations = 50;
constexpr int Individuals = 200;
constexpr int AllelesPerLocus = 12;
constexpr int Runs = 5;

// splitmix64: a small generator whose output is fixed by its seed alone.
struct SplitMix64 {
    std::uint64_t state;

    std::uint64_t Next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    int Allele() { return 1 + static_cast<int>(Next() % AllelesPerLocus); }
};

void WriteGenePop(const fs::path& path, int loci) {
    SplitMix64 random{1234567};
    std::ofstream out(path, std::ios::binary);
    out << "Benchmark: " << loci << " loci, " << Generations << " generations of " << Individuals
        << " individuals\n";
    for (int l = 1; l <= loci; ++l) {
        out << "Locus" << l << "\n";
    }
    char genotype[8];
    for (int g = 1; g <= Generations; ++g) {
        out << "Pop\n";
        for (int i = 1; i <= Individuals; ++i) {
            out << 2 * g << " ind" << i << ",";
            for (int l = 0; l < loci; ++l) {
                const int first = random.Allele();
                const int second = random.Allele();
                std::snprintf(genotype, sizeof genotype, " %02d%02d", first, second);
                out << genotype;
            }
            out << "\n";
        }
    }
}

// Runs the program in `workdir` with "data.gen" typed on its standard input and its standard
// output discarded. Returns the wall time in milliseconds, or a negative value when the run
// failed.
double TimeRun(const fs::path& workdir, const std::string& program, const std::string& argument1,
               const std::string& argument2) {
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
        if (argument1.empty()) {
            execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        } else {
            execl(program.c_str(), program.c_str(), argument1.c_str(), argument2.c_str(),
                  static_cast<char*>(nullptr));
        }
        _exit(127);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const double wall =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? wall : -1.0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4 || std::atoi(argv[3]) < 1 || std::atoi(argv[3]) > 100) {
        std::fprintf(stderr, "usage: pelkin_bench <path-to-Pelkin> "
                             "<path-to-pelkin_character_reads> <loci 1..100>\n");
        return 2;
    }
    const std::string pelkin = fs::absolute(argv[1]).string();
    const std::string character_reads = fs::absolute(argv[2]).string();
    const std::string floor_reader =
        (fs::absolute(argv[0]).parent_path() / "pelkin_floor").string();
    const int loci = std::atoi(argv[3]);
    std::string pattern = (fs::temp_directory_path() / "pelkin-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::fprintf(stderr, "pelkin_bench: cannot make a temporary directory\n");
        return 1;
    }
    const fs::path workdir = pattern;
    WriteGenePop(workdir / "data.gen", loci);
    const std::string times = std::to_string(loci);
    // The file is now in the page cache for every timing.
    TimeRun(workdir, floor_reader, "data.gen", "1");
    // The best of a few runs of each, since other work on the machine only ever adds time.
    double wall = 1e30;
    double plain = 1e30;
    double floor = 1e30;
    for (int run = 0; run < Runs; ++run) {
        wall = std::min(wall, TimeRun(workdir, pelkin, "", ""));
        plain = std::min(plain, TimeRun(workdir, character_reads, "", ""));
        floor = std::min(floor, TimeRun(workdir, floor_reader, "data.gen", times));
    }
    const auto bytes = fs::file_size(workdir / "data.gen");
    fs::remove_all(workdir);
    if (wall < 0.0 || plain < 0.0 || floor <= 0.0) {
        std::fprintf(stderr, "pelkin_bench: Pelkin or the floor's reader failed on the file\n");
        return 1;
    }
    std::printf("Pelkin %3d loci (%lu bytes): %7.1f ms   skip off: %7.1f ms   floor process, "
                "read and memchr x%d: %7.1f ms   ratio %5.2f   skip off %5.2f   (best of %d)\n",
                loci, static_cast<unsigned long>(bytes), wall, plain, loci, floor, wall / floor,
                plain / floor, Runs);
    return 0;
}
