#include "drift_population.h"

#include "random_stream.h"

#include <numeric>
#include <utility>

namespace drift {

namespace {

using Genes = std::vector<std::uint8_t>; // [individual][locus][copy], allele codes 1..K

Genes Founders(const DriftSettings& settings, RandomStream& random) {
    Genes genes(static_cast<std::size_t>(settings.census_size) * settings.loci * 2);
    for (auto& gene : genes) {
        gene = static_cast<std::uint8_t>(1 + random.Below(settings.alleles));
    }
    return genes;
}

// The first `count` entries of `pool` become a random choice of distinct entries.
void ChooseDistinct(std::vector<int>& pool, int count, RandomStream& random) {
    for (int i = 0; i < count; ++i) {
        const auto j = i + static_cast<int>(random.Below(pool.size() - i));
        std::swap(pool[i], pool[j]);
    }
}

Genes NextGeneration(const DriftSettings& settings, const Genes& adults, RandomStream& random) {
    const int loci = settings.loci;
    const int breeders = settings.effective_size;
    std::vector<int> pool(settings.census_size);
    std::iota(pool.begin(), pool.end(), 0);
    ChooseDistinct(pool, breeders, random);

    Genes offspring(adults.size());
    const std::size_t stride = static_cast<std::size_t>(loci) * 2;
    for (int child = 0; child < settings.census_size; ++child) {
        // Two parents drawn independently: a breeder may be both (random union of gametes).
        const std::size_t mother = pool[random.Below(breeders)] * stride;
        const std::size_t father = pool[random.Below(breeders)] * stride;
        std::uint8_t* genes = &offspring[child * stride];
        for (int locus = 0; locus < loci; ++locus) {
            genes[2 * locus] = adults[mother + 2 * locus + random.Below(2)];
            genes[2 * locus + 1] = adults[father + 2 * locus + random.Below(2)];
        }
    }
    return offspring;
}

std::vector<int> SampledAdults(const DriftSettings& settings, RandomStream& random) {
    std::vector<int> chosen;
    if (settings.plan == 1) {
        chosen.resize(settings.census_size);
        std::iota(chosen.begin(), chosen.end(), 0);
        ChooseDistinct(chosen, settings.sample_size, random);
        chosen.resize(settings.sample_size);
    } else {
        for (int i = 0; i < settings.sample_size; ++i) {
            chosen.push_back(static_cast<int>(random.Below(settings.census_size)));
        }
    }
    return chosen;
}

DriftSample TakeSample(const DriftSettings& settings, int generation, const Genes& adults,
                       RandomStream& random) {
    DriftSample sample;
    sample.generation = generation;
    const std::size_t stride = static_cast<std::size_t>(settings.loci) * 2;
    for (const int adult : SampledAdults(settings, random)) {
        for (int locus = 0; locus < settings.loci; ++locus) {
            const bool typed = settings.missing_rate <= 0 || random.Unit() >= settings.missing_rate;
            for (int copy = 0; copy < 2; ++copy) {
                sample.codes.push_back(typed ? adults[adult * stride + 2 * locus + copy] : 0);
            }
        }
    }
    return sample;
}

} // namespace

std::vector<DriftSample> SimulateDrift(const DriftSettings& settings) {
    RandomStream random(settings.seed);
    Genes adults = Founders(settings, random);
    int generation = 0;
    std::vector<DriftSample> samples;
    for (const int wanted : settings.sample_generations) {
        for (; generation < wanted; ++generation) {
            adults = NextGeneration(settings, adults, random);
        }
        samples.push_back(TakeSample(settings, generation, adults, random));
    }
    return samples;
}

} // namespace drift
