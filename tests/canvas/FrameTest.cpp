// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <algorithm>
#include <cmath>

#include "canvas/Frame.h"
#include "canvas/Palette.h"
#include "canvas/Ticks.h"
#include "common/TestRegistry.h"
#include "vbrt/RuntimeError.h"

Q_DECLARE_METATYPE(canvas::View)

namespace {

using canvas::CanvasOp;

// The plot canvas with its trace switched on, in the default twip scale until a frame is set.
canvas::Canvas TracedCanvas() {
    canvas::Canvas c(8340, 7620);
    c.setTraceEnabled(true);
    return c;
}

std::vector<CanvasOp> OpsOf(const canvas::Canvas& c, CanvasOp::Kind kind, QRgb colour) {
    std::vector<CanvasOp> ops;
    for (const auto& op : c.trace()) {
        if (op.kind == kind && (kind == CanvasOp::Text || op.color == colour)) ops.push_back(op);
    }
    return ops;
}

std::vector<CanvasOp> Texts(const canvas::Canvas& c) {
    return OpsOf(c, CanvasOp::Text, 0);
}

bool IsSegment(const CanvasOp& op, float x1, float y1, float x2, float y2) {
    return op.kind == CanvasOp::Line && qFuzzyCompare(1 + op.x1, 1 + x1) &&
           qFuzzyCompare(1 + op.y1, 1 + y1) && qFuzzyCompare(1 + op.x2, 1 + x2) &&
           qFuzzyCompare(1 + op.y2, 1 + y2);
}

bool HasTextAt(const canvas::Canvas& c, float x, float y, const std::string& text) {
    const auto texts = Texts(c);
    return std::any_of(texts.begin(), texts.end(), [&](const CanvasOp& op) {
        return op.text == text && qFuzzyCompare(1 + op.x1, 1 + x) &&
               qFuzzyCompare(1 + op.y1, 1 + y);
    });
}

void CheckFrameIsPlusMinus12(const canvas::Canvas& c) {
    QCOMPARE(c.scaleLeft(), -12.0f);
    QCOMPARE(c.scaleTop(), 12.0f);
    QCOMPARE(c.scaleWidth(), 24.0f);
    QCOMPARE(c.scaleHeight(), -24.0f);
}

}  // namespace

class FrameTest : public QObject {
    Q_OBJECT

  private slots:
    void plainFrameIsTwoGreenAxes() {
        auto c = TracedCanvas();
        canvas::FrameState frame{3, 2.5, 0};
        c.setDrawWidth(2);
        canvas::ResetPlotFrame(c, frame);
        QCOMPARE(frame.xZoom, 1.0);
        QCOMPARE(frame.yZoom, 1.0);
        CheckFrameIsPlusMinus12(c);
        QCOMPARE(c.DrawWidth(), 1);
        QCOMPARE(c.trace().size(), size_t(2));
        QVERIFY(IsSegment(c.trace()[0], -10, 0, 10, 0));
        QVERIFY(IsSegment(c.trace()[1], 0, -10, 0, 10));
        for (const auto& op : c.trace())
            QCOMPARE(op.color, canvas::kGreen);
        // Drawn with pen width 1: the axes are single pixel lines.
        QCOMPARE(c.trace()[0].width, 1);
    }

    void setupCanvasResetsItsArguments() {
        auto c = TracedCanvas();
        double x = 3, y = 3;
        c.setDrawWidth(2);
        canvas::SetupCanvas(c, x, y);
        QCOMPARE(x, 1.0);
        QCOMPARE(y, 1.0);
        QCOMPARE(c.DrawWidth(), 1);
        CheckFrameIsPlusMinus12(c);
        QVERIFY(c.trace().empty());
    }

    void cornersAndClipping() {
        canvas::Canvas c(8340, 7620);
        canvas::FrameState frame;
        canvas::ResetPlotFrame(c, frame);
        canvas::PlotPoint(c, 12, 12, canvas::kBlack);
        canvas::PlotPoint(c, -12, -12, canvas::kBlack);
        const QImage& image = c.Image();
        QCOMPARE(image.pixel(image.width() - 1, 0), canvas::kBlack);
        QCOMPARE(image.pixel(0, image.height() - 1), canvas::kBlack);
        const QImage before = c.Image();
        canvas::PlotPoint(c, 13, 0, canvas::kBlack);
        QCOMPARE(c.Image(), before);
    }

