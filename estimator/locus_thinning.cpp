#include "locus_thinning.h"

#include <algorithm>
#include <cmath>
#include <utility>

std::uint64_t SeededDraws::Next() {
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

double SeededDraws::Uniform() {
    // The top 53 bits, as many as a double holds exactly.
    return static_cast<double>(Next() >> 11) * 0x1.0p-53;
}

std::vector<std::size_t> ThinnedLoci(const std::vector<double>& values, std::size_t most,
                                     SeededDraws& draws) {
    std::vector<std::size_t> shown;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (std::isfinite(values[i])) {
            shown.push_back(i);
        }
    }
    if (shown.size() <= most) {
        return shown;
    }
    // The first `most` places of a partial Fisher-Yates shuffle.
    for (std::size_t i = 0; i < most; ++i) {
        const std::size_t left = shown.size() - i;
        const std::size_t pick = i + static_cast<std::size_t>(draws.Next() % left);
        std::swap(shown[i], shown[pick]);
    }
    shown.resize(most);
    std::sort(shown.begin(), shown.end());
    return shown;
}
