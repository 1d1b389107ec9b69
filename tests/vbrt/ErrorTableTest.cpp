// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "common/TestRegistry.h"
#include "vbrt/RuntimeError.h"

// An error raised by number alone describes itself in English for the engine's callers and
// in Chinese for the window; a number outside the table still gets a text.
class ErrorTableTest : public QObject {
    Q_OBJECT

  private slots:
    void texts_data() {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("chinese");
        QTest::newRow("overflow") << 6 << "Overflow"
                                  << "溢出";
        QTest::newRow("arguments")
            << 450 << "Wrong number of arguments or invalid property assignment"
            << "错误的参数个数或无效的属性赋值";
        QTest::newRow("syntax") << 1002 << "Syntax error"
                                << "语法错误";
        QTest::newRow("unknown") << 9 << "Script error"
                                 << "运行出错";
    }
    void texts() {
        QFETCH(int, number);
        QFETCH(QString, english);
        QFETCH(QString, chinese);
        const vbrt::RuntimeError error(number);
        QCOMPARE(error.number(), number);
        QCOMPARE(QString::fromUtf8(error.what()), english);
        QCOMPARE(QString::fromUtf8(vbrt::ChineseErrorText(number)), chinese);
    }
};

FUNCURVE_TEST(ErrorTableTest)
#include "ErrorTableTest.moc"