    void plotPointConvertsToSingles() {
        auto c = TracedCanvas();
        canvas::PlotPoint(c, 0.1, -1.0 / 3, 255.4);
        QCOMPARE(c.trace().back().x1, 0.1f);
        QCOMPARE(c.trace().back().y1, float(-1.0 / 3));
        QCOMPARE(c.trace().back().color, canvas::kBlue);
        try {
            canvas::PlotPoint(c, 1e39, 0, canvas::kBlue);
            QFAIL("a coordinate beyond the single range must overflow");
        } catch (const vbrt::RuntimeError& error) {
            QCOMPARE(error.number(), int(vbrt::kOverflow));
        }
    }

    void printAtLeavesForeColorBlue() {
        auto c = TracedCanvas();
        canvas::FrameState frame;
        canvas::ResetPlotFrame(c, frame);
        QCOMPARE(c.ForeColor(), canvas::kBlack);
        canvas::PrintAt(c, 2.5, -3, "Ｘ");
        QVERIFY(HasTextAt(c, 2.5f, -3.0f, "Ｘ"));
        QCOMPARE(Texts(c).back().color, canvas::kBlue);
        c.Line(0, 0, 1, 1);
        QCOMPARE(c.trace().back().color, canvas::kBlue);
    }

    void minOf_data() {
        QTest::addColumn<float>("a");
        QTest::addColumn<float>("b");
        QTest::addColumn<float>("smaller");
        QTest::newRow("equal") << 1.0f << 1.0f << 1.0f;
        QTest::newRow("a larger") << 2.0f << 1.0f << 1.0f;
        QTest::newRow("b larger") << 1.0f << 2.0f << 1.0f;
        QTest::newRow("negative") << -3.0f << 0.5f << -3.0f;
    }
    void minOf() {
        QFETCH(float, a);
        QFETCH(float, b);
        QFETCH(float, smaller);
        QCOMPARE(canvas::MinOf(a, b), smaller);
    }

    void gridIs96YellowSegmentsQuadrantByQuadrant() {
        auto c = TracedCanvas();
        canvas::FrameState frame;
        canvas::ResetPlotFrame(c, frame);
        const size_t axes = c.trace().size();
        canvas::DrawGrid(c);
        const auto yellow = OpsOf(c, CanvasOp::Line, canvas::kGridColour);
        QCOMPARE(yellow.size(), size_t(96));
        QCOMPARE(c.trace().size(), axes + 96);
        for (const auto& op : yellow) {
            QCOMPARE(std::hypot(op.x2 - op.x1, op.y2 - op.y1), 12.0f);
        }
        QVERIFY(IsSegment(yellow[0], 0, 1, 12, 1));  // upper right first
        QVERIFY(IsSegment(yellow[1], 1, 0, 1, 12));
        QVERIFY(IsSegment(yellow[24], 0, 1, -12, 1));    // then upper left
        QVERIFY(IsSegment(yellow[49], -1, 0, -1, -12));  // lower left
        QVERIFY(IsSegment(yellow[95], 12, 0, 12, -12));  // lower right ends on the edge
        // The green axes still show between the grid lines.
        const QPointF centre = c.toPixel(0, 5.5f);
        QCOMPARE(c.Image().pixel(centre.toPoint()), canvas::kGreen);
    }

    void coordinateSystem1() {
        auto c = TracedCanvas();
        canvas::FrameState frame{2, 2, 0};
        canvas::ResetPlotFrame(c, frame);
        frame.xZoom = 2;
        canvas::DrawCoordinateSystem1(c, frame);
        QCOMPARE(frame.xZoom, 1.0);
        CheckFrameIsPlusMinus12(c);
        QCOMPARE(OpsOf(c, CanvasOp::Line, canvas::kGridColour).size(), size_t(96));
        const auto blue = OpsOf(c, CanvasOp::Line, canvas::kBlue);
        QCOMPARE(blue.size(), size_t(2 + 4 + 19 + 19));
        QVERIFY(IsSegment(blue[0], -10, 0, 10, 0));
        QVERIFY(IsSegment(blue[1], 10, 0, 9.5f, -0.2f));
        QVERIFY(IsSegment(blue[2], 10, 0, 9.5f, 0.2f));
        QVERIFY(IsSegment(blue[3], 0, -10, 0, 10));
        QVERIFY(IsSegment(blue[6], -9, 0, -9, 0.25f));
        QVERIFY(IsSegment(blue[25], 0, -9, 0.25f, -9));
        QVERIFY(HasTextAt(c, 10, -0.9f, "Ｘ"));
        QVERIFY(HasTextAt(c, -0.9f, 10, "Ｙ"));
        QCOMPARE(Texts(c).size(), size_t(2 + 19 + 18));
        QVERIFY(HasTextAt(c, -9.5f, -0.5f, "-9"));
        QVERIFY(HasTextAt(c, -0.5f, -0.5f, " 0"));
        QVERIFY(HasTextAt(c, 8.5f, -0.5f, " 9"));
        QVERIFY(HasTextAt(c, -0.9f, 3, " 3"));
        QVERIFY(HasTextAt(c, -0.9f, -3, "-3"));
        QVERIFY(!HasTextAt(c, -0.9f, 0, " 0"));
        QCOMPARE(c.ForeColor(), canvas::kBlue);
        QCOMPARE(c.DrawWidth(), 1);
        QCOMPARE(frame.intTick, std::int16_t(10));
    }

