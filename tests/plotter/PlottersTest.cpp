// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <cmath>

#include "PlotFixture.h"
#include "common/TestRegistry.h"
#include "plotter/PlotCommands.h"
#include "plotter/PlotReport.h"

namespace {

double Radius(const canvas::CanvasOp& dot) {
    return std::hypot(dot.x1, dot.y1);
}

bool AllDots(const std::vector<canvas::CanvasOp>& dots, bool (*test)(const canvas::CanvasOp&)) {
    for (const auto& dot : dots)
        if (!test(dot)) return false;
    return true;
}

}  // namespace

// What each plotter draws, records and prints, with the initial range boxes unless a case
// says otherwise.
class PlottersTest : public QObject {
    Q_OBJECT
  private slots:
    void circleByTheGeneralScan() {
        PlotFixture f;
        f.draw("x^2+y^2=4");
        QCOMPARE(f.samples, 250 * 334);
        const auto dots = f.dots();
        QVERIFY2(dots.size() >= 150 && dots.size() <= 170, std::to_string(dots.size()).c_str());
        QVERIFY(AllDots(dots, [](const canvas::CanvasOp& d) {
            return std::fabs(Radius(d) - 2) < 0.02 && d.color == canvas::kBlue && d.width == 2;
        }));
        const auto records = f.records();
        QVERIFY(!records.empty());
        QCOMPARE(records.front(), std::string("-2,-0.170000000000003"));
        QVERIFY(records.size() < dots.size());  // the axis band is drawn, not recorded
        QCOMPARE(f.working, std::string("abs(4-(x^2+y^2))"));
        QCOMPARE(f.picture4.printedLines(),
                 (std::vector<std::string>{"x^2+y^2=4", "(-5≤x≤5，-5≤y≤5)"}));
        QCOMPARE(f.status(), std::string("◇处理完毕！"));
    }

