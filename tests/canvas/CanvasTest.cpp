// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "canvas/Canvas.h"
#include "common/TestRegistry.h"

namespace {
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;

// The plot canvas as the window makes it, in the -12..12 frame.
canvas::Canvas PlotCanvas() {
    canvas::Canvas c(8400, 7680);
    c.Scale(-12, 12, 12, -12);
    return c;
}

int CountPixels(const QImage& image, QRgb color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == color;
    return n;
}
}  // namespace

class CanvasTest : public QObject {
    Q_OBJECT

  private slots:
    void sizeComesFromTwips() {
        canvas::Canvas c(8400, 7680);
        QCOMPARE(c.Image().size(), QSize(560, 512));
    }

    void cornersOfTheFrameAreVisible() {
        auto c = PlotCanvas();
        c.PSet(12, 12, kRed);
        c.PSet(-12, -12, kRed);
        QCOMPARE(c.Image().pixel(559, 0), kRed);
        QCOMPARE(c.Image().pixel(0, 511), kRed);
        QCOMPARE(CountPixels(c.Image(), kRed), 2);
    }

    void pointsOutsideAreClippedQuietly() {
        auto c = PlotCanvas();
        c.PSet(13, 0, kRed);
        c.PSet(3e38f, -3e38f, kRed);
        c.Line(-1e30f, 0, 1e30f, 0, kRed);
        c.Line(20, 20, 30, 30, kRed);
        QCOMPARE(CountPixels(c.Image(), kRed), 560);  // only the long horizontal line
    }

    // A trace of what is visible keeps only what leaves a mark: bounded by the picture.
    void visibleTraceSkipsWhatMissesThePicture() {
        auto c = PlotCanvas();
        c.setTrace(canvas::Trace::Visible);
        c.PSet(13, 0, kRed);
        c.Line(20, 20, 30, 30, kRed);
        c.setCurrentX(40);
        c.Print("x");
        c.Line(-20, 0, 20, 0, kRed);
        QCOMPARE(c.trace().size(), size_t(1));
    }

    void drawWidthMakesBiggerDots() {
        auto c = PlotCanvas();
        c.setDrawWidth(2);
        c.PSet(0, 0, kRed);
        QCOMPARE(CountPixels(c.Image(), kRed), 4);
        c.setDrawWidth(0);
        QCOMPARE(c.DrawWidth(), 1);
    }

    void lineWithoutColourUsesForeColor() {
        auto c = PlotCanvas();
        c.setTraceEnabled(true);
        c.setForeColor(qRgb(0, 0, 255));
        c.Line(-10, 0, 10, 0);
        QCOMPARE(c.trace().size(), size_t(1));
        QCOMPARE(c.trace()[0].color, qRgb(0, 0, 255));
        QVERIFY(CountPixels(c.Image(), qRgb(0, 0, 255)) > 400);
    }

    void printMovesToTheNextLine() {
        canvas::Canvas strip(2415, 1200);
        strip.Print("y= 2 x+ 3 ");
        const float first = strip.CurrentY();
        QVERIFY(first > 0);
        strip.setCurrentY(strip.CurrentY() - 80);
        strip.Print("       2");
        QCOMPARE(strip.CurrentX(), 0.0f);
        QVERIFY(qAbs(strip.CurrentY() - (2 * first - 80)) < 0.01f);
        QCOMPARE(strip.printedLines().size(), size_t(2));
        QVERIFY(CountPixels(strip.Image(), kWhite) < 560 * 80);
    }

    void clsErasesButKeepsTheScale() {
        auto c = PlotCanvas();
        c.setTraceEnabled(true);
        c.PSet(1, 1, kRed);
        c.Print("x");
        c.Cls();
        QCOMPARE(CountPixels(c.Image(), kWhite), 560 * 512);
        QCOMPARE(c.scaleLeft(), -12.0f);
        QCOMPARE(c.scaleHeight(), -24.0f);
        QVERIFY(c.printedLines().empty());
        QCOMPARE(c.trace().size(), size_t(1));
        QCOMPARE(c.trace()[0].kind, canvas::CanvasOp::Clear);
    }

    void pixelAndUserCoordinatesRoundTrip() {
        auto c = PlotCanvas();
        const QPointF centre = c.toUser(QPointF(279.5, 255.5));
        QVERIFY(qAbs(centre.x()) < 1e-6 && qAbs(centre.y()) < 1e-6);
        const QPointF corner = c.toUser(QPointF(0, 0));
        QCOMPARE(corner, QPointF(-12, 12));
    }

    void changesAreAnnounced() {
        auto c = PlotCanvas();
        int calls = 0;
        c.setChangedCallback([&] { ++calls; });
        c.PSet(0, 0, kRed);
        c.PSet(50, 50, kRed);  // invisible: nothing changed
        c.Line(0, 0, 1, 1, kRed);
        QCOMPARE(calls, 2);
    }

    // At ratio 2 lines and dots cover the device pixels of their ratio-1 pixels, drawn at 2x
    // from the start or replayed later; text is drawn afresh, not enlarged.
    void ratioTwoIsRedrawnNotEnlarged() {
        auto draw = [](canvas::Canvas& on) {
            on.Line(-10, 0, 10, 0, kRed);
            on.PSet(5, 5, kRed);
            on.setDrawWidth(2);
            on.PSet(-5, -5, kRed);
            on.Line(3, -12, 3, 12, qRgb(0, 255, 0));
        };
        auto c = PlotCanvas(), direct = PlotCanvas();
        c.setTraceEnabled(true);
        draw(c);
        direct.setDevicePixelRatio(2);
        draw(direct);
        QImage enlarged = c.Image().scaled(c.Image().size() * 2);
        enlarged.setDevicePixelRatio(2);
        QCOMPARE(c.renderImage(2).convertToFormat(QImage::Format_RGB32), enlarged);
        QCOMPARE(direct.Image(), c.renderImage(2));
        c.Print("y= 2 x+ 3 ");
        QVERIFY(c.renderImage(2).convertToFormat(QImage::Format_RGB32) !=
                c.Image().scaled(c.Image().size() * 2));
        QCOMPARE(direct.toUser(QPointF(0, 0)), QPointF(-12, 12));  // the geometry stays logical
    }
};

FUNCURVE_TEST(CanvasTest)
#include "CanvasTest.moc"
