#include "drift_options.h"

#include <charconv>
#include <optional>

namespace drift {

const char* const kDriftUsage =
    "Usage: driftsim [option value]...\n"
    "Simulates genetic drift in a Wright-Fisher population of constant size with\n"
    "non-overlapping generations and writes samples of it as a two-digit GenePop file,\n"
    "one \"Pop\" per sample, each individual line beginning with its generation number.\n"
    "  --ne NE             effective size: adults that breed each generation (default 50)\n"
    "  --census N          census size: adults each generation, NE to 100000 (default NE)\n"
    "  --loci L            independent loci, 1 to 100 (default 20)\n"
    "  --alleles K         alleles per locus, equally frequent in the founders, 1 to 99\n"
    "                      (default 5)\n"
    "  --sample S          diploid individuals per sample, 1 to 10000 (default 50)\n"
    "  --generations LIST  generations sampled, comma-separated, not decreasing, 0 to\n"
    "                      100000, at most 50 (default 0,10)\n"
    "  --plan P            1: S distinct adults after they bred (S at most N);\n"
    "                      2: S adults drawn with replacement (default 2)\n"
    "  --missing RATE      share of genotypes written as 0000, 0 to 1 (default 0)\n"
    "  --seed SEED         seed of the random numbers, 0 to 2^64-1 (default 1)\n"
    "  --output FILE       file to write (default: standard output)\n"
    "  --help              this text\n";

namespace {

template <typename Number> std::optional<Number> WholeNumber(const std::string& text) {
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, value);
    if (fault != std::errc() || stop != end || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<int> Bounded(const std::string& text, int low, int high) {
    const auto value = WholeNumber<int>(text);
    if (!value || *value < low || *value > high) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> Rate(const std::string& text) {
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, fault] = std::from_chars(text.data(), end, value);
    if (fault != std::errc() || stop != end || !(value >= 0 && value <= 1)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::vector<int>> Generations(const std::string& text) {
    std::vector<int> generations;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const auto value = Bounded(text.substr(start, comma - start), 0, kMaxGeneration);
        if (!value || (!generations.empty() && *value < generations.back())) {
            return std::nullopt;
        }
        generations.push_back(*value);
        if (comma == std::string::npos) {
            break;
        }
        start = comma + 1;
    }
    if (generations.size() > static_cast<std::size_t>(kMaxSamples)) {
        return std::nullopt;
    }
    return generations;
}

// Sets one option; returns false when its value is not one the option takes.
bool SetOption(DriftCommand& command, bool& census_given, const std::string& name,
               const std::string& value) {
    DriftSettings& s = command.settings;
    std::optional<int> number;
    if (name == "--ne" && (number = Bounded(value, 1, kMaxCensus))) {
        s.effective_size = *number;
    } else if (name == "--census" && (number = Bounded(value, 1, kMaxCensus))) {
        s.census_size = *number;
        census_given = true;
    } else if (name == "--loci" && (number = Bounded(value, 1, kMaxLoci))) {
        s.loci = *number;
    } else if (name == "--alleles" && (number = Bounded(value, 1, kMaxAlleles))) {
        s.alleles = *number;
    } else if (name == "--sample" && (number = Bounded(value, 1, kMaxSampleSize))) {
        s.sample_size = *number;
    } else if (name == "--plan" && (number = Bounded(value, 1, 2))) {
        s.plan = *number;
    } else if (name == "--generations" && Generations(value)) {
        s.sample_generations = *Generations(value);
    } else if (name == "--missing" && Rate(value)) {
        s.missing_rate = *Rate(value);
    } else if (name == "--seed" && WholeNumber<std::uint64_t>(value)) {
        s.seed = *WholeNumber<std::uint64_t>(value);
    } else if (name == "--output" && !value.empty()) {
        command.output = value;
    } else {
        return false;
    }
    return true;
}

bool KnownOption(const std::string& name) {
    for (const char* known : {"--ne", "--census", "--loci", "--alleles", "--sample", "--plan",
                              "--generations", "--missing", "--seed", "--output"}) {
        if (name == known) {
            return true;
        }
    }
    return false;
}

} // namespace

DriftCommand ReadDriftCommand(const std::vector<std::string>& args) {
    DriftCommand command;
    bool census_given = false;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const std::string& name = args[i];
        if (name == "--help") {
            command.help = true;
            return command;
        }
        if (!KnownOption(name)) {
            command.fault = "unknown option " + name;
            return command;
        }
        if (i + 1 == args.size()) {
            command.fault = "no value for " + name;
            return command;
        }
        if (!SetOption(command, census_given, name, args[i + 1])) {
            command.fault = "bad value for " + name + ": " + args[i + 1];
            return command;
        }
    }
    DriftSettings& s = command.settings;
    if (!census_given) {
        s.census_size = s.effective_size;
    }
    if (s.census_size < s.effective_size) {
        command.fault = "the census size is smaller than the effective size";
    } else if (s.plan == 1 && s.sample_size > s.census_size) {
        command.fault = "plan 1 cannot sample more distinct adults than the census size";
    }
    return command;
}

} // namespace drift
