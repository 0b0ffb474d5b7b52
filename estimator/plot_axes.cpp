#include "plot_axes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace {

// About this many ticks on a linear axis.
constexpr double linear_ticks = 5.0;
// At most about this many decades labelled on a logarithmic axis.
constexpr double labelled_decades = 8.0;

// The tick spacing of a linear axis over `span`: 1, 2 or 5 times a power of ten.
double LinearStep(double span) {
    const double rough = span / linear_ticks;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * power >= rough) {
            return factor * power;
        }
    }
    return 10.0 * power;
}

} // namespace

PlotAxis LogAxisOver(const std::vector<double>& values, double bottom_y, double top_y) {
    double smallest = HUGE_VAL;
    double largest = 0.0;
    for (const double v : values) {
        if (std::isfinite(v) && v > 0.0) {
            smallest = std::min(smallest, v);
            largest = std::max(largest, v);
        }
    }
    if (largest == 0.0) {
        smallest = 1.0;
        largest = 1000.0;
    }
    const double low = std::floor(std::log10(smallest));
    const double high = std::max(std::ceil(std::log10(largest)), low + 1.0);
    return {true, std::pow(10.0, low), std::pow(10.0, high), bottom_y, top_y};
}

PlotAxis LinearAxisOver(const std::vector<double>& values, double bottom_y, double top_y) {
    double low = 0.0;
    double high = 0.0;
    for (const double v : values) {
        if (std::isfinite(v)) {
            low = std::min(low, v);
            high = std::max(high, v);
        }
    }
    if (high - low < 1e-9) {
        high = low + 0.01;
    }
    const double step = LinearStep(high - low);
    return {false, std::floor(low / step) * step, std::ceil(high / step) * step, bottom_y, top_y};
}

double AxisPosition(const PlotAxis& axis, double value) {
    const double share = axis.logarithmic ? (std::log10(value) - std::log10(axis.low)) /
                                                (std::log10(axis.high) - std::log10(axis.low))
                                          : (value - axis.low) / (axis.high - axis.low);
    return axis.bottom_y - share * (axis.bottom_y - axis.top_y);
}

std::vector<double> AxisTicks(const PlotAxis& axis) {
    std::vector<double> ticks;
    if (!axis.logarithmic) {
        const double step = LinearStep(axis.high - axis.low);
        const long first = std::lround(axis.low / step);
        const long last = std::lround(axis.high / step);
        for (long i = first; i <= last; ++i) {
            ticks.push_back(static_cast<double>(i) * step);
        }
        return ticks;
    }
    const long low = std::lround(std::log10(axis.low));
    const long high = std::lround(std::log10(axis.high));
    const long every = std::max(1L, std::lround(std::ceil((high - low) / labelled_decades)));
    for (long decade = low; decade <= high; decade += every) {
        const double power = std::pow(10.0, static_cast<double>(decade));
        ticks.push_back(power);
        if (high - low <= 2 && decade < high) {
            ticks.push_back(2.0 * power);
            ticks.push_back(5.0 * power);
        }
    }
    return ticks;
}

std::string TickLabel(double value) {
    std::array<char, 32> text;
    // A tick at a multiple of the step may come out as -0 or 1e-17 instead of 0.
    const double shown = std::fabs(value) < 1e-12 ? 0.0 : value;
    const int length = std::snprintf(text.data(), text.size(), "%g", shown);
    return std::string(text.data(), static_cast<std::size_t>(length));
}
