#include "pipeline_replicate.h"

#include "drift_population.h"
#include "genepop_writer.h"
#include "program_run.h"
#include "tsv_table.h"

#include <cstdio>

namespace statistical {

using testing_support::ReadFile;
using testing_support::RunProgram;
using testing_support::WriteFile;

namespace {

// Reads the numbers that follow `label` in `text`, from `from` on; returns the position
// after the label, or npos when the label is missing or the numbers cannot be read.
std::size_t ReadAfter(const std::string& text, const std::string& label, std::size_t from,
                      const char* format, double* a, double* b) {
    const std::size_t at = text.find(label, from);
    if (at == std::string::npos ||
        std::sscanf(text.c_str() + at + label.size(), format, a, b) != 2) {
        return std::string::npos;
    }
    return at + label.size();
}

} // namespace

AllLociEstimate ReadAllLociEstimate(const std::string& report) {
    AllLociEstimate estimate;
    int alleles = 0;
    double s1 = 0;
    double s2 = 0;
    const std::size_t row = report.find("\n  All loci");
    if (row == std::string::npos ||
        std::sscanf(report.c_str() + row + 11, "%d %lf %lf %lf %lf", &alleles, &s1, &s2,
                    &estimate.fs, &estimate.fs_prime) != 5) {
        return estimate;
    }
    double fs_limit = 0;
    const std::size_t lower = ReadAfter(report, "Lower ( 2.5%) limit:", row, "%lf %lf", &fs_limit,
                                        &estimate.lower_fs_prime);
    if (lower == std::string::npos ||
        ReadAfter(report, "Upper (97.5%) limit:", lower, "%lf %lf", &fs_limit,
                  &estimate.upper_fs_prime) == std::string::npos) {
        return estimate;
    }
    estimate.read = true;
    return estimate;
}

bool ReadCalibratedLimits(const std::string& table, AllLociEstimate& estimate) {
    const testing_support::TsvTable read = testing_support::ReadTsv(table);
    for (std::size_t row = 0; read.fault.empty() && row < read.rows.size(); ++row) {
        if (read.Cell(row, "locus") != "all") {
            continue;
        }
        auto number = [&](const char* column, double& value) {
            return testing_support::TsvNumber(read.Cell(row, column), value);
        };
        return number("cal_Fsp_lower", estimate.calibrated_lower_fs_prime) &&
               number("cal_Fsp_upper", estimate.calibrated_upper_fs_prime) &&
               number("Fc", estimate.fc.F) && number("Fc_lower", estimate.fc.lower) &&
               number("Fc_upper", estimate.fc.upper) && number("Fk", estimate.fk.F) &&
               number("Fk_lower", estimate.fk.lower) && number("Fk_upper", estimate.fk.upper) &&
               number("S1", estimate.s1) && number("S2", estimate.s2);
    }
    return false;
}

std::string SimulateAndConvert(const drift::DriftSettings& settings,
                               const std::filesystem::path& folder) {
    WriteFile(folder / "drift.gen", drift::GenePopText(settings, drift::SimulateDrift(settings)));
    const auto run = RunProgram(PELKIN_EXE, {}, "drift.gen\n", folder);
    if (run.status != 0 || !std::filesystem::exists(folder / "pelkin.out")) {
        return "the converter ended with status " + std::to_string(run.status) + ":\n" + run.out;
    }
    return "";
}

AllLociEstimate Estimate(const std::filesystem::path& folder, int plan, int census,
                         std::string& fault) {
    const std::string report = "plan" + std::to_string(plan) + ".txt";
    const std::string table = "plan" + std::to_string(plan) + ".tsv";
    std::filesystem::remove(folder / report);
    const std::string answers =
        plan == 1 ? "1\n" + std::to_string(census) + "\n" : std::string("2\n");
    const auto run =
        RunProgram(MORVAST_EXE, {"--table", table, "pelkin.out", report}, answers, folder);
    AllLociEstimate estimate = ReadAllLociEstimate(ReadFile(folder / report));
    if (run.status != 0 || !estimate.read ||
        !ReadCalibratedLimits(ReadFile(folder / table), estimate)) {
        fault = "the estimator ended with status " + std::to_string(run.status) + ":\n" + run.err +
                ReadFile(folder / report) + ReadFile(folder / table);
    }
    return estimate;
}

} // namespace statistical
