// A Wright-Fisher population of constant size with non-overlapping generations, diploid, at
// independent loci, and the samples taken from it.
#pragma once

#include "drift_settings.h"

namespace drift {

// Simulates the population from its founders (generation 0, genes drawn at random among the
// equally frequent alleles) up to the last sample generation and returns the samples in the
// order of `settings.sample_generations`. Every generation Ne of the N adults, chosen at
// random, breed; each of the N offspring takes one gene at every locus from each of two
// parents drawn at random among the breeders, so that Ne is the variance-effective size.
// Sampling never changes the population: plan 1 takes S distinct adults after they bred,
// plan 2 takes S adults with replacement. The settings are expected to be valid.
std::vector<DriftSample> SimulateDrift(const DriftSettings& settings);

} // namespace drift
