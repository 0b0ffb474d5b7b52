#include "svg_plot.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

#include "locus_thinning.h"
#include "plot_axes.h"
#include "plot_text.h"
#include "results_table.h"
#include "shown_text.h"

namespace {

const char* const ne_colour = "#1f4e8c";
const char* const jackknife_colour = "#b35900";
const char* const locus_colour = "#606060";
const char* const infinity_sign = "\xE2\x88\x9E"; // U+221E

constexpr double font_size = 12.0;
constexpr double small_font = 11.0;
constexpr double left_margin = 84.0;
constexpr double right_margin = 24.0;
constexpr double legend_row = 17.0;
// All intervals together draw at most this many locus points, so that a figure of many
// intervals stays as small as one of few.
constexpr std::size_t locus_points_in_all = 100000;
constexpr std::uint64_t locus_seed = 19;

// Where the parts of the figure stand; y grows downwards.
struct Layout {
    double plot_width = 0.0;
    double slot = 0.0;   // the width each interval takes
    double band_y = 0.0; // the row of values without a finite positive Ne, labelled "∞"
    PlotAxis ne_axis;
    PlotAxis fs_axis;
    bool labels_turned = false;
    int label_every = 1;
    double labels_height = 0.0;
    double width = 0.0;
    double height = 0.0;
};

std::string Coordinate(double v) {
    std::array<char, 32> text;
    const int length = std::snprintf(text.data(), text.size(), "%.2f", v);
    return std::string(text.data(), static_cast<std::size_t>(length));
}

double SlotCentre(const Layout& layout, std::size_t interval) {
    return left_margin + (static_cast<double>(interval) + 0.5) * layout.slot;
}

// The attributes that tie a mark to the table's cell.
std::string MarkOf(std::size_t interval, const char* kind, double value) {
    return " data-interval=\"" + std::to_string(interval + 1) + "\" data-kind=\"" + kind +
           "\" data-value=\"" + TableNumber(value) + "\"";
}

std::string Line(double x1, double y1, double x2, double y2, const std::string& style) {
    return "<line x1=\"" + Coordinate(x1) + "\" y1=\"" + Coordinate(y1) + "\" x2=\"" +
           Coordinate(x2) + "\" y2=\"" + Coordinate(y2) + "\" " + style + "/>\n";
}

std::string Text(double x, double y, const std::string& text, const std::string& style = "") {
    return "<text x=\"" + Coordinate(x) + "\" y=\"" + Coordinate(y) + "\"" +
           (style.empty() ? "" : " " + style) + ">" + text + "</text>\n";
}

std::string GenerationsLabel(const IntervalFigure& interval) {
    return std::to_string(interval.first_generation) + "\xE2\x80\x93" + // an en dash
           std::to_string(interval.second_generation);
}

// Labels side by side where they fit, else turned upright, and every few of them where even
// that would overlap.
void PlaceLabels(Layout& layout, const FigureData& figure) {
    std::size_t longest = 0;
    for (const IntervalFigure& interval : figure.intervals) {
        longest = std::max(longest, GenerationsLabel(interval).size() - 2);
    }
    const double label_width = 0.62 * small_font * static_cast<double>(longest);
    if (label_width + 6.0 <= layout.slot) {
        layout.labels_height = small_font + 8.0;
        return;
    }
    layout.labels_turned = true;
    layout.label_every = static_cast<int>(std::ceil((small_font + 3.0) / layout.slot));
    layout.labels_height = label_width + 12.0;
}

std::vector<double> NeValues(const FigureData& figure) {
    std::vector<double> values;
    for (const IntervalFigure& i : figure.intervals) {
        if (!i.fixed) {
            values.insert(values.end(), {i.Ne, i.cal_Ne_lower, i.cal_Ne_upper});
        }
    }
    return values;
}

std::vector<double> FsValues(const FigureData& figure,
                             const std::vector<std::vector<std::size_t>>& shown) {
    std::vector<double> values;
    for (std::size_t n = 0; n < figure.intervals.size(); ++n) {
        const IntervalFigure& i = figure.intervals[n];
        if (i.fixed) {
            continue;
        }
        values.insert(values.end(), {i.Fs_prime, i.jk_Fsp_lower, i.jk_Fsp_upper, i.cal_Fsp_lower,
                                     i.cal_Fsp_upper});
        for (const std::size_t locus : shown[n]) {
            values.push_back(i.locus_Fs_prime[locus]);
        }
    }
    return values;
}

Layout LayOut(const FigureData& figure, const std::vector<std::vector<std::size_t>>& shown) {
    Layout layout;
    const double count = static_cast<double>(std::max<std::size_t>(1, figure.intervals.size()));
    layout.plot_width = std::clamp(count * 56.0, 560.0, 1100.0);
    layout.slot = layout.plot_width / count;
    layout.band_y = 74.0;
    layout.ne_axis = LogAxisOver(NeValues(figure), 320.0, 96.0);
    layout.fs_axis = LinearAxisOver(FsValues(figure, shown), 590.0, 360.0);
    PlaceLabels(layout, figure);
    layout.width = left_margin + layout.plot_width + right_margin;
    return layout;
}

std::string TitleText(const FigureData& figure) {
    std::string title = "Ne and Fs' per interval: " + XmlText(Shown(figure.data_name)) +
                        ", sample plan " + std::to_string(figure.sample_plan);
    if (figure.sample_plan == 1) {
        title += ", N = " + std::to_string(figure.census_size);
    }
    return title;
}

// A value axis: its line, its ticks with labels and faint grid lines, and its title.
std::string AxisText(const Layout& layout, const PlotAxis& axis, const char* kind,
                     const std::string& title) {
    const double right = left_margin + layout.plot_width;
    std::string text =
        Line(left_margin, axis.top_y, left_margin, axis.bottom_y, "stroke=\"black\"");
    for (const double tick : AxisTicks(axis)) {
        const double y = AxisPosition(axis, tick);
        text += "<line data-axis=\"" + std::string(kind) + "\" data-tick=\"" + TableNumber(tick) +
                "\" x1=\"" + Coordinate(left_margin - 5.0) + "\" y1=\"" + Coordinate(y) +
                "\" x2=\"" + Coordinate(left_margin) + "\" y2=\"" + Coordinate(y) +
                "\" stroke=\"black\"/>\n";
        text += Line(left_margin, y, right, y, "stroke=\"#e4e4e4\"");
        text += Text(left_margin - 8.0, y + 4.0, TickLabel(tick), "text-anchor=\"end\"");
    }
    const double middle = (axis.top_y + axis.bottom_y) / 2.0;
    text += "<text x=\"22\" y=\"" + Coordinate(middle) + "\" transform=\"rotate(-90 22 " +
            Coordinate(middle) + ")\" text-anchor=\"middle\">" + title + "</text>\n";
    return text;
}

// The row above the Ne axis where a value without a finite positive Ne stands.
std::string InfinityBand(const Layout& layout) {
    const double y = layout.band_y;
    std::string text = "<line data-tick=\"Inf\" x1=\"" + Coordinate(left_margin - 5.0) +
                       "\" y1=\"" + Coordinate(y) + "\" x2=\"" + Coordinate(left_margin) +
                       "\" y2=\"" + Coordinate(y) + "\" stroke=\"black\"/>\n";
    text += Line(left_margin, y, left_margin + layout.plot_width, y,
                 "stroke=\"#b0b0b0\" stroke-dasharray=\"3 3\"");
    text += Line(left_margin, y, left_margin, layout.ne_axis.top_y,
                 "stroke=\"black\" stroke-dasharray=\"2 2\"");
    return text +
           Text(left_margin - 8.0, y + 5.0, infinity_sign, "text-anchor=\"end\" font-size=\"15\"");
}

// Where an Ne or one of its limits stands: on the axis when finite and positive, at its foot
// when 0 (an infinite Fs'), in the band above when infinite or negative (no finite upper bound,
// or no drift measurable); not drawn when it is not a number, but for Ne itself.
bool NeY(const Layout& layout, double value, double& y) {
    if (std::isfinite(value) && value > 0.0) {
        y = AxisPosition(layout.ne_axis, value);
    } else if (value == 0.0) {
        y = layout.ne_axis.bottom_y;
    } else if (std::isnan(value)) {
        y = layout.band_y;
        return false;
    } else {
        y = layout.band_y;
    }
    return true;
}

bool InBand(double value) {
    return std::isnan(value) || std::isinf(value) || value < 0.0;
}

std::string Cap(double x, double y, double half, const std::string& mark, const char* colour,
                const char* dash = "") {
    return "<line" + mark + " x1=\"" + Coordinate(x - half) + "\" y1=\"" + Coordinate(y) +
           "\" x2=\"" + Coordinate(x + half) + "\" y2=\"" + Coordinate(y) + "\" stroke=\"" +
           colour + "\" stroke-width=\"2\"" + dash + "/>\n";
}

std::string Dot(double x, double y, const std::string& mark, bool open) {
    return "<circle" + mark + " cx=\"" + Coordinate(x) + "\" cy=\"" + Coordinate(y) +
           "\" r=\"4\" fill=\"" + (open ? "white" : ne_colour) + "\" stroke=\"" + ne_colour +
           "\" stroke-width=\"1.5\"/>\n";
}

// An arrow up to the band, its tip the mark of the limit.
std::string Arrow(double x, double tip, const std::string& mark) {
    return "<polygon" + mark + " points=\"" + Coordinate(x) + "," + Coordinate(tip) + " " +
           Coordinate(x - 4.5) + "," + Coordinate(tip + 9.0) + " " + Coordinate(x + 4.5) + "," +
           Coordinate(tip + 9.0) + "\" fill=\"" + ne_colour + "\"/>\n";
}

std::string NeMarks(const Layout& layout, std::size_t n, const IntervalFigure& i) {
    const double x = SlotCentre(layout, n);
    const double half = std::min(6.0, layout.slot / 4.0);
    std::string text;
    double lower = 0.0;
    double upper = 0.0;
    const bool has_lower = NeY(layout, i.cal_Ne_lower, lower);
    const bool has_upper = NeY(layout, i.cal_Ne_upper, upper);
    if (has_lower && has_upper) {
        text += Line(x, lower, x, InBand(i.cal_Ne_upper) ? upper + 9.0 : upper,
                     std::string("stroke=\"") + ne_colour + "\" stroke-width=\"1.5\"");
    }
    if (has_lower) {
        text += Cap(x, lower, half, MarkOf(n, "cal_Ne_lower", i.cal_Ne_lower), ne_colour);
    }
    if (has_upper) {
        const std::string mark = MarkOf(n, "cal_Ne_upper", i.cal_Ne_upper);
        text +=
            InBand(i.cal_Ne_upper) ? Arrow(x, upper, mark) : Cap(x, upper, half, mark, ne_colour);
    }
    double y = 0.0;
    NeY(layout, i.Ne, y);
    return text + Dot(x, y, MarkOf(n, "Ne", i.Ne), !(std::isfinite(i.Ne) && i.Ne > 0.0));
}

// One pair of Fs' limits beside the point: a bar with a mark at each finite end.
std::string FsLimits(const Layout& layout, std::size_t n, double x, double lower, double upper,
                     const char* lower_kind, const char* upper_kind, const char* colour,
                     const char* dash) {
    const PlotAxis& axis = layout.fs_axis;
    const double half = std::min(5.0, layout.slot / 5.0);
    std::string text;
    if (std::isfinite(lower) && std::isfinite(upper)) {
        text += Line(x, AxisPosition(axis, lower), x, AxisPosition(axis, upper),
                     std::string("stroke=\"") + colour + "\" stroke-width=\"1.5\"" + dash);
    }
    if (std::isfinite(lower)) {
        text += Cap(x, AxisPosition(axis, lower), half, MarkOf(n, lower_kind, lower), colour);
    }
    if (std::isfinite(upper)) {
        text += Cap(x, AxisPosition(axis, upper), half, MarkOf(n, upper_kind, upper), colour);
    }
    return text;
}

const char* const jackknife_dash = " stroke-dasharray=\"4 2\"";

std::string FsMarks(const Layout& layout, std::size_t n, const IntervalFigure& i) {
    const double x = SlotCentre(layout, n);
    const double offset = std::min(7.0, layout.slot / 4.0);
    std::string text = FsLimits(layout, n, x - offset, i.jk_Fsp_lower, i.jk_Fsp_upper,
                                "jk_Fsp_lower", "jk_Fsp_upper", jackknife_colour, jackknife_dash);
    text += FsLimits(layout, n, x + offset, i.cal_Fsp_lower, i.cal_Fsp_upper, "cal_Fsp_lower",
                     "cal_Fsp_upper", ne_colour, "");
    if (std::isfinite(i.Fs_prime)) {
        text += Dot(x, AxisPosition(layout.fs_axis, i.Fs_prime), MarkOf(n, "Fs_prime", i.Fs_prime),
                    false);
    }
    return text;
}

// The loci's points as dots of one path, a short stroke with round ends each, which takes a
// fraction of the bytes of a circle each; spread across the interval's width at random.
std::string LocusPoints(const Layout& layout, std::size_t n, const IntervalFigure& i,
                        const std::vector<std::size_t>& shown, SeededDraws& draws) {
    if (shown.empty()) {
        return "";
    }
    const double x = SlotCentre(layout, n);
    const double spread = std::min(layout.slot * 0.7, 160.0);
    std::string path;
    std::array<char, 48> move;
    for (const std::size_t locus : shown) {
        const double px = x + (draws.Uniform() - 0.5) * spread;
        const double py = AxisPosition(layout.fs_axis, i.locus_Fs_prime[locus]);
        const int length = std::snprintf(move.data(), move.size(), "M%.1f %.1fh0", px, py);
        path.append(move.data(), static_cast<std::size_t>(length));
    }
    return "<path data-loci-of=\"" + std::to_string(n + 1) + "\" d=\"" + path + "\" stroke=\"" +
           locus_colour +
           "\" stroke-opacity=\"0.4\" stroke-width=\"2.5\" "
           "stroke-linecap=\"round\" fill=\"none\"/>\n";
}

std::string IntervalLabels(const Layout& layout, const FigureData& figure) {
    const double y = layout.fs_axis.bottom_y + 6.0;
    std::string text = "<g font-size=\"" + Coordinate(small_font) + "\">\n";
    for (std::size_t n = 0; n < figure.intervals.size(); ++n) {
        const double x = SlotCentre(layout, n);
        text += Line(x, layout.fs_axis.bottom_y, x, layout.fs_axis.bottom_y + 4.0,
                     "data-slot=\"" + std::to_string(n + 1) + "\" stroke=\"black\"");
        if (n % static_cast<std::size_t>(layout.label_every) != 0) {
            continue;
        }
        const std::string label = GenerationsLabel(figure.intervals[n]);
        if (!layout.labels_turned) {
            text += Text(x, y + small_font, label, "text-anchor=\"middle\"");
            continue;
        }
        const std::string xs = Coordinate(x + small_font / 3.0);
        text += "<text x=\"" + xs + "\" y=\"" + Coordinate(y + 2.0) +
                "\" text-anchor=\"end\" transform=\"rotate(-90 " + xs + " " + Coordinate(y + 2.0) +
                ")\">" + label + "</text>\n";
    }
    return text + "</g>\n";
}

std::string FixedMarks(const Layout& layout, std::size_t n) {
    const double x = SlotCentre(layout, n);
    const std::string style = "text-anchor=\"middle\" fill=\"#808080\"";
    return Text(x, (layout.ne_axis.top_y + layout.ne_axis.bottom_y) / 2.0, "fixed", style) +
           Text(x, (layout.fs_axis.top_y + layout.fs_axis.bottom_y) / 2.0, "fixed", style);
}

std::string Panels(const Layout& layout, const FigureData& figure,
                   const std::vector<std::vector<std::size_t>>& shown) {
    std::string text = AxisText(layout, layout.ne_axis, "Ne", "Ne (logarithmic axis)");
    text += InfinityBand(layout);
    text += AxisText(layout, layout.fs_axis, "Fs_prime", "Fs'");
    const double right = left_margin + layout.plot_width;
    const double zero = AxisPosition(layout.fs_axis, 0.0);
    text += Line(left_margin, zero, right, zero, "stroke=\"#909090\"");
    text += Line(left_margin, layout.fs_axis.bottom_y, right, layout.fs_axis.bottom_y,
                 "stroke=\"black\"");
    text += Line(left_margin, layout.ne_axis.bottom_y, right, layout.ne_axis.bottom_y,
                 "stroke=\"black\"");
    SeededDraws draws{locus_seed + 1}; // the points' places, apart from the choice of loci
    for (std::size_t n = 0; n < figure.intervals.size(); ++n) {
        const IntervalFigure& interval = figure.intervals[n];
        if (interval.fixed) {
            text += FixedMarks(layout, n);
            continue;
        }
        text += LocusPoints(layout, n, interval, shown[n], draws);
        text += NeMarks(layout, n, interval);
        text += FsMarks(layout, n, interval);
    }
    return text + IntervalLabels(layout, figure);
}

struct LegendRow {
    std::string glyph; // drawn with its centre at (0, 0)
    std::string text;
};

std::vector<LegendRow> LegendRows() {
    const std::string ne = ne_colour;
    const std::string jk = jackknife_colour;
    const std::string infinity = infinity_sign;
    return {
        {Dot(0, 0, "", false), "Ne and Fs' over all loci"},
        {Dot(0, 0, "", true),
         "Ne at " + infinity + ": negative or not a number (no drift measurable)"},
        {Line(0, -7, 0, 7, "stroke=\"" + ne + "\" stroke-width=\"2\""),
         "95% limits, jackknife of log Fs with t quantile (calibrated)"},
        {Line(0, -7, 0, 7, "stroke=\"" + jk + "\" stroke-width=\"2\"" + jackknife_dash),
         "95% limits of Fs', mean -/+ 1.96 SE of the jackknife (as in the report)"},
        {Arrow(0, -7, ""), "Ne's upper limit at " + infinity + ": no finite upper bound"},
        {"<path d=\"M-6 0h0M0 -3h0M5 2h0\" stroke=\"" + std::string(locus_colour) +
             "\" stroke-opacity=\"0.4\" stroke-width=\"2.5\" stroke-linecap=\"round\"/>\n",
         "Fs' of each locus"},
    };
}

// The legend and the caption under the intervals' labels; returns the figure's height.
std::string LegendText(const Layout& layout, bool thinned, std::size_t points, double& height) {
    double y = layout.fs_axis.bottom_y + layout.labels_height + 20.0;
    std::string text =
        Text(left_margin + layout.plot_width / 2.0, y,
             "Interval: generations of the earlier and the later sample", "text-anchor=\"middle\"");
    y += 10.0;
    text += "<g font-size=\"" + Coordinate(small_font) + "\">\n";
    for (const LegendRow& row : LegendRows()) {
        y += legend_row;
        text += "<g transform=\"translate(" + Coordinate(left_margin + 8.0) + " " +
                Coordinate(y - 4.0) + ")\">\n" + row.glyph + "</g>\n";
        text += Text(left_margin + 24.0, y, row.text);
    }
    if (thinned) {
        y += legend_row;
        text += Text(left_margin, y,
                     "An interval of more than " + std::to_string(points) + " loci shows " +
                         std::to_string(points) + " of them, chosen at random with a fixed seed.");
    }
    height = y + 14.0;
    return text + "</g>\n";
}

} // namespace

