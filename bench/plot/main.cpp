// SPDX-License-Identifier: GPL-3.0-or-later
// Times whole equation plots in the real window, from the click of the draw button to
// "◇处理完毕！". Beside each plot: FLOOR_MS, as many bare event-loop passes as the plot has
// samples (what a pass before every sample would cost), COMPUTE_MS, the same plot with
// a yield that does nothing (what the arithmetic and drawing cost), and LIMIT_MS, the same
// grid and dots done by plain C++ with the equation compiled in (the physical limit). Then
// CANCEL_MS: a cancel
// click posted 30 ms into the largest plot, milliseconds from its posting until the plot has
// returned. ZOOM_MS: one zoom step with the first five cases drawn together, until the
// window has sampled and drawn them again in the new view. Last, the peak memory of each case
// (every case runs in a process of its own). Plot timings are the best of three runs. Without
// arguments it runs itself per case and platform (offscreen, and xcb when a display is set).
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "PhysicalLimit.h"
#include "shell/Fonts.h"
#include "shell/FunCurveWindow.h"
#include "shell/ViewResampler.h"

namespace {

using Ranges = std::array<const char*, 4>;  // x from, x to, y from, y to
constexpr Ranges kDefaultRanges{"-5", "5", "-5", "5"};

struct PlotCase {
    const char* equation;
    bench::NativePlot native;
    Ranges ranges = kDefaultRanges;
};

// The scan evaluates abs(R-(L)).
constexpr bench::NativePlot kNativeCircle{
    bench::Shape::Scan, [](double x, double y) { return std::fabs(4 - (x * x + y * y)); }};

// The last case is the stress case of the cancel measurement: y beyond what the boxes allow,
// typed straight into them.
const PlotCase kCases[] = {
    {"x^2+y^2=4", kNativeCircle},
    {"y=x^2-1", {bench::Shape::ExplicitY, [](double x, double) { return x * x - 1; }}},
    {"y^2=9-x^2", {bench::Shape::SquaredY, [](double x, double) { return 9 - x * x; }}},
    {"x=3*cos(t);y=2*sin(t)",
     {bench::Shape::Parametric,
      [](double t, double b) { return b == 0 ? 3 * std::cos(t) : 2 * std::sin(t); }}},
    {"r=2*sin(3*t)", {bench::Shape::Polar, [](double t, double) { return 2 * std::sin(3 * t); }}},
    {"x^2+y^2=4", kNativeCircle, {"-9", "9", "-9", "9"}},
    {"x^2+y^2=4", kNativeCircle, {"-5", "5", "-300", "300"}},
};
constexpr int kCaseCount = int(std::size(kCases));

// The case as a label: the equation, with its ranges when they are not the defaults.
std::string CaseLabel(const PlotCase& plot) {
    std::string label = plot.equation;
    if (plot.ranges == kDefaultRanges) return label;
    label += " [";
    for (std::size_t i = 0; i < plot.ranges.size(); ++i)
        label += std::string(i ? "," : "") + plot.ranges[i];
    return label + "]";
}

class Bench {
  public:
    Bench() {
        window_.show();
        for (int i = 0; i < 20; ++i)
            QCoreApplication::processEvents();
    }

    // Milliseconds from the click to the end of the plot; negative when it did not finish.
    double plotMs(const PlotCase& plot) {
        prepare(plot);
        QElapsedTimer timer;
        timer.start();
        control<QPushButton>("cmd绘制图像")->click();  // the plot runs inside the click
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        return status() == QStringLiteral("◇处理完毕！") ? ms : -1;
    }

    // The same plot with the given yield in place of the window's.
    double plotMsWith(const PlotCase& plot, std::function<void()> yield) {
        plotter::PlotContext& ctx = window_.plotContext();
        std::swap(ctx.yield, yield);
        const double ms = plotMs(plot);
        std::swap(ctx.yield, yield);
        return ms;
    }

    // Samples of the plot: a run that yields before every sample and counts.
    int samples(const PlotCase& plot) {
        plotter::PlotContext& ctx = window_.plotContext();
        int count = 0;
        const auto interval = std::exchange(ctx.yieldInterval, std::chrono::nanoseconds{});
        plotMsWith(plot, [&count] { ++count; });
        ctx.yieldInterval = interval;
        return count;
    }

    // Milliseconds from posting a cancel click, 30 ms into the plot, until it has returned.
    // The click is posted from the plot's own yield: a timer of the event loop could fire
    // only after a plot that has become faster than its delay had already ended.
    double cancelMs(const PlotCase& plot) {
        QElapsedTimer sinceClick, sincePosted;
        auto* cancel = control<QPushButton>("cmd取消");
        const auto postOnce = [&] {
            if (sincePosted.isValid() || sinceClick.elapsed() < kCancelAfterMs) return;
            QMetaObject::invokeMethod(cancel, "click", Qt::QueuedConnection);
            sincePosted.start();
        };
        plotter::PlotContext& ctx = window_.plotContext();
        std::function<void()> yield = [&postOnce, windowYield = ctx.yield] {
            postOnce();
            windowYield();
        };
        std::swap(ctx.yield, yield);
        prepare(plot);
        sinceClick.start();
        control<QPushButton>("cmd绘制图像")->click();
        const double ms = double(sincePosted.nsecsElapsed()) / 1e6;
        std::swap(ctx.yield, yield);
        return status() == QStringLiteral("◇取消") && sincePosted.isValid() ? ms : -1;
    }

