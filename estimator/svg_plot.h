// Morvast's figure of a run's results: Ne per interval on a logarithmic axis with its
// calibrated 95% limits, and below it Fs' with the limits of both jackknives and each locus's
// Fs' behind them, as a self-contained SVG 1.1 file.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

// What the figure shows of one interval, each value as the table gives it (not a number where
// the table has NA).
struct IntervalFigure {
    std::int32_t first_generation = 0;
    std::int32_t second_generation = 0;
    bool fixed = false; // no allele used: nothing is drawn but the word "fixed"
    double Ne = 0.0;
    double cal_Ne_lower = 0.0;
    double cal_Ne_upper = 0.0;
    double Fs_prime = 0.0;
    double jk_Fsp_lower = 0.0;
    double jk_Fsp_upper = 0.0;
    double cal_Fsp_lower = 0.0;
    double cal_Fsp_upper = 0.0;
    std::vector<double> locus_Fs_prime; // one a locus, in the order of the loci
};

struct FigureData {
    std::string data_name; // the data file's name, as given
    std::int32_t sample_plan = 2;
    std::int32_t census_size = 0; // N, shown under plan 1 only
    std::vector<IntervalFigure> intervals;
};

// The most locus points drawn in one interval; an interval of more loci shows this many,
// chosen at random with a fixed seed, so that the figure stays small and the same run draws
// the same figure.
inline constexpr std::size_t MaxLocusPoints = 2000;

// Writes the figure's SVG text to `out`. Every mark of an all-loci value carries the attributes
// data-interval (the interval's number, from 1), data-kind (the table's column name) and
// data-value (the value as the table writes it); every tick of a value axis carries data-tick,
// and the band at the top of the Ne axis, where values without a finite positive Ne stand, is
// the tick "Inf".
void WriteSvgPlot(std::ostream& out, const FigureData& figure);
