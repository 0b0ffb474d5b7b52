// The report appended to the report file: preamble, one block per interval between consecutive
// samples with a row per locus and an all-loci row, and the legend.
#pragma once

#include <string>

// Opens the report file for appending, so that every run adds its report after the earlier ones.
void OpenReport();
// Closes the report file; a report that did not reach the file is a failure.
void CloseReport();

void WritePreamble();
// The interval from `first_sample` to the next sample.
void WriteInterval(int first_sample);
void WriteLegend();

// Fs, Fs', t and Ne as the rows print them.
std::string StatisticFields(double Fs, double Fs_corrected, double t_span, double Ne);

void WriteReportText(const std::string& text);
