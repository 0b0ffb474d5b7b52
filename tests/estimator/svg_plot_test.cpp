// Morvast's figure: well-formed, self-contained SVG that a real renderer draws without a word;
// every all-loci mark holding the table's very number where its axis puts it; the locus points
// thinned to the cap and the file small at 100,000 loci; the data file's name shown safely.
#include "svg_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <set>
#include <signal.h>
#include <thread>

#include "messages.h"
#include "morvast_run.h"
#include "tsv_table.h"

namespace {

namespace fs = std::filesystem;
using testing_support::EndOf;
using testing_support::ReadFile;
using testing_support::ReadTsv;
using testing_support::TempDir;
using testing_support::WriteFile;

using testing_support::TsvNumber;

// An element of the figure: its name, its attributes and the text right after its start tag.
struct Element {
    std::string name;
    std::map<std::string, std::string> attributes;
    std::string text;
};

// The figure's elements in the order of their start tags. The figure writes every attribute
// value in double quotes, with no '>' inside; xmllint holds it to XML's rules.
std::vector<Element> ElementsOf(const std::string& svg) {
    std::vector<Element> elements;
    for (std::size_t at = svg.find('<'); at != std::string::npos; at = svg.find('<', at)) {
        const std::size_t end = svg.find('>', at);
        const std::string tag = svg.substr(at + 1, end - at - 1);
        at = end;
        if (tag[0] == '/' || tag[0] == '?') {
            continue;
        }
        Element e{tag.substr(0, tag.find_first_of(" /")), {}, ""};
        for (std::size_t eq = tag.find("=\""); eq != std::string::npos; eq = tag.find("=\"", eq)) {
            const std::size_t name = tag.rfind(' ', eq) + 1;
            const std::size_t close = tag.find('"', eq + 2);
            e.attributes[tag.substr(name, eq - name)] = tag.substr(eq + 2, close - eq - 2);
            eq = close;
        }
        e.text = svg.substr(end + 1, svg.find('<', end) - end - 1);
        elements.push_back(e);
    }
    return elements;
}

std::string SvgOf(const FigureData& figure) {
    std::ostringstream out;
    WriteSvgPlot(out, figure);
    return out.str();
}

double Attribute(const Element& e, const std::string& name) {
    return e.attributes.count(name) ? std::stod(e.attributes.at(name)) : NAN;
}

// The point a mark stands at: a dot's centre, a cap's middle, an arrow's tip.
std::pair<double, double> PlaceOf(const Element& e) {
    if (e.name == "circle") {
        return {Attribute(e, "cx"), Attribute(e, "cy")};
    }
    if (e.name == "polygon") {
        double x = NAN;
        double y = NAN;
        std::sscanf(e.attributes.at("points").c_str(), "%lf,%lf", &x, &y);
        return {x, y};
    }
    return {(Attribute(e, "x1") + Attribute(e, "x2")) / 2, Attribute(e, "y1")};
}

// No script, nothing fetched from elsewhere, no style sheet, fonts by family at 10 px or more.
void ExpectSelfContained(const std::vector<Element>& svg) {
    ASSERT_FALSE(svg.empty());
    EXPECT_EQ(svg[0].name, "svg");
    EXPECT_EQ(svg[0].attributes.at("version"), "1.1");
    for (const Element& e : svg) {
        EXPECT_TRUE(e.name != "script" && e.name != "style" && e.name != "image" &&
                    e.name != "foreignObject")
            << e.name;
        for (const auto& [name, value] : e.attributes) {
            EXPECT_TRUE(name.find("href") == std::string::npos && name.rfind("on", 0) != 0 &&
                        value.find("url(") == std::string::npos)
                << name << "=" << value;
            if (name == "font-size") {
                EXPECT_GE(std::stod(value), 10.0);
            }
            if (name == "font-family") {
                EXPECT_EQ(value, "sans-serif");
            }
        }
    }
}

// An axis as its ticks draw it: the screen position of a value.
struct TickAxis {
    bool logarithmic = false;
    std::vector<std::pair<double, double>> ticks; // value, y
    double At(double v) const {
        const auto [v0, y0] = ticks.front();
        const auto [v1, y1] = ticks.back();
        const auto scale = [this](double u) { return logarithmic ? std::log10(u) : u; };
        return y0 + (scale(v) - scale(v0)) / (scale(v1) - scale(v0)) * (y1 - y0);
    }
};

// Holds every all-loci mark against the table's "all" rows: one mark for each value drawn, its
// data-value the table's cell, and its place where the axes put that value and in its slot.
void ExpectMarksOfTable(const std::vector<Element>& svg, const std::string& table_text) {
    const auto table = ReadTsv(table_text);
    ASSERT_EQ(table.fault, "");
    TickAxis ne{true, {}};
    TickAxis fs{false, {}};
    double band = NAN;
    std::vector<double> slots;
    std::multimap<std::pair<int, std::string>, const Element*> marks;
    for (const Element& e : svg) {
        const auto& a = e.attributes;
        if (a.count("data-tick")) {
            const double value = std::stod(a.at("data-tick"));
            if (std::isinf(value)) {
                band = Attribute(e, "y1");
            } else {
                (a.at("data-axis") == "Ne" ? ne : fs).ticks.push_back({value, Attribute(e, "y1")});
            }
        } else if (a.count("data-slot")) {
            slots.push_back(Attribute(e, "x1"));
        } else if (a.count("data-kind")) {
            marks.insert({{std::stoi(a.at("data-interval")), a.at("data-kind")}, &e});
        }
    }
    const std::vector<std::string> ne_kinds{"Ne", "cal_Ne_lower", "cal_Ne_upper"};
    const std::vector<std::string> fs_kinds{"Fs_prime", "jk_Fsp_lower", "jk_Fsp_upper",
                                            "cal_Fsp_lower", "cal_Fsp_upper"};
    std::size_t expected_marks = 0;
    int interval = 0;
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        if (table.Cell(row, "locus") != "all") {
            continue;
        }
        ++interval;
        const bool fixed = table.Cell(row, "Fs_prime") == "NA";
        for (const bool on_ne : {true, false}) {
            for (const std::string& kind : on_ne ? ne_kinds : fs_kinds) {
                double value = 0.0;
                ASSERT_TRUE(TsvNumber(table.Cell(row, kind), value));
                const bool drawn =
                    !fixed && (on_ne ? kind == "Ne" || !std::isnan(value) : std::isfinite(value));
                const auto range = marks.equal_range({interval, kind});
                SCOPED_TRACE("interval " + std::to_string(interval) + " " + kind);
                ASSERT_EQ(std::distance(range.first, range.second), drawn ? 1 : 0);
                if (!drawn) {
                    continue;
                }
                ++expected_marks;
                const Element& mark = *range.first->second;
                double shown = 0.0;
                ASSERT_TRUE(TsvNumber(mark.attributes.at("data-value"), shown));
                if (std::isfinite(value)) {
                    EXPECT_NEAR(shown, value, 1e-12 * std::fabs(value));
                } else {
                    EXPECT_EQ(mark.attributes.at("data-value"), table.Cell(row, kind));
                }
                const auto [x, y] = PlaceOf(mark);
                const double expected_y = !on_ne                              ? fs.At(value)
                                          : std::isfinite(value) && value > 0 ? ne.At(value)
                                          : value == 0 ? ne.ticks.front().second
                                                       : band;
                EXPECT_NEAR(y, expected_y, 0.02);
                for (std::size_t s = 0; s < slots.size(); ++s) {
                    EXPECT_LE(std::fabs(x - slots[interval - 1]), std::fabs(x - slots[s]));
                }
            }
        }
    }
    EXPECT_EQ(slots.size(), static_cast<std::size_t>(interval));
    EXPECT_EQ(marks.size(), expected_marks);
}

