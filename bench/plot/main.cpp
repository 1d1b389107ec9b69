// Times whole equation plots in the real window, from the click of the draw button to
// "◇处理完毕！", next to the floor: as many bare event-loop passes as the plot has samples.
// Without arguments it runs itself once per platform (offscreen, and xcb when a display is
// set) and prints one line per case: EQUATION<TAB>PLATFORM<TAB>MS<TAB>FLOOR_MS.
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "shell/Fonts.h"
#include "shell/FunCurveWindow.h"
#include "shell/HelpWindow.h"

namespace {

struct PlotCase {
    const char* equation;
    int samples;  // event-loop passes the plot makes with the initial range boxes
};

constexpr PlotCase kCases[] = {
    {"x^2+y^2=4", 250 * 334},        {"y=x^2-1", 2501},      {"y^2=9-x^2", 2501},
    {"x=3*cos(t);y=2*sin(t)", 4000}, {"r=2*sin(3*t)", 4000},
};

double FloorMs(int passes) {
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < passes; ++i)
        QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Milliseconds from the click to the end of the plot; negative when it did not finish.
double PlotMs(shell::frmFunCurve& window, const char* equation) {
    auto* combo = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
    auto* draw = window.findChild<QPushButton*>(QStringLiteral("cmd绘制图像"));
    auto* status = window.findChild<QLabel*>(QStringLiteral("Label5"));
    window.ClearPlot();
    combo->setEditText(QString::fromUtf8(equation));
    QCoreApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    draw->click();  // the plot runs inside the click
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    return status->text() == QStringLiteral("◇处理完毕！") ? ms : -1;
}

int RunCases(int argc, char** argv) {
    QApplication app(argc, argv);
    shell::RegisterFontSubstitutions();
    shell::frmFunCurve window;
    window.show();
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    const std::string platform = QGuiApplication::platformName().toStdString();
    for (const PlotCase& plot : kCases) {
        const double ms = PlotMs(window, plot.equation);
        const double floor = FloorMs(plot.samples);
        std::printf("%s\t%s\t%.1f\t%.1f\n", plot.equation, platform.c_str(), ms, floor);
        std::fflush(stdout);
    }
    return 0;
}

// Runs this program again with the given platform; its lines go straight to our output.
void RunOnPlatform(const std::string& self, const char* platform) {
    const std::string command =
        std::string("QT_QPA_PLATFORM=") + platform + " '" + self + "' --cases";
    if (std::system(command.c_str()) != 0)
        std::fprintf(stderr, "bench-plot: the %s run failed\n", platform);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "--cases") return RunCases(argc, argv);
    std::printf("EQUATION\tPLATFORM\tMS\tFLOOR_MS\n");
    std::fflush(stdout);
    RunOnPlatform(argv[0], "offscreen");
    const char* display = std::getenv("DISPLAY");
    if (display != nullptr && *display != '\0') RunOnPlatform(argv[0], "xcb");
    return 0;
}
