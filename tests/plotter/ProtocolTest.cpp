// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "PlotFixture.h"
#include "common/TestRegistry.h"
#include "plotter/PlotCommands.h"
#include "plotter/YieldPacer.h"

namespace {

const std::string kBusy = "◇正在处理 ……";
const std::string kBlink = "◇正在处理 ";
const std::string kDone = "◇处理完毕！";
const std::string kCancelled = "◇取消";

}  // namespace

// Start, cancel, status blinking and the normal end, shared by every plotter.
class ProtocolTest : public QObject {
    Q_OBJECT
  private slots:
    void cancelStopsEveryPlotter_data() {
        QTest::addColumn<QString>("equation");
        QTest::addColumn<bool>("writesRecords");
        QTest::addColumn<QString>("from");  // start of the x and y ranges
        QTest::newRow("general") << "x^2+y^2=4" << true << "-2";
        QTest::newRow("region") << "x>y" << true << "-5";
        QTest::newRow("explicit") << "y=x" << true << "-5";
        QTest::newRow("squared") << "y^2=9-x^2" << true << "-2";
        QTest::newRow("parametric") << "x=t;y=t" << false << "-5";
        QTest::newRow("polar") << "r=3" << false << "-5";
    }
    // Cancel pressed in the 100th sample: 99 samples ran, nothing after it, no legend.
    void cancelStopsEveryPlotter() {
        QFETCH(QString, equation);
        QFETCH(bool, writesRecords);
        QFETCH(QString, from);
        PlotFixture f;
        f.ranges[0] = f.ranges[2] = from.toStdString();
        f.actionAtSample = 100;
        std::size_t dotsAtCancel = 0, recordsAtCancel = 0;
        f.action = [&] {
            plotter::CancelDrawing(f.ctx);
            dotsAtCancel = f.dots().size();
            recordsAtCancel = f.records().size();
        };
        f.draw(equation.toStdString());
        QCOMPARE(f.samples, 100);
        QCOMPARE(f.dots().size(), dotsAtCancel);
        QCOMPARE(f.records().size(), recordsAtCancel);
        QCOMPARE(writesRecords, recordsAtCancel > 0);
        QCOMPARE(f.status(), kCancelled);
        QVERIFY(f.drawEnabled);
        QVERIFY(!f.timerEnabled);
        QCOMPARE(f.picture1.DrawWidth(), 1);
        QVERIFY(f.picture4.printedLines().empty());
    }

    // The event loop runs before the first sample (a cancel there draws nothing), then only
    // when the interval has passed: with an hour, never again in this plot.
    void yieldsBeforeTheFirstSampleThenByTime() {
        PlotFixture f;
        f.ctx.yieldInterval = std::chrono::hours(1);
        f.draw("y=x");
        QCOMPARE(f.samples, 1);
        QCOMPARE(f.dots().size(), std::size_t(2501));
        f.actionAtSample = 2;
        f.action = [&] { plotter::CancelDrawing(f.ctx); };
        f.picture1.Cls();
        f.draw("y=x");
        QVERIFY(f.dots().empty());
        QCOMPARE(f.status(), kCancelled);
    }

    // The samples between two clock readings double while readings come quickly and halve when
    // they come slowly, so fast samples read the clock rarely and slow ones still yield on time.
    void pacerStrideFollowsTheSampleTime_data() {
        QTest::addColumn<int>("first");  // µs per sample for `samples` samples, then `second`
        QTest::addColumn<int>("second");
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("maxReadings");  // in the last quarter, when the stride has settled
        QTest::addColumn<int>("maxGap");       // µs between two yields, ditto
        QTest::newRow("fast samples read the clock rarely")
            << 1 << 1 << 20000 << 10000 / 32 << 2100;
        QTest::newRow("slow samples yield on time") << 1000 << 1000 << 40 << 40 << 2000;
        QTest::newRow("a slow-down halves the stride") << 1 << 100 << 400 << 200 << 2300;
    }
    void pacerStrideFollowsTheSampleTime() {
        QFETCH(int, first);
        QFETCH(int, second);
        QFETCH(int, samples);
        QFETCH(int, maxReadings);
        QFETCH(int, maxGap);
        std::chrono::steady_clock::time_point now{}, lastYield{};
        int sample = 0, readings = 0;
        plotter::YieldPacer pacer(std::chrono::milliseconds(2), [&] {
            readings += sample > samples * 3 / 2;
            return now;
        });
        for (; sample < 2 * samples;
             now += std::chrono::microseconds(sample++ < samples ? first : second)) {
            if (!pacer.due()) continue;
            const auto gap = std::chrono::duration_cast<std::chrono::microseconds>(now - lastYield);
            if (sample > samples * 3 / 2) QCOMPARE_LE(gap.count(), maxGap);
            lastYield = now;
            pacer.passed();
        }
        QCOMPARE_LE(readings, maxReadings);
    }

