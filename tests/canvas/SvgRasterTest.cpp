// SPDX-License-Identifier: GPL-3.0-or-later
#include <QPainter>
#include <QProcess>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTest>
#include <cstdlib>

#include "canvas/Frame.h"
#include "canvas/SvgExport.h"
#include "common/TestRegistry.h"

namespace {

// As the window shows it: 0 the plain frame, 1 coordinate system 1, 2 a circle of radius 4
// plotted on coordinate system 1 with the plotters' 2-pixel dots.
canvas::Canvas Picture(int which) {
    canvas::Canvas c(8340, 7620);
    c.setTrace(canvas::Trace::Visible);
    canvas::FrameState frame;
    canvas::ResetPlotFrame(c, frame);
    if (which >= 1) canvas::DrawCoordinateSystem1(c, frame);
    c.setDrawWidth(2);
    for (double t = 0; which == 2 && t < 6.2832; t += 0.02)
        canvas::PlotPoint(c, 4 * std::cos(t), 4 * std::sin(t), canvas::kBlue);
    return c;
}

// Pixels of `a` whose colour (give or take 64 per channel) `b` has nowhere within `radius`.
int Unmatched(const QImage& a, const QImage& b, int radius) {
    auto near = [](QRgb p, QRgb q) {
        return std::abs(qRed(p) - qRed(q)) <= 64 && std::abs(qGreen(p) - qGreen(q)) <= 64 &&
               std::abs(qBlue(p) - qBlue(q)) <= 64;
    };
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            bool matched = false;
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx)
                    matched = matched || (b.valid(x + dx, y + dy) &&
                                          near(a.pixel(x, y), b.pixel(x + dx, y + dy)));
            count += !matched;
        }
    }
    return count;
}

QImage Raster(const QByteArray& svg, QSize size, bool byRsvg) {
    if (byRsvg) {
        QProcess rsvg;
        rsvg.start("rsvg-convert", {});
        rsvg.write(svg);
        rsvg.closeWriteChannel();
        rsvg.waitForFinished(60000);
        return QImage::fromData(rsvg.readAllStandardOutput()).convertToFormat(QImage::Format_RGB32);
    }
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QSvgRenderer(svg).render(&painter);
    return image;
}

}  // namespace

// The SVG of a picture, drawn by other renderers, shows what the PNG shows.
class SvgRasterTest : public QObject {
    Q_OBJECT

  private slots:
    void renderersMatchThePng_data() {
        QTest::addColumn<int>("picture");
        QTest::addColumn<bool>("byRsvg");
        for (bool byRsvg : {true, false}) {
            const char* renderer = byRsvg ? "rsvg-convert" : "Qt";
            QTest::addRow("plain frame, %s", renderer) << 0 << byRsvg;
            QTest::addRow("coordinate system 1, %s", renderer) << 1 << byRsvg;
            QTest::addRow("circle, %s", renderer) << 2 << byRsvg;
        }
    }

    void renderersMatchThePng() {
        QFETCH(int, picture);
        QFETCH(bool, byRsvg);
        if (byRsvg && QStandardPaths::findExecutable("rsvg-convert").isEmpty())
            QSKIP("rsvg-convert is not installed (librsvg2-bin)");
        const canvas::Canvas c = Picture(picture);
        const QImage raster =
            Raster(QByteArray::fromStdString(canvas::ToSvg(c)), c.pixelSize(), byRsvg);
        QCOMPARE(raster.size(), c.Image().size());
        // Lines and dots fall on the same pixels; glyph edges differ a little between font
        // engines (about 600 pixels in place, 150 a pixel away, over forty labels).
        const int inPlace = Unmatched(c.Image(), raster, 0);
        const int nearby =
            std::max(Unmatched(c.Image(), raster, 1), Unmatched(raster, c.Image(), 1));
        // Qt's renderer ignores text-rendering and smooths the hard-edged labels: its glyph
        // edges are checked in place only.
        QVERIFY2(inPlace <= 1200 && (nearby <= 250 || !byRsvg),
                 qPrintable(QString("%1 / %2").arg(inPlace).arg(nearby)));
    }
};

FUNCURVE_TEST(SvgRasterTest)
#include "SvgRasterTest.moc"