void WriteSvgPlot(std::ostream& out, const FigureData& figure) {
    const std::size_t count = std::max<std::size_t>(1, figure.intervals.size());
    const std::size_t points = std::min(MaxLocusPoints, locus_points_in_all / count);
    std::vector<std::vector<std::size_t>> shown;
    bool thinned = false;
    SeededDraws draws{locus_seed};
    for (const IntervalFigure& interval : figure.intervals) {
        shown.push_back(ThinnedLoci(interval.locus_Fs_prime, points, draws));
        const auto& values = interval.locus_Fs_prime;
        thinned = thinned || static_cast<std::size_t>(
                                 std::count_if(values.begin(), values.end(),
                                               [](double v) { return std::isfinite(v); })) > points;
    }

    Layout layout = LayOut(figure, shown);
    const std::string panels = Panels(layout, figure, shown);
    const std::string legend = LegendText(layout, thinned, points, layout.height);

    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\""
        << Coordinate(layout.width) << "\" height=\"" << Coordinate(layout.height)
        << "\" viewBox=\"0 0 " << Coordinate(layout.width) << " " << Coordinate(layout.height)
        << "\" font-family=\"sans-serif\" font-size=\"" << Coordinate(font_size) << "\">\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n"
        << Text(left_margin, 30.0, TitleText(figure), "font-size=\"15\" font-weight=\"bold\"")
        << panels << legend << "</svg>\n";
}
