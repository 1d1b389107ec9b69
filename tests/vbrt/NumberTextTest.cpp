// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "common/TestRegistry.h"
#include "vbrt/NumberText.h"

// Number texts are compared to the last character: point files, legends and formula lines
// depend on them.
class NumberTextTest : public QObject {
    Q_OBJECT

  private slots:
    void defaultText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 5.0 << "5";
        QTest::newRow("negative") << -1.5 << "-1.5";
        QTest::newRow("below one") << 0.5 << "0.5";
        QTest::newRow("third") << 1.0 / 3 << "0.333333333333333";
        QTest::newRow("tiny negative") << -1.06609165939631e-13 << "-1.06609165939631E-13";
        QTest::newRow("1E15") << 1e15 << "1E+15";
        QTest::newRow("just below 1E15") << 123456789012345.0 << "123456789012345";
        QTest::newRow("rounds up to 1E15") << 999999999999999.9 << "1E+15";
        QTest::newRow("16 digits") << 1234567890123456.0 << "1.23456789012346E+15";
        QTest::newRow("1.5E-05") << 1.5e-5 << "1.5E-05";
        QTest::newRow("0.0001 fixed") << 0.0001 << "0.0001";
        QTest::newRow("below 0.0001") << 0.00009 << "9E-05";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("1E+100") << 1e100 << "1E+100";
        QTest::newRow("max") << 1.7976931348623157e308 << "1.79769313486232E+308";
        QTest::newRow("2/3 rounds 15th") << 2.0 / 3 << "0.666666666666667";
        QTest::newRow("accumulated 4.9999999999998") << 4.9999999999998 << "4.9999999999998";
    }
    void defaultText() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(vbrt::NumberToText(value)), text);
    }

    void scanRecordDrift() {
        // The first record of the circle scan: y runs from -5 by 0.03 additions.
        double y = -5;
        for (int i = 0; i < 161; ++i)
            y += 0.03;
        QCOMPARE(QString::fromStdString(vbrt::NumberToText(y)), QString("-0.170000000000003"));
    }

    void printForm_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("positive") << 2.0 << " 2 ";
        QTest::newRow("negative") << -1.5 << "-1.5 ";
        QTest::newRow("half") << 0.5 << " .5 ";
        QTest::newRow("negative quarter") << -0.25 << "-.25 ";
        QTest::newRow("zero") << 0.0 << " 0 ";
        QTest::newRow("exponent") << 1e20 << " 1E+20 ";
    }
    void printForm() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(vbrt::PrintForm(value)), text);
    }

    void readOut_data() {
        QTest::addColumn<float>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("pi") << 3.14159f << "3.14";
        QTest::newRow("negative half") << -2.5f << "-2.50";
        QTest::newRow("zero") << 0.0f << "0.00";
        QTest::newRow("tie away from zero") << 2.345f << "2.35";
        QTest::newRow("negative tie") << -0.125f << "-0.13";
        QTest::newRow("carry") << 9.999f << "10.00";
        QTest::newRow("tiny negative") << -0.001f << "0.00";
        QTest::newRow("corner") << -11.98f << "-11.98";
        QTest::newRow("large") << 123456.7f << "123456.70";
    }
    void readOut() {
        QFETCH(float, value);
        QFETCH(QString, text);
        const double shortest = std::stod(vbrt::SingleToText(value));
        QCOMPARE(QString::fromStdString(vbrt::FormatFixed2(shortest)), text);
    }

    void shortestSingle() {
        QCOMPARE(QString::fromStdString(vbrt::SingleToText(0.1f)), QString("0.1"));
        QCOMPARE(QString::fromStdString(vbrt::SingleToText(3.14159f)), QString("3.14159"));
        QCOMPARE(QString::fromStdString(vbrt::SingleToText(-12.0f)), QString("-12"));
    }
};

FUNCURVE_TEST(NumberTextTest)
#include "NumberTextTest.moc"
