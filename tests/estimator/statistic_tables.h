// Sets the estimator's data tables directly, for tests of the statistic and the jackknife.
#pragma once

#include <string>
#include <vector>

#include "data_tables.h"
#include "fixed_field.h"

struct LocusData {
    std::vector<double> first;  // frequencies in the earlier sample
    std::vector<double> second; // and in the later one
    double genes_first = 100.0;
    double genes_second = 100.0;
};

// One interval, samples 1 and 2 taken in generations 0 and `span`, under the given plan.
inline void SetInterval(const std::vector<LocusData>& loci, int span, int plan, int N = 0) {
    ClearDataTables();
    n_samples = 2;
    n_loci = static_cast<int>(loci.size());
    S.Start(n_samples);
    for (const LocusData& data : loci) {
        K.push_back(static_cast<int>(data.first.size()));
        x.StartLocus();
        for (const auto* sample : {&data.first, &data.second}) {
            for (const double p : *sample) {
                x.Add(p);
            }
        }
        S.Add(data.genes_first);
        S.Add(data.genes_second);
        locusname.emplace_back();
    }
    t = {0, 0, span};
    sample_plan = plan;
    census_size = N;
}

// The loci of the worked two-locus example: a strong shift at locus 1, a weak one at locus 2.
inline const std::vector<LocusData> worked_loci{{{0.6, 0.4}, {0.4, 0.6}}, {{0.6, 0.4}, {0.5, 0.5}}};

// A number as the report prints a shift, with seven decimals.
inline std::string Digits(double value) {
    return FixedField(value, 0, 7);
}