    // A grid point is hit where the difference is at most 0.03; truth values count as -1 or
    // 0, so a comparison marks every grid point.
    void hitsWithinTheLimit_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<int>("dots");
        QTest::newRow("comparison") << "x>y" << 12;
        QTest::newRow("difference of exactly 0.03") << "x-x=0.03" << 12;
        QTest::newRow("difference just over 0.03") << "x-x=0.030000000000000002" << 0;
    }
    void hitsWithinTheLimit() {
        QFETCH(QString, equation);
        QFETCH(int, dots);
        PlotFixture f;
        f.ranges = {"0", "0.1", "0", "0.1", "0", "2"};
        f.draw(equation.toStdString());
        QCOMPARE(f.samples, 3 * 4);
        QCOMPARE(int(f.dots().size()), dots);
        QCOMPARE(int(f.records().size()), dots / 2);  // x = 0 and y = 0 are not recorded
    }

    void explicitRecordsOffTheAxes() {
        PlotFixture f;
        f.draw("y=x");
        QCOMPARE(f.samples, 2501);
        QCOMPARE(f.dots().size(), std::size_t(2501));
        const auto records = f.records();
        QCOMPARE(records.size(), std::size_t(2501 - 5));  // |x| < 0.01 near 0
        QCOMPARE(records.front(), std::string("-5,-5"));
        QCOMPARE(f.picture4.printedLines(), (std::vector<std::string>{"y=x", "(-5≤x≤5)"}));
    }

    void explicitGoesOnPastThePole() {
        PlotFixture f;
        f.draw("y=1/x");
        QCOMPARE(f.status(), std::string("◇处理完毕！"));
        QCOMPARE(f.dots().size(), std::size_t(2501));
        QCOMPARE(f.records().size(), std::size_t(2501 - 5));
        // The engine saw the x nearest 0 as written in the default number text.
        f.engine.AddCode("x=-1.06609165939631E-13");
        QCOMPARE(f.engine.Eval("x").real, -1.06609165939631E-13);
    }

    void powerFunctionOnBothSides_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<int>("dots");
        QTest::addColumn<bool>("negativeSide");
        QTest::newRow("cube root") << "y=sp(x,1,3)" << 2501 << true;
        QTest::newRow("square root") << "y=sp(x,1,2)" << 1250 << false;
    }
    void powerFunctionOnBothSides() {
        QFETCH(QString, equation);
        QFETCH(int, dots);
        QFETCH(bool, negativeSide);
        PlotFixture f;
        f.draw(equation.toStdString());
        const auto drawn = f.dots();
        QCOMPARE(int(drawn.size()), dots);
        QCOMPARE(drawn.front().x1 < 0, negativeSide);
        if (negativeSide) QVERIFY(std::fabs(drawn.front().y1 + std::cbrt(5.0)) < 1e-5);
        const double last = negativeSide ? std::cbrt(5.0) : std::sqrt(5.0);
        QVERIFY(std::fabs(drawn.back().y1 - last) < 1e-5);
    }

    void squaredDrawsBothHalves() {
        PlotFixture f;
        f.draw("y^2=9-x^2");
        const auto dots = f.dots();
        QVERIFY(AllDots(dots, [](const canvas::CanvasOp& d) {
            return std::fabs(d.x1) <= 3.0001f && std::fabs(Radius(d) - 3) < 1e-4;
        }));
        QCOMPARE(dots.size() % 2, std::size_t(0));
        // Upper record, then lower record of the same x.
        const auto records = f.records();
        QVERIFY(records.size() > 1000);
        const std::string x = records[0].substr(0, records[0].find(','));
        QVERIFY(records[1].starts_with(x + ",-"));
        QVERIFY(!records[0].starts_with(x + ",-"));
    }

    // Errors are cleared once per x: where f(x) < 0 nothing shows, and the next x draws both.
    void squaredClearsErrorsPerX() {
        PlotFixture f;
        f.ranges[0] = "-0.02";
        f.ranges[1] = "0.02";
        f.draw("y^2=x");
        const auto dots = f.dots();
        QVERIFY(AllDots(dots, [](const canvas::CanvasOp& d) { return d.x1 >= 0; }));
        QVERIFY(dots.size() >= 2 * 4);
        QCOMPARE(dots.size() % 2, std::size_t(0));
        QCOMPARE(f.records().size(), std::size_t(2 * 3));  // x = 0.012, 0.016, 0.02
    }

    void squaredAxisDotsAreNotRecorded() {
        PlotFixture f;
        f.draw("y^2=0");
        QCOMPARE(f.dots().size(), std::size_t(2 * 2501));
        QVERIFY(f.records().empty());
    }

    void parametricEllipse() {
        PlotFixture f;
        f.draw("x=3*cos(t);y=2*sin(t)");
        const auto dots = f.dots();
        QCOMPARE(dots.size(), std::size_t(4000));
        QVERIFY(AllDots(dots, [](const canvas::CanvasOp& d) {
            return std::fabs(d.x1 * d.x1 / 9 + d.y1 * d.y1 / 4 - 1) < 1e-5;
        }));
        QVERIFY(!QFile::exists(QString::fromStdString(f.pointFilePath())));
        QCOMPARE(f.picture4.printedLines(),
                 (std::vector<std::string>{"x=3*cos(t);y=2*sin(t)", "(0π≤t≤2π)"}));
    }

    void parametricTakesTheFirstPartAsX() {
        PlotFixture f;
        f.draw("y=2*sin(t);x=3*cos(t)");
        QCOMPARE(f.dots().front().x1, 0.0f);
        QCOMPARE(f.dots().front().y1, 3.0f);
    }

    void emptyTRangeEndsAtOnce_data() {
        QTest::addColumn<QString>("equation");
        QTest::newRow("parametric") << "x=t;y=t";
        QTest::newRow("polar") << "r=t";
    }
    void emptyTRangeEndsAtOnce() {
        QFETCH(QString, equation);
        PlotFixture f;
        f.ranges[4] = "2";
        f.ranges[5] = "0";
        f.draw(equation.toStdString());
        QVERIFY(f.dots().empty());
        QCOMPARE(f.status(), std::string("◇处理完毕！"));
        QCOMPARE(f.picture4.printedLines().back(), std::string("(2π≤t≤0π)"));
    }

    void polarCircle() {
        PlotFixture f;
        f.draw("r=3");
        const auto dots = f.dots();
        QCOMPARE(dots.size(), std::size_t(4000));
        QVERIFY(AllDots(dots,
                        [](const canvas::CanvasOp& d) { return std::fabs(Radius(d) - 3) < 1e-5; }));
    }

    // r is the radius of the previous point: 0.001 at the first, about 4 at the last.
    void polarSeesThePreviousRadius() {
        PlotFixture f;
        f.draw("r=r+0.001");
        const auto dots = f.dots();
        QCOMPARE(dots.size(), std::size_t(4000));
        QVERIFY(std::fabs(Radius(dots.front()) - 0.001) < 1e-6);
        QVERIFY(std::fabs(Radius(dots.back()) - 4.0) < 1e-3);
    }

    // A plot that set no dot because its samples failed says so once, after the status and
    // legend ("◇处理完毕！2…"), naming the first failure; no dot for want of a solution is no
    // failure; dots all beyond the view say where the view is. A text refused before the plot
    // says why at once (no status, no line), keeps the point file and selects what it quotes.
    void emptyPlotNamesItsFirstFailure_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<QString>("message");  // empty: none
        const char* done = "◇处理完毕！2方程“%1”没有画出任何点。\n第一个错误：错误 %2";
        const char* rows[][2] = {
            {"y=2+", "0方程“%1”有语法错误：第 4 个字符“+”之后缺少内容。"},
            {"Y = (x+1) )", "0方程“%1”有语法错误：第 11 个字符“)”。"},
            {"y = x @ 2", "0方程“%1”有语法错误：第 7 个字符“@”是无效字符。"},
            {"x=;y=t", "0方程“%1”有语法错误：第 3 个字符“;”之前缺少内容。"},
            {"x^2+y^2=(", "0方程“%1”有语法错误：第 9 个字符“(”之后缺少内容。"},
            {"y=foo(x)", "0方程中的“foo”既不是变量也不是函数。"},
            {"y=x+T", "0方程中的“T”既不是变量也不是函数。"},
            {"x=t;y=sp(t,1,0)", done},
            {"r=1/(t-t)", done},
            {"y=10^40", done},
            {"y=x+100", "◇处理完毕！2方程“%1”的图像不在画布范围内（-12≤x≤12，-12≤y≤12）。"},
            {"x^2+y^2=-1", ""},
            {"y^2=x-10", ""},
            {"y=1/(x>0)", ""},
            {"x=t;y=sp(t,1,3)", ""},
            {"r=sp(t,1,3)+r", ""},
        };
        const int failures[] = {13, 11, 6};
        int failure = 0;
        for (const auto& row : rows) {
            QString message = QString::fromUtf8(row[1]).replace("%1", QString::fromUtf8(row[0]));
            if (row[1] == done) message.replace("%2", QString::number(failures[failure++]));
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << message;
        }
    }
    void emptyPlotNamesItsFirstFailure() {
        QFETCH(QString, equation);
        QFETCH(QString, message);
        PlotFixture f;
        f.ranges = {"-0.5", "0.5", "-0.5", "0.5", "0", "0.01"};
        std::vector<std::string> seen;  // each message after the status and its legend lines
        f.ctx.showMessage = [&](const std::string& text) {
            seen.push_back(f.status() + std::to_string(f.picture4.printedLines().size()) + text);
        };
        std::string selected;
        f.ctx.selectInEquation = [&](std::size_t offset, std::size_t length) {
            selected = f.combo.substr(offset, length);
        };
        f.writePointFile("1,1\r\n");
        f.draw(equation.toStdString());
        QCOMPARE(seen, message.isEmpty() ? std::vector<std::string>{}
                                         : std::vector<std::string>{message.toStdString()});
        const bool refused = f.statuses.empty();
        QCOMPARE(f.pointFile() == "1,1\r\n", refused);
        QVERIFY(f.drawEnabled);
        if (refused) QVERIFY(message.contains("“" + QString::fromStdString(selected) + "”"));
    }

    // A long equation is cut on a character boundary, so the message stays readable.
    void longEquationCutInTheMessage() {
        const QString equation = "y=" + QString(100, QChar(u'中'));
        const QString message =
            QString::fromStdString(plotter::EmptyPlotMessage(equation.toStdString(), "错误 13"));
        QVERIFY(message.contains("“" + equation.left(41) + "……”"));
    }

    // Textbook notation draws exactly what its plain twin draws, point file and dots alike.
    void notationDrawsAsItsPlainTwin_data() {
        QTest::addColumn<QString>("notation");
        QTest::addColumn<QString>("plain");
        const char* rows[][2] = {
            {"y=a*x^2+b", "y=2*x^2+3"},
            {"y=lg(x)", "y=log(x)/log(10)"},
            {"y=ln(x)", "y=log(x)"},
            {"y=2sin x cos x", "y=2*sin(x)*cos(x)"},
            {"y=lg x", "y=log(x)/log(10)"},
            {"y=|x|-√x+∛x", "y=abs(x)-sqr(x)+sp(x,1,3)"},
            {"y=0。5x……2—1", "y=0.5*x^2-1"},
            {"y=sp(x、1、3)·2", "y=sp(x,1,3)*2"},
            {"y=(x≤1)-(x≠0)", "y=(x<=1)-(x<>0)"},
        };
        for (const auto& row : rows)
            QTest::newRow(row[0]) << QString::fromUtf8(row[0]) << QString::fromUtf8(row[1]);
    }
    void notationDrawsAsItsPlainTwin() {
        QFETCH(QString, notation);
        QFETCH(QString, plain);
        PlotFixture twin;
        twin.draw(plain.toStdString());
        PlotFixture f;
        f.draw(notation.toStdString());
        QVERIFY(!twin.dots().empty());
        QCOMPARE(f.pointFile(), twin.pointFile());
        QCOMPARE(f.dots().size(), twin.dots().size());
        QVERIFY(f.messages.empty());
    }

    // A failing radius keeps the old one and draws nothing: the samples with 1 <= t < 2
    // divide by zero, and the spiral goes on from where it stopped, so the last radius
    // still counts every drawn point (a radius reset by the failures would count fewer).
    void polarFailureKeepsTheRadius() {
        PlotFixture f;
        f.draw("r=r+0.001/sgn(abs(int(t)-1))");
        const auto dots = f.dots();
        QVERIFY(dots.size() > 3000 && dots.size() < 3500);
        QVERIFY(std::fabs(Radius(dots.back()) - 0.001 * double(dots.size())) < 1e-6);
        QCOMPARE(f.status(), std::string("◇处理完毕！"));
    }
};

FUNCURVE_TEST(PlottersTest)
#include "PlottersTest.moc"
