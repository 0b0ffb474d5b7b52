#include "genepop_writer.h"

namespace drift {

namespace {

void AppendCode(std::string& text, int code) {
    text += static_cast<char>('0' + code / 10);
    text += static_cast<char>('0' + code % 10);
}

} // namespace

std::string GenePopTitle(const DriftSettings& settings) {
    return "Simulated drift: Ne " + std::to_string(settings.effective_size) + ", N " +
           std::to_string(settings.census_size) + ", plan " + std::to_string(settings.plan) +
           ", seed " + std::to_string(settings.seed);
}

std::string GenePopText(const DriftSettings& settings, const std::vector<DriftSample>& samples) {
    std::string text = GenePopTitle(settings) + "\n";
    for (int locus = 1; locus <= settings.loci; ++locus) {
        text += "Loc" + std::to_string(locus) + "\n";
    }
    for (const DriftSample& sample : samples) {
        text += "Pop\n";
        const std::string head = std::to_string(sample.generation) + " ind";
        std::size_t at = 0;
        for (int individual = 1; individual <= settings.sample_size; ++individual) {
            text += head + std::to_string(individual) + ",";
            for (int locus = 0; locus < settings.loci; ++locus) {
                text += ' ';
                AppendCode(text, sample.codes[at++]);
                AppendCode(text, sample.codes[at++]);
            }
            text += '\n';
        }
    }
    return text;
}

} // namespace drift
