// Holds a results table against the report of the same run: every number of the table,
// rounded as the report prints it, must be the report's printed digits.
#pragma once

#include <string>

namespace testing_support {

// The first difference between the table and the report, or empty when every row of the table
// matches its row of the report, in the report's order: interval, locus, K, sizes, Fs, Fs', t
// and Ne ("fixed" where the table has NA), and on the all-loci rows the jackknife's mean, SE and
// limits ("nan" where the table has NA; NA everywhere when the report has no jackknife block).
std::string TableAgainstReport(const std::string& table, const std::string& report);

} // namespace testing_support
