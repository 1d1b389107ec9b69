// SPDX-License-Identifier: GPL-3.0-or-later
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "ShellTestSupport.h"
#include "canvas/Frame.h"
#include "common/TestRegistry.h"
#include "shell/CanvasView.h"

namespace {

using canvas::CanvasOp;

size_t CountOps(const canvas::Canvas& c, CanvasOp::Kind kind, QRgb colour) {
    return size_t(std::count_if(c.trace().begin(), c.trace().end(), [&](const CanvasOp& op) {
        return op.kind == kind && (kind == CanvasOp::Text || op.color == colour);
    }));
}

// The canvas holds nothing but the plain frame: a clear, then the two green axes.
void CheckPlainFrame(const canvas::Canvas& c) {
    QCOMPARE(c.trace().size(), size_t(3));
    QCOMPARE(c.trace()[0].kind, CanvasOp::Clear);
    QCOMPARE(CountOps(c, CanvasOp::Line, canvas::kGreen), size_t(2));
}

void MovePointer(QWidget* view, QPointF position) {
    QMouseEvent move(QEvent::MouseMove, position, view->mapToGlobal(position), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
}

}  // namespace

// The tools around the canvas in the real window: coordinate systems, read-out, copy, clear.
class FrameToolsTest : public QObject {
    Q_OBJECT

  private slots:
    void startsWithThePlainFrame() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        canvas::Canvas expected(w->picture1().Image().width() * 15,
                                w->picture1().Image().height() * 15);
        canvas::FrameState frame;
        canvas::ResetPlotFrame(expected, frame);
        QCOMPARE(w->picture1().Image(), expected.Image());
    }

    void coordinateSystemButtons() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        canvas::Canvas& c = w->picture1();
        c.setTraceEnabled(true);
        w.click("qinnchu");
        w.click("cmd坐标系1");
        QCOMPARE(CountOps(c, CanvasOp::Line, canvas::kGridColour), size_t(96));
        QCOMPARE(CountOps(c, CanvasOp::Text, 0), size_t(2 + 19 + 18));
        QCOMPARE(CountOps(c, CanvasOp::Line, canvas::kBlue), size_t(44));

        w.click("qinnchu");
        w.click("cmd坐标系2");
        QCOMPARE(CountOps(c, CanvasOp::Line, canvas::kGridColour), size_t(0));
        QCOMPARE(CountOps(c, CanvasOp::Text, 0), size_t(2));
    }

    // Real pointer positions are whole pixels: the pixel of each green axis reads 0.00 (found
    // on a quarter-height row and column), and the border never reads beyond the frame.
    void readOut_data() {
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("fromAxes");  // else from the top-left pixel
        QTest::addColumn<QString>("caption");
        QTest::newRow("axes") << QPoint(0, 0) << true << "( 0.00, 0.00 )";
        QTest::newRow("down right of the axes") << QPoint(1, 1) << true << "( 0.04, -0.05 )";
        QTest::newRow("top left border") << QPoint(-2, -2) << false << "( -12.00, 12.00 )";
        QTest::newRow("bottom right border") << QPoint(557, 509) << false << "( 12.00, -12.00 )";
    }
    void readOut() {
        QFETCH(QPoint, offset);
        QFETCH(bool, fromAxes);
        QFETCH(QString, caption);
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        const QImage& image = w->picture1().Image();
        QPoint from(0, 0);
        while (fromAxes && image.pixel(from.x(), image.height() / 4) != canvas::kGreen)
            from.rx()++;
        while (fromAxes && image.pixel(image.width() / 4, from.y()) != canvas::kGreen)
            from.ry()++;
        auto* view = w.control<shell::CanvasView>("Picture1");
        MovePointer(view, view->contentsRect().topLeft() + from + offset);
        QCOMPARE(w.control<QLabel>("lblCoordinates")->text(), caption);
    }

    void readOutOfAPositionAndItsLife() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        auto* label = w.control<QLabel>("lblCoordinates");
        QCOMPARE(label->text(), QStringLiteral("坐标"));
        w->ShowPointerPosition(3.14159f, -2.5f);
        QCOMPARE(label->text(), QStringLiteral("( 3.14, -2.50 )"));
        // Copy and clear leave the read-out alone.
        w.click("qinnchu");
        w.click("Command4");
        QCOMPARE(label->text(), QStringLiteral("( 3.14, -2.50 )"));
    }

    void copyPutsOneImageOfTheCanvas() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard->setText("earlier text");
        w.click("cmd坐标系1");
        w.click("Command4");
        const QMimeData* data = clipboard->mimeData();
        QVERIFY(data->hasImage());
        QVERIFY(!data->hasText());
        const QImage copied = clipboard->image().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(copied, w->picture1().Image().convertToFormat(QImage::Format_RGB32));
        // On a 2x screen the copy is the sharp picture, twice the pixels, with its ratio.
        w->picture1().setDevicePixelRatio(2);
        w.click("Command4");
        QCOMPARE(clipboard->image().size(), QSize(1112, 1016));
        QCOMPARE(clipboard->image().devicePixelRatio(), 2.0);
    }

    void clearErasesAllThreeBoxes() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        w->picture1().setTraceEnabled(true);
        w.click("cmd坐标系1");
        w.click("line");
        w->picture4().Print("legend");
        QVERIFY(!w->picture2().printedLines().empty());
        w.click("qinnchu");
        CheckPlainFrame(w->picture1());
        QVERIFY(w->picture2().printedLines().empty());
        QVERIFY(w->picture4().printedLines().empty());
        QCOMPARE(w.control<QLabel>("Label5")->text(), QStringLiteral("◇取消"));
        QCOMPARE(w->frameState().xZoom, 1.0);
    }

    // Clear pressed while a plot runs: the plot stops and draws nothing more, no legend.
    void clearDuringAPlot() {
        shelltest::ProgramFolder folder;
        shelltest::OpenWindow w(folder.path());
        w->picture1().setTraceEnabled(true);
        w.control<QComboBox>("Combo1")->setEditText("x^2+y^2=9");
        QTimer::singleShot(0, w.window.get(), [&w] { w.click("qinnchu"); });
        w.click("cmd绘制图像");
        CheckPlainFrame(w->picture1());
        QVERIFY(w->picture4().printedLines().empty());
        QVERIFY(w.control<QPushButton>("cmd绘制图像")->isEnabled());
        QVERIFY(!w.control<QTimer>("Timer1")->isActive());
        QCOMPARE(w.control<QLabel>("Label5")->text(), QStringLiteral("◇取消"));
    }
};

FUNCURVE_TEST(FrameToolsTest)
#include "FrameToolsTest.moc"