    void normalEndRestoresTheWindow() {
        PlotFixture f;
        f.ranges[1] = "-4";
        f.actionAtSample = 1;
        f.action = [&] {
            QVERIFY(f.timerEnabled);
            QVERIFY(!f.drawEnabled);
            QCOMPARE(f.picture1.DrawWidth(), 2);
        };
        f.draw("y=x");
        QCOMPARE(f.statuses, (std::vector<std::string>{kBusy, kDone}));
        QVERIFY(!f.timerEnabled);
        QVERIFY(f.drawEnabled);
        QCOMPARE(f.picture1.DrawWidth(), 1);
        QCOMPARE(f.picture4.printedLines(), (std::vector<std::string>{"y=x", "(-5≤x≤-4)"}));
    }

    // The mended fault: plot A is cancelled and, inside its yield, plot B runs to the end.
    // A must not pick up again when B returns, although B cleared the cancel request.
    void cancelledPlotNeverResumes() {
        PlotFixture f;
        f.actionAtSample = 10;
        int samplesOfB = 0;
        f.action = [&] {
            plotter::CancelDrawing(f.ctx);
            f.ranges[5] = "0.01";  // a short B
            const int before = f.samples;
            f.draw("x=t;y=t");
            samplesOfB = f.samples - before;
        };
        f.draw("y=x");
        QVERIFY(samplesOfB > 0);
        QCOMPARE(f.samples, 10 + samplesOfB);
        QCOMPARE(int(f.dots().size()), 9 + samplesOfB);
        QCOMPARE(f.status(), kDone);
        QCOMPARE(f.picture4.printedLines(), (std::vector<std::string>{"x=t;y=t", "(0π≤t≤0.01π)"}));
        QVERIFY(f.drawEnabled);
    }

    void cancelWithoutAPlot() {
        PlotFixture f;
        f.drawEnabled = false;
        f.picture1.setDrawWidth(3);
        plotter::CancelDrawing(f.ctx);
        QVERIFY(f.state.blnCancel);
        QVERIFY(f.drawEnabled);
        QCOMPARE(f.status(), kCancelled);
        QCOMPARE(f.picture1.DrawWidth(), 1);
        QVERIFY(f.picture4.printedLines().empty());
    }

    // Clear during a plot: cancel, erase, plain frame; the plot adds nothing afterwards.
    void clearDuringAPlotLeavesTheAxes() {
        PlotFixture f;
        f.actionAtSample = 50;
        f.action = [&] {
            plotter::CancelDrawing(f.ctx);
            f.picture1.Cls();
            canvas::FrameState frame;
            canvas::ResetPlotFrame(f.picture1, frame);
        };
        f.draw("y=x");
        QVERIFY(f.dots().empty());
        QCOMPARE(f.segments(canvas::kGreen).size(), std::size_t(2));
    }

    // Joining between two samples joins the records written so far, in the plot's pen, also
    // when the plot gathers its records.
    void joinDuringAPlotUsesTheRecordsSoFar_data() {
        QTest::addColumn<int>("block");
        QTest::newRow("each at once") << 0;
        QTest::newRow("gathered") << 65536;
    }
    void joinDuringAPlotUsesTheRecordsSoFar() {
        QFETCH(int, block);
        PlotFixture f;
        f.ctx.pointFileBlock = std::size_t(block);
        f.actionAtSample = 100;
        f.action = [&] { plotter::JoinPlottedPoints(f.ctx); };
        f.draw("y=x");
        const auto segments = f.segments(canvas::kGreen);
        QCOMPARE(segments.size(), std::size_t(98));
        QCOMPARE(segments.front().width, 2);
        QCOMPARE(f.status(), kDone);
    }

    // A step too small to move the loop variable would never reach the end: one sample, then
    // the normal end. (The dot itself lies beyond the single range and is skipped.)
    void stepTooSmallToMoveEndsTheLoop() {
        PlotFixture f;
        f.ranges[0] = "-1e300";
        f.ranges[1] = "1e300";
        f.draw("y=x");
        QCOMPARE(f.samples, 1);
        QVERIFY(f.dots().empty());
        QCOMPARE(f.status(), kDone);
    }

    void statusBlinksFromItsLastPhase() {
        PlotFixture f;
        std::vector<std::string> expected;
        for (int tick = 0; tick < 5; ++tick)
            plotter::AnimateStatus(f.ctx);
        QCOMPARE(f.statuses, (std::vector<std::string>{kBusy, kBlink, kBusy, kBlink, kBusy}));
        QCOMPARE(f.state.intBlink, std::int16_t(1));
        f.ranges[1] = "-5";
        f.draw("y=x");  // a plot does not reset the counter
        plotter::AnimateStatus(f.ctx);
        QCOMPARE(f.status(), kBlink);
    }
};

FUNCURVE_TEST(ProtocolTest)
#include "ProtocolTest.moc"
