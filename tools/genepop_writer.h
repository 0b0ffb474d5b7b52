// The samples as a two-digit GenePop file: a title line, one locus name per line, then one
// "Pop" line per sample followed by its individuals. Every individual line begins with the
// generation number and a blank, which is where the converter finds a sample's generation.
#pragma once

#include "drift_settings.h"

#include <string>

namespace drift {

// The title line names the settings, so that a file tells how it was made.
std::string GenePopTitle(const DriftSettings& settings);

// The whole file, with line feeds as line ends.
std::string GenePopText(const DriftSettings& settings, const std::vector<DriftSample>& samples);

} // namespace drift
