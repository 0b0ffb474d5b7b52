// Pelkin on a generated GenePop file, timed as a whole process by wall clock, in turn with the
// floor of a program that reads its input once (read_floor: the same file read once with the
// system's read, every byte touched), built and started as Pelkin is; the median of three runs
// of each. Pelkin's peak memory (its maximum resident size, from wait4) is measured on every
// run and held against its bound: 64 MiB, plus 16 bytes per locus and sample, plus twice the
// bytes of the locus names.
//
//   pelkin_bench <Pelkin> <read_floor> <loci> <samples> <individuals> <alleles> <missing %>
//
// The genotypes come from a seeded generator of the benchmark's own, so the file is the same
// with every compiler and library; it is written in a scratch folder and removed after.
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr int Runs = 3;

// splitmix64: a small generator whose output is fixed by its seed alone.
struct SplitMix64 {
    std::uint64_t state;

    std::uint64_t Next() {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
};

struct Shape {
    long loci;
    long samples;
    long individuals;
    int alleles;
    int missing_percent;
};

// Writes the file; returns the bytes of its locus names, line ends not counted.
std::uint64_t WriteGenePop(const fs::path& path, const Shape& shape) {
    SplitMix64 random{1234567};
    std::FILE* out = std::fopen(path.c_str(), "wb");
    std::fprintf(out, "Benchmark: %ld loci, %ld samples of %ld individuals\n", shape.loci,
                 shape.samples, shape.individuals);
    std::uint64_t name_bytes = 0;
    for (long l = 1; l <= shape.loci; ++l) {
        name_bytes += static_cast<std::uint64_t>(std::fprintf(out, "Locus%ld\n", l) - 1);
    }
    std::string line;
    std::array<char, 32> genotype{};
    for (long g = 1; g <= shape.samples; ++g) {
        std::fputs("Pop\n", out);
        for (long i = 1; i <= shape.individuals; ++i) {
            line = std::to_string(2 * g) + " ind" + std::to_string(i) + ",";
            for (long l = 0; l < shape.loci; ++l) {
                const std::uint64_t draw = random.Next();
                const bool missing = static_cast<int>(draw % 100) < shape.missing_percent;
                const int first = 1 + static_cast<int>((draw >> 8) % shape.alleles);
                const int second = 1 + static_cast<int>((draw >> 24) % shape.alleles);
                std::snprintf(genotype.data(), genotype.size(), " %02d%02d", missing ? 0 : first,
                              missing ? 0 : second);
                line += genotype.data();
            }
            line += '\n';
            std::fwrite(line.data(), 1, line.size(), out);
        }
    }
    std::fclose(out);
    return name_bytes;
}

struct Timing {
    double ms;
    long peak_kib;
};

// Runs `program file` in `workdir`, its output discarded; a negative time when it failed.
Timing TimeRun(const fs::path& workdir, const std::string& program) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        const int null = open("/dev/null", O_RDWR);
        if (null < 0 || dup2(null, 0) < 0 || dup2(null, 1) < 0 || dup2(null, 2) < 0 ||
            chdir(workdir.c_str()) != 0) {
            _exit(127);
        }
        execl(program.c_str(), program.c_str(), "data.gen", static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double ms =
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const bool ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return {ok ? ms : -1.0, usage.ru_maxrss};
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 8) {
        std::fprintf(stderr, "usage: pelkin_bench <Pelkin> <read_floor> <loci> <samples> "
                             "<individuals> <alleles> <missing %%>\n");
        return 2;
    }
    const std::string pelkin = fs::absolute(argv[1]).string();
    const std::string floor_reader = fs::absolute(argv[2]).string();
    const Shape shape{std::atol(argv[3]), std::atol(argv[4]), std::atol(argv[5]),
                      std::atoi(argv[6]), std::atoi(argv[7])};
    std::string pattern = (fs::temp_directory_path() / "pelkin-bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        std::fprintf(stderr, "pelkin_bench: cannot make a scratch folder\n");
        return 1;
    }
    const fs::path workdir = pattern;
    const std::uint64_t name_bytes = WriteGenePop(workdir / "data.gen", shape);
    const auto bytes = fs::file_size(workdir / "data.gen");
    // The file is now in the page cache for every timing.
    TimeRun(workdir, floor_reader);
    std::vector<double> walls;
    std::vector<double> floors;
    long peak_kib = 0;
    bool failed = false;
    for (int run = 0; run < Runs; ++run) {
        const Timing converted = TimeRun(workdir, pelkin);
        const Timing floor = TimeRun(workdir, floor_reader);
        failed = failed || converted.ms < 0.0 || floor.ms < 0.0;
        walls.push_back(converted.ms);
        floors.push_back(floor.ms);
        peak_kib = std::max(peak_kib, converted.peak_kib);
    }
    fs::remove_all(workdir);
    if (failed) {
        std::fprintf(stderr, "pelkin_bench: Pelkin or the floor failed on the file\n");
        return 1;
    }
    const double wall = Median(walls);
    const double floor = Median(floors);
    const double bound_kib =
        64.0 * 1024 + (16.0 * static_cast<double>(shape.loci) * static_cast<double>(shape.samples) +
                       2.0 * static_cast<double>(name_bytes)) /
                          1024;
    std::printf("Pelkin %ld loci, %ld samples of %ld individuals, %d alleles, %d%% missing "
                "(%lu bytes): %9.1f ms   floor, one read: %8.1f ms   ratio %5.2f   peak %7ld KiB "
                "of %7.0f KiB allowed   (median of %d in turn)\n",
                shape.loci, shape.samples, shape.individuals, shape.alleles, shape.missing_percent,
                static_cast<unsigned long>(bytes), wall, floor, wall / floor, peak_kib, bound_kib,
                Runs);
    return static_cast<double>(peak_kib) <= bound_kib ? 0 : 3;
}
