// driftsim: writes samples of a simulated Wright-Fisher population as a GenePop file, the
// test data of the converter and the estimator with a known Ne.
#include "drift_options.h"
#include "drift_population.h"
#include "genepop_writer.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    const drift::DriftCommand command =
        drift::ReadDriftCommand(std::vector<std::string>(argv + 1, argv + argc));
    if (command.help) {
        std::cout << drift::kDriftUsage;
        return 0;
    }
    if (!command.fault.empty()) {
        std::cerr << "driftsim: " << command.fault << "\n" << drift::kDriftUsage;
        return 2;
    }
    const std::string text =
        drift::GenePopText(command.settings, drift::SimulateDrift(command.settings));
    if (command.output.empty()) {
        std::cout << text << std::flush;
        return std::cout ? 0 : 1;
    }
    std::ofstream out(command.output, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        std::cerr << "driftsim: cannot write " << command.output << "\n";
        return 1;
    }
    return 0;
}
