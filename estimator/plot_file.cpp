#include "plot_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sstream>
#include <unistd.h>

#include "data_tables.h"
#include "draft_file.h"
#include "error.h"
#include "messages.h"
#include "whole_write.h"

namespace {

// The draft's name while it exists, empty otherwise.
std::string draft_name;
// The draft, or the device the figure goes straight to, while it is open; -1 otherwise.
int plot_fd = -1;
// The figure held for a device or a named pipe until the report is appended.
std::string held_figure;

void ClosePlot() {
    if (plot_fd >= 0) {
        close(plot_fd);
        plot_fd = -1;
    }
    held_figure.clear();
}

void RemoveDraft() {
    if (!draft_name.empty()) {
        RegisterDraft(DraftOf::plot, nullptr);
        unlink(draft_name.c_str());
        draft_name.clear();
    }
}

[[noreturn]] void PlotNotWritten(int error_number) {
    ClosePlot();
    RemoveDraft();
    Error(Say(Text::cannot_write_plot,
              {{"PLOT", plotfilename}, {"REASON", std::strerror(error_number)}}));
}

void OpenPlot() {
    plot_fd = open(plotfilename.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (plot_fd < 0) {
        PlotNotWritten(errno);
    }
}

void WriteAndClose(const std::string& text) {
    if (!WriteWhole(plot_fd, text)) {
        PlotNotWritten(errno);
    }
    const int closed = close(plot_fd);
    plot_fd = -1;
    if (closed != 0) {
        PlotNotWritten(errno);
    }
}

} // namespace

PlotWay PreparePlot() {
    if (plotfilename.empty()) {
        return PlotWay::none;
    }
    struct stat plot {};
    if (stat(plotfilename.c_str(), &plot) == 0) {
        if (S_ISDIR(plot.st_mode)) {
            PlotNotWritten(EISDIR);
        }
        if (S_ISSOCK(plot.st_mode) || S_ISBLK(plot.st_mode)) {
            Error(Say(Text::plot_kind, {{"PLOT", plotfilename}}));
        }
        // A named pipe's open waits for a reader, so it is only checked here.
        if (S_ISFIFO(plot.st_mode) &&
            faccessat(AT_FDCWD, plotfilename.c_str(), W_OK, AT_EACCESS) != 0) {
            PlotNotWritten(errno);
        }
        if (S_ISCHR(plot.st_mode)) {
            OpenPlot();
        }
        if (S_ISCHR(plot.st_mode) || S_ISFIFO(plot.st_mode)) {
            return PlotWay::straight;
        }
    }
    // A file, or a name of no file yet; a name the system refuses is found here.
    struct stat named {};
    const bool exists = lstat(plotfilename.c_str(), &named) == 0;
    if (!exists && errno != ENOENT) {
        PlotNotWritten(errno);
    }
    if (exists && ReplacementRefused(plotfilename, named)) {
        PlotNotWritten(EPERM);
    }
    plot_fd = MakeDraft(plotfilename, ".Morvast-plot-", DraftOf::plot, draft_name);
    if (plot_fd < 0) {
        PlotNotWritten(errno);
    }
    return PlotWay::drafted;
}

void WritePlot(const FigureData& figure) {
    std::ostringstream svg;
    WriteSvgPlot(svg, figure);
    if (draft_name.empty()) {
        held_figure = svg.str();
        return;
    }
    WriteAndClose(svg.str());
}

void CommitPlot() {
    if (const int refused = PutDraftInPlace(DraftOf::plot, draft_name, plotfilename)) {
        PlotNotWritten(refused);
    }
}

void WritePlotStraight() {
    if (plot_fd < 0) {
        OpenPlot();
    }
    WriteAndClose(held_figure);
    held_figure.clear();
}

void AbandonPlot() {
    ClosePlot();
    RemoveDraft();
}
