// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "common/TestRegistry.h"
#include "plotter/TypedCurves.h"
#include "script/ScriptEngine.h"
#include "shell/KeyPointsDialog.h"
#include "shell/ValueTableDialog.h"

// The 数值表 and 关键点 dialogs: what they show, copy and save.
class ReadingDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    // Errors read as their Chinese text; the CSV starts with the byte order mark; a count
    // out of range computes nothing and says why.
    void valueTableCopiesAndSaves() {
        script::ScriptEngine engine;
        shell::ValueTableDialog dialog({{"y=sp(x,1,2)",
                                         [&](const plotter::TableRange& range) {
                                             return plotter::ExplicitTable(engine, "y=sp(x,1,2)",
                                                                           range);
                                         }}},
                                       nullptr);
        dialog.findChild<QLineEdit*>("tableCount")->setText("3");
        dialog.findChild<QLineEdit*>("tableFrom")->setText("-4");
        dialog.findChild<QLineEdit*>("tableStep")->setText("4");
        emit dialog.findChild<QLineEdit*>("tableStep")->editingFinished();
        QCOMPARE(dialog.plainText(), QString("-4\t没有实数解\n0\t0\n4\t2\n"));
        QTemporaryDir dir;
        QVERIFY(dialog.saveCsv(dir.filePath("t.csv")).isEmpty());
        QFile csv(dir.filePath("t.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(csv.readAll(), "\xEF\xBB\xBFx,y\r\n-4,没有实数解\r\n0,0\r\n4,2\r\n");
        QVERIFY(!dialog.saveCsv(dir.filePath("no/such/folder/t.csv")).isEmpty());
        dialog.findChild<QLineEdit*>("tableCount")->setText("1e9");
        emit dialog.findChild<QLineEdit*>("tableCount")->editingFinished();
        QCOMPARE(dialog.plainText(), QString());
    }

    void keyPointsShowSixDigitsAndCopyTen() {
        shell::KeyPointsDialog dialog(nullptr);
        dialog.setPoints({{plotter::KeyKind::Intersection, 1.4142135623730951, -2, {1, 2}}},
                         {"x^2+y^2=4", "y=x"});
        auto* table = dialog.findChild<QTableWidget*>("keyPointsTable");
        QCOMPARE(table->item(0, 1)->text(), QString("1.41421"));
        QCOMPARE(dialog.copiedText(), QString("交点\t1.414213562\t-2\t1,2\n"));
    }
};

FUNCURVE_TEST(ReadingDialogsTest)
#include "ReadingDialogsTest.moc"
