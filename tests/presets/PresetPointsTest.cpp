// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>
#include <algorithm>
#include <cmath>
#include <iterator>

#include "PresetRig.h"
#include "common/TestRegistry.h"

namespace {

constexpr double kLineStart = -8.3333333333333339;        // -2500/300
constexpr double kLineLast = 8.3326666666683096;          // after 16 666 additions of 0.001
constexpr double kPowerLast = 8.9999999999997051;         // after 1800 additions of 0.01
constexpr double kFirstPositive = 0.0099999999998524273;  // first power step above 0

}  // namespace

// Which points each preset sets: counts, first and last points (through the canvas
// trace, in single precision as they reach PSet), colour and pen width.
class PresetPointsTest : public QObject {
    Q_OBJECT

  private slots:
    void sweeps_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("firstX");
        QTest::addColumn<double>("firstY");
        QTest::addColumn<double>("lastX");
        QTest::addColumn<double>("lastY");

        const double ellipseLast = 6.2816145106736965;
        QTest::newRow("line") << "line"
                              << "2"
                              << "3" << 16667 << kLineStart << 2 * kLineStart + 3 << kLineLast
                              << 2 * kLineLast + 3;
        QTest::newRow("parabola") << "paowu"
                                  << "2"
                                  << "3" << 16667 << kLineStart << 2 * (kLineStart * kLineStart) + 3
                                  << kLineLast << 2 * (kLineLast * kLineLast) + 3;
        QTest::newRow("power a=2")
            << "mihanshu1"
            << "2"
            << "3" << 1801 << -9.0 << 81.0 << kPowerLast << kPowerLast * kPowerLast;
        QTest::newRow("power a=-1")
            << "mihanshu1"
            << "-1"
            << "3" << 1801 << -9.0 << -1 / 9.0 << kPowerLast << 1 / kPowerLast;
        QTest::newRow("power a=0.5 skips x<0")
            << "mihanshu1"
            << "0.5"
            << "3" << 900 << kFirstPositive << std::sqrt(kFirstPositive) << kPowerLast
            << std::sqrt(kPowerLast);
        QTest::newRow("cube root keeps sign") << "mihanshu2"
                                              << "1"
                                              << "3" << 1801 << -9.0 << -std::pow(9.0, 1 / 3.0)
                                              << kPowerLast << std::pow(kPowerLast, 1 / 3.0);
        QTest::newRow("two thirds even") << "mihanshu2"
                                         << "2"
                                         << "3" << 1801 << -9.0 << std::pow(9.0, 2 / 3.0)
                                         << kPowerLast << std::pow(kPowerLast, 2 / 3.0);
        QTest::newRow("square root only x>0")
            << "mihanshu2"
            << "1"
            << "2" << 900 << kFirstPositive << std::pow(kFirstPositive, 0.5) << kPowerLast
            << std::pow(kPowerLast, 0.5);
        QTest::newRow("exponential") << "zhishu"
                                     << "2"
                                     << "3" << 1401 << -9.0 << 0.001953125 << 4.9999999999997904
                                     << std::pow(2, 4.9999999999997904);
        QTest::newRow("exponential a<1") << "zhishu"
                                         << "0.5"
                                         << "3" << 1401 << -9.0 << 512.0 << 4.9999999999997904
                                         << std::pow(0.5, 4.9999999999997904);
        QTest::newRow("logarithm")
            << "duishu"
            << "2"
            << "3" << 8324 << 0.01 << std::log(0.01) / std::log(2) << 8.3330000000008209
            << std::log(8.3330000000008209) / std::log(2);
        QTest::newRow("inverse") << "fanbili"
                                 << "1"
                                 << "3" << 25465 << -10.0 << -0.1 << 9.999378832178067
                                 << 1 / 9.999378832178067;
        QTest::newRow("sine") << "zhengxian"
                              << "2"
                              << "3" << 16667 << kLineStart << 2 * std::sin(3 * kLineStart)
                              << kLineLast << 2 * std::sin(3 * kLineLast);
        QTest::newRow("cosine b=0") << "yuxian"
                                    << "2"
                                    << "0" << 16667 << kLineStart << 2.0 << kLineLast << 2.0;
        QTest::newRow("tangent") << "zhengqie"
                                 << "2"
                                 << "3" << 16667 << kLineStart << 2 * std::tan(3 * kLineStart)
                                 << kLineLast << 2 * std::tan(3 * kLineLast);
        QTest::newRow("cotangent") << "yuqie"
                                   << "2"
                                   << "3" << 16667 << kLineStart << 2 / std::tan(3 * kLineStart)
                                   << kLineLast << 2 / std::tan(3 * kLineLast);
        QTest::newRow("ellipse") << "tuoyuan"
                                 << "2"
                                 << "3" << 4000 << 2.0 << 0.0 << 2 * std::cos(ellipseLast)
                                 << 3 * std::sin(ellipseLast);
        QTest::newRow("circle") << "tuoyuan"
                                << "-1"
                                << "1" << 4000 << -1.0 << 0.0 << -std::cos(ellipseLast)
                                << std::sin(ellipseLast);
        const double hyperLast = 7.9993459861104608;
        QTest::newRow("hyperbola |a|=1") << "shuang1"
                                         << "1"
                                         << "1" << 2 * 17825 << -8.0 << std::sqrt(63.0) << hyperLast
                                         << -std::sqrt(hyperLast * hyperLast - 1);
        QTest::newRow("hyperbola a=-1 same curve")
            << "shuang1"
            << "-1"
            << "1" << 2 * 17825 << -8.0 << std::sqrt(63.0) << hyperLast
            << -std::sqrt(hyperLast * hyperLast - 1);
        const double hyperLast2 = 15.999477370380886;
        QTest::newRow("hyperbola y |a|=2")
            << "shuang2"
            << "2"
            << "3" << 2 * 35651 << std::sqrt(9 * 63.0) << -16.0
            << -std::sqrt(9 * (hyperLast2 * hyperLast2 / 4 - 1)) << hyperLast2;
    }

    void sweeps() {
        QFETCH(QString, preset);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, count);
        QFETCH(double, firstX);
        QFETCH(double, firstY);
        QFETCH(double, lastX);
        QFETCH(double, lastY);
        PresetRig rig(a.toStdString(), b.toStdString());
        rig.picture1.setDrawWidth(2);
        rig.press(preset.toStdString());
        const auto points = rig.points();
        QCOMPARE(int(points.size()), count);
        QCOMPARE(points.front().x1, float(firstX));
        QCOMPARE(points.front().y1, float(firstY));
        QCOMPARE(points.back().x1, float(lastX));
        QCOMPARE(points.back().y1, float(lastY));
        for (const auto& point : points) {
            QCOMPARE(point.color, qRgb(0, 0, 0));
            QCOMPARE(point.width, 1);
        }
        QCOMPARE(rig.picture1.DrawWidth(), 1);
        QVERIFY(rig.messages.empty());
    }

    // The inverse proportion never lands on 0: its nearest steps are on either side.
    void inverseProportionStepsAroundZero() {
        PresetRig rig("1", "3");
        rig.press("fanbili");
        const auto points = rig.points();
        const auto positive = std::find_if(points.begin(), points.end(),
                                           [](const canvas::CanvasOp& p) { return p.x1 > 0; });
        QVERIFY(positive != points.begin() && positive != points.end());
        QCOMPARE(std::prev(positive)->x1, float(-0.00031058391096678542));
        QCOMPARE(positive->x1, float(0.00047481425240821461));
        QVERIFY(std::none_of(points.begin(), points.end(),
                             [](const canvas::CanvasOp& p) { return p.x1 == 0; }));
    }

    // Both branches per passing step, mirrored in the right coordinate, never inside |a|.
    void hyperbolaBranchesInPairs() {
        for (const char* name : {"shuang1", "shuang2"}) {
            PresetRig rig("2", "3");
            rig.press(name);
            const auto points = rig.points();
            QCOMPARE(points.size() % 2, std::size_t(0));
            const bool alongX = std::string(name) == "shuang1";
            for (std::size_t i = 0; i < points.size(); i += 2) {
                const auto& p = points[i];
                const auto& q = points[i + 1];
                const float sweep = alongX ? p.x1 : p.y1;
                QVERIFY(std::abs(sweep) >= 2 && std::abs(sweep) <= 16);
                QCOMPARE(alongX ? q.x1 : q.y1, sweep);
                QCOMPARE(alongX ? q.y1 : q.x1, -(alongX ? p.y1 : p.x1));
                QVERIFY((alongX ? p.y1 : p.x1) >= 0);
            }
        }
    }

    // The sweep field is left one step past the end, as the counted loop leaves it.
    void sweepFieldLeftPastEnd() {
        PresetRig rig("2", "3");
        rig.press("mihanshu1");
        QVERIFY(rig.fields.varX > 9 && rig.fields.varX < 9.01);
        rig.press("shuang1");
        QVERIFY(rig.fields.varX > 16 && rig.fields.varX < 16.001);
    }

    // A second press sets the same points again and adds an identical formula line.
    void secondPressRepeats() {
        PresetRig rig;
        rig.press("line");
        const auto first = rig.points();
        rig.press("line");
        const auto both = rig.points();
        QCOMPARE(both.size(), 2 * first.size());
        for (std::size_t i = 0; i < first.size(); ++i) {
            QCOMPARE(both[first.size() + i].x1, first[i].x1);
            QCOMPARE(both[first.size() + i].y1, first[i].y1);
        }
        QCOMPARE(rig.formulaLines(), (std::vector<std::string>{"y= 2 x+ 3 ", "y= 2 x+ 3 "}));
    }

    // Presets draw over the canvas, never erase it: what was there stays in the bitmap.
    void presetsDrawOverTheCanvas() {
        PresetRig rig;
        rig.picture1.Line(-10, 0, 10, 0, qRgb(0, 255, 0));
        const QPoint axis = rig.picture1.toPixel(-9.5f, 0).toPoint();
        rig.press("zhengxian");
        QCOMPARE(rig.picture1.Image().pixel(axis), qRgb(0, 255, 0));
        const QPoint onCurve = rig.picture1.toPixel(1, float(2 * std::sin(3.0))).toPoint();
        QCOMPARE(rig.picture1.Image().pixel(onCurve), qRgb(0, 0, 0));
    }
};

FUNCURVE_TEST(PresetPointsTest)
#include "PresetPointsTest.moc"
