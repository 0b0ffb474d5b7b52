// The value axes of Morvast's figure: a logarithmic one for Ne and a linear one for Fs', each
// spanning the finite values it shows, with ticks at round numbers.
#pragma once

#include <string>
#include <vector>

struct PlotAxis {
    bool logarithmic = false;
    double low = 0.0;  // the value at the bottom of the axis
    double high = 1.0; // and at its top
    double bottom_y = 1.0;
    double top_y = 0.0; // screen coordinates grow downwards
};

// An axis from `bottom_y` up to `top_y` over the positive finite values of `values`, from the
// power of ten at or below the smallest to the one at or above the largest, and one decade
// wide at least; over 1 to 1000 when there is no such value.
PlotAxis LogAxisOver(const std::vector<double>& values, double bottom_y, double top_y);

// An axis over the finite values of `values` and 0, widened to whole steps of its ticks.
PlotAxis LinearAxisOver(const std::vector<double>& values, double bottom_y, double top_y);

// The screen position of a value within the axis's range.
double AxisPosition(const PlotAxis& axis, double value);

// The values the axis marks: powers of ten (every few of them over many decades, with 2 and 5
// between them over two decades or less) or whole steps of 1, 2 or 5 times a power of ten.
std::vector<double> AxisTicks(const PlotAxis& axis);

// A tick's value as its label shows it.
std::string TickLabel(double value);