// Reads the figure with xmllint and renders it with rsvg-convert; what either says, or why it
// failed.
std::string ToolFaults(const std::string& svg) {
    TempDir dir;
    testing_support::WriteFile(dir / "figure.svg", svg);
    const auto parsed =
        testing_support::RunProgram(XMLLINT_EXE, {"--noout", "figure.svg"}, "", dir.path());
    const auto drawn = testing_support::RunProgram(
        RSVG_CONVERT_EXE, {"-o", "figure.png", "figure.svg"}, "", dir.path());
    const bool png = std::filesystem::exists(dir / "figure.png");
    return "xmllint " + std::to_string(parsed.status) + parsed.err + ", rsvg-convert " +
           std::to_string(drawn.status) + drawn.err + (png ? "" : ", no picture");
}

const std::string tools_content = "xmllint 0, rsvg-convert 0";

struct RunCase {
    const char* what;
    std::string data;
    std::string answers; // the plan, and N for plan 1
};

// Data sets whose marks take every form: an arrow to infinity and a negative jackknife limit,
// limits that are not defined, a fixed interval, samples out of order (a negative Ne), and
// many intervals of many loci.
const std::string worked = "2 2 Worked\n2 2\n0.6 0.4 100 Loc1 0\n0.4 0.6 100 Loc1 5\n"
                           "0.6 0.4 100 Loc2 0\n0.5 0.5 100 Loc2 5\n";
