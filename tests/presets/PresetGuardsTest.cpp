// SPDX-License-Identifier: GPL-3.0-or-later
#include <QTest>

#include "PresetRig.h"
#include "common/TestRegistry.h"

Q_DECLARE_METATYPE(presets::ParameterBox)

// Guards and the two error modes: what a refused parameter, a failing step and a value
// beyond the drawable range leave on the canvas, the strip and the message box.
class PresetGuardsTest : public QObject {
    Q_OBJECT

  private slots:
    void guards_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("message");
        QTest::addColumn<presets::ParameterBox>("box");

        using presets::ParameterBox;
        const QString base = "a大于0且不等于1";
        const auto power = [](const char* tag, const char* a, const char* b, const char* message,
                              ParameterBox box) {
            QTest::newRow(tag) << "mihanshu2" << a << b << message << box;
        };
        power("root power b=0", "2", "0", "不能为0", ParameterBox::B);
        power("root power b text", "2", "abc", "不能为0", ParameterBox::B);
        power("root power b=0.3", "1", "0.3", "b取整后不能为0", ParameterBox::B);
        power("root power b=-0.5", "1", "-0.5", "b取整后不能为0", ParameterBox::B);
        power("root power huge b", "1", "3E9", "b的取值超出整数范围", ParameterBox::B);
        power("root power huge a", "-3E9", "3", "a的取值超出整数范围", ParameterBox::A);
        power("root power huge a/b", "2E9", "0.6", "a的取值超出整数范围", ParameterBox::A);
        for (const char* name : {"zhishu", "duishu"}) {
            for (const char* a : {"1", "0", "-2"}) {
                const QByteArray tag = QByteArray(name) + " a=" + a;
                QTest::newRow(tag.constData()) << name << a << "3" << base << ParameterBox::A;
            }
        }
        for (const char* name : {"tuoyuan", "shuang1", "shuang2"}) {
            const QByteArray tag(name);
            QTest::newRow((tag + " a=0").constData()) << name << "0"
                                                      << "3"
                                                      << "不能为0" << ParameterBox::A;
            QTest::newRow((tag + " b=0").constData()) << name << "2"
                                                      << "0"
                                                      << "不能为0" << ParameterBox::B;
            QTest::newRow((tag + " both 0").constData()) << name << "0"
                                                         << "0"
                                                         << "不能为0" << ParameterBox::A;
        }
    }

    // One message, the focus to the offending box, nothing drawn and nothing printed.
    void guards() {
        QFETCH(QString, preset);
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(QString, message);
        QFETCH(presets::ParameterBox, box);
        PresetRig rig(a.toStdString(), b.toStdString());
        rig.press(preset.toStdString());
        QCOMPARE(rig.messages, std::vector<std::string>{message.toStdString()});
        QCOMPARE(rig.focus, std::vector<presets::ParameterBox>{box});
        QVERIFY(rig.picture1.trace().empty());
        QVERIFY(rig.picture2.trace().empty());
    }

    // Stop-and-report: the first point beyond single precision ends the handler with one
    // "出错"; no formula line.
    void lineBeyondSingleRangeStops() {
        PresetRig rig("1E39", "3");
        rig.press("line");
        QVERIFY(rig.points().empty());
        QVERIFY(rig.formulaLines().empty());
        QCOMPARE(rig.messages, std::vector<std::string>{"出错"});
        QVERIFY(rig.focus.empty());
    }

    // Points set before the failure stay on the canvas.
    void tangentStopsAtFirstHugeValue() {
        PresetRig rig("1E37", "1");
        rig.press("zhengqie");
        const auto points = rig.points();
        QVERIFY(!points.empty());
        QVERIFY(points.size() < 16667);
        QCOMPARE(rig.messages, std::vector<std::string>{"出错"});
        QVERIFY(rig.formulaLines().empty());
    }

    // A parameter beyond the double range fails the reading in either error mode: "出错",
    // and nothing drawn with the value an earlier press left behind.
    void unreadableParameter_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        const auto row = [](const char* tag, const char* preset, const char* a, const char* b) {
            QTest::newRow(tag) << preset << a << b;
        };
        row("stop-and-report", "fanbili", "1e400", "3");
        row("power", "mihanshu1", "1e400", "3");
        row("root power a", "mihanshu2", "1e400", "3");
        row("root power b", "mihanshu2", "2", "-1e400");
        row("exponential", "zhishu", "1e400", "3");
    }
    void unreadableParameter() {
        QFETCH(QString, preset);
        QFETCH(QString, a);
        QFETCH(QString, b);
        PresetRig rig("2", "3");
        rig.press(preset.toStdString());
        const auto drawn = rig.points().size();
        rig.textA = a.toStdString();
        rig.textB = b.toStdString();
        rig.press(preset.toStdString());
        QCOMPARE(rig.messages, std::vector<std::string>{"出错"});
        QCOMPARE(rig.points().size(), drawn);
        QCOMPARE(rig.formulaLines().size(), std::size_t(1));
    }

    // Skip-and-continue: x^0.5 has no real value for x < 0, so those steps set no point
    // (and no stale value is drawn there); no message.
    void powerSkipsStepsWithoutValue() {
        PresetRig rig("0.5", "3");
        rig.press("mihanshu1");
        const auto points = rig.points();
        QCOMPARE(points.size(), std::size_t(900));
        QVERIFY(std::all_of(points.begin(), points.end(),
                            [](const canvas::CanvasOp& p) { return p.x1 > 0; }));
        QVERIFY(rig.messages.empty());
        QCOMPARE(rig.formulaLines(), std::vector<std::string>{"y = x^0.5"});
    }

    // A strongly negative power overflows near 0: those steps are skipped, the rest drawn.
    void powerSkipsOverflow() {
        PresetRig rig("-30", "3");
        rig.press("mihanshu1");
        const auto points = rig.points();
        QVERIFY(points.size() > 1000 && points.size() < 1801);
        QVERIFY(std::none_of(points.begin(), points.end(),
                             [](const canvas::CanvasOp& p) { return std::abs(p.x1) < 0.05f; }));
        QVERIFY(rig.messages.empty());
    }

    // The exponential drops points beyond single precision (0.00001^-9 = 1E45).
    void exponentialSkipsHugeValues() {
        PresetRig rig("0.00001", "3");
        rig.press("zhishu");
        const auto points = rig.points();
        QVERIFY(!points.empty() && points.size() < 1401);
        QVERIFY(points.front().x1 > -9);
        QVERIFY(rig.messages.empty());
        QCOMPARE(rig.formulaLines(), std::vector<std::string>{"y = 1E-05^x"});
    }

    // The cotangent has no value where tan(b·x) = 0: with b = 0 no point at all.
    void cotangentWithoutValueSetsNoPoint() {
        PresetRig rig("2", "0");
        rig.press("yuqie");
        QVERIFY(rig.points().empty());
        QVERIFY(rig.messages.empty());
        QCOMPARE(rig.formulaLines(), std::vector<std::string>{"y= 2 Cot( 0 x)"});
    }

    // A hyperbola whose sweep would take billions of steps is refused with "出错" at once
    // instead of freezing the window.
    void hugeHyperbolaRefused() {
        PresetRig rig("1E12", "1");
        rig.press("shuang1");
        QVERIFY(rig.points().empty());
        QVERIFY(rig.formulaLines().empty());
        QCOMPARE(rig.messages, std::vector<std::string>{"出错"});
    }
};

FUNCURVE_TEST(PresetGuardsTest)
#include "PresetGuardsTest.moc"
