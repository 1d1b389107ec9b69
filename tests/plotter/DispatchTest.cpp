// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <csignal>

#include "PlotFixture.h"
#include "common/TestRegistry.h"
#include "plotter/EquationForm.h"
#include "plotter/Normalize.h"
#include "plotter/PlotCommands.h"
#include "plotter/PointFile.h"

using plotter::EquationForm;
Q_DECLARE_METATYPE(EquationForm)

// The draw command: which plotter a typed equation reaches, and what it prepares for it.
class DispatchTest : public QObject {
    Q_OBJECT
  private slots:
    void classifiesTypedEquations_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<EquationForm>("form");
        QTest::newRow("explicit") << "Y = 2X + 1" << EquationForm::ExplicitY;
        QTest::newRow("parametric") << "x=cos(t);y=sin(t)" << EquationForm::Parametric;
        QTest::newRow("semicolon wins over y=") << "y=t;x=t" << EquationForm::Parametric;
        QTest::newRow("polar") << "r=2*sin(3*t)" << EquationForm::Polar;
        QTest::newRow("2r is no polar") << "2r=1" << EquationForm::General;
        QTest::newRow("squared") << "y^2=4x" << EquationForm::SquaredY;
        QTest::newRow("circle") << "x^2+y^2=4" << EquationForm::General;
        QTest::newRow("leading x=") << "x=y^2" << EquationForm::General;
        QTest::newRow("no equals") << "x>y" << EquationForm::General;
    }
    void classifiesTypedEquations() {
        QFETCH(QString, typed);
        QFETCH(EquationForm, form);
        const std::string normalized = plotter::NormalizeEquation(typed.toStdString());
        QCOMPARE(plotter::ClassifyEquation(normalized), form);
    }

    // The working box holds the normalised equation, and what a Chinese input method types
    // plots as its ASCII twin, range boxes included.
    void workingBoxHoldsTheNormalisedEquation_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("x");  // both ends of the x range
        QTest::addColumn<QString>("working");
        QTest::addColumn<float>("y");
        QTest::newRow("ASCII") << "Y = 2X + 1"
                               << "0"
                               << "y=2*x+1" << 1.0f;
        QTest::newRow("full width") << "ｙ＝２ｘ－１"
                                    << "\u3000－１"
                                    << "y=2*x-1" << -3.0f;
    }
    void workingBoxHoldsTheNormalisedEquation() {
        QFETCH(QString, typed);
        QFETCH(QString, x);
        QFETCH(QString, working);
        QFETCH(float, y);
        PlotFixture f;
        f.ranges[0] = f.ranges[1] = x.toStdString();
        f.draw(typed.toStdString());
        QCOMPARE(f.working, working.toStdString());
        QCOMPARE(f.dots().size(), std::size_t(1));
        QCOMPARE(f.dots().front().y1, y);
    }

    void blankEquationDrawsNothing_data() {
        QTest::addColumn<QString>("typed");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
        QTest::newRow("ideographic spaces") << "\u3000 \u3000";
    }
    void blankEquationDrawsNothing() {
        QFETCH(QString, typed);
        PlotFixture f;
        f.draw(typed.toStdString());
        QVERIFY(f.drawEnabled);
        QVERIFY(f.statuses.empty());
        QVERIFY(f.dots().empty());
        QCOMPARE(f.samples, 0);
    }

    void oldPointFileIsGoneAfterAParametricPlot() {
        PlotFixture f;
        f.writePointFile("1,1\r\n");
        f.ranges[5] = "0.01";
        f.draw("x=t;y=t");
        QVERIFY(!QFile::exists(QString::fromStdString(f.pointFilePath())));
        plotter::JoinPlottedPoints(f.ctx);
        QCOMPARE(f.status(), std::string("◇无须连点成线"));
    }

    // A folder where the point file should be can neither be removed nor written: the plot
    // still draws and ends normally, and a failed record never costs the lower branch of y^2.
    void unwritablePointFileNeverStopsThePlot_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<int>("dots");
        QTest::newRow("explicit") << "y=x" << 1;
        QTest::newRow("squared") << "y^2=9-x^2" << 2;
    }
    void unwritablePointFileNeverStopsThePlot() {
        QFETCH(QString, equation);
        QFETCH(int, dots);
        PlotFixture f;
        QVERIFY(QDir(f.folder.path()).mkdir("CoordinateData.txt"));
        f.ranges[0] = "1";
        f.ranges[1] = "1.1";
        f.draw(equation.toStdString());
        QCOMPARE(f.status(), std::string("◇处理完毕！"));
        QCOMPARE(int(f.dots().size()), dots * f.samples);
        plotter::JoinPlottedPoints(f.ctx);
        QVERIFY(f.segments(canvas::kGreen).empty());
    }

    // The point file is written only as a regular file of its own: a symbolic link (perhaps to
    // a file of the user's) stays untouched, and a FIFO is refused at once instead of waiting;
    // a hard link keeps its contents and the point file becomes a fresh file.
    void pointFileIsNeverALinkOrAFifo_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("written");
        QTest::newRow("symbolic link") << 0 << false;
        QTest::newRow("fifo") << 1 << false;
        QTest::newRow("hard link") << 2 << true;
    }
    void pointFileIsNeverALinkOrAFifo() {
        QFETCH(int, kind);
        QFETCH(bool, written);
        PlotFixture f;
        const std::string target = f.folder.filePath("target.txt").toStdString();
        const std::string pointFile = f.pointFilePath();
        const char* point = pointFile.c_str();
        QFile(QString::fromStdString(target)).open(QIODevice::WriteOnly);
        QCOMPARE(kind == 0   ? ::symlink(target.c_str(), point)
                 : kind == 1 ? ::mkfifo(point, 0644)
                             : ::link(target.c_str(), point),
                 0);
        plotter::PointFileWriter points(f.pointFilePath());
        QCOMPARE(points.append(1, 1), written);
        QCOMPARE(QFileInfo(QString::fromStdString(target)).size(), 0);
    }

    // A record that does not fit (here: the file size limit, as on a full disk) is cut off
    // again, and the later records are skipped even when they would fit; gathered records
    // are cut back to the last whole one when they are written.
    void tornRecordIsCutOff_data() {
        QTest::addColumn<int>("block");
        QTest::newRow("each at once") << 0;
        QTest::newRow("gathered") << 1024;
    }
    void tornRecordIsCutOff() {
        QFETCH(int, block);
        PlotFixture f;
        plotter::PointFileWriter points(f.pointFilePath(), nullptr, nullptr, std::size_t(block));
        rlimit saved{};
        QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
        rlimit small = saved;
        small.rlim_cur = 20;
        const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &small);
        const bool kept[] = {points.append(1.25, 1), points.append(1.25, 2),
                             points.append(1.25, 3)};
        const bool written = points.flush();
        ::setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldSignal);
        QVERIFY(kept[0] && kept[1] && kept[2] == (block > 0) && !written);
        QVERIFY(!points.append(1.25, 4));
        QCOMPARE(f.records(), (std::vector<std::string>{"1.25,1", "1.25,2"}));
        QCOMPARE(f.pointFile().size(), std::size_t(16));
    }
};

FUNCURVE_TEST(DispatchTest)
#include "DispatchTest.moc"