    void coordinateSystem2HasNoGridAndNoNumbers() {
        auto c = TracedCanvas();
        canvas::FrameState frame;
        canvas::ResetPlotFrame(c, frame);
        canvas::DrawCoordinateSystem2(c, frame);
        QVERIFY(OpsOf(c, CanvasOp::Line, canvas::kGridColour).empty());
        const auto blue = OpsOf(c, CanvasOp::Line, canvas::kBlue);
        QCOMPARE(blue.size(), size_t(44));
        QVERIFY(IsSegment(blue[6], -9, 0, -9, 0.2f));
        QVERIFY(IsSegment(blue[43], 0, 9, 0.2f, 9));
        QCOMPARE(Texts(c).size(), size_t(2));
        QCOMPARE(c.ForeColor(), canvas::kBlue);
    }

    void blueAxesCoverTheGreenOnes() {
        canvas::Canvas c(8340, 7620);
        canvas::FrameState frame;
        canvas::ResetPlotFrame(c, frame);
        canvas::DrawCoordinateSystem2(c, frame);
        for (const QPointF p : {c.toPixel(-10, 0), c.toPixel(5, 0), c.toPixel(0, -10)}) {
            QCOMPARE(c.Image().pixel(p.toPoint()), canvas::kBlue);
        }
    }

