// The report appended to the report file: preamble, one block per interval between consecutive
// samples with a row per locus and an all-loci row, and the legend.
#pragma once

#include <string>

void WritePreamble();
// The interval from `first_sample` to the next sample.
void WriteInterval(int first_sample);
void WriteLegend();

// Fs, Fs', t and Ne as the rows print them.
std::string StatisticFields(double Fs, double Fs_corrected, double t_span, double Ne);
// Fs, Fs' and Ne as the confidence-limit rows print them.
std::string LimitFields(double Fs, double Fs_corrected, double Ne);

void WriteReportText(const std::string& text);
