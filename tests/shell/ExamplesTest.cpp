// SPDX-License-Identifier: GPL-3.0-or-later
#include <QComboBox>
#include <QTest>
#include <algorithm>

#include "ShellTestSupport.h"
#include "common/TestRegistry.h"

// The examples shipped beside the program: every one draws something with the design ranges.
class ExamplesTest : public QObject {
    Q_OBJECT

  private slots:
    void everyExampleDraws() {
        shelltest::OpenWindow w(QCoreApplication::applicationDirPath());
        auto* combo = w.control<QComboBox>("Combo1");
        QVERIFY(combo->count() >= 20);
        canvas::Canvas& c = w->picture1();
        c.setTraceEnabled(true);
        for (int i = 0; i < combo->count(); ++i) {
            combo->setCurrentIndex(i);
            c.Cls();
            w.click("cmd绘制图像");
            const auto points = std::count_if(c.trace().begin(), c.trace().end(), [](auto& op) {
                return op.kind == canvas::CanvasOp::Point;
            });
            QVERIFY2(points > 20, qPrintable(combo->itemText(i)));
        }
    }
};

FUNCURVE_TEST(ExamplesTest)
#include "ExamplesTest.moc"