const std::vector<RunCase> run_cases{
    {"worked, plan 2", worked, "2\n"},
    {"worked, plan 1", worked, "1\n1000\n"},
    {"one locus", "2 1 One\n2\n0.6 0.4 100 A 0\n0.4 0.6 100 A 5\n", "2\n"},
    {"fixed, then out of order",
     "3 2 Odd\n2 2\n1 0 50 A 10\n1 0 50 A 20\n0.7 0.3 50 A 4\n"
     "1 0 50 B 10\n1 0 50 B 20\n0.2 0.8 50 B 4\n",
     "2\n"},
    {"ten samples of 100 loci", LargeData(10, 100), "1\n500\n"},
};

// Whole runs with --table and --plot: the figure's marks against the table of the same run,
// and no draft left beside them.
TEST(SvgPlot, MarksHoldTheTablesNumbersWhereTheAxesPutThem) {
    for (const RunCase& c : run_cases) {
        SCOPED_TRACE(c.what);
        TempDir dir;
        WriteFile(dir / "data.txt", c.data);
        const auto run = RunMorvast(
            dir, {"--table", "t.tsv", "--plot", "f.svg", "data.txt", "r.txt"}, c.answers);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(FilesIn(dir), (std::set<std::string>{"data.txt", "f.svg", "r.txt", "t.tsv"}));
        const std::string svg = ReadFile(dir / "f.svg");
        const auto elements = ElementsOf(svg);
        ExpectSelfContained(elements);
        ExpectMarksOfTable(elements, ReadFile(dir / "t.tsv"));
        EXPECT_EQ(ToolFaults(svg), tools_content);
    }
}

// SIGTERM at a random moment of runs over 4,000 loci: the run ends by it, no draft is left,
// and the figure is there whole or not at all.
TEST(SvgPlotFile, StopSignalLeavesNoDraft) {
    TempDir dir;
    WriteFile(dir / "d.txt", LargeData(3, 4000));
    WriteFile(dir / "answers", "");
    std::mt19937 random(15);
    int stopped = 0;
    for (int run = 0; run < 60; ++run) {
        fs::remove(dir / "f.svg");
        const pid_t pid = StartMorvast(dir, {"--plan", "2", "--plot", "f.svg", "d.txt", "r.txt"});
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 10000));
        kill(pid, SIGTERM);
        const int status = EndOf(pid);
        stopped += status == 128 + SIGTERM;
        EXPECT_TRUE(status == 0 || status == 128 + SIGTERM) << status;
        auto files = FilesIn(dir);
        files.erase("answers");
        EXPECT_TRUE(files == std::set<std::string>({"d.txt", "r.txt"}) ||
                    files == std::set<std::string>({"d.txt", "r.txt", "f.svg"}) ||
                    files == std::set<std::string>({"d.txt"}));
        if (files.count("f.svg") != 0) {
            const std::string svg = ReadFile(dir / "f.svg");
            EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
        }
    }
    EXPECT_GT(stopped, 0);
}