    // Milliseconds of one zoom step, the best of a few steps in a row (each to a view not
    // sampled before), with the first five cases drawn.
    double zoomMs() {
        window_.ClearPlot();
        for (int i = 0; i < kZoomedCurves; ++i) {
            fill(kCases[i]);
            control<QPushButton>("cmd绘制图像")->click();
        }
        double best = 1e300;
        for (int run = 0; run < 3; ++run) {
            QElapsedTimer timer;
            timer.start();
            window_.plotView().zoom(1);
            window_.viewResampler().finish();
            best = std::min(best, double(timer.nsecsElapsed()) / 1e6);
        }
        window_.plotView().reset();
        return best;
    }

  private:
    static constexpr int kZoomedCurves = 5;
    static constexpr qint64 kCancelAfterMs = 30;
    static constexpr int kSettleMs = 40;

    template <typename T>
    T* control(const char* name) {
        return window_.findChild<T*>(QString::fromUtf8(name));
    }
    QString status() { return control<QLabel>("Label5")->text(); }

    // A cleared canvas in the boxes' case. The canvas repaints a moment after a change (at most
    // about 60 times a second): that repaint of the clear is done before the click, so that it
    // is not timed as part of the plot.
    void prepare(const PlotCase& plot) {
        window_.ClearPlot();
        fill(plot);
        QEventLoop settle;
        QTimer::singleShot(kSettleMs, &settle, &QEventLoop::quit);
        settle.exec();
    }

    // The equation and ranges of a case in their boxes.
    void fill(const PlotCase& plot) {
        control<QComboBox>("Combo1")->setEditText(QString::fromUtf8(plot.equation));
        for (int i = 0; i < 4; ++i)
            control<QLineEdit>(("Text4_" + std::to_string(i)).c_str())->setText(plot.ranges[i]);
        QCoreApplication::processEvents();
    }

    shell::frmFunCurve window_;
};

// Timings are the best of a few runs, so another program's load does not count; a run that
// failed (negative) spoils the figure.
constexpr int kRuns = 3;

double BestOf(double best, double run) {
    return best < 0 || run < 0 ? -1 : std::min(best, run);
}

double FloorMs(int passes) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < passes; ++i)
        QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Peak resident memory of this process in MB (VmHWM).
double PeakMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ')[0].toDouble() / 1024;
    }
    return -1;
}

// One case: its timing line, then its peak memory line.
int RunCase(int index) {
    const PlotCase& plot = kCases[index];
    Bench bench;
    const std::string platform = QGuiApplication::platformName().toStdString();
    const std::string label = CaseLabel(plot);
    const int samples = bench.samples(plot);  // also warms the engine up
    std::array<double, 4> ranges{};
    for (std::size_t i = 0; i < ranges.size(); ++i)
        ranges[i] = std::atof(plot.ranges[i]);
    double ms = 1e300, compute = 1e300, limit = 1e300;
    for (int run = 0; run < kRuns; ++run) {
        ms = BestOf(ms, bench.plotMs(plot));
        compute = BestOf(compute, bench.plotMsWith(plot, [] {}));
        limit = BestOf(limit, bench::LimitMs(plot.native, ranges));
    }
    const double floor = FloorMs(samples);
    std::printf("%s\t%s\t%.2f\t%.1f\t%.2f\t%.2f\n", label.c_str(), platform.c_str(), ms, floor,
                compute, limit);
    std::printf("%s\t%s\t%.1f\n", label.c_str(), platform.c_str(), PeakMb());
    return 0;
}

int RunCancel() {
    Bench bench;
    const std::string platform = QGuiApplication::platformName().toStdString();
    std::printf("CANCEL_MS\t%s\t%.2f\n", platform.c_str(), bench.cancelMs(kCases[kCaseCount - 1]));
    std::printf("ZOOM_MS\t%s\t%.2f\n", platform.c_str(), bench.zoomMs());
    return 0;
}

// Runs this program again with the given platform and mode; its output lines.
std::vector<std::string> RunChild(const std::string& self, const char* platform,
                                  const std::string& mode) {
    const std::string command =
        std::string("QT_QPA_PLATFORM=") + platform + " '" + self + "' " + mode;
    std::vector<std::string> lines;
    FILE* child = ::popen(command.c_str(), "r");
    if (child == nullptr) return lines;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, child) != nullptr)
        lines.emplace_back(buffer);
    if (::pclose(child) != 0)
        std::fprintf(stderr, "bench-plot: %s %s failed\n", platform, mode.c_str());
    return lines;
}

void RunPlatform(const std::string& self, const char* platform, std::string& cancel,
                 std::string& memory) {
    for (int i = 0; i < kCaseCount; ++i) {
        const auto lines = RunChild(self, platform, "--case " + std::to_string(i));
        if (!lines.empty()) std::fputs(lines[0].c_str(), stdout);
        if (lines.size() > 1) memory += lines[1];
        std::fflush(stdout);
    }
    for (const std::string& line : RunChild(self, platform, "--cancel"))
        cancel += line;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "--case" || mode == "--cancel") {
        QApplication app(argc, argv);
        shell::RegisterFontSubstitutions();
        if (mode == "--cancel") return RunCancel();
        const int index = argc > 2 ? std::atoi(argv[2]) : -1;
        return index >= 0 && index < kCaseCount ? RunCase(index) : 2;
    }
    std::printf("EQUATION\tPLATFORM\tMS\tFLOOR_MS\tCOMPUTE_MS\tLIMIT_MS\n");
    std::fflush(stdout);
    std::string cancel, memory;
    RunPlatform(argv[0], "offscreen", cancel, memory);
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && *display != '\0') RunPlatform(argv[0], "xcb", cancel, memory);
    std::printf("\n%s\nEQUATION\tPLATFORM\tPEAK_MB\n%s", cancel.c_str(), memory.c_str());
    return 0;
}
