// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "PresetRig.h"
#include "common/TestRegistry.h"
#include "presets/Sweep.h"

// The preset table and the shared mechanisms every preset is built from.
class PresetFrameworkTest : public QObject {
    Q_OBJECT

  private slots:
    void namesInTableOrder() {
        const std::vector<std::string_view> expected{
            "line",      "paowu",  "mihanshu1", "mihanshu2", "zhishu",  "duishu",  "fanbili",
            "zhengxian", "yuxian", "zhengqie",  "yuqie",     "tuoyuan", "shuang1", "shuang2"};
        QCOMPARE(presets::PresetNames(), expected);
    }

    void everyNameRunsAndUnknownIsRefused() {
        for (const auto name : presets::PresetNames()) {
            PresetRig rig;
            QVERIFY(rig.press(name));
            QCOMPARE(rig.formulaLines().empty(), false);
        }
        PresetRig rig;
        QVERIFY(!rig.press("Line"));
        QVERIFY(!rig.press(""));
        QVERIFY(rig.picture1.trace().empty());
    }

    // Repeated addition: the drift decides the last value; the variable ends past the end.
    void sweepByRepeatedAddition_data() {
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("end");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("last");
        QTest::newRow("tenths drift below 1") << 0.0 << 1.0 << 0.1 << 11 << 0.9999999999999999;
        QTest::newRow("exact halves hit it") << 0.0 << 1.0 << 0.5 << 3 << 1.0;
        QTest::newRow("empty") << 1.0 << 0.0 << 0.1 << 0 << 0.0;
        QTest::newRow("longest allowed") << 0.0 << 1e7 << 1.0 << 10'000'001 << 1e7;
    }

    void sweepByRepeatedAddition() {
        QFETCH(double, start);
        QFETCH(double, end);
        QFETCH(double, step);
        QFETCH(int, count);
        QFETCH(double, last);
        int visits = 0;
        double seen = 0;
        double variable = 0;
        presets::Sweep(variable, {start, end, step}, [&](double x) {
            ++visits;
            seen = x;
        });
        QCOMPARE(visits, count);
        QCOMPARE(seen, last);
        QVERIFY(variable > end);
    }

    void sweepTooLongRaises() {
        double variable = 0;
        int visits = 0;
        for (const presets::SweepRange range :
             {presets::SweepRange{-1e12, 1e12, 0.001}, {0, 1, 0}, {0, 1e7 + 1, 1}}) {
            QVERIFY_THROWS_EXCEPTION(vbrt::RuntimeError,
                                     presets::Sweep(variable, range, [&](double) { ++visits; }));
        }
        QCOMPARE(visits, 0);
    }
};

FUNCURVE_TEST(PresetFrameworkTest)
#include "PresetFrameworkTest.moc"