// A figure of `intervals` intervals of `loci` loci each, Fs' drawn at random, one locus in
// ten fixed.
FigureData SyntheticFigure(int intervals, std::size_t loci) {
    std::mt19937_64 random(3);
    std::normal_distribution<double> shift(0.02, 0.03);
    FigureData figure{"many.txt", 2, 0, {}};
    for (int i = 0; i < intervals; ++i) {
        IntervalFigure interval{10 * i, 10 * i + 10, false, 50.0,  30.0,  200.0,
                                0.02,   0.01,        0.03,  0.012, 0.035, {}};
        for (std::size_t L = 0; L < loci; ++L) {
            interval.locus_Fs_prime.push_back(L % 10 == 0 ? NAN : shift(random));
        }
        figure.intervals.push_back(interval);
    }
    return figure;
}

// At most MaxLocusPoints points an interval, every point of a smaller interval, the thinning
// said in the caption, the same figure from the same data, and below 2 MB at 100,000 loci in
// each of 49 intervals; the interval labels side by side when there is room, else upright.
TEST(SvgPlot, LocusPointsCappedAndTheFileSmall) {
    struct Case {
        int intervals;
        std::size_t loci;
        std::size_t points; // drawn an interval
        bool turned;        // the labels upright
    } cases[] = {{1, 1000, 900, false},
                 {9, 3000, MaxLocusPoints, false},
                 {49, 100000, MaxLocusPoints, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.intervals);
        const FigureData figure = SyntheticFigure(c.intervals, c.loci);
        const std::string svg = SvgOf(figure);
        EXPECT_LT(svg.size(), 2u * 1024 * 1024);
        EXPECT_EQ(svg, SvgOf(figure));
        const auto elements = ElementsOf(svg);
        ExpectSelfContained(elements);
        int paths = 0;
        int turned = 0;
        for (const Element& e : elements) {
            if (e.attributes.count("data-loci-of")) {
                ++paths;
                const std::string& d = e.attributes.at("d");
                EXPECT_EQ(static_cast<std::size_t>(std::count(d.begin(), d.end(), 'M')), c.points);
            }
            turned += e.name == "text" && e.attributes.count("transform") &&
                      e.text.find("\xE2\x80\x93") != std::string::npos;
        }
        EXPECT_EQ(paths, c.intervals);
        EXPECT_EQ(turned, c.turned ? c.intervals : 0);
        EXPECT_EQ(svg.find("chosen at random") != std::string::npos, c.points == MaxLocusPoints);
        if (c.intervals == 49) {
            EXPECT_EQ(ToolFaults(svg), tools_content);
        }
    }
}

// The data file's name in the title: XML's special characters as entities, control characters
// and bytes that are not UTF-8 as \xHH, valid UTF-8 as it is; the whole still XML.
TEST(SvgPlot, TitleShowsTheDataFileNameSafely) {
    const struct {
        std::string name;
        std::string shown;
    } cases[] = {
        {"a<b>&\"c\".txt", "a&lt;b&gt;&amp;&quot;c&quot;.txt"},
        {"tab\there\x1B[31m\\", "tab\\x09here\\x1B[31m\\\\"},
        {"truite_\xC3\xA9t\xC3\xA9 c1\xC2\x85 cut\xE2\x88",
         "truite_\xC3\xA9t\xC3\xA9 c1\\xC2\\x85 cut\\xE2\\x88"},
        {"non\xEF\xBF\xBF\xEF\xBF\xBE", "non\\xEF\\xBF\\xBF\\xEF\\xBF\\xBE"},
    };
    for (const auto& c : cases) {
        const std::string svg = SvgOf({c.name, 1, 40, {}});
        EXPECT_EQ(ToolFaults(svg), tools_content) << c.shown;
        const auto elements = ElementsOf(svg);
        const auto title = std::find_if(elements.begin(), elements.end(),
                                        [](const Element& e) { return e.name == "text"; });
        ASSERT_NE(title, elements.end());
        EXPECT_EQ(title->text, "Ne and Fs' per interval: " + c.shown + ", sample plan 1, N = 40");
    }
}

} // namespace