    // Drawn again over itself, a coordinate system leaves every pixel as it was: the
    // smoothed edges of its labels must not darken.
    void pressingAgainDrawsTheSamePixels() {
        for (const auto draw : {canvas::DrawCoordinateSystem1, canvas::DrawCoordinateSystem2}) {
            canvas::Canvas c(8340, 7620);
            c.setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 12));
            canvas::FrameState frame;
            canvas::ResetPlotFrame(c, frame);
            draw(c, frame);
            const QImage once = c.Image().copy();
            draw(c, frame);
            QVERIFY(c.Image() == once);
        }
    }

    // Steps of 1, 2 or 5 times a power of ten, the smallest that keeps ticks minPixels apart.
    void tickStep_data() {
        QTest::addColumn<double>("pixelsPerUnit");
        QTest::addColumn<double>("minPixels");
        QTest::addColumn<double>("step");
        QTest::newRow("start-up x") << 555.0 / 24 << 18.0 << 1.0;
        QTest::newRow("start-up y") << 507.0 / 24 << 15.0 << 1.0;
        QTest::newRow("exactly enough") << 9.0 << 18.0 << 2.0;
        QTest::newRow("five") << 4.0 << 18.0 << 5.0;
        QTest::newRow("ten") << 2.0 << 18.0 << 10.0;
        QTest::newRow("zoomed in: a half") << 40.0 << 18.0 << 0.5;
        QTest::newRow("deep: 0.002") << 1e4 << 18.0 << 0.002;
        QTest::newRow("far out: 2e5") << 1e-4 << 18.0 << 2e5;
        QTest::newRow("no pixels") << 0.0 << 18.0 << 1.0;
        QTest::newRow("not a number") << qQNaN() << 18.0 << 1.0;
    }
    void tickStep() {
        QFETCH(double, pixelsPerUnit);
        QFETCH(double, minPixels);
        QFETCH(double, step);
        QCOMPARE(canvas::TickStep(pixelsPerUnit, minPixels), step);
    }

    // Tick numbers: decimals as the step needs them, multiples of pi reduced.
    void tickLabel_data() {
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("piEighths");
        QTest::addColumn<int>("k");
        QTest::addColumn<QString>("label");
        QTest::newRow("zero") << 0.5 << 0 << 0 << " 0";
        QTest::newRow("whole") << 2.0 << 0 << -3 << "-6";
        QTest::newRow("half") << 0.5 << 0 << 3 << " 1.5";
        QTest::newRow("two decimals") << 0.05 << 0 << -1 << "-0.05";
        QTest::newRow("pi/2 steps") << 0.0 << 4 << 3 << " 3π/2";
        QTest::newRow("pi") << 0.0 << 4 << -2 << "-π";
        QTest::newRow("2pi steps") << 0.0 << 16 << 2 << " 4π";
    }
    void tickLabel() {
        QFETCH(double, step);
        QFETCH(int, piEighths);
        QFETCH(int, k);
        QFETCH(QString, label);
        const canvas::TickScale scale{step, piEighths > 0, piEighths};
        QCOMPARE(QString::fromStdString(scale.label(k)), label);
    }

    // Zoom keeps the fixed point, pan follows the pointer, equal units widen the shorter
    // side; a view the canvas cannot show is refused and the old one kept.
    void viewRules_data() {
        using canvas::View;
        QTest::addColumn<View>("got");
        QTest::addColumn<View>("expected");
        const View start = canvas::kStartUpView;
        QTest::newRow("zoom in about (6, 0)")
            << canvas::ZoomedAbout(start, {6, 0}, 2) << View{-3, 9, -6, 6};
        QTest::newRow("zoom out about the centre")
            << canvas::ZoomedAbout(start, {0, 0}, 0.5) << View{-24, 24, -24, 24};
        QTest::newRow("zoom too deep") << canvas::ZoomedAbout(start, {0, 0}, 1e5) << start;
        QTest::newRow("zoom by NaN") << canvas::ZoomedAbout(start, {0, 0}, qQNaN()) << start;
        QTest::newRow("drag right and down")
            << canvas::PannedBy(start, {25, 25}, {26, 26}) << View{-36, -12, 12, 36};
        QTest::newRow("equal units widen x")
            << canvas::WithEqualUnits(start, {513, 257}) << View{-24, 24, -12, 12};
        QTest::newRow("parsed") << *canvas::ParseView(" -1, 3,0 ,2") << View{-1, 3, 0, 2};
        QTest::newRow("no width") << canvas::ParseView("1,1,0,2").value_or(start) << start;
        QTest::newRow("beyond a million")
            << canvas::ParseView("0,2e6,0,1").value_or(start) << start;
        QTest::newRow("not a number") << canvas::ParseView("nan,1,0,1").value_or(start) << start;
    }
    void viewRules() {
        QFETCH(canvas::View, got);
        QFETCH(canvas::View, expected);
        QVERIFY(got == expected);
    }

    // 多色曲线: each curve's colour stays apart from its neighbour's in a grey print, and
    // from the grid and the paper; after the last colour the palette starts again.
    void curvePalette_data() {
        QTest::addColumn<int>("curve");
        for (int n = 0; n < int(canvas::kCurvePalette.size()); ++n)
            QTest::addRow("curve %d", n) << n;
    }
    void curvePalette() {
        QFETCH(int, curve);
        const QRgb colour = canvas::CurveColour(size_t(curve));
        const QRgb next = canvas::CurveColour(size_t(curve) + 1);
        QVERIFY(colour != canvas::kGridColour && colour != qRgb(255, 255, 255));
        QVERIFY(std::abs(qGray(colour) - qGray(next)) >= 20);
        QCOMPARE(canvas::CurveColour(size_t(curve) + canvas::kCurvePalette.size()), colour);
    }

    void pointerPositionText_data() {
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<QString>("text");
        QTest::newRow("centre") << 0.0f << 0.0f << "( 0.00, 0.00 )";
        QTest::newRow("pi and -2.5") << 3.14159f << -2.5f << "( 3.14, -2.50 )";
        QTest::newRow("top-left corner") << -12.0f << 12.0f << "( -12.00, 12.00 )";
        QTest::newRow("half up on the decimal text") << 2.675f << 0.005f << "( 2.68, 0.01 )";
        QTest::newRow("small negative") << -0.004f << 7.999f << "( 0.00, 8.00 )";
    }
    void pointerPositionText() {
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(canvas::PointerPositionText(x, y)), text);
    }
};

FUNCURVE_TEST(FrameTest)
#include "FrameTest.moc"
