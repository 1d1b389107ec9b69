// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "common/TestRegistry.h"
#include "vbrt/NumberReading.h"
#include "vbrt/Rounding.h"
#include "vbrt/RuntimeError.h"
#include "vbrt/Variant.h"

class NumberReadingTest : public QObject {
    Q_OBJECT

  private slots:
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("digit then letter") << "2x" << 2.0;
        QTest::newRow("inner blank") << "1 5" << 15.0;
        QTest::newRow("blanks and sign") << " - 2 . 5" << -2.5;
        QTest::newRow("tab and line feed") << "\t1\n2" << 12.0;
        QTest::newRow("exponent") << "1.5E-3" << 0.0015;
        QTest::newRow("D exponent") << "2d2" << 200.0;
        QTest::newRow("exponent without digits") << "3e" << 3.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("point only") << "." << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("plus") << "+7" << 7.0;
        QTest::newRow("two signs") << "--5" << 0.0;
        QTest::newRow("hex") << "&H1F" << 31.0;
        QTest::newRow("hex 16-bit wraps") << "&HFFFF" << -1.0;
        QTest::newRow("hex forced long") << "&HFFFF&" << 65535.0;
        QTest::newRow("octal") << "&O17" << 15.0;
        QTest::newRow("hex without digits") << "&H" << 0.0;
        QTest::newRow("second point stops") << "1.2.3" << 1.2;
        QTest::newRow("15x") << "15x" << 15.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(vbrt::Val(text.toStdString()), value);
    }

    void leadingNumberOverflowRaises() {
        try {
            vbrt::Val("1e400");
            QFAIL("no error");
        } catch (const vbrt::RuntimeError& e) {
            QCOMPARE(e.number(), int(vbrt::kOverflow));
        }
    }

    void numericTest_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("numeric");
        QTest::newRow("whole") << "12" << true;
        QTest::newRow("surrounded by blanks") << "  -9.5  " << true;
        QTest::newRow("exponent") << "1e5" << true;
        QTest::newRow("trailing point") << "10." << true;
        QTest::newRow("hex") << "&H10" << true;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "   " << false;
        QTest::newRow("letters") << "abc" << false;
        QTest::newRow("number then letter") << "15x" << false;
        QTest::newRow("inner blank") << "1 5" << false;
        QTest::newRow("sign only") << "-" << false;
        QTest::newRow("exponent without digits") << "1e" << false;
        QTest::newRow("beyond double") << "1e400" << false;
    }
    void numericTest() {
        QFETCH(QString, text);
        QFETCH(bool, numeric);
        QCOMPARE(vbrt::IsNumeric(text.toStdString()), numeric);
    }

    void roundingTiesToEven_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("rounded");
        QTest::newRow("2.5") << 2.5 << 2;
        QTest::newRow("3.5") << 3.5 << 4;
        QTest::newRow("-2.5") << -2.5 << -2;
        QTest::newRow("-3.5") << -3.5 << -4;
        QTest::newRow("0.4") << 0.4 << 0;
        QTest::newRow("-0.6") << -0.6 << -1;
    }
    void roundingTiesToEven() {
        QFETCH(double, value);
        QFETCH(int, rounded);
        QCOMPARE(vbrt::ToLong(value), rounded);
    }

    void conversionsRaiseOverflow() {
        auto overflows = [](auto&& f) {
            try {
                f();
            } catch (const vbrt::RuntimeError& e) {
                return e.number() == vbrt::kOverflow;
            }
            return false;
        };
        QVERIFY(overflows([] { vbrt::ToSingle(1e39); }));
        QVERIFY(overflows([] { vbrt::ToSingle(-1e39); }));
        QVERIFY(overflows([] { vbrt::ToSingle(std::nan("")); }));
        QVERIFY(overflows([] { vbrt::ToLong(2147483647.5); }));
        QVERIFY(overflows([] { vbrt::ToInteger(32767.6); }));
        QCOMPARE(vbrt::ToSingle(3.4028235e38), 3.4028235e38f);
        QCOMPARE(vbrt::ToInteger(-32768.4), std::int16_t(-32768));
    }

    void variantConversions() {
        QCOMPARE(vbrt::ToDouble(vbrt::Variant::boolean(true)), -1.0);
        QCOMPARE(vbrt::ToDouble(vbrt::Variant::empty()), 0.0);
        QCOMPARE(vbrt::ToDouble(vbrt::Variant::string(" 3 ")), 3.0);
        QCOMPARE(QString::fromStdString(vbrt::ToText(vbrt::Variant::boolean(false))),
                 QString("False"));
        QCOMPARE(QString::fromStdString(vbrt::ToText(vbrt::Variant::number(-0.17))),
                 QString("-0.17"));
        try {
            vbrt::ToDouble(vbrt::Variant::string("没有实数解"));
            QFAIL("no error");
        } catch (const vbrt::RuntimeError& e) {
            QCOMPARE(e.number(), int(vbrt::kTypeMismatch));
        }
    }
};

FUNCURVE_TEST(NumberReadingTest)
#include "NumberReadingTest.moc"
